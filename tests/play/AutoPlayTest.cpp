// Automatic play, tick by tick: the test plays the part of the two timers.
#include "play/PlayRig.h"

namespace zorbel::test {
namespace {

class AutoPlay : public ::testing::Test {
protected:
    void SetUp() override { r.DealToRest(); }

    void ExpectOneTimer() {
        EXPECT_NE(r.ui.mainOn, r.ui.autoOn) << "exactly one timer runs while the game plays itself";
    }

    Rig r{11};
    Game& g = r.g;
};

TEST_F(AutoPlay, OnAtRestSelectsHintFromOneTickLaterAndSwapsOnTheNext) {
    const Int other = g.HintFrom == 1 ? 150 : 1;
    r.Click(other);
    r.Forget();
    mnuAuto_Click(g);
    EXPECT_EQ(g.AutoMode, 1);
    EXPECT_EQ(r.ui.log, (std::vector<std::string>{CheckEntry(MenuItem::mnuAuto, true), "draw", "tmrAuto on"}));
    EXPECT_EQ(g.FirstCell, 0);
    EXPECT_TRUE(r.MarkedCells().empty());

    const Int from = g.HintFrom, to = g.HintTo;
    const Int colourFrom = g.Board[from], colourTo = g.Board[to];
    const CellArray board = g.Board;
    tmrAuto_Timer(g);
    EXPECT_EQ(g.AutoMode, 2);
    EXPECT_EQ(r.MarkedCells(), std::vector<Int>{from});
    EXPECT_EQ(g.Board, board);
    EXPECT_TRUE(r.ui.autoOn);
    EXPECT_FALSE(r.ui.mainOn);

    r.Forget();
    tmrAuto_Timer(g);
    EXPECT_EQ(g.AutoMode, 1);
    EXPECT_EQ(g.Board[to], colourFrom);
    EXPECT_EQ(g.Board[from], colourTo);
    EXPECT_EQ(g.FirstCell, 0);
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_EQ(r.ui.log.back(), "tmrAuto off");
}

TEST_F(AutoPlay, PlaysOnMoveAfterMoveWithoutScoring) {
    const Int score = g.Score;
    mnuAuto_Click(g);
    int swaps = 0;
    for (int k = 0; k < 600; ++k) {
        const bool autoTick = !r.ui.mainOn;
        ASSERT_TRUE(r.Tick());
        if (autoTick && r.ui.mainOn) ++swaps;
        ExpectOneTimer();
        ASSERT_EQ(g.Score, score);
    }
    EXPECT_GE(swaps, 20);
    EXPECT_GT(r.ui.expWrites, 0);
    EXPECT_EQ(r.ui.exp, "Счёт: " + std::to_string(score));
    EXPECT_TRUE(r.ui.checked[MenuItem::mnuAuto]);
}

TEST_F(AutoPlay, OnDuringSettleKeepsRemovalMarksAndWaitsForTheEnd) {
    r.Drag(g.HintFrom, g.HintTo);
    ASSERT_TRUE(r.ui.mainOn);
    tmrMain_Timer(g);
    const CellArray marks = g.Marks;
    ASSERT_FALSE(r.MarkedCells().empty());

    mnuAuto_Click(g);
    EXPECT_EQ(g.AutoMode, 1);
    EXPECT_TRUE(r.ui.checked[MenuItem::mnuAuto]);
    EXPECT_EQ(g.Marks, marks);
    EXPECT_FALSE(r.ui.autoOn);

    const Int score = g.Score;
    while (r.ui.mainOn) {
        EXPECT_FALSE(r.ui.autoOn);
        tmrMain_Timer(g);
    }
    EXPECT_TRUE(r.ui.autoOn) << "the quiet tick hands over";
    EXPECT_EQ(g.Score, score);
    tmrAuto_Timer(g);
    EXPECT_EQ(g.FirstCell, g.HintFrom);
}

TEST_F(AutoPlay, OffBetweenTheTwoStepsLeavesHintFromSelectedForThePlayer) {
    mnuAuto_Click(g);
    tmrAuto_Timer(g);
    r.Forget();
    mnuAuto_Click(g);
    EXPECT_EQ(r.ui.log, (std::vector<std::string>{CheckEntry(MenuItem::mnuAuto, false), "tmrAuto off"}));
    EXPECT_EQ(g.AutoMode, 0);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_FALSE(r.ui.mainOn);
    EXPECT_EQ(r.MarkedCells(), std::vector<Int>{g.HintFrom});

    r.Click(g.HintTo);
    EXPECT_TRUE(r.ui.mainOn);
}

TEST_F(AutoPlay, OffDuringSettleLetsItFinishWithNoMoveAfter) {
    mnuAuto_Click(g);
    tmrAuto_Timer(g);
    tmrAuto_Timer(g);
    ASSERT_TRUE(r.ui.mainOn);
    mnuAuto_Click(g);
    const Int score = g.Score;
    while (r.ui.mainOn) {
        tmrMain_Timer(g);
        EXPECT_FALSE(r.ui.autoOn);
    }
    EXPECT_GE(g.Score, score + 3) << "points again from the first refill after switching off";
    EXPECT_EQ(g.FirstCell, 0);
}

TEST_F(AutoPlay, StalemateDoesNotStopIt) {
    r.QuietBoard();
    r.ui.mainOn = true;  // as if the last swap's settle were running
    mnuAuto_Click(g);
    const Int score = g.Score;
    tmrMain_Timer(g);
    EXPECT_EQ(r.ui.steps, "Ходов нет!");
    EXPECT_EQ(r.MarkedCells().size(), 45u);
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_EQ(g.AutoMode, 1);

    int moves = 0;
    for (int k = 0; k < 200 && moves < 3; ++k) {
        const bool autoTick = !r.ui.mainOn;
        ASSERT_TRUE(r.Tick());
        if (autoTick && r.ui.mainOn) ++moves;
        ExpectOneTimer();
    }
    EXPECT_EQ(moves, 3);
    EXPECT_EQ(g.Score, score) << "45 refilled balls, no points";
}

TEST_F(AutoPlay, TickWithoutAKnownMoveClicksNothingAndTheNextQuietTickRestarts) {
    r.QuietBoard();
    g.AutoMode = 1;
    g.HintTo = 5;
    r.ui.autoOn = true;
    r.Forget();
    tmrAuto_Timer(g);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_EQ(g.FirstCell, 0);
    EXPECT_EQ(g.Marks[0], 0);
    EXPECT_EQ(r.ui.draws, 0);

    g.AutoMode = 2;
    g.HintFrom = 20;
    g.HintTo = 0;
    g.FirstCell = 20;
    g.Marks[20] = 1;
    r.ui.autoOn = true;
    tmrAuto_Timer(g);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_EQ(g.FirstCell, 20);
    EXPECT_EQ(g.Marks[0], 0);
    EXPECT_EQ(r.ui.draws, 0);

    // A quiet settle tick that counts a move starts automatic play again.
    g.Marks[20] = 0;
    g.FirstCell = 0;
    r.Paint({{20, 6}, {36, 6}, {37, 6}});
    r.ui.mainOn = true;
    tmrMain_Timer(g);
    EXPECT_FALSE(r.ui.mainOn);
    EXPECT_TRUE(r.ui.autoOn);
    EXPECT_NE(g.HintFrom, 0);
}

TEST_F(AutoPlay, NewGameOrColourChangeSwitchesItOff) {
    for (int command = 0; command < 2; ++command) {
        mnuAuto_Click(g);
        tmrAuto_Timer(g);
        tmrAuto_Timer(g);
        ASSERT_TRUE(r.ui.mainOn);
        if (command == 0) {
            mnuNew_Click(g);
        } else {
            mnuColors_Click(g, 7);
        }
        EXPECT_EQ(g.AutoMode, 0) << command;
        EXPECT_FALSE(r.ui.checked[MenuItem::mnuAuto]) << command;
        EXPECT_FALSE(r.ui.autoOn) << command;
        r.SettleToRest();  // only a fresh board without a move starts a settle
        EXPECT_FALSE(r.ui.autoOn) << command;
    }
}

}  // namespace
}  // namespace zorbel::test
