#pragma once

#include <QColor>
#include <QWidget>

namespace platform {

// Line and shape objects: they lie over a form or a picture area, can be moved, shown (show()) and hidden
// (hide()), let the mouse through to what lies below, and are not part of a picture's drawing, so clearing
// the picture leaves them. On a Picture their coordinates are the picture's user coordinates and they
// follow its scale; on any other parent they are twips of its client area.
class LineObject : public QWidget {
    Q_OBJECT

  public:
    explicit LineObject(QWidget* parent);

    void set_points(double x1, double y1, double x2, double y2);
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }

    void set_color(const QColor& color);
    QColor color() const { return color_; }
    void set_line_width(int pixels);
    int line_width() const { return width_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void relayout();

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_ = Qt::black;
    int width_ = 1;
    QPoint from_, to_;  // the end points in this widget's pixels
};

class ShapeObject : public QWidget {
    Q_OBJECT

  public:
    enum class Kind { Rectangle, RoundedRectangle };

    explicit ShapeObject(QWidget* parent, Kind kind = Kind::Rectangle);

    void set_bounds(double left, double top, double width, double height);
    void set_border_color(const QColor& color);
    void set_border_width(int pixels);
    // Filled in this colour; an invalid colour (the default) leaves the inside transparent.
    void set_fill_color(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void relayout();

    Kind kind_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QColor border_color_ = Qt::black;
    QColor fill_;
    int border_width_ = 1;
};

}  // namespace platform
