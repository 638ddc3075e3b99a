#pragma once
// The window procedure of a window owned by an object: the object is handed
// over at creation (CreateWindowExW's last argument), kept in the window's
// user data, and every message after that goes to its Handle(). Messages
// before WM_NCCREATE, and any after the object let go of the window, get
// the default handling.
#include <windows.h>

namespace zorbel::win {

template <class Owner>
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        created->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self != nullptr && self->hwnd_ == hwnd ? self->Handle(message, w, l) : DefWindowProcW(hwnd, message, w, l);
}

}  // namespace zorbel::win
