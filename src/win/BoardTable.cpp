#include "win/BoardTable.h"

#include "win/BoardRow.h"
#include "win/BoardView.h"
#include "win/Oleacc.h"

namespace zorbel::win {

BoardTable::~BoardTable() = default;

void BoardTable::Disconnect() {
    view_ = nullptr;
    for (BoardRow*& row : rows_) {
        if (row != nullptr) row->Release();
        row = nullptr;
    }
}

BoardRow* BoardTable::Row(Int row) {
    if (view_ == nullptr || !IsRow(row)) return nullptr;
    BoardRow*& r = rows_[static_cast<std::size_t>(row)];
    if (r == nullptr) r = new BoardRow(*this, row);
    return r;
}

HRESULT BoardTable::RowHolding(Int i, VARIANT* out) {
    BoardRow* row = i != 0 ? Row(RowOf(i)) : nullptr;
    if (row == nullptr) {
        out->vt = VT_EMPTY;
        return S_FALSE;
    }
    row->AddRef();
    out->vt = VT_DISPATCH;
    out->pdispVal = row;
    return S_OK;
}

HRESULT BoardTable::get_accParent(IDispatch** parent) {
    if (parent == nullptr) return E_POINTER;
    *parent = nullptr;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    return ObjectFromWindow(view_->hwnd(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                            reinterpret_cast<void**>(parent));
}

HRESULT BoardTable::get_accChildCount(long* count) {
    if (count == nullptr) return E_POINTER;
    *count = kRows;
    return S_OK;
}

HRESULT BoardTable::get_accChild(VARIANT child, IDispatch** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (!IsRow(id)) return E_INVALIDARG;
    BoardRow* row = Row(static_cast<Int>(id));
    row->AddRef();
    *out = row;
    return S_OK;
}

// The rows are objects of their own, which answer for themselves.
HRESULT BoardTable::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (IsRow(id)) return S_FALSE;
    if (id != CHILDID_SELF) return E_INVALIDARG;
    const std::wstring& text = view_->BoardName();
    *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
}

HRESULT BoardTable::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) return E_POINTER;
    const long id = ChildOf(child);
    if (id != CHILDID_SELF && !IsRow(id)) return E_INVALIDARG;
    SetChild(role, id == CHILDID_SELF ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_ROW);
    return S_OK;
}

HRESULT BoardTable::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) return E_POINTER;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (id != CHILDID_SELF && !IsRow(id)) return E_INVALIDARG;
    SetChild(state, id == CHILDID_SELF ? STATE_SYSTEM_FOCUSABLE | (view_->HasFocus() ? STATE_SYSTEM_FOCUSED : 0) : 0);
    return S_OK;
}

// The focused cell's row, which tells the cell; the table itself while the
// board has the focus and the cursor no cell.
HRESULT BoardTable::get_accFocus(VARIANT* focus) {
    if (focus == nullptr) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (!view_->HasFocus()) return S_FALSE;
    const Int cell = FocusedCell();
    if (cell == 0) {
        SetChild(focus, CHILDID_SELF);
        return S_OK;
    }
    return RowHolding(cell, focus);
}

HRESULT BoardTable::get_accSelection(VARIANT* selected) {
    if (selected == nullptr) return E_POINTER;
    selected->vt = VT_EMPTY;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    return RowHolding(SelectedCell(), selected);
}

HRESULT BoardTable::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (IsRow(id)) return RowLocation(static_cast<Int>(id), left, top, width, height);
    if (id != CHILDID_SELF) return E_INVALIDARG;
    RECT r;
    GetClientRect(view_->hwnd(), &r);
    PlaceOnScreen(r, left, top, width, height);
    return S_OK;
}

HRESULT BoardTable::accHitTest(long x, long y, VARIANT* hit) {
    if (hit == nullptr) return E_POINTER;
    hit->vt = VT_EMPTY;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    return RowHolding(CellAt(x, y), hit);
}

}  // namespace zorbel::win
