// Form1: builds the window from its layout table, sets the help text, and runs the two commands
// so that a run-time error ends the command, not the program.
#include "window/form1.h"
#include "library/library_digest.h"
#include "window/survey_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdio>
#include <new>

#include "platform/library_binding.h"
#include "platform/quoted.h"
#include "platform/runtime_error.h"
#include "plot/window_font.h"
#include "window/caption_fit.h"
#include "window/help_text.h"
#include "window/picture_box.h"
#include "window/report_strip.h"

namespace kestrivo::window {

namespace {

// The layout is measured in twips (1440 an inch); at 96 logical dots an inch that is 15 a pixel.
constexpr int kTwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QLabel* label(QWidget* parent, const QString& text, QRect where, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(where);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) l->setFont(plot::window_font(8.25, true));
    return l;
}

// The labels that are names and numbers (count histories, P and S) are the same in every language.
QLabel* label(QWidget* parent, const char* text, QRect where, bool bold = false) {
    return label(parent, QString::fromUtf8(text), where, bold);
}

QLineEdit* text_box(QWidget* parent, const char* text, QRect where) {
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    box->setGeometry(where);
    return box;
}

// The whole layout reaches 14535 x 9135 twips; the window opens that large plus a margin.
constexpr int kLayoutWidth = 14535, kLayoutHeight = 9135, kMarginPixels = 16;

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    locale_.decimal_point = QLocale().decimalPoint().toStdString();
    locale_.group_separator = QLocale().groupSeparator().toStdString();
    // Shown in a message box, and written to standard error for a user who started the program
    // from a terminal and for scripts that drive it, in the window's language (a script sets
    // LANG=C, or Help > Language English, for English).
    report_ = [this](const platform::RuntimeError& error) {
        const QString shown = error_words(error);
        std::fprintf(stderr, "Kestrivo: %s\n", shown.toUtf8().constData());
        QMessageBox::critical(this, QStringLiteral("Kestrivo"), shown);
    };
    library_ = std::make_unique<platform::LibraryBinding>(
        platform::kestrivo_library_paths(QCoreApplication::applicationDirPath().toStdString()),
        kestrivo_library_sha256());

    setWindowTitle(QStringLiteral("Form1"));
    setFont(plot::window_font(8.25, false));
    client = new QWidget(this);
    create_controls();
    name_controls();
    set_tab_order();
    create_menus();
    install_default_dialogs();

    // The menu bar sits above the window's own area; the controls keep their places in it, and
    // the window is taller by the menu bar.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    resize(kLayoutWidth / kTwipsPerPixel + kMarginPixels,
           kLayoutHeight / kTwipsPerPixel + kMarginPixels + menuBar->sizeHint().height());
    Form_Load();
}

Form1::~Form1() {
    // The survey windows run reports on the library's entries: they go, and their workers with
    // them, before the library is unbound.
    for (SurveyWindow* window : survey_windows())
        delete window;
}

std::vector<SurveyWindow*> Form1::survey_windows() const {
    std::vector<SurveyWindow*> open;
    for (const QPointer<SurveyWindow>& window : survey_windows_)
        if (window) open.push_back(window.data());
    return open;
}

