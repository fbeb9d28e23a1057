#pragma once

#include <QObject>

// Pop-up geometry shared by every page: the pages copy the width of the main view here and
// pop-ups size themselves from it. One instance per process (QML singleton).
class PopupBackend : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double popupWidth READ popupWidth WRITE setPopupWidth NOTIFY popupWidthChanged)
    Q_PROPERTY(double popupHeight READ popupHeight WRITE setPopupHeight NOTIFY popupHeightChanged)
public:
    // Owned by the process, never by a QML engine.
    static PopupBackend *getInstance();

    double popupWidth() const;
    double popupHeight() const;

public slots:
    void setPopupWidth(double width);
    void setPopupHeight(double height);

signals:
    void popupWidthChanged(double width);
    void popupHeightChanged(double height);

private:
    explicit PopupBackend(QObject *parent = nullptr);

    double m_popupWidth = 0;
    double m_popupHeight = 0;
};
