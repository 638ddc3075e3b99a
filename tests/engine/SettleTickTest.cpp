#include <gtest/gtest.h>

#include <algorithm>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Cell;
using test::Pick;

bool Logged(const test::FakePlatform& ui, const std::string& entry) {
    return std::find(ui.log.begin(), ui.log.end(), entry) != ui.log.end();
}

// A line of 6s in row 3 (columns 1..3) and two 7s at cells 4, 5.
TEST(SettleTick, LineShowsForOneTickThenFallsRefillsAndCascades) {
    test::Bench b;
    Game& g = b.g;
    g.Board[31] = g.Board[32] = g.Board[33] = 6;
    g.Board[4] = g.Board[5] = 7;
    b.ui.mainOn = true;
    const GameState start = g;

    tmrMain_Timer(g);  // shows the line
    EXPECT_EQ(test::MarkedCells(g), (std::set<Int>{31, 32, 33}));
    EXPECT_EQ(g.Board, start.Board);
    EXPECT_EQ(b.rnd.drawn, 0);
    EXPECT_EQ(b.ui.exp, "Счёт: 0");
    EXPECT_TRUE(b.ui.mainOn);
    EXPECT_EQ(b.ui.log, std::vector<std::string>{"draw"});

    b.rnd.Push({Pick(1, 8), Pick(2, 8), Pick(7, 8)});
    tmrMain_Timer(g);  // removes it; the new 7 at cell 3 completes 3, 4, 5
    for (Int c = 1; c <= 3; ++c) {
        EXPECT_EQ(g.Board[c + 15], start.Board[c]);
        EXPECT_EQ(g.Board[c + 30], start.Board[c + 15]);
    }
    EXPECT_EQ(g.Board[1], 1);
    EXPECT_EQ(g.Board[2], 2);
    EXPECT_EQ(g.Board[3], 7);
    EXPECT_EQ(test::MarkedCells(g), (std::set<Int>{3, 4, 5}));
    EXPECT_EQ(g.Score, 3);
    EXPECT_EQ(b.ui.exp, "Счёт: 3");
    EXPECT_EQ(b.rnd.drawn, 3);
    EXPECT_TRUE(b.ui.mainOn);
    EXPECT_EQ(b.ui.log.back(), "draw");

    b.rnd.Push({Pick(1, 8), Pick(2, 8), Pick(3, 8), 0.0f});
    tmrMain_Timer(g);  // removes the cascade; quiet, one move left
    EXPECT_TRUE(test::MarkedCells(g).empty());
    EXPECT_EQ(g.Score, 6);
    EXPECT_EQ(b.ui.steps, "Ходов: 1");
    EXPECT_EQ(b.rnd.drawn, 7);
    EXPECT_FALSE(b.ui.mainOn);
    EXPECT_FALSE(b.ui.autoOn);
    EXPECT_EQ(b.ui.log, (std::vector<std::string>{"draw", "draw", "tmrMain off", "draw"}));
}

class QuietTick : public ::testing::TestWithParam<Int> {};

TEST_P(QuietTick, StopsTheSettleTimerAndHandsOverToAutomaticPlay) {
    test::Bench b;
    Game& g = b.g;
    test::PlantOneMove(g);
    g.AutoMode = GetParam();
    g.Score = 12;
    g.Active[20] = 3;  // active balls are off: nothing ages
    b.ui.mainOn = true;

    tmrMain_Timer(g);

    std::vector<std::string> expected{"tmrMain off"};
    if (GetParam() != 0) expected.push_back("tmrAuto on");
    expected.push_back("draw");
    EXPECT_EQ(b.ui.log, expected);
    EXPECT_EQ(b.ui.autoOn, GetParam() != 0);
    EXPECT_EQ(b.ui.exp, "Счёт: 12");
    EXPECT_EQ(g.HintFrom, Cell(6, 7));
    EXPECT_EQ(g.Active[20], 3);
    EXPECT_EQ(b.rnd.drawn, 1);
}

INSTANTIATE_TEST_SUITE_P(AutoModes, QuietTick, ::testing::Values(0, 1, 2));

// The quiet board has no move. The first tick marks rows 1, 4 and 9, ages
// and places an active ball at cell 7 in row 1; the next tick removes the
// rows, and as no ball falls into row 1 the new ball at cell 7 is active.
TEST(SettleTick, StalemateKeepsTheTimerRunningAndItsActiveBallSurvivesTheRefill) {
    test::Bench b;
    Game& g = b.g;
    g.ColorCount = 5;
    g.ActiveBallsOn = 1;
    g.Active[Cell(4, 7)] = 5;
    g.Active[Cell(7, 10)] = 1;
    b.ui.mainOn = true;
    const GameState start = g;
    b.rnd.Push({0.05f, 0.35f, 0.35f, 0.85f,          // rows 1, 4, 4 again, 9
                0.05f, Pick(7, 150), test::Below(2, 11)});  // gate, cell 7, lifetime 8

    tmrMain_Timer(g);

    EXPECT_EQ(b.ui.log, std::vector<std::string>{"draw"});
    EXPECT_TRUE(b.ui.mainOn);
    EXPECT_EQ(b.ui.steps, "Ходов нет!");
    std::set<Int> rows = test::RowCells(1);
    rows.merge(test::RowCells(4));
    rows.merge(test::RowCells(9));
    EXPECT_EQ(test::MarkedCells(g), rows);
    EXPECT_EQ(g.Active[7], 8);
    EXPECT_EQ(g.Active[Cell(4, 7)], 4);
    EXPECT_EQ(g.Active[Cell(7, 10)], 0);
    EXPECT_EQ(b.rnd.drawn, 7);

    // Refill rows 1..3 so that the quiet pattern carries on upwards; the
    // board is again without a move.
    for (Int i = 1; i <= 45; ++i) b.rnd.Push({Pick(test::QuietColour(RowOf(i) - 2, ColumnOf(i)), 5)});
    b.rnd.Push({0.05f, 0.15f, 0.25f, 0.95f});  // rows 1, 2, 3; no placement
    tmrMain_Timer(g);

    EXPECT_EQ(b.rnd.drawn, 7 + 45 + 4);
    EXPECT_EQ(g.Score, 45);
    EXPECT_EQ(g.Board[7], test::QuietColour(-1, 7));
    EXPECT_EQ(g.Active[7], 7);
    EXPECT_EQ(g.Active[Cell(4, 7)], 0);  // overwritten by the ball that fell in
    const Int survivors[] = {2, 3, 5, 6, 7, 8, 10};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(g.Board[Cell(4 + k, 7)], start.Board[Cell(survivors[k], 7)]);
    EXPECT_TRUE(b.ui.mainOn);
    EXPECT_FALSE(Logged(b.ui, "tmrMain off"));
    EXPECT_EQ(b.ui.log.back(), "draw");
}

}  // namespace
}  // namespace zorbel
