// What the encoder's fixed rules make visible in the stream: the empty stream, the
// padding, the symbol count of the first block (lazy parsing, longest match, block
// closing).

#include "storage/Lzh.h"

#include <gtest/gtest.h>

namespace tw
{
namespace
{

TEST(LzhEncoder, EmptySourceIsOneEmptyBlockOfSingleSymbolTables)
{
    // Header 0; count 0 (16 bits), T 0 0, C 0 0, P 0 0 (36 bits), 7 padding bits: 59 bits
    // of zeros, of which the 7 whole bytes are written.
    EXPECT_EQ(CompressBytes(QByteArray()), QByteArray(11, '\0'));
}

TEST(LzhEncoder, OutputOfEmptyVersusOneByteDiffersOnlyByTheTables)
{
    // One literal: count 1, T 0 0, C 0 9-bit 'x', P 0 0; 52 bits + 7 padding: 7 bytes.
    const QByteArray packed = CompressBytes("x");
    ASSERT_EQ(packed.size(), 11);
    EXPECT_EQ(packed.mid(4, 2), QByteArray("\x00\x01", 2));
}

struct FirstBlockCase {
    const char *name;
    QByteArray data;
    int symbols; // symbols in the first block, worked out by hand
};

int firstBlockSymbols(const QByteArray &packed)
{
    return quint8(packed[4]) << 8 | quint8(packed[5]);
}

class LzhFirstBlock : public ::testing::TestWithParam<FirstBlockCase>
{
};

TEST_P(LzhFirstBlock, HasTheSymbolCountTheRulesGive)
{
    const FirstBlockCase &c = GetParam();
    const QByteArray packed = CompressBytes(c.data);
    EXPECT_EQ(firstBlockSymbols(packed), c.symbols);
    EXPECT_EQ(DecompressBytes(packed), c.data);
}

const FirstBlockCase kFirstBlockCases[] = {
    // "abcX bcdeY" are 9 literals; at the last "abcde", "abc" (3) loses to the next
    // position's "bcde" (4): literal 'a', then a match of 4. Greedy would give 12.
    {"LazyParsingPrefersTheNextLongerMatch", "abcXbcdeYabcde", 11},
    // "abcdeX" literals, match "abcd", 'Y', then the farther but longer "abcde".
    {"LongestMatchWinsOverANearerShorterOne", "abcdeXabcdYabcde", 9},
    // A match shorter than 3 is never used.
    {"TwoByteRepeatsStayLiterals", "abXabYab", 8},
    // A run: 'a', then 256-byte matches; a group of eight takes 1 + 8 x 3 buffer bytes
    // (the first 1 + 1 + 7 x 3), and the block closes at the first group starting at or
    // beyond 16360 bytes: after 655 groups (23 + 654 x 25 = 16373), 5240 symbols.
    {"BlockClosesWhenTheBufferReaches16360Bytes", QByteArray(1 + 5300 * 256, 'a'), 5240},
    // A run the block buffer holds completely: 'a' and 100 matches of 256, then 255.
    {"ShortRunIsOneBlock", QByteArray(1 + 100 * 256 + 255, 'a'), 102},
};

INSTANTIATE_TEST_SUITE_P(Rules, LzhFirstBlock, ::testing::ValuesIn(kFirstBlockCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LzhEncoder, MatchesNeverReachBeyondTheWindow)
{
    // A unique 300-byte pattern repeated 9000 bytes later (beyond the 8192-byte window)
    // must come back as literals, so the stream is much larger than for a near repeat.
    QByteArray pattern;
    for (int i = 0; i < 300; ++i)
        pattern.append(char((i * 37 + 11) % 256));
    const QByteArray filler(8700, '.');
    const QByteArray near = pattern + QByteArray(100, '.') + pattern + filler;
    const QByteArray far = pattern + filler + pattern + QByteArray(100, '.');
    const QByteArray packedNear = CompressBytes(near);
    const QByteArray packedFar = CompressBytes(far);
    EXPECT_EQ(DecompressBytes(packedFar), far);
    EXPECT_GT(packedFar.size(), packedNear.size() + 200);
}

TEST(LzhEncoder, EquallyLongMatchesTakeTheNearest)
{
    // "ab" x 1000: 'a', 'b', seven matches of 256 and one of 206. From the second match on,
    // every even distance gives 256 bytes; the nearest, 2, is offset 1, whose class has no
    // extra bits, so the P table is the single-symbol form. C lengths 1 (256), 2 (206), 3
    // ('a', 'b'); T lengths 1 (symbol 2), 2 (5), 3 (3, 4). Bits: count 16, T table 25, C
    // table 49, P table 8, symbols 15, padding 7: 120 bits. Any farther offset adds bits.
    const QByteArray data = QByteArray("ab").repeated(1000);
    const QByteArray packed = CompressBytes(data);
    EXPECT_EQ(packed.size(), 4 + 15);
    EXPECT_EQ(DecompressBytes(packed), data);
}

struct ShapeCase {
    const char *name;
    QByteArray data;
};

class LzhShapes : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(LzhShapes, RoundTrip)
{
    const QByteArray &data = GetParam().data;
    EXPECT_EQ(DecompressBytes(CompressBytes(data)), data);
}

QByteArray periodic(int period, qsizetype size)
{
    QByteArray unit;
    for (int i = 0; i < period; ++i)
        unit.append(char((i * 131 + 7) % 251));
    return unit.repeated(size / period + 1).left(size);
}

// Words of 3 to 9 letters from a small alphabet, so matches of every length up to a few
// dozen bytes compete at many distances.
QByteArray shortWords(qsizetype size)
{
    QByteArray out;
    quint32 x = 12345;
    while (out.size() < size) {
        x = x * 1103515245u + 12345u;
        const int n = 3 + int((x >> 16) % 7);
        for (int i = 0; i < n; ++i)
            out.append(char('a' + int((x >> (i * 3)) % 4)));
        out.append(' ');
    }
    return out.left(size);
}

const ShapeCase kShapes[] = {
    {"ShortTailRepeats3", "abcXabc"},
    {"ShortTailRepeats4", "abcdXabcd"},
    {"ShortTailRepeats8", "abcdefghXabcdefgh"},
    {"Period3", periodic(3, 20000)},
    {"Period9", periodic(9, 20000)},
    {"Period300", periodic(300, 70000)},
    {"Period8191", periodic(8191, 40000)},
    {"Period8192", periodic(8192, 40000)},
    {"Period8193", periodic(8193, 40000)},
    {"RunThenText", QByteArray(70000, 'z') + shortWords(20000)},
    {"ShortWords", shortWords(200000)},
};

INSTANTIATE_TEST_SUITE_P(Finder, LzhShapes, ::testing::ValuesIn(kShapes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LzhEncoder, SameInputGivesTheSameBytes)
{
    QByteArray data;
    for (int i = 0; i < 50000; ++i)
        data.append(char((qint64(i) * i) % 253));
    EXPECT_EQ(CompressBytes(data), CompressBytes(data));
}

} // namespace
} // namespace tw
