#include "ModbusClientSerial.h"

#include "BraskoLogging.h"
#include "TrafficLog.h"

#include <QDataStream>
#include <QDateTime>
#include <QFileInfo>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QModbusRtuSerialClient>
#include <QSerialPort>
#include <QTimer>
#include <QVariant>

#include <utility>

namespace {

// Headroom over the client's own time-outs before a reply counts as stuck (adapter pulled
// mid-request leaves QtSerialBus replies unfinished).
constexpr int GuardMarginMs = 1000;
// Raw bytes are a few dozen at most; a write that takes longer has hung.
constexpr int RawWriteTimeoutMs = 2000;
constexpr int MinTimeoutMs = 10;
constexpr int MaxTimeoutMs = 60000;
constexpr int MaxRetries = 10;
constexpr int RegisterSpace = 0x10000;

std::optional<QSerialPort::Parity> parityFromInt(int value)
{
    switch (value) {
    case 0:
        return QSerialPort::NoParity;
    case 1: // the devices' own bus registers count odd as 1
    case 3:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    case 4:
        return QSerialPort::SpaceParity;
    case 5:
        return QSerialPort::MarkParity;
    default:
        return std::nullopt;
    }
}

// The exception code of an exception answer, else -1. Taken from the answer's bytes: Qt keeps
// the function code with its exception bit in an enumeration that has no such value, so its own
// inline accessors read an invalid enumerator.
int exceptionCodeOf(const QModbusResponse &response)
{
    constexpr quint8 kExceptionBit = 0x80;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << response;
    if (bytes.size() < 2 || !(quint8(bytes.at(0)) & kExceptionBit))
        return -1;
    return quint8(bytes.at(1));
}

QString exceptionText(int exceptionCode)
{
    switch (exceptionCode) {
    case 1:
        return ModbusClientSerial::tr("unzulässige Funktion");
    case 2:
        return ModbusClientSerial::tr("unzulässige Registeradresse");
    case 3:
        return ModbusClientSerial::tr("unzulässiger Wert");
    case 4:
        return ModbusClientSerial::tr("Gerätefehler");
    case 5:
        return ModbusClientSerial::tr("Anfrage angenommen, Bearbeitung dauert");
    case 6:
        return ModbusClientSerial::tr("Gerät beschäftigt");
    default:
        return ModbusClientSerial::tr("unbekannte Ausnahme");
    }
}

QString systemLocation(const QString &port)
{
#ifdef Q_OS_UNIX
    if (!port.startsWith(QLatin1Char('/')))
        return QStringLiteral("/dev/") + port;
#endif
    return port;
}

} // namespace

ModbusClientSerial::ModbusClientSerial(QObject *parent)
    : QObject(parent)
{
}

ModbusClientSerial::~ModbusClientSerial()
{
    ++m_epoch;
    abandonReply();
    closeHandoverPort();
    if (m_client) {
        m_client->disconnect(this);
        m_client->disconnectDevice();
    }
}

std::optional<ModbusClientSerial::PortSettings> ModbusClientSerial::settingsFromParameters(const QString &port,
                                                                                           const QList<int> &parameters)
{
    PortSettings s;
    s.port = port.trimmed();
    const auto at = [&](int i, int fallback) { return i < parameters.size() ? parameters.at(i) : fallback; };
    s.baudRate = at(0, DefaultBaudRate);
    s.parity = at(1, 0);
    s.dataBits = at(2, 8);
    s.stopBits = at(3, 1);
    s.timeoutMs = at(4, DefaultTimeoutMs);
    s.retries = at(5, DefaultRetries);
    if (s.port.isEmpty() || s.baudRate <= 0 || !parityFromInt(s.parity) || s.dataBits < 5 || s.dataBits > 8 ||
        (s.stopBits != 1 && s.stopBits != 2) || s.timeoutMs <= 0 || s.timeoutMs > MaxTimeoutMs || s.retries < 0 ||
        s.retries > MaxRetries) {
        return std::nullopt;
    }
    s.timeoutMs = qMax(s.timeoutMs, MinTimeoutMs);
    return s;
}

bool ModbusClientSerial::isModbusException(int code)
{
    return (code & ~0xFF) == ExceptionBase;
}

