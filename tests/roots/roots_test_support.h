// Running an Ultra method the way the window does: an input pane text, scripted answers,
// and a result pane that may already hold an earlier report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/method_registry.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"

namespace tessaly::testing {

struct UltraRun {
  std::string report;
  std::vector<ShownBox> shown;
  std::vector<std::string> messages;
  std::vector<std::string> lines;  // the report split at CR LF
};

inline UltraRun RunUltra(std::string_view item, std::string input, std::vector<std::string> answers,
                         std::string_view before = {}, StepRecord* record = nullptr) {
  UltraRun run;
  const MethodEntry* entry = AllMethods().Find("Ultra", item);
  if (entry == nullptr) return run;
  ResultPane pane;
  pane.SetText(before);
  ScriptedDialogs dialogs(std::move(answers));
  MethodContext ctx{std::move(input), pane, dialogs};
  ctx.stepRecord = record;
  entry->run(ctx);
  run.report = pane.Text();
  run.shown = dialogs.Shown();
  run.messages = dialogs.Messages();
  size_t start = 0;
  while (true) {
    size_t end = run.report.find("\r\n", start);
    run.lines.push_back(run.report.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return run;
}

}  // namespace tessaly::testing
