#include "qt/save_question.h"

#include <QFile>
#include <QMessageBox>

#include "form/file_commands.h"
#include "form/tform1.h"

bool MayCloseAfterAskingToSave(QWidget* parent, TForm1& form) {
  if (!form.session.Changed(form.controls)) return true;
  const QString name = QFile::decodeName(form.session.path.c_str());
  const QString text =
      "The session " + name + " has changed since it was opened or saved.\nSave the changes?";
  const QMessageBox::StandardButton answer = QMessageBox::question(
      parent, "FENLAR", text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
      QMessageBox::Save);
  if (answer == QMessageBox::Discard) return true;
  // A failed save has shown why; the window stays open so that nothing is lost.
  return answer == QMessageBox::Save && SaveSession(form, form.session.path);
}
