// The nonlinear-equations worksheet: a one-line formula box above the result pane.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetDescription UltraDescription();
Worksheet* CreateUltra(WindowServices services);

}  // namespace tessaly
