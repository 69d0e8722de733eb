#include "platform/picture.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

QPen DrawPen(const QColor& color, int width) {
    // Round ends, as the pens of the original platform have, so that the joints of a staircase are closed.
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

Picture::Picture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    sync_image();
}

void Picture::set_border(bool on) {
    border_ = on ? 2 : 0;
    sync_image();
    update();
}

void Picture::set_scale(double left, double top, double width, double height) {
    user_scale_ = true;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    emit scale_changed();
}

void Picture::set_back_color(const QColor& color) {
    back_ = color;
    clear();
}

void Picture::set_draw_width(int pixels) {
    draw_width_ = std::max(1, pixels);
}

void Picture::clear() {
    sync_image();
    image_.fill(back_);
    current_ = QPointF(0, 0);
    update();
}

QSize Picture::client_size() const {
    return QSize(std::max(1, width() - 2 * border_), std::max(1, height() - 2 * border_));
}

void Picture::sync_image() const {
    const QSize size = client_size();
    if (image_.size() == size) return;
    // The drawing is kept where it was; new area gets the background.
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(back_);
    if (!image_.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, image_);
    }
    image_ = resized;
    auto* self = const_cast<Picture*>(this);
    if (!user_scale_) {
        self->left_ = 0;
        self->top_ = 0;
        self->width_ = size.width();
        self->height_ = size.height();
    }
    emit self->scale_changed();
}

const QImage& Picture::image() const {
    sync_image();
    return image_;
}

QPointF Picture::to_pixels(QPointF user) const {
    sync_image();
    const QSize size = image_.size();
    return QPointF((user.x() - left_) * size.width() / width_, (user.y() - top_) * size.height() / height_);
}

QPointF Picture::to_user(QPointF pixels) const {
    sync_image();
    const QSize size = image_.size();
    return QPointF(left_ + pixels.x() * width_ / size.width(), top_ + pixels.y() * height_ / size.height());
}

QPoint Picture::pixel(double x, double y) const {
    QPointF p = to_pixels(QPointF(x, y));
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

void Picture::point(double x, double y, const QColor& color) {
    sync_image();
    QPainter p(&image_);
    p.setPen(DrawPen(color_or_fore(color), draw_width_));
    p.drawPoint(pixel(x, y));
    current_ = QPointF(x, y);
    update();
}

void Picture::line(double x1, double y1, double x2, double y2, const QColor& color) {
    sync_image();
    QPainter p(&image_);
    p.setPen(DrawPen(color_or_fore(color), draw_width_));
    p.drawLine(pixel(x1, y1), pixel(x2, y2));
    current_ = QPointF(x2, y2);
    update();
}

void Picture::line_to(double x, double y, const QColor& color) {
    line(current_.x(), current_.y(), x, y, color);
}

void Picture::rectangle(double x1, double y1, double x2, double y2, const QColor& color) {
    sync_image();
    QPainter p(&image_);
    p.setPen(DrawPen(color_or_fore(color), draw_width_));
    // Four lines through the corners, so an outline meets lines drawn to the same points exactly.
    const QPoint a = pixel(x1, y1), b = pixel(x2, y2);
    const QPoint corners[] = {a, QPoint(b.x(), a.y()), b, QPoint(a.x(), b.y()), a};
    p.drawPolyline(corners, 5);
    current_ = QPointF(x2, y2);
    update();
}

void Picture::fill_rectangle(double x1, double y1, double x2, double y2, const QColor& color) {
    sync_image();
    QPainter p(&image_);
    p.fillRect(QRect(pixel(x1, y1), pixel(x2, y2)).normalized(), color_or_fore(color));
    current_ = QPointF(x2, y2);
    update();
}

void Picture::print_text(double x, double y, const QString& text) {
    current_ = QPointF(x, y);
    print_line(text);
}

void Picture::print_line(const QString& text) {
    const QFontMetrics metrics(font());
    const QPoint at = pixel(current_.x(), current_.y());
    sync_image();
    QPainter p(&image_);
    p.setFont(font());
    p.setPen(fore_);
    p.drawText(at + QPoint(0, metrics.ascent()), text);
    const double line_height = metrics.height() * height_ / image_.height();
    current_ = QPointF(left_, current_.y() + line_height);
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (border_ > 0) {
        // A sunken edge: dark grey and black above and left, light grey and white below and right.
        const QRect r = rect();
        p.fillRect(r, palette().color(QPalette::Button));
        p.setPen(QColor(160, 160, 160));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(105, 105, 105));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
        p.setPen(Qt::white);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.drawImage(border_, border_, image_);
}

void Picture::resizeEvent(QResizeEvent*) {
    sync_image();
}

QPointF Picture::user_at(QPointF widget_position) const {
    return to_user(widget_position - QPointF(border_, border_));
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    const QPointF u = user_at(event->position());
    emit mouse_moved(u.x(), u.y());
}

void Picture::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    const QPointF u = user_at(event->position());
    emit mouse_down(u.x(), u.y());
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && rect().contains(event->position().toPoint())) emit clicked();
    pressed_ = false;
}

}  // namespace platform
