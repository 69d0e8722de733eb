// Renders the spectrum window and the filter picker offscreen to PNG files, to be looked at beside their
// descriptions: each window in its start state, and after a computation with two overlaid curves and one
// filter. Usage: tubegen_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "platform/controls.h"
#include "platform/picture.h"
#include "tubegen/form1.h"
#include "tubegen/form2.h"

namespace {

bool Save(QWidget* window, const QDir& out, const char* name) {
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "tubegen_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void Type(QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(text));
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tubegen"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: tubegen_screenshots OUTPUT_DIR\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) return 1;
    out.setPath(out.absolutePath());

    // The window works in the current directory: give it one with the shipped data.
    QTemporaryDir work;
    const QDir data(QStringLiteral(SHADOWBENCH_DATA));
    for (const QString& name : data.entryList({"Mus-shadowbench.dat", "*.ele", "*.mix"}, QDir::Files))
        QFile::copy(data.filePath(name), work.filePath(name));
    QDir::setCurrent(work.path());

    tubegen::Module1 module;
    tubegen::Form2 form2(module);
    form2.show();
    bool ok = Save(&form2, out, "tubegen_form2_start.png");

    form2.Command4->click();
    tubegen::Form1* form1 = form2.picker();
    ok &= Save(form1, out, "tubegen_form1_start.png");
    form1->File1->select(QStringLiteral("13_Al.ele"));
    Type(form1->Text2, "1.5");
    ok &= Save(form1, out, "tubegen_form1_chosen.png");
    form1->Command1->click();

    form2.Command1->click();
    form2.Option2->click();  // BLUE
    Type(form2.Text1, "80");
    form2.Command1->click();
    // The read-out cursor on bin 100 (50 keV) of the blue curve.
    const QPointF at = form2.Picture3->to_widget(QPointF(2500, 1000));
    QMouseEvent move(QEvent::MouseMove, at, form2.Picture3->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form2.Picture3, &move);
    ok &= Save(&form2, out, "tubegen_form2_two_curves.png");
    return ok ? 0 : 1;
}
