// The option commands and the new game: menu marks in order, no-ops for the
// value in force, and what each does to a settle or to automatic play.
#include <algorithm>
#include <cstring>

#include "play/PlayRig.h"

namespace zorbel::test {
namespace {

class Options : public ::testing::Test {
protected:
    void SetUp() override { r.DealToRest(); }

    // A hinted move made and its lines marked: the board is mid-settle.
    void StartSettle() {
        r.Drag(g.HintFrom, g.HintTo);
        tmrMain_Timer(g);
        ASSERT_TRUE(r.ui.mainOn);
        ASSERT_FALSE(r.MarkedCells().empty());
    }
    void ExpectChecks() { r.ExpectMenuMatchesOptions(); }
    void ExpectFreshBoard(Int colours) {
        for (Int i = 1; i <= kCells; ++i) {
            ASSERT_GE(g.Board[i], 1);
            ASSERT_LE(g.Board[i], colours);
            if (ColumnOf(i) != kColumns) {
                ASSERT_NE(g.Board[i], g.Board[i + 1]) << i;
            }
            if (RowOf(i) != kRows) {
                ASSERT_NE(g.Board[i], g.Board[i + kColumns]) << i;
            }
            ASSERT_EQ(g.Active[i], 0);
        }
        EXPECT_EQ(*std::max_element(g.Board.begin() + 1, g.Board.end()), colours);
    }

