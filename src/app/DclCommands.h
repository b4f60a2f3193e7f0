#pragma once

class QTextStream;

namespace tw
{

struct CommandArguments;

// The DCL preview modes of the command line:
//   --layout FILE.dcl [--dialog NAME]                      the layout as JSON
//   --render-dcl FILE.dcl [--dialog NAME] --output OUT.png the preview as a picture
// Problems are thrown as TError.
void runDclCommand(const CommandArguments &arguments, QTextStream &out);

} // namespace tw
