#pragma once

#include "editctl/SynEdit.h"
#include "editors/EditorDialogs.h"
#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace tw
{

class DclPreviewLink;
class TProblemsPanel;
class TSourceCheck;
class TSynCompletionProposal;
class TVexStringsHold;

// The main window's commands that an editor window shows in its menus.
enum class TMainCommand {
    NewProject,
    OpenProject,
    CloseProject,
    OpenSourceFile,
    NewLispFile,
    NewDCLFile,
    Exit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    QuickHelp,
    About,
};

// A child window in which one AutoLISP or DCL file is edited. It keeps the text
// whenever a save that the user asked for does not happen: a close is refused
// and QuerySave answers false. A file that cannot be read leaves the window as
// it was. Fonts are remembered per kind under Editor/Lisp and Editor/DCL of
// QSettings("Orvane", "Tilewright"). Project editors (ProjectEditor) are only
// minimised by a close.
class TEditForm : public QWidget
{
    Q_OBJECT

public:
    explicit TEditForm(QWidget *parent = nullptr);
    ~TEditForm() override;

    // A new window for the file at `path`, a DCL editor when its extension is
    // ".dcl" in any case, else an AutoLISP editor. When the file cannot be read
    // the error is shown and no window is left: the result is nullptr.
    static TEditForm *OpenSourceFile(const QString &path, QWidget *parent = nullptr);
    static bool IsDclFileName(const QString &path);

    bool IsLispEditor() const { return m_isLispEditor; }
    void SetIsLispEditor(bool lisp);
    QString PathName() const { return m_pathName; }
    void SetPathName(const QString &path);
    QString CaptionPrefix() const { return m_captionPrefix; }

    // Loads the file; false (after the error box) when it cannot be read.
    bool OpenFile(const QString &path);
    QString ConfirmFileName(const QString &proposed);
    bool QuerySave();

    bool Save1Click();
    bool Saveas1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Undo2Click();
    void Redo2Click();
    void Font1Click();
    void Edit1Click();
    // Checks the text as it stands (also after each save), marks the problems and lists them in
    // ProblemsPanel, which this command always shows and a save's check only when it finds some.
    void Check1Click();
    // Brings this window forward and puts the cursor at `line` and `index` (from 0), in view.
    void GoTo(int line, int index);

    // Called by the main window when this window becomes or stops being the
    // active child; ActivationHook then adjusts the designer.
    void FormActivate();
    void FormDeactivate();

    void LoadFontSettings();
    void SaveFontSettings() const;
    static QString SettingsGroup(bool lisp);

    // Shows the main window's own action for `command` in this window's menus
    // in place of the stand-in, with its caption, image and shortcut.
    void SetMainCommand(TMainCommand command, QAction *action);
    QAction *MainCommandAction(TMainCommand command) const;

    bool ProjectEditor = false;
    bool NamePending = false;
    QPointer<QWidget> DesignWindow;
    // The main window's panel that lists what Check finds; without one only the text is marked.
    QPointer<TProblemsPanel> ProblemsPanel;
    // Runs the main window's commands from the stand-in menu entries.
    std::function<void(TMainCommand)> OnMainCommand;
    // Activation (true) and deactivation (false) of this window.
    std::function<void(TEditForm &, bool)> ActivationHook;

    TDCLSyn DCLHighLighter;
    TAutoLispSyn AutoLispHighLighter;
    TSynEdit *Editor = nullptr;
    TVexStringsHold *LispKeys = nullptr;
    TVexStringsHold *DCLKeys = nullptr;
    TSynCompletionProposal *SynCompletionProposal1 = nullptr;
    TFileDialogSettings SaveFileDialog;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusHint = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QMenu *Edit1 = nullptr;
    QMenu *EditorSetting1 = nullptr;
    QMenu *Help1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *Font1 = nullptr;
    QAction *Check1 = nullptr;
    TSourceCheck *SourceCheck1 = nullptr;
    QAction *QuickHelp1 = nullptr;
    QAction *About1 = nullptr;
    // Preview Dialog (F5), DCL editors only.
    DclPreviewLink *DclPreview1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *AddStandIn(TMainCommand command, const QString &name, const QString &caption,
                        const QKeySequence &shortcut);
    QMessageBox::StandardButton AskSaveChanges();
    void RunCheck(bool always);
    void Minimise();

    bool m_isLispEditor = false;
    // Between FormActivate and FormDeactivate.
    bool m_active = false;
    QString m_pathName;
    QString m_captionPrefix;
    std::array<QAction *, 16> m_mainActions{};
};

} // namespace tw
