#include "BootloaderEmulation.h"

namespace {
constexpr int kRegK1 = 2;
constexpr int kRegK2 = 3;
constexpr int kRegPageCount = 4;
constexpr int kRegPageIndex = 5;
constexpr int kRegCommand = 6;
// Info block: bootloader version 1.2, page size, window start, window length.
constexpr quint16 kInfoBlock[] = {0x0102, 2048, 10, 1024, 0, 0, 0, 0};
} // namespace

void BootloaderEmulation::reset()
{
    m_registers = QList<quint16>(kRegisterCount, 0);
    m_image.clear();
    m_committed.clear();
    m_state = State::Idle;
    m_pageCount = 0;
    m_lastError.clear();
}

void BootloaderEmulation::setFault(const BootloaderFault &fault)
{
    m_fault = fault;
    m_wrongWordsLeft = fault.kind == BootloaderFault::Kind::WrongWords ? fault.argument : 0;
    m_dropPending = fault.kind == BootloaderFault::Kind::DropMidPage;
    m_dropped = false;
}

void BootloaderEmulation::reconnect()
{
    if (!m_dropped)
        return;
    reset();
    m_dropped = false;
    m_events.append(QStringLiteral("link back, transfer starts over"));
}

bool BootloaderEmulation::linkDropped() const
{
    return m_dropped;
}

QStringList BootloaderEmulation::takeEvents()
{
    QStringList events;
    events.swap(m_events);
    return events;
}

BootloaderEmulation::Result BootloaderEmulation::read(int start, int count, QList<quint16> *values)
{
    if (m_dropped)
        return Result::NoAnswer;
    if (start < 0 || count < 1 || start + count > kRegisterCount)
        return Result::IllegalAddress;
    const bool presence = start <= 1;
    if (presence && m_fault.kind == BootloaderFault::Kind::NoPresence)
        return Result::NoAnswer;
    if (presence && m_wrongWordsLeft > 0) {
        --m_wrongWordsLeft;
        m_events.append(QStringLiteral("presence check answered with wrong words (%1 more)").arg(m_wrongWordsLeft));
        *values = QList<quint16>(count, 0);
        values->first() = quint16(~kKey1);
        return Result::Ok;
    }
    values->clear();
    for (int reg = start; reg < start + count; ++reg) {
        if (reg == 0)
            values->append(kKey1);
        else if (reg == 1)
            values->append(kKey2);
        else if (reg < kWindowStart)
            values->append(kInfoBlock[reg - 2]);
        else
            values->append(m_registers.at(reg));
    }
    return Result::Ok;
}

BootloaderEmulation::Result BootloaderEmulation::write(int start, const QList<quint16> &values)
{
    if (m_dropped)
        return Result::NoAnswer;
    if (start < 0 || values.isEmpty() || start + values.size() > kRegisterCount)
        return Result::IllegalAddress;
    // The link goes once the announced page is half written; what arrived so far is kept.
    if (m_dropPending && m_state == State::Receiving && committedPages() == m_fault.argument &&
        start + values.size() > kWindowStart + kPageWords / 2) {
        m_dropPending = false;
        m_dropped = true;
        m_events.append(QStringLiteral("link dropped in the middle of page %1").arg(m_fault.argument));
        return Result::NoAnswer;
    }
    for (int i = 0; i < values.size(); ++i)
        m_registers[start + i] = values.at(i);
    // A command takes effect when the write reaches the command register.
    if (start <= kRegCommand && start + values.size() > kRegCommand)
        return runCommand();
    return Result::Ok;
}

BootloaderEmulation::State BootloaderEmulation::state() const
{
    return m_state;
}

int BootloaderEmulation::pageCount() const
{
    return m_pageCount;
}

int BootloaderEmulation::committedPages() const
{
    return int(m_committed.count(true));
}

QByteArray BootloaderEmulation::image() const
{
    return m_image;
}

QString BootloaderEmulation::lastError() const
{
    return m_lastError;
}

BootloaderEmulation::Result BootloaderEmulation::runCommand()
{
    const quint16 command = m_registers.at(kRegCommand);
    m_registers[kRegCommand] = 0;
    if (m_registers.at(kRegK1) != kKey1 || m_registers.at(kRegK2) != kKey2) {
        m_lastError = QStringLiteral("command %1 without the bootloader key").arg(command);
        return Result::IllegalValue;
    }
    const int pageCount = m_registers.at(kRegPageCount);
    const int pageIndex = m_registers.at(kRegPageIndex);
    switch (command) {
    case kCommandStart:
        if (pageCount < 1) {
            m_lastError = QStringLiteral("start with no pages");
            return Result::IllegalValue;
        }
        m_pageCount = pageCount;
        m_image = QByteArray(pageCount * kPageBytes, '\0');
        m_committed = QList<bool>(pageCount, false);
        std::fill(m_registers.begin() + kWindowStart, m_registers.end(), 0);
        m_state = State::Receiving;
        m_events.append(QStringLiteral("start, %1 pages announced").arg(pageCount));
        return Result::Ok;
    case kCommandCommit: {
        if (m_state != State::Receiving || pageIndex >= m_pageCount) {
            m_lastError =
                QStringLiteral("commit of page %1 outside the announced %2 pages").arg(pageIndex).arg(m_pageCount);
            return Result::IllegalValue;
        }
        char *page = m_image.data() + pageIndex * kPageBytes;
        for (int w = 0; w < kPageWords; ++w) {
            const quint16 word = m_registers.at(kWindowStart + w);
            page[2 * w] = char(word & 0xFF);
            page[2 * w + 1] = char(word >> 8);
        }
        m_committed[pageIndex] = true;
        m_events.append(QStringLiteral("page %1 of %2 committed").arg(pageIndex + 1).arg(m_pageCount));
        // A fresh window per page, so a short last page is padded with zeros.
        std::fill(m_registers.begin() + kWindowStart, m_registers.end(), 0);
        return Result::Ok;
    }
    case kCommandFinish:
        if (m_state != State::Receiving) {
            m_lastError = QStringLiteral("finish without a started transfer");
            return Result::IllegalValue;
        }
        if (committedPages() != m_pageCount) {
            // Keep going: the image file shows what arrived, the log says what is missing.
            m_lastError =
                QStringLiteral("finished with %1 of %2 pages committed").arg(committedPages()).arg(m_pageCount);
        }
        m_state = State::Finished;
        return Result::Ok;
    default:
        m_lastError = QStringLiteral("unknown bootloader command %1").arg(command);
        return Result::IllegalValue;
    }
}
