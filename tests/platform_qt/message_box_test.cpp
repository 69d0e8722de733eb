#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

class MessageBoxTest : public testing::Test {
  protected:
    void SetUp() override { QCoreApplication::setApplicationName(QStringLiteral("tubegen")); }
};

TEST_F(MessageBoxTest, CaptureRecordsTheBoxInsteadOfShowingIt) {
    platform::MessageCapture capture;
    platform::warning_box(nullptr, QStringLiteral("実測半価層を入力して下さい"));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].title, QStringLiteral("tubegen"));
    EXPECT_EQ(capture.messages()[0].text, QStringLiteral("実測半価層を入力して下さい"));
    EXPECT_EQ(capture.messages()[0].icon, platform::MessageIcon::Warning);
}

TEST_F(MessageBoxTest, WarningIsModalWithWarningIconOkAndTheProgramsTitle) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    int buttons = 0;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        modal = box->isModal();
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    platform::warning_box(nullptr, QStringLiteral("フィルター材質が未選択です。"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(title, QStringLiteral("tubegen"));
    EXPECT_EQ(text, QStringLiteral("フィルター材質が未選択です。"));
    EXPECT_EQ(buttons, 1);
}

TEST_F(MessageBoxTest, FailureIsReportedThenTheProgramEnds) {
    platform::MessageCapture capture;
    QWidget window;
    window.show();
    platform::fail_and_end(&window, QStringLiteral("Mus-shadowbench.dat: no such file"));
    ASSERT_EQ(capture.messages().size(), 1u);
    EXPECT_EQ(capture.messages()[0].icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
