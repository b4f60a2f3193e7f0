#include "app/DclCommands.h"

#include "app/CommandArguments.h"
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

// The dialog to lay out, from a file without errors.
const dcl::Tile &chosenDialog(const dcl::Document &document, const QString &file,
                              const QString &name)
{
    if (!document.readError().isEmpty())
        throw TError(document.readError());
    for (const dcl::Diagnostic &diagnostic : document.diagnostics())
        if (diagnostic.severity == dcl::Severity::Error)
            throw TError(dcl::formatDiagnostic(diagnostic));
    const auto dialogs = document.dialogs();
    if (name.isEmpty()) {
        if (dialogs.empty())
            throw TError(QStringLiteral("%1 defines no dialog").arg(file));
        return *dialogs.front();
    }
    if (const dcl::Tile *dialog = document.dialog(name))
        return *dialog;
    throw TError(QStringLiteral("%1 defines no dialog %2").arg(file, name));
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

void runDclCommand(const CommandArguments &arguments, QTextStream &out)
{
    const QString &file = arguments.operands.front();
    const dcl::Document document = dcl::Document::load(file);
    const dcl::Tile &dialog =
        chosenDialog(document, file, arguments.option(QStringLiteral("--dialog")));
    if (arguments.mode == QLatin1String("--layout")) {
        const dcl::DialogLayout layout =
            dcl::layoutDialog(dialog, previewLayoutFont(QApplication::font()));
        out << QString::fromUtf8(dcl::layoutToJson(layout));
    } else {
        renderDcl(dialog, arguments.option(QStringLiteral("--output")));
    }
}

} // namespace tw
