#include "format/Blowfish.h"
#include "format/Lzh.h"
#include "format/MoxStreams.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

const QByteArray kSignature("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
// Its key schedule leaves two equal entries in the third S-box (checked independently).
const char *const kWeakKey = "weak50582";

QByteArray le(quint32 v, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
    return out;
}

QByteArray entry(const QByteArray &name, const QByteArray &data)
{
    return le(quint32(name.size()), 2) + name + le(quint32(data.size()), 4) + data;
}

QByteArray image(const QList<QByteArray> &entries)
{
    QByteArray out = kSignature + le(quint32(entries.size()), 4);
    for (const QByteArray &e : entries)
        out += e;
    return out;
}

QByteArray plainFile(const QByteArray &img)
{
    return "  " + img;
}

// ---- Layout -------------------------------------------------------------------------

TEST(MoxStreams, EmptyCollectionSavesTheTwelveByteImageCompressed)
{
    TMoxStreams c;
    EXPECT_TRUE(c.Compressed());
    const QByteArray file = c.SaveToBytes();
    ASSERT_GE(file.size(), 2);
    EXPECT_EQ(file.left(2), QByteArray("& "));
    EXPECT_EQ(DecompressBytes(file.mid(2)), image({}));
}

TEST(MoxStreams, UncompressedFileIsMarksAndImageInCaseInsensitiveOrder)
{
    TMoxStreams c;
    c.setCompressed(false);
    EXPECT_TRUE(c.AddStream("beta", QByteArray("BB")));
    EXPECT_TRUE(c.AddStream("Alpha", QByteArray("A")));
    EXPECT_TRUE(c.AddStream("gamma", QByteArray()));
    EXPECT_EQ(c.Names(), QStringList({"Alpha", "beta", "gamma"}));
    EXPECT_EQ(c.SaveToBytes(),
              plainFile(image({entry("Alpha", "A"), entry("beta", "BB"), entry("gamma", "")})));
}

TEST(MoxStreams, NameDifferingOnlyInCaseKeepsTheFirstEntry)
{
    TMoxStreams c;
    EXPECT_TRUE(c.AddStream("DCLProject", QByteArray("first")));
    EXPECT_FALSE(c.AddStream("dclproject", QByteArray("second")));
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Names(), QStringList{"DCLProject"});
    EXPECT_EQ(c.StreamData("DCLPROJECT"), QByteArray("first"));
}

TEST(MoxStreams, AddStreamIgnoresEmptyNamesAndMissingSources)
{
    TMoxStreams c;
    QBuffer source;
    source.setData("data");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_FALSE(c.AddStream("", &source));
    EXPECT_FALSE(c.AddStream("name", nullptr));
    EXPECT_FALSE(c.AddStream(QString(70000, 'n'), QByteArray("x")));
    EXPECT_EQ(c.Count(), 0);
}

TEST(MoxStreams, AddStreamCopiesTheWholeSourceWhateverItsPosition)
{
    TMoxStreams c;
    QBuffer source;
    source.setData("whole content");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    source.seek(6);
    ASSERT_TRUE(c.AddStream("s", &source));
    EXPECT_EQ(c.StreamData("s"), QByteArray("whole content"));
}

TEST(MoxStreams, GetStreamAppendsAtThePositionAndRewinds)
{
    TMoxStreams c;
    c.AddStream("s", QByteArray("XYZ"));
    struct Case {
        const char *name;
        QByteArray expected;
        qint64 position;
    };
    const Case cases[] = {
        {"s", "abXYZ", 0}, {"S", "abXYZ", 0}, {"missing", "abcd", 0}, {"", "abcd", 2}};
    for (const Case &k : cases) {
        QBuffer dest;
        dest.setData("abcd");
        ASSERT_TRUE(dest.open(QIODevice::ReadWrite));
        dest.seek(2);
        c.GetStream(k.name, &dest);
        EXPECT_EQ(dest.data(), k.expected) << k.name;
        EXPECT_EQ(dest.pos(), k.position) << k.name;
    }
}

TEST(MoxStreams, ClearStreamsEmptiesTheCollection)
{
    TMoxStreams c;
    c.AddStream("a", QByteArray("1"));
    c.AddStream("b", QByteArray("2"));
    c.ClearStreams();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.HasStream("a"));
}

