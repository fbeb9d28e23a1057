#pragma once

#include "BraskoGlobal.h"

#include <QObject>
#include <QStringList>

// The serial ports a connection page can offer. Ports with a /dev/serial/by-id link are listed
// under that name, which survives re-plugging the adapter. Ptys and other paths the system does
// not enumerate can be added by hand and stay listed while they exist.
class BRASKO_EXPORT PortInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList PortList READ portList NOTIFY portListChanged)

public:
    enum SelectionFlag { WiredPorts = 0x1, BluetoothPorts = 0x2, AllPorts = WiredPorts | BluetoothPorts };
    Q_ENUM(SelectionFlag)

    explicit PortInfo(QObject *parent = nullptr);
    // selectionFlags: a combination of SelectionFlag; 0 selects every port.
    explicit PortInfo(int selectionFlags, QObject *parent = nullptr);

    QStringList portList() const { return m_portList; }
    int selectionFlags() const { return m_selectionFlags; }

    // Where the by-id links are looked for; a test can point it elsewhere.
    void setByIdDirectory(const QString &path);

public slots:
    void refresh();
    // Adds a typed path (a pty, a by-id link). False when nothing exists there.
    bool addPort(const QString &path);

signals:
    void portListChanged();

private:
    int m_selectionFlags = WiredPorts;
    QString m_byIdDirectory;
    QStringList m_customPorts;
    QStringList m_portList;
};
