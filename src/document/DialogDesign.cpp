#include "document/DialogDesign.h"

#include "codegen/DialogCode.h"
#include "component/Control.h"
#include "component/PropertyAccess.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelect.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Inspector.h"
#include "document/DesignDocument.h"
#include "document/DialogRules.h"
#include "editors/DclPreview.h"
#include "editors/EditData.h"
#include "editors/EditList.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DCLPanel.h"
#include "tiles/DCLRadio.h"
#include "tiles/DclColumn.h"
#include "tiles/DclRow.h"
#include "tiles/DclSpacer.h"
#include "tiles/TextHelpers.h"
#include "tiles/TileRegistry.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QUndoStack>
#include <functional>

namespace tw
{
namespace
{

// The stage's resize handler, apart from the window (whose other methods an
// event binding must not reach).
class TDesignEvents : public QObject
{
    Q_OBJECT

public:
    explicit TDesignEvents(TfrmDialogDesign *form) : QObject(form), m_form(form) {}

public slots:
    void DsnStage1Resize(QObject *) { m_form->DsnStage1Resize(); }

private:
    TfrmDialogDesign *m_form;
};

// The click handler of radio tiles: passes the click on to the main window.
// Kept apart from the window's handlers, so the binding is never stored.
class TRadioRelay : public QObject
{
    Q_OBJECT

public:
    TRadioRelay(TDesignHost &host, QObject *parent) : QObject(parent), m_host(host) {}

    Q_INVOKABLE void WhenRadioClick(QObject *sender)
    {
        if (auto *radio = qobject_cast<TControl *>(sender))
            m_host.WhenRadioClick(radio);
    }

private:
    TDesignHost &m_host;
};

// The window's controller: a paste with nothing selected goes into the dialog
// tile. On the stage beside it a tile would be saved as a record of its own
// and left out of the generated code.
class TDialogDsnRegister : public TDsn8Register
{
    Q_OBJECT

public:
    TDialogDsnRegister(TfrmDialogDesign *form) : TDsn8Register(form), m_form(form) {}

    TControl *PasteTarget() const override
    {
        TControl *target = TDsn8Register::PasteTarget();
        if (target == dsnStage() && dialogTile())
            return dialogTile();
        return target;
    }

    void PasteClipboard() override
    {
        if (designMode())
            ensureSelection();
        TDsn8Register::PasteClipboard();
    }

    // Select All with nothing selected selects the dialog's tiles.
    QWidget *SelectAllContainer() const override
    {
        QWidget *container = TDsn8Register::SelectAllContainer();
        if (container == dsnStage() && dialogTile())
            return dialogTile();
        return container;
    }

private:
    TControl *dialogTile() const { return m_form->document()->dialogTile(); }

