#include <gtest/gtest.h>

#include <cmath>

#include "engine/EngineRig.h"

namespace zorbel {
namespace {

using test::Below;
using test::Pick;

TEST(ActiveBalls, GateLetsOneDrawInTenThrough) {
    for (float gate : {0.1f, 0.5f, std::nextafter(1.0f, 0.0f)}) {
        test::Bench b;
        b.rnd.Push({gate, Pick(20, 150), Below(0, 11)});
        PlaceActiveBall(b.g);
        EXPECT_EQ(b.rnd.drawn, 1) << gate;
        for (Int i = 1; i <= kCells; ++i) ASSERT_EQ(b.g.Active[i], 0) << gate;
    }
    for (float gate : {0.0f, std::nextafter(0.1f, 0.0f)}) {
        test::Bench b;
        b.rnd.Push({gate, Pick(20, 150), Below(0, 11)});
        PlaceActiveBall(b.g);
        EXPECT_EQ(b.rnd.drawn, 3) << gate;
        EXPECT_EQ(b.g.Active[20], 6) << gate;
    }
}

TEST(ActiveBalls, AnAlreadyActiveCellIsDrawnAgain) {
    test::Bench b;
    b.g.ActiveEveryMove = 1;
    b.g.Active[20] = 3;
    b.g.Active[1] = 9;
    b.rnd.Push({Pick(20, 150), Pick(1, 150), Pick(20, 150), Pick(33, 150), Below(4, 11)});
    PlaceActiveBall(b.g);
    EXPECT_EQ(b.g.Active[33], 10);
    EXPECT_EQ(b.g.Active[20], 3);
    EXPECT_EQ(b.g.Active[1], 9);
    EXPECT_EQ(b.rnd.drawn, 5);
}

TEST(ActiveBalls, NothingIsPlacedWhenAllAreActive) {
    for (Int everyMove : {0, 1}) {
        test::Bench b;
        b.g.ActiveEveryMove = everyMove;
        b.g.Active.fill(4);
        const auto before = b.g.Active;
        b.rnd.Push({0.0f, 0.0f, 0.0f});
        PlaceActiveBall(b.g);
        EXPECT_EQ(b.g.Active, before);
        EXPECT_EQ(b.rnd.drawn, everyMove == 0 ? 1 : 0);
    }
    // One ordinary ball left, in the last cell: it is found.
    test::Bench b;
    b.g.ActiveEveryMove = 1;
    b.g.Active.fill(4);
    b.g.Active[150] = 0;
    b.rnd.Push({0.0f, 0.5f, Pick(150, 150), Below(1, 11)});
    PlaceActiveBall(b.g);
    EXPECT_EQ(b.g.Active[150], 7);
    EXPECT_EQ(b.rnd.drawn, 4);
}

// Every move: no gate draw, one for the cell and one for the lifetime.
TEST(ActiveBalls, EveryMovePlacesWithLifetimesFromSixToSixteen) {
    std::set<Int> seen;
    for (int k = 0; k <= 11; ++k) {
        test::Bench b;
        b.g.ActiveEveryMove = 1;
        const float r = k < 11 ? Below(k, 11) : std::nextafter(1.0f, 0.0f);
        b.rnd.Push({Pick(75, 150), r});
        PlaceActiveBall(b.g);
        EXPECT_EQ(b.g.Active[75], k < 11 ? 6 + k : 16);
        EXPECT_EQ(b.rnd.drawn, 2);
        seen.insert(b.g.Active[75]);
    }
    EXPECT_EQ(seen.size(), 11u);
}

TEST(ActiveBalls, AgeingLowersEveryLifetimeByOneAndStopsAtZero) {
    GameState s;
    s.Active[1] = 1;
    s.Active[75] = 16;
    s.Active[150] = 6;
    AgeActiveBalls(s);
    EXPECT_EQ(s.Active[1], 0);
    EXPECT_EQ(s.Active[75], 15);
    EXPECT_EQ(s.Active[150], 5);
    AgeActiveBalls(s);
    EXPECT_EQ(s.Active[1], 0);
    for (Int i = 2; i <= 149; ++i) EXPECT_EQ(s.Active[i], i == 75 ? 14 : 0);
    ClearActive(s);
    for (Int i = 1; i <= kCells; ++i) ASSERT_EQ(s.Active[i], 0);
}

// A ball whose lifetime runs out in a quiet tick may be chosen again in it.
TEST(ActiveBalls, ExpiredBallCanBeChosenAgainInTheSameTick) {
    test::Bench b;
    test::PlantOneMove(b.g);
    b.g.ActiveBallsOn = 1;
    b.g.Active[40] = 1;
    b.g.Active[41] = 2;
    b.rnd.Push({0.0f, 0.05f, Pick(40, 150), Below(7, 11)});  // hint, gate, cell 40, lifetime 13
    b.ui.mainOn = true;
    tmrMain_Timer(b.g);
    EXPECT_EQ(b.g.Active[40], 13);
    EXPECT_EQ(b.g.Active[41], 1);
    EXPECT_EQ(b.rnd.drawn, 4);
    EXPECT_EQ(b.ui.log.back(), "draw");
}

// Ageing and placement belong to quiet ticks only.
TEST(ActiveBalls, ATickThatFindsALineNeitherAgesNorPlaces) {
    test::Bench b;
    b.g.ActiveBallsOn = 1;
    b.g.ActiveEveryMove = 1;
    b.g.Board[1] = b.g.Board[2] = b.g.Board[3] = 6;
    b.g.Active[100] = 5;
    tmrMain_Timer(b.g);
    EXPECT_EQ(b.g.Active[100], 5);
    EXPECT_EQ(b.rnd.drawn, 0);
}

}  // namespace
}  // namespace zorbel
