// The batch tool against the windowed programs on the offscreen platform, pressed through their real
// controls: the same run-conditions file as "Go", the same pictures as the result viewer and the spectra
// view, and one whole exercise giving the same spectrum, run-conditions and result files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <memory>

#include "batch_tool.h"
#include "frontend/form1.h"
#include "frontend/form2.h"
#include "frontend/form3.h"
#include "frontend/form5.h"
#include "frontend/form6.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/picture.h"
#include "scratch.h"
#include "tubegen/form2.h"
#include "tubegen/module1.h"

namespace batch_test {
namespace {

namespace fs = std::filesystem;

// Two working directories laid out like the run directory: one where the windows work, one for the batch
// tool. The front-end's programs are looked up in the first; a stand-in terminal runs console programs
// there with their Enter prompts answered.
class WindowsTest : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(windows());
        fs::create_directories(batch());
        fs::create_directories(dir_ / "bin");
        CopyRunData(windows(), true);
        CopyRunData(batch(), true);
        frontend_test::write_answering_terminal(dir_ / "bin" / "x-terminal-emulator");
        // The spectrum step of the main window starts tubegen; here its window runs in this process.
        frontend_test::write_recording_program(windows() / "tubegen");
        cd_ = std::make_unique<frontend_test::CurrentDir>(windows());
        path_ = std::make_unique<frontend_test::PathVariable>((dir_ / "bin").string() + ":/usr/bin:/bin");
        messages_ = std::make_unique<platform::MessageCapture>();
        QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
        main_ = std::make_unique<frontend::Form2>(module_);
        main_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    }

    void TearDown() override {
        main_.reset();
        messages_.reset();
        path_.reset();
        cd_.reset();
    }

    fs::path windows() const { return dir_ / "windows"; }
    fs::path batch() const { return dir_ / "batch"; }

    static void Press(QWidget* control) {
        ASSERT_TRUE(control->isEnabled());
        ASSERT_TRUE(control->isVisible());
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(8, control->height() / 2));
    }

    // Replaces a box's text by typing it, one key event a character as a keyboard or an input method sends.
    static void Type(QWidget* box, const QString& text) {
        auto* edit = static_cast<QLineEdit*>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (char32_t code : text.toStdU32String()) {
            const QString c = QString::fromUcs4(&code, 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, c);
            QApplication::sendEvent(edit, &press);
            QApplication::sendEvent(edit, &release);
        }
    }

    // The main window's first two steps and the phantom settings' "OK": phantom option 1-3, the thickness
    // (typed only when given), field option 4-6, grid.
    void SetPhantom(int phantom, const QString& thickness, int field, bool grid) {
        Press(main_->Command1);
        ASSERT_FALSE(frontend_test::wait_for_lines(windows() / "started.txt", 1).empty());
        Press(main_->Command2);
        frontend::Form3& f = main_->form3();
        QRadioButton* phantoms[] = {f.Option1, f.Option2, f.Option3};
        QRadioButton* fields[] = {f.Option4, f.Option5, f.Option6};
        Press(phantoms[phantom - 1]);
        if (!thickness.isEmpty()) Type(f.Text1, thickness);
        Press(fields[field - 4]);
        Press(grid ? f.Option8 : f.Option7);
        Press(f.Command1);
    }

    // The run start's fields (the history count typed only when given) and "Go".
    void Go(const QString& name, const QString& histories) {
        frontend::Form5& run = main_->form5();
        ASSERT_TRUE(run.isVisible());
        Type(run.Text1, name);
        if (!histories.isEmpty()) Type(run.Text2, histories);
        Press(run.Command1);
        ASSERT_TRUE(messages_->texts().empty()) << messages_->texts().front().toStdString();
    }

    // The main window's "シミュレーション結果表示", a click on the file in the list, "OK".
    frontend::Form1& LoadInViewer(const QString& name) {
        Press(main_->Command4);
        frontend::Form1& viewer = main_->form1();
        const QList<QListWidgetItem*> found = viewer.File1->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString() << " is listed";
        if (found.size() == 1) {
            viewer.File1->scrollToItem(found.front());
            QTest::mouseClick(viewer.File1->viewport(), Qt::LeftButton, Qt::NoModifier,
                              viewer.File1->visualItemRect(found.front()).center());
            Press(viewer.Command14);
        }
        EXPECT_TRUE(messages_->texts().empty());
        return viewer;
    }

    // What a picture area shows inside its border: its drawing and the line objects over it.
    static QImage Shown(platform::Picture* picture) {
        QApplication::processEvents();
        const QSize client = picture->image().size();
        const int border = (picture->width() - client.width()) / 2;
        return picture->grab(QRect(QPoint(border, border), client))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // How many pixels of a picture the batch tool wrote differ from what a window shows; -1 when the
    // sizes differ or the file cannot be read.
    static int DifferingPixels(const fs::path& png, const QImage& shown) {
        const QImage written =
            QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32);
        if (written.isNull() || written.size() != shown.size()) return -1;
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) differing += written.pixel(x, y) != shown.pixel(x, y);
        return differing;
    }

    frontend_test::ScratchDir dir_;
    std::unique_ptr<frontend_test::CurrentDir> cd_;
    std::unique_ptr<frontend_test::PathVariable> path_;
    std::unique_ptr<platform::MessageCapture> messages_;
    frontend::Module1 module_;
    std::unique_ptr<frontend::Form2> main_;
};