    TfrmDialogDesign *m_form;
};

QStringList strings(QObject *object, const char *property)
{
    return object->property(property).toStringList();
}

} // namespace

TfrmDialogDesign::TfrmDialogDesign(TDesignDocument &document, TDesignHost &host, QWidget *parent)
    : QWidget(parent), m_document(document), m_host(host)
{
    setObjectName(QStringLiteral("frmDialogDesign"));
    setWindowTitle(QStringLiteral("Dialog Design"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    resize(385, 274);
    m_events = new TDesignEvents(this);
    m_radioRelay = new TRadioRelay(host, this);

    DsnStage1 = new TDsnStage(&m_document);
    DsnStage1->setName(QStringLiteral("DsnStage1"));
    DsnStage1->setParent(this);
    DsnStage1->setBounds(rect());
    DsnStage1->rubberband()->setColor(dsn::kGray);
    DsnStage1->rubberband()->setPenWidth(2);
    DsnStage1->rubberband()->setMoveWidth(8);
    DsnStage1->rubberband()->setMoveHeight(8);
    DsnStage1->setOnResize(TMethod{m_events, QByteArrayLiteral("DsnStage1Resize")});
    DsnStage1->setRules(new TDialogRules(*this));
    Watch(DsnStage1);

    DsnInspector1 = new TDsnInspector(this);
    DsnInspector1->setObjectName(QStringLiteral("DsnInspector1"));
    ConfigureInspector();

    Dsn8Register1 = new TDialogDsnRegister(this);
    Dsn8Register1->setObjectName(QStringLiteral("Dsn8Register1"));
    Dsn8Register1->setDsnStage(DsnStage1);
    Dsn8Register1->setDsnPanel(host.DsnPanel1());
    Dsn8Register1->setDsnInspector(DsnInspector1);
    Dsn8Register1->setArrowButton(host.ArrowButton());
    Dsn8Register1->setEdits(&m_document);
    DsnInspector1->setEdits(&m_document);

    CreateMenu();

    DsnSelect1 = new TDsnSelect(this);
    DsnSelect1->setObjectName(QStringLiteral("DsnSelect1"));
    DsnSelect1->setDsnRegister(Dsn8Register1);

    // The design moves onto the stage.
    m_document.attachView(this);
    connect(&m_document, &TDesignRoot::dialogCaptionChanged, this, &QWidget::setWindowTitle);
    // The title follows the dialog's caption, also one the design came with.
    if (const TDCLPanel *dialog = m_document.dialogTile();
        dialog && !dialog->dialogCaption().isEmpty())
        setWindowTitle(dialog->dialogCaption());
    CreateDesignMenu();
    FormCreate();

    // Preview (F5): the design's DCL as it would be generated, without writing it anywhere.
    auto *preview = new DclPreviewLink(
        this, QStringLiteral("&Preview"),
        [this] {
            TDCLPanel *dialog = m_document.dialogTile();
            return dialog ? dialog->dclFileName() : QString();
        },
        [this] {
            QStringList dcl, lisp;
            TDCLPanel *dialog = m_document.dialogTile();
            if (!dialog)
                return QString();
            // Generating names a nameless dialog; previewing leaves the design as it is.
            const QString name = dialog->dialogName();
            GenerateDialogCode(dialog, dcl, lisp);
            dialog->setDialogName(name);
            return dcl.join(u'\n');
        });
    // Every change is a step on the document's stack (a merged step too) or marks it modified.
    connect(m_document.undoStack(), &QUndoStack::indexChanged, preview,
            &DclPreviewLink::sourceChanged);
    connect(&m_document, &TDesignDocument::modifiedChanged, preview,
            &DclPreviewLink::sourceChanged);
}

TfrmDialogDesign::~TfrmDialogDesign()
{
    m_closing = true;
    delete Dsn8Register1;
    // The document keeps the design; the stage goes with the window.
    m_document.detachView(this);
    delete DsnStage1;
}

void TfrmDialogDesign::FormCreate()
{
    registerTileClasses();
    m_editList = new TfrmEditList(this);
    m_editData = new TfrmEditdata(this);
}

void TfrmDialogDesign::CreateMenu()
{
    // Kept as stored but never shown: it has no handlers.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->hide();
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    const auto item = [](QMenu *menu, const char *name, const QString &caption,
                         const QKeySequence &shortcut) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    };
    Open1 = item(File1, "Open1", QStringLiteral("&Open Project"), Qt::CTRL | Qt::Key_O);
    Save1 = item(File1, "Save1", QStringLiteral("&Save Project"), Qt::CTRL | Qt::Key_S);
    SaveAs1 = item(File1, "SaveAs1", QStringLiteral("Save Project &As"),
                   Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    N2 = File1->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    MenuItem12 = item(File1, "MenuItem12", QStringLiteral("Save to &DCL"), {});
    MenuItem13 = item(File1, "MenuItem13", QStringLiteral("Open D&CL"), {});
    N3 = File1->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    Exit1 = item(File1, "Exit1", QStringLiteral("&Exit"), Qt::CTRL | Qt::Key_Q);
    Edit1 = MainMenu1->addMenu(QStringLiteral("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Copy1 = item(Edit1, "Copy1", QStringLiteral("&Copy"), Qt::CTRL | Qt::Key_C);
    Cut1 = item(Edit1, "Cut1", QStringLiteral("C&ut"), Qt::CTRL | Qt::Key_X);
    Paste1 = item(Edit1, "Paste1", QStringLiteral("&Paste"), Qt::CTRL | Qt::Key_V);
}

// The edit commands on the stage's right-click menu. Their keys are the
// stage's own (and the main window's), so the items only show them.
void TfrmDialogDesign::CreateDesignMenu()
{
    m_designMenu = new QMenu(this);
    m_designMenu->setAccessibleName(QStringLiteral("Tile commands"));
    const auto item = [this](const char *name, const QString &text, const QString &keys,
                             const std::function<void()> &run) {
        QAction *action = m_designMenu->addAction(text + QLatin1Char('\t') + keys);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, run] {
            if (DesignMode())
                run();
        });
    };
    TDsnRegister *reg = Dsn8Register1;
    // The names let the design's rules enable what applies when the menu shows.
    item("tileCut", QStringLiteral("Cu&t"), QStringLiteral("Ctrl+X"),
         [reg] { reg->CutSelection(); });
    item("tileCopy", QStringLiteral("&Copy"), QStringLiteral("Ctrl+C"),
         [reg] { reg->CopySelection(); });
    item("tilePaste", QStringLiteral("&Paste"), QStringLiteral("Ctrl+V"),
         [reg] { reg->PasteClipboard(); });
    item("tileDelete", QStringLiteral("&Delete"), QStringLiteral("Del"),
         [reg] { reg->DeleteSelection(); });
    item("tileSelectAll", QStringLiteral("Select &All"), QStringLiteral("Ctrl+A"),
         [reg] { reg->SelectAll(); });
    DsnStage1->setCoverMenu(m_designMenu);
}

void TfrmDialogDesign::ConfigureInspector()
{
    DsnInspector1->setSelfProps({"Alignment",
                                 "BackColor",
                                 "Caption",
                                 "Enabled",
                                 "Edit_Width",
                                 "Key",
                                 "Kind",
                                 "ListItems",
                                 "LargeChange",
                                 "SmallChange",
                                 "Max",
                                 "Min",
                                 "Text",
                                 "IsString",
                                 "Value",
                                 "Prompt",
                                 "IsRadioGroup",
                                 "Children_alignment",
                                 "Children_fixed_height",
                                 "Children_fixed_width",
                                 "Fixed_height",
                                 "Fixed_width",
                                 "DCL_Action",
                                 "LinkToVar",
                                 "Image",
                                 "SlideNo",
                                 "Tabstop",
                                 "DialogName",
                                 "DialogCaption",
                                 "LispFileName",
                                 "DCLFileName",
                                 "Retirement_Button"});
    DsnInspector1->setBtnProps({"ListItems", "DCL_Action", "Image", "LispFileName", "DCLFileName"});
    TShowProps *show = DsnInspector1->showProps();
    show->aName = false;
    show->aCaption = true;
    show->aColor = false;
    show->aTop = false;
    show->aLeft = false;
    show->aWidth = false;
    show->aHeight = false;
    show->aFont = false;
    DsnInspector1->setShowCombo(true);
    DsnInspector1->setStayOnTop(true);
    DsnInspector1->helpButton()->Visible = false;
    DsnInspector1->helpButton()->Caption = QStringLiteral("Help(&H)");
    DsnInspector1->helpButton()->HelpContext = 0;
    DsnInspector1->position()->Left = 600;
    DsnInspector1->position()->Top = 40;
    DsnInspector1->position()->Width = 200;
    DsnInspector1->position()->Height = 400;
    DsnInspector1->setCaption(QStringLiteral("Object Inspector"));
    DsnInspector1->grid()->PropCp = QStringLiteral("Properties");
    DsnInspector1->grid()->ValueCp = QStringLiteral("Values");
    DsnInspector1->grid()->PropWid = 80;
    DsnInspector1->grid()->ValueWid = 100;
}

// ---- accessors --------------------------------------------------------------

bool TfrmDialogDesign::DesignMode() const
{
    return Dsn8Register1 && Dsn8Register1->designMode();
}

QSize TfrmDialogDesign::OuterSize() const
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub->size();
    return frameGeometry().size();
}

void TfrmDialogDesign::SetOuterSize(int width, int height)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        sub->resize(width, height);
        return;
    }
    const QSize frame = frameGeometry().size() - size();
    resize(std::max(0, width - frame.width()), std::max(0, height - frame.height()));
}

