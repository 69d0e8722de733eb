#include "tubegen/form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <stdexcept>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/input_error.h"
#include "platform/message_box.h"
#include "platform/number_pattern.h"
#include "platform/objects.h"
#include "platform/picture.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "tubegen/display_form.h"
#include "tubegen/form1.h"
#include "tubegen/spectrum_error.h"
#include "tubegen/spectrum_file.h"

namespace tubegen {
namespace {

constexpr const char* kMaru = "HG丸ｺﾞｼｯｸM-PRO";
constexpr const char* kTimes = "Times New Roman";

const QColor kLightCyan(192, 255, 255);
const QColor kLightYellow(255, 255, 192);
const QColor kWhite(255, 255, 255);

// The plot in Picture3's user units: bin k is drawn around x = 1000 + 15·k, a value v at
// y = 2100 − 2000·v / SpectrumMax; the frame runs from (1000, 100) to (5500, 2100).
constexpr double kFrameLeft = 1000, kFrameTop = 100, kFrameRight = 5500, kFrameBottom = 2100;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QFont& font, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    platform::place(label, left, top);
    return label;
}

// A label of fixed width with its caption against the right edge, so the boxes after a column of captions
// line up.
QLabel* MakeRightLabel(QWidget* parent, const QString& caption, const QFont& font, int left, int top,
                       int width) {
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    platform::place(label, left, top, width, 330);
    return label;
}

platform::TextBox* MakeBox(QWidget* parent, int left, int top, int width, int height = 345) {
    auto* box = new platform::TextBox(parent);
    box->setFont(platform::design_font(kTimes, 12));
    box->setAlignment(Qt::AlignCenter);
    platform::place(box, left, top, width, height);
    return box;
}

// A light-cyan panel with a single border that groups controls; created before them, so it lies under them.
QFrame* MakePanel(QWidget* parent, int left, int top, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    platform::set_back_color(panel, kLightCyan);
    platform::place(panel, left, top, width, height);
    return panel;
}

QRadioButton* MakeOption(QWidget* frame, const QString& caption, const QFont& font, int left, int top,
                         int width) {
    auto* option = new QRadioButton(caption, frame);
    option->setFont(font);
    platform::place(option, left, top, width, 300);
    return option;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(platform::design_font(kMaru, 12));
    platform::place(button, left, top, width, height);
    return button;
}

}  // namespace

// The window's boxes and options as the spectrum computation reads and writes them.
class Form2::Boxes : public SpectrumBoxes {
  public:
    explicit Boxes(Form2& form) : f_(form) {}

    std::string Text(Box box) const override { return Control(box)->text().toStdString(); }
    void SetText(Box box, const std::string& text) override { Control(box)->setText(Utf8(text)); }
    int RectType() const override { return f_.m_.RectType; }
    bool MatchFlag() const override { return f_.m_.MatchFlag == 1; }
    HvlMaterial MeasuredHvlMaterial() const override {
        return f_.Option14->isChecked() ? HvlMaterial::Copper : HvlMaterial::Aluminium;
    }
    void ProcessPendingEvents() override { platform::process_pending_events(); }

  private:
    platform::TextBox* Control(Box box) const {
        switch (box) {
            case Box::Text1:
                return f_.Text1;
            case Box::Text2:
                return f_.Text2;
            case Box::Text3:
                return f_.Text3;
            case Box::Text4:
                return f_.Text4;
            case Box::Text5:
                return f_.Text5;
            case Box::Text8:
                return f_.Text8;
            case Box::Text9:
                return f_.Text9;
            case Box::Text13:
                return f_.Text13;
        }
        throw std::logic_error("unknown box");
    }

    Form2& f_;
};

Form2::Form2(Module1& module) : m_(module), boxes_(std::make_unique<Boxes>(*this)) {
    BuildControls();
    ConnectHandlers();
    platform::center_on_screen(this);
    Form_Load();
    Text1->setFocus();  // the first condition to enter, rather than the read-out box first in tab order
}

