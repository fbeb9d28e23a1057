#include "ErrorManagement.h"
#include "NemtraBackend.h"
#include "NemtraChannelDatablock.h"
#include "NemtraChannelManager.h"
#include "NemtraConnectionManager.h"
#include "NemtraContainerManager.h"
#include "NemtraControlsContainer.h"
#include "NemtraDeviceInformation.h"
#include "NemtraDisplayContainer.h"
#include "NemtraExpertMode.h"
#include "NemtraGatewayContainer.h"
#include "NemtraLedContainer.h"
#include "NemtraLoRaContainer.h"
#include "NemtraTlfContainer.h"
#include "SerialIo.h"
#include "SerialLinkOwner.h"

#include "EmulatorProcess.h"
#include "PtyPair.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kWaitMs = 15000;
constexpr int kLinkTimeoutMs = 300;
constexpr uint kContainerArea = 0xC000;
constexpr uint kChannelArea = 0x8000;

// The ZNT emulator on one end of a pty pair, the real back end on the other.
struct Rig
{
    bool start(const QStringList &emulatorArgs)
    {
        if (!pty.start()) {
            qWarning() << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(),
                            QStringList{QStringLiteral("--parity"), QStringLiteral("none")} + emulatorArgs)) {
            qWarning() << emulator.errorString();
            return false;
        }
        return true;
    }

    void connectDevice() { emit backend.connectToSerial({115200, 0, 8, 1, kLinkTimeoutMs, 1}, pty.appSide()); }

    NemtraConnectionManager *manager() const { return backend.connectionManager(); }
    NemtraContainerManager *containers() const { return backend.containerManager(); }

    PtyPair pty;
    EmulatorProcess emulator{QStringLiteral("znt-emulator")};
    NemtraBackend backend;
};

// Every register a property shows must be the emulator's.
bool matchesDevice(const NemtraBaseContainer *container, const QList<quint16> &device)
{
    for (const NemtraProperty *p : container->properties()) {
        if (p->registers() != device.mid(p->registerIndex(), p->span())) {
            qWarning() << container->metaObject()->className() << "register" << Qt::hex << p->registerIndex()
                       << p->registers() << "device" << device.mid(p->registerIndex(), p->span());
            return false;
        }
    }
    return !container->properties().isEmpty();
}

NemtraProperty *channelProperty(int channel, ushort type, uchar which)
{
    return NemtraChannelManager::instance()->getSpecificProperty(channel, type, which).value<NemtraProperty *>();
}

} // namespace

class tst_NemtraBackendLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connect_identifiesReadsAllAndFillsEveryContainer_data();
    void connect_identifiesReadsAllAndFillsEveryContainer();
    void polling_liveValuesChange_writeReachesDeviceUntilStored();
    void wrongDevice_refusedWithText();
    void emulatorGone_midRead_errorStartStateNoThreadLeft();
};

void tst_NemtraBackendLink::initTestCase()
{
    if (!QFileInfo::exists(EmulatorProcess::programPath(QStringLiteral("znt-emulator"))))
        QSKIP("znt-emulator is not built");
}

void tst_NemtraBackendLink::connect_identifiesReadsAllAndFillsEveryContainer_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("deviceType");
    QTest::newRow("F3") << QStringLiteral("F3") << int(NemtraDeviceInformation::Ferox3ZNT);
    QTest::newRow("VTX") << QStringLiteral("VTX") << int(NemtraDeviceInformation::ZNT);
}

void tst_NemtraBackendLink::connect_identifiesReadsAllAndFillsEveryContainer()
{
    QFETCH(QString, model);
    QFETCH(int, deviceType);
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--model"), model}));
    QSignalSpy all(rig.manager(), &NemtraConnectionManager::allDataReceived);
    QSignalSpy progress(&rig.backend, &BackendBase::progressValueChanged);
    rig.connectDevice();
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);
    QVERIFY(rig.backend.connected());
    QVERIFY(rig.containers()->isEnabled());

    auto *info = NemtraDeviceInformation::instance();
    QCOMPARE(int(info->deviceType()), deviceType);
    QCOMPARE(rig.manager()->deviceSetupWords().size(), 32);

    // Progress runs from 0 up to one step per request.
    const ModbusCallPair &plan = rig.manager()->getAllQueue();
    QCOMPARE(rig.backend.progressMax(), plan.size());
    QCOMPARE(rig.backend.progressValue(), plan.size());
    QCOMPARE(progress.first().first().toInt(), 0);
    ModbusCallPair walk = plan;
    walk.reset();
    int blocks = 0;
    for (QList<uint> pair = walk.getPair(); !pair.isEmpty(); pair = walk.getNextPair()) {
        QVERIFY(pair.last() <= (pair.first() >= kContainerArea ? 8u : 100u));
        blocks += pair.last() == 16 ? 1 : 0;
    }
    QVERIFY(blocks > 0);

    const QList<quint16> device = rig.emulator.registers();
    QCOMPARE(device.size(), NemtraBackend::kImageWords);
    for (const NemtraBaseContainer *c : std::initializer_list<const NemtraBaseContainer *>{
             info, NemtraLedContainer::instance(), NemtraTlfContainer::instance(), NemtraLoRaContainer::instance(),
             NemtraDisplayContainer::instance(), NemtraGatewayContainer::instance()}) {
        QVERIFY(c->valid());
        QVERIFY(matchesDevice(c, device));
    }
    // Channel blocks: the configuration registers (live values drift) and the controls.
    const NemtraProperty *factor = channelProperty(0, NemtraEnums::Temperature, NemtraChannelDatablock::Factor);
    QVERIFY(factor);
    QCOMPARE(factor->registers().first(), device.at(factor->registerIndex()));
    QVERIFY(NemtraControlsContainer::instance()->valid());
    const NemtraProperty *buttonMode =
        NemtraControlsContainer::instance()->propertyAt(NemtraControlsContainer::Button0Mode);
    QVERIFY(buttonMode);
    QCOMPARE(buttonMode->registers().first(), device.at(buttonMode->registerIndex()));
    QCOMPARE(info->channelCount() > 0, true);

    // An expert register is read from the device on request.
    NemtraExpertMode *expert = NemtraExpertMode::instance();
    expert->addProperty(quint16(kContainerArea + 1));
    QTRY_COMPARE_WITH_TIMEOUT(expert->expertList().first()->registers().first(), device.at(kContainerArea + 1),
                              kWaitMs);
    expert->subProperty(quint16(kContainerArea + 1));
    emit rig.backend.disconnectFromDevice();
}

