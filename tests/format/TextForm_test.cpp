#include "format/Error.h"
#include "format/TextForm.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

ComponentRecord recordWith(const QString &property, const StreamValue &value)
{
    ComponentRecord record;
    record.className = QStringLiteral("TThing");
    record.name = QStringLiteral("Thing1");
    record.properties.push_back({property, value});
    return record;
}

QByteArray writtenValue(const StreamValue &value)
{
    const QByteArray text = writeTextForm({recordWith(QStringLiteral("P"), value)});
    const QByteArray head = "object Thing1: TThing\n  P = ";
    EXPECT_TRUE(text.startsWith(head)) << text.constData();
    return text.mid(head.size(), text.size() - head.size() - int(sizeof("end\n") - 1));
}

struct QuoteCase {
    QString text;
    const char *expected;
};

TEST(TextFormWriting, StringsQuoteAndCodeCharacters)
{
    const QuoteCase cases[] = {
        {QString(), "''"},
        {QStringLiteral("plain"), "'plain'"},
        {QStringLiteral("it's"), "'it''s'"},
        {QStringLiteral("'"), "''''"},
        {QStringLiteral("a\r\nb"), "'a'#13#10'b'"},
        {QStringLiteral("\tx"), "#9'x'"},
        {QString::fromUtf8("caf\u00e9"), "'caf'#233"},
        {QString::fromUtf8("\u20ac5"), "#8364'5'"},
        {QStringLiteral("~\x7f"), "'~'#127"},
    };
    for (const QuoteCase &c : cases)
        EXPECT_EQ(writtenValue(StreamValue::fromString(c.text)), QByteArray(c.expected) + '\n')
            << c.expected;
}

TEST(TextFormWriting, ValuesOfEveryTag)
{
    StreamValue set;
    set.tag = ValueTag::Set;
    set.members = QStringList{QStringLiteral("fsBold"), QStringLiteral("fsItalic")};
    StreamValue emptySet;
    emptySet.tag = ValueTag::Set;
    StreamValue binary;
    binary.tag = ValueTag::Binary;
    binary.bytes = QByteArray("\x01\xAB", 2);
    StreamValue nil;
    nil.tag = ValueTag::Nil;
    const std::pair<StreamValue, const char *> cases[] = {
        {StreamValue::fromInteger(-5), "-5\n"},
        {StreamValue::fromInteger(70000), "70000\n"},
        {StreamValue::fromBool(true), "True\n"},
        {StreamValue::fromBool(false), "False\n"},
        {StreamValue::fromIdent(QStringLiteral("alClient")), "alClient\n"},
        {set, "[fsBold, fsItalic]\n"},
        {emptySet, "[]\n"},
        {binary, "{\n    01AB\n  }\n"},
        {nil, "nil\n"},
        {StreamValue::fromStrings({QStringLiteral("one"), QString()}),
         "(\n    'one'\n    ''\n  )\n"},
    };
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(writtenValue(value), QByteArray(expected)) << expected;
}

TEST(TextFormWriting, NestedObjectsIndentTwoSpacesPerLevel)
{
    ComponentRecord root = recordWith(QStringLiteral("Left"), StreamValue::fromInteger(1));
    ComponentRecord child;
    child.className = QStringLiteral("TChild");
    child.name = QStringLiteral("Child1");
    child.properties.push_back({QStringLiteral("Font.Style"), StreamValue()});
    child.properties.back().value.tag = ValueTag::Set;
    ComponentRecord grandchild;
    grandchild.className = QStringLiteral("TLeaf");
    child.children.push_back(grandchild);
    root.children.push_back(child);
    EXPECT_EQ(writeTextForm({root}), QByteArray("object Thing1: TThing\n"
                                                "  Left = 1\n"
                                                "  object Child1: TChild\n"
                                                "    Font.Style = []\n"
                                                "    object TLeaf\n"
                                                "    end\n"
                                                "  end\n"
                                                "end\n"));
}

