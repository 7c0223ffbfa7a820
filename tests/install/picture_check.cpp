// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the Qt installed on this machine can draw the results window's
// picture: it must offer the SVG image format, whose plugin Debian ships in
// qt6-svg-plugins from Debian 13 on and in libqt6svg6 before, and read the
// picture at the size the window shows it. Without the plugin the results
// window opens with an empty square and nothing says why.
//
// Run by the test suite, and by tools/check-clean-install on a clean system
// where only the package and its dependencies are installed. Prints what it
// found; exits 1 when the picture cannot be drawn.
#include "core/forms/classificadesign.h"
#include "core/screen/twips.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <cstdio>

namespace {

// 96 dots per inch, the density of the 1024 x 768 screen.
constexpr double kTwipsPerPixel = 15;

int fail(const QString& why) {
    std::fprintf(stderr, "frazioni_picture_check: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // It draws into memory only, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const auto& picture = classifica::design(classifica::Ctl::Image1);
    const QString resource = QString::fromUtf8(picture.text.data(), qsizetype(picture.text.size()));
    if (!QImageReader::supportedImageFormats().contains("svg"))
        return fail("this Qt has no SVG image format: install qt6-svg-plugins (Debian 13) or "
                    "libqt6svg6 (Debian 12)");

    const QSize size(twipsToPixels(picture.width, kTwipsPerPixel),
                     twipsToPixels(picture.height, kTwipsPerPixel));
    QImageReader reader(resource);
    reader.setScaledSize(size);
    const QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("%1 could not be read: %2").arg(resource, reader.errorString()));
    if (image.size() != size)
        return fail(QStringLiteral("%1 came out %2 x %3 pixels instead of %4 x %5")
                        .arg(resource)
                        .arg(image.width())
                        .arg(image.height())
                        .arg(size.width())
                        .arg(size.height()));
    // A drawing, not a blank: the target's rings are of several colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    if (colours.size() < 3)
        return fail(QStringLiteral("%1 was read as a blank of %2 colours")
                        .arg(resource)
                        .arg(colours.size()));

    std::printf("frazioni_picture_check: Qt %s drew %s at %d x %d pixels in %lld colours\n",
                qVersion(), qPrintable(resource), size.width(), size.height(),
                qlonglong(colours.size()));
    return 0;
}
