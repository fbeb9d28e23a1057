#include "NemtraModelLogging.h"

Q_LOGGING_CATEGORY(lcNemtraModel, "znt.model")
