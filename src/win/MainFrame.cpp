// The main window as Windows sees it: its class, its messages and its size
// at each screen density.
#include "win/MainWindow.h"

#include "common/Language.h"
#include "engine/Engine.h"
#include "win/LabelFit.h"
#include "win/LabelFont.h"
#include "win/Resources.h"

// Captions are marked for Qt's lupdate, as in the rest of the game.
#define QT_TRANSLATE_NOOP(context, text) text

namespace zorbel::win {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("Window", "Зорбель");

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Window pixels at 96 DPI, as the Qt window lays them out.
constexpr int kMargin = 5;
constexpr int kLabelTop = 410;
constexpr int kExpLabelLeft = 165;
constexpr int kLabelWidth = 139;
constexpr int kLabelHeight = 19;

// A language written from right to left mirrors the window: the menu bar
// starts at the right, the menus open leftwards and the labels trade places,
// their texts at their right. The mirror is not inherited: the board keeps
// drawing and hit-testing left to right, and the labels take it themselves.
bool Mirrored(const Texts& texts) { return IsRightToLeft(texts.language()); }

int Scaled(int v, UINT dpi) { return MulDiv(v, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

void Delete(HGDIOBJ object) {
    if (object != nullptr) DeleteObject(object);
}

}  // namespace

MainWindow::~MainWindow() {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(ground_),
                           static_cast<HGDIOBJ>(labelGround_)}) {
        Delete(object);
    }
    for (HFONT fitted : labelFonts_) Delete(fitted);
}

// The game's colours or, with High Contrast on, the system's; everything
// painted again in them.
void MainWindow::ApplyColours() {
    colours_ = ChooseColours(HighContrastOn());
    Delete(ground_);
    Delete(labelGround_);
    ground_ = CreateSolidBrush(colours_.ground);
    labelGround_ = CreateSolidBrush(colours_.labelGround);
    board_.SetColours(colours_);
    if (hwnd_ != nullptr) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool MainWindow::Open(int show) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc<MainWindow>;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ZORBEL_ICON));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;  // no class brush: WM_ERASEBKGND paints the ground
    if (RegisterClassExW(&wc) == 0) return false;
    ApplyColours();

    const std::wstring& title = texts_.Wide("Window", kCaption);
    const DWORD mirror = Mirrored(texts_) ? WS_EX_LAYOUTRTL : 0;
    if (CreateWindowExW(mirror | (mirror != 0 ? WS_EX_NOINHERITLAYOUT : 0), kWindowClass, title.c_str(), kStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth, kClientHeight, nullptr, menus_.Build(texts_),
                        instance, this) == nullptr) {
        return false;
    }
    board_.Create(hwnd_);
    for (HWND& label : labelWindows_) {
        // One line, in the middle of the label: room above it for the marks
        // that Devanagari, Bengali and Georgian set high.
        label = CreateWindowExW(mirror, L"STATIC", L"",
                                WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_CENTERIMAGE, 0, 0, 0, 0,
                                hwnd_, nullptr, instance, nullptr);
    }
    Layout(GetDpiForWindow(hwnd_));
    Form_Load();
    WatchMenuKeys(true);
    ShowWindow(hwnd_, show);
    SetFocus(board_.hwnd());
    return true;
}

// The window sized for its client area at the density, and its contents
// laid out in it.
void MainWindow::Layout(UINT dpi) {
    PlaceChildren(dpi);
    RECT frame{0, 0, Scaled(kClientWidth, dpi), Scaled(kClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, 0, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitClient();
}

// Board and labels in window pixels of 96 DPI, scaled to the screen's
// density; the labels' font made anew, for the density and the system's
// fonts of the moment.
void MainWindow::PlaceChildren(UINT dpi) {
    dpi_ = dpi;
    // A mirrored window counts x from its right edge: the board is put back
    // at its place from the left.
    const int boardLeft = Mirrored(texts_) ? kClientWidth - kMargin - kColumns * kPictureSide : kMargin;
    board_.Place(dpi, Scaled(boardLeft, dpi), Scaled(kMargin, dpi));
    HFONT previous = font_;
    font_ = LabelFont(dpi, texts_.language());
    for (std::size_t k = 0; k < labelWindows_.size(); ++k) {
        MoveWindow(labelWindows_[k], Scaled(k == 0 ? kMargin : kExpLabelLeft, dpi), Scaled(kLabelTop, dpi),
                   Scaled(kLabelWidth, dpi), Scaled(kLabelHeight, dpi), TRUE);
        FitLabel(labelWindows_[k], labelTexts_[k], font_, labelFonts_[k]);
    }
    Delete(previous);  // once no label uses it
}

// A menu bar too wide for the window takes a second line, which the frame
// computed above does not know of; the window grows by what is missing.
void MainWindow::FitClient() {
    RECT client;
    RECT window;
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &window);
    const int dx = Scaled(kClientWidth, dpi_) - client.right;
    const int dy = Scaled(kClientHeight, dpi_) - client.bottom;
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
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(w), &client, ground_);
            return 1;
        }
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, colours_.labelText);
            SetBkColor(dc, colours_.labelGround);
            return reinterpret_cast<LRESULT>(labelGround_);
        }
        case WM_SETFOCUS: SetFocus(board_.hwnd()); return 0;
        // Windows' rectangle for the new density, taken as it is: the
        // contents are laid out first, so that the window is sized once.
        case WM_DPICHANGED: {
            PlaceChildren(HIWORD(w));
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            FitClient();  // only if the menu bar wraps otherwise at the new density
            return 0;
        }
        // High Contrast switched, or another text size: the menu bar's
        // height and the labels' font may have changed with it.
        case WM_SETTINGCHANGE:
            ApplyColours();
            Layout(dpi_);
            return 0;
        case WM_SYSCOLORCHANGE: ApplyColours(); return 0;
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
