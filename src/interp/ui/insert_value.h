// The interpolation and curve-fitting worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetDescription InsertValueDescription();
Worksheet* CreateInsertValue(WindowServices services);

}  // namespace tessaly
