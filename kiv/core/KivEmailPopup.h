#pragma once

#include "EmailPopup.h"

// The e-mail pop-up of the KIV pages (QML type "EmailPopup").
class KivEmailPopup : public EmailPopup
{
    Q_OBJECT

public:
    explicit KivEmailPopup(QObject *parent = nullptr);
};
