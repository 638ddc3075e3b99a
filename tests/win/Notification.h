// GoogleTest's Windows port builds its Notification on std::mutex and
// std::condition_variable, which MinGW's default (win32) thread model does not
// have. This one, on an atomic flag, takes its place; it is forced into
// GoogleTest and the suites by the build, before any of GoogleTest's headers.
// Only GoogleTest's own thread tests wait on it, so a polling wait will do,
// and windows.h, with all its macros, stays out of the suites.
#pragma once
#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() {
        notified_.store(true);
    }
    void WaitForNotification() {
        while (!notified_.load()) Sleep(kPollMs);
    }

private:
    static constexpr unsigned long kPollMs = 1;
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
