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

// Cyrillic letters are two bytes, CJK ones three, an emoji four: a cut
// that falls inside one leaves the whole character out.
TEST(LabelText, ACutNeverSplitsACharacter) {
    std::string cyrillic;
    for (int k = 0; k < 40; ++k) cyrillic += "ж";
    EXPECT_EQ(Made(cyrillic, 1), cyrillic.substr(0, 64));
    EXPECT_EQ(Made("x" + cyrillic, 1), "x" + cyrillic.substr(0, 62));
    std::string han;
    for (int k = 0; k < 30; ++k) han += "手";
    EXPECT_EQ(Made(han, 1), han.substr(0, 63));
    EXPECT_EQ(Made(std::string(61, 'x') + "\U0001F600", 1), std::string(61, 'x'));
    EXPECT_EQ(Made(std::string(60, 'x') + "\U0001F600", 1), std::string(60, 'x') + "\U0001F600");
    // A text that ends inside a character keeps what it has.
    EXPECT_EQ(Made("ab\xD0", 1), "ab\xD0");
}

}  // namespace
}  // namespace zorbel::test