void TfrmDialogDesign::FitDialogTile(const QSize &size)
{
    TDCLPanel *dialog = m_document.dialogTile();
    if (!dialog || size.isEmpty())
        return;
    // The frame around the dialog tile is whatever the window's style makes it, so it is measured.
    for (int attempt = 0; attempt < 3 && dialog->size() != size; ++attempt) {
        const QSize outer = OuterSize() + size - dialog->size();
        SetOuterSize(outer.width(), outer.height());
    }
}

void TfrmDialogDesign::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery())
        return event->ignore();
    event->ignore();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->showMinimized();
    else
        showMinimized();
}

void TfrmDialogDesign::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (DsnStage1)
        DsnStage1->setBounds(rect());
}

// ---- commands -----------------------------------------------------------------

// A tile came or went outside an edit (an edit records its own).
void TfrmDialogDesign::TileListChanged()
{
    if (!m_closing && !m_document.isRecording())
        m_document.noteOutsideChange();
}

void TfrmDialogDesign::FormActivate()
{
    const bool on = DesignMode();
    m_host.EnableEditMenu(on);
    m_host.EnableEditActions(on);
}

void TfrmDialogDesign::FormDeactivate()
{
    m_host.EnableEditMenu(false);
}

void TfrmDialogDesign::TogleDesignState(bool Designing)
{
    const QList<TControl *> owned = m_document.components();
    for (qsizetype i = owned.size() - 1; i >= 0; --i) {
        TControl *component = owned[i];
        if (auto *column = qobject_cast<TDCLColumn *>(component))
            column->setDclDesign(Designing);
        else if (auto *row = qobject_cast<TDCLRow *>(component))
            row->setDclDesign(Designing);
        else if (auto *spacer = qobject_cast<TDCLSpacer *>(component))
            spacer->setDclDesign(Designing);
    }
    Dsn8Register1->SetDesignMode(Designing);
}

