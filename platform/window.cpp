#include "platform/window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "platform/twips.h"

namespace platform {

void make_fixed_window(QWidget* window, const QString& caption, int client_width, int client_height,
                       BorderStyle border) {
    Qt::WindowFlags flags = border == BorderStyle::FixedDialog ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(caption);
    window->setFixedSize(twips_to_pixels(client_width), twips_to_pixels(client_height));
}

void center_on_screen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void set_button_color(QPushButton* button, const QColor& face) {
    // A style sheet, because most styles paint push buttons with their own gradient whatever the palette.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 1px solid #7a7a7a; border-radius: 2px; }"
                                         "QPushButton:pressed { background-color: %2; }"
                                         "QPushButton:disabled { color: #a0a0a0; }"
                                         "QPushButton:focus { border: 2px solid #505050; }")
                              .arg(face.name(), face.darker(115).name()));
}

}  // namespace platform
