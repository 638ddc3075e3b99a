#include "web/PageCalls.h"

#include <emscripten/emscripten.h>

#include <array>

namespace {

constexpr int kLongestText = 256;  // bytes of UTF-8, far above any caption

}  // namespace

EM_JS(int, page_translate, (const char* context, const char* source, char* out, int size), {
    return stringToUTF8(Module["page"].translate(UTF8ToString(context), UTF8ToString(source)), out, size);
});
EM_JS(void, page_set_title, (const char* text), { Module["page"].setTitle(UTF8ToString(text)); });
EM_JS(void, page_add_menu_entry,
      (int index, int level, int kind, const char* caption, int functionKey, int checkable, int checked), {
    Module["page"].addMenuEntry(index, level, kind, UTF8ToString(caption), functionKey, !!checkable, !!checked);
});
EM_JS(void, page_set_checked, (int index, int checked), { Module["page"].setChecked(index, !!checked); });
EM_JS(void, page_set_enabled, (int index, int enabled), { Module["page"].setEnabled(index, !!enabled); });
EM_JS(void, page_set_timer, (int timer, int on, int ms), { Module["page"].setTimer(timer, !!on, ms); });
EM_JS(void, page_set_label, (int label, const char* text), { Module["page"].setLabel(label, UTF8ToString(text)); });
EM_JS(void, page_draw_cell, (int cell, int picture, const char* name), {
    Module["page"].drawCell(cell, picture, UTF8ToString(name));
});
EM_JS(void, page_name_board, (const char* name), { Module["page"].nameBoard(UTF8ToString(name)); });
EM_JS(void, page_set_symbols, (int on), { Module["page"].setSymbols(!!on); });
EM_JS(void, page_show_cursor, (int cell), { Module["page"].showCursor(cell); });
EM_JS(void, page_ended, (const char* text), { Module["page"].ended(UTF8ToString(text)); });
EM_JS(void, page_refused, (const char* text, const char* button), {
    Module["page"].refused(UTF8ToString(text), UTF8ToString(button));
});

namespace zorbel::web {

std::string Translate(const char* context, const char* source) {
    std::array<char, kLongestText> text{};
    const int length = page_translate(context, source, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(length));
}

}  // namespace zorbel::web
