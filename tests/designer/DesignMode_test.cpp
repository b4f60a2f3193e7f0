#include "DesignerFixture.h"
#include "designer/InspectorForm.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DCLPanel.h"

#include <QPushButton>
#include <QSignalSpy>

namespace tw::test
{

TEST_F(DesignerTest, DesignModeOnHooksOwnedControlsFullyAndInnerPartsLightly)
{
    auto *box = addTile(QStringLiteral("TTestBox"), stage, {16, 16, 200, 120});
    auto *tile = static_cast<TTestEditTile *>(
        addTile(QStringLiteral("TTestEditTile"), box, {8, 8, 120, 100}));
    designOn();

    const struct {
        const char *what;
        QWidget *widget;
        bool light;
    } cases[] = {{"stage", stage, false},
                 {"box", box, false},
                 {"tile", tile, false},
                 {"edit field", tile->edit, true},
                 {"check box", tile->check, true},
                 {"list viewport", tile->list->viewport(), true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(reg->isHooked(c.widget));
        EXPECT_EQ(reg->isLightHooked(c.widget), c.light);
    }
    EXPECT_TRUE(stage->isDesigning());
    EXPECT_EQ(stage->focusPolicy(), Qt::StrongFocus);
}

TEST_F(DesignerTest, DesignModeOffRestoresEverything)
{
    stage->setFocusPolicy(Qt::ClickFocus);
    auto *tile = addTile(QStringLiteral("TTestEditTile"), stage, {16, 16, 120, 100});
    designOn();
    reg->SelectControl(tile);
    ASSERT_EQ(reg->handleManager()->sets().size(), 1);
    ASSERT_NE(inspector->window(), nullptr);

    reg->SetDesignMode(false);
    flush();
    EXPECT_EQ(reg->agentCount(), 0);
    EXPECT_FALSE(reg->isHooked(tile));
    EXPECT_FALSE(stage->isDesigning());
    EXPECT_EQ(stage->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(reg->selection(), nullptr);
    EXPECT_EQ(reg->handleManager(), nullptr);
    EXPECT_EQ(inspector->window(), nullptr);
    EXPECT_EQ(inspector->model(), nullptr);
    EXPECT_TRUE(tile->findChildren<TSmallRect *>().isEmpty());
    EXPECT_TRUE(stage->findChildren<TSmallRect *>().isEmpty());
}

TEST_F(DesignerTest, CoverQueryLeavesControlAndChildrenAlone)
{
    auto *box = addTile(QStringLiteral("TTestBox"), stage, {16, 16, 200, 120}, "Kept");
    auto *inner = addTile(QStringLiteral("TTestBox"), box, {8, 8, 50, 50});
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        int coverKind(QWidget *widget) override { return widget->objectName() == "Kept" ? 1 : 0; }
    };
    installRules<Rules>();
    designOn();
    EXPECT_FALSE(reg->isHooked(box));
    EXPECT_FALSE(reg->isHooked(inner));
    // Controls added to it later stay alone too.
    addTile(QStringLiteral("TTestBox"), box, {60, 8, 20, 20});
    flush();
    EXPECT_EQ(reg->agentCount(), 1);
}

TEST_F(DesignerTest, ControlsAddedLaterComeUnderDesignControl)
{
    auto *box = addTile(QStringLiteral("TTestBox"), stage, {16, 16, 200, 120});
    designOn();
    auto *tile = static_cast<TTestEditTile *>(
        addTile(QStringLiteral("TTestEditTile"), box, {8, 8, 120, 100}));
    flush();
    EXPECT_TRUE(reg->isHooked(tile));
    EXPECT_TRUE(reg->isLightHooked(tile->edit));

    QTest::mouseClick(tile->edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(selectedNames(), QStringList{tile->name()});
    EXPECT_EQ(tile->innerPresses, 0);
}

// Clicks on the inner parts of composite tiles: in design mode the tile is
// selected and the part gets nothing; with design mode off the part works.
TEST_F(DesignerTest, InnerPartsOfCompositeTilesFollowDesignMode)
{
    auto *editTile =
        static_cast<TDCLEdit *>(addTile(QStringLiteral("TDCLEdit"), stage, {16, 16, 189, 26}));
    auto *buttonTile =
        static_cast<TDCLButton *>(addTile(QStringLiteral("TDCLButton"), stage, {16, 64, 80, 40}));
    auto *testTile = static_cast<TTestEditTile *>(
        addTile(QStringLiteral("TTestEditTile"), stage, {240, 16, 120, 100}));
    QSignalSpy buttonClicks(buttonTile->button(), &QPushButton::clicked);

    for (bool designing : {true, false, true}) {
        SCOPED_TRACE(designing ? "design mode" : "run mode");
        reg->SetDesignMode(designing);
        flush();
        buttonClicks.clear();
        testTile->innerPresses = 0;
        const bool checked = testTile->check->isChecked();

        QTest::mouseClick(buttonTile->button(), Qt::LeftButton);
        if (designing) {
            EXPECT_EQ(selectedNames(), QStringList{buttonTile->name()});
        }
        QTest::mouseClick(testTile->check, Qt::LeftButton);
        if (designing) {
            EXPECT_EQ(selectedNames(), QStringList{testTile->name()});
        }
        QTest::mouseClick(testTile->list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseClick(editTile->editField(), Qt::LeftButton);
        if (designing) {
            EXPECT_EQ(selectedNames(), QStringList{editTile->name()});
        }
        QTest::keyClicks(editTile->editField(), QStringLiteral("x"));

        EXPECT_EQ(buttonClicks.count(), designing ? 0 : 1);
        EXPECT_EQ(testTile->check->isChecked(), designing ? checked : !checked);
        EXPECT_EQ(testTile->innerPresses, designing ? 0 : 2);
        EXPECT_EQ(editTile->value().endsWith(QLatin1Char('x')), !designing);
        editTile->setValue(QString());
    }
}

TEST_F(DesignerTest, RetirementButtonsOfTheDialogTileSelectTheDialogTile)
{
    auto *dialog = static_cast<TDCLPanel *>(
        addTile(QStringLiteral("TDCLPanel"), stage, {0, 0, 377, 247}, "DCLPanelBasic"));
    designOn();
    QSignalSpy okClicks(dialog->okButton(), &QPushButton::clicked);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(selectedNames(), QStringList{QStringLiteral("DCLPanelBasic")});
    EXPECT_EQ(okClicks.count(), 0);
}

TEST_F(DesignerTest, FocusArrivingOnATileGoesToTheStage)
{
    auto *tile = static_cast<TTestEditTile *>(
        addTile(QStringLiteral("TTestEditTile"), stage, {16, 16, 120, 100}));
    designOn();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    tile->edit->setFocus();
    flush();
    EXPECT_EQ(form->focusWidget(), stage);
}

TEST_F(DesignerTest, DoubleClickFiresCoverDblClick)
{
    auto *tile = addTile(QStringLiteral("TTestBox"), stage, {16, 16, 80, 40});
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        void coverDoubleClicked(QWidget *widget) override { clicked.append(widget); }
        QList<QWidget *> clicked;
    };
    const QList<QWidget *> &clicked = installRules<Rules>().clicked;
    designOn();
    QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(clicked, QList<QWidget *>{tile});
}

TEST_F(DesignerTest, DesignModeSwitchesPaletteAndInspector)
{
    auto *button = addTemplateButton(QStringLiteral("Dpst_TTestBox"));
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(arrow->isEnabled());
    designOn();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(arrow->isEnabled());
    EXPECT_TRUE(arrow->isDown());
    ASSERT_NE(inspector->window(), nullptr);
    EXPECT_TRUE(inspector->window()->isVisible());
    reg->SetDesignMode(false);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(arrow->isEnabled());
    EXPECT_EQ(palette->selectedTemplate(), nullptr);
}

TEST_F(DesignerTest, HitTestAcceptingControlGetsThePressToo)
{
    class THitBox : public TTestBox
    {
    public:
        using TTestBox::TTestBox;
        int presses = 0;

    protected:
        bool event(QEvent *e) override
        {
            if (e->type() == dsn::DesignHitTest) {
                e->accept();
                return true;
            }
            return TTestBox::event(e);
        }
        void mousePressEvent(QMouseEvent *) override { ++presses; }
    };
    auto *box = new THitBox(form.get());
    box->setName(QStringLiteral("HitBox"));
    box->setParentControl(stage);
    box->setBounds(16, 16, 80, 40);
    designOn();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(box->presses, 1);
    EXPECT_EQ(selectedNames(), QStringList{QStringLiteral("HitBox")});
}

} // namespace tw::test
