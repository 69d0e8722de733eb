// Renders the front-end's windows offscreen to PNG files, to be looked at beside their descriptions: the
// main window at start and with every step unlocked, the phantom settings, the schematic, the run start
// and the source viewer with the no-grid build listed. Usage: frontend_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "frontend/form2.h"
#include "frontend/form3.h"
#include "frontend/form4.h"
#include "frontend/form5.h"
#include "frontend/form7.h"

namespace {

bool Save(QWidget* window, const QDir& out, const char* name) {
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "frontend_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: frontend_screenshots OUTPUT_DIR\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) return 1;
    out.setPath(out.absolutePath());

    // A working directory with the voxel maps and the source texts of the run directory.
    QTemporaryDir work;
    const QDir run(QStringLiteral(SHADOWBENCH_RUN_DIR));
    for (const QString& name : run.entryList({"Phantom_*.dat", "voxtrace_*.txt"}, QDir::Files))
        QFile::copy(run.filePath(name), work.filePath(name));
    QDir::setCurrent(work.path());

    auto module = std::make_unique<frontend::Module1>();
    frontend::Form2 form2(*module);
    form2.show();
    bool ok = Save(&form2, out, "frontend_form2_start.png");

    form2.Command2->setEnabled(true);
    form2.Command2->click();
    frontend::Form3& form3 = form2.form3();
    ok &= Save(&form3, out, "frontend_form3_defaults.png");
    form3.Command3->click();
    ok &= Save(&form3.form4(), out, "frontend_form4_schematic.png");
    form3.form4().Command1->click();

    form3.Command1->click();
    ok &= Save(&form2.form5(), out, "frontend_form5_open.png");
    form2.form5().Command2->click();
    ok &= Save(&form2, out, "frontend_form2_steps_unlocked.png");

    form2.Command5->click();
    form2.form7().Command1->click();
    ok &= Save(&form2.form7(), out, "frontend_form7_listing.png");
    return ok ? 0 : 1;
}
