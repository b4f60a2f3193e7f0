#include "format/SaveFile.h"

#include "format/Error.h"

#include <QDir>
#include <QSaveFile>

namespace tw
{

void saveFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TError(QStringLiteral("Cannot create file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(fileName), file.errorString()),
                     TErrorKind::File);
}

} // namespace tw
