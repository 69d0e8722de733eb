#include "platform/objects.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/picture.h"
#include "platform/twips.h"

namespace platform {
namespace {

// Where a point of the object's coordinates lies in its parent's pixels.
QPoint ParentPixel(const QWidget* parent, double x, double y) {
    QPointF p;
    if (auto* picture = qobject_cast<const Picture*>(parent))
        p = picture->to_widget(QPointF(x, y));
    else
        p = QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel);
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

}  // namespace

LineObject::LineObject(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (auto* picture = qobject_cast<Picture*>(parent))
        connect(picture, &Picture::scale_changed, this, &LineObject::relayout);
    relayout();
}

void LineObject::set_points(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    relayout();
}

void LineObject::set_color(const QColor& color) {
    color_ = color;
    update();
}

void LineObject::set_line_width(int pixels) {
    width_ = std::max(1, pixels);
    relayout();
}

void LineObject::relayout() {
    const QPoint a = ParentPixel(parentWidget(), x1_, y1_);
    const QPoint b = ParentPixel(parentWidget(), x2_, y2_);
    const int margin = width_;
    const QRect box = QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
    setGeometry(box);
    update();
}

void LineObject::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(color_, width_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from_, to_);
}

ShapeObject::ShapeObject(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (auto* picture = qobject_cast<Picture*>(parent))
        connect(picture, &Picture::scale_changed, this, &ShapeObject::relayout);
}

void ShapeObject::set_bounds(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    relayout();
}

void ShapeObject::set_border_color(const QColor& color) {
    border_color_ = color;
    update();
}

void ShapeObject::set_border_width(int pixels) {
    border_width_ = std::max(1, pixels);
    update();
}

void ShapeObject::set_fill_color(const QColor& color) {
    fill_ = color;
    update();
}

void ShapeObject::relayout() {
    const QPoint a = ParentPixel(parentWidget(), left_, top_);
    const QPoint b = ParentPixel(parentWidget(), left_ + width_, top_ + height_);
    setGeometry(QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y()).normalized());
    update();
}

void ShapeObject::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ == Kind::RoundedRectangle);
    const double inset = border_width_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.setPen(QPen(border_color_, border_width_));
    p.setBrush(fill_.isValid() ? QBrush(fill_) : Qt::NoBrush);
    if (kind_ == Kind::RoundedRectangle) {
        // Corners rounded by a tenth of the shorter side.
        const double radius = std::min(r.width(), r.height()) / 10.0;
        p.drawRoundedRect(r, radius, radius);
    } else {
        p.drawRect(r);
    }
}

}  // namespace platform
