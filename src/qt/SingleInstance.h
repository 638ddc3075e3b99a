#pragma once
// Only one copy of the game runs per user. The first copy holds a kernel
// lock on a file in a folder that belongs to the user alone; the kernel drops
// it when the process dies, however it dies, so no lock is ever left stale.
// A second copy asks the first to bring its window forward and leaves.
#include <QByteArray>
#include <QObject>
#include <memory>
#include <string>

class QSocketNotifier;

namespace zorbel::ui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,      // this copy holds the lock
        Second,     // another copy holds it
        Unguarded,  // no lock can be had here; the game runs without one
    };

    SingleInstance();
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Plain system calls, safe before the application object exists. On
    // Unguarded, Problem() says why.
    Outcome Acquire();
    const std::string& Problem() const { return problem_; }
    // Second copy: a request to the running copy to show its window.
    void AskFirstCopyToShow() const;
    // First copy, once the event loop exists: requests that arrive, even
    // ones sent while the game was still starting, raise showRequested.
    void ListenForRequests();

signals:
    // `activationToken` is the second copy's Wayland activation token, or empty.
    void showRequested(const QByteArray& activationToken);

private:
    void DrainDoorbell();

    std::string folder_;
    std::string problem_;
    int lockFd_ = -1;
    int doorbellFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zorbel::ui
