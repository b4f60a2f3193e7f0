#include "EditorTestSupport.h"
#include "highlight/AutoLispSyn.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>
#include <set>

namespace tw
{
namespace
{

using namespace tw::test;
using S = QsciScintillaBase;

constexpr auto None = Qt::NoModifier;
constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;

// Lines 0, 1, 2 and the empty line 3 start at 0, 19, 34 and 40.
const QStringList Lines{"(setq abc-def 12)", "  (foo [bar])", "last"};
const QString Original = "(setq abc-def 12)\r\n  (foo [bar])\r\nlast\r\n";

struct TKeyCase {
    const char *Name;
    long Anchor, Caret;
    std::vector<TStep> Steps;
    QString Text; // expected text; empty for unchanged
    long ExpectedAnchor, ExpectedCaret;
};

QString Replaced(int at, int length, const QString &with)
{
    return QString(Original).replace(at, length, with);
}

std::vector<TKeyCase> KeyCases()
{
    std::vector<TKeyCase> cases = {
        {"Up", 21, 21, {K(Qt::Key_Up)}, {}, 2, 2},
        {"Down", 2, 2, {K(Qt::Key_Down)}, {}, 21, 21},
        {"Left", 5, 5, {K(Qt::Key_Left)}, {}, 4, 4},
        {"Right", 5, 5, {K(Qt::Key_Right)}, {}, 6, 6},
        {"PageUp", 36, 36, {K(Qt::Key_PageUp)}, {}, 2, 2},
        {"PageDown", 2, 2, {K(Qt::Key_PageDown)}, {}, 40, 40},
        {"Home", 25, 25, {K(Qt::Key_Home)}, {}, 19, 19},
        {"End", 21, 21, {K(Qt::Key_End)}, {}, 32, 32},
        {"ShiftUp", 21, 21, {K(Shift, Qt::Key_Up)}, {}, 21, 2},
        {"ShiftDown", 2, 2, {K(Shift, Qt::Key_Down)}, {}, 2, 21},
        {"ShiftLeft", 5, 5, {K(Shift, Qt::Key_Left)}, {}, 5, 4},
        {"ShiftRight", 5, 5, {K(Shift, Qt::Key_Right)}, {}, 5, 6},
        {"ShiftPageUp", 36, 36, {K(Shift, Qt::Key_PageUp)}, {}, 36, 2},
        {"ShiftPageDown", 2, 2, {K(Shift, Qt::Key_PageDown)}, {}, 2, 40},
        {"ShiftHome", 25, 25, {K(Shift, Qt::Key_Home)}, {}, 25, 19},
        {"ShiftEnd", 21, 21, {K(Shift, Qt::Key_End)}, {}, 21, 32},
        // Tab stops are 8 columns apart; back-tab goes to the one before.
        // The whole text fits the window, so scrolling leaves the caret.
        {"CtrlUp", 21, 21, {K(Ctrl, Qt::Key_Up)}, {}, 21, 21},
        {"CtrlDown", 21, 21, {K(Ctrl, Qt::Key_Down)}, {}, 21, 21},
        // "-" is a word character of the highlighter, so abc-def is one word.
        {"CtrlLeft", 13, 13, {K(Ctrl, Qt::Key_Left)}, {}, 6, 6},
        {"CtrlRight", 6, 6, {K(Ctrl, Qt::Key_Right)}, {}, 14, 14},
        {"CtrlShiftLeft", 13, 13, {K(Ctrl | Shift, Qt::Key_Left)}, {}, 13, 6},
        {"CtrlShiftRight", 6, 6, {K(Ctrl | Shift, Qt::Key_Right)}, {}, 6, 14},
        {"CtrlPageUp", 36, 36, {K(Ctrl, Qt::Key_PageUp)}, {}, 2, 2},
        {"CtrlPageDown", 2, 2, {K(Ctrl, Qt::Key_PageDown)}, {}, 40, 40},
        {"CtrlShiftPageUp", 36, 36, {K(Ctrl | Shift, Qt::Key_PageUp)}, {}, 36, 2},
        {"CtrlShiftPageDown", 2, 2, {K(Ctrl | Shift, Qt::Key_PageDown)}, {}, 2, 40},
        {"CtrlHome", 21, 21, {K(Ctrl, Qt::Key_Home)}, {}, 0, 0},
        {"CtrlEnd", 21, 21, {K(Ctrl, Qt::Key_End)}, {}, 40, 40},
        {"CtrlShiftHome", 21, 21, {K(Ctrl | Shift, Qt::Key_Home)}, {}, 21, 0},
        {"CtrlShiftEnd", 21, 21, {K(Ctrl | Shift, Qt::Key_End)}, {}, 21, 40},
        {"InsertThenType", 1, 1, {K(Qt::Key_Insert), T("X")}, Replaced(1, 1, "X"), 2, 2},
        {"CtrlInsertShiftInsert",
         1,
         5,
         {K(Ctrl, Qt::Key_Insert), K(Ctrl, Qt::Key_End), K(Shift, Qt::Key_Insert)},
         Original + "setq",
         44,
         44},
        {"CtrlCCtrlV",
         1,
         5,
         {K(Ctrl, Qt::Key_C), K(Ctrl, Qt::Key_End), K(Ctrl, Qt::Key_V)},
         Original + "setq",
         44,
         44},
        {"ShiftDelete",
         1,
         5,
         {K(Shift, Qt::Key_Delete), K(Ctrl, Qt::Key_End), K(Ctrl, Qt::Key_V)},
         Replaced(1, 4, "") + "setq",
         40,
         40},
        {"CtrlX",
         1,
         5,
         {K(Ctrl, Qt::Key_X), K(Ctrl, Qt::Key_End), K(Ctrl, Qt::Key_V)},
         Replaced(1, 4, "") + "setq",
         40,
         40},
        {"Delete", 0, 0, {K(Qt::Key_Delete)}, Replaced(0, 1, ""), 0, 0},
        {"Backspace", 1, 1, {K(Qt::Key_Backspace)}, Replaced(0, 1, ""), 0, 0},
        {"ShiftBackspace", 1, 1, {K(Shift, Qt::Key_Backspace)}, Replaced(0, 1, ""), 0, 0},
        {"CtrlBackspace", 13, 13, {K(Ctrl, Qt::Key_Backspace)}, Replaced(6, 7, ""), 6, 6},
        {"AltBackspace", 1, 1, {T("X"), K(Alt, Qt::Key_Backspace)}, {}, 1, 1},
        {"CtrlZ", 1, 1, {T("X"), K(Ctrl, Qt::Key_Z)}, {}, 1, 1},
        {"ShiftAltBackspace",
         1,
         1,
         {T("X"), K(Ctrl, Qt::Key_Z), K(Shift | Alt, Qt::Key_Backspace)},
         Replaced(1, 0, "X"),
         2,
         2},
        {"CtrlShiftZ",
         1,
         1,
         {T("X"), K(Ctrl, Qt::Key_Z), K(Ctrl | Shift, Qt::Key_Z)},
         Replaced(1, 0, "X"),
         2,
         2},
        {"Enter", 5, 5, {K(Qt::Key_Return)}, Replaced(5, 0, "\r\n"), 7, 7},
        {"CtrlM", 5, 5, {K(Ctrl, Qt::Key_M)}, Replaced(5, 0, "\r\n"), 7, 7},
        {"CtrlN", 5, 5, {K(Ctrl, Qt::Key_N)}, Replaced(5, 0, "\r\n"), 5, 5},
        {"CtrlA", 5, 5, {K(Ctrl, Qt::Key_A)}, {}, 0, 40},
        {"CtrlT", 6, 6, {K(Ctrl, Qt::Key_T)}, Replaced(6, 8, ""), 6, 6},
        {"CtrlY", 21, 21, {K(Ctrl, Qt::Key_Y)}, Replaced(19, 15, ""), 19, 19},
        {"CtrlShiftY", 22, 22, {K(Ctrl | Shift, Qt::Key_Y)}, Replaced(22, 10, ""), 22, 22},
        {"CtrlShiftI", 21, 21, {K(Ctrl | Shift, Qt::Key_I)}, Replaced(19, 0, "  "), 23, 23},
        {"CtrlShiftIBlock",
         0,
         21,
         {K(Ctrl | Shift, Qt::Key_I)},
         "  (setq abc-def 12)\r\n    (foo [bar])\r\nlast\r\n",
         0,
         25},
        {"CtrlShiftU", 21, 21, {K(Ctrl | Shift, Qt::Key_U)}, Replaced(19, 2, ""), 19, 19},
        {"Tab", 0, 0, {K(Qt::Key_Tab)}, Replaced(0, 0, "\t"), 1, 1},
        {"ShiftTab", 21, 21, {K(Shift, Qt::Key_Tab)}, {}, 19, 19},
        {"CtrlShiftB", 0, 0, {K(Ctrl | Shift, Qt::Key_B)}, {}, 16, 16},
        {"CtrlShiftBInner", 30, 30, {K(Ctrl | Shift, Qt::Key_B)}, {}, 26, 26},
        // Line selection takes whole lines; normal selection takes it back.
        {"CtrlShiftL", 2, 2, {K(Ctrl | Shift, Qt::Key_L), K(Shift, Qt::Key_Down)}, {}, 0, 34},
        {"CtrlShiftC",
         2,
         2,
         {K(Ctrl | Shift, Qt::Key_C), K(Ctrl | Shift, Qt::Key_N), K(Shift, Qt::Key_Right)},
         {},
         2,
         3},
        {"CtrlShiftN",
         2,
         2,
         {K(Ctrl | Shift, Qt::Key_L), K(Ctrl | Shift, Qt::Key_N), K(Shift, Qt::Key_Down)},
         {},
         2,
         21},
    };
    // Each bookmark: set it on line 1, go to the top, jump back to it.
    for (int digit = 0; digit <= 9; ++digit) {
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit);
        cases.push_back({"Bookmark",
                         23,
                         23,
                         {K(Ctrl | Shift, key), K(Ctrl, Qt::Key_Home), K(Ctrl, key)},
                         {},
                         23,
                         23});
    }
    return cases;
}

class KeyBindingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor.resize(600, 400);
        editor.SetHighlighter(&lisp);
        editor.show();
        editor.SetLines(Lines);
        editor.setFocus();
    }

    TAutoLispSyn lisp;
    TSynEdit editor;
};

