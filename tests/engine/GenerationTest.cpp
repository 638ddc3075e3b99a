#include <gtest/gtest.h>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Cell;

TEST(Generation, NoNeighbourSharesAColourForEveryColourCount) {
    test::FakePlatform ui;
    for (Int colours = 5; colours <= 8; ++colours) {
        for (std::uint64_t seed = 1; seed <= 60; ++seed) {
            TwisterRandom rnd(seed * 7919u + static_cast<std::uint64_t>(colours));
            Game g(rnd, ui);
            g.ColorCount = colours;
            ResetGame(g);
            GenerateBoard(g);
            for (int r = 1; r <= kRows; ++r) {
                for (int c = 1; c <= kColumns; ++c) {
                    const Int b = g.Board[Cell(r, c)];
                    ASSERT_GE(b, 1);
                    ASSERT_LE(b, colours);
                    if (c < kColumns) {
                        ASSERT_NE(b, g.Board[Cell(r, c + 1)]) << "row " << r << " col " << c;
                    }
                    if (r < kRows) {
                        ASSERT_NE(b, g.Board[Cell(r + 1, c)]) << "row " << r << " col " << c;
                    }
                }
            }
            ASSERT_EQ(HasLine(g), 0);
        }
    }
}

TEST(Generation, EveryColourCanBeDrawnAndNoneBeyond) {
    test::FakePlatform ui;
    for (Int colours = 5; colours <= 8; ++colours) {
        TwisterRandom rnd(99);
        Game g(rnd, ui);
        g.ColorCount = colours;
        GenerateBoard(g);
        std::set<Int> seen(g.Board.begin() + 1, g.Board.end());
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(colours));
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), colours);
    }
}

struct ResetCase {
    Int autoMode;
    bool unchecksAuto;
};

class ResetGameTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetGameTest, ClearsTheGameKeepsTheOptionsAndStopsBothTimers) {
    test::Bench b;
    Game& g = b.g;
    g.Marks.fill(1);
    g.Active.fill(7);
    g.ShownPicture.fill(19);
    g.FirstCell = 5, g.SecondCell = 6, g.MoveCount = 40, g.HintFrom = 7, g.HintTo = 8;
    g.Score = 1234, g.TickMs = 500, g.ActiveBallsOn = 1, g.ActiveEveryMove = 1;
    g.AutoMode = GetParam().autoMode;
    b.ui.mainOn = b.ui.autoOn = true;

    ResetGame(g);

    for (Int i = 1; i <= kCells; ++i) {
        ASSERT_EQ(g.Board[i], 0);
        ASSERT_EQ(g.Marks[i], 0);
        ASSERT_EQ(g.Active[i], 0);
        ASSERT_EQ(g.ShownPicture[i], 19);
    }
    EXPECT_EQ((std::vector<Int>{g.FirstCell, g.SecondCell, g.MoveCount, g.HintFrom, g.HintTo, g.AutoMode}),
              std::vector<Int>(6, 0));
    EXPECT_EQ((std::vector<Int>{g.Score, g.ColorCount, g.TickMs, g.ActiveBallsOn, g.ActiveEveryMove}),
              (std::vector<Int>{1234, 8, 500, 1, 1}));
    EXPECT_EQ(b.rnd.drawn, 0);

    const std::string uncheck = "check " + std::to_string(static_cast<int>(MenuItem::mnuAuto)) + " off";
    std::vector<std::string> expected;
    if (GetParam().unchecksAuto) expected.push_back(uncheck);
    expected.insert(expected.end(), {"tmrMain off", "tmrAuto off"});
    EXPECT_EQ(b.ui.log, expected);
    EXPECT_FALSE(b.ui.mainOn);
    EXPECT_FALSE(b.ui.autoOn);
}

INSTANTIATE_TEST_SUITE_P(AutoModes, ResetGameTest,
                         ::testing::Values(ResetCase{0, false}, ResetCase{1, true}, ResetCase{2, true}));

}  // namespace
}  // namespace zorbel
