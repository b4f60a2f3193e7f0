#include "tiles/DesignRoot.h"

#include "component/ComponentStreaming.h"
#include "component/Control.h"
#include "tiles/DCLPanel.h"
#include "tiles/TileRegistry.h"

namespace tw {

TDesignRoot::TDesignRoot()
{
    registerTileClasses();
}

TDesignRoot::~TDesignRoot()
{
    qDeleteAll(m_topLevel);
}

void TDesignRoot::load(const std::vector<ComponentRecord> &records)
{
    qDeleteAll(m_topLevel);
    m_topLevel = readComponents(records, this, nullptr);
    m_dialog = qobject_cast<TDCLPanel *>(findComponent(QStringLiteral("DCLPanelBasic")));
    for (TControl *control : std::as_const(m_topLevel))
        if (!m_dialog)
            m_dialog = qobject_cast<TDCLPanel *>(control);
}

std::vector<ComponentRecord> TDesignRoot::save() const
{
    std::vector<ComponentRecord> records;
    for (TControl *control : m_topLevel)
        records.push_back(writeComponent(control, this));
    return records;
}

void TDesignRoot::DCLPanelBasicCaptionChange(QObject *, const QString &caption)
{
    emit dialogCaptionChanged(caption);
}

} // namespace tw
