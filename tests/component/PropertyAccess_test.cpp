#include "TestControls.h"
#include "component/PropertyAccess.h"
#include "format/Error.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::TKindsPanel;

QString valueOf(const QObject *object, const char *name)
{
    const TObjInfo info(object);
    return info.GetItem(info.IndexOfProp(QString::fromLatin1(name))).Value;
}

TEST(ObjInfo, ListsPublishedPropertiesInheritedFirst)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    const TObjInfo info(&panel);
    EXPECT_EQ(info.ClassName(), QStringLiteral("TKindsPanel"));
    ASSERT_GT(info.PropCount(), 10);
    EXPECT_EQ(info.GetItem(0).Name, QStringLiteral("Name"));
    EXPECT_EQ(info.GetItem(1).Name, QStringLiteral("Left"));
    EXPECT_LT(info.IndexOfProp(QStringLiteral("Caption")),
              info.IndexOfProp(QStringLiteral("Count")));
    // Qt's own widget properties are not published.
    EXPECT_EQ(info.IndexOfProp(QStringLiteral("geometry")), -1);
    EXPECT_EQ(info.IndexOfProp(QStringLiteral("objectName")), -1);
}

TEST(ObjInfo, FindsPropertiesWithoutRegardToCase)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    const TObjInfo info(&panel);
    EXPECT_EQ(info.IndexOfProp(QStringLiteral("caption")),
              info.IndexOfProp(QStringLiteral("Caption")));
    EXPECT_GE(info.IndexOfProp(QStringLiteral("BEVELOUTER")), 0);
    EXPECT_EQ(info.IndexOfProp(QStringLiteral("NoSuchThing")), -1);
}

TEST(ObjInfo, BadIndexRaisesInvalidIndex)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    const TObjInfo info(&panel);
    for (int index : {-1, info.PropCount()}) {
        try {
            info.GetItem(index);
            ADD_FAILURE() << "no error for index " << index;
        } catch (const TError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Invalid Index"));
        }
    }
    const TObjInfo empty;
    EXPECT_EQ(empty.PropCount(), 0);
}

TEST(ObjInfo, KindsOfProperties)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    const TObjInfo info(&panel);
    const std::pair<const char *, TTypeKind> expected[] = {
        {"Count", TTypeKind::tkInteger},    {"Letter", TTypeKind::tkChar},
        {"Flag", TTypeKind::tkEnumeration}, {"Align", TTypeKind::tkEnumeration},
        {"Style", TTypeKind::tkSet},        {"Ratio", TTypeKind::tkFloat},
        {"Text", TTypeKind::tkLString},     {"Lines", TTypeKind::tkClass},
        {"Font", TTypeKind::tkClass},       {"OnChange", TTypeKind::tkMethod},
    };
    for (const auto &[name, kind] : expected)
        EXPECT_EQ(info.GetItem(info.IndexOfProp(QLatin1String(name))).Kind, kind) << name;
}

TEST(PropValueText, TextOfEveryKind)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    panel.setName(QStringLiteral("Kinds1"));
    panel.setCount(-42);
    panel.setLetter(QLatin1Char('*'));
    panel.setRatio(2.5);
    panel.setText(QStringLiteral("abc"));
    panel.setFlag(true);
    panel.setAlign(alClient);
    const std::pair<const char *, const char *> expected[] = {
        {"Count", "-42"}, {"Letter", "*"},       {"Ratio", "2.5"},        {"Text", "abc"},
        {"Flag", "True"}, {"Align", "alClient"}, {"Lines", "(TStrings)"}, {"Font", "(TFont)"},
        {"OnChange", ""}, {"Name", "Kinds1"},
    };
    for (const auto &[name, text] : expected)
        EXPECT_EQ(valueOf(&panel, name), QString::fromLatin1(text)) << name;
}

TEST(PropValueText, SetsListTheirMembers)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    EXPECT_EQ(valueOf(&panel, "Style"), QStringLiteral("[]"));
    panel.setStyle(fsBold | fsUnderline);
    EXPECT_EQ(valueOf(&panel, "Style"), QStringLiteral("[fsBold,fsUnderline]"));
}

TEST(PropValueText, BoundMethodShowsItsName)
{
    test::TTestRoot root;
    TKindsPanel panel(&root);
    panel.setOnChange(TMethod{&root, "PanelChange"});
    EXPECT_EQ(valueOf(&panel, "OnChange"), QStringLiteral("PanelChange"));
}

struct SetCase {
    const char *property;
    const char *text;
    const char *expected;
};

// Starting values: Count 7, Letter x, Ratio 0, Text "keep", Flag False, Align alNone.
const SetCase kSetCases[] = {
    {"Count", "12", "12"},
    {"count", "-3", "-3"},
    {"Count", "", "7"},
    {"Count", "twelve", "7"},
    {"Count", "1.5", "7"},
    {"Letter", "qrs", "q"},
    {"Letter", "", "x"},
    {"Ratio", "0.25", "0.25"},
    {"Ratio", "abc", "0"},
    {"Text", "new", "new"},
    {"Text", "", ""},
    {"Flag", "true", "True"},
    {"Flag", "yes", "False"},
    {"Align", "alTop", "alTop"},
    {"Align", "altop", "alTop"},
    {"Align", "Top", "alNone"},
    {"Align", "", "alNone"},
    {"Style", "[fsBold]", "[]"},
};

class SetPropByNameTest : public ::testing::TestWithParam<SetCase>
{
};

TEST_P(SetPropByNameTest, SetsFromTextOrLeavesTheValue)
{
    const SetCase &c = GetParam();
    TOwner owner;
    TKindsPanel panel(&owner);
    panel.setText(QStringLiteral("keep"));
    SetPropByName(&panel, QString::fromLatin1(c.property), QString::fromLatin1(c.text));
    EXPECT_EQ(valueOf(&panel, c.property), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, SetPropByNameTest, ::testing::ValuesIn(kSetCases));

TEST(SetPropByName, UnknownOrEmptyNamesChangeNothing)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    SetPropByName(&panel, QString(), QStringLiteral("5"));
    SetPropByName(&panel, QStringLiteral("NoSuchThing"), QStringLiteral("5"));
    SetPropByName(nullptr, QStringLiteral("Count"), QStringLiteral("5"));
    EXPECT_EQ(panel.count(), 7);
}

TEST(GetStrPropByName, StringsGiveTheirTextOtherKindsEmpty)
{
    TOwner owner;
    TKindsPanel panel(&owner);
    panel.setText(QStringLiteral("hello"));
    QString value = QStringLiteral("stale");
    EXPECT_TRUE(GetStrPropByName(&panel, QStringLiteral("text"), value));
    EXPECT_EQ(value, QStringLiteral("hello"));
    EXPECT_TRUE(GetStrPropByName(&panel, QStringLiteral("Width"), value));
    EXPECT_TRUE(value.isEmpty());
    EXPECT_FALSE(GetStrPropByName(&panel, QStringLiteral("Key"), value));
}

} // namespace
} // namespace tw
