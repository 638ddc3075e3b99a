#pragma once
// What the player must never see go wrong, whatever the order of events:
// the soak and the fuzzer check these after every single event.
#include <array>
#include <string>

#include "engine/Game.h"
#include "support/FakePlatform.h"

namespace zorbel::test {

// The score label's text for a score.
std::string ScoreText(Int score);

class Invariants {
public:
    // Takes over the fake window's drawing, which from then on keeps the
    // pictures of g up to date as the real window does, and looks at the
    // board each time it is drawn.
    Invariants(Game& g, FakePlatform& ui);
    ~Invariants();
    Invariants(const Invariants&) = delete;
    Invariants& operator=(const Invariants&) = delete;

    // The first broken rule since the last call, or an empty string.
    std::string Check();

private:
    static constexpr int kDirections = 4;  // left, right, up, down

    void OnDraw();
    std::string CheckCells() const;
    std::string CheckScore();
    std::string CheckTimersAndMenus() const;
    std::string CheckAtRest();
    void Recount();
    bool Checked(MenuItem m) const;

    Game& g_;
    FakePlatform& ui_;
    std::string drawFault_;
    Int lastScore_;
    Int lastAutoMode_;

    // The board last recounted the slow way, whether a line stood on it,
    // how many moves it offered and which.
    CellArray countedBoard_{};
    bool counted_ = false;
    bool lineStands_ = false;
    Int moves_ = 0;
    std::array<bool, (kCells + 1) * kDirections> isMove_{};
};

}  // namespace zorbel::test
