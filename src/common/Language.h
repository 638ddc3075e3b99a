#pragma once
// Which of the game's translations a player gets, the same rule on the
// desktop, in the browser and on Windows: the first of the player's
// preferred languages that the game speaks. Russian is the game's own
// language and needs no translation; the plain C/POSIX locale gets it too.
// And which way a language is written, which each edition asks of this one
// rule rather than keeping a list of its own.
#include <span>
#include <string>
#include <string_view>

namespace zorbel {

inline constexpr std::string_view kSourceLanguage = "ru";
inline constexpr std::string_view kFallbackLanguage = "en";

// `preferred`: the player's languages, most wanted first, as BCP 47 tags or
// locale names ("de-AT", "pt_BR", "zh-Hant-HK", "C"). `available`: the
// translations there are, by the name of their file ("en", "pt_BR",
// "zh_TW"). Returns one of `available`, or kSourceLanguage.
std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string> available);

// Whether `language` (a file name such as "ar" or "pt_BR", or a tag such
// as "pa-Arab") is written from right to left: by its script, if the tag
// names one, else by the script the language is usually written in.
bool IsRightToLeft(std::string_view language);

}  // namespace zorbel
