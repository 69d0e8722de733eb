// The run start: "Go" writes "Phantom.dat" byte for byte and starts the engine build of the grid setting.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <fstream>

#include "frontend/form3.h"
#include "frontend/form5.h"
#include "platform/controls.h"
#include "frontend_fixture.h"

namespace frontend_test {
namespace {

class RunStart : public FrontEndTest {
  protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        Press(form_->Command1);
        Started(1);
        std::filesystem::remove(work() / "started.txt");
        Press(form_->Command2);
    }
    frontend::Form5& f() { return form_->form5(); }
    void Go(const QString& name, const QString& histories = QStringLiteral("100000000")) {
        Type(f().Text1, name);
        Type(f().Text2, histories);
        Press(f().Command1);
    }
};

TEST_F(RunStart, RefusesAnEmptyNameAndLeavesPhantomDatUntouched) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    ASSERT_EQ(f().windowTitle(), "Monte Carlo simulation");
    std::ofstream(work() / "Phantom.dat", std::ios::binary) << "earlier";
    Go(QString());
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("保存ファイル名を入力して下さい")});
    EXPECT_EQ(PhantomDat(), "earlier");
    EXPECT_TRUE(f().isVisible());
    EXPECT_TRUE(NothingStarted());
}

struct GoCase {
    const char* what;
    int phantom;
    const char* thickness;
    int field_option;
    bool grid;
    const char* histories;
    const char* name;
    const char* phantom_dat;
    const char* program;
};

class RunStartGo : public RunStart, public testing::WithParamInterface<GoCase> {};

TEST_P(RunStartGo, WritesTheSixLinesAndStartsTheMatchingBuild) {
    const GoCase& c = GetParam();
    AcceptPhantom(c.phantom, QString::fromUtf8(c.thickness), c.field_option, c.grid);
    Go(QString::fromUtf8(c.name), QString::fromUtf8(c.histories));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(PhantomDat(), c.phantom_dat);
    EXPECT_EQ(Started(1), std::vector<std::string>{c.program});
    // Started through the terminal, so its two prompts can be answered.
    EXPECT_EQ(wait_for_lines(work() / "terminal.txt", 1),
              std::vector<std::string>{(work() / c.program).string()});
    EXPECT_FALSE(f().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunStartGo,
    testing::Values(
        GoCase{"water_15cm_field20_no_grid", 1, "15", 5, false, "1000000", "name",
               "01\r\n15.0\r\n20.0\r\n00\r\n1.00E+06\r\nname.data\r\n", "voxtrace_nogrid"},
        GoCase{"bone_lung_grid_three_digits", 2, "", 4, true, "123456789", "run",
               "02\r\n20.0\r\n34.0\r\n01\r\n1.23E+08\r\nrun.data\r\n", "voxtrace_grid"},
        GoCase{"chest_histories_without_a_number", 3, "20", 6, false, "many", "chest",
               "03\r\n20.0\r\n36.0\r\n00\r\n0.00E+00\r\nchest.data\r\n", "voxtrace_nogrid"},
        GoCase{"the_default_count_and_a_japanese_name", 1, "5.5", 6, true, "100000000", "結果",
               "01\r\n05.5\r\n34.0\r\n01\r\n1.00E+08\r\n\x8C\x8B\x89\xCA.data\r\n", "voxtrace_grid"}),
    [](const testing::TestParamInfo<GoCase>& info) { return std::string(info.param.what); });

TEST_F(RunStart, ASecondPressWaitingAmongThePendingEventsStartsNoSecondRun) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    Type(f().Text1, QStringLiteral("run"));
    // A quick double click: the second press is queued when the first one's handler lets events run.
    const QPoint at(8, f().Command1->height() / 2);
    QCoreApplication::postEvent(f().Command1, new QMouseEvent(QEvent::MouseButtonPress, at, f().Command1->mapToGlobal(at),
                                                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(f().Command1, new QMouseEvent(QEvent::MouseButtonRelease, at,
                                                             f().Command1->mapToGlobal(at), Qt::LeftButton,
                                                             Qt::NoButton, Qt::NoModifier));
    Press(f().Command1);
    EXPECT_EQ(Started(1), std::vector<std::string>{"voxtrace_nogrid"});
    EXPECT_TRUE(wait_for_lines(work() / "started.txt", 2, 1).size() == 1) << "a second engine was started";
    EXPECT_TRUE(f().Command1->isEnabled());
}

TEST_F(RunStart, RefusesANameTheEngineCouldNotWriteItsResultUnder) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("../elsewhere"), QStringLiteral("保存ファイル名に使えない文字が含まれています")},
        {QString(26, QChar('a')), QStringLiteral("保存ファイル名が長すぎます（半角25文字、全角12文字まで）")},
        {QStringLiteral("😀"), QStringLiteral("保存ファイル名に使えない文字が含まれています")},
    };
    for (const auto& [name, message] : cases) {
        Go(name);
        EXPECT_EQ(Messages(), std::vector<QString>{message}) << name.toStdString();
        messages_->clear();
    }
    EXPECT_EQ(PhantomDat(), std::nullopt);
    EXPECT_TRUE(f().isVisible());
    EXPECT_TRUE(NothingStarted());
}

TEST_F(RunStart, DoesNotStartTheEngineWhenPhantomDatCannotBeWritten) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    std::filesystem::create_directory(work() / "Phantom.dat");
    Go(QStringLiteral("run"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].startsWith(QStringLiteral("Phantom.dat を書き込めません"))) << Messages()[0].toStdString();
    EXPECT_TRUE(f().isVisible());
    EXPECT_TRUE(NothingStarted());
}

TEST_F(RunStart, NamesAnEngineThatCannotBeFoundAndStaysOpen) {
    AcceptPhantom(1, QStringLiteral("20"), 6, true);
    std::filesystem::remove(work() / "voxtrace_grid");
    Go(QStringLiteral("run"));
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("プログラム voxtrace_grid が見つかりません")});
    EXPECT_TRUE(PhantomDat().has_value());
    EXPECT_TRUE(f().isVisible());
}

TEST_F(RunStart, RefusesAHistoryCountBeyondANumber) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    Go(QStringLiteral("run"), QStringLiteral("1e999"));
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("入射光子数が大きすぎます")});
    EXPECT_EQ(PhantomDat(), std::nullopt);
}

TEST_F(RunStart, CancelWritesAndStartsNothing) {
    AcceptPhantom(1, QStringLiteral("20"), 6, false);
    Type(f().Text1, QStringLiteral("run"));
    Press(f().Command2);
    EXPECT_FALSE(f().isVisible());
    EXPECT_EQ(PhantomDat(), std::nullopt);
    EXPECT_TRUE(NothingStarted());
}

}  // namespace
}  // namespace frontend_test
