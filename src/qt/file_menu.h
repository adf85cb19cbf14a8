#pragma once
#include <QObject>
#include <QString>

#include "io/exports.h"

class MainWindow;
class QMenu;
class TForm1;

// The File menu of the window's menu bar: sessions, the import of measured data, the CSV
// exports, the picture and Exit. It asks for the file names; the reading, writing and
// checking are the window logic's, run as one handler of the window.
class FileMenu : public QObject {
 public:
  FileMenu(MainWindow& window, TForm1& form);

 private:
  void Open();
  void Save();
  void SaveAs();
  void Import();
  void Export(ExportKind kind, const QString& title);
  void SavePictureAs();
  QString AskSaveName(const QString& title, const QString& filter, const QString& suffix);
  void AddExports(QMenu* menu);

  MainWindow& window_;
  TForm1& form_;
};
