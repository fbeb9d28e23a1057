#pragma once

#include <QtCore/qglobal.h>

#if defined(BRASKO_LIBRARY)
#define BRASKO_EXPORT Q_DECL_EXPORT
#else
#define BRASKO_EXPORT Q_DECL_IMPORT
#endif