void TfrmDialogDesign::SwitchMode1Click()
{
    Dsn8Register1->SetDesignMode(!Dsn8Register1->designMode());
}

bool TfrmDialogDesign::KeyExist(const QString &PropName, const QString &Value) const
{
    const QList<TControl *> &owned = m_document.components();
    for (qsizetype i = 0; i + 1 < owned.size(); ++i) {
        QString text;
        if (GetStrPropByName(owned[i], PropName, text) && text == Value)
            return true;
    }
    return false;
}

// ---- control list changes -------------------------------------------------------

void TfrmDialogDesign::Watch(QWidget *widget)
{
    if (m_watched.contains(widget))
        return;
    m_watched.insert(widget, qobject_cast<TDCLPanel *>(widget) != nullptr);
    widget->installEventFilter(this);
    // Radio tiles report clicks, whether new or already in the design when the window opened.
    if (auto *radio = qobject_cast<TDCLRadio *>(widget))
        radio->setOnClick(TMethod{m_radioRelay, QByteArrayLiteral("WhenRadioClick")});
    if (widget != DsnStage1)
        connect(widget, &QObject::destroyed, this, [this](QObject *gone) {
            const auto it = m_watched.constFind(gone);
            if (it == m_watched.cend())
                return;
            const bool dialogTile = it.value();
            m_watched.erase(it);
            if (!dialogTile)
                TileListChanged();
        });
    for (QObject *child : widget->children()) {
        auto *control = qobject_cast<TControl *>(child);
        if (control && control->owner() == &m_document)
            Watch(control);
    }
}

bool TfrmDialogDesign::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        auto *control = qobject_cast<TControl *>(child);
        if (control && control->owner() == &m_document && !m_watched.contains(control)) {
            Watch(control);
            CMControlListChange(control, true);
        }
    } else if (event->type() == QEvent::ChildRemoved) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        const auto it = m_watched.constFind(child);
        if (it != m_watched.cend() && !it.value())
            TileListChanged();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmDialogDesign::CMControlListChange(TControl *control, bool inserting)
{
    if (qobject_cast<TDCLPanel *>(control))
        return;
    TileListChanged();
    QString key;
    // A tile brought back by undo or redo comes with the key it had.
    if (isTile(control) && inserting && !m_document.isReplaying() &&
        GetStrPropByName(control, QStringLiteral("Key"), key) &&
        KeyExist(QStringLiteral("Key"), key))
        SetPropByName(control, QStringLiteral("Key"), control->name());
}

