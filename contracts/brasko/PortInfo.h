#pragma once

#include "BraskoGlobal.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The serial ports a connection page can offer. Ports with a /dev/serial/by-id link are listed
// under that name, which survives re-plugging the adapter. Ptys and other paths the system does
// not enumerate can be added by hand and stay listed while they exist.
class BRASKO_EXPORT PortInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList PortList READ portList NOTIFY portListChanged)
    // One map per entry of PortList, in the same order: "path" (what to open and remember),
    // "shortName" (ttyUSB0), "stable" (listed under its by-id name), "manufacturer",
    // "product" and "serialNumber" (empty where the system does not know them).
    Q_PROPERTY(QVariantList Ports READ ports NOTIFY portListChanged)

public:
    enum SelectionFlag { WiredPorts = 0x1, BluetoothPorts = 0x2, AllPorts = WiredPorts | BluetoothPorts };
    Q_ENUM(SelectionFlag)

    explicit PortInfo(QObject *parent = nullptr);
    // selectionFlags: a combination of SelectionFlag; 0 selects every port.
    explicit PortInfo(int selectionFlags, QObject *parent = nullptr);

    QStringList portList() const { return m_portList; }
    QVariantList ports() const { return m_ports; }
    int selectionFlags() const { return m_selectionFlags; }

    // Where the by-id links are looked for: $BRASKO_SERIAL_BY_ID_DIR, else /dev/serial/by-id.
    static QString defaultByIdDirectory();
    // A test can point one enumerator elsewhere.
    void setByIdDirectory(const QString &path);

    // The by-id link that leads to port (a short name, a device path or the link itself), or
    // port unchanged when there is none.
    static QString stableNameFor(const QString &port, const QString &byIdDirectory = defaultByIdDirectory());
    // Maker, product and serial number as udev spells them into a by-id name
    // ("usb-Maker_Product_Serial-if00-port0"); empty parts where the name does not tell.
    static QVariantMap describeByIdName(const QString &linkName);

    // The entry of PortList that is port or leads to the same device; -1 when none does.
    Q_INVOKABLE int indexOfPort(const QString &port) const;

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
    QVariantList m_ports;
};
