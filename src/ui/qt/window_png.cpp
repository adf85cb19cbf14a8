#include "ui/qt/window_png.h"

#include <QPixmap>
#include <QStatusBar>

#include "ui/qt/main_window.h"

bool RenderWindowPng(TForm1& form, const std::string& file) {
  MainWindow window(form);
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.statusBar()->hide();  // the picture is of the client area alone, at its full size
  window.resize(Canvas::kWidth, Canvas::kHeight);
  window.show();
  window.Refresh();
  return window.ClientArea()->grab().save(QString::fromStdString(file), "PNG");
}
