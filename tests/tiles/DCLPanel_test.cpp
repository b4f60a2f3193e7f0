#include "component/Owner.h"
#include "component/PropertyAccess.h"
#include "tiles/DCLPanel.h"
#include "tiles/RadioGroup.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct ArrangeCase {
    TRetirementButton value;
    int barWidth;
    int ok, cancel, help, info;
    int barHeight;
    bool errorShown;
};

// Lefts computed by hand: round((W - G) / 2), halves to even, then 82 apart.
const ArrangeCase kArrangeCases[] = {
    {TRetirementButton::ok_cancel_help, 492, 133, 215, 297, -100, 40, false},
    {TRetirementButton::ok_only, 493, 216, -100, -100, -100, 40, false},
    {TRetirementButton::ok_only, 491, 214, -100, -100, -100, 40, false},
    {TRetirementButton::ok_cancel, 492, 174, 256, -100, -100, 40, false},
    {TRetirementButton::ok_cancel_help_info, 492, 92, 174, 256, 338, 40, false},
    {TRetirementButton::ok_cancel_help_errtile, 492, 133, 215, 297, -100, 56, true},
    {TRetirementButton::errtile, 492, -100, -100, -100, -100, 16, true},
    {TRetirementButton::ok_cancel_help, 227, 0, 82, 164, -100, 40, false},
    {TRetirementButton::ok_cancel_help, 229, 2, 84, 166, -100, 40, false},
};

class ArrangeTest : public ::testing::TestWithParam<ArrangeCase>
{
};

TEST_P(ArrangeTest, CentresTheShownButtonsAndParksTheRest)
{
    const ArrangeCase &c = GetParam();
    TOwner owner;
    TDCLPanel panel(&owner);
    panel.setRetirementButton(c.value);
    panel.setBounds(0, 0, c.barWidth + 8, 300);
    EXPECT_EQ(panel.buttonBar()->width(), c.barWidth);
    EXPECT_EQ(panel.okButton()->x(), c.ok);
    EXPECT_EQ(panel.cancelButton()->x(), c.cancel);
    EXPECT_EQ(panel.helpButton()->x(), c.help);
    EXPECT_EQ(panel.infoButton()->x(), c.info);
    EXPECT_EQ(panel.buttonBar()->height(), c.barHeight);
    // The bar stays docked to the bottom inside the 4-pixel border.
    EXPECT_EQ(panel.buttonBar()->y() + panel.buttonBar()->height(), 300 - 4);
    EXPECT_EQ(panel.errorLabel()->visibleProp(), c.errorShown);
    EXPECT_EQ(panel.errorLabel()->caption(),
              c.errorShown ? QStringLiteral("error_tile") : QString());
}

INSTANTIATE_TEST_SUITE_P(Values, ArrangeTest, ::testing::ValuesIn(kArrangeCases));

