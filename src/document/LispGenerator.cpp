#include "document/LispGenerator.h"

#include "codegen/DialogCode.h"
#include "designer/DsnRegister.h"
#include "document/DesignDocument.h"
#include "document/DesignHost.h"
#include "document/DialogDesign.h"
#include "editors/EditForm.h"
#include "editors/EditorDialogs.h"
#include "format/Error.h"
#include "tiles/DCLPanel.h"
#include "tiles/TextHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace tw
{
namespace
{

const QString kProjectFilter = QStringLiteral("Project Files (*.dcp)|*.dcp|All Files(*.*)|*.*");

// The window as the user sees it: its sub-window when it has one.
QWidget *outer(QWidget *window)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        return sub;
    return window;
}

void placeAt(QWidget *window, int left, int top)
{
    outer(window)->move(left, top);
}

void destroyWindow(QWidget *window)
{
    if (window)
        delete outer(window);
}

} // namespace

struct TLispGeneratorClass::CodeFile {
    TEditForm *editor;
    QString &field;
    QString (TDCLPanel::*get)() const;
    void (TDCLPanel::*set)(const QString &);
    QString extension;
};

TLispGeneratorClass::TLispGeneratorClass(QObject *owner, TDesignHost &host)
    : QObject(owner), m_document(new TDesignDocument(this)), ProjectFile(m_document->ProjectFile),
      DCLFile(m_document->DCLFile), LispFile(m_document->LispFile), m_host(host)
{
    LispEditor = new TEditForm;
    m_host.AdoptProjectWindow(LispEditor);
    placeAt(LispEditor, 0, 0);
    DCLEditor = new TEditForm;
    m_host.AdoptProjectWindow(DCLEditor);
    placeAt(DCLEditor, 20, 20);
    DesignForm = new TfrmDialogDesign(*m_document, host);
    // A child frame is sized by its content's hint, which a design window
    // without a layout lacks; keep the height the window was made with.
    const int height = DesignForm->height();
    m_host.AdoptProjectWindow(DesignForm);
    QWidget *design = outer(DesignForm);
    design->move(40, 40);
    design->resize(250, height);

    LispEditor->ProjectEditor = true;
    LispEditor->SetIsLispEditor(true);
    LispEditor->NamePending = true;
    LispEditor->DesignWindow = DesignForm.data();
    DCLEditor->SetIsLispEditor(false);
    DCLEditor->NamePending = true;
    DCLEditor->ProjectEditor = true;
    DCLEditor->DesignWindow = DesignForm.data();

    m_document->setModified(false);
}

TLispGeneratorClass::~TLispGeneratorClass()
{
    destroyWindow(LispEditor);
    destroyWindow(DCLEditor);
    destroyWindow(DesignForm);
}

