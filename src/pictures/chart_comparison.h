// The runs a window keeps for comparison: every recorded run on the same problem, until the
// problem changes or the user clears them. The chart shows the kept runs of the kind of the
// latest run, each series a legend entry.
#pragma once

#include <vector>

#include "common/chart_run.h"

namespace tessaly {

class ChartComparison {
 public:
  // Keeps a run that recorded something. A run on another problem than the kept ones starts
  // the comparison afresh; a run whose series have the names of a kept run of the same kind
  // (the same method again) takes that run's place, at the end.
  void Add(ChartRun run);
  void Clear() { runs_.clear(); }

  bool Empty() const { return runs_.empty(); }
  // The kind of the latest run (None when nothing is kept).
  ChartKind LatestKind() const;
  // The kept runs of the latest run's kind, oldest first.
  std::vector<const ChartRun*> Shown() const;
  // Just the latest run.
  const ChartRun* Latest() const { return runs_.empty() ? nullptr : &runs_.back(); }

 private:
  std::vector<ChartRun> runs_;
};

}  // namespace tessaly
