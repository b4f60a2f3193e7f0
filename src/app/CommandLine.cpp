#include "app/CommandLine.h"

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

const QStringList kModes = {QStringLiteral("--generate"),  QStringLiteral("--to-text"),
                            QStringLiteral("--from-text"), QStringLiteral("--render-slide"),
                            QStringLiteral("--help"),      QStringLiteral("--version"),
                            QStringLiteral("--check")};
const QStringList kSlideOptions = {QStringLiteral("--slide"), QStringLiteral("--size"),
                                   QStringLiteral("--background"), QStringLiteral("--output")};

struct Options {
    QString mode;
    QString design;
    QString outputDir;
    QString project;
    int slide = 0;
    QSize size{400, 300};
    QString background = QStringLiteral("black");
    QString output;
    bool slideOptionGiven = false;
    bool singleFile = false;
    QStringList files;
    QStringList includeDirs;
    bool werror = false;
};

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

Options parse(const QStringList &arguments)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        auto value = [&](const char *what) {
            if (i + 1 >= arguments.size())
                throw TError(QStringLiteral("%1 needs %2").arg(argument, QLatin1String(what)));
            return arguments[++i];
        };
        if (kModes.contains(argument)) {
            if (!options.mode.isEmpty())
                throw TError(
                    QStringLiteral("%1 cannot be combined with %2").arg(argument, options.mode));
            options.mode = argument;
            if (argument == QLatin1String("--generate") || argument == QLatin1String("--to-text"))
                options.design = value("a design file");
            if (argument == QLatin1String("--render-slide"))
                options.design = value("a slide file");
            if (argument == QLatin1String("--from-text")) {
                options.design = value("a design in text form");
                options.project = value("a project file name");
            }
        } else if (kSlideOptions.contains(argument)) {
            const QString text = value("a value");
            if (argument == QLatin1String("--slide"))
                options.slide = parseSlideNumber(text);
            else if (argument == QLatin1String("--size"))
                options.size = parseSize(text);
            else if (argument == QLatin1String("--background"))
                options.background = text;
            else
                options.output = text;
            options.slideOptionGiven = true;
        } else if (argument == QLatin1String("--output-dir")) {
            options.outputDir = value("a folder");
        } else if (argument == QLatin1String("--single-file")) {
            options.singleFile = true;
        } else if (argument == QLatin1String("--include-dir")) {
            options.includeDirs.append(value("a folder"));
        } else if (argument == QLatin1String("--werror")) {
            options.werror = true;
        } else if (options.mode == QLatin1String("--check") &&
                   !argument.startsWith(QLatin1String("--"))) {
            options.files.append(argument);
        } else {
            throw TError(QStringLiteral("Unknown argument: %1").arg(argument));
        }
    }
    const bool checking = options.mode == QLatin1String("--check");
    if ((!options.includeDirs.isEmpty() || options.werror) && !checking)
        throw TError(QStringLiteral("--include-dir and --werror go with --check"));
    if (checking && options.files.isEmpty())
        throw TError(QStringLiteral("--check needs at least one .dcl or .lsp file"));
    if (!options.outputDir.isEmpty() && options.mode != QLatin1String("--generate"))
        throw TError(QStringLiteral("--output-dir goes with --generate"));
    if (options.singleFile && options.mode != QLatin1String("--generate"))
        throw TError(QStringLiteral("--single-file goes with --generate"));
    const bool rendering = options.mode == QLatin1String("--render-slide");
    if (options.slideOptionGiven && !rendering)
        throw TError(
            QStringLiteral("--slide, --size, --background and --output go with --render-slide"));
    if (rendering && options.output.isEmpty())
        throw TError(QStringLiteral("--render-slide needs --output OUT.png"));
    return options;
}

void generate(const Options &options)
{
    TDesignRoot root;
    root.loadFile(options.design);
    TDCLPanel *dialog = root.dialogTile();
    const CodeFileNames names = settleCodeFileNames(dialog, options.design);
    QStringList dcl;
    QStringList lisp;
    if (options.singleFile)
        GenerateSingleFileCode(dialog, lisp);
    else
        GenerateDialogCode(dialog, dcl, lisp);

    const QString folder =
        options.outputDir.isEmpty() ? QFileInfo(options.design).absolutePath() : options.outputDir;
    if (!QDir().mkpath(folder))
        throw TError(QStringLiteral("Cannot create folder %1").arg(folder));
    const QDir dir(folder);
    saveFileAtomically(dir.filePath(ExtractFileName(names.lispFile)), encodeGeneratedText(lisp));
    if (!options.singleFile)
        saveFileAtomically(dir.filePath(ExtractFileName(names.dclFile)), encodeGeneratedText(dcl));
}

void renderSlide(const Options &options)
{
    const SlideThumbnail thumbnail =
        RenderSlideThumbnail(options.design, options.slide, options.size, options.background);
    if (!thumbnail.ok())
        throw TError(thumbnail.error);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(thumbnail.image))
        throw TError(QStringLiteral("Cannot write PNG: %1").arg(writer.errorString()));
    saveFileAtomically(options.output, png);
}

// Prints every problem of every file; the exit status is 1 when an error (or, with --werror, a
// warning) was found or a file could not be read.
int check(const Options &options, QTextStream &out, QTextStream &err)
{
    dcl::LoadOptions load;
    load.includeDirs = options.includeDirs;
    int status = 0;
    for (const QString &file : options.files) {
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
            if (diagnostic.severity == dcl::Severity::Error || options.werror)
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
    if (isDclCommand(arguments))
        return runDclCommand(arguments, out, err);
    if (isImportDclCommand(arguments))
        return runImportDcl(arguments, out, err);
    try {
        const Options options = parse(arguments);
        if (options.mode == QLatin1String("--help")) {
            out << kUsage;
        } else if (options.mode == QLatin1String("--version")) {
            out << "Tilewright " << TILEWRIGHT_VERSION << '\n';
        } else if (options.mode == QLatin1String("--to-text")) {
            TDesignRoot root;
            root.loadFile(options.design);
            const QByteArray text = writeTextForm(root.save());
            out << QString::fromLatin1(text);
        } else if (options.mode == QLatin1String("--render-slide")) {
            renderSlide(options);
        } else if (options.mode == QLatin1String("--from-text")) {
            TDesignRoot root;
            root.loadFile(options.design);
            root.saveFile(options.project);
        } else if (options.mode == QLatin1String("--generate")) {
            generate(options);
        } else if (options.mode == QLatin1String("--check")) {
            return check(options, out, err);
        } else {
            throw TError(QStringLiteral("Nothing to do; see tilewright --help"));
        }
    } catch (const TError &error) {
        err << error.message().simplified() << '\n';
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace tw
