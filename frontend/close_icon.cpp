#include "frontend/close_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace frontend {

QIcon CloseButtonIcon(int pixels) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = pixels;

    // The window being left: a frame open on its left side.
    p.setPen(QPen(QColor(70, 70, 70), s / 14.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPainterPath frame;
    frame.moveTo(s * 0.42, s * 0.16);
    frame.lineTo(s * 0.86, s * 0.16);
    frame.lineTo(s * 0.86, s * 0.84);
    frame.lineTo(s * 0.42, s * 0.84);
    p.drawPath(frame);

    // The arrow out of it, to the left.
    const QColor blue(20, 60, 190);
    p.setPen(QPen(blue, s / 9.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.68, s * 0.5), QPointF(s * 0.22, s * 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    const QPointF head[] = {{s * 0.08, s * 0.5}, {s * 0.3, s * 0.32}, {s * 0.3, s * 0.68}};
    p.drawPolygon(head, 3);
    return QIcon(pixmap);
}

}  // namespace frontend
