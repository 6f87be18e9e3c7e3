// Files of counts: Open survey reads the survey companion's format (the same reader, the same
// messages) and puts one block's counts into the boxes; Save counts writes the boxes back as a
// one-row survey that Open survey reads.
#include <QCheckBox>
#include <QLineEdit>
#include <charconv>
#include <fstream>

#include "form1.h"
#include "platform/runtime_error.h"
#include "platform/whole_file.h"

namespace {

constexpr const char* kSurveyFilters = "Survey files (*.csv);;All files (*)";

[[noreturn]] void survey_error(const std::string& message) {
    throw platform::RuntimeError(platform::ErrorKind::FileError, message);
}

}  // namespace

void Form1::open_survey() {
    const QString path =
        dialogs_.open_file(QStringLiteral("Open survey"), QString::fromUtf8(kSurveyFilters));
    if (path.isEmpty()) return;
    open_survey_file(path);
}

void Form1::open_survey_file(const QString& path) {
    const std::string name = path.toStdString();
    std::ifstream in(name, std::ios::binary);
    if (!in) survey_error(name + ": " + std::strerror(errno) + ".");

    // Every row is read before anything changes, so a bad file leaves every box as it was.
    std::vector<kestrivo::survey::Row> rows;
    kestrivo::survey::Header header;
    try {
        kestrivo::survey::read_survey(
            in, name, [&](const kestrivo::survey::Header& h) { header = h; },
            [&](const kestrivo::survey::Row& row) { rows.push_back(row); });
    } catch (const kestrivo::survey::FileError& e) {
        survey_error(e.what());
    }
    if (rows.empty()) survey_error(name + ": the survey holds no block.");

    const int chosen = rows.size() == 1 ? 0 : dialogs_.choose_block(header, rows);
    if (chosen < 0 || chosen >= int(rows.size())) return;
    const kestrivo::survey::Row& row = rows[std::size_t(chosen)];
    if (!row.error.empty()) {
        throw platform::RuntimeError(platform::ErrorKind::InvalidInput, row.error + ".");
    }

    for (int h = 1; h <= 4; ++h)
        txtHist[std::size_t(h)]->setText(QString::number(row.counts[std::size_t(h - 1)]));
    chkS->setChecked(!row.s_held);
    if (row.s_held) {
        txtS->setText(QString::fromStdString(platform::general_text(*row.s_held, locale_)));
    }
}

void Form1::save_counts() {
    QString filter = QStringLiteral("Survey files (*.csv)");
    const QString path = dialogs_.save_file(QStringLiteral("Save counts"),
                                            QString::fromUtf8(kSurveyFilters), filter);
    if (path.isEmpty()) return;
    save_counts_to(path);
}

void Form1::save_counts_to(const QString& path) {
    // The boxes are read as the estimate reads them, with the same messages.
    static const char* const kCountBoxes[] = {"", "1,0,0", "1,1,1", "1,0,1", "1,1,0"};
    std::string header = "c100,c111,c101,c110", row;
    for (int h = 1; h <= 4; ++h) {
        row +=
            (h > 1 ? "," : "") + std::to_string(count_in(txtHist[std::size_t(h)], kCountBoxes[h]));
    }
    if (!chkS->isChecked()) {
        const double s = share_in(txtS, "S");
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, s).ptr;
        header += ",s_held";
        row += "," + std::string(text, end);
    }
    std::string name = path.toStdString();
    if (name.find('.', name.find_last_of('/') + 1) == std::string::npos) name += ".csv";
    platform::write_whole_file(name, header + "\r\n" + row + "\r\n");
}
