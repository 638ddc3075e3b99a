#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Cell;
using test::PlantOneMove;

const float kAlmostOne = std::nextafter(1.0f, 0.0f);

// Two-by-two blocks of two colours: no line, 216 moves.
void FillBlocks(GameState& s) {
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c) s.Board[Cell(r, c)] = static_cast<Int>(((c - 1) / 2 + (r - 1) / 2) % 2 + 1);
}

TEST(MoveCounter, LeavesTheBoardAsItWas) {
    test::Bench b;
    FillBlocks(b.g);
    b.g.Marks[33] = 1;
    const GameState blocks = b.g;
    b.rnd.Push({0.3f});
    CountMoves(b.g);
    EXPECT_EQ(b.g.Board, blocks.Board);
    EXPECT_EQ(b.g.Marks, blocks.Marks);

    TwisterRandom twister(5);
    Game g(twister, b.ui);
    g.ColorCount = 5;
    GenerateBoard(g);
    const GameState dealt = g;
    CountMoves(g);
    EXPECT_EQ(g.Board, dealt.Board);
}

TEST(MoveCounter, OneMoveIsCountedAndBecomesTheHint) {
    test::Bench b;
    PlantOneMove(b.g);
    b.rnd.Push({0.0f});
    EXPECT_EQ(CountMoves(b.g), 0);
    EXPECT_EQ(b.g.MoveCount, 1);
    EXPECT_EQ(b.ui.steps, "Ходов: 1");
    EXPECT_EQ(b.g.HintFrom, Cell(6, 7));
    EXPECT_EQ(b.g.HintTo, Cell(5, 7));
    EXPECT_EQ(b.rnd.drawn, 1);
    EXPECT_TRUE(test::MarkedCells(b.g).empty());
}

// The 7 at (5,7) moving down completes 7s at (6,8), (6,9); the 6 below it
// moving up completes 6s at (5,5), (5,6). One swap, two ball moves.
TEST(MoveCounter, SwapGoodForBothBallsCountsTwice) {
    for (const auto& [r, from, to] : {std::tuple{0.0f, Cell(5, 7), Cell(6, 7)},
                                      std::tuple{kAlmostOne, Cell(6, 7), Cell(5, 7)}}) {
        test::Bench b;
        PlantOneMove(b.g);
        b.g.Board[Cell(5, 7)] = b.g.Board[Cell(6, 8)] = b.g.Board[Cell(6, 9)] = 7;
        b.rnd.Push({r});
        EXPECT_EQ(CountMoves(b.g), 0);
        EXPECT_EQ(b.g.MoveCount, 2);
        EXPECT_EQ(b.ui.steps, "Ходов: 2");
        EXPECT_EQ(b.g.HintFrom, from);
        EXPECT_EQ(b.g.HintTo, to);
    }
}

// The 6 at (5,8) completes a line whichever way it moves; the moves are
// listed left, right, up, down.
TEST(MoveCounter, DirectionsAreTriedLeftRightUpDown) {
    const Int ball = Cell(5, 8);
    const Int to[] = {Cell(5, 7), Cell(5, 9), Cell(4, 8), Cell(6, 8)};
    for (int k = 1; k <= 4; ++k) {
        test::Bench b;
        for (Int i : {ball, Cell(5, 5), Cell(5, 6), Cell(5, 10), Cell(5, 11), Cell(3, 8), Cell(2, 8), Cell(7, 8),
                      Cell(8, 8)})
            b.g.Board[i] = 6;
        b.rnd.Push({test::Pick(k, 4)});
        CountMoves(b.g);
        EXPECT_EQ(b.g.MoveCount, 4);
        EXPECT_EQ(b.g.HintFrom, ball);
        EXPECT_EQ(b.g.HintTo, to[k - 1]) << k;
    }
}

// 6 at cell 16 would complete 13, 14, 15 and 7 at cell 15 would complete
// 16, 17, 18 - but 15 and 16 are at opposite ends of two rows.
TEST(MoveCounter, NoMoveAcrossTheEndOfARow) {
    test::Bench b;
    b.g.Board[13] = b.g.Board[14] = b.g.Board[16] = 6;
    b.g.Board[15] = b.g.Board[17] = b.g.Board[18] = 7;
    b.rnd.Push({0.05f, 0.15f, 0.25f});
    EXPECT_EQ(CountMoves(b.g), 1);
    EXPECT_EQ(b.g.MoveCount, 0);
}

TEST(MoveCounter, StalemateMarksThreeDifferentRows) {
    test::Bench b;
    b.g.HintFrom = 5;
    b.g.HintTo = 77;
    b.g.MoveCount = 9;
    b.rnd.Push({0.35f, 0.35f, 0.35f, 0.05f, 0.05f, 0.35f, 0.95f});  // 4, 4, 4, 1, 1, 4, 10

    EXPECT_EQ(CountMoves(b.g), 1);

    EXPECT_EQ(b.g.MoveCount, 0);
    EXPECT_EQ(b.ui.steps, "Ходов нет!");
    EXPECT_EQ(b.g.HintFrom, 0);
    EXPECT_EQ(b.g.HintTo, 77);
    EXPECT_EQ(b.rnd.drawn, 7);
    std::set<Int> rows = test::RowCells(4);
    rows.merge(test::RowCells(1));
    rows.merge(test::RowCells(10));
    EXPECT_EQ(test::MarkedCells(b.g), rows);
}

// Past 150 moves the list keeps its first 149 and the last one found.
TEST(MoveCounter, ListOfMovesKeepsTheLastOneFoundInItsFinalEntry) {
    struct Case {
        float r;
        Int from, to;
    };
    for (const Case& k : {Case{0.0f, 17, 18}, Case{test::Pick(149, 150), 98, 83}, Case{kAlmostOne, 135, 120}}) {
        test::Bench b;
        FillBlocks(b.g);
        ASSERT_EQ(HasLine(b.g), 0);
        b.rnd.Push({k.r});
        EXPECT_EQ(CountMoves(b.g), 0);
        EXPECT_EQ(b.g.MoveCount, 216);
        EXPECT_EQ(b.ui.steps, "Ходов: 216");
        EXPECT_EQ(b.g.HintFrom, k.from) << k.r;
        EXPECT_EQ(b.g.HintTo, k.to) << k.r;
    }
}

}  // namespace
}  // namespace zorbel
