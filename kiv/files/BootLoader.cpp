#include "BootLoader.h"

#include "BaseSettings.h"
#include "KivFilesLogging.h"
#include "KivSettings.h"

#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {
constexpr quint16 kCommandStart = 1;
constexpr quint16 kCommandCommit = 2;
constexpr quint16 kCommandFinish = 3;
constexpr uint kCommandRegister = 0;
constexpr uint kPresenceRegister = 0;
constexpr uint kPresenceCount = 2;
constexpr uint kInfoHalf = 5;
constexpr uint kInfoCount = 10;
constexpr uint kWindowStart = 10;
// The device's page counter is 16 bits wide.
constexpr qint64 kMaxImageBytes = qint64(std::numeric_limits<quint16>::max()) * BootLoader::kPageBytes;
// Room for the link's own time-out handling before an answer counts as lost.
constexpr int kAnswerMarginMs = 2000;

QByteArray entryText()
{
    return QByteArrayLiteral("StartBootloader");
}
} // namespace

BootLoader::BootLoader(QObject *parent)
    : BootLoaderProperty(parent)
    , m_stepTimer(new QTimer(this))
    , m_answerGuard(new QTimer(this))
{
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, [this] {
        // The step may arm the timer again, so take it out first.
        const std::function<void()> step = std::move(m_step);
        m_step = nullptr;
        if (step)
            step();
    });
    m_answerGuard->setSingleShot(true);
    connect(m_answerGuard, &QTimer::timeout, this, &BootLoader::onAnswerTimeout);
    connect(this, &BootLoaderProperty::curBytesChanged, this, &BootLoader::bytesPerSecond);
}

void BootLoader::setFast(bool fast)
{
    m_fast = fast;
}

bool BootLoader::fast() const
{
    return m_fast;
}

void BootLoader::setTiming(const Timing &timing)
{
    m_timing = timing;
}

BootLoader::Timing BootLoader::timing() const
{
    return m_timing;
}

void BootLoader::uploadLastFile()
{
    loadFile(m_filePath);
}

