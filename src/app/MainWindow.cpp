#include "app/MainWindow.h"

#include "app/DesignStatus.h"
#include "app/Glyphs.h"
#include "app/HelpWindows.h"
#include "app/ImportDclAction.h"
#include "app/PaletteTemplates.h"
#include "app/RecentProjects.h"
#include "component/ClassRegistry.h"
#include "component/Panel.h"
#include "component/PropertyAccess.h"
#include "designer/DesignCheckReport.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelect.h"
#include "designer/Inspector.h"
#include "document/DesignDocument.h"
#include "document/DialogDesign.h"
#include "document/LispGenerator.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "editors/ProblemsPanel.h"
#include "format/Error.h"
#include "tiles/DCLPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace tw
{
namespace
{

struct PaletteEntry {
    const char *button;
    const char *geneName;
    const char *caption;
    TGlyph glyph;
};

// The palette, left to right: each button names its template tile.
const PaletteEntry kPalette[] = {
    {"DsnButton1", "Dpst_TDCLButton", "Button", TGlyph::Button},
    {"DsnButton2", "Dpst_TDCLLabel", "Text", TGlyph::Text},
    {"DsnButton14", "Dpst_TDCLEdit", "Edit box", TGlyph::EditBox},
    {"DsnButton10", "Dpst_TDCLSpacer", "Spacer", TGlyph::Spacer},
    {"DsnButton4", "Dpst_TDCLCheckButton", "Toggle", TGlyph::Toggle},
    {"DsnButton5", "Dpst_TDCLRadio", "Radio button", TGlyph::RadioButton},
    {"DsnButton6", "Dpst_TDCLScrollBar", "Slider", TGlyph::Slider},
    {"DsnButton8", "Dpst_TDCLImageBtnX", "Image button", TGlyph::ImageButton},
    {"DsnButton7", "Dpst_TDCLImage", "Image", TGlyph::Image},
    {"DsnButton3", "Dpst_TDCLCombo", "Popup list", TGlyph::PopupList},
    {"DsnButton9", "Dpst_TDCLListLabel", "List box", TGlyph::ListBox},
    {"DsnButton11", "Dpst_TDCLGroupRow", "Boxed row", TGlyph::BoxedRow},
    {"DsnButton12", "Dpst_TDCLGroupColumn", "Boxed column", TGlyph::BoxedColumn},
    {"DsnButton15", "Dpst_TDCLRowX", "Row", TGlyph::Row},
    {"DsnButton13", "Dpst_TDCLColumnX", "Column", TGlyph::Column},
};

constexpr int kPaletteButton = 28;

} // namespace

TfrmTilewrightMain::TfrmTilewrightMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmTilewrightMain"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setAccessibleName(QStringLiteral("Windows"));
    setCentralWidget(m_mdiArea);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setAccessibleName(QStringLiteral("Status"));
    m_status = new TDesignStatus(statusBar());
    m_status->KindOf = [this](const TControl *tile) {
        if (qobject_cast<const TDCLPanel *>(tile))
            return QStringLiteral("Dialog");
        // The palette's caption for the template of the tile's class.
        const QString kind = className(tile);
        for (const PaletteEntry &entry : kPalette) {
            const TControl *model = findComponent(QLatin1String(entry.geneName));
            if (model && className(model) == kind)
                return QString::fromLatin1(entry.caption);
        }
        return kind;
    };

    createActions();
    createMenus();
    createToolBars();
    m_problems = new TProblemsPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    m_problems->hide();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TfrmTilewrightMain::showMenusOf);
    EnableEditActions(false);
    OutDesignFocus();
    showProjectTitle(QString(), false);
}

TfrmTilewrightMain::~TfrmTilewrightMain()
{
    // Child windows closing during destruction must not touch the menu bar.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QAction *TfrmTilewrightMain::addAction(const char *name, const QString &caption,
                                       const QString &hint, const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    m_shortcuts.insert(action, shortcut.isEmpty() ? QList<QKeySequence>() : QList{shortcut});
    m_actions.append(action);
    return action;
}

