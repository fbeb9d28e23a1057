#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace art {

struct NamedImage
{
    QString fileName;
    QString depicts;
    QImage image;
};

constexpr int kMenuIconSize = 96;

// Icons of the measures (data-block types and their multi-sensor variants).
QList<NamedImage> measureIcons(int sizePx = kMenuIconSize);
// Icons of the navigation pages and drawer commands, in the colours of palette().
QList<NamedImage> pageIcons(int sizePx = kMenuIconSize);

} // namespace art
