#pragma once

#include "Enums.h"

#include <QObject>

// Allowed offset range of a measuring channel; each offset row of the page creates its own.
class KivOffsetBackend : public QObject
{
    Q_OBJECT

public:
    explicit KivOffsetBackend(QObject *parent = nullptr);

    Q_INVOKABLE double getMinOffset(Enums::TypeDatenblock type) const;
    Q_INVOKABLE double getMaxOffset(Enums::TypeDatenblock type) const;
};
