#include <gtest/gtest.h>

#include <vector>

#include "engine/EngineRig.h"
#include "engine/Pictures.h"

namespace zorbel {
namespace {

TEST(Pictures, MarkWinsOverActive) {
    GameState s;
    s.Board[1] = s.Board[2] = s.Board[3] = s.Board[4] = 3;
    s.Board[5] = 8;
    s.Marks[2] = 1;
    s.Active[3] = 9;
    s.Marks[4] = 1;
    s.Active[4] = 9;
    s.Active[5] = 1;
    EXPECT_EQ(PictureNumber(s, 1), 3);
    EXPECT_EQ(PictureNumber(s, 2), 11);
    EXPECT_EQ(PictureNumber(s, 3), 19);
    EXPECT_EQ(PictureNumber(s, 4), 11);
    EXPECT_EQ(PictureNumber(s, 5), 24);
}

TEST(Pictures, OnlyChangedCellsAreVisited) {
    GameState s;
    test::FillQuiet(s);
    std::vector<std::pair<Int, Int>> seen;
    auto record = [&](Int i, Int n) { seen.emplace_back(i, n); };

    EXPECT_EQ(UpdateShownPictures(s, record), kCells);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kCells));
    for (Int i = 1; i <= kCells; ++i) ASSERT_EQ(s.ShownPicture[i], s.Board[i]);

    seen.clear();
    s.Marks[17] = 1;
    s.Active[140] = 6;
    s.Board[90] = 8;
    s.Active[60] = 3;
    s.Marks[60] = 1;  // marked and active: the marked picture
    s.Board[100] = s.ShownPicture[100];
    EXPECT_EQ(UpdateShownPictures(s, record), 4);
    EXPECT_EQ(seen, (std::vector<std::pair<Int, Int>>{{17, static_cast<Int>(s.Board[17] + 8)},
                                                      {60, static_cast<Int>(s.Board[60] + 8)},
                                                      {90, 8},
                                                      {140, static_cast<Int>(s.Board[140] + 16)}}));

    seen.clear();
    EXPECT_EQ(UpdateShownPictures(s, record), 0);
    EXPECT_TRUE(seen.empty());
}

}  // namespace
}  // namespace zorbel
