// Hand-built bit streams for the decoder: the block layout, table forms, tree-continued
// codes, and every corrupt-input rule.

#include "BitBuilder.h"
#include "format/Lzh.h"

#include <QBuffer>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace tw
{
namespace
{

using test::BitBuilder;
using test::CanonicalCode;

constexpr int kT = 5; // T count field
constexpr int kC = 9; // C count field
constexpr int kP = 4; // P count field

// A block whose three tables each name a single symbol, so its symbols take no bits.
void singleBlock(BitBuilder &b, std::uint32_t count, int c, int p = 0, int t = 0)
{
    b.put(16, count).put(kT, 0).put(kT, std::uint32_t(t)).put(kC, 0).put(kC, std::uint32_t(c));
    b.put(kP, 0).put(kP, std::uint32_t(p));
}

// C lengths sent with a T code: a run of zeros up to `symbol` (as T symbol 2 with 9 bits,
// or one T symbol 0), then T symbol length + 2.
struct CLengthWriter {
    BitBuilder &b;
    const CanonicalCode &t;
    int next = 0;

    void at(int symbol, int length)
    {
        const int run = symbol - next;
        if (run >= 20) {
            t.put(b, 2);
            b.put(kC, std::uint32_t(run - 20));
        } else {
            for (int i = 0; i < run; ++i)
                t.put(b, 0);
        }
        t.put(b, length + 2);
        next = symbol + 1;
    }
};

struct Op {
    int literal = -1; // a byte, or -1 for a match
    int length = 0;   // match length
    int offset = 0;   // distance - 1
};

// Applies literals and matches the plain way, for the expected output.
QByteArray apply(const std::vector<Op> &ops)
{
    QByteArray out;
    for (const Op &op : ops) {
        if (op.literal >= 0) {
            out.append(char(op.literal));
            continue;
        }
        for (int i = 0; i < op.length; ++i)
            out.append(out[out.size() - op.offset - 1]);
    }
    return out;
}

struct DecodeCase {
    const char *name;
    std::function<QByteArray()> stream;
    std::function<QByteArray()> expected; // null: the stream is corrupt
};

QByteArray repeated(int n, char c)
{
    return QByteArray(n, c);
}

// Literals 'a' to 'q' with code lengths 1..16 and 16: codes past 12 bits continue
// through the C tree.
QByteArray longCCodes()
{
    BitBuilder b;
    b.put(16, 18);
    std::vector<int> tLens(19, 0);
    for (int t = 2; t <= 16; ++t)
        tLens[std::size_t(t)] = 4;
    tLens[17] = tLens[18] = 5;
    b.lengths(kT, tLens, 3);
    const CanonicalCode t(tLens);
    std::vector<int> cLens(510, 0);
    for (int i = 0; i < 16; ++i)
        cLens[std::size_t('a' + i)] = i + 1;
    cLens['q'] = 16;
    b.put(kC, 'q' + 1);
    CLengthWriter w{b, t};
    for (int s = 'a'; s <= 'q'; ++s)
        w.at(s, cLens[std::size_t(s)]);
    b.put(kP, 0).put(kP, 0);
    const CanonicalCode c(cLens);
    for (int s = 'a'; s <= 'q'; ++s)
        c.put(b, s);
    c.put(b, 'q');
    return b.stream(18);
}

// Matches of every position class 0..13, whose codes (lengths 1..13, 13) continue past
// 8 bits through the P tree, over a prefix of pseudo-random 'a'/'b' literals.
std::vector<Op> longPOps()
{
    std::vector<Op> ops;
    std::mt19937 rng(5);
    for (int i = 0; i < 8200; ++i)
        ops.push_back({(rng() & 1) ? 'a' : 'b', 0, 0});
    for (int cls = 0; cls <= 13; ++cls) {
        const int offset = cls == 0 ? 0 : (1 << (cls - 1)) + ((1 << (cls - 1)) - 1) / 3;
        ops.push_back({-1, 3 + cls, offset});
    }
    return ops;
}

int positionClass(int offset)
{
    int cls = 0;
    while (offset >> cls)
        ++cls;
    return cls;
}

QByteArray longPCodes()
{
    const std::vector<Op> ops = longPOps();
    BitBuilder b;
    b.put(16, std::uint32_t(ops.size()));
    // C: 'a' and 'b' length 2; match lengths 3..16 (symbols 256..269) lengths 5 and 4.
    std::vector<int> cLens(510, 0);
    cLens['a'] = cLens['b'] = 2;
    for (int s = 256; s < 270; ++s)
        cLens[std::size_t(s)] = s < 268 ? 5 : 4;
    const std::vector<int> tLens{0, 0, 1, 0, 2, 0, 3, 3};
    b.lengths(kT, tLens, 3);
    const CanonicalCode t(tLens);
    b.put(kC, 270);
    CLengthWriter w{b, t};
    for (int s = 0; s < 270; ++s)
        if (cLens[std::size_t(s)] != 0)
            w.at(s, cLens[std::size_t(s)]);
    std::vector<int> pLens;
    for (int l = 1; l <= 13; ++l)
        pLens.push_back(l);
    pLens.push_back(13);
    b.lengths(kP, pLens);
    const CanonicalCode c(cLens);
    const CanonicalCode p(pLens);
    for (const Op &op : ops) {
        if (op.literal >= 0) {
            c.put(b, op.literal);
            continue;
        }
        c.put(b, op.length + 253);
        const int cls = positionClass(op.offset);
        p.put(b, cls);
        if (cls > 1)
            b.put(cls - 1, std::uint32_t(op.offset));
    }
    return b.stream(std::uint32_t(apply(ops).size()));
}

// One block whose C code gives NUL the 1-bit code 0, so each zero bit past the end of
// the data decodes as one more NUL: the stream ends exactly `beyond` bytes past its data.
QByteArray zeroTail(int extraBits)
{
    BitBuilder b;
    b.put(16, 1000);
    b.put(kT, 0).put(kT, 3); // every C length is T symbol 3: length 1
    b.put(kC, 2);
    b.put(kP, 0).put(kP, 0);
    const std::size_t tableBits = b.size();
    const QByteArray data = b.bytes();
    const std::uint32_t nuls =
        std::uint32_t(qsizetype((data.size() + 8) * 8) - qsizetype(tableBits) + extraBits);
    return b.stream(nuls);
}

const DecodeCase kDecodeCases[] = {
    {"SingleSymbolBlockTakesNoBits",
     [] {
         BitBuilder b;
         singleBlock(b, 5, 'A');
         return b.stream(5);
     },
     [] { return repeated(5, 'A'); }},
    {"OverlappingMatchRepeatsThePreviousByte",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 'A');
         singleBlock(b, 1, 509);
         return b.stream(257);
     },
     [] { return repeated(257, 'A'); }},
    {"EmptyBlockIsFollowedByTheNext",
     [] {
         BitBuilder b;
         singleBlock(b, 0, 'Z');
         singleBlock(b, 3, 'B');
         return b.stream(3);
     },
     [] { return QByteArray("BBB"); }},
    {"MatchStopsAtTheStatedLength",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 'A');
         singleBlock(b, 1, 509);
         return b.stream(10);
     },
     [] { return repeated(10, 'A'); }},
    {"CodesLongerThan12BitsContinueInTheTree", longCCodes,
     [] { return QByteArray("abcdefghijklmnopqq"); }},
    {"PositionCodesLongerThan8BitsContinueInTheTree", longPCodes, [] { return apply(longPOps()); }},
    {"StreamMayEndEightBytesEarly", [] { return zeroTail(0); },
     [] { return QByteArray(qsizetype(zeroTail(0)[0] & 0xFF), '\0'); }},
    {"HeaderZeroNeedsNoStream", [] { return QByteArray(4, '\0'); }, [] { return QByteArray(); }},

    // Corrupt input.
    {"HeaderShorterThanFourBytes", [] { return QByteArray(3, '\0'); }, nullptr},
    {"NegativeLength", [] { return QByteArray(4, '\xFF'); }, nullptr},
    {"LengthAbove256MiB",
     [] {
         BitBuilder b;
         singleBlock(b, 65535, 509);
         return b.stream((256u << 20) + 1);
     },
     nullptr},
    {"LengthBeyondTheStreamOnEmptyData", [] { return BitBuilder().stream(256u << 20); }, nullptr},
    {"StreamNeedsNineBytesBeyondItsEnd", [] { return zeroTail(1); }, nullptr},
    {"StreamEndsBeforeTheLength",
     [] {
         BitBuilder b;
         singleBlock(b, 5, 'A');
         return b.stream(1000);
     },
     nullptr},
    {"IncompleteTCode",
     [] {
         BitBuilder b;
         b.put(16, 1).lengths(kT, {1}, 3);
         return b.stream(1);
     },
     nullptr},
    {"OverfullTCode",
     [] {
         BitBuilder b;
         b.put(16, 1).lengths(kT, {1, 1, 1}, 3);
         return b.stream(1);
     },
     nullptr},
    {"AllZeroTLengths",
     [] {
         BitBuilder b;
         b.put(16, 1).lengths(kT, {0, 0, 0, 0}, 3);
         return b.stream(1);
     },
     nullptr},
    {"TLengthAbove16",
     [] {
         BitBuilder b;
         b.put(16, 1).lengths(kT, {17, 1}, 3);
         return b.stream(1);
     },
     nullptr},
    {"TCountOverrunsTheAlphabet",
     [] {
         BitBuilder b;
         b.put(16, 1).lengths(kT, std::vector<int>(20, 5), 3);
         return b.stream(1);
     },
     nullptr},
    {"SingleTSymbolOutsideTheAlphabet",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 'A', 0, 19);
         return b.stream(1);
     },
     nullptr},
    {"IncompleteCCode",
     [] {
         BitBuilder b;
         b.put(16, 1).put(kT, 0).put(kT, 3).put(kC, 1);
         b.put(kP, 0).put(kP, 0);
         return b.stream(1);
     },
     nullptr},
    {"CCountOverrunsTheAlphabet",
     [] {
         BitBuilder b;
         b.put(16, 1).put(kT, 0).put(kT, 3).put(kC, 511);
         return b.stream(1);
     },
     nullptr},
    {"CZeroRunOverrunsTheAlphabet",
     [] {
         BitBuilder b;
         b.put(16, 1).put(kT, 0).put(kT, 2).put(kC, 510).put(kC, 500);
         return b.stream(1);
     },
     nullptr},
    {"SingleCSymbolOutsideTheAlphabet",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 510);
         return b.stream(1);
     },
     nullptr},
    {"PLengthAbove16",
     [] {
         BitBuilder b;
         b.put(16, 1).put(kT, 0).put(kT, 0).put(kC, 0).put(kC, 'A').lengths(kP, {1, 20});
         return b.stream(1);
     },
     nullptr},
    {"OverfullPCode",
     [] {
         BitBuilder b;
         b.put(16, 1).put(kT, 0).put(kT, 0).put(kC, 0).put(kC, 'A').lengths(kP, {1, 1, 2});
         return b.stream(1);
     },
     nullptr},
    {"PCountOverrunsTheAlphabet",
     [] {
         BitBuilder b;
         b.put(16, 1).put(kT, 0).put(kT, 0).put(kC, 0).put(kC, 'A');
         b.lengths(kP, std::vector<int>(15, 4));
         return b.stream(1);
     },
     nullptr},
    {"SinglePSymbolOutsideTheAlphabet",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 'A');
         singleBlock(b, 1, 256, 14);
         return b.stream(4);
     },
     nullptr},
    {"MatchAtTheStartOfTheOutput",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 256);
         return b.stream(3);
     },
     nullptr},
    {"MatchReachesBeforeTheStart",
     [] {
         BitBuilder b;
         singleBlock(b, 1, 'A');
         singleBlock(b, 1, 256, 1); // offset 1: two bytes back
         return b.stream(4);
     },
     nullptr},
};

