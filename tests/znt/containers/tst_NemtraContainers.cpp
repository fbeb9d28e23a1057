#include "NemtraChannelDatablock.h"
#include "NemtraChannelListModel.h"
#include "NemtraChannelManager.h"
#include "NemtraControlsContainer.h"
#include "NemtraDeviceInformation.h"
#include "NemtraDisplayContainer.h"
#include "NemtraExpertMode.h"
#include "NemtraGatewayContainer.h"
#include "NemtraLoRaContainer.h"
#include "NemtraTlfContainer.h"

#include <NemtraPropertyFile.h>

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int kImageSize = 65535;
constexpr uint kSetupBase = 0xC800;

// Sets flag `type` of channel `channel` in the device-setup block of an image.
void flag(QList<quint16> &image, int channel, int type)
{
    image[kSetupBase + (channel - 1) * 8 + type / 16] |= quint16(1u << (type % 16));
}

QList<QVariant> lastArgs(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QList<QVariant>() : spy.last();
}
} // namespace

// The containers fed as the container manager feeds them: the built-in map handed out by type,
// then a register image of a device with two channels.
class tst_NemtraContainers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deviceInformation_readsEquipmentIdentityAndCommandFromTheImage();
    void deviceInformation_setupBaseAtTheImageEnd_readsNothingPastIt();
    void deviceInformation_saveCommandIsSentOnceAndReadsZeroAgain();
    void deviceInformation_textHelpers();
    void channelManager_groupsBlocksPerChannelAndShowsOnlyListedOnes();
    void channelManager_editOfABlockPropertyLeavesAsWrite();
    void datablock_batteryIconFollowsVoltageAndBatteryType_data();
    void datablock_batteryIconFollowsVoltageAndBatteryType();
    void controls_buttonModeSetsRegistersAndDisplayReferences();
    void controls_missingLine_refusesWritesOfThatGroupOnly();
    void display_refreshAfterUserEditsButNotAfterDevicePush();
    void expertMode_addsOnceAndToleratesTheLastRegister();
    void tlfLoraGateway_derivedValues();
    void processWide_instanceSurvivesUntilReleasedAndEnumsReachQml();
    void refeedingProperties_leavesNoPositionPointingAtADeletedProperty();

private:
    NemtraDeviceInformation *m_info = nullptr;
    NemtraChannelManager *m_channels = nullptr;
    NemtraControlsContainer *m_controls = nullptr;
    NemtraDisplayContainer *m_display = nullptr;
    NemtraTlfContainer *m_tlf = nullptr;
    NemtraLoRaContainer *m_lora = nullptr;
    NemtraGatewayContainer *m_gateway = nullptr;
    QList<quint16> m_image;
};

void tst_NemtraContainers::init()
{
    m_info = NemtraDeviceInformation::instance();
    m_channels = new NemtraChannelManager;
    m_controls = new NemtraControlsContainer;
    m_display = new NemtraDisplayContainer;
    m_tlf = new NemtraTlfContainer;
    m_lora = new NemtraLoRaContainer;
    m_gateway = new NemtraGatewayContainer;

    QList<NemtraProperty *> all = NemtraPropertyFile::fallbackProperties();
    m_info->setProperties(NemtraPropertyFile::takeProperties(all, NemtraEnums::DeviceInformation));
    m_info->setDeviceSetupProperties(NemtraPropertyFile::takeProperties(all, NemtraEnums::DeviceSetup));
    m_display->setProperties(NemtraPropertyFile::takeProperties(all, NemtraEnums::Display));
    m_tlf->setProperties(NemtraPropertyFile::takeProperties(all, NemtraEnums::Tlf));
    m_lora->setProperties(NemtraPropertyFile::takeProperties(all, NemtraEnums::Lora));
    m_gateway->setProperties(NemtraPropertyFile::takeProperties(all, NemtraEnums::Gateway));
    m_channels->setProperties(NemtraPropertyFile::takeChannelProperties(all));
    m_controls->setProperties(m_channels->properties());
    qDeleteAll(all);
    connect(m_controls, &NemtraControlsContainer::setEpdReferenceOccupancy, m_display,
            &NemtraDisplayContainer::onEpdReferenceOccupancy);
    connect(m_controls, &NemtraControlsContainer::setEpdReferenceFan, m_display,
            &NemtraDisplayContainer::onEpdReferenceFan);

    // Channel 1: temperature, occupancy, button, potentiometer, battery; channel 2: button,
    // encoder; channel 3 has a temperature block in the map that the device does not list.
    m_image = QList<quint16>(kImageSize, 0);
    for (int type : {16, 65, 85, 99, 84})
        flag(m_image, 1, type);
    for (int type : {85, 99})
        flag(m_image, 2, type);
    m_image[0x8100] = 215; // 21.5 °C
    m_image[0xC000] = NemtraDeviceInformation::Ferox3ZNT;
    m_image[0xC100] = 7; // a command left in the register
    m_image[0xC105] = 1; // lithium battery
    m_image[0xC180] = 1; // with display
    m_image[0x8540] = 3500;
}

