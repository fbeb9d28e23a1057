#include "NemtraEnums.h"
#include "NemtraProperty.h"
#include "NemtraPropertyFile.h"

#include <QByteArray>
#include <QMetaEnum>
#include <QSet>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}

QString lineOf(const NemtraProperty *p)
{
    return QStringLiteral("{%1,%2,%3,%4,%5,%6,%7,%8,%9,\"%10\"}")
        .arg(p->registerIndex())
        .arg(p->minimum(), 0, 'g', 17)
        .arg(p->maximum(), 0, 'g', 17)
        .arg(p->divisor(), 0, 'g', 17)
        .arg(p->readOnly() ? 1 : 0)
        .arg(QString::fromLatin1(QMetaEnum::fromType<NemtraEnums::DatablockType>().valueToKey(p->typeValue())))
        .arg(QString::fromLatin1(QMetaEnum::fromType<BaseProperty::PropertyType>().valueToKey(p->propertyType())))
        .arg(p->span())
        .arg(p->order())
        .arg(p->unit());
}
} // namespace

// One input: the bytes of a property file. Every property kept must be usable (inside the
// register space, a finite non-zero divisor, a known type), must survive being written back as
// a line, and the register ranges must cover exactly its registers.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<NemtraProperty *> properties = NemtraPropertyFile::parseProperties(bytes);
    QSet<quint16> types;
    for (const NemtraProperty *p : std::as_const(properties)) {
        check(p->isValid() && p->span() >= 1 && quint64(p->registerIndex()) + quint64(p->span()) <= 0x10000);
        check(std::isfinite(p->divisor()) && p->divisor() != 0 && p->minimum() <= p->maximum());
        check(p->propertyType() <= BaseProperty::HexByte);
        types.insert(p->typeValue());

        // Names with a known type write back as the same property; unknown ones have no name.
        if (QMetaEnum::fromType<NemtraEnums::DatablockType>().valueToKey(p->typeValue()) &&
            !p->unit().contains(QLatin1Char('"'))) {
            const NemtraProperty again(lineOf(p));
            check(again.isValid() && again.registerIndex() == p->registerIndex() && again.span() == p->span() &&
                  again.typeValue() == p->typeValue() && again.order() == p->order() &&
                  again.divisor() == p->divisor());
        }
    }

    const QList<quint16> typeList(types.cbegin(), types.cend());
    const QList<NemtraRegisterRange> ranges = NemtraPropertyFile::registerRanges(properties, typeList);
    qint64 covered = 0;
    for (const NemtraRegisterRange &range : ranges) {
        check(range.first <= range.second && range.second <= 0xFFFF);
        covered += qint64(range.second) - qint64(range.first) + 1;
    }
    qint64 spans = 0;
    for (const NemtraProperty *p : std::as_const(properties))
        spans += p->span();
    check(covered == spans);

    const qsizetype total = properties.size();
    QList<NemtraProperty *> channels = NemtraPropertyFile::takeChannelProperties(properties);
    check(channels.size() + properties.size() == total);
    for (const NemtraProperty *p : std::as_const(channels))
        check(p->typeValue() >= NemtraEnums::FirstChannelType && p->typeValue() <= NemtraEnums::LastChannelType);
    qDeleteAll(channels);
    qDeleteAll(properties);
    return 0;
}
