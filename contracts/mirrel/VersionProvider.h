#pragma once

#include <QObject>

// Version texts for the about pages. A plugin overrides appVersion with its own version.
class VersionProvider : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)
    Q_PROPERTY(QString mirrelVersion READ mirrelVersion CONSTANT)
    Q_PROPERTY(QString braskoVersion READ braskoVersion CONSTANT)
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
public:
    explicit VersionProvider(QObject *parent = nullptr);

    virtual QString appVersion() const;
    QString mirrelVersion() const;
    QString braskoVersion() const;
    QString qtVersion() const;
};
