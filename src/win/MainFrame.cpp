// The main window as Windows sees it: its class, its messages and its size
// at each screen density.
#include "win/MainWindow.h"

#include "engine/Engine.h"
#include "win/LabelFont.h"
#include "win/Resources.h"

// Captions are marked for Qt's lupdate, as in the rest of the game.
#define QT_TRANSLATE_NOOP(context, text) text

namespace zorbel::win {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("Window", "Зорбель");

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const COLORREF kBackground = RGB(192, 192, 255);
const COLORREF kLabelBackground = RGB(192, 192, 192);
// Window pixels at 96 DPI, as the Qt window lays them out.
constexpr int kMargin = 5;
constexpr int kLabelTop = 410;
constexpr int kExpLabelLeft = 165;
constexpr int kLabelWidth = 139;
constexpr int kLabelHeight = 19;

}  // namespace

MainWindow::~MainWindow() {
    if (font_ != nullptr) DeleteObject(font_);
    if (labelGround_ != nullptr) DeleteObject(labelGround_);
}

bool MainWindow::Open(int show) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc<MainWindow>;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ZORBEL_ICON));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(kBackground);
    wc.lpszClassName = kWindowClass;
    if (RegisterClassExW(&wc) == 0) return false;
    labelGround_ = CreateSolidBrush(kLabelBackground);

    const std::wstring& title = texts_.Wide("Window", kCaption);
    if (CreateWindowExW(0, kWindowClass, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth,
                        kClientHeight, nullptr, menus_.Build(texts_), instance, this) == nullptr) {
        return false;
    }
    board_.Create(hwnd_);
    for (HWND& label : labelWindows_) {
        label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                                nullptr, instance, nullptr);
    }
    Layout(GetDpiForWindow(hwnd_));
    Form_Load();
    WatchMenuKeys(true);
    ShowWindow(hwnd_, show);
    SetFocus(board_.hwnd());
    return true;
}

// Everything in window pixels of 96 DPI, scaled to the screen's density.
void MainWindow::Layout(UINT dpi) {
    dpi_ = dpi;
    auto scaled = [dpi](int v) { return MulDiv(v, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); };
    board_.Place(dpi, scaled(kMargin), scaled(kMargin));
    HFONT previous = font_;
    font_ = LabelFont(dpi, texts_.language());
    for (std::size_t k = 0; k < labelWindows_.size(); ++k) {
        MoveWindow(labelWindows_[k], scaled(k == 0 ? kMargin : kExpLabelLeft), scaled(kLabelTop), scaled(kLabelWidth),
                   scaled(kLabelHeight), TRUE);
        SendMessageW(labelWindows_[k], WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (previous != nullptr) DeleteObject(previous);  // once no label uses it
    RECT frame{0, 0, scaled(kClientWidth), scaled(kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, 0, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitClient();
}

// A menu bar too wide for the window takes a second line, which the frame
// computed above does not know of; the window grows by what is missing.
void MainWindow::FitClient() {
    RECT client;
    RECT window;
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &window);
    const int dx = MulDiv(kClientWidth, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI) - client.right;
    const int dy = MulDiv(kClientHeight, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI) - client.bottom;
    if (dx == 0 && dy == 0) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + dx, window.bottom - window.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Closing, by any way, ends the game between two ticks: nothing is saved
// and nothing asked.
void MainWindow::Close() {
    SetTimerEnabled(Timer::Main, false);
    SetTimerEnabled(Timer::Auto, false);
    DestroyWindow(hwnd_);
}

LRESULT MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(w) <= 1) Command(LOWORD(w));  // a menu item or its key
            return 0;
        case WM_TIMER:
            // A tick already queued when its timer stopped is dropped.
            if (w == 1 && timers_[0].on) tmrMain_Timer(game_);
            if (w == 2 && timers_[1].on) tmrAuto_Timer(game_);
            return 0;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, kLabelBackground);
            return reinterpret_cast<LRESULT>(labelGround_);
        }
        case WM_SETFOCUS: SetFocus(board_.hwnd()); return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            Layout(HIWORD(w));
            return 0;
        }
        case WM_GETOBJECT: ReaderArrived(); break;
        case WM_CLOSE: Close(); return 0;
        case WM_DESTROY:
            WatchMenuKeys(false);
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}

}  // namespace zorbel::win
