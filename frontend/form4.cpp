#include "frontend/form4.h"

#include <QDir>
#include <QPushButton>

#include "frontend/phantom_schematic.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace frontend {

Form4::Form4() {
    // The picture's client area is the schematic; its border lies around it.
    const int picture_width = platform::kTwipsPerPixel * (kSchematicWidth + 4);
    const int picture_height = platform::kTwipsPerPixel * (kSchematicHeight + 4);
    platform::make_fixed_window(this, QStringLiteral("Phantom (2)"), picture_width + 240, picture_height + 810);
    Picture1 = new platform::Picture(this);
    Picture1->set_back_color(Qt::white);
    Picture1->setFont(platform::design_font("HG丸ｺﾞｼｯｸM-PRO", 10.5));
    platform::place(Picture1, 120, 120, picture_width, picture_height);
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setFont(platform::design_font("HG丸ｺﾞｼｯｸM-PRO", 11.25));
    platform::place(Command1, picture_width + 120 - 1560, picture_height + 240, 1560, 450);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    platform::center_on_screen(this);
}

void Form4::Open() {
    DrawPhantomSchematic(*Picture1, QDir::currentPath().toStdString());
    show();
    raise();
}

void Form4::Command1_Click() {
    hide();
}

}  // namespace frontend
