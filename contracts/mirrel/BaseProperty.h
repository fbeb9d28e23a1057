#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QTimer;

// One register-mapped value. The property holds its own registers; the shown value is the raw
// register content divided by the divisor, minimum and maximum are in shown units, span is the
// number of registers. Values from the device arrive through setRawValue and are never written
// back; values from the user arrive through setValue / fromHex and leave as write signals.
class BaseProperty : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(qint64 rawValue READ rawValue NOTIFY rawValueChanged)
    Q_PROPERTY(QString hexValue READ toHex WRITE setHexValue NOTIFY rawValueChanged)
    Q_PROPERTY(QString text READ text NOTIFY rawValueChanged)
    Q_PROPERTY(uint registerIndex READ registerIndex CONSTANT)
    Q_PROPERTY(double minimum READ minimum CONSTANT)
    Q_PROPERTY(double maximum READ maximum CONSTANT)
    Q_PROPERTY(double divisor READ divisor CONSTANT)
    Q_PROPERTY(bool readOnly READ readOnly CONSTANT)
    Q_PROPERTY(PropertyType propertyType READ propertyType CONSTANT)
    Q_PROPERTY(int span READ span CONSTANT)
    Q_PROPERTY(QString unit READ unit CONSTANT)
    Q_PROPERTY(int decimals READ decimals CONSTANT)
public:
    // How the registers are read. 32-bit values and floats are low word first; texts hold two
    // characters per register, first character in the low byte.
    enum PropertyType : quint8 {
        Flag = 0, // 0 or 1
        UInt16 = 1,
        Text = 2,
        UInt32 = 3,
        Int16 = 4,
        Int32 = 5,
        Float = 6, // IEEE-754 single
        HexString = 7, // identifiers and keys, shown as hex digits
        HexByte = 8, // 0..255, shown as two hex digits
        Unknown = 255
    };
    Q_ENUM(PropertyType)

    BaseProperty(uint registerIndex, double minimum, double maximum, double divisor, bool readOnly,
                 PropertyType propertyType, uchar span, const QString &unit, QObject *parent = nullptr);

    uint registerIndex() const { return m_registerIndex; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double divisor() const { return m_divisor; }
    bool readOnly() const { return m_readOnly; }
    PropertyType propertyType() const { return m_propertyType; }
    int span() const { return m_span; }
    QString unit() const { return m_unit; }
    // Decimal places the divisor implies (divisor 10 -> 1, 100 -> 2).
    int decimals() const;
    // Whether the definition is usable: known type, enough registers for it, a finite non-zero
    // divisor, minimum <= maximum and registers inside the address space.
    bool valid() const { return m_valid; }

    QList<quint16> registers() const { return m_registers; }
    // The registers as one integer of the property type (0 for texts and hex strings).
    qint64 rawValue() const;
    double value() const;
    QString text() const;
    QString toHex() const;

    // Write delay: a value is sent once it has been left alone this long (0 = at once).
    void setSignalDelay(int milliseconds);
    int signalDelay() const { return m_signalDelay; }
    // Command registers: the property reads 0 again right after each write.
    void setResetAfterWrite(bool reset);
    bool hasPendingWrite() const;

    // Parses a user's hex text. Blanks, ':' and '-' are ignored, as is a leading "0x".
    Q_INVOKABLE bool fromHex(const QString &hex);
    // Texts for Text properties; must fit into span registers.
    Q_INVOKABLE bool setText(const QString &text);

    static QString registersToHex(const QList<quint16> &registers);
    static QList<quint16> hexToRegisters(const QString &hex, bool *ok = nullptr);

public slots:
    // The whole register image; the property takes its span registers at registerIndex.
    virtual void setRawValue(QList<quint16> image);
    // Back to all-zero registers without writing.
    virtual void reset();
    void setValue(double value);
    void setHexValue(const QString &hex);

signals:
    void valueChanged(double value);
    void rawValueChanged(qint64 rawValue);
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    void errorPlainText(QString error);

private:
    bool acceptUserRegisters(const QList<quint16> &words);
    bool storeRegisters(const QList<quint16> &words);
    void sendWrite();
    bool isNumeric() const;
    bool rawInTypeRange(qint64 raw) const;
    QList<quint16> encode(qint64 raw) const;

    uint m_registerIndex = 0;
    double m_minimum = 0;
    double m_maximum = 0;
    double m_divisor = 1;
    bool m_readOnly = false;
    PropertyType m_propertyType = UInt16;
    int m_span = 1;
    QString m_unit;
    bool m_valid = false;
    QList<quint16> m_registers;
    int m_signalDelay = 0;
    bool m_resetAfterWrite = false;
    QTimer *m_writeTimer = nullptr;
};
