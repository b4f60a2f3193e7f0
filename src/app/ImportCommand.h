#pragma once

#include <QStringList>

class QTextStream;

namespace tw
{

// Whether the arguments ask for --import-dcl.
bool isImportDclCommand(const QStringList &arguments);

// tilewright --import-dcl FILE.dcl [--dialog NAME] --output PROJECT.dcp: imports one dialog of
// the DCL file (and the AutoLISP file Tilewright generated beside it) and saves it as a new
// project. What the design cannot hold is listed on `out` as "FILE:LINE:COLUMN: warning: ..."
// lines and the import still succeeds; an error is one line on `err` with status 1, and no
// project file is written.
int runImportDcl(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace tw
