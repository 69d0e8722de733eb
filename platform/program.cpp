#include "platform/program.h"

#include <QApplication>
#include <QThread>
#include <QWidget>

namespace platform {

QString program_title() {
    return QCoreApplication::applicationName();
}

void process_pending_events() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void end_program(int status) {
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    // Asked outside any event loop, exit() would make the next modal box return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(status);
}

}  // namespace platform
