#include "format/ComponentStream.h"
#include "format/Error.h"
#include "format/MoxStreams.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

const QByteArray kDesign = "object DCLPanelBasic: TDCLPanel\n"
                           "  DialogName = 'small'\n"
                           "  DialogCaption = 'A small design'\n"
                           "  object DCLButton1: TDCLButton\n"
                           "    Key = 'go'\n"
                           "  end\n"
                           "end\n";

QByteArray projectBytes(bool compressed = true, const QString &key = QString())
{
    TMoxStreams streams;
    streams.setCompressed(compressed);
    if (!key.isEmpty()) {
        streams.setEncrypted(true);
        streams.setKey(key);
    }
    streams.AddStream(QStringLiteral("DCLProject"), textToComponentStream(kDesign));
    return streams.SaveToBytes();
}

class BadProjects : public ::testing::Test
{
protected:
    // Opens `bytes` as the program opens a design file: a design or the
    // program's message, never anything else.
    void expectDesignOrMessage(const QByteArray &bytes, const std::string &what)
    {
        const QString path = dir.filePath(QStringLiteral("p.dcp"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        try {
            TDesignRoot design;
            design.loadFile(path);
            EXPECT_NE(design.dialogTile(), nullptr) << what;
            ++loaded;
            loadedCases.push_back(what);
        } catch (const TError &error) {
            EXPECT_TRUE(error.message() == QStringLiteral("File is corrupt.") ||
                        error.message() == QStringLiteral("The design holds no dialog tile."))
                << what << ": " << error.message().toStdString();
            ++refused;
        }
    }

    void TearDown() override
    {
        // The program goes on working: a good file still opens.
        expectDesignOrMessage(projectBytes(), "the good file");
        QFile file(dir.filePath(QStringLiteral("p.dcp")));
        TDesignRoot design;
        design.loadFile(file.fileName());
        EXPECT_EQ(design.dialogTile()->dialogName(), QStringLiteral("small"));
    }

    QTemporaryDir dir;
    int loaded = 0;
    int refused = 0;
    std::vector<std::string> loadedCases;
};

TEST_F(BadProjects, TruncatedAtEveryLength)
{
    const QByteArray good = projectBytes();
    for (qsizetype length = 0; length < good.size(); ++length)
        expectDesignOrMessage(good.left(length), std::to_string(length));
    // Only the final padding bits of the compressed stream may be missing.
    for (const std::string &length : loadedCases)
        EXPECT_GE(std::stoi(length), good.size() - 8) << length;
}

TEST_F(BadProjects, EveryByteFlipped)
{
    for (bool compressed : {true, false}) {
        const QByteArray good = projectBytes(compressed);
        for (qsizetype at = 0; at < good.size(); ++at)
            for (char mask : {'\x01', '\x80', '\xFF'}) {
                QByteArray bad = good;
                bad[at] = char(bad[at] ^ mask);
                expectDesignOrMessage(bad, "byte " + std::to_string(at) + " flipped");
            }
    }
    EXPECT_GT(refused, 0);
}

TEST_F(BadProjects, WrongMarksKeysAndLyingLengths)
{
    const QByteArray plain = projectBytes(false);
    QByteArray hugeCount = plain;
    hugeCount.replace(10, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
    QByteArray hugeName = plain;
    hugeName.replace(14, 2, QByteArray("\xFF\xFF", 2));
    const std::pair<const char *, QByteArray> cases[] = {
        {"unknown marks on compressed data", QByteArray("XY") + projectBytes().mid(2)},
        {"enciphered, no key", projectBytes(true, QStringLiteral("secret"))},
        {"enciphered, uncompressed, no key", projectBytes(false, QStringLiteral("secret"))},
        {"cipher mark on plain data", QByteArray("&*") + projectBytes().mid(2)},
        {"compressed mark on plain data", QByteArray("& ") + plain.mid(2)},
        {"lying entry count", hugeCount},
        {"lying name length", hugeName},
        {"nothing after the marks", QByteArray("& ")},
        {"text that is not a design", QByteArray("objection: none\n")},
    };
    for (const auto &[what, bytes] : cases)
        expectDesignOrMessage(bytes, what);
    EXPECT_EQ(loadedCases, std::vector<std::string>{});
}

} // namespace
} // namespace tw
