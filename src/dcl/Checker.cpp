#include "dcl/Checker.h"

#include "dcl/StandardTiles.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <optional>

namespace tw::dcl
{
namespace
{

using namespace Qt::StringLiterals;

const QStringList kAlignments = {QStringLiteral("left"), QStringLiteral("right"),
                                 QStringLiteral("top"), QStringLiteral("bottom"),
                                 QStringLiteral("centered")};
const QStringList kLayouts = {QStringLiteral("horizontal"), QStringLiteral("vertical")};
const QStringList kBools = {QStringLiteral("true"), QStringLiteral("false")};

QString typeName(Value::Type type)
{
    switch (type) {
    case Value::Integer:
        return QStringLiteral("a whole number");
    case Value::Real:
        return QStringLiteral("a real number");
    case Value::String:
        return QStringLiteral("a quoted string");
    case Value::Word:
        break;
    }
    return QStringLiteral("a word");
}

// "a button", "an edit_box".
QString withArticle(const QString &kind)
{
    const bool vowel = !kind.isEmpty() && QStringLiteral("aeiou").contains(kind.front());
    return (vowel ? QStringLiteral("an ") : QStringLiteral("a ")) + kind;
}

bool isVertical(const Tile &cluster)
{
    return cluster.value(QStringLiteral("layout")) == "vertical"_L1;
}

bool isWholeNumber(const QString &text, int *number = nullptr)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && number)
        *number = value;
    return ok;
}

class Checker
{
public:
    explicit Checker(const Document &document) : m_document(document) {}

    Diagnostics run()
    {
        for (const Diagnostic &d : m_document.diagnostics())
            add(d.severity, d.where, d.rule, d.message);
        for (const auto &definition : m_document.definitions()) {
            if (!definition->resolved)
                continue;
            const Tile &tile = definition->tile;
            if (tile.primitive == "dialog"_L1) {
                DialogSeen seen;
                seen.dialog = &tile;
                walk(tile, nullptr, tile.where, &seen);
                finishDialog(seen);
            } else {
                walk(tile, nullptr, tile.where, nullptr);
            }
        }
        sort();
        if (m_truncated || m_document.diagnostics().size() >= kMaxDiagnostics)
            m_found.append({Severity::Error,
                            {m_document.files().value(0), 1, 1},
                            QStringLiteral("limit"),
                            QStringLiteral("more than %1 problems were found; only the first are "
                                           "listed")
                                .arg(kMaxDiagnostics)});
        return m_found;
    }

private:
    void add(Severity severity, const Position &where, const QString &rule, const QString &message)
    {
        const QString id = QStringLiteral("%1:%2:%3:%4:%5")
                               .arg(where.file)
                               .arg(where.line)
                               .arg(where.column)
                               .arg(rule, message);
        if (m_seen.contains(id))
            return;
        if (m_found.size() >= kMaxDiagnostics) {
            m_truncated = true;
            return;
        }
        m_seen.insert(id);
        m_found.append({severity, where, rule, message});
    }

    void warn(const Position &where, const char *rule, const QString &message)
    {
        add(Severity::Warning, where, QLatin1String(rule), message);
    }

    void error(const Position &where, const char *rule, const QString &message)
    {
        add(Severity::Error, where, QLatin1String(rule), message);
    }

    void sort()
    {
        const QStringList &files = m_document.files();
        auto rank = [&](const Diagnostic &d) {
            const qsizetype index = files.indexOf(d.where.file);
            return index < 0 ? files.size() : index;
        };
        std::stable_sort(m_found.begin(), m_found.end(),
                         [&](const Diagnostic &a, const Diagnostic &b) {
                             const qsizetype ra = rank(a);
                             const qsizetype rb = rank(b);
                             if (ra != rb)
                                 return ra < rb;
                             if (a.where.line != b.where.line)
                                 return a.where.line < b.where.line;
                             return a.where.column < b.where.column;
                         });
    }

    // What the rules over a whole dialog have gathered so far.
    struct DialogSeen {
        const Tile *dialog = nullptr;
        QHash<QString, int> keyLines; // each key and the line it is first used on
        int defaults = 0;
        int cancels = 0;
        bool exit = false;
        Diagnostics problems; // listed after the tiles' own, by finishDialog()
    };

