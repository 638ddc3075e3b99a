#include "win/BoardRow.h"

namespace zorbel::win {

BoardRow::BoardRow(BoardTable& table, Int row) : table_(table), row_(row) { table_.AddRef(); }
BoardRow::~BoardRow() { table_.Release(); }

Int BoardRow::Cell(const VARIANT& child) const {
    const long column = ChildOf(child);
    return column >= 1 && column <= kColumns ? static_cast<Int>((row_ - 1) * kColumns + column) : 0;
}

HRESULT BoardRow::get_accParent(IDispatch** parent) {
    if (parent == nullptr) return E_POINTER;
    table_.AddRef();
    *parent = &table_;
    return S_OK;
}

HRESULT BoardRow::get_accChildCount(long* count) {
    if (count == nullptr) return E_POINTER;
    *count = kColumns;
    return S_OK;
}

HRESULT BoardRow::get_accChild(VARIANT child, IDispatch** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return Cell(child) != 0 ? S_FALSE : E_INVALIDARG;  // cells are simple elements
}

HRESULT BoardRow::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (ChildOf(child) == CHILDID_SELF) return S_FALSE;
    return table_.CellName(Cell(child), name);
}

HRESULT BoardRow::get_accDescription(VARIANT child, BSTR* text) {
    if (text == nullptr) return E_POINTER;
    *text = nullptr;
    if (ChildOf(child) == CHILDID_SELF) return S_FALSE;
    return table_.CellDescription(Cell(child), text);
}

HRESULT BoardRow::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) return E_POINTER;
    const bool self = ChildOf(child) == CHILDID_SELF;
    if (!self && Cell(child) == 0) return E_INVALIDARG;
    SetChild(role, self ? ROLE_SYSTEM_ROW : ROLE_SYSTEM_CELL);
    return S_OK;
}

HRESULT BoardRow::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) return E_POINTER;
    if (ChildOf(child) != CHILDID_SELF) return table_.CellState(Cell(child), state);
    SetChild(state, 0);
    return S_OK;
}

HRESULT BoardRow::ColumnOfCell(Int i, VARIANT* out) const {
    if (i == 0 || RowOf(i) != row_) {
        out->vt = VT_EMPTY;
        return S_FALSE;
    }
    SetChild(out, ColumnOf(i));
    return S_OK;
}

HRESULT BoardRow::get_accFocus(VARIANT* focus) {
    if (focus == nullptr) return E_POINTER;
    return ColumnOfCell(table_.FocusedCell(), focus);
}

HRESULT BoardRow::get_accSelection(VARIANT* selected) {
    if (selected == nullptr) return E_POINTER;
    return ColumnOfCell(table_.SelectedCell(), selected);
}

HRESULT BoardRow::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    if (ChildOf(child) == CHILDID_SELF) return table_.RowLocation(row_, left, top, width, height);
    return table_.CellLocation(Cell(child), left, top, width, height);
}

HRESULT BoardRow::accHitTest(long x, long y, VARIANT* hit) {
    if (hit == nullptr) return E_POINTER;
    return ColumnOfCell(table_.CellAt(x, y), hit);
}

}  // namespace zorbel::win
