#include "qt/key_preview.h"

#include <QApplication>
#include <QKeyEvent>

#include "qt/main_window.h"

namespace {
bool IsEnterOrEscape(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}
}  // namespace

KeyPreview::KeyPreview(MainWindow& window, TForm1& form) : window_(window), form_(form) {
  qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() { qApp->removeEventFilter(this); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  // Keys of other windows, such as a message box shown by a handler, are theirs.
  if (static_cast<QWidget*>(watched)->window() != &window_ || window_.Running()) return false;
  if (!IsEnterOrEscape(*static_cast<QKeyEvent*>(event))) return false;
  window_.Run([this] { form_.RunHandler([this] { form_.EnterOrEscape(); }); });
  return true;
}
