#include "editors/EditForm.h"

#include "editctl/SynCompletionProposal.h"
#include "editors/DclPreview.h"
#include "editors/ProblemsPanel.h"
#include "editors/SourceCheck.h"
#include "editors/VexStringsHold.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tw
{

namespace
{

const QString Untitled = QStringLiteral("Untitled");

bool ClipboardHasText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

TEditForm::TEditForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EditForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(574, 443);
    setWindowTitle(Untitled);

    LispKeys = new TVexStringsHold(this);
    LispKeys->setObjectName(QStringLiteral("LispKeys"));
    LispKeys->SetStringList(WordListStrings(AutoLispWordList()));
    DCLKeys = new TVexStringsHold(this);
    DCLKeys->setObjectName(QStringLiteral("DCLKeys"));
    DCLKeys->SetStringList(WordListStrings(DCLWordList()));

    Editor = new TSynEdit(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setAccessibleName(QStringLiteral("Source text"));
    SynCompletionProposal1 = new TSynCompletionProposal(this);
    SynCompletionProposal1->setObjectName(QStringLiteral("SynCompletionProposal1"));
    SynCompletionProposal1->SetEditor(Editor);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setAccessibleName(QStringLiteral("Status bar"));
    StatusBar1->setSizeGripEnabled(false);
    StatusHint = new QLabel(QStringLiteral("Hint : Press Ctrl-Space to invoke auto complete"));
    StatusHint->setAccessibleName(QStringLiteral("Hint"));
    StatusBar1->addWidget(StatusHint, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Editor, 1);
    SourceCheck1 = new TSourceCheck(Editor);
    layout->addWidget(StatusBar1);

    // The menu bar is not shown in the window: the main window shows these
    // menus in place of its own while this window is active.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setAccessibleName(QStringLiteral("Editor menu"));
    MainMenu1->hide();
    const auto menu = [this](const QString &name, const QString &caption) {
        QMenu *m = MainMenu1->addMenu(caption);
        m->setObjectName(name);
        m->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        return m;
    };
    File1 = menu(QStringLiteral("File1"), QStringLiteral("&File"));
    Edit1 = menu(QStringLiteral("Edit1"), QStringLiteral("&Edit"));
    EditorSetting1 = menu(QStringLiteral("EditorSetting1"), QStringLiteral("Editor &Setting"));
    Help1 = menu(QStringLiteral("Help1"), QStringLiteral("&Help"));

    using M = TMainCommand;
    File1->addAction(AddStandIn(M::NewProject, "NewProject1", "New Project", Qt::CTRL | Qt::Key_N));
    File1->addAction(
        AddStandIn(M::OpenProject, "OpenProject1", "&Open Project", Qt::CTRL | Qt::Key_O));
    File1->addAction(AddStandIn(M::CloseProject, "CloseProject1", "&Close Project", {}));
    File1->addSeparator();
    File1->addAction(AddStandIn(M::OpenSourceFile, "OpenLispFile1", "Open Source File", {}));
    File1->addAction(
        AddStandIn(M::NewLispFile, "NewLispEditor1", "&New Lisp File", Qt::CTRL | Qt::Key_L));
    File1->addAction(AddStandIn(M::NewDCLFile, "NewDCLEditor1", "Ne&w DCL File", {}));
    const auto own = [this](const QString &name, const QString &caption,
                            const QKeySequence &shortcut) {
        auto *action = new QAction(caption, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        return action;
    };
    Save1 = own(QStringLiteral("Save1"), QStringLiteral("&Save Editor"), Qt::CTRL | Qt::Key_S);
    SaveAs1 = own(QStringLiteral("SaveAs1"), QStringLiteral("Save Editor &As"),
                  Qt::CTRL | Qt::ALT | Qt::Key_S);
    connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(SaveAs1, &QAction::triggered, this, [this] { Saveas1Click(); });
    File1->addAction(Save1);
    File1->addAction(SaveAs1);
    DclPreview1 = new DclPreviewLink(
        this, QStringLiteral("&Preview Dialog"), [this] { return m_pathName; },
        [this] { return Editor->text(); });
    File1->addAction(DclPreview1->action());
    connect(Editor, &QsciScintilla::textChanged, DclPreview1, &DclPreviewLink::sourceChanged);
    File1->addSeparator();
    File1->addAction(AddStandIn(M::Exit, "Exit1", "&Exit", {}));

    Edit1->addAction(AddStandIn(M::Undo, "Undo2", "&Undo", Qt::ALT | Qt::Key_Backspace));
    Edit1->addAction(AddStandIn(M::Redo, "Redo2", "&Redo", {}));
    Edit1->addAction(AddStandIn(M::Cut, "Cut1", "Cu&t", Qt::CTRL | Qt::Key_X));
    Edit1->addAction(AddStandIn(M::Copy, "Copy1", "&Copy", Qt::CTRL | Qt::Key_C));
    Edit1->addAction(AddStandIn(M::Paste, "Paste1", "&Paste", Qt::CTRL | Qt::Key_V));
    Edit1->addAction(AddStandIn(M::Delete, "Delete1", "&Delete", {}));
    Edit1->addSeparator();
    Edit1->addAction(AddStandIn(M::SelectAll, "Selectall1", "Select &All", {}));
    Edit1->addSeparator();
    Check1 = own(QStringLiteral("Check1"), QStringLiteral("Chec&k"), Qt::Key_F7);
    connect(Check1, &QAction::triggered, this, &TEditForm::Check1Click);
    Edit1->addAction(Check1);

    Font1 = own(QStringLiteral("Font1"), QStringLiteral("&Font..."), {});
    connect(Font1, &QAction::triggered, this, &TEditForm::Font1Click);
    EditorSetting1->addAction(Font1);
    QuickHelp1 = AddStandIn(M::QuickHelp, "QuickHelp1", "&Quick Help", {});
    About1 = AddStandIn(M::About, "About1", "&About", {});
    Help1->addAction(QuickHelp1);
    Help1->addAction(About1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setAccessibleName(QStringLiteral("Context menu"));
    for (M command : {M::Cut, M::Copy, M::Paste, M::SelectAll})
        PopupMenu1->addAction(MainCommandAction(command));
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(MainCommandAction(M::Undo));
    PopupMenu1->addAction(MainCommandAction(M::Redo));
    connect(Edit1, &QMenu::aboutToShow, this, &TEditForm::Edit1Click);
    // While this window is the active one, its edit commands (shared with the
    // main window's menu and tool bar) follow what the editor can do.
    connect(Editor, &TSynEdit::EditStateChanged, this, [this] {
        if (m_active)
            Edit1Click();
    });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TEditForm::Edit1Click);
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(Editor->mapToGlobal(at)); });

    m_pathName = Untitled;
    LoadFontSettings();
}

TEditForm::~TEditForm()
{
    SaveFontSettings();
    Editor->SetHighlighter(nullptr);
}

QAction *TEditForm::AddStandIn(TMainCommand command, const QString &name, const QString &caption,
                               const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    m_mainActions[static_cast<std::size_t>(command)] = action;
    connect(action, &QAction::triggered, this, [this, command] {
        switch (command) {
        case TMainCommand::Undo:
            Undo2Click();
            return;
        case TMainCommand::Redo:
            Redo2Click();
            return;
        case TMainCommand::Cut:
            Cut1Click();
            return;
        case TMainCommand::Copy:
            Copy1Click();
            return;
        case TMainCommand::Paste:
            Paste1Click();
            return;
        case TMainCommand::Delete:
            Editor->DeleteSelection();
            return;
        case TMainCommand::SelectAll:
            Editor->ExecuteCommand(TEditorCommand::ecSelectAll);
            return;
        default:
            break;
        }
        if (OnMainCommand)
            OnMainCommand(command);
    });
    return action;
}

QAction *TEditForm::MainCommandAction(TMainCommand command) const
{
    return m_mainActions[static_cast<std::size_t>(command)];
}

void TEditForm::SetMainCommand(TMainCommand command, QAction *action)
{
    QAction *&slot = m_mainActions[static_cast<std::size_t>(command)];
    if (!action || action == slot)
        return;
    for (QMenu *menu : {File1, Edit1, Help1, PopupMenu1}) {
        if (menu->actions().contains(slot)) {
            menu->insertAction(slot, action);
            menu->removeAction(slot);
        }
    }
    removeAction(slot);
    slot = action;
}

bool TEditForm::IsDclFileName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot).toUpper() == QStringLiteral(".DCL");
}

