// The Windows yardstick for the game's start-up (compare.sh, under Wine): the
// least a Win32 program with the game's menus and board size has to do,
// built the way zorbel.exe is. 150 plain 40x40 cells are painted in
// WM_PAINT; no game, no timers, no pictures, no single-copy lock.
#include <windows.h>

namespace {

constexpr int kCell = 40;
constexpr int kColumns = 15;
constexpr int kRows = 10;
constexpr int kMargin = 5;
constexpr int kClientWidth = 611;
constexpr int kClientHeight = 429;
constexpr COLORREF kGround = RGB(192, 192, 255);
constexpr COLORREF kColours[] = {RGB(255, 255, 0), RGB(255, 0, 0),   RGB(0, 0, 255),
                                 RGB(0, 255, 0),   RGB(0, 255, 255), RGB(255, 0, 255)};
constexpr int kColourCount = sizeof kColours / sizeof kColours[0];

HMENU Menus() {
    HMENU bar = CreateMenu();
    HMENU game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, 1, L"Новая\tF2");
    AppendMenuW(game, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(game, MF_STRING, 2, L"Подсказка\tF1");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), L"Игра");

    HMENU options = CreatePopupMenu();
    HMENU colours = CreatePopupMenu();
    const wchar_t* counts[] = {L"8 цветов\tF8", L"7 цветов\tF7", L"6 цветов\tF6", L"5 цветов\tF5"};
    for (UINT k = 0; k < 4; ++k) AppendMenuW(colours, MF_STRING, 10 + k, counts[k]);
    AppendMenuW(options, MF_POPUP, reinterpret_cast<UINT_PTR>(colours), L"Количество цветов");
    HMENU speed = CreatePopupMenu();
    const wchar_t* speeds[] = {L"10 раз в сек", L"5 раз в сек", L"4 раза в сек", L"2 раза в сек", L"1 раз в сек"};
    for (UINT k = 0; k < 5; ++k) AppendMenuW(speed, MF_STRING, 20 + k, speeds[k]);
    AppendMenuW(options, MF_POPUP, reinterpret_cast<UINT_PTR>(speed), L"Скорость обновления");
    AppendMenuW(options, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(options, MF_STRING, 30, L"Задействовать активные шарики");
    AppendMenuW(options, MF_STRING, 31, L"Активные шарики каждый ход");
    AppendMenuW(options, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(options, MF_STRING, 32, L"Автоматическая игра");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), L"Настройки");
    return bar;
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH ground = CreateSolidBrush(kGround);
    FillRect(dc, &ps.rcPaint, ground);
    DeleteObject(ground);
    for (int i = 0; i < kColumns * kRows; ++i) {
        const int x = kMargin + (i % kColumns) * kCell;
        const int y = kMargin + (i / kColumns) * kCell;
        const RECT r{x, y, x + kCell, y + kCell};
        HBRUSH b = CreateSolidBrush(kColours[(i * 7 + i / kColumns) % kColourCount]);
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
        case WM_PAINT: Paint(hwnd); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, msg, w, l);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"bare_window";
    RegisterClassExW(&wc);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HMENU menus = Menus();
    RECT r{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&r, style, TRUE);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"bare_window", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                r.right - r.left, r.bottom - r.top, nullptr, menus, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
