// The platform-free rules of the worksheet windows: the Decimal digits answer, the method
// menu's enabling, the one-line input pane, the Delete command's range, the splitter clamps
// and the file-size thresholds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// Decimal digits ranges of the two matrix windows.
inline constexpr int kLinearDigitsMax = 16;
inline constexpr int kEigenDigitsMax = 15;
inline constexpr int kDefaultDigits = 6;

// The answer to the Decimal digits prompt: its leading number, rounded to the nearest
// integer (halves to even), clamped to 1 .. maxDigits. Cancel (the empty answer) gives 1.
int ParseDecimalDigits(std::string_view answer, int maxDigits);

// Opening a method menu enables its methods only when the input pane's text, trimmed of
// blanks at both ends, is not empty.
bool MethodMenuEnabled(std::string_view inputText);

// Whether the window's input pane is a one-line box (the formula of the nonlinear-equations
// window, "Ultra"): File Open puts only the first line of a file there.
bool HasOneLineInput(std::string_view window);

// The input pane's text, as the methods read it, after File Open loaded a file with these
// bytes into the window's input pane: the first line for a one-line pane, else the whole
// decoded text with CR LF line breaks.
std::string InputTextFromFile(std::string_view window, std::string_view bytes);

struct TextRange {
  int start = 0;
  int length = 0;
};

// The range the Delete command removes from the input pane, or nothing when the command
// does nothing. `input` is the input pane's text, `selStart`/`selLength` its selection,
// `focusedLength` the length of the text of the control that has the focus. With an empty
// selection the character after the caret goes; a carriage return goes together with the
// line feed after it.
std::optional<TextRange> DeleteRange(std::u16string_view input, int selStart, int selLength,
                                     int focusedLength);

// Splitter arithmetic of the left/right windows, in twips.
// Where the panes divide after a drop: never closer than 1500 to either edge.
double ClampSplitPosition(double x, double outerWidth);
// Where the ghost bar may be dragged: never closer than 500 to either edge.
double ClampGhostBar(double p, double outerWidth);
// The same for the top/bottom window, measured from the inner top: 750 from the top and
// 750 above the status bar.
double ClampGhostBarVertical(double p, double innerHeight, double statusBarHeight);

// Outer sizes below the minimum snap back to 3500 twips.
inline constexpr double kSnappedOuterSize = 3500;
double SnapOuterSize(double size, double minimum);

// File sizes in bytes: above kAskAboveBytes File Open asks before loading; above
// kRefuseAboveBytes the interpolation window refuses the file.
inline constexpr std::int64_t kAskAboveBytes = 1500;
inline constexpr std::int64_t kRefuseAboveBytes = 65535;

}  // namespace tessaly
