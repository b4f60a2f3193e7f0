#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tw
{

class TDCLPanel;

// Generated text as it goes to disk: UTF-8 without a byte-order mark, every
// line ended by CR LF, as AutoCAD's platform expects.
QByteArray encodeGeneratedText(const QStringList &lines);

// The AutoLISP and DCL file names of a design: the dialog tile's own, else the
// design's base name with ".lsp" and ".DCL", which are then stored into the
// dialog tile so that the generated code loads the derived DCL file.
struct CodeFileNames {
    QString lispFile;
    QString dclFile;
};
CodeFileNames settleCodeFileNames(TDCLPanel *dialog, const QString &designPath);

} // namespace tw
