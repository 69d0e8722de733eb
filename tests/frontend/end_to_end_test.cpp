// A whole exercise without a display: in a working directory laid out like the run directory, the spectrum
// step, the phantom settings and "Go" through the real controls; the engine build the run start chose runs
// in the (stand-in) terminal with its two Enter prompts answered and writes its result file.
#include <QPushButton>
#include <QRadioButton>

#include "frontend/form3.h"
#include "frontend/form5.h"
#include "platform/controls.h"
#include "frontend_fixture.h"

namespace frontend_test {
namespace {

namespace fs = std::filesystem;

class EndToEnd : public FrontEndTest, public testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        const fs::path run = SHADOWBENCH_RUN_DIR;
        for (const auto& entry : fs::directory_iterator(run)) {
            const std::string ext = entry.path().extension().string();
            const std::string name = entry.path().filename().string();
            if (ext == ".mix" || ext == ".ele" || ext == ".xfs" || name == "Mus-shadowbench.dat")
                fs::copy_file(entry.path(), work() / name, fs::copy_options::overwrite_existing);
        }
        for (const char* engine : {"voxtrace_nogrid", "voxtrace_grid"})
            fs::copy_file(run / engine, work() / engine, fs::copy_options::overwrite_existing);
        // The spectrum generator's part: its default spectrum, computed by the batch tool.
        write_script(work() / "tubegen",
                     "'" + (run / "shadowbench-batch").string() + "' spectrum > spectrum.txt\necho done > tubegen.done");
    }
};

TEST_P(EndToEnd, GoRunsTheChosenEngineBuildToItsResultFile) {
    const bool grid = GetParam();
    const std::string engine = grid ? "voxtrace_grid" : "voxtrace_nogrid";
    Press(form_->Command1);
    ASSERT_EQ(wait_for_lines(work() / "tubegen.done", 1, 60).size(), 1u);
    ASSERT_TRUE(fs::exists(work() / "B_tubegen.dat"));

    Press(form_->Command2);
    frontend::Form3& phantom = form_->form3();
    Press(grid ? phantom.Option8 : phantom.Option7);
    Press(phantom.Command1);
    frontend::Form5& run = form_->form5();
    Type(run.Text1, QStringLiteral("e2e"));
    Type(run.Text2, QStringLiteral("2000"));
    Press(run.Command1);
    ASSERT_TRUE(Messages().empty()) << Messages()[0].toStdString();
    EXPECT_EQ(PhantomDat(), std::string("01\r\n20.0\r\n34.0\r\n") + (grid ? "01" : "00") + "\r\n2.00E+03\r\ne2e.data\r\n");

    const std::vector<std::string> result = wait_for_lines(work() / "e2e.data", 4313, 240);
    EXPECT_EQ(result.size(), 4313u);
    EXPECT_EQ(wait_for_lines(work() / "terminal.txt", 1), std::vector<std::string>{(work() / engine).string()});
    // The run went on to its closing line and past its last prompt (the console shows UTF-8 here).
    EXPECT_TRUE(wait_for_text(work() / "console.txt", "シミュレーションが終了しました"));
    EXPECT_TRUE(wait_for_text(work() / "console.txt", "Stop - Program terminated.")) << read_bytes(work() / "console.txt");
}

INSTANTIATE_TEST_SUITE_P(Builds, EndToEnd, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "grid" : "nogrid"; });

}  // namespace
}  // namespace frontend_test