void tst_NemtraContainers::cleanup()
{
    delete m_channels;
    delete m_controls;
    delete m_display;
    delete m_tlf;
    delete m_lora;
    delete m_gateway;
    m_info->reset();
}

void tst_NemtraContainers::deviceInformation_readsEquipmentIdentityAndCommandFromTheImage()
{
    QSignalSpy type(m_info, &NemtraDeviceInformation::deviceTypeChanged);
    QSignalSpy count(m_info, &NemtraDeviceInformation::channelCountChanged);
    QVERIFY(m_info->hasAllProperties());
    m_info->setData(m_image);
    QVERIFY(m_info->valid());
    QCOMPARE(m_info->channelCount(), 2);
    QCOMPARE(count.count(), 1);
    QCOMPARE(m_info->deviceType(), NemtraDeviceInformation::Ferox3ZNT);
    QCOMPARE(type.count(), 1);
    QVERIFY(m_info->hasPoti() && m_info->hasEncoder() && m_info->hasOcc() && m_info->hasPid());
    QVERIFY(!m_info->hasReed());
    QCOMPARE(m_info->buttonCount(), 3);
    QVERIFY(m_info->hasButton(2));
    QVERIFY(!m_info->hasButton(3) && !m_info->hasButton(0) && !m_info->hasButton(5));
    QVERIFY(m_info->hasEpd());
    QCOMPARE(m_info->propertyAt(NemtraDeviceInformation::Command)->value(), 0.0);
    QCOMPARE(m_info->propertyAt(NemtraDeviceInformation::BatteryType)->value(), 1.0);

    // An unknown identity reads as no device type; a reset forgets the channels.
    m_image[0xC000] = 4711;
    m_info->setData(m_image);
    QCOMPARE(m_info->deviceType(), NemtraDeviceInformation::NoDeviceType);
    m_info->reset();
    QCOMPARE(m_info->channelCount(), 0);
    QVERIFY(!m_info->hasPoti());
}

void tst_NemtraContainers::deviceInformation_setupBaseAtTheImageEnd_readsNothingPastIt()
{
    QList<NemtraProperty *> setup{
        new NemtraProperty(65530, 0, 65535, 1, true, NemtraEnums::DeviceSetup, BaseProperty::UInt16, 1, 0, QString())};
    m_info->setDeviceSetupProperties(setup);
    std::fill(m_image.begin() + 65500, m_image.end(), quint16(0xFFFF));
    m_info->setData(m_image);
    QCOMPARE(m_info->channelCount(), 0);
    // A short image (not a whole one) is no setup block either.
    m_info->setData(QList<quint16>(100, 0xFFFF));
    QCOMPARE(m_info->channelCount(), 0);
    m_info->setDeviceSetupProperties({new NemtraProperty(kSetupBase, 0, 65535, 1, true, NemtraEnums::DeviceSetup,
                                                         BaseProperty::UInt16, 1, 0, QString())});
}

void tst_NemtraContainers::deviceInformation_saveCommandIsSentOnceAndReadsZeroAgain()
{
    m_info->setData(m_image);
    QSignalSpy writes(m_info, &BaseContainer::writeSingleRegister);
    QSignalSpy saved(m_info, &NemtraDeviceInformation::saveCommandSend);
    NemtraProperty *command = m_info->propertyAt(NemtraDeviceInformation::Command);
    command->setValue(2);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0xC100u);
    QCOMPARE(lastArgs(writes).value(1).toUInt(), 2u);
    QCOMPARE(command->value(), 0.0);
    QCOMPARE(saved.count(), 0); // queued
    QTRY_COMPARE(saved.count(), 1);
    command->setValue(1);
    QCoreApplication::processEvents();
    QCOMPARE(saved.count(), 1);
}

