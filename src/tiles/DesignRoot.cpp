#include "tiles/DesignRoot.h"

#include "component/ComponentStreaming.h"
#include "component/Control.h"
#include "format/Error.h"
#include "format/ProjectFile.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/TileRegistry.h"

#include <QFile>
#include <algorithm>

namespace tw
{

namespace
{

// The handlers a stream may bind the design's events to by name.
class TDesignEvents : public QObject
{
    Q_OBJECT

public:
    explicit TDesignEvents(TDesignRoot *root) : QObject(root), m_root(root) {}

public slots:
    void DCLPanelBasicCaptionChange(QObject *, const QString &caption)
    {
        emit m_root->dialogCaptionChanged(caption);
    }

private:
    TDesignRoot *m_root;
};

} // namespace

TDesignRoot::TDesignRoot(QObject *parent) : QObject(parent), m_events(new TDesignEvents(this))
{
    registerTileClasses();
}

TDesignRoot::~TDesignRoot()
{
    clear();
}

TControl *TDesignRoot::container() const
{
    return m_container;
}

TDCLPanel *TDesignRoot::dialogTile() const
{
    return m_dialog;
}

QList<TControl *> TDesignRoot::topLevelTiles() const
{
    QList<TControl *> result;
    if (m_container) {
        for (TControl *control : m_container->childControls())
            if (control->owner() == this)
                result.append(control);
    } else {
        for (TControl *control : components())
            if (!control->parentControl() && !control->parentWidget())
                result.append(control);
    }
    return result;
}

void TDesignRoot::setContainer(TControl *container)
{
    const QList<TControl *> tiles = topLevelTiles();
    m_container = container;
    for (TControl *tile : tiles) {
        if (container)
            tile->setParentControl(container);
        else
            // Out of a window the tiles are kept, never shown on their own.
            tile->QWidget::setParent(nullptr);
    }
}

void TDesignRoot::clear()
{
    const QList<TControl *> tiles = topLevelTiles();
    for (qsizetype i = tiles.size() - 1; i >= 0; --i)
        delete tiles[i];
    m_dialog = nullptr;
}

void TDesignRoot::findDialogTile()
{
    m_dialog = qobject_cast<TDCLPanel *>(findComponent(QStringLiteral("DCLPanelBasic")));
    for (TControl *control : topLevelTiles())
        if (!m_dialog)
            m_dialog = qobject_cast<TDCLPanel *>(control);
}

void TDesignRoot::load(const std::vector<ComponentRecord> &records)
{
    clear();
    readComponents(records, this, m_container, readHooks());
    findDialogTile();
}

std::vector<ComponentRecord> TDesignRoot::save() const
{
    std::vector<ComponentRecord> records;
    for (TControl *control : topLevelTiles())
        records.push_back(writeComponent(control, this));
    return records;
}

std::vector<ComponentRecord> TDesignRoot::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()),
                     TErrorKind::File);
    const QByteArray bytes = file.readAll();
    file.close();
    const auto hasDialog = [](const std::vector<ComponentRecord> &records) {
        return std::any_of(records.begin(), records.end(), [](const ComponentRecord &record) {
            return record.className == QLatin1String("TDCLPanel");
        });
    };
    if (isTextForm(bytes)) {
        std::vector<ComponentRecord> records = readTextForm(bytes);
        if (!hasDialog(records))
            throw TError(QStringLiteral("The design holds no dialog tile."), TErrorKind::Format);
        return records;
    }
    // Whatever fails inside a project file, the file as a whole is corrupt.
    std::vector<ComponentRecord> records;
    try {
        records = LoadProjectFile(path);
    } catch (const TError &error) {
        if (error.kind() == TErrorKind::File)
            throw;
        throw TError(QString::fromLatin1(kFileCorrupt), TErrorKind::Format);
    }
    if (!hasDialog(records))
        throw TError(QString::fromLatin1(kFileCorrupt), TErrorKind::Format);
    return records;
}

void TDesignRoot::saveFile(const QString &path) const
{
    SaveProjectFile(path, save());
}

} // namespace tw

#include "DesignRoot.moc"
