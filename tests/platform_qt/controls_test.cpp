#include "platform/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FileListTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"Water.mix", "13_Al.ele", "B.MIX", "notes.txt", "mix", "a.ele.bak"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ele")));
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QTemporaryDir dir;
    QString previous;
};

TEST_F(FileListTest, ListsTheMatchingFilesOfTheCurrentDirectoryByName) {
    platform::FileList list;
    list.set_pattern(QStringLiteral("*.ele;*.mix"));
    EXPECT_EQ(list.names(), (QStringList{"13_Al.ele", "B.MIX", "Water.mix"}));
    EXPECT_EQ(list.file_name(), QString());
}

TEST_F(FileListTest, SelectingReportsAClickAndRefreshKeepsTheSelection) {
    platform::FileList list;
    list.set_pattern(QStringLiteral("*.ele;*.mix"));
    QSignalSpy clicked(&list, &platform::FileList::clicked);
    list.select(QStringLiteral("Water.mix"));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(list.file_name(), QStringLiteral("Water.mix"));

    QFile added(dir.filePath(QStringLiteral("0_First.ele")));
    ASSERT_TRUE(added.open(QIODevice::WriteOnly));
    list.refresh();
    EXPECT_EQ(list.names().front(), QStringLiteral("0_First.ele"));
    EXPECT_EQ(list.file_name(), QStringLiteral("Water.mix"));
    EXPECT_EQ(clicked.count(), 1);  // a refresh is no click
}

TEST_F(FileListTest, FocusWithoutSelectionIsNoClick) {
    QWidget window;
    platform::FileList list(&window);
    list.set_pattern(QStringLiteral("*.ele;*.mix"));
    window.show();
    QApplication::setActiveWindow(&window);
    QSignalSpy clicked(&list, &platform::FileList::clicked);
    list.setFocus();  // makes the first row current, selecting nothing
    QApplication::processEvents();
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(list.file_name(), QString());
}

TEST(TextBoxTest, ReportsKeysAndStillTakesThem) {
    platform::TextBox box;
    QSignalSpy keys(&box, &platform::TextBox::key_down);
    QTest::keyClicks(&box, QStringLiteral("1.5"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.text(), QStringLiteral("1.5"));
    ASSERT_EQ(keys.count(), 4);
    EXPECT_EQ(keys.at(3).at(0).toInt(), static_cast<int>(Qt::Key_Return));
}

TEST(KeyPreviewTest, TheWindowSeesEachKeyOnceBeforeTheControl) {
    QWidget window;
    platform::TextBox box(&window);
    platform::KeyPreview preview(&window);
    window.show();
    box.setFocus();
    QApplication::setActiveWindow(&window);
    QSignalSpy window_keys(&preview, &platform::KeyPreview::key_down);
    QSignalSpy box_keys(&box, &platform::TextBox::key_down);
    QTest::keyClick(&box, Qt::Key_Right);  // the line edit ignores it at the end of its text
    QTest::keyClick(&box, Qt::Key_A);
    ASSERT_EQ(window_keys.count(), 2);
    EXPECT_EQ(window_keys.at(0).at(0).toInt(), static_cast<int>(Qt::Key_Right));
    EXPECT_EQ(box_keys.count(), 2);
    EXPECT_EQ(box.text(), QStringLiteral("a"));
}

}  // namespace