QAction *TfrmTilewrightMain::action(const QString &name) const
{
    for (QAction *action : m_actions)
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void TfrmTilewrightMain::createActions()
{
    connect(addAction("actNewProject", QStringLiteral("New Project"), QStringLiteral("New Project"),
                      QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &TfrmTilewrightMain::actNewProjectExecute);
    connect(addAction("actOpenProject", QStringLiteral("&Open Project"),
                      QStringLiteral("Open Project"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TfrmTilewrightMain::actOpenProjectExecute);
    connect(addAction("actImportDcl", QStringLiteral("&Import DCL..."), QString(), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::actImportDclExecute);
    connect(addAction("actSaveProject", QStringLiteral("&Save Project"),
                      QStringLiteral("Save Project"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TfrmTilewrightMain::actSaveProjectExecute);
    connect(addAction("actSaveProjectAs", QStringLiteral("Save Project &As"), QString(), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::actSaveProjectAsExecute);
    connect(addAction("actCloseProject", QStringLiteral("&Close Project"),
                      QStringLiteral("Close Project"), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::actCloseProjectExecute);
    connect(addAction("actSaveDialog", QStringLiteral("Save &Dialog"), QString(), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::actSaveDialogExecute);
    connect(addAction("actSaveDiaogAs", QStringLiteral("Save Dialo&g As"), QString(), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::actSaveDiaogAsExecute);
    connect(addAction("actNewLispFile", QStringLiteral("&New Lisp File"), QString(),
                      QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, this, [this] { NewEditor(true); });
    connect(addAction("actNewDcl", QStringLiteral("Ne&w DCL File"), QString(), {}),
            &QAction::triggered, this, [this] { NewEditor(false); });
    connect(addAction("actOpenSourceFile", QStringLiteral("Open Source File"), QString(), {}),
            &QAction::triggered, this, [this] { OpenSourceFile(); });
    connect(addAction("actGenerateCode", QStringLiteral("&Generate Code"),
                      QStringLiteral("Generate Code"), QKeySequence(Qt::CTRL | Qt::Key_F9)),
            &QAction::triggered, this, [this] { actGenerateCodeExecute(); });
    connect(addAction("actGenerateSingleFile", QStringLiteral("Generate &Single File"),
                      QStringLiteral("Generate one AutoLISP file that writes its own DCL"), {}),
            &QAction::triggered, this, [this] { actGenerateCodeExecute(true); });
    connect(addAction("actCheckDesign", QStringLiteral("Check &Design"),
                      QStringLiteral("Check Design"), QKeySequence(Qt::Key_F7)),
            &QAction::triggered, this, [this] { checkDesign(true); });
    connect(addAction("actQuit", QStringLiteral("&Exit"), QStringLiteral("Quit Program"), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::actQuitExecute);
    connect(addAction("EditCopy", QStringLiteral("&Copy"), QStringLiteral("Copy"),
                      QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &TfrmTilewrightMain::EditCopyExecute);
    connect(addAction("EditCut", QStringLiteral("Cu&t"), QStringLiteral("Cut"),
                      QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &TfrmTilewrightMain::EditCutExecute);
    connect(addAction("EditPaste", QStringLiteral("&Paste"), QStringLiteral("Paste"),
                      QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, &TfrmTilewrightMain::EditPasteExecute);
    connect(addAction("EditUndo", QStringLiteral("&Undo"), QStringLiteral("Undo"),
                      QKeySequence(Qt::CTRL | Qt::Key_Z)),
            &QAction::triggered, this, &TfrmTilewrightMain::EditUndoExecute);
    connect(addAction("EditRedo", QStringLiteral("&Redo"), QStringLiteral("Redo"), {}),
            &QAction::triggered, this, &TfrmTilewrightMain::EditRedoExecute);
    // The menu shows the first: the one users know.
    setShortcuts("EditUndo",
                 {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    setShortcuts("EditRedo", {QKeySequence(Qt::CTRL | Qt::Key_Y),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(addAction("EditUndoHistory", QStringLiteral("Undo &History"),
                      QStringLiteral("Undo History"), {}),
            &QAction::triggered, this, [this] {
                if (!m_controller)
                    return;
                QWidget *history = m_controller->Document()->historyWindow();
                history->show();
                history->raise();
            });
    connect(addAction("actNextWindow", QStringLiteral("&Next Windows"),
                      QStringLiteral("Next Windows"), QKeySequence(Qt::CTRL | Qt::Key_F6)),
            &QAction::triggered, this, &TfrmTilewrightMain::actNextWindowExecute);
    connect(
        addAction("actQuickHelp", QStringLiteral("&Quick Help"), QStringLiteral("Quick Help"), {}),
        &QAction::triggered, this, &TfrmTilewrightMain::actQuickHelpExecute);
    connect(addAction("actAbout", QStringLiteral("&About"), QString(), {}), &QAction::triggered,
            this, &TfrmTilewrightMain::actAboutExecute);
    const std::pair<const char *, TGlyph> icons[] = {
        {"actNewProject", TGlyph::NewProject},
        {"actOpenProject", TGlyph::OpenProject},
        {"actSaveProject", TGlyph::SaveProject},
        {"actSaveDialog", TGlyph::SaveDialog},
        {"actNewLispFile", TGlyph::NewLispFile},
        {"actNewDcl", TGlyph::NewDclFile},
        {"actOpenSourceFile", TGlyph::OpenSourceFile},
        {"actGenerateCode", TGlyph::GenerateCode},
        {"actCheckDesign", TGlyph::CheckDesign},
        {"actQuit", TGlyph::Exit},
        {"EditCopy", TGlyph::Copy},
        {"EditCut", TGlyph::Cut},
        {"EditPaste", TGlyph::Paste},
        {"EditUndo", TGlyph::Undo},
        {"EditRedo", TGlyph::Redo},
        {"actNextWindow", TGlyph::NextWindow},
        {"actQuickHelp", TGlyph::QuickHelp},
    };
    for (const auto &[name, glyph] : icons)
        action(QLatin1String(name))->setIcon(glyphIcon(glyph));
    for (QAction *each : std::as_const(m_actions))
        QWidget::addAction(each);
}

void TfrmTilewrightMain::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    for (const char *name : {"actNewProject",
                             "actOpenProject",
                             "actImportDcl",
                             "actSaveProject",
                             "actSaveProjectAs",
                             "actCloseProject",
                             "recent",
                             "",
                             "actSaveDialog",
                             "actSaveDiaogAs",
                             "",
                             "actNewLispFile",
                             "actNewDcl",
                             "actOpenSourceFile",
                             "",
                             "actGenerateCode",
                             "actGenerateSingleFile",
                             "actCheckDesign",
                             "",
                             "actQuit"}) {
        if (QLatin1String(name) == QLatin1String("recent")) {
            m_recentMenu = m_fileMenu->addMenu(QStringLiteral("&Recent Projects"));
            m_recentMenu->setObjectName(QStringLiteral("RecentProjects1"));
            m_recentMenu->setAccessibleName(QStringLiteral("Recent Projects"));
        } else if (*name) {
            m_fileMenu->addAction(action(QLatin1String(name)));
        } else {
            m_fileMenu->addSeparator();
        }
    }
    fillRecentMenu();
    action(QStringLiteral("actGenerateCode"))->setProperty("menuName", QStringLiteral("mnGenCode"));
    m_editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("Edit1"));
    for (const char *name :
         {"EditUndo", "EditRedo", "", "EditCopy", "EditCut", "EditPaste", "", "EditUndoHistory"}) {
        if (*name)
            m_editMenu->addAction(action(QLatin1String(name)));
        else
            m_editMenu->addSeparator();
    }
    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help1"));
    m_helpMenu->addAction(action(QStringLiteral("actQuickHelp")));
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(action(QStringLiteral("actAbout")));
}

void TfrmTilewrightMain::createToolBars()
{
    QToolBar *standard = addToolBar(QStringLiteral("Standard"));
    standard->setObjectName(QStringLiteral("ToolBar1"));
    standard->setIconSize(QSize(16, 16));
    for (const char *name :
         {"actNewProject", "actOpenProject", "actSaveProject", "", "EditCopy", "EditCut",
          "EditPaste", "EditUndo", "EditRedo", "", "actGenerateCode", "actCheckDesign", "", "",
          "actNextWindow", "actQuickHelp", "", "actQuit"}) {
        if (*name)
            standard->addAction(action(QLatin1String(name)));
        else
            standard->addSeparator();
    }
    standard->widgetForAction(action(QStringLiteral("actGenerateCode")))
        ->setObjectName(QStringLiteral("tbGenCode"));

    addToolBarBreak();
    QToolBar *design = addToolBar(QStringLiteral("Design"));
    design->setObjectName(QStringLiteral("ToolBar2"));
    m_designBar = design;
    m_btDesign = new QToolButton(design);
    m_btDesign->setObjectName(QStringLiteral("btDesign"));
    m_btDesign->setText(QStringLiteral("Design"));
    m_btDesign->setIcon(glyphIcon(TGlyph::DesignMode));
    m_btDesign->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_btDesign->setToolTip(QStringLiteral("Toggle Design Mode"));
    m_btDesign->setAccessibleName(QStringLiteral("Toggle Design Mode"));
    m_btDesign->setCheckable(true);
    m_btDesign->setFixedSize(kPaletteButton, kPaletteButton);
    connect(m_btDesign, &QToolButton::clicked, this, &TfrmTilewrightMain::btDesignClick);
    design->addWidget(m_btDesign);
    design->addSeparator();
    createPalette(design);
}

TPanel *TfrmTilewrightMain::DsnDpstPanel()
{
    // Made on first use, when a design window links the palette: start-up
    // shows the about box sooner without them.
    if (!m_templatesLoaded) {
        m_templatesLoaded = true;
        loadPaletteTemplates(this, m_templates);
    }
    return m_templates;
}

TDsnPanel *TfrmTilewrightMain::DsnPanel1()
{
    DsnDpstPanel();
    return m_palette;
}

void TfrmTilewrightMain::createPalette(QToolBar *bar)
{
    m_templates = new TPanel(this);
    m_templates->setName(QStringLiteral("DsnDpstPanel"));
    m_templates->setParent(this);
    m_templates->setBounds(-1000, 0, 400, 400);
    m_templates->hide();

    m_palette = new TDsnPanel(this);
    m_palette->setName(QStringLiteral("DsnPanel1"));
    m_palette->setBevelOuter(bvNone);
    m_palette->setBtnWidth(kPaletteButton);
    m_palette->setBtnHeight(kPaletteButton);
    m_palette->setBtnCaption(false);
    int left = 0;
    auto *arrow = new TArrowButton(this);
    arrow->setName(QStringLiteral("btArrow"));
    arrow->setCaption(QStringLiteral("Select"));
    arrow->setGlyph(glyphIcon(TGlyph::SelectArrow));
    arrow->setBounds(left, 0, kPaletteButton, kPaletteButton);
    arrow->setParentControl(m_palette);
    for (const PaletteEntry &entry : kPalette) {
        left += kPaletteButton;
        auto *button = new TDsnButton(this);
        button->setName(QLatin1String(entry.button));
        button->setGeneName(QLatin1String(entry.geneName));
        button->setCaption(QLatin1String(entry.caption));
        button->setGlyph(glyphIcon(entry.glyph));
        button->setBounds(left, 0, kPaletteButton, kPaletteButton);
        button->setParentControl(m_palette);
    }
    m_palette->setFixedSize(left + kPaletteButton, kPaletteButton);
    bar->addWidget(m_palette);
}

TArrowButton *TfrmTilewrightMain::btArrow() const
{
    return m_palette->arrowButton();
}

void TfrmTilewrightMain::adoptEditor(TEditForm *editor)
{
    // The editor's menus show this window's own commands, so each shortcut
    // has one owner.
    const std::pair<TMainCommand, const char *> commands[] = {
        {TMainCommand::NewProject, "actNewProject"},
        {TMainCommand::OpenProject, "actOpenProject"},
        {TMainCommand::CloseProject, "actCloseProject"},
        {TMainCommand::OpenSourceFile, "actOpenSourceFile"},
        {TMainCommand::NewLispFile, "actNewLispFile"},
        {TMainCommand::NewDCLFile, "actNewDcl"},
        {TMainCommand::Exit, "actQuit"},
        {TMainCommand::Undo, "EditUndo"},
        {TMainCommand::Redo, "EditRedo"},
        {TMainCommand::Cut, "EditCut"},
        {TMainCommand::Copy, "EditCopy"},
        {TMainCommand::Paste, "EditPaste"},
        {TMainCommand::QuickHelp, "actQuickHelp"},
        {TMainCommand::About, "actAbout"},
    };
    for (const auto &[command, name] : commands)
        editor->SetMainCommand(command, action(QLatin1String(name)));
    editor->ProblemsPanel = m_problems;
    editor->ActivationHook = [this](TEditForm &form, bool active) {
        editorActivation(form, active);
    };
    addChild(editor);
}

QMdiSubWindow *TfrmTilewrightMain::addChild(QWidget *child, Qt::WindowFlags frame)
{
    const bool sized = child->testAttribute(Qt::WA_Resized);
    const QSize wanted = child->size();
    QMdiSubWindow *window = m_mdiArea->addSubWindow(child, frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The area maximises a window activated after a maximised one; a frame
    // that offers no maximise stays as it is.
    if (!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint))
        connect(window, &QMdiSubWindow::windowStateChanged, window,
                [window](Qt::WindowStates, Qt::WindowStates now) {
                    if (now.testFlag(Qt::WindowMaximized))
                        window->showNormal();
                });
    child->show();
    // A window that chose its size keeps it inside the frame; otherwise the
    // frame would shrink it to its layout's hint.
    if (sized)
        window->resize(wanted + (window->size() - child->size()));
    return window;
}

TEditForm *TfrmTilewrightMain::NewEditor(bool lisp)
{
    auto *editor = new TEditForm;
    editor->SetIsLispEditor(lisp);
    adoptEditor(editor);
    return editor;
}

TEditForm *TfrmTilewrightMain::OpenSourceFile()
{
    TFileDialogSettings settings;
    settings.Filter = QStringLiteral(
        "AutoLisp Source File (*.lsp)|*.lsp|DCL Defination (*.dcl)|*.dcl|All files|*.*");
    settings.DefaultExt = QStringLiteral("lsp");
    settings.FilterIndex = &m_sourceFilter;
    const std::optional<QString> path = EditorDialogs().OpenFileName(this, settings);
    if (!path)
        return nullptr;
    TEditForm *editor = TEditForm::OpenSourceFile(*path);
    if (editor)
        adoptEditor(editor);
    return editor;
}

TEditForm *TfrmTilewrightMain::activeEditor() const
{
    QMdiSubWindow *window = m_mdiArea->activeSubWindow();
    return window ? qobject_cast<TEditForm *>(window->widget()) : nullptr;
}

void TfrmTilewrightMain::showMenusOf(QMdiSubWindow *window)
{
    auto *design = window ? qobject_cast<TfrmDialogDesign *>(window->widget()) : nullptr;
    TEditForm *editor = window ? qobject_cast<TEditForm *>(window->widget()) : nullptr;
    // Deactivations first: leaving an editor gives design mode back before
    // the design window mirrors it in the edit commands.
    if (m_activeEditor && m_activeEditor != editor)
        m_activeEditor->FormDeactivate();
    if (m_activeDesign && m_activeDesign != design)
        m_activeDesign->FormDeactivate();
    if (!editor)
        enableDesignBar(true);
    m_activeDesign = design;
    if (design)
        design->FormActivate();
    m_activeEditor = editor;
    if (editor)
        editor->FormActivate();
    // As in the merged menus, the active editor's own entries outrank this
    // window's commands: there Ctrl+S saves the editor, not the project.
    for (QAction *command : std::as_const(m_actions)) {
        QList<QKeySequence> kept;
        for (const QKeySequence &shortcut : m_shortcuts.value(command)) {
            bool claimed = false;
            if (editor)
                for (const QAction *own : editor->actions())
                    claimed = claimed || own->shortcut() == shortcut;
            if (!claimed)
                kept.append(shortcut);
        }
        command->setShortcuts(kept);
    }
    // With no child window there is nothing for the edit commands to act on.
    if (!window)
        EnableEditActions(false);
    updateUndoActions();
    showDesignStatus();
    // An active editor window shows its own menus in the bar.
    menuBar()->clear();
    if (editor && editor->MainMenu1) {
        for (QAction *menu : editor->MainMenu1->actions())
            menuBar()->addAction(menu);
        return;
    }
    menuBar()->addMenu(m_fileMenu);
    menuBar()->addMenu(m_editMenu);
    menuBar()->addMenu(m_helpMenu);
}

void TfrmTilewrightMain::enableDesignBar(bool on)
{
    // The design button and the palette sit on the bar and follow it.
    m_designBar->setEnabled(on);
}

void TfrmTilewrightMain::editorActivation(TEditForm &editor, bool active)
{
    // Passing from one editor to another, designing keeps waiting: resumed
    // in between, it would pull the keyboard into the design window.
    if (!active && activeEditor())
        return;
    // Designing waits while an editor has the keyboard.
    enableDesignBar(!active);
    auto *design = qobject_cast<TfrmDialogDesign *>(editor.DesignWindow.data());
    if (design && design->Dsn8Register1)
        design->Dsn8Register1->SetDesignMode(!active && m_btDesign->isChecked());
}

void TfrmTilewrightMain::enableEditMenu(bool on)
{
    m_editMenu->setEnabled(on);
    for (const char *name : {"EditCopy", "EditCut", "EditPaste"})
        action(QLatin1String(name))->setEnabled(on);
    // An active editor window keeps the commands to what it can do.
    if (TEditForm *editor = activeEditor())
        editor->Edit1Click();
}

TfrmDialogDesign *TfrmTilewrightMain::activeDesignWindow() const
{
    QMdiSubWindow *window = m_mdiArea->activeSubWindow();
    return window ? qobject_cast<TfrmDialogDesign *>(window->widget()) : nullptr;
}

TfrmDialogDesign *TfrmTilewrightMain::designingWindow() const
{
    TfrmDialogDesign *design = activeDesignWindow();
    return design && design->DesignMode() ? design : nullptr;
}

std::optional<QString> TfrmTilewrightMain::ExecuteOpenDialog1(const QString &filter,
                                                              const QString &defaultExt)
{
    TFileDialogSettings settings;
    settings.Filter = filter;
    settings.DefaultExt = defaultExt;
    return EditorDialogs().OpenFileName(this, settings);
}

void TfrmTilewrightMain::SetDesignButtonDown(bool down)
{
    m_btDesign->setChecked(down);
}

void TfrmTilewrightMain::WhenRadioClick(TControl *radio)
{
    if (!radio || !m_controller || !m_controller->DesignForm ||
        m_controller->DesignForm->DesignMode())
        return;
    if (TControl *container = radio->parentControl())
        for (TControl *sibling : container->childControls())
            if (className(sibling) == QLatin1String("TDCLRadio"))
                SetPropByName(sibling, QStringLiteral("Value"), QStringLiteral("False"));
    SetPropByName(radio, QStringLiteral("Value"), QStringLiteral("True"));
}

void TfrmTilewrightMain::EnableEditMenu(bool enabled)
{
    m_editMenu->setEnabled(enabled);
}

void TfrmTilewrightMain::EnableEditActions(bool enabled)
{
    for (const char *name : {"EditCopy", "EditCut", "EditPaste"})
        action(QLatin1String(name))->setEnabled(enabled);
    updateUndoActions();
}

void TfrmTilewrightMain::setShortcuts(const char *name, const QList<QKeySequence> &keys)
{
    QAction *command = action(QLatin1String(name));
    command->setShortcuts(keys);
    m_shortcuts.insert(command, keys);
}

void TfrmTilewrightMain::updateUndoActions()
{
    TfrmDialogDesign *design = designingWindow();
    QUndoStack *stack = design ? design->document()->undoStack() : nullptr;
    const auto caption = [](const QString &verb, const QString &step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    QAction *undo = action(QStringLiteral("EditUndo"));
    QAction *redo = action(QStringLiteral("EditRedo"));
    undo->setText(caption(QStringLiteral("&Undo"), stack ? stack->undoText() : QString()));
    redo->setText(caption(QStringLiteral("&Redo"), stack ? stack->redoText() : QString()));
    // An editor window sets them from its own history; a design from its stack.
    if (stack || !activeEditor()) {
        undo->setEnabled(stack && stack->canUndo());
        redo->setEnabled(stack && stack->canRedo());
    }
}

void TfrmTilewrightMain::AdoptProjectWindow(QWidget *window)
{
    if (auto *editor = qobject_cast<TEditForm *>(window))
        adoptEditor(editor);
    else
        // The frame offers what the window's own flags offer: the design
        // window has no maximise, which would resize the dialog it draws.
        addChild(window, window->windowFlags() & ~Qt::WindowType_Mask)
            ->setAttribute(Qt::WA_DeleteOnClose, false);
}

TLispGeneratorClass *TfrmTilewrightMain::CurrentController() const
{
    return m_controller.data();
}

void TfrmTilewrightMain::publish()
{
    if (!m_controller)
        return;
    m_currentProjectFile = m_controller->ProjectFile;
    showProjectTitle(m_currentProjectFile, m_controller->Document()->isModified());
}

void TfrmTilewrightMain::showProjectTitle(const QString &projectFile, bool modified)
{
    const QString program = QStringLiteral("Tilewright");
    setWindowTitle(projectFile.isEmpty()
                       ? program
                       : QFileInfo(projectFile).fileName() + QStringLiteral("[*] - ") + program);
    setWindowModified(modified && !projectFile.isEmpty());
}

void TfrmTilewrightMain::showDesignStatus()
{
    TfrmDialogDesign *design = m_controller ? m_controller->DesignForm.data() : nullptr;
    m_status->showMode(design != nullptr, design && m_btDesign->isChecked());
}

TLispGeneratorClass *TfrmTilewrightMain::createController()
{
    m_controller = new TLispGeneratorClass(this, *this);
    TfrmDialogDesign *design = m_controller->DesignForm;
    design->DsnInspector1->setSettingsKey(QStringLiteral("Inspector/Geometry"));
    m_status->watch(design->Dsn8Register1);
    TDesignDocument *document = m_controller->Document();
    connect(document->undoStack(), &QUndoStack::indexChanged, this,
            &TfrmTilewrightMain::updateUndoActions);
    connect(document, &TDesignDocument::modifiedChanged, this, [this](bool modified) {
        if (m_controller)
            showProjectTitle(m_controller->ProjectFile, modified);
    });
    return m_controller;
}

void TfrmTilewrightMain::destroyController()
{
    m_status->watch(nullptr);
    delete m_controller.data();
    showProjectTitle(QString(), false);
    showDesignStatus();
}

void TfrmTilewrightMain::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList paths = TRecentProjects::list();
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i];
        QAction *entry = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        entry->setObjectName(QStringLiteral("RecentProject%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, path] { openRecentProject(path); });
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}

void TfrmTilewrightMain::rememberProject()
{
    if (!m_controller || m_controller->ProjectFile.trimmed().isEmpty())
        return;
    TRecentProjects::add(m_controller->ProjectFile);
    fillRecentMenu();
}

void TfrmTilewrightMain::openRecentProject(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        EditorDialogs().ShowError(
            this, QStringLiteral("%1 no longer exists; it is taken off the list of recent "
                                 "projects.")
                      .arg(QDir::toNativeSeparators(path)));
        TRecentProjects::remove(path);
        fillRecentMenu();
        return;
    }
    if (m_controller && !m_controller->CanCloseProject())
        return;
    openProject(path);
}

void TfrmTilewrightMain::openProject(const QString &file)
{
    destroyController();
    if (createController()->OpenProjectFile(file))
        rememberProject();
    publish();
    InDesignFocus();
    showDesignStatus();
}

namespace
{

TFileDialogSettings projectDialog(const QString &filter)
{
    TFileDialogSettings settings;
    settings.Filter = filter;
    settings.DefaultExt = QStringLiteral("dcp");
    return settings;
}

} // namespace

void TfrmTilewrightMain::actNewProjectExecute()
{
    if (m_controller && !m_controller->CanCloseProject())
        return;
    TFileDialogSettings settings =
        projectDialog(QStringLiteral("Project Files (*.dcp)|*.dcp|All Files(*.*)|*.*"));
    settings.Title = QStringLiteral("Save Dialog To File");
    const std::optional<QString> file = EditorDialogs().SaveFileName(this, settings);
    if (!file)
        return;
    destroyController();
    createController()->ProjectFile = *file;
    m_controller->SaveDesign();
    publish();
    rememberProject();
    // A new design opens ready to draw, as an opened one does.
    TfrmDialogDesign *design = m_controller->DesignForm;
    design->TogleDesignState(true);
    SetDesignButtonDown(true);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(design->parentWidget()))
        m_mdiArea->setActiveSubWindow(frame);
    design->FormActivate();
    InDesignFocus();
    showDesignStatus();
}

void TfrmTilewrightMain::actOpenProjectExecute()
{
    if (m_controller && !m_controller->CanCloseProject())
        return;
    const std::optional<QString> file = EditorDialogs().OpenFileName(
        this, projectDialog(QStringLiteral("DCL Projects (*.dcp)|*.dcp|All Files(*.*)|*.*")));
    if (file)
        openProject(*file);
    else
        InDesignFocus();
}

void TfrmTilewrightMain::actImportDclExecute()
{
    if (m_controller && !m_controller->CanCloseProject())
        return;
    if (const std::optional<QString> imported = ImportDclProject(this, *this)) {
        destroyController();
        TLispGeneratorClass *controller = createController();
        if (controller->OpenProjectFile(*imported))
            controller->SaveDesign();
        publish();
    }
    InDesignFocus();
}

void TfrmTilewrightMain::actSaveProjectExecute()
{
    if (!m_controller)
        return;
    m_controller->SaveAll();
    publish();
}

void TfrmTilewrightMain::actSaveProjectAsExecute()
{
    if (!m_controller)
        return;
    m_controller->SaveAllAs();
    publish();
    rememberProject();
}

void TfrmTilewrightMain::actSaveDialogExecute()
{
    if (!m_controller)
        return;
    m_controller->SaveDesign();
    publish();
}

void TfrmTilewrightMain::actSaveDiaogAsExecute()
{
    if (!m_controller)
        return;
    m_controller->SaveDesignAs();
    publish();
    rememberProject();
}

void TfrmTilewrightMain::actCloseProjectExecute()
{
    if (m_controller && m_controller->CanCloseProject())
        destroyController();
    OutDesignFocus();
}

void TfrmTilewrightMain::actGenerateCodeExecute(bool singleFile)
{
    if (!m_controller)
        return;
    if (m_controller->ProjectFile.trimmed().isEmpty()) {
        EditorDialogs().Ask(this, QStringLiteral("Error"),
                            QStringLiteral("You should save project before generate code"),
                            QMessageBox::Critical, QMessageBox::Ok);
        if (!m_controller->SaveAll())
            return;
    }
    m_controller->GenerateCode(singleFile);
    checkDesign(false);
}

void TfrmTilewrightMain::checkDesign(bool always)
{
    TfrmDialogDesign *design = m_controller ? m_controller->DesignForm.data() : nullptr;
    if (!design)
        return;
    // A problem's tile can only be selected with its design window forward in design mode.
    ReportDesignCheck(
        *m_problems, m_controller->Document()->dialogTile(), design->Dsn8Register1, always, [this] {
            TfrmDialogDesign *shown = m_controller ? m_controller->DesignForm.data() : nullptr;
            if (!shown)
                return;
            m_mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(shown->parentWidget()));
            if (!shown->DesignMode())
                shown->TogleDesignState(true);
            shown->FormActivate();
            SetDesignButtonDown(true);
        });
}

void TfrmTilewrightMain::actQuitExecute()
{
    close();
}

bool TfrmTilewrightMain::mayEnd()
{
    if (m_controller && !m_controller->CanCloseProject())
        return false;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        auto *editor = qobject_cast<TEditForm *>(window->widget());
        if (editor && !editor->ProjectEditor && !editor->QuerySave())
            return false;
    }
    return true;
}

void TfrmTilewrightMain::btDesignClick()
{
    TfrmDialogDesign *design = activeDesignWindow();
    if (!design) {
        // The button shows the design window's mode; elsewhere a click changes nothing.
        m_btDesign->setChecked(m_controller && m_controller->DesignForm &&
                               m_controller->DesignForm->DesignMode());
        return;
    }
    const bool designing = !design->DesignMode();
    m_btDesign->setChecked(designing);
    design->show();
    design->SwitchMode1Click();
    design->TogleDesignState(designing);
    // The edit commands follow the new mode at once, not only on the next
    // activation: in run mode there is nothing for them to act on.
    design->FormActivate();
    showDesignStatus();
    if (!designing)
        if (QMdiSubWindow *window = m_mdiArea->activeSubWindow()) {
            // Redrawn as a running dialog.
            window->showMinimized();
            window->showNormal();
        }
}

void TfrmTilewrightMain::InDesignFocus()
{
    action(QStringLiteral("actGenerateCode"))->setEnabled(true);
    action(QStringLiteral("actGenerateSingleFile"))->setEnabled(true);
    action(QStringLiteral("actCheckDesign"))->setEnabled(true);
    enableEditMenu(true);
}

void TfrmTilewrightMain::OutDesignFocus()
{
    action(QStringLiteral("actGenerateCode"))->setEnabled(false);
    action(QStringLiteral("actGenerateSingleFile"))->setEnabled(false);
    action(QStringLiteral("actCheckDesign"))->setEnabled(false);
    enableEditMenu(false);
}

void TfrmTilewrightMain::EditCopyExecute()
{
    if (TfrmDialogDesign *design = designingWindow())
        design->Dsn8Register1->CopySelection();
    else if (TEditForm *editor = activeEditor())
        editor->Copy1Click();
}

void TfrmTilewrightMain::EditCutExecute()
{
    if (TfrmDialogDesign *design = designingWindow())
        design->Dsn8Register1->CutSelection();
    else if (TEditForm *editor = activeEditor())
        editor->Cut1Click();
}

void TfrmTilewrightMain::EditPasteExecute()
{
    if (TfrmDialogDesign *design = designingWindow()) {
        design->Dsn8Register1->PasteClipboard();
        if (TDCLPanel *dialog = design->document()->dialogTile()) {
            design->DsnSelect1->select(dialog);
            dialog->setFocus();
        }
    } else if (TEditForm *editor = activeEditor()) {
        editor->Paste1Click();
    }
}

void TfrmTilewrightMain::EditUndoExecute()
{
    if (TfrmDialogDesign *design = designingWindow())
        design->document()->undoStack()->undo();
    else if (TEditForm *editor = activeEditor())
        editor->Undo2Click();
}

void TfrmTilewrightMain::EditRedoExecute()
{
    if (TfrmDialogDesign *design = designingWindow())
        design->document()->undoStack()->redo();
    else if (TEditForm *editor = activeEditor())
        editor->Redo2Click();
}

void TfrmTilewrightMain::actNextWindowExecute()
{
    m_mdiArea->activateNextSubWindow();
}

void TfrmTilewrightMain::actQuickHelpExecute()
{
    ShowQuickStartGuide(this);
}

void TfrmTilewrightMain::actAboutExecute()
{
    // At start-up this window is not shown yet, so the box stands alone,
    // centred on the screen. As a child it would leave this hidden window
    // marked as on screen once the box appeared: Qt would then paint the main
    // window before it is shown, at its restored size, and again maximised.
    const bool atStartUp = !isVisible();
    auto *about = new TfrmAbout(atStartUp ? nullptr : this);
    if (atStartUp) {
        about->adjustSize();
        about->move(screen()->availableGeometry().center() - about->rect().center());
    }
    ExecModal(*about);
}

void TfrmTilewrightMain::FormCreate(const QStringList &arguments)
{
    enableEditMenu(false);
    // The about box greets the user alone; the main window appears once it
    // is closed, so nothing else is drawn before it.
    actAboutExecute();
    // Restored, the window takes three quarters of the screen, centred.
    // Sized before it shows, Qt need not first fit a size to every bar.
    const QRect screenArea = screen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, screenArea.size() * 3 / 4,
                                    screenArea));
    showMaximized();
    if (arguments.isEmpty())
        return;
    // The controller reports a file it cannot open and keeps its empty design.
    createController()->OpenProjectFile(arguments.first());
    publish();
    InDesignFocus();
    showDesignStatus();
}

void TfrmTilewrightMain::activateFromOtherCopy()
{
    showMinimized();
    if (isMinimized())
        showMaximized();
    raise();
    activateWindow();
}

void TfrmTilewrightMain::closeEvent(QCloseEvent *event)
{
    if (!mayEnd()) {
        event->ignore();
        return;
    }
    destroyController();
    // Every question has been answered: the free editors go without asking again.
    qDeleteAll(m_mdiArea->subWindowList());
    event->accept();
}

} // namespace tw
