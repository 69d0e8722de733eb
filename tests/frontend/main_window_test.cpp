// The main window: the steps unlock in order, the spectrum generator is started, the program ends.
#include <QApplication>
#include <QPushButton>

#include "frontend/form3.h"
#include "frontend/form5.h"
#include "frontend/form7.h"
#include "frontend_fixture.h"

namespace frontend_test {
namespace {

using MainWindow = FrontEndTest;

TEST_F(MainWindow, StartsWithOnlyTheFirstStepTheResultsTheSourceAndTheEnd) {
    EXPECT_EQ(form_->windowTitle(), " X-ray simulation   shadowbench  (Kestrel-3)");
    const std::pair<QPushButton*, bool> expected[] = {
        {form_->Command1, true},  {form_->Command2, false}, {form_->Command3, false},
        {form_->Command4, true},  {form_->Command5, true},  {form_->Command6, true},
    };
    for (const auto& [button, enabled] : expected) EXPECT_EQ(button->isEnabled(), enabled) << button->text().toStdString();
    EXPECT_EQ(QApplication::topLevelWidgets().size() > 0, true);
    EXPECT_FALSE(form_->form3().isVisible());
    EXPECT_FALSE(form_->form5().isVisible());
    EXPECT_FALSE(form_->form7().isVisible());
}

TEST_F(MainWindow, TheFirstStepStartsTheSpectrumGeneratorEachTimeAndUnlocksTheNext) {
    Press(form_->Command1);
    EXPECT_EQ(Started(1), std::vector<std::string>{"tubegen"});
    EXPECT_TRUE(form_->Command2->isEnabled());
    EXPECT_FALSE(form_->Command3->isEnabled());
    Press(form_->Command1);
    EXPECT_EQ(Started(2), (std::vector<std::string>{"tubegen", "tubegen"}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindow, ASpectrumGeneratorThatCannotBeFoundIsNamedAndTheNextStepStaysLocked) {
    std::filesystem::remove(work() / "tubegen");
    Press(form_->Command1);
    EXPECT_EQ(Messages(), std::vector<QString>{QStringLiteral("プログラム tubegen が見つかりません")});
    EXPECT_FALSE(form_->Command2->isEnabled());
}

TEST_F(MainWindow, TheEndButtonAndTheCloseBoxCloseEveryWindow) {
    Press(form_->Command1);
    Press(form_->Command2);
    Press(form_->Command5);
    ASSERT_TRUE(form_->form3().isVisible());
    Press(form_->Command6);
    for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible());

    form_->show();
    Press(form_->Command2);
    form_->close();
    for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace frontend_test
