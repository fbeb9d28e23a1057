#pragma once

#include "VersionProvider.h"

// Version texts for the about page, with the KIV plugin's own version.
class KivVersionProvider : public VersionProvider
{
    Q_OBJECT

public:
    explicit KivVersionProvider(QObject *parent = nullptr);

    QString appVersion() const override;
};
