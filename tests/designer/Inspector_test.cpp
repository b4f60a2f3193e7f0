#include "DesignerFixture.h"
#include "designer/DsnSelect.h"
#include "designer/InspectorForm.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DclLabel.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace tw::test
{

class InspectorTest : public DesignerTest
{
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        // The design window's configuration, with Width shown as well.
        inspector->setSelfProps({"Alignment",
                                 "BackColor",
                                 "Caption",
                                 "Enabled",
                                 "Edit_Width",
                                 "Key",
                                 "Kind",
                                 "ListItems",
                                 "LargeChange",
                                 "SmallChange",
                                 "Max",
                                 "Min",
                                 "Text",
                                 "IsString",
                                 "Value",
                                 "Prompt",
                                 "IsRadioGroup",
                                 "Children_alignment",
                                 "Children_fixed_height",
                                 "Children_fixed_width",
                                 "Fixed_height",
                                 "Fixed_width",
                                 "DCL_Action",
                                 "LinkToVar",
                                 "Image",
                                 "SlideNo",
                                 "Tabstop",
                                 "DialogName",
                                 "DialogCaption",
                                 "LispFileName",
                                 "DCLFileName",
                                 "Retirement_Button"});
        inspector->setBtnProps({"ListItems", "DCL_Action", "Image", "LispFileName", "DCLFileName"});
        TShowProps *show = inspector->showProps();
        show->aName = show->aColor = show->aTop = show->aLeft = show->aHeight = show->aFont = false;
        show->aWidthCp = QStringLiteral("Breadth");
        button1 = static_cast<TDCLButton *>(
            addTile(QStringLiteral("TDCLButton"), stage, {16, 16, 80, 40}, "Ok1"));
        button2 = static_cast<TDCLButton *>(
            addTile(QStringLiteral("TDCLButton"), stage, {16, 80, 96, 40}, "Ok2"));
        label = addTile(QStringLiteral("TDCLLabel"), stage, {160, 16, 80, 20}, "Text1");
        button1->setButtonCaption(QStringLiteral("First"));
        button2->setButtonCaption(QStringLiteral("Second"));
        button1->setKey(QStringLiteral("k1"));
        button2->setKey(QStringLiteral("k2"));
        designOn();
        select.setDsnRegister(reg.get());
    }

    QStringList shownNames() const
    {
        QStringList names;
        for (const TInspectorRow &row : inspector->model()->rows())
            names.append(row.name);
        return names;
    }

    QTableWidget *grid() const { return inspector->window()->grid(); }

    int rowOf(const QString &name) const
    {
        for (int row = 1; row < grid()->rowCount(); ++row)
            if (grid()->item(row, 0)->text() == name)
                return row;
        return -1;
    }

    void clickRow(const QString &name)
    {
        const int row = rowOf(name);
        ASSERT_GT(row, 0) << name.toStdString();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid()->visualRect(grid()->model()->index(row, 1)).center());
    }

    void type(const QString &text)
    {
        QLineEdit *edit = inspector->window()->editField();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(edit, &out);
    }

    TDCLButton *button1 = nullptr;
    TDCLButton *button2 = nullptr;
    TControl *label = nullptr;
    TDsnSelect select;
};

TEST_F(InspectorTest, EntryListPutsTheCommonPropertiesFirstWithTheirCaptions)
{
    TDsnInspector fresh;
    fresh.setSelfProps({QStringLiteral("Key"), QStringLiteral("Value|Initial value")});
    fresh.showProps()->aColorCp = QStringLiteral("Colour");
    fresh.showProps()->aFont = false;
    EXPECT_EQ(fresh.entryList(), (QStringList{"Caption", "Color|Colour", "Height", "Left", "Name",
                                              "Top", "Width", "Key", "Value|Initial value"}));
}

TEST_F(InspectorTest, OneTileListsItsEntriesInEntryOrderWithValues)
{
    select.select(button1);
    EXPECT_EQ(shownNames(), (QStringList{"Caption", "Width", "Alignment", "Enabled", "Key",
                                         "Fixed_height", "Fixed_width", "DCL_Action", "Tabstop"}));
    const QList<TInspectorRow> rows = inspector->model()->rows();
    EXPECT_EQ(rows[0].value, QStringLiteral("First"));
    EXPECT_EQ(rows[1].caption, QStringLiteral("Breadth"));
    EXPECT_EQ(rows[1].value, QStringLiteral("80"));
    EXPECT_EQ(rows[2].value, QStringLiteral("Top"));
    // The window shows the same rows under the caption row.
    ASSERT_EQ(grid()->rowCount(), rows.size() + 1);
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("Properties"));
    EXPECT_EQ(grid()->item(0, 2)->text(), QStringLiteral("Values"));
    EXPECT_EQ(grid()->item(2, 1)->text(), QStringLiteral("Breadth"));
    EXPECT_EQ(grid()->item(2, 2)->text(), QStringLiteral("80"));
}

