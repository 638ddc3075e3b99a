#include <gtest/gtest.h>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Below;
using test::Cell;

enum Ray { kLeft = 1, kUp = 2, kRight = 4, kDown = 8 };

// The cells of the given rays from (row, col), walked by coordinates.
std::set<Int> Rays(int row, int col, int rays) {
    std::set<Int> out{Cell(row, col)};
    for (int c = 1; c < col && (rays & kLeft); ++c) out.insert(Cell(row, c));
    for (int c = col + 1; c <= kColumns && (rays & kRight); ++c) out.insert(Cell(row, c));
    for (int r = 1; r < row && (rays & kUp); ++r) out.insert(Cell(r, col));
    for (int r = row + 1; r <= kRows && (rays & kDown); ++r) out.insert(Cell(r, col));
    return out;
}

int RaysOf(int d) {
    constexpr int table[15] = {kLeft,  kLeft,  kLeft,  kUp,   kUp,           kUp,          kRight,
                               kRight, kRight, kDown, kDown, kDown,         kLeft | kRight, kUp | kDown,
                               kLeft | kRight | kUp | kDown};
    return table[d];
}

// Detonates an active ball at (row, col) with the given draws.
std::set<Int> Fire(int row, int col, std::initializer_list<float> draws, int* used) {
    test::Bench b;
    const Int c = Cell(row, col);
    b.g.Marks[c] = 1;
    b.g.Active[c] = 9;
    b.rnd.Push(draws);
    b.rnd.fallback = 0.99f;
    Detonate(b.g, c);
    EXPECT_EQ(b.g.Active[c], 0);
    *used = b.rnd.drawn;
    return test::MarkedCells(b.g);
}

TEST(Detonation, EachOutcomeOnAnInnerCellMarksItsRays) {
    for (int d = 0; d < 15; ++d) {
        int used = 0;
        EXPECT_EQ(Fire(6, 7, {Below(d, 15)}, &used), Rays(6, 7, RaysOf(d))) << "d=" << d;
        EXPECT_EQ(used, 1) << "d=" << d;
    }
}

TEST(Detonation, SingleRaysOffTheBoardAreDrawnAgain) {
    struct Case {
        int row, col;
        std::initializer_list<float> draws;
        int rays, used;
    };
    const Case cases[] = {
        {2, 1, {Below(0, 15), Below(8, 15)}, kRight, 2},                    // left from column 1
        {1, 5, {Below(4, 15), Below(2, 15)}, kLeft, 2},                     // up from row 1
        {4, 15, {Below(6, 15), Below(11, 15)}, kDown, 2},                   // right from column 15
        {10, 9, {Below(9, 15), Below(5, 15)}, kUp, 2},                      // down from row 10
        {1, 1, {Below(0, 15), Below(3, 15), Below(12, 15)}, kRight, 3},     // corner: only the row's right part
        {1, 1, {Below(5, 15), Below(9, 15)}, kDown, 2},
        {10, 15, {Below(8, 15), Below(11, 15), Below(14, 15)}, kLeft | kUp, 3},
        {5, 1, {Below(12, 15)}, kRight, 1},                                 // whole row from column 1
        {5, 1, {Below(14, 15)}, kRight | kUp | kDown, 1},
        {10, 4, {Below(13, 15)}, kUp, 1},                                   // whole column from row 10
    };
    for (const Case& k : cases) {
        int used = 0;
        EXPECT_EQ(Fire(k.row, k.col, k.draws, &used), Rays(k.row, k.col, k.rays)) << k.row << "," << k.col;
        EXPECT_EQ(used, k.used) << k.row << "," << k.col;
    }
}

// A line of three in row 6 (columns 6..8) with active A in its middle; A's
// row reaches active B to its right (later in the walk) and active E to its
// left (earlier). B must go off in the same walk, E in the next one.
TEST(Detonation, ChainsReachLaterCellsInTheSameWalkAndEarlierOnesInTheNext) {
    test::Bench b;
    Game& g = b.g;
    const Int a = Cell(6, 7), later = Cell(6, 12), earlier = Cell(6, 3), untouched = Cell(1, 3);
    g.Board[Cell(6, 6)] = g.Board[a] = g.Board[Cell(6, 8)] = 6;
    g.Active[a] = 4;
    g.Active[later] = 12;
    g.Active[earlier] = 2;
    g.Active[untouched] = 9;
    // A: the whole row; then whoever goes next fires up, the one after down.
    b.rnd.Push({Below(12, 15), Below(3, 15), Below(9, 15)});

    MarkLines(g);

    std::set<Int> expected = Rays(6, 7, kLeft | kRight);
    for (Int i : Rays(6, 12, kUp)) expected.insert(i);
    for (Int i : Rays(6, 3, kDown)) expected.insert(i);
    EXPECT_EQ(test::MarkedCells(g), expected);
    EXPECT_EQ(b.rnd.drawn, 3);
    EXPECT_EQ(g.Active[untouched], 9);
    for (Int i = 1; i <= kCells; ++i) EXPECT_TRUE(g.Marks[i] == 0 || g.Active[i] == 0) << "cell " << i;
}

// A ray that reaches an active ball earlier in the walk, which in turn
// reaches one earlier still: every marked active ball is set off.
TEST(Detonation, NoMarkedCellKeepsAnActiveBall) {
    test::Bench b;
    Game& g = b.g;
    g.Board[Cell(9, 13)] = g.Board[Cell(9, 14)] = g.Board[Cell(9, 15)] = 7;
    g.Active[Cell(9, 14)] = 3;
    g.Active[Cell(5, 14)] = 6;
    g.Active[Cell(5, 2)] = 6;
    g.Active[Cell(1, 2)] = 6;
    b.rnd.Push({Below(4, 15), Below(1, 15), Below(3, 15), Below(7, 15)});  // up, left, up, right

    MarkLines(g);

    EXPECT_EQ(b.rnd.drawn, 4);
    std::set<Int> expected = Rays(9, 14, 0);
    for (Int i : {Cell(9, 13), Cell(9, 15)}) expected.insert(i);
    for (Int i : Rays(9, 14, kUp)) expected.insert(i);
    for (Int i : Rays(5, 14, kLeft)) expected.insert(i);
    for (Int i : Rays(5, 2, kUp)) expected.insert(i);
    for (Int i : Rays(1, 2, kRight)) expected.insert(i);
    EXPECT_EQ(test::MarkedCells(g), expected);
    for (Int i = 1; i <= kCells; ++i) EXPECT_EQ(g.Active[i], 0) << "cell " << i;
}

TEST(Detonation, ActiveBallsOutsideTheMarksDrawNothing) {
    test::Bench b;
    b.g.Board[1] = b.g.Board[2] = b.g.Board[3] = 6;
    b.g.Active[4] = 5;
    b.g.Active[Cell(2, 2)] = 5;
    MarkLines(b.g);
    EXPECT_EQ(b.rnd.drawn, 0);
    EXPECT_EQ(b.g.Active[4], 5);
    EXPECT_EQ(b.g.Active[Cell(2, 2)], 5);
}

}  // namespace
}  // namespace zorbel
