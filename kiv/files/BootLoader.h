#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

// Writes a firmware image into a KIV device through its bootloader, over the back end's serial
// link. Owned by KivBackend, which connects it to the link.
class BootLoader : public QObject
{
    Q_OBJECT

public:
    explicit BootLoader(QObject *parent = nullptr);

signals:
    void writeRegs(uint Start, QList<quint16> data);
    void writeRawString(QByteArray);
    void readMultiReg(uint Start, uint RegCount);
    void bootLoaderFinished();
    void bootLoaderStarted();
    void updatingGp();
    void updatingAP();
    // The bootloader did not identify itself after every start attempt.
    void errorCouldNotStartBL();
    // The image file is missing or unreadable.
    void errorFileUnavailable();
};
