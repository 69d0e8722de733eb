#include "platform/controls.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

namespace platform {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    emit key_down(event->key());
    QLineEdit::keyPressEvent(event);
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The selection, not the current row: a list that gets the focus makes its first row current without
    // selecting anything.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!refreshing_ && !selectedItems().isEmpty()) emit clicked();
    });
}

void FileList::set_pattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    const QString selected = file_name();
    QDir dir = QDir::current();
    dir.setNameFilters(pattern_.split(';', Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    refreshing_ = true;
    clear();
    addItems(dir.entryList());
    if (!selected.isEmpty()) select(selected);
    refreshing_ = false;
}

QString FileList::file_name() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

QStringList FileList::names() const {
    QStringList names;
    for (int i = 0; i < count(); ++i) names << item(i)->text();
    return names;
}

void FileList::select(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) setCurrentItem(found.front(), QItemSelectionModel::ClearAndSelect);
}

KeyPreview::KeyPreview(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    // A key goes first to the focused control; one it ignores travels on to the parents. Report each key
    // once, at its first stop, and only for this window.
    QWidget* focus = QApplication::focusWidget();
    QWidget* first = focus && (focus == window_ || window_->isAncestorOf(focus)) ? focus : window_;
    if (watched != first) return false;
    emit key_down(static_cast<QKeyEvent*>(event)->key());
    return false;
}

}  // namespace platform
