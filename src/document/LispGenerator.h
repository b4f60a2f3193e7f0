#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace tw
{

class TDesignDocument;
class TDesignHost;
class TEditForm;
class TfrmDialogDesign;

// The project controller: one design document (the designed dialog with its
// project file and the names of the AutoLISP and DCL files generated from
// it), made first, and the three windows that show it, which live exactly as
// long as the controller: the design window (the document's view) and the two
// code editors. Every project command of the main window
// runs here. Derived file names (the project's base name with ".lsp" and
// ".dcl", or ".DCL" when generating) have no folder, so they name files in the
// current working folder. Questions, error boxes and file dialogs go through
// EditorDialogs(), so they can be answered without a modal box.
class TLispGeneratorClass : public QObject
{
    Q_OBJECT

    // Made first: the file names below are its.
    TDesignDocument *const m_document;

public:
    TLispGeneratorClass(QObject *owner, TDesignHost &host);
    ~TLispGeneratorClass() override;

    bool CanCloseProject();
    bool SaveAll();
    bool SaveAllAs();
    bool SaveDesign();
    bool SaveDesignAs();
    bool SaveLisp();
    bool SaveDCL();
    bool SaveLispAs();
    bool SaveDCLAs();
    void GenerateCode(bool singleFile = false);
    bool OpenProjectFile(const QString &FileName);

    // The project file name without folder and extension.
    QString BaseName() const;

    // The document's file names.
    QString &ProjectFile;
    QString &DCLFile;
    QString &LispFile;
    QPointer<TEditForm> LispEditor;
    QPointer<TEditForm> DCLEditor;
    QPointer<TfrmDialogDesign> DesignForm;
    TDesignDocument *Document() const { return m_document; }

private:
    // Which of the two generated files an operation is about.
    struct CodeFile;
    CodeFile Lisp();
    CodeFile Dcl();
    QString SettleName(const CodeFile &file, const QString &extension);
    bool SaveCode(const CodeFile &file);
    bool SaveCodeAs(const CodeFile &file, const QString &title);
    bool WriteProject();
    void ShowError(const QString &text);

    TDesignHost &m_host;
};

} // namespace tw
