#include "win/SingleCopy.h"

#include "win/MainWindow.h"

namespace zorbel::win {

namespace {

constexpr wchar_t kMutexName[] = L"Local\\io.github.zorbel.Zorbel";
constexpr DWORD kWaitStepMs = 50;
constexpr int kWaitSteps = 100;  // five seconds for the first copy's window

}  // namespace

SingleCopy::SingleCopy() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
    first_ = mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleCopy::~SingleCopy() {
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

void SingleCopy::RaiseFirst() {
    for (int step = 0; step < kWaitSteps; ++step) {
        if (HWND first = FindWindowW(kWindowClass, nullptr); first != nullptr) {
            if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
            SetForegroundWindow(first);
            // Windows may refuse the foreground to a program just started, and
            // Wine without a window manager does not restack for it: passing
            // through the topmost band lifts the window above the others anyway.
            constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE;
            SetWindowPos(first, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
            SetWindowPos(first, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
            return;
        }
        Sleep(kWaitStepMs);
    }
}

}  // namespace zorbel::win