    // `anchor`: the nearest place in a user's file, for problems of standard tiles. `dialog`:
    // the dialog the tile is in, when the definition is one.
    void walk(const Tile &tile, const Tile *parent, const Position &anchor, DialogSeen *dialog)
    {
        const Position &here = tile.where.isBuiltIn() ? anchor : tile.where;
        for (const Attribute &attribute : tile.attributes)
            if (!attribute.where.isBuiltIn())
                checkAttribute(tile, parent, attribute);
        checkTile(tile, parent, here);
        if (dialog)
            noteDialogTile(tile, here, *dialog);
        for (const Tile &child : tile.children)
            walk(child, &tile, here, dialog);
    }

    void checkTile(const Tile &tile, const Tile *parent, const Position &here)
    {
        const QString &primitive = tile.primitive;
        if (parent && primitive == "radio_button"_L1 && parent->primitive != "radio_cluster"_L1)
            error(here, "radio-outside",
                  QStringLiteral("a radio_button must be inside a radio_row or radio_column; "
                                 "here it is in a %1")
                      .arg(parent->kind));
        if (primitive == "radio_cluster"_L1)
            for (const Tile &child : tile.children)
                if (child.primitive != "radio_button"_L1 && child.primitive != "spacer"_L1)
                    warn(child.where.isBuiltIn() ? here : child.where, "radio-cluster-content",
                         QStringLiteral("a %1 holds %2; a radio cluster is meant for radio "
                                        "buttons and spacers")
                             .arg(tile.kind, withArticle(child.kind)));
        // A keyless tile of a prototype is judged where it is used in a dialog.
        if (parent && isActivePrimitive(primitive) && !tile.attribute(QStringLiteral("key")))
            warn(here, "missing-key",
                 QStringLiteral("this %1 has no key, so no program can reach it").arg(tile.kind));
        if ((primitive == "cluster"_L1 || primitive == "radio_cluster"_L1) &&
            !tile.isTrue(QStringLiteral("boxed"))) {
            const Attribute *label = tile.attribute(QStringLiteral("label"));
            if (label && !label->where.isBuiltIn() && !label->value.text.trimmed().isEmpty())
                warn(label->where, "cluster-label",
                     QStringLiteral("a %1 has no box, so AutoCAD shows no label; use a boxed_%2")
                         .arg(tile.kind,
                              tile.kind.startsWith("boxed_"_L1) ? tile.kind.mid(6) : tile.kind));
        }
        if (primitive == "image"_L1 || primitive == "image_button"_L1) {
            const int given = int(bool(tile.attribute(QStringLiteral("width")))) +
                              int(bool(tile.attribute(QStringLiteral("height"))));
            const bool aspect = tile.attribute(QStringLiteral("aspect_ratio"));
            if (given < 2 && !(given == 1 && aspect))
                warn(here, "image-size",
                     QStringLiteral("an %1 needs width and height, or one of them and "
                                    "aspect_ratio")
                         .arg(tile.kind));
        }
        if (primitive == "text"_L1 && tile.value(QStringLiteral("label")).isEmpty() &&
            !tile.attribute(QStringLiteral("width")))
            warn(here, "text-size",
                 QStringLiteral("a %1 needs a label or a width, or it has no room for its "
                                "value")
                     .arg(tile.kind));
        checkSlider(tile);
    }

    void checkSlider(const Tile &tile)
    {
        if (tile.primitive != "slider"_L1)
            return;
        auto number = [&](const char *name, int fallback, const Attribute **where) {
            *where = tile.attribute(QString::fromLatin1(name));
            int value = fallback;
            if (*where && !isWholeNumber((*where)->value.text, &value))
                value = fallback;
            return value;
        };
        const Attribute *minAt = nullptr;
        const Attribute *maxAt = nullptr;
        const int min = number("min_value", 0, &minAt);
        const int max = number("max_value", 10000, &maxAt);
        const int low = std::min(min, max);
        const int high = std::max(min, max);
        for (const char *name : {"min_value", "max_value", "value"}) {
            const Attribute *at = tile.attribute(QString::fromLatin1(name));
            int value = 0;
            if (!at || at->where.isBuiltIn() || !isWholeNumber(at->value.text, &value))
                continue;
            if (value < -32768 || value > 32767)
                warn(at->value.where, "value-range",
                     QStringLiteral("%1 must lie within -32768..32767").arg(at->name));
            else if (at->name == "value"_L1 && (value < low || value > high))
                warn(at->value.where, "value-range",
                     QStringLiteral("the slider's value %1 lies outside its range %2..%3")
                         .arg(value)
                         .arg(low)
                         .arg(high));
        }
        for (const char *name : {"small_increment", "big_increment"}) {
            const Attribute *at = tile.attribute(QString::fromLatin1(name));
            int value = 0;
            if (at && !at->where.isBuiltIn() && isWholeNumber(at->value.text, &value) &&
                (value < 1 || value > high - low))
                warn(at->value.where, "value-range",
                     QStringLiteral("%1 %2 does not fit the range %3..%4")
                         .arg(at->name)
                         .arg(value)
                         .arg(low)
                         .arg(high));
        }
    }

