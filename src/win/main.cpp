// Зорбель for Windows: one copy per session, the player's language, and the
// window's message loop.
#include <windows.h>
#include <objbase.h>

#include "engine/Random.h"
#include "win/MainWindow.h"
#include "win/SingleCopy.h"
#include "win/Texts.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    // Every DLL loaded from here on, by the game or by Windows on its
    // behalf, comes from System32, never from the program's own folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    zorbel::win::SingleCopy copy;
    if (!copy.first()) {
        zorbel::win::SingleCopy::RaiseFirst();
        return 0;
    }
    // The manifest says the same; this covers a copy started without it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // Pictures are decoded, and screen readers served, through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    const zorbel::win::Texts texts(zorbel::win::Texts::ChooseForPlayer());
    int status = 1;
    {
        zorbel::win::MainWindow window(texts, zorbel::TimeOfDaySeed());
        if (window.Open(show)) {
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                if (window.TakeKey(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            status = static_cast<int>(msg.wParam);
        }
    }
    CoUninitialize();
    return status;
}
