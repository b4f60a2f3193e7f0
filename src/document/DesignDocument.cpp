#include "document/DesignDocument.h"

#include "component/ComponentStreaming.h"
#include "component/Control.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelect.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Inspector.h"
#include "document/DialogDesign.h"
#include "format/Error.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"

#include <QMetaProperty>
#include <QUndoView>
#include <algorithm>
#include <functional>

namespace tw
{

// Values of one kind on a list of tiles, kept small: the distinct values
// only, and a one-byte index per tile only when they are not all the same.
// Past 256 distinct values every tile keeps its own.
template <typename T> class TCompactValues
{
public:
    void assign(const QList<T> &all)
    {
        m_values.clear();
        m_index.clear();
        for (const T &value : all) {
            qsizetype at = m_values.indexOf(value);
            if (at < 0) {
                if (m_values.size() == 256) {
                    m_values = all;
                    m_index.clear();
                    return;
                }
                at = m_values.size();
                m_values.append(value);
            }
            m_index.append(char(quint8(at)));
        }
        if (m_values.size() == 1)
            m_index.clear();
        m_values.squeeze();
        m_index.squeeze();
    }
    const T &at(qsizetype i) const
    {
        if (m_values.size() == 1)
            return m_values.first();
        return m_index.isEmpty() ? m_values[i] : m_values[quint8(m_index[i])];
    }
    QList<T> all(qsizetype count) const
    {
        QList<T> result;
        result.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            result.append(at(i));
        return result;
    }

private:
    QList<T> m_values;
    QByteArray m_index;
};

// How a tile's bounds changed: by so much on each side of the rectangle.
struct TBoundsShift {
    int dx = 0;
    int dy = 0;
    int dw = 0;
    int dh = 0;

    static TBoundsShift between(const QRect &from, const QRect &to)
    {
        return {to.x() - from.x(), to.y() - from.y(), to.width() - from.width(),
                to.height() - from.height()};
    }
    QRect apply(const QRect &rect, bool forward) const
    {
        const int sign = forward ? 1 : -1;
        return {rect.x() + sign * dx, rect.y() + sign * dy, rect.width() + sign * dw,
                rect.height() + sign * dh};
    }
    TBoundsShift operator+(const TBoundsShift &o) const
    {
        return {dx + o.dx, dy + o.dy, dw + o.dw, dh + o.dh};
    }
    bool isNull() const { return dx == 0 && dy == 0 && dw == 0 && dh == 0; }
    bool operator==(const TBoundsShift &) const = default;
};

// One step on the stack: the tiles it removed and added (with their records),
// the property values it changed and the bounds that changed with it, and the
// selection before and after it.
//
// A step over 500 tiles that all had and got one value costs little more
// than a step over one: the list of tile names is shared with the steps
// before it that name the same tiles, values are kept compactly, and bounds
// are kept as shifts (a step is only ever replayed on the design it left, so
// the bounds before and after follow from the present ones).
class TDesignCommand : public QUndoCommand
{
public:
    struct Tile {
        QString parent;
        int index;
        ComponentRecord record;
    };
    // One property's values on the tiles it changed on.
    struct Property {
        QByteArray property;
        QStringList tiles;
        TCompactValues<QVariant> before;
        TCompactValues<QVariant> after;
        const QVariant &value(bool afterward, qsizetype i) const
        {
            return afterward ? after.at(i) : before.at(i);
        }
    };
    // The tiles whose bounds changed, and by how much.
    struct Bounds {
        QStringList tiles;
        TCompactValues<TBoundsShift> shifts;
    };

    TDesignCommand(TDesignDocument &document, const QString &text, int mergeKey)
        : QUndoCommand(text), m_document(document), m_mergeKey(mergeKey)
    {
    }

    int id() const override { return m_mergeKey > 0 ? m_mergeKey : -1; }

