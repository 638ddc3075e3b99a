#pragma once
// What the C++ side asks of the page's script (src/web/page.mjs, the object
// handed to the module as `page`). Strings travel as UTF-8.
#include <string>

namespace zorbel::web {

// The translation of `source` in the chosen language, or `source` itself.
std::string Translate(const char* context, const char* source);

}  // namespace zorbel::web

extern "C" {
void page_set_title(const char* text);
// kind: 0 opens a menu, 1 separator, 2 command item.
void page_add_menu_entry(int index, int level, int kind, const char* caption, int functionKey, int checkable,
                         int checked);
void page_set_checked(int index, int checked);
void page_set_enabled(int index, int enabled);
void page_set_timer(int timer, int on, int ms);
void page_set_label(int label, const char* text);
void page_draw_cell(int cell, int picture, const char* name);
void page_name_board(const char* name);
void page_set_symbols(int on);
void page_show_cursor(int cell);
void page_ended(const char* text);
void page_refused(const char* text, const char* button);
}
