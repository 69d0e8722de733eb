#include "frontend/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "platform/picture.h"

namespace frontend {

QPixmap MainBackground(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();

    QLinearGradient ground(0, 0, 0, h);
    ground.setColorAt(0, QColor(18, 40, 100));
    ground.setColorAt(1, QColor(4, 12, 42));
    p.fillRect(pixmap.rect(), ground);

    // The exercise along the bottom strip, left to right: tube, beam, phantom, detector. Kept dim, as the
    // captions and buttons lie over the ground above it.
    const double axis = h - 55;
    const QPointF focus(0.145 * w, axis);
    const double detector_x = 0.765 * w;

    // The tube: a glass envelope with the cathode on the left and the tilted anode face on the right.
    p.setPen(QPen(QColor(120, 150, 210), 1.5));
    p.setBrush(QColor(40, 60, 120, 140));
    p.drawEllipse(QPointF(focus.x() - 28, axis), 40, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 190));
    p.drawRect(QRectF(focus.x() - 58, axis - 5, 12, 10));
    p.drawPolygon(QPolygonF({QPointF(focus.x() + 4, axis - 12), QPointF(focus.x() + 12, axis - 12),
                             QPointF(focus.x() + 12, axis + 8), QPointF(focus.x() - 2, axis + 8)}));

    // The beam, widening from the focal spot to the detector.
    p.setBrush(QColor(255, 240, 150, 38));
    p.drawPolygon(QPolygonF({focus, QPointF(detector_x, axis - 44), QPointF(detector_x, axis + 44)}));

    // The phantom: a water slab with a bone rod.
    const QRectF slab(0.42 * w, axis - 42, 0.1 * w, 84);
    p.setPen(QPen(QColor(230, 170, 140, 170), 1));
    p.setBrush(QColor(217, 140, 115, 90));
    p.drawRoundedRect(slab, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(242, 242, 208, 140));
    p.drawEllipse(QPointF(slab.center().x(), axis + 10), 8, 8);

    // A few photons scattered in the slab: the tracks a Monte Carlo history follows.
    p.setPen(QPen(QColor(150, 200, 255, 150), 1));
    const std::array<std::array<QPointF, 3>, 4> tracks = {{
        {QPointF(0.44 * w, axis - 6), QPointF(0.49 * w, axis - 30), QPointF(0.62 * w, axis - 48)},
        {QPointF(0.45 * w, axis + 14), QPointF(0.50 * w, axis + 26), QPointF(0.70 * w, axis + 12)},
        {QPointF(0.47 * w, axis - 20), QPointF(0.455 * w, axis - 36), QPointF(0.38 * w, axis - 46)},
        {QPointF(0.48 * w, axis + 4), QPointF(0.51 * w, axis + 18), QPointF(detector_x, axis + 36)},
    }};
    for (const auto& track : tracks) {
        p.drawPolyline(track.data(), static_cast<int>(track.size()));
        p.setBrush(QColor(150, 200, 255, 180));
        p.drawEllipse(track[1], 1.8, 1.8);
        p.setBrush(Qt::NoBrush);
    }

    // The detector, in pixels.
    p.setPen(QPen(QColor(200, 205, 225, 170), 1));
    p.setBrush(QColor(90, 100, 140, 150));
    p.drawRect(QRectF(detector_x, axis - 48, 8, 96));
    for (double y = axis - 40; y < axis + 48; y += 8) p.drawLine(QPointF(detector_x, y), QPointF(detector_x + 8, y));
    return pixmap;
}

QIcon EndButtonIcon(int pixels) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = pixels;
    QPen pen(QColor(200, 30, 30), s / 9.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    const QRectF ring(s * 0.18, s * 0.2, s * 0.64, s * 0.64);
    // An open ring with a bar through its gap: the sign for switching off.
    p.drawArc(ring, 120 * 16, 300 * 16);
    p.drawLine(QPointF(s / 2, s * 0.1), QPointF(s / 2, s * 0.5));
    return QIcon(pixmap);
}

void DrawPhotonTracks(platform::Picture& picture) {
    const double w = picture.image().width(), h = picture.image().height();
    const double slab_top = 0.28 * h, slab_bottom = 0.7 * h, detector = 0.9 * h;
    picture.clear();
    picture.fill_rectangle(0, slab_top, w - 1, slab_bottom, QColor(205, 228, 247));
    picture.fill_rectangle(0, detector, w - 1, detector + 3, QColor(128, 128, 128));

    // A small Monte Carlo of its own: parallel photons from above, exponential free paths, at each
    // interaction absorption or a new direction, until the photon leaves the slab. A fixed seed, so the
    // picture is the same every time, as the engine's results are for the same input.
    std::minstd_rand rng(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const double mean_free_path = 0.8 * (slab_bottom - slab_top);
    const QColor primary(255, 0, 0), scattered(0, 0, 255), absorbed(0, 0, 0);
    for (int n = 0; n < 16; ++n) {
        double x = w * (0.05 + 0.9 * (n + uniform(rng)) / 16), y = 0;
        double dx = 0, dy = 1;
        bool first = true;
        for (int step = 0; step < 8; ++step) {
            // The first flight starts at the entrance surface: the air above does not interact.
            const double path = -mean_free_path * std::log(1 - uniform(rng));
            double nx = x + path * dx;
            double ny = (first ? slab_top : y) + path * dy;
            const bool leaves = ny < slab_top || ny > slab_bottom;
            if (leaves && dy > 0) {
                // Out through the exit surface, on to the detector plane.
                const double t = (detector - y) / dy;
                nx = x + t * dx;
                ny = detector;
            } else if (leaves) {
                const double t = std::min(1.5 * path, (y + 2) / -dy);
                nx = x + t * dx;
                ny = y + t * dy;
            }
            picture.line(x, y, nx, ny, first ? primary : scattered);
            if (leaves) break;
            x = nx;
            y = ny;
            first = false;
            if (uniform(rng) < 0.3) {
                picture.line(x - 2, y - 2, x + 2, y + 2, absorbed);
                picture.line(x - 2, y + 2, x + 2, y - 2, absorbed);
                break;
            }
            picture.fill_rectangle(x - 1, y - 1, x + 1, y + 1, scattered);
            const double angle = 2 * 3.14159265358979 * uniform(rng);
            dx = std::cos(angle);
            dy = std::sin(angle);
        }
    }
    picture.set_fore_color(QColor(0, 0, 0));
    picture.print_text(6, 4, QStringLiteral("X線"));
    picture.print_text(6, slab_top + 4, QStringLiteral("ファントム"));
    picture.print_text(6, detector - 24, QStringLiteral("検出器"));
}

}  // namespace frontend
