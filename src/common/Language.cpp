#include "common/Language.h"

#include <algorithm>
#include <cctype>

namespace zorbel {

namespace {

// "pt_BR.UTF-8" and "PT-br" both become "pt-br": the encoding and case of a
// locale name say nothing about the language.
std::string Normalised(std::string_view tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    std::string out(tag);
    for (char& ch : out) ch = ch == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

std::string_view Primary(std::string_view tag) { return tag.substr(0, tag.find('-')); }

}  // namespace

std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string> available) {
    for (const std::string& wanted : preferred) {
        const std::string tag = Normalised(wanted);
        if (tag.empty()) continue;
        if (tag == "c" || tag == "posix" || Primary(tag) == kSourceLanguage) {
            return std::string(kSourceLanguage);
        }
        // The exact region first, then any translation of the same language:
        // a player from Portugal reads the Brazilian texts, and one who
        // reads Traditional Chinese (zh-TW, zh-Hant) reads the Simplified
        // ones far more easily than English, the only other choice.
        for (const std::string& have : available) {
            if (Normalised(have) == tag) return have;
        }
        for (const std::string& have : available) {
            if (Primary(Normalised(have)) == Primary(tag)) return have;
        }
    }
    return std::string(kFallbackLanguage);
}

}  // namespace zorbel