TEditForm *TEditForm::OpenSourceFile(const QString &path, QWidget *parent)
{
    auto *form = new TEditForm(parent);
    form->SetIsLispEditor(!IsDclFileName(path));
    if (!form->OpenFile(path)) {
        delete form;
        return nullptr;
    }
    return form;
}

void TEditForm::SetIsLispEditor(bool lisp)
{
    m_isLispEditor = lisp;
    DclPreview1->action()->setVisible(!lisp);
    m_captionPrefix = lisp ? QStringLiteral("[Lisp Editor]-") : QStringLiteral("[DCL Editor]-");
    setWindowTitle(m_captionPrefix + m_pathName);
    if (lisp) {
        SaveFileDialog.Filter = QStringLiteral("AutoLisp Source File (*.lsp)|*.lsp|"
                                               "Plain text files (*.txt)|*.txt|All files|*.*");
        SaveFileDialog.DefaultExt = QStringLiteral("lsp");
    } else {
        SaveFileDialog.Filter =
            QStringLiteral("DCL File (*.dcl)|*.dcl|Plain text files (*.txt)|*.txt|All files|*.*");
        SaveFileDialog.DefaultExt = QStringLiteral("dcl");
    }
    SynCompletionProposal1->SetItemList(lisp ? LispKeys->StringList() : DCLKeys->StringList());
    Editor->SetHighlighter(lisp ? static_cast<TSynCustomHighlighter *>(&AutoLispHighLighter)
                                : &DCLHighLighter);
    LoadFontSettings();
}

