#pragma once
// The 150 cells as one child window. It paints the picture numbers the game
// record holds, reports presses, releases and keyboard clicks by cell, keeps
// the keyboard cursor, and answers screen readers; it decides nothing.
#include <windows.h>

#include <string>

#include "common/BoardCursor.h"
#include "engine/GameState.h"
#include "win/BallSheet.h"
#include "win/Colours.h"
#include "win/Texts.h"
#include "win/WindowProc.h"

namespace zorbel::win {

class BoardTable;

// What the board reports to the window that holds the game.
class BoardEvents {
public:
    virtual void CellPressed(Int cell, int button) = 0;
    virtual void CellReleased(Int cellUnderPointer, int button) = 0;
    virtual void CellClicked(Int cell) = 0;  // Space or Enter on the cursor
    virtual void ReaderArrived() = 0;        // a screen reader asked for the board

protected:
    ~BoardEvents() = default;
};

inline constexpr wchar_t kBoardClass[] = L"ZorbelBoard";

class BoardView {
public:
    BoardView(const GameState& state, const Texts& texts, BoardEvents& events);
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;
    ~BoardView();

    HWND Create(HWND parent);
    // Size and pictures for the density; `x`, `y` in the parent's pixels.
    void Place(UINT dpi, int x, int y);
    void SetColours(const Colours& colours);
    void RepaintCell(Int i);  // its picture changed
    void Drawn();             // after a pass that may have changed the selection
    void RepaintAll();        // the look of every cell changed

    HWND hwnd() const { return hwnd_; }
    const GameState& state() const { return state_; }
    Int cursorCell() const { return cursor_.cell(); }
    bool HasFocus() const { return hwnd_ != nullptr && GetFocus() == hwnd_; }
    const std::wstring& BoardName() const;
    std::wstring CellName(Int i) const;
    std::wstring CellPlace(Int i) const;  // its row and column: "row 3, column 7"
    RECT CellRect(Int i) const;           // in the board's own pixels
    Int CellAt(int x, int y) const;       // 0 off the grid

private:
    template <class Owner>
    friend LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    int Edge(int cells) const;  // pixels from the board's edge to a cell edge
    void Paint();
    void PaintCursor(HDC dc, const RECT& cell) const;
    void InvalidateCell(Int i);
    void Press(int button, LPARAM at);
    void Release(int button, LPARAM at);
    bool Key(WPARAM key);
    void MoveCursor(Int cell);  // onto a cell the pointer acted on
    void Focused(bool on);
    LRESULT Object(WPARAM w, LPARAM l);
    void Announce(DWORD event, Int i) const;

    const GameState& state_;
    const Texts& texts_;
    BoardEvents& events_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    Colours colours_ = ChooseColours(false);
    BallSheet sheet_;
    BoardCursor cursor_;
    Int selection_ = 0;  // the selected cell as screen readers were last told
    unsigned buttonsDown_ = 0;
    BoardTable* table_ = nullptr;  // made when a screen reader first asks
};

}  // namespace zorbel::win
