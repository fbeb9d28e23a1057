#pragma once

#include "ApplicationVersion.h"
#include "Enums.h"

#include <QList>
#include <QObject>
#include <QString>

// Identity of the connected device, decoded from its identification registers.
class KivDeviceSetup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Enums::TypeMainBoard mainBoard READ mainBoard WRITE setMainBoard NOTIFY mainBoardChanged)
    Q_PROPERTY(Enums::TypeCircuitBoard boardType READ boardType WRITE setBoardType NOTIFY boardTypeChanged)
    Q_PROPERTY(QString gpVersionText READ gpVersionText NOTIFY gpVersionChanged)
    Q_PROPERTY(QString apVersionText READ apVersionText NOTIFY apVersionChanged)
    Q_PROPERTY(QString deviceName READ deviceName WRITE setDeviceName NOTIFY deviceNameChanged)
    Q_PROPERTY(QString firmware READ firmware WRITE setFirmware NOTIFY firmwareChanged)
    Q_PROPERTY(double seriennummer READ seriennummer WRITE setSeriennummer NOTIFY seriennummerChanged)
    Q_PROPERTY(bool testMode READ testMode WRITE setTestMode NOTIFY testModeChanged)
    Q_PROPERTY(bool isYJorYJPlus READ isYJorYJPlus WRITE setIsYJorYJPlus NOTIFY isYJorYJPlusChanged)
    Q_PROPERTY(bool isZR07Plus READ isZR07Plus WRITE setIsZR07Plus NOTIFY isZR07PlusChanged)

public:
    explicit KivDeviceSetup(QObject *parent = nullptr);

    Enums::TypeMainBoard mainBoard() const { return m_mainBoard; }
    Enums::TypeCircuitBoard boardType() const { return m_boardType; }
    ApplicationVersion gpVersion() const { return m_gpVersion; }
    ApplicationVersion apVersion() const { return m_apVersion; }
    QString gpVersionText() const;
    QString apVersionText() const;
    // The stored name, marked as " Dummy" while a simulated device is shown.
    QString deviceName() const;
    QString firmware() const { return m_firmware; }
    double seriennummer() const { return m_seriennummer; }
    bool testMode() const { return m_testMode; }
    bool isYJorYJPlus() const { return m_isYJorYJPlus; }
    bool isZR07Plus() const { return m_isZR07Plus; }
    bool hasLcdReference() const { return m_hasLcdReference; }

public slots:
    // Called after every full read and after a reset; images too short to hold the
    // identification registers are ignored.
    void updateFromImage(const QList<quint16> &image);

    void setMainBoard(Enums::TypeMainBoard mainBoard);
    void setBoardType(Enums::TypeCircuitBoard boardType);
    void setGpVersion(const ApplicationVersion &gpVersion);
    void setApVersion(const ApplicationVersion &apVersion);
    void setSeriennummer(double seriennummer);
    void setDeviceName(const QString &deviceName);
    void setFirmware(const QString &firmware);
    void setTestMode(bool testMode);
    void setIsYJorYJPlus(bool isYJorYJPlus);
    void setIsZR07Plus(bool isZR07Plus);

signals:
    void mainBoardChanged(Enums::TypeMainBoard mainBoard);
    void boardTypeChanged(Enums::TypeCircuitBoard boardType);
    void gpVersionChanged();
    void apVersionChanged();
    void apVersionTextChanged();
    void deviceNameChanged(const QString &deviceName);
    void firmwareChanged(const QString &firmware);
    void seriennummerChanged(double seriennummer);
    void testModeChanged(bool testMode);
    void isYJorYJPlusChanged(bool isYJorYJPlus);
    void isZR07PlusChanged(bool isZR07Plus);
    void hasLcdReferenceChanged(bool hasLcdReference);

private:
    static Enums::TypeMainBoard deviceNameToMainBoard(const QString &name);
    void updateIsYJorYJPlus(const QString &name);
    void updateIsZR07Plus(const QString &name);
    void setHasLcdReference(bool hasLcdReference);

    Enums::TypeMainBoard m_mainBoard = Enums::MP_Unknown;
    Enums::TypeCircuitBoard m_boardType = Enums::AP_Unknown;
    ApplicationVersion m_gpVersion;
    ApplicationVersion m_apVersion;
    double m_seriennummer = 0.0;
    QString m_deviceName;
    QString m_firmware;
    bool m_testMode = false;
    bool m_isYJorYJPlus = false;
    bool m_isZR07Plus = false;
    bool m_hasLcdReference = false;
};
