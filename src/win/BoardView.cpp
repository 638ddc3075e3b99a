#include "win/BoardView.h"

#include <algorithm>

#include "common/CellName.h"
#include "engine/Pictures.h"
#include "win/BoardTable.h"

namespace zorbel::win {

namespace {

constexpr int kFrameBand = 2;  // pixels at 96 DPI, each of the cursor frame's two colours

}  // namespace

BoardView::BoardView(const GameState& state, const Texts& texts, BoardEvents& events)
    : state_(state), texts_(texts), events_(events) {}

BoardView::~BoardView() {
    if (table_ != nullptr) {
        table_->Disconnect();
        table_->Release();
    }
}

HWND BoardView::Create(HWND parent) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc<BoardView>;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kBoardClass;
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(0, kBoardClass, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent, nullptr,
                            instance, this);
    return hwnd_;
}

void BoardView::Place(UINT dpi, int x, int y) {
    dpi_ = dpi;
    sheet_.Prepare(dpi, state_.SymbolsOn != 0);
    MoveWindow(hwnd_, x, y, Edge(kColumns), Edge(kRows), TRUE);
}

void BoardView::SetColours(const Colours& colours) {
    colours_ = colours;
    if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
}

int BoardView::Edge(int cells) const {
    return MulDiv(cells * kPictureSide, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
}

RECT BoardView::CellRect(Int i) const {
    const int column = ColumnOf(i) - 1;
    const int row = RowOf(i) - 1;
    return {Edge(column), Edge(row), Edge(column + 1), Edge(row + 1)};
}

// Each cell owns exactly its own pixels, however the board is scaled.
Int BoardView::CellAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Edge(kColumns) || y >= Edge(kRows)) return 0;
    int column = 0;
    int row = 0;
    while (x >= Edge(column + 1)) ++column;
    while (y >= Edge(row + 1)) ++row;
    return static_cast<Int>(row * kColumns + column + 1);
}

const std::wstring& BoardView::BoardName() const { return texts_.Wide("Board", kBoardName); }

std::wstring BoardView::CellName(Int i) const {
    const CellWords w = CellNameWords(state_, i);
    std::wstring name;
    for (std::size_t k = 0; k < w.count; ++k) {
        if (k > 0) name += Widen(kCellWordSeparator);
        name += texts_.Wide("Board", w.words[k]);
    }
    return name;
}

std::wstring BoardView::CellPlace(Int i) const { return Widen(CellPlaceText(texts_.Utf8("Board", kCellPlace), i)); }

// A cell as the element the table holds: a column of a row object.
void BoardView::Announce(DWORD event, Int i) const {
    NotifyWinEvent(event, hwnd_, RowObjectId(RowOf(i)), ColumnOf(i));
}

void BoardView::InvalidateCell(Int i) {
    if (i == 0) return;
    const RECT r = CellRect(i);
    InvalidateRect(hwnd_, &r, FALSE);
}

// A new name is told only where a screen reader is: on the focused cell and
// on the selected one. A tick may change most of the board.
void BoardView::RepaintCell(Int i) {
    InvalidateCell(i);
    if (i == state_.FirstCell || (i == cursor_.cell() && HasFocus())) Announce(EVENT_OBJECT_NAMECHANGE, i);
}

void BoardView::Drawn() {
    if (state_.FirstCell == selection_) return;
    if (state_.FirstCell != 0) {
        Announce(EVENT_OBJECT_SELECTION, state_.FirstCell);
    } else {
        Announce(EVENT_OBJECT_SELECTIONREMOVE, selection_);
    }
    selection_ = state_.FirstCell;
}

void BoardView::RepaintAll() {
    sheet_.Prepare(dpi_, state_.SymbolsOn != 0);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void BoardView::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    HBRUSH ground = CreateSolidBrush(colours_.ground);
    for (Int i = 1; i <= kCells; ++i) {
        const RECT r = CellRect(i);
        RECT overlap;
        if (!IntersectRect(&overlap, &r, &ps.rcPaint)) continue;
        const Int n = state_.ShownPicture[i];
        if (n >= 1 && n <= kPictures) {
            sheet_.Draw(dc, r, n);
        } else {
            FillRect(dc, &r, ground);  // not drawn yet: shows the window
        }
        if (i == cursor_.cell() && HasFocus()) PaintCursor(dc, r);
    }
    DeleteObject(ground);
    EndPaint(hwnd_, &ps);
}

// Two bands just inside the cell, black and white or the system's highlight
// colours, one of them readable on every ball; each a whole number of
// pixels, so it stays sharp when scaled.
void BoardView::PaintCursor(HDC dc, const RECT& cell) const {
    const int band = std::max(1, MulDiv(kFrameBand, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI));
    RECT ring = cell;
    for (const COLORREF colour : colours_.frame) {
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT sides[] = {{ring.left, ring.top, ring.right, ring.top + band},
                              {ring.left, ring.bottom - band, ring.right, ring.bottom},
                              {ring.left, ring.top, ring.left + band, ring.bottom},
                              {ring.right - band, ring.top, ring.right, ring.bottom}};
        for (const RECT& side : sides) FillRect(dc, &side, brush);
        DeleteObject(brush);
        InflateRect(&ring, -band, -band);
    }
}

}  // namespace zorbel::win
