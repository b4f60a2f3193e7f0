#include "EditorTestSupport.h"
#include "TestData.h"
#include "highlight/DCLSyn.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using namespace tw::test;
using S = QsciScintillaBase;

TEST(EditorControlTest, LinesRoundTripWithoutAnExtraLine)
{
    struct Case {
        QStringList Lines;
        QString Text;
    };
    const Case cases[] = {
        {{}, ""},
        {{"a"}, "a\r\n"},
        {{"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {{""}, "\r\n"},
    };
    TSynEdit editor;
    for (const Case &c : cases) {
        editor.SetLines(c.Lines);
        EXPECT_EQ(editor.text(), c.Text);
        EXPECT_EQ(editor.Lines(), c.Lines);
    }
    editor.setText("x\ny\rz");
    EXPECT_EQ(editor.Lines(), (QStringList{"x", "y", "z"}));
}

TEST(EditorControlTest, EditingSetsTheModifiedFlagAndSavingClearsIt)
{
    QTemporaryDir dir;
    TSynEdit editor;
    editor.show();
    editor.setFocus();
    EXPECT_FALSE(editor.Modified());
    QTest::keyClicks(&editor, "abc");
    EXPECT_TRUE(editor.Modified());
    ASSERT_FALSE(editor.SaveToFile(dir.filePath("a.txt")));
    EXPECT_FALSE(editor.Modified());
    editor.SetModified(true);
    EXPECT_TRUE(editor.Modified());
    editor.SetModified(false);
    EXPECT_FALSE(editor.Modified());
}

TEST(EditorControlTest, AFileIsSavedAsItWasRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("legacy.lsp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; caf\xE9\n(princ)\n");
    file.close();

    TSynEdit editor;
    ASSERT_FALSE(editor.LoadFromFile(path));
    EXPECT_EQ(editor.Lines(), (QStringList{QString::fromUtf8("; caf\xC3\xA9"), "(princ)"}));
    EXPECT_FALSE(editor.Modified());
    EXPECT_FALSE(editor.CanUndo());
    editor.show();
    editor.setFocus();
    editor.SendScintilla(S::SCI_DOCUMENTEND);
    QTest::keyClicks(&editor, "x");
    QTest::keyClick(&editor, Qt::Key_Return);
    ASSERT_FALSE(editor.SaveToFile(path));
    EXPECT_EQ(readFile(path), QByteArray("; caf\xE9\n(princ)\nx\n"));
}

TEST(EditorControlTest, NulBytesSurviveLoadingAndSaving)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("nul.lsp");
    const QByteArray bytes("(a)\0(b)\r\n\0\xFF", 11);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    TSynEdit editor;
    ASSERT_FALSE(editor.LoadFromFile(path));
    EXPECT_EQ(editor.SendScintilla(S::SCI_GETLENGTH), 12); // 0xFF is two bytes in UTF-8
    ASSERT_FALSE(editor.SaveToFile(path));
    EXPECT_EQ(readFile(path), bytes);
}

TEST(EditorControlTest, ALoadFailureLeavesTheTextAlone)
{
    QTemporaryDir dir;
    TSynEdit editor;
    editor.setText("keep");
    const auto error = editor.LoadFromFile(dir.filePath("missing.dcl"));
    ASSERT_TRUE(error);
    EXPECT_EQ(editor.text(), "keep");
}

TEST(EditorControlTest, EditStateFollowsSelectionClipboardAndUndo)
{
    TSynEdit editor;
    editor.show();
    editor.setFocus();
    QSignalSpy spy(&editor, &TSynEdit::EditStateChanged);
    QApplication::clipboard()->clear();
    EXPECT_FALSE(editor.CanPaste());
    EXPECT_FALSE(editor.CanUndo());
    QTest::keyClicks(&editor, "hello");
    EXPECT_TRUE(editor.CanUndo());
    EXPECT_FALSE(editor.HasSelection());
    QTest::keyClick(&editor, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(editor.HasSelection());
    QTest::keyClick(&editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(editor.CanPaste());
    editor.DeleteSelection();
    EXPECT_EQ(editor.text(), "hell");
    editor.undo();
    EXPECT_TRUE(editor.CanRedo());
    EXPECT_GT(spy.count(), 3);
    editor.setReadOnly(true);
    EXPECT_FALSE(editor.CanPaste());
}

TEST(EditorControlTest, StandardEditActionsRunAndKeepTheirEnabledState)
{
    TSynEdit editor;
    const auto action = [&](TEditAction which) { return editor.StandardAction(which); };
    QApplication::clipboard()->clear();
    editor.SendScintilla(S::SCI_REPLACESEL, static_cast<uintptr_t>(0), "hello");
    struct State {
        bool Cut, Copy, Paste, Undo;
    };
    const auto state = [&] {
        return State{action(TEditAction::Cut)->isEnabled(), action(TEditAction::Copy)->isEnabled(),
                     action(TEditAction::Paste)->isEnabled(),
                     action(TEditAction::Undo)->isEnabled()};
    };
    auto now = state();
    EXPECT_FALSE(now.Cut || now.Copy || now.Paste);
    EXPECT_TRUE(now.Undo);
    action(TEditAction::SelectAll)->trigger();
    now = state();
    EXPECT_TRUE(now.Cut && now.Copy);
    action(TEditAction::Copy)->trigger();
    EXPECT_TRUE(action(TEditAction::Paste)->isEnabled());
    action(TEditAction::Delete)->trigger();
    EXPECT_EQ(editor.text(), "");
    EXPECT_FALSE(action(TEditAction::Cut)->isEnabled());
    action(TEditAction::Paste)->trigger();
    action(TEditAction::Paste)->trigger();
    EXPECT_EQ(editor.text(), "hellohello");
    editor.SendScintilla(S::SCI_SETSEL, 0L, 5L);
    action(TEditAction::Cut)->trigger();
    EXPECT_EQ(editor.text(), "hello");
    action(TEditAction::Undo)->trigger();
    EXPECT_EQ(editor.text(), "hellohello");
    EXPECT_TRUE(action(TEditAction::Delete)->isEnabled());
    EXPECT_TRUE(action(TEditAction::SelectAll)->isEnabled());
    editor.SetLines({"new text"});
    EXPECT_FALSE(action(TEditAction::Undo)->isEnabled());
}

TEST(EditorControlTest, WordMovesUseTheHighlightersWordCharacters)
{
    TDCLSyn dcl;
    TSynEdit editor;
    editor.setText("ab-cd ef");
    editor.SendScintilla(S::SCI_DOCUMENTSTART);
    editor.ExecuteCommand(TEditorCommand::ecWordRight);
    const long plain = editor.CaretPos();
    editor.SetHighlighter(&dcl);
    editor.SendScintilla(S::SCI_DOCUMENTSTART);
    editor.ExecuteCommand(TEditorCommand::ecWordRight);
    EXPECT_EQ(plain, 2);
    EXPECT_EQ(editor.CaretPos(), 6);
    editor.ExecuteCommand(TEditorCommand::ecDeleteLastWord);
    EXPECT_EQ(editor.text(), "ef");
}

TEST(EditorControlTest, TheDefaultFontIsCourierNewTenPoints)
{
    TSynEdit editor;
    EXPECT_EQ(editor.EditorFont().family(), "Courier New");
    EXPECT_EQ(editor.EditorFont().pointSize(), 10);
}

TEST(EditorControlTest, WindowShortcutsComeBeforeTheKeyTable)
{
    QWidget window;
    auto *editor = new TSynEdit(&window);
    editor->setText("abc");
    auto *action = new QAction(&window);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    window.addAction(action);
    QSignalSpy spy(action, &QAction::triggered);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(editor->text(), "abc");
}

} // namespace
} // namespace tw
