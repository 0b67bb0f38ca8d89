// The linear-systems worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetDescription LinearFrmDescription();
Worksheet* CreateLinearFrm(WindowServices services);

}  // namespace tessaly
