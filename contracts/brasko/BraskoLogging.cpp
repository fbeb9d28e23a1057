#include "BraskoLogging.h"

Q_LOGGING_CATEGORY(lcBrasko, "brasko", QtInfoMsg)
