#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <stdexcept>
#include <string>

#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace {

TEST(TwipsTest, FifteenTwipsToThePixel) {
    struct Case {
        double twips;
        int pixels;
    };
    for (Case c :
         {Case{0, 0}, Case{15, 1}, Case{7, 0}, Case{8, 1}, Case{14505, 967}, Case{10020, 668}, Case{-30, -2}})
        EXPECT_EQ(platform::twips_to_pixels(c.twips), c.pixels) << c.twips << " twips";
    EXPECT_EQ(platform::pixels_to_twips(967), 14505);
}

TEST(TwipsTest, PlacesControlsInTheParentsClientArea) {
    QWidget form;
    QWidget control(&form);
    platform::place(&control, 240, 6840, 10695, 2775);
    EXPECT_EQ(control.geometry(), QRect(16, 456, 713, 185));
}

TEST(PaletteTest, SixteenColours) {
    struct Case {
        int index;
        QColor color;
    };
    for (Case c : {Case{0, QColor(0, 0, 0)}, Case{1, QColor(0, 0, 128)}, Case{7, QColor(192, 192, 192)},
                   Case{8, QColor(128, 128, 128)}, Case{9, QColor(0, 0, 255)}, Case{10, QColor(0, 255, 0)},
                   Case{11, QColor(0, 255, 255)}, Case{12, QColor(255, 0, 0)}, Case{13, QColor(255, 0, 255)},
                   Case{14, QColor(255, 255, 0)}, Case{15, QColor(255, 255, 255)}})
        EXPECT_EQ(platform::palette_color(c.index), c.color) << "palette " << c.index;
    EXPECT_THROW(platform::palette_color(16), std::out_of_range);
    EXPECT_THROW(platform::palette_color(-1), std::out_of_range);
}

TEST(FontsTest, DesignNamesMapToInstalledSubstitutes) {
    struct Case {
        const char* name;
        const char* family;
    };
    for (Case c : {Case{"HG丸ｺﾞｼｯｸM-PRO", "MotoyaLMaru"}, Case{"ＭＳ ゴシック", "IPAGothic"},
                   Case{"ＭＳ Ｐゴシック", "IPAPGothic"}, Case{"メイリオ", "IPAPGothic"},
                   Case{"Times New Roman", "Liberation Serif"}, Case{"Century", "C059"}}) {
        EXPECT_EQ(platform::substitute_family(c.name), QString::fromLatin1(c.family)) << c.name;
        // The substitute is really there: the font database gives that family (perhaps with its foundry,
        // "C059 [UKWN]"), not a fallback.
        EXPECT_EQ(QFontInfo(platform::design_font(c.name, 12)).family().section(QStringLiteral(" ["), 0, 0),
                  QString::fromLatin1(c.family))
            << c.name << " (is scripts/setup's font package installed?)";
    }
    EXPECT_EQ(platform::substitute_family("Arial"), QStringLiteral("Arial"));
}

TEST(FontsTest, PointSizesOfTheNinetySixDotScreen) {
    struct Case {
        double points;
        int pixels;
    };
    for (Case c :
         {Case{12, 16}, Case{11.25, 15}, Case{15.75, 21}, Case{14.25, 19}, Case{24, 32}, Case{9, 12}})
        EXPECT_EQ(platform::design_font("Times New Roman", c.points).pixelSize(), c.pixels) << c.points;
    QFont italic = platform::design_font("Times New Roman", 24, false, true);
    EXPECT_TRUE(italic.italic());
    EXPECT_FALSE(italic.bold());
}

TEST(FixedWindowTest, ClientSizeCaptionAndNoMinimiseOrMaximiseBox) {
    for (auto border : {platform::BorderStyle::FixedSingle, platform::BorderStyle::FixedDialog}) {
        QWidget window;
        platform::make_fixed_window(&window, QStringLiteral("任意フィルター設定"), 5535, 2565, border);
        EXPECT_EQ(window.size(), QSize(369, 171));
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("任意フィルター設定"));
        const Qt::WindowFlags flags = window.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(window.isWindow(), true);
    }
}

TEST(FixedWindowTest, CentredOnTheScreen) {
    QWidget window;
    platform::make_fixed_window(&window, QStringLiteral("x"), 5535, 2565);
    platform::center_on_screen(&window);
    const QRect area = window.screen()->availableGeometry();
    EXPECT_LE(std::abs(window.geometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(window.geometry().center().y() - area.center().y()), 1);
}

TEST(ProgramTest, PendingEventsRunWhenAsked) {
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    platform::process_pending_events();
    EXPECT_TRUE(ran);
}

TEST(ProgramTest, EndingTheProgramHidesEveryWindow) {
    QWidget main_window, picker;
    main_window.show();
    picker.show();
    platform::end_program();
    EXPECT_FALSE(main_window.isVisible());
    EXPECT_FALSE(picker.isVisible());
}

TEST(ProgramTest, EndingTheProgramLeavesTheEventLoopWithItsStatus) {
    QTimer::singleShot(0, [] { platform::end_program(3); });
    EXPECT_EQ(QApplication::exec(), 3);
}

}  // namespace
