#pragma once
// A window stand-in that records what the game asks of it. Ticks are
// driven by hand: call the tick handler of whichever timer runs.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/Game.h"

namespace zorbel::test {

class FakePlatform : public Platform {
public:
    void SetTimerEnabled(Timer t, bool on) override {
        log.push_back(std::string(t == Timer::Main ? "tmrMain" : "tmrAuto") + (on ? " on" : " off"));
        (t == Timer::Main ? mainOn : autoOn) = on;
    }
    bool TimerEnabled(Timer t) const override { return t == Timer::Main ? mainOn : autoOn; }
    void SetTimerInterval(Timer t, int ms) override {
        log.push_back(std::string(t == Timer::Main ? "tmrMain" : "tmrAuto") + " interval " + std::to_string(ms));
        (t == Timer::Main ? mainInterval : autoInterval) = ms;
    }
    void SetLabel(Label l, std::string_view utf8) override {
        (l == Label::Steps ? steps : exp) = std::string(utf8);
        ++(l == Label::Steps ? stepsWrites : expWrites);
    }
    void SetMenuChecked(MenuItem m, bool c) override {
        log.push_back("check " + std::to_string(static_cast<int>(m)) + (c ? " on" : " off"));
        checked[m] = c;
    }
    void SetMenuEnabled(MenuItem m, bool e) override {
        log.push_back("enable " + std::to_string(static_cast<int>(m)) + (e ? " on" : " off"));
        enabled[m] = e;
    }
    void DrawBoard() override {
        log.push_back("draw");
        ++draws;
        if (onDraw) onDraw();
    }
    void RedrawBoard() override { log.push_back("redraw"); }

    bool mainOn = false;
    bool autoOn = false;
    int mainInterval = 250;
    int autoInterval = 250;
    std::string steps, exp;
    int stepsWrites = 0, expWrites = 0;
    int draws = 0;
    std::map<MenuItem, bool> checked{{MenuItem::mnuColors6, true}, {MenuItem::mnuSpeed250, true}, {MenuItem::mnuFishOk, true}};
    std::map<MenuItem, bool> enabled;
    std::vector<std::string> log;
    // What the window would do at each drawing; see support/Invariants.h.
    std::function<void()> onDraw;
};

// Plays back scripted draws; once the script runs out it repeats `fallback`.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : queue(values) {}
    float Next() override {
        ++drawn;
        if (queue.empty()) return fallback;
        const float r = queue.front();
        queue.pop_front();
        return r;
    }
    void Push(std::initializer_list<float> values) { queue.insert(queue.end(), values); }
    std::deque<float> queue;
    float fallback = 0.0f;
    int drawn = 0;
};

// r that makes Int(n * r) + 1 come out as k (1..n).
inline float Pick(int k, int n) { return (static_cast<float>(k) - 0.5f) / static_cast<float>(n); }

}  // namespace zorbel::test