void BootLoader::updateGpAndAp()
{
    if (m_busy) {
        qCWarning(lcKivFiles) << "bootloader: upload already running, update refused";
        return;
    }
    m_addOnNext = true;
    emit updatingGp();
    loadFile(QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/updateGp.bin"));
}

void BootLoader::updateAP()
{
    emit updatingAP();
    loadFile(QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/updateAp.bin"));
}

void BootLoader::loadFile(QString filePath)
{
    // Two uploads would interleave their blocks on the one link.
    if (m_busy) {
        qCWarning(lcKivFiles) << "bootloader: upload already running, refused" << filePath;
        return;
    }
    m_filePath = filePath;
    setBlActive(true);

    QFile file(filePath);
    QByteArray image;
    // Sized before reading: an oversized file is refused without loading it.
    if (!filePath.isEmpty() && file.open(QIODevice::ReadOnly) && file.size() <= kMaxImageBytes) {
        image = file.readAll();
        if (file.error() != QFileDevice::NoError)
            image.clear();
    }
    // An empty image would announce zero pages, which no bootloader accepts.
    if (image.isEmpty() || image.size() > kMaxImageBytes) {
        qCWarning(lcKivFiles) << "bootloader: image unavailable" << filePath << image.size() << "bytes"
                              << file.errorString();
        m_addOnNext = false;
        emit errorFileUnavailable();
        setBlActive(false);
        return;
    }

    m_busy = true;
    m_image = image;
    m_blockWords = m_fast ? kFastBlockWords : kSlowBlockWords;
    m_attempts = 0;
    m_pageIndex = 0;
    m_pageOffset = 0;
    m_blockIndex = 0;
    m_outstanding = 0;
    m_pageCount = quint16((m_image.size() + kPageBytes - 1) / kPageBytes);

    setCurProgress(0);
    setMaxProgress(m_pageCount + 2);
    setCurBytes(0);
    setMaxBytes(m_pageCount * kPageBytes);
    startAttempt();
}

void BootLoader::startAttempt()
{
    if (m_attempts > kMaxAttempts) {
        qCWarning(lcKivFiles) << "bootloader: no answer after" << m_attempts << "start attempts";
        endUpload();
        emit errorCouldNotStartBL();
        setBlActive(false);
        return;
    }
    ++m_attempts;
    emit bootLoaderStarted();
    emit writeRawString(entryText());
    after(m_timing.entryWaitMs, [this] { checkBootLoaderActive(); });
}

void BootLoader::checkBootLoaderActive()
{
    if (!m_busy)
        return;
    m_state = checkBlActive;
    sendRead(kPresenceRegister, kPresenceCount);
}

void BootLoader::modbusResponse(uint address, QList<quint16> data)
{
    Q_UNUSED(address)
    if (!m_busy || m_outstanding == 0)
        return;
    switch (m_state) {
    case checkBlActive:
        if (data.size() < 2)
            return;
        takeAnswer();
        if (data.at(0) == kKey1 && data.at(1) == kKey2) {
            m_state = readInfo;
            m_readSecondHalf = m_blockWords != kFastBlockWords;
            sendRead(0, m_blockWords == kFastBlockWords ? kInfoCount : kInfoHalf);
        } else {
            qCDebug(lcKivFiles) << "bootloader: presence words" << data.mid(0, 2) << "attempt" << m_attempts;
            startAttempt();
        }
        return;
    case readInfo:
        if (data.size() == int(kInfoHalf) && m_readSecondHalf) {
            takeAnswer();
            m_readSecondHalf = false;
            sendRead(kInfoHalf, kInfoHalf);
        } else if (data.size() == int(kInfoHalf) || data.size() == int(kInfoCount)) {
            takeAnswer();
            m_state = startBL;
            after(m_timing.startCommandDelayMs, [this] { sendStartCommand(); });
        }
        return;
    default:
        return;
    }
}

void BootLoader::sendStartCommand()
{
    sendWrite(kCommandRegister, commandBlock(m_pageCount, 0, kCommandStart));
    m_restartTimer = true;
    setCurProgress(curProgress() + 1);
}

void BootLoader::wasWritten()
{
    // A write confirmed while a read is awaited is not ours; it must not use up the read's turn.
    if (!m_busy || m_state == checkBlActive || m_state == readInfo || !takeAnswer())
        return;
    switch (m_state) {
    case invalid: {
        const bool addOnNext = m_addOnNext;
        endUpload();
        emit bootLoaderFinished();
        setBlActive(false);
        // Only after the main board's finish is confirmed, or its confirmation would be taken
        // for a step of the add-on upload.
        if (addOnNext)
            after(m_timing.addOnDelayMs, [this] { updateAP(); });
        return;
    }
    case startBL:
        m_state = writeData;
        after(m_timing.firstBlockDelayMs, [this] { writeNextBlock(); });
        return;
    case writeData:
        writeNextBlock();
        return;
    case finished:
        after(m_timing.finishDelayMs, [this] { sendFinishCommand(); });
        return;
    case NextPage:
        m_state = writeData;
        after(m_timing.nextPageDelayMs, [this] { writeNextBlock(); });
        return;
    case checkBlActive:
    case readInfo:
        return;
    }
}

void BootLoader::writeNextBlock()
{
    if (m_pageOffset >= kPageBytes) {
        m_pageOffset = 0;
        if (m_image.isEmpty())
            m_state = finished;
        after(0, [this] { commitPage(); });
        return;
    }

    int words = m_blockWords;
    if (m_pageOffset + 2 * words >= kPageBytes) {
        words = (kPageBytes - m_pageOffset) / 2;
        m_pageOffset = kPageBytes;
    } else {
        m_pageOffset += 2 * words;
    }

    // Little-endian byte pairs; past the image's end the page is filled with zeros.
    QList<quint16> block(words, 0);
    const int available = int(m_image.size());
    for (int w = 0; w < words; ++w) {
        const int lo = 2 * w;
        const quint16 low = lo < available ? quint8(m_image.at(lo)) : 0;
        const quint16 high = lo + 1 < available ? quint8(m_image.at(lo + 1)) : 0;
        block[w] = quint16(low | (high << 8));
    }
    m_image.remove(0, qMin(2 * words, available));

    if (m_restartTimer) {
        m_restartTimer = false;
        m_startTime.start();
    }
    sendWrite(kWindowStart + uint(m_blockWords * m_blockIndex), block);
    ++m_blockIndex;
    setCurBytes(curBytes() + 2 * words);
}

void BootLoader::commitPage()
{
    sendWrite(kCommandRegister, commandBlock(m_pageCount, m_pageIndex, kCommandCommit));
    ++m_pageIndex;
    m_pageOffset = 0;
    m_blockIndex = 0;
    setCurProgress(curProgress() + 1);
    if (m_state != finished)
        m_state = NextPage;
}

void BootLoader::sendFinishCommand()
{
    sendWrite(kCommandRegister, commandBlock(0, 0, kCommandFinish));
    setBytesPerSec(0);
    m_state = invalid;
    // Stored now as well: waiting for the next upload would lose it when the program ends first.
    storeRate();
    if (!m_addOnNext)
        setCurProgress(curProgress() + 1);
}

void BootLoader::bytesPerSecond()
{
    double rate = 0;
    if (curBytes() > 0 && m_startTime.isValid()) {
        const qint64 elapsedMs = m_startTime.elapsed();
        // Right after the first block nothing measurable has passed; keep the last figure.
        if (elapsedMs <= 0)
            return;
        rate = curBytes() * 1000.0 / double(elapsedMs);
    }
    setBytesPerSec(rate);
    if (bytesPerSec() == 0) {
        storeRate();
        return;
    }
    m_lastRate = int(std::floor(rate));
    setRemainingTime(int((maxBytes() - curBytes()) / rate));
}

void BootLoader::storeRate()
{
    // A rate of 0 was never measured; it must not replace a real one.
    if (m_lastRate > 0)
        KivSettings::writeByteRate(m_lastRate);
}

QList<quint16> BootLoader::commandBlock(quint16 pageCount, quint16 pageIndex, quint16 command) const
{
    return {0, 0, kKey1, kKey2, pageCount, pageIndex, command};
}

void BootLoader::sendRead(uint start, uint count)
{
    ++m_outstanding;
    m_answerGuard->start(answerTimeoutMs());
    emit readMultiReg(start, count);
}

void BootLoader::sendWrite(uint start, const QList<quint16> &values)
{
    ++m_outstanding;
    m_answerGuard->start(answerTimeoutMs());
    emit writeRegs(start, values);
}

bool BootLoader::takeAnswer()
{
    if (m_outstanding == 0)
        return false;
    if (--m_outstanding == 0)
        m_answerGuard->stop();
    return true;
}

void BootLoader::onAnswerTimeout()
{
    m_outstanding = 0;
    if (!m_busy)
        return;
    // The link gives up a request without telling us; before the bootloader has identified
    // itself that is a failed start attempt, later the transfer is lost.
    if (m_state == checkBlActive || m_state == readInfo) {
        qCDebug(lcKivFiles) << "bootloader: no answer to the presence check, attempt" << m_attempts;
        startAttempt();
        return;
    }
    qCWarning(lcKivFiles) << "bootloader: transfer interrupted on page" << m_pageIndex << "of" << m_pageCount;
    m_state = invalid;
    endUpload();
    emit errorUploadInterrupted();
    setBlActive(false);
}

void BootLoader::after(int ms, std::function<void()> step)
{
    m_step = std::move(step);
    m_stepTimer->start(ms);
}

void BootLoader::endUpload()
{
    m_busy = false;
    m_addOnNext = false;
    m_outstanding = 0;
    m_answerGuard->stop();
    m_stepTimer->stop();
    m_step = nullptr;
    m_image.clear();
}

int BootLoader::answerTimeoutMs() const
{
    if (m_timing.answerTimeoutMs > 0)
        return m_timing.answerTimeoutMs;
    return BaseSettings::readTimeout() * (BaseSettings::readRetry() + 1) + kAnswerMarginMs;
}
