// Checks a generated DCL file of about 1 MB holding many dialogs, the way `tilewright --check`
// does: read the file, parse it, resolve every tile and apply every rule. Goal: under 20 ms.
// The generated dialogs check clean, so the figure is the full walk, not an early stop.
//
// Then Check Design on a design of 500 tiles (goal: under 20 ms): the design generated, the DCL
// text checked and its problems placed on tiles, and the design's own rules.
//
// Run: dcl_check_bench

#include "codegen/DesignCheck.h"
#include "dcl/Checker.h"
#include "dcl/Document.h"
#include "format/TextForm.h"
#include "tiles/DesignRoot.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

QString dialogText(int n)
{
    return QStringLiteral(
               "dlg_%1 : dialog {\n"
               "    label = \"Settings %1\";\n"
               "    initial_focus = \"name_%1\";\n"
               "    : boxed_column {\n"
               "        label = \"Object\";\n"
               "        : edit_box { key = \"name_%1\"; label = \"&Name:\"; edit_width = 20; "
               "value = \"part %1\"; }\n"
               "        : toggle { key = \"keep_%1\"; label = \"Keep\"; value = \"1\"; }\n"
               "        : popup_list { key = \"layer_%1\"; label = \"Layer:\"; list = "
               "\"0\\nWalls\\nDoors\"; value = \"0\"; }\n"
               "    }\n"
               "    : boxed_radio_row {\n"
               "        label = \"Mode\";\n"
               "        key = \"mode_%1\";\n"
               "        : radio_button { key = \"fast_%1\"; label = \"Fast\"; value = \"1\"; }\n"
               "        : radio_button { key = \"slow_%1\"; label = \"Slow\"; }\n"
               "        : radio_button { key = \"off_%1\"; label = \"Off\"; }\n"
               "    }\n"
               "    : row {\n"
               "        : wide_button { key = \"apply_%1\"; label = \"Apply\"; }\n"
               "        : wide_button { key = \"reset_%1\"; label = \"Reset\"; alignment = "
               "top; }\n"
               "        spacer_0;\n"
               "    }\n"
               "    : list_box { key = \"items_%1\"; label = \"Items:\"; height = 6; tabs = \"8 "
               "16\"; multiple_select = true; value = \"0 2\"; }\n"
               "    : slider { key = \"size_%1\"; min_value = 1; max_value = 100; value = "
               "\"10\"; }\n"
               "    : image { key = \"preview_%1\"; width = 20; aspect_ratio = 0.5; color = "
               "graphics_background; }\n"
               "    : text { key = \"status_%1\"; label = \"Ready\"; }\n"
               "    // exit buttons\n"
               "    ok_cancel_help_errtile;\n"
               "}\n\n")
        .arg(n);
}

QByteArray generatedFile(qsizetype size)
{
    QString text =
        QStringLiteral("/* Generated for the benchmark: many dialogs sharing one prototype. */\n"
                       "wide_button : button { width = 12; fixed_width = true; }\n\n");
    for (int n = 0; text.size() < size; ++n)
        text += dialogText(n);
    return text.toUtf8();
}

void BM_CheckFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("many.dcl"));
    const QByteArray bytes = generatedFile(1000 * 1000);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            state.SkipWithError("cannot write the file");
            return;
        }
    }
    QString error;
    const tw::dcl::Diagnostics first = tw::dcl::checkDclFile(path, {}, &error);
    if (!error.isEmpty() || !first.isEmpty()) {
        state.SkipWithError("the generated file does not check clean");
        return;
    }
    const tw::dcl::Document document = tw::dcl::Document::load(path);
    state.counters["dialogs"] = double(document.dialogs().size());
    state.counters["goal_ms"] = 20;
    for (auto _ : state) {
        const tw::dcl::Diagnostics found = tw::dcl::checkDclFile(path, {}, &error);
        benchmark::DoNotOptimize(found.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_CheckFile)->Unit(benchmark::kMillisecond);

// The parts of that figure: parsing alone, then parsing and resolving every tile.
void BM_Parse(benchmark::State &state)
{
    const QString text = QString::fromUtf8(generatedFile(1000 * 1000));
    for (auto _ : state) {
        tw::dcl::Diagnostics diagnostics;
        const tw::dcl::FileNode file =
            tw::dcl::parseDcl(text, QStringLiteral("many.dcl"), diagnostics);
        benchmark::DoNotOptimize(file.definitions.size());
    }
}
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);

void BM_Resolve(benchmark::State &state)
{
    const QString text = QString::fromUtf8(generatedFile(1000 * 1000));
    for (auto _ : state) {
        const tw::dcl::Document document =
            tw::dcl::Document::fromText(text, QStringLiteral("many.dcl"));
        benchmark::DoNotOptimize(document.definitions().size());
    }
}
BENCHMARK(BM_Resolve)->Unit(benchmark::kMillisecond);

// A design of `count` tiles in text form: columns and boxed rows of ten, each holding buttons,
// edit boxes, toggles, a run of radio buttons and a text, every tile with its own key, so the
// design checks clean and the figure is the full walk.
QByteArray design(int count)
{
    static const char *const kLeaves[] = {"TDCLButton", "TDCLEdit",  "TDCLCheckButton",
                                          "TDCLRadio",  "TDCLRadio", "TDCLLabel"};
    QByteArray text = "object DCLPanelBasic: TDCLPanel\n  Width = 800\n  Height = 600\n"
                      "  DialogName = 'big'\n";
    int made = 0;
    const auto tile = [&made](const char *kind, int top, const QByteArray &indent) {
        const QByteArray n = QByteArray::number(made++);
        return indent + "object T" + n + ": " + kind + "\n" + indent +
               "  Top = " + QByteArray::number(top) + "\n" + indent + "  Key = 'key" + n + "'\n" +
               // An unboxed column shows no label in AutoCAD, so it is given none.
               indent + "  Caption = '" + (qstrcmp(kind, "TDCLColumn") ? "Tile " + n : " ") + "'\n";
    };
    for (int cluster = 0; made < count; ++cluster) {
        text += tile(cluster % 2 ? "TDCLGroupRow" : "TDCLColumn", cluster * 40, "  ");
        for (int i = 0; i < 9 && made < count; ++i)
            text += tile(kLeaves[i % 6], i * 30, "    ") + "    end\n";
        text += "  end\n";
    }
    return text + "end\n";
}

void BM_CheckDesign(benchmark::State &state)
{
    tw::TDesignRoot root;
    root.load(tw::readTextForm(design(500)));
    const tw::DesignProblems first = tw::CheckDesign(root.dialog());
    if (!first.isEmpty()) {
        const std::string why =
            (first.front().rule + QStringLiteral(": ") + first.front().message).toStdString();
        state.SkipWithError(why.c_str());
        return;
    }
    state.counters["goal_ms"] = 20;
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::CheckDesign(root.dialog()).size());
}
BENCHMARK(BM_CheckDesign)->Unit(benchmark::kMillisecond);

} // namespace

// Tiles are widgets: they need an application, which needs no screen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
