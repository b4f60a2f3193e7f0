#pragma once

class QTextStream;

namespace tw
{

struct CommandArguments;

// tilewright --import-dcl FILE.dcl [--dialog NAME] --output PROJECT.dcp: imports one dialog of
// the DCL file (and the AutoLISP file Tilewright generated beside it) and saves it as a new
// project. What the design cannot hold is listed on `out` as "FILE:LINE:COLUMN: warning: ..."
// lines and the import still succeeds; an error is thrown as TError, and no project file is
// written.
void runImportDcl(const CommandArguments &arguments, QTextStream &out);

} // namespace tw
