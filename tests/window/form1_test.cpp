// The window with real widgets: its start-up state, tab order, the simulate command, and the
// estimate command from the blocks it hands the library to the picture it leaves.
#include "window/form1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "library/kestrivo.h"
#include "platform/runtime_error.h"
#include "tests/library/reference_model.h"
#include "tests/support/temporary_folder.h"
#include "tests/window/test_helpers.h"
#include "window/picture_box.h"

using namespace kestrivo::window;

namespace {

// What the window handed the library at each call, taken before the call runs.
struct FitCall {
    int32_t n, ibound, liw, lw, ifail;
    std::array<int32_t, 14> iuser;
    std::array<double, 8> ruser;
    std::vector<double> x, bl, bu;
};
std::vector<FitCall> g_calls;

void recording_entry(const int32_t* N, const int32_t* IBOUND, const double* BL, const double* BU,
                     double* X, double* F, int32_t* IW, const int32_t* LIW, double* W,
                     const int32_t* LW, const int32_t* IUSER, const double* RUSER, int32_t* IFAIL) {
    FitCall call{*N, *IBOUND, *LIW, *LW, *IFAIL, {}, {}, {}, {}, {}};
    std::copy(IUSER, IUSER + 14, call.iuser.begin());
    std::copy(RUSER, RUSER + 8, call.ruser.begin());
    for (int i = 0; i < *N; ++i) {
        call.x.push_back(X[i]);
        call.bl.push_back(BL[i]);
        call.bu.push_back(BU[i]);
    }
    g_calls.push_back(call);
    N_E04JYF(N, IBOUND, BL, BU, X, F, IW, LIW, W, LW, IUSER, RUSER, IFAIL);
}

// Each test runs in a folder of its own (user.txt goes to the current folder) on a fresh window
// whose error reports are recorded.
class form1_test : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        ASSERT_TRUE(folder_.isValid());
        QDir::setCurrent(folder_.path());
        form_.set_error_reporter(
            [this](const kestrivo::platform::RuntimeError& e) { errors_.push_back(e); });
        form_.set_fit_entry(recording_entry);
        g_calls.clear();
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    void set_counts(const char* a, const char* b, const char* c, const char* d) {
        form_.txtHist[1]->setText(a);
        form_.txtHist[2]->setText(b);
        form_.txtHist[3]->setText(c);
        form_.txtHist[4]->setText(d);
    }
    std::array<QString, 5> boxes() const {
        std::array<QString, 5> t;
        for (int i = 0; i < 5; ++i)
            t[i] = form_.txtHist[i]->text();
        return t;
    }
    void estimate() { QTest::mouseClick(form_.Command1, Qt::LeftButton); }
    void simulate() { QTest::mouseClick(form_.Command2, Qt::LeftButton); }
    std::string user_txt() const { return file_contents("user.txt"); }
    int pixels_of(QRgb colour) const { return ::pixels_of(form_.picLL->image(), colour); }

    QString previous_;
    QTemporaryDir folder_;
    Form1 form_;
    std::vector<kestrivo::platform::RuntimeError> errors_;
};

