#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

#include <QColor>

// The traffic-light function: colours, intervals and the thresholds of a referenced value.
class NemtraTlfContainer : public NemtraBaseContainer, public NemtraProcessWide<NemtraTlfContainer>
{
    Q_OBJECT
    Q_PROPERTY(QColor actualColor1 READ actualColor1 NOTIFY actualColor1Changed)
    Q_PROPERTY(QColor actualColor2 READ actualColor2 NOTIFY actualColor2Changed)
    Q_PROPERTY(QColor actualColor3 READ actualColor3 NOTIFY actualColor3Changed)
    Q_PROPERTY(QColor actualColor4 READ actualColor4 NOTIFY actualColor4Changed)
    Q_PROPERTY(QColor actualColor5 READ actualColor5 NOTIFY actualColor5Changed)
public:
    enum TlfProperty {
        Mode,
        OnTime,
        Color0,
        Color1,
        Color2,
        Color3,
        Color4,
        Color5,
        ColorInterval0,
        ColorInterval1,
        ColorInterval2,
        ColorInterval3,
        ColorInterval4,
        ColorInterval5,
        Reference,
        Threshold1,
        Threshold2,
        Threshold3,
        Threshold4,
        Max = 19
    };
    Q_ENUM(TlfProperty)

    explicit NemtraTlfContainer(QObject *parent = nullptr);

    // Colour codes 0 to 7: bit 0 red, bit 1 green, bit 2 blue.
    static QColor colorOfCode(qint64 code);
    Q_INVOKABLE QStringList availableColors() const;

    QColor actualColor1() const { return m_actual[0]; }
    QColor actualColor2() const { return m_actual[1]; }
    QColor actualColor3() const { return m_actual[2]; }
    QColor actualColor4() const { return m_actual[3]; }
    QColor actualColor5() const { return m_actual[4]; }

public slots:
    bool hasAllProperties() const override;

signals:
    void actualColor1Changed();
    void actualColor2Changed();
    void actualColor3Changed();
    void actualColor4Changed();
    void actualColor5Changed();

private:
    void onPropertiesPassedOn();
    void setActual(int index, const QColor &color);

    QColor m_actual[5];
};
