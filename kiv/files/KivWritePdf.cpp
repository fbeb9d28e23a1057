#include "KivWritePdf.h"

#include "Functions.h"
#include "KivDatenblock.h"
#include "KivDeviceSetup.h"
#include "KivFilesLogging.h"
#include "KivImageView.h"
#include "KivLcdBlock.h"
#include "KivRegisterMap.h"
#include "KivRelaisBlock.h"
#include "KivRs485.h"
#include "KivSaveFile.h"
#include "KivThresholdFormat.h"
#include "KivTlfBlock.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace {
using KivRegisterMap::kAltitude;
using KivRegisterMap::kCalibrationInterval;
using KivRegisterMap::kHoursToCalibration;
using KivRegisterMap::kHoursToMaintenance;
using KivRegisterMap::kMaintenanceInterval;
using KivRegisterMap::kMaxVoltage;
using KivRegisterMap::kMinVoltage;
using KivRegisterMap::kSerialNumber;
using KivRegisterMap::kUnitSystem;
constexpr int kLeftX = 700;
constexpr int kRightX = 4962;
constexpr int kIndentX = 825;
constexpr int kColumnWidth = 4262;
constexpr int kColumnGap = 120;
constexpr int kRowHeight = 250;
constexpr int kHeadingHeight = 280;
constexpr int kTlfHeadingWidth = 9924;
constexpr int kLogoHeight = 750;
constexpr int kDateX = 6616;
constexpr int kDateHeight = 500;
constexpr int kAfterHeader = 500;
constexpr int kHeadingPixels = 220;
constexpr int kBodyPixels = 200;
constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter;

constexpr uint kBoardType = 144;
constexpr uint kLcd = 82;
constexpr uint kTlfOnOff = 83;
constexpr uint kTlfChannelColor1 = 110;
constexpr uint kTlfColor23 = 111;
constexpr uint kTlfThreshold1 = 112;
constexpr uint kTlfThreshold2 = 114;
constexpr uint kBusStart = 144;
constexpr uint kBacnetDescription = 160;
constexpr int kBacnetDescriptionRegisters = 16;
constexpr uint kBacnetCovEnable = 176;

// A service interval the protocol cannot print as months.
constexpr qint64 kInvalidInterval = 4000;
constexpr qint64 kHoursPerMonth = 720;
constexpr qint64 kMaxHoursToNext = 17304;
constexpr int kServiceValues = 6;
constexpr int kTlfValues = 7;

// Which block parameters hold the settings the protocol prints.
constexpr int kParamMixMode = 0;
constexpr int kParamRatio1 = 1;
constexpr int kParamRatio2 = 2;
constexpr int kParamResponseTime = 2;
constexpr int kParamFanMaker = 5;
constexpr int kParamDuctShape = 6;
constexpr int kParamDimension1 = 7;
constexpr int kParamDimension2 = 8;
constexpr int kMixBlock = 3;

QString num(double value)
{
    return QString::number(value);
}

QString colourText(int colour)
{
    switch (colour) {
    case 0:
        return KivWritePdf::tr("Keine");
    case 2:
        return KivWritePdf::tr("Gelb");
    case 3:
        return KivWritePdf::tr("Rot");
    default:
        return KivWritePdf::tr("Grün");
    }
}

QString parityText(quint32 parity)
{
    switch (parity) {
    case 0:
        return QStringLiteral("None");
    case 1:
        return QStringLiteral("Odd");
    case 2:
        return QStringLiteral("Even");
    default:
        return QStringLiteral("Unknown parity");
    }
}

QString yesNo(const QVariant &flag)
{
    return flag.toInt() != 0 ? KivWritePdf::tr("Ja") : KivWritePdf::tr("Nein");
}
} // namespace

KivWritePdf::KivWritePdf(QObject *parent)
    : QObject(parent)
{
    m_headingFont.setPixelSize(kHeadingPixels);
    m_headingFont.setWeight(QFont::Bold);
    m_bodyFont.setPixelSize(kBodyPixels);
}

