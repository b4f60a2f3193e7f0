#include "editctl/SynEdit.h"
#include "editors/EditForm.h"
#include "editors/ProblemsPanel.h"
#include "editors/SourceCheck.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace tw
{
namespace
{

constexpr unsigned ErrorMark = 1u << 10;
constexpr unsigned WarningMark = 1u << 11;

bool Underlined(TSynEdit *editor, int line, int index)
{
    const long position = editor->positionFromLineIndex(line, index);
    return editor->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, 9, position) != 0;
}

unsigned Marks(TSynEdit *editor, int line)
{
    return editor->markersAtLine(line) & (ErrorMark | WarningMark);
}

QStringList Rows(QTreeWidgetItem *heading)
{
    QStringList rows;
    for (int i = 0; i < heading->childCount(); ++i) {
        const QTreeWidgetItem *row = heading->child(i);
        rows << row->text(0) + u'|' + row->text(1) + u'|' + row->text(2);
    }
    return rows;
}

struct CheckCase {
    bool lisp;
    const char *file;
    const char *text;
    const char *heading;
    QStringList rows;
    // Line and column (from 0) of the last row: its mark, underline and where choosing it goes.
    int line;
    int column;
    unsigned mark;
    const char *mended;
};

TEST(SourceCheck, F7MarksAndListsTheProblemsChoosingOneMovesTheCursorSavingChecksAgain)
{
    const CheckCase cases[] = {
        {false,
         "d.dcl",
         "d : dialog {\n"
         "  : toggle { label = \"T\"; }\n"
         "  : text { label = Hi; }\n"
         "  ok_cancel;\n"
         "}\n",
         "[DCL Editor]-d.dcl \u2014 1 error, 1 warning",
         {"warning|this toggle has no key, so no program can reach it|d.dcl:2:3",
          "error|label takes a quoted string, not a word|d.dcl:3:20"},
         2,
         19,
         ErrorMark,
         "d : dialog {\n"
         "  : toggle { key = \"t\"; label = \"T\"; }\n"
         "  : text { label = \"Hi\"; }\n"
         "  ok_cancel;\n"
         "}\n"},
        {true,
         "go.lsp",
         "(princ)\n(defun c:go ()\n  (princ \"(\")\n",
         "[Lisp Editor]-go.lsp \u2014 1 error",
         {"error|'(' opened here is never closed (1 unclosed in all)|go.lsp:2:1"},
         1,
         0,
         ErrorMark,
         "(princ)\n(defun c:go ()\n  (princ \"(\"))\n"},
    };
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(c.file);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        TProblemsPanel panel;
        TEditForm form;
        form.ProblemsPanel = &panel;
        form.SetIsLispEditor(c.lisp);
        form.SetPathName(dir.filePath(QLatin1String(c.file)));
        form.Editor->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(form.Check1->shortcut(), QKeySequence(Qt::Key_F7));
        ASSERT_TRUE(panel.isHidden());

        // The unsaved text is what is checked.
        form.Check1->trigger();
        EXPECT_FALSE(panel.isHidden());
        ASSERT_EQ(panel.List()->topLevelItemCount(), 1);
        QTreeWidgetItem *heading = panel.List()->topLevelItem(0);
        EXPECT_EQ(heading->text(0), QString::fromUtf8(c.heading));
        EXPECT_EQ(Rows(heading).join(u'\n').toStdString(), c.rows.join(u'\n').toStdString());
        EXPECT_EQ(Marks(form.Editor, c.line), c.mark);
        EXPECT_EQ(Marks(form.Editor, 0), 0u);
        // From the problem's column to the end of the line.
        EXPECT_FALSE(c.column > 0 && Underlined(form.Editor, c.line, c.column - 1));
        EXPECT_TRUE(Underlined(form.Editor, c.line, c.column));

        form.Editor->setCursorPosition(0, 0);
        emit panel.List()->itemActivated(heading->child(heading->childCount() - 1), 1);
        int line = -1;
        int index = -1;
        form.Editor->getCursorPosition(&line, &index);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(index, c.column);

        // Saving checks again: the mended text leaves no mark, and the panel says so.
        form.Editor->setText(QString::fromUtf8(c.mended));
        ASSERT_TRUE(form.Save1Click());
        EXPECT_TRUE(panel.Problems(&form).isEmpty());
        ASSERT_EQ(panel.List()->topLevelItemCount(), 1);
        EXPECT_EQ(heading->childCount(), 0);
        EXPECT_TRUE(heading->text(0).endsWith(QStringLiteral("checks clean")));
        for (int l = 0; l < form.Editor->lines(); ++l)
            EXPECT_EQ(Marks(form.Editor, l), 0u) << l;
        EXPECT_FALSE(Underlined(form.Editor, c.line, c.column));
    }
}

