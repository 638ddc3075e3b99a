#include <benchmark/benchmark.h>

#include "BenchPlatform.h"
#include "engine/Engine.h"
#include "options/Options.h"
#include "play/Play.h"

namespace zorbel::bench {

namespace {

// Automatic play with every tick driven by hand: from switch-on, each move
// is two automatic ticks plus its whole settle cycle back to a quiet board.
void BM_AutoPlayMoves(benchmark::State& state) {
    TwisterRandom rnd{7};
    BenchPlatform ui;
    Game g{rnd, ui};
    SetDefaults(g);
    mnuNew_Click(g);
    while (ui.main) tmrMain_Timer(g);
    mnuAuto_Click(g);
    std::int64_t moves = 0;
    for (auto _ : state) {
        tmrAuto_Timer(g);  // selects HintFrom
        tmrAuto_Timer(g);  // swaps with HintTo
        while (ui.main) tmrMain_Timer(g);
        ++moves;
    }
    state.counters["moves/s"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AutoPlayMoves)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace zorbel::bench
