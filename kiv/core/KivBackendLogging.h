#pragma once

#include <QLoggingCategory>

// The back end's category, shared by the files its class is split into.
Q_DECLARE_LOGGING_CATEGORY(lcKivBackend)
