#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <optional>

class QPlainTextEdit;
class QWidget;

namespace tw
{

class TDesignHost;
class TfrmDialogDesign;

// The list of what an import could not keep, one "FILE:LINE:COLUMN: warning: ..." line each,
// in a read-only text the user can select and copy whole.
class TImportReport : public QDialog
{
    Q_OBJECT

public:
    TImportReport(const QString &text, QWidget *parent);

    QPlainTextEdit *textView() const { return m_text; }
    // Puts the whole report on the clipboard.
    void copyReport();

private:
    QPlainTextEdit *m_text;
};

// A project written by File > Import DCL..., and the size its dialog tile was laid out at.
struct ImportedProject {
    QString file;
    QSize dialogSize;
};

// File > Import DCL...: asks for a DCL file (and which dialog, when it holds several), imports
// it with the AutoLISP file Tilewright generated beside it, asks where to save the new project
// and writes it, then shows what could not be kept. Nothing when the user cancels or the file
// cannot be imported (the error is shown). The report goes through `host`'s modal seam.
std::optional<ImportedProject> ImportDclProject(QWidget *parent, TDesignHost &host);

// Sizes the design window so that its dialog tile has `size` again, since the tiles docked in
// it take their widths from it.
void FitImportedDialog(TfrmDialogDesign *form, const QSize &size);

} // namespace tw