TEST_F(form1_test, start_up_state_and_help_text) {
    EXPECT_EQ(form_.windowTitle(), "Form1");
    EXPECT_FALSE(form_.Label9->isVisibleTo(&form_));
    EXPECT_EQ(form_.Label9->text(), "Label9");
    EXPECT_EQ(form_.Label11->text(), "");
    EXPECT_TRUE(form_.chkS->isChecked());
    EXPECT_TRUE(form_.optP->isChecked());
    EXPECT_FALSE(form_.optS->isChecked());
    EXPECT_EQ(boxes(), (std::array<QString, 5>{"30", "29", "36", "54", "48"}));
    EXPECT_EQ(form_.txtS->text(), "0.5");
    EXPECT_EQ(form_.txtP->text(), "0.5");
    EXPECT_EQ(form_.Command1->text(), "estimate");
    EXPECT_EQ(form_.Command2->text(), "simulate");

    // The help is there from the start, names the command it tells the user to click, and is
    // shown whole in its label.
    const QString help = form_.Label10->text();
    EXPECT_TRUE(help.contains("'" + form_.Command1->text() + "'")) << help.toStdString();
    EXPECT_TRUE(form_.Label10->wordWrap());
    EXPECT_LE(form_.Label10->heightForWidth(form_.Label10->width()), form_.Label10->height());

    // The window shows the whole layout: every control inside it, and the plot over none of the
    // boxes nor the help.
    const auto on_form = [this](const QWidget* w) {
        return QRect(w->mapTo(&form_, QPoint(0, 0)), w->size());
    };
    std::vector<const QWidget*> controls = {form_.Label10,  form_.txtS,    form_.txtP,
                                            form_.chkS,     form_.optP,    form_.optS,
                                            form_.Command1, form_.Command2};
    for (const QLineEdit* box : form_.txtHist)
        controls.push_back(box);
    const QRect plot = on_form(form_.picLL);
    EXPECT_TRUE(form_.rect().contains(plot));
    for (const QWidget* w : controls) {
        EXPECT_TRUE(form_.rect().contains(on_form(w))) << w->objectName().toStdString();
        EXPECT_FALSE(plot.intersects(on_form(w))) << w->objectName().toStdString();
    }
    // The plot's scale is its inside, within its frame.
    EXPECT_GT(form_.picLL->scale_width(), 0);
    EXPECT_LE(form_.picLL->scale_width(), form_.picLL->width());
    EXPECT_GT(form_.picLL->scale_height(), 0);
    EXPECT_LE(form_.picLL->scale_height(), form_.picLL->height());
}

TEST_F(form1_test, tab_visits_the_controls_in_layout_order_with_the_options_as_one_stop) {
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    form_.txtHist[0]->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 13; ++i) {
        visited.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<QWidget*> expected = {
        form_.txtHist[0], form_.txtHist[2], form_.txtHist[3], form_.Command1, form_.txtHist[4],
        form_.picLL,      form_.txtP,       form_.txtS,       form_.chkS,     form_.txtHist[1],
        form_.optP,       form_.Command2,   form_.txtHist[0]};
    EXPECT_EQ(visited, expected);
}

