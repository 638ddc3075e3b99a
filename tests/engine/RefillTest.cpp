#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Cell;
using test::Pick;

TEST(Refill, ANewBallDiffersOnlyFromTheNewBallBeforeIt) {
    test::Bench b;
    Game& g = b.g;
    g.ColorCount = 6;
    for (Int i : {1, 2, 3, 40}) g.Board[i] = 0;
    const Int below40 = g.Board[55];
    b.rnd.Push({Pick(4, 6),                          // cell 1: any colour
                Pick(4, 6), Pick(4, 6), Pick(2, 6),  // cell 2: 4 twice drawn again
                Pick(2, 6), Pick(5, 6),              // cell 3: 2 drawn again
                Pick(below40, 6)});                  // cell 40: may match the ball below it
    RefillBoard(g);
    EXPECT_EQ(g.Board[1], 4);
    EXPECT_EQ(g.Board[2], 2);
    EXPECT_EQ(g.Board[3], 5);
    EXPECT_EQ(g.Board[40], below40);
    EXPECT_EQ(b.rnd.drawn, 7);

    // A new call starts afresh: its first ball may repeat the last one.
    g.Board[150] = 0;
    b.rnd.Push({Pick(below40, 6)});
    RefillBoard(g);
    EXPECT_EQ(g.Board[150], below40);
    EXPECT_EQ(b.rnd.drawn, 8);
}

TEST(Refill, NewBallsUseEveryColourInPlayAndNoOther) {
    for (Int colours = 5; colours <= 8; ++colours) {
        test::Bench b;
        b.g.ColorCount = colours;
        b.g.Board[Cell(1, 1)] = b.g.Board[Cell(1, 2)] = 0;
        b.rnd.Push({0.0f, std::nextafter(1.0f, 0.0f)});
        RefillBoard(b.g);
        EXPECT_EQ(b.g.Board[Cell(1, 1)], 1);
        EXPECT_EQ(b.g.Board[Cell(1, 2)], colours);
    }
}

struct ScoreCase {
    Int score, autoMode, empty, wantScore;
    const char* label;
};

class RefillScore : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(RefillScore, CountsOnePointPerNewBallUpToTheCap) {
    test::Bench b;
    Game& g = b.g;
    g.Score = GetParam().score;
    g.AutoMode = GetParam().autoMode;
    for (Int k = 0; k < GetParam().empty; ++k) g.Board[Cell(1 + k / kColumns, 1 + k % kColumns)] = 0;
    b.rnd.fallback = 0.5f;
    // Alternate the draws so that consecutive new balls differ at once.
    for (Int k = 0; k < GetParam().empty; ++k) b.rnd.Push({k % 2 ? 0.1f : 0.9f});

    RefillBoard(g);

    EXPECT_EQ(g.Score, GetParam().wantScore);
    EXPECT_EQ(b.ui.exp, GetParam().label);
    EXPECT_EQ(b.ui.expWrites, 1);
    EXPECT_EQ(b.rnd.drawn, GetParam().empty);
    for (Int i = 1; i <= kCells; ++i) ASSERT_NE(g.Board[i], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefillScore,
    ::testing::Values(ScoreCase{100, 0, 7, 107, "Счёт: 107"},
                      ScoreCase{0, 0, 45, 45, "Счёт: 45"},
                      ScoreCase{31998, 0, 5, 32000, "Счёт: 32000+"},
                      ScoreCase{31999, 0, 1, 32000, "Счёт: 32000+"},
                      ScoreCase{31998, 0, 1, 31999, "Счёт: 31999"},
                      ScoreCase{32000, 0, 3, 32000, "Счёт: 32000+"},
                      ScoreCase{250, 1, 6, 250, "Счёт: 250"},
                      ScoreCase{250, 2, 6, 250, "Счёт: 250"},
                      ScoreCase{0, 0, 0, 0, "Счёт: 0"},
                      ScoreCase{9, 0, 0, 9, "Счёт: 9"}),
    [](const auto& info) {
        const ScoreCase& k = info.param;
        return "Score" + std::to_string(k.score) + "Auto" + std::to_string(k.autoMode) + "New" +
               std::to_string(k.empty);
    });

}  // namespace
}  // namespace zorbel
