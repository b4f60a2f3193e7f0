#include "tiles/TextHelpers.h"

namespace tw
{
namespace
{

qsizetype lastSeparator(const QString &path)
{
    return std::max({path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')),
                     path.lastIndexOf(QLatin1Char(':'))});
}

// The folder part including its final separator, as the classic helpers keep it.
QString extractFilePath(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

QString withSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString normalised(const QString &folder)
{
    QString result = folder.toUpper();
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

} // namespace

QString StripProjectFolder(const QString &fileName, const QString &folder)
{
    if (normalised(extractFilePath(fileName)) == normalised(withSeparator(folder)))
        return ExtractFileName(fileName);
    return fileName;
}

QString ToForwardSlashes(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

void AddPrefixedLines(QStringList &target, const QStringList &source, const QString &prefix)
{
    for (const QString &line : source)
        target.append(prefix + line);
}

QString ExtractFileName(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

} // namespace tw
