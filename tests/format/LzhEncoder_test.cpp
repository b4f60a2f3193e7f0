// What the encoder's fixed rules make visible in the stream: the empty stream, the
// padding, the symbol count of the first block (lazy parsing, longest match, block
// closing).

#include "Corpus.h"
#include "format/Lzh.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

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
    // extra bits, so the P table is the single-symbol form. Huffman's C lengths 1, 2, 3, 3
    // would cost 15 bits of symbols and a 25-bit T table; all four at length 2 cost 20
    // bits but need only T lengths 1 (symbols 2 and 4): count 16, T table 19, C table 43,
    // P table 8, symbols 20, padding 7: 113 bits. Any farther offset adds bits.
    const QByteArray data = QByteArray("ab").repeated(1000);
    const QByteArray packed = CompressBytes(data);
    EXPECT_EQ(packed.size(), 4 + 14);
    EXPECT_EQ(DecompressBytes(packed), data);
}

// The tables of the first block, read back field by field.
struct BlockTables {
    int symbols = 0;
    int tOnly = -1; // the single-symbol form's symbol, else -1
    std::vector<int> tLen;
    int cOnly = -1;
    std::vector<int> cLen;
    // For each zero run of the C lengths: its length and the bits it took.
    std::vector<std::pair<int, int>> runs;
    int pOnly = -1;
};

class BitReader
{
public:
    explicit BitReader(const QByteArray &bytes) : m_bytes(bytes) {}

    int get(int n)
    {
        int v = 0;
        for (int i = 0; i < n; ++i, ++m_pos) {
            const qsizetype byte = qsizetype(m_pos / 8);
            const int bit =
                byte < m_bytes.size() ? (quint8(m_bytes[byte]) >> (7 - m_pos % 8)) & 1 : 0;
            v = v << 1 | bit;
        }
        return v;
    }

    // A symbol of the canonical code with these lengths; -1 if none matches.
    int symbol(const std::vector<int> &len)
    {
        int code = 0;
        for (int l = 1; l <= 16; ++l) {
            code = code << 1 | get(1);
            int next = 0;
            for (int k = 1; k < l; ++k)
                next = (next + int(std::count(len.begin(), len.end(), k))) << 1;
            for (std::size_t s = 0; s < len.size(); ++s)
                if (len[s] == l && next++ == code)
                    return int(s);
        }
        return -1;
    }

private:
    const QByteArray m_bytes;
    std::size_t m_pos = 0;
};

std::vector<int> readLengths(BitReader &in, int nsym, int countBits, int special, int &only)
{
    std::vector<int> len(std::size_t(nsym), 0);
    const int n = in.get(countBits);
    if (n == 0) {
        only = in.get(countBits);
        return len;
    }
    int i = 0;
    while (i < n) {
        int v = in.get(3);
        if (v == 7)
            while (in.get(1))
                ++v;
        len[std::size_t(i++)] = v;
        if (i == special)
            i += in.get(2);
    }
    return len;
}

BlockTables readFirstTables(const QByteArray &packed)
{
    BlockTables t;
    BitReader in(packed.mid(4));
    t.symbols = in.get(16);
    t.tLen = readLengths(in, 19, 5, 3, t.tOnly);
    t.cLen.assign(510, 0);
    const int n = in.get(9);
    if (n == 0) {
        t.cOnly = in.get(9);
    } else {
        int i = 0;
        while (i < n) {
            const int sym = t.tOnly >= 0 ? t.tOnly : in.symbol(t.tLen);
            const int bits = t.tOnly >= 0 ? 0 : t.tLen[std::size_t(sym)];
            if (sym > 2) {
                t.cLen[std::size_t(i++)] = sym - 2;
                continue;
            }
            const int zeros = sym == 0 ? 1 : sym == 1 ? in.get(4) + 3 : in.get(9) + 20;
            const int extra = sym == 0 ? 0 : sym == 1 ? 4 : 9;
            if (!t.runs.empty() && i > 0 && t.cLen[std::size_t(i - 1)] == 0)
                t.runs.back() = {t.runs.back().first + zeros, t.runs.back().second + bits + extra};
            else
                t.runs.push_back({zeros, bits + extra});
            i += zeros;
        }
    }
    readLengths(in, 14, 4, -1, t.pOnly);
    return t;
}

