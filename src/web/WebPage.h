#pragma once
// The browser edition's window. It holds the game record, implements what
// the game asks of a window by calling into the page's script, and hands the
// page's events to the game's routines, as the desktop window does with Qt's.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "common/BoardCursor.h"
#include "common/KeptGame.h"
#include "common/MenuTable.h"
#include "engine/Game.h"
#include "play/Play.h"

namespace zorbel::web {

// Another tab holds the game: this one says so and offers to take it over.
void RefuseSecondCopy();
// A file the first board needs did not come: the page says so and offers
// to try again.
void ReportFailedLoad();

class WebPage final : public Platform {
public:
    explicit WebPage(std::uint64_t seed);

    // Sets the title and the defaults and deals the first game, as Form_Load
    // does on the desktop, or takes back the game the tab kept (`kept`, as
    // the page last had it to keep) where it stood; the menus and the cells'
    // names wait for Furnish.
    void Form_Load(std::string_view kept);
    // Sends what the first board does not need: the menus with their marks,
    // and the board's and cells' names for screen readers. From then on
    // changes to them are sent as they happen, and the game is handed to
    // the page to keep after every event that changed it.
    void Furnish();
    void Press(Int cell, int button);
    void Release(Int cellUnderPointer, int button);
    void Tick(Timer t);
    // The command of the menu table's entry `index`, as the item or its
    // shortcut key gives it.
    void Menu(int index);
    void Key(BoardCursor::Key k);
    // Escape: the page cannot close itself, so the game stops for good.
    void End();

    const Game& game() const { return game_; }
    bool ended() const { return ended_; }

    void SetTimerEnabled(Timer t, bool on) override;
    bool TimerEnabled(Timer t) const override;
    void SetTimerInterval(Timer t, int ms) override;
    void SetLabel(Label l, std::string_view utf8) override;
    void SetMenuChecked(MenuItem m, bool checked) override;
    void SetMenuEnabled(MenuItem m, bool enabled) override;
    void DrawBoard() override;
    void RedrawBoard() override;

private:
    static constexpr std::size_t kMenuItems = static_cast<std::size_t>(MenuItem::mnuSymbols) + 1;
    struct TimerState {
        bool on = false;
        int ms = kDefaultTickMs;
    };

    void Resume(const KeptGame& k);
    // Hands the game to the page to keep, if it changed since last time.
    void Keep();
    void SendTimer(Timer t);
    void ShowCursor(Int cell);
    // The cell's name for screen readers, in the player's language.
    std::string CellName(Int i);
    void SendMenus();

    TwisterRandom rnd_;
    Game game_;
    // The label words in the player's language, as UTF-8 for the game.
    std::array<std::string, 4> labelWords_;
    LabelTexts labels_;
    BoardPointer pointer_;
    BoardCursor cursor_;
    std::array<TimerState, 2> timers_{};
    std::array<int, kMenuItems> entryOf_{};  // the table entry of each item
    std::array<bool, kMenuItems> enabled_{};
    std::array<bool, kMenuItems> checked_{};
    bool furnished_ = false;
    bool ended_ = false;
    bool scoreShown_ = false;
    std::string kept_;  // the game as last handed to the page to keep
    std::map<const char*, std::string> cellWords_;  // source text -> its translation
};

}  // namespace zorbel::web
