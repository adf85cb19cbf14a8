#include "model/numerics_errors.h"

#include "base/komunikat.h"

std::string NumericsErrorText(int code) {
  if (code == 1) return "Przy obliczaniu wyznacznika macierz musi by kwadratowa ";
  return {};
}

void ReportNumericsError(int code) {
  const std::string text = NumericsErrorText(code);
  if (!text.empty()) MessageSink().Show(text, kNumericsErrorCaption);
}
