#include "ExpectedFiles.h"
#include "TestData.h"
#include "codegen/BasicTileWriters.h"
#include "codegen/ClusterWriters.h"
#include "codegen/DclLines.h"
#include "codegen/TileLisp.h"
#include "codegen/TileWriters.h"
#include "component/Owner.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLCheck.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DCLRadio.h"
#include "tiles/DclColumn.h"
#include "tiles/DclGroupColumn.h"
#include "tiles/DclGroupRow.h"
#include "tiles/DclLabel.h"
#include "tiles/DclRow.h"
#include "tiles/DclSpacer.h"

#include <QLocale>
#include <clocale>
#include <functional>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::expectedLines;
using test::sectionLines;

const QString kIndent = QStringLiteral("        ");

// Lines as one text, so that a failure shows a readable difference.
std::string joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

// Drops a button into `container` below and right of everything there.
TDCLButton *dropButton(TOwner &owner, TControl *container, const char *key, int at)
{
    auto *button = new TDCLButton(&owner);
    button->setBounds(at, at, 80, 28);
    button->setKey(QString::fromLatin1(key));
    button->setTabstop(true);
    button->setParentControl(container);
    return button;
}

TDCLRadio *dropRadio(TOwner &owner, TControl *container, const char *key, int at)
{
    auto *radio = new TDCLRadio(&owner);
    radio->setBounds(at, at, 100, 21);
    radio->setKey(QString::fromLatin1(key));
    radio->setTabstop(true);
    radio->setParentControl(container);
    return radio;
}

struct WriterCase {
    const char *name;
    std::function<TControl *(TOwner &)> build;
    TileWriter writer;
    const char *lisp; // expected sections, a file under codegen/
};

