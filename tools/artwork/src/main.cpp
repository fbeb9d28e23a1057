// Draws the KIV plugin's artwork and writes it into the resource folder.
// Usage: kiv-artwork <repository root> [<folder for check sheets>]

#include "Containers.h"
#include "Logo.h"
#include "MenuIcons.h"
#include "Painter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtMath>

#include <cstdio>

using namespace art;

namespace {

constexpr int kSpinnerSize = 64;
constexpr int kSpinnerFrames = 12;
constexpr int kSpinnerDelayCs = 8;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QList<QImage> spinnerFrames()
{
    QList<QImage> frames;
    const QPointF c(kSpinnerSize / 2.0, kSpinnerSize / 2.0);
    for (int f = 0; f < kSpinnerFrames; ++f) {
        QImage img = blankImage(kSpinnerSize, kSpinnerSize);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        for (int i = 0; i < kSpinnerFrames; ++i) {
            // The head dot is full accent; the tail fades towards a pale tint.
            const int age = (f - i + kSpinnerFrames) % kSpinnerFrames;
            const qreal t = qMin(1.0, age / 7.0);
            const QColor col = QColor::fromRgbF(kAccent.redF() + (0.84 - kAccent.redF()) * t,
                                                kAccent.greenF() + (0.90 - kAccent.greenF()) * t,
                                                kAccent.blueF() + (0.91 - kAccent.blueF()) * t);
            const qreal a = qDegreesToRadians(i * 360.0 / kSpinnerFrames - 90.0);
            const qreal r = age == 0 ? 5.2 : 4.6;
            dot(p, c + QPointF(qCos(a), qSin(a)) * 23.0, r, col);
        }
        frames.append(img);
    }
    return frames;
}

QImage sheet(const QList<QImage> &images, int cell, const QColor &background, int columns = 8)
{
    const int rows = (int(images.size()) + columns - 1) / columns;
    QImage out(columns * cell, qMax(1, rows) * cell, QImage::Format_ARGB32_Premultiplied);
    out.fill(background);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int i = 0; i < images.size(); ++i) {
        const QImage &img = images.at(i);
        const QSize s = img.size().scaled(cell - 8, cell - 8, Qt::KeepAspectRatio).boundedTo(img.size());
        const QPoint at((i % columns) * cell + (cell - s.width()) / 2, (i / columns) * cell + (cell - s.height()) / 2);
        p.drawImage(QRect(at, s), img);
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s <repository root> [<sheet folder>]\n", argv[0]);
        return 2;
    }
    const QDir root(args.at(1));
    const QString images = root.filePath(QStringLiteral("kiv/resources/images"));
    const QString menu = images + QStringLiteral("/Menu Icons/");
    const QString logos = images + QStringLiteral("/Logos/");
    bool ok = true;

    const QList<NamedImage> measures = measureIcons();
    const QList<NamedImage> pages = pageIcons();
    for (const auto &list : {measures, pages})
        for (const NamedImage &icon : list)
            ok &= writeFile(menu + icon.fileName, pngBytes(icon.image));

    // The drawer panel is dark, so it gets the same motifs in light colours.
    setPalette(kOnDark);
    const QList<NamedImage> drawerIcons = pageIcons();
    setPalette(kOnLight);
    const QString navigation = images + QStringLiteral("/NavigationIcons/");
    for (const NamedImage &icon : drawerIcons)
        ok &= writeFile(navigation + icon.fileName, pngBytes(icon.image));

    const QList<QImage> frames = spinnerFrames();
    const QByteArray gif = encodeGif(frames, kSpinnerDelayCs);
    ok &= writeFile(menu + QStringLiteral("spinner.gif"), gif);

    QList<QImage> icoImages;
    for (int s : {16, 32, 48, 256})
        icoImages.append(launcherIcon(s));
    const QByteArray ico = encodeIco(icoImages);
    ok &= writeFile(logos + QStringLiteral("ic_launcher.ico"), ico);
    const QByteArray icns = encodeIcns({{"icp4", launcherIcon(16)},
                                        {"icp5", launcherIcon(32)},
                                        {"ic07", launcherIcon(128)},
                                        {"ic08", launcherIcon(256)}});
    ok &= writeFile(logos + QStringLiteral("ic_launcher.icns"), icns);
    ok &= writeFile(logos + QStringLiteral("ic_launcher.png"), pngBytes(launcherIcon(256)));
    const QImage wordmark = wordmarkLogo();
    ok &= writeFile(logos + QStringLiteral("veltaronLogoMain.png"), pngBytes(wordmark));

    if (args.size() >= 3) {
        // Check sheets decode the written containers again, through Qt where it can.
        const QDir out(args.at(2));
        QDir().mkpath(out.path());
        QList<QImage> all;
        for (const auto &list : {measures, pages})
            for (const NamedImage &icon : list)
                all.append(QImage(menu + icon.fileName));
        sheet(all, 104, kPaper).save(out.filePath(QStringLiteral("icons-light.png")));
        QList<QImage> drawer;
        for (const NamedImage &icon : drawerIcons)
            drawer.append(QImage(navigation + icon.fileName));
        sheet(drawer, 104, kInk).save(out.filePath(QStringLiteral("icons-drawer.png")));
        sheet(all, 52, Qt::white, 16).save(out.filePath(QStringLiteral("icons-small.png")));

        QList<QImage> decoded;
        QImageReader gifReader(menu + QStringLiteral("spinner.gif"));
        // Bounded by the frame count: a looping animation would be read forever.
        for (int i = 0; i < gifReader.imageCount(); ++i)
            decoded.append(gifReader.read()); // advances frame by frame
        std::printf("spinner.gif: %lld frames decoded by Qt, loop count %d\n", qlonglong(decoded.size()),
                    gifReader.loopCount());
        sheet(decoded, 72, Qt::white, 12).save(out.filePath(QStringLiteral("spinner-white.png")));
        sheet(decoded, 72, kInk, 12).save(out.filePath(QStringLiteral("spinner-dark.png")));

        QList<QImage> logoImages;
        QImageReader icoReader(logos + QStringLiteral("ic_launcher.ico"));
        std::printf("ic_launcher.ico: Qt sees %d images\n", icoReader.imageCount());
        for (int i = 0; i < icoReader.imageCount(); ++i) {
            icoReader.jumpToImage(i);
            const QImage f = icoReader.read();
            std::printf("  ico entry %dx%d\n", f.width(), f.height());
            logoImages.append(f);
        }
        for (const IcnsEntry &e : decodeIcns(icns)) {
            std::printf("  icns %s %dx%d\n", e.type.constData(), e.image.width(), e.image.height());
            logoImages.append(e.image);
        }
        QImage combined(1000, 560, QImage::Format_ARGB32_Premultiplied);
        combined.fill(Qt::white);
        {
            QPainter p(&combined);
            int x = 10;
            for (const QImage &img : logoImages) {
                p.drawImage(x, 10, img);
                x += img.width() + 10;
                if (x > 900)
                    x = 10;
            }
            p.drawImage(10, 290, wordmark.scaledToWidth(980, Qt::SmoothTransformation));
        }
        combined.save(out.filePath(QStringLiteral("logos.png")));
    }

    for (const auto &list : {measures, pages})
        for (const NamedImage &icon : list)
            std::printf("%-30s %s\n", qPrintable(icon.fileName), qPrintable(icon.depicts));
    return ok ? 0 : 1;
}
