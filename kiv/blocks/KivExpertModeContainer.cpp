#include "KivExpertModeContainer.h"

#include "BaseSettings.h"
#include "KivDatenblock.h"

#include <QCryptographicHash>
#include <QLoggingCategory>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcKivExpert, "kiv.expert")

namespace {
QString configuredDigest()
{
    static const QRegularExpression md5Hex(QStringLiteral("^[0-9a-f]{32}$"));
    const QString stored = BaseSettings::readString(KivExpertModeContainer::kDigestSettingsKey);
    return md5Hex.match(stored).hasMatch() ? stored : QString::fromLatin1(KivExpertModeContainer::kPasswordDigest);
}
} // namespace

KivExpertModeContainer::KivExpertModeContainer(QObject *parent)
    : BaseContainer(parent)
    , m_passwordDigest(configuredDigest())
{
    m_startTimer.setSingleShot(true);
    m_startTimer.setInterval(kStartDelayMs);
    connect(&m_startTimer, &QTimer::timeout, this, &KivExpertModeContainer::startAdjustment);
}

QString KivExpertModeContainer::infoVoc() const
{
    return tr("Achtung: Das Gerät muss mindestens für 20 Minuten unter Frischluft- bedingungen betrieben werden. "
              "Sobald diese Bedingungen erfüllt ist, kann der Vorgang gestartet werden. Das Gerät startet im "
              "Anschluss neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten "
              "dauern.");
}

QString KivExpertModeContainer::infoCo2() const
{
    return tr("Hinweis: Die automatische Frischluftjustierung ist werksseitig deaktiviert. Zur Optimierung der "
              "Langzeitstabilität des Sensors kann die automatische Justierung aktiviert werden. Hierbei ist zu "
              "beachten, dass eine Frischluftzufuhr von ca. 400 ppm regelmäßig gegeben sein muss. In Anwendungen, "
              "wo diese Anforderung nicht erfüllt werden kann (Krankenhäuser, Flughäfen, Tierzucht etc.), wird "
              "strengstens davon abgeraten, die automatische Justierung zu aktivieren.");
}

QString KivExpertModeContainer::descriptionCo2() const
{
    return tr("¹ Der Sensor ermöglicht die manuelle Justierung unter Referenz- bedingungen. So lässt sich auch bei "
              "Geräten, die bereits seit einigen Jahren in unterschiedlichsten Bedingungen in Betrieb sind, eine "
              "hohe Genauigkeit erzielen. Zur Justierung muss die Konzentration des Justiergases manuell "
              "eingetragen werden. Sobald der Vorgang gestartet wurde, startet das Gerät neu und führt den "
              "Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern. \nGenauere "
              "Informationen finden Sie der Justieranleitung: Link tbd");
}

void KivExpertModeContainer::setData(QList<quint16> data)
{
    Q_UNUSED(data)
}

void KivExpertModeContainer::reset()
{
    m_co2Block = nullptr;
    m_vocBlock = nullptr;
    m_freshAirAdjustment = 0;
    m_freshAirAmount = 0;
}

bool KivExpertModeContainer::check(const QString &toCheck) const
{
    const QByteArray digest = QCryptographicHash::hash(toCheck.toUtf8(), QCryptographicHash::Md5).toHex();
    return QString::fromLatin1(digest) == m_passwordDigest;
}

void KivExpertModeContainer::startCo2Adjustment()
{
    if (!m_co2Block || m_startTimer.isActive())
        return;
    // A device that never reported a reference leaves 0 here; 0 would switch the sensor's mode
    // instead of giving it a reference.
    if (!isReferencePpm(m_freshAirAmount)) {
        qCInfo(lcKivExpert) << "CO2 adjustment refused, reference out of range:" << m_freshAirAmount;
        return;
    }
    m_co2Block->setParameter0(qint32(m_freshAirAmount));
    m_startTimer.start();
}

void KivExpertModeContainer::startVocAdjustment()
{
    if (!m_vocBlock || m_startTimer.isActive())
        return;
    m_vocBlock->setParameter1(kVocAdjustmentRequest);
    m_startTimer.start();
}

void KivExpertModeContainer::startAdjustment()
{
    emit writeSingleRegister(kAdjustmentRegister, kAdjustmentStart);
    emit adjustmentStarted();
}

void KivExpertModeContainer::setCo2Block(KivDatenblock *block)
{
    if (m_co2Block == block)
        return;
    m_co2Block = block;
    if (!block)
        return;
    disconnect(m_co2SettingsConnection);
    disconnect(m_co2ModeConnection);
    updateCo2Settings(block->parameter0());
    m_co2SettingsConnection =
        connect(block, &KivDatenblock::parameter0Changed, this, &KivExpertModeContainer::updateCo2Settings);
    // The mode chosen on the page is the block's parameter0 on the device.
    m_co2ModeConnection = connect(this, &KivExpertModeContainer::freshAirAdjustmentChanged, block,
                                  [block](quint16 mode) { block->setParameter0(qint32(mode)); });
}

void KivExpertModeContainer::setVocBlock(KivDatenblock *block)
{
    m_vocBlock = block;
}

void KivExpertModeContainer::updateCo2Settings(qint32 value)
{
    if (value == 0 || value == kModeAutomatic)
        setFreshAirAdjustment(quint16(value));
    else if (isReferencePpm(value))
        setFreshAirAmount(quint16(value));
}

void KivExpertModeContainer::setFreshAirAdjustment(quint16 freshAirAdjustment)
{
    Functions::assignAndSignal(this, m_freshAirAdjustment, freshAirAdjustment,
                               &KivExpertModeContainer::freshAirAdjustmentChanged);
}

void KivExpertModeContainer::setFreshAirAmount(quint16 freshAirAmount)
{
    Functions::assignAndSignal(this, m_freshAirAmount, freshAirAmount, &KivExpertModeContainer::freshAirAmountChanged);
}