void tst_NemtraContainers::deviceInformation_textHelpers()
{
    QCOMPARE(m_info->stringifyDeviceId(0), QStringLiteral("--"));
    QCOMPARE(m_info->stringifyDeviceId(16385), QStringLiteral("VTX ZNT"));
    QCOMPARE(m_info->stringifyDeviceId(16401), QStringLiteral("KIV EnOcean ZNT Bridge"));
    QCOMPARE(m_info->toVersionNumber(0x0203), QStringLiteral("2.3"));
    QCOMPARE(m_info->toDate((2024u << 16) | (5u << 8) | 17u), QStringLiteral("17.5.2024"));
}

void tst_NemtraContainers::channelManager_groupsBlocksPerChannelAndShowsOnlyListedOnes()
{
    QCOMPARE(m_channels->blocks(1).size(), 11);
    QCOMPARE(m_channels->blocks(2).size(), 4);
    QCOMPARE(m_channels->blocks(3).size(), 1);
    QVERIFY(m_channels->blocks(5).isEmpty());
    const QList<NemtraChannelDatablock *> combined = m_channels->combinedBlocks();
    QCOMPARE(combined.size(), 16);
    QCOMPARE(combined.at(0)->type(), 16);
    QCOMPARE(combined.at(1)->channel(), 2);
    QCOMPARE(combined.at(2)->channel(), 3);
    for (const NemtraChannelDatablock *block : combined)
        QVERIFY(block->hasAllProperties() && block->propertyCount() >= 2);

    // A type that channel 1 lacks still lists its blocks in channel order.
    NemtraChannelManager other;
    const auto make = [](uint reg, quint16 type) {
        return new NemtraProperty(reg, 0, 100, 1, false, type, BaseProperty::UInt16, 1, 0, QString());
    };
    other.setProperties({make(0x8100, NemtraEnums::Temperature), make(0x9120, NemtraEnums::CO2),
                         make(0xB120, NemtraEnums::CO2), make(0xA120, NemtraEnums::CO2),
                         make(0xB100, NemtraEnums::Temperature)});
    QList<int> order;
    for (const NemtraChannelDatablock *block : other.combinedBlocks())
        order.append(block->type() * 10 + block->channel());
    QCOMPARE(order, (QList<int>{161, 164, 182, 183, 184}));

    m_info->setData(m_image);
    m_channels->setData(m_image);
    auto *model1 = m_channels->channel1Model().value<NemtraChannelListModel *>();
    auto *model3 = m_channels->channelByIndex(2).value<NemtraChannelListModel *>();
    QVERIFY(model1 && model3);
    QVERIFY(!m_channels->channelByIndex(4).isValid());
    QCOMPARE(model1->rowCount(), 5);
    QCOMPARE(model3->rowCount(), 0);
    const QModelIndex first = model1->index(0);
    QCOMPARE(model1->data(first, NemtraChannelListModel::ValueRole).toDouble(), 21.5);
    QCOMPARE(model1->data(first, NemtraChannelListModel::ValueRawRole).toDouble(), 215.0);
    QCOMPARE(model1->data(first, NemtraChannelListModel::MinRawRole).toDouble(), 0.0);
    QCOMPARE(model1->data(first, NemtraChannelListModel::TypeStringRole).toString(), QStringLiteral("Temperatur"));
    QVERIFY(!model1->data(first, Qt::DisplayRole).isValid());

    const QVariant value = m_channels->getSpecificProperty(0, NemtraEnums::Temperature, NemtraChannelDatablock::Value);
    QCOMPARE(value.value<NemtraProperty *>()->registerIndex(), 0x8100u);
    QVERIFY(!m_channels->getSpecificProperty(1, NemtraEnums::Illuminance, NemtraChannelDatablock::Value).isValid());
    QVERIFY(!m_channels->getSpecificProperty(4, NemtraEnums::Temperature, NemtraChannelDatablock::Value).isValid());
}

void tst_NemtraContainers::channelManager_editOfABlockPropertyLeavesAsWrite()
{
    m_info->setData(m_image);
    m_channels->setData(m_image);
    QSignalSpy writes(m_channels, &BaseContainer::writeSingleRegister);
    NemtraProperty *max = m_channels->getSpecificProperty(0, NemtraEnums::Temperature, NemtraChannelDatablock::Max)
                              .value<NemtraProperty *>();
    max->setValue(30.5);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0x8105u);
    QCOMPARE(lastArgs(writes).value(1).toUInt(), 305u);
    // Read-only values never write.
    m_channels->getSpecificProperty(0, NemtraEnums::Temperature, NemtraChannelDatablock::Value)
        .value<NemtraProperty *>()
        ->setValue(10);
    QCOMPARE(writes.count(), 1);
}