    // Consecutive keyboard moves of the same tiles become one step.
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const TDesignCommand *>(other);
        if (!removed.isEmpty() || !added.isEmpty() || !properties.isEmpty() ||
            !next->removed.isEmpty() || !next->added.isEmpty() || !next->properties.isEmpty() ||
            next->selectedBefore != selectedAfter)
            return false;
        QStringList tiles = bounds.tiles;
        QList<TBoundsShift> shifts = bounds.shifts.all(tiles.size());
        QHash<QString, qsizetype> indexOf;
        for (qsizetype i = 0; i < tiles.size(); ++i)
            indexOf.insert(tiles[i], i);
        for (qsizetype i = 0; i < next->bounds.tiles.size(); ++i) {
            const TBoundsShift shift = next->bounds.shifts.at(i);
            const qsizetype at = indexOf.value(next->bounds.tiles[i], -1);
            if (at < 0) {
                tiles.append(next->bounds.tiles[i]);
                shifts.append(shift);
            } else {
                shifts[at] = shifts[at] + shift;
            }
        }
        bounds.tiles = m_document.shared(tiles);
        bounds.shifts.assign(shifts);
        selectedAfter = next->selectedAfter;
        setObsolete(std::all_of(shifts.begin(), shifts.end(),
                                [](const TBoundsShift &shift) { return shift.isNull(); }));
        return true;
    }

    void undo() override { m_document.replay(*this, false); }
    void redo() override
    {
        // Pushed after the change was made; only later redos replay it.
        if (std::exchange(m_done, false))
            return;
        m_document.replay(*this, true);
    }

    bool isEmpty() const
    {
        return removed.isEmpty() && added.isEmpty() && properties.isEmpty() &&
               bounds.tiles.isEmpty();
    }

    QList<Tile> removed;
    QList<Tile> added;
    QList<Property> properties;
    Bounds bounds;
    // Tiles that come and go move their docked neighbours and are laid out
    // again when read: such a step keeps the bounds of every tile on each side.
    QList<QPair<QString, QRect>> layoutBefore;
    QList<QPair<QString, QRect>> layoutAfter;
    QStringList selectedBefore;
    QStringList selectedAfter;

private:
    TDesignDocument &m_document;
    int m_mergeKey;
    bool m_done = true;
};

namespace
{

// The property of `object` named `name`, matched as the inspector does,
// without regard to case.
QMetaProperty findProperty(const QObject *object, const QByteArray &name)
{
    const QMetaObject *meta = object->metaObject();
    const int exact = meta->indexOfProperty(name.constData());
    if (exact >= 0)
        return meta->property(exact);
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (qstricmp(meta->property(i).name(), name.constData()) == 0)
            return meta->property(i);
    return {};
}

// The stored Width and Height of the dialog tile among `records` (the one the
// design root takes: named DCLPanelBasic, else the first); empty when missing.
QSize storedDialogSize(const std::vector<ComponentRecord> &records)
{
    const ComponentRecord *dialog = nullptr;
    for (const ComponentRecord &record : records) {
        if (record.className != QLatin1String("TDCLPanel"))
            continue;
        if (record.name == QLatin1String("DCLPanelBasic")) {
            dialog = &record;
            break;
        }
        if (!dialog)
            dialog = &record;
    }
    const StreamValue *width = dialog ? dialog->find(QStringLiteral("Width")) : nullptr;
    const StreamValue *height = dialog ? dialog->find(QStringLiteral("Height")) : nullptr;
    if (!width || !height || !width->isInteger() || !height->isInteger())
        return {};
    // Sizes no screen can show are not a window size to fit.
    constexpr qint64 largest = 32767;
    if (width->integer <= 0 || height->integer <= 0 || width->integer > largest ||
        height->integer > largest)
        return {};
    return QSize(int(width->integer), int(height->integer));
}

// The design window's parts that are not tiles and so not in the name table.
const char *const kPartNames[] = {
    "Dsn8Register1", "DsnInspector1", "MainMenu1", "File1", "Open1", "Save1", "SaveAs1", "N2",
    "MenuItem12",    "MenuItem13",    "N3",        "Exit1", "Edit1", "Copy1", "Cut1",    "Paste1",
    "DsnSelect1",
};

} // namespace

TDesignDocument::TDesignDocument(QObject *parent) : TDesignRoot(parent)
{
    connect(&m_stack, &QUndoStack::cleanChanged, this, &TDesignDocument::emitModified);
    createDialogTile();
}

