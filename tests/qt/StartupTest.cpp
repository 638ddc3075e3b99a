// Starting the real program: only one copy runs per user, a first copy
// always starts whatever it finds in its folders, and a missing display ends
// it with one plain line. Each case starts real processes in private
// runtime and temporary folders.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "qt/SingleInstance.h"

using zorbel::ui::SingleInstance;

namespace {

constexpr int kStartMs = 10000;
constexpr int kAtOnceMs = 5000;
constexpr uid_t kNobody = 65534;

bool IsRoot() { return geteuid() == 0; }

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root_;
    std::vector<std::unique_ptr<QProcess>> started_;

    QString Runtime() const { return root_->filePath(QStringLiteral("runtime")); }
    QString Tmp() const { return root_->filePath(QStringLiteral("tmp")); }
    // The folder the game makes for itself when the runtime folder will not do.
    QString Fallback() const { return Tmp() + QStringLiteral("/zorbel-%1").arg(geteuid()); }
    static QString LockIn(const QString& folder) { return folder + QStringLiteral("/zorbel.lock"); }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Runtime());
        env.insert(QStringLiteral("TMPDIR"), Tmp());
        return env;
    }

    QProcess* Launch(const QProcessEnvironment& env) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(ZORBEL_BINARY), {});
        if (!p->waitForStarted(kAtOnceMs)) return nullptr;
        started_.push_back(std::move(p));
        return started_.back().get();
    }
    QProcess* Launch() { return Launch(Environment()); }

    // True when the process is still running after the given time.
    static bool KeepsRunning(QProcess* p, int ms) { return !p->waitForFinished(ms) && p->state() == QProcess::Running; }

    // Waits until `p` has written its number into the lock in `folder`, so
    // that a later start really meets a running copy.
    static bool WaitForLock(const QString& folder, const QProcess* p) {
        const QByteArray owner = QByteArray::number(p->processId()) + '\n';
        return QTest::qWaitFor(
            [&] {
                QFile f(LockIn(folder));
                return f.open(QIODevice::ReadOnly) && f.readAll() == owner;
            },
            kStartMs);
    }

    // Starts a first copy that must come up and hold its lock in `folder`.
    QProcess* StartFirst(const QString& folder) {
        QProcess* first = Launch();
        if (first == nullptr || !WaitForLock(folder, first) || first->state() != QProcess::Running) return nullptr;
        return first;
    }

    static void ExpectsQuietExit(QProcess* p) {
        QVERIFY(p != nullptr);
        QVERIFY2(p->waitForFinished(kAtOnceMs), "a second copy must end at once");
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(p->readAllStandardOutput().isEmpty());
        QVERIFY(p->readAllStandardError().isEmpty());
    }

    // A lock that works: the next start is refused while `first` runs.
    void ExpectsGuarded(QProcess* first) {
        ExpectsQuietExit(Launch());
        if (QTest::currentTestFailed()) return;
        QVERIFY(KeepsRunning(first, 300));
    }

    static void MakeFolder(const QString& path, QFile::Permissions mode) {
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::setPermissions(path, mode));
    }

    static constexpr QFile::Permissions kPrivate = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

