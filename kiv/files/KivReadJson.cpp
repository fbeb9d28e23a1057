#include "KivReadJson.h"

#include "KivFilesLogging.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>

#include <cmath>
#include <limits>
#include <utility>

namespace {
constexpr int kRelayStates = 3;

// Fractions are cut off; numbers beyond int saturate instead of being undefined.
int whole(double value)
{
    const double cut = std::trunc(value);
    if (cut <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (cut >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(cut);
}

uint8_t byte(double value)
{
    return uint8_t(whole(value) & 0xFF);
}

// Only numbers count: an absent key or a text must not turn into a 0 written to the device.
bool number(const QJsonObject &object, const QString &key, double *out)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return false;
    *out = value.toDouble();
    return true;
}

double numberOrNaN(const QJsonObject &object, const QString &key)
{
    double value = std::numeric_limits<double>::quiet_NaN();
    number(object, key, &value);
    return value;
}
} // namespace

KivReadJson::KivReadJson(const QString &filePath, QObject *parent)
    : QObject(parent)
    , m_filePath(filePath)
{
}

void KivReadJson::setExpectedBoardType(qint32 boardType)
{
    m_expectedBoardType = boardType;
    m_checkBoardType = true;
}

int KivReadJson::measureNumber(const QString &name)
{
    static const QStringList names{
        QStringLiteral("UNDEFINED"), QStringLiteral("TEMP"),     QStringLiteral("HUMIDITY_REL"),
        QStringLiteral("HUMIDITY"),  QStringLiteral("ENTHALPY"), QStringLiteral("DREW_POINT"),
        QStringLiteral("CO2"),       QStringLiteral("VOC"),      QStringLiteral("CO2_VOC")};
    const qsizetype index = names.indexOf(name);
    return index < 0 ? 0 : int(index);
}

bool KivReadJson::read()
{
    if (m_filePath.isEmpty()) {
        emit readFailed(tr("Der Dateipfad is ungültig."));
        return false;
    }
    if (!QFileInfo::exists(m_filePath)) {
        emit readFailed(tr("Die Datei existiert nicht."));
        return false;
    }
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        emit readFailed(tr("Die Datei konnte nicht geöffnet werden."));
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty()) {
        emit readFailed(tr("Die ausgewählte Datei hat keinen Inhalt."));
        return false;
    }
    QJsonObject configuration;
    if (!parse(bytes, &configuration))
        return false;
    emitSettings(configuration);
    return true;
}

bool KivReadJson::parse(const QByteArray &bytes, QJsonObject *configuration)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonValue value = document.object().value(QStringLiteral("configuration"));
    if (error.error != QJsonParseError::NoError || !document.isObject() || !value.isObject()) {
        qCWarning(lcKivFiles) << "not a configuration document" << m_filePath << error.errorString();
        emit readFailed(tr("Die Datei enthält keine gültige Konfiguration."));
        return false;
    }
    *configuration = value.toObject();
    if (m_checkBoardType) {
        // Checked before anything is set; a document without a board type cannot show it fits.
        double boardType = 0;
        if (!number(*configuration, QStringLiteral("boardType"), &boardType) ||
            boardType != double(m_expectedBoardType)) {
            qCWarning(lcKivFiles) << "document of another board" << m_filePath << boardType;
            emit readFailed(tr("Die Datei passt nicht zum verbundenen Gerät!"));
            return false;
        }
    }
    return true;
}

