// Our -lh5- streams against independent LHA programs: lhasa and 7-Zip must extract what
// we compress, and we must expand what jlha compresses. A missing program skips, naming its
// package, or fails when peers are required.

#include "Corpus.h"
#include "LhaArchive.h"
#include "PeerPrograms.h"
#include "format/Lzh.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tw
{
namespace
{

struct RunResult {
    bool started = false;
    int exitCode = -1;
    QByteArray output;
};

RunResult run(const QString &program, const QStringList &args, const QString &workDir)
{
    RunResult r;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return r;
    QProcess p;
    p.setWorkingDirectory(workDir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(path, args);
    r.started = p.waitForStarted(10000);
    if (!r.started || !p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = p.readAll();
    return r;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Extractor {
    const char *label;
    const char *program;
    const char *package;     // the Debian package that installs it
    QStringList testArgs;    // ARCHIVE is appended
    QStringList extractArgs; // with %DIR% replaced, ARCHIVE appended
    bool acceptsEmptyStream;
};

class LzhExtractedBy : public ::testing::TestWithParam<Extractor>
{
};

// Every corpus item becomes one member of one archive, tested and extracted in one run.
TEST_P(LzhExtractedBy, OurStreamsExtractBitExactly)
{
    const Extractor &x = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<test::LhaMember> members;
    std::vector<QByteArray> expected;
    for (const test::CorpusItem &item : test::lzhCorpus()) {
        if (item.data.isEmpty() && !x.acceptsEmptyStream)
            continue;
        members.push_back(test::lh5Member(QString("m%1").arg(members.size()), item.data));
        expected.push_back(item.data);
    }
    const QString archive = dir.filePath("ours.lzh");
    ASSERT_TRUE(writeFile(archive, test::writeLhaArchive(members)));

    RunResult t = run(x.program, x.testArgs + QStringList{archive}, dir.path());
    if (!t.started)
        TW_PEER_MISSING(x.program << " is missing: install the Debian package " << x.package);
    EXPECT_EQ(t.exitCode, 0) << t.output.toStdString();

    const QString out = dir.filePath("out");
    QStringList args;
    for (QString a : x.extractArgs)
        args << a.replace("%DIR%", out);
    RunResult e = run(x.program, args + QStringList{archive}, dir.path());
    ASSERT_TRUE(e.started);
    ASSERT_EQ(e.exitCode, 0) << e.output.toStdString();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const QString file = QDir(out).filePath(members[i].name);
        ASSERT_TRUE(QFile::exists(file)) << members[i].name.toStdString();
        EXPECT_EQ(readFile(file), expected[i]) << members[i].name.toStdString();
    }
}

std::string extractorName(const ::testing::TestParamInfo<Extractor> &info)
{
    return info.param.label;
}

// 7-Zip refuses a stream for empty data (it expects no bit stream at all); lhasa takes it.
INSTANTIATE_TEST_SUITE_P(
    Programs, LzhExtractedBy,
    ::testing::Values(
        Extractor{"lhasa", "lhasa", "lhasa", {"tq"}, {"xqfw=%DIR%"}, true},
        Extractor{"SevenZip", "7zz", "7zip", {"t", "-bd"}, {"x", "-bd", "-y", "-o%DIR%"}, false}),
    extractorName);

TEST(LzhFromJlha, JlhaStreamsExpandToTheSource)
{
    const QString jar = "/usr/share/java/jlha.jar";
    if (!QFile::exists(jar))
        TW_PEER_MISSING("jlha is missing: install the Debian package jlha-utils");
    if (QStandardPaths::findExecutable("java").isEmpty())
        TW_PEER_MISSING("java is missing: install the Debian package default-jdk-headless");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList args{"-cp", jar, QStringLiteral(TW_SOURCE_DIR "/tests/format/JlhaPack.java"),
                     dir.filePath("jlha.lzh")};
    const auto &corpus = test::lzhCorpus();
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const QString file = dir.filePath(QString("in%1").arg(i));
        ASSERT_TRUE(writeFile(file, corpus[i].data));
        args << file;
    }
    RunResult r = run("java", args, dir.path());
    ASSERT_TRUE(r.started);
    ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();

    const auto members = test::readLhaArchive(readFile(dir.filePath("jlha.lzh")));
    ASSERT_TRUE(members.has_value());
    ASSERT_EQ(members->size(), corpus.size());
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const test::LhaMember &m = (*members)[i];
        SCOPED_TRACE(corpus[i].name.toStdString());
        ASSERT_EQ(m.method, QByteArray("-lh5-"));
        ASSERT_EQ(m.originalSize, quint32(corpus[i].data.size()));
        QByteArray stream(4, '\0');
        for (int b = 0; b < 4; ++b)
            stream[b] = char((m.originalSize >> (8 * b)) & 0xFF);
        stream += m.packed;
        const QByteArray expanded = DecompressBytes(stream);
        EXPECT_EQ(expanded, corpus[i].data);
        EXPECT_EQ(test::crc16(expanded), m.crc);
    }
}

} // namespace
} // namespace tw
