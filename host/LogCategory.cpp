#include "LogCategory.h"

Q_LOGGING_CATEGORY(lcHost, "orvane.host")
