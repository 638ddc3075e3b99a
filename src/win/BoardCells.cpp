// What the table and its rows tell of single cells and rows: names, places
// on the board, states and places on the screen, all asked of the board window.
#include "win/BoardTable.h"

#include "win/BoardView.h"

namespace zorbel::win {

// A rectangle of the board window's client area, told in screen pixels.
void BoardTable::PlaceOnScreen(RECT r, long* left, long* top, long* width, long* height) const {
    MapWindowPoints(view_->hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    SetLocation(r, left, top, width, height);
}

HRESULT BoardTable::CellName(Int i, BSTR* name) const {
    *name = nullptr;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (i == 0) return E_INVALIDARG;
    const std::wstring text = view_->CellName(i);
    *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
}

// Where the cell lies, as its row and its column: "row 3, column 7".
HRESULT BoardTable::CellDescription(Int i, BSTR* text) const {
    *text = nullptr;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (i == 0) return E_INVALIDARG;
    const std::wstring place = view_->CellPlace(i);
    *text = SysAllocStringLen(place.data(), static_cast<UINT>(place.size()));
    return S_OK;
}

HRESULT BoardTable::CellState(Int i, VARIANT* state) const {
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (i == 0) return E_INVALIDARG;
    long bits = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (SelectedCell() == i) bits |= STATE_SYSTEM_SELECTED;
    if (FocusedCell() == i) bits |= STATE_SYSTEM_FOCUSED;
    SetChild(state, bits);
    return S_OK;
}

HRESULT BoardTable::CellLocation(Int i, long* left, long* top, long* width, long* height) const {
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (i == 0) return E_INVALIDARG;
    PlaceOnScreen(view_->CellRect(i), left, top, width, height);
    return S_OK;
}

HRESULT BoardTable::RowLocation(Int row, long* left, long* top, long* width, long* height) const {
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const Int first = static_cast<Int>((row - 1) * kColumns + 1);
    RECT r = view_->CellRect(first);
    r.right = view_->CellRect(static_cast<Int>(first + kColumns - 1)).right;
    PlaceOnScreen(r, left, top, width, height);
    return S_OK;
}

Int BoardTable::CellAt(long x, long y) const {
    if (view_ == nullptr) return 0;
    POINT p{x, y};
    ScreenToClient(view_->hwnd(), &p);
    return view_->CellAt(p.x, p.y);
}

Int BoardTable::FocusedCell() const { return view_ != nullptr && view_->HasFocus() ? view_->cursorCell() : 0; }
Int BoardTable::SelectedCell() const { return view_ != nullptr ? view_->state().FirstCell : 0; }

}  // namespace zorbel::win
