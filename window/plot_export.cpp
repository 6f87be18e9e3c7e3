// Each device is given the plot area's size in its own units (96 to the inch) and drawn with a
// font fixed in pixels, so that the picture has the same proportions everywhere.
#include "window/plot_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "plot/painter_surface.h"

namespace kestrivo::window {

namespace {

constexpr double kCaptionGap = 6;

// The translations (i18n/*.ts) hold the exported files' title under this name.
class PlotExport {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::PlotExport)
};

// The title an SVG or PDF file carries in its properties.
QString plot_title() {
    return PlotExport::tr("Kestrivo: profile log likelihood");
}

QByteArray png_bytes(const plot::PlotPicture& picture, QSizeF size, const QFont& font,
                     const platform::NumberLocale& locale) {
    const double height = size.height() + caption_height(font);
    // Twice the window's resolution: the painter works in the plot's pixels, the image has four
    // times as many.
    QImage image(QSize(int(size.width()) * 2, int(height) * 2), QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint_plot(painter, picture, size, font, locale);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg_bytes(const plot::PlotPicture& picture, QSizeF size, const QFont& font,
                     const platform::NumberLocale& locale) {
    const double height = size.height() + caption_height(font);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(int(size.width()), int(height)));
    svg.setViewBox(QRectF(0, 0, size.width(), height));
    svg.setResolution(96);
    svg.setTitle(plot_title());
    svg.setDescription(QString::fromStdString(picture.caption));
    QPainter painter(&svg);
    paint_plot(painter, picture, size, font, locale);
    painter.end();
    return bytes;
}

QByteArray pdf_bytes(const plot::PlotPicture& picture, QSizeF size, const QFont& font,
                     const platform::NumberLocale& locale) {
    const double height = size.height() + caption_height(font);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(96);
    // A page the plot's size: 96 of its units an inch, 72 points an inch.
    pdf.setPageSize(QPageSize(QSizeF(size.width(), height) * 72.0 / 96.0, QPageSize::Point,
                              QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(plot_title());
    pdf.setCreator(QStringLiteral("Kestrivo"));
    QPainter painter(&pdf);
    paint_plot(painter, picture, size, font, locale);
    painter.end();
    return bytes;
}

}  // namespace

std::optional<PlotFormat> plot_format_of(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
    std::string ending = path.substr(dot + 1);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == "png") return PlotFormat::png;
    if (ending == "svg") return PlotFormat::svg;
    if (ending == "pdf") return PlotFormat::pdf;
    return std::nullopt;
}

double caption_height(const QFont& font) {
    return QFontMetricsF(plot::font_in_pixels(font)).height() + 2 * kCaptionGap;
}

double paint_plot(QPainter& painter, const plot::PlotPicture& picture, QSizeF size,
                  const QFont& font, const platform::NumberLocale& locale) {
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double height = size.height() + caption_height(font);
    painter.fillRect(QRectF(0, 0, size.width(), height), Qt::white);
    plot::PainterSurface surface(painter, size, font, Qt::white);
    plot::draw_plot(surface, picture, locale);
    plot::paint_text(painter, 10, float(size.height() + kCaptionGap), picture.caption, 0,
                     plot::font_in_pixels(font));
    return height;
}

std::string plot_file(PlotFormat format, const plot::PlotPicture& picture, QSizeF size,
                      const QFont& font, const platform::NumberLocale& locale) {
    QByteArray bytes;
    switch (format) {
        case PlotFormat::png:
            bytes = png_bytes(picture, size, font, locale);
            break;
        case PlotFormat::svg:
            bytes = svg_bytes(picture, size, font, locale);
            break;
        case PlotFormat::pdf:
            bytes = pdf_bytes(picture, size, font, locale);
            break;
    }
    return bytes.toStdString();
}

bool print_plot_page(QPrinter& printer, const plot::PlotPicture& picture, QSizeF size,
                     const QFont& font, const platform::NumberLocale& locale) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double height = size.height() + caption_height(font);
    const double scale = std::min(page.width() / size.width(), page.height() / height);
    painter.scale(scale, scale);
    paint_plot(painter, picture, size, font, locale);
    return painter.end();
}

}  // namespace kestrivo::window