TEST(MoxStreams, EncryptedWithEmptyKeyIsNotEnciphered)
{
    TMoxStreams c;
    c.setCompressed(false);
    c.setEncrypted(true);
    c.AddStream("n", QByteArray("d"));
    EXPECT_EQ(c.SaveToBytes(), plainFile(image({entry("n", "d")})));
}

TEST(MoxStreams, PayloadOneShortOfABlockGetsEightPadBytesAndTheCount)
{
    TMoxStreams c;
    c.setCompressed(false);
    c.setEncrypted(true);
    c.setKey("key");
    c.AddStream("n", QByteArray("dddd")); // image: 12 + 2 + 1 + 4 + 4 = 23 bytes
    const QByteArray img = image({entry("n", "dddd")});
    ASSERT_EQ(img.size(), 23);
    const QByteArray file = c.SaveToBytes();
    EXPECT_EQ(file.left(2), QByteArray(" *"));
    ASSERT_EQ(file.size(), 2 + 32);

    // First block by hand: the first eight image bytes as two little-endian words.
    const TBlowfish cipher(QByteArray("key"));
    std::uint32_t l =
        quint8(img[0]) | quint8(img[1]) << 8 | quint8(img[2]) << 16 | quint32(quint8(img[3])) << 24;
    std::uint32_t r =
        quint8(img[4]) | quint8(img[5]) << 8 | quint8(img[6]) << 16 | quint32(quint8(img[7])) << 24;
    cipher.encryptBlock(l, r);
    EXPECT_EQ(file.mid(2, 8), le(l, 4) + le(r, 4));

    QByteArray payload = file.mid(2);
    cipher.decryptEcb(payload.data(), payload.size());
    EXPECT_EQ(payload, img + QByteArray(8, '\x01') + QByteArray(1, '\x08'));
}

TEST(MoxStreams, RefusedKeyLeavesThePayloadAsItIs)
{
    ASSERT_TRUE(TBlowfish(QByteArray(kWeakKey)).hasWeakKey());
    TMoxStreams c;
    c.setCompressed(false);
    c.setEncrypted(true);
    c.setKey(kWeakKey);
    c.AddStream("n", QByteArray("d"));
    const QByteArray file = c.SaveToBytes();
    EXPECT_EQ(file, " *" + image({entry("n", "d")}));

    TMoxStreams loaded;
    loaded.setKey(kWeakKey);
    loaded.LoadFromBytes(file);
    EXPECT_EQ(loaded.StreamData("n"), QByteArray("d"));
    EXPECT_TRUE(loaded.Encrypted());
}

TEST(MoxStreams, PlainImageLoadsWithoutTheCodec)
{
    TMoxStreams c;
    c.LoadFromBytes(plainFile(image({entry("x", "123"), entry("DCLProject", "tpf")})));
    EXPECT_FALSE(c.Compressed());
    EXPECT_FALSE(c.Encrypted());
    EXPECT_EQ(c.Names(), QStringList({"DCLProject", "x"}));
    EXPECT_EQ(c.StreamData("x"), QByteArray("123"));
}

TEST(MoxStreams, AnyFirstMarkOtherThanAmpersandMeansUncompressed)
{
    TMoxStreams c;
    c.LoadFromBytes("#!" + image({entry("x", "1")}));
    EXPECT_FALSE(c.Compressed());
    EXPECT_FALSE(c.Encrypted());
    EXPECT_EQ(c.StreamData("x"), QByteArray("1"));
}

TEST(MoxStreams, DuplicateNamesInAFileKeepTheFirst)
{
    TMoxStreams c;
    c.LoadFromBytes(plainFile(image({entry("A", "1"), entry("a", "2"), entry("", "3")})));
    EXPECT_EQ(c.Names(), QStringList{"A"});
    EXPECT_EQ(c.StreamData("a"), QByteArray("1"));
}

// ---- Round trips --------------------------------------------------------------------

struct RoundTrip {
    const char *name;
    bool compressed;
    bool encrypted;
    const char *key;
    bool askForKey; // the loader gets the key from OnAskForKey instead of Key
    const char *marks;
};