TEST_F(KeyBindingTest, EveryKeyOfTheTableDoesItsCommand)
{
    for (const TKeyCase &c : KeyCases()) {
        SCOPED_TRACE(c.Name);
        editor.SetLines(Lines);
        editor.SetModified(false);
        Select(editor, c.Anchor, c.Caret);
        Press(&editor, c.Steps);
        EXPECT_EQ(DocText(editor), c.Text.isEmpty() ? Original : c.Text);
        EXPECT_EQ(editor.AnchorPos(), c.ExpectedAnchor);
        EXPECT_EQ(editor.CaretPos(), c.ExpectedCaret);
        if (editor.overwriteMode())
            editor.ExecuteCommand(TEditorCommand::ecToggleMode);
        editor.ExecuteCommand(TEditorCommand::ecNormalSelect);
    }
}

TEST_F(KeyBindingTest, TheCasesPressEveryKeyOfTheTable)
{
    std::set<int> pressed;
    for (const TKeyCase &c : KeyCases())
        for (const TStep &step : c.Steps)
            if (step.Text.isEmpty())
                pressed.insert(step.Keys.toCombined());
    for (const TKeyBinding &binding : DefaultKeyBindings()) {
        if (binding.Keys.key() == Qt::Key_Enter || binding.Keys.key() == Qt::Key_Backtab)
            continue; // keypad Enter and back-tab are the same commands again
        EXPECT_TRUE(pressed.count(binding.Keys.toCombined()))
            << QKeySequence(binding.Keys).toString().toStdString();
    }
}

