// The dialogs a method may show: input boxes and message boxes. The desktop program
// shows real dialogs; tests and tessaly-cli answer them from a script.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// The title of every box that has no title of its own.
inline constexpr std::string_view kAppTitle = "Tessaly v1.0";
// What the calculus and plot windows say when a value overflows while they read or draw.
inline constexpr std::string_view kOverflowMessage = "溢出";

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgDefault { First, Second };  // for Yes/No: First = Yes, Second = No
enum class MsgResult { Ok, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal input box and returns the typed text; Cancel returns the empty text.
  // An empty title means the application's title.
  virtual std::string InputBox(std::string_view prompt, std::string_view title = {},
                               std::string_view defaultText = {}) = 0;

  // Shows a modal message box and returns the button pressed.
  // An empty title means the application's title.
  virtual MsgResult MsgBox(std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                           MsgIcon icon = MsgIcon::None, std::string_view title = {},
                           MsgDefault defaultButton = MsgDefault::First) = 0;
};

// The title a box shows: its own, or the application's title when it has none.
inline std::string_view EffectiveTitle(std::string_view title) {
  return title.empty() ? kAppTitle : title;
}

}  // namespace tessaly
