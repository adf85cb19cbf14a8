#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording_sink.h"
#include "temp_dir.h"
#include "form/file_commands.h"
#include "form/measured_fields.h"
#include "io/measured_import.h"
#include "form/session_file.h"
#include "form/tform1.h"

namespace {

// Angle, R, +/- R, S_1, +/- S_1 of the columns A1 .. A14, as the window names them.
const std::vector<std::vector<std::string>> kTable = {
    {"Edit15", "Edit2", "Edit10", "Edit3", "Edit11"},        {"Edit27", "Edit28", "Edit29", "Edit30", "Edit31"},
    {"Edit49", "Edit50", "Edit51", "Edit52", "Edit53"},      {"Edit71", "Edit72", "Edit73", "Edit74", "Edit75"},
    {"Edit93", "Edit94", "Edit95", "Edit96", "Edit97"},      {"Edit115", "Edit116", "Edit117", "Edit118", "Edit119"},
    {"Edit141", "Edit142", "Edit143", "Edit144", "Edit145"}, {"Edit16", "Edit17", "Edit18", "Edit19", "Edit20"},
    {"Edit38", "Edit39", "Edit40", "Edit41", "Edit42"},      {"Edit60", "Edit61", "Edit62", "Edit63", "Edit64"},
    {"Edit82", "Edit83", "Edit84", "Edit85", "Edit86"},      {"Edit104", "Edit105", "Edit106", "Edit107", "Edit108"},
    {"Edit126", "Edit127", "Edit128", "Edit129", "Edit130"}, {"Edit152", "Edit153", "Edit154", "Edit155", "Edit156"}};

std::vector<std::string> Column(const TForm1& form, int column) {
  std::vector<std::string> cells;
  for (const std::string& name : kTable[column]) cells.push_back(form.Text(name));
  return cells;
}

std::string Table(const TForm1& form) {
  std::string all;
  for (int col = 0; col < 14; ++col)
    for (const std::string& cell : Column(form, col)) all += cell + "|";
  return all;
}

// Every column filled, so that clearing shows.
void FillAll(TForm1& form) {
  for (int col = 0; col < 14; ++col)
    for (std::size_t k = 0; k < 5; ++k) form.SetText(kTable[col][k], std::to_string(col * 10 + k + 1));
}

// The import of a text into the window's table, as the File menu does it before the intake.
ImportResult Import(TForm1& form, const std::string& text) {
  ImportResult r = ImportMeasuredData(text);
  if (r.ok) WriteMeasuredRows(form.controls, r.rows);
  return r;
}

std::string Rows(int count, const std::string& separator) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += std::to_string(30 + 5 * i) + separator + std::to_string(8 + i) + ".5" + separator + "0.2" + separator +
            std::to_string(11 + i) + ".25" + separator + "0.3\n";
  }
  return text;
}

TEST(MeasuredImport, NineRowsFillA1ToA9AndClearTheRest) {
  TForm1 form;
  FillAll(form);
  const ImportResult r = Import(form, "angle,R,+/- R,S_1,+/- S_1\r\n" + Rows(9, ", "));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.rows.size(), 9u);
  EXPECT_EQ(Column(form, 0), (std::vector<std::string>{"30", "8.5", "0.2", "11.25", "0.3"}));
  EXPECT_EQ(Column(form, 8), (std::vector<std::string>{"70", "16.5", "0.2", "19.25", "0.3"}));
  for (int col = 9; col < 14; ++col) EXPECT_EQ(Column(form, col), std::vector<std::string>(5, "")) << col;
  EXPECT_EQ(form.Text("Edit7"), "") << "the S_2 row is not the import's";
}

