#pragma once

#include "component/Owner.h"
#include "document/DesignHost.h"
#include "format/ComponentRecord.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace tw
{

class TDCLPanel;
class TDesignDocument;
class TDsn8Register;
class TDsnInspector;
class TDsnSelect;
class TDsnStage;
class TfrmEditdata;
class TfrmEditList;

// The window in which one dialog is drawn. It owns the stage, the dialog tile
// "DCLPanelBasic" on it and every tile placed in the design, and keeps the
// designer's rules: the dialog tile is never deleted, tile keys stay unique,
// radio tiles report clicks to the main window, pastes land inside the dialog
// tile (never beside it on the stage), and a project file that cannot be read
// or holds no dialog tile leaves the design as it was. It is shown by whoever
// places it (TDesignHost::AdoptProjectWindow), so it never flashes up alone.
// Its design document records every change made in it for undo and redo and
// reads and writes the project file.
class TfrmDialogDesign : public QWidget, public TOwner
{
    Q_OBJECT

public:
    explicit TfrmDialogDesign(TDesignHost &host, QWidget *parent = nullptr);
    ~TfrmDialogDesign() override;

    // Only the window's event handlers can be bound by name from a stream.
    QObject *methodReceiver() override;
    // The names of the window's own parts are taken too, so a tile read from
    // a project never shares a name with one of them.
    bool isNameUsed(const QString &name) const override;

    TDsnStage *DsnStage1 = nullptr;
    TDsn8Register *Dsn8Register1 = nullptr;
    TDsnInspector *DsnInspector1 = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *N2 = nullptr;
    QAction *MenuItem12 = nullptr;
    QAction *MenuItem13 = nullptr;
    QAction *N3 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *Edit1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Paste1 = nullptr;
    TDsnSelect *DsnSelect1 = nullptr;
    // The dialog tile; a loaded project replaces it.
    QPointer<TDCLPanel> DCLPanelBasic;

    TfrmEditList *CodeEditor() const { return m_editList; }
    TfrmEditdata *ItemEditor() const { return m_editData; }

    TDesignDocument *Document() const { return m_document; }
    bool Modified() const;
    void SetModified(bool value);
    QString DCLFileName() const;
    void SetDCLFileName(const QString &value);
    QString LispFileName() const;
    void SetLispFileName(const QString &value);
    bool DesignMode() const;

    // The window's outer size: that of its sub-window when it has one.
    QSize OuterSize() const;
    void SetOuterSize(int width, int height);
    // Sizes the window so that the dialog tile, which fills it, gets `size`.
    void FitDialogTile(const QSize &size);

    bool FormCloseQuery() const { return true; }
    void FormActivate();
    void FormDeactivate();
    void TogleDesignState(bool Designing);
    void SwitchMode1Click();
    bool KeyExist(const QString &PropName, const QString &Value) const;
    void CMControlListChange(TControl *control, bool inserting);
    void DsnStage1ControlCreate(TDsnStage *sender, TControl *component);
    void DsnStage1Resize();
    void DCLPanelBasicCaptionChange(QObject *sender, const QString &aCaption);
    void DsnInspector1BtnClick(TDsnInspector *sender, const QList<QObject *> &Targets,
                               QString &Value, const QString &PropName);

    // The document's save and load (TDesignDocument::save and load).
    bool SaveProject(const QString &FileName);
    bool LoadProject(const QString &FileName);
    // Replaces the tiles on the stage by those of `records`, which hold a
    // dialog tile.
    void ReplaceDesign(const std::vector<ComponentRecord> &records);

protected:
    // Closing only minimises, as for every child window of the main window:
    // the project controller owns the window and frees it.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void CreateMenu();
    void ConfigureInspector();
    void CreateDialogTile();
    void CreateDesignMenu();
    void TileListChanged();
    void Watch(QWidget *widget);
    void EditCode(QObject *target, QString &Value);
    void EditItems(const QList<QObject *> &Targets);
    void PickFile(const QList<QObject *> &Targets, QString &Value, const QString &PropName,
                  const QString &filter, const QString &defaultExt);

    TDesignHost &m_host;
    QObject *m_events = nullptr;
    QObject *m_radioRelay = nullptr;
    TfrmEditList *m_editList = nullptr;
    TfrmEditdata *m_editData = nullptr;
    // Controls of the design being watched for list changes: whether each is
    // a dialog tile, remembered because removal may come during destruction.
    QHash<const QObject *, bool> m_watched;
    TDesignDocument *m_document = nullptr;
    QMenu *m_designMenu = nullptr;
    bool m_closing = false;
};

} // namespace tw
