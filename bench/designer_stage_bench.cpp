// The design stage with 500 tiles: selecting them all with the rubber band,
// moving them together and refreshing the inspector for the whole selection.

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

namespace
{

constexpr int kColumns = 25;
constexpr int kRows = 20;

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

// 500 button tiles in a grid on a stage, design mode on.
struct Design {
    Design()
    {
        tw::registerTileClasses();
        form.resize(1500, 1100);
        stage = new tw::TDsnStage(&form);
        stage->setName(QStringLiteral("DsnStage1"));
        stage->setParent(&form);
        stage->setBounds(0, 0, 1500, 1100);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                tw::TControl *tile =
                    tw::ClassRegistry::instance().create(QStringLiteral("TDCLButton"), &form);
                tile->setName(form.freeName(QStringLiteral("TDCLButton")));
                tile->setParentControl(stage);
                tile->setBounds(16 + column * 56, 16 + row * 48, 48, 40);
                tiles.append(tile);
            }
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
    void selectAll() { drag(stage, QPoint(2, 2), QPoint(1490, 1090)); }

    TBenchForm form;
    tw::TDsnStage *stage = nullptr;
    tw::TDsnInspector *inspector = nullptr;
    tw::TDsn8Register reg;
    QList<tw::TControl *> tiles;
};

std::unique_ptr<Design> instance;

Design &design()
{
    if (!instance)
        instance = std::make_unique<Design>();
    return *instance;
}

// What the event loop does between two gestures: repaints and queued work.
void settle()
{
    QCoreApplication::sendPostedEvents();
}

void BM_RubberBandSelectAll(benchmark::State &state)
{
    Design &d = design();
    for (auto _ : state) {
        d.selectAll();
        settle();
        benchmark::DoNotOptimize(d.reg.selection()->count());
    }
    if (d.reg.selection()->count() != kColumns * kRows)
        state.SkipWithError("not every tile was selected");
}
BENCHMARK(BM_RubberBandSelectAll)->Unit(benchmark::kMillisecond);

void BM_MoveAll(benchmark::State &state)
{
    Design &d = design();
    d.selectAll();
    settle();
    int step = 8;
    for (auto _ : state) {
        tw::TControl *first = d.tiles.first();
        const QPoint from(4, 4);
        send(first, QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(first, QEvent::MouseMove, from + QPoint(step, 0), Qt::LeftButton);
        send(first, QEvent::MouseButtonRelease, from + QPoint(step, 0), Qt::NoButton);
        settle();
        step = -step;
    }
    if (d.reg.selection()->count() != kColumns * kRows)
        state.SkipWithError("the selection was lost");
}
BENCHMARK(BM_MoveAll)->Unit(benchmark::kMillisecond);

void BM_InspectorRefresh(benchmark::State &state)
{
    Design &d = design();
    d.selectAll();
    for (auto _ : state) {
        d.inspector->refreshValues();
        settle();
        benchmark::DoNotOptimize(d.inspector->model()->rows().size());
    }
}
BENCHMARK(BM_InspectorRefresh)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    instance.reset();
    return 0;
}
