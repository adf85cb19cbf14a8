#pragma once
#include <QApplication>

// The one application object of the Qt tests, created by whichever test needs it first and
// kept to the end of the process: destroying it among the static destructors tears Qt's
// input devices down out of order.
inline QApplication& QtApp() {
  if (!QApplication::instance()) {
    static int argc = 1;
    static char name[] = "fenlar_qt_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
  return *qApp;
}
