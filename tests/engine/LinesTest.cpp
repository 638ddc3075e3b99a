#include <gtest/gtest.h>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Cell;

struct LineCase {
    const char* name;
    std::set<Int> planted;  // cells given colour 6 on the quiet board
    bool line;              // all planted cells form lines
};

class LinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LinesTest, FindsAndMarksExactlyTheBallsOfEveryLine) {
    test::Bench b;
    ASSERT_EQ(HasLine(b.g), 0);
    for (Int i : GetParam().planted) b.g.Board[i] = 6;
    const auto board = b.g.Board;

    EXPECT_EQ(HasLine(b.g), GetParam().line ? 1 : 0);
    MarkLines(b.g);
    EXPECT_EQ(test::MarkedCells(b.g), GetParam().line ? GetParam().planted : std::set<Int>{});
    EXPECT_EQ(b.g.Board, board);
    EXPECT_EQ(b.rnd.drawn, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LinesTest,
    ::testing::Values(
        LineCase{"TopLeftRow", {1, 2, 3}, true},
        LineCase{"AcrossTheRowEnd", {14, 15, 16}, false},
        LineCase{"FirstColumn", {1, 16, 31}, true},
        LineCase{"RightEdge", {13, 14, 15}, true},
        LineCase{"BottomRightColumn", {120, 135, 150}, true},
        LineCase{"BottomRow", {136, 137, 138}, true},
        LineCase{"FiveInARow", {Cell(4, 3), Cell(4, 4), Cell(4, 5), Cell(4, 6), Cell(4, 7)}, true},
        LineCase{"FourInAColumn", {Cell(2, 9), Cell(3, 9), Cell(4, 9), Cell(5, 9)}, true},
        LineCase{"TShape", {Cell(5, 4), Cell(5, 5), Cell(5, 6), Cell(6, 5), Cell(7, 5)}, true},
        LineCase{"LShape", {Cell(8, 10), Cell(8, 11), Cell(8, 12), Cell(7, 10), Cell(6, 10)}, true},
        LineCase{"CrossShape", {Cell(3, 3), Cell(2, 3), Cell(4, 3), Cell(3, 2), Cell(3, 4)}, true},
        LineCase{"TwoWithAGapInARow", {Cell(6, 6), Cell(6, 8)}, false},
        LineCase{"TwoWithAGapInAColumn", {Cell(3, 6), Cell(5, 6)}, false},
        LineCase{"TwoThenGapThenTwo", {Cell(9, 2), Cell(9, 3), Cell(9, 5), Cell(9, 6)}, false},
        LineCase{"Diagonal", {Cell(2, 2), Cell(3, 3), Cell(4, 4)}, false},
        LineCase{"DownTheLastColumnAcrossRows", {15, 30, 45}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lines, TwoSeparateLinesAreBothMarked) {
    test::Bench b;
    const std::set<Int> planted{Cell(1, 13), Cell(1, 14), Cell(1, 15), Cell(8, 1), Cell(9, 1), Cell(10, 1)};
    for (Int i : planted) b.g.Board[i] = 7;
    MarkLines(b.g);
    EXPECT_EQ(test::MarkedCells(b.g), planted);
}

TEST(Lines, MarkingKeepsMarksAlreadySet) {
    test::Bench b;
    b.g.Marks[100] = 1;  // the selected cell
    b.g.Board[1] = b.g.Board[2] = b.g.Board[3] = 6;
    MarkLines(b.g);
    EXPECT_EQ(test::MarkedCells(b.g), (std::set<Int>{1, 2, 3, 100}));
}

}  // namespace
}  // namespace zorbel