QString KivWritePdf::measureText(Enums::TypeDatenblock type)
{
    switch (type) {
    case Enums::Temperatur:
        return tr("Temperatur");
    case Enums::Relative_Feuchte:
        return tr("Relative Feuchte");
    case Enums::Absolute_Feuchte:
        return tr("Absolute Feuchte");
    case Enums::Enthalpie:
        return tr("Enthalpie");
    case Enums::Taupunkt:
        return tr("Taupunkt");
    case Enums::CO2:
        return tr("CO2");
    case Enums::VOC:
        return tr("VOC");
    case Enums::CO2_VOC:
        return tr("CO2/VOC");
    case Enums::Volumenstrom:
        return tr("Volumenstrom");
    case Enums::Druck:
        return tr("Druck");
    case Enums::Helligkeit:
        return tr("Helligkeit");
    case Enums::Kondensat:
        return tr("Kondensat");
    case Enums::Luftdruck:
        return tr("Luftdruck");
    case Enums::Volumenstrom2:
        return tr("Volumenstrom 2");
    case Enums::Druck2:
        return tr("Druck 2");
    default:
        return QString();
    }
}

bool KivWritePdf::write(QString filePath, const QList<quint16> &registers, const QList<KivDatenblock *> &dataBlocks,
                        const QList<KivRelaisBlock *> &relays, const KivLcdBlock *lcd, const KivTlfBlock *tlf,
                        const KivRs485 *rs485, const KivDeviceSetup *setup)
{
    m_dataBlocks = dataBlocks;
    m_relays = relays;
    m_rs485 = rs485;
    m_mainBoard = setup ? setup->mainBoard() : Enums::MP_Unknown;
    gather(registers, setup);
    if (!lcd)
        m_display.clear();
    if (!tlf)
        m_tlf.clear();

    if (!filePath.endsWith(QStringLiteral(".pdf")))
        filePath += QStringLiteral(".pdf");
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcKivFiles) << "cannot create" << filePath << file.errorString();
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolution);
        connect(this, &KivWritePdf::makeNewPage, &writer, &QPdfWriter::newPage, Qt::DirectConnection);
        QPainter painter;
        if (painter.begin(&writer)) {
            draw(painter);
            drawn = painter.end();
        }
    }
    return finishSaveFile(file, drawn);
}

void KivWritePdf::gather(const QList<quint16> &registers, const KivDeviceSetup *setup)
{
    m_registers = registers;
    const KivImageView image(m_registers);
    const QDateTime now = m_now.isValid() ? m_now : QDateTime::currentDateTime();
    const QLocale german(QLocale::German, QLocale::Germany);

    QString name = setup ? setup->deviceName() : QString();
    if (setup && setup->testMode())
        name += QStringLiteral(" Dummy");
    m_general = {name,
                 german.toString(now, QStringLiteral("ddd  MMMM yyyy hh:mm:ss")),
                 QString(),
                 image.u32(kAltitude),
                 image.u32(kMinVoltage),
                 image.u32(kMaxVoltage),
                 image.u32(kUnitSystem),
                 image.u32(kBoardType),
                 setup ? setup->firmware() : QString(),
                 image.u32(kSerialNumber)};

    m_display = {image.low(kLcd),     image.high(kLcd),     image.low(kLcd + 1), image.high(kLcd + 3),
                 image.low(kLcd + 4), image.high(kLcd + 4), image.low(kLcd + 5), image.high(kLcd + 5),
                 image.low(kLcd + 6), image.high(kLcd + 6), image.low(kLcd + 7), image.high(kLcd + 7)};

    const quint8 channel = image.low(kTlfChannelColor1);
    const auto threshold = [&](uint reg) {
        return KivThresholdFormat::tlfThreshold(setup, image.word(reg), image.word(reg + 1));
    };
    m_tlf = {image.high(kTlfOnOff) != 0 && channel != 0,
             channel,
             threshold(kTlfThreshold1),
             threshold(kTlfThreshold2),
             image.high(kTlfChannelColor1),
             image.low(kTlfColor23),
             image.high(kTlfColor23)};

    // Service and calibration: the interval in months and the dates around the hours left.
    m_service.clear();
    const auto serviceDates = [&](uint monthsReg, uint hoursReg) {
        const qint64 months = image.u32(monthsReg);
        const qint64 hours = image.u32(hoursReg);
        QString last = tr("Ungültiges Datum");
        QString next = QStringLiteral("--");
        qint64 interval = kInvalidInterval;
        if (months >= 1) {
            if (kHoursPerMonth * months >= hours) {
                last = now.addSecs(-(kHoursPerMonth * months - hours) * 3600).toString(QStringLiteral("dd.MM.yyyy"));
                interval = months;
            }
            if (hours < kMaxHoursToNext)
                next = now.addSecs(hours * 3600).toString(QStringLiteral("dd.MM.yyyy"));
        }
        return QVariantList{interval, last, next};
    };
    m_service << serviceDates(kMaintenanceInterval, kHoursToMaintenance)
              << serviceDates(kCalibrationInterval, kHoursToCalibration);
}

