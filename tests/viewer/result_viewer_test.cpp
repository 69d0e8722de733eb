// The result viewer through its real controls: the file list, the description, "OK" with its three images,
// "Profile" with mouse, click and typed row selection, "Reset", the close button, and files that are not
// result files.
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "frontend/form6.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/objects.h"
#include "platform/picture.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kLightYellow(255, 255, 192);

// Whether every pixel of a picture's drawing has one colour.
bool AllOf(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != color) return false;
    return true;
}

class ResultViewer : public ViewerTest {
  protected:
    void SetUp() override {
        ViewerTest::SetUp();
        WriteResult("small.data", *SmallResult());
        auto other = SmallResult();
        other->image[2][150][120] = 102;
        WriteResult("other.data", *other);
        WriteFile("notes.txt", "not listed\r\n");
        OpenViewer();
    }
};

TEST_F(ResultViewer, OpensWithTheResultFilesListedAndOnlyTheListUsable) {
    frontend::Form1& v = viewer();
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Simulated image, profile and spectra"));
    EXPECT_EQ(v.File1->names(), QStringList({"other.data", "small.data"}));
    EXPECT_FALSE(v.Command14->isEnabled());
    EXPECT_FALSE(v.Command4->isEnabled());
    EXPECT_FALSE(v.Command5->isEnabled());
    EXPECT_TRUE(v.Command1->isEnabled());
    EXPECT_FALSE(v.Line1->isVisible());
    EXPECT_TRUE(AllOf(v.Picture1->image(), kBlack));
    EXPECT_TRUE(AllOf(v.Picture2->image(), kLightYellow));

    // With nothing chosen "OK" asks for a file.
    v.Command14_Click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], QStringLiteral("ファイルを選択して下さい"));
}

TEST_F(ResultViewer, ChoosingAFileShowsItsThirteenLinesDecoded) {
    frontend::Form1& v = viewer();
    ChooseFile(QStringLiteral("small.data"));
    EXPECT_TRUE(v.Command14->isEnabled());

    // The same lines printed in the same font on a box of the same size.
    platform::Picture expected;
    expected.resize(v.Picture4->size());
    expected.setFont(v.Picture4->font());
    expected.set_back_color(kLightYellow);
    for (const std::string& line : WaterRunDescription()) expected.print_line(QString::fromStdString(line));
    EXPECT_EQ(v.Picture4->image(), expected.image());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ResultViewer, OkDrawsTheThreeImagesInGreysOfTheOneScale) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    EXPECT_TRUE(v.Command4->isEnabled());
    EXPECT_TRUE(v.Command5->isEnabled());

    const struct {
        int k, i, j, grey;
        const char* what;
    } pixels[] = {
        {1, 100, 100, 0, "M is black"},
        {3, 100, 100, 0, "M is black in the sum"},
        {1, 20, 20, 0, "the central part's corner"},
        {1, 5, 150, 0, "above M in the edge is black"},
        {3, 5, 150, 0, "above M in the edge is black in the sum"},
        {2, 100, 100, 255, "no scatter there"},
        {1, 150, 120, 255, "untouched"},
        {2, 150, 120, 255, "untouched"},
        {3, 150, 120, 255, "untouched"},
        {2, 50, 60, 128, "128.5 goes to the even 128"},
        {3, 50, 60, 128, "the sum of nothing and 253"},
        {1, 50, 60, 255, "no primary there"},
        {1, 30, 40, 205, "equal tallies"},
        {2, 31, 40, 205, "equal tallies"},
        {3, 30, 40, 205, "equal tallies"},
        {3, 31, 40, 205, "equal tallies"},
        {3, 200, 200, 0, "the last value"},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(DrawnGrey(p.k, p.i, p.j), p.grey)
            << p.what << ": (" << p.k << ", " << p.i << ", " << p.j << ")";

    // Pixel row 0 and column 0 of the area stay black; so do the few rows below the images.
    const QImage& image = v.Picture1->image();
    EXPECT_EQ(image.pixelColor(0, 300), kBlack);
    EXPECT_EQ(image.pixelColor(300, 0), kBlack);
    EXPECT_EQ(image.pixelColor(1100, 401), kBlack);
    EXPECT_EQ(image.pixelColor(1201, 300), kBlack);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ResultViewer, ChoosingAnotherFileChangesTheDescriptionButNotTheImages) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    const QImage images = v.Picture1->image();
    ChooseFile(QStringLiteral("other.data"));
    EXPECT_EQ(v.Picture1->image(), images);
    Press(v.Command14);
    EXPECT_EQ(DrawnGrey(2, 150, 120), 204) << "other.data has scatter there";
}