void TEditForm::SetPathName(const QString &path)
{
    m_pathName = path;
    setWindowTitle(m_captionPrefix + QFileInfo(path).fileName());
}

bool TEditForm::OpenFile(const QString &path)
{
    if (auto error = Editor->LoadFromFile(path)) {
        EditorDialogs().ShowError(this, *error);
        return false;
    }
    SetPathName(path);
    Editor->SetModified(false);
    return true;
}

bool TEditForm::Save1Click()
{
    if (m_pathName == Untitled)
        return Saveas1Click();
    if (auto error = Editor->SaveToFile(m_pathName)) {
        EditorDialogs().ShowError(this, *error);
        return false;
    }
    RunCheck(false);
    return true;
}

void TEditForm::Check1Click()
{
    RunCheck(true);
}

void TEditForm::RunCheck(bool always)
{
    SourceCheck1->Run(m_isLispEditor, m_pathName);
    if (!ProblemsPanel)
        return;
    TProblems problems;
    for (const dcl::Diagnostic &found : SourceCheck1->Problems()) {
        const int line = qMax(found.where.line, 1);
        const int column = qMax(found.where.column, 1);
        TProblem problem{found.severity,
                         found.message,
                         QStringLiteral("%1:%2:%3")
                             .arg(QFileInfo(found.where.file).fileName())
                             .arg(line)
                             .arg(column),
                         found.where.file,
                         found.rule,
                         {}};
        // Problems of included files are listed but not in this text.
        if (found.where.file == m_pathName)
            problem.go = [this, line, column] { GoTo(line - 1, column - 1); };
        problems.append(problem);
    }
    ProblemsPanel->Report(this, windowTitle(), std::move(problems), always);
}

void TEditForm::GoTo(int line, int index)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (frame->isMinimized())
            frame->showNormal();
        if (QMdiArea *area = frame->mdiArea())
            area->setActiveSubWindow(frame);
    }
    Editor->setCursorPosition(line, index);
    Editor->ensureLineVisible(line);
    Editor->setFocus();
}

bool TEditForm::Saveas1Click()
{
    TFileDialogSettings settings = SaveFileDialog;
    settings.FileName = m_pathName;
    const auto chosen = EditorDialogs().SaveFileName(this, settings);
    if (!chosen)
        return false;
    SetPathName(*chosen);
    return Save1Click();
}

QString TEditForm::ConfirmFileName(const QString &proposed)
{
    QString path = proposed;
    if (QFileInfo::exists(path)) {
        for (;;) {
            const auto answer = EditorDialogs().Ask(
                this, QStringLiteral("Confirmation"),
                QStringLiteral("File %1 is already exist on disk.\n\rDo you want to overwrite?")
                    .arg(path),
                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No);
            if (answer == QMessageBox::Yes)
                break;
            TFileDialogSettings settings = SaveFileDialog;
            settings.FileName = path;
            if (const auto chosen = EditorDialogs().SaveFileName(this, settings)) {
                path = *chosen;
                break;
            }
        }
    }
    SetPathName(path);
    return path;
}

