#pragma once

// The firmware upload under test: the real link in its own thread, the kiv-emulator on a pty
// pair and a BootLoader wired to the link as the back end wires it.

#include "BootLoader.h"

#include "EmulatorProcess.h"
#include "KivSerialIo.h"
#include "PtyPair.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace UploadRigSupport {

constexpr int kWaitMs = 20000;
constexpr int kThreadStopMs = 2000;
constexpr int kPage = BootLoader::kPageBytes;

// Delays cut down so that a whole upload takes a few hundred ms; the add-on waits out the
// emulator's 500 ms restart silence after a finish.
const BootLoader::Timing kQuick{50, 10, 20, 10, 20, 800, 3000};

// Deterministic, never all zero, so padding and byte order show in a comparison.
inline QByteArray makeImage(int size, int seed)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + seed) % 251 + 1);
    return image;
}

inline QByteArray padded(const QByteArray &image)
{
    const int pages = int((image.size() + kPage - 1) / kPage);
    return image + QByteArray(pages * kPage - image.size(), '\0');
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The link in its own thread, the emulator on a pty pair, and the bootloader wired to the
// link the way the back end wires it.
class UploadRig
{
public:
    UploadRig()
    {
        link = new KivSerialIo;
        link->moveToThread(thread.get());
        QObject::connect(thread.get(), &QThread::finished, link, &QObject::deleteLater);
        QObject::connect(&bootLoader, &BootLoader::writeRawString, link, &BaseSerialIo::writeRawBytes);
        QObject::connect(&bootLoader, &BootLoader::writeRegs, link, &BaseSerialIo::writeMultiReg);
        QObject::connect(&bootLoader, &BootLoader::readMultiReg, link, &BaseSerialIo::readMultiReg);
        QObject::connect(&bootLoader, &BootLoader::bootLoaderFinished, link, &BaseSerialIo::onBootLoaderFinished);
        QObject::connect(link, &KivSerialIo::responseForBootLoader, &bootLoader, &BootLoader::modbusResponse,
                         Qt::QueuedConnection);
        QObject::connect(link, &KivSerialIo::registerWrittenForBootLoader, &bootLoader, &BootLoader::wasWritten,
                         Qt::QueuedConnection);
        bootLoader.setFast(true);
        bootLoader.setTiming(kQuick);
        thread->start();
    }
    ~UploadRig()
    {
        thread->quit();
        if (!thread->wait(kThreadStopMs))
            qWarning("link thread did not end in time");
        emulator.stop();
        pty.stop();
    }

    // Starts socat and the emulator and opens the link.
    bool connect(const QStringList &emulatorArgs, int timeoutMs = 1000, int retries = 1)
    {
        if (!pty.start()) {
            qWarning() << "pty:" << pty.errorString();
            return false;
        }
        if (!emulator.start(pty.deviceSide(),
                            QStringList{"--parity", "none", "--bootloader-image", receivedPath()} + emulatorArgs)) {
            qWarning() << "emulator:" << emulator.errorString() << emulator.output();
            return false;
        }
        return openLink(timeoutMs, retries);
    }

    // Opens the link (again: a request that times out closes it).
    bool openLink(int timeoutMs = 1000, int retries = 1)
    {
        QSignalSpy connected(link, &SerialIo::isConnected);
        QMetaObject::invokeMethod(link, "setModbusId", Qt::QueuedConnection, Q_ARG(uchar, 1));
        QMetaObject::invokeMethod(link, "setParameter", Qt::QueuedConnection, Q_ARG(QString, pty.appSide()),
                                  Q_ARG(QList<int>, QList<int>({115200, 0, 8, 1, timeoutMs, retries})));
        return QTest::qWaitFor([&connected] { return !connected.isEmpty() && connected.last().first().toBool(); },
                               kWaitMs);
    }

    QString receivedPath() const { return dir.filePath("received.bin"); }
    QByteArray received() const
    {
        QFile file(receivedPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    PtyPair pty;
    EmulatorProcess emulator;
    std::unique_ptr<QThread> thread = std::make_unique<QThread>();
    KivSerialIo *link = nullptr;
    BootLoader bootLoader;
};

} // namespace UploadRigSupport
