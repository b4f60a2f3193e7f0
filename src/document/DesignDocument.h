#pragma once

#include "designer/DesignEdits.h"
#include "format/ComponentRecord.h"
#include "tiles/DesignRoot.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QUndoStack>
#include <QVariant>
#include <vector>

class QWidget;

namespace tw
{

class TControl;
class TDesignCommand;
class TfrmDialogDesign;

// One open design: the dialog tile and every tile placed in it (their owner,
// which names and frees them), the project file it is kept in with the
// AutoLISP and DCL file names derived from it, and the stack of every change
// made to it since it was loaded. The design window is its view: it shows
// the tiles on its stage and turns what the user does into edits.
//
// Every change the designer makes (creating, deleting, cutting, pasting,
// moving, resizing, setting properties, editing code and list items) arrives
// as an edit and becomes one command on the stack, together with what the
// design's rules did because of it (a replaced duplicate key, unchecked radio
// siblings, docked neighbours that moved). Undoing a command restores the
// design exactly, deleted tiles with their name, properties, code, children
// and place among their siblings. The design is modified exactly when the
// stack is not at the state of the last save or load, or when a tile came or
// went by a way that is not a command.
class TDesignDocument : public TDesignRoot, public TDesignEdits
{
    Q_OBJECT

public:
    // A new design: an empty dialog tile.
    explicit TDesignDocument(QObject *parent = nullptr);
    ~TDesignDocument() override;

    // The names of the design window's own parts are taken too, so a tile
    // read from a project never shares a name with one of them.
    bool isNameUsed(const QString &name) const override;

    // The design window showing the document attaches itself when made and
    // detaches when it goes; a document going first takes its window with it.
    void attachView(TfrmDialogDesign *view);
    void detachView(TfrmDialogDesign *view);

    QUndoStack *undoStack() { return &m_stack; }

    QString ProjectFile;
    QString DCLFile;
    QString LispFile;

    bool isModified() const { return m_outsideChange || !m_stack.isClean(); }
    // False makes the present state the saved one; true marks the design
    // modified whatever the stack says.
    void setModified(bool modified);
    // A tile came or went other than through an edit.
    void noteOutsideChange();
    // Whether a change now under way is being recorded or replayed.
    bool isRecording() const { return m_depth > 0 || m_replaying; }
    bool isReplaying() const { return m_replaying; }

    // The design's top-level records: the dialog tile (and anything beside it).
    std::vector<ComponentRecord> records() const { return TDesignRoot::save(); }
    // The design in text form, as `--to-text` prints a project.
    QByteArray textForm() const;

    // Writes the design to a project file (atomically). False for a blank
    // name; storage errors are thrown. A written design is unmodified.
    bool save(const QString &fileName);
    // Replaces the design by a design file's (a project file or a design in
    // text form). False for a blank name; errors are thrown and leave the
    // design untouched. The stack starts empty and the design unmodified.
    bool load(const QString &fileName);
    // The dialog tile's size as the last loaded project file stores it; the
    // window then decides the tile's live size.
    QSize loadedDialogSize() const { return m_loadedDialogSize; }

    // A window listing the commands; choosing one undoes or redoes to it.
    QWidget *historyWindow();

    void beginEdit(const TEditScope &scope) override;
    void endEdit(const QString &text, int mergeKey = 0) override;

signals:
    void modifiedChanged(bool modified);

protected:
    // Tiles read into a design on a stage are made ready for it.
    ReadHooks readHooks() const override;

private:
    friend class TDesignCommand;

    // Where a tile sits: its parent's name (empty for the stage), its place
    // among the parent's tiles and its bounds.
    struct Place {
        TControl *tile;
        QString name;
        QString parent;
        int index;
        QRect bounds;
    };
    struct Value {
        QPointer<QObject> object;
        QString tile;
        QByteArray property;
        QVariant before;
    };

    QList<Place> places() const;
    void collect(TControl *parent, const QString &parentName, QList<Place> &out) const;
    void captureScope(const TEditScope &scope);
    void captureValue(QObject *object, const QString &tile, const QByteArray &name);
    QStringList selectedNames() const;
    QStringList shared(const QStringList &names);
    void record(const QString &text, int mergeKey);
    void discard();
    void emitModified();
    // Carries a command out (forward) or takes it back.
    void replay(const TDesignCommand &command, bool forward);
    void select(const QStringList &names);
    void clearSelection();

    void createDialogTile();

    QPointer<TfrmDialogDesign> m_view;
    QUndoStack m_stack;
    QPointer<QWidget> m_history;
    bool m_outsideChange = false;
    bool m_lastModified = false;
    bool m_replaying = false;
    int m_depth = 0;
    // The state when the outermost edit began.
    QList<Place> m_before;
    QStringList m_selectedBefore;
    QHash<QString, ComponentRecord> m_removable;
    QList<Value> m_values;
    QHash<QPair<const QObject *, QByteArray>, int> m_valueIndex;
    QSet<QByteArray> m_propertyNames;
    // The lists of tile names last recorded, shared with the steps to come.
    QList<QStringList> m_recentLists;
    bool m_creates = false;
    QSize m_loadedDialogSize;
};

} // namespace tw