QMessageBox::StandardButton TEditForm::AskSaveChanges()
{
    return EditorDialogs().Ask(
        this, QStringLiteral("Confirm"), QStringLiteral("Save changes to %1?").arg(m_pathName),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

bool TEditForm::QuerySave()
{
    if (!Editor->Modified())
        return true;
    switch (AskSaveChanges()) {
    case QMessageBox::Yes:
        return Save1Click();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TEditForm::Minimise()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->showMinimized();
    else
        showMinimized();
}

void TEditForm::closeEvent(QCloseEvent *event)
{
    bool allow = true;
    if (ProjectEditor) {
        allow = false;
        Minimise();
    }
    if (Editor->Modified()) {
        const auto answer = AskSaveChanges();
        if (answer == QMessageBox::Yes)
            allow = Save1Click() && allow;
        else if (answer != QMessageBox::No)
            allow = false;
    }
    if (allow)
        event->accept();
    else
        event->ignore();
}

void TEditForm::Cut1Click()
{
    Editor->cut();
}

void TEditForm::Copy1Click()
{
    Editor->copy();
}

void TEditForm::Paste1Click()
{
    Editor->paste();
}

void TEditForm::Undo2Click()
{
    Editor->undo();
    MainCommandAction(TMainCommand::Redo)->setEnabled(Editor->CanRedo());
}

void TEditForm::Redo2Click()
{
    Editor->redo();
}

void TEditForm::Font1Click()
{
    if (const auto font = EditorDialogs().ChooseFont(this, Editor->EditorFont())) {
        Editor->SetEditorFont(*font);
        SaveFontSettings();
    }
}

void TEditForm::Edit1Click()
{
    const bool selection = Editor->HasSelection();
    MainCommandAction(TMainCommand::Paste)->setEnabled(ClipboardHasText());
    MainCommandAction(TMainCommand::Cut)->setEnabled(selection);
    MainCommandAction(TMainCommand::Copy)->setEnabled(selection);
    MainCommandAction(TMainCommand::Delete)->setEnabled(selection);
    MainCommandAction(TMainCommand::Undo)->setEnabled(Editor->CanUndo());
    MainCommandAction(TMainCommand::Redo)->setEnabled(Editor->CanRedo());
}

void TEditForm::FormActivate()
{
    m_active = true;
    Edit1Click();
    if (ActivationHook)
        ActivationHook(*this, true);
}

void TEditForm::FormDeactivate()
{
    m_active = false;
    if (ActivationHook)
        ActivationHook(*this, false);
}

QString TEditForm::SettingsGroup(bool lisp)
{
    return lisp ? QStringLiteral("Editor/Lisp") : QStringLiteral("Editor/DCL");
}

void TEditForm::LoadFontSettings()
{
    QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"));
    settings.beginGroup(SettingsGroup(m_isLispEditor));
    if (settings.childKeys().isEmpty() && settings.childGroups().isEmpty())
        return;
    // A value that is missing or of the wrong type is passed over, so the
    // default (or what was read before it) stands.
    QFont font = Editor->EditorFont();
    const QVariant name = settings.value(QStringLiteral("Font"));
    if (name.typeId() == QMetaType::QString && !name.toString().isEmpty())
        font.setFamily(name.toString());
    bool ok = false;
    const QVariant sizeValue = settings.value(QStringLiteral("FontSize"));
    const int size =
        sizeValue.typeId() == QMetaType::QString || sizeValue.typeId() == QMetaType::Int
            ? sizeValue.toInt(&ok)
            : 0;
    if (ok && size > 0)
        font.setPointSize(size);
    Editor->SetEditorFont(font);
}

void TEditForm::SaveFontSettings() const
{
    QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"));
    settings.beginGroup(SettingsGroup(m_isLispEditor));
    const QFont font = Editor->EditorFont();
    settings.setValue(QStringLiteral("Font"), font.family());
    settings.setValue(QStringLiteral("FontSize"), font.pointSize());
    settings.setValue(QStringLiteral("Italic"), font.italic() ? 1 : 0);
    settings.setValue(QStringLiteral("Bold"), font.bold() ? 1 : 0);
}

} // namespace tw
