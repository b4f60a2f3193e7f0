#include "TestData.h"
#include "component/ClassRegistry.h"
#include "component/ComponentStreaming.h"
#include "component/Owner.h"
#include "component/PropertyAccess.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"
#include "tiles/TileRegistry.h"

#include <gtest/gtest.h>
#include <memory>

namespace tw
{
namespace
{

TEST(TileTextForm, EveryPropertyAwayFromItsDefaultSurvivesARoundTrip)
{
    const QByteArray text = test::readFile(test::repoTestData("tiles/every_property.txt"));
    ASSERT_FALSE(text.isEmpty());
    TDesignRoot root;
    root.load(readTextForm(text));
    ASSERT_NE(root.dialogTile(), nullptr);
    EXPECT_EQ(root.components().size(), 12);
    const QStringList written = QString::fromLatin1(writeTextForm(root.save())).split('\n');
    const QStringList read = QString::fromLatin1(text).split('\n');
    ASSERT_EQ(written.size(), read.size()) << qPrintable(written.join('\n'));
    for (qsizetype i = 0; i < read.size(); ++i)
        EXPECT_EQ(written[i].toStdString(), read[i].toStdString()) << "line " << i + 1;
}

TEST(TileTextForm, EveryTileClassIsCreatedByItsName)
{
    registerTileClasses();
    const char *const classes[] = {
        "TDCLPanel",  "TDCLButton", "TDCLEdit",        "TDCLCheckButton", "TDCLRadio", "TDCLLabel",
        "TDCLColumn", "TDCLRow",    "TDCLGroupColumn", "TDCLGroupRow",    "TDCLSpacer"};
    TOwner owner;
    for (const char *name : classes) {
        std::unique_ptr<TControl> control(
            ClassRegistry::instance().create(QString::fromLatin1(name), &owner));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(className(control.get()), QString::fromLatin1(name));
        EXPECT_TRUE(isTile(control.get()));
    }
}

// The published properties of a class, in the order the inspector and the
// stream see them.
QStringList publishedNames(const char *className)
{
    registerTileClasses();
    TOwner owner;
    std::unique_ptr<TControl> control(
        ClassRegistry::instance().create(QString::fromLatin1(className), &owner));
    QStringList names;
    const TObjInfo info(control.get());
    for (int i = 0; i < info.PropCount(); ++i)
        names.append(info.GetItem(i).Name);
    return names;
}

struct PublishedCase {
    const char *className;
    const char *names;
};

const QString kControl = QStringLiteral("Name Left Top Width Height OnClick OnDblClick OnResize ");
const QString kPanel = QStringLiteral("Align Alignment BevelInner BevelOuter BorderWidth Caption "
                                      "Color Enabled Font ParentFont TabOrder Visible ");

const PublishedCase kPublishedCases[] = {
    {"TDCLButton", "Alignment Cancel Caption DCL_Action Default Enabled Fixed_height "
                   "Fixed_width Key LispCode Tabstop"},
    {"TDCLEdit", "Allow_accept DCL_Action Edit_limit Edit_width Fixed_height Fixed_width "
                 "IsString Key LinkToVar LispCode Password_char Tabstop Value"},
    {"TDCLCheckButton", "Alignment Caption DCL_Action Enabled Fixed_height Fixed_width Key "
                        "LinkToVar LispCode Tabstop Value"},
    {"TDCLRadio", "Alignment Caption DCL_Action Enabled Fixed_height Fixed_width Key "
                  "LinkToVar LispCode Tabstop Value OnRadioValueChange"},
    {"TDCLLabel", "Align Alignment Caption Color Enabled Font ParentFont Visible "
                  "Fixed_height Fixed_width Key"},
    {"TDCLColumn", "Children_alignment Children_fixed_height Children_fixed_width DCLDesign "
                   "DCL_Action Fixed_height Fixed_width Key LispCode Tabstop"},
    {"TDCLRow", "Children_alignment Children_fixed_height Children_fixed_width DCLDesign "
                "DCL_Action Fixed_height Fixed_width Key LispCode Tabstop"},
    {"TDCLGroupColumn", "Align Caption Color Enabled Font ParentFont TabOrder Visible "
                        "Alignment Children_alignment Children_fixed_height "
                        "Children_fixed_width DCL_Action Fixed_height Fixed_width "
                        "IsRadioGroup Key LinkToVar LispCode Tabstop"},
    {"TDCLGroupRow", "Align Caption Color Enabled Font ParentFont TabOrder Visible "
                     "Alignment Children_alignment Children_fixed_height "
                     "Children_fixed_width DCL_Action Fixed_height Fixed_width "
                     "IsRadioGroup Key LinkToVar LispCode Tabstop"},
    {"TDCLSpacer", "DCLDesign Fixed_height Fixed_width Key"},
};

TEST(TileTextForm, PublishedPropertiesFollowTheBaseThenTheTilesOwn)
{
    for (const PublishedCase &c : kPublishedCases) {
        const QString name = QString::fromLatin1(c.className);
        QString base = kControl;
        if (name == QLatin1String("TDCLEdit") || name == QLatin1String("TDCLColumn") ||
            name == QLatin1String("TDCLRow") || name == QLatin1String("TDCLSpacer"))
            base += kPanel;
        const QStringList expected =
            (base + QString::fromLatin1(c.names)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        EXPECT_EQ(publishedNames(c.className), expected) << c.className;
    }
}

// Stored defaults: a fresh tile writes none of the properties declared with a
// default, and always writes those declared without one.
struct StoredCase {
    const char *className;
    QStringList omitted;
    QStringList written;
};

QStringList storedNames(const char *className)
{
    registerTileClasses();
    TOwner owner;
    std::unique_ptr<TControl> control(
        ClassRegistry::instance().create(QString::fromLatin1(className), &owner));
    QStringList names;
    for (const NamedValue &entry : writeComponent(control.get(), &owner).properties)
        names.append(entry.name);
    return names;
}

TEST(TileTextForm, FreshTilesOmitExactlyTheirDeclaredDefaults)
{
    const StoredCase cases[] = {
        {"TDCLButton",
         {"Width", "Height"},
         {"Alignment", "Cancel", "Default", "Enabled", "Fixed_height", "Tabstop"}},
        {"TDCLEdit",
         {"Height", "Enabled", "Tabstop"},
         {"Width", "Allow_accept", "Edit_limit", "Edit_width", "IsString", "Password_char"}},
        {"TDCLCheckButton", {"Width", "Height"}, {"Alignment", "Enabled", "Tabstop", "Value"}},
        {"TDCLRadio", {"Width", "Height"}, {"Alignment", "Enabled", "Tabstop", "Value"}},
        {"TDCLLabel", {"Enabled"}, {"Alignment", "Fixed_height", "Fixed_width"}},
        {"TDCLColumn",
         {"Tabstop"},
         {"Alignment", "Children_alignment", "Enabled", "DCLDesign", "Fixed_width"}},
        {"TDCLGroupColumn",
         {"Width", "Tabstop"},
         {"Height", "Alignment", "Children_alignment", "Enabled", "IsRadioGroup"}},
        {"TDCLGroupRow", {"Height", "Tabstop"}, {"Width", "Enabled", "Key"}},
        {"TDCLSpacer", {}, {"DCLDesign", "Fixed_height", "Fixed_width"}},
    };
    for (const StoredCase &c : cases) {
        const QStringList stored = storedNames(c.className);
        for (const QString &name : c.omitted)
            EXPECT_FALSE(stored.contains(name)) << c.className << " " << qPrintable(name);
        for (const QString &name : c.written)
            EXPECT_TRUE(stored.contains(name)) << c.className << " " << qPrintable(name);
    }
}

TEST(TileTextForm, LoadedTilesRestoreTheirInnerGeometry)
{
    const QByteArray text = "object DCLPanelBasic: TDCLPanel\n"
                            "  Width = 500\n"
                            "  Height = 300\n"
                            "  object DCLEdit1: TDCLEdit\n"
                            "    Top = 4\n"
                            "    Width = 300\n"
                            "    Height = 40\n"
                            "    Edit_width = 60\n"
                            "  end\n"
                            "end\n";
    TDesignRoot root;
    root.load(readTextForm(text));
    auto *edit = root.findComponent(QStringLiteral("DCLEdit1"));
    ASSERT_NE(edit, nullptr);
    // Docked to the top of the dialog: 492 wide; the field flush right.
    EXPECT_EQ(edit->width(), 492);
    EXPECT_EQ(edit->property("Edit_width").toInt(), 60);
    const auto *field = edit->findChild<QWidget *>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->geometry(), QRect(430, 0, 60, 38));
}

} // namespace
} // namespace tw