void tst_NemtraContainers::datablock_batteryIconFollowsVoltageAndBatteryType_data()
{
    QTest::addColumn<int>("batteryType");
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<QString>("icon");
    // 50 % is the top of the 30-50 band: the bands start at 31, 51, 71 and 91 %.
    QTest::newRow("lithium 3.5 V") << 1 << 3500 << "Bat30To50.svg";
    QTest::newRow("lithium 3.51 V") << 1 << 3510 << "Bat50To70.svg";
    QTest::newRow("lithium full") << 1 << 3600 << "Bat90To100.svg";
    QTest::newRow("lithium low") << 1 << 3410 << "Bat0To10.svg";
    QTest::newRow("alkaline 1.2 V") << 2 << 1200 << "Bat30To50.svg";
    QTest::newRow("no value") << 2 << 0 << "Bat0To10.svg";
    QTest::newRow("mains") << 0 << 3500 << "IconPower.png";
}

void tst_NemtraContainers::datablock_batteryIconFollowsVoltageAndBatteryType()
{
    QFETCH(int, batteryType);
    QFETCH(int, millivolts);
    QFETCH(QString, icon);
    m_image[0xC105] = quint16(batteryType);
    m_image[0x8540] = quint16(millivolts);
    m_info->setData(m_image);
    m_channels->setData(m_image);
    const auto blocks = m_channels->blocks(1);
    const auto battery = std::find_if(blocks.begin(), blocks.end(), [](const NemtraChannelDatablock *b) {
        return b->type() == NemtraEnums::Battery;
    });
    QVERIFY(battery != blocks.end());
    QCOMPARE((*battery)->iconSource(), QStringLiteral("qrc:/Images/Sensors/") + icon);
}

void tst_NemtraContainers::controls_buttonModeSetsRegistersAndDisplayReferences()
{
    QVERIFY(m_controls->hasAllProperties());
    QCOMPARE(m_controls->propertyAt(NemtraControlsContainer::OccupancyValue)->registerIndex(), 0x8410u);
    QCOMPARE(m_controls->propertyAt(NemtraControlsContainer::Button1Value)->registerIndex(), 0x9550u);
    QCOMPARE(m_controls->propertyAt(NemtraControlsContainer::Poti)->registerIndex(), 0x8630u);
    QCOMPARE(m_controls->propertyAt(NemtraControlsContainer::EncoderMaxValue)->registerIndex(), 0x9637u);

    m_image[0xC185] = 0x8550; // the display shows button 1 as occupancy
    m_image[0xC186] = 0x8550; // and as fan
    m_image[0x8553] = 1; // fan stages
    m_display->setData(m_image);
    m_channels->setData(m_image);
    QCOMPARE(m_controls->buttonMode1Index(), NemtraControlsContainer::FanStages);

    QSignalSpy writes(m_channels, &BaseContainer::writeSingleRegister);
    m_controls->button1ModelSelection(NemtraControlsContainer::Occupancy);
    QCOMPARE(m_controls->propertyAt(NemtraControlsContainer::OccupancyEnable)->value(), 1.0);
    QCOMPARE(m_controls->buttonMode1Index(), NemtraControlsContainer::Occupancy);
    QCOMPARE(m_display->propertyAt(NemtraDisplayContainer::OccupancyReference)->value(), 0.0);
    QCOMPARE(m_display->propertyAt(NemtraDisplayContainer::FanReference)->value(), 0.0);
    QCOMPARE(writes.count(), 1); // the enable; mode and value were unchanged

    m_controls->button2ModelSelection(NemtraControlsContainer::OccupancyToggle);
    QCOMPARE(m_controls->buttonMode2Index(), NemtraControlsContainer::OccupancyToggle);
    QCOMPARE(m_display->propertyAt(NemtraDisplayContainer::OccupancyReference)->value(), double(0x9550));
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0x9553u);
}

