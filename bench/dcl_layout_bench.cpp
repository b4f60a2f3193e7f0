// The DCL layout engine and the preview window. Goals: a 200-tile dialog laid out in under
// 5 ms; the preview following an edit of a 500-line DCL file (parse, layout, new widgets,
// painted) in under 50 ms.

#include "dcl/Document.h"
#include "dcl/Layout.h"
#include "editors/DclPreview.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace dcl = tw::dcl;

namespace
{

// 20 boxed rows of 9 tiles of every common kind, each row with its box: 200 tiles and the
// dialog.
QString twoHundredTiles()
{
    QString text = QStringLiteral("big : dialog { label = \"Two hundred tiles\";\n");
    for (int row = 0; row < 20; ++row) {
        text += QStringLiteral(": boxed_row { label = \"Row %1\";\n").arg(row);
        for (int i = 0; i < 3; ++i)
            text += QStringLiteral(": button { key = \"b%1_%2\"; label = \"Button %2\"; }\n"
                                   ": edit_box { key = \"e%1_%2\"; label = \"Edit:\"; "
                                   "edit_width = 8; }\n"
                                   ": toggle { key = \"t%1_%2\"; label = \"Toggle\"; }\n")
                        .arg(row)
                        .arg(i);
        text += QStringLiteral("}\n");
    }
    return text + QStringLiteral("}\n");
}

// 500 lines: 99 edit boxes and toggles of five lines each in columns, and OK / Cancel.
QString fiveHundredLines(const QString &title)
{
    QString text = QStringLiteral("edited : dialog {\n  label = \"%1\";\n").arg(title);
    for (int i = 0; i < 99; ++i)
        text += QStringLiteral("  : %1 {\n    key = \"k%2\";\n    label = \"Field %2\";\n"
                               "    value = \"1\";\n  }\n")
                    .arg(i % 2 ? QStringLiteral("toggle") : QStringLiteral("edit_box"))
                    .arg(i);
    return text + QStringLiteral("  ok_cancel;\n}\n");
}

void BM_Layout200Tiles(benchmark::State &state)
{
    const dcl::Document document =
        dcl::Document::fromText(twoHundredTiles(), QStringLiteral("big.dcl"));
    const dcl::Tile &dialog = *document.dialogs().front();
    // Argument 0: the plain measure; 1: the preview font's own metrics.
    const dcl::LayoutFont font =
        state.range(0) ? tw::previewLayoutFont(QApplication::font()) : dcl::LayoutFont{};
    for (auto _ : state)
        benchmark::DoNotOptimize(dcl::layoutDialog(dialog, font));
}
BENCHMARK(BM_Layout200Tiles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreviewFollowsAnEdit(benchmark::State &state)
{
    QString text = fiveHundredLines(QStringLiteral("Before"));
    tw::DclPreviewWindow window;
    window.setSource(QStringLiteral("edited.dcl"), [&] { return text; });
    window.refresh();
    window.show();
    QApplication::processEvents();
    int edit = 0;
    for (auto _ : state) {
        text = fiveHundredLines(QStringLiteral("Edit %1").arg(++edit));
        window.refresh();
        window.repaint();
    }
    state.counters["lines"] = double(text.count(u'\n'));
}
BENCHMARK(BM_PreviewFollowsAnEdit)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
