#include "platform/picture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <vector>

#include "platform/objects.h"

namespace {

using platform::Picture;

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);

// A picture whose client area is 100 × 50 pixels (the widget has a 2-pixel border on each side).
class PictureTest : public testing::Test {
  protected:
    void SetUp() override {
        picture.resize(104, 54);
        picture.set_back_color(kWhite);
    }

    QColor at(int x, int y) const { return picture.image().pixelColor(x, y); }
    // What the widget shows on screen, objects included, at a pixel of the client area.
    QColor shown(int x, int y) { return picture.grab().toImage().pixelColor(x + 2, y + 2); }

    int count_in_column(int x, const QColor& color) const {
        int n = 0;
        for (int y = 0; y < picture.image().height(); ++y) n += at(x, y) == color;
        return n;
    }

    Picture picture;
};

struct ScaleCase {
    const char* name;
    double left, top, width, height;
    QPointF user;
    QPointF pixels;
};

class PictureScaleTest : public PictureTest, public testing::WithParamInterface<ScaleCase> {};

TEST_P(PictureScaleTest, MapsUserCoordinatesOntoTheClientArea) {
    const ScaleCase& c = GetParam();
    if (c.width != 0) picture.set_scale(c.left, c.top, c.width, c.height);
    EXPECT_NEAR(picture.to_pixels(c.user).x(), c.pixels.x(), 1e-9);
    EXPECT_NEAR(picture.to_pixels(c.user).y(), c.pixels.y(), 1e-9);
    EXPECT_NEAR(picture.to_user(c.pixels).x(), c.user.x(), 1e-9);
    EXPECT_NEAR(picture.to_user(c.pixels).y(), c.user.y(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, PictureScaleTest,
    testing::Values(ScaleCase{"PixelsByDefault", 0, 0, 0, 0, {10, 20}, {10, 20}},
                    ScaleCase{"YDownward", 0, 0, 1000, 500, {500, 250}, {50, 25}},
                    ScaleCase{"YDownwardOffset", 1000, 100, 2000, 1000, {2000, 600}, {50, 25}},
                    ScaleCase{"YUpwardBottomLeft", -10, 50, 100, -50, {-10, 0}, {0, 50}},
                    ScaleCase{"YUpwardTopRight", -10, 50, 100, -50, {90, 50}, {100, 0}}),
    [](const testing::TestParamInfo<ScaleCase>& info) { return std::string(info.param.name); });

TEST_F(PictureTest, DrawingSurvivesHidingAndRepainting) {
    picture.line(10, 10, 90, 10, kRed);
    picture.show();
    picture.hide();
    picture.show();
    picture.repaint();
    EXPECT_EQ(shown(50, 10), kRed);
    EXPECT_EQ(shown(50, 30), kWhite);
}

TEST_F(PictureTest, LinesContinueFromTheCurrentPoint) {
    picture.point(10, 10);
    picture.line_to(30, 10, kRed);
    picture.line_to(30, 40, kBlue);
    EXPECT_EQ(at(20, 10), kRed);
    EXPECT_EQ(at(30, 25), kBlue);
    EXPECT_EQ(picture.current_point(), QPointF(30, 40));
}

TEST_F(PictureTest, DrawsInTheForeColourWhenNoColourIsGiven) {
    picture.set_fore_color(kBlue);
    picture.line(0, 20, 99, 20);
    picture.point(50, 40);
    EXPECT_EQ(at(60, 20), kBlue);
    EXPECT_EQ(at(50, 40), kBlue);
}

TEST_F(PictureTest, LineWidthIsInPixels) {
    picture.line(5, 10, 95, 10, kRed);
    picture.set_draw_width(3);
    picture.line(5, 30, 95, 30, kBlue);
    EXPECT_EQ(count_in_column(60, kRed), 1);
    EXPECT_EQ(count_in_column(60, kBlue), 3);
}

TEST_F(PictureTest, RectangleOutlineLeavesTheInsideAlone) {
    picture.set_scale(0, 0, 1000, 500);
    picture.rectangle(100, 100, 400, 300, kRed);
    EXPECT_EQ(at(25, 10), kRed);  // top edge
    EXPECT_EQ(at(25, 30), kRed);  // bottom edge
    EXPECT_EQ(at(10, 20), kRed);  // left edge
    EXPECT_EQ(at(40, 20), kRed);  // right edge
    EXPECT_EQ(at(25, 20), kWhite);
    EXPECT_EQ(picture.current_point(), QPointF(400, 300));
}

TEST_F(PictureTest, FilledRectangleCoversBothCorners) {
    picture.fill_rectangle(1, 1, 2, 2, kRed);
    EXPECT_EQ(at(1, 1), kRed);
    EXPECT_EQ(at(2, 2), kRed);
    EXPECT_EQ(at(0, 0), kWhite);
    EXPECT_EQ(at(3, 2), kWhite);
    EXPECT_EQ(at(2, 3), kWhite);
}

TEST_F(PictureTest, FilledRectangleWorksWithYUpward) {
    picture.set_scale(0, 50, 100, -50);
    picture.fill_rectangle(10, 10, 20, 0, kGreen);
    EXPECT_EQ(at(15, 45), kGreen);
    EXPECT_EQ(at(15, 35), kWhite);
}

TEST_F(PictureTest, TextHasItsTopLeftCornerAtThePoint) {
    picture.set_scale(0, 0, 1000, 500);
    picture.print_text(200, 100, QStringLiteral("WW"));
    int inked = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            if (at(x, y) != kWhite) {
                ++inked;
                EXPECT_GE(x, 20);
                EXPECT_GE(y, 10);
            }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(picture.current_point().x(), 0);
    EXPECT_GT(picture.current_point().y(), 100);
}

TEST_F(PictureTest, PrintLineWritesLineUnderLine) {
    picture.print_line(QStringLiteral("I"));
    const double second = picture.current_point().y();
    picture.print_line(QStringLiteral("I"));
    EXPECT_NEAR(picture.current_point().y(), 2 * second, 1e-9);
}

TEST_F(PictureTest, ClearFillsWithTheBackgroundAndKeepsObjects) {
    platform::LineObject cursor(&picture);
    cursor.set_points(0, 40, 99, 40);
    cursor.set_color(kBlue);
    cursor.show();
    picture.line(0, 10, 99, 10, kRed);
    picture.clear();
    EXPECT_EQ(at(50, 10), kWhite);
    EXPECT_EQ(picture.current_point(), QPointF(0, 0));
    EXPECT_EQ(shown(50, 40), kBlue);
}

TEST_F(PictureTest, NewBackgroundClearsThePicture) {
    picture.line(0, 10, 99, 10, kRed);
    picture.set_back_color(QColor(255, 255, 192));
    EXPECT_EQ(at(50, 10), QColor(255, 255, 192));
}

TEST_F(PictureTest, LineObjectsMoveShowAndHideInUserCoordinates) {
    picture.set_scale(0, 0, 1000, 500);
    platform::LineObject line(&picture);
    line.set_color(kGreen);
    line.set_points(500, 0, 500, 500);
    line.show();
    EXPECT_EQ(shown(50, 25), kGreen);
    line.set_points(200, 0, 200, 500);
    EXPECT_EQ(shown(50, 25), kWhite);
    EXPECT_EQ(shown(20, 25), kGreen);
    picture.set_scale(0, 0, 2000, 500);  // the object follows a new scale
    EXPECT_EQ(shown(10, 25), kGreen);
    line.hide();
    EXPECT_EQ(shown(10, 25), kWhite);
}

TEST_F(PictureTest, ReportsTheMouseInUserCoordinates) {
    picture.set_scale(0, 50, 100, -50);
    QSignalSpy moved(&picture, &Picture::mouse_moved);
    QSignalSpy clicked(&picture, &Picture::clicked);
    const QPointF at_widget(2 + 30, 2 + 10);
    QMouseEvent move(QEvent::MouseMove, at_widget, picture.mapToGlobal(at_widget), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&picture, &move);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_DOUBLE_EQ(moved.at(0).at(0).toDouble(), 30);
    EXPECT_DOUBLE_EQ(moved.at(0).at(1).toDouble(), 40);

    QMouseEvent press(QEvent::MouseButtonPress, at_widget, picture.mapToGlobal(at_widget), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at_widget, picture.mapToGlobal(at_widget), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&picture, &press);
    QApplication::sendEvent(&picture, &release);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(ShapeObjectTest, PlacesInTwipsOnAForm) {
    QWidget form;
    form.resize(300, 200);
    platform::ShapeObject shape(&form, platform::ShapeObject::Kind::RoundedRectangle);
    shape.set_bounds(150, 300, 1500, 750);
    EXPECT_EQ(shape.geometry(), QRect(10, 20, 100, 50));
    platform::LineObject line(&form);
    line.set_points(150, 300, 1650, 300);
    EXPECT_TRUE(line.geometry().contains(QPoint(10, 20)));
    EXPECT_TRUE(line.geometry().contains(QPoint(110, 20)));
}

}  // namespace
