#include "frontend/form1.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <filesystem>

#include "frontend/close_icon.h"
#include "frontend/form6.h"
#include "frontend/image_scale.h"
#include "frontend/result_data.h"
#include "frontend/result_drawing.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/cp932.h"
#include "platform/fonts.h"
#include "platform/input_error.h"
#include "platform/message_box.h"
#include "platform/number_input.h"
#include "platform/number_text.h"
#include "platform/objects.h"
#include "platform/picture.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

constexpr const char* kGothic = "ＭＳ Ｐゴシック";
constexpr const char* kTimes = "Times New Roman";

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kLightYellow(255, 255, 192);
const QColor kLightCyan(192, 255, 255);

// The right part: the image area and the profile area, one above the other, in twips of the window.
constexpr int kAreaLeft = 3120;
constexpr int kAreaWidth = 18135;
constexpr int kImageTop = 480;
constexpr int kImageHeight = 6135;
constexpr int kProfileTop = 7110;
constexpr int kProfileHeight = 3855;
// The profile area's height in its own units: 0 at the bottom edge, 255 at the top one.
constexpr double kProfileScale = 255;

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QFont& font, int left, int top,
                  const QColor& color = kBlack) {
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    platform::set_fore_color(label, color);
    platform::place(label, left, top);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left, int top, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(platform::design_font(kGothic, 11.25));
    platform::place(button, left, top, width, 450);
    return button;
}

platform::TextBox* MakeBox(QWidget* parent, const QColor& back, int left, int top, int width) {
    auto* box = new platform::TextBox(parent);
    box->setFont(platform::design_font(kTimes, 12));
    box->setAlignment(Qt::AlignCenter);
    platform::set_back_color(box, back);
    platform::place(box, left, top, width, 345);
    return box;
}

platform::LineObject* MakeLine(platform::Picture* picture, double x1, double y1, double x2, double y2,
                               const QColor& color, int width) {
    auto* line = new platform::LineObject(picture);
    line->set_points(x1, y1, x2, y2);
    line->set_color(color);
    line->set_line_width(width);
    return line;
}

// The name of a listed file as the file system holds it.
std::filesystem::path ListedFile(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// A height as the read-out fields show it; one typed beyond the range of a number is shown as typed.
QString HeightText(double y, const QString& typed) {
    return std::isfinite(y) ? QString::fromStdString(platform::number_text(y)) : typed;
}

}  // namespace

