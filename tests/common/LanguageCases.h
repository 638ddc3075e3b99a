#pragma once
// The language rule's cases, asserted by LanguageTest natively and under
// Wine, and played by the scripted game (tests/web/SameGame.cpp) natively
// and as WebAssembly, which fails on any case its build answers otherwise.
#include <string>
#include <vector>

namespace zorbel::test {

// The translations the game ships, by file name.
inline const std::vector<std::string> kShippedLanguages{
    "ar", "be", "bg", "bn", "cs", "da", "de", "el", "en", "es", "fa", "fi", "fr", "he", "hi", "hr", "hu", "hy", "id", "it",
    "ja", "ka", "kk", "ko", "lt", "nb", "nl", "pl", "pt_BR", "ro", "sk", "sr", "sv", "th", "tr", "uk", "vi", "zh_CN", "zh_TW"};

struct LanguageCase {
    std::vector<std::string> preferred;
    const char* chosen;
};

inline const LanguageCase kLanguageCases[] = {
    {{"ru_RU.UTF-8"}, "ru"},
    {{"C"}, "ru"},
    {{"POSIX"}, "ru"},
    {{"C.UTF-8", "de"}, "ru"},
    {{"be", "ru-BY"}, "be"},
    {{"uk-UA", "ru"}, "uk"},
    {{"de-AT"}, "de"},
    {{"fr_CA.UTF-8@euro"}, "fr"},
    {{"PT-br"}, "pt_BR"},
    {{"pt-PT"}, "pt_BR"},
    // Chinese by script first, then by region.
    {{"zh-CN"}, "zh_CN"},
    {{"zh-SG"}, "zh_CN"},
    {{"zh-Hans"}, "zh_CN"},
    {{"zh-Hans-CN"}, "zh_CN"},
    {{"zh-Hans-HK"}, "zh_CN"},
    {{"zh"}, "zh_CN"},
    {{"zh-TW"}, "zh_TW"},
    {{"zh_HK.UTF-8"}, "zh_TW"},
    {{"zh-MO"}, "zh_TW"},
    {{"zh-Hant"}, "zh_TW"},
    {{"zh-Hant-CN"}, "zh_TW"},
    // Norwegian, old codes, Serbian in either script.
    {{"nb-NO"}, "nb"},
    {{"no"}, "nb"},
    {{"nn-NO", "sv"}, "nb"},
    {{"iw-IL"}, "he"},
    {{"in"}, "id"},
    {{"sr-Latn"}, "sr"},
    {{"sr_RS@latin"}, "sr"},
    {{"sr-Latn-RS", "hr"}, "sr"},
    {{"hr-HR"}, "hr"},
    {{"ar-EG"}, "ar"},
    {{"fa-IR"}, "fa"},
    {{"ko-KR"}, "ko"},
    {{"ja-JP"}, "ja"},
    {{"gd", "ga", "es-MX"}, "es"},
    {{"gd"}, "en"},
    {{"en-US", "de"}, "en"},
    {{"", "it"}, "it"},
    {{}, "en"},
};

struct DirectionCase {
    const char* language;
    bool rightToLeft;
};

inline const DirectionCase kDirectionCases[] = {
    {"ar", true},        {"he", true},       {"fa", true},     {"ur", true},     {"ps", true},     {"sd", true},
    {"ug", true},        {"yi", true},       {"dv", true},     {"ckb", true},    {"iw", true},     {"ar_EG.UTF-8", true},
    {"AR-eg", true},     {"pa-Arab", true},  {"az-Arab", true}, {"ks", true},    {"sd-Deva", false}, {"ku", false},
    {"ru", false},       {"en", false},      {"hi", false},    {"th", false},    {"ka", false},    {"zh_TW", false},
    {"pt_BR", false},    {"", false},        {"C", false},
};

}  // namespace zorbel::test
