#pragma once

#include "component/ComponentStreaming.h"
#include "component/Owner.h"
#include "format/ComponentRecord.h"

#include <QObject>
#include <QPointer>

namespace tw
{

class TDCLPanel;

// A design: it names and frees the dialog tile and every tile on it, and
// offers the design window's caption handler so that a design read here and
// written again keeps its event binding. Its top-level tiles sit in a
// container (the design window's stage), or in none for a design held
// without a window. Reading and writing a design, from records or from a
// file, happens here and nowhere else.
class TDesignRoot : public QObject, public TOwner
{
    Q_OBJECT

public:
    explicit TDesignRoot(QObject *parent = nullptr);
    ~TDesignRoot() override;

    // Only the caption handler can be bound by name from a stream (a stored
    // name such as "deleteLater" must not reach the design itself).
    QObject *methodReceiver() override { return m_events; }

    // Moves the top-level tiles into `container` (null: into none).
    void setContainer(TControl *container);
    TControl *container() const;
    // The tiles of the design at the top, in the order they are written.
    QList<TControl *> topLevelTiles() const;

    // Replaces the design by the components of `records`; the dialog tile is
    // the one named "DCLPanelBasic", else the first dialog tile read.
    void load(const std::vector<ComponentRecord> &records);
    std::vector<ComponentRecord> save() const;
    TDCLPanel *dialogTile() const;

    // Reads a design file: the text form when its first word is "object",
    // otherwise a project file. Everything is read and checked first; a file
    // that cannot be read or holds no dialog tile throws TError with the
    // program's message and leaves the design as it was.
    static std::vector<ComponentRecord> readFile(const QString &path);
    void loadFile(const QString &path) { load(readFile(path)); }
    // Writes the design as a project file, atomically. Throws TError.
    void saveFile(const QString &path) const;

signals:
    void dialogCaptionChanged(const QString &caption);

protected:
    // What reading tiles into the design also does (none here).
    virtual ReadHooks readHooks() const { return {}; }
    // Finds the dialog tile again after tiles came and went.
    void findDialogTile();

private:
    void clear();

    QObject *m_events;
    QPointer<TControl> m_container;
    QPointer<TDCLPanel> m_dialog;
};

} // namespace tw
