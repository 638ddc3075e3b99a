#include "web/PageCalls.h"

#include <array>

namespace {

constexpr int kLongestText = 256;  // bytes of UTF-8, far above any caption

bool translated = false;

}  // namespace

namespace zorbel::web {

void UseTranslation(bool on) { translated = on; }

std::string Translate(const char* context, const char* source) {
    if (!translated) return source;
    std::array<char, kLongestText> text{};
    const int length = page_translate(context, source, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(length));
}

}  // namespace zorbel::web
