#include "platform/colors.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>
#include <array>
#include <stdexcept>
#include <string>

namespace platform {

QColor rgb(int red, int green, int blue) {
    return QColor(red, green, blue);
}

QColor palette_color(int index) {
    static const std::array<QRgb, 16> kPalette = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    if (index < 0 || index >= static_cast<int>(kPalette.size()))
        throw std::out_of_range("palette colour " + std::to_string(index) + " is not 0 to 15");
    return QColor(kPalette[static_cast<std::size_t>(index)]);
}

void set_back_color(QWidget* control, const QColor& color) {
    // Only the role this kind of control paints its background with: a palette passes on to the controls
    // inside, and a form's colour must not become the background of its text boxes.
    QPalette p = control->palette();
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractScrollArea*>(control)) {
        p.setColor(QPalette::Base, color);
    } else if (qobject_cast<QAbstractButton*>(control)) {
        p.setColor(QPalette::Button, color);
    } else {
        p.setColor(QPalette::Window, color);
        control->setAutoFillBackground(true);
    }
    control->setPalette(p);
}

void set_fore_color(QWidget* control, const QColor& color) {
    // A disabled control keeps the system's grey text, so it still looks disabled.
    QPalette p = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, color);
        p.setColor(group, QPalette::Text, color);
        p.setColor(group, QPalette::ButtonText, color);
    }
    control->setPalette(p);
}

QColor button_face_color() {
    return QApplication::palette().color(QPalette::Button);
}

QColor button_text_color() {
    return QApplication::palette().color(QPalette::ButtonText);
}

}  // namespace platform
