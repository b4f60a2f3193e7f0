#pragma once

#include <QString>
#include <QStringList>

namespace tw
{

// The projects opened or saved last, newest first, at most kMax, kept under
// "RecentProjects" in QSettings("Orvane", "Tilewright"). Paths are stored
// absolute, so a project opened twice by different names is listed once.
class TRecentProjects
{
public:
    static constexpr int kMax = 8;

    static QStringList list();
    // Puts `path` first, dropping an older entry for it and the oldest beyond kMax.
    static void add(const QString &path);
    static void remove(const QString &path);

private:
    static void store(const QStringList &paths);
};

} // namespace tw
