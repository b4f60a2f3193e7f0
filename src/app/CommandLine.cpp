#include "app/CommandLine.h"

#include "app/CommandArguments.h"
#include "app/DclCommands.h"
#include "app/ImportCommand.h"
#include "codegen/DialogCode.h"
#include "codegen/GeneratedFiles.h"
#include "dcl/Checker.h"
#include "format/Error.h"
#include "format/SaveFile.h"
#include "format/TextForm.h"
#include "slide/SlideThumbnail.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"
#include "tiles/TextHelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTextStream>

namespace tw
{
namespace
{

const char *const kUsage =
    "Usage: tilewright [PROJECT.dcp]\n"
    "       tilewright --generate DESIGN [--output-dir DIR]\n"
    "       tilewright --generate DESIGN --single-file [--output-dir DIR]\n"
    "       tilewright --to-text DESIGN\n"
    "       tilewright --from-text DESIGN.txt PROJECT.dcp\n"
    "       tilewright --render-slide FILE [--slide N] [--size WxH] [--background NAME]\n"
    "                  --output OUT.png\n"
    "       tilewright --layout FILE.dcl [--dialog NAME]\n"
    "       tilewright --render-dcl FILE.dcl [--dialog NAME] --output OUT.png\n"
    "       tilewright --import-dcl FILE.dcl [--dialog NAME] --output PROJECT.dcp\n"
    "       tilewright --check FILE... [--include-dir DIR]... [--werror]\n"
    "       tilewright --help | --version\n"
    "\n"
    "  [PROJECT.dcp]        open the designer, with the project if given\n"
    "  --generate DESIGN    write the design's AutoLISP and DCL files into its folder\n"
    "                       (or DIR), named as the dialog tile names them, else after\n"
    "                       the design\n"
    "  --single-file        with --generate: write only the AutoLISP file, which\n"
    "                       writes the dialog's DCL text to a temporary file itself\n"
    "  --to-text DESIGN     print the design in text form\n"
    "  --from-text DESIGN.txt PROJECT.dcp\n"
    "                       write the design in text form as a project file\n"
    "  --render-slide FILE  draw a slide file, or slide N (from 0) of a slide library,\n"
    "                       stretched to WxH (default 400x300) on the background NAME\n"
    "                       (an image tile colour such as black, white or\n"
    "                       dialog_background; default black) into a PNG file\n"
    "  --layout FILE.dcl    print the dialog NAME (default: the first) of a DCL file\n"
    "                       as JSON, every tile placed as the preview places it\n"
    "  --render-dcl FILE.dcl\n"
    "                       draw the preview of that dialog into a PNG file\n"
    "  --import-dcl FILE.dcl\n"
    "                       turn a dialog of a DCL file (the first, or NAME) into a new\n"
    "                       project; the AutoLISP file Tilewright generated beside it\n"
    "                       brings back actions and linked variables\n"
    "  --check FILE...      check DCL (.dcl) and AutoLISP (.lsp) files and print each\n"
    "                       problem as FILE:LINE:COLUMN: error|warning: MESSAGE; exit\n"
    "                       status 1 when an error was found (--werror: or a warning);\n"
    "                       DCL includes are searched beside the file, then in each DIR\n"
    "  --help               show this text\n"
    "  --version            show the version\n"
    "\n"
    "DESIGN is a design in text form (its first word is \"object\") or a project file.\n";

int parseSlideNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        throw TError(QStringLiteral("--slide needs a whole number, not %1").arg(text));
    return number;
}

QSize parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        throw TError(QStringLiteral("--size needs WIDTHxHEIGHT, not %1").arg(text));
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

void generate(const CommandArguments &arguments)
{
    const QString &design = arguments.operands.front();
    const bool singleFile = arguments.has(QStringLiteral("--single-file"));
    TDesignRoot root;
    root.loadFile(design);
    TDCLPanel *dialog = root.dialogTile();
    const CodeFileNames names = settleCodeFileNames(dialog, design);
    QStringList dcl;
    QStringList lisp;
    if (singleFile)
        GenerateSingleFileCode(dialog, lisp);
    else
        GenerateDialogCode(dialog, dcl, lisp);

    const QString folder =
        arguments.option(QStringLiteral("--output-dir"), QFileInfo(design).absolutePath());
    if (!QDir().mkpath(folder))
        throw TError(QStringLiteral("Cannot create folder %1").arg(folder));
    const QDir dir(folder);
    saveFileAtomically(dir.filePath(ExtractFileName(names.lispFile)), encodeGeneratedText(lisp));
    if (!singleFile)
        saveFileAtomically(dir.filePath(ExtractFileName(names.dclFile)), encodeGeneratedText(dcl));
}

void renderSlide(const CommandArguments &arguments)
{
    const int slide =
        parseSlideNumber(arguments.option(QStringLiteral("--slide"), QStringLiteral("0")));
    const QSize size =
        parseSize(arguments.option(QStringLiteral("--size"), QStringLiteral("400x300")));
    const SlideThumbnail thumbnail = RenderSlideThumbnail(
        arguments.operands.front(), slide, size,
        arguments.option(QStringLiteral("--background"), QStringLiteral("black")));
    if (!thumbnail.ok())
        throw TError(thumbnail.error);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(thumbnail.image))
        throw TError(QStringLiteral("Cannot write PNG: %1").arg(writer.errorString()));
    saveFileAtomically(arguments.option(QStringLiteral("--output")), png);
}

