// tubegen: the spectrum generator. Works in the current directory, where it reads Mus-shadowbench.dat and
// the composition files and writes B_tubegen.dat.
#include <QApplication>

#include "platform/input_error.h"
#include "platform/message_box.h"
#include "tubegen/form2.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tubegen"));
    tubegen::Module1 module;
    try {
        tubegen::Form2 window(module);
        window.show();
        return QApplication::exec();
    } catch (const platform::InputError& e) {
        // The window cannot work without its attenuation data.
        platform::fail_and_end(nullptr, QString::fromUtf8(e.what()));
        return 1;
    }
}
