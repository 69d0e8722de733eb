#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace platform {

// A picture area: a drawing surface with a user coordinate system whose drawing is kept in an image, so it
// survives covering and repaints until it is cleared. Its client area is the widget less a 2-pixel sunken
// border (set_border(false) removes it); user coordinates map onto the client area: (left, top) is its
// top-left corner and (left + width, top + height) its bottom-right one, so a negative height makes y grow
// upwards. Until set_scale is called one unit is one pixel, origin top left. Every drawing call takes a
// colour; an invalid QColor (the default) draws in the fore colour. Each call leaves the current point
// where it ended, as the line continued from the current point expects.
class Picture : public QWidget {
    Q_OBJECT

  public:
    explicit Picture(QWidget* parent = nullptr);

    void set_border(bool on);
    void set_scale(double left, double top, double width, double height);
    double scale_left() const { return left_; }
    double scale_top() const { return top_; }
    double scale_width() const { return width_; }
    double scale_height() const { return height_; }

    // Changing the background clears the picture, so the new colour lies under everything drawn next.
    void set_back_color(const QColor& color);
    QColor back_color() const { return back_; }
    // The colour of text, and of lines and points drawn without a colour of their own.
    void set_fore_color(const QColor& color) { fore_ = color; }
    QColor fore_color() const { return fore_; }
    // Line width in pixels of lines, outlines and points.
    void set_draw_width(int pixels);
    int draw_width() const { return draw_width_; }

    // Fills the picture with the background; the current point goes to (0, 0). Line and shape objects on
    // the picture stay.
    void clear();

    void point(double x, double y, const QColor& color = QColor());
    void line(double x1, double y1, double x2, double y2, const QColor& color = QColor());
    // A line from the current point to (x, y).
    void line_to(double x, double y, const QColor& color = QColor());
    void rectangle(double x1, double y1, double x2, double y2, const QColor& color = QColor());
    // Fills the pixels from corner to corner, both included.
    void fill_rectangle(double x1, double y1, double x2, double y2, const QColor& color = QColor());
    // Prints one line of text in the widget's font and the fore colour with its top-left corner at (x, y);
    // the current point then moves to the start of the next line (the scale's left edge, one line lower).
    void print_text(double x, double y, const QString& text);
    // Prints at the current point, then moves to the next line: text output line by line.
    void print_line(const QString& text);

    QPointF current_point() const { return current_; }
    void set_current_point(double x, double y) { current_ = QPointF(x, y); }

    // User coordinates to pixels of the image (the client area) and back.
    QPointF to_pixels(QPointF user) const;
    QPointF to_user(QPointF pixels) const;
    // User coordinates to pixels of this widget (the client area's offset included), for objects on it.
    QPointF to_widget(QPointF user) const { return to_pixels(user) + QPointF(border_, border_); }

    // What has been drawn, without the line and shape objects that lie over it.
    const QImage& image() const;

  signals:
    // The pointer moved over the picture (without or with a button held), in user coordinates.
    void mouse_moved(double x, double y);
    void mouse_down(double x, double y);
    // A button was pressed and released over the picture.
    void clicked();
    // The user coordinate system or the client size changed; objects on the picture follow it.
    void scale_changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QSize client_size() const;
    // A hidden widget hears of a new size only when it is shown, so every use of the image brings it to the
    // widget's size first.
    void sync_image() const;
    QColor color_or_fore(const QColor& color) const { return color.isValid() ? color : fore_; }
    QPoint pixel(double x, double y) const;
    QPointF user_at(QPointF widget_position) const;

    mutable QImage image_;
    int border_ = 2;
    bool user_scale_ = false;
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    int draw_width_ = 1;
    QPointF current_;
    bool pressed_ = false;
};

}  // namespace platform
