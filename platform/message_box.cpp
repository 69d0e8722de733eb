#include "platform/message_box.h"

#include <QMessageBox>

#include <cstdio>

#include "platform/program.h"

namespace platform {
namespace {

MessageCapture* g_capture = nullptr;

}  // namespace

void show_message(QWidget* parent, const QString& text, MessageIcon icon) {
    // Also on standard error, so that a program started from a terminal leaves its report there.
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(program_title()), qUtf8Printable(text));
    if (g_capture) {
        g_capture->messages_.push_back({program_title(), text, icon});
        return;
    }
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Critical,
                    program_title(), text, QMessageBox::Ok, parent);
    box.exec();
}

void warning_box(QWidget* parent, const QString& text) {
    show_message(parent, text, MessageIcon::Warning);
}

void fail_and_end(QWidget* parent, const QString& report) {
    show_message(parent, report, MessageIcon::Critical);
    end_program(1);
}

MessageCapture::MessageCapture() {
    g_capture = this;
}

MessageCapture::~MessageCapture() {
    if (g_capture == this) g_capture = nullptr;
}

std::vector<QString> MessageCapture::texts() const {
    std::vector<QString> texts;
    for (const ShownMessage& m : messages_) texts.push_back(m.text);
    return texts;
}

}  // namespace platform
