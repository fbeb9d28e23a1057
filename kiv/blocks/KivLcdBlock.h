#pragma once

#include "Enums.h"
#include "Functions.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <array>

// Display settings (registers 82 .. 89): whether a display is present, its brightness and
// rotation and what it shows. Two settings share a register; changes within the debounce time
// leave as one write of that register.
class KivLcdBlock : public Enums
{
    Q_OBJECT
    Q_PROPERTY(quint8 available READ available WRITE setAvailable NOTIFY availableChanged)
    Q_PROPERTY(quint8 brightness READ brightness WRITE setBrightness NOTIFY brightnessChanged)
    Q_PROPERTY(quint8 rotation READ rotation WRITE setRotation NOTIFY rotationChanged)
    Q_PROPERTY(quint8 showService READ showService WRITE setShowService NOTIFY showServiceChanged)
    Q_PROPERTY(quint8 showCalibration READ showCalibration WRITE setShowCalibration NOTIFY showCalibrationChanged)
    Q_PROPERTY(quint8 showRelais1 READ showRelais1 WRITE setShowRelais1 NOTIFY showRelais1Changed)
    Q_PROPERTY(quint8 showRelais2 READ showRelais2 WRITE setShowRelais2 NOTIFY showRelais2Changed)
    Q_PROPERTY(quint8 cntSensors READ cntSensors WRITE setCntSensors NOTIFY cntSensorsChanged)
    Q_PROPERTY(quint8 showChannel1 READ showChannel1 WRITE setShowChannel1 NOTIFY showChannel1Changed)
    Q_PROPERTY(quint8 showChannel2 READ showChannel2 WRITE setShowChannel2 NOTIFY showChannel2Changed)
    Q_PROPERTY(quint8 showChannel3 READ showChannel3 WRITE setShowChannel3 NOTIFY showChannel3Changed)
    Q_PROPERTY(quint8 showChannel4 READ showChannel4 WRITE setShowChannel4 NOTIFY showChannel4Changed)
    Q_PROPERTY(bool isAvailaAbleReferenceCheck READ isAvailaAbleReferenceCheck WRITE setIsAvailaAbleReferenceCheck
                   NOTIFY isAvailaAbleReferenceCheckChanged)

public:
    static constexpr uint kStartRegister = 82;
    static constexpr int kBlockRegisters = 8;
    static constexpr int kDebounceMs = 10;
    // The rotation shares its register with the traffic light's on/off byte.
    static constexpr uint kOffRotation = 1;

    // The byte settings in the order the device image is taken over.
    enum Field : int {
        Available,
        Brightness,
        Rotation,
        ShowService,
        ShowCalibration,
        ShowRelais1,
        ShowRelais2,
        CntSensors,
        ShowChannel1,
        ShowChannel2,
        ShowChannel3,
        ShowChannel4,
        FieldCount
    };

    // For meta-type registration: start register 0.
    explicit KivLcdBlock(QObject *parent = nullptr);
    KivLcdBlock(const QList<quint16> &registerImage, uint startRegister, QObject *parent = nullptr);

    uint startRegister() const { return m_startRegister; }
    quint8 field(Field field) const { return m_fields.at(size_t(field)); }
    quint8 available() const { return field(Available); }
    quint8 brightness() const { return field(Brightness); }
    quint8 rotation() const { return field(Rotation); }
    quint8 showService() const { return field(ShowService); }
    quint8 showCalibration() const { return field(ShowCalibration); }
    quint8 showRelais1() const { return field(ShowRelais1); }
    quint8 showRelais2() const { return field(ShowRelais2); }
    quint8 cntSensors() const { return field(CntSensors); }
    quint8 showChannel1() const { return field(ShowChannel1); }
    quint8 showChannel2() const { return field(ShowChannel2); }
    quint8 showChannel3() const { return field(ShowChannel3); }
    quint8 showChannel4() const { return field(ShowChannel4); }
    bool isAvailaAbleReferenceCheck() const { return m_isAvailaAbleReferenceCheck; }
    // A display is reported and the device name marks a display variant.
    bool hasDisplay() const { return available() != 0 && m_isAvailaAbleReferenceCheck; }
    // A debounced register write is still to come.
    bool writesPending() const;

    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);
    // Stores and signals a real change; the signal restarts the register's debounce, a rotation
    // is written at once.
    void setField(Field field, quint8 value);

public slots:
    void setAvailable(quint8 value) { setField(Available, value); }
    void setBrightness(quint8 value) { setField(Brightness, value); }
    void setRotation(quint8 value) { setField(Rotation, value); }
    void setShowService(quint8 value) { setField(ShowService, value); }
    void setShowCalibration(quint8 value) { setField(ShowCalibration, value); }
    void setShowRelais1(quint8 value) { setField(ShowRelais1, value); }
    void setShowRelais2(quint8 value) { setField(ShowRelais2, value); }
    void setCntSensors(quint8 value) { setField(CntSensors, value); }
    void setShowChannel1(quint8 value) { setField(ShowChannel1, value); }
    void setShowChannel2(quint8 value) { setField(ShowChannel2, value); }
    void setShowChannel3(quint8 value) { setField(ShowChannel3, value); }
    void setShowChannel4(quint8 value) { setField(ShowChannel4, value); }
    void setIsAvailaAbleReferenceCheck(bool isAvailaAbleReferenceCheck);

signals:
    void writeHalfRegister(uint reg, uchar value, Functions::Byte which);
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    void availableChanged(quint8 available);
    void brightnessChanged(quint8 brightness);
    void rotationChanged(quint8 rotation);
    void showServiceChanged(quint8 showService);
    void showCalibrationChanged(quint8 showCalibration);
    void showRelais1Changed(quint8 showRelais1);
    void showRelais2Changed(quint8 showRelais2);
    void cntSensorsChanged(quint8 cntSensors);
    void showChannel1Changed(quint8 showChannel1);
    void showChannel2Changed(quint8 showChannel2);
    void showChannel3Changed(quint8 showChannel3);
    void showChannel4Changed(quint8 showChannel4);
    void isAvailaAbleReferenceCheckChanged(bool isAvailaAbleReferenceCheck);
    void hasLcd(bool hasLcd);

private:
    // A register that holds two settings, written whole after its debounce time.
    struct PairedRegister
    {
        uint offset;
        Field low;
        Field high;
    };
    static const std::array<PairedRegister, 5> kPairs;

    void initTimers();
    void emitChanged(Field field);
    // Index into kPairs of the register that holds field; -1 for rotation and service note.
    static int pairOf(Field field);

    std::array<quint8, FieldCount> m_fields{};
    bool m_isAvailaAbleReferenceCheck = false;
    uint m_startRegister = 0;
    std::array<QTimer, 5> m_timers;
};
