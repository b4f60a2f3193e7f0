#include "app/DclCommands.h"

#include "codegen/GeneratedFiles.h"
#include "dcl/Document.h"
#include "dcl/Layout.h"
#include "editors/DclPreview.h"
#include "format/Error.h"
#include "format/SaveFile.h"

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>
#include <QTextStream>

namespace tw
{

namespace
{

struct DclOptions {
    QString mode;
    QString file;
    QString dialog;
    QString output;
};

DclOptions parseDclOptions(const QStringList &arguments)
{
    DclOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        auto value = [&](const char *what) {
            if (i + 1 >= arguments.size())
                throw TError(QStringLiteral("%1 needs %2").arg(argument, QLatin1String(what)));
            return arguments[++i];
        };
        if (argument == QLatin1String("--layout") || argument == QLatin1String("--render-dcl")) {
            if (!options.mode.isEmpty())
                throw TError(
                    QStringLiteral("%1 cannot be combined with %2").arg(argument, options.mode));
            options.mode = argument;
            options.file = value("a DCL file");
        } else if (argument == QLatin1String("--dialog")) {
            options.dialog = value("a dialog name");
        } else if (argument == QLatin1String("--output")) {
            options.output = value("a PNG file name");
        } else {
            throw TError(QStringLiteral("Unknown argument: %1").arg(argument));
        }
    }
    const bool rendering = options.mode == QLatin1String("--render-dcl");
    if (rendering && options.output.isEmpty())
        throw TError(QStringLiteral("--render-dcl needs --output OUT.png"));
    if (!rendering && !options.output.isEmpty())
        throw TError(QStringLiteral("--output goes with --render-dcl"));
    return options;
}

// The dialog to lay out, from a file without errors.
const dcl::Tile &chosenDialog(const dcl::Document &document, const DclOptions &options)
{
    if (!document.readError().isEmpty())
        throw TError(document.readError());
    for (const dcl::Diagnostic &diagnostic : document.diagnostics())
        if (diagnostic.severity == dcl::Severity::Error)
            throw TError(dcl::formatDiagnostic(diagnostic));
    const auto dialogs = document.dialogs();
    if (options.dialog.isEmpty()) {
        if (dialogs.empty())
            throw TError(QStringLiteral("%1 defines no dialog").arg(options.file));
        return *dialogs.front();
    }
    if (const dcl::Tile *dialog = document.dialog(options.dialog))
        return *dialog;
    throw TError(QStringLiteral("%1 defines no dialog %2").arg(options.file, options.dialog));
}

void renderDcl(const dcl::Tile &dialog, const QString &output)
{
    DclDialogView view;
    view.setFont(QApplication::font());
    view.showDialog(dialog);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(view.grab().toImage()))
        throw TError(QStringLiteral("Cannot write PNG: %1").arg(writer.errorString()));
    saveFileAtomically(output, png);
}

} // namespace

bool isDclCommand(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--layout")) ||
           arguments.contains(QStringLiteral("--render-dcl"));
}

int runDclCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    try {
        const DclOptions options = parseDclOptions(arguments);
        const dcl::Document document = dcl::Document::load(options.file);
        const dcl::Tile &dialog = chosenDialog(document, options);
        if (options.mode == QLatin1String("--layout")) {
            const dcl::DialogLayout layout =
                dcl::layoutDialog(dialog, previewLayoutFont(QApplication::font()));
            out << QString::fromUtf8(dcl::layoutToJson(layout));
        } else {
            renderDcl(dialog, options.output);
        }
    } catch (const TError &error) {
        err << error.message().simplified() << '\n';
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace tw
