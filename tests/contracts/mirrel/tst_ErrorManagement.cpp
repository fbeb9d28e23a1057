#include "ErrorManagement.h"

#include <QSignalSpy>
#include <QTest>

class tst_ErrorManagement : public QObject
{
    Q_OBJECT
private slots:
    void addErrorMessage_listedInOrder_popupReadsAndClears();
    void addErrorMessage_emptyOrRepeatedWhileShown_notAddedAgain();
    void flood_listBoundedOldestDropped();
    void fixedSlots_addGermanTexts();
    void updateFileError_cancelAndNoError_silent();
};

void tst_ErrorManagement::addErrorMessage_listedInOrder_popupReadsAndClears()
{
    ErrorManagement errors;
    QSignalSpy changed(&errors, &ErrorManagement::errorMsgChanged);
    errors.addErrorMessage(QStringLiteral("Kein COM-Port ausgewählt!"));
    errors.addErrorMessage(QStringLiteral("Timeout beim Verbindungsversuch!"));
    QCOMPARE(
        errors.errorMsg(),
        (QStringList{QStringLiteral("Kein COM-Port ausgewählt!"), QStringLiteral("Timeout beim Verbindungsversuch!")}));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toStringList().size(), 2);
    QCOMPARE(errors.takeFirst(), QStringLiteral("Kein COM-Port ausgewählt!"));
    QCOMPARE(errors.count(), 1);
    errors.removeAt(5);
    QCOMPARE(errors.count(), 1);
    errors.clearErrors();
    QVERIFY(!errors.hasErrors());
    QCOMPARE(changed.count(), 4);
    errors.clearErrors();
    QCOMPARE(changed.count(), 4);
    QCOMPARE(errors.takeFirst(), QString());
}

void tst_ErrorManagement::addErrorMessage_emptyOrRepeatedWhileShown_notAddedAgain()
{
    ErrorManagement errors;
    errors.addErrorMessage(QString());
    errors.addErrorMessage(QStringLiteral("   "));
    QVERIFY(!errors.hasErrors());
    errors.failedCommunication();
    errors.failedCommunication();
    QCOMPARE(errors.count(), 1);
    // Once the pop-up has cleared it, the same failure is news again.
    errors.clearErrors();
    errors.failedCommunication();
    QCOMPARE(errors.count(), 1);
}

void tst_ErrorManagement::flood_listBoundedOldestDropped()
{
    ErrorManagement errors;
    for (int i = 0; i < ErrorManagement::kMaxMessages + 10; ++i)
        errors.addErrorMessage(QStringLiteral("Fehler %1").arg(i));
    QCOMPARE(errors.count(), ErrorManagement::kMaxMessages);
    QCOMPARE(errors.errorMsg().first(), QStringLiteral("Fehler 10"));
    QCOMPARE(errors.errorMsg().last(), QStringLiteral("Fehler %1").arg(ErrorManagement::kMaxMessages + 9));
}

void tst_ErrorManagement::fixedSlots_addGermanTexts()
{
    ErrorManagement errors;
    errors.bootloaderStart();
    errors.bootloaderFile();
    errors.updateFileError(QNetworkReply::HostNotFoundError);
    errors.updateFileError(QNetworkReply::ContentNotFoundError);
    errors.updateFileError(QNetworkReply::ProtocolFailure);
    QCOMPARE(errors.count(), 5);
    QVERIFY(errors.errorMsg().at(0).contains(QStringLiteral("Bootloader")));
    QVERIFY(errors.errorMsg().at(4).contains(QString::number(int(QNetworkReply::ProtocolFailure))));
}

void tst_ErrorManagement::updateFileError_cancelAndNoError_silent()
{
    ErrorManagement errors;
    QSignalSpy changed(&errors, &ErrorManagement::errorMsgChanged);
    errors.updateFileError(QNetworkReply::NoError);
    errors.updateFileError(QNetworkReply::OperationCanceledError);
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(tst_ErrorManagement)
#include "tst_ErrorManagement.moc"
