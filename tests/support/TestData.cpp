#include "TestData.h"

#include <QFile>

namespace tw::test
{

QString sharedTestData(const QString &relative)
{
    return QStringLiteral(TW_SOURCE_DIR "/../shared/testdata/") + relative;
}

QString repoTestData(const QString &relative)
{
    return QStringLiteral(TW_SOURCE_DIR "/tests/data/") + relative;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace tw::test
