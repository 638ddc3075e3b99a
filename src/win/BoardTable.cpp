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

Int BoardTable::CellOf(long id) {
    return id > kCellChildBase && id <= kCellChildBase + kCells ? static_cast<Int>(id - kCellChildBase) : 0;
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
    if (CellOf(id) != 0) return S_FALSE;  // a simple element of the table
    if (id < 1 || id > kRows) return E_INVALIDARG;
    BoardRow*& row = rows_[static_cast<std::size_t>(id)];
    if (row == nullptr) row = new BoardRow(*this, static_cast<Int>(id));
    row->AddRef();
    *out = row;
    return S_OK;
}

HRESULT BoardTable::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (id != CHILDID_SELF) return CellName(CellOf(id), name);
    const std::wstring& text = view_->BoardName();
    *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
}

HRESULT BoardTable::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) return E_POINTER;
    const long id = ChildOf(child);
    if (id == CHILDID_SELF) {
        SetChild(role, ROLE_SYSTEM_TABLE);
    } else if (CellOf(id) != 0) {
        SetChild(role, ROLE_SYSTEM_CELL);
    } else if (id >= 1 && id <= kRows) {
        SetChild(role, ROLE_SYSTEM_ROW);
    } else {
        return E_INVALIDARG;
    }
    return S_OK;
}

HRESULT BoardTable::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) return E_POINTER;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (CellOf(id) != 0) return CellState(CellOf(id), state);
    SetChild(state, id == CHILDID_SELF ? STATE_SYSTEM_FOCUSABLE | (view_->HasFocus() ? STATE_SYSTEM_FOCUSED : 0) : 0);
    return S_OK;
}

HRESULT BoardTable::get_accFocus(VARIANT* focus) {
    if (focus == nullptr) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (!view_->HasFocus()) return S_FALSE;
    const Int cell = FocusedCell();
    SetChild(focus, cell != 0 ? CellChildId(cell) : CHILDID_SELF);
    return S_OK;
}

HRESULT BoardTable::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const long id = ChildOf(child);
    if (CellOf(id) != 0) return CellLocation(CellOf(id), left, top, width, height);
    if (id >= 1 && id <= kRows) return RowLocation(static_cast<Int>(id), left, top, width, height);
    RECT r;
    GetClientRect(view_->hwnd(), &r);
    PlaceOnScreen(r, left, top, width, height);
    return S_OK;
}

HRESULT BoardTable::accHitTest(long x, long y, VARIANT* hit) {
    if (hit == nullptr) return E_POINTER;
    hit->vt = VT_EMPTY;
    if (view_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const Int cell = CellAt(x, y);
    if (cell == 0) return S_FALSE;
    SetChild(hit, CellChildId(cell));
    return S_OK;
}

}  // namespace zorbel::win