void Form1::create_controls() {
    Label2 = label(client, tr("capture history"), twips(120, 600, 1335, 255), true);
    Label6 = label(client, tr("frequency"), twips(1800, 600, 855, 255), true);
    Label7 = label(client, tr("parameters"), twips(3360, 600, 975, 255), true);
    Label1[0] = label(client, "1,0,0", twips(480, 990, 735, 255));
    Label1[1] = label(client, "1,1,1", twips(480, 1335, 735, 255));
    Label1[2] = label(client, "1,0,1", twips(480, 1695, 735, 255));
    Label1[3] = label(client, "1,1,0", twips(480, 2040, 735, 255));
    txtHist[1] = text_box(client, "29", twips(1920, 960, 495, 285));
    txtHist[2] = text_box(client, "36", twips(1920, 1320, 495, 285));
    txtHist[3] = text_box(client, "54", twips(1920, 1650, 495, 285));
    txtHist[4] = text_box(client, "48", twips(1920, 2040, 495, 285));
    Label4 = label(client, "P", twips(3360, 1230, 255, 255), true);
    txtP = text_box(client, "0.5", twips(3720, 1200, 735, 285));
    Label11 = label(client, "", twips(4560, 1200, 2295, 255));
    Label5 = label(client, "S", twips(3360, 1710, 255, 255), true);
    txtS = text_box(client, "0.5", twips(3720, 1680, 735, 285));

    // Only the box shows: Label8 beside it says what it means.
    chkS = new QCheckBox(QStringLiteral("Check1"), client);
    chkS->setGeometry(twips(4560, 1680, 255, 255));
    chkS->setChecked(true);
    Label8 = label(client, tr("include as free parameter"), twips(4920, 1680, 1935, 255));

    Label9 = label(client, "Label9", twips(3360, 2160, 3495, 255));
    Label9->hide();

    Command1 = new QPushButton(tr("estimate"), client);
    Command1->setGeometry(twips(240, 2880, 1095, 255));
    optP = new QRadioButton(tr("error on P"), client);
    optP->setGeometry(twips(1800, 2880, 1215, 375));
    optP->setChecked(true);
    optS = new QRadioButton(tr("error on S"), client);
    optS->setGeometry(twips(3360, 2880, 1215, 375));
    txtHist[0] = text_box(client, "30", twips(4800, 2925, 375, 285));
    Label3 = label(client, tr("% plotting range"), twips(5400, 2940, 1215, 255));

    picLL = new window::PictureBox(client);
    picLL->setGeometry(twips(240, 3360, 14295, 5775));

    lblReport = label(client, "", twips(6720, 2670, 7815, 690));
    lblReport->setWordWrap(true);
    // Selectable with the mouse only: keyboard selection would make it a stop in the tab order.
    lblReport->setTextInteractionFlags(Qt::TextSelectableByMouse);
    clear_report();

    Command2 = new QPushButton(tr("simulate"), client);
    Command2->setGeometry(twips(1680, 120, 1095, 255));

    Label10 = label(client, "Label10", twips(7080, 120, 7455, 3135));
    Label10->setFont(plot::window_font(9.75, true));
    Label10->setWordWrap(true);
    QPalette blue = Label10->palette();
    blue.setColor(QPalette::WindowText, plot::to_qcolor(0xC00000));
    Label10->setPalette(blue);

    for (QLabel* caption : {Label2, Label6, Label7, Label8, Label3})
        fit_line(*caption, caption->font());

    connect(Command1, &QPushButton::clicked, this, [this] { run_command(&Form1::Command1_Click); });
    connect(Command2, &QPushButton::clicked, this, [this] { run_command(&Form1::Command2_Click); });
}

// What each control holds, in words a screen reader speaks; the labels beside the boxes are
// separate widgets, so the boxes would otherwise be announced without a name.
void Form1::name_controls() {
    const char* histories[] = {"", "1,0,0", "1,1,1", "1,0,1", "1,1,0"};
    for (int h = 1; h <= 4; ++h) {
        txtHist[std::size_t(h)]->setAccessibleName(tr("count of history ") +
                                                   QString::fromLatin1(histories[h]));
    }
    txtHist[0]->setAccessibleName(tr("plotting range in percent"));
    txtP->setAccessibleName(tr("start value of P, then its estimate"));
    txtS->setAccessibleName(tr("start value of S, then its estimate"));
    chkS->setAccessibleName(tr("include S as free parameter"));
    optP->setAccessibleName(tr("profile and limits of P"));
    optS->setAccessibleName(tr("profile and limits of S"));
    picLL->setAccessibleName(tr("profile log likelihood plot"));
    picLL->setAccessibleDescription(tr("No plot yet."));
}

