#pragma once
// The player's language and the game's texts in it, as Windows wants them
// (UTF-16). The choice is the shared rule's, fed with the languages the
// player prefers in Windows' settings.
#include <map>
#include <string>
#include <string_view>

namespace zorbel::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

class Texts {
public:
    // The language by the shared rule: "ru" (the game's own) or a file name.
    static std::string ChooseForPlayer();
    explicit Texts(std::string language);

    const std::string& language() const { return language_; }
    // The translation of the Russian `source`, or the source itself.
    std::string Utf8(const char* context, const char* source) const;
    const std::wstring& Wide(const char* context, const char* source) const;

private:
    std::string language_;
    mutable std::map<std::string, std::wstring> wide_;  // context + source -> text
};

}  // namespace zorbel::win