// The fewest bits a zero run of `run` can take with these T lengths.
int cheapestRun(int run, const std::vector<int> &tLen)
{
    constexpr int kNone = 1 << 20;
    const int zero = tLen[0] ? tLen[0] : kNone;
    const int shortRun = tLen[1] ? tLen[1] + 4 : kNone;
    const int longRun = tLen[2] ? tLen[2] + 9 : kNone;
    std::vector<int> best(std::size_t(run + 1), kNone);
    best[0] = 0;
    for (int r = 1; r <= run; ++r) {
        int b = best[std::size_t(r - 1)] + zero;
        for (int k = 3; k <= std::min(18, r); ++k)
            b = std::min(b, best[std::size_t(r - k)] + shortRun);
        for (int k = 20; k <= r; ++k)
            b = std::min(b, best[std::size_t(r - k)] + longRun);
        best[std::size_t(r)] = b;
    }
    return best[std::size_t(run)];
}

struct TableCase {
    const char *name;
    QByteArray data;
    int tOnly;   // expected single T symbol, or -1 for a T code
    int zeroRun; // the one zero run of the C lengths, starting at symbol 1; 0 for none
};

class LzhTables : public ::testing::TestWithParam<TableCase>
{
};

TEST_P(LzhTables, TakeTheExpectedFormAndExpand)
{
    const TableCase &c = GetParam();
    const QByteArray packed = CompressBytes(c.data);
    ASSERT_EQ(DecompressBytes(packed), c.data);
    const BlockTables t = readFirstTables(packed);
    EXPECT_EQ(t.symbols, c.data.size());
    EXPECT_EQ(t.tOnly, c.tOnly);
    EXPECT_EQ(t.pOnly, 0);
    if (c.zeroRun == 0) {
        EXPECT_TRUE(t.runs.empty());
        return;
    }
    ASSERT_EQ(t.runs.size(), 1u);
    EXPECT_EQ(t.runs[0].first, c.zeroRun);
    EXPECT_TRUE(t.cLen[0] != 0 && t.cLen[std::size_t(c.zeroRun) + 1] != 0);
    // Sent by its bit cost, not by a fixed rule.
    EXPECT_EQ(t.runs[0].second, cheapestRun(c.zeroRun, t.tLen));
}

std::vector<int> firstValues(int n)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(i);
    return v;
}

const TableCase kTableCases[] = {
    // Sixteen literals equally often: all lengths 4, one T symbol (6) and no T code.
    {"SixteenEqualLiteralsNeedOnlyOneTSymbol", test::distinctPairs(firstValues(16)), 6, 0},
    // Two literals: both length 1, so again one T symbol (3).
    {"TwoLiteralsNeedOnlyOneTSymbol", test::distinctPairs({0, 1}), 3, 0},
    {"ZeroRun1", test::literalGap(1), -1, 1},
    {"ZeroRun2", test::literalGap(2), -1, 2},
    {"ZeroRun3", test::literalGap(3), -1, 3},
    {"ZeroRun18", test::literalGap(18), -1, 18},
    {"ZeroRun19", test::literalGap(19), -1, 19},
    {"ZeroRun20", test::literalGap(20), -1, 20},
    {"ZeroRun21", test::literalGap(21), -1, 21},
    {"ZeroRun40", test::literalGap(40), -1, 40},
    {"ZeroRun200", test::literalGap(200), -1, 200},
};

INSTANTIATE_TEST_SUITE_P(Forms, LzhTables, ::testing::ValuesIn(kTableCases),
                         [](const auto &info) { return std::string(info.param.name); });

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

// Runs of every length up to 300 of a few bytes, so that matches start, end and overlap
// inside runs.
QByteArray varyingRuns()
{
    QByteArray out;
    for (int n = 1; n <= 300; ++n)
        out += QByteArray(n, "abcab"[n % 5]);
    return out;
}

// Random stretches long enough for the finder to leave the 4-byte chain aside, carrying
// copies of earlier words of 3 to 40 bytes, between stretches of words that bring it
// back.
QByteArray randomWithCopies()
{
    QByteArray out;
    quint32 seed = 1;
    for (int part = 0; part < 6; ++part) {
        const QByteArray words = shortWords(6000 + part * 500);
        QByteArray noise = test::randomBytes(5000, 50 + quint32(part));
        for (int k = 0; k < 60; ++k) {
            seed = seed * 1103515245u + 12345u;
            const int len = 3 + int((seed >> 8) % 38);
            const int at = int((seed >> 4) % quint32(noise.size() - len));
            noise.replace(at, len, words.mid(int(seed % 5000), len));
        }
        out += words + noise + QByteArray(300 + part * 40, char('A' + part));
    }
    return out;
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
    {"VaryingRuns", varyingRuns()},
    {"RandomWithCopies", randomWithCopies()},
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