void KivReadJson::emitSettings(const QJsonObject &configuration)
{
    double v = 0;
    if (number(configuration, QStringLiteral("altitude"), &v))
        emit setAltitude(whole(v));
    if (number(configuration, QStringLiteral("voltage"), &v))
        emit setVoltage(whole(v));
    if (number(configuration, QStringLiteral("measureSystem"), &v))
        emit setMessureSystem(whole(v));

    const QJsonObject display = configuration.value(QStringLiteral("display")).toObject();
    if (number(display, QStringLiteral("brightness"), &v))
        emit setLcdBrigtness(whole(v));
    if (number(display, QStringLiteral("rotation"), &v))
        emit setLcdRotation(whole(v));
    const QJsonValue tlfEnabled = display.value(QStringLiteral("tlfEnabled"));
    if (tlfEnabled.isBool())
        emit setTlfOnOff(uint8_t(tlfEnabled.toBool() ? 1 : 0));
    if (number(display, QStringLiteral("channel1"), &v))
        emit setLcdChannel1(whole(v));
    if (number(display, QStringLiteral("channel2"), &v))
        emit setLcdChannel2(whole(v));
    if (number(display, QStringLiteral("channel3"), &v))
        emit setLcdChannel3(whole(v));
    if (number(display, QStringLiteral("channel4"), &v))
        emit setLcdChannel4(whole(v));

    const QJsonObject tlf = configuration.value(QStringLiteral("tlf")).toObject();
    if (number(tlf, QStringLiteral("lowColor"), &v))
        emit setTlfFarbe1(byte(v));
    if (number(tlf, QStringLiteral("middleColor"), &v))
        emit setTlfFarbe2(byte(v));
    if (number(tlf, QStringLiteral("highColor"), &v))
        emit setTlfFarbe3(byte(v));
    if (number(tlf, QStringLiteral("lowThreshold"), &v))
        emit setTlfSchwelle1(v);
    if (number(tlf, QStringLiteral("highThreshold"), &v))
        emit setTlfSchwelle2(v);
    if (number(tlf.value(QStringLiteral("measure")).toObject(), QStringLiteral("channel"), &v))
        emit setTlfChannel(byte(v));

    const QJsonArray relais = configuration.value(QStringLiteral("relais")).toArray();
    for (qsizetype id = 0; id < relais.size(); ++id) {
        const QJsonObject relay = relais.at(id).toObject();
        // An incomplete relay gives a short list, which the receiver leaves alone.
        QList<int> values;
        const QJsonArray states = relay.value(QStringLiteral("states")).toArray();
        for (qsizetype i = 0; i < states.size() && i < kRelayStates; ++i) {
            if (states.at(i).isDouble())
                values.append(whole(states.at(i).toDouble()));
        }
        const QJsonObject measure = relay.value(QStringLiteral("measure")).toObject();
        const std::pair<const QJsonObject *, QString> keys[] = {
            {&relay, QStringLiteral("lowThreshold")},
            {&relay, QStringLiteral("highThreshold")},
            {&relay, QStringLiteral("hysteresis")},
            {&measure, QStringLiteral("channel")},
        };
        for (const auto &[object, key] : keys) {
            if (number(*object, key, &v))
                values.append(whole(v));
        }
        emit setRelais(int(id), values);
    }

    const QJsonArray offsets = configuration.value(QStringLiteral("offsets")).toArray();
    for (const QJsonValue &entry : offsets) {
        const QJsonObject offset = entry.toObject();
        const QJsonObject measure = offset.value(QStringLiteral("measure")).toObject();
        double id = 0;
        if (!number(measure, QStringLiteral("register"), &id))
            continue;
        const QJsonValue name = measure.value(QStringLiteral("measure"));
        QList<double> values(DataEntries, std::numeric_limits<double>::quiet_NaN());
        if (name.isString())
            values[DataType] = measureNumber(name.toString());
        values[DataRangeLow] = numberOrNaN(measure, QStringLiteral("rangeLow"));
        values[DataRangeHigh] = numberOrNaN(measure, QStringLiteral("rangeHigh"));
        values[DataChannel] = numberOrNaN(measure, QStringLiteral("channel"));
        values[DataOffset] = numberOrNaN(offset, QStringLiteral("value"));
        emit setDataBlock(whole(id), values);
    }

    const QJsonObject bus = configuration.value(QStringLiteral("modbus")).toObject();
    if (number(bus, QStringLiteral("offset"), &v))
        emit setDeviceId(whole(v));
    if (number(bus, QStringLiteral("transmissionRate"), &v))
        emit setBaudRate(whole(v));
    if (number(bus, QStringLiteral("address"), &v))
        emit setDipAdress(whole(v));
    if (number(bus, QStringLiteral("mode"), &v))
        emit setModus(whole(v));
    if (number(bus, QStringLiteral("parity"), &v))
        emit setParity(whole(v));
}
