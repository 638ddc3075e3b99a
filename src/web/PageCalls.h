#pragma once
// What the C++ side asks of the page's script: imports of the game's module
// from "page", which src/web/game.mjs makes from the page's object (each
// named for its method there). Strings travel as UTF-8 ending in a zero byte.
#include <cstdint>
#include <string>

namespace zorbel::web {

// The translation of `source` in the chosen language, or `source` itself.
std::string Translate(const char* context, const char* source);
// Whether a translation is in use; without one, Translate asks the page
// nothing.
void UseTranslation(bool on);

}  // namespace zorbel::web

#define ZORBEL_PAGE_CALL(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {
// Writes the translation into `out` (at most size - 1 bytes and a zero) and
// returns its length.
ZORBEL_PAGE_CALL(translate) int page_translate(const char* context, const char* source, char* out, int size);
ZORBEL_PAGE_CALL(setTitle) void page_set_title(const char* text);
// kind: 0 opens a menu, 1 separator, 2 command item.
ZORBEL_PAGE_CALL(addMenuEntry)
void page_add_menu_entry(int index, int level, int kind, const char* caption, int functionKey, int checkable,
                         int checked);
ZORBEL_PAGE_CALL(setChecked) void page_set_checked(int index, int checked);
ZORBEL_PAGE_CALL(setEnabled) void page_set_enabled(int index, int enabled);
ZORBEL_PAGE_CALL(setTimer) void page_set_timer(int timer, int on, int ms);
ZORBEL_PAGE_CALL(setLabel) void page_set_label(int label, const char* text);
// The picture of every cell, 1 to 150 (0 unused), as 16-bit numbers.
ZORBEL_PAGE_CALL(drawBoard) void page_draw_board(const std::int16_t* pictures);
ZORBEL_PAGE_CALL(nameCell) void page_name_cell(int cell, const char* name);
ZORBEL_PAGE_CALL(nameBoard) void page_name_board(const char* name);
ZORBEL_PAGE_CALL(setSymbols) void page_set_symbols(int on);
ZORBEL_PAGE_CALL(showCursor) void page_show_cursor(int cell);
ZORBEL_PAGE_CALL(ended) void page_ended(const char* text);
ZORBEL_PAGE_CALL(refused) void page_refused(const char* text, const char* button);
ZORBEL_PAGE_CALL(failed) void page_failed(const char* text, const char* button);
// The game as text for the tab to keep (common/KeptGame.h).
ZORBEL_PAGE_CALL(keep) void page_keep(const char* game);
}
