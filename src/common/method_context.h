// Everything a worksheet method sees of its window.
#pragma once

#include <functional>
#include <string>

#include "common/app_state.h"
#include "common/dialogs.h"
#include "common/progress.h"
#include "common/result_pane.h"

namespace tessaly {

struct ChartRun;
struct StepRecord;

struct MethodContext {
  std::string input;  // the input pane's text, as it stands
  ResultPane& result;
  Dialogs& dialogs;
  int digits = 6;  // the window's Decimal digits, where it has them
  // Where an iterative method records its run for the convergence chart (common/
  // chart_run.h). Null where nothing records.
  ChartRun* chartRun = nullptr;
  // The interpolation methods' plot: the hand-over record they fill, and the request to
  // show a fresh plot window drawn from it. Null / empty where nothing is plotted.
  PlotHandOver* plot = nullptr;
  std::function<void()> showPlot = {};
  // Moves the keyboard focus to the window's input pane (a method that asks the user to
  // change the typed problem). Empty where there is no window.
  std::function<void()> focusInput = {};
  // Where an iterative method records its steps for the pictures (pictures/step_record.h).
  // Null where nothing records.
  StepRecord* stepRecord = nullptr;
  // Where a long method reports how far it has come (ReportProgress); null where nothing
  // watches or can cancel.
  Progress* progress = nullptr;
};

}  // namespace tessaly
