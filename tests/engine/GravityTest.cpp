#include <gtest/gtest.h>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Cell;

// Column 4 has gaps in rows 3 and 7; rows 1, 2, 4, 5, 6 close up into rows
// 3..7 in order, rows 8..10 stay, and the active values ride along.
TEST(Gravity, BallsCloseUpInOrderAndTakeTheirActiveValues) {
    test::Bench b;
    GameState& s = b.g;
    const std::array<Int, 11> colours{0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8};
    const std::array<Int, 11> active{0, 7, 0, 0, 0, 3, 0, 0, 0, 4, 0};
    for (int r = 1; r <= kRows; ++r) {
        s.Board[Cell(r, 4)] = colours[r];
        s.Active[Cell(r, 4)] = active[r];
    }
    const GameState before = s;

    DropBalls(s);

    const std::array<Int, 11> wantColours{0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    const std::array<Int, 11> wantActive{0, 0, 0, 7, 0, 0, 3, 0, 0, 4, 0};
    for (int r = 1; r <= kRows; ++r) {
        EXPECT_EQ(s.Board[Cell(r, 4)], wantColours[r]) << "row " << r;
        EXPECT_EQ(s.Active[Cell(r, 4)], wantActive[r]) << "row " << r;
    }
    for (Int i = 1; i <= kCells; ++i) {
        if (ColumnOf(i) == 4) continue;
        ASSERT_EQ(s.Board[i], before.Board[i]) << "cell " << i;
    }
}

TEST(Gravity, EmptyCellsNoBallEntersKeepTheirActiveValue) {
    test::Bench b;
    GameState& s = b.g;
    // Column 9: the top cell is empty and keeps a lifetime.
    s.Board[Cell(1, 9)] = 0;
    s.Active[Cell(1, 9)] = 5;
    // Column 2: wholly empty, two cells keep lifetimes.
    for (int r = 1; r <= kRows; ++r) s.Board[Cell(r, 2)] = 0;
    s.Active[Cell(3, 2)] = 8;
    s.Active[Cell(10, 2)] = 11;
    // Column 12: a gap in row 10 below an active ball; the ball's old cell
    // is entered by the ball above it.
    s.Board[Cell(10, 12)] = 0;
    s.Active[Cell(10, 12)] = 13;
    s.Active[Cell(9, 12)] = 2;
    const Int fallingColour = s.Board[Cell(9, 12)];

    DropBalls(s);

    EXPECT_EQ(s.Board[Cell(1, 9)], 0);
    EXPECT_EQ(s.Active[Cell(1, 9)], 5);
    for (int r = 1; r <= kRows; ++r) EXPECT_EQ(s.Board[Cell(r, 2)], 0);
    EXPECT_EQ(s.Active[Cell(3, 2)], 8);
    EXPECT_EQ(s.Active[Cell(10, 2)], 11);
    EXPECT_EQ(s.Board[Cell(10, 12)], fallingColour);
    EXPECT_EQ(s.Active[Cell(10, 12)], 2);
    EXPECT_EQ(s.Active[Cell(9, 12)], 0);
    EXPECT_EQ(s.Board[Cell(1, 12)], 0);
    EXPECT_EQ(s.Active[Cell(1, 12)], 0);
}

TEST(Gravity, RandomHolesEndAsAnUnbrokenRunAtTheTop) {
    test::FakePlatform ui;
    TwisterRandom rnd(2024);
    Game g(rnd, ui);
    g.ColorCount = 8;
    GenerateBoard(g);
    for (int k = 0; k < 60; ++k) g.Board[DrawOneOf(rnd, kCells)] = 0;
    const GameState before = g;
    DropBalls(g);
    for (int c = 1; c <= kColumns; ++c) {
        std::vector<Int> was, now;
        for (int r = 1; r <= kRows; ++r) {
            if (before.Board[Cell(r, c)] != 0) was.push_back(before.Board[Cell(r, c)]);
        }
        const int empty = kRows - static_cast<int>(was.size());
        for (int r = 1; r <= kRows; ++r) {
            if (r <= empty) EXPECT_EQ(g.Board[Cell(r, c)], 0);
            else now.push_back(g.Board[Cell(r, c)]);
        }
        EXPECT_EQ(now, was) << "column " << c;
    }
}

}  // namespace
}  // namespace zorbel
