#include "qt/fit_dialog.h"

#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fitting/fit_parameters.h"
#include "form/fill_boundary_matrix.h"
#include "form/fit_window.h"
#include "form/tform1.h"
#include "qt/fit_residual_plot.h"
#include "qt/main_window.h"

namespace {

constexpr int kColumnsOfBoxes = 3;
constexpr int kPumpMilliseconds = 50;

QString Number(double x, int digits = 6) {
  return std::isfinite(x) ? QString::number(x, 'g', digits) : QString("-");
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

}  // namespace

FitDialog::FitDialog(MainWindow& window, TForm1& form)
    : QDialog(&window), window_(window), form_(form) {
  setWindowTitle("Fit");
  auto* layout = new QVBoxLayout(this);
  auto* boxes = new QGridLayout;
  const std::vector<std::string> names = FitParameterNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    boxes_.push_back(new QCheckBox(QString::fromStdString(names[i]), this));
    currentValues_.push_back(new QLabel(this));
    const int row = static_cast<int>(i) / kColumnsOfBoxes;
    const int column = 2 * (static_cast<int>(i) % kColumnsOfBoxes);
    boxes->addWidget(boxes_.back(), row, column);
    boxes->addWidget(currentValues_.back(), row, column + 1);
  }
  layout->addLayout(boxes);

  auto* buttons = new QHBoxLayout;
  run_ = new QPushButton("Run", this);
  cancel_ = new QPushButton("Cancel", this);
  apply_ = new QPushButton("Apply", this);
  export_ = new QPushButton("Export report...", this);
  progress_ = new QProgressBar(this);
  for (QWidget* w : std::initializer_list<QWidget*>{run_, cancel_, progress_, apply_, export_})
    buttons->addWidget(w);
  layout->addLayout(buttons);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  results_ = new QTableWidget(0, 5, this);
  results_->setHorizontalHeaderLabels({"parameter", "start", "value", "sigma", "sigma scaled"});
  layout->addWidget(results_);
  correlation_ = new QTableWidget(this);
  layout->addWidget(correlation_);
  plot_ = new ResidualPlot(this);
  layout->addWidget(plot_);

  connect(run_, &QPushButton::clicked, this, [this] { RunFit(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(export_, &QPushButton::clicked, this, [this] { Export(); });
  SetRunning(false);
  ShowCurrentValues();
  ShowResult();
}

void FitDialog::ShowCurrentValues() {
  const StackInputs stack = CurrentModelStack(form_);
  const std::vector<std::string> names = FitParameterNames();
  for (std::size_t i = 0; i < names.size(); ++i)
    currentValues_[i]->setText(
        Number(static_cast<double>(ParameterValue(stack, *ParseFitParameter(names[i])))));
}

void FitDialog::SetRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
  const bool solved = form_.lastFit && form_.lastFit->result.solved;
  apply_->setEnabled(!running && solved);
  export_->setEnabled(!running && form_.lastFit);
  for (QCheckBox* box : boxes_) box->setEnabled(!running);
}

void FitDialog::RunFit() {
  std::vector<std::string> names;
  for (QCheckBox* box : boxes_)
    if (box->isChecked()) names.push_back(box->text().toStdString());
  FitOptions options;
  progress_->setRange(0, options.maxIterations);
  progress_->setValue(0);
  // The dialog is modal: pumping events here reaches only its own Cancel. The mode search
  // asks at every velocity it refines, far more often than a view needs.
  QElapsedTimer sincePump;
  sincePump.start();
  options.cancelled = [this, &sincePump] {
    if (sincePump.elapsed() >= kPumpMilliseconds) {
      QApplication::processEvents();
      sincePump.restart();
    }
    return cancelled_;
  };
  options.progress = [this](int iteration) { progress_->setValue(iteration); };
  cancelled_ = false;
  SetRunning(true);
  form_.RunHandler([&] { RunWindowFit(form_, names, options); });
  SetRunning(false);
  ShowResult();
}

void FitDialog::ShowResult() {
  if (!form_.lastFit) {
    status_->setText("Choose the parameters to fit and press Run.");
    return;
  }
  const FitResult& r = form_.lastFit->result;
  QString text = QString::fromStdString(r.status);
  if (r.solved)
    text += QString("\nchi^2 = %1, dof = %2, chi^2/dof = %3, iterations: %4")
                .arg(Number(r.chi2)).arg(r.dof)
                .arg(r.dof > 0 ? Number(r.chi2 / r.dof) : QString("-")).arg(r.iterations);
  for (const std::string& note : r.notes) text += "\n" + QString::fromStdString(note);
  status_->setText(text);
  const int n = static_cast<int>(r.names.size());
  results_->setRowCount(n);
  correlation_->setRowCount(r.solved ? n : 0);
  correlation_->setColumnCount(r.solved ? n : 0);
  QStringList headers;
  for (int i = 0; i < n; ++i) {
    const auto at = [&](const std::vector<double>& v) {
      return i < static_cast<int>(v.size()) ? Number(v[i]) : QString("-");
    };
    const QString name = QString::fromStdString(r.names[i]);
    SetRow(results_, i, {name, at(r.start), at(r.value), at(r.sigma), at(r.sigmaScaled)});
    headers << name;
    if (!r.solved) continue;
    for (int j = 0; j < n; ++j)
      correlation_->setItem(i, j, new QTableWidgetItem(Number(r.correlation[i][j], 4)));
  }
  correlation_->setHorizontalHeaderLabels(headers);
  correlation_->setVerticalHeaderLabels(headers);
  plot_->SetResiduals(r.residuals);
}

void FitDialog::Apply() {
  window_.Run([this] { ApplyWindowFit(form_); });
  ShowCurrentValues();
}

void FitDialog::Export() {
  const QString path = QFileDialog::getSaveFileName(this, "Export fit report", QString(),
                                                    "JSON files (*.json);;All files (*)");
  if (!path.isEmpty()) ExportWindowFit(form_, QFile::encodeName(path).toStdString());
}

void AddFitMenuItem(MainWindow& window, TForm1& form) {
  QMenu* analysis = window.menuBar()->findChild<QMenu*>("AnalysisMenu");
  if (!analysis) {  // a window without the mode table's menu
    analysis = window.menuBar()->addMenu("Analysis");
    analysis->setObjectName("AnalysisMenu");
  }
  QObject::connect(analysis->addAction("Fit..."), &QAction::triggered, &window, [&window, &form] {
    if (window.Running()) return;
    FitDialog dialog(window, form);
    dialog.exec();
  });
}
