#pragma once

#include "NemtraEnums.h"

#include <BaseProperty.h>

// One register-mapped value of a ZNT device, described by one line of the property file (or a
// row of the compiled-in table): register, limits, divisor, read-only flag, the container or
// channel kind it belongs to, how its registers are read, how many there are, where it sorts.
class NemtraProperty : public BaseProperty
{
    Q_OBJECT
    Q_PROPERTY(NemtraEnums::DatablockType type READ type CONSTANT)
    Q_PROPERTY(int order READ order CONSTANT)
public:
    // The fields of one definition line, converted.
    struct Definition
    {
        bool ignored = false; // fewer than three characters: no property at all
        bool wellFormed = true; // register and span fields were usable numbers
        uint registerIndex = 0;
        double minimum = 0;
        double maximum = 0;
        double divisor = 0;
        bool readOnly = false;
        quint16 type = NemtraEnums::NoType;
        PropertyType propertyType = Unknown;
        uchar span = 0;
        int order = 0;
        QString unit;
    };

    NemtraProperty(uint registerIndex, double minimum, double maximum, double divisor, bool readOnly, quint16 type,
                   PropertyType propertyType, uchar span, int order, const QString &unit, QObject *parent = nullptr);
    explicit NemtraProperty(const QString &line, QObject *parent = nullptr);

    static Definition parseLine(const QString &line);

    NemtraEnums::DatablockType type() const { return static_cast<NemtraEnums::DatablockType>(m_type); }
    quint16 typeValue() const { return m_type; }
    int order() const { return m_order; }

public slots:
    // Sends a value to the property's register without taking it as the property's own value
    // (commands that the device consumes).
    void sendWithoutMemory(ushort value);
    // Whether the definition is usable; invalid properties are dropped by the loader.
    virtual bool isValid() const;

private:
    NemtraProperty(const Definition &definition, QObject *parent);

    quint16 m_type = NemtraEnums::NoType;
    int m_order = 0;
    bool m_wellFormed = true;
};
