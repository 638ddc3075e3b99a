// Only one copy of the game runs per user. These start the real program in a
// private runtime folder and watch the processes.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

class SingleInstanceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> runtime_;
    std::vector<std::unique_ptr<QProcess>> started_;

    QString LockPath() const { return runtime_->filePath(QStringLiteral("zorbel.lock")); }

    QProcess* Launch() {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_->path());
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(ZORBEL_BINARY), {});
        if (!p->waitForStarted(5000)) return nullptr;
        started_.push_back(std::move(p));
        return started_.back().get();
    }

    // True when the process is still running after the given time.
    static bool KeepsRunning(QProcess* p, int ms) { return !p->waitForFinished(ms) && p->state() == QProcess::Running; }

    // Waits until the first copy holds its lock, so that a second start
    // really meets a running copy.
    bool WaitForLock() {
        return QTest::qWaitFor([this] { return QFileInfo(LockPath()).size() > 0; }, 10000);
    }

    static void ExpectsQuietExit(QProcess* p) {
        QVERIFY(p != nullptr);
        QVERIFY2(p->waitForFinished(5000), "a second copy must end at once");
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(p->readAllStandardOutput().isEmpty());
    }

private slots:
    void init() {
        QVERIFY2(QFileInfo::exists(QStringLiteral(ZORBEL_BINARY)), ZORBEL_BINARY);
        runtime_ = std::make_unique<QTemporaryDir>();
        QVERIFY(runtime_->isValid());
        QVERIFY(QFile::setPermissions(runtime_->path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    }
    void cleanup() {
        for (auto& p : started_) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        started_.clear();
        runtime_.reset();
    }

    void secondCopyEndsFirstKeepsRunning() {
        QProcess* first = Launch();
        QVERIFY(first != nullptr);
        QVERIFY2(WaitForLock(), "the lock belongs in XDG_RUNTIME_DIR");
        QCOMPARE(first->state(), QProcess::Running);

        ExpectsQuietExit(Launch());
        if (QTest::currentTestFailed()) return;
        ExpectsQuietExit(Launch());
        if (QTest::currentTestFailed()) return;
        QVERIFY(KeepsRunning(first, 300));
        QVERIFY(QFileInfo::exists(LockPath()));
    }

    // A copy killed outright leaves its lock file behind; the next start
    // must see that its owner is gone and run.
    void staleLockOfKilledCopyDoesNotBlock() {
        QProcess* first = Launch();
        QVERIFY(first != nullptr);
        QVERIFY(WaitForLock());
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        QCOMPARE(first->exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(LockPath()));

        QProcess* next = Launch();
        QVERIFY(next != nullptr);
        QVERIFY2(KeepsRunning(next, 1500), "a stale lock must not stop the game");
        ExpectsQuietExit(Launch());  // and the new copy holds the lock now
        if (QTest::currentTestFailed()) return;
        QCOMPARE(next->state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
