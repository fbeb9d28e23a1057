#include "Functions.h"
#include "KivBackend.h"
#include "KivBackendLogging.h"
#include "KivBlockSet.h"
#include "KivCfgFile.h"
#include "KivDeviceCommands.h"
#include "KivDeviceSetup.h"
#include "KivDocuments.h"
#include "KivFileActions.h"
#include "KivLoadPreview.h"
#include "KivReadJson.h"
#include "KivReadSequencer.h"
#include "KivRegisterMap.h"
#include "KivRegisterText.h"
#include "KivSaveAndLoad.h"
#include "KivSerialIo.h"
#include "KivWriteGate.h"
#include "SerialLinkOwner.h"

#include <QFileInfo>
#include <QTimer>

using namespace KivRegisterMap;

// KivBackend: configurations from and to files, the PDF protocol, diagnostics dumps and simulation.
namespace {
constexpr int kLoadProgressStepMs = 350;
// The add-on board type: a JSON document of another board does not fit.
constexpr uint kBoardTypeRegister = 144;
constexpr int kSimulationTickMs = 1;
constexpr int kSimulationStep = 9;
} // namespace

void KivBackend::onLoadedFromFile(QList<quint16> values)
{
    int changed = 0;
    switch (KivSaveAndLoad::applyLoadedImage(values, m_registerImage, &changed)) {
    case KivSaveAndLoad::LoadCheck::Empty:
        emit errorPlainText(tr("Fehler beim Laden der Datei!"));
        return;
    case KivSaveAndLoad::LoadCheck::OtherDevice:
        emit errorPlainText(tr("Die Datei passt nicht zum verbundenen Gerät!"));
        return;
    case KivSaveAndLoad::LoadCheck::Applied:
        break;
    }
    setMaximum(KivSaveAndLoad::progressMaximumFor(changed));
    updateData();
    QTimer::singleShot(kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    QTimer::singleShot(2 * kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    m_gate->startQueue();
}

void KivBackend::onLoadJsonFromFilePath(QString filePath)
{
    // Without a device read there are no blocks to take the settings, and a load that wrote
    // nothing must not pass as done.
    if (!connected() || m_registerImage.size() <= qsizetype(kBoardTypeRegister) + 1) {
        emit errorPlainText(tr("Fehler beim Laden"));
        setIsLoadingFromDisc(false);
        return;
    }
    // The settings' writes are queued like those of a loaded image and leave once the setters
    // (and their debounce timers) are done; the device is read again after the last one.
    setIsLoadingFromDisc(true);
    if (!applyJsonDocument(filePath)) {
        setIsLoadingFromDisc(false);
        emit errorPlainText(tr("Fehler beim Laden"));
        return;
    }
    setMaximum(KivSaveAndLoad::progressMaximumFor(pendingWrites()));
    QTimer::singleShot(kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    QTimer::singleShot(2 * kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    m_gate->startQueue();
    emit infoPlainText(tr("Werte ausgelesen und übertragen"));
}

bool KivBackend::applyJsonDocument(const QString &filePath)
{
    KivReadJson reader(filePath);
    reader.setExpectedBoardType(qint32(Functions::toUInt32(m_registerImage, int(kBoardTypeRegister))));
    connect(&reader, &KivReadJson::readFailed, this, &KivBackend::errorPlainText);
    KivDocuments::connectLoad(&reader, this, m_blocks);
    return reader.read();
}

bool KivBackend::previewLoad(const QString &filePath)
{
    if (!connected() || !m_preview->isIdle() || isLoadingFromDisc())
        return false;
    const QString name = QFileInfo(filePath).fileName();
    switch (KivDocuments::kindOf(filePath)) {
    case KivDocuments::Kind::Cfg: {
        // An unreadable file is silent here, as in a plain load; the page reports it.
        const QList<quint16> loaded = readCfgFile(filePath);
        if (loaded.isEmpty())
            return false;
        QList<quint16> probe = m_registerImage;
        if (KivSaveAndLoad::applyLoadedImage(loaded, probe) == KivSaveAndLoad::LoadCheck::OtherDevice) {
            emit errorPlainText(tr("Die Datei passt nicht zum verbundenen Gerät!"));
            return false;
        }
        return m_preview->start(name, false, [this, loaded] {
            KivSaveAndLoad::applyLoadedImage(loaded, m_registerImage);
            updateData();
            return true;
        });
    }
    case KivDocuments::Kind::Json:
        if (m_registerImage.size() > qsizetype(kBoardTypeRegister) + 1 &&
            m_preview->start(name, true, [this, filePath] { return applyJsonDocument(filePath); })) {
            return true;
        }
        emit errorPlainText(tr("Fehler beim Laden"));
        return false;
    case KivDocuments::Kind::Pdf:
    case KivDocuments::Kind::Unknown:
        break;
    }
    emit errorPlainText(tr("Laden fehlgeschlagen!"));
    return false;
}

void KivBackend::sendPreviewedLoad()
{
    const QList<KivWriteGate::Write> writes = m_gate->queuedWrites();
    const bool unitSystem = std::any_of(writes.cbegin(), writes.cend(), [](const KivWriteGate::Write &write) {
        return write.first <= kUnitSystem && kUnitSystem < write.first + uint(write.second.size());
    });
    if (unitSystem)
        m_commands->expectUnitSystemAck();
    // From here on as a load without preview: progress, the queued writes, then a re-read.
    setIsLoadingFromDisc(true);
    setMaximum(KivSaveAndLoad::progressMaximumFor(pendingWrites()));
    QTimer::singleShot(kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    QTimer::singleShot(2 * kLoadProgressStepMs, this, &KivBackend::progressProgressbar);
    if (m_preview->isJson())
        emit infoPlainText(tr("Werte ausgelesen und übertragen"));
}

void KivBackend::onWriteJson(QString filePath)
{
    if (!KivDocuments::write(filePath, m_registerImage, m_blocks, m_deviceInfo)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    emit writingFileSuccessfully();
}

void KivBackend::onWritePdf(QString filePath)
{
    if (!KivDocuments::write(filePath, m_registerImage, m_blocks, m_deviceInfo)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    emit writingFileSuccessfully();
}

void KivBackend::simulateDevice()
{
    bool found = false;
    m_registerImage = readRegisterText(m_simulationFile, kImageSize, &found);
    if (!found)
        qCInfo(lcKivBackend) << "no simulation data in" << m_simulationFile;
    m_deviceInfo->setTestMode(true);
    m_reads->setBlockCount(m_registerImage.at(kBlockCount));
    setMaximum(int(m_registerImage.size()));
    setProgress(0);
    auto *ticker = new QTimer(this);
    // A coarse 1 ms timer ticks far slower on a busy desktop; the bar should take about 0.6 s.
    ticker->setTimerType(Qt::PreciseTimer);
    connect(ticker, &QTimer::timeout, this, [this, ticker] {
        setProgress(progress() + kSimulationStep);
        if (progress() < m_registerImage.size())
            return;
        ticker->stop();
        ticker->deleteLater();
        manageReceivedData();
        setConnected(true);
    });
    ticker->start(kSimulationTickMs);
}

void KivBackend::dumpDeviceDataToTextFile()
{
    if (!KivFileActions::dumpToDesktop(m_registerImage))
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::printCurrentRegistersToCsv()
{
    if (!writeRegisterText(QStringLiteral("KivTestData.txt"), m_registerImage))
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::createFileAt(QString filePath)
{
    // A suffix without a writer is reported as failed rather than faked.
    if (KivDocuments::write(filePath, m_registerImage, m_blocks, m_deviceInfo)) {
        emit onSaveFileCreateAt(filePath);
        return;
    }
    qCWarning(lcKivBackend) << "cannot create" << filePath;
    emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
}

void KivBackend::continueLoading(const QString &filepath)
{
    if (filepath.endsWith(QStringLiteral(".json")))
        onLoadJsonFromFilePath(filepath);
    else
        emit errorPlainText(tr("Laden fehlgeschlagen!"));
}

QString KivBackend::loadJsonString(const QString &name)
{
    if (!name.endsWith(QStringLiteral("json"), Qt::CaseInsensitive)) {
        emit errorPlainText(tr("Vorschau nur für *.json Dateien möglich."));
        return {};
    }
    QString text;
    if (!KivFileActions::readText(KivFileActions::savedFilePath(name), &text)) {
        emit errorPlainText(tr("Angebene Datei existiert nicht."));
        return {};
    }
    return text;
}
