#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/komunikat.h"
#include "fitting/map_exact_figures.h"
#include "fitting/map_layout.h"
#include "model_stack_defaults.h"
#include "base/fp_fault.h"
#include "recording_sink.h"
#include "temp_dir.h"
#include "form/tform1.h"

namespace {

std::vector<std::string> Texts(const TForm1& form) {
  std::vector<std::string> texts;
  for (const Control& c : form.controls.All()) texts.push_back(c.text);
  return texts;
}

// Two created windows given the same fields and the same clicks: the program's, evaluating
// ahead on every core with the fast numerics, and the reference, evaluating one by one with
// the fill as written and the full elimination.
class ParallelAgainstSequential : public ::testing::Test {
 protected:
  ScopedTempDir dir;  // the scans write their trace file here
  void SetUp() override {
    SetMessageSink(&sink);
    sequential.parallelEvaluation = false;
    sequential.numerics = DetGNumerics::Reference;
    for (TForm1* form : {&parallel, &sequential}) form->RunHandler([form] { form->WindowCreated(); });
  }
  void TearDown() override { SetMessageSink(nullptr); }

  void Set(const std::string& field, const std::string& text) {
    parallel.SetText(field, text);
    sequential.SetText(field, text);
  }
  void Select(const std::string& group, int item) {
    parallel.controls[group].itemIndex = item;
    sequential.controls[group].itemIndex = item;
  }
  // Clicks the button in both windows; returns the messages of each.
  void Click(const std::string& button) {
    sink.shown.clear();
    parallel.controls[button].onClick();
    parallelMessages = sink.shown;
    sink.shown.clear();
    sequential.controls[button].onClick();
    sequentialMessages = sink.shown;
  }

  void ExpectSameWindows() {
    EXPECT_EQ(parallel.canvas.Pixels(), sequential.canvas.Pixels());
    EXPECT_EQ(Texts(parallel), Texts(sequential));
    EXPECT_EQ(parallelMessages, sequentialMessages);
    EXPECT_EQ(parallel.state.lastZeroV, sequential.state.lastZeroV);
    EXPECT_EQ(parallel.state.gCorrelator, sequential.state.gCorrelator);
    EXPECT_EQ(parallel.records.dispersion, sequential.records.dispersion);
    EXPECT_EQ(parallel.prefetch.Diverged(), 0u);
  }

