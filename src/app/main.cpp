// fenlar             the workbench window
// fenlar --headless STEP...   the window logic driven by steps, without a display
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>

#include "runner/headless.h"
#include "qt/file_menu.h"
#include "qt/fit_dialog.h"
#include "qt/key_preview.h"
#include "qt/main_window.h"
#include "qt/mode_menus.h"
#include "qt/message_box_sink.h"
#include "qt/window_png.h"

namespace {

int RunWindow(QApplication& app, TForm1& form) {
  MessageBoxSink boxes;
  SetMessageSink(&boxes);
  MainWindow window(form);
  new FileMenu(window, form);  // owned by the window
  new ModeMenus(window, form);  // after the File menu: it adds to File > Export
  AddFitMenuItem(window, form);  // into the Analysis menu of the mode table
  KeyPreview keys(window, form);
  window.Run([&form] { form.RunHandler([&form] { form.WindowCreated(); }); });
  window.showMaximized();
  const int status = app.exec();
  SetMessageSink(nullptr);
  return status;
}

int RunWithoutDisplay(char** argv, const std::vector<std::string>& steps) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;  // the steps are not Qt's options
  QApplication app(qtArgc, argv);
  std::setlocale(LC_NUMERIC, "C");
  TForm1 form;
  return RunHeadless(form, steps, std::cerr,
                     [&form] { return RenderWindowPng(form); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--headless") {
    return RunWithoutDisplay(argv, std::vector<std::string>(argv + 2, argv + argc));
  }
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  if (argc > 1) {
    std::cerr << "usage: fenlar [--headless STEP...]\n";
    return 2;
  }
  TForm1 form;
  return RunWindow(app, form);
}
