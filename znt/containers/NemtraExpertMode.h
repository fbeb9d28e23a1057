#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

#include <NemtraProperty.h>

// Free access to single registers: the technician adds registers by number and reads or
// writes them as plain 16-bit values.
class NemtraExpertMode : public NemtraBaseContainer, public NemtraProcessWide<NemtraExpertMode>
{
    Q_OBJECT
    Q_PROPERTY(QList<NemtraProperty *> expertList READ expertList NOTIFY expertListChanged)
public:
    enum ExpertProperty { ExpertModeValue1, ExpertModeValue2, ExpertModeValue3, ExpertModeValue4, Max = 65535 };
    Q_ENUM(ExpertProperty)

    explicit NemtraExpertMode(QObject *parent = nullptr);

    QList<NemtraProperty *> expertList() const { return m_expertList; }

    Q_INVOKABLE void addProperty(ushort regIndex);
    Q_INVOKABLE void subProperty(ushort regIndex);

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;

signals:
    void readSingleRegister(ushort regValue);
    void errorPlainText(QString error);
    void expertListChanged();

private:
    NemtraProperty *find(ushort regIndex) const;

    QList<NemtraProperty *> m_expertList;
};
