#pragma once

#include "NemtraBaseContainer.h"
#include "NemtraProcessWide.h"

#include <MappedModel.h>

// The control elements (occupancy, two buttons, potentiometer, encoder) as one page. Their
// properties belong to the channel data blocks, which also carry their writes.
class NemtraControlsContainer : public NemtraBaseContainer, public NemtraProcessWide<NemtraControlsContainer>
{
    Q_OBJECT
public:
    enum ControlsProperty {
        OccupancyValue,
        OccupancyStatus,
        OccupancyLatenz,
        OccupancyDisableTime,
        OccupancyFollowupTime,
        OccupancyEnable,
        Button0Value,
        Button0Status,
        Button0Interval,
        Button0Mode,
        Button0ModeConfig,
        Button1Value,
        Button1Status,
        Button1Interval,
        Button1Mode,
        Button1ModeConfig,
        Poti,
        PotiStatus,
        PotiIncrement,
        PotiFollowupTime,
        PotiMinValue,
        PotiMaxValue,
        Encoder,
        EncoderStatus,
        EncoderLatenz,
        EncoderDisableTime,
        EncoderFollowupTime,
        EncoderIncrement,
        EncoderMinValue,
        EncoderMaxValue,
        Max = 30
    };
    Q_ENUM(ControlsProperty)
    enum ButtonMode { Occupancy = 0, OccupancyToggle = 1, FanStages = 2, Pushbutton = 3, Invalid = 4 };
    Q_ENUM(ButtonMode)

    explicit NemtraControlsContainer(QObject *parent = nullptr);

    Q_INVOKABLE MappedModel *modelButton1();
    Q_INVOKABLE MappedModel *modelButton2();
    Q_INVOKABLE void button1ModelSelection(ButtonMode mode);
    Q_INVOKABLE void button2ModelSelection(ButtonMode mode);
    Q_INVOKABLE ButtonMode buttonMode1Index() const;
    Q_INVOKABLE ButtonMode buttonMode2Index() const;

public slots:
    void setData(QList<quint16> data) override;
    // Picks the control properties out of the channel manager's list, each into its position;
    // a group that is not complete leaves its positions empty.
    void setProperties(QList<NemtraProperty *> properties) override;
    bool hasAllProperties() const override;
    void onLanguageChanged();

signals:
    void setEpdReferenceOccupancy(ushort reg, bool set);
    void setEpdReferenceFan(ushort reg, bool set);

private:
    bool selectButtonMode(ButtonMode mode, int modePosition, int valuePosition, bool withEnable);
    ButtonMode modeIndex(int modePosition, bool withEnable) const;

    MappedModel *m_modelButton1 = nullptr;
    MappedModel *m_modelButton2 = nullptr;
};
