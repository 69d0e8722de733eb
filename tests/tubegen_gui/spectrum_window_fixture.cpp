#include "spectrum_window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <sstream>

#include "platform/controls.h"
#include "platform/cp932.h"
#include "platform/picture.h"
#include "tubegen/form1.h"

namespace tubegen_gui {

void SpectrumWindowTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    const QDir data(QStringLiteral(SHADOWBENCH_DATA));
    for (const QString& name : data.entryList({"Mus-shadowbench.dat", "*.ele", "*.mix"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(data.filePath(name), dir_.filePath(name))) << name.toStdString();
    previous_dir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    QCoreApplication::setApplicationName(QStringLiteral("tubegen"));
    messages_ = std::make_unique<platform::MessageCapture>();
    form_ = std::make_unique<tubegen::Form2>(module_);
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

void SpectrumWindowTest::TearDown() {
    form_.reset();
    messages_.reset();
    QDir::setCurrent(previous_dir_);
}

void SpectrumWindowTest::Press(QWidget* button) {
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void SpectrumWindowTest::Type(QWidget* box, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // One key event per character, carrying its text, as a keyboard or an input method delivers it; QTest's
    // own typing knows only ASCII.
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_unknown,
                        Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

void SpectrumWindowTest::MoveMouse(double x, double y) {
    platform::Picture* picture = form_->Picture3;
    const QPointF at = picture->to_widget(QPointF(x, y));
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
}

void SpectrumWindowTest::PressKey(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : form_.get(), key);
}

std::vector<std::string> SpectrumWindowTest::SpectrumFileLines() const {
    std::ifstream in(dir_.filePath(QStringLiteral("B_tubegen.dat")).toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::vector<std::string> lines;
    std::string all = bytes.str();
    for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(platform::from_cp932(all.substr(start, end - start)));
        start = end + 2;
    }
    return lines;
}

bool SpectrumWindowTest::SpectrumFileExists() const {
    return QFile::exists(dir_.filePath(QStringLiteral("B_tubegen.dat")));
}

QColor SpectrumWindowTest::PlotPixel(double x, double y) const {
    const QPointF p = form_->Picture3->to_pixels(QPointF(x, y));
    return form_->Picture3->image().pixelColor(p.toPoint());
}

int SpectrumWindowTest::CountPlotPixels(const QColor& color) const {
    const QImage& image = form_->Picture3->image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == color;
    return n;
}

int SpectrumWindowTest::TopmostPlotRow(const QColor& color) const {
    const QImage& image = form_->Picture3->image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) return y;
    return -1;
}

void SpectrumWindowTest::AddFilter(const QString& file, const QString& thickness_mm) {
    Press(form_->Command4);
    tubegen::Form1* picker = form_->picker();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->isVisible());
    const QList<QListWidgetItem*> items = picker->File1->findItems(file, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << file.toStdString();
    picker->File1->scrollToItem(items.front());
    QTest::mouseClick(picker->File1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      picker->File1->visualItemRect(items.front()).center());
    Type(picker->Text2, thickness_mm);
    Press(picker->Command1);
}

}  // namespace tubegen_gui
