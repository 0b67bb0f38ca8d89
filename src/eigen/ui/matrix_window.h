// The eigenvalue worksheet.
#pragma once

#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

WorksheetSpec MatrixCValueCVectorSpec();
Worksheet* CreateMatrixCValueCVector(WorksheetServices services);

}  // namespace tessaly