TEST_F(KeyBindingTest, ColumnSelectionSelectsARectangle)
{
    Select(editor, 2, 2);
    Press(&editor, {K(Ctrl | Shift, Qt::Key_C), K(Shift, Qt::Key_Down), K(Shift, Qt::Key_Right),
                    K(Shift, Qt::Key_Right)});
    EXPECT_EQ(editor.SendScintilla(S::SCI_SELECTIONISRECTANGLE), 1);
    EXPECT_EQ(editor.SendScintilla(S::SCI_GETSELECTIONS), 2);
    EXPECT_EQ(editor.selectedText(), "et\r\n(f\r\n");
}

TEST_F(KeyBindingTest, SettingABookmarkOnItsOwnLineClearsIt)
{
    Select(editor, 21, 21);
    Press(&editor, {K(Ctrl | Shift, Qt::Key_4)});
    EXPECT_EQ(editor.BookmarkLine(4), 1);
    Press(&editor, {K(Ctrl | Shift, Qt::Key_4)});
    EXPECT_EQ(editor.BookmarkLine(4), -1);
    Select(editor, 0, 0);
    Press(&editor, {K(Ctrl, Qt::Key_4)});
    EXPECT_EQ(editor.CaretPos(), 0);
}

TEST_F(KeyBindingTest, ABookmarkFollowsItsLineWhenLinesAreInsertedAbove)
{
    Select(editor, 36, 36);
    Press(&editor, {K(Ctrl | Shift, Qt::Key_7), K(Ctrl, Qt::Key_Home), K(Qt::Key_Return),
                    K(Ctrl, Qt::Key_7)});
    EXPECT_EQ(editor.BookmarkLine(7), 3);
    EXPECT_EQ(editor.CaretPos(), 38);
}

