// The eigenvalue worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetDescription MatrixCValueCVectorDescription();
Worksheet* CreateMatrixCValueCVector(WindowServices services);

}  // namespace tessaly
