#include "win/Texts.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "common/Language.h"
#include "win/Translations.h"

namespace zorbel::win {

std::wstring Widen(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring out(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), static_cast<int>(out.size()));
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    const int size = static_cast<int>(utf16.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), bytes, nullptr, nullptr);
    return out;
}

namespace {

// Windows' list of the player's UI languages, most wanted first ("de-AT").
std::vector<std::string> PreferredLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    std::vector<std::string> tags;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return tags;
    std::wstring list(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size)) return tags;
    for (const wchar_t* tag = list.c_str(); *tag != L'\0'; tag += std::wcslen(tag) + 1) tags.push_back(Narrow(tag));
    return tags;
}

}  // namespace

std::string Texts::ChooseForPlayer() {
    const std::vector<std::string> available(kLanguages, kLanguages + kLanguageCount);
    return ChooseLanguage(PreferredLanguages(), available);
}

Texts::Texts(std::string language) : language_(std::move(language)) {}

std::string Texts::Utf8(const char* context, const char* source) const {
    for (std::size_t k = 0; k < kTranslationCount; ++k) {
        const Translation& t = kTranslations[k];
        if (language_ == t.language && std::strcmp(context, t.context) == 0 && std::strcmp(source, t.source) == 0) {
            return t.text;
        }
    }
    return source;
}

const std::wstring& Texts::Wide(const char* context, const char* source) const {
    std::string key = std::string(context) + '\n' + source;
    auto [it, fresh] = wide_.try_emplace(std::move(key));
    if (fresh) it->second = Widen(Utf8(context, source));
    return it->second;
}

}  // namespace zorbel::win