Form1::Form1(Module1& module) : m_(module), form6_(std::make_unique<Form6>(module)) {
    BuildControls();
    ConnectHandlers();
    platform::center_on_screen(this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
    platform::make_fixed_window(this, QStringLiteral("Simulated image, profile and spectra"), 21390, 11145,
                                platform::BorderStyle::FixedDialog);
    const QFont gothic = platform::design_font(kGothic, 11.25);
    const QFont times = platform::design_font(kTimes, 12);

    // Left column: the file, its description, the buttons and the instructions, top to bottom.
    Label6 = MakeLabel(this, QStringLiteral("ファイルを選択"), gothic, 120, 150, kBlue);
    File1 = new platform::FileList(this);
    File1->setFont(gothic);
    File1->set_pattern(QStringLiteral("*.data"));
    platform::place(File1, 120, 450, 2880, 1995);
    Label7 = MakeLabel(this, QStringLiteral("このデータファイル"), gothic, 120, 2565, kBlue);
    Picture4 = new platform::Picture(this);
    platform::place(Picture4, 120, 2865, 2880, 3450);
    Picture4->setFont(gothic);
    Picture4->set_back_color(kLightYellow);

    Command14 = MakeButton(this, QStringLiteral("OK"), 120, 6435, 2880);
    Command4 = MakeButton(this, QStringLiteral("Profile"), 120, 6975, 2880);
    Label9 = MakeLabel(this, QStringLiteral("Y ="), times, 300, 7590);
    Text2 = MakeBox(this, kLightCyan, 840, 7545, 1200);
    Label2 = MakeLabel(this, QStringLiteral("画像上でマウスを動かし"), gothic, 120, 8010);
    Label8 = MakeLabel(this, QStringLiteral("目的位置でクリックする"), gothic, 120, 8280);
    Command5 = MakeButton(this, QStringLiteral("射出スペクトル"), 120, 8670, 2880);
    Label10 = MakeLabel(this, QStringLiteral("ファントムから射出した"), gothic, 120, 9210);
    Label11 = MakeLabel(this, QStringLiteral("一次線・散乱線スペクトル"), gothic, 120, 9480);
    Command6 = new QPushButton(this);
    Command6->setIcon(CloseButtonIcon(28));
    Command6->setIconSize(QSize(28, 28));
    Command6->setToolTip(QStringLiteral("閉じる"));
    platform::place(Command6, 120, 10365, 600, 600);
    Command1 = MakeButton(this, QStringLiteral("Reset"), 840, 10440, 2160);

    // Right part: the heading with the pixel size at its right, the images, their captions and the cursor
    // read-out, the profiles.
    Label14 = MakeLabel(this, QStringLiteral("  ファントムを透過したエネルギーフルエンスの２次元分布画像  "),
                        platform::design_font(kGothic, 12), kAreaLeft, 105);
    // Framed, the blanks of the captions their only margin.
    Label14->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label14->setIndent(0);
    Label14->adjustSize();
    Label12 = MakeLabel(this, QStringLiteral(" Pixel size = 2    2 mm "), times, 0, 105);
    Label12->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label12->setIndent(0);
    Label12->adjustSize();
    Label12->move(platform::twips_to_pixels(kAreaLeft + kAreaWidth) - Label12->width(), Label14->y());
    // The "×" stands in the gap of four blanks between the two 2s, so the label reads 2 × 2 mm.
    Label13 = new QLabel(QStringLiteral("×"), this);
    Label13->setFont(times);
    Label13->adjustSize();
    const QFontMetrics metrics(times);
    const int gap_left =
        Label12->contentsRect().left() + metrics.horizontalAdvance(QStringLiteral(" Pixel size = 2"));
    const int gap = metrics.horizontalAdvance(QStringLiteral("    "));
    Label13->move(Label12->x() + gap_left + (gap - Label13->width()) / 2,
                  Label12->y() + (Label12->height() - Label13->height()) / 2);

    BuildImageArea();

    // One caption under the middle of each image; the images are 400 pixels (6000 twips) wide.
    const int first_centre = kAreaLeft + 2 * platform::kTwipsPerPixel + 3000;
    QLabel** captions[] = {&Label3, &Label4, &Label5};
    const QString texts[] = {QStringLiteral("Primary"), QStringLiteral("Scatter"),
                             QStringLiteral("Primary + Scatter")};
    for (int k = 0; k < 3; ++k) {
        auto* caption = new QLabel(texts[k], this);
        caption->setFont(times);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        platform::place(caption, first_centre + 6000 * k - 1500, 6675, 3000, 330);
        *captions[k] = caption;
    }
    Label1 = MakeLabel(this, QStringLiteral("Y ="), times, 19740, 6705);
    Text1 = MakeBox(this, kLightYellow, 20280, 6660, 975);

    BuildProfileArea();
}

void Form1::BuildImageArea() {
    Picture1 = new platform::Picture(this);
    platform::place(Picture1, kAreaLeft, kImageTop, kAreaWidth, kImageHeight);
    Picture1->set_back_color(kBlack);
    Picture1->setCursor(Qt::CrossCursor);
    const double width = Picture1->image().width();
    // The separators between the images, and the row cursor, which is shown only in the profile mode.
    Line2 = MakeLine(Picture1, 400, 0, 400, 408, kBlack, 2);
    Line3 = MakeLine(Picture1, 800, 0, 800, 408, kBlack, 2);
    Line1 = MakeLine(Picture1, 0, 0, width, 0, kRed, 1);
    Line1->hide();
}

void Form1::BuildProfileArea() {
    Picture2 = new platform::Picture(this);
    platform::place(Picture2, kAreaLeft, kProfileTop, kAreaWidth, kProfileHeight);
    Picture2->set_back_color(kLightYellow);
    Picture2->set_fore_color(kRed);
    Picture2->set_draw_width(2);
    // x in pixels, as in the image area above it, so a profile point lies under its image pixel.
    const double width = Picture2->image().width();
    Picture2->set_scale(0, kProfileScale, width, -kProfileScale);
    // The fixed grid: a grey line every 20 pixels, black ones between the images, and tenths of the height.
    for (int x = 20; x <= 1180; x += 20) {
        if (x == kImageStride || x == 2 * kImageStride)
            MakeLine(Picture2, x, 0, x, kProfileScale, kBlack, 2);
        else
            MakeLine(Picture2, x, 0, x, kProfileScale, kGrey, 1);
    }
    for (int n = 1; n <= 9; ++n)
        MakeLine(Picture2, 0, n * kProfileScale / 10, width, n * kProfileScale / 10, kGrey, 1);
}

void Form1::ConnectHandlers() {
    connect(File1, &platform::FileList::clicked, this, &Form1::File1_Click);
    // A click on the file that is still selected after "Reset" or reopening reads it again; the selection
    // does not change, so only the click tells.
    connect(File1, &QListWidget::itemClicked, this, [this] {
        if (File1->file_name() != described_) File1_Click();
    });
    connect(Command14, &QPushButton::clicked, this, &Form1::Command14_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Picture1, &platform::Picture::mouse_moved, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &platform::Picture::clicked, this, &Form1::Picture1_Click);
    connect(Text1, &platform::TextBox::key_down, this, &Form1::Text1_KeyDown);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
}

void Form1::Form_Load() {
    ProfileMode = 0;
    Command14->setEnabled(false);
    Command4->setEnabled(false);
    Command5->setEnabled(false);
}

void Form1::Open() {
    Text1->clear();
    Text2->clear();
    File1->refresh();
    Picture1->clear();
    Picture2->clear();
    Picture4->clear();
    described_.clear();
    Line1->hide();
    Command4->setEnabled(false);
    Command14->setEnabled(false);
    Command5->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void Form1::ShowReadError(const platform::InputError& error) {
    const QString file = QString::fromStdString(error.file());
    const QString detail = QString::fromUtf8(error.what());
    if (error.line() > 0)
        platform::warning_box(this, QStringLiteral("結果ファイル %1 の %2 行目を読み込めません\n%3")
                                        .arg(file)
                                        .arg(error.line())
                                        .arg(detail));
    else
        platform::warning_box(this, QStringLiteral("結果ファイル %1 を開けません\n%2").arg(file, detail));
}

void Form1::File1_Click() {
    const QString name = File1->file_name();
    if (name.isEmpty()) return;
    described_ = name;
    Picture4->clear();
    std::vector<std::string> lines;
    try {
        lines = ReadDescription(ListedFile(name));
    } catch (const platform::InputError& e) {
        // Not a result file: nothing to load.
        Command14->setEnabled(false);
        ShowReadError(e);
        return;
    }
    for (const std::string& line : lines)
        Picture4->print_line(QString::fromStdString(platform::from_cp932(line)));
    Command14->setEnabled(true);
}

void Form1::Command14_Click() {
    const QString name = File1->file_name();
    if (name.isEmpty()) {
        platform::warning_box(this, QStringLiteral("ファイルを選択して下さい"));
        return;
    }
    // Read whole before anything changes: a file that cannot be read leaves the data and the pictures of
    // the last load as they were.
    std::unique_ptr<ResultTallies> tallies;
    try {
        tallies = ReadResultFile(ListedFile(name));
    } catch (const platform::InputError& e) {
        ShowReadError(e);
        return;
    }

    Picture2->clear();
    Text1->clear();
    Text2->clear();
    Command4->setEnabled(true);
    Command5->setEnabled(true);
    Line1->hide();
    ProfileMode = 0;

    m_.ImageData = tallies->image;
    m_.SpectrumData = tallies->spectrum;
    ComputeSpectrumPlots(m_.SpectrumData, m_.IncidentPlot, m_.ExitPlot);
    ScaleImages(m_.ImageData);

    // Let the window repaint between the images, as drawing them takes a moment.
    platform::process_pending_events();
    Picture1->clear();
    DrawImage(1);
    platform::process_pending_events();
    DrawImage(2);
    platform::process_pending_events();
    DrawImage(3);
}

void Form1::DrawImage(int k) {
    frontend::DrawImage(*Picture1, m_.ImageData, k);
}

void Form1::DrawProfiles(int r) {
    frontend::DrawProfiles(*Picture2, m_.ImageData, r);
}

void Form1::MoveRowCursor(double y) {
    Line1->set_points(Line1->x1(), y, Line1->x2(), y);
}

void Form1::Command4_Click() {
    ProfileMode = 1;
    MoveRowCursor(200);
    Line1->show();
    Picture2->clear();
    DrawProfiles(100);
    Text1->setText(QStringLiteral("200"));
    Text2->setText(QStringLiteral("200"));
}

void Form1::Picture1_MouseMove(double, double y) {
    // The border around the picture is not part of its area.
    if (ProfileMode != 1 || y < 0) return;
    MoveRowCursor(y);
    Text1->setText(QString::fromStdString(platform::number_text(y)));
}

void Form1::Picture1_Click() {
    if (ProfileMode != 1) return;
    const double y = Line1->y1();
    if (!ClickSelectsRow(y)) return;
    Picture2->clear();
    DrawProfiles(ProfileRow(y));
    Text2->setText(QString::fromStdString(platform::number_text(y)));
}

void Form1::Text1_KeyDown(int key) {
    if (ProfileMode != 1 || (key != Qt::Key_Return && key != Qt::Key_Enter)) return;
    const double y = platform::leading_number(Text1->text().toStdString());
    Text2->setText(HeightText(y, Text1->text()));
    if (!TypedSelectsRow(y)) return;
    MoveRowCursor(y);
    Picture2->clear();
    DrawProfiles(ProfileRow(y));
}

void Form1::Command5_Click() {
    form6_->DrawPlots();
    form6_->show();
    form6_->raise();
}

void Form1::Command1_Click() {
    Picture1->clear();
    Line1->hide();
    Picture2->clear();
    Picture4->clear();
    described_.clear();
    Command14->setEnabled(false);
    Command4->setEnabled(false);
    Command5->setEnabled(false);
    Text1->clear();
    Text2->clear();
    ProfileMode = 0;
    form6_->hide();
}

void Form1::Command6_Click() {
    form6_->hide();
    hide();
}

void Form1::closeEvent(QCloseEvent* event) {
    // The close box does what the close button does.
    event->accept();
    form6_->hide();
}

}  // namespace frontend
