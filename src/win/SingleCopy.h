#pragma once
// One copy of the game per session: the first copy holds a named mutex,
// which Windows frees when the copy ends, however it ends, so nothing is
// ever left stale. A second copy raises the first one's window and leaves.
#include <windows.h>

namespace zorbel::win {

class SingleCopy {
public:
    SingleCopy();
    SingleCopy(const SingleCopy&) = delete;
    SingleCopy& operator=(const SingleCopy&) = delete;
    ~SingleCopy();

    // False when another copy runs. A mutex that cannot be made at all lets
    // the game run: two copies are a smaller harm than none.
    bool first() const { return first_; }
    // Brings the other copy's window forward, waiting a little for it while
    // that copy is still starting.
    static void RaiseFirst();

private:
    HANDLE mutex_ = nullptr;
    bool first_ = true;
};

}  // namespace zorbel::win
