// The board window's messages: painting, the mouse, the keyboard cursor and
// screen readers' requests.
#include <windowsx.h>

#include "win/BoardRow.h"
#include "win/BoardTable.h"
#include "win/BoardView.h"
#include "win/Oleacc.h"

namespace zorbel::win {

// The cursor shows whenever the board has the focus, so that a screen
// reader and the player's eyes follow one cell: the pointer takes it along.
void BoardView::MoveCursor(Int cell) {
    const Int from = cursor_.cell();
    if (cell == 0 || cell == from) return;
    cursor_.MoveTo(cell);
    InvalidateCell(from);
    InvalidateCell(cell);
    if (HasFocus()) Announce(EVENT_OBJECT_FOCUS, cell);
}

void BoardView::Press(int button, LPARAM at) {
    const Int cell = CellAt(GET_X_LPARAM(at), GET_Y_LPARAM(at));
    MoveCursor(cell);
    SetFocus(hwnd_);
    // The press keeps the mouse until every button is up, so a release
    // anywhere comes here; off the grid it names no cell.
    if (buttonsDown_ == 0) SetCapture(hwnd_);
    buttonsDown_ |= 1u << button;
    events_.CellPressed(cell, button);
}

void BoardView::Release(int button, LPARAM at) {
    buttonsDown_ &= ~(1u << button);
    if (buttonsDown_ == 0) ReleaseCapture();
    const Int cell = CellAt(GET_X_LPARAM(at), GET_Y_LPARAM(at));
    MoveCursor(cell);
    events_.CellReleased(cell, button);
}

bool BoardView::Key(WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_LWIN) < 0) return false;
    BoardCursor::Key k;
    switch (key) {
        case VK_LEFT: k = BoardCursor::Key::Left; break;
        case VK_RIGHT: k = BoardCursor::Key::Right; break;
        case VK_UP: k = BoardCursor::Key::Up; break;
        case VK_DOWN: k = BoardCursor::Key::Down; break;
        case VK_SPACE:
        case VK_RETURN: k = BoardCursor::Key::Click; break;
        default: return false;
    }
    const Int from = cursor_.cell();
    switch (cursor_.Press(k, state_.FirstCell)) {
        case BoardCursor::Action::Moved:
            if (cursor_.cell() == from) break;  // at the edge
            InvalidateCell(from);
            InvalidateCell(cursor_.cell());
            Announce(EVENT_OBJECT_FOCUS, cursor_.cell());
            break;
        case BoardCursor::Action::Click: events_.CellClicked(cursor_.cell()); break;
        case BoardCursor::Action::None: break;
    }
    return true;
}

// With the focus the cursor's cell shows, on the selected cell or the first
// one when it has no place yet; without it, the frame goes.
void BoardView::Focused(bool on) {
    if (on && cursor_.cell() == 0) cursor_.MoveTo(state_.FirstCell != 0 ? state_.FirstCell : 1);
    const Int cell = cursor_.cell();
    if (cell == 0) return;
    InvalidateCell(cell);
    Announce(on ? EVENT_OBJECT_FOCUS : EVENT_OBJECT_STATECHANGE, cell);
}

// The table for the window's client object, and each row for its own id.
LRESULT BoardView::Object(WPARAM w, LPARAM l) {
    const auto id = static_cast<LONG>(static_cast<DWORD>(l));
    if (id != OBJID_CLIENT && RowOfObject(id) == 0) return DefWindowProcW(hwnd_, WM_GETOBJECT, w, l);
    events_.ReaderArrived();
    if (table_ == nullptr) table_ = new BoardTable(*this);
    IAccessible* object = table_;
    if (id != OBJID_CLIENT) object = table_->Row(RowOfObject(id));
    return ResultFromObject(__uuidof(IAccessible), w, object);
}

LRESULT BoardView::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;  // every pixel is a cell's
        case WM_LBUTTONDOWN: Press(0, l); return 0;
        case WM_RBUTTONDOWN: Press(1, l); return 0;
        case WM_MBUTTONDOWN: Press(2, l); return 0;
        case WM_XBUTTONDOWN: Press(GET_XBUTTON_WPARAM(w) == XBUTTON1 ? 3 : 4, l); return TRUE;
        case WM_LBUTTONUP: Release(0, l); return 0;
        case WM_RBUTTONUP: Release(1, l); return 0;
        case WM_MBUTTONUP: Release(2, l); return 0;
        case WM_XBUTTONUP: Release(GET_XBUTTON_WPARAM(w) == XBUTTON1 ? 3 : 4, l); return TRUE;
        case WM_CAPTURECHANGED: buttonsDown_ = 0; return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (Key(w)) return 0;
            break;
        case WM_SETFOCUS: Focused(true); return 0;
        case WM_KILLFOCUS: Focused(false); return 0;
        case WM_GETOBJECT: return Object(w, l);
        case WM_DESTROY:
            if (table_ != nullptr) {
                table_->Disconnect();
                table_->Release();
                table_ = nullptr;
            }
            hwnd_ = nullptr;
            return 0;
        default: break;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}

}  // namespace zorbel::win
