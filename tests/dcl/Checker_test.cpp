#include "dcl/Checker.h"

#include <gtest/gtest.h>

using namespace tw::dcl;

namespace
{

// A text whose '^' marks where the one expected problem is; the marker is removed.
struct Marked {
    QString text;
    int line = 0;
    int column = 0;
};

Marked mark(const QString &source)
{
    Marked marked;
    const qsizetype at = source.indexOf(u'^');
    marked.text = source;
    if (at < 0)
        return marked;
    marked.text.remove(at, 1);
    const QString before = source.left(at);
    marked.line = int(before.count(u'\n')) + 1;
    marked.column = int(at - (before.lastIndexOf(u'\n') + 1)) + 1;
    return marked;
}

// A dialog holding `body` (from line 2) and the standard OK and Cancel buttons.
QString dialog(const char *body)
{
    return QStringLiteral("d : dialog {\n%1\nok_cancel;\n}\n").arg(QString::fromUtf8(body));
}

Diagnostics check(const QString &text)
{
    return checkDocument(Document::fromText(text, QStringLiteral("t.dcl")));
}

QString list(const Diagnostics &diagnostics)
{
    QStringList lines;
    for (const Diagnostic &d : diagnostics)
        lines << QStringLiteral("[%1] %2").arg(d.rule, formatDiagnostic(d));
    return lines.join(u'\n');
}

struct RuleCase {
    const char *rule;
    Severity severity;
    QString broken; // '^' marks the problem
    QString clean;  // the same thing done right: no problem at all
};

TEST(DclChecker, EachRuleFiresOnItsBreachAndStaysQuietOtherwise)
{
    const Severity E = Severity::Error;
    const Severity W = Severity::Warning;
    const RuleCase cases[] = {
        {"exit", E, QStringLiteral("^d : dialog { : text { label = \"x\"; } }"),
         QStringLiteral("d : dialog { ok_only; }")},
        {"exit", E, QStringLiteral("^d : dialog { : button { key = \"go\"; label = \"Go\"; } }"),
         QStringLiteral("d : dialog { : button { key = \"go\"; label = \"Go\"; is_cancel = true; "
                        "} }")},
        {"default-cancel", W,
         QStringLiteral("d : dialog {\n : button { key = \"b\"; label = \"B\"; is_default = true; "
                        "}\n^ok_cancel;\n}"),
         dialog(" : button { key = \"b\"; label = \"B\"; is_default = false; }")},
        {"duplicate-key", W,
         dialog(" : toggle { key = \"t\"; label = \"A\"; }\n ^: toggle { key = \"t\"; label = "
                "\"B\"; }"),
         dialog(" : toggle { key = \"t\"; label = \"A\"; }\n : toggle { key = \"u\"; label = "
                "\"B\"; }")},
        {"duplicate-key", W,
         QStringLiteral("d : dialog { : toggle { key = \"accept\"; label = \"A\"; }\n^ok_only; }"),
         QStringLiteral("d : dialog { ok_cancel; }")},
        {"key-format", W, dialog(" : toggle { key = ^\"a b\"; label = \"A\"; }"),
         dialog(" : toggle { key = \"a_b\"; label = \"A\"; }")},
        {"missing-key", W, dialog(" ^: toggle { label = \"A\"; }"),
         dialog(" : toggle { key = \"a\"; label = \"A\"; }")},
        {"radio-outside", E, dialog(" : row { ^: radio_button { key = \"r\"; label = \"R\"; } }"),
         dialog(" : radio_row { : radio_button { key = \"r\"; label = \"R\"; } }")},
        {"radio-outside", E,
         QStringLiteral("pair : column { ^: radio_button { key = \"r\"; label = \"R\"; } }"),
         QStringLiteral("pair : radio_column { : radio_button { key = \"r\"; label = \"R\"; } "
                        "}")},
        {"radio-cluster-content", W,
         dialog(" : radio_row { : radio_button { key = \"r\"; label = \"R\"; } ^: toggle { key "
                "= \"t\"; label = \"T\"; } }"),
         dialog(" : radio_row { : radio_button { key = \"r\"; label = \"R\"; } spacer_1; }")},
        {"value-type", E,
         dialog(" : toggle { key = \"t\"; label = \"T\"; is_enabled = ^\"false\"; }"),
         dialog(" : toggle { key = \"t\"; label = \"T\"; is_enabled = false; }")},
        {"value-type", E, dialog(" : text { label = ^Hello; }"),
         dialog(" : text { label = \"Hello\"; }")},
        {"value-type", E, dialog(" : text { label = \"x\"; width = ^\"10\"; }"),
         dialog(" : text { label = \"x\"; width = 10; }")},
        {"integer-value", W, dialog(" : edit_box { key = \"e\"; edit_limit = ^12.5; }"),
         dialog(" : edit_box { key = \"e\"; edit_limit = 12; }")},
        {"reserved-word-case", W, dialog(" : text { label = \"x\"; is_bold = ^True; }"),
         dialog(" : text { label = \"x\"; is_bold = true; }")},
        {"reserved-word-case", W, dialog(" : text { label = \"x\"; alignment = ^Centered; }"),
         dialog(" : text { label = \"x\"; alignment = centered; }")},
        {"enum-value", W, dialog(" : text { label = \"x\"; alignment = ^center; }"),
         dialog(" : text { label = \"x\"; alignment = right; }")},
        {"enum-value", W, dialog(" : image { key = \"i\"; width = 4; height = 2; color = ^pink; }"),
         dialog(" : image { key = \"i\"; width = 4; height = 2; color = graphics_background; }")},
        {"value-format", W, dialog(" : toggle { key = \"t\"; label = \"T\"; value = ^\"yes\"; }"),
         dialog(" : toggle { key = \"t\"; label = \"T\"; value = \"1\"; }")},
        {"value-format", W,
         dialog(" : popup_list { key = \"p\"; list = \"a\\nb\"; value = ^\"1 2\"; }"),
         dialog(" : popup_list { key = \"p\"; list = \"a\\nb\"; value = \"1\"; }")},
        {"value-format", W, dialog(" : list_box { key = \"l\"; value = ^\"0 1\"; }"),
         dialog(" : list_box { key = \"l\"; value = \"0 1\"; multiple_select = true; }")},
        {"value-format", W, dialog(" : edit_box { key = \"e\"; password_char = ^\"**\"; }"),
         dialog(" : edit_box { key = \"e\"; password_char = \"*\"; }")},
        {"value-range", W, dialog(" : slider { key = \"s\"; max_value = ^40000; }"),
         dialog(" : slider { key = \"s\"; max_value = 30000; }")},
        {"value-range", W,
         dialog(" : slider { key = \"s\"; min_value = 1; max_value = 9; value = ^\"12\"; }"),
         dialog(" : slider { key = \"s\"; min_value = 1; max_value = 9; value = \"2\"; }")},
        {"value-range", W, dialog(" : edit_box { key = \"e\"; edit_limit = ^1024; }"),
         dialog(" : edit_box { key = \"e\"; edit_limit = 256; }")},
        {"mnemonic", W, dialog(" : button { key = \"b\"; label = \"Go\"; mnemonic = ^\"g\"; }"),
         dialog(" : button { key = \"b\"; label = \"Go\"; mnemonic = \"G\"; }")},
        {"unknown-attribute", W, dialog(" : text { label = \"x\"; ^Width = 3; }"),
         dialog(" : text { label = \"x\"; width = 3; }")},
        {"unknown-attribute", W, dialog(" : text { label = \"x\"; ^bcad_width = 3; }"),
         dialog(" : text { label = \"x\"; }")},
        {"ignored-attribute", W, dialog(" : text { label = \"x\"; ^allow_accept = true; }"),
         dialog(" : list_box { key = \"l\"; allow_accept = true; }")},
        {"restricted-attribute", W, dialog(" : text { label = \"x\"; ^horizontal_margin = none; }"),
         dialog(" : text_part { label = \"x\"; }")},
        {"alignment", W, dialog(" : text { label = \"x\"; alignment = ^top; }"),
         dialog(" : text { label = \"x\"; alignment = right; }")},
        {"alignment", W,
         dialog(" : row { : button { key = \"b\"; label = \"B\"; alignment = ^left; } }"),
         dialog(" : row { : button { key = \"b\"; label = \"B\"; alignment = bottom; } }")},
        {"alignment", W,
         dialog(" : row { children_alignment = ^right; : text { label = \"x\"; } }"),
         dialog(" : column { children_alignment = right; : text { label = \"x\"; } }")},
        {"cluster-label", W, dialog(" : row { ^label = \"Pair\"; : text { label = \"x\"; } }"),
         dialog(" : boxed_row { label = \"Pair\"; : text { label = \"x\"; } }")},
        {"image-size", W, dialog(" ^: image_button { key = \"i\"; width = 4; }"),
         dialog(" : image_button { key = \"i\"; width = 4; aspect_ratio = 0.5; }")},
        {"text-size", W, dialog(" ^: text { key = \"t\"; }"),
         dialog(" : text { key = \"t\"; width = 20; }")},
        {"initial-focus", W, QStringLiteral("d : dialog { initial_focus = ^\"nope\"; ok_cancel; }"),
         QStringLiteral("d : dialog { initial_focus = \"accept\"; ok_cancel; }")},
    };
    for (const RuleCase &c : cases) {
        const Marked broken = mark(c.broken);
        const Diagnostics found = check(broken.text);
        ASSERT_EQ(found.size(), 1) << c.rule << "\n" << list(found).toStdString();
        EXPECT_EQ(found[0].rule, QLatin1String(c.rule)) << list(found).toStdString();
        EXPECT_EQ(found[0].severity, c.severity) << c.rule;
        EXPECT_EQ(found[0].where, (Position{QStringLiteral("t.dcl"), broken.line, broken.column}))
            << c.rule << "\n"
            << list(found).toStdString();
        const Diagnostics clean = check(c.clean);
        EXPECT_TRUE(clean.isEmpty()) << c.rule << " clean:\n" << list(clean).toStdString();
    }
}

TEST(DclChecker, ProblemsOfAPrototypeAreReportedOnceWhereTheyAreWritten)
{
    const Diagnostics found =
        check(QStringLiteral("// a prototype used twice\n"
                             "pick : toggle { is_bold = true; }\n"
                             "d : dialog {\n"
                             "  : pick { key = \"a\"; label = \"A\"; }\n"
                             "  : pick { key = \"b\"; label = \"B\"; }\n"
                             "  : pick { key = \"a\"; label = \"C\"; value = \"2\"; }\n"
                             "}\n"));
    EXPECT_EQ(list(found).toStdString(),
              std::string("[ignored-attribute] t.dcl:2:17: warning: is_bold means nothing "
                          "on a toggle\n"
                          "[exit] t.dcl:3:1: error: dialog d has neither an OK nor a Cancel "
                          "button (such as ok_cancel), so AutoCAD cannot close it\n"
                          "[duplicate-key] t.dcl:6:3: warning: the key \"a\" is already "
                          "used in dialog d at line 4\n"
                          "[value-format] t.dcl:6:44: warning: a toggle's value is \"0\" or "
                          "\"1\", not \"2\""));
}

TEST(DclChecker, AFloodOfProblemsIsCutShortAndSaysSo)
{
    const Diagnostics found =
        check(QStringLiteral("d : dialog { ok_only; }") + QString(5000, u';'));
    ASSERT_EQ(found.size(), kMaxDiagnostics + 1);
    EXPECT_EQ(found.back().rule, QStringLiteral("limit"));
    EXPECT_EQ(found.back().severity, Severity::Error);
    EXPECT_EQ(found.back().message,
              QStringLiteral("more than 1000 problems were found; only the first are listed"));
}

TEST(DclChecker, AutoLispBalanceIsCheckedWhereTheUnmatchedOneOpened)
{
    const struct {
        const char *text;
        const char *message; // empty for a clean text
    } cases[] = {
        {"(defun f () (princ \"a)\")) ; comment )\n", ""},
        {";| block ( \n |; (setq a 1)\n", ""},
        {"(setq s \"esc \\\" (\")\n", ""},
        {"(setq s \"two\nlines\")", ""},
        {"^(defun f ()\n  (princ 1)\n", "'(' opened here is never closed (1 unclosed in all)"},
        {"(setq a 1)^)\n", "')' here has no matching '('"},
        {"(setq s ^\"abc)\n", "string opened here is never closed"},
        {"(princ)\n^;| never\n", "comment opened here with ;| is never closed with |;"},
        {"(defun a () 1)\n^(defun b ()\n  (if x (princ)\n)\n(defun c () 1)\n",
         "'(' opened here is never closed: the (defun at line 5 starts inside it"},
    };
    for (const auto &c : cases) {
        const Marked marked = mark(QString::fromUtf8(c.text));
        const Diagnostics found = checkLisp(marked.text, QStringLiteral("f.lsp"));
        if (!*c.message) {
            EXPECT_TRUE(found.isEmpty()) << c.text << list(found).toStdString();
            continue;
        }
        ASSERT_EQ(found.size(), 1) << c.text;
        EXPECT_EQ(found[0].severity, Severity::Error);
        EXPECT_EQ(found[0].where, (Position{QStringLiteral("f.lsp"), marked.line, marked.column}))
            << c.text;
        EXPECT_EQ(found[0].message, QString::fromUtf8(c.message));
    }
}

} // namespace