TEST_F(InspectorTest, LongPropertyNamesShowWholeOnHovering)
{
    select.select(QList<TControl *>{button1});
    const int row = rowOf(QStringLiteral("Fixed_height"));
    ASSERT_GT(row, 0);
    EXPECT_EQ(grid()->item(row, 1)->toolTip(), grid()->item(row, 1)->text());
    EXPECT_FALSE(grid()->item(row, 1)->toolTip().isEmpty());
}

TEST_F(InspectorTest, EntriesMatchPropertyNamesWithoutRegardToCase)
{
    auto *edit = addTile(QStringLiteral("TDCLEdit"), stage, {16, 200, 189, 26}, "Edit1");
    flush();
    select.select(edit);
    EXPECT_TRUE(shownNames().contains(QStringLiteral("Edit_width")));
}

TEST_F(InspectorTest, SeveralTilesShowCommonPropertiesAndBlankDifferingValues)
{
    const struct {
        const char *what;
        QList<TControl *> tiles;
        QStringList outProps;
        QStringList names;
        QStringList values;
    } cases[] = {
        {"two buttons",
         {button1, button2},
         {},
         {"Caption", "Width", "Alignment", "Enabled", "Key", "Fixed_height", "Fixed_width",
          "DCL_Action", "Tabstop"},
         {"First", "", "Top", "True", "k1", "False", "False", "", "False"}},
        {"two buttons without keys",
         {button1, button2},
         {"Key"},
         {"Caption", "Width", "Alignment", "Enabled", "Fixed_height", "Fixed_width", "DCL_Action",
          "Tabstop"},
         {"First", "", "Top", "True", "False", "False", "", "False"}},
        {"button and label",
         {button1, label},
         {},
         {"Caption", "Width", "Alignment", "Enabled", "Key", "Fixed_height", "Fixed_width"},
         {"First", "80", "Top", "True", "k1", "False", "False"}},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.what);
        inspector->setOutProps(t.outProps);
        reg->SetDesignMode(false);
        designOn();
        select.select(t.tiles);
        EXPECT_EQ(shownNames(), t.names);
        QStringList values;
        for (const TInspectorRow &row : inspector->model()->rows())
            values.append(row.value);
        EXPECT_EQ(values, t.values);
    }
}