  RecordingSink sink;
  TForm1 parallel, sequential;
  std::vector<std::pair<std::string, std::string>> parallelMessages, sequentialMessages;
};

TEST_F(ParallelAgainstSequential, DefaultSweepDrawsTheSamePointsFromPreparedEvaluations) {
  Click("Button4");
  ExpectSameWindows();
  EXPECT_FALSE(parallel.records.dispersion.empty());
  EXPECT_GT(parallel.prefetch.Taken() + parallel.prefetch.TakenCertified(), 17000u);
  EXPECT_EQ(parallel.prefetch.LeftToCaller(), 0u);
}

// The stencils the certified values settle are decided from them, the rest in 80 bits: under
// every zero rule the picture is the reference's, pixel for pixel.
TEST_F(ParallelAgainstSequential, SweepsUnderEveryZeroRuleDecideAsTheReference) {
  for (int item : {0, 1, 2}) {
    Select("RadioGroup4", item);
    Click("Button4");
    ExpectSameWindows();
    EXPECT_GT(parallel.prefetch.TakenCertified(), 15000u) << "item " << item;
  }
}

TEST_F(ParallelAgainstSequential, SweepsWithOtherStepsRulesAndFiltersStayIdentical) {
  Set("Edit179", "7.5");
  Set("Edit182", "3");
  Set("Edit183", "2");
  Set("Edit188", "5");
  Select("RadioGroup4", 1);
  Click("Button4");
  ExpectSameWindows();
  // A second sweep goes on from the last zero of the first, in both windows.
  Set("Edit182", "-4");
  Click("Button4");
  ExpectSameWindows();
}

// Maps of pairs in one medium and across two, the substrate's included: the cells, labels and
// figure are the reference's; a node's figure as exported is the 80-bit one or within 1e-9 of it.
TEST_F(ParallelAgainstSequential, MapsOfSeveralPairsGiveTheSameCellsAndFigure) {
  const int pairs[][2] = {{0, 1}, {4, 5}, {0, 4}, {1, 7}, {2, 6}, {3, 4}};
  for (const auto& [x, y] : pairs) {
    Select("RadioGroup1", x);
    Select("RadioGroup2", y);
    Click("Button6");
    ExpectSameWindows();
    const std::vector<MapNode> own = WithExactFigures(parallel.records.map).nodes;
    const std::vector<MapNode>& reference = sequential.records.map.nodes;
    ASSERT_EQ(own.size(), reference.size());
    for (std::size_t k = 0; k < own.size(); ++k) {
      const long double g = reference[k].g;
      ASSERT_EQ(MapClass(own[k].g), MapClass(g)) << x << "/" << y << " node " << k;
      ASSERT_FALSE(own[k].pending);
      ASSERT_LE(fabsl(own[k].g - g), 1e-9L * g) << x << "/" << y << " node " << k;
    }
    EXPECT_GT(parallel.prefetch.TakenCertified(), 10 * parallel.prefetch.Taken());
  }
}

TEST_F(ParallelAgainstSequential, MapWithUnusedAnglesSkipsThemAsTheCorrelatorDoes) {
  for (const char* angle : {"Edit27", "Edit49", "Edit93"}) Set(angle, "0");
  parallel.controls["Button5"].onClick();
  sequential.controls["Button5"].onClick();
  Click("Button6");
  ExpectSameWindows();
}

TEST_F(ParallelAgainstSequential, FaultsEndBothAtTheSamePointWithTheSameMessage) {
  // A zero substrate c11 divides by zero in every fill: nothing is prepared, the sweep meets
  // the fault itself.
  Set("Edit174", "0");
  Click("Button5");
  Click("Button4");
  ASSERT_EQ(parallelMessages.size(), 1u);
  ExpectSameWindows();
  EXPECT_GT(parallel.prefetch.LeftToCaller(), 0u);
}

}  // namespace

namespace {

// Stacks handed out in order, as a computation's own loop would ask for them.
class ListedStacks : public DetGInputSource {
 public:
  explicit ListedStacks(std::vector<StackInputs> stacks) : stacks_(std::move(stacks)) {}
  bool Next(StackInputs& stack, std::vector<WavePoint>& waves) override {
    if (next_ == stacks_.size()) return false;
    stack = stacks_[next_++];
    waves.push_back({stack.q, stack.v});
    return true;
  }
  double Fraction() const override { return 0; }