// Focus visits the controls in the layout's tab order; the two option buttons are one stop.
void Form1::set_tab_order() {
    QWidget* const order[] = {txtHist[0], txtHist[2], txtHist[3], Command1, txtHist[4],
                              picLL,      txtP,       txtS,       chkS,     txtHist[1],
                              optP,       optS,       Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::Form_Load() {
    Label10->setText(tr(kHelpText));
    // The help's place reaches down beside the report strip; its text stays above the strip.
    fit_lines(*Label10, plot::window_font(9.75, true), lblReport->y() - Label10->y());
}

// The kinds' titles as the platform names them, for lupdate: the window looks each up by its
// English.
[[maybe_unused]] constexpr const char* kKindTitles[] = {
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Type mismatch"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Invalid input"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Overflow"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Floating-point error"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Subscript out of range"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "File error"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Library not found"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Library damaged"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Library unusable"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "No estimate"),
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Run-time error"),
};

// The kind's title in the window's language, then the detail, which the window's own refusals
// already word in it.
QString Form1::error_words(const platform::RuntimeError& error) {
    return tr("%1: %2").arg(tr(platform::kind_title(error.kind())),
                            QString::fromStdString(error.what()));
}

void Form1::run_command(void (Form1::*command)()) {
    try {
        (this->*command)();
    } catch (const platform::RuntimeError& error) {
        report_(error);
    } catch (const std::bad_alloc&) {
        // An exception must not leave a Qt slot; a command that runs out of memory (a hostile
        // file opened from the menu, say) is said, and the window goes on.
        report_(platform::RuntimeError(
            platform::ErrorKind::FileError,
            tr("there is not enough memory for this; nothing changed.").toStdString()));
    }
}

namespace {

// A box's text read by `convert`; a text it refuses is said with the box's name, in the window's
// language.
template <class Convert>
auto read_box(const QLineEdit* box, const char* box_name, Convert convert) {
    try {
        return convert(box->text().toStdString());
    } catch (const platform::NumberRefused& refused) {
        throw platform::RuntimeError(refused.kind(),
                                     Form1::refusal_words(box_name, refused).toStdString());
    }
}

QString quoted_text(const QLineEdit* box) {
    return QString::fromStdString(platform::quoted(box->text().toStdString()));
}

}  // namespace

// A box named by the label beside it ("% plotting range") takes the label's translation; one named
// by its symbol (S, P, 1,0,0) has none and stays as it is.
QString Form1::box_words(const char* box_name) {
    return tr(box_name);
}

QString Form1::refusal_words(const char* box_name, const platform::NumberRefused& refused) {
    using Why = platform::NumberRefused::Why;
    const QString box = box_words(box_name);
    const QString typed = QString::fromStdString(platform::quoted(refused.text));
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    switch (refused.why) {
        case Why::not_a_number:
            return tr("in the %1 box, %2 is not a number.").arg(box, typed);
        case Why::too_large:
            return tr("in the %1 box, %2 is too large.").arg(box, typed);
        case Why::ambiguous:
            return tr("in the %1 box, %2 is ambiguous: it could be read as %3 or as %4; type %3 or "
                      "%4, without \".\".")
                .arg(box, typed, text(refused.plain), text(refused.decimal));
        case Why::grouped:
            break;
    }
    return tr("in the %1 box, %2 groups its digits with \"%3\"; type it without them: %4.")
        .arg(box, typed, text(refused.separator), text(refused.plain));
}

double Form1::number_in(const QLineEdit* box, const char* box_name) const {
    return read_box(box, box_name, [this](const std::string& text) {
        return platform::text_to_double(text, locale_);
    });
}

double Form1::share_in(const QLineEdit* box, const char* box_name) const {
    const double value = number_in(box, box_name);
    if (!(value >= 0 && value <= 1)) {
        throw platform::RuntimeError(
            platform::ErrorKind::InvalidInput,
            tr("in the %1 box, %2 is not a share: it must lie from 0 to 1.")
                .arg(box_words(box_name), quoted_text(box))
                .toStdString());
    }
    return value;
}

// Counts are numbers of dogs: a fraction rounds (a half to even), a negative number is refused.
int32_t Form1::count_in(const QLineEdit* box, const char* box_name) const {
    const int32_t count = read_box(box, box_name, [this](const std::string& text) {
        return platform::text_to_int32(text, locale_);
    });
    if (count < 0) {
        throw platform::RuntimeError(
            platform::ErrorKind::InvalidInput,
            tr("in the %1 box, \"%2\" is negative; a frequency is a number of dogs.")
                .arg(box_words(box_name), box->text())
                .toStdString());
    }
    return count;
}

kestrivo::analysis::Library Form1::report_library() {
    return {reinterpret_cast<kestrivo::analysis::LogLikelihoodFn>(library_->entry("RLOGLIK"))};
}

void Form1::show_report(const kestrivo::analysis::Request& request) {
    last_report_ = make_report(report_library(), request);
    const QString text =
        QString::fromStdString(report_strip_text(*last_report_, optP->isChecked(), locale_));
    lblReport->setText(text);
    fit_lines(*lblReport, plot::window_font(8.25, false), lblReport->height());
    lblReport->setAccessibleName(tr("Report: ") + text);
    picture_.description = plot_description(*last_report_, picture_, locale_);
    picLL->setAccessibleDescription(QString::fromStdString(picture_.description));
}

void Form1::clear_report() {
    last_report_.reset();
    lblReport->clear();
    lblReport->setAccessibleName(tr("Report: none yet"));
}

kestrivo_n_e04jyf_fn Form1::fit_entry() {
    if (!fit_entry_) {
        fit_entry_ = reinterpret_cast<kestrivo_n_e04jyf_fn>(library_->entry("N_E04JYF"));
    }
    return fit_entry_;
}

}  // namespace kestrivo::window
