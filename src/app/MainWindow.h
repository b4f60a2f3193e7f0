#pragma once

#include "component/Owner.h"
#include "document/DesignHost.h"

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace tw
{

class TArrowButton;
class TDesignStatus;
class TDsnPanel;
class TEditForm;
class TLispGeneratorClass;
class TPanel;
class TProblemsPanel;
class TfrmDialogDesign;

// The application's main window: a multiple-document parent with the menus,
// the Standard and Design tool bars (the latter with the component palette),
// the hidden template tiles the palette copies, and every child window. User
// commands go to the project controller, the active child window or a new
// editor window.
class TfrmTilewrightMain : public QMainWindow, public TOwner, public TDesignHost
{
    Q_OBJECT

public:
    explicit TfrmTilewrightMain(QWidget *parent = nullptr);
    ~TfrmTilewrightMain() override;

    QObject *methodReceiver() override { return this; }

    QMdiArea *mdiArea() const { return m_mdiArea; }
    TArrowButton *btArrow() const;
    // The hidden panel of template tiles, filled on first use.
    TPanel *DsnDpstPanel();
    QToolButton *btDesign() const { return m_btDesign; }
    TLispGeneratorClass *CurrentController() const;
    TProblemsPanel *ProblemsPanel() const { return m_problems; }

    // What the design window and the project controller take from here.
    TDsnPanel *DsnPanel1() override;
    TArrowButton *ArrowButton() override { return btArrow(); }
    QString CurrentProjectFile() const override { return m_currentProjectFile; }
    std::optional<QString> ExecuteOpenDialog1(const QString &filter,
                                              const QString &defaultExt) override;
    void SetDesignButtonDown(bool down) override;
    void WhenRadioClick(TControl *radio) override;
    void EnableEditMenu(bool enabled) override;
    void EnableEditActions(bool enabled) override;
    void AdoptProjectWindow(QWidget *window) override;

    // The commands, by their action names ("actNewProject", "EditCopy", ...).
    QAction *action(const QString &name) const;

    // A new untitled editor window (New Lisp File, New DCL File).
    TEditForm *NewEditor(bool lisp);
    // Open Source File: asks for a file and opens it in an editor window of
    // its language; the window, or nullptr when cancelled or unreadable.
    TEditForm *OpenSourceFile();
    TEditForm *activeEditor() const;

    // Start-up: the about box, then this window shown maximised, then the
    // project named by the first argument.
    void FormCreate(const QStringList &arguments);

    // Brings this window to the front, as the message 3022 asks.
    void activateFromOtherCopy();

    // Enables or disables, together, Generate Code and the Edit menu.
    void InDesignFocus();
    void OutDesignFocus();

    // Opens a project from the Recent Projects list; a file gone missing is
    // reported and dropped from the list.
    void openRecentProject(const QString &path);
    QMenu *recentMenu() const { return m_recentMenu; }
    TDesignStatus *designStatus() const { return m_status; }

public slots:
    void actNewProjectExecute();
    void actOpenProjectExecute();
    void actImportDclExecute();
    void actSaveProjectExecute();
    void actSaveProjectAsExecute();
    void actCloseProjectExecute();
    void actSaveDialogExecute();
    void actSaveDiaogAsExecute();
    // Generate Code, or with `singleFile` Generate Single File.
    void actGenerateCodeExecute(bool singleFile = false);
    void actQuitExecute();
    void btDesignClick();
    void EditCopyExecute();
    void EditCutExecute();
    void EditPasteExecute();
    void EditUndoExecute();
    void EditRedoExecute();
    void actNextWindowExecute();
    void actQuickHelpExecute();
    void actAboutExecute();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addAction(const char *name, const QString &caption, const QString &hint,
                       const QKeySequence &shortcut);
    void createActions();
    void createMenus();
    void createToolBars();
    void createPalette(QToolBar *bar);
    void showMenusOf(QMdiSubWindow *window);
    // `frame`: the sub-window's title-bar buttons; none given, all of them.
    QMdiSubWindow *addChild(QWidget *child, Qt::WindowFlags frame = {});
    void adoptEditor(TEditForm *editor);
    // Check Design: lists the design's problems in the Problems panel.
    void checkDesign(bool always);
    void enableEditMenu(bool on);
    // Undo and Redo name the design's next step while a design is edited.
    void updateUndoActions();
    void setShortcuts(const char *name, const QList<QKeySequence> &keys);
    void enableDesignBar(bool on);
    // An editor window became (true) or stopped being (false) the active child.
    void editorActivation(TEditForm &editor, bool active);
    // Copies the controller's project file name to CurrentProjectFile and
    // shows it in the title.
    void publish();
    // The title for a project file (none: "") and whether it has unsaved changes.
    void showProjectTitle(const QString &projectFile, bool modified);
    // The mode and selection in the status bar, from the project's design window.
    void showDesignStatus();
    void fillRecentMenu();
    // After a project was opened or made: it heads Recent Projects.
    void rememberProject();
    // Runs the questions Exit asks (the project, then every free editor);
    // true when the program may end. Nothing is closed here.
    bool mayEnd();
    // Opens `file` as the project, after the current one may close.
    void openProject(const QString &file);
    void destroyController();
    TLispGeneratorClass *createController();
    TfrmDialogDesign *activeDesignWindow() const;
    // The design window when it is active and in design mode.
    TfrmDialogDesign *designingWindow() const;

    QMdiArea *m_mdiArea = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    TDesignStatus *m_status = nullptr;
    // The filter the user last chose in Open Source File.
    int m_sourceFilter = 0;
    QToolButton *m_btDesign = nullptr;
    QToolBar *m_designBar = nullptr;
    TProblemsPanel *m_problems = nullptr;
    bool m_templatesLoaded = false;
    TDsnPanel *m_palette = nullptr;
    TPanel *m_templates = nullptr;
    QList<QAction *> m_actions;
    // Each command's own shortcut, kept while an editor window claims it.
    QHash<QAction *, QList<QKeySequence>> m_shortcuts;
    QPointer<TEditForm> m_activeEditor;
    QPointer<TfrmDialogDesign> m_activeDesign;
    QPointer<TLispGeneratorClass> m_controller;
    QString m_currentProjectFile;
};

} // namespace tw
