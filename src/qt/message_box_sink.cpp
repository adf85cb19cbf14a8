#include "qt/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::Show(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}