TEST_F(form1_test, simulate_writes_the_expected_frequencies_per_hundred_dogs) {
    const struct {
        const char *s, *p;
        std::array<QString, 4> counts;
    } cases[] = {
        {"0.5", "0.5", {"8.33333333333333", "75", "8.33333333333333", "8.33333333333333"}},
        {"0.2",
         "0.6",
         {"11.2941176470588", "54.8235294117647", "16.9411764705882", "16.9411764705882"}},
        {"0", "0.5", {"25", "25", "25", "25"}},
        {"1", "0", {"0", "100", "0", "0"}},
        {"1", "0.7", {"0", "100", "0", "0"}},
    };
    for (const auto& c : cases) {
        form_.txtS->setText(c.s);
        form_.txtP->setText(c.p);
        simulate();
        for (int h = 1; h <= 4; ++h)
            EXPECT_EQ(form_.txtHist[h]->text(), c.counts[h - 1]) << c.s;
    }
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(form_.txtHist[0]->text(), "30");
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(form1_test, simulate_errors_change_no_box_and_the_window_goes_on) {
    const struct {
        const char *s, *p;
        kestrivo::platform::ErrorKind kind;
        const char* mentions;
    } cases[] = {
        {"0", "0", kestrivo::platform::ErrorKind::FloatingPoint, "Invalid operation"},
        // Outside 0..1 the frequencies would come out negative: refused, naming the box.
        {"-1", "0.5", kestrivo::platform::ErrorKind::InvalidInput,
         "the S box, \"-1\" is not a share"},
        {"1e308", "0.5", kestrivo::platform::ErrorKind::InvalidInput, "the S box, \"1e308\""},
        {"0.5", "1.5", kestrivo::platform::ErrorKind::InvalidInput,
         "the P box, \"1.5\" is not a share"},
        {"0.5", "abc", kestrivo::platform::ErrorKind::TypeMismatch, "P box, \"abc\""},
        {"", "0.5", kestrivo::platform::ErrorKind::TypeMismatch, "S box"},
    };
    for (const auto& c : cases) {
        errors_.clear();
        const auto before = boxes();
        form_.txtS->setText(c.s);
        form_.txtP->setText(c.p);
        simulate();
        ASSERT_EQ(errors_.size(), 1u) << c.s << " " << c.p;
        EXPECT_EQ(errors_[0].kind(), c.kind);
        EXPECT_NE(errors_[0].report().find(c.mentions), std::string::npos) << errors_[0].report();
        EXPECT_EQ(boxes(), before);
    }
    form_.txtS->setText("0");
    form_.txtP->setText("0.5");
    simulate();
    EXPECT_EQ(form_.txtHist[1]->text(), "25");
}

TEST_F(form1_test, first_estimate_hands_the_library_the_start_blocks_and_dumps_them) {
    estimate();
    ASSERT_TRUE(errors_.empty()) << errors_[0].report();
    ASSERT_GE(g_calls.size(), 1u);
    const FitCall& first = g_calls[0];
    EXPECT_EQ(first.n, 2);
    EXPECT_EQ(first.iuser, (std::array<int32_t, 14>{2, 1, 2, 0, 0, 0, 0, 0, 0, 29, 36, 54, 48, 0}));
    EXPECT_EQ(first.ruser, (std::array<double, 8>{0.5, 1, 0.01, 0.99, 0.5, 1, 0.01, 0.99}));
    EXPECT_EQ(first.x, (std::vector<double>{0.5, 0.5}));
    EXPECT_EQ(first.bl, (std::vector<double>{0.01, 0.01}));
    EXPECT_EQ(first.bu, (std::vector<double>{0.99, 0.99}));
    EXPECT_EQ(first.ibound, 0);
    EXPECT_EQ(first.liw, 20);
    EXPECT_EQ(first.lw, 500);
    EXPECT_EQ(first.ifail, 1);
    EXPECT_EQ(form_.iuCursor, 14);
    EXPECT_EQ(form_.ruCursor, 8);

    EXPECT_EQ(user_txt(),
              " 14 \r\n 2 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 29 \r\n"
              " 36 \r\n 54 \r\n 48 \r\n 0 \r\n 8 \r\n 0.5 \r\n 1 \r\n 0.01 \r\n 0.99 \r\n"
              " 0.5 \r\n 1 \r\n 0.01 \r\n 0.99 \r\n");
}

TEST_F(form1_test, estimate_shows_the_exact_maximum_and_draws_the_profile) {
    estimate();
    ASSERT_TRUE(errors_.empty());
    // For the start counts the maximum lies on the lower bound of S.
    const auto best = kestrivo::library::reference::maximum({29, 36, 54, 48});
    EXPECT_EQ(static_cast<double>(best.s), 0.01);
    const kestrivo::platform::NumberLocale& locale = form_.number_locale();
    EXPECT_EQ(form_.txtS->text().toStdString(),
              kestrivo::platform::format_pattern(0.01, "0.00", locale));
    EXPECT_EQ(form_.txtP->text().toStdString(),
              kestrivo::platform::format_pattern(static_cast<double>(best.p), "0.00", locale));
    EXPECT_EQ(form_.Label9->text().toStdString(),
              "maximum log likelihood = " +
                  kestrivo::platform::format_pattern(static_cast<double>(best.log_likelihood),
                                                     "0.000", locale));
    EXPECT_TRUE(form_.Label9->isVisibleTo(&form_));
    // From the two-decimal texts: 0.01 + 0.51 x 0.99 = 51.49%.
    EXPECT_EQ(form_.Label11->text(), "(51.49% of all dogs seen)");

    // One full fit, then one fit of S per profile point of P.
    EXPECT_EQ(form_.profCount, 20);
    ASSERT_EQ(g_calls.size(), 21u);
    for (std::size_t i = 1; i < g_calls.size(); ++i) {
        EXPECT_EQ(g_calls[i].n, 1);
        EXPECT_EQ(g_calls[i].iuser[0], 2) << "IUSER(1) keeps the full fit's count";
        EXPECT_EQ(g_calls[i].iuser[1], 1) << "S is refitted";
    }
    EXPECT_GT(pixels_of(qRgb(0, 0, 192)), 200) << "the blue curve";
    EXPECT_GT(pixels_of(qRgb(255, 0, 0)), 200) << "the red line";

    // The estimates are the next start values.
    estimate();
    EXPECT_EQ(g_calls[21].x[0], 0.01);
    EXPECT_NE(user_txt().find(" 0.01 \r\n 1 \r\n 0.01 \r\n 0.99 \r\n"), std::string::npos);
}

TEST_F(form1_test, the_report_stands_beside_the_plot_after_an_estimate_and_goes_with_a_failed_one) {
    EXPECT_EQ(form_.lblReport->text(), "");
    EXPECT_EQ(form_.lblReport->geometry(), QRect(448, 178, 521, 46));
    estimate();
    ASSERT_TRUE(errors_.empty());
    // The start counts: S on the lower edge of its range, and a poor fit.
    const QStringList lines = form_.lblReport->text().split('\n');
    ASSERT_EQ(lines.size(), 3) << form_.lblReport->text().toStdString();
    EXPECT_EQ(lines[0],
              "95% limits: P 45.91–56.96%, seen 46.45–57.39%; dogs on the block 321 (278–374).");
    EXPECT_EQ(lines[1],
              "S lies on the lower edge of its range (0.01): the estimate and its limit "
              "stop there.");
    EXPECT_EQ(lines[2],
              "Fit check: G² = 10.19 on 1 df, p = 0.001: the model fits these counts "
              "poorly.");
    EXPECT_EQ(form_.lblReport->accessibleName(), "Report: " + form_.lblReport->text());
    EXPECT_TRUE(form_.lblReport->textInteractionFlags() & Qt::TextSelectableByMouse);

    // The S profile with S held: there are no limits of S to give, and the report says why.
    form_.chkS->setChecked(false);
    form_.optS->setChecked(true);
    form_.txtS->setText("0.2");
    estimate();
    EXPECT_TRUE(form_.lblReport->text().startsWith("95% limits: S: S is held, not estimated, seen"))
        << form_.lblReport->text().toStdString();

    form_.txtHist[2]->setText("many");
    estimate();
    EXPECT_EQ(form_.lblReport->text(), "");
    EXPECT_EQ(form_.lblReport->accessibleName(), "Report: none yet");
}

TEST_F(form1_test, what_each_choice_of_free_and_profiled_parameter_fits) {
    const struct {
        bool s_free, profile_p;
        int32_t full_n, scan_n, slot2;
    } cases[] = {{true, true, 2, 1, 1},
                 {true, false, 2, 1, 2},
                 {false, true, 1, 0, 1},
                 {false, false, 1, 0, 2}};
    for (const auto& c : cases) {
        g_calls.clear();
        form_.txtS->setText("0.3");
        form_.txtP->setText("0.5");
        form_.chkS->setChecked(c.s_free);
        (c.profile_p ? form_.optP : form_.optS)->setChecked(true);
        estimate();
        ASSERT_TRUE(errors_.empty());
        ASSERT_GT(g_calls.size(), 1u);
        EXPECT_EQ(g_calls[0].n, c.full_n);
        for (std::size_t i = 1; i < g_calls.size(); ++i) {
            EXPECT_EQ(g_calls[i].n, c.scan_n);
            EXPECT_EQ(g_calls[i].iuser[1], c.slot2);
            // The profiled parameter's slot holds the grid value; the other keeps its value.
            if (!c.s_free && c.profile_p) {
                EXPECT_EQ(g_calls[i].ruser[0], 0.3);
            }
            if (!c.s_free && !c.profile_p) {
                EXPECT_EQ(g_calls[i].ruser[4], 0.5) << "the start value of P, not its estimate";
            }
        }
        EXPECT_EQ(g_calls.size(), 1u + static_cast<std::size_t>(form_.profCount));
    }
}

TEST_F(form1_test, s_held_at_zero_fits_p_alone) {
    form_.chkS->setChecked(false);
    form_.txtS->setText("0");
    estimate();
    ASSERT_TRUE(errors_.empty());
    EXPECT_EQ(g_calls[0].n, 1);
    EXPECT_EQ(g_calls[0].iuser[0], 1);
    EXPECT_EQ(g_calls[0].iuser[1], 2);
    EXPECT_EQ(g_calls[0].ruser[0], 0.0);
    EXPECT_EQ(g_calls[0].x, std::vector<double>{0.5});
    EXPECT_EQ(form_.txtS->text(), "0.00");
    // With S = 0 the percentage seen is P itself.
    const QString p = form_.txtP->text();
    EXPECT_EQ(
        form_.Label11->text().toStdString(),
        "(" +
            kestrivo::platform::format_pattern(p.toDouble() * 100, "0.00", form_.number_locale()) +
            "% of all dogs seen)");
    EXPECT_NE(user_txt().find(" 1 \r\n 2 \r\n 0 \r\n"), std::string::npos);
}

TEST_F(form1_test, a_bad_number_stops_the_estimate_where_it_is_read) {
    // A count or start value that cannot be used: nothing changes, not even user.txt.
    const struct {
        QLineEdit* box;
        const char* text;
        kestrivo::platform::ErrorKind kind;
        const char* mentions;
    } early[] = {
        {form_.txtS, "abc", kestrivo::platform::ErrorKind::TypeMismatch, "the S box, \"abc\""},
        {form_.txtP, "", kestrivo::platform::ErrorKind::TypeMismatch, "the P box"},
        {form_.txtHist[3], "5x", kestrivo::platform::ErrorKind::TypeMismatch, "the 1,0,1 box"},
        {form_.txtHist[1], "-3", kestrivo::platform::ErrorKind::InvalidInput, "the 1,0,0 box"},
        {form_.txtHist[2], "3e9", kestrivo::platform::ErrorKind::Overflow, "the 1,1,1 box"},
    };
    for (const auto& c : early) {
        errors_.clear();
        const QString kept = c.box->text();
        c.box->setText(c.text);
        estimate();
        ASSERT_EQ(errors_.size(), 1u);
        EXPECT_EQ(errors_[0].kind(), c.kind);
        EXPECT_NE(errors_[0].report().find(c.mentions), std::string::npos) << errors_[0].report();
        EXPECT_FALSE(std::filesystem::exists("user.txt"));
        EXPECT_TRUE(g_calls.empty());
        EXPECT_EQ(form_.txtS->text(), c.box == form_.txtS ? c.text : "0.5");
        EXPECT_EQ(form_.Label11->text(), "");
        c.box->setText(kept);
    }

    // A plotting range that is not a number: the estimates are shown, Label9 is not.
    errors_.clear();
    form_.txtHist[0]->setText("wide");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].report().find("% plotting range box"), std::string::npos);
    EXPECT_EQ(form_.txtS->text(), "0.01");
    EXPECT_EQ(form_.Label11->text(), "(51.49% of all dogs seen)");
    EXPECT_FALSE(form_.Label9->isVisibleTo(&form_));
    EXPECT_TRUE(std::filesystem::exists("user.txt"));
    EXPECT_EQ(g_calls.size(), 1u);

    // The window goes on: the corrected estimate completes.
    errors_.clear();
    form_.txtHist[0]->setText("30");
    estimate();
    EXPECT_TRUE(errors_.empty());
    EXPECT_TRUE(form_.Label9->isVisibleTo(&form_));
}

