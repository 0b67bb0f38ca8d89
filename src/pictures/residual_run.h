// The convergence chart of a root-finding run: |f(x_k)| per step (for the fixed-point
// methods, which have no f, |x_k − x_(k−1)|), taken from the steps the method recorded.
#pragma once

#include <string>

#include "common/chart_run.h"
#include "pictures/step_record.h"

namespace tessaly {

// The run as a chart series named after its method; empty when it recorded no steps.
ChartRun ResidualRun(const StepRecord& record, std::string problem);

}  // namespace tessaly
