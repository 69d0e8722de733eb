#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace platform {

enum class MessageIcon { Warning, Critical };

struct ShownMessage {
    QString title;
    QString text;
    MessageIcon icon;
};

// The windowed programs' answer to an input they refuse: a modal message box with a warning icon and an OK
// button, titled with the program's title. Returns when the user has pressed OK.
void warning_box(QWidget* parent, const QString& text);

// The report of a failure the program cannot go on from (a data file missing or unreadable, a file that
// cannot be written): a modal box with the critical icon and OK, then the program ends with status 1.
void fail_and_end(QWidget* parent, const QString& report);

// While one of these lives, message boxes are recorded here instead of being shown, so a test can press a
// button and see which message the program gave without a box blocking it. Captures do not nest.
class MessageCapture {
  public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<ShownMessage>& messages() const { return messages_; }
    // The texts of the messages so far, in order.
    std::vector<QString> texts() const;
    void clear() { messages_.clear(); }

  private:
    friend void show_message(QWidget*, const QString&, MessageIcon);
    std::vector<ShownMessage> messages_;
};

}  // namespace platform
