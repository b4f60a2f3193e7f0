#pragma once

#include "document/DesignHost.h"

#include <QHash>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;

namespace tw
{

class TDesignDocument;
class TDsn8Register;
class TDsnInspector;
class TDsnSelect;
class TDsnStage;
class TfrmEditdata;
class TfrmEditList;

// The window in which one dialog is drawn: the view of a design document.
// It shows the document's tiles on its stage, turns what the user does there
// into the document's edits and keeps the designer's rules: the dialog tile
// is never deleted, tile keys stay unique, radio tiles report clicks to the
// main window, and pastes land inside the dialog tile (never beside it on the
// stage). It is shown by whoever places it (TDesignHost::AdoptProjectWindow),
// so it never flashes up alone. When it goes, the document keeps the design.
class TfrmDialogDesign : public QWidget
{
    Q_OBJECT

public:
    TfrmDialogDesign(TDesignDocument &document, TDesignHost &host, QWidget *parent = nullptr);
    ~TfrmDialogDesign() override;

    TDesignDocument *document() const { return &m_document; }

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

    TfrmEditList *CodeEditor() const { return m_editList; }
    TfrmEditdata *ItemEditor() const { return m_editData; }

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
    void DsnInspector1BtnClick(TDsnInspector *sender, const QList<QObject *> &Targets,
                               QString &Value, const QString &PropName);

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
    void CreateDesignMenu();
    void TileListChanged();
    void Watch(QWidget *widget);
    void EditCode(QObject *target, QString &Value);
    void EditItems(const QList<QObject *> &Targets);
    void PickFile(const QList<QObject *> &Targets, QString &Value, const QString &PropName,
                  const QString &filter, const QString &defaultExt);

    TDesignDocument &m_document;
    TDesignHost &m_host;
    QObject *m_events = nullptr;
    QObject *m_radioRelay = nullptr;
    TfrmEditList *m_editList = nullptr;
    TfrmEditdata *m_editData = nullptr;
    // Controls of the design being watched for list changes: whether each is
    // a dialog tile, remembered because removal may come during destruction.
    QHash<const QObject *, bool> m_watched;
    QMenu *m_designMenu = nullptr;
    bool m_closing = false;
};

} // namespace tw
