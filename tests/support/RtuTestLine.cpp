#include "RtuTestLine.h"

#include <QDeadlineTimer>

bool RtuTestLine::open(const QString &path)
{
    m_port.setPortName(path);
    return m_port.open(QIODevice::ReadWrite);
}

QByteArray RtuTestLine::transact(const QByteArray &request, int expected, int timeoutMs)
{
    m_port.readAll();
    m_port.write(request);
    m_port.waitForBytesWritten(timeoutMs);
    QByteArray answer = m_port.readAll();
    QDeadlineTimer deadline(timeoutMs);
    while (answer.size() < expected && !deadline.hasExpired()) {
        if (m_port.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            answer += m_port.readAll();
    }
    return answer;
}

bool RtuTestLine::staysSilent(const QByteArray &request)
{
    return transact(request, 1, kSilenceWindowMs).isEmpty();
}
