// Running an eigenvalue method the way its window does: an input pane text, scripted
// answers, the window's Decimal digits, and a result pane that may hold an earlier report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/method_registry.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"

namespace tessaly::testing {

struct EigenRun {
  std::string report;
  ScriptedDialogs dialogs;
};

inline EigenRun RunEigen(std::string_view item, std::string input, std::vector<std::string> answers,
                         int digits = 6, std::string_view before = {}) {
  EigenRun run{"", ScriptedDialogs(std::move(answers))};
  const MethodEntry* entry = AllMethods().Find("MatrixCValueCVector", item);
  if (entry == nullptr) return run;
  ResultPane pane;
  pane.SetText(before);
  MethodContext ctx{std::move(input), pane, run.dialogs, digits};
  entry->run(ctx);
  run.report = pane.Text();
  return run;
}

// The message boxes shown, as "TITLE|TEXT".
inline std::vector<std::string> TitledMessages(const ScriptedDialogs& dialogs) {
  std::vector<std::string> out;
  for (const ShownBox& box : dialogs.Shown())
    if (box.kind == ShownBox::Kind::Message) out.push_back(box.title + "|" + box.text);
  return out;
}

}  // namespace tessaly::testing
