// The windows the main window can open, registered by name.
#pragma once

#include "common/ui/app_windows.h"
#include "worksheet/ui/worksheet_window.h"

namespace tessaly {

// Registers the topic windows and the about window. `services` are handed to every
// worksheet window (null members: the real dialogs); its `windows` member is set here.
void RegisterTopicWindows(AppWindows& windows, WorksheetServices services = {});

}  // namespace tessaly