void ModbusClientSerial::ensureClient()
{
    if (m_client)
        return;
    m_client = new QModbusRtuSerialClient(this);
    m_guard = new QTimer(this);
    m_guard->setSingleShot(true);
    connect(m_guard, &QTimer::timeout, this, &ModbusClientSerial::onGuardTimeout);
    connect(m_client, &QModbusDevice::stateChanged, this,
            [this](QModbusDevice::State state) { onClientStateChanged(int(state)); });
    connect(m_client, &QModbusDevice::errorOccurred, this,
            [this](QModbusDevice::Error error) { onClientError(int(error)); });
}

void ModbusClientSerial::applySettings()
{
    m_client->setConnectionParameter(QModbusDevice::SerialPortNameParameter, m_settings.port);
    m_client->setConnectionParameter(QModbusDevice::SerialBaudRateParameter, m_settings.baudRate);
    m_client->setConnectionParameter(QModbusDevice::SerialParityParameter,
                                     int(parityFromInt(m_settings.parity).value_or(QSerialPort::NoParity)));
    m_client->setConnectionParameter(QModbusDevice::SerialDataBitsParameter, m_settings.dataBits);
    m_client->setConnectionParameter(QModbusDevice::SerialStopBitsParameter, m_settings.stopBits);
    m_client->setTimeout(m_settings.timeoutMs);
    m_client->setNumberOfRetries(m_settings.retries);
}

bool ModbusClientSerial::connectPort(const PortSettings &settings)
{
    ensureClient();
    if (m_client->state() != QModbusDevice::UnconnectedState || m_handover) {
        // New parameters on an open link: close quietly and open again.
        const int reported = m_reportedState;
        disconnectPort();
        m_reportedState = reported;
    }
    m_settings = settings;
    m_linkFailed = false;
    applySettings();

    m_ownTransition = true;
    const bool opened = m_client->connectDevice() && m_client->state() == QModbusDevice::ConnectedState;
    m_ownTransition = false;

    if (opened) {
        qCDebug(lcBrasko) << "opened" << m_settings.port << m_settings.baudRate;
        reportState(2);
        return true;
    }
    const QString text = openErrorText(m_client->errorString());
    qCWarning(lcBrasko) << "cannot open" << m_settings.port << m_client->errorString();
    fail(ConnectionError, text);
    // Always tell the owner, even if it never saw the link up: the attempt is over.
    m_reportedState = -1;
    reportState(0);
    return false;
}

bool ModbusClientSerial::connectPort(const QString &port, const QList<int> &parameters)
{
    if (const auto settings = settingsFromParameters(port, parameters))
        return connectPort(*settings);
    disconnectPort();
    qCWarning(lcBrasko) << "invalid parameters" << port << parameters;
    m_settings.port = port;
    fail(ConfigurationError,
         port.trimmed().isEmpty() ? tr("Keine Schnittstelle angegeben.")
                                  : tr("Ungültige Schnittstellenparameter für %1.").arg(port));
    m_reportedState = -1;
    reportState(0);
    return false;
}

QString ModbusClientSerial::openErrorText(const QString &fallback) const
{
    const QString &port = m_settings.port;
    // Probe with our own port: QtSerialBus only hands back an English text.
    QSerialPort probe;
    probe.setPortName(port);
    QSerialPort::SerialPortError reason = QSerialPort::OpenError;
    if (probe.open(QIODevice::ReadWrite))
        probe.close();
    else
        reason = probe.error();

    switch (reason) {
    case QSerialPort::DeviceNotFoundError:
        return tr("Die Schnittstelle %1 existiert nicht. Ist das Gerät angeschlossen?").arg(port);
    case QSerialPort::PermissionError: {
        const QFileInfo info(systemLocation(port));
        if (info.exists() && info.isReadable() && info.isWritable())
            return tr("Die Schnittstelle %1 ist bereits von einem anderen Programm belegt.").arg(port);
        return tr("Kein Zugriff auf die Schnittstelle %1 (fehlende Berechtigung).").arg(port);
    }
    default:
        return tr("Die Schnittstelle %1 konnte nicht geöffnet werden: %2").arg(port, fallback);
    }
}

