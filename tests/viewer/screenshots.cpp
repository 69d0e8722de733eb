// Renders the result viewer and the spectra view offscreen to PNG files, to be looked at beside their
// descriptions: the viewer with a result file chosen, then loaded with its profiles drawn, and the spectra
// view. The result file is a real one, run by the engine for the bone and lung phantom.
// Usage: viewer_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>

#include "frontend/form1.h"
#include "frontend/form2.h"
#include "frontend/form6.h"
#include "platform/controls.h"
#include "platform/picture.h"
#include "real_result.h"
#include "result_file_writer.h"

namespace {

bool Save(QWidget* window, const QDir& out, const char* name) {
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "viewer_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void MoveAndClick(platform::Picture* picture, double y) {
    const QPointF at = picture->to_widget(QPointF(700, y));
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, picture->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: viewer_screenshots OUTPUT_DIR\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) return 1;
    out.setPath(out.absolutePath());

    viewer_test::TempDir work;
    try {
        viewer_test::RealRun run;
        run.phantom_type = 2;
        run.histories = 5e6;
        run.name = "bone_lung";
        viewer_test::MakeRealResult(SHADOWBENCH_RUN_DIR, work.path(), run);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "viewer_screenshots: %s\n", e.what());
        return 1;
    }
    std::filesystem::current_path(work.path());

    auto module = std::make_unique<frontend::Module1>();
    frontend::Form2 form2(*module);
    form2.show();
    form2.Command4->click();
    frontend::Form1& viewer = form2.form1();
    viewer.File1->setCurrentRow(0);
    bool ok = Save(&viewer, out, "frontend_form1_chosen.png");

    viewer.Command14->click();
    viewer.Command4->click();
    // The row through the bone rod and the lungs, chosen with the mouse.
    MoveAndClick(viewer.Picture1, 150);
    ok &= Save(&viewer, out, "frontend_form1_profiles.png");

    viewer.Command5->click();
    ok &= Save(&viewer.form6(), out, "frontend_form6_spectra.png");
    return ok ? 0 : 1;
}
