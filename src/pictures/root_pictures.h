// The pictures of the root-finding methods' steps, drawn from a StepRecord on the Chart:
// bisection (f and the nested intervals as bars), the cobweb of the fixed-point methods
// (phi, y = x and the path, with the accelerated values marked), Newton's tangents and the
// secant's chords. Every picture numbers the iterates and marks the root found.
#pragma once

#include <string>
#include <vector>

#include "common/display_list.h"
#include "pictures/step_record.h"

namespace tessaly {

// The picture's size in the window and in the files tessaly-cli writes.
inline constexpr int kStepPictureWidth = 640;
inline constexpr int kStepPictureHeight = 480;

struct StepPictureRequest {
  int shown = 0;                 // steps 1 .. shown are drawn, step `shown` highlighted
  const ViewBox* view = nullptr;  // null: fitted to the steps shown
  bool grid = true;
  int width = kStepPictureWidth, height = kStepPictureHeight;
};

// The view that fits steps 1 .. shown and the starting data, with margins.
ViewBox FitStepView(const StepRecord& record, int shown);

// The lines said under the picture: the steps whose values overflowed (left out), a formula
// that cannot be evaluated, a record without steps.
std::vector<std::string> StepPictureNotes(const StepRecord& record, int shown);

// The picture of steps 1 .. request.shown (clamped to the steps recorded). f is sampled
// across the view, so a zoomed view is drawn from fresh samples.
DisplayList DrawStepPicture(const StepRecord& record, const StepPictureRequest& request);

}  // namespace tessaly
