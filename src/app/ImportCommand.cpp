#include "app/ImportCommand.h"

#include "codegen/DclImport.h"
#include "format/Error.h"
#include "format/ProjectFile.h"
#include "tiles/DesignRoot.h"

#include <QTextStream>

namespace tw
{

bool isImportDclCommand(const QStringList &arguments)
{
    return arguments.contains(QLatin1String("--import-dcl"));
}

int runImportDcl(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    try {
        QString dclFile;
        QString dialog;
        QString output;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString &argument = arguments[i];
            QString *target = argument == QLatin1String("--import-dcl") ? &dclFile
                              : argument == QLatin1String("--dialog")   ? &dialog
                              : argument == QLatin1String("--output")   ? &output
                                                                        : nullptr;
            if (!target)
                throw TError(
                    QStringLiteral("Unknown argument with --import-dcl: %1").arg(argument));
            if (i + 1 >= arguments.size())
                throw TError(QStringLiteral("%1 needs a value").arg(argument));
            if (!target->isEmpty())
                throw TError(QStringLiteral("%1 is given twice").arg(argument));
            *target = arguments[++i];
        }
        if (output.isEmpty())
            throw TError(QStringLiteral("--import-dcl needs --output PROJECT.dcp"));
        const DclImport imported = importDclFile(dclFile, dialog);
        SaveProjectFile(output, imported.design->save());
        for (const dcl::Diagnostic &warning : imported.warnings)
            out << dcl::formatDiagnostic(warning) << '\n';
    } catch (const TError &error) {
        err << error.message().simplified() << '\n';
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace tw
