// The choice of language all three front ends make, from the player's list
// of preferred languages, against the translations the game has; and the
// direction each language is written in.
#include <gtest/gtest.h>

#include <string>

#include "common/Language.h"
#include "common/LanguageCases.h"

namespace {

using namespace zorbel;

TEST(Language, FirstPreferredLanguageWithATranslation) {
    for (const test::LanguageCase& c : test::kLanguageCases) {
        std::string wanted;
        for (const std::string& p : c.preferred) wanted += p + ' ';
        EXPECT_EQ(ChooseLanguage(c.preferred, test::kShippedLanguages), c.chosen) << "preferred: " << wanted;
    }
}

// Without a Traditional Chinese translation its readers still get Chinese.
TEST(Language, NearestTranslationWhenTheExactOneIsMissing) {
    const std::vector<std::string> few{"en", "zh_CN"};
    for (const char* tag : {"zh-TW", "zh-Hant-HK", "zh-Hans"}) {
        EXPECT_EQ(ChooseLanguage(std::vector<std::string>{tag}, few), "zh_CN") << tag;
    }
    EXPECT_EQ(ChooseLanguage(std::vector<std::string>{"nb-NO"}, few), "en");
}

TEST(Language, RightToLeftByScriptOrLanguage) {
    for (const test::DirectionCase& c : test::kDirectionCases) {
        EXPECT_EQ(IsRightToLeft(c.language), c.rightToLeft) << c.language;
    }
}

}  // namespace
