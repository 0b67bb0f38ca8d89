// The linear-systems worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetDescription LinearFrmDescription();
Worksheet* CreateLinearFrm(WorksheetServices services);

}  // namespace tessaly