TDesignDocument::~TDesignDocument()
{
    delete m_view.data();
    delete m_history.data();
    // Whoever listens may be going too; the stack leaves quietly.
    m_stack.blockSignals(true);
}

void TDesignDocument::createDialogTile()
{
    auto *tile = new TDCLPanel(this);
    tile->setName(QStringLiteral("DCLPanelBasic"));
    tile->setBounds(0, 0, 377, 247);
    tile->setCandelete(false);
    tile->setDialogHeight(0);
    tile->setDialogWidth(0);
    tile->setOnCaptionChange(
        TMethod{methodReceiver(), QByteArrayLiteral("DCLPanelBasicCaptionChange")});
    findDialogTile();
}

bool TDesignDocument::isNameUsed(const QString &name) const
{
    for (const char *part : kPartNames)
        if (name.compare(QLatin1String(part), Qt::CaseInsensitive) == 0)
            return true;
    return TDesignRoot::isNameUsed(name);
}

void TDesignDocument::attachView(TfrmDialogDesign *view)
{
    m_view = view;
    setContainer(view->DsnStage1);
}

void TDesignDocument::detachView(TfrmDialogDesign *view)
{
    if (m_view != view)
        return;
    setContainer(nullptr);
    m_view = nullptr;
}

ReadHooks TDesignDocument::readHooks() const
{
    return m_view ? m_view->DsnStage1->readHooks(false) : ReadHooks{};
}

void TDesignDocument::emitModified()
{
    const bool modified = isModified();
    if (modified == m_lastModified)
        return;
    m_lastModified = modified;
    emit modifiedChanged(modified);
}

void TDesignDocument::setModified(bool modified)
{
    if (modified) {
        m_outsideChange = true;
    } else {
        m_outsideChange = false;
        m_stack.setClean();
    }
    emitModified();
}

void TDesignDocument::noteOutsideChange()
{
    m_outsideChange = true;
    emitModified();
}

// ---- the design's records ------------------------------------------------------------

QByteArray TDesignDocument::textForm() const
{
    return writeTextForm(records());
}

bool TDesignDocument::save(const QString &fileName)
{
    m_outsideChange = true;
    emitModified();
    if (fileName.trimmed().isEmpty())
        return false;
    clearSelection();
    saveFile(fileName);
    setModified(false);
    return true;
}

bool TDesignDocument::load(const QString &fileName)
{
    m_outsideChange = true;
    emitModified();
    if (fileName.trimmed().isEmpty())
        return false;
    // Everything is read and checked before the design is touched.
    const std::vector<ComponentRecord> read = readFile(fileName);
    m_loadedDialogSize = storedDialogSize(read);
    m_stack.clear();
    // The designer lets go of the old tiles and takes hold of the new.
    const bool designing = m_view && m_view->DesignMode();
    if (m_view)
        m_view->Dsn8Register1->SetDesignMode(false);
    TDesignRoot::load(read);
    if (dialogTile() && !dialogTile()->onCaptionChange().isBound())
        dialogTile()->setOnCaptionChange(
            TMethod{methodReceiver(), QByteArrayLiteral("DCLPanelBasicCaptionChange")});
    // The caption was read before its handler, so the window is told now.
    if (dialogTile() && !dialogTile()->dialogCaption().isEmpty())
        emit dialogCaptionChanged(dialogTile()->dialogCaption());
    if (designing)
        m_view->Dsn8Register1->SetDesignMode(true);
    setModified(false);
    return true;
}

QWidget *TDesignDocument::historyWindow()
{
    if (!m_history) {
        auto *view = new QUndoView(&m_stack);
        view->setWindowTitle(QStringLiteral("Undo History"));
        view->setAccessibleName(QStringLiteral("Undo history"));
        view->setEmptyLabel(QStringLiteral("<design as loaded>"));
        view->setWindowFlags(Qt::Tool);
        view->resize(260, 320);
        m_history = view;
    }
    return m_history;
}

// ---- recording -------------------------------------------------------------------------

void TDesignDocument::collect(TControl *parent, const QString &parentName, QList<Place> &out) const
{
    int index = 0;
    for (TControl *child : parent->childControls()) {
        if (child->owner() != this)
            continue;
        out.append({child, child->name(), parentName, index++, child->geometry()});
        collect(child, child->name(), out);
    }
}

