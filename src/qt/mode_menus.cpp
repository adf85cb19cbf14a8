#include "qt/mode_menus.h"

#include <optional>

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "form/mode_view.h"
#include "form/tform1.h"
#include "qt/main_window.h"
#include "qt/mode_table_dialog.h"

ModeMenus::ModeMenus(MainWindow& window, TForm1& form)
    : QObject(&window), window_(window), form_(form), legend_(new QLabel(&window)) {
  QMenu* analysis = window_.menuBar()->addMenu("Analysis");
  analysis->setObjectName("AnalysisMenu");  // the fit adds its item here
  connect(analysis->addAction("Mode table..."), &QAction::triggered, this,
          [this] { ShowModeTable(); });
  QMenu* view = window_.menuBar()->addMenu("View");
  branchesItem_ = view->addAction("Mode branches");
  branchesItem_->setCheckable(true);
  connect(branchesItem_, &QAction::toggled, this, [this](bool on) { ToggleBranches(on); });
  if (auto* exports = window_.menuBar()->findChild<QMenu*>("ExportMenu")) {
    connect(exports->addAction("Mode branches..."), &QAction::triggered, this,
            [this] { ExportBranches(); });
  }
  window_.statusBar()->addWidget(legend_);
  window_.AddRefresher([this] { RefreshLegend(); });
}

void ModeMenus::ShowModeTable() {
  std::optional<ModeTable> table;
  window_.Run([this, &table] { form_.RunHandler([&] { table = ComputeModeTable(form_); }); });
  if (!table) return;  // refused, faulted or cancelled: the message has been shown
  ModeTableDialog dialog(window_, form_, std::move(*table));
  dialog.exec();
}

void ModeMenus::ToggleBranches(bool on) {
  if (window_.Running()) {  // no input while a handler runs: put the item back
    const QSignalBlocker block(branchesItem_);
    branchesItem_->setChecked(form_.showModeBranches);
    return;
  }
  window_.Run([this, on] { form_.RunHandler([&] { SetModeBranches(form_, on); }); });
}

void ModeMenus::ExportBranches() {
  QFileDialog dialog(&window_, "Export mode branches", QString(),
                     "CSV files (*.csv);;All files (*)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("csv");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string path = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
  window_.Run([&] { ExportModeBranches(form_, path); });
}

// The branch names in their line colours.
void ModeMenus::RefreshLegend() {
  const std::vector<ModeBranch>& branches = form_.records.branches;
  if (!form_.showModeBranches || branches.empty()) return legend_->clear();
  QString html = "Mode branches:";
  for (std::size_t k = 0; k < branches.size(); ++k) {
    const Rgb c = BranchColor(k);
    html += QString(" <b style=\"color:rgb(%1,%2,%3)\">%4</b>")
                .arg(c.r).arg(c.g).arg(c.b).arg(QString::fromStdString(branches[k].mode));
  }
  legend_->setText(html);
}
