#pragma once

#include "BaseContainer.h"
#include "KivDatenblock.h"

#include <QList>
#include <QObject>
#include <QPointer>

// CO2 and VOC adjustment behind the expert password. The back end hands it the device's CO2 and
// VOC blocks after every read; the adjustment works on them.
class KivExpertModeContainer : public BaseContainer
{
    Q_OBJECT

public:
    explicit KivExpertModeContainer(QObject *parent = nullptr);

    KivDatenblock *co2Block() const { return m_co2Block; }
    KivDatenblock *vocBlock() const { return m_vocBlock; }

public slots:
    // The container takes its values from the blocks, not from the image.
    void setData(QList<quint16> data) override;
    void reset() override;
    void setCo2Block(KivDatenblock *block);
    void setVocBlock(KivDatenblock *block);

private:
    // Not owned: the back end deletes the blocks.
    QPointer<KivDatenblock> m_co2Block;
    QPointer<KivDatenblock> m_vocBlock;
};
