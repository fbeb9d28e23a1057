#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {
const QRgb SquareRgb = qRgb(0x86, 0x76, 0x84);
const int PaletteAlpha[9] = {0x33, 0x66, 0x99, 0xcc, 0xff, 0xcc, 0x99, 0x66, 0x33};
constexpr int SquareCount = 8;

// Centre pixel of square n, from the row's geometry on the page.
QPoint squareCentre(const QSize &size, int n)
{
    const qreal s = size.height() / 23.0;
    const qreal x = size.width() / 2.0 + (2 * n - 7) * s;
    const qreal y = size.height() - 6 * s;
    return QPoint(int(x + s / 2), int(y + s / 2));
}

// The square's colour at the given alpha laid over the background pixel.
QRgb blended(QRgb background, int alpha)
{
    const auto mix = [alpha](int fg, int bg) { return (fg * alpha + bg * (255 - alpha)) / 255.0; };
    return qRgb(qRound(mix(qRed(SquareRgb), qRed(background))), qRound(mix(qGreen(SquareRgb), qGreen(background))),
                qRound(mix(qBlue(SquareRgb), qBlue(background))));
}

bool near(QRgb a, QRgb b, int tolerance = 4)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
        qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}
} // namespace

class tst_ZoSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void page_showsLogo_screenshotSaved();
    void animationPhase_eachSquareDrawsItsPaletteEntry_data();
    void animationPhase_eachSquareDrawsItsPaletteEntry();
    void animationPhaseFive_noSquareIsOpaque();
    void timer_advancesIndexAndWrapsAfterEight();

private:
    QImage paintPhase(int index);

    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow *m_window = nullptr;
    QQuickItem *m_canvas = nullptr;
    QObject *m_timer = nullptr;
    QImage m_background;
};

void tst_ZoSplash::initTestCase()
{
    QStringList warnings;
    m_engine = std::make_unique<QQmlApplicationEngine>();
    const auto collect =
        connect(m_engine.get(), &QQmlApplicationEngine::warnings, this, [&warnings](const QList<QQmlError> &errors) {
            for (const QQmlError &e : errors)
                warnings << e.toString();
        });
    m_engine->load(QUrl(QStringLiteral("qrc:/ZoSplash.qml")));
    disconnect(collect);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    QCOMPARE(m_engine->rootObjects().size(), 1);

    m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().first());
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_canvas = m_window->findChild<QQuickItem *>(QStringLiteral("zoSplashBusy"));
    m_timer = m_window->findChild<QObject *>(QStringLiteral("zoSplashBusyTimer"));
    QVERIFY(m_canvas);
    QVERIFY(m_timer);

    // Freeze the animation so each phase can be painted on demand.
    m_timer->setProperty("running", false);
    m_canvas->setVisible(false);
    m_background = m_window->grabWindow();
    m_canvas->setVisible(true);
    QVERIFY(!m_background.isNull());
}

void tst_ZoSplash::cleanupTestCase()
{
    m_engine.reset();
}

QImage tst_ZoSplash::paintPhase(int index)
{
    QSignalSpy painted(m_canvas, SIGNAL(painted()));
    // Step through a different phase first so the index really changes and repaints.
    m_canvas->setProperty("index", (index + 1) % 9);
    m_canvas->setProperty("index", index);
    if (!painted.wait(10000) && painted.isEmpty())
        return {};
    return m_window->grabWindow();
}

void tst_ZoSplash::page_showsLogo_screenshotSaved()
{
    auto *logo = m_window->findChild<QQuickItem *>(QStringLiteral("zoSplashLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->property("status").toInt(), 1); // Image.Ready

    const QImage shot = paintPhase(4);
    QVERIFY(!shot.isNull());
    const QString dir = qEnvironmentVariable("ORVANE_BUILD_DIR", QDir::tempPath()) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    QVERIFY(shot.save(dir + QStringLiteral("/ZoSplash.png")));
}

void tst_ZoSplash::animationPhase_eachSquareDrawsItsPaletteEntry_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < 9; ++index)
        QTest::addRow("index %d", index) << index;
}

void tst_ZoSplash::animationPhase_eachSquareDrawsItsPaletteEntry()
{
    QFETCH(int, index);
    const QImage shot = paintPhase(index);
    QVERIFY(!shot.isNull());
    QCOMPARE(shot.size(), m_background.size());

    for (int n = 0; n < SquareCount; ++n) {
        const QPoint at = squareCentre(shot.size(), n);
        const QRgb expected = blended(m_background.pixel(at), PaletteAlpha[(index + n) % 9]);
        const QRgb actual = shot.pixel(at);
        QVERIFY2(near(actual, expected),
                 qPrintable(QStringLiteral("square %1: %2, expected %3")
                                .arg(n)
                                .arg(QColor(actual).name(), QColor(expected).name())));
    }
}

void tst_ZoSplash::animationPhaseFive_noSquareIsOpaque()
{
    const QImage shot = paintPhase(5);
    QVERIFY(!shot.isNull());
    for (int n = 0; n < SquareCount; ++n) {
        const QRgb actual = shot.pixel(squareCentre(shot.size(), n));
        QVERIFY2(!near(actual, SquareRgb, 2), qPrintable(QStringLiteral("square %1 drawn opaque").arg(n)));
        // Still drawn: every square darkens the light background.
        QVERIFY(qGray(actual) < qGray(m_background.pixel(squareCentre(shot.size(), n))));
    }
}

void tst_ZoSplash::timer_advancesIndexAndWrapsAfterEight()
{
    m_canvas->setProperty("index", 7);
    QSignalSpy indexChanged(m_canvas, SIGNAL(indexChanged()));
    QSignalSpy painted(m_canvas, SIGNAL(painted()));
    QCOMPARE(m_timer->property("interval").toInt(), 90);
    m_timer->setProperty("running", true);

    QTRY_VERIFY_WITH_TIMEOUT(indexChanged.size() >= 3, 10000);
    m_timer->setProperty("running", false);
    // Every phase change leads to a new painting of the row.
    QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), 10000);

    const int steps = indexChanged.size();
    QCOMPARE(m_canvas->property("index").toInt(), (7 + steps) % 9);
    QVERIFY(m_canvas->property("index").toInt() < 9);
}

QTEST_MAIN(tst_ZoSplash)
#include "tst_ZoSplash.moc"