    void checkWord(const Attribute &attribute, const QStringList &allowed, const QString &what)
    {
        const Value &value = attribute.value;
        if (allowed.contains(value.text))
            return;
        for (const QString &word : allowed)
            if (word.compare(value.text, Qt::CaseInsensitive) == 0) {
                warn(value.where, "reserved-word-case",
                     QStringLiteral("reserved words are lower case: write %1, not %2")
                         .arg(word, value.text));
                return;
            }
        warn(value.where, "enum-value",
             QStringLiteral("%1 is not %2 for %3").arg(value.text, what, attribute.name));
    }

    void wrongType(const Attribute &attribute, const QString &wanted)
    {
        error(attribute.value.where, "value-type",
              QStringLiteral("%1 takes %2, not %3")
                  .arg(attribute.name, wanted, typeName(attribute.value.type)));
    }

    void checkAttribute(const Tile &tile, const Tile *parent, const Attribute &attribute)
    {
        const AttributeInfo *info = findAttribute(attribute.name);
        if (!info) {
            const AttributeInfo *near = findAttributeIgnoringCase(attribute.name);
            if (near)
                warn(attribute.where, "unknown-attribute",
                     QStringLiteral("unknown attribute %1: attribute names are case-sensitive "
                                    "(did you mean %2?)")
                         .arg(attribute.name, near->name));
            else if (attribute.name.startsWith("bcad_"_L1) || attribute.name == "tooltip"_L1)
                warn(
                    attribute.where, "unknown-attribute",
                    QStringLiteral("%1 is BricsCAD's own; AutoCAD ignores it").arg(attribute.name));
            else
                warn(attribute.where, "unknown-attribute",
                     QStringLiteral("unknown attribute %1; AutoCAD keeps it as a user attribute "
                                    "but draws nothing from it")
                         .arg(attribute.name));
            return;
        }
        if (!info->restriction.isEmpty())
            warn(attribute.where, "restricted-attribute",
                 QStringLiteral("%1: %2").arg(attribute.name, info->restriction));
        else if (!info->primitives.isEmpty() && !info->primitives.contains(tile.primitive))
            warn(attribute.where, "ignored-attribute",
                 QStringLiteral("%1 means nothing on %2")
                     .arg(attribute.name, withArticle(tile.kind)));
        if (!checkType(*info, attribute))
            return;
        checkMeaning(tile, parent, attribute);
    }

