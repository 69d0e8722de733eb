#include "frontend/form7.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "frontend/artwork.h"
#include "frontend/source_listing.h"
#include "platform/colors.h"
#include "platform/cp932.h"
#include "platform/fonts.h"
#include "platform/input_error.h"
#include "platform/message_box.h"
#include "platform/objects.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {
namespace {

const QColor kBlue(0, 0, 255);

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left, int top) {
    auto* button = new QPushButton(caption, parent);
    platform::place(button, left, top, 1680, 570);
    return button;
}

}  // namespace

Form7::Form7() {
    platform::make_fixed_window(this, QStringLiteral(" モンテカルロシミュレーション　ソースコード"), 16365, 11235,
                                platform::BorderStyle::FixedDialog);
    setFont(platform::design_font("メイリオ", 12));

    Label3 = new QLabel(QStringLiteral("ソースコード閲覧"), this);
    Label3->setFont(platform::design_font("メイリオ", 15.75, true));
    platform::place(Label3, 240, 180);

    Shape1 = new platform::ShapeObject(this, platform::ShapeObject::Kind::RoundedRectangle);
    Shape1->set_bounds(240, 840, 3720, 3000);
    Option1 = new QRadioButton(QStringLiteral("グリッド無しのプログラム"), this);
    platform::set_fore_color(Option1, kBlue);
    platform::place(Option1, 420, 1020, 3420, 390);
    Label1 = new QLabel(QString::fromLatin1(kSourceTextWithoutGrid), this);
    platform::place(Label1, 780, 1440);
    Option2 = new QRadioButton(QStringLiteral("グリッド有りのプログラム"), this);
    platform::set_fore_color(Option2, kBlue);
    platform::place(Option2, 420, 2340, 3420, 390);
    Label2 = new QLabel(QString::fromLatin1(kSourceTextWithGrid), this);
    platform::place(Label2, 780, 2760);

    Command1 = MakeButton(this, QStringLiteral("表 示"), 240, 4140);
    Command2 = MakeButton(this, QStringLiteral("閉じる"), 2280, 4140);

    Picture1 = new platform::Picture(this);
    platform::place(Picture1, 240, 5040, 3720, 2790);
    Picture1->set_back_color(Qt::white);
    DrawPhotonTracks(*Picture1);

    List1 = new QListWidget(this);
    List1->setFont(platform::design_font("ＭＳ ゴシック", 14.25));
    // Long source lines scroll sideways rather than being cut short.
    List1->setTextElideMode(Qt::ElideNone);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    platform::place(List1, 4200, 240, 11925, 10755);

    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    platform::center_on_screen(this);
}

void Form7::Open() {
    Option1->setChecked(true);
    List1->clear();
    show();
    raise();
    activateWindow();
}

void Form7::Command1_Click() {
    List1->clear();
    const char* file = Option1->isChecked() ? kSourceTextWithoutGrid : kSourceTextWithGrid;
    std::vector<std::string> items;
    try {
        items = NumberedLines(file);
    } catch (const platform::InputError&) {
        platform::warning_box(this, QStringLiteral("ソースファイル %1 が見つかりません").arg(QString::fromLatin1(file)));
        return;
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) lines << QString::fromStdString(platform::from_cp932(item));
    List1->addItems(lines);
}

void Form7::Command2_Click() {
    hide();
}

}  // namespace frontend
