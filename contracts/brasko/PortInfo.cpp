#include "PortInfo.h"

#include "BraskoLogging.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

constexpr auto DefaultByIdDirectory = "/dev/serial/by-id";

bool isBluetoothPort(const QSerialPortInfo &info)
{
    return info.portName().startsWith(QLatin1String("rfcomm")) ||
        info.portName().contains(QLatin1String("Bluetooth"), Qt::CaseInsensitive) ||
        info.description().contains(QLatin1String("Bluetooth"), Qt::CaseInsensitive);
}

} // namespace

PortInfo::PortInfo(QObject *parent)
    : PortInfo(WiredPorts, parent)
{
}

PortInfo::PortInfo(int selectionFlags, QObject *parent)
    : QObject(parent)
    , m_selectionFlags(selectionFlags == 0 ? int(AllPorts) : selectionFlags)
    , m_byIdDirectory(QString::fromLatin1(DefaultByIdDirectory))
{
    refresh();
}

void PortInfo::setByIdDirectory(const QString &path)
{
    m_byIdDirectory = path;
    refresh();
}

void PortInfo::refresh()
{
    // by-id links by the device they point to
    QHash<QString, QString> byIdOf;
    const QFileInfoList links = QDir(m_byIdDirectory).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &link : links) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty())
            byIdOf.insert(target, link.absoluteFilePath());
    }

    QStringList ports;
    const auto available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : available) {
        const bool bluetooth = isBluetoothPort(info);
        if ((bluetooth && !(m_selectionFlags & BluetoothPorts)) || (!bluetooth && !(m_selectionFlags & WiredPorts)))
            continue;
        const QString canonical = QFileInfo(info.systemLocation()).canonicalFilePath();
        ports.append(byIdOf.value(canonical, info.portName()));
    }

    QStringList custom;
    for (const QString &path : std::as_const(m_customPorts)) {
        if (QFileInfo::exists(path))
            custom.append(path);
    }
    m_customPorts = custom;

    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), collator);
    for (const QString &path : std::as_const(custom)) {
        if (!ports.contains(path))
            ports.append(path);
    }
    ports.removeDuplicates();

    if (ports != m_portList) {
        m_portList = ports;
        qCDebug(lcBrasko) << "ports" << m_portList;
        emit portListChanged();
    }
}

bool PortInfo::addPort(const QString &path)
{
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty() || !QFileInfo::exists(trimmed))
        return false;
    if (!m_customPorts.contains(trimmed))
        m_customPorts.append(trimmed);
    refresh();
    return true;
}
