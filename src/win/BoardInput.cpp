// The board window's messages: painting, the mouse, the keyboard cursor and
// screen readers' requests.
#include <windowsx.h>

#include "win/BoardTable.h"
#include "win/BoardView.h"
#include "win/Oleacc.h"

namespace zorbel::win {

void BoardView::Press(int button, LPARAM at) {
    if (const Int shown = cursor_.cell(); shown != 0) {
        cursor_.Hide();
        const RECT r = CellRect(shown);
        InvalidateRect(hwnd_, &r, FALSE);
    }
    SetFocus(hwnd_);
    // The press keeps the mouse until every button is up, so a release
    // anywhere comes here; off the grid it names no cell.
    if (buttonsDown_ == 0) SetCapture(hwnd_);
    buttonsDown_ |= 1u << button;
    events_.CellPressed(CellAt(GET_X_LPARAM(at), GET_Y_LPARAM(at)), button);
}

void BoardView::Release(int button, LPARAM at) {
    buttonsDown_ &= ~(1u << button);
    if (buttonsDown_ == 0) ReleaseCapture();
    events_.CellReleased(CellAt(GET_X_LPARAM(at), GET_Y_LPARAM(at)), button);
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
        case BoardCursor::Action::Moved: {
            for (const Int cell : {from, cursor_.cell()}) {
                if (cell == 0) continue;
                const RECT r = CellRect(cell);
                InvalidateRect(hwnd_, &r, FALSE);
            }
            Announce(EVENT_OBJECT_FOCUS, cursor_.cell());
            break;
        }
        case BoardCursor::Action::Click: events_.CellClicked(cursor_.cell()); break;
        case BoardCursor::Action::None: break;
    }
    return true;
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
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The cursor's cell gains or loses the focus with the board.
            if (cursor_.cell() == 0) return 0;
            Announce(message == WM_SETFOCUS ? EVENT_OBJECT_FOCUS : EVENT_OBJECT_STATECHANGE, cursor_.cell());
            return 0;
        case WM_GETOBJECT:
            if (static_cast<DWORD>(l) == static_cast<DWORD>(OBJID_CLIENT)) {
                if (table_ == nullptr) table_ = new BoardTable(*this);
                return ResultFromObject(__uuidof(IAccessible), w, table_);
            }
            break;
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