TEST_F(form1_test, fractional_counts_round_half_to_even) {
    set_counts("29.5", "28.5", "54", "48");
    estimate();
    ASSERT_FALSE(g_calls.empty());
    EXPECT_EQ(g_calls[0].iuser[9], 30);
    EXPECT_EQ(g_calls[0].iuser[10], 28);
}

TEST_F(form1_test, a_dump_file_that_cannot_be_written_stops_before_the_fit) {
    std::filesystem::create_directory("user.txt");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].kind(), kestrivo::platform::ErrorKind::FileError);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(form_.txtS->text(), "0.5");
}

TEST_F(form1_test, a_held_s_outside_zero_to_one_is_refused_before_anything_changes) {
    form_.chkS->setChecked(false);
    for (const char* held : {"-0.5", "1.0001", "1e308"}) {
        errors_.clear();
        form_.txtS->setText(held);
        estimate();
        ASSERT_EQ(errors_.size(), 1u) << held;
        EXPECT_EQ(errors_[0].kind(), kestrivo::platform::ErrorKind::InvalidInput);
        EXPECT_NE(errors_[0].report().find("in the S box, \"" + std::string(held) + "\""),
                  std::string::npos)
            << errors_[0].report();
        EXPECT_TRUE(g_calls.empty());
        EXPECT_FALSE(std::filesystem::exists("user.txt"));
        EXPECT_EQ(form_.txtS->text(), held);
        EXPECT_EQ(form_.Label11->text(), "");
    }
}

