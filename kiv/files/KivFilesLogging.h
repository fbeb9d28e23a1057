#pragma once

#include <QLoggingCategory>

// Diagnostics of the KIV file layer ("kiv.files").
Q_DECLARE_LOGGING_CATEGORY(lcKivFiles)
