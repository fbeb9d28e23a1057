#pragma once

#include "Enums.h"

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

class KivDatenblock;
class KivDeviceSetup;
class KivLcdBlock;
class KivRelaisBlock;
class KivRs485;
class KivTlfBlock;
class QPainter;

// The printable protocol of a device's configuration (German texts): a header with the logo,
// then one section per function the device has. Values come from the register image and the
// data blocks; the other blocks only say which sections the device has.
class KivWritePdf : public QObject
{
    Q_OBJECT

public:
    static constexpr int kResolution = 1200;
    static constexpr int kTop = 700;
    static constexpr int kLineStep = 330;
    static constexpr int kPageBottom = 12628;

    explicit KivWritePdf(QObject *parent = nullptr);

    // The time the protocol is dated and service dates are counted from; now unless set.
    void setReferenceTime(const QDateTime &now) { m_now = now; }
    // The logo drawn in the header; a missing image leaves its place empty.
    void setLogoPath(const QString &path) { m_logoPath = path; }

    // Writes filePath (".pdf" appended unless it ends with it) through a temporary file; false
    // when the file could not be created or the PDF not drawn, an earlier file then stays.
    bool write(QString filePath, const QList<quint16> &registers, const QList<KivDatenblock *> &dataBlocks,
               const QList<KivRelaisBlock *> &relays, const KivLcdBlock *lcd, const KivTlfBlock *tlf,
               const KivRs485 *rs485, const KivDeviceSetup *setup);

    // "Temperatur", "Relative Feuchte", ... for a measure type.
    static QString measureText(Enums::TypeDatenblock type);

signals:
    void makeNewPage();

private:
    void gather(const QList<quint16> &registers, const KivDeviceSetup *setup);
    void draw(QPainter &painter);
    void drawHeader(QPainter &painter);
    void drawGeneral(QPainter &painter);
    void drawOutputs(QPainter &painter);
    void drawOutputRows(QPainter &painter, const KivDatenblock *block);
    void drawDisplay(QPainter &painter);
    void drawTlf(QPainter &painter);
    void drawRelays(QPainter &painter);
    void drawBus(QPainter &painter);
    void drawService(QPainter &painter);

    void step();
    void heading(QPainter &painter, const QString &text, int width = 8524);
    void row(QPainter &painter, const QString &left, const QString &right = QString(), int x = 700);
    const KivDatenblock *blockOnChannel(qint64 channel) const;
    QString measureOnChannel(qint64 channel) const;

    int m_y = kTop;
    QFont m_headingFont;
    QFont m_bodyFont;
    Enums::TypeMainBoard m_mainBoard = Enums::MP_Unknown;
    QDateTime m_now;
    QString m_logoPath = QStringLiteral(":/Images/Logo/veltaronLogoMain.png");

    QList<quint16> m_registers;
    QList<KivDatenblock *> m_dataBlocks;
    QList<KivRelaisBlock *> m_relays;
    const KivRs485 *m_rs485 = nullptr;
    QVariantList m_general;
    QVariantList m_display;
    QVariantList m_tlf;
    QVariantList m_service;
};
