// A cell's place as a screen reader hears it on Windows: the row and the
// column put into the words of a translation, wherever they stand in it.
#include <gtest/gtest.h>

#include "common/CellName.h"

namespace {

using zorbel::CellPlaceText;

TEST(CellPlace, RowAndColumnWhereTheWordsPutThem) {
    EXPECT_EQ(CellPlaceText(zorbel::kCellPlace, 1), "строка 1, столбец 1");
    EXPECT_EQ(CellPlaceText(zorbel::kCellPlace, 150), "строка 10, столбец 15");
    EXPECT_EQ(CellPlaceText("row %1, column %2", 16), "row 2, column 1");   // not 15's neighbour
    EXPECT_EQ(CellPlaceText("%2. sütun, %1. satır", 37), "7. sütun, 3. satır");  // the column first
    EXPECT_EQ(CellPlaceText("%3 %", 1), "%3 %");                               // nothing else is special
}

}  // namespace
