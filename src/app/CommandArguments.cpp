#include "app/CommandArguments.h"

#include "format/Error.h"

namespace tw
{
namespace
{

struct ModeRule {
    const char *name;
    QList<const char *> operands; // what each value after the mode word is
    QStringList options;
    bool readsFiles = false;
    // What --output names, for a mode that cannot run without it.
    const char *output = nullptr;
};

struct OptionRule {
    const char *name;
    const char *value; // what the value is; a flag has none
    bool repeats = false;
};

const ModeRule kModes[] = {
    {"--generate", {"a design file"}, {"--output-dir", "--single-file"}},
    {"--to-text", {"a design file"}, {}},
    {"--from-text", {"a design in text form", "a project file name"}, {}},
    {"--render-slide",
     {"a slide file"},
     {"--slide", "--size", "--background", "--output"},
     false,
     "OUT.png"},
    {"--layout", {"a DCL file"}, {"--dialog"}},
    {"--render-dcl", {"a DCL file"}, {"--dialog", "--output"}, false, "OUT.png"},
    {"--import-dcl", {"a DCL file"}, {"--dialog", "--output"}, false, "PROJECT.dcp"},
    {"--check", {}, {"--include-dir", "--werror"}, true},
    {"--help", {}, {}},
    {"--version", {}, {}},
};

const OptionRule kOptions[] = {
    {"--output-dir", "a folder"},
    {"--single-file", nullptr},
    {"--slide", "a slide number"},
    {"--size", "WIDTHxHEIGHT"},
    {"--background", "a colour name"},
    {"--output", "a file name"},
    {"--dialog", "a dialog name"},
    {"--include-dir", "a folder", true},
    {"--werror", nullptr},
};

const ModeRule *findMode(const QString &word)
{
    for (const ModeRule &mode : kModes)
        if (word == QLatin1String(mode.name))
            return &mode;
    return nullptr;
}

const OptionRule *findOption(const QString &word)
{
    for (const OptionRule &option : kOptions)
        if (word == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// "--output goes with --render-slide, --render-dcl or --import-dcl".
QString misplaced(const QString &option)
{
    QStringList modes;
    for (const ModeRule &mode : kModes)
        if (mode.options.contains(option))
            modes.append(QLatin1String(mode.name));
    const QString last = modes.takeLast();
    const QString listed =
        modes.isEmpty() ? last : modes.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
    return QStringLiteral("%1 goes with %2").arg(option, listed);
}

} // namespace

CommandArguments parseCommandArguments(const QStringList &arguments)
{
    CommandArguments parsed;
    const ModeRule *mode = nullptr;
    QStringList given; // the options, in the order given
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments[i];
        auto value = [&](const char *what) {
            if (i + 1 >= arguments.size())
                throw TError(QStringLiteral("%1 needs %2").arg(word, QLatin1String(what)));
            return arguments[++i];
        };
        if (const ModeRule *found = findMode(word)) {
            if (mode)
                throw TError(
                    QStringLiteral("%1 cannot be combined with %2").arg(word, parsed.mode));
            mode = found;
            parsed.mode = word;
            for (const char *operand : mode->operands)
                parsed.operands.append(value(operand));
        } else if (const OptionRule *option = findOption(word)) {
            QStringList &values = parsed.options[word];
            if (!values.isEmpty() && !option->repeats)
                throw TError(QStringLiteral("%1 is given twice").arg(word));
            values.append(option->value ? value(option->value) : QString());
            given.append(word);
        } else if (mode && mode->readsFiles && !word.startsWith(QLatin1String("--"))) {
            parsed.files.append(word);
        } else {
            throw TError(QStringLiteral("Unknown argument: %1").arg(word));
        }
    }
    for (const QString &option : given)
        if (!mode || !mode->options.contains(option))
            throw TError(misplaced(option));
    if (!mode)
        throw TError(QStringLiteral("Nothing to do; see tilewright --help"));
    if (mode->output && !parsed.has(QStringLiteral("--output")))
        throw TError(
            QStringLiteral("%1 needs --output %2").arg(parsed.mode, QLatin1String(mode->output)));
    if (mode->readsFiles && parsed.files.isEmpty())
        throw TError(QStringLiteral("%1 needs at least one .dcl or .lsp file").arg(parsed.mode));
    return parsed;
}

} // namespace tw