    // False when the value's type is wrong (reported).
    bool checkType(const AttributeInfo &info, const Attribute &attribute)
    {
        const Value &value = attribute.value;
        const bool number = value.type == Value::Integer || value.type == Value::Real;
        switch (info.type) {
        case AttributeType::Bool:
            if (value.type != Value::Word) {
                wrongType(attribute, QStringLiteral("true or false"));
                return false;
            }
            checkWord(attribute, kBools, QStringLiteral("true or false"));
            return true;
        case AttributeType::Integer:
            if (value.type == Value::Real) {
                warn(value.where, "integer-value",
                     QStringLiteral("%1 takes a whole number").arg(attribute.name));
                return true;
            }
            if (value.type != Value::Integer) {
                wrongType(attribute, QStringLiteral("a whole number"));
                return false;
            }
            return true;
        case AttributeType::Number:
            if (!number) {
                wrongType(attribute, QStringLiteral("a number"));
                return false;
            }
            return true;
        case AttributeType::String:
            if (value.type == Value::Word) {
                wrongType(attribute, QStringLiteral("a quoted string"));
                return false;
            }
            return true;
        case AttributeType::Alignment:
        case AttributeType::Layout:
            if (value.type != Value::Word) {
                wrongType(attribute, QStringLiteral("a word such as %1")
                                         .arg(info.type == AttributeType::Layout
                                                  ? QStringLiteral("vertical")
                                                  : QStringLiteral("centered")));
                return false;
            }
            if (info.type == AttributeType::Layout)
                checkWord(attribute, kLayouts, QStringLiteral("horizontal or vertical"));
            else
                checkWord(attribute, kAlignments,
                          QStringLiteral("one of left, right, top, bottom, centered"));
            return true;
        case AttributeType::Color:
            if (value.type == Value::Integer) {
                int colour = -1;
                if (!isWholeNumber(value.text, &colour) || colour < 0 || colour > 255)
                    warn(value.where, "value-format",
                         QStringLiteral("color is a colour number from 0 to 255"));
                return true;
            }
            if (value.type != Value::Word) {
                wrongType(attribute, QStringLiteral("a colour number or word"));
                return false;
            }
            checkWord(attribute, colorWords(), QStringLiteral("a colour"));
            return true;
        case AttributeType::Margin:
            if (value.type == Value::String) {
                wrongType(attribute, QStringLiteral("none or a number"));
                return false;
            }
            if (value.type == Value::Word)
                checkWord(attribute, {QStringLiteral("none")}, QStringLiteral("none"));
            return true;
        }
        return true;
    }

    void checkMeaning(const Tile &tile, const Tile *parent, const Attribute &attribute)
    {
        const QString &name = attribute.name;
        const Value &value = attribute.value;
        const QString &primitive = tile.primitive;
        if (name == "alignment"_L1 && parent && kAlignments.contains(value.text) &&
            value.text != "centered"_L1) {
            const bool vertical = isVertical(*parent);
            const bool across = value.text == "left"_L1 || value.text == "right"_L1;
            if (vertical != across)
                warn(value.where, "alignment",
                     QStringLiteral("alignment %1 means nothing in %2, whose tiles stand %3; use "
                                    "%4")
                         .arg(value.text, withArticle(parent->kind),
                              vertical ? QStringLiteral("one above the other")
                                       : QStringLiteral("side by side"),
                              vertical ? QStringLiteral("left, right or centered")
                                       : QStringLiteral("top, bottom or centered")));
        }
        if (name == "children_alignment"_L1 && kAlignments.contains(value.text) &&
            value.text != "centered"_L1 &&
            (primitive == "cluster"_L1 || primitive == "radio_cluster"_L1 ||
             primitive == "dialog"_L1)) {
            const bool vertical = isVertical(tile);
            const bool across = value.text == "left"_L1 || value.text == "right"_L1;
            if (vertical != across)
                warn(value.where, "alignment",
                     QStringLiteral("children_alignment %1 means nothing in a %2; use %3")
                         .arg(value.text, tile.kind,
                              vertical ? QStringLiteral("left, right or centered")
                                       : QStringLiteral("top, bottom or centered")));
        }
        if (name == "key"_L1) {
            const bool awkward = std::any_of(value.text.begin(), value.text.end(), [](QChar c) {
                return c == u' ' || c == u'"' || c == u'\t';
            });
            if (value.text.isEmpty() || awkward)
                warn(value.where, "key-format",
                     QStringLiteral("the key \"%1\" is empty or holds a blank or a quote; "
                                    "programs cannot name it reliably")
                         .arg(value.text));
        }
        if (name == "value"_L1)
            checkValue(tile, attribute);
        if (name == "tabs"_L1) {
            for (const QString &stop : value.text.split(u' ', Qt::SkipEmptyParts)) {
                bool ok = false;
                stop.toDouble(&ok);
                if (!ok) {
                    warn(value.where, "value-format",
                         QStringLiteral("tabs holds numbers separated by blanks"));
                    break;
                }
            }
        }
        if ((name == "mnemonic"_L1 || name == "password_char"_L1) && value.text.size() != 1)
            warn(value.where, "value-format", QStringLiteral("%1 is one character").arg(name));
        if (name == "mnemonic"_L1 && value.text.size() == 1 &&
            !tile.value(QStringLiteral("label")).contains(value.text))
            warn(value.where, "mnemonic",
                 QStringLiteral("the mnemonic %1 does not occur in the label (same case)")
                     .arg(value.text));
        int limit = 0;
        if (name == "edit_limit"_L1 && isWholeNumber(value.text, &limit) && limit > 256)
            warn(value.where, "value-range",
                 QStringLiteral("edit_limit is at most 256 in Autodesk's documents"));
    }

