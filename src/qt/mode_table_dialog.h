#pragma once
#include <QDialog>

#include "fitting/mode_table.h"

class MainWindow;
class TForm1;

// The mode table of the measured data against the model, with chi^2 below it and an export
// of the table as CSV.
class ModeTableDialog : public QDialog {
 public:
  ModeTableDialog(MainWindow& window, TForm1& form, ModeTable table);

 private:
  void ExportCsv();

  MainWindow& window_;
  TForm1& form_;
  ModeTable table_;
};