TEST_F(ResultViewer, ProfileWithoutTheMouseDrawsRow100AndShows200Twice) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    EXPECT_EQ(v.ProfileMode, 1);
    EXPECT_EQ(v.Text1->text(), QStringLiteral("200"));
    EXPECT_EQ(v.Text2->text(), QStringLiteral("200"));
    EXPECT_TRUE(v.Line1->isVisible());
    EXPECT_EQ(v.Line1->y1(), 200);
    EXPECT_EQ(ProfiledPeakRow(), 100);
    // The same peak in the sum image, 800 pixels to the right; the scatter of row 100 lies at the bottom.
    const QImage& profiles = v.Picture2->image();
    EXPECT_EQ(profiles.pixelColor(999, 0), QColor(255, 0, 0));
    EXPECT_NE(profiles.pixelColor(599, 0), QColor(255, 0, 0));
}

TEST_F(ResultViewer, TypedHeightsOutsideTheImagesChangeOnlyText2) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    const QImage profiles = v.Picture2->image();
    for (const QString& typed : {QStringLiteral("0"), QStringLiteral("-5"), QStringLiteral("401")}) {
        Type(v.Text1, typed);
        PressEnter(v.Text1);
        EXPECT_EQ(v.Text2->text(), typed);
        EXPECT_EQ(v.Text1->text(), typed);
        EXPECT_EQ(v.Line1->y1(), 200) << typed.toStdString();
        EXPECT_EQ(v.Picture2->image(), profiles) << typed.toStdString();
    }
    // A text without a leading number counts as 0.
    Type(v.Text1, QStringLiteral("abc"));
    PressEnter(v.Text1);
    EXPECT_EQ(v.Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(v.Picture2->image(), profiles);
}

TEST_F(ResultViewer, TypedHeightsSelectHalfTheirValueHalvesToEven) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    const struct {
        const char* typed;
        int row;
    } cases[] = {{"201", 100}, {"203", 102}, {"  150.2 px", 75}, {"400", 200}};
    for (const auto& c : cases) {
        Type(v.Text1, QString::fromLatin1(c.typed));
        PressEnter(v.Text1);
        EXPECT_EQ(ProfiledPeakRow(), c.row) << c.typed;
        EXPECT_EQ(v.Text2->text().toDouble(), v.Line1->y1()) << c.typed;
    }
    EXPECT_EQ(v.Text2->text(), QStringLiteral("400"));

    // y = 1 names row 0, which holds no data: no curve below the top edge, where the other rows run
    // along the bottom between their peaks.
    ASSERT_FALSE(NoProfileBelowTheTopEdge());
    Type(v.Text1, QStringLiteral("1"));
    PressEnter(v.Text1);
    EXPECT_EQ(v.Line1->y1(), 1);
    EXPECT_EQ(v.Text2->text(), QStringLiteral("1"));
    EXPECT_TRUE(NoProfileBelowTheTopEdge());
}

TEST_F(ResultViewer, TheMouseMovesTheCursorAndAClickSelectsItsRow) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    MoveMouse(203);
    EXPECT_EQ(v.Text1->text(), QStringLiteral("203"));
    EXPECT_EQ(v.Line1->y1(), 203);
    EXPECT_EQ(v.Text2->text(), QStringLiteral("200")) << "moving alone selects nothing";
    EXPECT_EQ(ProfiledPeakRow(), 100);
    ClickImageArea(203);
    EXPECT_EQ(v.Text2->text(), QStringLiteral("203"));
    EXPECT_EQ(ProfiledPeakRow(), 102);

    // Below the images' last pixel row a click names no row.
    const QImage profiles = v.Picture2->image();
    MoveMouse(402);
    ClickImageArea(402);
    EXPECT_EQ(v.Text1->text(), QStringLiteral("402"));
    EXPECT_EQ(v.Text2->text(), QStringLiteral("203"));
    EXPECT_EQ(v.Picture2->image(), profiles);

    MoveMouse(0);
    ClickImageArea(0);
    EXPECT_EQ(v.Text2->text(), QStringLiteral("0"));
    EXPECT_TRUE(NoProfileBelowTheTopEdge());
}

