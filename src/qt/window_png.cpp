#include "qt/window_png.h"

#include <QBuffer>
#include <QPixmap>
#include <QStatusBar>

#include "qt/main_window.h"

std::string RenderWindowPng(TForm1& form) {
  MainWindow window(form);
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.statusBar()->hide();  // the picture is of the client area alone, at its full size
  window.resize(Canvas::kWidth, Canvas::kHeight);
  window.show();
  window.Refresh();
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !window.ClientArea()->grab().save(&buffer, "PNG")) return "";
  return png.toStdString();
}
