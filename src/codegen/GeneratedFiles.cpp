#include "codegen/GeneratedFiles.h"

#include "tiles/DCLPanel.h"

#include <QFileInfo>
#include <QSaveFile>

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

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
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