void KivWritePdf::step()
{
    if (m_y + kLineStep > kPageBottom) {
        m_y = kTop;
        emit makeNewPage();
        return;
    }
    m_y += kLineStep;
}

void KivWritePdf::heading(QPainter &painter, const QString &text, int width)
{
    step();
    step();
    painter.setFont(m_headingFont);
    painter.drawText(QRect(kLeftX, m_y, width, kHeadingHeight), kFlags, text);
    painter.setFont(m_bodyFont);
}

void KivWritePdf::row(QPainter &painter, const QString &left, const QString &right, int x)
{
    step();
    // A long device name must not run into the right column.
    const auto fitted = [&painter](const QString &text) {
        return painter.fontMetrics().elidedText(text, Qt::ElideRight, kColumnWidth - kColumnGap);
    };
    painter.drawText(QRect(x, m_y, kColumnWidth, kRowHeight), kFlags, fitted(left));
    if (!right.isEmpty())
        painter.drawText(QRect(kRightX, m_y, kColumnWidth, kRowHeight), kFlags, fitted(right));
}

const KivDatenblock *KivWritePdf::blockOnChannel(qint64 channel) const
{
    for (const KivDatenblock *block : m_dataBlocks) {
        if (block && channel != 0 && qint64(block->channel()) == channel)
            return block;
    }
    return nullptr;
}

QString KivWritePdf::measureOnChannel(qint64 channel) const
{
    const KivDatenblock *block = blockOnChannel(channel);
    return block ? measureText(block->type()) : QStringLiteral("--");
}

void KivWritePdf::draw(QPainter &painter)
{
    m_y = kTop;
    painter.setFont(m_bodyFont);
    drawHeader(painter);
    drawGeneral(painter);
    drawOutputs(painter);
    drawDisplay(painter);
    drawTlf(painter);
    drawRelays(painter);
    drawBus(painter);
    drawService(painter);
}

void KivWritePdf::drawHeader(QPainter &painter)
{
    const QImage logo(m_logoPath);
    if (!logo.isNull() && logo.height() > 0) {
        const int width = int(qint64(kLogoHeight) * logo.width() / logo.height());
        painter.drawImage(QRect(kLeftX, kTop, width, kLogoHeight), logo);
    } else {
        qCWarning(lcKivFiles) << "no logo at" << m_logoPath;
    }
    painter.drawText(QRect(kDateX, kTop, kColumnWidth, kDateHeight), kFlags | Qt::TextWordWrap,
                     tr("Protokoll vom:\n") + m_general.value(1).toString());
    m_y = kTop + std::max(kLogoHeight, kDateHeight) + kAfterHeader;
}