TEST(TextFormReading, AcceptsTheClassicNotations)
{
    const QByteArray text = "object Form1: TForm\n"
                            "  Caption = 'a' + 'b'#65#$42 +\n"
                            "    'c'\n"
                            "  Width =\n"
                            "    -12\n"
                            "  Ratio = 1.5E+0000\n"
                            "  Items.Strings = (\n"
                            "    'x'\n"
                            "    'it''s')\n"
                            "  Style = [fsBold,fsItalic]\n"
                            "  Data = {\n"
                            "    0102\n"
                            "    FF}\n"
                            "  Cols = <\n"
                            "    item\n"
                            "      Width = 3\n"
                            "    end\n"
                            "    item[2]\n"
                            "    end>\n"
                            "  Flag = True\n"
                            "  Handler = Form1Click\n"
                            "  object TPanel\n"
                            "  end\n"
                            "end\n";
    const std::vector<ComponentRecord> records = readTextForm(text);
    ASSERT_EQ(records.size(), 1u);
    const ComponentRecord &form = records[0];
    EXPECT_EQ(form.name, QStringLiteral("Form1"));
    EXPECT_EQ(form.className, QStringLiteral("TForm"));
    EXPECT_EQ(form.find(QStringLiteral("Caption"))->text, QStringLiteral("abABc"));
    EXPECT_EQ(form.find(QStringLiteral("Width"))->integer, -12);
    EXPECT_EQ(form.find(QStringLiteral("Width"))->tag, ValueTag::Int8);
    EXPECT_DOUBLE_EQ(form.find(QStringLiteral("Ratio"))->real, 1.5);
    const StreamValue *items = form.find(QStringLiteral("Items.Strings"));
    ASSERT_EQ(items->items.size(), 2u);
    EXPECT_EQ(items->items[1].text, QStringLiteral("it's"));
    EXPECT_EQ(form.find(QStringLiteral("Style"))->members,
              (QStringList{QStringLiteral("fsBold"), QStringLiteral("fsItalic")}));
    EXPECT_EQ(form.find(QStringLiteral("Data"))->bytes, QByteArray("\x01\x02\xFF", 3));
    const StreamValue *cols = form.find(QStringLiteral("Cols"));
    ASSERT_EQ(cols->collection.size(), 2u);
    EXPECT_FALSE(cols->collection[0].order.has_value());
    EXPECT_EQ(cols->collection[0].properties[0].value.integer, 3);
    EXPECT_EQ(cols->collection[1].order, 2);
    EXPECT_EQ(form.find(QStringLiteral("Flag"))->tag, ValueTag::True);
    EXPECT_EQ(form.find(QStringLiteral("Handler"))->tag, ValueTag::Ident);
    ASSERT_EQ(form.children.size(), 1u);
    EXPECT_TRUE(form.children[0].name.isEmpty());
    EXPECT_EQ(form.children[0].className, QStringLiteral("TPanel"));
}

TEST(TextFormReading, StringsChooseTheirStoredForm)
{
    const auto value = [](const QByteArray &literal) {
        return readTextForm("object A: TB\n  P = " + literal + "\nend\n")[0].properties[0].value;
    };
    EXPECT_EQ(value("'abc'").tag, ValueTag::String);
    EXPECT_EQ(value("#8364").tag, ValueTag::String); // the euro sign has a place in the code page
    EXPECT_EQ(value("#8364").text, QString(QChar(0x20AC)));
    EXPECT_EQ(value("#1051").tag, ValueTag::WString);
    EXPECT_EQ(value("'" + QByteArray(256, 'x') + "'").tag, ValueTag::LString);
}

struct BadText {
    const char *text;
    int line;
};

TEST(TextFormReading, ErrorsNameTheirLine)
{
    const BadText cases[] = {
        {"", 1},
        {"thing A: TB\nend\n", 1},
        {"object A: TB\n  P = 'open\nend\n", 2},
        {"object A: TB\n  P = 1\n", 3},
        {"object A: TB\n  P 1\nend\n", 2},
        {"object A: TB\n\n  P = [a b]\nend\n", 3},
        {"object A: TB\n  P = #99999\nend\n", 2},
        {"object A: TB\n  P = {0G}\nend\n", 2},
        {"object A: TB\n  P = 99999999999999999999\nend\n", 2},
        {"object A: 5\nend\n", 1},
    };
    for (const BadText &c : cases) {
        try {
            readTextForm(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const TError &error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Line %1:").arg(c.line)))
                << c.text << " -> " << error.message().toStdString();
        }
    }
}

TEST(TextFormReading, DeepNestingIsRefusedNotOverflowed)
{
    QByteArray text = "object A: TB\n  P = ";
    text += QByteArray(100000, '(');
    try {
        readTextForm(text);
        ADD_FAILURE() << "accepted";
    } catch (const TError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("nested")));
    }
}

TEST(TextForm, WriteReadWriteGivesTheSameText)
{
    const QByteArray text = "object DCLPanelBasic: TDCLPanel\n"
                            "  Left = 0\n"
                            "  Caption = 'x'#13#10'y'\n"
                            "  Big = 100000\n"
                            "  Style = [fsBold, fsItalic]\n"
                            "  Lines.Strings = (\n"
                            "    'a'\n"
                            "    ''\n"
                            "  )\n"
                            "  object Btn1: TDCLButton\n"
                            "    Default = True\n"
                            "  end\n"
                            "end\n";
    EXPECT_EQ(writeTextForm(readTextForm(text)).toStdString(), text.toStdString());
}

TEST(TextForm, RecognisesTheFirstWord)
{
    EXPECT_TRUE(isTextForm("object A: TB\nend\n"));
    EXPECT_TRUE(isTextForm("\xEF\xBB\xBF  \r\nobject A: TB\nend\n"));
    EXPECT_FALSE(isTextForm("objects"));
    EXPECT_FALSE(isTextForm("& \x01\x02"));
    EXPECT_FALSE(isTextForm(""));
}

} // namespace
} // namespace tw
