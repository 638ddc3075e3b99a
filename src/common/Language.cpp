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

// The subtag right after the language, if it names a script: "hant" in
// "zh-hant-tw", none in "zh-tw".
std::string_view Script(std::string_view tag) {
    const std::size_t at = tag.find('-');
    if (at == std::string_view::npos) return {};
    const std::string_view next = tag.substr(at + 1, tag.find('-', at + 1) - at - 1);
    return next.size() == 4 && std::isalpha(static_cast<unsigned char>(next[0])) ? next : std::string_view{};
}

bool HasSubtag(std::string_view tag, std::string_view subtag) {
    for (std::size_t at = tag.find('-'); at != std::string_view::npos; at = tag.find('-', at + 1)) {
        if (tag.substr(at + 1, tag.find('-', at + 1) - at - 1) == subtag) return true;
    }
    return false;
}

template <std::size_t N>
bool Among(std::string_view code, const std::string_view (&codes)[N]) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// Codes that name a language the game has under another name: old ISO 639
// codes, and Norwegian, whose written standard here is Bokmål.
struct Alias {
    std::string_view from;
    std::string_view to;
};
constexpr Alias kAliases[] = {{"iw", "he"}, {"in", "id"}, {"ji", "yi"}, {"no", "nb"}, {"nn", "nb"}};

// Chinese is two written languages: the Traditional characters of Taiwan,
// Hong Kong and Macao, and the Simplified ones everywhere else. A script
// named in the tag decides before the region.
constexpr std::string_view kTraditionalRegions[] = {"tw", "hk", "mo"};

std::string Canonical(const std::string& tag) {
    const std::string_view primary = Primary(tag);
    if (primary == "zh") {
        if (Script(tag) == "hant") return "zh-tw";
        if (Script(tag) == "hans") return "zh-cn";
        const bool traditional = std::any_of(std::begin(kTraditionalRegions), std::end(kTraditionalRegions),
                                             [&tag](std::string_view region) { return HasSubtag(tag, region); });
        return traditional ? "zh-tw" : "zh-cn";
    }
    for (const Alias& a : kAliases) {
        if (primary == a.from) return std::string(a.to) + tag.substr(primary.size());
    }
    return tag;
}

// Scripts written from right to left (ISO 15924), and the languages whose
// usual script is one of them: every such language in common use, so that a
// new translation into one of them needs no change here.
constexpr std::string_view kRightToLeftScripts[] = {"arab", "hebr", "syrc", "thaa", "nkoo", "adlm", "rohg", "samr", "mand"};
constexpr std::string_view kRightToLeftLanguages[] = {"ar",  "arc", "azb", "bal", "ckb", "dv",  "fa",  "glk", "he",
                                                      "ks",  "lrc", "mzn", "nqo", "pnb", "prs", "ps",  "sd",  "skr",
                                                      "syr", "ug",  "ur",  "yi"};

}  // namespace

std::string ChooseLanguage(std::span<const std::string> preferred, std::span<const std::string> available) {
    for (const std::string& wanted : preferred) {
        const std::string tag = Canonical(Normalised(wanted));
        if (tag.empty()) continue;
        if (tag == "c" || tag == "posix" || Primary(tag) == kSourceLanguage) {
            return std::string(kSourceLanguage);
        }
        // The exact region first, then any translation of the same language:
        // a player from Portugal reads the Brazilian texts, and one who
        // reads Serbian in Latin letters reads the Cyrillic ones.
        for (const std::string& have : available) {
            if (Normalised(have) == tag) return have;
        }
        for (const std::string& have : available) {
            if (Primary(Normalised(have)) == Primary(tag)) return have;
        }
    }
    return std::string(kFallbackLanguage);
}

bool IsRightToLeft(std::string_view language) {
    const std::string tag = Canonical(Normalised(language));
    const std::string_view script = Script(tag);
    return script.empty() ? Among(Primary(tag), kRightToLeftLanguages) : Among(script, kRightToLeftScripts);
}

}  // namespace zorbel