TEST(MeasuredImport, ReadsWhitespaceCsvEmptyAndQuotedCells) {
  TForm1 form;
  ASSERT_TRUE(Import(form, "\xEF\xBB\xBF# angle R dR S1 dS1\n\n  40\t9.3  0.2 12.5 0.3\n"
                                                "-4.5e1 +9.8 .2 13. 3E-1\n")
                  .ok);
  EXPECT_EQ(Column(form, 0), (std::vector<std::string>{"40", "9.3", "0.2", "12.5", "0.3"}));
  EXPECT_EQ(Column(form, 1), (std::vector<std::string>{"-4.5e1", "+9.8", ".2", "13.", "3E-1"}));
  ASSERT_TRUE(Import(form, "50,10.7,,\"13.8\",\n55;11.3;0.2;;0.3\n").ok);
  EXPECT_EQ(Column(form, 0), (std::vector<std::string>{"50", "10.7", "", "13.8", ""}));
  EXPECT_EQ(Column(form, 1), (std::vector<std::string>{"55", "11.3", "0.2", "", "0.3"}));
  EXPECT_EQ(Column(form, 2), std::vector<std::string>(5, ""));
}

TEST(MeasuredImport, ABadFileChangesNothingAndNamesTheLine) {
  TForm1 form;
  FillAll(form);
  const std::string before = Table(form);
  const struct {
    std::string text, reason;
  } bad[] = {
      {"angle,R,dR,S1,dS1\n" + Rows(15, ","), "line 16: more than fourteen"},
      {Rows(2, ",") + "40,9.3,x,12.5,0.3\n", "line 3: \"x\" is not a number"},
      {"40,9.3,x,12.5,0.3\n" + Rows(2, ","), "line 1: \"x\""},  // not taken for a header
      {Rows(1, " ") + "40 9.3 0.2 12.5\n", "line 2: 4 columns"},
      {"40;9,3;0,2;12,5;0,3\n", "line 1: \"9,3\""},
      {"40,9.3,0.2,12.5,0.3,\n", "line 1: 6 columns"},
      {"40,1e999,0.2,12.5,0.3\n", "out of range"},
      {"40,nan,0.2,12.5,0.3\n", "\"nan\""},
      {"angle,R,dR,S1,dS1\n\n", "no measurement rows"},
      {"", "no measurement rows"},
  };
  for (const auto& b : bad) {
    const ImportResult r = Import(form, b.text);
    EXPECT_FALSE(r.ok) << b.text;
    EXPECT_NE(r.error.find(b.reason), std::string::npos) << b.text << " -> " << r.error;
  }
  EXPECT_FALSE(ImportMeasuredFile("/nonexistent/m.csv").ok);
  EXPECT_EQ(Table(form), before);
}

TEST(MeasuredImport, TheMenuCommandTakesTheImportedDataIntoTheState) {
  ScopedTempDir dir;
  RecordingSink sink;
  SetMessageSink(&sink);
  TForm1 form;
  form.RunHandler([&] { form.WindowCreated(); });
  form.controls["ScrollBar9"].SetPosition(-750);
  WriteWholeFile(dir.File("m.txt"), Rows(3, " "));
  EXPECT_TRUE(ImportMeasured(form, dir.File("m.txt")));
  EXPECT_EQ(form.state.angleRad[2], 40 * static_cast<long double>(0.01745277777777778));
  EXPECT_EQ(form.state.freqS1[1], static_cast<long double>(12.25));
  EXPECT_EQ(form.state.angleRad[3], 0) << "cleared columns hold no measurement";
  EXPECT_EQ(form.Position("ScrollBar9"), -750) << "an import moves no slider";

  WriteWholeFile(dir.File("bad.csv"), "40,9.3,0.2,12.5\n");
  EXPECT_FALSE(ImportMeasured(form, dir.File("bad.csv")));
  SetMessageSink(nullptr);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].first.find("bad.csv"), std::string::npos);
  EXPECT_NE(sink.shown[0].first.find("line 1: 4 columns"), std::string::npos) << sink.shown[0].first;
  EXPECT_EQ(form.Text("Edit15"), "30");
}

}  // namespace