private slots:
    void init() {
        QVERIFY2(QFileInfo::exists(QStringLiteral(ZORBEL_BINARY)), ZORBEL_BINARY);
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        QVERIFY(QFile::setPermissions(root_->path(), kPrivate | QFile::ReadOther | QFile::ExeOther));
        MakeFolder(Runtime(), kPrivate);
        MakeFolder(Tmp(), kPrivate);
    }
    void cleanup() {
        for (auto& p : started_) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kAtOnceMs);
            }
        }
        started_.clear();
        // Folders handed to another user or made read-only are taken back
        // so that they can be removed.
        for (const QString& f : {Runtime(), Tmp()}) {
            if (IsRoot()) QVERIFY(chown(QFile::encodeName(f).constData(), 0, 0) == 0 || !QFileInfo::exists(f));
            QFile::setPermissions(f, kPrivate);
        }
        root_.reset();
    }

    // ---- One copy at a time -----------------------------------------------

    void secondCopyEndsFirstKeepsRunning() {
        QProcess* first = StartFirst(Runtime());
        QVERIFY2(first != nullptr, "the lock belongs in XDG_RUNTIME_DIR");
        ExpectsGuarded(first);
        if (QTest::currentTestFailed()) return;
        // The check comes before any window: a second copy needs no display.
        QProcessEnvironment bare = Environment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) bare.remove(QString::fromLatin1(name));
        ExpectsQuietExit(Launch(bare));
        if (QTest::currentTestFailed()) return;
        QVERIFY(KeepsRunning(first, 300));
    }

    // A copy killed outright leaves its lock file behind; the next start
    // must see that its owner is gone and run.
    void staleLockOfKilledCopyDoesNotBlock() {
        QProcess* first = StartFirst(Runtime());
        QVERIFY(first != nullptr);
        first->kill();
        QVERIFY(first->waitForFinished(kAtOnceMs));
        QCOMPARE(first->exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(LockIn(Runtime())));

        QProcess* next = Launch();
        QVERIFY(next != nullptr);
        QVERIFY2(KeepsRunning(next, 1500), "a stale lock must not stop the game");
        ExpectsGuarded(next);
    }

    // Whatever a lock file holds says nothing about who runs: a kill between
    // making and writing it, rubbish, another host's owner, or a folder of
    // that name. None may keep the game from starting, and the lock still
    // works afterwards.
    void unreadableLockFilesDoNotBlock_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder");
        QTest::newRow("empty") << QByteArray() << false;
        static constexpr char kRubbish[] = "\x01\xff\x7f zorbel?\n\n\x00\x13";
        QTest::newRow("rubbish") << QByteArray(kRubbish, sizeof kRubbish - 1) << false;
        QTest::newRow("another host") << QByteArray("4242\nzorbel\nsome-other-host\n") << false;
        QTest::newRow("a folder") << QByteArray() << true;
    }
    void unreadableLockFilesDoNotBlock() {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        if (folder) {
            MakeFolder(LockIn(Runtime()), kPrivate);
        } else {
            QFile f(LockIn(Runtime()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(content), content.size());
        }
        // A folder in the way sends the lock to the game's own fallback.
        QProcess* first = StartFirst(folder ? Fallback() : Runtime());
        QVERIFY2(first != nullptr, "the first copy must start and hold a lock");
        ExpectsGuarded(first);
    }

    // ---- Folders that are not the user's alone ----------------------------

    // A runtime folder that is shared, read-only or another user's is passed
    // over for a private folder of the game's own (mode 0700); the first
    // copy starts and the second is still refused.
    void unsuitableRuntimeFolderFallsBack_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("shared like /tmp, with a link planted") << QStringLiteral("shared");
        QTest::newRow("read-only") << QStringLiteral("read-only");
        QTest::newRow("another user's") << QStringLiteral("another user's");
    }
    void unsuitableRuntimeFolderFallsBack() {
        QFETCH(QString, kind);
        const QString bait = root_->filePath(QStringLiteral("bait"));
        if (kind == QLatin1String("shared")) {
            // Another user's trap: the lock's name, linked to a file of ours.
            QVERIFY(QFile(bait).open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(bait, LockIn(Runtime())));
            QCOMPARE(chmod(QFile::encodeName(Runtime()).constData(), 01777), 0);
        } else if (kind == QLatin1String("read-only")) {
            if (IsRoot()) QSKIP("root writes into a folder of mode 0555, so it is not read-only for root");
            QVERIFY(QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        } else {
            if (!IsRoot()) QSKIP("only root can give a folder to another user (nobody)");
            QCOMPARE(chown(QFile::encodeName(Runtime()).constData(), kNobody, kNobody), 0);
        }

        QProcess* first = StartFirst(Fallback());
        QVERIFY2(first != nullptr, "the first copy must start, with its lock in its own folder");
        ExpectsGuarded(first);
        if (QTest::currentTestFailed()) return;
        struct stat st {};
        QCOMPARE(lstat(QFile::encodeName(Fallback()).constData(), &st), 0);
        QVERIFY(S_ISDIR(st.st_mode));
        QCOMPARE(st.st_mode & 07777, 0700u);
        QCOMPARE(st.st_uid, geteuid());
        if (kind == QLatin1String("shared")) {
            QVERIFY2(QFileInfo(LockIn(Runtime())).isSymLink(), "the planted link must be left alone");
            QCOMPARE(QFileInfo(bait).size(), 0);
        } else {
            QVERIFY(!QFileInfo::exists(LockIn(Runtime())));
        }
    }

    // With no private folder anywhere (the runtime folder open to all and
    // the fallback's name taken by a link), the game still starts and says
    // why on stderr; a second copy then starts too.
    void noPrivateFolderStartsAnyway() {
        QCOMPARE(chmod(QFile::encodeName(Runtime()).constData(), 0777), 0);
        const QString elsewhere = root_->filePath(QStringLiteral("elsewhere"));
        MakeFolder(elsewhere, kPrivate);
        QVERIFY(QFile::link(elsewhere, Fallback()));

        QProcess* first = Launch();
        QVERIFY(first != nullptr);
        QVERIFY2(KeepsRunning(first, 1500), "without a lock the game must start all the same");
        const QList<QByteArray> lines = first->readAllStandardError().trimmed().split('\n');
        QVERIFY2(lines.first().startsWith("zorbel: starting without the single-copy lock: "), lines.first().constData());
        QProcess* second = Launch();
        QVERIFY(second != nullptr);
        QVERIFY(KeepsRunning(second, 1000));
        QVERIFY2(QDir(elsewhere).isEmpty(), "nothing may be written through the link");
        QVERIFY(!QFileInfo::exists(LockIn(Runtime())));
    }

    // ---- The second copy asks the first to show itself --------------------

    // The request is a datagram on a socket beside the lock, carrying the
    // second copy's Wayland activation token if it has one. Requests sent
    // before the first copy listens (while it is still starting) are kept;
    // several at once show the window once, with the newest token.
    void secondCopyRingsTheFirst() {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Runtime()));
        SingleInstance first;
        QCOMPARE(first.Acquire(), SingleInstance::Outcome::First);
        SingleInstance second;
        QCOMPARE(second.Acquire(), SingleInstance::Outcome::Second);
        auto knock = [&second](const QByteArray& token) {
            qputenv("XDG_ACTIVATION_TOKEN", token);
            second.AskFirstCopyToShow();
        };
        knock("older-token");
        knock("gnome-shell/Zorbel/4711-0-host_TIME1234");

        QSignalSpy shown(&first, &SingleInstance::showRequested);
        first.ListenForRequests();
        QVERIFY(shown.wait(kAtOnceMs));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.takeFirst().at(0).toByteArray(), QByteArray("gnome-shell/Zorbel/4711-0-host_TIME1234"));

        // Anything that is not a plausible token still shows the window, but
        // is not passed on.
        for (const QByteArray& junk : {QByteArray("two words"), QByteArray("line\nbreak"), QByteArray(300, 'x')}) {
            knock(junk);
            QVERIFY(shown.wait(kAtOnceMs));
            QCOMPARE(shown.takeFirst().at(0).toByteArray(), QByteArray());
        }
        qunsetenv("XDG_ACTIVATION_TOKEN");
    }

    // ---- No display --------------------------------------------------------

    void noDisplayEndsWithOneLine_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("unset") << QString();
        // A display number that no server uses here.
        int n = 4711;
        while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) ++n;
        QTest::newRow("unreachable") << QStringLiteral(":%1").arg(n);
    }
    void noDisplayEndsWithOneLine() {
        QFETCH(QString, display);
        QProcessEnvironment env = Environment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QString::fromLatin1(name));
        if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
        QProcess* p = Launch(env);
        QVERIFY(p != nullptr);
        QVERIFY(p->waitForFinished(kStartMs));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);  // no abort, no core dump
        QCOMPARE(p->exitCode(), 1);
        const QByteArray err = p->readAllStandardError();
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.startsWith("zorbel: cannot open the game window: "), err.constData());
        if (!display.isEmpty()) QVERIFY2(err.contains(display.toUtf8()), err.constData());
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "StartupTest.moc"
