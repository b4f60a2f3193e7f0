#include "app/RecentProjects.h"

#include <QFileInfo>
#include <QSettings>

namespace tw
{
namespace
{

const QString kKey = QStringLiteral("RecentProjects");

QSettings settings()
{
    return QSettings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"));
}

} // namespace

QStringList TRecentProjects::list()
{
    // Whatever another version or a hand edit left there, only names count.
    QStringList paths;
    const QVariant stored = settings().value(kKey);
    if (stored.canConvert<QStringList>())
        for (const QString &path : stored.toStringList())
            if (!path.trimmed().isEmpty() && !paths.contains(path) && paths.size() < kMax)
                paths.append(path);
    return paths;
}

void TRecentProjects::add(const QString &path)
{
    if (path.trimmed().isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = list();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    store(paths.mid(0, kMax));
}

void TRecentProjects::remove(const QString &path)
{
    QStringList paths = list();
    paths.removeAll(path);
    store(paths);
}

void TRecentProjects::store(const QStringList &paths)
{
    settings().setValue(kKey, paths);
}

} // namespace tw
