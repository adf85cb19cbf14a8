#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/boundary_fill.h"

// A quantity the fit may vary: c11, c12 or c44 of a medium (0 substrate, 1..3 Layer 1..3) or
// the thickness of a layer (1..3), in GPa and nm.
enum class FitQuantity { C11, C12, C44, Thickness };
struct FitParameter {
  FitQuantity quantity = FitQuantity::C11;
  int medium = 0;
};

// "c11_S", "c12_S", "c44_S", "c11L1", ..., "c44L3", "dL1", "dL2", "dL3".
std::optional<FitParameter> ParseFitParameter(const std::string& name);
std::string FitParameterName(const FitParameter& p);
// Every name, medium by medium (c11, c12, c44), then the three thicknesses.
std::vector<std::string> FitParameterNames();

// The reason a list of parameters cannot be fitted (an unknown or repeated name, or all
// three constants of one medium), or "" when it can.
std::string CheckFitParameters(const std::vector<std::string>& names,
                               std::vector<FitParameter>& parsed);

// The parameter's value in the stack (GPa, or nm for a thickness).
long double ParameterValue(const StackInputs& stack, const FitParameter& p);

// The stack with the parameters set to values. Of a medium's three constants the one not
// given follows from c44 = (c11 - c12) / 2; a lone c44 keeps c11 and moves c12, a lone c11
// or c12 keeps the other one.
StackInputs WithParameters(const StackInputs& base, const std::vector<FitParameter>& params,
                           const std::vector<long double>& values);

// True when every c11, c44 and thickness is positive and finite.
bool IsPhysical(const StackInputs& stack);

// Bounds that keep a parameter physical from its start; the constants kept beside it decide
// those of a lone c11 or c12 (c44 > 0).
struct FitBounds {
  std::optional<double> lower, upper;
};
FitBounds BoundsOf(const StackInputs& start, const std::vector<FitParameter>& params,
                   std::size_t index);
