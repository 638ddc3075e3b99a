// The height of a label's font for a text wider than the label: in step
// with the room, of the sign Windows gives it meaning by, never nothing.
#include <gtest/gtest.h>

#include "win/LabelFit.h"

namespace zorbel::win {
namespace {

TEST(LabelFit, ATextThatFitsKeepsItsFont) {
    EXPECT_EQ(FittingHeight(-12, 100, 139), -12);
    EXPECT_EQ(FittingHeight(-12, 139, 139), -12);
    EXPECT_EQ(FittingHeight(-12, 0, 139), -12);
}

TEST(LabelFit, AWiderTextShrinksInStepWithTheRoom) {
    EXPECT_EQ(FittingHeight(-12, 278, 139), -6);   // character height
    EXPECT_EQ(FittingHeight(15, 200, 100), 8);     // cell height, rounded
    EXPECT_EQ(FittingHeight(-24, 150, 139), -22);  // at 200 %
}

TEST(LabelFit, NeverNothing) {
    EXPECT_EQ(FittingHeight(-12, 5000, 139), -1);
    EXPECT_EQ(FittingHeight(-12, 100, 0), -1);
    EXPECT_EQ(FittingHeight(12, 100, -5), 1);
}

}  // namespace
}  // namespace zorbel::win
