// Label texts handed over by a translation: only "%1" is special, so a text
// with printf directives or of any length can neither crash nor overrun.
#include <gtest/gtest.h>

#include <string>

#include "support/FakePlatform.h"

namespace zorbel::test {
namespace {

std::string Made(std::string_view format, int number) {
    FakePlatform ui;
    SetLabelText(ui, Label::Steps, format, number);
    return ui.steps;
}

TEST(LabelText, OnlyPercentOneIsTheNumber) {
    EXPECT_EQ(Made("Ходов: %1", 47), "Ходов: 47");
    EXPECT_EQ(Made("Счёт: %1+", 32000), "Счёт: 32000+");
    EXPECT_EQ(Made("%s %d %n %%1 %1", 5), "%s %d %n %5 5");
    EXPECT_EQ(Made("%1 and %1", 3), "3 and 3");
    EXPECT_EQ(Made("ends in %", 3), "ends in %");
}

TEST(LabelText, LongTextsAreCutAtTheLabelsSize) {
    const std::string longText(200, 'x');
    EXPECT_EQ(Made(longText, 1), std::string(64, 'x'));
    EXPECT_EQ(Made(std::string(60, 'x') + "%1", 123456), std::string(60, 'x'));  // no room for the whole number
    EXPECT_EQ(Made(std::string(58, 'x') + "%1!", 32000), std::string(58, 'x') + "32000!");
}

}  // namespace
}  // namespace zorbel::test