class MoxRoundTrip : public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(MoxRoundTrip, LoadGivesBackEntriesAndOptions)
{
    const RoundTrip &t = GetParam();
    TMoxStreams saved;
    saved.setCompressed(t.compressed);
    saved.setEncrypted(t.encrypted);
    saved.setKey(t.key);
    QByteArray big;
    for (int i = 0; i < 40000; ++i)
        big.append(char('a' + (i * i) % 26));
    saved.AddStream("DCLProject", big);
    saved.AddStream("empty", QByteArray());
    saved.AddStream("Zeta", QByteArray("z"));
    const QByteArray file = saved.SaveToBytes();
    EXPECT_EQ(file.left(2), QByteArray(t.marks));

    TMoxStreams loaded;
    loaded.setCompressed(!t.compressed);
    if (t.askForKey)
        loaded.OnAskForKey = [&](TMoxStreams *sender) {
            EXPECT_EQ(sender, &loaded);
            return QString(t.key);
        };
    else
        loaded.setKey(t.key);
    QBuffer in;
    in.setData(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    in.seek(file.size());
    loaded.LoadFromStream(in);
    EXPECT_EQ(loaded.Names(), QStringList({"DCLProject", "empty", "Zeta"}));
    EXPECT_EQ(loaded.StreamData("DCLProject"), big);
    EXPECT_EQ(loaded.StreamData("zeta"), QByteArray("z"));
    EXPECT_EQ(loaded.Compressed(), t.compressed);
    EXPECT_EQ(loaded.Encrypted(), file[1] == '*');
    EXPECT_EQ(loaded.Key(), QString(t.key));
}

const RoundTrip kRoundTrips[] = {
    {"Compressed", true, false, "", false, "& "},
    {"Plain", false, false, "", false, "  "},
    {"CompressedEnciphered", true, true, "project key", false, "&*"},
    {"Enciphered", false, true, "k", false, " *"},
    {"KeyFromOnAskForKey", true, true, "asked", true, "&*"},
    {"LongKey", true, true,
     "a key much longer than the seventy-two bytes of subkeys, so only its start matters", false,
     "&*"},
};

INSTANTIATE_TEST_SUITE_P(Options, MoxRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MoxStreams, SaveToStreamWritesAtTheDestinationPosition)
{
    TMoxStreams c;
    c.AddStream("a", QByteArray("1"));
    QBuffer dest;
    dest.setData("prefix");
    ASSERT_TRUE(dest.open(QIODevice::ReadWrite));
    dest.seek(6);
    c.SaveToStream(dest);
    EXPECT_EQ(dest.data(), "prefix" + c.SaveToBytes());
}

// ---- Files --------------------------------------------------------------------------

TEST(MoxStreams, FileRoundTripReplacesTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("project.dcp");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'o'));
    }
    TMoxStreams c;
    c.AddStream("DCLProject", QByteArray("TPF0 stream"));
    c.SaveToFile(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), c.SaveToBytes());

    TMoxStreams loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.StreamData("DCLProject"), QByteArray("TPF0 stream"));
}

