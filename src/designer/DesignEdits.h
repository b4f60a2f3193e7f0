#pragma once

#include "component/ComponentStreaming.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <utility>

class QObject;

namespace tw
{

class TControl;
class TOwner;

// What an edit of the design may touch, told before it starts: the tiles it
// may delete and the properties it may set on which objects.
struct TEditScope {
    QList<TControl *> removable;
    QList<QObject *> targets;
    QStringList properties;
    // Tiles the edit reads in from the palette or the clipboard, to which the
    // design's rules for new tiles apply.
    bool creates = false;
};

// Receives every change the designer makes to a design, so the owner of the
// design can record it as one undoable step. Edits nest: only the outermost
// begin/end pair makes a step, and a step that changed nothing is dropped.
// The base records nothing: it stands for a design without an owner.
//
// Moves and resizes arrive as requests: the designer says which tiles go
// where and the receiver applies them as one step.
class TDesignEdits
{
public:
    virtual ~TDesignEdits() = default;

    // The receiver of a designer that was given none: it applies requests
    // directly.
    static TDesignEdits &direct();

    virtual void beginEdit(const TEditScope &scope);
    // `mergeKey` above zero lets consecutive steps with that key over the same
    // tiles become one (keyboard moves).
    virtual void endEdit(const QString &text, int mergeKey = 0);

    // Gives each tile its bounds, in order, between one beginEdit and its
    // endEdit, so a receiver that records edits makes the request one step.
    void placeTiles(const QList<std::pair<TControl *, QRect>> &placements, const QString &text,
                    int mergeKey = 0);
    void moveTiles(const QList<TControl *> &tiles, QPoint offset, int mergeKey = 0);
    void resizeTile(TControl *tile, const QRect &bounds);
    // Reads the tile of `record` into `parent` (owned by `owner`, which names
    // it after its class) with `bounds`, as one step; the new tile, or nullptr
    // when nothing was read.
    // Errors of the reading are thrown as TError, and nothing is created.
    TControl *createTile(const ComponentRecord &record, TOwner *owner, TControl *parent,
                         const QRect &bounds, const ReadHooks &hooks);
};

// Wraps one edit; an edit with no receiver just runs.
class TEditGuard
{
public:
    TEditGuard(TDesignEdits *edits, const TEditScope &scope) : m_edits(edits)
    {
        if (m_edits)
            m_edits->beginEdit(scope);
    }
    ~TEditGuard()
    {
        if (m_edits)
            m_edits->endEdit(m_text, m_mergeKey);
    }
    TEditGuard(const TEditGuard &) = delete;
    TEditGuard &operator=(const TEditGuard &) = delete;

    void setText(const QString &text, int mergeKey = 0)
    {
        m_text = text;
        m_mergeKey = mergeKey;
    }

private:
    TDesignEdits *m_edits;
    QString m_text;
    int m_mergeKey = 0;
};

// "Move Tile" or "Move 3 Tiles".
inline QString tilesText(const QString &verb, int count)
{
    return count == 1 ? verb + QStringLiteral(" Tile")
                      : QStringLiteral("%1 %2 Tiles").arg(verb).arg(count);
}

// "Create DCLButton": the step that made `tile`.
QString createText(const QObject *tile);

// "Set Caption" or "Set Key on 3 tiles".
inline QString setPropertyText(const QString &property, int count)
{
    return count > 1 ? QStringLiteral("Set %1 on %2 tiles").arg(property).arg(count)
                     : QStringLiteral("Set ") + property;
}

} // namespace tw
