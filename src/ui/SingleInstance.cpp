#include "ui/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace zorbel::ui {

namespace {

// The session's runtime folder, private to the user. Without one (a bare
// X server, a cron job) the lock goes to /run/user/<uid> if that exists,
// else to the private 0700 folder Qt makes for the user; never to a folder
// that other users share.
QString RuntimeFolder() {
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!session.isEmpty() && QFileInfo(session).isDir()) return session;
    const QString perUser = QStringLiteral("/run/user/%1").arg(getuid());
    if (QFileInfo(perUser).isDir() && QFileInfo(perUser).isWritable()) return perUser;
    const QString qtFallback = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return qtFallback.isEmpty() ? QDir::homePath() : qtFallback;
}

}  // namespace

bool SingleInstance::Acquire() {
    lock_ = std::make_unique<QLockFile>(RuntimeFolder() + QStringLiteral("/zorbel.lock"));
    lock_->setStaleLockTime(0);  // stale only when its owner has died, never by age
    return lock_->tryLock(0);
}

}  // namespace zorbel::ui
