#pragma once

#include <QByteArray>
#include <QString>

namespace tw::test
{

// Folder of the real data files shared by the team (beside the repository).
QString sharedTestData(const QString &relative);
// Folder of this repository's own expected files (tests/data).
QString repoTestData(const QString &relative);
QByteArray readFile(const QString &path);

} // namespace tw::test