const WriterCase kWriterCases[] = {
    {"edit_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLEdit(&owner);
         t->setBounds(0, 0, 140, 29);
         t->setKey(QStringLiteral("e\"1"));
         t->setCaption(QStringLiteral("Name \"x\""));
         t->setValue(QStringLiteral("C:\\tmp"));
         t->setCaptionAlignment(taRightJustify);
         t->setAllowAccept(true);
         t->setTabstop(false);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setEditLimit(12);
         t->setPasswordChar(QLatin1Char('"'));
         t->setIsString(true);
         t->setLinkToVar(QStringLiteral("name_var"));
         t->setDclAction(QStringLiteral("OnName()"));
         t->setLispCode({QStringLiteral("(princ)"), QStringLiteral("(setq a 1)")});
         return t;
     },
     WriteEditBox, "writer_edit_set.lsp"},
    {"edit_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLEdit(&owner);
         t->setBounds(0, 0, 3, 300);
         t->setKey(QStringLiteral("e2"));
         t->setCaption(QStringLiteral("Age"));
         t->setCaptionAlignment(taCenter);
         t->setLinkToVar(QStringLiteral("age"));
         t->setDclAction(QStringLiteral("   "));
         t->setLispCode({QStringLiteral("(x)")});
         return t;
     },
     WriteEditBox, "writer_edit_clear.lsp"},
    {"button_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLButton(&owner);
         t->setBounds(0, 0, 700, 28);
         t->setKey(QStringLiteral("ok"));
         t->setButtonCaption(QStringLiteral("&OK"));
         t->setAlignment(TCadAlignment::Right);
         t->setButtonEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setDefault(true);
         t->setCancel(true);
         t->setDclAction(QStringLiteral("OnOk()"));
         t->setLispCode({QStringLiteral("(done_dialog 1)")});
         return t;
     },
     WriteButton, "writer_button_set.lsp"},
    {"button_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLButton(&owner);
         t->setKey(QStringLiteral("b"));
         t->setButtonCaption(QStringLiteral("Go"));
         t->setAlignment(TCadAlignment::Center);
         t->setTabstop(true);
         t->setDclAction(QStringLiteral("DoGo"));
         return t;
     },
     WriteButton, "writer_button_clear.lsp"},
    {"toggle_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLCheckButton(&owner);
         t->setBounds(0, 0, 77, 45);
         t->setKey(QStringLiteral("t1"));
         t->setBoxCaption(QStringLiteral("Keep"));
         t->setAlignment(TCadAlignment::Left);
         t->setBoxEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setValue(true);
         t->setLinkToVar(QStringLiteral("keep"));
         t->setDclAction(QStringLiteral("OnKeep()"));
         t->setLispCode({QStringLiteral("(princ keep)")});
         return t;
     },
     WriteToggle, "writer_toggle_set.lsp"},
    {"toggle_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLCheckButton(&owner);
         t->setKey(QStringLiteral("t2"));
         t->setBoxCaption(QStringLiteral("Off"));
         t->setAlignment(TCadAlignment::Bottom);
         t->setTabstop(true);
         return t;
     },
     WriteToggle, "no_fragments.lsp"},
    {"radio_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLRadio(&owner);
         t->setKey(QStringLiteral("r1"));
         t->setRadioCaption(QStringLiteral("One"));
         t->setAlignment(TCadAlignment::Top);
         t->setRadioEnabled(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setValue(true);
         t->setLinkToVar(QStringLiteral("which"));
         t->setDclAction(QStringLiteral("OnOne()"));
         return t;
     },
     WriteRadioButton, "writer_radio_set.lsp"},
    {"radio_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLRadio(&owner);
         t->setBounds(0, 0, 35, 15);
         t->setKey(QStringLiteral("r2"));
         t->setRadioCaption(QStringLiteral("Two"));
         t->setAlignment(TCadAlignment::Center);
         t->setTabstop(true);
         t->setLinkToVar(QStringLiteral("  "));
         return t;
     },
     WriteRadioButton, "no_fragments.lsp"},
    {"text_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLLabel(&owner);
         t->setCaption(QStringLiteral("Say \"hi\""));
         t->tfont()->setStyle(fsBold);
         t->setBounds(0, 0, 70, 15);
         t->setKey(QStringLiteral("t"));
         t->setAlignment(TCadAlignment::Right);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         return t;
     },
     WriteText, "no_fragments.lsp"},
    {"text_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLLabel(&owner);
         t->setBounds(0, 0, 65, 17);
         t->setAlignment(TCadAlignment::Left);
         return t;
     },
     WriteText, "no_fragments.lsp"},
    {"spacer_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLSpacer(&owner);
         t->setBounds(0, 0, 14, 30);
         t->setKey(QStringLiteral("sp"));
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         return t;
     },
     WriteSpacer, "no_fragments.lsp"},
    {"spacer_clear", [](TOwner &owner) -> TControl * { return new TDCLSpacer(&owner); },
     WriteSpacer, "no_fragments.lsp"},
    {"column_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLColumn(&owner);
         t->setBounds(0, 0, 100, 200);
         t->setKey(QStringLiteral("c1"));
         t->setCaption(QStringLiteral("Opts"));
         t->setAlignment(TCadAlignment::Bottom);
         t->setTabstop(false);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setChildrenFixedHeight(true);
         t->setChildrenFixedWidth(true);
         t->setChildrenAlignment(TCadAlignment::Right);
         t->setDclAction(QStringLiteral("OnCol()"));
         t->setLispCode({QStringLiteral("(princ)")});
         // Created second but dropped above the first: b1 comes first.
         dropButton(owner, t, "b2", 600);
         dropButton(owner, t, "b1", 0)->setDclAction(QStringLiteral("OnB1()"));
         return t;
     },
     WriteColumn, "writer_column_set.lsp"},
    {"column_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLColumn(&owner);
         t->setKey(QStringLiteral("c2"));
         t->setChildrenAlignment(TCadAlignment::Center);
         return t;
     },
     WriteColumn, "no_fragments.lsp"},
    {"row_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLRow(&owner);
         t->setBounds(0, 0, 300, 40);
         t->setKey(QStringLiteral("r"));
         t->setCaption(QStringLiteral("Line"));
         t->setAlignment(TCadAlignment::Left);
         t->setTabstop(false);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setChildrenFixedHeight(true);
         t->setChildrenFixedWidth(true);
         t->setChildrenAlignment(TCadAlignment::Bottom);
         t->setDclAction(QStringLiteral("OnRow()"));
         dropButton(owner, t, "b2", 600);
         dropButton(owner, t, "b1", 0)->setDclAction(QStringLiteral("OnB1()"));
         return t;
     },
     WriteRow, "writer_row_set.lsp"},
    {"row_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLRow(&owner);
         t->setKey(QStringLiteral("r2"));
         t->setCaption(QStringLiteral("   "));
         t->setAlignment(TCadAlignment::Center);
         return t;
     },
     WriteRow, "no_fragments.lsp"},
    {"boxed_column_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLGroupColumn(&owner);
         t->setKey(QStringLiteral("grp"));
         t->setCaption(QStringLiteral("Pick one"));
         t->setIsRadioGroup(true);
         t->setAlignment(taCenter);
         t->setTabstop(false);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setChildrenFixedHeight(true);
         t->setChildrenFixedWidth(true);
         t->setChildrenAlignment(taRightJustify);
         t->setLinkToVar(QStringLiteral("choice"));
         t->setDclAction(QStringLiteral("OnGrp()"));
         dropRadio(owner, t, "r1", 500)->setValue(true);
         dropRadio(owner, t, "r2", 600);
         return t;
     },
     WriteBoxedColumn, "writer_boxed_column_set.lsp"},
    {"boxed_column_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLGroupColumn(&owner);
         t->setKey(QStringLiteral("g2"));
         return t;
     },
     WriteBoxedColumn, "no_fragments.lsp"},
    {"boxed_row_set",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLGroupRow(&owner);
         t->setCaption(QStringLiteral("Row box"));
         t->setIsRadioGroup(true);
         t->setAlignment(taRightJustify);
         t->setTabstop(false);
         t->setEnabledProp(false);
         t->setFixedHeightFlag(true);
         t->setFixedWidthFlag(true);
         t->setChildrenFixedHeight(true);
         t->setChildrenFixedWidth(true);
         t->setChildrenAlignment(taCenter);
         t->setLinkToVar(QStringLiteral("row_pick"));
         return t;
     },
     WriteBoxedRow, "writer_boxed_row_set.lsp"},
    {"boxed_row_clear",
     [](TOwner &owner) -> TControl * {
         auto *t = new TDCLGroupRow(&owner);
         t->setCaption(QStringLiteral("R"));
         return t;
     },
     WriteBoxedRow, "no_fragments.lsp"},
};