TEST_F(KeyBindingTest, ScrollKeysMoveTheViewOfALongText)
{
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QStringLiteral("line %1").arg(i);
    editor.SetLines(many);
    Press(&editor, {K(Ctrl, Qt::Key_Down), K(Ctrl, Qt::Key_Down)});
    EXPECT_EQ(editor.SendScintilla(S::SCI_GETFIRSTVISIBLELINE), 2);
    Press(&editor, {K(Ctrl, Qt::Key_Up)});
    EXPECT_EQ(editor.SendScintilla(S::SCI_GETFIRSTVISIBLELINE), 1);
}

TEST_F(KeyBindingTest, PageBottomGoesToTheLastVisibleLine)
{
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QStringLiteral("line %1").arg(i);
    editor.SetLines(many);
    const long shown = editor.SendScintilla(S::SCI_LINESONSCREEN);
    ASSERT_GT(shown, 3);
    Press(&editor, {K(Ctrl, Qt::Key_PageDown)});
    EXPECT_EQ(editor.SendScintilla(S::SCI_LINEFROMPOSITION, editor.CaretPos()), shown - 1);
    Press(&editor, {K(Qt::Key_Down), K(Ctrl, Qt::Key_PageUp)});
    EXPECT_EQ(editor.SendScintilla(S::SCI_LINEFROMPOSITION, editor.CaretPos()),
              editor.SendScintilla(S::SCI_GETFIRSTVISIBLELINE));
}

TEST_F(KeyBindingTest, ReadOnlyTextIgnoresEditingKeys)
{
    editor.setReadOnly(true);
    Select(editor, 21, 21);
    Press(&editor, {T("abc"), K(Qt::Key_Delete), K(Ctrl, Qt::Key_N), K(Ctrl | Shift, Qt::Key_I),
                    K(Qt::Key_Return)});
    EXPECT_EQ(DocText(editor), Original);
}

} // namespace
} // namespace tw
