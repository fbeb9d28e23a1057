#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// The KIV vocabulary of measures, units and boards. Several device classes derive from it to have
// the enumerations in scope; an instance is published to QML for the conversion functions.
class Enums : public QObject
{
    Q_OBJECT

public:
    enum TypeDatenblock : qint32 {
        Invalid = 0,
        Temperatur = 1,
        Relative_Feuchte = 2,
        Absolute_Feuchte = 3,
        Enthalpie = 4,
        Taupunkt = 5,
        CO2 = 6,
        VOC = 7,
        CO2_VOC = 8,
        Volumenstrom = 9,
        Druck = 10,
        Helligkeit = 11,
        Kondensat = 12,
        Luftdruck = 13,
        Volumenstrom2 = 0x0FFFFFF0,
        Druck2 = 0x0FFFFFF1,
        MAX1 = 2147483647
    };
    Q_ENUM(TypeDatenblock)

    enum UnitDatenBlock : qint32 {
        Grad_C = 1,
        Grad_F = 2,
        Prozent = 3,
        g_m3 = 4,
        kJ_kg = 5,
        BTU_lb = 6,
        ppm = 7,
        ppb = 8,
        Pa = 9,
        hPa = 10,
        kPa = 11,
        mbar = 12,
        bar = 13,
        inchWC = 14,
        m3_s = 15,
        m3_h = 16,
        cfm = 17,
        klux = 18,
        lux = 19,
        fc = 20,
        grain_ft3 = 21,
        raw = 22,
        onoff = 23,
        MAX2 = 2147483647
    };
    Q_ENUM(UnitDatenBlock)

    enum TypeCircuitBoard : qint32 {
        AP_Unknown = 0,
        AP_VV = 1,
        AP_AA = 2,
        AP_Relais = 3,
        AP_Modbus = 4,
        AP_LCD = 5,
        AP_BACnet = 6,
        AP_LON = 7,
        AP_LORA = 8,
        AP_Max = 9,
        MAX4 = 2147483647
    };
    Q_ENUM(TypeCircuitBoard)

    enum OsIdentifier : qint32 { Unknown = 0, MacOS = 1, Win = 2, Linux = 3, Ios = 4, Android = 5 };
    Q_ENUM(OsIdentifier)

    enum TypeMainBoard : qint32 {
        MP_Unknown = 0,
        MP_Kiv = 1,
        MP_Qev = 2,
        MP_VDX = 3,
        MP_Ro52 = 4,
        MP_WSK = 5,
        MP_HBplus = 6
    };
    Q_ENUM(TypeMainBoard)

    // (lower bound, upper bound) of a measuring range.
    using Range = QPair<double, double>;
    using RangeList = QList<Range>;
    // first: unit system 1 (SI), second: unit system 2 (imperial); same index = same range.
    using RangeTable = QPair<RangeList, RangeList>;

    explicit Enums(QObject *parent = nullptr);

    Q_INVOKABLE static QString typeToString(Enums::TypeDatenblock type);
    Q_INVOKABLE static QString unitToString(Enums::UnitDatenBlock unit);
    Q_INVOKABLE static Enums::OsIdentifier currentOS();
    Q_INVOKABLE static QString getImageSource(Enums::TypeDatenblock type);
    Q_INVOKABLE static QString getImageSource(Enums::TypeDatenblock type, int multi);

    static RangeTable rangesForType(TypeDatenblock type);
    // Maps a range to the entry with the same index in the other unit system's list; unknown
    // ranges fall back to that list's first entry, measures without a matching table stay as given.
    static Range convertRange(Range range, TypeDatenblock type, bool siToImperial);
};
