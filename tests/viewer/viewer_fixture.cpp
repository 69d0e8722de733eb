#include "viewer_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "platform/controls.h"
#include "platform/picture.h"

namespace viewer_test {

void ViewerTest::SetUp() {
    previous_dir_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    messages_ = std::make_unique<platform::MessageCapture>();
    module_ = std::make_unique<frontend::Module1>();
    form_ = std::make_unique<frontend::Form2>(*module_);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

void ViewerTest::TearDown() {
    form_.reset();
    messages_.reset();
    std::filesystem::current_path(previous_dir_);
}

void ViewerTest::WriteResult(const std::string& name, const frontend::ResultTallies& tallies) {
    dir_.write(name, ResultFileBytes(tallies));
}

void ViewerTest::OpenViewer() {
    Press(form_->Command4);
    ASSERT_TRUE(viewer().isVisible());
}

void ViewerTest::ChooseFile(const QString& name) {
    frontend::Form1& v = viewer();
    const QList<QListWidgetItem*> found = v.File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString() << " is listed";
    v.File1->scrollToItem(found.front());
    QTest::mouseClick(v.File1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      v.File1->visualItemRect(found.front()).center());
}

void ViewerTest::Load(const QString& name) {
    ChooseFile(name);
    Press(viewer().Command14);
}

void ViewerTest::Press(QWidget* button) {
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void ViewerTest::Type(QWidget* box, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void ViewerTest::PressEnter(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Return);
}

void ViewerTest::MoveMouse(double y) {
    platform::Picture* picture = viewer().Picture1;
    const QPointF at = picture->to_widget(QPointF(300, y));
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
}

void ViewerTest::ClickImageArea(double y) {
    platform::Picture* picture = viewer().Picture1;
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->to_widget(QPointF(300, y)).toPoint());
}

int ViewerTest::DrawnGrey(int k, int i, int j) const {
    const QImage& image = form_->form1().Picture1->image();
    const int left = 400 * (k - 1) + 2 * i - 1, top = 2 * j - 1;
    const QColor c = image.pixelColor(left, top);
    for (int dx = 0; dx < 2; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            if (image.pixelColor(left + dx, top + dy) != c) return -1;
    if (c.red() != c.green() || c.red() != c.blue()) return -1;
    return c.red();
}

int ViewerTest::ProfiledPeakRow() const {
    const QImage& image = form_->form1().Picture2->image();
    const QColor red(255, 0, 0);
    int sum = 0, count = 0;
    for (int x = 0; x < 400; ++x)
        if (image.pixelColor(x, 0) == red) {
            sum += x;
            ++count;
        }
    if (count == 0) return -1;
    // The peak of row r stands at x = 2r − 1.
    return static_cast<int>(std::lround((static_cast<double>(sum) / count + 1) / 2));
}

bool ViewerTest::NoProfileBelowTheTopEdge() const {
    const QImage& image = form_->form1().Picture2->image();
    const QColor red(255, 0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == red) return false;
    return true;
}

std::unique_ptr<frontend::ResultTallies> SmallResult() {
    auto t = std::make_unique<frontend::ResultTallies>();
    for (int r = 1; r <= frontend::kPixels; ++r) t->image[1][r][r] = 510;
    t->image[1][5][150] = 2000;
    t->image[2][50][60] = 253;
    t->image[1][30][40] = 100;
    t->image[2][31][40] = 100;
    return t;
}

}  // namespace viewer_test