void tst_NemtraContainers::controls_missingLine_refusesWritesOfThatGroupOnly()
{
    QList<NemtraProperty *> list = m_channels->properties();
    list.removeIf([](const NemtraProperty *p) { return p->registerIndex() == 0x8413; });
    m_controls->setProperties(list);
    QVERIFY(!m_controls->hasAllProperties());
    QCOMPARE(m_controls->propertyCount(), 24);
    QVERIFY(!m_controls->property(uchar(NemtraControlsContainer::OccupancyEnable)).isValid());
    // Positions after the gap are still the right registers.
    QCOMPARE(m_controls->propertyAt(NemtraControlsContainer::Button0Mode)->registerIndex(), 0x8553u);

    QSignalSpy writes(m_channels, &BaseContainer::writeSingleRegister);
    m_controls->button1ModelSelection(NemtraControlsContainer::FanStages);
    QCOMPARE(writes.count(), 0);
    QCOMPARE(m_controls->buttonMode1Index(), NemtraControlsContainer::Pushbutton);
    m_controls->button2ModelSelection(NemtraControlsContainer::FanStages);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0x9553u);
}

void tst_NemtraContainers::display_refreshAfterUserEditsButNotAfterDevicePush()
{
    QSignalSpy writes(m_display, &BaseContainer::writeSingleRegister);
    QSignalSpy count(m_display, &NemtraDisplayContainer::displayCountChanged);
    m_image[0xC183] = 3;
    m_image[0xC191] = 7;
    m_display->setData(m_image);
    QCOMPARE(count.count(), 1);
    QVERIFY(m_display->hasAllProperties());
    QVERIFY(!m_display->propertyAt(NemtraDisplayContainer::DisplayCommand)->hasPendingWrite());

    m_display->propertyAt(NemtraDisplayContainer::DisplayValue1Unit)->setValue(1);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0xC191u);
    QVERIFY(writes.wait(3000));
    QCOMPARE(writes.count(), 2);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0xC182u);
    QCOMPARE(lastArgs(writes).value(1).toUInt(), 1u);
}

void tst_NemtraContainers::expertMode_addsOnceAndToleratesTheLastRegister()
{
    NemtraExpertMode expert;
    QSignalSpy reads(&expert, &NemtraExpertMode::readSingleRegister);
    QSignalSpy errors(&expert, &NemtraExpertMode::errorPlainText);
    expert.addProperty(0x8100);
    expert.addProperty(0x8100);
    QCOMPARE(expert.expertList().size(), 1);
    QCOMPARE(reads.count(), 1);
    QCOMPARE(lastArgs(errors).value(0).toString(), QStringLiteral("Property already exists for Parameter: 33024"));

    expert.addProperty(0xFFFF);
    expert.setData(m_image);
    QVERIFY(expert.valid());
    QCOMPARE(expert.expertList().at(0)->value(), 215.0);
    QCOMPARE(expert.expertList().at(1)->value(), 0.0);

    QSignalSpy writes(&expert, &BaseContainer::writeSingleRegister);
    expert.expertList().at(1)->setValue(5);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0xFFFFu);

    expert.subProperty(0x1234);
    expert.subProperty(0x8100);
    QCOMPARE(expert.expertList().size(), 1);
    expert.reset();
    QVERIFY(expert.expertList().isEmpty());
    QVERIFY(!expert.valid());
}

