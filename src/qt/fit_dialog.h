#pragma once
#include <vector>

#include <QDialog>

class MainWindow;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class ResidualPlot;
class TForm1;

// "Fit...": the parameters to vary with their current values, Run with progress and Cancel,
// the results, the correlation matrix and the normalised residuals; "Apply" takes the fitted
// values as the starting data, "Export report..." writes the JSON report.
class FitDialog : public QDialog {
 public:
  FitDialog(MainWindow& window, TForm1& form);

 private:
  void ShowCurrentValues();
  void RunFit();
  void ShowResult();
  void Apply();
  void Export();
  void SetRunning(bool running);

  MainWindow& window_;
  TForm1& form_;
  std::vector<QCheckBox*> boxes_;
  std::vector<QLabel*> currentValues_;
  QPushButton *run_, *cancel_, *apply_, *export_;
  QProgressBar* progress_;
  QLabel* status_;
  QTableWidget *results_, *correlation_;
  ResidualPlot* plot_;
  bool cancelled_ = false;
};

// Adds "Fit..." to the window's Analysis menu, creating the menu when there is none.
void AddFitMenuItem(MainWindow& window, TForm1& form);
