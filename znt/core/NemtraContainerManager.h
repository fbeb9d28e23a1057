#pragma once

#include "BaseContainer.h"

#include <QList>

// Hands the register image to the process-wide containers and forwards their write and read
// requests, but only while enabled: the back end disables it around every push of the image so
// that values set by the push never come back as writes.
class NemtraContainerManager : public BaseContainer
{
    Q_OBJECT

public:
    explicit NemtraContainerManager(QObject *parent = nullptr);
    ~NemtraContainerManager() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;
    void attemptToReadSingle(ushort regValue);
    void attemptToWriteSingle(uint start, ushort value);
    void attemptToWriteMulti(uint start, QList<quint16> words);

signals:
    void saveCommandSend();
    void readSingleRegister(ushort reg);

private:
    bool m_enabled = false;
};
