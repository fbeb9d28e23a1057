#pragma once

#include <QObject>

// Layout scale for the pages: one factor from the primary screen's size against the design
// size, and the font size derived from it.
class Scaling : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double scaleFactor READ scaleFactor NOTIFY scaleChanged)
    Q_PROPERTY(double fontSize READ fontSize NOTIFY scaleChanged)
    Q_PROPERTY(bool isMobile READ isMobile CONSTANT)
    Q_PROPERTY(bool isPortrait READ isPortrait NOTIFY scaleChanged)
public:
    explicit Scaling(QObject *parent = nullptr);

    double scaleFactor() const;
    double fontSize() const;
    bool isMobile() const;
    bool isPortrait() const;

    static constexpr double kDesignWidth = 1280.0;
    static constexpr double kDesignHeight = 800.0;
    static constexpr double kBaseFontSize = 12.0;
    static constexpr double kMinScale = 0.6;
    static constexpr double kMaxScale = 2.5;

    // The factor for a screen of that logical size; a missing screen gives 1.
    static double scaleFor(double screenWidth, double screenHeight);

protected:
    void calculateNewValues();

signals:
    void scaleChanged();

private:
    double m_scaleFactor = 1.0;
    bool m_isPortrait = false;
};
