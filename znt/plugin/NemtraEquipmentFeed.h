#pragma once

#include <QObject>

class BackendBase;
class QTimer;

// Keeps the process-wide equipment up to date with the device the containers describe: the
// channels' data blocks, the display and its number of shown values.
class NemtraEquipmentFeed : public QObject
{
    Q_OBJECT

public:
    // backend: its connection and progress tell when a read has changed the containers.
    explicit NemtraEquipmentFeed(BackendBase *backend, QObject *parent = nullptr);

    // Reads the containers now.
    void refresh();

private:
    // Many signals arrive per read; one refresh after them is enough.
    QTimer *m_pending = nullptr;
};
