#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>

// One entry of a combo-box model: the text shown and the value stored.
class MappedPair
{
    Q_GADGET
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(QVariant value MEMBER value)
public:
    MappedPair() = default;
    MappedPair(const QString &text, const QVariant &value);

    QString text;
    QVariant value;

    bool operator==(const MappedPair &other) const;
};

Q_DECLARE_METATYPE(MappedPair)
