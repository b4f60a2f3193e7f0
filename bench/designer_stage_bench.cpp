// The design stage with 10 to 5000 tiles: selecting them all with the rubber
// band, moving them together and refreshing the inspector for the whole
// selection. Each result reports the time per tile; the goals are under 50 ms
// for 500 tiles and no faster than linear growth. Peak memory is printed at
// the end (resident set high-water mark of the whole run).

#include "component/ClassRegistry.h"
#include "component/Owner.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Inspector.h"
#include "tiles/TileRegistry.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace
{

// Each group of ten tiles takes one slot of the stage: either a column
// holding nine buttons or ten buttons stacked on the stage itself.
constexpr int kGroup = 10;
constexpr int kSlotWidth = 44;
constexpr int kSlotHeight = 204;
constexpr int kSlotsPerRow = 25;

class TBenchForm : public QWidget, public tw::TOwner
{
public:
    ~TBenchForm() override
    {
        while (!components().isEmpty())
            delete components().last();
    }
};

void send(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget *widget, QPoint from, QPoint to)
{
    send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(widget, QEvent::MouseMove, to, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// `count` tiles on a stage, a tenth of them columns holding buttons, design
// mode on.
struct Design {
    Design(int tiles, bool nested) : count(tiles), nested(nested)
    {
        tw::registerTileClasses();
        const int slotCount = (count + kGroup - 1) / kGroup;
        const QSize size(kSlotsPerRow * kSlotWidth + 16,
                         ((slotCount + kSlotsPerRow - 1) / kSlotsPerRow) * kSlotHeight + 16);
        form.resize(size);
        stage = new tw::TDsnStage(&form);
        stage->setName(QStringLiteral("DsnStage1"));
        stage->setParent(&form);
        stage->setBounds(0, 0, size.width(), size.height());
        for (int slot = 0, made = 0; made < count; ++slot) {
            const int group = std::min(kGroup, count - made);
            tw::TControl *parent = stage;
            QPoint at(8 + (slot % kSlotsPerRow) * kSlotWidth,
                      8 + (slot / kSlotsPerRow) * kSlotHeight);
            int buttons = group;
            if (nested && slot % 2 == 1) {
                parent = add(QStringLiteral("TDCLColumn"), stage, QRect(at, QSize(40, 200)));
                at = QPoint(2, 2);
                --buttons;
            }
            for (int i = 0; i < buttons; ++i, at.ry() += 20)
                add(QStringLiteral("TDCLButton"), parent, QRect(at, QSize(36, 18)));
            made += group;
        }
        topLevel = int(stage->childControls().size());
        inspector = new tw::TDsnInspector(&form);
        inspector->setSelfProps({QStringLiteral("Alignment"), QStringLiteral("Caption"),
                                 QStringLiteral("Enabled"), QStringLiteral("Key"),
                                 QStringLiteral("Fixed_height"), QStringLiteral("Fixed_width"),
                                 QStringLiteral("DCL_Action"), QStringLiteral("Tabstop")});
        reg.setDsnStage(stage);
        reg.setDsnInspector(inspector);
        form.show();
        reg.SetDesignMode(true);
        QCoreApplication::sendPostedEvents();
    }

    tw::TControl *add(const QString &cls, tw::TControl *parent, QRect bounds)
    {
        tw::TControl *tile = tw::ClassRegistry::instance().create(cls, &form);
        tile->setName(form.freeName(cls));
        // Columns dock to the left by default; here each keeps its slot.
        tile->setAlign(tw::alNone);
        tile->setParentControl(parent);
        tile->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        return tile;
    }

    void selectAll() { drag(stage, QPoint(2, 2), QPoint(stage->width() - 2, stage->height() - 2)); }

    TBenchForm form;
    tw::TDsnStage *stage = nullptr;
    tw::TDsnInspector *inspector = nullptr;
    tw::TDsn8Register reg;
    int count;
    bool nested;
    int topLevel = 0;
};

// One design at a time: the largest ones take a while to build.
std::unique_ptr<Design> instance;

Design &design(const benchmark::State &state)
{
    const int count = int(state.range(0));
    const bool nested = state.range(1) != 0;
    if (!instance || instance->count != count || instance->nested != nested) {
        instance.reset();
        instance = std::make_unique<Design>(count, nested);
    }
    return *instance;
}

// What the event loop does between two gestures: repaints and queued work.
void settle()
{
    QCoreApplication::sendPostedEvents();
}

// Seconds per tile: the inverse of the tiles handled per second.
void perTile(benchmark::State &state)
{
    state.counters["s_per_tile"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void BM_RubberBandSelectAll(benchmark::State &state)
{
    Design &d = design(state);
    for (auto _ : state) {
        d.selectAll();
        settle();
        benchmark::DoNotOptimize(d.reg.selection()->count());
    }
    if (d.reg.selection()->count() != d.topLevel)
        state.SkipWithError(QStringLiteral("%1 of %2 tiles were selected")
                                .arg(d.reg.selection()->count())
                                .arg(d.topLevel)
                                .toStdString()
                                .c_str());
    perTile(state);
}

// The first band after design mode is switched on makes every handle; the
// switch itself (which frees them) is not timed.
void BM_RubberBandFirst(benchmark::State &state)
{
    Design &d = design(state);
    for (auto _ : state) {
        state.PauseTiming();
        d.reg.SetDesignMode(false);
        d.reg.SetDesignMode(true);
        settle();
        state.ResumeTiming();
        d.selectAll();
        settle();
    }
    if (d.reg.selection()->count() != d.topLevel)
        state.SkipWithError("not every tile was selected");
    perTile(state);
}

// Each band catches other tiles than the last one: the handles of the last
// selection are hidden and placed anew rather than kept where they are.
void BM_RubberBandAlternate(benchmark::State &state)
{
    Design &d = design(state);
    const int middle = d.stage->height() / 2;
    const QRect halves[] = {{2, 2, d.stage->width() - 4, middle - 4},
                            {2, middle + 2, d.stage->width() - 4, middle - 4}};
    int turn = 0;
    for (auto _ : state) {
        const QRect band = halves[turn];
        drag(d.stage, band.topLeft(), band.bottomRight());
        settle();
        benchmark::DoNotOptimize(d.reg.selection()->count());
        turn = 1 - turn;
    }
    if (d.reg.selection()->isEmpty())
        state.SkipWithError("the bands selected nothing");
    perTile(state);
}

void BM_MoveAll(benchmark::State &state)
{
    Design &d = design(state);
    d.selectAll();
    settle();
    tw::TControl *first = d.stage->childControls().first();
    int step = 8;
    for (auto _ : state) {
        const QPoint from(4, 4);
        send(first, QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(first, QEvent::MouseMove, from + QPoint(step, 0), Qt::LeftButton);
        send(first, QEvent::MouseButtonRelease, from + QPoint(step, 0), Qt::NoButton);
        settle();
        step = -step;
    }
    if (d.reg.selection()->count() != d.topLevel)
        state.SkipWithError("the selection was lost");
    perTile(state);
}

// Design mode goes off with every tile selected: the handles and the
// selection are let go of. Switching it on again is not timed.
void BM_DesignModeOffAllSelected(benchmark::State &state)
{
    Design &d = design(state);
    for (auto _ : state) {
        state.PauseTiming();
        d.reg.SetDesignMode(true);
        d.selectAll();
        settle();
        state.ResumeTiming();
        d.reg.SetDesignMode(false);
        settle();
    }
    d.reg.SetDesignMode(true);
    settle();
    perTile(state);
}

void BM_InspectorRefresh(benchmark::State &state)
{
    Design &d = design(state);
    d.selectAll();
    settle();
    for (auto _ : state) {
        d.inspector->refreshValues();
        settle();
        benchmark::DoNotOptimize(d.inspector->model()->rows().size());
    }
    perTile(state);
}

// Each design runs its three steps before the next one is built: 500 tiles
// straight on the stage, then 10 to 5000 with a tenth of them columns holding
// buttons.
void registerAll()
{
    using Step = void (*)(benchmark::State &);
    const std::pair<const char *, Step> steps[] = {
        {"BM_RubberBandSelectAll", BM_RubberBandSelectAll},
        {"BM_RubberBandAlternate", BM_RubberBandAlternate},
        {"BM_RubberBandFirst", BM_RubberBandFirst},
        {"BM_MoveAll", BM_MoveAll},
        {"BM_InspectorRefresh", BM_InspectorRefresh},
        {"BM_DesignModeOffAllSelected", BM_DesignModeOffAllSelected},
    };
    const std::pair<int, int> designs[] = {{500, 0}, {10, 1}, {100, 1}, {1000, 1}, {5000, 1}};
    for (const auto &[count, nested] : designs)
        for (const auto &[name, step] : steps)
            benchmark::RegisterBenchmark(name, step)
                ->Args({count, nested})
                ->ArgNames({"tiles", "nested"})
                ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    instance.reset();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
