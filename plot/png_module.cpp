// libkestrivo-plot.so: the window's draw_plot on a PainterSurface over an image, saved as PNG. The
// Qt application it needs is made on the first call, offscreen, and lives until the process ends.
#include "png_module.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "painter_surface.h"
#include "plot_picture.h"
#include "window_font.h"

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
            platform::PainterSurface surface(painter, QSizeF(kWidth, kHeight),
                                             platform::window_font(8.25), Qt::white);
            surface.clear();
            draw_plot(surface, picture, platform::NumberLocale{".", ""});
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return 1;
        auto* copy = static_cast<unsigned char*>(std::malloc(std::size_t(bytes.size())));
        if (!copy) return 1;
        std::memcpy(copy, bytes.constData(), std::size_t(bytes.size()));
        *png = copy;
        *size = std::size_t(bytes.size());
        return 0;
    } catch (...) {
        return 1;
    }
}

extern "C" __attribute__((visibility("default"))) void kestrivo_plot_free(unsigned char* png) {
    std::free(png);
}
