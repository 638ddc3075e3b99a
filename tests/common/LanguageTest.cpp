// The choice of language both front ends make, from the player's list of
// preferred languages, against the translations the game has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Language.h"

namespace {

using zorbel::ChooseLanguage;

const std::vector<std::string> kAvailable{"de", "en", "es", "fr", "it", "ja", "pl", "pt_BR", "tr", "uk", "zh_CN"};

struct Case {
    std::vector<std::string> preferred;
    const char* chosen;
};

TEST(Language, FirstPreferredLanguageWithATranslation) {
    const Case cases[] = {
        {{"ru_RU.UTF-8"}, "ru"},
        {{"C"}, "ru"},
        {{"POSIX"}, "ru"},
        {{"C.UTF-8", "de"}, "ru"},
        {{"be", "ru-BY"}, "ru"},  // no Belarusian: the next choice, Russian
        {{"uk-UA", "ru"}, "uk"},
        {{"de-AT"}, "de"},
        {{"fr_CA.UTF-8@euro"}, "fr"},
        {{"PT-br"}, "pt_BR"},
        {{"pt-PT"}, "pt_BR"},
        {{"zh-CN"}, "zh_CN"},
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"zh-TW"}, "zh_CN"},
        {{"ja-JP"}, "ja"},
        {{"nb-NO", "no", "sv", "es-MX"}, "es"},
        {{"nb-NO"}, "en"},
        {{"en-US", "de"}, "en"},
        {{"", "it"}, "it"},
        {{}, "en"},
    };
    for (const Case& c : cases) {
        std::string wanted;
        for (const std::string& p : c.preferred) wanted += p + ' ';
        EXPECT_EQ(ChooseLanguage(c.preferred, kAvailable), c.chosen) << "preferred: " << wanted;
    }
}

}  // namespace
