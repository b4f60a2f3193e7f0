#include "TestControls.h"
#include "component/ClassRegistry.h"
#include "component/ComponentStreaming.h"
#include "format/TextForm.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

using test::TKindsPanel;
using test::TTestRoot;

class ComponentStreaming : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClassRegistry::instance().registerClass<TKindsPanel>();
        ClassRegistry::instance().registerClass<TPanel>();
    }

    QStringList propertyNames(const ComponentRecord &record)
    {
        QStringList names;
        for (const NamedValue &entry : record.properties)
            names.append(entry.name);
        return names;
    }

    TTestRoot root;
};

TEST_F(ComponentStreaming, WritesWhatIsNotDefaultInDeclarationOrder)
{
    auto *panel = new TKindsPanel(&root);
    panel->setName(QStringLiteral("Kinds1"));
    panel->setBounds(1, 2, 30, 40);
    const ComponentRecord record = writeComponent(panel, &root);
    EXPECT_EQ(record.className, QStringLiteral("TKindsPanel"));
    EXPECT_EQ(record.name, QStringLiteral("Kinds1"));
    // Defaults (Count 7, empty Style, alNone, ...), empty strings, zero floats,
    // empty lists, the parent's font and unbound events stay out.
    EXPECT_EQ(
        propertyNames(record),
        (QStringList{QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Width"),
                     QStringLiteral("Height"), QStringLiteral("Letter"), QStringLiteral("Flag")}));
    EXPECT_EQ(record.find(QStringLiteral("Flag"))->tag, ValueTag::False);
    EXPECT_EQ(record.find(QStringLiteral("Letter"))->text, QStringLiteral("x"));
}

TEST_F(ComponentStreaming, WritesChangedValuesWithTheirTags)
{
    auto *panel = new TKindsPanel(&root);
    panel->setCount(300);
    panel->setRatio(0.5);
    panel->setText(QStringLiteral("t"));
    panel->setStyle(fsItalic);
    panel->setAlign(alTop);
    panel->setColor(clWhite);
    panel->tfont()->setStyle(fsBold);
    panel->setLines({QStringLiteral("one"), QStringLiteral("two")});
    panel->setOnChange(TMethod{&root, "PanelChange"});
    panel->setOnClick(TMethod{panel, "deleteLater"}); // not a method of the root
    const ComponentRecord record = writeComponent(panel, &root);
    EXPECT_EQ(record.find(QStringLiteral("Count"))->tag, ValueTag::Int16);
    EXPECT_EQ(record.find(QStringLiteral("Ratio"))->tag, ValueTag::Extended);
    EXPECT_EQ(record.find(QStringLiteral("Style"))->members,
              QStringList{QStringLiteral("fsItalic")});
    EXPECT_EQ(record.find(QStringLiteral("Align"))->text, QStringLiteral("alTop"));
    EXPECT_EQ(record.find(QStringLiteral("Color"))->text, QStringLiteral("clWhite"));
    EXPECT_EQ(record.find(QStringLiteral("Font.Color"))->text, QStringLiteral("clWindowText"));
    EXPECT_EQ(record.find(QStringLiteral("Font.Charset"))->text, QStringLiteral("DEFAULT_CHARSET"));
    EXPECT_EQ(record.find(QStringLiteral("Font.Height"))->integer, -11);
    EXPECT_EQ(record.find(QStringLiteral("ParentFont"))->tag, ValueTag::False);
    EXPECT_EQ(record.find(QStringLiteral("OnChange"))->text, QStringLiteral("PanelChange"));
    EXPECT_EQ(record.find(QStringLiteral("OnClick")), nullptr);
    // String lists come after every published property.
    EXPECT_EQ(record.properties.back().name, QStringLiteral("Lines.Strings"));
    EXPECT_EQ(record.properties.back().value.items.size(), 2u);
}

TEST_F(ComponentStreaming, WritesOnlyChildrenTheRootOwns)
{
    auto *panel = new TKindsPanel(&root);
    auto *owned = new TPanel(&root);
    owned->setName(QStringLiteral("Owned"));
    owned->setParentControl(panel);
    auto *inner = new TPanel(nullptr);
    inner->setParentControl(panel);
    const ComponentRecord record = writeComponent(panel, &root);
    ASSERT_EQ(record.children.size(), 1u);
    EXPECT_EQ(record.children[0].name, QStringLiteral("Owned"));
}

