#include <QProcess>
#include <QSharedMemory>
#include <QtTest>

namespace {
// The host's side of the contract, written out rather than taken from the launcher.
const auto Marker = QStringLiteral("openByOrvane");
const auto SegmentKey = QStringLiteral("OrvaneSingleInstance");

constexpr int FinishBoundMs = 30000;

QString splashProgram()
{
    const QByteArray buildDir = qgetenv("ORVANE_BUILD_DIR");
    const QString bin = buildDir.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../../bin")
                                           : QString::fromLocal8Bit(buildDir) + QStringLiteral("/bin");
    return QDir(bin).absoluteFilePath(QStringLiteral("Splash"));
}

// A process exit code only keeps its low byte on Unix; read it back as a signed byte.
int signedExitCode(const QProcess &process)
{
    return static_cast<qint8>(process.exitCode() & 0xff);
}

struct Run
{
    QProcess process;

    explicit Run(const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The launcher's diagnostics tell whether the page was shown and what each tick saw.
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orvane.splash.debug=true"));
        process.setProcessEnvironment(env);
        process.start(splashProgram(), arguments);
    }

    ~Run()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(FinishBoundMs);
        }
    }

    QString log() { return QString::fromLocal8Bit(process.readAllStandardError()); }
};
} // namespace

class tst_SplashLauncher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startedWithoutMarkerLast_exitsMinus42WithoutShowing_data();
    void startedWithoutMarkerLast_exitsMinus42WithoutShowing();
    void startedByHost_noSegment_quitsAtFirstTick();
    void startedByHost_segmentHeld_runsUntilSegmentReleased();
};

void tst_SplashLauncher::initTestCase()
{
    QVERIFY2(QFileInfo(splashProgram()).isExecutable(), qPrintable(splashProgram()));

    // A segment left over by a crashed run would keep the splash alive: attaching and
    // detaching as the last user removes it.
    QSharedMemory stale(SegmentKey);
    if (stale.attach())
        stale.detach();
}

void tst_SplashLauncher::startedWithoutMarkerLast_exitsMinus42WithoutShowing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("marker not last") << QStringList{Marker, QStringLiteral("--verbose")};
    QTest::newRow("marker in the middle") << QStringList{QStringLiteral("a"), Marker, QStringLiteral("b")};
    QTest::newRow("marker in other case") << QStringList{QStringLiteral("openbyorvane")};
}

void tst_SplashLauncher::startedWithoutMarkerLast_exitsMinus42WithoutShowing()
{
    QFETCH(QStringList, arguments);

    // With the segment held, a launcher that ignored the marker would keep running.
    QSharedMemory segment(SegmentKey);
    QVERIFY2(segment.create(16), qPrintable(segment.errorString()));

    Run run(arguments);
    QVERIFY(run.process.waitForFinished(FinishBoundMs));
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(signedExitCode(run.process), -42);
    const QString log = run.log();
    QVERIFY2(!log.contains(QLatin1String("Splash page")), qPrintable(log));
    QVERIFY2(!log.contains(QLatin1String("Segment")), qPrintable(log));
}

void tst_SplashLauncher::startedByHost_noSegment_quitsAtFirstTick()
{
    Run run({QStringLiteral("--some-host-option"), Marker});
    QVERIFY(run.process.waitForFinished(FinishBoundMs));
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);

    const QString log = run.log();
    QVERIFY2(log.contains(QLatin1String("Splash page shown")), qPrintable(log));
    QCOMPARE(log.count(QLatin1String(" gone:")), 1);
    QVERIFY2(!log.contains(QLatin1String(" held")), qPrintable(log));
}

void tst_SplashLauncher::startedByHost_segmentHeld_runsUntilSegmentReleased()
{
    auto segment = std::make_unique<QSharedMemory>(SegmentKey);
    QVERIFY2(segment->create(16), qPrintable(segment->errorString()));

    Run run({Marker});
    QVERIFY(run.process.waitForStarted(FinishBoundMs));

    // Several ticks that each find the segment and leave the process running.
    QString log;
    const auto heldTicks = [&] {
        log += run.log();
        return log.count(QLatin1String(" held"));
    };
    QTRY_VERIFY_WITH_TIMEOUT(heldTicks() >= 3, FinishBoundMs);
    QVERIFY2(log.contains(QLatin1String("Splash page shown")), qPrintable(log));
    QCOMPARE(run.process.state(), QProcess::Running);

    // The splash only ever attaches: once the host lets go, the segment must vanish
    // rather than be kept alive by the splash's own attachment.
    segment.reset();
    QVERIFY(run.process.waitForFinished(FinishBoundMs));
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);

    log += run.log();
    QCOMPARE(log.count(QLatin1String(" gone:")), 1);
    QSharedMemory probe(SegmentKey);
    QVERIFY(!probe.attach());
}

QTEST_GUILESS_MAIN(tst_SplashLauncher)
#include "tst_SplashLauncher.moc"
