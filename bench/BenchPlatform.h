#pragma once
// A window that only keeps the timer states, for driving the game by hand
// as fast as it can go.
#include "engine/Game.h"

namespace zorbel::bench {

class BenchPlatform : public Platform {
public:
    void SetTimerEnabled(Timer t, bool on) override { (t == Timer::Main ? main : autoTimer) = on; }
    bool TimerEnabled(Timer t) const override { return t == Timer::Main ? main : autoTimer; }
    void SetTimerInterval(Timer, int) override {}
    void SetLabel(Label, std::string_view) override {}
    void SetMenuChecked(MenuItem, bool) override {}
    void SetMenuEnabled(MenuItem, bool) override {}
    void DrawBoard() override {}
    void RedrawBoard() override {}
    bool main = false;
    bool autoTimer = false;
};

}  // namespace zorbel::bench
