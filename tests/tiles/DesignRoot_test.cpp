#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

// Every property of the dialog tile away from its constructor value.
const QByteArray kDialog = "object DCLPanelBasic: TDCLPanel\n"
                           "  Left = 3\n"
                           "  Top = 5\n"
                           "  Width = 420\n"
                           "  Height = 260\n"
                           "  Candelete = True\n"
                           "  DCLFileName = 'C:\\Work\\d.DCL'\n"
                           "  DialogCaption = 'A '#8364' \"caption\"'\n"
                           "  DialogHeight = 250\n"
                           "  DialogName = 'dlg'\n"
                           "  DialogWidth = 410\n"
                           "  LispFileName = 'd.lsp'\n"
                           "  Retirement_Button = ok_cancel_help_info\n"
                           "  OnCaptionChange = DCLPanelBasicCaptionChange\n"
                           "end\n";

TEST(DesignRoot, DialogTileSurvivesTheTextFormUnchanged)
{
    TDesignRoot root;
    root.load(readTextForm(kDialog));
    ASSERT_NE(root.dialogTile(), nullptr);
    TDCLPanel *dialog = root.dialogTile();
    EXPECT_EQ(dialog->name(), QStringLiteral("DCLPanelBasic"));
    EXPECT_EQ(dialog->geometry(), QRect(3, 5, 420, 260));
    EXPECT_EQ(dialog->retirementButton(), TRetirementButton::ok_cancel_help_info);
    EXPECT_EQ(dialog->dialogCaption(), QStringLiteral("A \u20ac \"caption\""));
    // Read as the root, the dialog keeps its stored size; the preview follows it.
    EXPECT_EQ(dialog->buttonBar()->width(), 412);
    // The buttons are centred in the loaded bar, not in the constructor's.
    EXPECT_EQ(dialog->okButton()->x(), 52);
    EXPECT_EQ(dialog->infoButton()->x(), 52 + 3 * 82);
    EXPECT_EQ(writeTextForm(root.save()).toStdString(), kDialog.toStdString());
}

TEST(DesignRoot, BoundCaptionEventReachesTheRoot)
{
    TDesignRoot root;
    root.load(readTextForm(kDialog));
    QString seen;
    QObject::connect(&root, &TDesignRoot::dialogCaptionChanged,
                     [&seen](const QString &caption) { seen = caption; });
    root.dialogTile()->setDialogCaption(QStringLiteral("new"));
    EXPECT_EQ(seen, QStringLiteral("new"));
}

TEST(DesignRoot, LoadingAgainReplacesTheDesign)
{
    TDesignRoot root;
    root.load(readTextForm(kDialog));
    root.load(readTextForm("object Other: TDCLPanel\n  DialogName = 'second'\nend\n"));
    ASSERT_NE(root.dialogTile(), nullptr);
    EXPECT_EQ(root.dialogTile()->dialogName(), QStringLiteral("second"));
    EXPECT_EQ(root.components().size(), 1);
}

} // namespace
} // namespace tw