TEST_F(ResultViewer, BeforeProfileTheMouseAndEnterDoNothing) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    MoveMouse(150);
    ClickImageArea(150);
    Type(v.Text1, QStringLiteral("150"));
    PressEnter(v.Text1);
    EXPECT_EQ(v.Text2->text(), QString());
    EXPECT_FALSE(v.Line1->isVisible());
    EXPECT_TRUE(AllOf(v.Picture2->image(), kLightYellow));
}

TEST_F(ResultViewer, OkAgainLeavesTheProfileMode) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    Press(v.Command14);
    EXPECT_EQ(v.ProfileMode, 0);
    EXPECT_FALSE(v.Line1->isVisible());
    EXPECT_EQ(v.Text1->text(), QString());
    EXPECT_EQ(v.Text2->text(), QString());
    EXPECT_TRUE(AllOf(v.Picture2->image(), kLightYellow));
}

TEST_F(ResultViewer, ResetClearsTheWindowAndKeepsTheChoiceAndTheData) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    Press(v.Command5);
    ASSERT_TRUE(v.form6().isVisible());
    const double grey = module_->ImageData[2][50][60];

    Press(v.Command1);
    EXPECT_TRUE(AllOf(v.Picture1->image(), kBlack));
    EXPECT_TRUE(AllOf(v.Picture2->image(), kLightYellow));
    EXPECT_TRUE(AllOf(v.Picture4->image(), kLightYellow));
    EXPECT_FALSE(v.Line1->isVisible());
    EXPECT_FALSE(v.Command14->isEnabled());
    EXPECT_FALSE(v.Command4->isEnabled());
    EXPECT_FALSE(v.Command5->isEnabled());
    EXPECT_EQ(v.Text1->text(), QString());
    EXPECT_EQ(v.Text2->text(), QString());
    EXPECT_EQ(v.ProfileMode, 0);
    EXPECT_FALSE(v.form6().isVisible());
    EXPECT_EQ(v.File1->file_name(), QStringLiteral("small.data"));
    EXPECT_EQ(module_->ImageData[2][50][60], grey);

    // The file still chosen can be picked again to load it.
    ChooseFile(QStringLiteral("small.data"));
    EXPECT_TRUE(v.Command14->isEnabled());
    EXPECT_FALSE(AllOf(v.Picture4->image(), kLightYellow));
}

TEST_F(ResultViewer, ReopeningClearsThePicturesButKeepsTheProfileMode) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command4);
    OpenViewer();
    EXPECT_TRUE(AllOf(v.Picture1->image(), kBlack));
    EXPECT_TRUE(AllOf(v.Picture2->image(), kLightYellow));
    EXPECT_TRUE(AllOf(v.Picture4->image(), kLightYellow));
    EXPECT_FALSE(v.Line1->isVisible());
    EXPECT_FALSE(v.Command4->isEnabled());
    EXPECT_EQ(v.Text1->text(), QString());
    EXPECT_EQ(v.ProfileMode, 1);

    // The data loaded before still answer the mouse.
    MoveMouse(201);
    EXPECT_EQ(v.Text1->text(), QStringLiteral("201"));
    ClickImageArea(201);
    EXPECT_EQ(v.Text2->text(), QStringLiteral("201"));
    EXPECT_EQ(ProfiledPeakRow(), 100);
}

TEST_F(ResultViewer, TheCloseButtonHidesTheViewerAndTheSpectraView) {
    Load(QStringLiteral("small.data"));
    frontend::Form1& v = viewer();
    Press(v.Command5);
    ASSERT_TRUE(v.form6().isVisible());
    Press(v.Command6);
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(v.form6().isVisible());
}

