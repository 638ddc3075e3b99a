#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

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


// The counter as first written: every trial scans the whole board.
struct Reference {
    int count = 0;
    std::vector<std::pair<Int, Int>> list;  // at most 150, the last overwritten
};
Reference CountByWholeBoard(GameState s) {
    Reference ref;
    auto trial = [&](Int i, Int t) {
        const Int c = s.Board[i], old = s.Board[t];
        s.Board[t] = c;
        s.Board[i] = 0;
        if (HasLine(s) == 1) {
            ++ref.count;
            if (ref.list.size() == 150) ref.list.pop_back();
            ref.list.emplace_back(i, t);
        }
        s.Board[i] = c;
        s.Board[t] = old;
    };
    for (Int i = 1; i <= kCells; ++i) {
        const int row = RowOf(i), col = ColumnOf(i);
        if (col != 1) trial(i, static_cast<Int>(i - 1));
        if (col != kColumns) trial(i, static_cast<Int>(i + 1));
        if (row != 1) trial(i, static_cast<Int>(i - kColumns));
        if (row != kRows) trial(i, static_cast<Int>(i + kColumns));
    }
    return ref;
}

// A full board of `colours` without a line: a ball that would complete one
// is dealt again, and a cell no colour fits (two colours only) starts the
// board over.
void DealAtRest(GameState& s, std::mt19937& gen, int colours) {
    std::uniform_int_distribution<int> colour(1, colours);
    auto completes = [&](Int i) {
        const Int b = s.Board[i];
        return (ColumnOf(i) > 2 && s.Board[i - 1] == b && s.Board[i - 2] == b) ||
               (RowOf(i) > 2 && s.Board[i - 15] == b && s.Board[i - 30] == b);
    };
    for (Int i = 1; i <= kCells; ++i) {
        int tries = 0;
        do s.Board[i] = static_cast<Int>(colour(gen));
        while (completes(i) && ++tries < 20);
        if (completes(i)) i = 0;
    }
}

// Every entry of the move list is drawn once, so the lists, their order
// and the hint agree draw for draw, as do the count, the label, the number
// of draws and a stalemate's three rows. Boards: dealt at rest in 5..8
// colours, in two colours for hundreds of moves, the quiet board without a
// move, edge boards whose lines end in the corners and whose balls could
// only complete a line across a row's end, and boards not at rest (empty
// cells, a line already there) where the count falls back to whole scans.
TEST(MoveCounter, GivesWhatTheWholeBoardTrialGives) {
    std::vector<GameState> boards;
    std::mt19937 gen(20261207);
    for (int k = 0; k < 400; ++k) {
        GameState s;
        DealAtRest(s, gen, 5 + k % 4);
        boards.push_back(s);
    }
    for (int k = 0; k < 20; ++k) {
        GameState s;
        DealAtRest(s, gen, 2);
        boards.push_back(s);
    }
    GameState quiet;
    test::FillQuiet(quiet);
    boards.push_back(quiet);
    // 6s that one step completes into the four corners; 7s and 8s that only
    // a step across the end of row 5 or 6 would complete.
    GameState edges = quiet;
    for (Int i : {Cell(1, 2), Cell(1, 3), Cell(2, 1), Cell(1, 13), Cell(1, 14), Cell(2, 15), Cell(10, 2), Cell(10, 3),
                  Cell(9, 1), Cell(10, 13), Cell(10, 14), Cell(9, 15)})
        edges.Board[i] = 6;
    for (Int i : {Cell(5, 13), Cell(5, 14), Cell(6, 1)}) edges.Board[i] = 7;
    for (Int i : {Cell(5, 15), Cell(6, 2), Cell(6, 3)}) edges.Board[i] = 8;
    boards.push_back(edges);
    GameState holes = boards[0];
    for (Int i = 1; i <= kCells; i += 7) holes.Board[i] = 0;
    boards.push_back(holes);
    GameState lined = boards[1];
    lined.Board[Cell(4, 4)] = lined.Board[Cell(4, 5)] = lined.Board[Cell(4, 6)] = 3;
    boards.push_back(lined);

    bool sawNone = false, sawMany = false;
    for (const GameState& board : boards) {
        const Reference ref = CountByWholeBoard(board);
        const int n = static_cast<int>(ref.list.size());
        sawNone |= ref.count == 0;
        sawMany |= ref.count > 150;
        for (int k = 1; k <= std::max(n, 1); ++k) {
            test::Bench b;
            static_cast<GameState&>(b.g) = board;
            b.g.HintTo = 99;
            const float r = n == 0 ? 0.05f : test::Pick(k, n);
            b.rnd.Push({r, 0.15f, 0.25f, 0.35f});
            ASSERT_EQ(CountMoves(b.g), ref.count == 0 ? 1 : 0);
            ASSERT_EQ(b.g.MoveCount, ref.count);
            ASSERT_EQ(b.g.Board, board.Board);
            if (n == 0) {
                EXPECT_EQ(b.ui.steps, "Ходов нет!");
                EXPECT_EQ(std::make_pair(b.g.HintFrom, b.g.HintTo), std::make_pair(Int{0}, Int{99}));
                EXPECT_EQ(b.rnd.drawn, 3);
                EXPECT_EQ(test::MarkedCells(b.g).size(), 45u);
                continue;
            }
            ASSERT_EQ(std::make_pair(b.g.HintFrom, b.g.HintTo), ref.list[k - 1]) << "entry " << k;
            ASSERT_EQ(b.rnd.drawn, 1);
            ASSERT_EQ(b.ui.steps, "Ходов: " + std::to_string(ref.count));
        }
    }
    EXPECT_TRUE(sawNone);
    EXPECT_TRUE(sawMany);
}

}  // namespace
}  // namespace zorbel