 private:
  std::vector<StackInputs> stacks_;
  std::size_t next_ = 0;
};

std::vector<StackInputs> StacksWithAFaultAt(std::size_t count, std::size_t faulty) {
  std::vector<StackInputs> stacks;
  for (std::size_t k = 0; k < count; ++k) stacks.push_back(DefaultStack(2800 + 0.37L * k));
  stacks[faulty].c11[0] = 0;  // divides by zero in the fill
  return stacks;
}

TEST(DetGPrefetch, PreparedValuesAreTheOneByOneValuesAndFaultsAreLeftToTheCaller) {
  const std::vector<StackInputs> stacks = StacksWithAFaultAt(9000, 5000);
  DetGPrefetch prefetch;
  prefetch.Start(std::make_unique<ListedStacks>(stacks), nullptr);
  ComplexMatrix matrix;
  ResizeMatrix(matrix, 14, 14);
  for (std::size_t k = 0; k < stacks.size(); ++k) {
    const ComplexLD* prepared = prefetch.Take(stacks[k]);
    if (k == 5000) {
      EXPECT_EQ(prepared, nullptr);
      EXPECT_THROW(EvaluateDetG(stacks[k], matrix), FloatingPointFault);
      continue;
    }
    ASSERT_NE(prepared, nullptr) << k;
    const ComplexLD own = EvaluateDetG(stacks[k], matrix);
    ASSERT_EQ(prepared->re, own.re) << k;
    ASSERT_EQ(prepared->im, own.im) << k;
  }
  EXPECT_EQ(prefetch.Take(stacks[0]), nullptr);  // past the last prepared stack
  EXPECT_EQ(prefetch.Taken(), stacks.size() - 1);
  EXPECT_EQ(prefetch.LeftToCaller(), 1u);
  EXPECT_EQ(prefetch.Diverged(), 0u);
}

TEST(DetGPrefetch, StacksOtherThanThosePreparedEndThePreparing) {
  std::vector<StackInputs> stacks = StacksWithAFaultAt(10, 9);
  DetGPrefetch prefetch;
  prefetch.Start(std::make_unique<ListedStacks>(stacks), nullptr);
  EXPECT_NE(prefetch.Take(stacks[0]), nullptr);
  StackInputs other = stacks[1];
  other.v = nextafterl(other.v, 0);
  EXPECT_EQ(prefetch.Take(other), nullptr);
  EXPECT_EQ(prefetch.Diverged(), 1u);
  EXPECT_EQ(prefetch.Take(stacks[2]), nullptr);  // nothing is prepared any more
}

// Runs of one stack at three waves, each run a group its certified values always settle.
class StackRuns : public DetGInputSource {
 public:
  StackRuns(std::vector<StackInputs> stacks, std::vector<WavePoint> waves)
      : stacks_(std::move(stacks)), waves_(std::move(waves)) {}
  bool Next(StackInputs& stack, std::vector<WavePoint>& waves) override {
    if (next_ == stacks_.size()) return false;
    stack = stacks_[next_++];
    waves = waves_;
    return true;
  }
  double Fraction() const override { return 0; }

 private:
  std::vector<StackInputs> stacks_;
  std::vector<WavePoint> waves_;
  std::size_t next_ = 0;
};

TEST(DetGPrefetch, ARunIsTakenOnlyForItsOwnStackAndWavesWithItsDecision) {
  std::vector<StackInputs> stacks;
  for (int k = 0; k < 6000; ++k) {  // two batches
    stacks.push_back(DefaultStack(0));
    stacks.back().c11[2] += k;  // a map's layer 2, node after node
  }
  const long double q = stacks[0].q;
  const std::vector<WavePoint> waves = {{q, 3000}, {q, 3500}, {q, 4000}};
  CertifiedGroups everyRun{3, [](const WavePoint*, const CertifiedDetG* det) {
                             return std::optional<GroupDecision>{{det[0].re, true}};
                           }};
  DetGPrefetch prefetch;
  prefetch.Start(std::make_unique<StackRuns>(stacks, waves), nullptr, everyRun);
  CertifiedDetG det[3];
  GroupDecision decision;
  StackInputs other = stacks[0];
  other.c11[2] = nextafterl(other.c11[2], 0);
  EXPECT_FALSE(prefetch.TakeCertified(other, waves.data(), 3, det, decision));
  for (std::size_t k = 0; k < stacks.size(); ++k) {
    ASSERT_TRUE(prefetch.TakeCertified(stacks[k], waves.data(), 3, det, decision)) << k;
    for (int w = 0; w < 3; ++w) {
      StackInputs in = stacks[k];
      in.q = waves[w].q;
      in.v = waves[w].v;
      const CertifiedDetG alone = EvaluateDetGCertified(in);
      ASSERT_EQ(det[w].re, alone.re) << k;
      ASSERT_EQ(det[w].rel, alone.rel) << k;
    }
    EXPECT_EQ(decision.figure, det[0].re);
  }
  EXPECT_EQ(prefetch.TakenCertified(), 3 * stacks.size());
}

}  // namespace
