#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>

namespace platform {

// A text box that reports each key pressed in it (a Qt::Key) before it handles the key itself.
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(QWidget* parent = nullptr);

  signals:
    void key_down(int key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A file list box: the names of the plain files of the current directory that match a pattern list such as
// "*.ele;*.mix" (matched without regard to case), sorted by name. It is filled by refresh(), not watched.
class FileList : public QListWidget {
    Q_OBJECT

  public:
    explicit FileList(QWidget* parent = nullptr);

    void set_pattern(const QString& pattern);
    QString pattern() const { return pattern_; }
    // Reads the directory again; the selected name stays selected if it is still there.
    void refresh();
    // The selected name, or an empty text when nothing is selected.
    QString file_name() const;
    QStringList names() const;
    void select(const QString& name);

  signals:
    // A name was selected, by the mouse or the keyboard.
    void clicked();

  private:
    QString pattern_;
    bool refreshing_ = false;
};

// Gives a window its key presses before the focused control gets them: installed on a window, it reports
// every key pressed while the window or any control in it has the focus; the control then handles the key
// as usual.
class KeyPreview : public QObject {
    Q_OBJECT

  public:
    explicit KeyPreview(QWidget* window);

  signals:
    void key_down(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

}  // namespace platform
