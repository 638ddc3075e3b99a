// Clicks by state and mouse gestures, all given through the pointer as the
// window reports them: a press, then the release of that press.
#include "play/PlayRig.h"

namespace zorbel::test {
namespace {

class Selection : public ::testing::Test {
protected:
    void SetUp() override { r.QuietBoard(); }

    void ExpectOnlySelected(Int cell) {
        EXPECT_EQ(g.FirstCell, cell);
        EXPECT_EQ(g.SecondCell, 0);
        EXPECT_EQ(r.MarkedCells(), std::vector<Int>{cell});
    }

    Rig r;
    Game& g = r.g;
};

TEST(Neighbours, RowEndsAreNotNeighboursColumnsAre) {
    EXPECT_FALSE(AreNeighbours(15, 16));
    EXPECT_FALSE(AreNeighbours(16, 15));
    EXPECT_FALSE(AreNeighbours(135, 136));
    EXPECT_FALSE(AreNeighbours(20, 36)) << "diagonal";
    EXPECT_FALSE(AreNeighbours(20, 22));
    for (Int n : {5, 35, 19, 21}) EXPECT_TRUE(AreNeighbours(20, n)) << n;
    EXPECT_TRUE(AreNeighbours(1, 16));
    EXPECT_TRUE(AreNeighbours(150, 135));
    EXPECT_TRUE(AreNeighbours(149, 150));
}

TEST_F(Selection, FirstClickSelectsAndAClickOnANonNeighbourMovesIt) {
    const GameState before = g;
    r.Click(40);
    ExpectOnlySelected(40);
    EXPECT_EQ(r.ui.draws, 1) << "the release on the selected cell adds nothing";
    r.Click(100);
    ExpectOnlySelected(100);
    r.pointer.Press(g, 7);
    ExpectOnlySelected(7);
    r.pointer.Release(g, 70);
    ExpectOnlySelected(70);
    EXPECT_EQ(g.Board, before.Board);
    EXPECT_FALSE(r.ui.mainOn);
}

TEST_F(Selection, FailedSwapLeavesBoardAndActiveAsBeforeAndMovesSelection) {
    for (Int n : {25, 55, 39, 41}) {
        r.QuietBoard();
        g.Active[40] = 7;
        g.Active[n] = 12;
        const GameState before = g;
        r.Click(40);
        r.Click(n);
        ExpectOnlySelected(n);
        EXPECT_EQ(g.Board, before.Board) << n;
        EXPECT_EQ(g.Active, before.Active) << n;
        EXPECT_FALSE(r.ui.mainOn);
    }
}

TEST_F(Selection, SwapOfTwoBallsOfOneColourFails) {
    r.Paint({{40, 6}, {41, 6}});
    r.Click(40);
    r.Click(41);
    ExpectOnlySelected(41);
    EXPECT_EQ(g.Board[40], 6);
    EXPECT_FALSE(r.ui.mainOn);
}

// 20 is row 2, column 5: 35 below it, 5 above it.
TEST_F(Selection, GoodSwapClearsSelectionStartsSettleAndMarksNothing) {
    r.Paint({{20, 6}, {36, 6}, {37, 6}});
    g.Active[20] = 9;
    const Int was35 = g.Board[35];
    r.Click(20);
    r.Forget();
    r.pointer.Press(g, 35);
    EXPECT_EQ(g.Board[35], 6);
    EXPECT_EQ(g.Board[20], was35);
    EXPECT_EQ(g.Active[35], 9);
    EXPECT_EQ(g.Active[20], 0);
    EXPECT_EQ(g.FirstCell, 0);
    EXPECT_EQ(g.SecondCell, 0);
    EXPECT_TRUE(r.MarkedCells().empty());
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_EQ(r.ui.log, (std::vector<std::string>{"tmrMain on", "draw"})) << "nothing drawn before the test";

    // Its release comes while the board settles and is turned away.
    const GameState after = g;
    r.pointer.Release(g, 50);
    EXPECT_EQ(g.Board, after.Board);
    EXPECT_EQ(g.FirstCell, 0);
    EXPECT_EQ(r.ui.log.size(), 2u);
}

TEST_F(Selection, UpperNeighbourSwapsToo) {
    r.Paint({{20, 6}, {3, 6}, {4, 6}});
    r.Drag(20, 5);
    EXPECT_EQ(g.Board[5], 6);
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_EQ(g.FirstCell, 0);
}

TEST_F(Selection, EndOfRowAndStartOfNextAreNoPair) {
    // Were 15 and 16 neighbours, either swap would make a line.
    r.Paint({{15, 6}, {31, 6}, {46, 6}});
    const GameState before = g;
    r.Click(15);
    r.Click(16);
    ExpectOnlySelected(16);
    EXPECT_EQ(g.Board, before.Board);
    EXPECT_FALSE(r.ui.mainOn);

    r.QuietBoard();
    r.Paint({{16, 7}, {13, 7}, {14, 7}});
    r.Drag(16, 15);
    ExpectOnlySelected(15);
    EXPECT_EQ(g.Board[16], 7);
    EXPECT_FALSE(r.ui.mainOn);
}

TEST_F(Selection, DragToNeighbourTriesTheSwapAtTheRelease) {
    r.Drag(40, 41);
    ExpectOnlySelected(41);

    r.QuietBoard();
    r.pointer = BoardPointer{};
    r.Paint({{40, 6}, {26, 6}, {11, 6}});
    r.pointer.Press(g, 40);
    ExpectOnlySelected(40);
    r.pointer.Release(g, 41);
    EXPECT_EQ(g.Board[41], 6);
    EXPECT_TRUE(r.ui.mainOn);
}

TEST_F(Selection, ReleaseOutsideTheGridDoesNothingMore) {
    r.Click(40);
    r.pointer.Press(g, 100);
    r.Forget();
    r.pointer.Release(g, 0);
    ExpectOnlySelected(100);
    EXPECT_TRUE(r.ui.log.empty());
}

TEST_F(Selection, DragFromTheSelectedCellDoesNothingEvenOntoAGoodNeighbour) {
    r.Paint({{20, 6}, {36, 6}, {37, 6}});
    r.Click(20);
    const GameState before = g;
    r.Forget();
    r.Drag(20, 35);
    ExpectOnlySelected(20);
    EXPECT_EQ(g.Board, before.Board);
    EXPECT_FALSE(r.ui.mainOn);
    EXPECT_TRUE(r.ui.log.empty());
}

TEST_F(Selection, PressOnFailingNeighbourThenReleaseOnAGoodOneSwapsThose) {
    // 41 and 56 make a line when swapped; 40 and 41 do not.
    r.Paint({{41, 6}, {57, 6}, {58, 6}});
    r.Click(40);
    r.pointer.Press(g, 41);
    ExpectOnlySelected(41);
    r.pointer.Release(g, 56);
    EXPECT_EQ(g.Board[56], 6);
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_TRUE(r.MarkedCells().empty());
}

TEST_F(Selection, EveryPressAndReleaseIgnoredWhileATimerRuns) {
    r.Paint({{20, 6}, {36, 6}, {37, 6}});
    for (bool* timer : {&r.ui.mainOn, &r.ui.autoOn}) {
        r.Click(20);
        *timer = true;
        const GameState before = g;
        r.Forget();
        r.Drag(35, 35);
        r.Drag(21, 22);
        r.Drag(100, 0);
        r.Drag(20, 35);
        r.Click(35);
        EXPECT_EQ(g.Board, before.Board);
        EXPECT_EQ(g.Marks, before.Marks);
        EXPECT_EQ(g.FirstCell, 20);
        EXPECT_TRUE(r.ui.log.empty());
        *timer = false;
    }
}

TEST_F(Selection, PressTurnedAwayDuringSettleSelectsThePressedCellWhenReleasedAfter) {
    r.Paint({{20, 6}, {36, 6}, {37, 6}});
    r.Click(20);
    r.Click(35);
    ASSERT_TRUE(r.ui.mainOn);
    r.pointer.Press(g, 100);
    r.SettleToRest();
    r.pointer.Release(g, 7);
    ExpectOnlySelected(100);

    // Released while the board still settles: nothing.
    r.QuietBoard();
    r.Paint({{20, 6}, {36, 6}, {37, 6}});
    r.Click(20);
    r.Click(35);
    r.pointer.Press(g, 100);
    tmrMain_Timer(g);
    r.pointer.Release(g, 7);
    r.SettleToRest();
    EXPECT_EQ(g.FirstCell, 0);
    EXPECT_TRUE(r.MarkedCells().empty());
}

TEST_F(Selection, EachButtonKeepsItsOwnReleaseWhenAnotherIsPressedMeanwhile) {
    r.pointer.Press(g, 110, 0);   // left: selects 110, its grab ends
    r.pointer.Press(g, 121, 1);   // right, meanwhile: no neighbour, selection moves
    r.pointer.Release(g, 121, 1); // on the selected cell: nothing
    ExpectOnlySelected(121);
    r.pointer.Release(g, 135, 0); // the left button's release still counts where it ends
    ExpectOnlySelected(135);
}

}  // namespace
}  // namespace zorbel::test
