#include "NemtraExpertMode.h"

#include "NemtraContainersLogging.h"

#include <NemtraEnums.h>
#include <NemtraProperty.h>

NemtraExpertMode::NemtraExpertMode(QObject *parent)
    : NemtraBaseContainer(parent)
{
}

NemtraProperty *NemtraExpertMode::find(ushort regIndex) const
{
    for (NemtraProperty *p : m_expertList) {
        if (p->registerIndex() == regIndex)
            return p;
    }
    return nullptr;
}

void NemtraExpertMode::addProperty(ushort regIndex)
{
    if (find(regIndex)) {
        emit errorPlainText(tr("Property already exists for Parameter: %1").arg(regIndex));
        return;
    }
    auto *p = new NemtraProperty(regIndex, 0, 65535, 1.0, false, NemtraEnums::ExpertMode, BaseProperty::UInt16, 1, 0,
                                 QString(), this);
    connect(p, &BaseProperty::writeSingleRegister, this, &BaseContainer::writeSingleRegister);
    connect(p, &BaseProperty::writeMultipleRegister, this, &BaseContainer::writeMultipleRegister);
    m_expertList.append(p);
    emit expertListChanged();
    emit readSingleRegister(regIndex);
}

void NemtraExpertMode::subProperty(ushort regIndex)
{
    NemtraProperty *p = find(regIndex);
    if (!p) {
        qCWarning(lcNemtraContainer) << "Property not found for register index:" << regIndex;
        return;
    }
    m_expertList.removeOne(p);
    p->deleteLater();
    emit expertListChanged();
}

void NemtraExpertMode::setData(QList<quint16> data)
{
    // Each property checks its register against the image's end (register 0xFFFF lies past it).
    for (NemtraProperty *p : std::as_const(m_expertList))
        p->setRawValue(data);
    setValid(true);
}

void NemtraExpertMode::reset()
{
    const QList<NemtraProperty *> old = std::exchange(m_expertList, {});
    for (NemtraProperty *p : old)
        p->deleteLater();
    emit expertListChanged();
    setValid(false);
}
