#include "pictures/chart_comparison.h"

#include <algorithm>

namespace tessaly {
namespace {

bool SameMethod(const ChartRun& a, const ChartRun& b) {
  if (a.kind != b.kind || a.series.size() != b.series.size()) return false;
  for (size_t i = 0; i < a.series.size(); ++i)
    if (a.series[i].name != b.series[i].name) return false;
  return true;
}

}  // namespace

void ChartComparison::Add(ChartRun run) {
  if (run.kind == ChartKind::None || run.Empty()) return;
  if (!runs_.empty() && runs_.front().problem != run.problem) runs_.clear();
  std::erase_if(runs_, [&run](const ChartRun& kept) { return SameMethod(kept, run); });
  runs_.push_back(std::move(run));
}

ChartKind ChartComparison::LatestKind() const {
  return runs_.empty() ? ChartKind::None : runs_.back().kind;
}

std::vector<const ChartRun*> ChartComparison::Shown() const {
  std::vector<const ChartRun*> shown;
  for (const ChartRun& r : runs_)
    if (r.kind == LatestKind()) shown.push_back(&r);
  return shown;
}

}  // namespace tessaly
