#include "SaveLoopDesign.h"
#include "TestData.h"
#include "codegen/DialogCode.h"
#include "codegen/GeneratedFiles.h"
#include "format/ProjectFile.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct Version {
    QByteArray design;
    QByteArray lisp;
    QByteArray dcl;
};

Version expectedVersion(int version)
{
    TDesignRoot design;
    design.load(readTextForm(test::saveLoopDesign(version)));
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(design.dialogTile(), dcl, lisp);
    return {writeTextForm(design.save()), encodeGeneratedText(lisp), encodeGeneratedText(dcl)};
}

int versionIn(const QByteArray &bytes, const char *pattern)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QLatin1String(pattern)).match(QString::fromUtf8(bytes));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Kills a process that saves in a loop at random moments: every file left
// behind is one complete version, never a half-written one.
TEST(CrashSafety, KilledSavesLeaveCompleteFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QRandomGenerator random(20261207);
    int checkedFiles = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(TW_SAVE_LOOP_EXE), {dir.path()});
        ASSERT_TRUE(saver.waitForStarted());
        QThread::msleep(150 + random.bounded(600));
        saver.kill();
        saver.waitForFinished();

        const QString project = dir.filePath(QStringLiteral("loop.dcp"));
        if (QFile::exists(project)) {
            TDesignRoot loaded;
            ASSERT_NO_THROW(loaded.load(LoadProjectFile(project))) << "round " << round;
            const QByteArray text = writeTextForm(loaded.save());
            const int version = versionIn(text, "DialogName = 'v(\\d+)'");
            ASSERT_GT(version, 0);
            EXPECT_EQ(text.toStdString(), expectedVersion(version).design.toStdString());
            ++checkedFiles;
        }
        const struct {
            const char *name;
            const char *versionPattern;
            QByteArray Version::*text;
        } codeFiles[] = {{"loop.lsp", "new_dialog \"v(\\d+)\"", &Version::lisp},
                         {"loop.DCL", "^v(\\d+) : dialog", &Version::dcl}};
        for (const auto &file : codeFiles) {
            const QString path = dir.filePath(QLatin1String(file.name));
            if (!QFile::exists(path))
                continue;
            const QByteArray bytes = test::readFile(path);
            const int version = versionIn(bytes, file.versionPattern);
            ASSERT_GT(version, 0) << file.name << " is not a whole file";
            EXPECT_EQ(bytes, expectedVersion(version).*file.text) << file.name;
            ++checkedFiles;
        }
    }
    EXPECT_GT(checkedFiles, 12) << "the saver never finished a save";
}

} // namespace
} // namespace tw