void tst_NemtraContainers::tlfLoraGateway_derivedValues()
{
    QVERIFY(m_tlf->hasAllProperties() && m_lora->hasAllProperties() && m_gateway->hasAllProperties());
    m_image[0xC123] = 3; // Color1 yellow
    m_image[0xC127] = 6; // Color5 turquoise
    m_image[0xC218] = 0x0001;
    m_image[0xC219] = 0x0100; // version 1.0.0.1 with swapped halves
    m_image[0xC407] = 2;
    m_image[0xC410] = 0x5678;
    m_image[0xC411] = 0x1234;
    m_tlf->setData(m_image);
    m_lora->setData(m_image);
    m_gateway->setData(m_image);

    QCOMPARE(m_tlf->actualColor1(), QColor(255, 255, 0));
    QCOMPARE(m_tlf->actualColor5(), QColor(0, 255, 255));
    QCOMPARE(m_tlf->availableColors().size(), 8);
    const double version = m_lora->propertyAt(NemtraLoRaContainer::LoRaWanVersion)->value();
    QCOMPARE(m_lora->valueToVersion(version), QStringLiteral("0.1.1.0"));
    QCOMPARE(m_lora->valueToVersion(version, 2), QStringLiteral("0.1"));

    NemtraGatewayFilterModel *ids = m_gateway->idModel();
    QVERIFY(ids);
    QCOMPARE(ids->rowCount(), 2);
    QCOMPARE(ids->data(ids->index(0), NemtraGatewayFilterModel::HexValueRole).toString(), QStringLiteral("12345678"));
    QCOMPARE(ids->data(ids->index(1), NemtraGatewayFilterModel::DescriptionRole).toString(), QStringLiteral("ID 2:"));
    QCOMPARE(ids->data(ids->index(0), NemtraGatewayFilterModel::NumberOfBytesRole).toInt(), 4);
    QSignalSpy writes(m_gateway, &BaseContainer::writeSingleRegister);
    QSignalSpy inserted(ids, &QAbstractItemModel::rowsInserted);
    ids->addEntry();
    QCOMPARE(ids->rowCount(), 3);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(lastArgs(writes).value(0).toUInt(), 0xC407u);
    QCOMPARE(lastArgs(writes).value(1).toUInt(), 3u);

    // A count pushed from the device resets the rows; the list never grows past its limit.
    QSignalSpy resets(ids, &QAbstractItemModel::modelReset);
    m_image[0xC407] = 30;
    m_gateway->setData(m_image);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(ids->rowCount(), 30);
    QVERIFY(ids->data(ids->index(29), NemtraGatewayFilterModel::MaxEntryReachedRole).toBool());
    ids->addEntry();
    QCOMPARE(ids->rowCount(), 30);
    ids->removeEntry();
    QCOMPARE(ids->rowCount(), 29);
    QCOMPARE(m_gateway->gatewayTypeToString(1), QStringLiteral("LoRaWAN-EnOcean"));
}

void tst_NemtraContainers::processWide_instanceSurvivesUntilReleasedAndEnumsReachQml()
{
    NemtraLoRaContainer *lora = NemtraLoRaContainer::instance();
    QCOMPARE(NemtraLoRaContainer::instance(), lora);
    QCOMPARE(QJSEngine::objectOwnership(lora), QJSEngine::CppOwnership);
    QPointer<NemtraLoRaContainer> guard(lora);
    NemtraLoRaContainer::releaseInstance();
    QVERIFY(!NemtraLoRaContainer::hasInstance());
    QTRY_VERIFY(guard.isNull());

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml 2.15\nimport DeviceInformationEnums 1.0\nimport ControlsEnums 1.0 as C\n"
        "QtObject { property int command: PropertyEnum.Command; property int enc: C.PropertyEnum.Encoder }",
        QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("command").toInt(), int(NemtraDeviceInformation::Command));
    QCOMPARE(object->property("enc").toInt(), int(NemtraControlsContainer::Encoder));

    // The expert page walks the list and the containers' properties by position.
    NemtraExpertMode expert;
    expert.addProperty(0x8100);
    m_info->setData(m_image);
    engine.rootContext()->setContextProperty(QStringLiteral("expert"), &expert);
    engine.rootContext()->setContextProperty(QStringLiteral("info"), m_info);
    QQmlComponent reader(&engine);
    reader.setData("import QtQml 2.15\nQtObject { property int count: expert.expertList.length;"
                   " property int reg: expert.expertList[0].registerIndex;"
                   " property real battery: info.property(11).value }",
                   QUrl());
    std::unique_ptr<QObject> values(reader.create());
    QVERIFY2(values, qPrintable(reader.errorString()));
    QCOMPARE(values->property("count").toInt(), 1);
    QCOMPARE(values->property("reg").toInt(), 0x8100);
    QCOMPARE(values->property("battery").toDouble(), 1.0);
}

void tst_NemtraContainers::refeedingProperties_leavesNoPositionPointingAtADeletedProperty()
{
    // A second container manager hands the channels new properties before the controls get theirs.
    QList<NemtraProperty *> all = NemtraPropertyFile::fallbackProperties();
    QList<NemtraProperty *> channelProperties = NemtraPropertyFile::takeChannelProperties(all);
    qDeleteAll(all);
    m_channels->setProperties(channelProperties);
    QCOMPARE(m_controls->propertyCount(), 0);
    QVERIFY(!m_controls->property(uchar(NemtraControlsContainer::Button0Mode)).isValid());
    QCOMPARE(m_controls->buttonMode1Index(), NemtraControlsContainer::Invalid);
    m_controls->setProperties(m_channels->properties());
    QVERIFY(m_controls->hasAllProperties());
    QCOMPARE(m_channels->blocks(1).size(), 11);
}

QTEST_MAIN(tst_NemtraContainers)
#include "tst_NemtraContainers.moc"
