#pragma once
// Which of the game's translations a player gets, the same rule on the
// desktop and in the browser: the first of the player's preferred languages
// that the game speaks. Russian is the game's own language and needs no
// translation; the plain C/POSIX locale gets it too.
#include <span>
#include <string>
#include <string_view>

namespace zorbel {

inline constexpr std::string_view kSourceLanguage = "ru";
inline constexpr std::string_view kFallbackLanguage = "en";

// `preferred`: the player's languages, most wanted first, as BCP 47 tags or
// locale names ("de-AT", "pt_BR", "C"). `available`: the translations there
// are, by the name of their file ("en", "pt_BR"). Returns one of
// `available`, or kSourceLanguage.
std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string> available);

}  // namespace zorbel
