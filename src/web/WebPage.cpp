#include "web/WebPage.h"

#include <utility>

#include "common/CellName.h"
#include "engine/Engine.h"
#include "engine/Pictures.h"
#include "options/Options.h"
#include "web/PageCalls.h"

// Captions are marked for Qt's lupdate, as in the rest of the game.
#define QT_TRANSLATE_NOOP(context, text) text

namespace zorbel::web {

namespace {

enum EntryKind { kOpensMenu = 0, kSeparator = 1, kCommand = 2 };

// What a browser tab can do in place of closing the window.
const char* const kEndedText =
    QT_TRANSLATE_NOOP("Web", "Игра окончена. Чтобы начать новую игру, обновите страницу.");
const char* const kCaption = QT_TRANSLATE_NOOP("Window", "Зорбель");
// A second tab of the game starts none of its own, and offers to take it over.
const char* const kOpenElsewhereText = QT_TRANSLATE_NOOP("Web", "Зорбель уже открыт в другой вкладке.");
const char* const kMoveHereText = QT_TRANSLATE_NOOP("Web", "Перенести игру сюда");
// A file the first board needs did not come, asked for a few times.
const char* const kLoadFailedText =
    QT_TRANSLATE_NOOP("Web", "Не удалось загрузить игру. Проверьте подключение к сети.");
const char* const kTryAgainText = QT_TRANSLATE_NOOP("Web", "Попробовать снова");

std::string_view View(const std::string& s) { return s; }
std::size_t Slot(MenuItem m) { return static_cast<std::size_t>(m); }
std::size_t Slot(Timer t) { return t == Timer::Main ? 0 : 1; }

}  // namespace

WebPage::WebPage(std::uint64_t seed)
    : rnd_(seed),
      game_(rnd_, *this),
      labelWords_{Translate("Labels", kRussianLabels.moves.data()), Translate("Labels", kRussianLabels.noMoves.data()),
                  Translate("Labels", kRussianLabels.score.data()),
                  Translate("Labels", kRussianLabels.scoreCapped.data())},
      labels_{View(labelWords_[0]), View(labelWords_[1]), View(labelWords_[2]), View(labelWords_[3])} {
    game_.texts = &labels_;
    enabled_.fill(true);
}

void RefuseSecondCopy() {
    page_set_title(Translate("Window", kCaption).c_str());
    page_refused(Translate("Web", kOpenElsewhereText).c_str(), Translate("Web", kMoveHereText).c_str());
}

void ReportFailedLoad() {
    page_failed(Translate("Web", kLoadFailedText).c_str(), Translate("Web", kTryAgainText).c_str());
}

void WebPage::Form_Load(std::string_view kept) {
    page_set_title(Translate("Window", kCaption).c_str());
    const auto entries = MenuEntries();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (const auto item = entries[k].item) {
            entryOf_[Slot(*item)] = static_cast<int>(k);
            checked_[Slot(*item)] = entries[k].checkedAtStart;
        }
    }
    if (const auto k = ReadKeptGame(kept)) {
        Resume(*k);
        return;
    }
    SetDefaults(game_);
    mnuNew_Click(game_);
}

// The record, the generator and the timers as they were; the marks, the
// labels, the board and the cursor shown from them.
void WebPage::Resume(const KeptGame& k) {
    static_cast<GameState&>(game_) = k.record;
    rnd_.Restore(k.random);
    for (std::size_t m = 0; m < kMenuItems; ++m) {
        checked_[m] = ItemChecked(game_, static_cast<MenuItem>(m));
        enabled_[m] = ItemEnabled(game_, static_cast<MenuItem>(m));
    }
    timers_ = {TimerState{k.settling, game_.TickMs}, TimerState{k.autoTicking, game_.TickMs}};
    SendTimer(Timer::Main);
    SendTimer(Timer::Auto);
    if (game_.SymbolsOn != 0) RedrawBoard();
    DrawBoard();
    ShowMoveCount(game_);
    if (k.scoreShown) ShowScore(game_);
    cursor_.MoveTo(k.cursor);
    if (k.cursor != 0) ShowCursor(k.cursor);
}

void WebPage::Keep() {
    if (ended_ || !furnished_) return;
    KeptGame k{game_, rnd_.state(), timers_[0].on, timers_[1].on, scoreShown_, cursor_.cell()};
    std::string text = WriteKeptGame(k);
    if (text == kept_) return;
    kept_ = std::move(text);
    page_keep(kept_.c_str());
}

void WebPage::Furnish() {
    if (furnished_) return;
    furnished_ = true;
    SendMenus();
    page_name_board(Translate("Board", kBoardName).c_str());
    for (Int i = 1; i <= kCells; ++i) page_name_cell(i, CellName(i).c_str());
    Keep();
}