Form2::~Form2() = default;

void Form2::BuildControls() {
    platform::make_fixed_window(this, QStringLiteral(" X-ray spectrum by Tucker's formula "), 14505, 10020);
    platform::set_back_color(this, platform::button_face_color());
    const QFont maru = platform::design_font(kMaru, 12);
    const QFont times = platform::design_font(kTimes, 12);

    // The plot, with the read-out of the cursor on its bottom strip.
    Picture3 = new platform::Picture(this);
    platform::place(Picture3, 240, 240, 10935, 6375);
    Picture3->set_back_color(kWhite);
    Picture3->setFont(platform::design_font(kTimes, 15.75));
    Picture3->set_scale(0, 0, 6000, 2500);
    Line6 = new platform::LineObject(Picture3);
    Line6->set_points(kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom);
    Line6->hide();
    Line7 = new platform::LineObject(Picture3);
    Line7->set_points(kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom);
    Line7->hide();
    Label24 = MakeRightLabel(this, QStringLiteral("光子エネルギー"), maru, 480, 6225, 1740);
    Text6 = MakeBox(this, 2280, 6240, 855, 315);
    platform::set_back_color(Text6, kLightYellow);
    Label23 = MakeLabel(this, QStringLiteral("keV"), times, 3195, 6270);
    Label25 = MakeRightLabel(this, QStringLiteral("相対光子数"), maru, 3780, 6225, 1800);
    Text7 = MakeBox(this, 5640, 6240, 1095, 315);
    platform::set_back_color(Text7, kLightYellow);

    // Exposure conditions.
    MakePanel(this, 240, 6840, 10695, 2775);
    MakeLabel(this, QStringLiteral("照 射 条 件"), maru, 480, 6960);
    Frame2 = new QGroupBox(QStringLiteral("整流方式"), this);
    Frame2->setFont(maru);
    platform::place(Frame2, 480, 7320, 2055, 1935);
    Option7 = MakeOption(Frame2, QStringLiteral("定電圧"), maru, 240, 420, 1740);
    Option8 = MakeOption(Frame2, QStringLiteral("三相12ピーク"), maru, 240, 900, 1740);
    Option9 = MakeOption(Frame2, QStringLiteral("単相全波"), maru, 240, 1380, 1740);

    struct Row {
        const char* caption;
        platform::TextBox** box;
        const char* unit;
    };
    const Row rows[] = {
        {"Ｘ線管電圧", &Text1, "kV"},
        {"ターゲット角度", &Text5, "degree"},
        {"固有ろ過（AL当量）", &Text2, "mmAL eq."},
        {"アルミ付加フィルタ", &Text3, "mm"},
        {"銅付加フィルタ", &Text4, "mm"},
    };
    int top = 7080;
    for (const Row& row : rows) {
        MakeRightLabel(this, QString::fromUtf8(row.caption), maru, 2760, top, 2400);
        *row.box = MakeBox(this, 5280, top - 8, 855);
        MakeLabel(this, QString::fromUtf8(row.unit), times, 6240, top + 30);
        top += 480;
    }

    MakeLabel(this, QStringLiteral("任意材質フィルタ"), maru, 8280, 7080);
    MakeLabel(this, QStringLiteral("（最大３種類）"), maru, 8280, 7380);
    Picture1 = new platform::Picture(this);
    platform::place(Picture1, 8280, 7680, 2415, 1215);
    Picture1->set_back_color(kWhite);
    Picture1->setFont(platform::design_font(kTimes, 11.25));
    // User units of 16.5 twips across and 16.875 twips down over the client area (the border takes 2
    // pixels, 30 twips, on each side).
    Picture1->set_scale(0, 0, (2415 - 60) / 16.5, (1215 - 60) / 16.875);
    Command4 = MakeButton(this, QStringLiteral("設定"), 8280, 8970, 1095, 495);
    Command5 = MakeButton(this, QStringLiteral("解除"), 9600, 8970, 1095, 495);

    // Half-value layers of the last spectrum.
    MakePanel(this, 11400, 240, 2895, 1695);
    MakeLabel(this, QStringLiteral("スペクトルから"), maru, 11640, 330);
    MakeLabel(this, QStringLiteral("計算した半価層"), maru, 11640, 630);
    Text9 = MakeBox(this, 11640, 1005, 1095);
    MakeLabel(this, QStringLiteral("mm AL"), times, 12840, 1035);
    Text8 = MakeBox(this, 11640, 1455, 1095);
    platform::set_fore_color(Text8, platform::rgb(255, 0, 0));
    MakeLabel(this, QStringLiteral("mm Cu"), times, 12840, 1485);

    // Matching a measured half-value layer.
    MakePanel(this, 11400, 1920, 2895, 2415);
    Check2 = new QCheckBox(QStringLiteral("実測HVLに合致させる"), this);
    Check2->setFont(maru);
    platform::place(Check2, 11520, 2040, 2745, 330);
    MakeLabel(this, QStringLiteral("実測半価層"), maru, 11640, 2520);
    Frame4 = new QGroupBox(this);
    platform::place(Frame4, 11640, 2820, 2415, 615);
    Option13 = MakeOption(Frame4, QStringLiteral("アルミ"), maru, 120, 165, 1140);
    Option14 = MakeOption(Frame4, QStringLiteral("銅"), maru, 1440, 165, 840);
    MakeLabel(this, QStringLiteral("HVL ="), times, 11640, 3720);
    Text13 = MakeBox(this, 12360, 3675, 975);
    MakeLabel(this, QStringLiteral("mm"), times, 13440, 3720);

    // The colour of the next curve, each caption in its colour.
    MakePanel(this, 11400, 4320, 2895, 2535);
    Frame1 = new QGroupBox(QStringLiteral("Draw Color"), this);
    Frame1->setFont(platform::design_font("Century", 12));
    platform::place(Frame1, 11640, 4440, 2415, 2295);
    struct Colour {
        QRadioButton** option;
        const char* caption;
        int palette;
    };
    const Colour colours[] = {{&Option1, "RED", 12},  {&Option4, "MAGENTA", 13}, {&Option3, "GREEN", 10},
                              {&Option5, "CYAN", 11}, {&Option2, "BLUE", 9},     {&Option6, "BLACK", 0}};
    top = 360;
    for (const Colour& c : colours) {
        *c.option = MakeOption(Frame1, QString::fromLatin1(c.caption), times, 360, top, 1800);
        platform::set_fore_color(*c.option, platform::palette_color(c.palette));
        top += 315;
    }

    // The buttons.
    MakePanel(this, 11040, 6840, 3255, 2775);
    Command1 = MakeButton(this, QStringLiteral("スペクトル計算・表示"), 11400, 7080, 2655, 615);
    Command3 = MakeButton(this, QStringLiteral("グラフ消去"), 11400, 7920, 2655, 615);
    Command7 = MakeButton(this, QStringLiteral("決 定"), 11400, 8760, 2655, 615);
    for (QPushButton* b : {Command1, Command3, Command7}) platform::set_button_color(b, kLightYellow);

    Frame3 = new QGroupBox(QStringLiteral("表示形式"), this);
    Frame3->setFont(maru);
    platform::place(Frame3, 360, 10200, 4815, 735);
    Option10 = MakeOption(Frame3, QStringLiteral("光子数"), maru, 240, 330, 1335);
    Option11 = MakeOption(Frame3, QStringLiteral("照射線量"), maru, 1680, 330, 1455);
    Option12 = MakeOption(Frame3, QStringLiteral("エネルギー"), maru, 3240, 330, 1455);
    Option10->setToolTip(QStringLiteral("光子束スペクトル"));
    Option11->setToolTip(QStringLiteral("照射線量スペクトル"));
    Option12->setToolTip(QStringLiteral("エネルギー束スペクトル"));
    Check1 = new QCheckBox(QStringLiteral("基準スペクトル"), this);
    Check1->setFont(maru);
    platform::place(Check1, 11640, 10440, 2175, 330);

    Option1->setChecked(true);
}

