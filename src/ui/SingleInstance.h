#pragma once
// Only one copy of the game runs per user: the first holds a lock file in
// the user's runtime directory; a lock left by a killed copy is stale and
// taken over, since the process that wrote it is gone.
#include <QLockFile>
#include <memory>

namespace zorbel::ui {

class SingleInstance {
public:
    // True when this is the only running copy; the lock is held until destruction.
    bool Acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace zorbel::ui
