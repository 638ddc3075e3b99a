#include "ui/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace zorbel::ui {

bool SingleInstance::Acquire() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Qt makes a private per-user folder when the session has none; only if
    // even that fails does the lock go to the home folder, never to /tmp.
    if (dir.isEmpty()) dir = QDir::homePath();
    lock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/zorbel.lock"));
    lock_->setStaleLockTime(0);  // stale only when its owner has died, never by age
    return lock_->tryLock(0);
}

}  // namespace zorbel::ui
