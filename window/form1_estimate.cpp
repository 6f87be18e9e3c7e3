// "estimate": reads the window into the parameter blocks, dumps them, fits through the library,
// shows the estimates and the maximum log likelihood, then scans and plots the profile log
// likelihood of P (or S) around its estimate.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "platform/float_checks.h"
#include "platform/quoted.h"
#include "platform/text_file.h"
#include "plot/profile_scan.h"
#include "plot/window_font.h"
#include "window/caption_fit.h"
#include "window/form1.h"
#include "window/picture_box.h"

namespace kestrivo::window {

using platform::checked;

// Working data of one click, zero-filled each time. Parameter 1 is S, 2 is P; position i is the
// i-th free parameter in fitting order.
struct Form1::FitData {
    OneBased<double, 11> parValue, parScale, parLower, parUpper;
    OneBased<int32_t, 11> freeList;
    int32_t N = 0;
    OneBased<double, 12> X, BL, BU;
    OneBased<int32_t, 20> IW;
    OneBased<double, 500> W;
    double F = 0;
    int32_t IBOUND = 0, LIW = 0, LW = 0, IFAIL = 0;
    kestrivo_n_e04jyf_fn entry = nullptr;  // the fit, bound once for the estimate and its profile
};

namespace {

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void Form1::Command1_Click() {
    // The report belongs to the counts of one estimate; a new one starts without it.
    clear_report();
    FitData d;
    read_parameters(d);
    read_counts();
    pass_start_point(d);
    WriteUserFile();
    // The report is of the counts and held S as they stand now; the scan below changes the
    // value slots.
    kestrivo::analysis::Request report_request;
    report_request.counts = {IUSER(10), IUSER(11), IUSER(12), IUSER(13)};
    if (!chkS->isChecked()) report_request.s_held = RUSER(1);

    d.entry = fit_entry();
    run_fit(d);
    if (d.IFAIL != 0 || !std::isfinite(d.F)) {
        clear_results();
        throw no_estimate(d.IFAIL, d.F);
    }
    show_estimates(d);
    // The report compares the fit shown with the exact maximum and says so should they differ.
    report_request.fit_entry = {d.parValue(1), d.parValue(2), -d.F};
    const plot::ProfileRange range = show_share_seen_and_maximum(d);
    scan_profile(d, range);
    show_plot();
    show_report(report_request);
}

// The start values, scales and bounds of S and P, and which of them are free: both, or P alone
// with S held at what was typed. A held S is a share of the dogs: the model has no meaning
// outside 0..1, so such a value is refused rather than fitted.
void Form1::read_parameters(FitData& d) {
    d.parValue(1) = number_in(txtS, "S");
    d.parScale(1) = 1.0;
    d.parLower(1) = 0.01;
    d.parUpper(1) = 0.99;
    d.parValue(2) = number_in(txtP, "P");
    d.parScale(2) = 1.0;
    d.parLower(2) = 0.01;
    d.parUpper(2) = 0.99;
    if (chkS->isChecked()) {
        d.N = 2;
        d.freeList(1) = 1;
        d.freeList(2) = 2;
    } else {
        share_in(txtS, "S");
        d.N = 1;
        d.freeList(1) = 2;
    }
    IUSER(1) = d.N;
    for (int i = 1; i <= d.N; ++i)
        IUSER(1 + i) = d.freeList(i);
}

// The four frequencies into IUSER(10..13); all four 0 leave nothing to estimate from.
void Form1::read_counts() {
    static const char* const kCountBoxes[] = {"", "1,0,0", "1,1,1", "1,0,1", "1,1,0"};
    iuCursor = 10;
    for (int h = 1; h <= 4; ++h) {
        IUSER(iuCursor) = count_in(txtHist[h], kCountBoxes[h]);
        iuCursor += 1;
    }
    if (IUSER(10) == 0 && IUSER(11) == 0 && IUSER(12) == 0 && IUSER(13) == 0) {
        throw platform::RuntimeError(
            platform::ErrorKind::InvalidInput,
            tr("all four frequencies are 0: there are no dogs to estimate from.").toStdString());
    }
}

// Each parameter's value, scale and bounds into RUSER, and the free ones' start point and box
// as the minimiser works on them: value x scale.
void Form1::pass_start_point(FitData& d) {
    ruCursor = 0;
    for (int k = 1; k <= 2; ++k) {
        for (double value : {d.parValue(k), d.parScale(k), d.parLower(k), d.parUpper(k)}) {
            ruCursor += 1;
            RUSER(ruCursor) = value;
        }
    }
    const auto product = +[](double a, double b) { return a * b; };
    for (int i = 1; i <= d.N; ++i) {
        const int j = d.freeList(i);
        d.X(i) = checked("the scaled start value", product, d.parScale(j), d.parValue(j));
        d.BL(i) = checked("the scaled lower bound", product, d.parLower(j), d.parScale(j));
        d.BU(i) = checked("the scaled upper bound", product, d.parUpper(j), d.parScale(j));
    }
}

// One call of the fit from d.X, with fresh workspace sizes and the failure code asked for.
void Form1::run_fit(FitData& d) {
    d.IBOUND = 0;
    d.LIW = 20;
    d.LW = 500;
    d.IFAIL = 1;
    d.entry(&d.N, &d.IBOUND, d.BL.data(), d.BU.data(), d.X.data(), &d.F, d.IW.data(), &d.LIW,
            d.W.data(), &d.LW, IUSER.data(), RUSER.data(), &d.IFAIL);
}

// The estimates scaled back, into the parameters and their boxes.
void Form1::show_estimates(FitData& d) {
    for (int i = 1; i <= d.N; ++i) {
        const int j = d.freeList(i);
        d.parValue(j) = checked(
            "the estimate scaled back", +[](double x, double c) { return x / c; }, d.X(i),
            d.parScale(j));
    }
    txtS->setText(qtext(platform::format_pattern(d.parValue(1), "0.00", locale_)));
    txtP->setText(qtext(platform::format_pattern(d.parValue(2), "0.00", locale_)));
}

// The share of all dogs seen and the maximum log likelihood beside the new estimates, and the
// range the profile will cover.
plot::ProfileRange Form1::show_share_seen_and_maximum(const FitData& d) {
    // From here the window shows the new estimates. Should the command stop before the maximum
    // log likelihood is shown, the previous data's maximum and plot must not stand beside them.
    plot::ProfileRange range{};
    double maximum = 0;
    try {
        // The share of all dogs seen on one count, from the estimates as they are shown.
        const double s = number_in(txtS, "S");
        const double p = number_in(txtP, "P");
        const double seen = checked(
            "the percentage of all dogs seen",
            +[](double s, double p) { return (s + p * (1 - s)) * 100; }, s, p);
        Label11->setText(tr("(%1% of all dogs seen)")
                             .arg(qtext(platform::format_pattern(seen, "0.00", locale_))));
        fit_line(*Label11, plot::window_font(8.25, false));

        const double theta = optP->isChecked() ? d.parValue(2) : d.parValue(1);
        range = plotting_range(theta);

        maximum = checked(
            "the maximum log likelihood", +[](double f) { return -f; }, d.F);
    } catch (const platform::RuntimeError&) {
        clear_results(false);
        throw;
    }
    Label9->setText(tr("maximum log likelihood = %1")
                        .arg(qtext(platform::format_pattern(maximum, "0.000", locale_))));
    fit_line(*Label9, plot::window_font(8.25, false));
    Label9->setVisible(true);
    return range;
}

// The profile: the profiled parameter fixed at each grid value, the other refitted from where
// the previous fit left it (or, with nothing left free, the objective evaluated once). The
// picture is kept, so that it can be exported, printed and copied as it is shown.
void Form1::scan_profile(FitData& d, const plot::ProfileRange& range) {
    d.N = d.N - 1;
    IUSER(2) = optP->isChecked() ? 1 : 2;
    OneBased<float, 100> profX, profY;
    profCount = 0;
    for (plot::ProfileWalk walk(range); walk.more(); walk.advance()) {
        if (optP->isChecked()) {
            RUSER(5) = walk.value();
        } else {
            RUSER(1) = walk.value();
        }
        run_fit(d);
        profCount += 1;
        profY(profCount) = checked(
            "a profile log likelihood", +[](double f) { return static_cast<float>(-f); }, d.F);
        profX(profCount) = plot::profile_label(walk.value(), locale_);
    }

    picture_ = plot::PlotPicture{};
    picture_.shown = true;
    picture_.y.assign(profY.data(), profY.data() + profCount);
    picture_.x.assign(profX.data(), profX.data() + profCount);
    picture_.profile_p = optP->isChecked();
    picture_.words = plot_words(picture_.profile_p);
    const auto count = [this](int i) { return QString::number(IUSER(i)); };
    picture_.caption = (tr("Counts 1,0,0: %1, 1,1,1: %2, 1,0,1: %3, 1,1,0: %4.")
                            .arg(count(10), count(11), count(12), count(13)) +
                        QStringLiteral("  ") +
                        (chkS->isChecked() ? tr("S = %1, P = %2") : tr("S held at %1, P = %2"))
                            .arg(txtS->text(), txtP->text()) +
                        QStringLiteral(" ") + Label11->text() + QStringLiteral(", ") +
                        Label9->text() + QStringLiteral("."))
                           .toStdString();
}

// The range of the profile from the "% plotting range" box. A range so wide that its ends leave
// single precision is refused in the box's own words, not in those of a number nobody typed.
plot::ProfileRange Form1::plotting_range(double theta) {
    const double r = number_in(txtHist[0], "% plotting range");
    try {
        return plot::profile_range(theta, r, locale_);
    } catch (const platform::RuntimeError& error) {
        throw platform::RuntimeError(
            error.kind(),
            tr("in the %1 box, %2 is beyond what can be plotted; a range of 100 already covers "
               "0.01 to 0.99.")
                .arg(box_words("% plotting range"),
                     QString::fromStdString(platform::quoted(txtHist[0]->text().toStdString())))
                .toStdString());
    }
}

// Why a fit gave no estimate. With S held, the only way is S = 1 (every dog always seen) and dogs
// that were missed on a later count; otherwise the minimiser's code is all there is to say.
platform::RuntimeError Form1::no_estimate(int32_t ifail, double f) const {
    if (!chkS->isChecked() && !std::isfinite(f)) {
        return platform::RuntimeError(
            platform::ErrorKind::NoEstimate,
            tr("these counts are impossible when S is held at %1: every dog would then be seen on "
               "every count, yet some were missed on the second or third. Hold S below 1, or tick "
               "\"%2\".")
                .arg(txtS->text(), Label8->text())
                .toStdString());
    }
    return platform::RuntimeError(
        platform::ErrorKind::NoEstimate,
        tr("the fit found no maximum (error code %1); no estimate is shown.")
            .arg(ifail)
            .toStdString());
}

plot::PlotPicture::Words Form1::plot_words(bool profile_p) {
    return {tr("log likelihood").toStdString(),
            (profile_p ? tr("% seen") : tr("% stay")).toStdString(),
            tr("The plotting range holds no point of the profile: make the % plotting range "
               "larger (for example 30).")
                .toStdString()};
}

void Form1::clear_results(bool including_estimates) {
    if (including_estimates) Label11->setText(QString());
    Label9->setVisible(false);
    picture_ = plot::PlotPicture{};
    show_plot();
}

void Form1::show_plot() {
    picLL->clear();
    plot::draw_plot(*picLL, picture_, locale_);
    picLL->setAccessibleDescription(QString::fromStdString(
        picture_.shown ? picture_.description : tr("No plot yet.").toStdString()));
}

// "user.txt" in the current folder: the cursors and the blocks as the fit receives them, one
// number a line in the printed form.
void Form1::WriteUserFile() {
    std::vector<std::string> lines;
    lines.push_back(platform::printed_number(iuCursor));
    const int32_t iuCount = iuCursor;
    for (int i = 1; i <= iuCount; ++i)
        lines.push_back(platform::printed_number(IUSER(i)));
    lines.push_back(platform::printed_number(ruCursor));
    const int32_t ruCount = ruCursor;
    for (int i = 1; i <= ruCount; ++i)
        lines.push_back(platform::printed_number(RUSER(i), locale_));
    platform::write_text_lines("user.txt", lines);
}

}  // namespace kestrivo::window
