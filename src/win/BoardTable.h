#pragma once
// The board as MSAA gives it to screen readers: the board window's client
// object is a table of 10 row objects (BoardRow) of 15 cells each, the cells
// named by the shared CellName. The cells are also reachable on the table
// itself, by child id kCellChildBase + cell number: that is how the window
// reports the cursor's focus and a cell's new name (NotifyWinEvent).
#include <array>

#include "engine/GameState.h"
#include "win/AccessibleBase.h"

namespace zorbel::win {

class BoardView;
class BoardRow;

constexpr long kCellChildBase = 1000;
inline long CellChildId(Int i) { return kCellChildBase + i; }

class BoardTable final : public AccessibleBase {
public:
    // Starts with one reference, the window's.
    explicit BoardTable(const BoardView& view) : view_(&view) {}
    // When the window goes: a screen reader may hold the table longer and
    // then hears that it is gone.
    void Disconnect();

    // What a row asks about its cells, by cell number 1..150.
    HRESULT CellName(Int i, BSTR* name) const;
    HRESULT CellState(Int i, VARIANT* state) const;
    HRESULT CellLocation(Int i, long* left, long* top, long* width, long* height) const;
    HRESULT RowLocation(Int row, long* left, long* top, long* width, long* height) const;
    Int CellAt(long x, long y) const;  // screen point, 0 off the board
    Int FocusedCell() const;           // the cursor's cell while the board has focus

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override;

private:
    ~BoardTable() override;
    static Int CellOf(long id);  // a cell's child id on the table, else 0
    void PlaceOnScreen(RECT r, long* left, long* top, long* width, long* height) const;

    const BoardView* view_;
    std::array<BoardRow*, kRows + 1> rows_{};  // made when first asked for
};

}  // namespace zorbel::win
