#include "form/state_restore.h"

#include "form/field_names.h"
#include "form/tform1.h"

StateRestore::StateRestore(TForm1& form)
    : form_(form),
      state_(form.state),
      matrix_(form.BoundaryMatrix),
      detG_(form.detG),
      correlatorText_(form.Text(kCorrelatorField)) {}

StateRestore::~StateRestore() {
  if (committed_) return;
  form_.state = state_;
  form_.BoundaryMatrix = std::move(matrix_);
  form_.detG = detG_;
  form_.SetText(kCorrelatorField, correlatorText_);
}