void tst_NemtraBackendLink::polling_liveValuesChange_writeReachesDeviceUntilStored()
{
    Rig rig;
    QVERIFY(rig.start(
        {QStringLiteral("--model"), QStringLiteral("F3"), QStringLiteral("--drift-ms"), QStringLiteral("200")}));
    QSignalSpy all(rig.manager(), &NemtraConnectionManager::allDataReceived);
    rig.connectDevice();
    QTRY_COMPARE_WITH_TIMEOUT(all.count(), 1, kWaitMs);

    const NemtraProperty *temperature = channelProperty(0, NemtraEnums::Temperature, NemtraChannelDatablock::Value);
    QVERIFY(temperature);
    const qint64 first = temperature->rawValue();
    QTRY_VERIFY_WITH_TIMEOUT(temperature->rawValue() != first, kWaitMs);

    // A value set on a page is written, read back and kept as unsaved until the store command.
    NemtraProperty *onTime = NemtraLedContainer::instance()->propertyAt(NemtraLedContainer::OnTime);
    QVERIFY(onTime && !onTime->readOnly());
    const quint16 wanted = quint16(onTime->rawValue() == 7 ? 8 : 7);
    QSignalSpy written(rig.manager(), &NemtraConnectionManager::allDataWritten);
    onTime->setValue(wanted / onTime->divisor());
    QTRY_COMPARE_WITH_TIMEOUT(rig.emulator.registers().value(int(onTime->registerIndex())), wanted, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(written.count() >= 1, kWaitMs);
    QCOMPARE(rig.backend.registerImage().at(onTime->registerIndex()), wanted);
    QCOMPARE(quint16(onTime->rawValue()), wanted);
    QVERIFY(rig.backend.valuesModified());

    NemtraProperty *command = NemtraDeviceInformation::instance()->propertyAt(NemtraDeviceInformation::Command);
    QVERIFY(command);
    command->setValue(NemtraDeviceInformation::SaveCommand);
    QTRY_VERIFY_WITH_TIMEOUT(rig.emulator.output().contains("store:"), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.backend.valuesModified(), kWaitMs);
    QCOMPARE(command->rawValue(), 0);

    // A disconnect drops the warning as well.
    onTime->setValue(first == 9 ? 10 : 9);
    QTRY_VERIFY_WITH_TIMEOUT(rig.backend.valuesModified(), kWaitMs);
    emit rig.backend.disconnectFromDevice();
    QVERIFY(!rig.backend.valuesModified());
    QVERIFY(!rig.backend.connected());
}

void tst_NemtraBackendLink::wrongDevice_refusedWithText()
{
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--identification"), QStringLiteral("0")}));
    QSignalSpy errors(rig.backend.errorManagement(), &ErrorManagement::newErrorMessage);
    QSignalSpy all(rig.manager(), &NemtraConnectionManager::allDataReceived);
    rig.connectDevice();
    QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, kWaitMs);
    QCOMPARE(errors.first().first().toString(), QStringLiteral("Nicht unterstützer Gerätetyp erkannt!"));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.backend.connected(), kWaitMs);
    QCOMPARE(rig.manager()->currentTask(), NemtraConnectionManager::NothingToDo);
    QCOMPARE(all.count(), 0);
}

void tst_NemtraBackendLink::emulatorGone_midRead_errorStartStateNoThreadLeft()
{
    Rig rig;
    // A slow line keeps the full read going long enough to cut it.
    QVERIFY(rig.start({QStringLiteral("--wire-baud"), QStringLiteral("9600")}));
    QSignalSpy errors(rig.backend.errorManagement(), &ErrorManagement::newErrorMessage);
    QSignalSpy all(rig.manager(), &NemtraConnectionManager::allDataReceived);
    rig.connectDevice();
    QTRY_VERIFY_WITH_TIMEOUT(rig.manager()->currentTask() == NemtraConnectionManager::GetAllData &&
                                 rig.backend.progressValue() >= 2,
                             kWaitMs);
    rig.emulator.stop();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.backend.connected(), kWaitMs);
    QVERIFY(errors.count() >= 1);
    QCOMPARE(all.count(), 0);
    QCOMPARE(rig.manager()->currentTask(), NemtraConnectionManager::NothingToDo);
    QVERIFY(!rig.backend.showProgressbar());
    QVERIFY(rig.manager()->writeQueue().isEmpty());
    auto *links = rig.manager()->findChild<SerialLinkOwner *>();
    QVERIFY(links);
    QTRY_VERIFY_WITH_TIMEOUT(!links->hasLink() && links->retiringCount() == 0, kWaitMs);
}

QTEST_GUILESS_MAIN(tst_NemtraBackendLink)
#include "tst_NemtraBackendLink.moc"
