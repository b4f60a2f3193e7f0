#include "EditorTestSupport.h"
#include "editctl/SynCompletionProposal.h"
#include "highlight/AutoLispSyn.h"
#include "highlight/DCLSyn.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using namespace tw::test;

constexpr auto Ctrl = Qt::ControlModifier;

QStringList ToStrings(std::span<const std::string_view> words)
{
    QStringList list;
    for (std::string_view word : words)
        list << QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    return list;
}

// First entry that begins with `prefix` (exact case), in list order.
int FirstStartingWith(const QStringList &list, const QString &prefix)
{
    for (int i = 0; i < list.size(); ++i)
        if (list[i].startsWith(prefix, Qt::CaseSensitive))
            return i;
    return -1;
}

class CompletionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        words = ToStrings(AutoLispWordList());
        completion.SetItemList(words);
        completion.SetEditor(&editor);
        editor.SetHighlighter(&lisp);
        editor.resize(600, 400);
        editor.show();
        editor.setFocus();
    }

    void Open(const QString &typed)
    {
        if (!typed.isEmpty())
            Press(&editor, {T(typed)});
        Press(&editor, {K(Ctrl, Qt::Key_Space)});
        ASSERT_TRUE(completion.IsActive());
    }

    TAutoLispSyn lisp;
    TDCLSyn dcl;
    TSynEdit editor;
    TSynCompletionProposal completion;
    QStringList words;
};

TEST_F(CompletionTest, CtrlSpaceShowsTheWholeListInStoredOrder)
{
    Open("(");
    QListWidget *list = completion.ListWidget();
    ASSERT_NE(list, nullptr);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    EXPECT_EQ(shown, words);
    EXPECT_EQ(list->width(), 262);
    EXPECT_EQ(list->palette().color(QPalette::Highlight), QColor(255, 255, 170));
}

TEST_F(CompletionTest, SelectionFollowsTheTypedPrefixWithExactCase)
{
    struct Case {
        const char *Typed;
        const char *Word;
    };
    const Case cases[] = {
        {"(se", "se"},        {"(foo.st", "st"},       {"[vl-s", "vl-s"},
        {"a)get_t", "get_t"}, {"x\tvlax-c", "vlax-c"}, {"(car (cd", "cd"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Typed);
        editor.setText(c.Typed);
        editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        Open("");
        EXPECT_EQ(completion.CurrentWord(), QByteArray(c.Word));
        EXPECT_EQ(completion.SelectedIndex(), FirstStartingWith(words, c.Word));
        Press(&editor, {K(Qt::Key_Escape)});
    }
}

TEST_F(CompletionTest, TypingExtendsTheWordAndBackspaceShortensIt)
{
    Open("(s");
    Press(&editor, {T("etq")});
    EXPECT_TRUE(completion.IsActive());
    EXPECT_EQ(completion.SelectedIndex(), FirstStartingWith(words, "setq"));
    Press(&editor, {K(Qt::Key_Backspace), K(Qt::Key_Backspace)});
    EXPECT_EQ(editor.text(), "(se");
    EXPECT_EQ(completion.SelectedIndex(), FirstStartingWith(words, "se"));
}

TEST_F(CompletionTest, UpperCaseDoesNotSelectLowerCaseEntries)
{
    Open("(SETQ");
    EXPECT_NE(completion.SelectedIndex(), FirstStartingWith(words, "setq"));
}

TEST_F(CompletionTest, EnterReplacesTheWordWithTheSelectedEntry)
{
    Open("(se");
    Press(&editor, {T("tq"), K(Qt::Key_Return)});
    EXPECT_FALSE(completion.IsActive());
    EXPECT_EQ(editor.text(), "(setq");
}

TEST_F(CompletionTest, AnEntryWithATrailingBlankInsertsTheBlank)
{
    editor.SetHighlighter(&dcl);
    completion.SetItemList(ToStrings(DCLWordList()));
    Open(": butt");
    Press(&editor, {K(Qt::Key_Return)});
    EXPECT_EQ(editor.text(), ": button ");
}

TEST_F(CompletionTest, ClosingKeysLeaveTheWordAsTyped)
{
    struct Case {
        const char *Name;
        TStep Key;
        const char *Text;
    };
    const Case cases[] = {
        {"Escape", K(Qt::Key_Escape), "(se"},
        {"Space", T(" "), "(se "},
        {"Brace", T("{"), "(se{"},
        {"Tilde", T("~"), "(se~"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        editor.clear();
        Open("(se");
        Press(&editor, {c.Key});
        EXPECT_FALSE(completion.IsActive());
        EXPECT_EQ(editor.text(), c.Text);
    }
}

TEST_F(CompletionTest, PrintableCharactersUpToZKeepTheListOpen)
{
    for (const char *typed : {"!", "z", "-", ">", "Z"}) {
        SCOPED_TRACE(typed);
        editor.clear();
        Open("(");
        Press(&editor, {T(typed)});
        EXPECT_TRUE(completion.IsActive());
        Press(&editor, {K(Qt::Key_Escape)});
    }
}

TEST_F(CompletionTest, NavigationKeysMoveTheSelection)
{
    const int last = static_cast<int>(words.size()) - 1;
    struct Case {
        const char *Name;
        std::vector<TStep> Keys;
        int Expected;
    };
    const std::vector<Case> cases = {
        {"Down", {K(Qt::Key_Down)}, 1},
        {"DownDownUp", {K(Qt::Key_Down), K(Qt::Key_Down), K(Qt::Key_Up)}, 1},
        {"PageDown", {K(Qt::Key_PageDown)}, 6},
        {"PageDownPageUp", {K(Qt::Key_PageDown), K(Qt::Key_PageDown), K(Qt::Key_PageUp)}, 6},
        {"CtrlDown", {K(Ctrl, Qt::Key_Down)}, last},
        {"CtrlEnd", {K(Ctrl, Qt::Key_End)}, last},
        {"CtrlUp", {K(Ctrl, Qt::Key_End), K(Ctrl, Qt::Key_Up)}, 0},
        {"CtrlHome", {K(Ctrl, Qt::Key_End), K(Ctrl, Qt::Key_Home)}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        editor.clear();
        Open("(");
        Press(&editor, {K(Qt::Key_Down), K(Qt::Key_Up)});
        Press(&editor, c.Keys);
        EXPECT_EQ(completion.SelectedIndex(), c.Expected);
        EXPECT_EQ(editor.text(), "(");
        Press(&editor, {K(Qt::Key_Escape)});
    }
}

TEST_F(CompletionTest, AReadOnlyEditorOffersNoCompletion)
{
    editor.setText("(se");
    editor.setReadOnly(true);
    Press(&editor, {K(Ctrl, Qt::Key_Space)});
    EXPECT_FALSE(completion.IsActive());
}

TEST_F(CompletionTest, ChangingTheItemListChangesWhatIsOffered)
{
    completion.SetItemList({"zeta", "alpha"});
    Open("");
    QListWidget *list = completion.ListWidget();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "zeta");
}

} // namespace
} // namespace tw