    Rig r{3};
    Game& g = r.g;
};

TEST(OptionsAtStart, DefaultsAgreeWithTheInitialMenu) {
    Rig r;
    EXPECT_EQ(r.g.ColorCount, 6);
    EXPECT_EQ(r.g.TickMs, 250);
    EXPECT_EQ(r.g.ActiveBallsOn, 1);
    EXPECT_EQ(r.g.ActiveEveryMove, 0);
    r.ExpectMenuMatchesOptions();
}

TEST_F(Options, ColourCountUnchecksFiveToEightThenChecksTheChoiceThenDeals) {
    for (Int n : {8, 5, 7, 6}) {
        r.Forget();
        mnuColors_Click(g, n);
        const MenuItem chosen = kColorItems[static_cast<std::size_t>(8 - n)].item;
        const std::vector<std::string> expected{
            CheckEntry(MenuItem::mnuColors5, false), CheckEntry(MenuItem::mnuColors6, false),
            CheckEntry(MenuItem::mnuColors7, false), CheckEntry(MenuItem::mnuColors8, false),
            CheckEntry(chosen, true), "tmrMain off", "tmrAuto off", "draw"};
        ASSERT_GE(r.ui.log.size(), expected.size());
        EXPECT_EQ(std::vector<std::string>(r.ui.log.begin(), r.ui.log.begin() + 8), expected) << n;
        EXPECT_EQ(g.ColorCount, n);
        ExpectChecks();
        ExpectFreshBoard(n);
        r.SettleToRest();
    }
}

TEST_F(Options, SpeedUnchecksAllInOrderThenSetsBothIntervals) {
    for (Int ms : {100, 1000, 200, 500, 250}) {
        r.Forget();
        mnuSpeed_Click(g, ms);
        std::vector<std::string> expected;
        for (const auto& o : kSpeedItems) expected.push_back(CheckEntry(o.item, false));
        for (const auto& o : kSpeedItems) {
            if (o.value == ms) expected.push_back(CheckEntry(o.item, true));
        }
        expected.push_back("tmrMain interval " + std::to_string(ms));
        expected.push_back("tmrAuto interval " + std::to_string(ms));
        EXPECT_EQ(r.ui.log, expected) << ms;
        EXPECT_EQ(g.TickMs, ms);
        ExpectChecks();
    }
}

TEST_F(Options, TheValueInForceChangesNothing) {
    StartSettle();
    const GameState before = g;
    r.Forget();
    mnuColors_Click(g, 6);
    mnuSpeed_Click(g, 250);
    EXPECT_TRUE(r.ui.log.empty());
    EXPECT_EQ(r.ui.draws, 0);
    EXPECT_EQ(g.Board, before.Board);
    EXPECT_EQ(g.Marks, before.Marks);
    EXPECT_TRUE(r.ui.mainOn);
    ExpectChecks();
}

TEST_F(Options, ColourChangeMidSettleStopsBothTimersAndDealsWithTheNewCount) {
    StartSettle();
    mnuAuto_Click(g);
    const Int score = g.Score;
    const std::string exp = r.ui.exp;
    const int expWrites = r.ui.expWrites;
    mnuColors_Click(g, 5);
    EXPECT_FALSE(r.ui.mainOn);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_EQ(g.AutoMode, 0);
    EXPECT_TRUE(r.MarkedCells().empty());
    EXPECT_EQ(g.FirstCell, 0);
    ExpectFreshBoard(5);
    EXPECT_EQ(HasLine(g), 0);
    EXPECT_EQ(r.ui.steps, "Ходов: " + std::to_string(g.MoveCount));
    EXPECT_EQ(g.Score, score);
    EXPECT_EQ(r.ui.exp, exp);
    EXPECT_EQ(r.ui.expWrites, expWrites);
    ExpectChecks();
}

TEST_F(Options, SpeedChangeMidSettleOrAutoPlayOnlyChangesTheIntervals) {
    StartSettle();
    r.Forget();
    mnuSpeed_Click(g, 1000);
    EXPECT_TRUE(r.ui.mainOn);
    EXPECT_FALSE(r.ui.autoOn);
    EXPECT_EQ(std::vector<std::string>(r.ui.log.end() - 2, r.ui.log.end()),
              (std::vector<std::string>{"tmrMain interval 1000", "tmrAuto interval 1000"}));
    EXPECT_EQ(r.ui.log.size(), 8u);

    mnuAuto_Click(g);
    r.SettleToRest();
    ASSERT_TRUE(r.ui.autoOn);
    mnuSpeed_Click(g, 100);
    EXPECT_TRUE(r.ui.autoOn);
    EXPECT_FALSE(r.ui.mainOn);
    EXPECT_EQ(r.ui.autoInterval, 100);
    EXPECT_EQ(r.ui.mainInterval, 100);
    tmrAuto_Timer(g);
    EXPECT_EQ(g.FirstCell, g.HintFrom) << "automatic play goes on";
}

TEST_F(Options, ActiveBallsOffClearsAndRedrawsOnDoesNeither) {
    mnuFishStep_Click(g);
    EXPECT_EQ(g.ActiveEveryMove, 1);
    EXPECT_TRUE(r.ui.checked[MenuItem::mnuFishStep]);
    g.Active[10] = 6;
    g.Active[77] = 16;
    r.Forget();
    mnuFishOk_Click(g);
    EXPECT_EQ(r.ui.log, (std::vector<std::string>{CheckEntry(MenuItem::mnuFishOk, false),
                                                  EnableEntry(MenuItem::mnuFishStep, false),
                                                  CheckEntry(MenuItem::mnuFishStep, false), "draw"}));
    EXPECT_EQ(g.ActiveBallsOn, 0);
    EXPECT_EQ(g.ActiveEveryMove, 0);
    EXPECT_EQ(g.Active, CellArray{});
    EXPECT_FALSE(r.ui.enabled[MenuItem::mnuFishStep]);

    r.Forget();
    mnuFishOk_Click(g);
    EXPECT_EQ(r.ui.log, (std::vector<std::string>{CheckEntry(MenuItem::mnuFishOk, true),
                                                  EnableEntry(MenuItem::mnuFishStep, true)}));
    EXPECT_EQ(g.ActiveBallsOn, 1);
    EXPECT_EQ(g.ActiveEveryMove, 0);
    EXPECT_FALSE(r.ui.checked[MenuItem::mnuFishStep]);
    EXPECT_EQ(g.Active, CellArray{});
    ExpectChecks();

    mnuFishStep_Click(g);
    mnuFishStep_Click(g);
    EXPECT_EQ(g.ActiveEveryMove, 0);
    ExpectChecks();
}

// Symbols only change the look: the mark follows the record, the whole board
// is repainted, and the game, its timers and its random draws stay as they are.
TEST_F(Options, SymbolsToggleTheMarkAndRepaintOnly) {
    StartSettle();
    const GameState before = g;
    for (Int on : {1, 0}) {
        r.ui.log.clear();
        mnuSymbols_Click(g);
        EXPECT_EQ(g.SymbolsOn, on);
        EXPECT_EQ(r.ui.checked[MenuItem::mnuSymbols], on == 1);
        EXPECT_EQ(r.ui.log, (std::vector<std::string>{"check " + std::to_string(static_cast<int>(MenuItem::mnuSymbols)) +
                                                           (on == 1 ? " on" : " off"),
                                                       "redraw"}));
    }
    EXPECT_EQ(g.Board, before.Board);
    EXPECT_EQ(g.Marks, before.Marks);
    EXPECT_TRUE(r.ui.mainOn);
    GameState after = g;
    after.SymbolsOn = before.SymbolsOn;
    EXPECT_EQ(std::memcmp(&after, &before, sizeof after), 0);  // no other field of the record moved
}

TEST_F(Options, ActiveBallsOffMidSettleLeavesNoneForTheRestOfIt) {
    mnuFishStep_Click(g);  // every quiet tick would place one
    StartSettle();
    mnuFishOk_Click(g);
    r.SettleToRest();
    EXPECT_EQ(g.Active, CellArray{});
}

TEST_F(Options, NewGameMidSettleKeepsScoreAndItsLabel) {
    StartSettle();
    const Int score = g.Score;
    const int expWrites = r.ui.expWrites;
    mnuNew_Click(g);
    EXPECT_FALSE(r.ui.mainOn);
    EXPECT_FALSE(r.ui.autoOn);
    ExpectFreshBoard(6);
    EXPECT_TRUE(r.MarkedCells().empty());
    EXPECT_EQ(g.Score, score);
    EXPECT_EQ(r.ui.expWrites, expWrites);
    EXPECT_EQ(g.ColorCount, 6);
    EXPECT_EQ(g.TickMs, 250);
}

// A dealt board in the quiet pattern of five colours has no move: its rows
// are marked, drawn, and cleared by the next settle tick.
TEST(NewGameWithoutAMove, MarkedRowsAreDrawnAndTheSettleClearsThem) {
    Rig r(5);
    Game& g = r.g;
    g.ColorCount = 5;
    for (Int i = 1; i <= kCells; ++i) r.rnd.script.push_back(Pick(PatternColour(i), 5));
    for (int row : {2, 5, 9}) r.rnd.script.push_back(Pick(row, 10));
    g.HintTo = 33;  // left by an earlier game
    mnuNew_Click(g);
    for (Int i = 1; i <= kCells; ++i) ASSERT_EQ(g.Board[i], PatternColour(i)) << i;
    EXPECT_EQ(r.ui.steps, "Ходов нет!");
    EXPECT_EQ(g.HintFrom, 0);
    EXPECT_EQ(g.HintTo, 0);
    std::vector<Int> rows;
    for (Int i : r.MarkedCells()) {
        if (rows.empty() || rows.back() != RowOf(i)) rows.push_back(RowOf(i));
    }
    EXPECT_EQ(rows, (std::vector<Int>{2, 5, 9}));
    EXPECT_EQ(r.MarkedCells().size(), 45u);
    EXPECT_EQ(r.ui.draws, 2);
    EXPECT_EQ(std::vector<std::string>(r.ui.log.end() - 2, r.ui.log.end()),
              (std::vector<std::string>{"draw", "tmrMain on"}));

    // Neither the hint nor the mouse can act on it meanwhile.
    r.Forget();
    mnuHelp_Click(g);
    r.Click(40);
    EXPECT_TRUE(r.ui.log.empty());

    tmrMain_Timer(g);
    EXPECT_EQ(g.Score, 45);
    EXPECT_EQ(r.ui.exp, "Счёт: 45");
    r.SettleToRest();
    EXPECT_TRUE(r.MarkedCells().empty());
    EXPECT_NE(g.HintFrom, 0);
}

}  // namespace
}  // namespace zorbel::test
