// shadowbench: the front-end. Works in the current directory, through which every file of the system passes;
// it starts the spectrum generator and the engine builds, which inherit that directory.
#include <QApplication>
#include <memory>

#include "frontend/form2.h"
#include "frontend/module1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("shadowbench"));
    auto module = std::make_unique<frontend::Module1>();
    frontend::Form2 window(*module);
    window.show();
    return QApplication::exec();
}
