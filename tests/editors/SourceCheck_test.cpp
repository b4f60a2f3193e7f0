#include "editctl/SynEdit.h"
#include "editors/EditForm.h"
#include "editors/SourceCheck.h"

#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(SourceCheck, F7MarksTheProblemsAndChoosingOneMovesTheCursor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TEditForm form;
    form.SetIsLispEditor(false);
    form.SetPathName(dir.filePath(QStringLiteral("d.dcl")));
    form.Editor->setText(QStringLiteral("d : dialog {\n"
                                        "  : toggle { label = \"T\"; }\n"
                                        "  : text { label = Hi; }\n"
                                        "  ok_cancel;\n"
                                        "}\n"));
    EXPECT_EQ(form.Check1->shortcut(), QKeySequence(Qt::Key_F7));
    QListWidget *list = form.SourceCheck1->List();
    EXPECT_FALSE(list->isVisibleTo(&form));

    // The unsaved text is what is checked.
    form.Check1->trigger();
    ASSERT_EQ(form.SourceCheck1->Problems().size(), 2);
    EXPECT_TRUE(list->isVisibleTo(&form));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(),
              QStringLiteral("d.dcl:3:20: error: label takes a quoted string, not a word"));
    EXPECT_EQ(form.Editor->markersAtLine(1) & (ErrorMark | WarningMark), WarningMark);
    EXPECT_EQ(form.Editor->markersAtLine(2) & (ErrorMark | WarningMark), ErrorMark);
    EXPECT_EQ(form.Editor->markersAtLine(0) & (ErrorMark | WarningMark), 0u);
    // From the value (column 20) to the end of the line.
    EXPECT_FALSE(Underlined(form.Editor, 2, 18));
    EXPECT_TRUE(Underlined(form.Editor, 2, 19));
    EXPECT_TRUE(Underlined(form.Editor, 2, 23));

    emit list->itemActivated(list->item(1));
    int line = -1;
    int index = -1;
    form.Editor->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(index, 19);

    // Saving checks again: the mended text leaves no mark and no list.
    form.Editor->setText(QStringLiteral("d : dialog {\n"
                                        "  : toggle { key = \"t\"; label = \"T\"; }\n"
                                        "  : text { label = \"Hi\"; }\n"
                                        "  ok_cancel;\n"
                                        "}\n"));
    ASSERT_TRUE(form.Save1Click());
    EXPECT_TRUE(form.SourceCheck1->Problems().isEmpty());
    EXPECT_FALSE(list->isVisibleTo(&form));
    for (int l = 0; l < 5; ++l)
        EXPECT_EQ(form.Editor->markersAtLine(l) & (ErrorMark | WarningMark), 0u) << l;
    EXPECT_FALSE(Underlined(form.Editor, 2, 19));
}

TEST(SourceCheck, AutoLispEditorsCheckParentheses)
{
    TEditForm form;
    form.SetIsLispEditor(true);
    form.Editor->setText(QStringLiteral("(princ)\n(defun c:go ()\n  (princ \"(\")\n"));
    form.Check1->trigger();
    ASSERT_EQ(form.SourceCheck1->Problems().size(), 1);
    EXPECT_EQ(form.Editor->markersAtLine(1) & ErrorMark, ErrorMark);
    EXPECT_TRUE(Underlined(form.Editor, 1, 0));
}

} // namespace
} // namespace tw
