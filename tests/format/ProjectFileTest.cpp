#include "storage/ProjectFile.h"

#include "component/Error.h"
#include "component/TextForm.h"
#include "storage/ComponentStream.h"
#include "storage/MoxStreams.h"
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
    TDesignRoot design;
    design.load(readTextForm(kDesign));
    ASSERT_TRUE(SaveProject(design, path("p.dcp")));
    EXPECT_FALSE(design.isModified());

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

    TDesignRoot loaded;
    loaded.setModified(true);
    ASSERT_TRUE(LoadProject(loaded, path("p.dcp")));
    EXPECT_FALSE(loaded.isModified());
    EXPECT_EQ(writeTextForm(loaded.save()).toStdString(), kDesign.toStdString());
}

TEST_F(ProjectFile, BlankNamesDoNothingAndReportFailure)
{
    TDesignRoot design;
    design.load(readTextForm(kDesign));
    EXPECT_FALSE(SaveProject(design, QStringLiteral("   ")));
    EXPECT_TRUE(design.isModified());
    design.setModified(false);
    EXPECT_FALSE(LoadProject(design, QString()));
    EXPECT_TRUE(design.isModified());
    EXPECT_NE(design.dialog(), nullptr);
}

TEST_F(ProjectFile, UnreadableFilesLeaveTheDesignAsItWas)
{
    {
        QFile corrupt(path("corrupt.dcp"));
        ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("& not really compressed");
    }
    TMoxStreams empty;
    empty.SaveToFile(path("noentry.dcp"));

    TDesignRoot design;
    design.load(readTextForm(kDesign));
    EXPECT_THROW(LoadProject(design, path("corrupt.dcp")), ECorruptFile);
    EXPECT_TRUE(design.isModified());
    try {
        LoadProject(design, path("noentry.dcp"));
        ADD_FAILURE() << "an empty collection loaded";
    } catch (const TError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Stream read error"));
    }
    EXPECT_THROW(LoadProject(design, path("missing.dcp")), EFileError);
    ASSERT_NE(design.dialog(), nullptr);
    EXPECT_EQ(design.dialog()->dialogName(), QStringLiteral("saved"));
}

} // namespace
} // namespace tw
