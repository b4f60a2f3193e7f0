#include "component/Owner.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLPanel.h"
#include "tiles/DCLRadio.h"
#include "tiles/DclColumn.h"
#include "tiles/DclGroupColumn.h"
#include "tiles/DclGroupRow.h"
#include "tiles/DclRow.h"
#include "tiles/DclSpacer.h"

#include <QImage>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct ClusterCase {
    const char *name;
    std::function<TControl *(TOwner *)> make;
    QSize size;
    TAlign ownEdge;
    QString caption; // before naming
    bool tabstop;
    QString key;
};

const ClusterCase kClusterCases[] = {
    {"Column",
     [](TOwner *o) -> TControl * { return new TDCLColumn(o); },
     {100, 41},
     alLeft,
     " ",
     true,
     ""},
    {"Row",
     [](TOwner *o) -> TControl * { return new TDCLRow(o); },
     {185, 30},
     alTop,
     " ",
     true,
     ""},
    {"GroupColumn",
     [](TOwner *o) -> TControl * { return new TDCLGroupColumn(o); },
     {150, 105},
     alLeft,
     "",
     true,
     ""},
    {"GroupRow",
     [](TOwner *o) -> TControl * { return new TDCLGroupRow(o); },
     {185, 50},
     alTop,
     "",
     true,
     "grp_"},
    {"Spacer",
     [](TOwner *o) -> TControl * { return new TDCLSpacer(o); },
     {20, 20},
     alLeft,
     " ",
     false,
     ""},
};

class ClusterConstructionTest : public ::testing::TestWithParam<ClusterCase>
{
};

TEST_P(ClusterConstructionTest, StartsWithItsSizeDockingCaptionAndKey)
{
    const ClusterCase &c = GetParam();
    TOwner owner;
    TControl *tile = c.make(&owner);
    EXPECT_EQ(tile->size(), c.size);
    EXPECT_EQ(tile->align(), c.ownEdge);
    EXPECT_EQ(tile->caption(), c.caption);
    EXPECT_EQ(tile->property("Tabstop").toBool(), c.tabstop);
    EXPECT_EQ(tile->property("Key").toString(), c.key);
    if (tile->metaObject()->indexOfProperty("DCLDesign") >= 0) {
        EXPECT_TRUE(tile->property("DCLDesign").toBool());
    }
}

INSTANTIATE_TEST_SUITE_P(Clusters, ClusterConstructionTest, ::testing::ValuesIn(kClusterCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ClusterTiles, BoxedClustersShowTheirNameOnceNamed)
{
    TOwner owner;
    TDCLGroupColumn column(&owner);
    column.setName(QStringLiteral("DCLGroupColumn1"));
    EXPECT_EQ(column.caption(), QStringLiteral("DCLGroupColumn1"));
    TDCLColumn plain(&owner);
    plain.setName(QStringLiteral("DCLColumn1"));
    EXPECT_EQ(plain.caption(), QStringLiteral(" "));
}

TEST(ClusterTiles, BoxedRowKeepsGrpKeyWhileBoxedColumnTakesItsName)
{
    TOwner owner;
    TDCLGroupRow row(&owner);
    row.setName(QStringLiteral("DCLGroupRow1"));
    row.setBounds(0, 0, 200, 60);
    row.setBounds(0, 0, 210, 60);
    EXPECT_EQ(row.key(), QStringLiteral("grp_"));

    TDCLGroupColumn column(&owner);
    column.setName(QStringLiteral("DCLGroupColumn1"));
    column.setBounds(0, 0, 160, 105);
    EXPECT_EQ(column.key(), QStringLiteral("DCLGroupColumn1"));
}

TEST(ClusterTiles, ClustersFillInABlankKeyOnResizeAndSpacersNever)
{
    TOwner owner;
    TDCLColumn column(&owner);
    TDCLRow row(&owner);
    TDCLSpacer spacer(&owner);
    column.setName(QStringLiteral("Col"));
    row.setName(QStringLiteral("Row"));
    spacer.setName(QStringLiteral("Sp"));
    column.setKey(QStringLiteral("   "));
    column.setBounds(0, 0, 120, 50);
    row.setBounds(0, 0, 120, 50);
    spacer.setBounds(0, 0, 30, 30);
    EXPECT_EQ(column.key(), QStringLiteral("Col"));
    EXPECT_EQ(row.key(), QStringLiteral("Row"));
    EXPECT_EQ(spacer.key(), QString());
}

// Drops `count` buttons one after another, each below and right of the
// previous drop point, as the mouse would place them.
QList<TDCLButton *> dropButtons(TOwner &owner, TControl *container, int count)
{
    QList<TDCLButton *> buttons;
    for (int i = 0; i < count; ++i) {
        auto *button = new TDCLButton(&owner);
        button->setBounds(500 + i, 500 + i, 80, 28);
        button->setParentControl(container);
        buttons.append(button);
    }
    return buttons;
}

TEST(ClusterTiles, ColumnStacksDroppedTilesFromTheTop)
{
    TOwner owner;
    TDCLColumn column(&owner);
    column.setBounds(0, 0, 100, 200);
    const QList<TDCLButton *> buttons = dropButtons(owner, &column, 3);
    // Inside the 4-pixel border, each as wide as the client area, in drop order.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i]->align(), alTop);
        EXPECT_EQ(buttons[i]->geometry(), QRect(4, 4 + 28 * i, 92, 28)) << i;
    }
}

