#include "BaseSettings.h"

#include "MirrelLogging.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {
constexpr char kSettingsFileEnv[] = "ORVANE_SETTINGS_FILE";
constexpr char kSettingsFileName[] = "Orvane.ini";

QString &explicitPath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> &store()
{
    static std::unique_ptr<QSettings> settings;
    return settings;
}

QString resolvedPath()
{
    if (!explicitPath().isEmpty())
        return explicitPath();
    const QString fromEnv = qEnvironmentVariable(kSettingsFileEnv);
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Veltaron/") +
        QLatin1String(kSettingsFileName);
}
} // namespace

BaseSettings::BaseSettings(QObject *parent)
    : QObject(parent)
{
}

QSettings *BaseSettings::getSettings()
{
    auto &settings = store();
    const QString path = resolvedPath();
    if (!settings || settings->fileName() != path) {
        if (settings)
            settings->sync();
        QDir().mkpath(QFileInfo(path).absolutePath());
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        qCDebug(lcMirrel) << "settings file" << path;
    }
    return settings.get();
}

void BaseSettings::setSettingsFile(const QString &filePath)
{
    if (store())
        store()->sync();
    explicitPath() = filePath;
    store().reset();
}

QString BaseSettings::settingsFile()
{
    return resolvedPath();
}

int BaseSettings::readInt(const QString &key, int defaultValue)
{
    const QVariant value = getSettings()->value(key);
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

int BaseSettings::readInt(const QString &key, int defaultValue, int minimum)
{
    const int value = readInt(key, defaultValue);
    return value < minimum ? defaultValue : value;
}

bool BaseSettings::readBool(const QString &key, bool defaultValue)
{
    const QString text = getSettings()->value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return defaultValue;
}

QString BaseSettings::readString(const QString &key, const QString &defaultValue)
{
    const QVariant value = getSettings()->value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

void BaseSettings::writeValue(const QString &key, const QVariant &value)
{
    QSettings *settings = getSettings();
    settings->setValue(key, value);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        qCWarning(lcMirrel) << "could not write settings file" << settings->fileName();
}

QString BaseSettings::readPortName()
{
    return readString(kKeyPortName);
}
int BaseSettings::readBaudrate()
{
    return readInt(kKeyBaudrate, kDefaultBaudrate, 1);
}
int BaseSettings::readParity()
{
    return readInt(kKeyParity, kDefaultParity, 0);
}
int BaseSettings::readDatabit()
{
    return readInt(kKeyDatabit, kDefaultDatabit, 5);
}
int BaseSettings::readStopbit()
{
    return readInt(kKeyStopbit, kDefaultStopbit, 1);
}
int BaseSettings::readTimeout()
{
    return readInt(kKeyTimeout, kDefaultTimeout, 1);
}
int BaseSettings::readRetry()
{
    return readInt(kKeyRetry, kDefaultRetry, 0);
}
int BaseSettings::readDeviceID()
{
    return readInt(kKeyDeviceID, kDefaultDeviceID, 0);
}
int BaseSettings::readClearance()
{
    return readInt(kKeyClearance, kDefaultClearance, 0);
}

void BaseSettings::writePortName(const QString &portName)
{
    writeValue(kKeyPortName, portName);
}
void BaseSettings::writeBaudrate(int value)
{
    writeValue(kKeyBaudrate, value);
}
void BaseSettings::writeParity(int value)
{
    writeValue(kKeyParity, value);
}
void BaseSettings::writeDatabit(int value)
{
    writeValue(kKeyDatabit, value);
}
void BaseSettings::writeStopbit(int value)
{
    writeValue(kKeyStopbit, value);
}
void BaseSettings::writeTimeout(int value)
{
    writeValue(kKeyTimeout, value);
}
void BaseSettings::writeRetry(int value)
{
    writeValue(kKeyRetry, value);
}
void BaseSettings::writeDeviceID(int value)
{
    writeValue(kKeyDeviceID, value);
}
void BaseSettings::writeClearance(int value)
{
    writeValue(kKeyClearance, value);
}

template<typename Signal>
void BaseSettings::storeInt(const QString &key, int value, int defaultValue, Signal changed)
{
    if (readInt(key, defaultValue) == value && getSettings()->contains(key))
        return;
    writeValue(key, value);
    emit(this->*changed)();
}

void BaseSettings::setPortName(const QString &portName)
{
    if (getSettings()->contains(kKeyPortName) && readPortName() == portName)
        return;
    writePortName(portName);
    emit portNameChanged();
}

void BaseSettings::setBaudrate(int value)
{
    storeInt(kKeyBaudrate, value, kDefaultBaudrate, &BaseSettings::baudrateChanged);
}
void BaseSettings::setParity(int value)
{
    storeInt(kKeyParity, value, kDefaultParity, &BaseSettings::parityChanged);
}
void BaseSettings::setDatabit(int value)
{
    storeInt(kKeyDatabit, value, kDefaultDatabit, &BaseSettings::databitChanged);
}
void BaseSettings::setStopbit(int value)
{
    storeInt(kKeyStopbit, value, kDefaultStopbit, &BaseSettings::stopbitChanged);
}
void BaseSettings::setTimeout(int value)
{
    storeInt(kKeyTimeout, value, kDefaultTimeout, &BaseSettings::timeoutChanged);
}
void BaseSettings::setRetry(int value)
{
    storeInt(kKeyRetry, value, kDefaultRetry, &BaseSettings::retryChanged);
}
void BaseSettings::setDeviceID(int value)
{
    storeInt(kKeyDeviceID, value, kDefaultDeviceID, &BaseSettings::deviceIDChanged);
}
void BaseSettings::setClearance(int value)
{
    storeInt(kKeyClearance, value, kDefaultClearance, &BaseSettings::clearanceChanged);
}
