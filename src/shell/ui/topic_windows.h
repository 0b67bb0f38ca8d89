// The windows the main window can open, registered by name.
#pragma once

#include "common/ui/app_windows.h"
#include "common/app_state.h"
#include "common/ui/window_services.h"

namespace tessaly {

// Registers the topic windows, their child windows and the about window. `services` are
// handed to every window (null dialogs and choosers: the real ones); its `windows` member is
// set here, and its `app` member to `app`, the program-wide state.
void RegisterTopicWindows(AppWindows& windows, AppState& app, WindowServices services = {});

}  // namespace tessaly
