#include "PortInfo.h"

#include "BraskoLogging.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

constexpr auto DefaultByIdDirectory = "/dev/serial/by-id";
constexpr auto ByIdDirectoryVariable = "BRASKO_SERIAL_BY_ID_DIR";

bool isBluetoothPort(const QSerialPortInfo &info)
{
    return info.portName().startsWith(QLatin1String("rfcomm")) ||
        info.portName().contains(QLatin1String("Bluetooth"), Qt::CaseInsensitive) ||
        info.description().contains(QLatin1String("Bluetooth"), Qt::CaseInsensitive);
}

QString canonicalOf(const QString &port)
{
    QString path = port.trimmed();
#ifdef Q_OS_UNIX
    if (!path.isEmpty() && !path.startsWith(QLatin1Char('/')))
        path = QStringLiteral("/dev/") + path;
#endif
    return QFileInfo(path).canonicalFilePath();
}

// ttyUSB0 for /dev/ttyUSB0, pts/3 for /dev/pts/3: the name a technician knows from the system.
QString shortNameOf(const QString &devicePath)
{
    const QString dev = QStringLiteral("/dev/");
    return devicePath.startsWith(dev) ? devicePath.mid(dev.size()) : QFileInfo(devicePath).fileName();
}

// Links in the by-id folder by the device they lead to; dangling links are left out.
QHash<QString, QString> byIdLinks(const QString &directory)
{
    QHash<QString, QString> links;
    const QFileInfoList entries =
        QDir(directory).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &link : entries) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty() && !links.contains(target))
            links.insert(target, link.absoluteFilePath());
    }
    return links;
}

QVariantMap entry(const QString &path, const QString &devicePath, bool stable, const QVariantMap &description)
{
    QVariantMap map = description;
    map.insert(QStringLiteral("path"), path);
    map.insert(QStringLiteral("shortName"), shortNameOf(devicePath.isEmpty() ? path : devicePath));
    map.insert(QStringLiteral("stable"), stable);
    for (const auto *key : {"manufacturer", "product", "serialNumber"}) {
        if (!map.contains(QLatin1String(key)))
            map.insert(QLatin1String(key), QString());
    }
    return map;
}

QVariantMap describe(const QSerialPortInfo &info)
{
    return {{QStringLiteral("manufacturer"), info.manufacturer()},
            {QStringLiteral("product"), info.description()},
            {QStringLiteral("serialNumber"), info.serialNumber()}};
}

} // namespace

PortInfo::PortInfo(QObject *parent)
    : PortInfo(WiredPorts, parent)
{
}

PortInfo::PortInfo(int selectionFlags, QObject *parent)
    : QObject(parent)
    , m_selectionFlags(selectionFlags == 0 ? int(AllPorts) : selectionFlags)
    , m_byIdDirectory(defaultByIdDirectory())
{
    refresh();
}

QString PortInfo::defaultByIdDirectory()
{
    const QString configured = qEnvironmentVariable(ByIdDirectoryVariable);
    return configured.isEmpty() ? QString::fromLatin1(DefaultByIdDirectory) : configured;
}

void PortInfo::setByIdDirectory(const QString &path)
{
    m_byIdDirectory = path;
    refresh();
}

QString PortInfo::stableNameFor(const QString &port, const QString &byIdDirectory)
{
    const QString canonical = canonicalOf(port);
    if (canonical.isEmpty())
        return port;
    if (QFileInfo(port).absolutePath() == QDir(byIdDirectory).absolutePath())
        return port;
    return byIdLinks(byIdDirectory).value(canonical, port);
}

QVariantMap PortInfo::describeByIdName(const QString &linkName)
{
    QString name = linkName;
    // udev: <bus>-<vendor>_<model>_<serial>-if<NN>[-port<N>]; blanks became underscores.
    static const QRegularExpression busPrefix(QStringLiteral("^[a-z]+-"));
    static const QRegularExpression interfaceSuffix(QStringLiteral("-if[0-9A-Fa-f]+(-port[0-9]+)?$"));
    name.remove(busPrefix);
    name.remove(interfaceSuffix);
    QStringList parts = name.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    QVariantMap map{{QStringLiteral("manufacturer"), QString()},
                    {QStringLiteral("product"), QString()},
                    {QStringLiteral("serialNumber"), QString()}};
    if (parts.isEmpty())
        return map;
    map[QStringLiteral("manufacturer")] = parts.takeFirst();
    if (parts.size() >= 2)
        map[QStringLiteral("serialNumber")] = parts.takeLast();
    map[QStringLiteral("product")] = parts.join(QLatin1Char(' '));
    return map;
}

int PortInfo::indexOfPort(const QString &port) const
{
    const int exact = int(m_portList.indexOf(port.trimmed()));
    if (exact >= 0 || port.trimmed().isEmpty())
        return exact;
    const QString canonical = canonicalOf(port);
    if (canonical.isEmpty())
        return -1;
    for (int i = 0; i < m_portList.size(); ++i) {
        if (canonicalOf(m_portList.at(i)) == canonical)
            return i;
    }
    return -1;
}

void PortInfo::refresh()
{
    QHash<QString, QString> links = byIdLinks(m_byIdDirectory);

    QList<QVariantMap> found;
    const auto available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : available) {
        const bool bluetooth = isBluetoothPort(info);
        if ((bluetooth && !(m_selectionFlags & BluetoothPorts)) || (!bluetooth && !(m_selectionFlags & WiredPorts)))
            continue;
        const QString canonical = QFileInfo(info.systemLocation()).canonicalFilePath();
        const QString link = links.take(canonical);
        found.append(
            entry(link.isEmpty() ? info.portName() : link, info.systemLocation(), !link.isEmpty(), describe(info)));
    }
    // Links the system does not enumerate (adapters it does not know, ptys behind a link) are
    // wired ports all the same; udev's name is all there is to describe them.
    if (m_selectionFlags & WiredPorts) {
        for (auto it = links.cbegin(); it != links.cend(); ++it)
            found.append(entry(it.value(), it.key(), true, describeByIdName(QFileInfo(it.value()).fileName())));
    }

    QCollator collator;
    collator.setNumericMode(true);
    std::sort(found.begin(), found.end(), [&collator](const QVariantMap &a, const QVariantMap &b) {
        return collator.compare(a.value(QStringLiteral("path")).toString(),
                                b.value(QStringLiteral("path")).toString()) < 0;
    });

    QStringList custom;
    for (const QString &path : std::as_const(m_customPorts)) {
        if (QFileInfo::exists(path))
            custom.append(path);
    }
    m_customPorts = custom;

    QStringList paths;
    QVariantList ports;
    const auto add = [&paths, &ports](const QVariantMap &port) {
        const QString path = port.value(QStringLiteral("path")).toString();
        if (paths.contains(path))
            return;
        paths.append(path);
        ports.append(port);
    };
    for (const QVariantMap &port : std::as_const(found))
        add(port);
    for (const QString &path : std::as_const(custom))
        add(entry(path, QFileInfo(path).canonicalFilePath(), false, {}));

    if (paths != m_portList || ports != m_ports) {
        m_portList = paths;
        m_ports = ports;
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
