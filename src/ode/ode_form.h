// What the three ODE windows share when their button is pressed: reading and checking the
// right-hand side, the bounds and the number of parts, and asking for the starting values.
#pragma once

#include <optional>
#include <string>

#include "common/form_command.h"
#include "ode/ode.h"

namespace tessaly::ode {

// The controls of every ODE window: Text1 f(x, y), Text2 a, Text3 b, Text4 n (held within
// 1..32767, initially 2).
std::vector<FormControl> OdeControls();

struct OdeProblem {
  std::string formula;  // Text1 trimmed, as typed
  double a = 0;
  Grid grid;
};

// Reads the controls in order, showing the message of the first empty one or of b < a
// (the focus going to Text1 when f is missing); nothing then.
std::optional<OdeProblem> ReadOdeProblem(FormContext& ctx, FormOutcome& outcome);

// n: the leading number of Text4, held within 1..32767, to the nearest integer (halves to
// even).
int Parts(std::string_view text);

// Asks for the solution's value at x; nothing when the reply is empty (Cancel too).
std::optional<double> AskStartValue(Dialogs& dialogs, double x);

}  // namespace tessaly::ode
