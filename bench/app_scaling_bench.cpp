// How load, save, code generation and the text form scale with the number of
// tiles. Designs of 10, 100, 1000 and 5000 tiles, a tenth of them columns and
// rows holding the others. Each result reports the time per tile; the goal is
// no faster than linear growth and under 0.5 s for 1000 tiles. Peak memory is
// printed at the end (resident set high-water mark of the whole run).
#include "codegen/DialogCode.h"
#include "format/ComponentStream.h"
#include "format/ProjectFile.h"
#include "format/TextForm.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace
{

QByteArray tile(const char *cls, int index, int top, const QByteArray &indent)
{
    const QByteArray n = QByteArray::number(index);
    return indent + "object T" + n + ": " + cls + "\n" + indent +
           "  Top = " + QByteArray::number(top) + "\n" + indent + "  Key = 'key" + n + "'\n" +
           indent + "  LispCode.Strings = (\n" + indent + "    '(princ " + n + ")'\n" + indent +
           "  )\n";
}

// A design of `count` tiles: clusters of nine tiles, every other cluster a
// row inside the previous column.
QByteArray design(int count)
{
    static const char *const kLeaves[] = {"TDCLButton", "TDCLEdit", "TDCLCheckButton", "TDCLRadio",
                                          "TDCLLabel"};
    QByteArray text = "object DCLPanelBasic: TDCLPanel\n  Width = 800\n  Height = 600\n"
                      "  DialogName = 'big'\n";
    int made = 0;
    while (made < count) {
        const bool row = (made / 10) % 2 == 1;
        text += tile(row ? "TDCLRow" : "TDCLColumn", made, made, "  ");
        ++made;
        for (int i = 0; i < 9 && made < count; ++i, ++made)
            text += tile(kLeaves[made % 5], made, i * 30, "    ") + "    end\n";
        text += "  end\n";
    }
    return text + "end\n";
}

// Seconds per tile: the inverse of the tiles handled per second.
void perTile(benchmark::State &state)
{
    state.counters["s_per_tile"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void BM_Load(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.dcp"));
    tw::SaveProjectFile(path, tw::readTextForm(design(int(state.range(0)))));
    for (auto _ : state) {
        tw::TDesignRoot root;
        root.load(tw::LoadProjectFile(path));
        benchmark::DoNotOptimize(root.dialogTile());
        // What the event loop does after opening; a design freed with
        // thousands of events still queued pays for each of them.
        QCoreApplication::sendPostedEvents();
    }
    perTile(state);
}

void BM_Save(benchmark::State &state)
{
    QTemporaryDir dir;
    tw::TDesignRoot root;
    root.load(tw::readTextForm(design(int(state.range(0)))));
    for (auto _ : state)
        tw::SaveProjectFile(dir.filePath(QStringLiteral("big.dcp")), root.save());
    perTile(state);
}

void BM_GenerateCode(benchmark::State &state)
{
    tw::TDesignRoot root;
    root.load(tw::readTextForm(design(int(state.range(0)))));
    for (auto _ : state) {
        QStringList dcl;
        QStringList lisp;
        tw::GenerateDialogCode(root.dialogTile(), dcl, lisp);
        benchmark::DoNotOptimize(dcl.size());
    }
    perTile(state);
}

void BM_TextForm(benchmark::State &state)
{
    tw::TDesignRoot root;
    root.load(tw::readTextForm(design(int(state.range(0)))));
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::writeTextForm(root.save()).size());
    perTile(state);
}

} // namespace

BENCHMARK(BM_Load)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateCode)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextForm)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
