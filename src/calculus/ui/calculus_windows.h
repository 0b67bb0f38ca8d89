// The numerical-calculus windows: the menu window ValueCalculus and its four children, the
// quadrature windows CompFormual, NewtonCotes and GauseIntegral and the function plot
// window FrmGeneralFunPaint.
#pragma once

#include <QString>

#include "common/ui/form_window.h"
#include "common/ui/window_services.h"

namespace tessaly {

class MenuWindow;

// The children, in the order closing ValueCalculus closes them.
inline const QStringList kCalculusChildren = {"NewtonCotes", "CompFormual", "GauseIntegral",
                                              "FrmGeneralFunPaint"};

// The menu window; its buttons show the children through services.windows.
MenuWindow* CreateValueCalculus(WindowServices services);

// The description of a child window by name (one of kCalculusChildren).
FormWindowDescription CalculusWindowDescription(const QString& name);
FormWindow* CreateCalculusWindow(const QString& name, WindowServices services);

}  // namespace tessaly