class LzhDecode : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(LzhDecode, ExpandsOrRefusesAsCorrupt)
{
    const DecodeCase &c = GetParam();
    const QByteArray stream = c.stream();
    if (c.expected) {
        EXPECT_EQ(DecompressBytes(stream), c.expected());
        return;
    }
    try {
        DecompressBytes(stream);
        FAIL() << "no error";
    } catch (const TError &e) {
        EXPECT_EQ(e.message(), QString("Compressed file is corrupt"));
        EXPECT_EQ(e.kind(), TErrorKind::Format);
    }
}

INSTANTIATE_TEST_SUITE_P(Streams, LzhDecode, ::testing::ValuesIn(kDecodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Records every write, to see the pieces the decoder hands over.
class PieceRecorder : public QBuffer
{
public:
    std::vector<qint64> pieces;

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        pieces.push_back(len);
        return QBuffer::writeData(data, len);
    }
};

TEST(LzhStreams, DecompressWritesAtTheDestinationPositionInPiecesOf8192)
{
    QByteArray plain(30000, '\0');
    for (int i = 0; i < plain.size(); ++i)
        plain[i] = char((i * 7) % 251);
    QByteArray source = "junk" + CompressBytes(plain);
    QBuffer in(&source);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    in.seek(4);
    PieceRecorder out;
    out.setData("0123456789");
    ASSERT_TRUE(out.open(QIODevice::ReadWrite));
    out.seek(5);
    DecompressStream(in, out);
    EXPECT_EQ(out.data(), QByteArray("01234") + plain);
    qint64 total = 0;
    for (qint64 piece : out.pieces) {
        EXPECT_LE(piece, 8192);
        total += piece;
    }
    EXPECT_EQ(total, plain.size());
}

TEST(LzhStreams, CompressReadsFromTheSourcePositionToItsEnd)
{
    QByteArray source = "skip" + QByteArray("payload payload payload");
    QBuffer in(&source);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    in.seek(4);
    QBuffer out;
    out.setData("head");
    ASSERT_TRUE(out.open(QIODevice::ReadWrite));
    out.seek(4);
    CompressStream(in, out);
    EXPECT_EQ(out.data().left(4), QByteArray("head"));
    EXPECT_EQ(DecompressBytes(out.data().mid(4)), QByteArray("payload payload payload"));
}

TEST(LzhStreams, RefusingDestinationIsAWriteError)
{
    const QByteArray packed = CompressBytes("some bytes to expand");
    QBuffer in;
    in.setData(packed);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QBuffer out; // not open: refuses every write
    try {
        DecompressStream(in, out);
        FAIL() << "no error";
    } catch (const TError &e) {
        EXPECT_EQ(e.message(), QString("Stream write error"));
        EXPECT_EQ(e.kind(), TErrorKind::File);
    }
}

} // namespace
} // namespace tw
