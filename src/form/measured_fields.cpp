#include "form/measured_fields.h"

#include <iterator>

#include "form/controls.h"

namespace {
const MeasuredColumnFields kColumns[kMeasuredColumns] = {
    {"CheckBox1", "Edit15", {"Edit2", "Edit3", "Edit7", "Edit8", "Edit9"},
     {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14"}},
    {"CheckBox2", "Edit27", {"Edit28", "Edit30", "Edit32", "Edit34", "Edit36"},
     {"Edit29", "Edit31", "Edit33", "Edit35", "Edit37"}},
    {"CheckBox3", "Edit49", {"Edit50", "Edit52", "Edit54", "Edit56", "Edit58"},
     {"Edit51", "Edit53", "Edit55", "Edit57", "Edit59"}},
    {"CheckBox4", "Edit71", {"Edit72", "Edit74", "Edit76", "Edit78", "Edit80"},
     {"Edit73", "Edit75", "Edit77", "Edit79", "Edit81"}},
    {"CheckBox5", "Edit93", {"Edit94", "Edit96", "Edit98", "Edit100", "Edit102"},
     {"Edit95", "Edit97", "Edit99", "Edit101", "Edit103"}},
    {"CheckBox6", "Edit115", {"Edit116", "Edit118", "Edit120", "Edit122", "Edit124"},
     {"Edit117", "Edit119", "Edit121", "Edit123", "Edit125"}},
    {"CheckBox7", "Edit141", {"Edit142", "Edit144", "Edit146", "Edit148", "Edit150"},
     {"Edit143", "Edit145", "Edit147", "Edit149", "Edit151"}},
    {"CheckBox8", "Edit16", {"Edit17", "Edit19", "Edit26", "Edit22", "Edit24"},
     {"Edit18", "Edit20", "Edit21", "Edit23", "Edit25"}},
    {"CheckBox15", "Edit38", {"Edit39", "Edit41", "Edit43", "Edit45", "Edit47"},
     {"Edit40", "Edit42", "Edit44", "Edit46", "Edit48"}},
    {"CheckBox16", "Edit60", {"Edit61", "Edit63", "Edit65", "Edit67", "Edit69"},
     {"Edit62", "Edit64", "Edit66", "Edit68", "Edit70"}},
    {"CheckBox17", "Edit82", {"Edit83", "Edit85", "Edit87", "Edit89", "Edit91"},
     {"Edit84", "Edit86", "Edit88", "Edit90", "Edit92"}},
    {"CheckBox18", "Edit104", {"Edit105", "Edit107", "Edit109", "Edit111", "Edit113"},
     {"Edit106", "Edit108", "Edit110", "Edit112", "Edit114"}},
    {"CheckBox19", "Edit126", {"Edit127", "Edit129", "Edit131", "Edit133", "Edit135"},
     {"Edit128", "Edit130", "Edit132", "Edit134", "Edit136"}},
    {"CheckBox20", "Edit152", {"Edit153", "Edit155", "Edit157", "Edit159", "Edit161"},
     {"Edit154", "Edit156", "Edit158", "Edit160", "Edit162"}},
};
}  // namespace

const MeasuredColumnFields& MeasuredFields(int index) { return kColumns[index]; }

void WriteMeasuredRows(Controls& controls, const std::vector<MeasuredRow>& rows) {
  for (int col = 0; col < kMeasuredColumns; ++col) {
    const MeasuredColumnFields& f = MeasuredFields(col);
    const char* const fields[] = {f.angle, f.value[0], f.error[0], f.value[1], f.error[1]};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
      const std::size_t row = static_cast<std::size_t>(col);
      controls[fields[k]].text = row < rows.size() ? rows[row][k] : "";
    }
  }
}
