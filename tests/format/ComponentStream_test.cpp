#include "format/ComponentStream.h"
#include "format/Error.h"
#include "format/TextForm.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray valueBytes(const StreamValue &value)
{
    ComponentRecord record;
    record.className = QStringLiteral("T");
    record.properties.push_back({QStringLiteral("P"), value});
    const QByteArray all = writeComponentStream({record});
    // "TPF0", class "T", empty name, property name "P", value, 00 00 00
    const QByteArray head = hex("54504630 0154 00 0150");
    EXPECT_TRUE(all.startsWith(head));
    EXPECT_TRUE(all.endsWith(hex("000000")));
    return all.mid(head.size(), all.size() - head.size() - 3);
}

TEST(ComponentStream, IntegersTakeTheSmallestForm)
{
    const std::pair<qint64, const char *> cases[] = {
        {0, "02 00"},
        {-128, "02 80"},
        {127, "02 7F"},
        {128, "03 8000"},
        {-32768, "03 0080"},
        {32768, "04 00800000"},
        {-2147483648LL, "04 00000080"},
        {2147483648LL, "13 0000008000000000"},
    };
    for (const auto &[value, bytes] : cases)
        EXPECT_EQ(valueBytes(StreamValue::fromInteger(value)).toHex(' '), hex(bytes).toHex(' '))
            << value;
}

TEST(ComponentStream, StringsKeepEveryCharacter)
{
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("ab"), hex("06 02 6162")},
        {QString(QChar(0x20AC)), hex("06 01 80")},
        {QString(QChar(0xE9)), hex("06 01 E9")},
        {QString(QChar(0x416)), hex("12 01000000 1604")},
        {QString(255, QLatin1Char('x')), hex("06 FF") + QByteArray(255, 'x')},
        {QString(256, QLatin1Char('x')), hex("0C 00010000") + QByteArray(256, 'x')},
    };
    for (const auto &[text, bytes] : cases) {
        EXPECT_EQ(valueBytes(StreamValue::fromString(text)).toHex(' '), bytes.toHex(' '));
        ComponentRecord record;
        record.className = QStringLiteral("T");
        record.properties.push_back({QStringLiteral("P"), StreamValue::fromString(text)});
        EXPECT_EQ(readComponentStream(writeComponentStream({record}))[0].properties[0].value.text,
                  text);
    }
}

TEST(ComponentStream, OtherValues)
{
    StreamValue set;
    set.tag = ValueTag::Set;
    set.members = QStringList{QStringLiteral("a"), QStringLiteral("bc")};
    const std::pair<StreamValue, const char *> cases[] = {
        {StreamValue::fromBool(true), "09"},
        {StreamValue::fromBool(false), "08"},
        {StreamValue::fromIdent(QStringLiteral("alTop")), "07 05 616C546F70"},
        {set, "0B 0161 026263 00"},
        {StreamValue::fromStrings({QStringLiteral("x"), QString()}), "01 06 0178 06 00 00"},
    };
    for (const auto &[value, bytes] : cases)
        EXPECT_EQ(valueBytes(value).toHex(' '), hex(bytes).toHex(' ')) << bytes;
}

TEST(ComponentStream, ExtendedFloatsRoundTrip)
{
    for (double value :
         {0.0, 1.0, -2.5, 0.1, 1e300, -1e-300, 4.9e-324, std::numeric_limits<double>::infinity()}) {
        StreamValue real;
        real.tag = ValueTag::Extended;
        real.real = value;
        const QByteArray bytes = valueBytes(real);
        ASSERT_EQ(bytes.size(), 11);
        ComponentRecord record;
        record.className = QStringLiteral("T");
        record.properties.push_back({QStringLiteral("P"), real});
        EXPECT_EQ(readComponentStream(writeComponentStream({record}))[0].properties[0].value.real,
                  value);
    }
    StreamValue one;
    one.tag = ValueTag::Extended;
    one.real = 1.0;
    EXPECT_EQ(valueBytes(one).toHex(' '), hex("05 0000000000000080 FF3F").toHex(' '));
}