void KivWritePdf::drawGeneral(QPainter &painter)
{
    const QVariantList &g = m_general;
    heading(painter, tr("Allgemeine Einstellungen:"));
    row(painter, tr("Name: ") + g.value(0).toString(),
        tr("Einheitensystem: ") + (g.value(6).toUInt() == 1 ? QStringLiteral("Si") : QStringLiteral("Imp")));
    row(painter, tr("Ort: ") + g.value(2).toString(), tr("Höhe [m]: ") + g.value(3).toString());
    row(painter, tr("Spannungsuntergrenze [V]: ") + g.value(4).toString(),
        tr("Spannungsobergrenze [V]: ") + g.value(5).toString());
    row(painter, tr("Versionsnummer: ") + g.value(8).toString(), tr("Seriennummer: ") + g.value(9).toString());
}

void KivWritePdf::drawOutputs(QPainter &painter)
{
    QList<const KivDatenblock *> outputs;
    for (const KivDatenblock *block : std::as_const(m_dataBlocks)) {
        if (block && block->channel() != 0)
            outputs.append(block);
    }
    std::stable_sort(outputs.begin(), outputs.end(),
                     [](const KivDatenblock *a, const KivDatenblock *b) { return a->channel() < b->channel(); });
    for (const KivDatenblock *block : std::as_const(outputs)) {
        heading(painter,
                tr("Ausgang ") + QString::number(block->channel()) + QStringLiteral(": ") + measureText(block->type()));
        drawOutputRows(painter, block);
    }
}

void KivWritePdf::drawOutputRows(QPainter &painter, const KivDatenblock *block)
{
    const Enums::TypeDatenblock t = block->type();
    const auto rangeRows = [&] {
        row(painter, tr("Messbereich:"));
        row(painter, tr("Untergrenze: ") + num(block->lowerRange()), QString(), kIndentX);
        row(painter, tr("Unteres Limit: ") + num(block->lowerLimit()), QString(), kIndentX);
        row(painter, tr("Obergrenze: ") + num(block->upperRange()), QString(), kIndentX);
        row(painter, tr("Oberes Limit: ") + num(block->upperLimit()), QString(), kIndentX);
        row(painter, tr("Einheit: ") + Enums::unitToString(block->unit()));
        row(painter, tr("Offset: ") + QString::number(block->offset()));
    };
    const auto ratioRow = [&] {
        row(painter,
            tr("Mischverhältnis: %1 : %2").arg(block->parameter(kParamRatio1)).arg(block->parameter(kParamRatio2)));
    };
    const bool qev = m_mainBoard == Enums::MP_Qev;
    if (qev && (t == Enums::Volumenstrom || t == Enums::Volumenstrom2)) {
        rangeRows();
        row(painter, tr("Ansprechzeit [s]: ") + QString::number(block->parameter(kParamResponseTime)));
        row(painter, tr("K-Faktor: ") + num(block->adjustedKValue()));
        const qint32 duct = block->parameter(kParamDuctShape);
        if (duct == 0) {
            const qint32 maker = block->parameter(kParamFanMaker);
            QString makerText;
            switch (maker) {
            case 0:
                makerText = QStringLiteral("Rosenberg/Comefri/Gebhardt Nicotra");
                break;
            case 1:
                makerText = QStringLiteral("Ziehl-Abegg/EBM-Papst");
                break;
            case 2:
                makerText = QStringLiteral("Fläkt Woods");
                break;
            default:
                makerText = tr("Unbekannt: Id ") + QString::number(maker);
            }
            row(painter, tr("Hersteller: ") + makerText);
            return;
        }
        const QString shape = duct == 1 ? tr("Rund")
            : duct == 2                 ? tr("Rechteckig")
            : duct == 3                 ? tr("Individuelle Fläche")
                                        : QString();
        row(painter, tr("Kanalform: ") + shape);
        const QString first = duct == 1 ? tr("Durchmesser [mm]: ")
            : duct == 2                 ? tr("Höhe Kanal [mm]: ")
                                        : tr("Fläche [mm²]: ");
        row(painter, first + QString::number(block->parameter(kParamDimension1)));
        row(painter, tr("Breite Kanal [mm]: ") + QString::number(block->parameter(kParamDimension2)));
        return;
    }
    if (qev && (t == Enums::Druck || t == Enums::Druck2)) {
        rangeRows();
        return;
    }
    const bool mixCandidate = (m_mainBoard == Enums::MP_WSK && t == Enums::Temperatur) ||
        ((m_mainBoard == Enums::MP_VDX || m_mainBoard == Enums::MP_Ro52) && t == Enums::Helligkeit);
    if (mixCandidate && block->multiSuffix() == kMixBlock) {
        const QString what = t == Enums::Temperatur ? tr("Temperatur")
            : t == Enums::Helligkeit                ? tr("Helligkeit")
                                                    : tr("Unbekannt");
        const qint32 mode = block->parameter(kParamMixMode);
        const QString mixing = mode == 0 ? QStringLiteral("--")
            : mode == 1                  ? tr("Mittelwert")
            : mode == 2                  ? tr("Minimalwert aus %1 1 und 2").arg(what)
                                         : tr("Maximalwert aus %1 1 und 2").arg(what);
        row(painter, tr("Mischart: ") + mixing);
        ratioRow();
        return;
    }
    if (t == Enums::CO2_VOC)
        ratioRow();
    rangeRows();
}

