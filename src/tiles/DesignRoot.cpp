#include "tiles/DesignRoot.h"

#include "component/ComponentStreaming.h"
#include "component/Control.h"
#include "tiles/DCLPanel.h"
#include "tiles/TileRegistry.h"

namespace tw
{

TDesignRoot::TDesignRoot()
{
    registerTileClasses();
}

TDesignRoot::~TDesignRoot()
{
    clear();
}

void TDesignRoot::clear()
{
    for (const QPointer<TControl> &control : std::as_const(m_topLevel))
        delete control.data();
    m_topLevel.clear();
    m_dialog = nullptr;
}

void TDesignRoot::load(const std::vector<ComponentRecord> &records)
{
    clear();
    for (TControl *control : readComponents(records, this, nullptr))
        m_topLevel.append(control);
    m_dialog = qobject_cast<TDCLPanel *>(findComponent(QStringLiteral("DCLPanelBasic")));
    for (const QPointer<TControl> &control : std::as_const(m_topLevel))
        if (!m_dialog)
            m_dialog = qobject_cast<TDCLPanel *>(control.data());
}

std::vector<ComponentRecord> TDesignRoot::save() const
{
    std::vector<ComponentRecord> records;
    for (const QPointer<TControl> &control : m_topLevel)
        if (control)
            records.push_back(writeComponent(control, this));
    return records;
}

void TDesignRoot::DCLPanelBasicCaptionChange(QObject *, const QString &caption)
{
    emit dialogCaptionChanged(caption);
}

} // namespace tw
