#pragma once
#include <QObject>

class MainWindow;
class QAction;
class QLabel;
class TForm1;

// The Analysis menu ("Mode table..."), the View menu ("Mode branches", checkable), the export
// of the branches under File > Export, and the branch legend in the status bar.
class ModeMenus : public QObject {
 public:
  ModeMenus(MainWindow& window, TForm1& form);

 private:
  void ShowModeTable();
  void ToggleBranches(bool on);
  void ExportBranches();
  void RefreshLegend();

  MainWindow& window_;
  TForm1& form_;
  QAction* branchesItem_;
  QLabel* legend_;
};
