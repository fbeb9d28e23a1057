#pragma once

#include "BaseSettings.h"
#include "EmulatorProcess.h"
#include "KivBackend.h"
#include "KivSettings.h"
#include "KivShareBackend.h"
#include "PtyPair.h"
#include "UtilityFunctions.h"

#include <QSignalSpy>
#include <QString>

#include <memory>

// A back end connected over a pty pair to the emulator running one device variant, with its
// settings and saved files below folder. Destroyed in reverse order: back end, emulator, pty.
class KivEmulatedDevice
{
public:
    static constexpr int kReadWaitMs = 30000;

    ~KivEmulatedDevice()
    {
        backend.reset();
        emulator.reset();
        pty.reset();
    }

    // Empty on success, else what went wrong.
    QString start(const QString &folder, const QString &variant, KivShareBackend *share)
    {
        BaseSettings::setSettingsFile(folder + QStringLiteral("/settings.ini"));
        UtilityFunctions::setRootDirectory(folder + QStringLiteral("/root"));
        if (!UtilityFunctions::createNeededFolders())
            return QStringLiteral("cannot create the data folders");
        BaseSettings::writeParity(0);
        BaseSettings::writeTimeout(1000);
        BaseSettings::writeRetry(3);
        BaseSettings::writeDeviceID(1);
        KivSettings::writeVerbindungsMode(0);

        pty = std::make_unique<PtyPair>();
        if (!pty->start())
            return pty->errorString();
        emulator = std::make_unique<EmulatorProcess>();
        if (!emulator->start(
                pty->deviceSide(),
                {QStringLiteral("--parity"), QStringLiteral("none"), QStringLiteral("--variant"), variant}))
            return emulator->errorString();
        BaseSettings::writePortName(pty->appSide());

        backend = std::make_unique<KivBackend>(share);
        QSignalSpy ready(backend.get(), &KivBackend::switchToPoll);
        backend->connectDevice();
        if (!ready.wait(kReadWaitMs))
            return QStringLiteral("the device was not read");
        return {};
    }

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<EmulatorProcess> emulator;
    std::unique_ptr<KivBackend> backend;
};