QList<TDesignDocument::Place> TDesignDocument::places() const
{
    QList<Place> result;
    int index = 0;
    for (TControl *tile : topLevelTiles()) {
        result.append({tile, tile->name(), QString(), index++, tile->geometry()});
        collect(tile, tile->name(), result);
    }
    return result;
}

QStringList TDesignDocument::selectedNames() const
{
    QStringList names;
    if (TDsnSelection *selection = m_view ? m_view->Dsn8Register1->selection() : nullptr)
        for (TControl *control : selection->items())
            names.append(control->name());
    return names;
}

void TDesignDocument::captureValue(QObject *object, const QString &tile, const QByteArray &name)
{
    const QMetaProperty property = findProperty(object, name);
    if (!property.isValid() || !property.isWritable())
        return;
    // One copy of each property name, shared by every recorded value.
    const QByteArray key = *m_propertyNames.insert(QByteArray(property.name()));
    const auto id = qMakePair(static_cast<const QObject *>(object), key);
    if (m_valueIndex.contains(id))
        return;
    m_valueIndex.insert(id, int(m_values.size()));
    m_values.append({object, tile, key, property.read(object)});
}

void TDesignDocument::captureScope(const TEditScope &scope)
{
    m_creates = m_creates || scope.creates;
    for (TControl *tile : scope.removable)
        if (tile && tile->owner() == this && !m_removable.contains(tile->name()))
            m_removable.insert(tile->name(), writeComponent(tile, this));
    if (scope.properties.isEmpty())
        return;
    // A property may change the tiles beside the target too (a checked radio
    // unchecks its siblings), so their values are kept as well.
    QList<QObject *> objects;
    QSet<QObject *> seen;
    QSet<TControl *> parents;
    for (QObject *target : scope.targets) {
        if (!target || seen.contains(target))
            continue;
        seen.insert(target);
        objects.append(target);
        if (auto *tile = qobject_cast<TControl *>(target))
            if (TControl *parent = tile->parentControl())
                parents.insert(parent);
    }
    for (TControl *parent : std::as_const(parents))
        for (TControl *sibling : parent->childControls())
            if (sibling->owner() == this && !seen.contains(sibling)) {
                seen.insert(sibling);
                objects.append(sibling);
            }
    for (QObject *object : std::as_const(objects)) {
        auto *tile = qobject_cast<TControl *>(object);
        if (!tile || tile->owner() != this)
            continue;
        for (const QString &name : scope.properties)
            captureValue(object, tile->name(), name.toLatin1());
    }
}

// Steps over the same tiles share one list of their names; a step names its
// tiles a few times (changed values, changed bounds, the selection), so the
// last few lists are kept at hand.
QStringList TDesignDocument::shared(const QStringList &names)
{
    if (names.isEmpty())
        return {};
    const auto it = std::find(m_recentLists.begin(), m_recentLists.end(), names);
    if (it != m_recentLists.end())
        return *it;
    if (m_recentLists.size() == 4)
        m_recentLists.removeFirst();
    m_recentLists.append(names);
    return names;
}

void TDesignDocument::beginEdit(const TEditScope &scope)
{
    if (m_replaying)
        return;
    const bool outermost = m_depth++ == 0;
    if (outermost) {
        m_before = places();
        m_selectedBefore = selectedNames();
    }
    captureScope(scope);
    // A tile given new bounds fills an empty key with its name.
    if (outermost)
        for (const Place &place : std::as_const(m_before))
            captureValue(place.tile, place.name, QByteArrayLiteral("Key"));
}

void TDesignDocument::discard()
{
    m_before.clear();
    m_selectedBefore.clear();
    m_removable.clear();
    m_values.clear();
    m_valueIndex.clear();
    m_creates = false;
}

void TDesignDocument::endEdit(const QString &text, int mergeKey)
{
    if (m_replaying || m_depth == 0)
        return;
    if (--m_depth > 0)
        return;
    try {
        record(text, mergeKey);
    } catch (const TError &) {
        // A step that cannot be kept must not leave an undo that would do harm; the change
        // itself stays and the design counts as modified.
        m_stack.clear();
        noteOutsideChange();
    }
    discard();
}