TEST_F(InspectorTest, RemovingATileFromTheSelectionListsTheRestAgain)
{
    select.select(QList<TControl *>{button1, button2});
    EXPECT_EQ(shownValue(QStringLiteral("Width")), QString());
    QTest::mouseClick(button1->button(), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(selectedNames(), QStringList{"Ok2"});
    EXPECT_EQ(shownValue(QStringLiteral("Width")), QStringLiteral("96"));
    EXPECT_EQ(shownValue(QStringLiteral("Caption")), QStringLiteral("Second"));
}

TEST_F(InspectorTest, TypedTextIsAppliedToEverySelectedTileAndHandlesFollow)
{
    select.select(QList<TControl *>{button1, button2});
    clickRow(QStringLiteral("Width"));
    TInspectorFm *window = inspector->window();
    EXPECT_EQ(window->editProperty(), QStringLiteral("Width"));
    EXPECT_TRUE(window->editField()->isVisible());
    // The field covers the value cell, placed in the window over the grid.
    QRect cell = grid()->visualRect(grid()->model()->index(rowOf("Width"), 2));
    cell.moveTopLeft(grid()->viewport()->mapTo(window, cell.topLeft()));
    EXPECT_EQ(window->editField()->geometry(), cell);
    type(QStringLiteral("120"));
    EXPECT_EQ(button1->width(), 120);
    EXPECT_EQ(button2->width(), 120);
    EXPECT_EQ(shownValue(QStringLiteral("Width")), QStringLiteral("120"));
    EXPECT_TRUE(errors.isEmpty());
    const QList<TSmallRect *> handles = reg->handleManager()->setFor(button1)->handles();
    EXPECT_EQ(handles[1]->x(), 16 + 120 - 6 + 2);
    // The editor stays on the row of the property after the refresh.
    EXPECT_EQ(window->editRowIndex(), rowOf(QStringLiteral("Width")));
}

TEST_F(InspectorTest, TextThatDoesNotConvertIsReportedAndChangesNothing)
{
    const struct {
        const char *prop;
        const char *text;
        const char *error;
    } cases[] = {
        {"Width", "abc", "abc is illegal (Width)"},
        {"Width", "12x", "12x is illegal (Width)"},
        {"Tabstop", "maybe", "maybe is illegal (Tabstop)"},
    };
    select.select(QList<TControl *>{button1, button2});
    for (const auto &t : cases) {
        SCOPED_TRACE(t.text);
        errors.clear();
        EXPECT_FALSE(inspector->applyText(QLatin1String(t.prop), QLatin1String(t.text)));
        EXPECT_EQ(errors, QStringList{QLatin1String(t.error)});
        EXPECT_EQ(button1->width(), 80);
        EXPECT_EQ(button2->width(), 96);
        EXPECT_FALSE(button1->tabstop());
    }
}

TEST_F(InspectorTest, EmptyTextClearsStringsAndLeavesOtherKindsAlone)
{
    select.select(QList<TControl *>{button1, button2});
    EXPECT_TRUE(inspector->applyText(QStringLiteral("Width"), QString()));
    EXPECT_EQ(button1->width(), 80);
    EXPECT_EQ(button2->width(), 96);
    EXPECT_TRUE(inspector->applyText(QStringLiteral("Key"), QString()));
    EXPECT_EQ(button1->key(), QString());
    EXPECT_EQ(button2->key(), QString());
}

TEST_F(InspectorTest, EnumerationsAreChosenFromTheDropDown)
{
    select.select(QList<TControl *>{button1, button2});
    clickRow(QStringLiteral("Alignment"));
    QComboBox *combo = inspector->window()->comboBox();
    ASSERT_TRUE(combo->isVisible());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    EXPECT_EQ(items, (QStringList{"Top", "Bottom", "Center", "Left", "Right"}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Top"));
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(button1->alignment(), dcl::TCadAlignment::Center);
    EXPECT_EQ(button2->alignment(), dcl::TCadAlignment::Center);
    EXPECT_EQ(shownValue(QStringLiteral("Alignment")), QStringLiteral("Center"));

    clickRow(QStringLiteral("Tabstop"));
    items.clear();
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    EXPECT_EQ(items, (QStringList{"False", "True"}));
}

TEST_F(InspectorTest, EllipsisButtonAsksTheHandlerAndAppliesItsValue)
{
    struct Rules : TTestRules {
        using TTestRules::TTestRules;
        QString propertyButtonClicked(const QList<QObject *> &targets, const QString &property,
                                      const QString &value) override
        {
            calls.append(property + ':' + value + ':' + QString::number(targets.size()));
            // The rules' editor is a modal window, as the design window's are.
            QDialog editor;
            QTimer::singleShot(0, &editor, [&] {
                const auto onTop = [&] {
                    return inspected->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                };
                onTopWhileAsked = !QTest::qWaitFor([&] { return !onTop(); });
                editor.accept();
            });
            editor.exec();
            return QStringLiteral("OnokClicked()");
        }
        TDsnInspector *inspected = nullptr;
        QStringList calls;
        bool onTopWhileAsked = true;
    };
    Rules &rules = installRules<Rules>();
    rules.inspected = inspector;
    const QStringList &calls = rules.calls;
    const bool &onTopWhileAsked = rules.onTopWhileAsked;
    reg->SetDesignMode(false);
    inspector->setStayOnTop(true);
    designOn();
    button1->setDclAction(QStringLiteral("old"));
    select.select(QList<TControl *>{button1, button2});
    clickRow(QStringLiteral("DCL_Action"));
    TInspectorFm *window = inspector->window();
    ASSERT_TRUE(window->buttonPanel()->isVisible());
    EXPECT_FALSE(window->editField()->isEnabled());
    QRect cell = grid()->visualRect(grid()->model()->index(rowOf("DCL_Action"), 2));
    cell.moveTopLeft(grid()->viewport()->mapTo(window, cell.topLeft()));
    EXPECT_EQ(window->buttonPanel()->geometry(),
              QRect(cell.right() + 1 - 16, cell.top(), 17, cell.height()));
    QTest::mouseClick(window->ellipsisButton(), Qt::LeftButton);
    // A string shows the first tile's text.
    EXPECT_EQ(calls, QStringList{"DCL_Action:old:2"});
    // The editor it opens is not hidden under the inspector; afterwards the
    // inspector stays on top again.
    EXPECT_FALSE(onTopWhileAsked);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(button1->dclAction(), QStringLiteral("OnokClicked()"));
    EXPECT_EQ(button2->dclAction(), QStringLiteral("OnokClicked()"));
}

TEST_F(InspectorTest, TextIsCommittedWhenTheWindowIsDeactivatedButNotWhenUntouched)
{
    select.select(QList<TControl *>{button1, button2});
    clickRow(QStringLiteral("Caption"));
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(inspector->window(), &deactivate);
    EXPECT_EQ(button2->buttonCaption(), QStringLiteral("Second"));

    QLineEdit *edit = inspector->window()->editField();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Both"));
    QApplication::sendEvent(inspector->window(), &deactivate);
    EXPECT_EQ(button1->buttonCaption(), QStringLiteral("Both"));
    EXPECT_EQ(button2->buttonCaption(), QStringLiteral("Both"));
}

TEST_F(InspectorTest, EnterAppliesTheTypedTextAndEscapeTakesItBack)
{
    select.select(QList<TControl *>{button1});
    clickRow(QStringLiteral("Caption"));
    QLineEdit *edit = inspector->window()->editField();
    const struct {
        const char *typed;
        Qt::Key key;
        const char *caption;
        const char *shown;
    } cases[] = {
        {"Press me", Qt::Key_Return, "Press me", "Press me"},
        {"Oops", Qt::Key_Escape, "Press me", "Press me"},
        {"Again", Qt::Key_Enter, "Again", "Again"},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.typed);
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(t.typed));
        QTest::keyClick(edit, t.key);
        EXPECT_EQ(button1->buttonCaption(), QLatin1String(t.caption));
        EXPECT_EQ(edit->text(), QLatin1String(t.shown));
        EXPECT_FALSE(edit->isModified());
    }
}

TEST_F(InspectorTest, TabLeavesTheFieldAndAppliesTheTypedText)
{
    select.select(QList<TControl *>{button1});
    TInspectorFm *window = inspector->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const struct {
        const char *property;
        const char *typed;
        std::function<QString()> stored;
    } cases[] = {
        {"Caption", "Apply", [this] { return button1->buttonCaption(); }},
        {"Key", "apply_key", [this] { return button1->key(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.property);
        clickRow(QLatin1String(c.property));
        QLineEdit *edit = window->editField();
        ASSERT_TRUE(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(c.typed));
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_FALSE(edit->hasFocus());
        EXPECT_EQ(c.stored(), QString::fromLatin1(c.typed));
        EXPECT_EQ(shownValue(QLatin1String(c.property)), QString::fromLatin1(c.typed));
    }
}

TEST_F(InspectorTest, WindowFollowsTheSettingsAndNamesEveryControl)
{
    reg->SetDesignMode(false);
    inspector->position()->Left = 600;
    inspector->position()->Top = 40;
    inspector->position()->Width = 200;
    inspector->grid()->PropCp = QStringLiteral("Name");
    inspector->grid()->PropWid = 70;
    inspector->setCaption(QStringLiteral("Object Inspector"));
    inspector->setStayOnTop(true);
    designOn();
    TInspectorFm *window = inspector->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Object Inspector"));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->geometry().topLeft(), QPoint(600, 40));
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("Name"));
    EXPECT_EQ(grid()->columnWidth(1), 70);
    EXPECT_EQ(grid()->columnWidth(2), window->width() - 70 - 15);
    EXPECT_EQ(grid()->verticalHeader()->defaultSectionSize(), 18);
    EXPECT_FALSE(window->helpPanel()->isVisible());
    EXPECT_EQ(window->helpButton()->text(), QStringLiteral("Help(&H)"));
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->inherits("QScrollBar") || child->parentWidget() == grid() ||
            child->objectName().startsWith(QLatin1String("qt_")))
            continue;
        EXPECT_FALSE(child->accessibleName().isEmpty())
            << child->metaObject()->className() << " " << child->objectName().toStdString();
    }
}

TEST_F(InspectorTest, HelpButtonShowsWhenAsked)
{
    reg->SetDesignMode(false);
    inspector->helpButton()->Visible = true;
    inspector->helpButton()->Caption = QStringLiteral("&Guide");
    designOn();
    EXPECT_TRUE(inspector->window()->helpPanel()->isVisible());
    EXPECT_EQ(inspector->window()->helpButton()->text(), QStringLiteral("&Guide"));
}

TEST_F(InspectorTest, WindowSqueezedBelowItsRowsGrowsBackToShowThemAll)
{
    select.select(QList<TControl *>{button1});
    TInspectorFm *window = inspector->window();
    window->show();
    const int rowsHeight = grid()->verticalHeader()->length() + 2 * grid()->frameWidth();
    ASSERT_GT(grid()->rowCount(), 5);
    const struct {
        int height;
        int expected;
    } cases[] = {
        {40, rowsHeight + 30},
        {rowsHeight + 9, rowsHeight + 30},
        {rowsHeight + 10, rowsHeight + 10},
        {rowsHeight + 200, rowsHeight + 200},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.height);
        window->resize(window->width(), t.height);
        EXPECT_EQ(window->height(), t.expected);
    }
}

} // namespace tw::test