TEST_F(form1_test, counts_impossible_under_the_held_s_show_no_estimate) {
    estimate();
    ASSERT_TRUE(errors_.empty());
    ASSERT_GT(pixels_of(qRgb(0, 0, 192)), 0);

    // S held at 1: every dog always seen, yet 1,0,0 and the others were counted.
    form_.chkS->setChecked(false);
    form_.txtS->setText("1");
    form_.txtP->setText("0.5");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].kind(), kestrivo::platform::ErrorKind::NoEstimate);
    EXPECT_NE(errors_[0].report().find("impossible when S is held at 1"), std::string::npos)
        << errors_[0].report();
    EXPECT_EQ(g_calls.size(), 22u) << "one fit, and no profile";
    EXPECT_EQ(form_.txtS->text(), "1");
    EXPECT_EQ(form_.txtP->text(), "0.5") << "the start value is not shown as an estimate";
    EXPECT_EQ(form_.Label11->text(), "");
    EXPECT_FALSE(form_.Label9->isVisibleTo(&form_));
    EXPECT_EQ(pixels_of(qRgb(0, 0, 192)), 0);
    EXPECT_EQ(pixels_of(qRgb(255, 0, 0)), 0);
    EXPECT_TRUE(std::filesystem::exists("user.txt")) << "the dump comes before the fit";

    // Held at 1 with only dogs seen on every count, the counts are possible.
    errors_.clear();
    set_counts("0", "12", "0", "0");
    estimate();
    EXPECT_TRUE(errors_.empty()) << errors_[0].report();
    EXPECT_EQ(form_.Label9->text(), "maximum log likelihood = 0.000");
}

