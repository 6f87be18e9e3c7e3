// "simulate": fills the four count boxes with the frequencies the model expects per 100 dogs seen
// on the first count, for the S and P in the window.
#include <QLineEdit>
#include <cmath>

#include "platform/float_checks.h"
#include "window/form1.h"

namespace kestrivo::window {

using platform::checked;

void Form1::Command2_Click() {
    // Outside 0..1 the model's frequencies are no frequencies at all (some come out negative).
    const double P = share_in(txtP, "P");
    const double S = share_in(txtS, "S");
    // The share of territorial dogs among those seen on count 1: they are always seen, the
    // others with probability P.
    const double f = checked(
        "the share of territorial dogs among the dogs seen first",
        +[](double S, double P) { return S / (S + P * (1 - S)); }, S, P);

    const auto show = [&](int box, double frequency) {
        txtHist[box]->setText(QString::fromStdString(platform::general_text(frequency, locale_)));
        txtHist[box]->setCursorPosition(0);  // a long number shows from its first digit
    };
    show(1, checked(
                "the expected frequency of 1,0,0",
                +[](double P, double f) { return std::pow(1 - P, 2.0) * ((1 - f) * 100); }, P, f));
    show(2, checked(
                "the expected frequency of 1,1,1",
                +[](double P, double f) { return (f + std::pow(P, 2.0) * (1 - f)) * 100; }, P, f));
    const auto seen_once = +[](double P, double f) { return (1 - f) * 100 * P * (1 - P); };
    show(3, checked("the expected frequency of 1,0,1", seen_once, P, f));
    show(4, checked("the expected frequency of 1,1,0", seen_once, P, f));
}

}  // namespace kestrivo::window
