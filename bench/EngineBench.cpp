#include <benchmark/benchmark.h>

#include "BenchPlatform.h"
#include "engine/Engine.h"
#include "options/Options.h"

namespace zorbel::bench {

namespace {

// Five colours give fresh boards with many moves, the costliest count.
struct Fixture {
    TwisterRandom rnd{20261207};
    BenchPlatform ui;
    Game g{rnd, ui};
    Fixture() {
        SetDefaults(g);
        g.ColorCount = 5;
        do mnuNew_Click(g);
        while (g.MoveCount < 40);
    }
};

void BM_CountMoves(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) benchmark::DoNotOptimize(CountMoves(f.g));
    state.counters["moves"] = f.g.MoveCount;
}
BENCHMARK(BM_CountMoves)->Unit(benchmark::kMicrosecond);

void BM_GenerateBoard(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        ResetGame(f.g);
        GenerateBoard(f.g);
        benchmark::DoNotOptimize(f.g.Board.data());
    }
}
BENCHMARK(BM_GenerateBoard)->Unit(benchmark::kMicrosecond);

// A quiet settle tick: nothing marked, so removal, gravity and refill find
// no work and the tick counts the moves — the heaviest kind of tick.
void BM_QuietSettleTick(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) tmrMain_Timer(f.g);
}
BENCHMARK(BM_QuietSettleTick)->Unit(benchmark::kMicrosecond);

// A tick that removes three marked rows, refills 45 cells and looks for lines.
void BM_ClearingSettleTick(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        state.PauseTiming();
        for (Int i = 1; i <= 45; ++i) f.g.Marks[i] = 1;
        state.ResumeTiming();
        tmrMain_Timer(f.g);
    }
}
BENCHMARK(BM_ClearingSettleTick)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace zorbel::bench
