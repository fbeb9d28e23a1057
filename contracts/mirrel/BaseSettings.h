#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QSettings;

// The framework's shared settings store (an INI file) and the settings every plugin shares:
// serial parameters, port name, device ID and access level. Reads that find no value or no
// number give the default. The static functions serve C++; the properties serve QML.
class BaseSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString portName READ readPortName WRITE setPortName NOTIFY portNameChanged)
    Q_PROPERTY(int baudrate READ readBaudrate WRITE setBaudrate NOTIFY baudrateChanged)
    Q_PROPERTY(int parity READ readParity WRITE setParity NOTIFY parityChanged)
    Q_PROPERTY(int databit READ readDatabit WRITE setDatabit NOTIFY databitChanged)
    Q_PROPERTY(int stopbit READ readStopbit WRITE setStopbit NOTIFY stopbitChanged)
    Q_PROPERTY(int timeout READ readTimeout WRITE setTimeout NOTIFY timeoutChanged)
    Q_PROPERTY(int retry READ readRetry WRITE setRetry NOTIFY retryChanged)
    Q_PROPERTY(int deviceID READ readDeviceID WRITE setDeviceID NOTIFY deviceIDChanged)
    Q_PROPERTY(int clearance READ readClearance WRITE setClearance NOTIFY clearanceChanged)
public:
    explicit BaseSettings(QObject *parent = nullptr);

    // The process-wide store. Do not keep the pointer: setSettingsFile() replaces the store.
    static QSettings *getSettings();
    // Points the store at another INI file (tests, portable installs). An empty path returns
    // to the default: $ORVANE_SETTINGS_FILE, else the user's configuration folder.
    static void setSettingsFile(const QString &filePath);
    static QString settingsFile();

    static int readInt(const QString &key, int defaultValue);
    // Like readInt, but a stored value below minimum also gives the default.
    static int readInt(const QString &key, int defaultValue, int minimum);
    static bool readBool(const QString &key, bool defaultValue);
    static QString readString(const QString &key, const QString &defaultValue = {});
    static void writeValue(const QString &key, const QVariant &value);

    static QString readPortName();
    static int readBaudrate();
    static int readParity();
    static int readDatabit();
    static int readStopbit();
    static int readTimeout();
    static int readRetry();
    static int readDeviceID();
    static int readClearance();

    static void writePortName(const QString &portName);
    static void writeBaudrate(int value);
    static void writeParity(int value);
    static void writeDatabit(int value);
    static void writeStopbit(int value);
    static void writeTimeout(int value);
    static void writeRetry(int value);
    static void writeDeviceID(int value);
    static void writeClearance(int value);

    static constexpr int kDefaultBaudrate = 115200;
    static constexpr int kDefaultParity = 0; // none
    static constexpr int kDefaultDatabit = 8;
    static constexpr int kDefaultStopbit = 1;
    static constexpr int kDefaultTimeout = 1000; // ms
    static constexpr int kDefaultRetry = 3;
    static constexpr int kDefaultDeviceID = 1;
    static constexpr int kDefaultClearance = 0;

    static inline const QString kKeyPortName = QStringLiteral("Serial/portName");
    static inline const QString kKeyBaudrate = QStringLiteral("Serial/baudrate");
    static inline const QString kKeyParity = QStringLiteral("Serial/parity");
    static inline const QString kKeyDatabit = QStringLiteral("Serial/databit");
    static inline const QString kKeyStopbit = QStringLiteral("Serial/stopbit");
    static inline const QString kKeyTimeout = QStringLiteral("Serial/timeout");
    static inline const QString kKeyRetry = QStringLiteral("Serial/retry");
    static inline const QString kKeyDeviceID = QStringLiteral("Serial/deviceID");
    static inline const QString kKeyClearance = QStringLiteral("Special/clearance");

public slots:
    void setPortName(const QString &portName);
    void setBaudrate(int value);
    void setParity(int value);
    void setDatabit(int value);
    void setStopbit(int value);
    void setTimeout(int value);
    void setRetry(int value);
    void setDeviceID(int value);
    void setClearance(int value);

signals:
    void portNameChanged();
    void baudrateChanged();
    void parityChanged();
    void databitChanged();
    void stopbitChanged();
    void timeoutChanged();
    void retryChanged();
    void deviceIDChanged();
    void clearanceChanged();

private:
    // Stores and signals only on a real change.
    template<typename Signal>
    void storeInt(const QString &key, int value, int defaultValue, Signal changed);
};