TEST(ComponentStream, ReadsEveryTagIncludingOnesTilesNeverWrite)
{
    const QByteArray stream = hex("54504630"
                                  "F2 02 05"                  // prefix: child position 5
                                  "0154 0161"                 // class T, name a
                                  "01 41 0F 0000C03F"         // A = single 1.5
                                  "01 42 10 1027000000000000" // B = currency 1.0000
                                  "01 43 11 0000000000000040" // C = date 2.0
                                  "01 44 13 FFFFFFFFFFFFFFFF" // D = int64 -1
                                  "01 45 0A 02000000 ABCD"    // E = binary
                                  "01 46 0D"                  // F = nil
                                  "01 47 0E 01 0158 02 07 00 02 03 01 00 00" // G = collection
                                  "01 48 12 02000000 41001604"               // H = wide string
                                  "00"
                                  "0154 00 00 00" // a child T without name or properties
                                  "00"
                                  "00");
    const std::vector<ComponentRecord> records = readComponentStream(stream);
    ASSERT_EQ(records.size(), 1u);
    const ComponentRecord &r = records[0];
    EXPECT_EQ(r.flags, 2);
    EXPECT_EQ(r.childPosition, 5);
    EXPECT_EQ(r.name, QStringLiteral("a"));
    EXPECT_EQ(r.find(QStringLiteral("A"))->real, 1.5);
    EXPECT_EQ(r.find(QStringLiteral("B"))->integer, 10000);
    EXPECT_EQ(r.find(QStringLiteral("C"))->real, 2.0);
    EXPECT_EQ(r.find(QStringLiteral("D"))->integer, -1);
    EXPECT_EQ(r.find(QStringLiteral("E"))->bytes, hex("ABCD"));
    EXPECT_EQ(r.find(QStringLiteral("F"))->tag, ValueTag::Nil);
    const StreamValue *collection = r.find(QStringLiteral("G"));
    ASSERT_EQ(collection->collection.size(), 2u);
    EXPECT_EQ(collection->collection[0].properties[0].value.integer, 7);
    EXPECT_EQ(collection->collection[1].order, 3);
    EXPECT_EQ(r.find(QStringLiteral("H"))->text, QStringLiteral("A\u0416"));
    ASSERT_EQ(r.children.size(), 1u);
    const QByteArray text = componentStreamToText(stream);
    EXPECT_TRUE(text.startsWith("object a: T[5]\n  A = 1.5\n  B = 1\n")) << text.constData();
    EXPECT_TRUE(text.contains("  H = 'A'#1046\n")) << text.constData();
}

TEST(ComponentStream, TruncatedStreamsFailCleanlyAtEveryLength)
{
    const QByteArray text = "object DCLPanelBasic: TDCLPanel\n"
                            "  Width = 500\n"
                            "  DialogName = 'dlg'\n"
                            "  Lines.Strings = (\n"
                            "    'a'\n"
                            "  )\n"
                            "  object DCLButton1: TDCLButton\n"
                            "    Key = 'ok'\n"
                            "  end\n"
                            "end\n";
    const QByteArray stream = textToComponentStream(text);
    // Only the closing zero of the list may be missing.
    EXPECT_EQ(writeTextForm(readComponentStream(stream.chopped(1))), text);
    for (qsizetype length = 0; length < stream.size() - 1; ++length) {
        try {
            readComponentStream(stream.left(length));
            ADD_FAILURE() << "accepted " << length << " bytes";
        } catch (const TError &error) {
            EXPECT_TRUE(error.message() == QStringLiteral("Stream read error") ||
                        error.message() == QStringLiteral("Invalid stream format"))
                << error.message().toStdString();
        }
    }
    EXPECT_EQ(componentStreamToText(stream).toStdString(), text.toStdString());
}

TEST(ComponentStream, LiesAndUnknownsAreRefused)
{
    const std::pair<const char *, const char *> cases[] = {
        {"00", nullptr},
        {"54504631 0154 00 00 00 00", "Invalid stream format"},
        {"54504630 0154 00 0150 0C FFFFFF7F 00 00 00", "Stream read error"},
        {"54504630 0154 00 0150 12 FFFFFF7F 00 00 00", "Stream read error"},
        {"54504630 0154 00 0150 0A FFFFFFFF 00 00 00", "Stream read error"},
        {"54504630 0154 00 0150 20 00 00 00", "Invalid property value"},
        {"54504630 0154 00 0150 0E 07 0161 01 00 00 00 00 00", "Invalid property value"},
        {"", "Stream read error"},
        // A child behind a prefix byte with no class name (found by fuzzing).
        {"54504630 0154 00 00 F0 00 00 00 00 00 00", "Invalid stream format"},
    };
    for (const auto &[bytes, message] : cases) {
        try {
            const auto records = readComponentStream(hex(bytes));
            EXPECT_EQ(message, nullptr) << bytes;
            EXPECT_TRUE(records.empty());
        } catch (const TError &error) {
            ASSERT_NE(message, nullptr) << bytes;
            EXPECT_EQ(error.message(), QLatin1String(message)) << bytes;
        }
    }
}

TEST(ComponentStream, ClassNamesAsLongAsAPrefixByteSurviveWritingAndReading)
{
    // Found by fuzzing: a class name of 240 characters was read back as a
    // flags prefix followed by garbage.
    for (const int length : {239, 240, 255}) {
        SCOPED_TRACE(length);
        ComponentRecord record;
        record.className = QString(length, QLatin1Char('T'));
        record.name = QStringLiteral("a");
        ComponentRecord child;
        child.className = QString(length, QLatin1Char('U'));
        record.children.push_back(child);
        const std::vector<ComponentRecord> read =
            readComponentStream(writeComponentStream({record}));
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].className, record.className);
        EXPECT_EQ(read[0].name, record.name);
        ASSERT_EQ(read[0].children.size(), 1u);
        EXPECT_EQ(read[0].children[0].className, child.className);
    }
}

TEST(ComponentStream, DeepNestingIsRefusedWithoutOverflow)
{
    QByteArray stream = hex("54504630 0154 00 0150");
    stream += QByteArray(1000000, '\x01');
    EXPECT_THROW(readComponentStream(stream), TError);
    QByteArray objects = hex("54504630");
    for (int i = 0; i < 100000; ++i)
        objects += hex("0154 00 00");
    EXPECT_THROW(readComponentStream(objects), TError);
}

} // namespace
} // namespace tw