// ---- stage events ---------------------------------------------------------------

void TfrmDialogDesign::DsnStage1ControlCreate(TDsnStage *, TControl *component)
{
    QString key;
    if (GetStrPropByName(component, QStringLiteral("Key"), key) &&
        KeyExist(QStringLiteral("Key"), key)) {
        SetPropByName(component, QStringLiteral("Key"), component->name());
        // The new tile is already selected; its row must not show the copied key.
        DsnInspector1->refreshValues();
    }
}

void TfrmDialogDesign::DsnStage1Resize()
{
    TDCLPanel *dialog = m_document.dialogTile();
    if (!DsnStage1 || !DsnStage1->isDesigning() || !dialog)
        return;
    const QSize outer = OuterSize();
    dialog->setDialogWidth(outer.width());
    dialog->setDialogHeight(outer.height());
}

// ---- the inspector's "..." buttons ------------------------------------------------

void TfrmDialogDesign::DsnInspector1BtnClick(TDsnInspector *, const QList<QObject *> &Targets,
                                             QString &Value, const QString &PropName)
{
    if (Targets.isEmpty() || !Targets.first())
        return;
    if (PropName == QLatin1String("Image"))
        PickFile(Targets, Value, PropName,
                 QStringLiteral("AutoCad Slide (*.sld;*.slb)|*.sld;*.slb"), QStringLiteral("slb"));
    else if (PropName == QLatin1String("LispFileName"))
        PickFile(Targets, Value, PropName, QStringLiteral("AutoLisp Source (*.lsp)|*.lsp"),
                 QStringLiteral("lsp"));
    else if (PropName == QLatin1String("DCLFileName"))
        PickFile(Targets, Value, PropName, QStringLiteral("DCL Source (*.dcl)|*.dcl"),
                 QStringLiteral("dcl"));
    else if (PropName == QLatin1String("ListItems"))
        EditItems(Targets);
    else if (PropName == QLatin1String("DCL_Action"))
        EditCode(Targets.first(), Value);
}

void TfrmDialogDesign::PickFile(const QList<QObject *> &Targets, QString &Value,
                                const QString &PropName, const QString &filter,
                                const QString &defaultExt)
{
    const std::optional<QString> chosen = m_host.ExecuteOpenDialog1(filter, defaultExt);
    if (!chosen)
        return;
    const QString project = m_host.CurrentProjectFile();
    const QString folder = project.isEmpty() ? QString() : QFileInfo(project).absolutePath();
    const QString stored = StripProjectFolder(*chosen, folder);
    for (QObject *target : Targets)
        if (target)
            SetPropByName(target, PropName, stored);
    Value = stored;
}

void TfrmDialogDesign::EditItems(const QList<QObject *> &Targets)
{
    m_editData->SetLines(strings(Targets.first(), "List"));
    if (m_host.ExecModal(*m_editData) != QDialog::Accepted)
        return;
    const QStringList lines = m_editData->Lines();
    for (QObject *target : Targets)
        if (target && target->property("List").isValid())
            target->setProperty("List", lines);
}

void TfrmDialogDesign::EditCode(QObject *target, QString &Value)
{
    m_editList->pnFunc->show();
    QString action;
    QString key;
    GetStrPropByName(target, QStringLiteral("DCL_Action"), action);
    GetStrPropByName(target, QStringLiteral("Key"), key);
    const QString event =
        qobject_cast<TDCLEdit *>(target) ? QStringLiteral("Updated") : QStringLiteral("Clicked");
    m_editList->edFunc->setText(
        action.trimmed().isEmpty() ? QStringLiteral("On%1%2()").arg(key, event) : action);
    QStringList code = strings(target, "LispCode");
    if (code.isEmpty()) {
        code.append(QStringLiteral("(alert \"%1 is %2\")").arg(key, event));
        target->setProperty("LispCode", code);
    }
    m_editList->mmData->SetLines(code);
    if (m_host.ExecModal(*m_editList) != QDialog::Accepted)
        return;
    target->setProperty("LispCode", m_editList->mmData->Lines());
    Value = m_editList->edFunc->text();
}

} // namespace tw

#include "DialogDesign.moc"
