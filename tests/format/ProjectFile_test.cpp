#include "format/ComponentStream.h"
#include "format/Error.h"
#include "format/MoxStreams.h"
#include "format/ProjectFile.h"
#include "format/TextForm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

const QByteArray kDesign = "object DCLPanelBasic: TDCLPanel\n"
                           "  Left = 0\n"
                           "  Top = 0\n"
                           "  Width = 500\n"
                           "  Height = 300\n"
                           "  Candelete = False\n"
                           "  DialogHeight = 0\n"
                           "  DialogName = 'saved'\n"
                           "  DialogWidth = 0\n"
                           "  OnCaptionChange = DCLPanelBasicCaptionChange\n"
                           "end\n";

class ProjectFile : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(ProjectFile, SavedDesignLoadsBackTheSame)
{
    SaveProjectFile(path("p.dcp"), readTextForm(kDesign));

    TMoxStreams streams;
    streams.LoadFromFile(path("p.dcp"));
    EXPECT_EQ(streams.Names(), QStringList{QStringLiteral("DCLProject")});
    QFile file(path("p.dcp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("& "));
    // One record, the dialog tile without children, then the end byte.
    const QByteArray stream = streams.StreamData(QStringLiteral("DCLProject"));
    EXPECT_TRUE(stream.startsWith("TPF0\x09TDCLPanel\x0D"
                                  "DCLPanelBasic"));
    EXPECT_TRUE(stream.endsWith(QByteArray("\x00\x00\x00", 3)));

    EXPECT_EQ(writeTextForm(LoadProjectFile(path("p.dcp"))).toStdString(), kDesign.toStdString());
}

TEST_F(ProjectFile, UnreadableFilesReportTheirError)
{
    {
        QFile corrupt(path("corrupt.dcp"));
        ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("& not really compressed");
    }
    TMoxStreams empty;
    empty.SaveToFile(path("noentry.dcp"));

    const struct {
        const char *file;
        TErrorKind kind;
        QString message;
    } cases[] = {
        {"corrupt.dcp", TErrorKind::Format, QStringLiteral("File is corrupt.")},
        {"noentry.dcp", TErrorKind::Format, QStringLiteral("Stream read error")},
        {"missing.dcp", TErrorKind::File,
         QStringLiteral("Cannot open file \"%1\".")
             .arg(QDir::toNativeSeparators(path("missing.dcp")))},
    };
    for (const auto &c : cases) {
        try {
            LoadProjectFile(path(c.file));
            ADD_FAILURE() << c.file << " loaded";
        } catch (const TError &error) {
            EXPECT_EQ(error.kind(), c.kind) << c.file;
            EXPECT_TRUE(error.message().startsWith(c.message)) << error.what();
        }
    }
}

} // namespace
} // namespace tw
