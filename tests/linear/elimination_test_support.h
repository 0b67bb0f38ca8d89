// Running a linear-systems method on a typed matrix with scripted answers.
#pragma once

#include <string>
#include <vector>

#include "common/method_context.h"
#include "common/scripted_dialogs.h"

namespace tessaly::testing {

struct MethodRun {
  std::string report;
  ScriptedDialogs dialogs;
};

// Runs method on input with the given order answers and Decimal digits; the result pane
// starts with `before` in it.
template <typename Method>
MethodRun RunMethod(Method method, const std::string& input, std::vector<std::string> answers,
                    int digits = 6, const std::string& before = "") {
  MethodRun run{"", ScriptedDialogs(std::move(answers))};
  ResultPane pane;
  pane.SetText(before);
  MethodContext ctx{input, pane, run.dialogs, digits};
  method(ctx);
  run.report = pane.Text();
  return run;
}

}  // namespace tessaly::testing