void KivWritePdf::drawDisplay(QPainter &painter)
{
    const QVariantList &d = m_display;
    if (d.isEmpty())
        return;
    heading(painter, tr("Display: "));
    row(painter, d.value(0).toInt() != 0 ? tr("Display vorhanden") : tr("Kein Display vorhanden"));
    row(painter, tr("Status: "));
    if (d.size() >= 3) {
        row(painter, tr("Helligkeit[%]: ") + d.value(1).toString());
        row(painter, tr("Rotation[°]: ") + QString::number(d.value(2).toInt() * 90));
    }
    row(painter, tr("Anzeige auf dem Display: "));
    for (int i = 0; i < 4; ++i) {
        row(painter, tr("Kanal %1: ").arg(i + 1) + measureOnChannel(i + 1), tr("Anzeige: ") + yesNo(d.value(8 + i)),
            kIndentX);
    }
    for (qsizetype k = 0; k < m_relays.size(); ++k) {
        const KivRelaisBlock *relay = m_relays.at(k);
        row(painter, tr("Relais %1: ").arg(k + 1) + (relay ? measureOnChannel(relay->channel()) : QString()),
            tr("Anzeige: ") + yesNo(d.value(5 + int(k))), kIndentX);
    }
}

void KivWritePdf::drawTlf(QPainter &painter)
{
    const QVariantList &t = m_tlf;
    if (t.isEmpty() || !t.first().toBool() || t.size() < kTlfValues)
        return;
    heading(painter, tr("TLF:"), kTlfHeadingWidth);
    const KivDatenblock *block = blockOnChannel(t.value(1).toInt());
    row(painter, tr("Messgröße: ") + (block ? measureText(block->type()) : QStringLiteral("--")),
        tr("Einheit: ") + (block ? Enums::unitToString(block->unit()) : QString()));
    row(painter, tr("Schwellwert 1: ") + num(t.value(2).toDouble()),
        tr("Schwellwert 2: ") + num(t.value(3).toDouble()));
    row(painter, tr("Farbe Bereich 1: ") + colourText(t.value(4).toInt()),
        tr("Farbe Bereich 2: ") + colourText(t.value(5).toInt()));
    row(painter, tr("Farbe Bereich 3: ") + colourText(t.value(6).toInt()));
}

