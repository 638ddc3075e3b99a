// Settle ticks through the real window, with its drawing and everything the
// window does per changed cell, under the offscreen platform and with no
// assistive technology listening.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "engine/Engine.h"
#include "qt/FrmMain.h"

namespace zorbel::bench {

namespace {

constexpr Int kClearedCells = 45;  // three rows, the size of a stalemate clearing

// A tick that removes three marked rows: some 45 to 60 cells change picture.
void BM_WindowClearingTick(benchmark::State& state) {
    ui::frmMain w(20261207);
    w.show();
    Game& g = w.game();
    for (auto _ : state) {
        state.PauseTiming();
        for (Int i = 1; i <= kClearedCells; ++i) g.Marks[i] = 1;
        state.ResumeTiming();
        w.tmrMain_Timer();
    }
}
BENCHMARK(BM_WindowClearingTick)->Unit(benchmark::kMicrosecond);

// A quiet tick: nothing to remove, the moves are counted, nothing redrawn.
void BM_WindowQuietTick(benchmark::State& state) {
    ui::frmMain w(20261207);
    w.show();
    for (auto _ : state) w.tmrMain_Timer();
}
BENCHMARK(BM_WindowQuietTick)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace zorbel::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
