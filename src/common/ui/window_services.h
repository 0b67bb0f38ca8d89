// What a window needs from the rest of the program: where its boxes and common dialogs come
// from, the registry of top-level windows and the program-wide state.
#pragma once

#include "common/app_state.h"

namespace tessaly {

class AppWindows;
class Choosers;
class Dialogs;

struct WindowServices {
  Dialogs* dialogs = nullptr;     // input and message boxes; null: the real boxes
  Choosers* choosers = nullptr;   // file, font and colour dialogs; null: the real dialogs
  AppWindows* windows = nullptr;  // the top-level windows (the about window, child windows)
  AppState* app = nullptr;        // the plot hand-over record and the plot colours
};

}  // namespace tessaly
