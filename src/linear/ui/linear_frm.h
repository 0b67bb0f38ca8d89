// The linear-systems worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetSpec LinearFrmSpec();
Worksheet* CreateLinearFrm(WorksheetServices services);

}  // namespace tessaly
