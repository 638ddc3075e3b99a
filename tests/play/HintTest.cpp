// The hint selects the cell of the move the last count chose.
#include "play/PlayRig.h"

namespace zorbel::test {
namespace {

class Hint : public ::testing::Test {
protected:
    void SetUp() override { r.DealToRest(); }

    // A cell that is neither the hint cell nor one of its neighbours.
    Int FarCell(Int from) const {
        Int c = from;
        while (c == g.HintFrom || AreNeighbours(c, g.HintFrom)) c = static_cast<Int>(c % kCells + 1);
        return c;
    }

    Rig r{7};
    Game& g = r.g;
};

TEST_F(Hint, SameCellOnEveryAskBetweenTwoCounts) {
    const Int from = g.HintFrom;
    const Int to = g.HintTo;
    const CellArray board = g.Board;
    for (Int k = 1; k <= kCells; k += 7) {
        r.Click(FarCell(k));
        mnuHelp_Click(g);
        ASSERT_EQ(g.FirstCell, from);
        EXPECT_EQ(r.MarkedCells(), std::vector<Int>{from});
        mnuHelp_Click(g);
        EXPECT_EQ(g.FirstCell, from) << "asked again, the hint cell stays selected";
        EXPECT_EQ(r.MarkedCells(), std::vector<Int>{from});
    }
    EXPECT_EQ(g.HintFrom, from);
    EXPECT_EQ(g.HintTo, to);
    EXPECT_EQ(g.Board, board);
    EXPECT_FALSE(r.ui.mainOn);
}

TEST_F(Hint, MovesAnExistingSelectionEvenFromANeighbour) {
    for (Int n : {Int(g.HintFrom - 1), Int(g.HintFrom + 1), Int(g.HintFrom - kColumns), Int(g.HintFrom + kColumns)}) {
        if (n < 1 || n > kCells || !AreNeighbours(n, g.HintFrom) || n == g.HintTo) continue;
        ClearSelection(g);
        r.Click(n);
        ASSERT_EQ(g.FirstCell, n);
        const CellArray board = g.Board;
        mnuHelp_Click(g);
        EXPECT_EQ(g.FirstCell, g.HintFrom);
        EXPECT_EQ(r.MarkedCells(), std::vector<Int>{g.HintFrom});
        EXPECT_EQ(g.Board, board) << "the hint swaps nothing";
        EXPECT_FALSE(r.ui.mainOn);
    }
}

TEST_F(Hint, ClickOnHintToThenCompletesTheMove) {
    const Int from = g.HintFrom;
    const Int to = g.HintTo;
    const Int colour = g.Board[from];
    mnuHelp_Click(g);
    r.Click(to);
    EXPECT_EQ(g.Board[to], colour);
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_EQ(g.FirstCell, 0);
}

TEST_F(Hint, SilentDuringSettleDuringAutoPlayAndWithoutAMove) {
    const Int selected = FarCell(1);
    r.Click(selected);
    const GameState before = g;
    auto expectSilent = [&](const char* when) {
        r.Forget();
        mnuHelp_Click(g);
        EXPECT_EQ(g.FirstCell, selected) << when;
        EXPECT_EQ(g.Marks, before.Marks) << when;
        EXPECT_TRUE(r.ui.log.empty()) << when;
    };
    r.ui.mainOn = true;
    expectSilent("settling");
    r.ui.mainOn = false;
    g.AutoMode = 1;
    expectSilent("automatic play");
    g.AutoMode = 2;
    expectSilent("automatic play, second step");
    g.AutoMode = 0;
    g.HintFrom = 0;
    expectSilent("no move known");
}

}  // namespace
}  // namespace zorbel::test
