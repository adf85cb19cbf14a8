#include "qt/file_menu.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

#include "form/file_commands.h"
#include "qt/main_window.h"
#include "form/tform1.h"

namespace {
const QString kSessionFilter = "FENLAR sessions (*.json);;All files (*)";
const QString kMeasuredFilter = "Measured data (*.csv *.txt *.dat);;All files (*)";
const QString kCsvFilter = "CSV files (*.csv);;All files (*)";
const QString kPngFilter = "PNG images (*.png)";

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

template <typename F>
QAction* AddItem(QMenu* menu, const QString& label, QObject* context, F run, const QKeySequence& keys = {}) {
  QAction* action = menu->addAction(label);
  action->setShortcut(keys);
  QObject::connect(action, &QAction::triggered, context, run);
  return action;
}
}  // namespace

FileMenu::FileMenu(MainWindow& window, TForm1& form) : QObject(&window), window_(window), form_(form) {
  QMenu* file = window_.menuBar()->addMenu("File");
  file->setObjectName("FileMenu");
  AddItem(file, "Open session...", this, [this] { Open(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
  AddItem(file, "Save session", this, [this] { Save(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
  AddItem(file, "Save session as...", this, [this] { SaveAs(); });
  file->addSeparator();
  AddItem(file, "Import measured data...", this, [this] { Import(); });
  QMenu* exports = file->addMenu("Export");
  exports->setObjectName("ExportMenu");
  AddExports(exports);
  AddItem(file, "Save picture...", this, [this] { SavePictureAs(); });
  file->addSeparator();
  AddItem(file, "Exit", this, [this] { window_.Run([this] { form_.RunHandler([this] { form_.ExitClick(); }); }); });
}

void FileMenu::AddExports(QMenu* menu) {
  const struct {
    const char* label;
    ExportKind kind;
  } exports[] = {{"Dispersion points...", ExportKind::Dispersion},
                 {"det_g scan...", ExportKind::Detg},
                 {"Correlation map...", ExportKind::Map},
                 {"Measured points...", ExportKind::Measured}};
  for (const auto& e : exports) {
    const QString title = QString("Export ") + QString(e.label).remove("...");
    AddItem(menu, e.label, this, [this, kind = e.kind, title] { Export(kind, title); });
  }
}

QString FileMenu::AskSaveName(const QString& title, const QString& filter, const QString& suffix) {
  QFileDialog dialog(&window_, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void FileMenu::Open() {
  const QString path = QFileDialog::getOpenFileName(&window_, "Open session", QString(), kSessionFilter);
  if (path.isEmpty()) return;
  window_.Run([&] { OpenSession(form_, Local(path)); });
}

// Writes over the session last opened or saved.
void FileMenu::Save() {
  if (form_.session.path.empty()) return SaveAs();
  window_.Run([&] { SaveSession(form_, form_.session.path); });
}

void FileMenu::SaveAs() {
  const QString path = AskSaveName("Save session as", kSessionFilter, "json");
  if (path.isEmpty()) return;
  window_.Run([&] { SaveSession(form_, Local(path)); });
}

void FileMenu::Import() {
  const QString path = QFileDialog::getOpenFileName(&window_, "Import measured data", QString(), kMeasuredFilter);
  if (path.isEmpty()) return;
  window_.Run([&] { ImportMeasured(form_, Local(path)); });
}

void FileMenu::Export(ExportKind kind, const QString& title) {
  const QString path = AskSaveName(title, kCsvFilter, "csv");
  if (path.isEmpty()) return;
  window_.Run([&] { ExportResults(form_, kind, Local(path)); });
}

// The client area at the size of the canvas, as the headless --png writes it.
void FileMenu::SavePictureAs() {
  const QString path = AskSaveName("Save picture", kPngFilter, "png");
  if (path.isEmpty()) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  window_.ClientArea()->grab(QRect(0, 0, Canvas::kWidth, Canvas::kHeight)).save(&buffer, "PNG");
  window_.Run([&] { ::SavePicture(png.toStdString(), Local(path)); });
}
