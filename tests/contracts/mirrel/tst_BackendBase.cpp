#include "BackendBase.h"

#include <QSignalSpy>
#include <QTest>

namespace {

class VersionedBackend : public BackendBase
{
    Q_OBJECT
public:
    QString appVersion() const override { return QStringLiteral("2.1.2"); }
    void failLoudly(const QString &text) { emit errorPlainText(text); }
};

} // namespace

class tst_BackendBase : public QObject
{
    Q_OBJECT
private slots:
    void initialState_disconnectedNoProgressNoError();
    void setters_storeAndSignalOnlyOnChange();
    void errors_reportedOrEmitted_recordLastText();
    void appVersionAndErrorText_readOnlyForPages();
};

void tst_BackendBase::initialState_disconnectedNoProgressNoError()
{
    BackendBase backend;
    QVERIFY(!backend.connected());
    QCOMPARE(backend.progressMax(), 100);
    QCOMPARE(backend.progressValue(), -1);
    QVERIFY(!backend.showProgressbar());
    QVERIFY(backend.errorText().isEmpty());
    QVERIFY(backend.appVersion().isEmpty());
}

void tst_BackendBase::setters_storeAndSignalOnlyOnChange()
{
    BackendBase backend;
    QSignalSpy connected(&backend, &BackendBase::connectedChanged);
    QSignalSpy max(&backend, &BackendBase::progressMaxChanged);
    QSignalSpy value(&backend, &BackendBase::progressValueChanged);
    QSignalSpy bar(&backend, &BackendBase::showProgressbarChanged);

    backend.setConnected(false);
    backend.setProgressMax(100);
    backend.setProgressValue(-1);
    backend.setShowProgressbar(false);
    QCOMPARE(connected.count() + max.count() + value.count() + bar.count(), 0);

    backend.setConnected(true);
    backend.setConnected(true);
    backend.setProgressMax(18);
    backend.setProgressMax(18);
    backend.setProgressValue(0);
    backend.setProgressValue(5);
    backend.setProgressValue(5);
    backend.setShowProgressbar(true);
    backend.setShowProgressbar(true);

    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.first().first().toBool(), true);
    QCOMPARE(max.count(), 1);
    QCOMPARE(max.first().first().toInt(), 18);
    QCOMPARE(value.count(), 2);
    QCOMPARE(value.last().first().toInt(), 5);
    QCOMPARE(bar.count(), 1);
    QVERIFY(backend.connected() && backend.showProgressbar());
    QCOMPARE(backend.progressMax(), 18);
    QCOMPARE(backend.progressValue(), 5);
}

void tst_BackendBase::errors_reportedOrEmitted_recordLastText()
{
    VersionedBackend backend;
    QSignalSpy plain(&backend, &BackendBase::errorPlainText);
    QSignalSpy text(&backend, &BackendBase::errorTextChanged);
    QSignalSpy info(&backend, &BackendBase::infoPlainText);

    backend.reportError(QStringLiteral("Port belegt"));
    QCOMPARE(plain.count(), 1);
    QCOMPARE(plain.first().first().toString(), QStringLiteral("Port belegt"));
    QCOMPARE(backend.errorText(), QStringLiteral("Port belegt"));
    QCOMPARE(text.count(), 1);

    // Emitted directly by a subclass: recorded all the same.
    backend.failLoudly(QStringLiteral("Gerät antwortet nicht"));
    QCOMPARE(backend.errorText(), QStringLiteral("Gerät antwortet nicht"));
    QCOMPARE(backend.property("errorText").toString(), QStringLiteral("Gerät antwortet nicht"));

    // The same error again still reaches the error list, but the text does not change.
    backend.reportError(QStringLiteral("Gerät antwortet nicht"));
    QCOMPARE(plain.count(), 3);
    QCOMPARE(text.count(), 2);

    emit backend.infoPlainText(QStringLiteral("Gespeichert"));
    QCOMPARE(info.count(), 1);
    QCOMPARE(backend.errorText(), QStringLiteral("Gerät antwortet nicht"));
}

void tst_BackendBase::appVersionAndErrorText_readOnlyForPages()
{
    VersionedBackend backend;
    QCOMPARE(backend.property("appVersion").toString(), QStringLiteral("2.1.2"));
    // Neither is the pages' to set.
    QVERIFY(!backend.setProperty("appVersion", QStringLiteral("9")));
    QVERIFY(!backend.setProperty("errorText", QStringLiteral("x")));
    const QMetaObject *meta = backend.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty("appVersion"));
    QVERIFY(property.isConstant());
}

QTEST_GUILESS_MAIN(tst_BackendBase)
#include "tst_BackendBase.moc"