void ModbusClientSerial::disconnectPort()
{
    ++m_epoch;
    m_queue.clear();
    abandonReply();
    closeHandoverPort();
    m_handover = false;
    m_busy = false;
    m_current = Datagram();
    if (m_client && m_client->state() != QModbusDevice::UnconnectedState) {
        m_ownTransition = true;
        m_client->disconnectDevice();
        m_ownTransition = false;
    }
    if (m_reportedState != 0)
        reportState(0);
}

bool ModbusClientSerial::isConnected() const
{
    return m_handover || (m_client && m_client->state() == QModbusDevice::ConnectedState);
}

void ModbusClientSerial::reportState(int state)
{
    if (state == m_reportedState)
        return;
    m_reportedState = state;
    emit stateChanged(state);
}

void ModbusClientSerial::enqueue(const Datagram &request)
{
    if (!isConnected()) {
        failLater(NotConnectedError, tr("Keine Verbindung zum Gerät; die Anfrage wurde verworfen."));
        return;
    }
    const bool wasIdle = !m_busy && m_queue.isEmpty();
    m_queue.append(request);
    if (wasIdle)
        processPendingRequests();
}

void ModbusClientSerial::sendFirst(const Datagram &request)
{
    if (!isConnected()) {
        failLater(NotConnectedError, tr("Keine Verbindung zum Gerät; die Anfrage wurde verworfen."));
        return;
    }
    m_queue.prepend(request);
    processPendingRequests();
}

bool ModbusClientSerial::processPendingRequests()
{
    if (m_busy || m_queue.isEmpty())
        return false;
    if (!isConnected()) {
        m_queue.clear();
        return false;
    }
    dispatch(m_queue.takeFirst());
    return true;
}

void ModbusClientSerial::dispatch(const Datagram &request)
{
    m_busy = true;
    m_current = request;
    m_last = request;
    if (m_traffic) {
        m_sentMsecs = QDateTime::currentMSecsSinceEpoch();
        m_sentClock.start();
    }
    emit requestSent(request);

    if (request.kind() == Datagram::Kind::Raw) {
        startHandover(request.rawBytes());
        return;
    }

    const uint start = request.getStartAdress();
    const uint count = request.count();
    const uint maxCount = request.kind() == Datagram::Kind::Read ? MaxReadCount : MaxWriteCount;
    if (!request.isValid() || count == 0 || count > maxCount || start + count > RegisterSpace) {
        const QString text = tr("Ungültige Anfrage: Register %1, Anzahl %2.").arg(start).arg(count);
        logOutcome(request, {}, text);
        failLater(InvalidRequestError, text);
        return;
    }

    QModbusReply *reply = nullptr;
    if (request.kind() == Datagram::Kind::Read) {
        reply = m_client->sendReadRequest(
            QModbusDataUnit(QModbusDataUnit::HoldingRegisters, int(start), quint16(count)), m_serverAddress);
    } else {
        reply = m_client->sendWriteRequest(
            QModbusDataUnit(QModbusDataUnit::HoldingRegisters, int(start), request.getValues()), m_serverAddress);
    }
    if (!reply) {
        const QString text = tr("Die Anfrage konnte nicht gesendet werden: %1").arg(m_client->errorString());
        logOutcome(request, {}, text);
        failLater(ModbusClientErrors(int(m_client->error())), text);
        return;
    }
    m_reply = reply;
    m_guard->start(guardIntervalMs());
    if (reply->isFinished()) {
        // Broadcasts finish at once; keep answers asynchronous all the same.
        QTimer::singleShot(0, this, [this, reply] { onReplyFinished(reply); });
    } else {
        connect(reply, &QModbusReply::finished, this, [this, reply] { onReplyFinished(reply); });
    }
}

int ModbusClientSerial::guardIntervalMs() const
{
    return m_settings.timeoutMs * (m_settings.retries + 1) + GuardMarginMs;
}

void ModbusClientSerial::failLater(ModbusClientErrors code, const QString &text)
{
    const quint64 epoch = m_epoch;
    QTimer::singleShot(0, this, [this, epoch, code, text] {
        if (epoch != m_epoch)
            return;
        m_busy = false;
        fail(code, text);
    });
}

