#include "shell/ui/topic_windows.h"

#include "calculus/ui/calculus_windows.h"
#include "common/ui/menu_window.h"
#include "eigen/ui/matrix_window.h"
#include "interp/ui/frm_fun_picture.h"
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
  windows.Register("FrmFunPicture",
                   [services](AppWindows&) { return new FrmFunPicture(services); });
  windows.Register("ValueCalculus",
                   [services](AppWindows&) { return CreateValueCalculus(services); });
  for (const QString& child : kCalculusChildren)
    windows.Register(
        child, [services, child](AppWindows&) { return CreateCalculusWindow(child, services); });
  RegisterOdeWindows(windows, services);
  windows.Register("FrmAbout", [](AppWindows&) { return new FrmAbout; });
}

}  // namespace tessaly
