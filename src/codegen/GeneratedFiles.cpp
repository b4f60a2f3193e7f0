#include "codegen/GeneratedFiles.h"

#include "tiles/DCLPanel.h"

#include <QFileInfo>

namespace tw
{

QByteArray encodeGeneratedText(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

CodeFileNames settleCodeFileNames(TDCLPanel *dialog, const QString &designPath)
{
    const QString base = QFileInfo(designPath).completeBaseName();
    if (dialog->lispFileName().trimmed().isEmpty())
        dialog->setLispFileName(base + QStringLiteral(".lsp"));
    if (dialog->dclFileName().trimmed().isEmpty())
        dialog->setDclFileName(base + QStringLiteral(".DCL"));
    return {dialog->lispFileName(), dialog->dclFileName()};
}

} // namespace tw