// Each entry with its item's mark and state as they stand.
void WebPage::SendMenus() {
    const auto entries = MenuEntries();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const MenuEntry& e = entries[k];
        const int kind = OpensMenu(entries, k) ? kOpensMenu : IsSeparator(e) ? kSeparator : kCommand;
        const std::string caption = kind == kSeparator ? std::string() : Translate("Menu", e.caption);
        page_add_menu_entry(static_cast<int>(k), e.level, kind, caption.c_str(), e.functionKey, e.item.has_value(),
                            e.item && checked_[Slot(*e.item)]);
        if (e.item && !enabled_[Slot(*e.item)]) page_set_enabled(static_cast<int>(k), false);
    }
}

void WebPage::Press(Int cell, int button) {
    if (ended_) return;
    if (cursor_.cell() != 0) {
        cursor_.Hide();
        ShowCursor(0);
    }
    pointer_.Press(game_, cell, button);
    Keep();
}

void WebPage::Release(Int cellUnderPointer, int button) {
    if (ended_) return;
    pointer_.Release(game_, cellUnderPointer, button);
    Keep();
}

void WebPage::Tick(Timer t) {
    // A tick already queued when its timer stopped is dropped.
    if (ended_ || !timers_[Slot(t)].on) return;
    if (t == Timer::Main) {
        tmrMain_Timer(game_);
    } else {
        tmrAuto_Timer(game_);
    }
    Keep();
}

void WebPage::Menu(int index) {
    const auto entries = MenuEntries();
    if (ended_ || index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
    const MenuEntry& e = entries[static_cast<std::size_t>(index)];
    if (e.item && !enabled_[Slot(*e.item)]) return;
    RunMenuCommand(game_, e);
    Keep();
}

void WebPage::Key(BoardCursor::Key k) {
    if (ended_) return;
    switch (cursor_.Press(k, game_.FirstCell)) {
        case BoardCursor::Action::Moved: ShowCursor(cursor_.cell()); break;
        case BoardCursor::Action::Click: ClickIfAllowed(game_, cursor_.cell()); break;
        case BoardCursor::Action::None: break;
    }
    Keep();
}

void WebPage::End() {
    if (ended_) return;
    SetTimerEnabled(Timer::Main, false);
    SetTimerEnabled(Timer::Auto, false);
    ended_ = true;
    page_ended(Translate("Web", kEndedText).c_str());
}

void WebPage::ShowCursor(Int cell) { page_show_cursor(cell); }

void WebPage::SendTimer(Timer t) {
    const TimerState& s = timers_[Slot(t)];
    page_set_timer(static_cast<int>(Slot(t)), s.on, s.ms);
}

void WebPage::SetTimerEnabled(Timer t, bool on) {
    if (timers_[Slot(t)].on == on) return;  // a running timer keeps its rhythm
    timers_[Slot(t)].on = on;
    SendTimer(t);
}

bool WebPage::TimerEnabled(Timer t) const { return timers_[Slot(t)].on; }

void WebPage::SetTimerInterval(Timer t, int ms) {
    timers_[Slot(t)].ms = ms;
    SendTimer(t);
}

void WebPage::SetLabel(Label l, std::string_view utf8) {
    if (l == Label::Exp) scoreShown_ = true;
    page_set_label(l == Label::Steps ? 0 : 1, std::string(utf8).c_str());
}

void WebPage::SetMenuChecked(MenuItem m, bool checked) {
    checked_[Slot(m)] = checked;
    if (furnished_) page_set_checked(entryOf_[Slot(m)], checked);
}

void WebPage::SetMenuEnabled(MenuItem m, bool enabled) {
    enabled_[Slot(m)] = enabled;
    if (furnished_) page_set_enabled(entryOf_[Slot(m)], enabled);
}

// The page is handed every cell's picture at once and paints those that
// changed. A cell's name changes with its picture.
void WebPage::DrawBoard() {
    const int changed = UpdateShownPictures(game_, [this](Int i, Int) {
        if (furnished_) page_name_cell(i, CellName(i).c_str());
    });
    if (changed > 0) page_draw_board(game_.ShownPicture.data());
}

// The other sheet of pictures, which the page paints every cell from; the
// names stay.
void WebPage::RedrawBoard() { page_set_symbols(game_.SymbolsOn != 0); }

std::string WebPage::CellName(Int i) {
    const CellWords w = CellNameWords(game_, i);
    std::string name;
    for (std::size_t k = 0; k < w.count; ++k) {
        if (k > 0) name += kCellWordSeparator;
        auto [word, fresh] = cellWords_.try_emplace(w.words[k]);
        if (fresh) word->second = Translate("Board", w.words[k]);
        name += word->second;
    }
    return name;
}

}  // namespace zorbel::web
