// The result viewer's "OK" on a real result file, from the click to the third image drawn: reading the
// 4313 lines, the spectra, the scaling and the 120,000 filled squares of the three images. Offscreen, so
// the figures leave out the screen's own repaint. Usage: result_viewer_bench [RESULT_FILE] [CLICKS]
// (without a file, the engine of the run directory runs 10^6 histories of the 20 cm water phantom first).
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <vector>

#include "frontend/form1.h"
#include "frontend/form2.h"
#include "platform/controls.h"
#include "real_result.h"
#include "result_file_writer.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    const int clicks = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

    viewer_test::TempDir work;
    fs::path result;
    try {
        if (argc > 1) {
            result = work.path() / fs::path(argv[1]).filename();
            fs::copy_file(argv[1], result);
        } else {
            result = viewer_test::MakeRealResult(SHADOWBENCH_RUN_DIR, work.path());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "result_viewer_bench: %s\n", e.what());
        return 1;
    }
    fs::current_path(work.path());

    auto module = std::make_unique<frontend::Module1>();
    frontend::Form2 form2(*module);
    form2.show();
    QTest::mouseClick(form2.Command4, Qt::LeftButton);
    frontend::Form1& viewer = form2.form1();
    const QList<QListWidgetItem*> items =
        viewer.File1->findItems(QString::fromStdString(result.filename().string()), Qt::MatchExactly);
    if (items.isEmpty()) {
        std::fprintf(stderr, "result_viewer_bench: %s is not listed\n", result.filename().c_str());
        return 1;
    }
    viewer.File1->setCurrentItem(items.front());
    QApplication::processEvents();

    // The click returns when the handler has drawn the third image.
    std::vector<double> ms;
    for (int n = 0; n < clicks; ++n) {
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(viewer.Command14, Qt::LeftButton);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("result_viewer_bench: \"OK\" to the third image drawn, %s, %d clicks\n",
                result.filename().c_str(), clicks);
    std::printf("  min %.1f ms   median %.1f ms   max %.1f ms   (target: under 300 ms)\n", ms.front(),
                ms[ms.size() / 2], ms.back());
    return 0;
}
