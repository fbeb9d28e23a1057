#include "RtuServer.h"

#include "ModbusCrc.h"
#include "ModbusSlave.h"
#include "RegisterDevice.h"

#include <QIODevice>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>

Q_LOGGING_CATEGORY(lcRtuServer, "emulator.rtu")

RtuServer::RtuServer(RegisterDevice *device, quint8 slaveId, QObject *parent)
    : QObject(parent)
    , m_device(device)
    , m_slave(new ModbusSlave(device))
    , m_slaveId(slaveId)
{
    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    m_idleTimer->setInterval(kIdleMs);
    connect(m_idleTimer, &QTimer::timeout, this, &RtuServer::onIdle);
    // The restart is requested while the triggering write is handled; its answer still leaves.
    connect(device, &RegisterDevice::restarting, this, [this](int ms) { m_pendingSilenceMs = ms; });
    m_clock.start();
    m_wireTimer = new QTimer(this);
    m_wireTimer->setSingleShot(true);
    m_wireTimer->setTimerType(Qt::PreciseTimer);
    connect(m_wireTimer, &QTimer::timeout, this, &RtuServer::onWireDue);
}

RtuServer::~RtuServer()
{
    delete m_slave;
}

void RtuServer::setFault(const FaultInjection &fault)
{
    m_fault = fault;
}

void RtuServer::setWireModel(const WireModel &wire)
{
    m_wire = wire;
}

void RtuServer::attach(QIODevice *stream)
{
    if (m_stream)
        disconnect(m_stream, nullptr, this, nullptr);
    m_stream = stream;
    if (m_stream)
        connect(m_stream, &QIODevice::readyRead, this, &RtuServer::onReadyRead);
}

void RtuServer::setMarker(const QByteArray &marker)
{
    m_parser.setMarker(marker);
}

void RtuServer::onReadyRead()
{
    m_rxAtNs = m_clock.nsecsElapsed();
    const QByteArray bytes = m_stream->readAll();
    if (m_silence.isValid() && m_silence.elapsed() < m_silenceMs) {
        qCDebug(lcRtuServer) << "restarting, ignored" << bytes.toHex(' ');
        return;
    }
    qCDebug(lcRtuServer) << "rx" << bytes.toHex(' ');
    process(m_parser.feed(bytes));
    if (m_parser.pendingBytes() > 0)
        m_idleTimer->start();
}

void RtuServer::onIdle()
{
    process(m_parser.flush());
}

void RtuServer::process(const QList<RtuFrameParser::Event> &events)
{
    for (const RtuFrameParser::Event &e : events) {
        if (e.kind == RtuFrameParser::Event::Marker) {
            qCInfo(lcRtuServer) << "marker text received";
            m_device->markerReceived();
            continue;
        }
        handleFrame(e);
    }
}

void RtuServer::handleFrame(const RtuFrameParser::Event &frame)
{
    if (frame.slaveId != m_slaveId && frame.slaveId != kBroadcastId) {
        qCDebug(lcRtuServer) << "frame for id" << frame.slaveId << "ignored";
        return;
    }
    const FaultInjection::Action action = m_fault.next();
    if (action == FaultInjection::Action::Silence) {
        qCDebug(lcRtuServer) << "fault: no answer";
        return;
    }

    QByteArray pdu;
    if (action == FaultInjection::Action::AnswerException)
        pdu = ModbusSlave::exception(frame.function, quint8(m_fault.argument()));
    else
        pdu = m_slave->handle(frame.pdu);
    emit requestHandled(frame.function);

    const int silenceAfter = m_pendingSilenceMs;
    m_pendingSilenceMs = 0;
    // Broadcasts are carried out but never answered.
    if (frame.slaveId == kBroadcastId || pdu.isEmpty()) {
        beSilent(silenceAfter);
        return;
    }

    QByteArray answer = ModbusCrc::appended(QByteArray(1, char(m_slaveId)) + pdu);
    switch (action) {
    case FaultInjection::Action::CorruptCrc:
        answer[answer.size() - 1] = char(answer.at(answer.size() - 1) ^ 0x5A);
        break;
    case FaultInjection::Action::AnswerGarbage:
        answer = m_fault.garbage();
        break;
    case FaultInjection::Action::AnswerLate: {
        QPointer<RtuServer> self(this);
        const qint64 requestAt = m_rxAtNs;
        const qint64 requestBytes = frame.raw.size();
        QTimer::singleShot(m_fault.argument(), this, [self, answer, requestAt, requestBytes] {
            if (self)
                self->sendOverWire(answer, requestAt, requestBytes);
        });
        beSilent(silenceAfter);
        return;
    }
    default:
        break;
    }
    sendOverWire(answer, m_rxAtNs, frame.raw.size());
    beSilent(silenceAfter);
}

void RtuServer::sendOverWire(const QByteArray &frame, qint64 requestAtNs, qint64 requestBytes)
{
    if (!m_wire.isEnabled()) {
        send(frame);
        return;
    }
    // The line is half duplex: an answer starts once the request and the device's silence are
    // over and no earlier answer is still on the line.
    const qint64 start = qMax(requestAtNs + m_wire.bytesNs(requestBytes) + m_wire.frameSilenceNs(), m_lineFreeAtNs);
    const qint64 due = qMax(start + m_wire.bytesNs(frame.size()), m_clock.nsecsElapsed());
    m_lineFreeAtNs = due;
    m_held.append({due, frame});
    if (!m_wireTimer->isActive())
        onWireDue();
}

void RtuServer::onWireDue()
{
    constexpr qint64 kNsPerMs = 1000000;
    while (!m_held.isEmpty()) {
        const qint64 waitNs = m_held.first().dueNs - m_clock.nsecsElapsed();
        if (waitNs >= kNsPerMs) {
            // Timers count whole milliseconds; the rest is waited out below.
            m_wireTimer->start(int(waitNs / kNsPerMs));
            return;
        }
        while (m_clock.nsecsElapsed() < m_held.first().dueNs) { }
        send(m_held.takeFirst().frame);
    }
}

void RtuServer::send(const QByteArray &frame)
{
    if (!m_stream)
        return;
    qCDebug(lcRtuServer) << "tx" << frame.toHex(' ');
    m_stream->write(frame);
}

void RtuServer::beSilent(int ms)
{
    if (ms <= 0)
        return;
    m_silenceMs = ms;
    m_silence.start();
}