    void checkValue(const Tile &tile, const Attribute &attribute)
    {
        const Value &value = attribute.value;
        const QString &primitive = tile.primitive;
        if (primitive == "toggle"_L1 || primitive == "radio_button"_L1) {
            if (value.text != "0"_L1 && value.text != "1"_L1)
                warn(value.where, "value-format",
                     QStringLiteral("a %1's value is \"0\" or \"1\", not \"%2\"")
                         .arg(tile.kind, value.text));
        } else if (primitive == "slider"_L1) {
            if (!isWholeNumber(value.text))
                warn(value.where, "value-format",
                     QStringLiteral("a slider's value is a whole number"));
        } else if (primitive == "popup_list"_L1) {
            int index = -1;
            if (!value.text.isEmpty() && (!isWholeNumber(value.text, &index) || index < 0))
                warn(value.where, "value-format",
                     QStringLiteral("a popup_list's value is one index from 0"));
        } else if (primitive == "list_box"_L1) {
            const QStringList indices = value.text.split(u' ', Qt::SkipEmptyParts);
            int index = -1;
            const bool allIndices =
                std::all_of(indices.begin(), indices.end(), [&](const QString &s) {
                    return isWholeNumber(s, &index) && index >= 0;
                });
            if (!allIndices)
                warn(value.where, "value-format",
                     QStringLiteral("a list_box's value is indices from 0 separated by blanks"));
            else if (indices.size() > 1 && !tile.isTrue(QStringLiteral("multiple_select")))
                warn(value.where, "value-format",
                     QStringLiteral("a list_box without multiple_select selects one item"));
        }
    }

    // Rules over one dialog's whole tree, once walk() has seen every tile.
    void finishDialog(const DialogSeen &seen)
    {
        const Tile &dialog = *seen.dialog;
        for (const Diagnostic &d : seen.problems)
            add(d.severity, d.where, d.rule, d.message);
        if (!seen.exit)
            error(dialog.where, "exit",
                  QStringLiteral("dialog %1 has neither an OK nor a Cancel button (such as "
                                 "ok_cancel), so AutoCAD cannot close it")
                      .arg(dialog.name));
        if (const Attribute *focus = dialog.attribute(QStringLiteral("initial_focus")))
            if (!focus->where.isBuiltIn() && !seen.keyLines.contains(focus->value.text))
                warn(focus->value.where, "initial-focus",
                     QStringLiteral("initial_focus names \"%1\", which is no key of dialog %2")
                         .arg(focus->value.text, dialog.name));
    }

    void noteDialogTile(const Tile &tile, const Position &here, DialogSeen &seen)
    {
        const QString &dialogName = seen.dialog->name;
        const auto note = [&](const char *rule, const QString &message) {
            seen.problems.append({Severity::Warning, here, QLatin1String(rule), message});
        };
        if (const Attribute *key = tile.attribute(QStringLiteral("key"))) {
            const auto first = seen.keyLines.constFind(key->value.text);
            if (first != seen.keyLines.constEnd())
                note("duplicate-key",
                     QStringLiteral("the key \"%1\" is already used in dialog %2 at line %3")
                         .arg(key->value.text, dialogName)
                         .arg(*first));
            else
                seen.keyLines.insert(key->value.text, here.line);
        }
        if (tile.primitive == "button"_L1) {
            const bool isDefault = tile.isTrue(QStringLiteral("is_default"));
            const bool isCancel = tile.isTrue(QStringLiteral("is_cancel"));
            const QString key = tile.value(QStringLiteral("key"));
            if (isDefault || isCancel || key == "accept"_L1 || key == "cancel"_L1)
                seen.exit = true;
            if (isDefault && ++seen.defaults == 2)
                note("default-cancel",
                     QStringLiteral("a second button with is_default in dialog %1; only one "
                                    "can answer Enter")
                         .arg(dialogName));
            if (isCancel && ++seen.cancels == 2)
                note("default-cancel",
                     QStringLiteral("a second button with is_cancel in dialog %1; only one "
                                    "can answer Esc")
                         .arg(dialogName));
        }
    }

