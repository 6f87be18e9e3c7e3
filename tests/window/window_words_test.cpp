// The refusals the window words again from data (a number typed, a survey file's header, files
// that do not open as a survey, the plan's warning): in English, each is exactly the message the
// command-line programs write from the same facts. A message changed on one side only fails here.
#include <gtest/gtest.h>

#include <QString>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "field/survey_opening.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "survey/survey_reader.h"
#include "tests/support/temporary_folder.h"
#include "window/form1.h"
#include "window/header_words.h"
#include "window/plan_words.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

TEST(window_words_test, a_refused_number_reads_as_the_platform_says_it) {
    using Why = kestrivo::platform::NumberRefused::Why;
    const kestrivo::platform::NumberRefused refusals[] = {
        {Why::not_a_number, "abc"},
        {Why::too_large, "1e999"},
        {Why::ambiguous, "12.500", "12500", "12,5"},
        {Why::grouped, "1 000", "1000", "", " "},
    };
    for (const auto& refused : refusals) {
        EXPECT_EQ(Form1::refusal_words("P", refused).toStdString(),
                  std::string("in the P box, ") + refused.what() + ".");
    }
}

TEST(window_words_test, a_refused_header_reads_as_the_reader_says_it) {
    const char* const headers[] = {
        "",
        "block,c100,c111,c101,c110,\"a\"b\n",
        "block,c100,c111,c101,c110,C100\n",
        "block,c100,c101\n",
        "block,c100,c111,c101,c110\n",
        "block,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,m010\n",
        "block,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110\n",
        "block,c100,c111,c101,c110,m100,m111,m101,m110,m010,m001,m011\n",
    };
    int refused = 0;
    for (const char* header : headers) {
        std::istringstream in(header);
        try {
            kestrivo::survey::SurveyReader reader(in, "survey.csv");
        } catch (const kestrivo::survey::HeaderRefused& e) {
            ++refused;
            EXPECT_EQ(header_words(e).toStdString(), e.what()) << header;
        }
    }
    // Every header above but the one that is whole is refused.
    EXPECT_EQ(refused, int(std::size(headers)) - 1);
}

TEST(window_words_test, files_that_do_not_open_read_as_the_opening_says_it) {
    TemporaryFolder dir;
    const std::string counts = dir.write("counts.csv", "block,count,dog_id\nA,1,a1\n");
    const std::string blocks = dir.write("blocks.csv", "block,ward\nA,North\n");
    const std::string more = dir.write("more-blocks.csv", "block,ward\nB,South\n");
    const std::string neither = dir.write("neither.csv", "x,y\n1,2\n");
    const std::string survey = dir.write("survey.csv", "block,c100,c111,c101,c110\nA,1,2,3,4\n");
    const std::vector<std::vector<std::string>> cases = {
        {neither}, {survey, counts}, {blocks, counts, more}, {counts, dir.file("missing.csv")}};
    for (const auto& paths : cases) {
        const auto how = kestrivo::field::how_to_open(paths);
        ASSERT_EQ(how.way, kestrivo::field::SurveyOpening::Way::refused) << paths.front();
        try {
            open_survey_source(paths);
            ADD_FAILURE() << paths.front() << " opened";
        } catch (const kestrivo::platform::RuntimeError& e) {
            EXPECT_EQ(std::string(e.what()), how.reason);
        }
    }
}

TEST(window_words_test, the_plans_warning_reads_as_the_plan_says_it) {
    MadePlan made;
    made.request.level = 0.95;
    kestrivo::analysis::PlanRow row;
    row.k = 12;
    row.surveys = 200;
    row.coverage = 0.62;
    row.median_ratio = 0.87;
    row.median_ratio_error = 0.01;
    made.plan.recommended = 12;
    for (const double seen_again : {30.0, 400.0}) {
        row.median_seen_again = seen_again;
        made.plan.rows = {row};
        std::string expected = kestrivo::analysis::untrustworthy(row, made.request.level);
        ASSERT_FALSE(expected.empty());
        expected[0] = char(std::toupper(static_cast<unsigned char>(expected[0])));
        EXPECT_EQ(untrustworthy_words(made, QLocale::c()).toStdString(), expected + ".");
    }
    row.coverage = 0.95;
    row.median_ratio = 1;
    made.plan.rows = {row};
    EXPECT_TRUE(untrustworthy_words(made, QLocale::c()).isEmpty());
}

}  // namespace
