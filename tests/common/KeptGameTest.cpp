// A game as the browser tab keeps it: read back, it plays on exactly as the
// game it was taken from, and any text that is not one whole game of this
// version reads as none.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/KeptGame.h"
#include "play/PlayRig.h"

namespace zorbel::test {
namespace {

KeptGame KeepOf(Rig& r, Int cursor = 0) {
    return {r.g, r.rnd.twister.state(), r.ui.mainOn, r.ui.autoOn, r.ui.expWrites > 0, cursor};
}

// A game of another seed given the kept one, as the web page's window does.
void TakeBack(Rig& r, const KeptGame& k) {
    static_cast<GameState&>(r.g) = k.record;
    r.rnd.twister.Restore(k.random);
    r.ui.mainOn = k.settling;
    r.ui.autoOn = k.autoTicking;
}

// Mid-way through a settle cycle, with automatic play switched on and
// options away from their defaults: the game read back is the one kept, and
// both play on alike, refill for refill, through automatic moves.
TEST(KeptGame, ReadBackMidCyclePlaysOnAlike) {
    Rig r{11};
    mnuSpeed_Click(r.g, 100);
    mnuColors_Click(r.g, 7);
    mnuFishStep_Click(r.g);
    mnuSymbols_Click(r.g);
    r.SettleToRest();
    r.Drag(r.g.HintFrom, r.g.HintTo);
    tmrMain_Timer(r.g);
    mnuAuto_Click(r.g);
    ASSERT_TRUE(r.ui.mainOn);
    ASSERT_FALSE(r.MarkedCells().empty());

    const std::string text = WriteKeptGame(KeepOf(r, 42));
    const auto k = ReadKeptGame(text);
    ASSERT_TRUE(k.has_value());
    EXPECT_TRUE(k->settling && !k->autoTicking && k->scoreShown);
    EXPECT_EQ(k->cursor, 42);
    EXPECT_EQ(k->record.TickMs, 100);
    EXPECT_EQ(k->record.ColorCount, 7);
    EXPECT_EQ(k->record.ActiveEveryMove + k->record.SymbolsOn, 2);
    EXPECT_EQ(k->record.Board, r.g.Board);
    EXPECT_EQ(k->record.Marks, r.g.Marks);

    // The whole game, the generator's state and the timers, tick by tick.
    Rig copy{99};
    TakeBack(copy, *k);
    for (int tick = 0; tick < 200; ++tick) {
        ASSERT_TRUE(r.Tick());
        ASSERT_TRUE(copy.Tick());
        ASSERT_EQ(WriteKeptGame(KeepOf(copy, 42)), WriteKeptGame(KeepOf(r, 42))) << tick;
    }
    EXPECT_NE(r.g.Board, k->record.Board);
}

TEST(KeptGame, TextsThatAreNoWholeGameReadAsNone) {
    Rig r{5};
    r.DealToRest();
    const std::string good = WriteKeptGame(KeepOf(r));
    ASSERT_TRUE(ReadKeptGame(good).has_value());
    std::string otherVersion = good;
    otherVersion.replace(0, good.find(' ', good.find(' ') + 1), "zorbel-game 2");
    std::string damaged = good;
    damaged[good.size() / 2] = damaged[good.size() / 2] == '1' ? '2' : '1';
    const std::string lastField = good.substr(good.rfind(' '));
    for (const std::string& text : {std::string(), std::string("{\"Score\":12}"), std::string("zorbel-game 1"),
                                    otherVersion, damaged, good.substr(0, good.size() / 2), good + " 0", good + lastField,
                                    " " + good, good.substr(0, good.rfind(' ')) + " x"}) {
        EXPECT_FALSE(ReadKeptGame(text).has_value()) << text.substr(0, 40);
    }
}

// Written with a right hash, a field out of the game's range is still no game.
TEST(KeptGame, AFieldOutOfItsRangeReadsAsNone) {
    Rig r{8};
    r.DealToRest();
    const std::vector<std::function<void(KeptGame&)>> outOfRange{
        [](KeptGame& k) { k.cursor = kCells + 1; },
        [](KeptGame& k) { k.record.ColorCount = 9; },
        [](KeptGame& k) { k.record.TickMs = 300; },
        [](KeptGame& k) { k.record.ActiveBallsOn = 2; },
        [](KeptGame& k) { k.record.AutoMode = 3; },
        [](KeptGame& k) { k.record.FirstCell = -1; },
        [](KeptGame& k) { k.record.HintTo = kCells + 1; },
        [](KeptGame& k) { k.record.MoveCount = 551; },
        [](KeptGame& k) { k.record.Score = kScoreCap + 1; },
        [](KeptGame& k) { k.record.Board[150] = static_cast<Int>(k.record.ColorCount + 1); },
        [](KeptGame& k) { k.record.Marks[1] = 2; },
        [](KeptGame& k) { k.record.Active[75] = 17; },
        [](KeptGame& k) { k.random.next = TwisterRandom::kWords + 1; },
    };
    for (std::size_t n = 0; n < outOfRange.size(); ++n) {
        KeptGame k = KeepOf(r);
        outOfRange[n](k);
        EXPECT_FALSE(ReadKeptGame(WriteKeptGame(k)).has_value()) << n;
    }
}

}  // namespace
}  // namespace zorbel::test
