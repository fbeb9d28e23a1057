#pragma once

#include "BaseContainer.h"
#include "KivDatenblock.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

// CO2 and VOC adjustment behind the expert password. The back end hands it the device's CO2 and
// VOC blocks after every read; the adjustment works on them.
class KivExpertModeContainer : public BaseContainer
{
    Q_OBJECT
    Q_PROPERTY(QString infoVoc READ infoVoc CONSTANT)
    Q_PROPERTY(QString infoCo2 READ infoCo2 CONSTANT)
    Q_PROPERTY(QString descriptionCo2 READ descriptionCo2 CONSTANT)
    Q_PROPERTY(
        quint16 freshAirAdjustment READ freshAirAdjustment WRITE setFreshAirAdjustment NOTIFY freshAirAdjustmentChanged)
    Q_PROPERTY(quint16 freshAirAmount READ freshAirAmount WRITE setFreshAirAmount NOTIFY freshAirAmountChanged)

public:
    // MD5 of the expert password, lower-case hex.
    static constexpr char kPasswordDigest[] = "7c1e04b9a6d23f58e90b4a7d16c3e2f5";
    // A site may keep its own password: the digest under this settings key replaces the built-in
    // one when it is 32 lower-case hex digits.
    static inline const QString kDigestSettingsKey = QStringLiteral("Special/expertDigest");
    // Start command of the prepared adjustment; the device restarts and adjusts by itself.
    static constexpr uint kAdjustmentRegister = 63;
    static constexpr quint16 kAdjustmentStart = 1;
    static constexpr int kStartDelayMs = 1000;
    // Reference gas concentrations the sensor accepts; 0 and 1 in parameter0 are the mode.
    static constexpr qint32 kMinReferencePpm = 400;
    static constexpr qint32 kMaxReferencePpm = 2000;
    static constexpr qint32 kModeAutomatic = 1;
    static constexpr qint32 kVocAdjustmentRequest = 1;

    explicit KivExpertModeContainer(QObject *parent = nullptr);

    KivDatenblock *co2Block() const { return m_co2Block; }
    KivDatenblock *vocBlock() const { return m_vocBlock; }
    bool adjustmentPending() const { return m_startTimer.isActive(); }

    QString infoVoc() const;
    QString infoCo2() const;
    QString descriptionCo2() const;
    quint16 freshAirAdjustment() const { return m_freshAirAdjustment; }
    quint16 freshAirAmount() const { return m_freshAirAmount; }

    static bool isReferencePpm(qint32 value) { return value >= kMinReferencePpm && value <= kMaxReferencePpm; }

public slots:
    // The container takes its values from the blocks, not from the image.
    void setData(QList<quint16> data) override;
    void reset() override;
    bool check(const QString &toCheck) const;
    void startCo2Adjustment();
    void startVocAdjustment();
    void setCo2Block(KivDatenblock *block);
    void setVocBlock(KivDatenblock *block);
    void setFreshAirAdjustment(quint16 freshAirAdjustment);
    void setFreshAirAmount(quint16 freshAirAmount);

signals:
    void freshAirAdjustmentChanged(quint16 freshAirAdjustment);
    void freshAirAmountChanged(quint16 freshAirAmount);
    void adjustmentStarted();

private slots:
    void updateCo2Settings(qint32 value);
    void startAdjustment();

private:
    QString m_passwordDigest;
    quint16 m_freshAirAdjustment = 0;
    quint16 m_freshAirAmount = 0;
    // Not owned: the back end deletes the blocks.
    QPointer<KivDatenblock> m_co2Block;
    QPointer<KivDatenblock> m_vocBlock;
    QMetaObject::Connection m_co2SettingsConnection;
    QMetaObject::Connection m_co2ModeConnection;
    QTimer m_startTimer;
};
