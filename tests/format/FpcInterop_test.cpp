#include "PeerPrograms.h"
#include "format/ComponentStream.h"
#include "format/Cp1252.h"
#include "format/TextForm.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Free Pascal's Classes unit converts our streams with its own reader and
// writer (the helper program is built with fpc during the build).
namespace tw
{
namespace
{

struct Design {
    const char *name;
    QByteArray text;
};

const Design kDesigns[] = {
    {"EmptyDialog", "object DCLPanelBasic: TDCLPanel\n"
                    "  Left = 0\n"
                    "  Top = 0\n"
                    "  Width = 500\n"
                    "  Height = 300\n"
                    "  Candelete = False\n"
                    "  DialogHeight = 0\n"
                    "  DialogName = 'dlg'\n"
                    "  DialogWidth = 0\n"
                    "end\n"},
    {"EveryValueKind", "object DCLPanelBasic: TDCLPanel\n"
                       "  Left = -129\n"
                       "  Top = 32768\n"
                       "  Width = -2147483648\n"
                       "  Height = 127\n"
                       "  Candelete = True\n"
                       "  DCLFileName = 'C:\\Dialogs\\It''s here.dcl'\n"
                       "  DialogCaption = 'Line one'#13#10'line two'#9'tab \"quoted\"'\n"
                       "  DialogName = '" +
                           QByteArray(300, 'n') +
                           "'\n"
                           "  Retirement_Button = ok_cancel_help_errtile\n"
                           "  OnCaptionChange = DCLPanelBasicCaptionChange\n"
                           "  object Inner: TDCLPanel\n"
                           "    Left = 1\n"
                           "    Retirement_Button = errtile\n"
                           "  end\n"
                           "end\n"},
};

const QByteArray kLatinDesign = "object DCLPanelBasic: TDCLPanel\n"
                                "  DialogCaption = 'Caf'#233' '#8364' '#1046\n"
                                "  DialogName = 'na'#239've'\n"
                                "end\n";

class FpcInterop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(QStringLiteral(TW_OBJCONV)))
            TW_PEER_MISSING("Free Pascal's converter is missing: install the Debian packages "
                            "fp-compiler and fp-units-rtl (bash scripts/deps.sh --test), "
                            "then build again");
        ASSERT_TRUE(dir.isValid());
    }

    // Runs the Free Pascal converter ("b2t" or "t2b") on `input`.
    QByteArray convert(const char *mode, const QByteArray &input)
    {
        const QString in = dir.filePath(QStringLiteral("in"));
        const QString out = dir.filePath(QStringLiteral("out"));
        QFile file(in);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(input);
        file.close();
        QProcess process;
        process.start(QStringLiteral(TW_OBJCONV), {QLatin1String(mode), in, out});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardOutput().constData();
        QFile result(out);
        EXPECT_TRUE(result.open(QIODevice::ReadOnly));
        return result.readAll();
    }

    QTemporaryDir dir;
};

TEST_F(FpcInterop, ItReadsOurStreamsAndPrintsOurTextForm)
{
    for (const Design &design : kDesigns) {
        const QByteArray ours = textToComponentStream(design.text);
        EXPECT_EQ(convert("b2t", ours).toStdString(), design.text.toStdString()) << design.name;
    }
}

TEST_F(FpcInterop, ItsStreamsOfOurTextAreOurStreams)
{
    for (const Design &design : kDesigns) {
        // It converts one object, without the zero byte that ends our list of them.
        const QByteArray theirs = convert("t2b", design.text) + '\0';
        EXPECT_EQ(theirs.toHex().toStdString(),
                  textToComponentStream(design.text).toHex().toStdString())
            << design.name;
    }
}

TEST_F(FpcInterop, ItsStreamsReadAsTheSameRecords)
{
    for (const QByteArray &text : {kDesigns[0].text, kDesigns[1].text, kLatinDesign}) {
        EXPECT_EQ(writeTextForm(readComponentStream(convert("t2b", text))).toStdString(),
                  writeTextForm(readTextForm(text)).toStdString());
    }
}

// Free Pascal prints the bytes of 8-bit strings; ours are Windows-1252.
void readCodePageBytes(std::vector<NamedValue> &properties)
{
    for (NamedValue &property : properties) {
        QString &text = property.value.text;
        for (QChar &ch : text)
            if (ch.unicode() >= 0x80 && ch.unicode() < 0xA0)
                ch = fromCp1252(QByteArray(1, char(ch.unicode()))).at(0);
    }
}

TEST_F(FpcInterop, EightBitCharactersKeepTheirValues)
{
    std::vector<ComponentRecord> theirs =
        readTextForm(convert("b2t", textToComponentStream(kLatinDesign)));
    ASSERT_EQ(theirs.size(), 1u);
    readCodePageBytes(theirs[0].properties);
    EXPECT_EQ(writeTextForm(theirs).toStdString(), kLatinDesign.toStdString());
}

} // namespace
} // namespace tw
