#pragma once
// The board as MSAA gives it to screen readers: the board window's client
// object is a table of 10 row objects (BoardRow) of 15 cells each, the cells
// named by the shared CellName. Each row is also an object of the board
// window under an id of its own (RowObjectId), so that the window's events
// name a cell as (row object, column): the very element the table holds.
#include <array>

#include "engine/GameState.h"
#include "win/AccessibleBase.h"

namespace zorbel::win {

class BoardView;
class BoardRow;

constexpr long kRowObjectBase = 1000;
inline long RowObjectId(Int row) { return kRowObjectBase + row; }
// The row of a row object's id, else 0.
inline Int RowOfObject(long id) {
    return id > kRowObjectBase && id <= kRowObjectBase + kRows ? static_cast<Int>(id - kRowObjectBase) : 0;
}

class BoardTable final : public AccessibleBase {
public:
    // Starts with one reference, the window's.
    explicit BoardTable(const BoardView& view) : view_(&view) {}
    // When the window goes: a screen reader may hold the table longer and
    // then hears that it is gone.
    void Disconnect();
    // Row 1..10, made when first asked for; the table keeps it.
    BoardRow* Row(Int row);

    // What a row asks about its cells, by cell number 1..150.
    HRESULT CellName(Int i, BSTR* name) const;
    HRESULT CellDescription(Int i, BSTR* text) const;
    HRESULT CellState(Int i, VARIANT* state) const;
    HRESULT CellLocation(Int i, long* left, long* top, long* width, long* height) const;
    HRESULT RowLocation(Int row, long* left, long* top, long* width, long* height) const;
    Int CellAt(long x, long y) const;  // screen point, 0 off the board
    Int FocusedCell() const;           // the cursor's cell while the board has focus
    Int SelectedCell() const;          // the game's selected cell, 0 if none

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override;

private:
    ~BoardTable() override;
    static bool IsRow(long id) { return id >= 1 && id <= kRows; }
    // The row object holding cell i as a VARIANT; VT_EMPTY and S_FALSE for no cell.
    HRESULT RowHolding(Int i, VARIANT* out);
    void PlaceOnScreen(RECT r, long* left, long* top, long* width, long* height) const;

    const BoardView* view_;
    std::array<BoardRow*, kRows + 1> rows_{};
};

}  // namespace zorbel::win
