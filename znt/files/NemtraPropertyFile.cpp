#include "NemtraPropertyFile.h"

#include "NemtraEnums.h"
#include "NemtraModelLogging.h"
#include "NemtraProperty.h"

#include <QFile>
#include <UtilityFunctions.h>

#include <algorithm>

namespace {
constexpr char kPluginType[] = "ZNT";
} // namespace

QString NemtraPropertyFile::filePath()
{
    // The plugin's own folder even before the plugin has announced its type: the containers
    // are built before that, and they must read the same map as the connection later reads.
    return UtilityFunctions::propertyFileDirectory(QString::fromLatin1(kPluginType)) +
        QStringLiteral("/Properties.txt");
}

QList<NemtraProperty *> NemtraPropertyFile::loadProperties()
{
    return loadProperties(filePath());
}

QList<NemtraProperty *> NemtraPropertyFile::loadProperties(const QString &path, bool *usedFile)
{
    QFile file(path);
    const bool readable = file.exists() && file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (usedFile)
        *usedFile = readable;
    if (!readable) {
        qCDebug(lcNemtraModel) << "no property file at" << path << "- using the built-in map";
        return fallbackProperties();
    }
    return parseProperties(file.readAll());
}

QList<NemtraProperty *> NemtraPropertyFile::parseProperties(const QByteArray &content)
{
    QList<NemtraProperty *> properties;
    const QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        auto *property = new NemtraProperty(line);
        if (property->isValid())
            properties.append(property);
        else
            delete property;
    }
    return properties;
}

QList<NemtraProperty *> NemtraPropertyFile::takeProperties(QList<NemtraProperty *> &from, quint16 type)
{
    QList<NemtraProperty *> taken;
    from.removeIf([&taken, type](NemtraProperty *property) {
        if (!property || !property->isValid() || property->typeValue() != type)
            return false;
        taken.append(property);
        return true;
    });
    std::stable_sort(taken.begin(), taken.end(),
                     [](const NemtraProperty *a, const NemtraProperty *b) { return a->order() < b->order(); });
    return taken;
}

QList<NemtraProperty *> NemtraPropertyFile::takeChannelProperties(QList<NemtraProperty *> &from)
{
    QList<NemtraProperty *> taken;
    for (quint16 type = NemtraEnums::FirstChannelType; type <= NemtraEnums::LastChannelType; ++type)
        taken.append(takeProperties(from, type));
    return taken;
}

QList<NemtraRegisterRange> NemtraPropertyFile::registerRanges(const QList<NemtraProperty *> &properties,
                                                              const QList<quint16> &types)
{
    QList<NemtraRegisterRange> ranges;
    for (const quint16 type : types) {
        QList<const NemtraProperty *> ofType;
        for (const NemtraProperty *property : properties) {
            if (property && property->isValid() && property->typeValue() == type)
                ofType.append(property);
        }
        std::stable_sort(ofType.begin(), ofType.end(), [](const NemtraProperty *a, const NemtraProperty *b) {
            return a->registerIndex() < b->registerIndex();
        });
        bool open = false;
        NemtraRegisterRange current;
        for (const NemtraProperty *property : std::as_const(ofType)) {
            const uint first = property->registerIndex();
            const uint span = uint(property->span());
            if (open && first == current.second + 1) {
                current.second += span;
                continue;
            }
            if (open)
                ranges.append(current);
            current = {first, first + span - 1};
            open = true;
        }
        if (open)
            ranges.append(current);
    }
    return ranges;
}

QList<NemtraRegisterRange> NemtraPropertyFile::registerRanges(const QList<quint16> &types)
{
    const QList<NemtraProperty *> properties = loadProperties();
    const QList<NemtraRegisterRange> ranges = registerRanges(properties, types);
    qDeleteAll(properties);
    return ranges;
}

QList<quint16> NemtraPropertyFile::containerRangeTypes()
{
    return {NemtraEnums::DeviceSetup, NemtraEnums::DeviceInformation, NemtraEnums::Led,     NemtraEnums::Lora,
            NemtraEnums::Tlf,         NemtraEnums::Display,           NemtraEnums::Gateway, NemtraEnums::Live,
            NemtraEnums::Button,      NemtraEnums::Occupancy};
}

QList<quint16> NemtraPropertyFile::channelRangeTypes()
{
    return {NemtraEnums::Temperature, NemtraEnums::RelHumidity, NemtraEnums::CO2,         NemtraEnums::VOC,
            NemtraEnums::Moisture,    NemtraEnums::Occupancy,   NemtraEnums::ReedContact, NemtraEnums::Battery,
            NemtraEnums::Button,      NemtraEnums::SetPoint,    NemtraEnums::Button_1};
}

QList<NemtraRegisterRange> NemtraPropertyFile::containerRanges()
{
    return registerRanges(containerRangeTypes());
}

QList<NemtraRegisterRange> NemtraPropertyFile::channelRanges()
{
    return registerRanges(channelRangeTypes());
}
