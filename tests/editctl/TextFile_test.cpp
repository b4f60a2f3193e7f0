#include "editctl/TextFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct TFormatCase {
    const char *Name;
    QByteArray File;
    TTextEncoding Encoding;
    bool Bom;
    TLineEnding Ending;
    QByteArray Utf8;
};

const TFormatCase FormatCases[] = {
    {"utf8 crlf", "a\r\nb\r\n", TTextEncoding::Utf8, false, TLineEnding::CrLf, "a\r\nb\r\n"},
    {"utf8 lf", "caf\xC3\xA9\nx", TTextEncoding::Utf8, false, TLineEnding::Lf, "caf\xC3\xA9\nx"},
    {"utf8 cr", "a\rb", TTextEncoding::Utf8, false, TLineEnding::Cr, "a\rb"},
    {"utf8 bom", "\xEF\xBB\xBFx\r\n", TTextEncoding::Utf8, true, TLineEnding::CrLf, "x\r\n"},
    {"no line end", "abc", TTextEncoding::Utf8, false, TLineEnding::CrLf, "abc"},
    {"empty", "", TTextEncoding::Utf8, false, TLineEnding::CrLf, ""},
    {"cp1252", "caf\xE9 \x80\n", TTextEncoding::Cp1252, false, TLineEnding::Lf,
     "caf\xC3\xA9 \xE2\x82\xAC\n"},
    {"truncated utf8", "a\xC3", TTextEncoding::Cp1252, false, TLineEnding::CrLf, "a\xC3\x83"},
};

TEST(TextFileTest, ReadingNotesEncodingAndLineEndsAndSavingRestoresTheBytes)
{
    for (const TFormatCase &c : FormatCases) {
        SCOPED_TRACE(c.Name);
        const TDecodedText decoded = DecodeText(c.File);
        EXPECT_EQ(decoded.Format.Encoding, c.Encoding);
        EXPECT_EQ(decoded.Format.ByteOrderMark, c.Bom);
        EXPECT_EQ(decoded.Format.LineEnding, c.Ending);
        EXPECT_EQ(decoded.Utf8, c.Utf8);
        TTextFileFormat format = decoded.Format;
        EXPECT_EQ(EncodeText(decoded.Utf8, format), c.File);
        EXPECT_EQ(format, decoded.Format);
    }
}

TEST(TextFileTest, EveryLineEndIsWrittenAsTheFilesOwn)
{
    struct Case {
        TLineEnding Ending;
        QByteArray Expected;
    };
    const Case cases[] = {
        {TLineEnding::CrLf, "a\r\nb\r\nc\r\nd"},
        {TLineEnding::Lf, "a\nb\nc\nd"},
        {TLineEnding::Cr, "a\rb\rc\rd"},
    };
    for (const Case &c : cases) {
        TTextFileFormat format;
        format.LineEnding = c.Ending;
        EXPECT_EQ(EncodeText("a\nb\r\nc\rd", format), c.Expected);
    }
}

TEST(TextFileTest, TextThatWindows1252CannotHoldIsSavedAsUtf8)
{
    TTextFileFormat format;
    format.Encoding = TTextEncoding::Cp1252;
    const QByteArray utf8 = "\xE4\xBD\xA0 \xC3\xA9";
    EXPECT_EQ(EncodeText(utf8, format), utf8);
    EXPECT_EQ(format.Encoding, TTextEncoding::Utf8);
}

TEST(TextFileTest, FilesAreReadAndWrittenWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.lsp");
    ASSERT_FALSE(WriteTextFile(path, "(princ)\r\n"));
    TDecodedText text;
    ASSERT_FALSE(ReadTextFile(path, text));
    EXPECT_EQ(text.Utf8, "(princ)\r\n");
    ASSERT_FALSE(WriteTextFile(path, "x"));
    ASSERT_FALSE(ReadTextFile(path, text));
    EXPECT_EQ(text.Utf8, "x");
}

TEST(TextFileTest, FailuresNameTheFile)
{
    QTemporaryDir dir;
    TDecodedText text;
    const auto readError = ReadTextFile(dir.filePath("missing.lsp"), text);
    ASSERT_TRUE(readError);
    EXPECT_TRUE(readError->contains("missing.lsp"));
    ASSERT_FALSE(WriteTextFile(dir.filePath("big.lsp"), QByteArray(101, 'x')));
    const auto sizeError = ReadTextFile(dir.filePath("big.lsp"), text, 100);
    ASSERT_TRUE(sizeError);
    EXPECT_TRUE(sizeError->contains("too large"));
    EXPECT_FALSE(ReadTextFile(dir.filePath("big.lsp"), text, 101));
    const auto writeError = WriteTextFile(dir.filePath("no/such/dir/a.lsp"), "x");
    ASSERT_TRUE(writeError);
    EXPECT_TRUE(writeError->contains("a.lsp"));
}

} // namespace
} // namespace tw