    const Document &m_document;
    Diagnostics m_found;
    QSet<QString> m_seen;
    bool m_truncated = false;
};

} // namespace

Diagnostics checkDocument(const Document &document)
{
    return Checker(document).run();
}

Diagnostics checkDclFile(const QString &path, const LoadOptions &options, QString *readError)
{
    const Document document = Document::load(path, options);
    if (!document.readError().isEmpty()) {
        *readError = document.readError();
        return {};
    }
    return checkDocument(document);
}

Diagnostics checkLisp(QStringView text, const QString &file)
{
    Diagnostics found;
    struct Open {
        int line;
        int column;
    };
    std::vector<Open> opens;
    // The outermost open form when a column-one (defun began inside it.
    std::optional<Open> suspect;
    int suspectBefore = 0;
    int line = 1;
    qsizetype lineStart = 0;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto column = [&](qsizetype at) { return int(at - lineStart) + 1; };
    auto report = [&](int l, int c, const char *rule, const QString &message) {
        found.append({Severity::Error, {file, l, c}, QLatin1String(rule), message});
    };
    while (pos < size) {
        const QChar c = text[pos];
        if (c == u'\n') {
            ++pos;
            ++line;
            lineStart = pos;
        } else if (c == u';' && pos + 1 < size && text[pos + 1] == u'|') {
            const int l = line;
            const int col = column(pos);
            pos += 2;
            bool closed = false;
            while (pos < size) {
                if (text[pos] == u'|' && pos + 1 < size && text[pos + 1] == u';') {
                    pos += 2;
                    closed = true;
                    break;
                }
                if (text[pos++] == u'\n') {
                    ++line;
                    lineStart = pos;
                }
            }
            if (!closed) {
                report(l, col, "syntax",
                       QStringLiteral("comment opened here with ;| is never "
                                      "closed with |;"));
                return found;
            }
        } else if (c == u';') {
            while (pos < size && text[pos] != u'\n')
                ++pos;
        } else if (c == u'"') {
            const int l = line;
            const int col = column(pos);
            ++pos;
            bool closed = false;
            while (pos < size) {
                const QChar s = text[pos];
                if (s == u'\\' && pos + 1 < size) {
                    if (text[pos + 1] == u'\n') {
                        ++line;
                        lineStart = pos + 2;
                    }
                    pos += 2;
                    continue;
                }
                ++pos;
                if (s == u'"') {
                    closed = true;
                    break;
                }
                if (s == u'\n') {
                    ++line;
                    lineStart = pos;
                }
            }
            if (!closed) {
                report(l, col, "syntax", QStringLiteral("string opened here is never closed"));
                return found;
            }
        } else if (c == u'(') {
            if (!opens.empty() && !suspect && column(pos) == 1 &&
                text.mid(pos + 1, 5).compare(u"defun", Qt::CaseInsensitive) == 0) {
                suspect = opens.front();
                suspectBefore = line;
            }
            opens.push_back({line, column(pos)});
            ++pos;
        } else if (c == u')') {
            if (opens.empty()) {
                if (found.size() < 100)
                    report(line, column(pos), "parenthesis",
                           QStringLiteral("')' here has no matching '('"));
            } else {
                opens.pop_back();
            }
            ++pos;
        } else {
            ++pos;
        }
    }
    if (!opens.empty()) {
        if (suspect)
            report(suspect->line, suspect->column, "parenthesis",
                   QStringLiteral("'(' opened here is never closed: the (defun at line %1 "
                                  "starts inside it")
                       .arg(suspectBefore));
        else
            report(opens.front().line, opens.front().column, "parenthesis",
                   QStringLiteral("'(' opened here is never closed (%1 unclosed in all)")
                       .arg(opens.size()));
    }
    return found;
}

Diagnostics checkLispFile(const QString &path, QString *readError)
{
    constexpr qint64 maxSize = 16 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *readError = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    if (file.size() > maxSize) {
        *readError = QStringLiteral("%1 is larger than the %2 bytes an AutoLISP file may have")
                         .arg(path)
                         .arg(maxSize);
        return {};
    }
    return checkLisp(decodeDclBytes(file.read(maxSize)), path);
}

} // namespace tw::dcl