void KivWritePdf::drawRelays(QPainter &painter)
{
    for (qsizetype k = 0; k < m_relays.size(); ++k) {
        const KivRelaisBlock *relay = m_relays.at(k);
        if (!relay)
            continue;
        const KivDatenblock *block = blockOnChannel(relay->channel());
        heading(painter,
                tr("Relais") + QString::number(k + 1) + QStringLiteral(": ") +
                    (block ? measureText(block->type()) : QStringLiteral("--")));
        row(painter, tr("Schwellwert 1: ") + num(relay->threshold1()));
        row(painter, tr("Schwellwert 2: ") + num(relay->threshold2()));
        row(painter, tr("Hysterese: ") + QString::number(relay->hysteresis()));
        row(painter, tr("Einheit: ") + (block ? Enums::unitToString(block->unit()) : QString()));
    }
}

void KivWritePdf::drawBus(QPainter &painter)
{
    if (!m_rs485)
        return;
    const KivRs485 *bus = m_rs485;
    const QVariantList values{bus->dipAdress(), bus->deviceId(), bus->baudrate(),
                              bus->modus(),     bus->parity(),   bus->stopBit()};
    if (!bus->isBacNet()) {
        heading(painter, tr("Modbus"));
        row(painter, tr("Adresse (BUS): ") + values.at(0).toString());
        row(painter, tr("Adresse (App): ") + values.at(1).toString());
        row(painter, tr("Baudrate: ") + values.at(2).toString());
        row(painter,
            tr("Übertragungsart: ") + (values.at(3).toUInt() == 0 ? QStringLiteral("RTU") : QStringLiteral("TCP")));
        row(painter, tr("Parität: ") + parityText(values.at(4).toUInt()));
        return;
    }
    const KivImageView image(m_registers);
    QString description;
    // Two characters per register, first in the low byte, ended by the first 0.
    for (int i = 0; i < 2 * kBacnetDescriptionRegisters; ++i) {
        const quint16 word = image.word(kBacnetDescription + uint(i / 2));
        const quint8 c = i % 2 == 0 ? Functions::lowByte(word) : Functions::highByte(word);
        if (c == 0)
            break;
        description += QChar(c);
    }
    heading(painter, tr("BACnet"));
    row(painter, tr("MAC-Adresse:: ") + values.at(0).toString());
    row(painter, tr("BACnet Offset-ID: ") + values.at(1).toString());
    row(painter, tr("Übertragungsrate: ") + values.at(2).toString());
    row(painter, tr("Parität: ") + parityText(values.at(4).toUInt()));
    row(painter, tr("BACnet-Description: ") + description);
    row(painter, tr("COV-U: ") + (image.asFloat(kBacnetCovEnable) != 0.0f ? tr("aktiv") : tr("deaktiviert")));
    for (const KivDatenblock *block : std::as_const(m_dataBlocks)) {
        const int offset = block ? KivRs485::incrementOffset(block->type(), false) : -1;
        if (offset < 0)
            continue;
        row(painter,
            QStringLiteral("%1 %2: ").arg(measureText(block->type()), Enums::unitToString(block->unit())) +
                num(double(image.asFloat(kBusStart + uint(offset)))));
    }
}

void KivWritePdf::drawService(QPainter &painter)
{
    const QVariantList &s = m_service;
    if (s.size() < kServiceValues)
        return;
    const auto months = [](const QVariant &value) {
        return value.toLongLong() >= kInvalidInterval ? QStringLiteral("--") : value.toString();
    };
    heading(painter, tr("Service: "));
    row(painter, tr("Serviceintervall: %1 Monate").arg(months(s.at(0))),
        tr("Kalibrierungsintervall: %1 Monate").arg(months(s.at(3))));
    row(painter, tr("Letzter Service: ") + s.at(1).toString(), tr("Letzte Kalibrierung: ") + s.at(4).toString());
    row(painter, tr("Nächster Service: ") + s.at(2).toString(), tr("Nächster Kalibrierung: ") + s.at(5).toString());
}
