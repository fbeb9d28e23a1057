#pragma once

#include "VersionProvider.h"

// Version texts of the ZNT plugin for its about page.
class LoraVersionProvider : public VersionProvider
{
    Q_OBJECT

public:
    explicit LoraVersionProvider(QObject *parent = nullptr);

    QString appVersion() const override;

    static inline const QString kVersion = QStringLiteral("2.1.2");
};