void Form2::ConnectHandlers() {
    auto on_select = [this](QRadioButton* option, void (Form2::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
    };
    on_select(Option7, &Form2::Option7_Click);
    on_select(Option8, &Form2::Option8_Click);
    on_select(Option9, &Form2::Option9_Click);
    on_select(Option10, &Form2::Option10_Click);
    on_select(Option11, &Form2::Option11_Click);
    on_select(Option12, &Form2::Option12_Click);
    // Also when the program unticks it ("グラフ消去"), as the handler then resets the matching.
    connect(Check2, &QCheckBox::toggled, this, &Form2::Check2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    connect(Picture3, &platform::Picture::mouse_moved, this, &Form2::Picture3_MouseMove);
    auto* preview = new platform::KeyPreview(this);
    connect(preview, &platform::KeyPreview::key_down, this, &Form2::Form_KeyDown);
}

void Form2::Form_Load() {
    m_.DisplayMode = 1;
    m_.table = LoadAttenuationTable(kAttenuationFileName);
    DrawAxes();
    m_.CursorOn = 0;
    Text1->setText(QStringLiteral("100"));
    Text2->setText(QStringLiteral("2.5"));
    Text3->setText(QStringLiteral("0"));
    Text4->setText(QStringLiteral("0"));
    Text5->setText(QStringLiteral("12"));
    Text13->clear();
    Command7->setEnabled(false);
    Option7->setChecked(true);
    m_.RectType = 1;
    m_.filters.FilterCount = 0;
    Check1->setChecked(false);
    Check2->setChecked(false);
    Check2->setEnabled(false);
    m_.MatchFlag = 0;
    m_.ReferenceState = 0;
    Option10->setChecked(true);
    Option13->setChecked(true);
}

void Form2::DrawAxes() {
    platform::Picture& p = *Picture3;
    const QColor grey = platform::palette_color(8);
    p.set_draw_width(1);
    for (int x = 1300; x <= 5200; x += 300) p.line(x, kFrameTop, x, kFrameBottom, grey);
    for (int y = 300; y <= 1900; y += 200) p.line(kFrameLeft, y, kFrameRight, y, grey);
    p.print_text(1000, 2120, QStringLiteral("0"));
    p.print_text(2450, 2120, QStringLiteral("50"));
    p.print_text(3900, 2120, QStringLiteral("100"));
    p.print_text(5400, 2120, QStringLiteral("150"));
    p.print_text(3750, 2250, QStringLiteral("Photon energy in keV"));
    p.print_text(200, 500, QStringLiteral("Relative"));
    SetAxisWord();
    p.set_draw_width(2);
    p.rectangle(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom, platform::palette_color(0));

    m_.filters.Reset();
    Command4->setEnabled(true);
}

// The word under "Relative" that names the display mode.
void Form2::SetAxisWord() {
    if (m_.DisplayMode == 3) {
        Picture3->print_text(230, 700, QStringLiteral("Energy"));
    } else if (m_.DisplayMode == 2) {
        Picture3->print_text(230, 700, QStringLiteral("Exposure"));
    } else {
        Picture3->print_text(230, 700, QStringLiteral("Photon"));
        Picture3->print_text(260, 900, QStringLiteral("number"));
    }
}

void Form2::Option7_Click() {
    m_.RectType = 1;
}

void Form2::Option8_Click() {
    m_.RectType = 2;
}

void Form2::Option9_Click() {
    m_.RectType = 3;
}

void Form2::Option10_Click() {
    m_.DisplayMode = 1;
    Picture3->fill_rectangle(0, 688, 980, 1100, kWhite);
    SetAxisWord();
    Label25->setText(QStringLiteral("相対光子数"));
}

void Form2::Option11_Click() {
    m_.DisplayMode = 2;
    Picture3->fill_rectangle(0, 688, 980, 1100, kWhite);
    SetAxisWord();
    Label25->setText(QStringLiteral("相対照射線量"));
}

void Form2::Option12_Click() {
    m_.DisplayMode = 3;
    Picture3->fill_rectangle(0, 688, 980, 1100, kWhite);
    SetAxisWord();
    Label25->setText(QStringLiteral("相対エネルギー"));
}

void Form2::Check2_Click() {
    if (Check2->isChecked()) {
        platform::set_back_color(Text2, kLightYellow);
        m_.MatchFlag = 1;
        Text13->setFocus();
    } else {
        platform::set_back_color(Text2, kWhite);
        m_.MatchFlag = 0;
        Text13->clear();
    }
}

bool Form2::RunComputation(SpectrumResult& result) {
    // Events run at the computation's pending-event points; none of them may start another computation,
    // clear the graph or change the filters under it.
    computing_ = true;
    QWidget* const blocked[] = {Command1, Command3, Command4, Command5, Command7};
    bool was_enabled[std::size(blocked)];
    for (std::size_t i = 0; i < std::size(blocked); ++i) {
        was_enabled[i] = blocked[i]->isEnabled();
        blocked[i]->setEnabled(false);
    }
    if (form1_) form1_->setEnabled(false);

    bool done = false;
    try {
        result = ComputeOrMatchSpectrum(*boxes_, m_.table, m_.filters, kSpectrumFileName);
        done = true;
    } catch (const SpectrumError& e) {
        platform::warning_box(this, QString::fromUtf8(e.what()));
    } catch (const std::invalid_argument&) {
        // A box holds a character that the spectrum file's code page cannot write.
        platform::warning_box(this, QStringLiteral("入力欄に Shift-JIS で書けない文字があります。"));
    } catch (const platform::OutputError& e) {
        platform::fail_and_end(this, QString::fromUtf8(e.what()));
    }

    for (std::size_t i = 0; i < std::size(blocked); ++i) blocked[i]->setEnabled(was_enabled[i]);
    if (form1_) form1_->setEnabled(true);
    computing_ = false;
    return done;
}

void Form2::Command1_Click() {
    if (computing_) return;
    if (Check1->isChecked()) {
        m_.ReferenceState = 1;
        Check1->setChecked(false);
        Check1->setEnabled(false);
    }
    m_.Spectrum.fill(0);
    SpectrumResult result;
    if (!RunComputation(result)) return;
    DrawCurve(result);

    HideCursor();
    const QColor curve = platform::palette_color(m_.ColorIndex);
    platform::set_fore_color(Text9, curve);
    platform::set_fore_color(Text8, curve);
    Command1->setFocus();
    Command7->setEnabled(true);
    m_.CursorOn = 0;
    Option10->setEnabled(false);
    Option11->setEnabled(false);
    Option12->setEnabled(false);
    Check2->setEnabled(true);
}

// The display form, the reference scale and the staircase of the curve, then the frame over it.
void Form2::DrawCurve(const SpectrumResult& result) {
    m_.N = result.N;
    const DisplayedSpectrum shown = DisplayForm(result.N, result.V, m_.DisplayMode, m_.table.MuenAir);
    m_.Spectrum = shown.values;
    m_.SpectrumMax = shown.max;
    if (m_.ReferenceState == 1) {
        m_.ReferenceMax = m_.SpectrumMax;
        m_.ReferenceState = 2;
    } else if (m_.ReferenceState == 2) {
        m_.SpectrumMax = m_.ReferenceMax;
    }
    m_.ColorIndex = CurveColorIndex();

    platform::Picture& p = *Picture3;
    const QColor color = platform::palette_color(m_.ColorIndex);
    p.set_draw_width(2);
    p.point(kFrameLeft, kFrameBottom, platform::palette_color(0));
    for (int k = 2; k <= kBins; ++k) {
        const double y = kFrameBottom - 2000 * m_.Spectrum[k] / m_.SpectrumMax;
        p.line_to(1007.5 + 15 * (k - 1), y, color);
        p.line_to(1007.5 + 15 * k, y, color);
    }
    p.set_draw_width(2);
    p.rectangle(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom, platform::palette_color(0));
    Line6->set_color(color);
    Line7->set_color(color);
}

int Form2::CurveColorIndex() const {
    if (Option1->isChecked()) return 12;
    if (Option2->isChecked()) return 9;
    if (Option3->isChecked()) return 10;
    if (Option4->isChecked()) return 13;
    if (Option5->isChecked()) return 11;
    return 0;
}

void Form2::Command3_Click() {
    if (computing_) return;
    Picture3->clear();
    Picture1->clear();
    DrawAxes();
    Command7->setEnabled(false);
    m_.CursorOn = 0;
    m_.SpectrumMax = 0;
    HideCursor();
    Text8->clear();
    Text9->clear();
    Text13->clear();
    Check1->setEnabled(true);
    Check1->setChecked(false);
    Check2->setChecked(false);
    Check2->setEnabled(false);
    m_.ReferenceState = 0;
    Option10->setEnabled(true);
    Option11->setEnabled(true);
    Option12->setEnabled(true);
}

void Form2::Command4_Click() {
    if (!form1_) form1_ = std::make_unique<Form1>(m_, *this);
    form1_->Open();
}

void Form2::Command5_Click() {
    Picture1->clear();
    m_.filters.Reset();
    Command4->setEnabled(true);
}

void Form2::Command7_Click() {
    platform::end_program();
}

void Form2::closeEvent(QCloseEvent* event) {
    // The program has no other way out than "決 定"; the close box does the same.
    event->accept();
    Command7_Click();
}

void Form2::Picture3_MouseMove(double x, double y) {
    if (m_.SpectrumMax == 0) return;
    if (x <= kFrameLeft || x >= kFrameRight || y <= kFrameTop || y >= kFrameBottom) {
        HideCursor();
        m_.CursorOn = 0;
        return;
    }
    // The smallest bin b ≥ 1 with 1000 + 15·b ≥ x.
    m_.CursorBin = std::max(1, static_cast<int>(std::ceil((x - kFrameLeft) / 15)));
    ShowCursor();
}

void Form2::Form_KeyDown(int key) {
    if (m_.CursorOn != 1) return;
    if (key == Qt::Key_Right && m_.CursorBin + 1 <= kBins) {
        m_.CursorBin += 1;
        ShowCursor();
    } else if (key == Qt::Key_Left && m_.CursorBin - 1 >= 1) {
        m_.CursorBin -= 1;
        ShowCursor();
    }
}

void Form2::ShowCursor() {
    const int b = m_.CursorBin;
    const double x = kFrameLeft + 15 * b;
    const double y = kFrameBottom - 2000 * m_.Spectrum[b] / m_.SpectrumMax;
    Line6->set_points(x, kFrameTop, x, kFrameBottom);
    Line7->set_points(kFrameLeft, y, kFrameRight, y);
    Line6->show();
    Line7->show();
    Text6->setText(Utf8(platform::format_number(0.5 * b, "##0.0")));
    Text7->setText(Utf8(platform::format_number(100 * m_.Spectrum[b] / m_.SpectrumMax, "##0.000")));
    m_.CursorOn = 1;
}

void Form2::HideCursor() {
    Line6->hide();
    Line7->hide();
    Text6->clear();
    Text7->clear();
}

}  // namespace tubegen