void TDesignDocument::record(const QString &text, int mergeKey)
{
    QList<Place> after = places();
    QHash<QString, const Place *> beforeByName;
    for (const Place &place : std::as_const(m_before))
        beforeByName.insert(place.name, &place);
    QSet<QString> afterNames;
    for (const Place &place : std::as_const(after))
        afterNames.insert(place.name);

    // New tiles follow the design's rules (a duplicate key is replaced) within
    // the step that brought them.
    if (m_creates && m_view)
        for (const Place &place : std::as_const(after))
            if (!beforeByName.contains(place.name))
                m_view->DsnStage1ControlCreate(m_view->DsnStage1, place.tile);

    auto command = std::make_unique<TDesignCommand>(
        *this, text.isEmpty() ? QStringLiteral("Change Design") : text, mergeKey);
    bool lost = false;
    for (const Place &place : std::as_const(m_before)) {
        if (afterNames.contains(place.name))
            continue;
        if (!place.parent.isEmpty() && !afterNames.contains(place.parent))
            continue;
        const auto it = m_removable.constFind(place.name);
        if (it == m_removable.cend()) {
            lost = true;
            continue;
        }
        command->removed.append({place.parent, place.index, it.value()});
    }
    for (const Place &place : std::as_const(after)) {
        if (beforeByName.contains(place.name))
            continue;
        if (!place.parent.isEmpty() && !beforeByName.contains(place.parent))
            continue;
        command->added.append({place.parent, place.index, writeComponent(place.tile, this)});
    }
    // Each property's tiles with their values before and after, in the order captured.
    struct Changes {
        QStringList tiles;
        QVariantList before;
        QVariantList after;
    };
    QList<QPair<QByteArray, Changes>> changes;
    for (const Value &value : std::as_const(m_values)) {
        if (!value.object)
            continue;
        const QVariant now = findProperty(value.object, value.property).read(value.object);
        if (now == value.before)
            continue;
        auto group = std::find_if(changes.begin(), changes.end(),
                                  [&](const auto &c) { return c.first == value.property; });
        if (group == changes.end()) {
            changes.append({value.property, {}});
            group = changes.end() - 1;
        }
        group->second.tiles.append(value.tile);
        group->second.before.append(value.before);
        group->second.after.append(now);
    }
    for (const auto &[property, change] : std::as_const(changes)) {
        TDesignCommand::Property group;
        group.property = property;
        group.tiles = shared(change.tiles);
        group.before.assign(change.before);
        group.after.assign(change.after);
        command->properties.append(group);
    }
    QStringList moved;
    QList<TBoundsShift> shifts;
    for (const Place &place : std::as_const(after)) {
        const auto it = beforeByName.constFind(place.name);
        if (it != beforeByName.cend() && it.value()->bounds != place.bounds) {
            moved.append(place.name);
            shifts.append(TBoundsShift::between(it.value()->bounds, place.bounds));
        }
    }
    if (!moved.isEmpty()) {
        command->bounds.tiles = shared(moved);
        command->bounds.shifts.assign(shifts);
    }
    if (lost) {
        // A tile went without its record being kept: the step cannot be undone.
        m_stack.clear();
        noteOutsideChange();
        return;
    }
    if (command->isEmpty())
        return;
    if (!command->removed.isEmpty() || !command->added.isEmpty()) {
        for (const Place &place : std::as_const(m_before))
            command->layoutBefore.append({place.name, place.bounds});
        for (const Place &place : std::as_const(after))
            command->layoutAfter.append({place.name, place.bounds});
    }
    command->selectedBefore = shared(m_selectedBefore);
    command->selectedAfter = shared(selectedNames());
    m_stack.push(command.release());
    emitModified();
}

// ---- replaying -----------------------------------------------------------------------------

