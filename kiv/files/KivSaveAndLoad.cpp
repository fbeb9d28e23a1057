#include "KivSaveAndLoad.h"

#include "KivDeviceSetup.h"
#include "KivFilesLogging.h"
#include "UtilityFunctions.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace {
const QString kCfgSuffix = QStringLiteral(".cfg");
const QString kJsonSuffix = QStringLiteral(".json");
const QString kPdfSuffix = QStringLiteral(".pdf");
// getSaveInfo's test has no dot; kept as it is, since saved names rely on it.
const QString kCfgInfoSuffix = QStringLiteral("cfg");
// Where the device name goes in the framework's file information.
constexpr int kDeviceNameInfoIndex = 3;

// Registers 4 to 23 hold the device name; a file only fits a device with the same name.
constexpr int kNameFirst = 4;
constexpr int kNameLast = 23;
constexpr int kMinRegistersForNameCheck = 25;
// The service counters and intervals (40 to 47) are only kept when both sides reach past them.
constexpr int kServiceFirst = 40;
constexpr int kServiceLast = 47;
constexpr int kMinRegistersForService = 48;
// A replay of fewer changes still shows a bar of this many steps.
constexpr int kMinProgressSteps = 20;

// Identity, serial number, output maximum, factory date, board versions and types, and
// register 84: the connected device keeps its own values for these.
constexpr std::pair<int, int> kProtectedRanges[] = {
    {0, 1}, {4, 25}, {34, 39}, {48, 59}, {84, 84}, {144, 145},
};
} // namespace

KivSaveAndLoad::KivSaveAndLoad(QList<quint16> *registerImage, QObject *parent)
    : SaveAndLoad(parent)
    , m_registerImage(registerImage)
{
}

KivSaveAndLoad::LoadCheck KivSaveAndLoad::applyLoadedImage(const QList<quint16> &loaded, QList<quint16> &image,
                                                           int *changed)
{
    if (loaded.isEmpty())
        return LoadCheck::Empty;
    if (loaded.size() >= kMinRegistersForNameCheck && image.size() >= kMinRegistersForNameCheck &&
        !std::equal(loaded.cbegin() + kNameFirst, loaded.cbegin() + kNameLast + 1, image.cbegin() + kNameFirst))
        return LoadCheck::OtherDevice;

    const qsizetype n = std::min(loaded.size(), image.size());
    QList<quint16> merged = loaded;
    const auto keep = [&](int first, int last) {
        for (int i = first; i <= last && i < n; ++i)
            merged[i] = image.at(i);
    };
    for (const auto &[first, last] : kProtectedRanges)
        keep(first, last);
    if (n >= kMinRegistersForService)
        keep(kServiceFirst, kServiceLast);

    int differing = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (merged.at(i) != image.at(i)) {
            ++differing;
            image[i] = merged.at(i);
        }
    }
    if (changed)
        *changed = differing;
    return LoadCheck::Applied;
}

int KivSaveAndLoad::progressMaximumFor(int changed)
{
    return std::max(changed, kMinProgressSteps) + 1;
}

QVariantList KivSaveAndLoad::getSaveInfo(const QString &fileName)
{
    QVariantList info = SaveAndLoad::getSaveInfo(fileName);
    // A missing file has no information to extend.
    if (info.size() < kDeviceNameInfoIndex)
        return info;
    QString name;
    if (fileName.endsWith(kCfgInfoSuffix)) {
        // Decodes nothing from files too short to hold the identification registers.
        KivDeviceSetup setup;
        setup.updateFromImage(readCfgFile(getPathToFileName(fileName)));
        name = setup.deviceName();
    }
    info.insert(kDeviceNameInfoIndex, QVariant(name));
    return info;
}

void KivSaveAndLoad::loadSettingsFromPath(const QString &filePath)
{
    if (filePath.endsWith(kCfgSuffix)) {
        // A damaged or foreign file gives an empty list and is silently ignored.
        const QList<quint16> registers = readCfgFile(filePath);
        if (!registers.isEmpty())
            emit loadedFromFile(registers);
        return;
    }
    if (filePath.endsWith(kJsonSuffix)) {
        emit errorPlainText(tr("JSON auslesen wird nicht untersüzt!"));
        return;
    }
    if (filePath.endsWith(kPdfSuffix)) {
        emit errorPlainText(tr("PDF's auslesen wird nicht untersüzt!"));
        return;
    }
    const qsizetype dot = filePath.lastIndexOf(QLatin1Char('.'));
    emit errorPlainText(tr("Unerwarteter Dateityp: %1").arg(dot < 0 ? filePath : filePath.mid(dot + 1)));
}

void KivSaveAndLoad::writeSettingsToHd(const QString &fileName, bool temporary)
{
    const bool isCfg = fileName.endsWith(kCfgSuffix);
    const bool isJson = fileName.endsWith(kJsonSuffix);
    const bool isPdf = fileName.endsWith(kPdfSuffix);
    if (!isCfg && !isJson && !isPdf)
        return;
    // The name comes from a text field: a folder part would write outside the save folder.
    if (!UtilityFunctions::isPlainFileName(fileName)) {
        qCWarning(lcKivFiles) << "refusing to save under" << fileName;
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }

    const QString folder = temporary ? UtilityFunctions::pathToTempFolder() : UtilityFunctions::saveFileDirectory();
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + fileName;
    if (isJson) {
        emit writeJson(path);
        return;
    }
    if (isPdf) {
        emit writePdf(path);
        return;
    }
    if (!m_registerImage || !writeCfgFile(path, *m_registerImage)) {
        emit errorPlainText(tr("Speichern ist fehlgeschlagen"));
        return;
    }
    if (!temporary) {
        addSavedFile(fileName, path);
        emit writingFileSuccessfully();
    }
}
