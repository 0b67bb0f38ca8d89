// The ODE windows: the menu window UsualDiffEquation and its three solver windows
// UsDi_Euler, UsDi_RungeKutta and UsDi_Adams.
#pragma once

#include "common/ui/app_windows.h"
#include "common/ui/form_window.h"
#include "common/ui/menu_window.h"
#include "common/ui/window_services.h"

namespace tessaly {

FormWindowDescription UsDiEulerDescription();
FormWindowDescription UsDiRungeKuttaDescription();
FormWindowDescription UsDiAdamsDescription();

// The menu window; its buttons open the solver windows through services.windows.
MenuWindow* CreateUsualDiffEquation(WindowServices services);

// Registers the menu window and the three solver windows under their names.
void RegisterOdeWindows(AppWindows& windows, WindowServices services);

}  // namespace tessaly
