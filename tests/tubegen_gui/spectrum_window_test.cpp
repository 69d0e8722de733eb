#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/controls.h"
#include "platform/number_pattern.h"
#include "platform/objects.h"
#include "platform/picture.h"
#include "spectrum_window_fixture.h"
#include "tubegen/form1.h"

namespace tubegen_gui {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kLightYellow(255, 255, 192);

QColor TextColor(const QWidget* w) {
    return w->palette().color(QPalette::Active, QPalette::Text);
}

QColor BackColor(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

TEST_F(SpectrumWindowTest, StartsWithTheDefaultsAndAnEmptyFrame) {
    EXPECT_EQ(form_->windowTitle(), QStringLiteral(" X-ray spectrum by Tucker's formula "));
    EXPECT_EQ(form_->size(), QSize(967, 668));
    EXPECT_EQ(form_->Text1->text(), QStringLiteral("100"));
    EXPECT_EQ(form_->Text5->text(), QStringLiteral("12"));
    EXPECT_EQ(form_->Text2->text(), QStringLiteral("2.5"));
    EXPECT_EQ(form_->Text3->text(), QStringLiteral("0"));
    EXPECT_EQ(form_->Text4->text(), QStringLiteral("0"));
    EXPECT_TRUE(form_->Text13->text().isEmpty());
    EXPECT_FALSE(form_->Command7->isEnabled());
    EXPECT_FALSE(form_->Check2->isEnabled());
    EXPECT_TRUE(form_->Option7->isChecked());
    EXPECT_TRUE(form_->Option10->isChecked());
    EXPECT_TRUE(form_->Option13->isChecked());
    EXPECT_TRUE(form_->Option1->isChecked());
    EXPECT_EQ(TextColor(form_->Text8), kRed);
    EXPECT_FALSE(form_->Line6->isVisible());
    EXPECT_FALSE(form_->Line7->isVisible());
    // The two controls below the client area exist but lie out of sight.
    EXPECT_GE(form_->Frame3->y(), form_->height());
    EXPECT_GE(form_->Check1->y(), form_->height());

    EXPECT_EQ(PlotPixel(3250, 100), kBlack);   // the frame's top edge
    EXPECT_EQ(PlotPixel(1000, 1100), kBlack);  // its left edge
    EXPECT_EQ(PlotPixel(1300, 1000), kGrey);   // a 10 keV grid line
    EXPECT_EQ(PlotPixel(2000, 1100), kGrey);   // a horizontal grid line
    EXPECT_EQ(PlotPixel(2050, 1000), kWhite);
    EXPECT_EQ(CountPlotPixels(kRed), 0);
    // Axis texts: something is written where "Relative", "Photon" and "number" begin.
    platform::Picture* p = form_->Picture3;
    for (QPointF at : {QPointF(200, 500), QPointF(230, 700), QPointF(260, 900), QPointF(3750, 2250)}) {
        const QPoint px = p->to_pixels(at).toPoint();
        bool inked = false;
        for (int dy = 0; dy < 20 && !inked; ++dy)
            for (int dx = 0; dx < 30 && !inked; ++dx)
                inked = p->image().pixelColor(px + QPoint(dx, dy)) != kWhite;
        EXPECT_TRUE(inked) << "no text at " << at.x() << ", " << at.y();
    }
}

TEST_F(SpectrumWindowTest, DefaultComputationWritesTheSpectrumFileAndDrawsARedStaircase) {
    Press(form_->Command1);
    EXPECT_TRUE(messages_->messages().empty());

    const std::vector<std::string> lines = SpectrumFileLines();
    ASSERT_EQ(lines.size(), 310u);
    const std::vector<std::string> header = {
        "定電圧",
        " 管電圧 = 100 kV",
        " ターゲット角度 = 12度",
        " 固有ろ過 = 2.5 mmAl",
        " 付加フィルタ Al = 0 mm",
        " 付加フィルタ Cu = 0 mm",
        " 任意フィルタ(1) =  : 0 mm",
        " 任意フィルタ(2) =  : 0 mm",
        " 任意フィルタ(3) =  : 0 mm",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9), header);
    EXPECT_EQ(lines[9], "0000.5  0.00000");
    EXPECT_EQ(lines[208], "0100.0  0.00000");
    EXPECT_EQ(lines[209], "0100.5  0.00000");

    // The staircase rises to the frame's top edge and no higher; the frame is drawn over it.
    const int frame_top = static_cast<int>(std::lround(form_->Picture3->to_pixels(QPointF(0, 100)).y()));
    const int top_red = TopmostPlotRow(kRed);
    EXPECT_GE(top_red, frame_top - 1);
    EXPECT_LE(top_red, frame_top + 2);
    EXPECT_EQ(PlotPixel(3250, 100), kBlack);
    EXPECT_GT(CountPlotPixels(kRed), 500);

    const QRegularExpression hvl(QStringLiteral("^[0-9]+\\.[0-9]{3}$"));
    EXPECT_TRUE(hvl.match(form_->Text9->text()).hasMatch()) << form_->Text9->text().toStdString();
    EXPECT_TRUE(hvl.match(form_->Text8->text()).hasMatch()) << form_->Text8->text().toStdString();
    EXPECT_EQ(TextColor(form_->Text9), kRed);
    EXPECT_EQ(TextColor(form_->Text8), kRed);
    EXPECT_TRUE(form_->Command7->isEnabled());
    EXPECT_TRUE(form_->Check2->isEnabled());
    EXPECT_FALSE(form_->Option10->isEnabled());
    EXPECT_FALSE(form_->Option11->isEnabled());
    EXPECT_FALSE(form_->Option12->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form_->Command1);
}

TEST_F(SpectrumWindowTest, ClampedVoltageIsShownAndWritten) {
    Type(form_->Text1, QStringLiteral("160"));
    Press(form_->Command1);
    EXPECT_EQ(form_->Text1->text(), QStringLiteral("150"));
    ASSERT_GT(SpectrumFileLines().size(), 1u);
    EXPECT_EQ(SpectrumFileLines()[1], " 管電圧 = 150 kV");
}

TEST_F(SpectrumWindowTest, SecondCurveInBlueOverlaysAndClearingRemovesBoth) {
    Press(form_->Command1);
    Choose(form_->Option2);  // BLUE
    Type(form_->Text1, QStringLiteral("80"));
    Press(form_->Command1);
    EXPECT_GT(CountPlotPixels(kRed), 100);
    EXPECT_GT(CountPlotPixels(kBlue), 100);
    EXPECT_EQ(TextColor(form_->Text9), kBlue);
    EXPECT_EQ(form_->Line6->color(), kBlue);

    Press(form_->Command3);
    EXPECT_EQ(CountPlotPixels(kRed), 0);
    EXPECT_EQ(CountPlotPixels(kBlue), 0);
    EXPECT_EQ(PlotPixel(3250, 100), kBlack);  // the empty frame again
    EXPECT_EQ(PlotPixel(1300, 1000), kGrey);
    EXPECT_TRUE(form_->Option10->isEnabled());
    EXPECT_TRUE(form_->Option11->isEnabled());
    EXPECT_TRUE(form_->Option12->isEnabled());
    EXPECT_FALSE(form_->Command7->isEnabled());
    EXPECT_FALSE(form_->Check2->isEnabled());
    EXPECT_TRUE(form_->Text8->text().isEmpty());
    EXPECT_TRUE(form_->Text9->text().isEmpty());
    EXPECT_EQ(module_.SpectrumMax, 0);
}

TEST_F(SpectrumWindowTest, DisplayModeChangesTheAxisWordAndTheCurve) {
    Choose(form_->Option12);  // エネルギー
    EXPECT_EQ(form_->Label25->text(), QStringLiteral("相対エネルギー"));
    EXPECT_EQ(module_.DisplayMode, 3);
    Press(form_->Command1);
    // The energy form peaks higher in energy than the photon numbers.
    int peak = 2;
    for (int k = 2; k <= 300; ++k)
        if (module_.Spectrum[k] > module_.Spectrum[peak]) peak = k;
    EXPECT_DOUBLE_EQ(module_.Spectrum[peak], module_.SpectrumMax);
    EXPECT_DOUBLE_EQ(module_.Spectrum[peak], 0.5 * peak * module_.N[peak]);
    Press(form_->Command3);
    Choose(form_->Option11);
    EXPECT_EQ(form_->Label25->text(), QStringLiteral("相対照射線量"));
    Choose(form_->Option10);
    EXPECT_EQ(form_->Label25->text(), QStringLiteral("相対光子数"));
}

TEST_F(SpectrumWindowTest, ReferenceSpectrumScalesTheLaterCurves) {
    Choose(form_->Check1);  // below the client area, reached here as by the keyboard
    Press(form_->Command1);
    EXPECT_FALSE(form_->Check1->isChecked());
    EXPECT_FALSE(form_->Check1->isEnabled());
    EXPECT_EQ(module_.ReferenceState, 2);
    const double reference = module_.SpectrumMax;
    EXPECT_EQ(module_.ReferenceMax, reference);

    Type(form_->Text1, QStringLiteral("60"));
    Press(form_->Command1);
    EXPECT_EQ(module_.SpectrumMax, reference);  // the softer curve keeps the first one's scale
    double highest = 0;
    for (double v : module_.Spectrum) highest = std::max(highest, v);
    EXPECT_LT(highest, reference);

    Press(form_->Command3);
    EXPECT_EQ(module_.ReferenceState, 0);
    EXPECT_TRUE(form_->Check1->isEnabled());
}

TEST_F(SpectrumWindowTest, MatchingWithoutMeasuredHvlOnlyShowsTheMessage) {
    Press(form_->Command1);
    ASSERT_TRUE(QFile::remove(dir_.filePath(QStringLiteral("B_tubegen.dat"))));
    Choose(form_->Check2);
    EXPECT_EQ(BackColor(form_->Text2), kLightYellow);
    EXPECT_EQ(module_.MatchFlag, 1);
    const QImage before = form_->Picture3->image();

    Press(form_->Command1);
    ASSERT_EQ(messages_->texts(), std::vector<QString>{QStringLiteral("実測半価層を入力して下さい")});
    EXPECT_EQ(messages_->messages()[0].title, QStringLiteral("tubegen"));
    EXPECT_EQ(messages_->messages()[0].icon, platform::MessageIcon::Warning);
    EXPECT_FALSE(SpectrumFileExists());
    EXPECT_EQ(form_->Picture3->image(), before);
    EXPECT_TRUE(form_->Command1->isEnabled());
    // The spectrum was cleared before the refusal: the read-out shows 0 until the next computation.
    MoveMouse(2500, 1000);
    EXPECT_EQ(form_->Text7->text(), QStringLiteral("0.000"));

    Choose(form_->Check2);  // cleared again
    EXPECT_EQ(BackColor(form_->Text2), kWhite);
    EXPECT_EQ(module_.MatchFlag, 0);
}

TEST_F(SpectrumWindowTest, MatchingMovesTheInherentFiltrationToTheMeasuredHvl) {
    Press(form_->Command1);
    Choose(form_->Check2);
    Type(form_->Text13, QStringLiteral("3"));
    Press(form_->Command1);
    EXPECT_TRUE(messages_->messages().empty());
    EXPECT_NE(form_->Text2->text(), QStringLiteral("2.5"));
    EXPECT_EQ(form_->Text2->text().section('.', 1).size(), 3);  // "0.000"
    EXPECT_NEAR(form_->Text9->text().toDouble(), 3.0, 0.01);
    ASSERT_GT(SpectrumFileLines().size(), 3u);
    EXPECT_EQ(SpectrumFileLines()[3], " 固有ろ過 = " + form_->Text2->text().toStdString() + " mmAl");
    EXPECT_TRUE(form_->Check2->isChecked());
}

TEST_F(SpectrumWindowTest, ComputationErrorsAreShownAndWriteNothing) {
    struct Case {
        QWidget* box;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {form_->Text4, QStringLiteral("100000"),
         QStringLiteral("スペクトルの光子数がすべて 0 です。フィルタが厚すぎます。")},
        {form_->Text5, QStringLiteral("0"),
         QStringLiteral("ターゲット角度の正接が正になりません。ターゲット角度を確かめて下さい。")},
        // A character that the file's code page has no form for.
        {form_->Text3, QStringLiteral("0 ☃"),
         QStringLiteral("入力欄に Shift-JIS で書けない文字があります。")},
    };
    for (const Case& c : cases) {
        Type(c.box, c.text);
        Press(form_->Command1);
        ASSERT_EQ(messages_->texts(), std::vector<QString>{c.message}) << c.text.toStdString();
        EXPECT_FALSE(SpectrumFileExists());
        EXPECT_EQ(CountPlotPixels(kRed), 0);
        EXPECT_FALSE(form_->Command7->isEnabled());
        EXPECT_TRUE(form_->Command1->isEnabled());
        messages_->clear();
        Press(form_->Command3);
        Type(form_->Text3, QStringLiteral("0"));
        Type(form_->Text4, QStringLiteral("0"));
        Type(form_->Text5, QStringLiteral("12"));
    }
}

TEST_F(SpectrumWindowTest, UnwritableSpectrumFileIsReportedAndEndsTheProgram) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("B_tubegen.dat")));
    Press(form_->Command1);
    ASSERT_EQ(messages_->messages().size(), 1u);
    EXPECT_EQ(messages_->messages()[0].icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(SpectrumWindowTest, ButtonsAreDisabledWhileAComputationRuns) {
    bool checked = false;
    // Runs at the computation's pending-event point, as a click waiting in the queue would.
    QTimer::singleShot(0, [&] {
        checked = true;
        EXPECT_TRUE(form_->computing());
        for (QWidget* b : {form_->Command1, form_->Command3, form_->Command4, form_->Command5})
            EXPECT_FALSE(b->isEnabled());
        form_->Command1->click();  // refused: disabled
        form_->Command1_Click();   // and a direct call is refused too
    });
    Press(form_->Command1);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(form_->computing());
    for (QWidget* b : {form_->Command1, form_->Command3, form_->Command4, form_->Command5, form_->Command7})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(CountPlotPixels(kRed) > 0, true);
}

TEST_F(SpectrumWindowTest, MouseReadOutAtTheBinEdges) {
    Press(form_->Command1);
    // x = 2500 is the right edge of bin 100 (50.0 keV); a unit further lies in bin 101.
    ASSERT_EQ(form_->Picture3->to_user(form_->Picture3->to_pixels(QPointF(2500, 1000))).x(), 2500);
    MoveMouse(2500, 1000);
    EXPECT_EQ(form_->Text6->text(), QStringLiteral("50.0"));
    EXPECT_EQ(form_->Text7->text().toStdString(),
              platform::format_number(100 * module_.Spectrum[100] / module_.SpectrumMax, "##0.000"));
    EXPECT_TRUE(form_->Line6->isVisible());
    EXPECT_TRUE(form_->Line7->isVisible());
    EXPECT_DOUBLE_EQ(form_->Line6->x1(), 2500);
    EXPECT_DOUBLE_EQ(form_->Line7->y1(), 2100 - 2000 * module_.Spectrum[100] / module_.SpectrumMax);
    MoveMouse(2501, 1000);
    EXPECT_EQ(form_->Text6->text(), QStringLiteral("50.5"));
    EXPECT_EQ(module_.CursorBin, 101);

    int peak = 2;
    for (int k = 2; k <= 300; ++k)
        if (module_.Spectrum[k] > module_.Spectrum[peak]) peak = k;
    MoveMouse(1000 + 15 * peak - 7, 1000);
    EXPECT_EQ(form_->Text7->text(), QStringLiteral("100.000"));
    EXPECT_DOUBLE_EQ(form_->Line7->y1(), 100);

    MoveMouse(900, 1000);  // off the frame
    EXPECT_FALSE(form_->Line6->isVisible());
    EXPECT_FALSE(form_->Line7->isVisible());
    EXPECT_TRUE(form_->Text6->text().isEmpty());
    EXPECT_TRUE(form_->Text7->text().isEmpty());
    PressKey(Qt::Key_Right);  // the arrows do nothing without the cursor
    EXPECT_TRUE(form_->Text6->text().isEmpty());
}

TEST_F(SpectrumWindowTest, ArrowKeysStopAtTheFirstAndLastBin) {
    Press(form_->Command1);
    struct Case {
        double x;
        Qt::Key key;
        const char* before;
        const char* after;
    };
    for (Case c : {Case{1005, Qt::Key_Left, "0.5", "0.5"}, Case{1005, Qt::Key_Right, "0.5", "1.0"},
                   Case{5495, Qt::Key_Right, "150.0", "150.0"}, Case{5495, Qt::Key_Left, "150.0", "149.5"}}) {
        MoveMouse(c.x, 1000);
        EXPECT_EQ(form_->Text6->text(), QString::fromLatin1(c.before));
        PressKey(c.key);
        EXPECT_EQ(form_->Text6->text(), QString::fromLatin1(c.after)) << c.x << " key " << c.key;
    }
}

TEST_F(SpectrumWindowTest, ThreeFiltersDisableSetteiAndKaijoEnablesIt) {
    AddFilter(QStringLiteral("13_Al.ele"), QStringLiteral("1.5"));
    EXPECT_FALSE(form_->picker()->isVisible());
    EXPECT_EQ(module_.filters.FilterCount, 1);
    EXPECT_TRUE(form_->Command4->isEnabled());
    AddFilter(QStringLiteral("29_Cu.ele"), QStringLiteral("0.1"));
    AddFilter(QStringLiteral("Water.mix"), QStringLiteral("10"));
    EXPECT_EQ(module_.filters.FilterCount, 3);
    EXPECT_FALSE(form_->Command4->isEnabled());
    EXPECT_TRUE(messages_->messages().empty());

    Press(form_->Command1);
    const std::vector<std::string> lines = SpectrumFileLines();
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[6], " 任意フィルタ(1) = Al : 1.5 mm");
    EXPECT_EQ(lines[7], " 任意フィルタ(2) = Cu : 0.1 mm");
    EXPECT_EQ(lines[8], " 任意フィルタ(3) = Water : 10 mm");
    // Each filter is listed on its row of Picture1: name from x = 2, thickness from x = 90.
    platform::Picture* list = form_->Picture1;
    for (int s = 1; s <= 3; ++s)
        for (double x : {2.0, 90.0}) {
            const QPoint at = list->to_pixels(QPointF(x, 20 * s - 12)).toPoint();
            bool inked = false;
            for (int dy = 0; dy < 16; ++dy)
                for (int dx = 0; dx < 12; ++dx)
                    inked |= list->image().pixelColor(at + QPoint(dx, dy)) != kWhite;
            EXPECT_TRUE(inked) << "slot " << s << " x " << x;
        }

    Press(form_->Command5);
    EXPECT_TRUE(form_->Command4->isEnabled());
    EXPECT_EQ(module_.filters.FilterCount, 0);
    EXPECT_EQ(list->image(), [&] {
        QImage blank(list->image().size(), list->image().format());
        blank.fill(kWhite);
        return blank;
    }());
    EXPECT_GT(CountPlotPixels(kRed), 0);  // the curves stay
}

