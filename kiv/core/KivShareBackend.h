#pragma once

#include "ShareBackend.h"

// File sharing of the KIV plugin; the back end connects it to its file writers.
class KivShareBackend : public ShareBackend
{
    Q_OBJECT

public:
    explicit KivShareBackend(QObject *parent = nullptr);
};
