// Undo and redo in a design window holding 500 tiles: a move of all of them
// and a property set on all of them (goal: each under 50 ms), the same two
// changes made and recorded as one step, and the memory the stack holds after
// 1,000 property edits (goal: under 10 MB).

#include "component/ClassRegistry.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelect.h"
#include "designer/Inspector.h"
#include "document/DesignDocument.h"
#include "document/DesignHost.h"
#include "document/DialogDesign.h"
#include "tiles/DCLPanel.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace
{

constexpr int kTiles = 500;

class TBenchHost : public tw::TDesignHost
{
public:
    tw::TDsnPanel *DsnPanel1() override { return nullptr; }
    tw::TArrowButton *ArrowButton() override { return nullptr; }
    QString CurrentProjectFile() const override { return {}; }
    std::optional<QString> ExecuteOpenDialog1(const QString &, const QString &) override
    {
        return std::nullopt;
    }
    void SetDesignButtonDown(bool) override {}
    void WhenRadioClick(tw::TControl *) override {}
    void EnableEditMenu(bool) override {}
    void EnableEditActions(bool) override {}
    void AdoptProjectWindow(QWidget *) override {}
};

// A design window with 500 buttons in its dialog tile, all selected, design
// mode on. The buttons are undocked (as on the stage benchmark), so a move
// moves every one of them.
struct Design {
    Design()
    {
        form = std::make_unique<tw::TfrmDialogDesign>(document, host);
        form->resize(1400, 1000);
        tw::TDCLPanel *dialog = document.dialogTile();
        dialog->setBounds(0, 0, 1380, 980);
        for (int i = 0; i < kTiles; ++i) {
            tw::TControl *tile =
                tw::ClassRegistry::instance().create(QStringLiteral("TDCLButton"), &document);
            tile->setName(QStringLiteral("B%1").arg(i));
            tile->setParentControl(dialog);
            tile->setAlign(tw::alNone);
            tile->setBounds(8 + (i % 25) * 52, 8 + (i / 25) * 40, 48, 32);
            tiles.append(tile);
        }
        form->TogleDesignState(true);
        document.setModified(false);
        QCoreApplication::sendPostedEvents();
        form->DsnSelect1->select(tiles);
    }
    QUndoStack *stack() { return document.undoStack(); }

    TBenchHost host;
    tw::TDesignDocument document;
    std::unique_ptr<tw::TfrmDialogDesign> form;
    QList<tw::TControl *> tiles;
};

Design *g_design = nullptr;

Design &design()
{
    return *g_design;
}

// Times the undo (or redo) of one recorded change; the way back is untimed.
void timeStep(benchmark::State &state, const std::function<void()> &change, bool undo)
{
    Design &d = design();
    d.stack()->clear();
    change();
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            d.stack()->undo();
            state.ResumeTiming();
            d.stack()->redo();
        } else {
            d.stack()->undo();
            state.PauseTiming();
            d.stack()->redo();
            state.ResumeTiming();
        }
    }
    d.stack()->clear();
}

void moveAll()
{
    design().form->Dsn8Register1->KeyboardMove(8, 0, false);
}

void setCaptionOfAll()
{
    static int n = 0;
    design().form->DsnInspector1->applyText(QStringLiteral("Caption"),
                                            QStringLiteral("C%1").arg(++n));
}

void BM_UndoMove500(benchmark::State &state)
{
    timeStep(state, moveAll, true);
}
void BM_RedoMove500(benchmark::State &state)
{
    timeStep(state, moveAll, false);
}
void BM_UndoSetProperty500(benchmark::State &state)
{
    timeStep(state, setCaptionOfAll, true);
}
void BM_RedoSetProperty500(benchmark::State &state)
{
    timeStep(state, setCaptionOfAll, false);
}

// Making the change and recording it, for comparison with the stage's own
// move and inspector figures.
void BM_RecordMove500(benchmark::State &state)
{
    Design &d = design();
    for (auto _ : state) {
        moveAll();
        state.PauseTiming();
        d.stack()->clear();
        state.ResumeTiming();
    }
}
void BM_RecordSetProperty500(benchmark::State &state)
{
    Design &d = design();
    for (auto _ : state) {
        setCaptionOfAll();
        state.PauseTiming();
        d.stack()->clear();
        state.ResumeTiming();
    }
}

// Heap held by the stack after 1,000 property edits: each on one tile of the
// 500 (a caption typed into the inspector), and each on all 500 at once.
void BM_StackMemoryAfter1000Edits(benchmark::State &state)
{
    Design &d = design();
    const bool all = state.range(0) != 0;
    double bytes = 0;
    int steps = 0;
    for (auto _ : state) {
        d.stack()->clear();
        for (int i = 0; i < 1000; ++i) {
            d.form->DsnSelect1->select(all ? d.tiles : QList<tw::TControl *>{d.tiles[i % kTiles]});
            d.form->DsnInspector1->applyText(QStringLiteral("Caption"),
                                             QStringLiteral("Edit number %1").arg(i));
        }
        steps = d.stack()->count();
        // What the stack holds is what clearing it gives back.
        const size_t full = mallinfo2().uordblks;
        d.stack()->clear();
        bytes = double(full) - double(mallinfo2().uordblks);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["stack_MB"] = bytes / (1024.0 * 1024.0);
    state.counters["steps"] = steps;
    d.form->DsnSelect1->select(d.tiles);
}

BENCHMARK(BM_UndoMove500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoMove500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoSetProperty500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoSetProperty500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordMove500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordSetProperty500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StackMemoryAfter1000Edits)
    ->ArgName("all")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_design = new Design;
    benchmark::RunSpecifiedBenchmarks();
    delete g_design;
    benchmark::Shutdown();
    return 0;
}
