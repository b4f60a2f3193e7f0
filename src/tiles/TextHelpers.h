#pragma once

#include <QString>
#include <QStringList>

namespace tw
{

// The bare file name when `fileName` lies directly in `folder` (compared
// without regard to case), otherwise `fileName` unchanged.
QString StripProjectFolder(const QString &fileName, const QString &folder);
// Every backslash turned into a forward slash.
QString ToForwardSlashes(const QString &text);
// Appends `prefix` + line to `target` for every line of `source`, in order.
void AddPrefixedLines(QStringList &target, const QStringList &source, const QString &prefix);
// The file name part of a path written with either kind of slash.
QString ExtractFileName(const QString &path);

} // namespace tw
