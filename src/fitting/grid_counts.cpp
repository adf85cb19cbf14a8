#include "fitting/grid_counts.h"

#include "fitting/mode_count.h"

namespace {

class Bisection {
 public:
  Bisection(const ModeFunction& fn, const StackInputs& stack, long double q,
            const std::vector<long double>& grid)
      : fn_(fn), stack_(stack), q_(q), grid_(grid) {}

  std::optional<GridCount> CountAt(std::size_t i) const {
    const std::optional<int> below = ModesBelow(stack_, q_, fn_.InputsAt(grid_[i]).v);
    if (!below) return std::nullopt;
    return GridCount{i, *below};
  }

  // Every count needed between low and high, high itself included.
  bool Split(const GridCount& low, const GridCount& high) {
    if (high.below < low.below) return false;
    if (high.below > low.below && high.index - low.index > 1) {
      const std::optional<GridCount> middle = CountAt(low.index + (high.index - low.index) / 2);
      if (!middle || !Split(low, *middle)) return false;
      return Split(*middle, high);
    }
    counts_.push_back(high);
    return true;
  }

  std::vector<GridCount>& Counts() { return counts_; }

 private:
  const ModeFunction& fn_;
  const StackInputs& stack_;
  long double q_;
  const std::vector<long double>& grid_;
  std::vector<GridCount> counts_;
};

}  // namespace

std::optional<std::vector<GridCount>> CountsOnGrid(const ModeFunction& fn,
                                                   const StackInputs& stack, long double q,
                                                   const std::vector<long double>& grid) {
  if (grid.size() < 2) return std::nullopt;
  Bisection bisection(fn, stack, q, grid);
  const std::optional<GridCount> first = bisection.CountAt(0);
  const std::optional<GridCount> last = bisection.CountAt(grid.size() - 1);
  if (!first || !last) return std::nullopt;
  bisection.Counts().push_back(*first);
  if (!bisection.Split(*first, *last)) return std::nullopt;
  return std::move(bisection.Counts());
}