TEST_F(form1_test, all_counts_zero_stop_before_the_dump_and_the_fit) {
    set_counts("0", "0", "0.4", "0");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].kind(), kestrivo::platform::ErrorKind::InvalidInput);
    EXPECT_NE(errors_[0].report().find("all four frequencies are 0"), std::string::npos);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_FALSE(std::filesystem::exists("user.txt"));
    EXPECT_EQ(form_.txtS->text(), "0.5");
}

TEST_F(form1_test,
       a_plotting_range_beyond_single_precision_names_the_box_and_hides_the_old_maximum) {
    estimate();
    ASSERT_TRUE(form_.Label9->isVisibleTo(&form_));
    set_counts("10", "20", "5", "5");
    form_.txtHist[0]->setText("1e300");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].report(),
              "Overflow: in the % plotting range box, \"1e300\" is beyond what can be plotted; a "
              "range of 100 already covers 0.01 to 0.99.");
    // The new estimates stand, with nothing of the previous data beside them.
    EXPECT_NE(form_.txtS->text(), "0.01");
    EXPECT_NE(form_.Label11->text(), "(51.49% of all dogs seen)");
    EXPECT_FALSE(form_.Label9->isVisibleTo(&form_));
    EXPECT_EQ(pixels_of(qRgb(0, 0, 192)), 0);

    errors_.clear();
    form_.txtHist[0]->setText("-1e300");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].report().find("box, \"-1e300\" is beyond"), std::string::npos);
}

