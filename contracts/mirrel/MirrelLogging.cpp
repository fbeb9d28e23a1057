#include "MirrelLogging.h"

Q_LOGGING_CATEGORY(lcMirrel, "mirrel")
