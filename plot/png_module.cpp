// libkestrivo-plot.so: the window's draw_plot on a PainterSurface over an image, saved as PNG. The
// Qt application it needs is made on the first call, offscreen, and lives until the process ends.
#include "plot/png_module.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plot/painter_surface.h"
#include "plot/plan_plot.h"
#include "plot/plot_picture.h"
#include "plot/window_font.h"

using namespace kestrivo;
using namespace kestrivo::plot;

namespace {

// The window's plot area in pixels.
constexpr int kWidth = 949, kHeight = 381;

void ensure_application() {
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the program's own messages only, not the toolkit's chatter about a
    // session it does not use.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s: %s\n", program_invocation_short_name,
                         text.toLocal8Bit().constData());
        }
    });
    static int argc = 1;
    static char name[] = "kestrivo-plot";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: a QGuiApplication taken down among static destructors
    // would outlive the platform plugin it uses.
    static auto* application = new QGuiApplication(argc, argv);
    (void)application;
}

}  // namespace

namespace {

// Hands `bytes` over as kestrivo_plot_free expects them.
int hand_over(const QByteArray& bytes, unsigned char** out, std::size_t* size) {
    auto* copy = static_cast<unsigned char*>(std::malloc(std::size_t(bytes.size())));
    if (!copy) return 1;
    std::memcpy(copy, bytes.constData(), std::size_t(bytes.size()));
    *out = copy;
    *size = std::size_t(bytes.size());
    return 0;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int kestrivo_plot_png(
    const float* y, const float* x, int32_t points, int32_t profile_p, unsigned char** png,
    std::size_t* size) {
    *png = nullptr;
    *size = 0;
    try {
        ensure_application();
        PlotPicture picture;
        picture.shown = true;
        picture.profile_p = profile_p != 0;
        picture.y.assign(y, y + points);
        picture.x.assign(x, x + points);

        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        if (image.isNull()) return 1;
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::TextAntialiasing);
            plot::PainterSurface surface(painter, QSizeF(kWidth, kHeight), plot::window_font(8.25),
                                         Qt::white);
            surface.clear();
            draw_plot(surface, picture, platform::NumberLocale{".", ""});
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return 1;
        return hand_over(bytes, png, size);
    } catch (...) {
        return 1;
    }
}

extern "C" __attribute__((visibility("default"))) int kestrivo_plan_plot(
    const double* k, const double* half_width, int32_t points, double target, double assurance,
    int64_t recommended, int32_t svg, unsigned char** bytes, std::size_t* size) {
    *bytes = nullptr;
    *size = 0;
    try {
        ensure_application();
        const auto paint = [&](QPaintDevice& device) {
            QPainter painter(&device);
            painter.setRenderHint(QPainter::TextAntialiasing);
            plot::PainterSurface surface(painter, QSizeF(kWidth, kHeight), plot::window_font(8.25),
                                         Qt::white);
            surface.clear();
            draw_plan_plot(
                surface, {k, std::size_t(points)}, {half_width, std::size_t(points)}, target,
                assurance,
                recommended > 0 ? std::optional<std::int64_t>(recommended) : std::nullopt,
                platform::NumberLocale{".", ""});
        };
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        if (svg) {
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            generator.setSize(QSize(kWidth, kHeight));
            generator.setViewBox(QRectF(0, 0, kWidth, kHeight));
            generator.setResolution(96);
            generator.setTitle(QStringLiteral("Kestrivo: blocks to count"));
            paint(generator);
        } else {
            QImage image(kWidth, kHeight, QImage::Format_RGB32);
            if (image.isNull()) return 1;
            paint(image);
            if (!image.save(&buffer, "PNG")) return 1;
        }
        return hand_over(out, bytes, size);
    } catch (...) {
        return 1;
    }
}

extern "C" __attribute__((visibility("default"))) void kestrivo_plot_free(unsigned char* png) {
    std::free(png);
}