TEST_F(ComponentStreaming, ReadingInsertsBeforePropertiesAndSkipsWhatItDoesNotKnow)
{
    auto *parent = new TKindsPanel(&root);
    const std::vector<ComponentRecord> records = readTextForm("object Kinds1: TKindsPanel\n"
                                                              "  Unknown = 5\n"
                                                              "  Text = 'set after insertion'\n"
                                                              "  Count = 'not a number'\n"
                                                              "  Align = alNowhere\n"
                                                              "  OnChange = PanelChange\n"
                                                              "  OnClick = NoSuchMethod\n"
                                                              "  Font.Style = [fsBold]\n"
                                                              "  Lines.Strings = (\n"
                                                              "    'a'\n"
                                                              "  )\n"
                                                              "  object Gone1: TNoSuchClass\n"
                                                              "    object Gone2: TKindsPanel\n"
                                                              "    end\n"
                                                              "  end\n"
                                                              "  object Inner1: TKindsPanel\n"
                                                              "  end\n"
                                                              "end\n");
    const QList<TControl *> created = readComponents(records, &root, parent);
    ASSERT_EQ(created.size(), 1);
    auto *panel = qobject_cast<TKindsPanel *>(created[0]);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentControl(), parent);
    EXPECT_TRUE(panel->parentedWhenTextSet);
    EXPECT_EQ(panel->text(), QStringLiteral("set after insertion"));
    EXPECT_EQ(panel->count(), 7);
    EXPECT_EQ(panel->align(), alNone);
    EXPECT_EQ(panel->onChange().name, QByteArray("PanelChange"));
    EXPECT_FALSE(panel->onClick().isBound());
    EXPECT_EQ(panel->tfont()->style(), TFontStyles(fsBold));
    EXPECT_EQ(panel->lines(), QStringList{QStringLiteral("a")});
    EXPECT_EQ(root.findComponent(QStringLiteral("Gone2")), nullptr);
    ASSERT_EQ(panel->childControls().size(), 1);
    EXPECT_EQ(panel->childControls()[0]->name(), QStringLiteral("Inner1"));
    EXPECT_EQ(panel->loadedCalls, 1);
}

TEST_F(ComponentStreaming, TakenNamesFollowTheCounterRule)
{
    auto *existing = new TKindsPanel(&root);
    existing->setName(QStringLiteral("Taken"));
    auto *numbered = new TKindsPanel(&root);
    numbered->setName(QStringLiteral("KindsPanel1"));
    const auto created = readComponents(readTextForm("object Taken: TKindsPanel\nend\n"
                                                     "object taken: TKindsPanel\nend\n"
                                                     "object Free: TKindsPanel\nend\n"),
                                        &root, nullptr);
    ASSERT_EQ(created.size(), 3);
    EXPECT_EQ(created[0]->name(), QStringLiteral("KindsPanel2"));
    EXPECT_EQ(created[1]->name(), QStringLiteral("KindsPanel3"));
    EXPECT_EQ(created[2]->name(), QStringLiteral("Free"));
    qDeleteAll(created);
}

TEST_F(ComponentStreaming, EventsAreBoundByNameAndFire)
{
    const auto created = readComponents(
        readTextForm("object Kinds1: TKindsPanel\n  OnClick = PanelChange\nend\n"), &root, nullptr);
    ASSERT_EQ(created.size(), 1);
    created[0]->click();
    EXPECT_EQ(root.calls, QStringList{QStringLiteral("Kinds1")});
    delete created[0];
}

TEST_F(ComponentStreaming, EveryPropertyAwayFromItsDefaultSurvivesTheTextForm)
{
    auto *panel = new TKindsPanel(&root);
    panel->setName(QStringLiteral("Kinds1"));
    panel->setBounds(-3, 4, 50, 60);
    panel->setCount(-100000);
    panel->setLetter(QChar(0x20AC));
    panel->setRatio(-1.25);
    panel->setText(QStringLiteral("O'Neil \"quoted\"\r\n") + QChar(0x416));
    panel->setFlag(true);
    panel->setStyle(fsBold | fsStrikeOut);
    panel->setLines({QStringLiteral("(alert \"x\")"), QString(), QString(300, QLatin1Char('z'))});
    panel->setOnChange(TMethod{&root, "PanelChange"});
    panel->setAlign(alRight);
    panel->setCaptionAlignment(taLeftJustify);
    panel->setBevelInner(bvLowered);
    panel->setBevelOuter(bvSpace);
    panel->setBorderWidth(3);
    panel->setCaption(QStringLiteral("cap"));
    panel->setColor(0x123456);
    panel->setEnabledProp(false);
    panel->tfont()->setName(QStringLiteral("Arial"));
    panel->tfont()->setCharset(204);
    panel->tfont()->setColor(clBtnFace);
    panel->tfont()->setHeight(-13);
    panel->setTabOrder(5);
    panel->setVisibleProp(false);
    auto *child = new TPanel(&root);
    child->setName(QStringLiteral("Child"));
    child->setParentControl(panel);

    const QByteArray first = writeTextForm({writeComponent(panel, &root)});
    TTestRoot other;
    const auto created = readComponents(readTextForm(first), &other, nullptr);
    ASSERT_EQ(created.size(), 1);
    const QByteArray second = writeTextForm({writeComponent(created[0], &other)});
    EXPECT_EQ(second.toStdString(), first.toStdString());
    for (const char *expected :
         {"Count = -100000", "Letter = #8364", "BevelOuter = bvSpace", "Color = 1193046",
          "Font.Charset = RUSSIAN_CHARSET", "Visible = False", "object Child: TPanel"})
        EXPECT_TRUE(first.contains(expected)) << expected << "\n" << first.constData();
    qDeleteAll(created);
}

} // namespace
} // namespace tw