void ModbusClientSerial::fail(ModbusClientErrors code, const QString &text)
{
    m_lastError = code;
    m_errorString = text;
    qCWarning(lcBrasko) << code << text;
    emit errorOccurred(code);
}

void ModbusClientSerial::onReplyFinished(QModbusReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return; // abandoned earlier
    m_reply = nullptr;
    m_guard->stop();
    m_busy = false;
    const Datagram request = m_current;

    const QModbusDevice::Error error = reply->error();
    if (error == QModbusDevice::NoError) {
        Datagram answer;
        if (request.kind() == Datagram::Kind::Read) {
            const QList<quint16> values = reply->result().values();
            if (uint(values.size()) != request.count()) {
                fail(InvalidResponseError,
                     tr("Ungültige Antwort des Geräts an %1: %2 statt %3 Register.")
                         .arg(m_settings.port)
                         .arg(values.size())
                         .arg(request.count()));
                logOutcome(request, values, m_errorString);
                return;
            }
            answer = Datagram(request.getStartAdress(), values);
        } else {
            answer = Datagram(request.getStartAdress(), request.getValues());
        }
        logOutcome(request, answer.getValues(), {});
        answer.setRequestType(request.requestType());
        emit allBytesWritten();
        emit datagramReceived(answer);
        return;
    }

    const int exception = error == QModbusDevice::ProtocolError ? exceptionCodeOf(reply->rawResult()) : -1;
    if (exception >= 0) {
        fail(ModbusClientErrors(ExceptionBase + exception),
             tr("Das Gerät an %1 hat die Anfrage abgelehnt (Modbus-Ausnahme %2: %3).")
                 .arg(m_settings.port)
                 .arg(exception)
                 .arg(exceptionText(exception)));
        logOutcome(request, {}, m_errorString);
        return;
    }
    switch (error) {
    case QModbusDevice::TimeoutError:
        fail(TimeoutError, tr("Das Gerät an %1 antwortet nicht (Zeitüberschreitung).").arg(m_settings.port));
        break;
    case QModbusDevice::ReplyAbortedError:
        fail(ReplyAbortedError, tr("Die Anfrage an %1 wurde abgebrochen.").arg(m_settings.port));
        break;
    default:
        fail(ModbusClientErrors(int(error)),
             tr("Fehler bei der Kommunikation über %1: %2").arg(m_settings.port, reply->errorString()));
        break;
    }
    logOutcome(request, {}, m_errorString);
}

void ModbusClientSerial::logOutcome(const Datagram &request, const QList<quint16> &values, const QString &error)
{
    if (!m_traffic || !request.isValid())
        return;
    TrafficRecord entry;
    entry.sentMsecs = m_sentMsecs;
    entry.roundTripUs = m_sentClock.isValid() ? m_sentClock.nsecsElapsed() / 1000 : 0;
    entry.start = request.getStartAdress();
    switch (request.kind()) {
    case Datagram::Kind::Read:
        entry.function = TrafficRecord::ReadHolding;
        entry.count = request.count();
        break;
    case Datagram::Kind::Write:
        // QtSerialBus sends a single value as a single-register write.
        entry.count = request.count();
        entry.function = entry.count == 1 ? TrafficRecord::WriteSingle : TrafficRecord::WriteMultiple;
        break;
    default:
        entry.function = TrafficRecord::Raw;
        entry.start = 0;
        entry.count = uint(request.rawBytes().size());
        break;
    }
    // A write's values are what was asked to be written, also when it failed.
    entry.values = request.kind() == Datagram::Kind::Write ? request.getValues() : values;
    entry.error = error;
    m_traffic->record(std::move(entry));
}

void ModbusClientSerial::onGuardTimeout()
{
    if (m_handover) {
        finishHandover(false, tr("Zeitüberschreitung beim Schreiben."));
        return;
    }
    if (!m_reply)
        return;
    abandonReply();
    m_busy = false;
    // The owner may drop the link while told of the failure, and the request with it.
    const Datagram request = m_current;
    fail(TimeoutError, tr("Das Gerät an %1 hat die Anfrage nicht abgeschlossen.").arg(m_settings.port));
    logOutcome(request, {}, m_errorString);
}

