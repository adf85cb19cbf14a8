#include "form/handy_constants.h"

const HandyConstant kHandyConstants[8] = {
    {"ScrollBar5", "CheckBox23", "Edit174", "Edit189", "MaskEdit13", "MaskEdit30", "Edit193", 0, true},
    {"ScrollBar6", "CheckBox24", "Edit175", "Edit190", "MaskEdit28", "MaskEdit32", "Edit193", 0, false},
    {"ScrollBar9", "CheckBox9", "Edit165", "MaskEdit2", "MaskEdit15", "MaskEdit17", "MaskEdit4", 1, true},
    {"ScrollBar10", "CheckBox10", "Edit166", "MaskEdit3", "MaskEdit16", "MaskEdit18", "MaskEdit4", 1, false},
    {"ScrollBar11", "CheckBox11", "Edit168", "MaskEdit5", "MaskEdit19", "MaskEdit21", "MaskEdit7", 2, true},
    {"ScrollBar12", "CheckBox12", "Edit169", "MaskEdit6", "MaskEdit20", "MaskEdit22", "MaskEdit7", 2, false},
    {"ScrollBar13", "CheckBox13", "Edit171", "MaskEdit8", "MaskEdit26", "MaskEdit35", "MaskEdit10", 3, true},
    {"ScrollBar14", "CheckBox14", "Edit172", "MaskEdit9", "MaskEdit27", "MaskEdit38", "MaskEdit10", 3, false},
};

const char* const kC44StartFields[4] = {"Edit176", "MaskEdit23", "MaskEdit24", "MaskEdit25"};

long double& StartingValue(SimulationState& state, const HandyConstant& constant) {
  return constant.isC11 ? state.c11Start[constant.material] : state.c12Start[constant.material];
}

long double& ModifiedValue(SimulationState& state, const HandyConstant& constant) {
  return constant.isC11 ? state.c11Mod[constant.material] : state.c12Mod[constant.material];
}

long double SliderValue(long double start, long double fraction, int position) {
  constexpr long double kPerStep = 1.0L / 750;
  return start - ((start * fraction) * kPerStep) * static_cast<long double>(position);
}
