// Running an InsertValue method the way the window does: an input pane text, scripted
// answers, a result pane that may hold an earlier report, and a plot hand-over record that
// may hold an earlier hand-over.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/method_registry.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"

namespace tessaly::testing {

struct InterpRun {
  std::string report;
  std::vector<ShownBox> shown;
  std::vector<std::string> messages;
  PlotHandOver plot;
  int plotRequests = 0;   // how often the method asked for the plot window
  int focusRequests = 0;  // how often it asked to focus the input pane
};

inline InterpRun RunInsertValue(std::string_view item, std::string input,
                                std::vector<std::string> answers, std::string_view before = {},
                                PlotHandOver plot = {}) {
  InterpRun run;
  run.plot = std::move(plot);
  const MethodEntry* entry = AllMethods().Find("InsertValue", item);
  if (entry == nullptr) {
    run.report = "<no such method>";
    return run;
  }
  ResultPane pane;
  pane.SetText(before);
  ScriptedDialogs dialogs(std::move(answers));
  MethodContext ctx{std::move(input), pane, dialogs};
  ctx.plot = &run.plot;
  ctx.showPlot = [&run] { ++run.plotRequests; };
  ctx.focusInput = [&run] { ++run.focusRequests; };
  entry->run(ctx);
  run.report = pane.Text();
  run.shown = dialogs.Shown();
  run.messages = dialogs.Messages();
  return run;
}

// A row of the table echo: each text right-aligned in 24 characters (ASCII texts only).
inline std::string Row(std::initializer_list<std::string_view> texts) {
  std::string row;
  for (std::string_view t : texts) row += std::string(24 - t.size(), ' ') + std::string(t);
  return row;
}

// The table echo of the given rows.
inline std::string Echo(std::initializer_list<std::string> rows) {
  std::string echo;
  for (const std::string& r : rows) echo += r + "\r\n";
  return echo + "此为所输入的函数表。\r\n";
}

}  // namespace tessaly::testing
