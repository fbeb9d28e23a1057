#include "KivDocuments.h"

#include "Functions.h"
#include "KivBackendProperty.h"
#include "KivBlockSet.h"
#include "KivCfgFile.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivLcdBlock.h"
#include "KivReadJson.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivThresholdFormat.h"
#include "KivTlfBlock.h"
#include "KivWriteJson.h"
#include "KivWritePdf.h"

#include <QMetaObject>

#include <cmath>
#include <limits>

namespace KivDocuments {

namespace {
constexpr int kRelayValues = 7;

void applyRelay(const KivBlockSet *blocks, int id, const QList<int> &values)
{
    if (id < 0 || id >= blocks->relais().size() || values.size() < kRelayValues)
        return;
    KivRelaisBlock *relay = blocks->relais().at(id);
    if (!relay)
        return;
    relay->setRelais1(values.at(0));
    relay->setRelais2(values.at(1));
    relay->setRelais3(values.at(2));
    relay->setThreshold1(values.at(3));
    relay->setThreshold2(values.at(4));
    relay->setHysteresis(values.at(5));
    relay->setChannel(values.at(6));
}

// A value for a byte setting; one that no byte holds is bad input and left out rather than cut.
template<typename Apply>
void applyByte(int value, Apply apply)
{
    if (value >= 0 && value <= std::numeric_limits<quint8>::max())
        apply(quint8(value));
}

template<typename Apply>
void applyWord(int value, Apply apply)
{
    if (value >= 0 && value <= std::numeric_limits<quint16>::max())
        apply(quint16(value));
}

void applyDataBlock(const KivBlockSet *blocks, int id, const QList<double> &values)
{
    // The block at the document's position, and only when it measures the same: two sensors of
    // one measure keep their own settings.
    if (id < 0 || id >= blocks->dataBlocks().size() || values.size() < KivReadJson::DataEntries)
        return;
    KivDatenblock *block = blocks->dataBlocks().at(id);
    const double type = values.at(KivReadJson::DataType);
    if (!block || std::isnan(type) || double(block->type()) != type)
        return;
    if (!std::isnan(values.at(KivReadJson::DataRangeLow)))
        block->setLowerRange(values.at(KivReadJson::DataRangeLow));
    if (!std::isnan(values.at(KivReadJson::DataRangeHigh)))
        block->setUpperRange(values.at(KivReadJson::DataRangeHigh));
    const double channel = values.at(KivReadJson::DataChannel);
    if (!std::isnan(channel) && channel >= 0 && channel <= double(std::numeric_limits<quint32>::max()))
        block->setChannel(quint32(channel));
}
} // namespace

Kind kindOf(const QString &filePath)
{
    if (filePath.endsWith(QStringLiteral(".cfg")))
        return Kind::Cfg;
    if (filePath.endsWith(QStringLiteral(".json")))
        return Kind::Json;
    if (filePath.endsWith(QStringLiteral(".pdf")))
        return Kind::Pdf;
    return Kind::Unknown;
}

bool write(const QString &filePath, const QList<quint16> &image, const KivBlockSet *blocks, const KivDeviceSetup *setup)
{
    switch (kindOf(filePath)) {
    case Kind::Cfg:
        return writeCfgFile(filePath, image);
    case Kind::Json: {
        KivWriteJson writer;
        writer.setMainBoardQev(setup && setup->mainBoard() == Enums::MP_Qev);
        writer.setTlfThresholdsFloat(KivThresholdFormat::tlfIsFloat(setup));
        return writer.write(filePath, image);
    }
    case Kind::Pdf: {
        if (!blocks)
            return false;
        KivWritePdf writer;
        return writer.write(filePath, image, blocks->dataBlocks(), blocks->relais(), blocks->lcd(), blocks->tlf(),
                            blocks->rs485(), setup);
    }
    case Kind::Unknown:
        break;
    }
    return false;
}

void connectLoad(KivReadJson *reader, KivBackendProperty *state, KivBlockSet *blocks)
{
    QObject::connect(reader, &KivReadJson::setAltitude, state, &KivBackendProperty::setHoehe);
    // "voltage" is always written as 0; applying it would turn every 2-10 V output into 0-10 V.

    if (KivLcdBlock *lcd = blocks->lcd()) {
        QObject::connect(reader, &KivReadJson::setLcdBrigtness, lcd,
                         [lcd](int v) { applyByte(v, [lcd](quint8 b) { lcd->setBrightness(b); }); });
        QObject::connect(reader, &KivReadJson::setLcdRotation, lcd,
                         [lcd](int v) { applyByte(v, [lcd](quint8 b) { lcd->setRotation(b); }); });
        // "channel1" and "channel2" are the whole registers that hold the four show-channel
        // bytes, two each; "channel3" and "channel4" are the two registers after the display's,
        // which no setter owns. Taking a register as one byte would put channel 3's flag into
        // channel 2 and stray bytes into channels 3 and 4.
        QObject::connect(reader, &KivReadJson::setLcdChannel1, lcd, [lcd](int v) {
            applyWord(v, [lcd](quint16 w) {
                lcd->setShowChannel1(Functions::lowByte(w));
                lcd->setShowChannel2(Functions::highByte(w));
            });
        });
        QObject::connect(reader, &KivReadJson::setLcdChannel2, lcd, [lcd](int v) {
            applyWord(v, [lcd](quint16 w) {
                lcd->setShowChannel3(Functions::lowByte(w));
                lcd->setShowChannel4(Functions::highByte(w));
            });
        });
    }

    if (KivTlfBlock *tlf = blocks->tlf()) {
        QObject::connect(reader, &KivReadJson::setTlfOnOff, tlf, &KivTlfBlock::setOnOff);
        QObject::connect(reader, &KivReadJson::setTlfChannel, tlf, &KivTlfBlock::setChannel);
        // The document holds the thresholds in the block's own format (float or whole number),
        // so the setter encodes them exactly as the device had them.
        QObject::connect(reader, &KivReadJson::setTlfSchwelle1, tlf, &KivTlfBlock::setThreshold1);
        QObject::connect(reader, &KivReadJson::setTlfSchwelle2, tlf, &KivTlfBlock::setThreshold2);
        QObject::connect(reader, &KivReadJson::setTlfFarbe1, tlf, &KivTlfBlock::setColor1);
        QObject::connect(reader, &KivReadJson::setTlfFarbe2, tlf, &KivTlfBlock::setColor2);
        QObject::connect(reader, &KivReadJson::setTlfFarbe3, tlf, &KivTlfBlock::setColor3);
    }

    // Only the device ID reaches the device; the bus address (DIP switches), baud rate, mode
    // and parity are read-only there, so their setters just show the document's values until
    // the re-read after the load.
    if (KivRs485 *bus = blocks->rs485()) {
        QObject::connect(reader, &KivReadJson::setDeviceId, bus, [bus](int v) {
            // A negative number would reach the device as an address of over four billion.
            if (v >= 0)
                bus->setDeviceId(quint32(v));
        });
        QObject::connect(reader, &KivReadJson::setBaudRate, bus, [bus](int v) { bus->setBaudrate(quint32(v)); });
        QObject::connect(reader, &KivReadJson::setDipAdress, bus, [bus](int v) { bus->setDipAdress(quint32(v)); });
        QObject::connect(reader, &KivReadJson::setModus, bus, [bus](int v) { bus->setModus(quint32(v)); });
        QObject::connect(reader, &KivReadJson::setParity, bus, [bus](int v) { bus->setParity(quint32(v)); });
    }

    QObject::connect(reader, &KivReadJson::setRelais, blocks,
                     [blocks](int id, const QList<int> &values) { applyRelay(blocks, id, values); });
    QObject::connect(reader, &KivReadJson::setDataBlock, blocks,
                     [blocks](int id, const QList<double> &values) { applyDataBlock(blocks, id, values); });

    // The unit system converts the ranges just set; it changes after everything else.
    // Posted on its own: the reader is gone by then.
    QObject::connect(reader, &KivReadJson::setMessureSystem, state, [state](int system) {
        QMetaObject::invokeMethod(
            state, [state, system] { state->setUnitSystem(system); }, Qt::QueuedConnection);
    });
}

} // namespace KivDocuments
