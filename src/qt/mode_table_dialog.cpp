#include "qt/mode_table_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/number_text.h"
#include "form/file_commands.h"
#include "form/mode_view.h"
#include "form/tform1.h"
#include "io/mode_csv.h"
#include "qt/main_window.h"

namespace {

constexpr int kDigits = 6;
const char* const kHeaders[] = {"Angle (deg)",     "Mode",          "Measured (GHz)",
                                "+/- (GHz)",       "Model v (m/s)", "Model (GHz)",
                                "Residual (GHz)", "Residual / (+/-)"};
constexpr int kColumns = static_cast<int>(std::size(kHeaders));

QString Num(long double value) { return QString::fromStdString(FormatSignificant(value, kDigits)); }

QStringList CellsOf(const ModeTableRow& r) {
  QStringList cells{Num(r.angleDeg), QString::fromStdString(r.mode), Num(r.measuredGHz),
                    Num(r.sigmaGHz)};
  if (r.missing) return cells << MissingModeText() << "" << "" << "";
  return cells << Num(r.modelVelocity) << Num(r.modelGHz) << Num(r.residualGHz)
               << (r.normalizedKnown ? Num(r.normalized) : QString("no +/- value"));
}

QTableWidget* TableWidgetOf(const ModeTable& table, QWidget* parent) {
  auto* widget = new QTableWidget(static_cast<int>(table.rows.size()), kColumns, parent);
  for (int c = 0; c < kColumns; ++c)
    widget->setHorizontalHeaderItem(c, new QTableWidgetItem(kHeaders[c]));
  for (int r = 0; r < widget->rowCount(); ++r) {
    const QStringList cells = CellsOf(table.rows[static_cast<std::size_t>(r)]);
    for (int c = 0; c < kColumns; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      widget->setItem(r, c, item);
    }
  }
  widget->verticalHeader()->hide();
  widget->resizeColumnsToContents();
  return widget;
}

QString SummaryOf(const ModeTable& t) {
  QString text = QString("chi^2 = %1 over %2 degrees of freedom").arg(Num(t.chi2)).arg(t.dof);
  if (t.dof > 0) text += QString(", chi^2 per degree of freedom = %1").arg(Num(t.chi2 / t.dof));
  return text + QString("\nModes above vT of the substrate (%1 m/s) leak into it and are not "
                        "modelled.").arg(Num(t.substrateVT));
}

}  // namespace

ModeTableDialog::ModeTableDialog(MainWindow& window, TForm1& form, ModeTable table)
    : QDialog(&window), window_(window), form_(form), table_(std::move(table)) {
  setWindowTitle("Mode table");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TableWidgetOf(table_, this));
  layout->addWidget(new QLabel(SummaryOf(table_), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* exportButton = buttons->addButton("Export CSV...", QDialogButtonBox::ActionRole);
  connect(exportButton, &QPushButton::clicked, this, [this] { ExportCsv(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(900, 480);
}

void ModeTableDialog::ExportCsv() {
  QFileDialog dialog(this, "Export mode table", QString(), "CSV files (*.csv);;All files (*)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("csv");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string path = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
  const std::string csv = ModeTableCsv(table_);
  window_.Run([&] { form_.RunHandler([&] { ExportText(csv, path); }); });
}
