// The source viewer: numbered lines of either build's source text.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <fstream>

#include "frontend/form7.h"
#include "frontend_fixture.h"
#include "platform/cp932.h"

namespace frontend_test {
namespace {

class SourceViewer : public FrontEndTest {
  protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        Press(form_->Command5);
    }
    frontend::Form7& f() { return form_->form7(); }
    QStringList Items() const {
        QStringList items;
        for (int i = 0; i < form_->form7().List1->count(); ++i) items << form_->form7().List1->item(i)->text();
        return items;
    }
};

TEST_F(SourceViewer, ListsTheChosenBuildsSourceOnceWithItsNumbers) {
    EXPECT_EQ(f().windowTitle(), QStringLiteral(" モンテカルロシミュレーション　ソースコード"));
    EXPECT_TRUE(f().Option1->isChecked());
    EXPECT_EQ(f().Label1->text(), "voxtrace_nogrid.txt");
    EXPECT_EQ(f().Label2->text(), "voxtrace_grid.txt");
    for (int press = 0; press < 2; ++press) {
        Press(f().Command1);
        const QStringList items = Items();
        ASSERT_FALSE(items.isEmpty());
        EXPECT_EQ(items.size(), static_cast<qsizetype>(wait_for_lines(work() / "voxtrace_nogrid.txt", 0).size()));
        EXPECT_EQ(items[1], QStringLiteral("0002|// engine/main.cpp"));
    }
    // The grid build's text differs where the switch chose.
    Press(f().Option2);
    Press(f().Command1);
    EXPECT_TRUE(Items().contains(QRegularExpression(QStringLiteral("^\\d{4}\\|    grid::enter_grid\\(\\);$"))));
    EXPECT_FALSE(Items().contains(QRegularExpression(QStringLiteral("^\\d{4}\\|    tallies::score_at_detector\\(\\);$"))));
}

TEST_F(SourceViewer, NumbersTenThousandLinesWithFiveDigitsAtTheEnd) {
    std::ofstream out(work() / "voxtrace_nogrid.txt", std::ios::binary);
    for (int i = 1; i <= 10000; ++i) out << platform::to_cp932(i == 1 ? "// 先頭" : "x = " + std::to_string(i) + ";") << "\r\n";
    out.close();
    Press(f().Command1);
    const QStringList items = Items();
    ASSERT_EQ(items.size(), 10000);
    EXPECT_EQ(items[0], QStringLiteral("0001|// 先頭"));
    EXPECT_EQ(items[9998], QStringLiteral("9999|x = 9999;"));
    EXPECT_EQ(items[9999], QStringLiteral("10000|x = 10000;"));
}

TEST_F(SourceViewer, AnEmptyFileGivesAnEmptyListAndAMissingOneAMessage) {
    Press(f().Command1);
    ASSERT_FALSE(Items().isEmpty());
    std::ofstream(work() / "voxtrace_nogrid.txt", std::ios::binary).close();
    Press(f().Command1);
    EXPECT_TRUE(Items().isEmpty());
    EXPECT_TRUE(Messages().empty());

    std::filesystem::remove(work() / "voxtrace_grid.txt");
    Press(f().Option2);
    Press(f().Command1);
    EXPECT_TRUE(Items().isEmpty());
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("ソースファイル voxtrace_grid.txt が見つかりません")});
}

TEST_F(SourceViewer, CloseKeepsTheListUntilTheMainWindowOpensItAgain) {
    Press(f().Option2);
    Press(f().Command1);
    const QStringList listed = Items();
    Press(f().Command2);
    EXPECT_FALSE(f().isVisible());
    EXPECT_EQ(Items(), listed);
    Press(form_->Command5);
    EXPECT_TRUE(f().isVisible());
    EXPECT_TRUE(f().Option1->isChecked());
    EXPECT_TRUE(Items().isEmpty());
}

}  // namespace
}  // namespace frontend_test