TEST_F(WindowsTest, RunWritesTheRunConditionsThatGoWrites) {
    // The engine builds only note their start here.
    for (const char* engine : {"voxtrace_nogrid", "voxtrace_grid"})
        for (const fs::path& dir : {windows(), batch()}) frontend_test::write_recording_program(dir / engine);
    struct Case {
        int phantom;
        QString thickness;
        int field;
        bool grid;
        QString name, histories;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {1,
         "15",
         5,
         false,
         "water15",
         "123456789",
         {"--thickness", "15", "--field", "20", "--histories", "123456789", "--name", "water15"}},
        {2, "", 6, true, "骨と肺", "", {"--phantom", "2", "--grid", "1", "--name", "骨と肺"}},
        {3, "", 4, false, "chest", "2000", {"--phantom", "3", "--histories", "2000", "--name", "chest"}},
        {1,
         "1",
         4,
         true,
         "thin",
         "1e6",
         {"--thickness", "1", "--field", "10", "--grid", "1", "--histories", "1e6", "--name", "thin"}},
    };
    for (const Case& c : cases) {
        SetPhantom(c.phantom, c.thickness, c.field, c.grid);
        Go(c.name, c.histories);
        const std::string go = frontend_test::read_bytes(windows() / "Phantom.dat");

        std::vector<std::string> args = {"run"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        RunBatch(batch(), args);
        EXPECT_EQ(frontend_test::read_bytes(batch() / "Phantom.dat"), go) << c.name.toStdString();
        fs::remove(windows() / "started.txt");
    }
}

TEST_F(WindowsTest, RenderDrawsWhatTheViewerAndTheSpectraViewShow) {
    std::ofstream(windows() / "known.data", std::ios::binary) << KnownResultFile();
    const Outcome o = RunBatch(windows(), {"render", "known.data", "--out", "pictures", "--row", "57"});
    ASSERT_EQ(o.status, 0) << o.err;

    frontend::Form1& viewer = LoadInViewer(QStringLiteral("known.data"));
    EXPECT_EQ(DifferingPixels(windows() / "pictures/known_images.png", Shown(viewer.Picture1)), 0);
    // Row 57 through the typed height 114.
    Press(viewer.Command4);
    Type(viewer.Text1, QStringLiteral("114"));
    QTest::keyClick(viewer.Text1, Qt::Key_Return);
    EXPECT_EQ(DifferingPixels(windows() / "pictures/known_profiles_row57.png", Shown(viewer.Picture2)), 0);
    Press(viewer.Command5);
    frontend::Form6& spectra = viewer.form6();
    EXPECT_EQ(DifferingPixels(windows() / "pictures/known_spectra_incident.png", Shown(spectra.Picture1)), 0);
    EXPECT_EQ(DifferingPixels(windows() / "pictures/known_spectra_exit.png", Shown(spectra.Picture2)), 0);
}

TEST_F(WindowsTest, AWholeExerciseThroughTheWindowsGivesTheBatchToolsFiles) {
    // The spectrum window: 80 kV and 1 mm of aluminium, "スペクトル計算・表示".
    {
        tubegen::Module1 module;
        QCoreApplication::setApplicationName(QStringLiteral("tubegen"));
        tubegen::Form2 spectrum(module);
        spectrum.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&spectrum));
        Type(spectrum.Text1, QStringLiteral("80"));
        Type(spectrum.Text3, QStringLiteral("1"));
        Press(spectrum.Command1);
        QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    }
    ASSERT_TRUE(fs::exists(windows() / "B_tubegen.dat"));
    // The bone-lung phantom with the grid, "Go" with 20000 histories: the grid build runs in the terminal.
    SetPhantom(2, "", 6, true);
    Go(QStringLiteral("e2e"), QStringLiteral("20000"));
    ASSERT_EQ(frontend_test::wait_for_lines(windows() / "e2e.data", 4313, 120).size(), 4313u);
    EXPECT_EQ(frontend_test::wait_for_lines(windows() / "terminal.txt", 1),
              std::vector<std::string>{(windows() / "voxtrace_grid").string()});
    frontend::Form1& viewer = LoadInViewer(QStringLiteral("e2e.data"));

    const Outcome o = RunBatch(batch(), {"exercise", "--kv", "80", "--al", "1", "--phantom", "2", "--grid",
                                         "1", "--histories", "20000", "--name", "e2e"});
    ASSERT_EQ(o.status, 0) << o.err;
    for (const char* file : {"B_tubegen.dat", "Phantom.dat", "e2e.data"}) {
        const std::string bytes = frontend_test::read_bytes(batch() / file);
        EXPECT_FALSE(bytes.empty()) << file;
        EXPECT_TRUE(bytes == frontend_test::read_bytes(windows() / file)) << file << " differs";
    }
    EXPECT_EQ(DifferingPixels(batch() / Value(o.out, "images_png"), Shown(viewer.Picture1)), 0);
}

}  // namespace
}  // namespace batch_test
