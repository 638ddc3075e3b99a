// The functions the page calls: one per kind of event, and the choice of
// language.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Language.h"
#include "web/PageCalls.h"
#include "web/WebPage.h"

namespace {

using zorbel::Int;
using zorbel::web::WebPage;

std::unique_ptr<WebPage> page;

// No iostreams here: they would double the size of the download.
std::vector<std::string> Split(std::string_view list) {
    std::vector<std::string> parts;
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        parts.emplace_back(list.substr(0, comma));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return parts;
}

}  // namespace

extern "C" {

// The player's languages, most wanted first, comma-separated; returns the
// translation to load ("en", from i18n/en.json), or "" for the game's own
// Russian. ZORBEL_LANGUAGES lists the translations i18n/*.ts had at build time.
EMSCRIPTEN_KEEPALIVE const char* zorbel_language(const char* preferred) {
    static std::string chosen;
    chosen = zorbel::ChooseLanguage(Split(preferred), Split(ZORBEL_LANGUAGES));
    if (chosen == zorbel::kSourceLanguage) chosen.clear();
    zorbel::web::UseTranslation(!chosen.empty());
    return chosen.c_str();
}

// 1 when `language` (as zorbel_language returns it) is written from right to
// left, by the same rule as on the desktop.
EMSCRIPTEN_KEEPALIVE int zorbel_right_to_left(const char* language) { return zorbel::IsRightToLeft(language) ? 1 : 0; }

// The page reads the local clock: the game's module has no time zone of its own.
EMSCRIPTEN_KEEPALIVE double zorbel_time_of_day_seed(int secondsSinceMidnight, double micros) {
    return static_cast<double>(zorbel::TimeOfDaySeed(secondsSinceMidnight, static_cast<std::uint64_t>(micros)));
}

EMSCRIPTEN_KEEPALIVE void zorbel_refuse() { zorbel::web::RefuseSecondCopy(); }
EMSCRIPTEN_KEEPALIVE void zorbel_failed() { zorbel::web::ReportFailedLoad(); }

// `kept`: what the tab kept of its game, "" for none; a new game is dealt
// unless it reads back whole.
EMSCRIPTEN_KEEPALIVE void zorbel_start(double seed, const char* kept) {
    page = std::make_unique<WebPage>(static_cast<std::uint64_t>(seed));
    page->Form_Load(kept);
}

// Once the first board is on the screen: the menus and the names.
EMSCRIPTEN_KEEPALIVE void zorbel_furnish() { page->Furnish(); }

// Buttons are numbered as on the desktop: 0 left, 1 right, 2 middle, 3 back, 4 forward.
EMSCRIPTEN_KEEPALIVE void zorbel_press(int cell, int button) { page->Press(static_cast<Int>(cell), button); }
EMSCRIPTEN_KEEPALIVE void zorbel_release(int cell, int button) { page->Release(static_cast<Int>(cell), button); }
// 0 tmrMain, 1 tmrAuto.
EMSCRIPTEN_KEEPALIVE void zorbel_tick(int timer) { page->Tick(timer == 0 ? zorbel::Timer::Main : zorbel::Timer::Auto); }
EMSCRIPTEN_KEEPALIVE void zorbel_menu(int index) { page->Menu(index); }
// 0 left, 1 right, 2 up, 3 down, 4 click (Space or Enter).
EMSCRIPTEN_KEEPALIVE void zorbel_key(int key) {
    if (key >= 0 && key <= static_cast<int>(zorbel::BoardCursor::Key::Click)) {
        page->Key(static_cast<zorbel::BoardCursor::Key>(key));
    }
}
EMSCRIPTEN_KEEPALIVE void zorbel_end() { page->End(); }

}  // extern "C"
