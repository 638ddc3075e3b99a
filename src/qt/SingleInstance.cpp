#include "qt/SingleInstance.h"

#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace zorbel::ui {

namespace {

constexpr const char* kLockName = "zorbel.lock";
constexpr const char* kDoorbellName = "zorbel.socket";
constexpr std::size_t kMaxTokenLength = 255;

std::string Reason(const std::string& folder, const char* what) { return folder + ": " + what; }
std::string Reason(const std::string& folder) { return Reason(folder, std::strerror(errno)); }

// Where the lock may live: the user's runtime folder (where the session
// says, else where it usually is), then a folder of the game's own in the
// temporary folder. Each is used only if it proves private.
std::vector<std::string> Candidates() {
    const std::string uid = std::to_string(geteuid());
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::vector<std::string> folders{runtime != nullptr && runtime[0] != '\0' ? runtime : "/run/user/" + uid};
    const char* tmp = std::getenv("TMPDIR");
    folders.push_back(std::string(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp") + "/zorbel-" + uid);
    return folders;
}

// Opens `folder` if no one but this user can put, replace or remove files in
// it: a real folder, not a symlink, owned by the user, writable by no one
// else. `ours` is the game's own fallback, whose mode it may tighten; a
// shared folder such as /tmp is refused, so a lock never has a name there
// that another user could take first. Returns -1 with `why` set otherwise.
int OpenPrivateFolder(const std::string& folder, bool ours, std::string& why) {
    if (folder.front() != '/') {
        why = Reason(folder, "not an absolute path");
        return -1;
    }
    if (ours && mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        why = Reason(folder);
        return -1;
    }
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        why = Reason(folder);
        return -1;
    }
    struct stat st {};
    const char* problem = nullptr;
    if (fstat(fd, &st) != 0) {
        problem = std::strerror(errno);
    } else if (st.st_uid != geteuid()) {
        problem = "not owned by this user";
    } else if ((st.st_mode & (ours ? 077 : 022)) != 0 && !(ours && fchmod(fd, 0700) == 0)) {
        problem = "others may write in it";
    }
    if (problem != nullptr) {
        why = Reason(folder, problem);
        close(fd);
        return -1;
    }
    return fd;
}

// The doorbell's socket address beside the lock; false if the folder's
// path is too long for one.
bool DoorbellAddress(const std::string& folder, sockaddr_un& addr) {
    const std::string path = folder + '/' + kDoorbellName;
    if (path.size() >= sizeof addr.sun_path) return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Binds a datagram socket in `folder`, replacing one a killed copy left there.
int BindDoorbell(int folderFd, const std::string& folder) {
    sockaddr_un addr{};
    if (!DoorbellAddress(folder, addr)) return -1;
    struct stat st {};
    if (fstatat(folderFd, kDoorbellName, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISSOCK(st.st_mode))
        unlinkat(folderFd, kDoorbellName, 0);
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
    notifier_.reset();
    if (doorbellFd_ >= 0) {
        unlink((folder_ + '/' + kDoorbellName).c_str());
        close(doorbellFd_);
    }
    // The lock file itself stays: removing it could let a copy that opened
    // it a moment ago and a later copy each lock a different file.
    if (lockFd_ >= 0) close(lockFd_);
}

SingleInstance::Outcome SingleInstance::Acquire() {
    const std::vector<std::string> folders = Candidates();
    std::string problems;
    for (std::size_t k = 0; k < folders.size(); ++k) {
        std::string why;
        const bool ours = k + 1 == folders.size();
        const int dir = OpenPrivateFolder(folders[k], ours, why);
        if (dir >= 0) {
            // O_NOFOLLOW: never write through a link; O_NONBLOCK: never hang
            // on a pipe of that name.
            const int fd = openat(dir, kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
            struct stat st {};
            if (fd < 0) {
                why = Reason(folders[k] + '/' + kLockName);
            } else if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
                why = Reason(folders[k] + '/' + kLockName, "not a file of this user");
            } else if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
                lockFd_ = fd;
                folder_ = folders[k];
                // The owner's number, for people looking; nothing reads it.
                const std::string pid = std::to_string(getpid()) + '\n';
                const bool noted = ftruncate(fd, 0) == 0 && write(fd, pid.data(), pid.size()) > 0;
                static_cast<void>(noted);
                doorbellFd_ = BindDoorbell(dir, folder_);
                close(dir);
                return Outcome::First;
            } else if (errno == EWOULDBLOCK) {
                folder_ = folders[k];
                close(fd);
                close(dir);
                return Outcome::Second;
            } else {
                why = Reason(folders[k] + '/' + kLockName);
            }
            if (fd >= 0) close(fd);
            close(dir);
        }
        problems += (problems.empty() ? "" : "; ") + why;
    }
    problem_ = problems;
    return Outcome::Unguarded;
}

void SingleInstance::AskFirstCopyToShow() const {
    sockaddr_un addr{};
    if (!DoorbellAddress(folder_, addr)) return;
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // On Wayland a window may come forward only with the token the launcher
    // gave to the copy the player just started; it goes along. Never waits:
    // a copy too busy to take the request is simply not asked.
    const char* token = std::getenv("XDG_ACTIVATION_TOKEN");
    const std::string request = token != nullptr ? token : "";
    sendto(fd, request.data(), request.size(), MSG_DONTWAIT | MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&addr),
           sizeof addr);
    close(fd);
}

void SingleInstance::ListenForRequests() {
    if (doorbellFd_ < 0 || notifier_) return;
    notifier_ = std::make_unique<QSocketNotifier>(doorbellFd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::DrainDoorbell);
}

// Any number of knocks at once show the window once. What a knock carries is
// kept only if it looks like an activation token: short printable ASCII.
void SingleInstance::DrainDoorbell() {
    std::array<char, kMaxTokenLength + 1> buffer{};
    bool knocked = false;
    QByteArray token;
    for (ssize_t n; (n = recv(doorbellFd_, buffer.data(), buffer.size(), MSG_DONTWAIT | MSG_TRUNC)) >= 0;) {
        knocked = true;
        const auto length = static_cast<std::size_t>(n);
        const bool printable = std::all_of(buffer.begin(), buffer.begin() + std::min(length, buffer.size()),
                                           [](char c) { return c > ' ' && c < 0x7f; });
        token = length <= kMaxTokenLength && printable ? QByteArray(buffer.data(), n) : QByteArray();
    }
    if (knocked) emit showRequested(token);
}

}  // namespace zorbel::ui
