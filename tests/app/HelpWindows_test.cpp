#include "app/HelpWindows.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

class CountingHelp : public TfrmHelp
{
public:
    int asked = 0;

protected:
    bool choosePrinter(QPrinter &) override
    {
        ++asked;
        return false; // the user cancels
    }
};

TEST(HelpWindow, ShowsTheGuideWithItsSixSteps)
{
    TfrmHelp help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Help"));
    help.loadGuide();
    const QString text = help.reHelp()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Quick Start Guide"))) << text.toStdString();
    for (const char *needle : {"New Project", "Toggle Design Mode", "object inspector", "Key",
                               "DCL Action", "LinkToVar", "Generate Code", "LoadDialog"})
        EXPECT_TRUE(text.contains(QLatin1String(needle))) << needle;
    EXPECT_TRUE(help.reHelp()->isReadOnly());
    const QList<QAction *> actions = help.popupMenu()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Print"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), QStringLiteral("E&xit"));
}

TEST(HelpWindow, TheWholeGuideFitsWithoutScrollBars)
{
    TfrmHelp help;
    help.loadGuide();
    help.reHelp()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    help.resize(600, help.guideHeight(600));
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    // Nothing left below the visible part, and the window is not a sliver.
    EXPECT_EQ(help.reHelp()->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(help.height(), 150);
    EXPECT_EQ(help.width(), 600);
}

TEST(HelpWindow, PAsksForAPrinterAndXCloses)
{
    QPointer<CountingHelp> help = new CountingHelp;
    help->loadGuide();
    help->show();
    QApplication::setActiveWindow(help);
    help->reHelp()->setFocus();
    QTest::keyClick(help->reHelp(), Qt::Key_P);
    EXPECT_EQ(help->asked, 1);
    QTest::keyClick(help->reHelp(), Qt::Key_X);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
}

TEST(AboutBox, LaysItsPartsOutBelowTheText)
{
    TfrmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tilewright"));
    EXPECT_EQ(about.width(), 353);
    const int textBottom = about.label2()->y() + about.label2()->height();
    EXPECT_EQ(about.btOk()->y(), textBottom + 10);
    EXPECT_EQ(about.bevel1()->y(), about.btOk()->y() + about.btOk()->height() + 10);
    EXPECT_EQ(about.label1()->y(), about.bevel1()->y() + 10);
    EXPECT_EQ(about.height(), about.bevel1()->y() + 25);
    EXPECT_EQ(about.label1()->text(), QStringLiteral("Version 1.15"));
    EXPECT_EQ(about.btOk()->text(), QStringLiteral("OK"));
    // The version stands once, in the label below the rule.
    EXPECT_TRUE(about.label2()->text().startsWith(QStringLiteral("Tilewright\nDesign ")));
    EXPECT_EQ(about.label2()->textFormat(), Qt::PlainText);
    // The wrapped text fits its label: nothing is cut off at the bottom.
    EXPECT_GE(about.label2()->height(), about.label2()->heightForWidth(253));
    EXPECT_GE(about.label2()->height(), 5 * about.label2()->fontMetrics().lineSpacing());
    EXPECT_FALSE(about.label2()->text().contains(QStringLiteral("1.15")));
}

TEST(AboutBox, EscapeCloses)
{
    QPointer<TfrmAbout> about = new TfrmAbout;
    about->show();
    QApplication::setActiveWindow(about);
    QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

} // namespace
} // namespace tw