TEST_F(form1_test, a_number_grouped_with_the_locales_separator_is_refused_as_ambiguous) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form1 german;
    QLocale::setDefault(QLocale::c());
    std::vector<kestrivo::platform::RuntimeError> errors;
    german.set_error_reporter(
        [&](const kestrivo::platform::RuntimeError& e) { errors.push_back(e); });
    german.set_fit_entry(recording_entry);
    german.txtHist[1]->setText("1.000");
    QTest::mouseClick(german.Command1, Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].kind(), kestrivo::platform::ErrorKind::InvalidInput);
    EXPECT_NE(errors[0].report().find("the 1,0,0 box, \"1.000\" is ambiguous"), std::string::npos)
        << errors[0].report();
    EXPECT_TRUE(g_calls.empty());

    // A decimal comma, and the point that reads in every locale, still read.
    errors.clear();
    german.txtHist[1]->setText("29");
    german.txtS->setText("0,5");
    german.txtP->setText("0.5");
    QTest::mouseClick(german.Command1, Qt::LeftButton);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(german.txtS->text(), "0,01");
}

TEST_F(form1_test, a_user_txt_that_is_a_symbolic_link_stops_the_estimate_and_is_not_followed) {
    QTemporaryDir elsewhere;
    const std::string victim = elsewhere.filePath("their-file.txt").toStdString();
    std::ofstream(victim) << "not Kestrivo's";
    std::filesystem::create_symlink(victim, "user.txt");
    estimate();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].kind(), kestrivo::platform::ErrorKind::FileError);
    EXPECT_NE(errors_[0].report().find("symbolic link"), std::string::npos);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(file_contents(victim), "not Kestrivo's");
    EXPECT_TRUE(std::filesystem::is_symlink("user.txt"));
}

// Runs only inside tests/window/full_disk.sh, on a 64 KiB tmpfs of its own.
TEST(full_disk_test, an_estimate_on_a_full_disk_stops_and_keeps_the_previous_user_txt) {
    const char* mount = std::getenv("KESTRIVO_FULL_DISK_DIR");
    if (!mount) GTEST_SKIP() << "runs inside tests/window/full_disk.sh";
    const QString previous = QDir::currentPath();
    QDir::setCurrent(mount);
    {
        Form1 form;
        std::vector<kestrivo::platform::RuntimeError> errors;
        form.set_error_reporter(
            [&](const kestrivo::platform::RuntimeError& e) { errors.push_back(e); });
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        ASSERT_TRUE(errors.empty());
        const std::string good = file_contents("user.txt");
        ASSERT_EQ(good.size(), 141u);
        fill_the_disk(mount);

        form.txtHist[1]->setText("30");
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].kind(), kestrivo::platform::ErrorKind::FileError);
        EXPECT_NE(errors[0].report().find("No space left on device"), std::string::npos)
            << errors[0].report();
        EXPECT_EQ(file_contents("user.txt"), good);
        EXPECT_EQ(form.txtS->text(), "0.01") << "stopped before the fit";
    }
    QDir::setCurrent(previous);
}

TEST_F(form1_test, a_range_with_no_point_says_so_inside_the_plot) {
    estimate();
    ASSERT_GT(pixels_of(qRgb(255, 0, 0)), 0);
    // S held at 0.5 and profiled with a range of 0%: both ends are 0.5, so no point.
    form_.txtHist[0]->setText("0");
    form_.chkS->setChecked(false);
    form_.optS->setChecked(true);
    form_.txtS->setText("0.5");
    estimate();
    EXPECT_TRUE(errors_.empty());
    EXPECT_TRUE(form_.Label9->isVisibleTo(&form_));
    EXPECT_EQ(form_.profCount, 0);
    EXPECT_EQ(g_calls.size(), 21u + 1u);
    EXPECT_EQ(pixels_of(qRgb(255, 0, 0)), 0);
    EXPECT_EQ(pixels_of(qRgb(0, 0, 192)), 0);
    // The sentence is the only thing drawn: dark text, in one line across the middle.
    const DarkPixels text = dark_pixels(form_.picLL->image());
    EXPECT_GT(text.count, 300);
    EXPECT_GE(text.top, form_.picLL->image().height() / 2 - 2);
    EXPECT_LT(text.bottom - text.top, 20);

    // A range of -5 gives none either.
    form_.chkS->setChecked(true);
    form_.optP->setChecked(true);
    form_.txtHist[0]->setText("-5");
    estimate();
    EXPECT_EQ(form_.profCount, 0);
    EXPECT_EQ(pixels_of(qRgb(255, 0, 0)), 0);
    EXPECT_EQ(dark_pixels(form_.picLL->image()).count, text.count);
}

}  // namespace
