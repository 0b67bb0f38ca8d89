#include "shell/ui/topic_windows.h"

#include "eigen/ui/matrix_window.h"
#include "interp/ui/insert_value.h"
#include "linear/ui/linear_frm.h"
#include "ode/ui/ode_windows.h"
#include "roots/ui/ultra_window.h"
#include "shell/ui/frm_about.h"

namespace tessaly {

void RegisterTopicWindows(AppWindows& windows, AppState& app, WindowServices services) {
  services.windows = &windows;
  services.app = &app;
  windows.Register("LinearFrm", [services](AppWindows&) { return CreateLinearFrm(services); });
  windows.Register("Ultra", [services](AppWindows&) { return CreateUltra(services); });
  windows.Register("InsertValue", [services](AppWindows&) { return CreateInsertValue(services); });
  windows.Register("MatrixCValueCVector",
                   [services](AppWindows&) { return CreateMatrixCValueCVector(services); });
  RegisterOdeWindows(windows, services);
  windows.Register("FrmAbout", [](AppWindows&) { return new FrmAbout; });
}

}  // namespace tessaly
