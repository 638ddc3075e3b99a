#pragma once
// The game's one window. It holds the game record, implements what the game
// asks of a window with Win32 alone, and hands every event to the game's
// routines, as the Qt window and the web page do.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/Game.h"
#include "play/Play.h"
#include "win/BoardView.h"
#include "win/Colours.h"
#include "win/MenuBar.h"
#include "win/Texts.h"
#include "win/WindowProc.h"

namespace zorbel::win {

inline constexpr wchar_t kWindowClass[] = L"Zorbel";
constexpr int kClientWidth = 611;  // at 96 DPI
constexpr int kClientHeight = 429;

class MainWindow final : public Platform, private BoardEvents {
public:
    MainWindow(const Texts& texts, std::uint64_t seed);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // Builds the window, deals the first game and shows it.
    bool Open(int show);
    // Before a message is dispatched: Escape and the menu keys. True when
    // the message has been dealt with.
    bool TakeKey(MSG& msg);

    void SetTimerEnabled(Timer t, bool on) override;
    bool TimerEnabled(Timer t) const override;
    void SetTimerInterval(Timer t, int ms) override;
    void SetLabel(Label l, std::string_view utf8) override;
    void SetMenuChecked(MenuItem m, bool checked) override;
    void SetMenuEnabled(MenuItem m, bool enabled) override;
    void DrawBoard() override;
    void RedrawBoard() override;

private:
    struct TimerState {
        bool on = false;
        int ms = kDefaultTickMs;
    };

    template <class Owner>
    friend LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK MenuKeys(int code, WPARAM w, LPARAM l);
    void WatchMenuKeys(bool on);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    void Form_Load();
    void Layout(UINT dpi);
    void PlaceChildren(UINT dpi);
    void FitClient();
    void ApplyColours();
    void Command(UINT id);
    void Close();

    void CellPressed(Int cell, int button) override;
    void CellReleased(Int cellUnderPointer, int button) override;
    void CellClicked(Int cell) override;
    void ReaderArrived() override;

    const Texts& texts_;
    TwisterRandom rnd_;
    Game game_;
    std::array<std::string, 4> labelWords_;  // the label texts as UTF-8 for the game
    LabelTexts labels_;
    BoardPointer pointer_;
    BoardView board_;
    MenuBar menus_;
    HWND hwnd_ = nullptr;
    std::array<HWND, 2> labelWindows_{};
    std::array<std::wstring, 2> labelTexts_;
    std::array<HFONT, 2> labelFonts_{};  // a smaller font for a text too long for its label
    bool labelsLive_ = false;
    std::array<TimerState, 2> timers_{};
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HFONT font_ = nullptr;
    Colours colours_ = ChooseColours(false);
    HBRUSH ground_ = nullptr;
    HBRUSH labelGround_ = nullptr;
    HHOOK menuHook_ = nullptr;
};

}  // namespace zorbel::win