TEST(ClusterTiles, RowLinesDroppedTilesUpFromTheLeft)
{
    TOwner owner;
    TDCLRow row(&owner);
    row.setBounds(0, 0, 300, 40);
    const QList<TDCLButton *> buttons = dropButtons(owner, &row, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i]->align(), alLeft);
        EXPECT_EQ(buttons[i]->geometry(), QRect(4 + 80 * i, 4, 80, 32)) << i;
    }
}

TEST(ClusterTiles, BoxedClustersDockInsideTheirFrame)
{
    TOwner owner;
    TDCLGroupColumn column(&owner);
    column.setBounds(0, 0, 150, 200);
    const QList<TDCLButton *> inColumn = dropButtons(owner, &column, 2);
    EXPECT_EQ(inColumn[0]->align(), alTop);
    EXPECT_EQ(inColumn[0]->x(), 2);
    EXPECT_EQ(inColumn[0]->width(), 146);
    EXPECT_GT(inColumn[0]->y(), 2);
    EXPECT_EQ(inColumn[1]->y(), inColumn[0]->y() + 28);

    TDCLGroupRow row(&owner);
    row.setBounds(0, 0, 300, 60);
    const QList<TDCLButton *> inRow = dropButtons(owner, &row, 2);
    EXPECT_EQ(inRow[0]->align(), alLeft);
    EXPECT_EQ(inRow[0]->x(), 2);
    EXPECT_EQ(inRow[1]->x(), 82);
    EXPECT_EQ(inRow[1]->y(), inRow[0]->y());
}

TEST(ClusterTiles, InsertedClustersTakeTheEdgeOfTheInnermostContainer)
{
    TOwner owner;
    TDCLPanel dialog(&owner);
    dialog.setBounds(0, 0, 500, 400);
    auto *row = new TDCLRow(&owner);
    row->setParentControl(&dialog);
    auto *column = new TDCLColumn(&owner);
    column->setParentControl(row);
    auto *innerRow = new TDCLRow(&owner);
    innerRow->setParentControl(column);
    TDCLButton *button = dropButtons(owner, column, 1).first();
    auto *label = new TPanel(&owner);
    label->setParentControl(column);

    EXPECT_EQ(row->align(), alTop);      // the dialog decides
    EXPECT_EQ(column->align(), alLeft);  // a column in a row
    EXPECT_EQ(innerRow->align(), alTop); // a row in a column
    EXPECT_EQ(button->align(), alTop);   // the column decides, not the row
    EXPECT_EQ(label->align(), alNone);   // not a tile: left alone
}

// The colour of a pixel of the tile drawn as shown.
QColor pixelAt(QWidget &widget, QPoint at)
{
    return widget.grab().toImage().pixelColor(at);
}

TEST(ClusterTiles, DesignFrameFollowsDclDesign)
{
    TOwner owner;
    TDCLColumn column(&owner);
    column.setBounds(0, 0, 60, 40);
    // The dotted line starts with a dot at the corner.
    EXPECT_EQ(pixelAt(column, QPoint(0, 0)), QColor(Qt::black));
    column.setDclDesign(false);
    EXPECT_NE(pixelAt(column, QPoint(0, 0)), QColor(Qt::black));

    TDCLSpacer spacer(&owner);
    spacer.setBounds(0, 0, 20, 20);
    EXPECT_EQ(pixelAt(spacer, QPoint(0, 0)), QColor(Qt::black));
    spacer.setDclDesign(false);
    EXPECT_NE(pixelAt(spacer, QPoint(0, 0)), QColor(Qt::black));
}

TEST(ClusterTiles, RadioGroupsAreThePerContainerSiblings)
{
    TOwner owner;
    TDCLPanel dialog(&owner);
    dialog.setBounds(0, 0, 500, 400);
    auto *boxed = new TDCLGroupColumn(&owner);
    boxed->setParentControl(&dialog);
    QList<TDCLRadio *> inBox;
    for (int i = 0; i < 2; ++i) {
        inBox.append(new TDCLRadio(&owner));
        inBox.last()->setParentControl(boxed);
    }
    auto *onDialog = new TDCLRadio(&owner);
    onDialog->setParentControl(&dialog);

    inBox[1]->setValue(true);
    onDialog->setValue(true);
    EXPECT_FALSE(inBox[0]->value());
    EXPECT_TRUE(inBox[1]->value());
    inBox[0]->setValue(true);
    EXPECT_FALSE(inBox[1]->value());
    EXPECT_TRUE(onDialog->value());
}

} // namespace
} // namespace tw
