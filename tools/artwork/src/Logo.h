#pragma once

#include <QImage>

namespace art {

// The launcher motif: a room sensor with a small display and a wave.
QImage launcherIcon(int sizePx);
// Wide logo with the emblem and a wordmark, for report headers.
QImage wordmarkLogo();

} // namespace art
