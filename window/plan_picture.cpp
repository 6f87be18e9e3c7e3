// paint_plan_picture: the plot module's plan plot over a painter surface; draw_plan_picture on
// any surface, so that a test can measure where the words land.
#include "window/plan_picture.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <vector>

#include "plot/painter_surface.h"
#include "plot/plan_plot.h"
#include "plot/window_font.h"
#include "window/survey_answer.h"

namespace kestrivo::window {

namespace {

// The translations (i18n/*.ts) hold the plot's words under this name.
class PlanPicture {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::PlanPicture)
};

// Filled in place: lupdate loses the class's namespace after a return type qualified by another.
void fill_plan_plot_words(plot::PlanPlotWords& words) {
    words.x_title = PlanPicture::tr("Blocks counted").toStdString();
    words.y_title =
        PlanPicture::tr("Half-width of the city's interval, % of its total").toStdString();
    words.series = PlanPicture::tr("half-width met in %1% of surveys").toStdString();
    words.target = PlanPicture::tr("target ±%1%").toStdString();
    words.percent = percent_sign(QStringLiteral("%1")).toStdString();
}

}  // namespace

QFont plan_picture_font() {
    return plot::window_font(8.25);
}

void draw_plan_picture(plot::DrawingSurface& surface, const MadePlan& made) {
    plot::PlanPlotWords words;
    fill_plan_plot_words(words);
    std::vector<double> k, width;
    for (const auto& row : made.plan.rows) {
        k.push_back(double(row.k));
        width.push_back(row.assurance_half_width);
    }
    surface.clear();
    plot::draw_plan_plot(surface, k, width, made.request.target, made.request.assurance,
                         made.plan.recommended,
                         platform::NumberLocale{QLocale().decimalPoint().toStdString(),
                                                QLocale().groupSeparator().toStdString()},
                         words);
}

void paint_plan_picture(QPainter& painter, QSizeF size, const MadePlan& made) {
    painter.setRenderHint(QPainter::TextAntialiasing);
    plot::PainterSurface surface(painter, size, plan_picture_font(), Qt::white);
    draw_plan_picture(surface, made);
}

std::string allocation_words(const MadePlan& made, const analysis::PlanRow& row) {
    const auto& strata = made.request.strata;
    if (strata.size() <= 1) return std::to_string(row.k);
    std::string words;
    for (std::size_t h = 0; h < strata.size() && h < row.allocation.size(); ++h)
        words += (h ? ", " : "") + strata[h].name + " " + std::to_string(row.allocation[h]);
    return words;
}

}  // namespace kestrivo::window