TEST_F(SpectrumWindowTest, PickerRefusesAMissingFileOrThicknessAndCancelChangesNothing) {
    Press(form_->Command4);
    tubegen::Form1* picker = form_->picker();
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker));
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("任意フィルター設定"));
    EXPECT_EQ(picker->size(), QSize(369, 171));
    EXPECT_EQ(picker->File1->names(),
              (QStringList{"13_Al.ele", "22_Ti.ele", "29_Cu.ele", "42_Mo.ele", "45_Rh.ele", "47_Ag.ele",
                           "4_Be.ele", "50_Sn.ele", "64_Gd.ele", "68_Er.ele", "74_W.ele", "82_Pb.ele",
                           "Air.mix", "Bone-ICRU.mix", "PMMA.mix", "Water.mix"}));
    Type(picker->Text2, QStringLiteral("1"));
    Press(picker->Command1);
    EXPECT_EQ(messages_->texts(), std::vector<QString>{QStringLiteral("フィルター材質が未選択です。")});
    EXPECT_TRUE(picker->isVisible());

    messages_->clear();
    picker->File1->select(QStringLiteral("PMMA.mix"));
    EXPECT_EQ(picker->Label5->text(), QStringLiteral("PMMA"));
    EXPECT_EQ(QApplication::focusWidget(), picker->Text2);
    Type(picker->Text2, QString());
    Press(picker->Command1);
    EXPECT_EQ(messages_->texts(), std::vector<QString>{QStringLiteral("フィルターの厚さを入力して下さい。")});
    EXPECT_EQ(module_.filters.FilterCount, 0);

    Type(picker->Text2, QStringLiteral("2"));
    QTest::keyClick(picker->Text2, Qt::Key_Return);  // Enter moves on to "OK" without pressing it
    EXPECT_EQ(QApplication::focusWidget(), picker->Command1);
    Press(picker->Command2);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(module_.filters.FilterCount, 0);

    Press(form_->Command4);
    EXPECT_TRUE(picker->Label5->text().isEmpty());
    EXPECT_TRUE(picker->Text2->text().isEmpty());
    EXPECT_EQ(picker->File1->file_name(), QStringLiteral("PMMA.mix"));
}

TEST_F(SpectrumWindowTest, KetteiAndTheCloseBoxEndTheProgram) {
    Press(form_->Command1);
    Press(form_->Command4);
    ASSERT_TRUE(form_->picker()->isVisible());
    form_->close();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_FALSE(form_->picker()->isVisible());

    form_->show();
    Press(form_->Command7);
    EXPECT_FALSE(form_->isVisible());
}

}  // namespace
}  // namespace tubegen_gui