// Files that are not whole result files: each is refused with a warning naming it and the line, and the
// data and pictures of the file loaded before stay.
struct BadCase {
    const char* name;
    int line;
    bool description_readable;  // so "OK" can be pressed
};

class BadResultFiles : public ResultViewer, public testing::WithParamInterface<BadCase> {
  protected:
    void SetUp() override {
        ResultViewer::SetUp();
        const std::string good = ResultFileBytes(*SmallResult());
        auto lines_of = [&](int count) {
            std::size_t at = 0;
            for (int n = 0; n < count; ++n) at = good.find("\r\n", at) + 2;
            return good.substr(0, at);
        };
        WriteFile("short.data", lines_of(2500));
        std::string letter = good;
        const std::size_t line_500 = lines_of(499).size();
        letter.replace(line_500 + 11 * 6, 11, "  .5I00E+03");
        WriteFile("letter.data", letter);
        WriteFile("conditions.data", "01\r\n20.0\r\n34.0\r\n00\r\n1.00E+06\r\nreal.data\r\n");
        WriteFile("picture.data", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        v().File1->refresh();
    }
    frontend::Form1& v() { return viewer(); }
};

TEST_P(BadResultFiles, AreRefusedNamingTheLineAndThePreviousDataStay) {
    Load(QStringLiteral("small.data"));
    Press(v().Command4);
    const auto data = std::make_unique<frontend::ImageArray>(module_->ImageData);
    const QImage images = v().Picture1->image();
    const QImage profiles = v().Picture2->image();

    const QString name = QString::fromLatin1(GetParam().name);
    ChooseFile(name);
    if (GetParam().description_readable) {
        EXPECT_TRUE(Messages().empty());
        Press(v().Command14);
    } else {
        EXPECT_FALSE(v().Command14->isEnabled()) << "nothing to load";
    }
    ASSERT_EQ(Messages().size(), 1u);
    const QString message = Messages()[0];
    EXPECT_TRUE(message.contains(name)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("%1 行目").arg(GetParam().line))) << message.toStdString();

    EXPECT_TRUE(*data == module_->ImageData);
    EXPECT_EQ(v().Picture1->image(), images);
    EXPECT_EQ(v().Picture2->image(), profiles);
    EXPECT_EQ(v().ProfileMode, 1);
    // The profiles still come from the data shown.
    Type(v().Text1, QStringLiteral("203"));
    PressEnter(v().Text1);
    EXPECT_EQ(ProfiledPeakRow(), 102);
}

INSTANTIATE_TEST_SUITE_P(Viewer, BadResultFiles,
                         testing::Values(BadCase{"short.data", 2501, true}, BadCase{"letter.data", 500, true},
                                         BadCase{"conditions.data", 7, false},
                                         BadCase{"picture.data", 4, false}),
                         [](const testing::TestParamInfo<BadCase>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(ResultViewer, NoFluenceInTheCentralPartGivesWhiteImagesAndFlatProfiles) {
    auto edges = std::make_unique<frontend::ResultTallies>();
    edges->image[1][3][100] = 40;  // a few photons in the edge, none in the central part
    edges->image[2][199][7] = 12;
    WriteResult("empty.data", *edges);
    frontend::Form1& v = viewer();
    v.File1->refresh();
    Load(QStringLiteral("empty.data"));
    EXPECT_TRUE(Messages().empty());
    for (int k = 1; k <= 3; ++k)
        for (int j = 1; j <= frontend::kPixels; j += 7)
            for (int i = 1; i <= frontend::kPixels; i += 3) ASSERT_EQ(DrawnGrey(k, i, j), 255) << k << i << j;
    EXPECT_EQ(DrawnGrey(1, 3, 100), 255);

    Press(v.Command4);
    // Every profile at the height 1, just above the bottom edge.
    const QImage& profiles = v.Picture2->image();
    for (int y = 0; y < profiles.height() - 6; ++y)
        for (int x = 0; x < profiles.width(); ++x)
            ASSERT_NE(profiles.pixelColor(x, y), QColor(255, 0, 0)) << x << ", " << y;
    EXPECT_EQ(profiles.pixelColor(300, profiles.height() - 2), QColor(255, 0, 0));
}

}  // namespace
}  // namespace viewer_test
