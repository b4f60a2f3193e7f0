#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QPlainTextEdit;
class QWidget;

namespace tw
{

class TDesignHost;

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

// File > Import DCL...: asks for a DCL file (and which dialog, when it holds several), imports
// it with the AutoLISP file Tilewright generated beside it, asks where to save the new project
// and writes it, then shows what could not be kept. Nothing when the user cancels or the file
// cannot be imported (the error is shown). The report goes through `host`'s modal seam.
// The project file written.
std::optional<QString> ImportDclProject(QWidget *parent, TDesignHost &host);

} // namespace tw