TEST(MoxStreams, FileErrorsNameTheFileAndChangeNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TMoxStreams c;
    c.AddStream("keep", QByteArray("1"));
    const QString missing = dir.filePath("missing.dcp");
    try {
        c.LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const TError &e) {
        EXPECT_EQ(e.kind(), TErrorKind::File);
        EXPECT_TRUE(e.message().startsWith(
            QString("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(missing))));
    }
    EXPECT_EQ(c.Names(), QStringList{"keep"});

    const QString noDir = dir.filePath("no/such/dir/p.dcp");
    try {
        c.SaveToFile(noDir);
        FAIL() << "no error";
    } catch (const TError &e) {
        EXPECT_EQ(e.kind(), TErrorKind::File);
        EXPECT_TRUE(e.message().startsWith(
            QString("Cannot create file \"%1\".").arg(QDir::toNativeSeparators(noDir))));
    }
}

// ---- Corrupt files ------------------------------------------------------------------

QByteArray encipheredFile(const QByteArray &payload, const QByteArray &key)
{
    QByteArray p = payload;
    TBlowfish(key).encryptEcb(p.data(), p.size());
    return " *" + p;
}

struct CorruptCase {
    const char *name;
    std::function<QByteArray()> file;
    const char *key;
    QStringList namesAfter; // entries left in a collection that held "old"
};

const QStringList kUntouched{"old"};

const CorruptCase kCorruptCases[] = {
    {"EmptyFile", [] { return QByteArray(); }, "", kUntouched},
    {"OnlyOneMark", [] { return QByteArray("&"); }, "", kUntouched},
    {"WrongSignature", [] { return plainFile("\x01\x02\x03\x04\x05\x06\x07\x09" + le(0, 4)); }, "",
     kUntouched},
    {"ShortSignature", [] { return plainFile(kSignature.left(7)); }, "", kUntouched},
    {"CompressedMarkOnAPlainImage", [] { return "& " + image({}); }, "", kUntouched},
    {"CompressedPayloadCut",
     [] { return "& " + CompressBytes(image({entry("n", QByteArray(5000, 'x'))})).left(9); }, "",
     kUntouched},
    {"EncipheredWithoutAKey",
     [] { return encipheredFile(image({}) + QByteArray(3, '\x01') + '\x03', "k"); }, "",
     kUntouched},
    {"EncipheredWithAWrongKey",
     [] {
         TMoxStreams c;
         c.setEncrypted(true);
         c.setKey("right");
         return c.SaveToBytes();
     },
     "wrong", kUntouched},
    {"PadCountBeyondThePayload",
     [] { return encipheredFile(QByteArray("\0\0\0\0\0\0\0\xFF", 8), "k"); }, "k", kUntouched},
    {"CountFieldCut", [] { return plainFile(kSignature + le(1, 2)); }, "", {}},
    {"NegativeCount", [] { return plainFile(kSignature + le(0xFFFFFFFF, 4)); }, "", {}},
    {"CountBeyondTheBytes",
     [] { return plainFile(kSignature + le(1000000, 4) + entry("a", "1")); },
     "",
     {}},
    {"NameLengthFieldCut",
     [] { return plainFile(kSignature + le(2, 4) + entry("a", QByteArray(20, '1')) + "\x05"); },
     "",
     {"a"}},
    {"NameCut",
     [] {
         return plainFile(kSignature + le(3, 4) + entry("a", QByteArray(20, '1')) +
                          entry("bcdef", "2") + le(50, 2) + "xyz");
     },
     "",
     {"a", "bcdef"}},
    {"DataLengthFieldCut",
     [] {
         return plainFile(kSignature + le(2, 4) + entry("a", QByteArray(20, '1')) + le(1, 2) + "b" +
                          le(1, 2));
     },
     "",
     {"a"}},
    {"NegativeDataLength",
     [] { return plainFile(kSignature + le(1, 4) + le(1, 2) + "a" + le(0x80000000, 4)); },
     "",
     {}},
    {"DataCut",
     [] {
         return plainFile(kSignature + le(2, 4) + entry("a", "1") + le(1, 2) + "b" + le(100, 4) +
                          "short");
     },
     "",
     {"a"}},
};

class MoxCorrupt : public ::testing::TestWithParam<CorruptCase>
{
};

TEST_P(MoxCorrupt, IsTheCorruptFileErrorAfterOnCorrupt)
{
    const CorruptCase &k = GetParam();
    TMoxStreams c;
    c.AddStream("old", QByteArray("o"));
    c.setKey(k.key);
    int fired = 0;
    c.OnCorrupt = [&](QObject *sender) {
        EXPECT_EQ(sender, &c);
        ++fired;
    };
    try {
        c.LoadFromBytes(k.file());
        FAIL() << "no error";
    } catch (const TError &e) {
        EXPECT_EQ(e.kind(), TErrorKind::Format);
        EXPECT_EQ(e.message(), QString("File is corrupt."));
        EXPECT_STREQ(e.what(), "File is corrupt.");
    }
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(c.Names(), k.namesAfter);
    EXPECT_EQ(c.Key(), QString(k.key));
}

INSTANTIATE_TEST_SUITE_P(Files, MoxCorrupt, ::testing::ValuesIn(kCorruptCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MoxStreams, OnAskForKeyReturningNothingIsCorrupt)
{
    TMoxStreams saved;
    saved.setEncrypted(true);
    saved.setKey("secret");
    const QByteArray file = saved.SaveToBytes();
    TMoxStreams c;
    c.setKey("secret"); // ignored: the event decides
    c.OnAskForKey = [](TMoxStreams *) { return QString(); };
    EXPECT_THROW(c.LoadFromBytes(file), TError);
}

} // namespace
} // namespace tw