TEST(SourceCheck, EachEditorReplacesOnlyItsOwnEntriesAndTheyGoWithIt)
{
    TProblemsPanel panel;
    // Another window's entries, which no editor may touch.
    QObject design;
    panel.Report(&design, QStringLiteral("Design"),
                 {{dcl::Severity::Warning, "w", "t", {}, {}, {}}}, false);
    const auto editor = [&panel](const char *text) {
        auto form = std::make_unique<TEditForm>();
        form->ProblemsPanel = &panel;
        form->SetIsLispEditor(true);
        form->Editor->setText(QString::fromUtf8(text));
        form->Check1Click();
        return form;
    };
    auto first = editor("(a))\n(b\n");
    auto second = editor("(c\n");
    ASSERT_EQ(panel.List()->topLevelItemCount(), 3);
    EXPECT_EQ(panel.Problems(first.get()).size(), 2);
    EXPECT_EQ(panel.Problems(second.get()).size(), 1);

    // Re-checked, the first editor's list is replaced in place; the others stay as they were.
    first->Editor->setText(QStringLiteral("(a)\n(b\n"));
    first->Check1Click();
    ASSERT_EQ(panel.List()->topLevelItemCount(), 3);
    EXPECT_EQ(panel.List()->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(panel.Problems(first.get()).front().location, QStringLiteral("Untitled:2:1"));
    EXPECT_EQ(panel.Problems(second.get()).size(), 1);
    EXPECT_EQ(panel.Problems(&design).size(), 1);

    second.reset();
    ASSERT_EQ(panel.List()->topLevelItemCount(), 2);
    EXPECT_EQ(panel.List()->topLevelItem(0)->text(0), QStringLiteral("Design \u2014 1 warning"));
    EXPECT_EQ(panel.List()->topLevelItem(1)->childCount(), 1);
}

TEST(SourceCheck, AnIncludedFilesProblemsAreListedUnderItsNameAndMarkNothingHere)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile included(dir.filePath(QStringLiteral("inc.dcl")));
    ASSERT_TRUE(included.open(QIODevice::WriteOnly));
    included.write("base : text { label = Hi; }\n");
    included.close();
    TProblemsPanel panel;
    TEditForm form;
    form.ProblemsPanel = &panel;
    form.SetIsLispEditor(false);
    form.SetPathName(dir.filePath(QStringLiteral("d.dcl")));
    form.Editor->setText(QStringLiteral("@include \"inc.dcl\"\n"
                                        "d : dialog { : base { } ok_cancel; }\n"));
    form.Check1Click();
    const TProblems problems = panel.Problems(&form);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.front().location, QStringLiteral("inc.dcl:1:23"));
    EXPECT_EQ(problems.front().locationTip, included.fileName());
    EXPECT_FALSE(problems.front().go);
    for (int l = 0; l < form.Editor->lines(); ++l)
        EXPECT_EQ(Marks(form.Editor, l), 0u) << l;
}

} // namespace
} // namespace tw
