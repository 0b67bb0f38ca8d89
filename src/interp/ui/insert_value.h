// The interpolation and curve-fitting worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetDescription InsertValueDescription();
Worksheet* CreateInsertValue(WorksheetServices services);

}  // namespace tessaly
