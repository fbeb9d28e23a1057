#include "KivFilesLogging.h"

Q_LOGGING_CATEGORY(lcKivFiles, "kiv.files")