void TDesignDocument::replay(const TDesignCommand &command, bool forward)
{
    m_replaying = true;
    TControl *stage = container();
    clearSelection();
    QHash<QString, TControl *> tiles;
    const auto refresh = [&] {
        tiles.clear();
        for (TControl *component : components())
            tiles.insert(component->name(), component);
    };
    const auto tileNamed = [&](const QString &name) -> TControl * {
        return name.isEmpty() ? stage : tiles.value(name);
    };
    const auto writeValues = [&](bool after) {
        const qsizetype groups = command.properties.size();
        for (qsizetype g = 0; g < groups; ++g) {
            const auto &group = command.properties[after ? g : groups - 1 - g];
            const qsizetype count = group.tiles.size();
            for (qsizetype i = 0; i < count; ++i) {
                const qsizetype at = after ? i : count - 1 - i;
                if (TControl *tile = tileNamed(group.tiles[at]))
                    findProperty(tile, group.property).write(tile, group.value(after, at));
            }
        }
    };

    refresh();
    // The bounds the step left (or will leave, for a redo) are the present ones.
    QList<QRect> startBounds;
    startBounds.reserve(command.bounds.tiles.size());
    for (const QString &name : command.bounds.tiles) {
        const TControl *tile = tileNamed(name);
        startBounds.append(tile ? tile->geometry() : QRect());
    }
    const QList<TDesignCommand::Tile> &gone = forward ? command.removed : command.added;
    const QList<TDesignCommand::Tile> &back = forward ? command.added : command.removed;
    for (qsizetype i = gone.size() - 1; i >= 0; --i)
        delete tileNamed(gone[i].record.name);
    for (const TDesignCommand::Tile &tile : back) {
        refresh();
        TControl *parent = tileNamed(tile.parent);
        if (!parent && !tile.parent.isEmpty())
            continue;
        const QList<TControl *> read = readComponents({tile.record}, this, parent, readHooks());
        if (read.isEmpty())
            continue;
        // Back to its place among its siblings, which is its place in the code.
        QList<TControl *> siblings;
        for (TControl *child : parent ? parent->childControls() : topLevelTiles())
            if (child->owner() == this && child != read.first())
                siblings.append(child);
        if (tile.index < siblings.size())
            read.first()->stackUnder(siblings[tile.index]);
    }
    refresh();
    writeValues(forward);

    // Then the bounds, exactly as they were: docking laid them out then.
    QList<TControl *> held;
    if (stage)
        held.append(stage);
    held.append(components());
    for (TControl *control : std::as_const(held))
        control->disableAlign();
    for (qsizetype i = 0; i < command.bounds.tiles.size(); ++i)
        if (TControl *tile = tileNamed(command.bounds.tiles[i]))
            tile->setBounds(command.bounds.shifts.at(i).apply(startBounds[i], forward));
    for (const auto &[name, bounds] : forward ? command.layoutAfter : command.layoutBefore)
        if (TControl *tile = tileNamed(name))
            tile->setBounds(bounds);
    for (TControl *control : std::as_const(held))
        control->resumeAlign();
    // Bounds set again may have filled in keys; the values win.
    writeValues(forward);
    // Tiles read and laid out fill an empty key with their name; they
    // come back with the key they had.
    std::function<void(const ComponentRecord &)> restoreKeys = [&](const ComponentRecord &record) {
        if (TControl *tile = tiles.value(record.name)) {
            const StreamValue *key = record.find(QStringLiteral("Key"));
            const QMetaProperty property = findProperty(tile, QByteArrayLiteral("Key"));
            if (property.isWritable())
                property.write(tile, key ? key->text : QString());
        }
        for (const ComponentRecord &child : record.children)
            restoreKeys(child);
    };
    for (const TDesignCommand::Tile &tile : back)
        restoreKeys(tile.record);

    if (!dialogTile())
        findDialogTile();
    m_replaying = false;
    select(forward ? command.selectedAfter : command.selectedBefore);
    if (m_view)
        m_view->DsnInspector1->refreshValues();
}

void TDesignDocument::clearSelection()
{
    if (TDsnSelection *selection = m_view ? m_view->Dsn8Register1->selection() : nullptr) {
        selection->clear();
        selection->update();
    }
}

void TDesignDocument::select(const QStringList &names)
{
    if (!m_view || !m_view->DesignMode())
        return;
    QList<TControl *> tiles;
    for (const QString &name : names)
        if (TControl *tile = findComponent(name))
            tiles.append(tile);
    if (!tiles.isEmpty())
        m_view->DsnSelect1->select(tiles);
}

} // namespace tw
