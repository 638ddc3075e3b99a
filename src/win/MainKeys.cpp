// The keys that act before any other part of the window sees them: Escape,
// which closes the game at its first press, and the menus' function keys.
#include "win/MainWindow.h"

namespace zorbel::win {

namespace {

// The window whose menu loop the keyboard hook watches; there is one.
MainWindow* hookOwner = nullptr;

// Drop-down menus are windows of this class, in Windows and in Wine alike.
constexpr wchar_t kMenuWindowClass[] = L"#32768";

BOOL CALLBACK FindShownMenu(HWND hwnd, LPARAM found) {
    wchar_t name[8] = L"";
    GetClassNameW(hwnd, name, 8);
    if (lstrcmpW(name, kMenuWindowClass) != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool DropDownShown() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindShownMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

void MainWindow::WatchMenuKeys(bool on) {
    if (menuHook_ != nullptr) UnhookWindowsHookEx(menuHook_);
    menuHook_ = on ? SetWindowsHookExW(WH_MSGFILTER, MenuKeys, nullptr, GetCurrentThreadId()) : nullptr;
    hookOwner = on ? this : nullptr;
}

bool MainWindow::TakeKey(MSG& msg) {
    if (hwnd_ == nullptr || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    // Escape closes the game at its first press, whatever else is held.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && msg.wParam == VK_ESCAPE) {
        Close();
        return true;
    }
    return TranslateAcceleratorW(hwnd_, menus_.accelerators(), &msg) != 0;
}

// After Alt or F10 the menu bar has the keyboard, and would take Escape for
// itself. While no drop-down is open, Escape is the window's.
LRESULT CALLBACK MainWindow::MenuKeys(int code, WPARAM w, LPARAM l) {
    const auto* msg = reinterpret_cast<const MSG*>(l);
    if (code == MSGF_MENU && hookOwner != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE &&
        !DropDownShown()) {
        EndMenu();
        PostMessageW(hookOwner->hwnd_, WM_CLOSE, 0, 0);
        return 1;
    }
    return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace zorbel::win
