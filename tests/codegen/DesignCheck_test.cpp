#include "codegen/DesignCheck.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

// A tile in text form: `kind` named `name` at `top`, with `extra` property lines.
QByteArray tile(const char *kind, const char *name, int top, const QByteArray &extra = {})
{
    const QByteArray caption =
        qstrcmp(kind, "TDCLScrollBar") ? QByteArray("    Caption = '") + name + "'\n" : "";
    return QByteArray("  object ") + name + ": " + kind + "\n    Top = " + QByteArray::number(top) +
           "\n    Height = 20\n    Width = 80\n" + caption + "    Key = '" + name + "'\n" + extra +
           "  end\n";
}

// "rule:TileName" of each problem, in order.
QString summary(const DesignProblems &problems)
{
    QStringList parts;
    for (const DesignProblem &problem : problems)
        parts << problem.rule + QLatin1Char(':') + (problem.tile ? problem.tile->name() : "-");
    return parts.join(QLatin1Char(' '));
}

struct Case {
    const char *what;
    QByteArray dialog; // property lines of the dialog tile
    QByteArray tiles;
    const char *expected;
};

TEST(DesignCheck, EachRuleHasADesignThatBreaksItAndOneThatDoesNot)
{
    const QByteArray ok = tile("TDCLButton", "B1", 0);
    const Case cases[] = {
        {"clean", "", ok, ""},
        {"duplicate key", "", ok + tile("TDCLButton", "B2", 30, "    Key = 'B1'\n"),
         "duplicate-key:B2"},
        {"key with a blank", "", tile("TDCLButton", "B1", 0, "    Key = 'my key'\n"),
         "key-format:B1"},
        {"key with a quote", "", tile("TDCLEdit", "E1", 0, "    Key = 'a\"b'\n"), "key-format:E1"},
        {"key of a blank", "", tile("TDCLButton", "B1", 0, "    Key = ' '\n"), "key-format:B1"},
        {"variable not a symbol", "", tile("TDCLEdit", "E1", 0, "    LinkToVar = 'my var'\n"),
         "lisp-symbol:E1"},
        {"variable a symbol", "", tile("TDCLEdit", "E1", 0, "    LinkToVar = 'my-var*'\n"), ""},
        {"action in parentheses", "", tile("TDCLButton", "B1", 0, "    DCL_Action = '(go)'\n"),
         "lisp-symbol:B1"},
        {"action a number", "", tile("TDCLButton", "B1", 0, "    DCL_Action = '12'\n"),
         "lisp-symbol:B1"},
        {"action with arguments", "",
         tile("TDCLButton", "B1", 0, "    DCL_Action = ' OnGo (a / b) '\n"), ""},
        {"no exit", "  Retirement_Button = errtile\n", ok, "exit:DCLPanelBasic"},
        {"exit by a default button", "  Retirement_Button = errtile\n",
         tile("TDCLButton", "B1", 0, "    Default = True\n"), ""},
        {"exit by a cancel key", "  Retirement_Button = errtile\n",
         tile("TDCLButton", "B1", 0, "    Key = 'cancel'\n"), ""},
        {"dialog name with a blank", "  DialogName = 'my dialog'\n", ok,
         "dialog-name:DCLPanelBasic"},
        {"dialog name starting with a digit", "  DialogName = '1st'\n", ok,
         "dialog-name:DCLPanelBasic"},
        {"empty dialog name", "  DialogName = ''\n", ok, ""},
        {"radio buttons split by a button", "",
         tile("TDCLRadio", "R1", 0) + tile("TDCLButton", "B1", 30) + tile("TDCLRadio", "R2", 60),
         "radio-split:DCLPanelBasic"},
        {"radio buttons together", "",
         tile("TDCLRadio", "R1", 0) + tile("TDCLRadio", "R2", 30) + tile("TDCLButton", "B1", 60),
         ""},
        // From the DCL checker, placed on the tile whose block holds the line: a slider whose
        // range is upside down and whose value lies outside it.
        {"generated DCL problem", "",
         ok + tile("TDCLScrollBar", "S1", 30, "    Max = 10\n    Min = 20\n    Position = 20\n"),
         "value-range:S1 value-range:S1"},
    };
    for (const Case &c : cases) {
        QByteArray text = "object DCLPanelBasic: TDCLPanel\n  Width = 300\n  Height = 300\n"
                          "  DialogName = 'dlg'\n" +
                          c.dialog + c.tiles + "end\n";
        TDesignRoot root;
        root.load(readTextForm(text));
        ASSERT_NE(root.dialogTile(), nullptr) << c.what;
        const QString before = root.dialogTile()->dialogName();
        EXPECT_EQ(summary(CheckDesign(root.dialogTile())).toStdString(), std::string(c.expected))
            << c.what;
        EXPECT_EQ(root.dialogTile()->dialogName(), before) << c.what;
    }
}

} // namespace
} // namespace tw
