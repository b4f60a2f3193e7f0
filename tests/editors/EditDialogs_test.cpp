#include "editctl/SynCompletionProposal.h"
#include "editors/EditData.h"
#include "editors/EditList.h"
#include "editors/VexStringsHold.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Shows `dialog` modally and lets `user` act on it once it is up.
template <typename Dialog, typename Action> int ExecWith(Dialog &dialog, Action user)
{
    QTimer::singleShot(0, &dialog, [&] { user(); });
    return dialog.exec();
}

TEST(EditListTest, LayoutAndCaptions)
{
    TfrmEditList dialog;
    EXPECT_EQ(dialog.windowTitle(), "Property Editor");
    EXPECT_EQ(dialog.size(), QSize(549, 349));
    EXPECT_FALSE(dialog.windowIcon().isNull());
    EXPECT_EQ(dialog.btAccept->text(), "&Accept");
    EXPECT_EQ(dialog.btCancel->text(), "&Cancel");
    EXPECT_EQ(dialog.btAccept->size(), QSize(75, 25));
    EXPECT_EQ(dialog.btCancel->size(), QSize(75, 25));
    EXPECT_LT(dialog.btAccept->y(), dialog.btCancel->y());
    EXPECT_EQ(dialog.lbFunc->text(), "Function Name");
    EXPECT_EQ(dialog.edFunc->text(), "func1()");
    EXPECT_EQ(dialog.mmData->EditorFont().family(), "Courier New");
    dialog.show();
    EXPECT_EQ(dialog.Panel1->width(), 87);
    EXPECT_EQ(dialog.Panel1->geometry().right(), dialog.width() - 1);
    EXPECT_EQ(dialog.pnFunc->height(), 33);
    EXPECT_TRUE(dialog.pnFunc->isVisible());
    EXPECT_EQ(dialog.mmData->y(), dialog.pnFunc->height());
    EXPECT_EQ(dialog.mmData->Highlighter(), &dialog.AutoLispHighLighter);
    for (QWidget *w : std::initializer_list<QWidget *>{
             dialog.Panel1, dialog.Panel2, dialog.pnFunc, dialog.lbFunc, dialog.btAccept,
             dialog.btCancel, dialog.edFunc, dialog.mmData})
        EXPECT_FALSE(w->accessibleName().isEmpty());
}

TEST(EditListTest, ButtonsAndCloseBoxGiveTheModalResult)
{
    struct Case {
        const char *Name;
        int Result;
    };
    const Case cases[] = {{"accept", QDialog::Accepted},
                          {"cancel", QDialog::Rejected},
                          {"close box", QDialog::Rejected}};
    TfrmEditList dialog;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string name = c.Name;
        const int result = ExecWith(dialog, [&] {
            if (name == "accept")
                QTest::mouseClick(dialog.btAccept, Qt::LeftButton);
            else if (name == "cancel")
                QTest::mouseClick(dialog.btCancel, Qt::LeftButton);
            else
                dialog.close();
        });
        EXPECT_EQ(result, c.Result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(EditListTest, TheOpenerGetsBackTheCodeAndTheFunctionName)
{
    TfrmEditList dialog;
    dialog.edFunc->setText("OnOk()");
    dialog.mmData->SetLines({"(princ)"});
    const int result = ExecWith(dialog, [&] {
        dialog.mmData->setFocus();
        dialog.mmData->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        QTest::keyClicks(dialog.mmData, "(setq a 1)");
        QTest::keyClick(dialog.mmData, Qt::Key_Return);
        QTest::keyClick(dialog.mmData, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible()); // neither Enter nor Escape closes it
        QTest::keyClicks(dialog.edFunc, "x");
        QTest::mouseClick(dialog.btAccept, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.mmData->Lines(), (QStringList{"(princ)", "(setq a 1)"}));
    EXPECT_EQ(dialog.edFunc->text(), "OnOk()x");
}

TEST(EditListTest, AnEmptyCodeAreaGivesAnEmptyLineList)
{
    TfrmEditList dialog;
    dialog.mmData->SetLines({});
    ExecWith(dialog, [&] { QTest::mouseClick(dialog.btAccept, Qt::LeftButton); });
    EXPECT_TRUE(dialog.mmData->Lines().isEmpty());
}

TEST(EditListTest, CtrlSpaceOffersTheAutoLispWordList)
{
    TfrmEditList dialog;
    dialog.show();
    dialog.mmData->setFocus();
    QTest::keyClicks(dialog.mmData, "(setq");
    QTest::keyClick(dialog.mmData, Qt::Key_Space, Qt::ControlModifier);
    QListWidget *list = dialog.SynCompletionProposal1->ListWidget();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), static_cast<int>(AutoLispWordList().size()));
    EXPECT_EQ(dialog.SynCompletionProposal1->ItemList(), WordListStrings(AutoLispWordList()));
    EXPECT_EQ(dialog.SynCompletionProposal1->Width(), 262);
    EXPECT_EQ(dialog.SynCompletionProposal1->NbLinesInWindow(), 6);
}

TEST(EditDataTest, LayoutAndCaptions)
{
    TfrmEditdata dialog;
    EXPECT_EQ(dialog.windowTitle(), "Edit Combo/ListBox Item");
    EXPECT_EQ(dialog.size(), QSize(420, 259));
    EXPECT_EQ(dialog.btAccept->text(), "&Accept");
    EXPECT_EQ(dialog.btCancel->text(), "&Cancel");
    dialog.show();
    EXPECT_EQ(dialog.Panel1->width(), 87);
    EXPECT_EQ(dialog.mmData->x(), 0);
    for (QWidget *w : std::initializer_list<QWidget *>{dialog.Panel1, dialog.btAccept,
                                                       dialog.btCancel, dialog.mmData})
        EXPECT_FALSE(w->accessibleName().isEmpty());
}

TEST(EditDataTest, ItemLinesRoundTripAndEnterStartsANewLine)
{
    TfrmEditdata dialog;
    dialog.SetLines({"one", "two"});
    EXPECT_EQ(dialog.Lines(), (QStringList{"one", "two"}));
    const int result = ExecWith(dialog, [&] {
        dialog.mmData->setFocus();
        dialog.mmData->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog.mmData, Qt::Key_Return);
        QTest::keyClicks(dialog.mmData, "three");
        QTest::keyClick(dialog.mmData, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.btCancel, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(dialog.Lines(), (QStringList{"one", "two", "three"}));
    dialog.SetLines({});
    EXPECT_TRUE(dialog.Lines().isEmpty());
}

} // namespace
} // namespace tw
