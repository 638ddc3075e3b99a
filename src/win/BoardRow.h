#pragma once
// One row of the board's table: 15 cells as simple elements, child ids
// 1..15 from the left. The board window hands it out on its own as well
// (RowObjectId), for the events that name its cells. The table answers for
// the cells themselves.
#include "win/BoardTable.h"

namespace zorbel::win {

class BoardRow final : public AccessibleBase {
public:
    BoardRow(BoardTable& table, Int row);

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override;

private:
    ~BoardRow() override;
    Int Cell(const VARIANT& child) const;  // column 1..15 as a cell number, else 0
    // Cell i, if it lies in this row, as its column; VT_EMPTY and S_FALSE if not.
    HRESULT ColumnOfCell(Int i, VARIANT* out) const;

    BoardTable& table_;
    Int row_;
};

}  // namespace zorbel::win
