#include "frontend_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <chrono>
#include <thread>

#include "frontend/form3.h"
#include "platform/controls.h"

namespace frontend_test {
namespace fs = std::filesystem;

void FrontEndTest::SetUp() {
    fs::create_directories(work());
    fs::create_directories(dir_ / "bin");
    const fs::path run = SHADOWBENCH_RUN_DIR;
    for (const char* name : {"Phantom_Water.dat", "Phantom_Bone-Lung.dat", "Phantom_Chest.dat", "voxtrace_nogrid.txt",
                             "voxtrace_grid.txt"})
        fs::copy_file(run / name, work() / name);
    for (const char* name : {"tubegen", "voxtrace_nogrid", "voxtrace_grid"}) write_recording_program(work() / name);
    write_answering_terminal(dir_ / "bin" / "x-terminal-emulator");
    cd_ = std::make_unique<CurrentDir>(work());
    path_ = std::make_unique<PathVariable>((dir_ / "bin").string());

    QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    messages_ = std::make_unique<platform::MessageCapture>();
    module_ = std::make_unique<frontend::Module1>();
    form_ = std::make_unique<frontend::Form2>(*module_);
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

void FrontEndTest::TearDown() {
    form_.reset();
    messages_.reset();
    path_.reset();
    cd_.reset();
}

void FrontEndTest::Press(QWidget* control) {
    ASSERT_TRUE(control->isEnabled());
    ASSERT_TRUE(control->isVisible());
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(8, control->height() / 2));
}

void FrontEndTest::Type(QWidget* box, const QString& text) {
    auto* edit = static_cast<QLineEdit*>(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // One key event per character (a pair of surrogates together), carrying its text as a keyboard or an
    // input method delivers it.
    for (char32_t code : text.toStdU32String()) {
        const QString c = QString::fromUcs4(&code, 1);
        const int key = code >= U'0' && code <= U'9' ? Qt::Key_0 + static_cast<int>(code - U'0') : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, c);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

std::vector<std::string> FrontEndTest::Started(std::size_t at_least) const {
    std::vector<std::string> names;
    for (const std::string& line : wait_for_lines(work() / "started.txt", at_least, 10))
        names.push_back(line.substr(0, line.find(' ')));
    return names;
}

bool FrontEndTest::NothingStarted() const {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return !fs::exists(work() / "started.txt");
}

std::optional<std::string> FrontEndTest::PhantomDat() const {
    if (!fs::exists(work() / "Phantom.dat")) return std::nullopt;
    return read_bytes(work() / "Phantom.dat");
}

void FrontEndTest::AcceptPhantom(int phantom, const QString& thickness, int field, bool grid) {
    frontend::Form3& f = form_->form3();
    QRadioButton* phantoms[] = {f.Option1, f.Option2, f.Option3};
    QRadioButton* fields[] = {f.Option4, f.Option5, f.Option6};
    Press(phantoms[phantom - 1]);
    Type(f.Text1, thickness);
    Press(fields[field - 4]);
    Press(grid ? f.Option8 : f.Option7);
    Press(f.Command1);
}

}  // namespace frontend_test
