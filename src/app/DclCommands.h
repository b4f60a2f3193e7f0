#pragma once

#include <QStringList>

class QTextStream;

namespace tw
{

// The DCL preview modes of the command line:
//   --layout FILE.dcl [--dialog NAME]                      the layout as JSON
//   --render-dcl FILE.dcl [--dialog NAME] --output OUT.png the preview as a picture
bool isDclCommand(const QStringList &arguments);
// Runs one; an error is one line on `err` and status 1.
int runDclCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace tw
