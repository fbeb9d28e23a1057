#include "NemtraManualRequests.h"

#include "NemtraConnectionManager.h"
#include "NemtraTransferRecorder.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTimer>

Q_LOGGING_CATEGORY(lcNemtraManual, "znt.manual")

namespace {

// Hexadecimal with or without "0x"; -1 for anything else.
qint64 parseHex(const QString &text)
{
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    if (!hexDigits.match(digits).hasMatch())
        return -1;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, 16);
    return ok ? value : -1;
}

} // namespace

NemtraManualRequests::NemtraManualRequests(NemtraConnectionManager *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_guard(new QTimer(this))
{
    m_guard->setSingleShot(true);
    m_guard->setInterval(kAnswerTimeoutMs);
    connect(m_guard, &QTimer::timeout, this,
            [this] { fail(tr("Das Gerät hat die Anfrage nicht rechtzeitig beantwortet.")); });
    if (!m_link)
        return;
    connect(m_link, &ConnectionManagerBase::readyRead, this, &NemtraManualRequests::onReadAnswer);
    connect(m_link, &NemtraConnectionManager::allDataWritten, this, &NemtraManualRequests::onAllWritten);
    connect(m_link, &ConnectionManagerBase::serialError, this, &NemtraManualRequests::onLinkError);
    connect(m_link, &ConnectionManagerBase::errorPlainText, this, &NemtraManualRequests::onLinkError);
    connect(m_link, &ConnectionManagerBase::connectedChanged, this, &NemtraManualRequests::onConnectedChanged);
}

bool NemtraManualRequests::refuse(const QString &text)
{
    qCInfo(lcNemtraManual) << "refused:" << text;
    setMessage(text);
    emit requestFailed(text);
    return false;
}

bool NemtraManualRequests::checkLink()
{
    // A simulated device has no link at all, so say that rather than "not connected".
    if (m_link && m_link->doSimulation())
        return refuse(tr("Ein simuliertes Gerät beantwortet keine Anfragen: die Anfrage wurde nicht gesendet."));
    if (!m_link || !m_link->connected())
        return refuse(tr("Kein Gerät verbunden: die Anfrage wurde nicht gesendet."));
    if (busy())
        return refuse(tr("Die vorige Anfrage ist noch nicht beantwortet: bitte warten."));
    return true;
}

bool NemtraManualRequests::checkNotReadingAll()
{
    // The connection manager drops block writes during the full read and holds single ones
    // back until it ends; either way the write would not be answered in step with the page.
    const NemtraConnectionManager::TaskMode task = m_link->currentTask();
    if (task == NemtraConnectionManager::GetAllData || task == NemtraConnectionManager::IdTheDevice ||
        task == NemtraConnectionManager::IdDeviceSetup)
        return refuse(tr("Das Gerät wird gerade vollständig gelesen: bitte danach erneut senden."));
    return true;
}

bool NemtraManualRequests::checkRange(qint64 start, qint64 count, int maxCount)
{
    if (start < 0 || start > kLastRegister)
        return refuse(tr("Das Register muss zwischen 0000 und FFFE (hexadezimal) liegen."));
    if (count < 1 || count > maxCount)
        return refuse(tr("Die Anzahl muss zwischen 1 und %1 liegen.").arg(maxCount));
    if (start + count - 1 > kLastRegister)
        return refuse(tr("Die Register %1 bis %2 reichen über FFFE hinaus.")
                          .arg(NemtraTransferRecorder::hexText(uint(start)))
                          .arg(NemtraTransferRecorder::hexText(uint(start + count - 1))));
    return true;
}

bool NemtraManualRequests::readHolding(qint64 start, qint64 count)
{
    if (!checkRange(start, count, kMaxReadCount) || !checkLink())
        return false;
    m_waiting.clear();
    m_answered.clear();
    for (qint64 reg = start; reg < start + count; ++reg)
        m_waiting.append(uint(reg));
    begin(Reading, uint(start), int(count),
          QStringLiteral("READ %1 (%2)").arg(NemtraTransferRecorder::hexText(uint(start))).arg(count));
    // Each register joins the single-read queue; the link serves them between its own requests.
    for (qint64 reg = start; reg < start + count; ++reg)
        m_link->attemptToReadSingle(ushort(reg));
    return true;
}

bool NemtraManualRequests::writeSingle(qint64 reg, qint64 value)
{
    if (!checkRange(reg, 1, 1))
        return false;
    if (value < 0 || value > kMaxValue)
        return refuse(tr("Der Wert muss zwischen 0000 und FFFF (hexadezimal) liegen."));
    if (!checkLink() || !checkNotReadingAll())
        return false;
    begin(Writing, uint(reg), 1,
          QStringLiteral("WRITE %1 = %2")
              .arg(NemtraTransferRecorder::hexText(uint(reg)), NemtraTransferRecorder::hexText(uint(value))));
    m_link->attemptToWriteSingle(uint(reg), ushort(value));
    return true;
}

bool NemtraManualRequests::writeMulti(qint64 start, const QList<qint64> &values)
{
    if (values.isEmpty())
        return refuse(tr("Keine Werte angegeben."));
    if (!checkRange(start, values.size(), kMaxWriteCount))
        return false;
    QList<quint16> words;
    words.reserve(values.size());
    for (qint64 value : values) {
        if (value < 0 || value > kMaxValue)
            return refuse(tr("Der Wert muss zwischen 0000 und FFFF (hexadezimal) liegen."));
        words.append(quint16(value));
    }
    if (!checkLink())
        return false;
    if (!checkNotReadingAll())
        return false;
    begin(Writing, uint(start), int(words.size()),
          QStringLiteral("WRITE %1 (%2) = %3")
              .arg(NemtraTransferRecorder::hexText(uint(start)))
              .arg(words.size())
              .arg(NemtraTransferRecorder::wordsText(words)));
    m_link->attemptToWriteMulti(uint(start), words);
    return true;
}

bool NemtraManualRequests::requestHolding(const QString &start, const QString &count)
{
    const qint64 reg = parseHex(start);
    if (reg < 0)
        return refuse(tr("„%1“ ist keine gültige hexadezimale Registeradresse.").arg(start.trimmed()));
    bool ok = false;
    const qint64 n = count.trimmed().toLongLong(&ok);
    if (!ok)
        return refuse(tr("„%1“ ist keine gültige Anzahl.").arg(count.trimmed()));
    return readHolding(reg, n);
}

bool NemtraManualRequests::writeSingleHolding(const QString &reg, const QString &value)
{
    const qint64 address = parseHex(reg);
    if (address < 0)
        return refuse(tr("„%1“ ist keine gültige hexadezimale Registeradresse.").arg(reg.trimmed()));
    const qint64 word = parseHex(value);
    if (word < 0)
        return refuse(tr("„%1“ ist kein gültiger hexadezimaler Wert.").arg(value.trimmed()));
    return writeSingle(address, word);
}

bool NemtraManualRequests::writeMultiHolding(const QString &start, const QString &values)
{
    const qint64 address = parseHex(start);
    if (address < 0)
        return refuse(tr("„%1“ ist keine gültige hexadezimale Registeradresse.").arg(start.trimmed()));
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    QList<qint64> words;
    for (const QString &text : values.split(separators, Qt::SkipEmptyParts)) {
        const qint64 word = parseHex(text);
        if (word < 0)
            return refuse(tr("„%1“ ist kein gültiger hexadezimaler Wert.").arg(text));
        words.append(word);
    }
    return writeMulti(address, words);
}

void NemtraManualRequests::begin(Kind kind, uint start, int count, const QString &sent)
{
    m_kind = kind;
    m_start = start;
    m_count = count;
    setMessage(QString());
    setLastSent(sent);
    m_guard->start();
    emit busyChanged();
}

void NemtraManualRequests::finish(const QString &received)
{
    m_guard->stop();
    m_kind = Idle;
    m_waiting.clear();
    setLastReceived(received);
    emit busyChanged();
}

void NemtraManualRequests::fail(const QString &text)
{
    if (!busy())
        return;
    finish(tr("Fehler: %1").arg(text));
    setMessage(text);
    emit requestFailed(text);
}

void NemtraManualRequests::onReadAnswer(uint start, const QList<quint16> &words)
{
    // Only single-register answers: a wider read may have left before this request was made.
    if (m_kind != Reading || words.size() != 1 || !m_waiting.contains(start))
        return;
    m_waiting.removeAll(start);
    m_answered.insert(start, words.first());
    if (!m_waiting.isEmpty()) {
        // A long read over a slow link is fine as long as answers keep coming.
        m_guard->start();
        return;
    }
    const QList<quint16> values = m_answered.values();
    const uint first = m_start;
    finish(QStringLiteral("%1: %2").arg(NemtraTransferRecorder::hexText(first),
                                        NemtraTransferRecorder::wordsText(values)));
    emit readFinished(first, values);
}

void NemtraManualRequests::onAllWritten()
{
    if (m_kind != Writing)
        return;
    const uint start = m_start;
    const int count = m_count;
    finish(tr("%1: geschrieben").arg(NemtraTransferRecorder::hexText(start)));
    emit writeFinished(start, count);
}

void NemtraManualRequests::onLinkError(const QString &text)
{
    fail(text);
}

void NemtraManualRequests::onConnectedChanged(bool connected)
{
    if (!connected)
        fail(tr("Die Verbindung wurde getrennt, bevor das Gerät geantwortet hat."));
}

void NemtraManualRequests::setLastSent(const QString &text)
{
    if (m_lastSent == text)
        return;
    m_lastSent = text;
    emit lastSentChanged();
}

void NemtraManualRequests::setLastReceived(const QString &text)
{
    if (m_lastReceived == text)
        return;
    m_lastReceived = text;
    emit lastReceivedChanged();
}

void NemtraManualRequests::setMessage(const QString &text)
{
    if (m_message == text)
        return;
    m_message = text;
    emit messageChanged();
}
