#include "app/ImportCommand.h"

#include "app/CommandArguments.h"
#include "codegen/DclImport.h"
#include "format/ProjectFile.h"
#include "tiles/DesignRoot.h"

#include <QTextStream>

namespace tw
{

void runImportDcl(const CommandArguments &arguments, QTextStream &out)
{
    const DclImport imported =
        importDclFile(arguments.operands.front(), arguments.option(QStringLiteral("--dialog")));
    SaveProjectFile(arguments.option(QStringLiteral("--output")), imported.design->save());
    for (const dcl::Diagnostic &warning : imported.warnings)
        out << dcl::formatDiagnostic(warning) << '\n';
}

} // namespace tw