void ModbusClientSerial::abandonReply()
{
    if (m_guard)
        m_guard->stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
}

void ModbusClientSerial::onClientStateChanged(int state)
{
    if (m_ownTransition || m_handover)
        return;
    if (state == QModbusDevice::UnconnectedState && m_reportedState == 2)
        onLinkLost(tr("Schnittstelle geschlossen"));
}

void ModbusClientSerial::onClientError(int error)
{
    if (m_ownTransition || m_handover || m_reportedState != 2)
        return;
    // Reply-bound errors arrive through the reply; only a broken port is handled here.
    if (error == QModbusDevice::ConnectionError || error == QModbusDevice::ReadError)
        onLinkLost(m_client->errorString());
}

void ModbusClientSerial::onLinkLost(const QString &detail)
{
    if (m_linkFailed)
        return;
    m_linkFailed = true;
    ++m_epoch;
    const bool requestLost = m_busy && m_reply;
    const Datagram request = m_current;
    abandonReply();
    m_queue.clear();
    m_busy = false;
    fail(ConnectionError, tr("Die Verbindung über %1 wurde unterbrochen: %2").arg(m_settings.port, detail));
    if (requestLost)
        logOutcome(request, {}, m_errorString);
    if (m_client && m_client->state() == QModbusDevice::UnconnectedState)
        reportState(0);
}

void ModbusClientSerial::startHandover(const QByteArray &bytes)
{
    // QtSerialBus's reader would swallow anything that is not a Modbus frame, so the port is
    // handed to a plain QSerialPort for the moment of the write.
    m_handover = true;
    m_ownTransition = true;
    m_client->disconnectDevice();
    m_ownTransition = false;

    m_rawPort = new QSerialPort(this);
    m_rawPort->setPortName(m_settings.port);
    m_rawPort->setBaudRate(m_settings.baudRate);
    m_rawPort->setParity(parityFromInt(m_settings.parity).value_or(QSerialPort::NoParity));
    m_rawPort->setDataBits(QSerialPort::DataBits(m_settings.dataBits));
    m_rawPort->setStopBits(QSerialPort::StopBits(m_settings.stopBits));
    if (!m_rawPort->open(QIODevice::ReadWrite)) {
        const QString reason = m_rawPort->errorString();
        finishHandover(false, reason);
        return;
    }
    connect(m_rawPort, &QSerialPort::bytesWritten, this, [this] {
        if (m_rawPort && m_rawPort->bytesToWrite() == 0)
            finishHandover(true, {});
    });
    connect(m_rawPort, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (m_rawPort && e != QSerialPort::NoError)
            finishHandover(false, m_rawPort->errorString());
    });
    m_guard->start(RawWriteTimeoutMs);
    if (m_rawPort->write(bytes) != bytes.size())
        finishHandover(false, m_rawPort->errorString());
    else if (bytes.isEmpty())
        finishHandover(true, {});
}

void ModbusClientSerial::closeHandoverPort()
{
    if (!m_rawPort)
        return;
    m_rawPort->disconnect(this);
    m_rawPort->close();
    m_rawPort->deleteLater();
    m_rawPort = nullptr;
}

void ModbusClientSerial::finishHandover(bool written, const QString &writeError)
{
    if (!m_handover)
        return;
    m_guard->stop();
    closeHandoverPort();

    m_ownTransition = true;
    const bool reopened = m_client->connectDevice() && m_client->state() == QModbusDevice::ConnectedState;
    m_ownTransition = false;
    m_handover = false;
    m_busy = false;
    const Datagram request = m_current;

    if (!reopened) {
        ++m_epoch;
        m_queue.clear();
        fail(ConnectionError, openErrorText(m_client->errorString()));
        logOutcome(request, {}, m_errorString);
        reportState(0);
        return;
    }
    if (!written) {
        fail(WriteError, tr("Schreiben auf %1 fehlgeschlagen: %2").arg(m_settings.port, writeError));
        logOutcome(request, {}, m_errorString);
        return;
    }
    logOutcome(request, {}, {});
    emit allBytesWritten();
    // Raw bytes get no answer, so nobody else would move the queue on.
    processPendingRequests();
}
