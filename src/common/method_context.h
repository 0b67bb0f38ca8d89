// Everything a worksheet method sees of its window.
#pragma once

#include <string>

#include "common/dialogs.h"
#include "common/result_pane.h"

namespace tessaly {

struct MethodContext {
  std::string input;  // the input pane's text, as it stands
  ResultPane& result;
  Dialogs& dialogs;
  int digits = 6;  // the window's Decimal digits, where it has them
};

}  // namespace tessaly
