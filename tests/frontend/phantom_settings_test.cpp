// The phantom and field settings: defaults, the thickness rules, what "OK" and "Cancel" leave in Module1.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/form3.h"
#include "frontend/form4.h"
#include "frontend/form5.h"
#include "frontend/phantom_schematic.h"
#include "platform/controls.h"
#include "platform/picture.h"
#include "frontend_fixture.h"

namespace frontend_test {
namespace {

class PhantomSettings : public FrontEndTest {
  public:
    struct Values {
        int type;
        double thickness, field;
        int grid;
        bool operator==(const Values&) const = default;
    };

  protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        Press(form_->Command1);
        Press(form_->Command2);
    }
    frontend::Form3& f() { return form_->form3(); }

    Values Module() const {
        return {module_->PhantomType, module_->PhantomThickness, module_->FieldSize, module_->GridFlag};
    }
};

void PrintTo(const PhantomSettings::Values& v, std::ostream* os) {
    *os << "{" << v.type << ", " << v.thickness << ", " << v.field << ", " << v.grid << "}";
}

TEST_F(PhantomSettings, OpenWithTheirDefaultsEveryTime) {
    for (int opening = 0; opening < 2; ++opening) {
        ASSERT_TRUE(f().isVisible());
        EXPECT_EQ(f().windowTitle(), "Phantom");
        EXPECT_TRUE(f().Option1->isChecked());
        EXPECT_TRUE(f().Option6->isChecked());
        EXPECT_TRUE(f().Option7->isChecked());
        EXPECT_EQ(f().Text1->text(), "20");
        // Change everything, leave with "Cancel", open again.
        Press(f().Option3);
        Press(f().Option4);
        Press(f().Option8);
        Type(f().Text1, QStringLiteral("7"));
        Press(f().Command2);
        EXPECT_FALSE(f().isVisible());
        Press(form_->Command2);
    }
    EXPECT_EQ(Module(), (Values{0, 0, 0, 0})) << "nothing was accepted";
    EXPECT_FALSE(form_->Command3->isEnabled());
}

TEST_F(PhantomSettings, RefuseAWaterThicknessBelowOneCentimetre) {
    for (const char* text : {"", "0.5", "abc", " ", "-3"}) {
        Type(f().Text1, QString::fromUtf8(text));
        Press(f().Command1);
        EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("ファントム厚を入力して下さい")}) << text;
        messages_->clear();
        EXPECT_TRUE(f().isVisible()) << text;
        EXPECT_EQ(Module(), (Values{0, 0, 0, 0})) << text;
        EXPECT_FALSE(form_->Command3->isEnabled()) << text;
        EXPECT_FALSE(form_->form5().isVisible()) << text;
    }
}

TEST_F(PhantomSettings, TakeTheWaterThicknessAsItsLeadingNumberAndTheChosenField) {
    const struct {
        const char* text;
        int field_option;
        bool grid;
        Values values;
    } cases[] = {
        {"1", 4, false, {1, 1, 10, 0}},
        {"15cm", 5, true, {1, 15, 20, 1}},
        {"12.5", 6, false, {1, 12.5, 34, 0}},
        {"200", 4, true, {1, 200, 10, 1}},
    };
    for (const auto& c : cases) {
        AcceptPhantom(1, QString::fromUtf8(c.text), c.field_option, c.grid);
        EXPECT_EQ(Module(), c.values) << c.text;
        EXPECT_TRUE(Messages().empty()) << c.text;
        EXPECT_FALSE(f().isVisible());
        Press(form_->Command2);
    }
}

TEST_F(PhantomSettings, PhantomsTwoAndThreeIgnoreThicknessAndField) {
    AcceptPhantom(2, QString(), 4, false);
    EXPECT_EQ(Module(), (Values{2, 20, 34, 0}));
    Press(form_->Command2);
    AcceptPhantom(3, QStringLiteral("abc"), 5, true);
    EXPECT_EQ(Module(), (Values{3, 20, 36, 1}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PhantomSettings, OkUnlocksTheRunAndOpensTheRunStartFresh) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    EXPECT_TRUE(form_->Command3->isEnabled());
    frontend::Form5& run = form_->form5();
    ASSERT_TRUE(run.isVisible());
    EXPECT_EQ(run.Text1->text(), "");
    EXPECT_EQ(run.Text2->text(), "100000000");
    // The run start opened again, from the main window, is fresh again.
    Type(run.Text1, QStringLiteral("x"));
    Press(run.Command2);
    Press(form_->Command3);
    EXPECT_EQ(run.Text1->text(), "");
    EXPECT_EQ(run.Text2->text(), "100000000");
}

TEST_F(PhantomSettings, CancelKeepsTheValuesAcceptedBefore) {
    AcceptPhantom(1, QStringLiteral("15"), 5, true);
    Press(form_->form5().Command2);
    Press(form_->Command2);
    Press(f().Option3);
    Press(f().Option7);
    Press(f().Command2);
    EXPECT_EQ(Module(), (Values{1, 15, 20, 1}));
    EXPECT_TRUE(form_->Command3->isEnabled());
}

TEST_F(PhantomSettings, TheSchematicIsDrawnFromTheVoxelMaps) {
    Press(f().Command3);
    frontend::Form4& schematic = f().form4();
    ASSERT_TRUE(schematic.isVisible());
    EXPECT_EQ(schematic.windowTitle(), "Phantom (2)");
    const QImage& image = schematic.Picture1->image();
    ASSERT_EQ(image.size(), QSize(frontend::kSchematicWidth, frontend::kSchematicHeight));
    // Front views, 5 pixels to the cm from (30 + 260 (type - 1), 66): water in the middle of the water
    // phantom; the bone rod of the bone-lung phantom at x = 12 cm, its lung at x = 28 cm.
    const QColor water(120, 180, 230), lung(250, 200, 210), bone(240, 225, 140);
    EXPECT_EQ(image.pixelColor(30 + 100, 66 + 100), water);
    EXPECT_EQ(image.pixelColor(30 + 5, 66 + 100), Qt::white) << "air beside the water";
    EXPECT_EQ(image.pixelColor(290 + 60, 66 + 100), bone);
    EXPECT_EQ(image.pixelColor(290 + 140, 66 + 100), lung);
    Press(schematic.Command1);
    EXPECT_FALSE(schematic.isVisible());

    // A map that is not there is named in its panel; the others are drawn.
    std::filesystem::remove(work() / "Phantom_Chest.dat");
    Press(f().Command3);
    const QImage& redrawn = schematic.Picture1->image();
    int red = 0;
    for (int y = 66; y < 266; ++y)
        for (int x = 550; x < 780; ++x) red += redrawn.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 0);
    EXPECT_EQ(redrawn.pixelColor(290 + 60, 66 + 100), bone);
}

}  // namespace
}  // namespace frontend_test
