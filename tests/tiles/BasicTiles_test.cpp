#include "component/Owner.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLCheck.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DCLPanel.h"
#include "tiles/DCLRadio.h"
#include "tiles/DclColumn.h"
#include "tiles/DclLabel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tw
{
namespace
{

// A tile's state right after construction, before it is named or placed.
struct ConstructionCase {
    const char *name;
    std::function<TControl *(TOwner *)> make;
    QSize size;
    std::function<QWidget *(TControl *)> inner;
    QRect innerBounds;
    QString innerText;
};

const ConstructionCase kConstructionCases[] = {
    {"Button",
     [](TOwner *o) -> TControl * { return new TDCLButton(o); },
     {80, 28},
     [](TControl *t) -> QWidget * { return static_cast<TDCLButton *>(t)->button(); },
     {4, 4, 72, 20},
     "Button"},
    {"CheckButton",
     [](TOwner *o) -> TControl * { return new TDCLCheckButton(o); },
     {80, 24},
     [](TControl *t) -> QWidget * { return static_cast<TDCLCheckButton *>(t)->checkBox(); },
     {4, 4, 72, 16},
     "CheckBox1"},
    {"Radio",
     [](TOwner *o) -> TControl * { return new TDCLRadio(o); },
     {100, 21},
     [](TControl *t) -> QWidget * { return static_cast<TDCLRadio *>(t)->radioButton(); },
     {4, 4, 92, 13},
     "RadioButton"},
    // The edit field: 50 wide, flush right 2 pixels in, as high as the tile less 2.
    {"Edit",
     [](TOwner *o) -> TControl * { return new TDCLEdit(o); },
     {185, 29},
     [](TControl *t) -> QWidget * { return static_cast<TDCLEdit *>(t)->editField(); },
     {133, 0, 50, 27},
     ""},
};

class ConstructionTest : public ::testing::TestWithParam<ConstructionCase>
{
};

TEST_P(ConstructionTest, SizeAndInnerControlAreAsConstructed)
{
    const ConstructionCase &c = GetParam();
    TOwner owner;
    TControl *tile = c.make(&owner);
    EXPECT_EQ(tile->size(), c.size);
    QWidget *inner = c.inner(tile);
    EXPECT_EQ(inner->geometry(), c.innerBounds);
    EXPECT_EQ(inner->property("text").toString(), c.innerText);
    EXPECT_EQ(tile->property("Key").toString(), QString());
}

INSTANTIATE_TEST_SUITE_P(Tiles, ConstructionTest, ::testing::ValuesIn(kConstructionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(BasicTiles, ConstructorValuesMatchTheDeclaredDefaults)
{
    TOwner owner;
    TDCLButton button(&owner);
    EXPECT_FALSE(button.isDefault());
    EXPECT_FALSE(button.cancel());
    EXPECT_FALSE(button.tabstop());
    EXPECT_TRUE(button.buttonEnabled());

    TDCLEdit edit(&owner);
    EXPECT_TRUE(edit.enabledProp());
    EXPECT_TRUE(edit.tabstop());
    EXPECT_TRUE(edit.passwordChar().isNull());
    EXPECT_EQ(edit.editLimit(), 0);
    EXPECT_FALSE(edit.isString());
    EXPECT_FALSE(edit.allowAccept());
    EXPECT_EQ(edit.bevelOuter(), bvNone);
    EXPECT_EQ(edit.captionAlignment(), taLeftJustify);

    TDCLCheckButton check(&owner);
    EXPECT_FALSE(check.value());
    EXPECT_FALSE(check.tabstop());

    TDCLRadio radio(&owner);
    EXPECT_FALSE(radio.value());
    EXPECT_FALSE(radio.tabstop());
    EXPECT_FALSE(radio.inGroupUpdate());

    TDCLLabel label(&owner);
    EXPECT_EQ(label.size(), QSize(65, 17));
    EXPECT_TRUE(label.enabledProp());
}

TEST(BasicTiles, ButtonResizedTo120By40InsetsItsPushButton)
{
    TOwner owner;
    TDCLButton button(&owner);
    button.setBounds(0, 0, 120, 40);
    EXPECT_EQ(button.button()->geometry(), QRect(4, 4, 112, 32));
}

TEST(BasicTiles, InsetKeepsPreviousBoundsInDirectionsOfEightPixelsOrLess)
{
    TOwner owner;
    TDCLRadio radio(&owner);
    radio.setBounds(0, 0, 6, 30);
    // Width 6: left and width as before (4, 92); height 30 > 8: top 4, height 22.
    EXPECT_EQ(radio.radioButton()->geometry(), QRect(4, 4, 92, 22));
    radio.setBounds(0, 0, 50, 8);
    EXPECT_EQ(radio.radioButton()->geometry(), QRect(4, 4, 42, 22));
}

TEST(BasicTiles, EditFieldStaysFlushRight)
{
    TOwner owner;
    TDCLEdit edit(&owner);
    edit.setBounds(0, 0, 200, 29);
    edit.setEditWidth(60);
    EXPECT_EQ(edit.editField()->geometry(), QRect(138, 0, 60, 27));
    edit.setBounds(0, 0, 300, 40);
    EXPECT_EQ(edit.editField()->geometry(), QRect(238, 0, 60, 38));

    TDCLEdit fresh(&owner);
    fresh.setEditWidth(80);
    EXPECT_EQ(fresh.editField()->x(), 103);
    EXPECT_EQ(fresh.editWidth(), 80);
}

TEST(BasicTiles, InnerPropertiesLiveInTheInnerControls)
{
    TOwner owner;
    TDCLButton button(&owner);
    button.setDefault(true);
    button.setCancel(true);
    button.setButtonEnabled(false);
    button.setButtonCaption(QStringLiteral("&Go"));
    EXPECT_TRUE(button.button()->isDefault());
    EXPECT_TRUE(button.isDefault());
    EXPECT_TRUE(button.cancel());
    EXPECT_FALSE(button.button()->isEnabled());
    EXPECT_FALSE(button.buttonEnabled());
    EXPECT_EQ(button.button()->text(), QStringLiteral("&Go"));

    TDCLCheckButton check(&owner);
    check.setValue(true);
    check.setBoxEnabled(false);
    EXPECT_TRUE(check.checkBox()->isChecked());
    EXPECT_FALSE(check.checkBox()->isEnabled());

    TDCLEdit edit(&owner);
    edit.setValue(QStringLiteral("EditText"));
    edit.setEditLimit(5);
    edit.setPasswordChar(QLatin1Char('*'));
    // A limit below the value's length keeps the value whole.
    EXPECT_EQ(edit.editField()->text(), QStringLiteral("EditText"));
    EXPECT_EQ(edit.value(), QStringLiteral("EditText"));
    EXPECT_EQ(edit.editLimit(), 5);
    EXPECT_EQ(edit.editField()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit.passwordChar(), QLatin1Char('*'));
    edit.setEditLimit(0);
    edit.setPasswordChar(QChar());
    EXPECT_EQ(edit.editLimit(), 0);
    EXPECT_EQ(edit.editField()->echoMode(), QLineEdit::Normal);

    // Enabled on the edit tile is a plain flag: the field stays usable.
    edit.setEnabledProp(false);
    EXPECT_TRUE(edit.editField()->isEnabled());
}

TEST(BasicTiles, EveryInnerControlHasAnAccessibleName)
{
    TOwner owner;
    TDCLButton button(&owner);
    TDCLCheckButton check(&owner);
    TDCLRadio radio(&owner);
    TDCLEdit edit(&owner);
    edit.setName(QStringLiteral("DCLEdit1"));
    const QList<QWidget *> inner = {button.button(), check.checkBox(), radio.radioButton(),
                                    edit.editField()};
    for (QWidget *widget : inner)
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
    EXPECT_EQ(edit.editField()->accessibleName(), QStringLiteral("DCLEdit1"));
}

TEST(BasicTiles, FreshEditAndTextTilesShowTheirComponentName)
{
    TOwner owner;
    TDCLEdit edit(&owner);
    edit.setName(QStringLiteral("DCLEdit1"));
    EXPECT_EQ(edit.caption(), QStringLiteral("DCLEdit1"));
    edit.setName(QStringLiteral("DCLEdit7"));
    EXPECT_EQ(edit.caption(), QStringLiteral("DCLEdit7"));
    edit.setCaption(QStringLiteral("Name:"));
    edit.setName(QStringLiteral("DCLEdit8"));
    EXPECT_EQ(edit.caption(), QStringLiteral("Name:"));

    TDCLLabel label(&owner);
    label.setName(QStringLiteral("DCLLabel1"));
    EXPECT_EQ(label.caption(), QStringLiteral("DCLLabel1"));
}

// KeyFillIn: which keys a resize replaces by the component name.
struct KeyFillCase {
    const char *name;
    std::function<TControl *(TOwner *)> make;
    QString key;
    QString expected; // "=" stands for the component name
};

const KeyFillCase kKeyFillCases[] = {
    {"RadioEmpty", [](TOwner *o) -> TControl * { return new TDCLRadio(o); }, "", "="},
    {"RadioBlank", [](TOwner *o) -> TControl * { return new TDCLRadio(o); }, "  ", "="},
    {"RadioKept", [](TOwner *o) -> TControl * { return new TDCLRadio(o); }, "r1", "r1"},
    {"EditBlank", [](TOwner *o) -> TControl * { return new TDCLEdit(o); }, " ", "="},
    {"LabelEmpty", [](TOwner *o) -> TControl * { return new TDCLLabel(o); }, "", "="},
    {"ButtonEmpty", [](TOwner *o) -> TControl * { return new TDCLButton(o); }, "", "="},
    {"ButtonBlankKept", [](TOwner *o) -> TControl * { return new TDCLButton(o); }, " ", " "},
    {"CheckEmptyKept", [](TOwner *o) -> TControl * { return new TDCLCheckButton(o); }, "", ""},
};

class KeyFillTest : public ::testing::TestWithParam<KeyFillCase>
{
};

TEST_P(KeyFillTest, ResizeFillsOnlyAnEmptyKey)
{
    const KeyFillCase &c = GetParam();
    TOwner owner;
    TControl *tile = c.make(&owner);
    tile->setName(QStringLiteral("Tile1"));
    tile->setProperty("Key", c.key);
    tile->setBounds(0, 0, tile->width() + 10, tile->height() + 3);
    const QString expected = c.expected == QLatin1String("=") ? tile->name() : c.expected;
    EXPECT_EQ(tile->property("Key").toString(), expected);
    // Again after the key is emptied.
    tile->setProperty("Key", QString());
    tile->setBounds(0, 0, tile->width() + 1, tile->height());
    EXPECT_EQ(tile->property("Key").toString(),
              c.name == std::string("CheckEmptyKept") ? QString() : tile->name());
}

INSTANTIATE_TEST_SUITE_P(Tiles, KeyFillTest, ::testing::ValuesIn(kKeyFillCases),
                         [](const auto &info) { return std::string(info.param.name); });

class MethodSink : public QObject
{
    Q_OBJECT

public:
    int calls = 0;

public slots:
    void RadioValueChange(QObject *, bool) { ++calls; }
};

TEST(RadioTile, ValueTrueWithoutParentChangesOnlyTheTile)
{
    TOwner owner;
    TDCLRadio radio(&owner);
    radio.setValue(true);
    EXPECT_TRUE(radio.value());
    EXPECT_TRUE(radio.radioButton()->isChecked());
    EXPECT_TRUE(radio.radioButton()->recordedChecked());
}

// Radio tiles placed in `container`, each named and keyed.
QList<TDCLRadio *> addRadios(TOwner &owner, TControl *container, int count)
{
    QList<TDCLRadio *> radios;
    for (int i = 0; i < count; ++i) {
        auto *radio = new TDCLRadio(&owner);
        radio->setParentControl(container);
        radios.append(radio);
    }
    return radios;
}

TEST(RadioTile, ValueFalseNeverTouchesASibling)
{
    TOwner owner;
    TDCLColumn column(&owner);
    const QList<TDCLRadio *> radios = addRadios(owner, &column, 3);
    radios[0]->setValue(true);
    radios[1]->setValue(false);
    EXPECT_TRUE(radios[0]->value());
    radios[0]->setValue(false);
    EXPECT_FALSE(radios[0]->value());
    EXPECT_FALSE(radios[1]->value());
    EXPECT_FALSE(radios[2]->value());
}

// A point on the radio button's indicator, where a click lands.
QPoint indicator(TDCLRadio *radio)
{
    return QPoint(6, radio->radioButton()->height() / 2);
}

TEST(RadioTile, ClickingTheSecondOfThreeInAColumnLeavesOnlyItChecked)
{
    TOwner owner;
    TDCLColumn column(&owner);
    column.setBounds(0, 0, 200, 120);
    const QList<TDCLRadio *> radios = addRadios(owner, &column, 3);
    MethodSink sink;
    for (TDCLRadio *radio : radios)
        radio->setOnRadioValueChange(TMethod{&sink, QByteArrayLiteral("RadioValueChange")});
    radios[0]->setValue(true);
    column.show();

    QTest::mouseClick(radios[1]->radioButton(), Qt::LeftButton, {}, indicator(radios[1]));
    EXPECT_FALSE(radios[0]->value());
    EXPECT_TRUE(radios[1]->value());
    EXPECT_FALSE(radios[2]->value());
    EXPECT_FALSE(radios[0]->radioButton()->isChecked());
    EXPECT_TRUE(radios[1]->radioButton()->isChecked());
    EXPECT_EQ(sink.calls, 0);
    for (TDCLRadio *radio : radios)
        EXPECT_FALSE(radio->inGroupUpdate());

    // Clicking the checked one again keeps it checked, as a radio button does.
    QTest::mouseClick(radios[1]->radioButton(), Qt::LeftButton, {}, indicator(radios[1]));
    EXPECT_TRUE(radios[1]->value());
}

TEST(RadioTile, ClickOutsideTheInnerControlReappliesTheRecordedState)
{
    TOwner owner;
    TDCLColumn column(&owner);
    column.setBounds(0, 0, 200, 120);
    const QList<TDCLRadio *> radios = addRadios(owner, &column, 2);
    radios[0]->setValue(true);
    // The second radio's inner control is checked behind the tiles' backs.
    radios[1]->radioButton()->setSuppressNotify(true);
    radios[1]->radioButton()->setRecordedChecked(true);
    EXPECT_TRUE(radios[0]->value());
    column.show();
    QTest::mouseClick(radios[1], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(radios[0]->value());
    EXPECT_TRUE(radios[1]->value());
}

TEST(RadioTile, InnerCheckedNotifiesOnlyWhenNotSuppressed)
{
    TOwner owner;
    TDCLRadio radio(&owner);
    MethodSink sink;
    TMyRadioButton *inner = radio.radioButton();
    inner->setOnChangeValue(TMethod{&sink, QByteArrayLiteral("RadioValueChange")});
    inner->setSuppressNotify(true);
    inner->setRecordedChecked(true);
    EXPECT_EQ(sink.calls, 0);
    inner->setSuppressNotify(false);
    inner->setRecordedChecked(false);
    EXPECT_EQ(sink.calls, 0);
    inner->setRecordedChecked(true);
    EXPECT_EQ(sink.calls, 1);
}

TEST(RadioTile, ExclusivityStaysWithinTheDirectContainer)
{
    TOwner owner;
    TDCLPanel dialog(&owner);
    dialog.setBounds(0, 0, 400, 400);
    TDCLColumn *column = new TDCLColumn(&owner);
    column->setParentControl(&dialog);
    const QList<TDCLRadio *> inColumn = addRadios(owner, column, 2);
    const QList<TDCLRadio *> onDialog = addRadios(owner, &dialog, 2);
    inColumn[0]->setValue(true);
    onDialog[0]->setValue(true);
    EXPECT_TRUE(inColumn[0]->value());
    onDialog[1]->setValue(true);
    EXPECT_FALSE(onDialog[0]->value());
    EXPECT_TRUE(inColumn[0]->value());
    inColumn[1]->setValue(true);
    EXPECT_FALSE(inColumn[0]->value());
    EXPECT_TRUE(onDialog[1]->value());
}

TEST(RadioTile, LoadedHookClearsInGroupUpdate)
{
    TOwner owner;
    TDCLRadio radio(&owner);
    radio.setInGroupUpdate(true);
    radio.beginLoading();
    radio.endLoading();
    EXPECT_FALSE(radio.inGroupUpdate());
}

} // namespace
} // namespace tw

#include "BasicTiles_test.moc"