TEST(DCLPanel, ConstructorValues)
{
    TOwner owner;
    TDCLPanel panel(&owner);
    EXPECT_EQ(panel.retirementButton(), TRetirementButton::ok_cancel_help);
    EXPECT_EQ(panel.borderWidth(), 4);
    EXPECT_EQ(panel.bevelOuter(), bvNone);
    EXPECT_EQ(panel.bevelInner(), bvNone);
    EXPECT_EQ(panel.align(), alClient);
    EXPECT_EQ(panel.errorLabel()->caption(), QStringLiteral("Error_tile"));
    EXPECT_EQ(panel.okButton()->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(panel.infoButton()->text(), QStringLiteral("&Info"));
    EXPECT_EQ(panel.okButton()->size(), QSize(62, 24));
    const TObjInfo info(&panel);
    EXPECT_EQ(info.GetItem(info.IndexOfProp(QStringLiteral("Retirement_Button"))).Value,
              QStringLiteral("ok_cancel_help"));
    EXPECT_EQ(info.IndexOfProp(QStringLiteral("Key")), -1);
    EXPECT_EQ(info.IndexOfProp(QStringLiteral("Caption")), -1);
}

TEST(DCLPanel, DialogNameIsShownAsCaption)
{
    TOwner owner;
    TDCLPanel panel(&owner);
    SetPropByName(&panel, QStringLiteral("DialogName"), QStringLiteral("my_dialog"));
    EXPECT_EQ(panel.dialogName(), QStringLiteral("my_dialog"));
    EXPECT_EQ(panel.caption(), QStringLiteral("my_dialog"));
}

class CaptionListener : public QObject
{
    Q_OBJECT

public:
    QList<std::pair<QObject *, QString>> calls;

public slots:
    void DCLPanelBasicCaptionChange(QObject *sender, const QString &caption)
    {
        calls.append({sender, caption});
    }
};

TEST(DCLPanel, CaptionChangeRaisesTheBoundEventOnly)
{
    TOwner owner;
    TDCLPanel panel(&owner);
    panel.setDialogCaption(QStringLiteral("quiet"));
    EXPECT_EQ(panel.dialogCaption(), QStringLiteral("quiet"));
    EXPECT_TRUE(panel.caption().isEmpty());

    CaptionListener listener;
    panel.setOnCaptionChange(TMethod{&listener, "DCLPanelBasicCaptionChange"});
    panel.setDialogCaption(QStringLiteral("Hello"));
    ASSERT_EQ(listener.calls.size(), 1);
    EXPECT_EQ(listener.calls[0].first, &panel);
    EXPECT_EQ(listener.calls[0].second, QStringLiteral("Hello"));
}

class TDCLFakeTile : public TPanel
{
    Q_OBJECT

public:
    using TPanel::TPanel;
};

class TFakeRadio : public TPanel, public TRadioMember
{
    Q_OBJECT

public:
    using TPanel::TPanel;
    void setInGroupUpdate(bool value) override
    {
        if (value)
            ++groupUpdates;
        inGroupUpdate = value;
    }
    void setRadioValue(bool value) override
    {
        EXPECT_TRUE(inGroupUpdate);
        checked = value;
    }
    bool checked = true;
    bool inGroupUpdate = false;
    int groupUpdates = 0;
};

TEST(DCLPanel, NewTilesStackAtTheTopOtherControlsStayPut)
{
    TOwner owner;
    TDCLPanel panel(&owner);
    panel.setBounds(0, 0, 300, 200);
    auto *tile = new TDCLFakeTile(&owner);
    tile->setBounds(50, 60, 70, 20);
    tile->setParentControl(&panel);
    auto *stock = new TPanel(&owner);
    stock->setBounds(50, 90, 70, 20);
    stock->setParentControl(&panel);
    EXPECT_EQ(tile->align(), alTop);
    EXPECT_EQ(tile->geometry(), QRect(4, 4, 292, 20));
    EXPECT_EQ(stock->align(), alNone);
    EXPECT_EQ(stock->geometry(), QRect(50, 90, 70, 20));
}

TEST(DCLPanel, RadioTilesDirectlyOnTheDialogAreExclusive)
{
    TOwner owner;
    TDCLPanel panel(&owner);
    QList<TFakeRadio *> radios;
    for (int i = 0; i < 3; ++i) {
        radios.append(new TFakeRadio(&owner));
        radios.last()->setParentControl(&panel);
    }
    auto *column = new TDCLFakeTile(&owner);
    column->setParentControl(&panel);
    auto *nested = new TFakeRadio(&owner);
    nested->setParentControl(column);

    panel.radioChecked(radios[1], true);
    EXPECT_FALSE(radios[0]->checked);
    EXPECT_TRUE(radios[1]->checked);
    EXPECT_FALSE(radios[2]->checked);
    for (TFakeRadio *radio : radios) {
        EXPECT_FALSE(radio->inGroupUpdate);
        EXPECT_EQ(radio->groupUpdates, 1);
    }
    EXPECT_TRUE(nested->checked);
    EXPECT_EQ(nested->groupUpdates, 0);

    panel.radioChecked(radios[1], false);
    EXPECT_FALSE(radios[1]->checked);
}

} // namespace
} // namespace tw

#include "DCLPanel_test.moc"
