#pragma once
// The texts of every translation, made from i18n/*.ts at build time by
// tools/ts2cpp.py, so the program carries them inside itself.
#include <cstddef>

namespace zorbel::win {

struct Translation {
    const char* language;  // by the name of its file: "en", "pt_BR"
    const char* context;   // "Menu", "Labels" ...
    const char* source;    // the game's own Russian text, UTF-8
    const char* text;      // its translation, UTF-8
};

extern const char* const kLanguages[];
extern const std::size_t kLanguageCount;
extern const Translation kTranslations[];
extern const std::size_t kTranslationCount;

}  // namespace zorbel::win
