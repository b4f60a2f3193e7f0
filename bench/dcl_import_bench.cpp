// Import of a 500-tile DCL dialog: the whole `tilewright --import-dcl` process (start, read,
// build the tiles, lay them out, write the project, exit), and the import and project save
// alone, in this process. Run from the repository root: ./build/bench/dcl_import_bench
#include "codegen/DclImport.h"
#include "dcl/Document.h"
#include "format/ProjectFile.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace
{

QTemporaryDir *g_dir = nullptr;

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString path(const QString &name)
{
    return g_dir->filePath(name);
}

// 50 clusters of ten: each a column or boxed row holding nine tiles of every kind, one of them a
// run of radio buttons.
void writeDialog()
{
    QByteArray text = "big : dialog {\n  label = \"Five hundred tiles\";\n";
    int key = 0;
    for (int cluster = 0; cluster < 50; ++cluster) {
        text += cluster % 2 ? "  : boxed_row { label = \"Row\";\n" : "  : column {\n";
        const char *const tiles[] = {
            ": button { key = \"k%1\"; label = \"Go\"; width = 10; }",
            ": edit_box { key = \"k%1\"; label = \"Name\"; value = \"x\"; edit_limit = 5; }",
            ": toggle { key = \"k%1\"; label = \"On\"; value = \"1\"; }",
            ": text { key = \"k%1\"; label = \"Some words\"; }",
            ": popup_list { key = \"k%1\"; list = \"a\\nb\\nc\"; }",
            ": list_box { key = \"k%1\"; list = \"a\\nb\"; height = 4; }",
            ": slider { key = \"k%1\"; min_value = 0; max_value = 10; }",
            ": image_button { key = \"k%1\"; color = 2; width = 6; height = 3; }",
            ": spacer { width = 1; }",
        };
        for (const char *tile : tiles)
            text += "    " + QString::fromLatin1(tile).arg(++key).toUtf8() + "\n";
        text += "  }\n";
    }
    text += "  ok_cancel;\n}\n";
    QFile file(path(QStringLiteral("big.dcl")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        std::abort();
}

void BM_ImportProcess(benchmark::State &state)
{
    const QString program =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../tilewright");
    const QStringList arguments = {QStringLiteral("--import-dcl"), path(QStringLiteral("big.dcl")),
                                   QStringLiteral("--output"), path(QStringLiteral("p.dcp"))};
    double childCpu = 0;
    for (auto _ : state) {
        const double before = childrenCpuSeconds();
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("tilewright --import-dcl failed");
            return;
        }
        childCpu += childrenCpuSeconds() - before;
    }
    // The process's own CPU time, which a loaded machine does not inflate as it does wall time.
    state.counters["process_cpu_ms"] = 1000 * childCpu / double(state.iterations());
}

void BM_ImportInProcess(benchmark::State &state)
{
    for (auto _ : state) {
        const tw::DclImport imported = tw::importDclFile(path(QStringLiteral("big.dcl")));
        tw::SaveProjectFile(path(QStringLiteral("q.dcp")), imported.design->save());
        benchmark::DoNotOptimize(imported.warnings.size());
    }
}

// Where the in-process time goes: reading the DCL file alone, the import (which reads it too),
// and writing the project.
void BM_ReadDcl(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::dcl::Document::load(path(QStringLiteral("big.dcl"))));
}

void BM_ImportOnly(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::importDclFile(path(QStringLiteral("big.dcl"))));
}

void BM_SaveProject(benchmark::State &state)
{
    const tw::DclImport imported = tw::importDclFile(path(QStringLiteral("big.dcl")));
    for (auto _ : state)
        tw::SaveProjectFile(path(QStringLiteral("q.dcp")), imported.design->save());
}

} // namespace

BENCHMARK(BM_ReadDcl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportProcess)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportInProcess)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    writeDialog();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
