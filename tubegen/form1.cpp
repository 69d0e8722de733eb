#include "tubegen/form1.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/cp932.h"
#include "platform/fonts.h"
#include "platform/input_error.h"
#include "platform/message_box.h"
#include "platform/number_input.h"
#include "platform/number_text.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "tubegen/form2.h"
#include "tubegen/spectrum_error.h"

namespace tubegen {
namespace {

constexpr const char* kMaru = "HG丸ｺﾞｼｯｸM-PRO";
constexpr const char* kTimes = "Times New Roman";

std::filesystem::path FilePath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setFont(platform::design_font(kMaru, 12));
    platform::place(label, left, top);
    return label;
}

}  // namespace

Form1::Form1(Module1& module, Form2& spectrum_window) : m_(module), form2_(spectrum_window) {
    platform::make_fixed_window(this, QStringLiteral("任意フィルター設定"), 5535, 2565);
    platform::set_back_color(this, platform::button_face_color());

    Label1 = MakeLabel(this, QStringLiteral("フィルターの種類"), 360, 270);
    platform::set_fore_color(Label1, platform::rgb(0, 0, 255));
    File1 = new platform::FileList(this);
    File1->setFont(platform::design_font("ＭＳ Ｐゴシック", 11.25));
    platform::place(File1, 360, 600, 1935, 1665);
    File1->set_pattern(QStringLiteral("*.ele;*.mix"));

    Label4 = MakeLabel(this, QStringLiteral("材質"), 2520, 750);
    Label5 = new QLabel(this);
    Label5->setFont(platform::design_font(kTimes, 12));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    platform::set_back_color(Label5, platform::rgb(255, 255, 255));
    platform::place(Label5, 3120, 720, 2175, 300);

    Label2 = MakeLabel(this, QStringLiteral("厚さ"), 2520, 1245);
    Text2 = new platform::TextBox(this);
    Text2->setFont(platform::design_font(kTimes, 12));
    Text2->setAlignment(Qt::AlignCenter);
    platform::place(Text2, 3120, 1200, 1095, 315);
    Label3 = new QLabel(QStringLiteral("mm"), this);
    Label3->setFont(platform::design_font(kTimes, 12));
    platform::place(Label3, 4320, 1245);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    platform::place(Command1, 2760, 1800, 1095, 495);
    platform::place(Command2, 4080, 1800, 1095, 495);
    for (QPushButton* b : {Command1, Command2}) {
        b->setFont(platform::design_font("Century", 12));
        platform::set_button_color(b, platform::rgb(255, 255, 192));
    }

    connect(File1, &platform::FileList::clicked, this, &Form1::File1_Click);
    connect(Text2, &platform::TextBox::key_down, this, &Form1::Text2_KeyDown);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    platform::center_on_screen(this);
}

void Form1::Open() {
    Label5->clear();
    Text2->clear();
    File1->refresh();
    show();
    raise();
    activateWindow();
}

void Form1::File1_Click() {
    try {
        platform::NumberSequenceReader reader(FilePath(File1->file_name()));
        Label5->setText(QString::fromStdString(platform::from_cp932(reader.next_line("the material name"))));
    } catch (const platform::InputError& e) {
        platform::fail_and_end(this, QString::fromUtf8(e.what()));
        return;
    }
    Text2->setFocus();
}

void Form1::Text2_KeyDown(int key) {
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !Text2->text().isEmpty()) Command1->setFocus();
}

void Form1::Command1_Click() {
    if (File1->file_name().isEmpty()) {
        platform::warning_box(this, QStringLiteral("フィルター材質が未選択です。"));
        return;
    }
    if (Text2->text().isEmpty()) {
        platform::warning_box(this, QStringLiteral("フィルターの厚さを入力して下さい。"));
        return;
    }
    try {
        AddArbitraryFilter(m_.filters, FilePath(File1->file_name()),
                           platform::leading_number(Text2->text().toStdString()));
    } catch (const SpectrumError& e) {
        // A file that does not cover 1 to 150 keV, or holds no usable records: no slot is used.
        platform::warning_box(this, QString::fromUtf8(e.what()));
        return;
    } catch (const platform::InputError& e) {
        platform::fail_and_end(this, QString::fromUtf8(e.what()));
        return;
    }
    const int s = m_.filters.FilterCount;
    if (m_.filters.FilterCount >= ArbitraryFilters::kSlots) form2_.Command4->setEnabled(false);

    platform::Picture& list = *form2_.Picture1;
    list.print_text(2, 20 * s - 12, QString::fromStdString(platform::from_cp932(m_.filters.FilterName[s])));
    list.print_text(90, 20 * s - 12,
                    QString::fromStdString(platform::number_text(10 * m_.filters.FilterThickness[s]) + "mm"));
    hide();
}

void Form1::Command2_Click() {
    hide();
}

}  // namespace tubegen
