#include "KivScaling.h"

#include <QGuiApplication>
#include <QTest>

class tst_KivScaling : public QObject
{
    Q_OBJECT

private slots:
    void mobileLayout_followsWindowWidthOnDesktop();
};

void tst_KivScaling::mobileLayout_followsWindowWidthOnDesktop()
{
    KivScaling scaling;
    QVERIFY(!scaling.isMobile());
    QVERIFY(scaling.isMobileLayout(420));
    QVERIFY(scaling.isMobileLayout(KivScaling::kMobileMaxWidth - 1));
    QVERIFY(!scaling.isMobileLayout(KivScaling::kMobileMaxWidth));
    QVERIFY(!scaling.isMobileLayout(1280));
    // A window not laid out yet has no width; it must not flash the mobile layout.
    QVERIFY(!scaling.isMobileLayout(0));
}

QTEST_MAIN(tst_KivScaling)
#include "tst_KivScaling.moc"
