// ProfilePlots: the window's profile grid around the estimate of P (the default 30% plotting
// range), the profile log likelihood at each point from the analysis layer, the window's
// draw_plot on a PainterSurface over an image, and the PNG written whole.
#include "profile_plots.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <vector>

#include "platform/painter_surface.h"
#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "platform/window_font.h"
#include "plot_picture.h"
#include "profile_scan.h"

namespace kestrivo::cli {
namespace {

// The window's plot area in pixels, and its default plotting range.
constexpr int kWidth = 949, kHeight = 381;
constexpr double kPlottingRange = 30;

}  // namespace

ProfilePlots::ProfilePlots(std::string folder, const analysis::Library& library)
    : folder_(std::move(folder)), library_(library) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error || !std::filesystem::is_directory(folder_)) {
        throw platform::RuntimeError(
            platform::ErrorKind::FileError,
            "the plot folder \"" + folder_ + "\" cannot be made: " +
                (error ? error.message() : std::string("a file of that name is in the way")) + ".");
    }
}

std::string ProfilePlots::safe_name(const std::string& label) {
    std::string name;
    for (char c : label) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        name += keep ? c : '_';
    }
    if (name.empty() || name.find_first_not_of('.') == std::string::npos) name = "_" + name;
    return name.substr(0, 100);
}

void ProfilePlots::write(const survey::Row& row, const analysis::Report& report) {
    const platform::NumberLocale locale{".", ""};
    const analysis::Model model(library_.loglik, row.counts, row.s_held);
    const ProfileRange range = profile_range(report.estimates->P, kPlottingRange, locale);
    PlotPicture picture;
    picture.shown = true;
    for (ProfileWalk walk(range); walk.more() && picture.y.size() < 100; walk.advance()) {
        picture.y.push_back(static_cast<float>(model.profile_p(walk.value())));
        picture.x.push_back(profile_label(walk.value(), locale));
    }

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        platform::PainterSurface surface(painter, QSizeF(kWidth, kHeight),
                                         platform::window_font(8.25), Qt::white);
        surface.clear();
        draw_plot(surface, picture, locale);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");

    // Two labels that read alike as file names are told apart by their line, and by a number
    // after that should even that name be taken: no plot of this run replaces another.
    const std::string base = safe_name(row.label);
    std::string name = base;
    for (int k = 2; !used_.insert(name).second; ++k) {
        name = base + "-line" + std::to_string(row.line) + (k > 2 ? "-" + std::to_string(k) : "");
    }
    platform::write_whole_file(
        folder_ + "/" + name + ".png",
        std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace kestrivo::cli
