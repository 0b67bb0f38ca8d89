#include "cli/step_picture_output.h"

#include <charconv>
#include <ostream>

#include "cli/run_output.h"
#include "pictures/root_pictures.h"

namespace tessaly {

std::optional<int> ParseStepNumber(const std::string& text) {
  int k = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, k);
  if (ec != std::errc() || ptr != end || k < 1) return std::nullopt;
  return k;
}

int WriteStepPicture(const StepRecord& record, std::optional<int> step, const std::string& file,
                     const PlotFileWriter& writePlot, std::ostream& err) {
  const int count = static_cast<int>(record.steps.size());
  if (count == 0) {
    err << "tessaly-cli: the run recorded no steps; " << file << " was not written\n";
    return 0;
  }
  if (step && *step > count)
    err << "note: the run has " << count << " steps; the picture shows all of them\n";
  const int shown = step ? std::min(*step, count) : count;
  for (const std::string& line : StepPictureNotes(record, shown)) err << "note: " << line << "\n";
  return WritePlotFile(DrawStepPicture(record, {.shown = shown}), file, writePlot, err);
}

}  // namespace tessaly
