#include "NemtraContainersLogging.h"

Q_LOGGING_CATEGORY(lcNemtraContainer, "znt.container")
