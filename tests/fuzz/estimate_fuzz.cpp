// Fuzzes the whole "estimate" (and "simulate") on an offscreen window with arbitrary texts in the
// seven boxes and every check box and option state. Each command either completes or reports
// exactly one run-time error; afterwards a valid estimate must still complete.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "window/form1.h"

using namespace kestrivo::window;

namespace {

Form1* g_form = nullptr;
int g_errors = 0;

void check(bool condition) {
    if (!condition) std::abort();
}

void set_boxes(const std::vector<QString>& texts) {
    QLineEdit* boxes[] = {g_form->txtHist[0], g_form->txtHist[1], g_form->txtHist[2],
                          g_form->txtHist[3], g_form->txtHist[4], g_form->txtS,
                          g_form->txtP};
    for (int i = 0; i < 7; ++i)
        boxes[i]->setText(texts[static_cast<std::size_t>(i)]);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static QTemporaryDir folder;  // user.txt lands here
    QDir::setCurrent(folder.path());
    g_form = new Form1;
    g_form->set_error_reporter([](const kestrivo::platform::RuntimeError&) { ++g_errors; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t state = data[0];
    // Seven texts separated by newlines.
    std::vector<QString> texts;
    std::string current;
    for (size_t i = 1; i < size && texts.size() < 7; ++i) {
        if (data[i] == '\n') {
            texts.push_back(
                QString::fromUtf8(current.data(), static_cast<qsizetype>(current.size())));
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (texts.size() < 7)
        texts.push_back(QString::fromUtf8(current.data(), static_cast<qsizetype>(current.size())));
    while (texts.size() < 7)
        texts.push_back(QString());

    set_boxes(texts);
    g_form->chkS->setChecked(state & 1);
    (state & 2 ? g_form->optP : g_form->optS)->setChecked(true);
    g_errors = 0;
    (state & 4 ? g_form->Command2 : g_form->Command1)->click();
    check(g_errors <= 1);

    // The window is still usable: the start values estimate cleanly.
    set_boxes({"30", "29", "36", "54", "48", "0.5", "0.5"});
    g_form->chkS->setChecked(true);
    g_form->optP->setChecked(true);
    g_errors = 0;
    g_form->Command1->click();
    check(g_errors == 0);
    check(g_form->Label9->text() == "maximum log likelihood = -231.917");
    return 0;
}
