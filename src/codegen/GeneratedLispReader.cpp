#include "codegen/GeneratedLispReader.h"

#include <QRegularExpression>

namespace tw
{
namespace
{

// A double-quoted string's inside: escapes kept, decoded by unescapeLispString.
#define QUOTED "\"((?:[^\"\\\\]|\\\\.)*)\""

constexpr qsizetype kMaxBindingLine = 4096;

struct Binding {
    QString key;
    QString name;
    int line = 0;
};

QString stripPrefix(const QString &line, qsizetype width)
{
    qsizetype spaces = 0;
    while (spaces < width && spaces < line.size() && line.at(spaces) == QLatin1Char(' '))
        ++spaces;
    return line.mid(spaces);
}

// The functions of the function section, in order; `lines` starts after the get section.
void readFunctions(const QStringList &lines, qsizetype &index, QList<GeneratedLisp::Action> &out)
{
    static const QRegularExpression loadLine(QStringLiteral("^\\(if \\(setq dcl_id "));
    for (; index < lines.size(); ++index) {
        const QString line = stripPrefix(lines[index], 3);
        if (loadLine.match(line).hasMatch())
            return;
        if (!line.startsWith(QLatin1String("(defun ")))
            continue;
        const qsizetype marker = line.indexOf(QLatin1String("  ;Start of "));
        if (marker < 0)
            continue;
        GeneratedLisp::Action action;
        action.function = line.mid(7, marker - 7);
        action.line = int(index + 1);
        const QString end = QStringLiteral(");End of ") + action.function;
        qsizetype body = index + 1;
        while (body < lines.size() && stripPrefix(lines[body], 3) != end)
            ++body;
        if (body == lines.size())
            return;
        for (qsizetype i = index + 1; i < body; ++i)
            action.body << stripPrefix(lines[i], 6);
        out << action;
        index = body;
    }
}

} // namespace

QString unescapeLispString(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar ch = text[i];
        if (ch == QLatin1Char('\\') && i + 1 < text.size()) {
            ch = text[++i];
            if (ch == QLatin1Char('n'))
                ch = QLatin1Char('\n');
            else if (ch == QLatin1Char('t'))
                ch = QLatin1Char('\t');
        }
        result += ch;
    }
    return result;
}

bool readGeneratedLisp(const QString &text, GeneratedLisp &lisp, int maxLines)
{
    static const QRegularExpression actionLine(
        QStringLiteral("^\\(action_tile " QUOTED " \"\\((.*)\\)\"\\)$"));
    static const QRegularExpression imageLine(QStringLiteral("^\\(start_Image " QUOTED "\\)$"));
    static const QRegularExpression slideLine(
        QStringLiteral("^\\(slide_image 0 0 _x_ _y_  " QUOTED "\\)$"));
    static const QRegularExpression setLine(
        QStringLiteral("^\\(if (.+?) \\(set_tile " QUOTED " (.*)\\)\\)$"));
    static const QRegularExpression loadLine(
        QStringLiteral("^\\(if \\(setq dcl_id \\(load_dialog " QUOTED "\\)\\)$"));
    static const QRegularExpression newLine(
        QStringLiteral("^\\(if \\(new_dialog " QUOTED " dcl_id\\)$"));

    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > maxLines)
        return false;
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    qsizetype index = 0;
    while (index < lines.size() && lines[index].trimmed().isEmpty())
        ++index;
    if (index == lines.size() || lines[index] != QLatin1String("(defun c:LoadDialog( / dcl_id)"))
        return false;

    enum class Section { None, Init, Set, Other };
    Section section = Section::None;
    QList<Binding> bindings;
    QString imageKey;
    bool loadBlock = false;
    for (++index; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        const int lineNumber = int(index + 1);
        if (section == Section::None) {
            if (line.startsWith(QLatin1String("(defun init_handler()")))
                section = Section::Init;
            else if (line.startsWith(QLatin1String("(defun set_data()")))
                section = Section::Set;
            else if (line.startsWith(QLatin1String("(defun get_data()")))
                section = Section::Other;
            continue;
        }
        if (line.startsWith(QLatin1String(");End of "))) {
            const bool getEnds = line == QLatin1String(");End of Get function");
            section = Section::None;
            if (getEnds) {
                ++index;
                readFunctions(lines, index, lisp.actions);
                break;
            }
            continue;
        }
        // The generator's binding lines are short; a long line is user code, never matched, so
        // that no pattern is tried against megabytes.
        if (line.size() > kMaxBindingLine)
            continue;
        if (section == Section::Init) {
            if (const auto match = actionLine.match(line); match.hasMatch())
                bindings << Binding{unescapeLispString(match.capturedView(1)),
                                    unescapeLispString(match.capturedView(2)), lineNumber};
            else if (const auto image = imageLine.match(line); image.hasMatch())
                imageKey = unescapeLispString(image.capturedView(1));
            else if (const auto slide = slideLine.match(line); slide.hasMatch())
                lisp.slides << GeneratedLisp::Slide{
                    imageKey, unescapeLispString(slide.capturedView(1)), lineNumber};
        } else if (section == Section::Set) {
            const auto match = setLine.match(line);
            if (!match.hasMatch())
                continue;
            const QString variable = match.captured(1);
            const QString tail = match.captured(3);
            GeneratedLisp::Link link{unescapeLispString(match.capturedView(2)), variable,
                                     tail == variable, lineNumber};
            if (link.isString || tail == QStringLiteral("(rtos %1 2)").arg(variable) ||
                tail == QStringLiteral("(rtos %1 2 0)").arg(variable))
                lisp.links << link;
        }
    }
    for (; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.size() > kMaxBindingLine)
            continue;
        if (const auto match = loadLine.match(line); match.hasMatch()) {
            lisp.dclFile = unescapeLispString(match.capturedView(1));
            loadBlock = true;
        } else if (const auto name = newLine.match(line); name.hasMatch() && loadBlock) {
            lisp.dialogName = unescapeLispString(name.capturedView(1));
            break;
        }
    }
    if (!loadBlock)
        return false;
    // Each binding and its function are written together, so the n-th of each belong together.
    const qsizetype paired = std::min(bindings.size(), lisp.actions.size());
    lisp.actions.resize(paired);
    for (qsizetype i = 0; i < paired; ++i) {
        lisp.actions[i].key = bindings[i].key;
        lisp.actions[i].line = bindings[i].line;
    }
    return true;
}

} // namespace tw