// Prints every problem of every file; the exit status is 1 when an error (or, with --werror, a
// warning) was found or a file could not be read.
int check(const CommandArguments &arguments, QTextStream &out, QTextStream &err)
{
    dcl::LoadOptions load;
    load.includeDirs = arguments.options.value(QStringLiteral("--include-dir"));
    const bool werror = arguments.has(QStringLiteral("--werror"));
    int status = 0;
    for (const QString &file : arguments.files) {
        const QString suffix = QFileInfo(file).suffix().toLower();
        QString readError;
        dcl::Diagnostics found;
        if (suffix == QLatin1String("dcl"))
            found = dcl::checkDclFile(file, load, &readError);
        else if (suffix == QLatin1String("lsp"))
            found = dcl::checkLispFile(file, &readError);
        else
            readError = QStringLiteral("%1: --check reads .dcl and .lsp files").arg(file);
        if (!readError.isEmpty()) {
            err << readError.simplified() << '\n';
            status = 1;
            continue;
        }
        for (const dcl::Diagnostic &diagnostic : found) {
            out << dcl::formatDiagnostic(diagnostic).simplified() << '\n';
            if (diagnostic.severity == dcl::Severity::Error || werror)
                status = 1;
        }
    }
    out.flush();
    err.flush();
    return status;
}

} // namespace

bool isCommandLineMode(const QStringList &arguments)
{
    for (const QString &argument : arguments)
        if (argument.startsWith(QLatin1String("--")))
            return true;
    return false;
}

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    try {
        const CommandArguments parsed = parseCommandArguments(arguments);
        const QString &mode = parsed.mode;
        if (mode == QLatin1String("--help")) {
            out << kUsage;
        } else if (mode == QLatin1String("--version")) {
            out << "Tilewright " << TILEWRIGHT_VERSION << '\n';
        } else if (mode == QLatin1String("--to-text")) {
            TDesignRoot root;
            root.loadFile(parsed.operands.front());
            out << QString::fromLatin1(writeTextForm(root.save()));
        } else if (mode == QLatin1String("--render-slide")) {
            renderSlide(parsed);
        } else if (mode == QLatin1String("--from-text")) {
            TDesignRoot root;
            root.loadFile(parsed.operands[0]);
            root.saveFile(parsed.operands[1]);
        } else if (mode == QLatin1String("--generate")) {
            generate(parsed);
        } else if (mode == QLatin1String("--check")) {
            return check(parsed, out, err);
        } else if (mode == QLatin1String("--import-dcl")) {
            runImportDcl(parsed, out);
        } else {
            runDclCommand(parsed, out);
        }
    } catch (const TError &error) {
        err << error.message().simplified() << '\n';
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace tw