class WriterTest : public ::testing::TestWithParam<WriterCase>
{
};

TEST_P(WriterTest, WritesTheExpectedBlockAndFragments)
{
    const WriterCase &c = GetParam();
    TOwner owner;
    TControl *tile = c.build(owner);
    QStringList dcl;
    LispSections lisp;
    c.writer(tile, dcl, kIndent, lisp);
    const QString base = QStringLiteral("codegen/writer_") + QLatin1String(c.name);
    EXPECT_EQ(joined(dcl), joined(expectedLines(base + QStringLiteral(".dcl"))));
    EXPECT_EQ(joined(sectionLines(lisp)),
              joined(expectedLines(QStringLiteral("codegen/") + QLatin1String(c.lisp))));
}

INSTANTIATE_TEST_SUITE_P(Tiles, WriterTest, ::testing::ValuesIn(kWriterCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TileWriters, DispatchTableListsTheKindsInTheirTestingOrder)
{
    QStringList names;
    for (const TileWriterEntry &entry : tileWriters())
        names.append(QString::fromLatin1(entry.className));
    const QStringList order = {"TDCLEdit",      "TDCLButton", "TDCLCheckButton", "TDCLRadio",
                               "TDCLScrollBar", "TDCLImage",  "TDCLImageBtn",    "TDCLListLabel",
                               "TDCLCombo",     "TDCLLabel",  "TDCLSpacer",      "TDCLGroupColumn",
                               "TDCLGroupRow",  "TDCLRow",    "TDCLColumn"};
    // Every kind present comes in the fixed order; the basic and cluster kinds
    // are all there.
    qsizetype last = -1;
    for (const QString &name : names) {
        const qsizetype at = order.indexOf(name);
        EXPECT_GT(at, last) << qPrintable(name);
        last = at;
    }
    for (const char *kind :
         {"TDCLEdit", "TDCLButton", "TDCLCheckButton", "TDCLRadio", "TDCLLabel", "TDCLSpacer",
          "TDCLGroupColumn", "TDCLGroupRow", "TDCLRow", "TDCLColumn"})
        EXPECT_TRUE(names.contains(QLatin1String(kind))) << kind;
}

TEST(TileWriters, AlignmentWordsAreDclKeywords)
{
    const std::pair<TCadAlignment, const char *> cad[] = {
        {TCadAlignment::Top, "top"},         {TCadAlignment::Bottom, "bottom"},
        {TCadAlignment::Center, "centered"}, {TCadAlignment::Left, "left"},
        {TCadAlignment::Right, "right"},
    };
    for (const auto &[value, word] : cad)
        EXPECT_EQ(DclAlignmentWord(value), QLatin1String(word));
    const std::pair<TAlignment, const char *> three[] = {
        {taLeftJustify, "left"}, {taRightJustify, "right"}, {taCenter, "centered"}};
    for (const auto &[value, word] : three)
        EXPECT_EQ(DclAlignmentWord(value), QLatin1String(word));
}

TEST(TileWriters, BooleanHelpersWriteOnlyTheirOneState)
{
    QStringList dcl;
    WriteIfTrue(QStringLiteral("  fixed_width"), false, dcl);
    WriteIfFalse(QStringLiteral("  is_enabled"), true, dcl);
    EXPECT_TRUE(dcl.isEmpty());
    WriteIfTrue(QStringLiteral("  fixed_width"), true, dcl);
    WriteIfFalse(QStringLiteral("  is_enabled"), false, dcl);
    EXPECT_EQ(dcl, QStringList({"      fixed_width = true ;", "      is_enabled = false ;"}));
}

TEST(TileWriters, ClusterChildrenWithEqualTopKeepTheirChildOrder)
{
    TOwner owner;
    TDCLColumn column(&owner);
    column.setBounds(0, 0, 100, 200);
    column.setKey(QStringLiteral("c"));
    QList<TDCLButton *> buttons;
    for (const char *key : {"first", "second", "third"}) {
        buttons.append(dropButton(owner, &column, key, 500));
        buttons.last()->setAlign(alNone);
    }
    for (TDCLButton *button : buttons)
        button->setTop(10);
    buttons[1]->setTop(5);
    QStringList dcl;
    LispSections lisp;
    WriteColumn(&column, dcl, kIndent, lisp);
    const QStringList keys = dcl.filter(QStringLiteral("key        ="));
    EXPECT_EQ(keys, QStringList({"            key        = \"c\" ;",
                                 "                key        = \"second\" ;",
                                 "                key        = \"first\" ;",
                                 "                key        = \"third\" ;"}));
}

TEST(TileWriters, BoxedRowVisitsItsChildrenFromTheLeft)
{
    TOwner owner;
    TDCLGroupRow row(&owner);
    row.setBounds(0, 0, 400, 60);
    dropButton(owner, &row, "a", 600);
    dropButton(owner, &row, "b", 0);
    dropButton(owner, &row, "c", 700);
    QStringList dcl;
    LispSections lisp;
    WriteBoxedRow(&row, dcl, kIndent, lisp);
    EXPECT_EQ(
        joined(dcl.filter(QStringLiteral("key        ="))),
        joined({"            key        = \"grp_\" ;", "                key        = \"b\" ;",
                "                key        = \"a\" ;", "                key        = \"c\" ;"}));
    EXPECT_EQ(dcl.first(), kIndent + QStringLiteral(": boxed_row {"));
    EXPECT_EQ(dcl.last(), kIndent + QStringLiteral("}"));
}

TEST(TileLisp, ReadsTheFragmentsByNameFromAnyTile)
{
    // A spacer has no DCL_Action, LinkToVar or LispCode: nothing is written.
    TOwner owner;
    TDCLSpacer spacer(&owner);
    spacer.setKey(QStringLiteral("s"));
    LispSections lisp;
    WriteTileLisp(&spacer, TLinkVariant::Whole, lisp);
    EXPECT_EQ(sectionLines(lisp), expectedLines(QStringLiteral("codegen/no_fragments.lsp")));

    // A linked variable without an action gives only its set and get lines.
    TDCLCheckButton toggle(&owner);
    toggle.setKey(QStringLiteral("k"));
    toggle.setLinkToVar(QStringLiteral("v"));
    toggle.setLispCode({QStringLiteral("(ignored)")});
    WriteTileLisp(&toggle, TLinkVariant::Whole, lisp);
    EXPECT_TRUE(lisp.InitSection.isEmpty());
    EXPECT_TRUE(lisp.FunctionSection.isEmpty());
    EXPECT_EQ(lisp.SetSection, QStringList({"    (if v (set_tile \"k\" (rtos v 2 0)))"}));
    EXPECT_EQ(lisp.GetSection, QStringList({"    (setq v (atof (get_tile \"k\" )))"}));
}

// Restores the numeric locale when a test changed it.
class CommaLocale
{
public:
    CommaLocale() : m_qt(QLocale()), m_c(std::setlocale(LC_ALL, nullptr))
    {
        qputenv("LC_ALL", "de_DE.UTF-8");
        qputenv("LC_NUMERIC", "de_DE.UTF-8");
        m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    }
    ~CommaLocale()
    {
        std::setlocale(LC_ALL, m_c.c_str());
        QLocale::setDefault(m_qt);
        qunsetenv("LC_ALL");
        qunsetenv("LC_NUMERIC");
    }
    bool active() const { return m_active; }

private:
    QLocale m_qt;
    std::string m_c;
    bool m_active = false;
};

TEST(TileWriters, SizesUseADecimalPointUnderACommaLocale)
{
    CommaLocale locale;
    ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4.1f", 11.4);
    ASSERT_STREQ(buffer, "11,4");

    TOwner owner;
    auto *button = new TDCLButton(&owner);
    button->setKey(QStringLiteral("b"));
    button->setButtonCaption(QStringLiteral("Go"));
    button->setAlignment(TCadAlignment::Center);
    button->setTabstop(true);
    button->setDclAction(QStringLiteral("DoGo"));
    QStringList dcl;
    LispSections lisp;
    WriteButton(button, dcl, kIndent, lisp);
    EXPECT_EQ(dcl, expectedLines(QStringLiteral("codegen/writer_button_clear.dcl")));
}

} // namespace
} // namespace tw