QString TLispGeneratorClass::BaseName() const
{
    const QString name = ExtractFileName(ProjectFile);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

TLispGeneratorClass::CodeFile TLispGeneratorClass::Lisp()
{
    return {LispEditor, LispFile, &TDCLPanel::lispFileName, &TDCLPanel::setLispFileName,
            QStringLiteral(".lsp")};
}

TLispGeneratorClass::CodeFile TLispGeneratorClass::Dcl()
{
    return {DCLEditor, DCLFile, &TDCLPanel::dclFileName, &TDCLPanel::setDclFileName,
            QStringLiteral(".dcl")};
}

void TLispGeneratorClass::ShowError(const QString &text)
{
    EditorDialogs().Ask(DesignForm, QStringLiteral("Error"), text, QMessageBox::Critical,
                        QMessageBox::Yes);
}

// The file name kept in the dialog tile, or the derived one confirmed by the
// user, which is then kept in the tile.
QString TLispGeneratorClass::SettleName(const CodeFile &file, const QString &extension)
{
    TDCLPanel *tile = m_document->dialogTile();
    const QString kept = (tile->*file.get)();
    if (!kept.trimmed().isEmpty()) {
        file.field = kept;
        return kept;
    }
    file.field = BaseName() + extension;
    file.editor->NamePending = true;
    file.field = file.editor->ConfirmFileName(file.field);
    (tile->*file.set)(file.field);
    return file.field;
}

bool TLispGeneratorClass::SaveCode(const CodeFile &file)
{
    if (!(m_document->dialogTile()->*file.get)().trimmed().isEmpty())
        file.editor->NamePending = false;
    SettleName(file, file.extension);
    file.editor->SetPathName(file.field);
    file.editor->NamePending = false;
    return file.editor->Save1Click();
}

bool TLispGeneratorClass::SaveCodeAs(const CodeFile &file, const QString &title)
{
    SettleName(file, file.extension);
    TEditForm *editor = file.editor;
    editor->SetPathName(file.field);
    editor->SaveFileDialog.Title = title;
    // Cancelling the dialog saves nothing and is no error.
    TFileDialogSettings settings = editor->SaveFileDialog;
    settings.FileName = editor->PathName();
    bool saved = true;
    if (const auto chosen = EditorDialogs().SaveFileName(editor, settings)) {
        editor->SetPathName(*chosen);
        saved = editor->Save1Click();
    }
    (m_document->dialogTile()->*file.set)(editor->PathName());
    editor->NamePending = !saved;
    return saved;
}

bool TLispGeneratorClass::SaveLisp()
{
    return SaveCode(Lisp());
}

bool TLispGeneratorClass::SaveDCL()
{
    return SaveCode(Dcl());
}

bool TLispGeneratorClass::SaveLispAs()
{
    return SaveCodeAs(Lisp(), QStringLiteral("Save Lisp To File"));
}

bool TLispGeneratorClass::SaveDCLAs()
{
    return SaveCodeAs(Dcl(), QStringLiteral("Save DCL To File"));
}

// A failed write is reported here rather than left to escape the event loop.
bool TLispGeneratorClass::WriteProject()
{
    try {
        return m_document->save(ProjectFile);
    } catch (const TError &error) {
        ShowError(error.message());
        return false;
    }
}

bool TLispGeneratorClass::SaveDesign()
{
    const bool result = ProjectFile.trimmed().isEmpty() ? SaveDesignAs() : WriteProject();
    m_document->setModified(!result);
    return result;
}

bool TLispGeneratorClass::SaveDesignAs()
{
    TFileDialogSettings settings;
    settings.Title = QStringLiteral("Save Dialog To File");
    settings.Filter = kProjectFilter;
    settings.DefaultExt = QStringLiteral("dcp");
    settings.FileName = ProjectFile;
    bool result = false;
    if (const auto chosen = EditorDialogs().SaveFileName(DesignForm, settings)) {
        ProjectFile = *chosen;
        result = WriteProject();
    }
    m_document->setModified(!result);
    return result;
}

bool TLispGeneratorClass::SaveAll()
{
    if (!SaveDesign())
        return false;
    if (!SaveLisp())
        ShowError(QStringLiteral("Lisp file not saved."));
    if (!SaveDCL())
        ShowError(QStringLiteral("DCL file not saved."));
    if (!SaveDesign())
        ShowError(QStringLiteral("Project file not saved."));
    return true;
}

bool TLispGeneratorClass::SaveAllAs()
{
    if (!SaveDesignAs())
        return false;
    if (!SaveLispAs())
        ShowError(QStringLiteral("Lisp file not saved."));
    if (!SaveDCLAs())
        ShowError(QStringLiteral("DCL file not saved."));
    if (!SaveDesign())
        ShowError(QStringLiteral("Project file not saved."));
    return true;
}

bool TLispGeneratorClass::CanCloseProject()
{
    if (!LispEditor->QuerySave())
        return false;
    if (!DCLEditor->QuerySave())
        return false;
    if (!m_document->isModified())
        return true;
    switch (EditorDialogs().Ask(DesignForm, QStringLiteral("Confirmation"),
                                QStringLiteral("Save change to project's dialog?"),
                                QMessageBox::Question,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return SaveAll();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool TLispGeneratorClass::OpenProjectFile(const QString &FileName)
{
    try {
        if (!m_document->load(FileName))
            return false;
        TDCLPanel *tile = m_document->dialogTile();
        // A dialog never sized in design mode (an imported one, say) gets the window that
        // shows it as stored, so the tiles docked to its edges keep their widths.
        if (tile->dialogWidth() > 0 && tile->dialogHeight() > 0)
            DesignForm->SetOuterSize(tile->dialogWidth(), tile->dialogHeight());
        else
            DesignForm->FitDialogTile(m_document->loadedDialogSize());
        DesignForm->Dsn8Register1->SetDesignMode(true);
        m_host.SetDesignButtonDown(true);
        DesignForm->TogleDesignState(true);
        ProjectFile = FileName;
        // Derived file names land beside the project, however it was opened.
        QDir::setCurrent(QFileInfo(FileName).absolutePath());
        const QString base = BaseName();
        LispFile = tile->lispFileName().trimmed().isEmpty() ? base + QStringLiteral(".lsp")
                                                            : tile->lispFileName();
        tile->setLispFileName(LispFile);
        DCLFile = tile->dclFileName().trimmed().isEmpty() ? base + QStringLiteral(".dcl")
                                                          : tile->dclFileName();
        tile->setDclFileName(DCLFile);
        m_document->setModified(false);
        return true;
    } catch (const TError &error) {
        // Say why, rather than silently showing an empty design.
        EditorDialogs().ShowError(DesignForm, error.message());
    }
    return false;
}

void TLispGeneratorClass::GenerateCode(bool singleFile)
{
    QStringList dcl;
    QStringList lisp;
    SettleName(Lisp(), QStringLiteral(".lsp"));
    LispEditor->NamePending = false;
    SettleName(Dcl(), QStringLiteral(".DCL"));
    DCLEditor->NamePending = false;

    GenerateDialogCode(m_document->dialogTile(), dcl, lisp);
    // The one-file AutoLISP writes the same DCL text itself when it runs.
    if (singleFile) {
        lisp.clear();
        GenerateSingleFileCode(m_document->dialogTile(), lisp);
    }

    DCLEditor->Editor->SetLines(dcl);
    DCLEditor->SetPathName(DCLFile);
    LispEditor->Editor->SetLines(lisp);
    LispEditor->SetPathName(LispFile);
    for (TEditForm *editor : {LispEditor.data(), DCLEditor.data()}) {
        editor->Editor->SetModified(true);
        outer(editor)->showNormal();
    }
}

} // namespace tw
