// libFuzzer target of the calculus and ODE windows' buttons: every command of
// AllFormCommands() runs on fuzzed control texts and box answers. Commands must not crash,
// hang or blow up, whatever the controls hold, and a picture they draw must stay of a
// size a picture box can show.
//
// The input: the first byte picks the command, the second the plot colour's blue part; the
// rest is split at line feeds, one piece per control in the command's order (a drop-down
// list takes the item its piece's first byte picks; a range-held box holds its piece as the
// window holds typed text), and the pieces left over answer the command's input boxes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/form_command.h"
#include "common/scripted_dialogs.h"

namespace {

// More samples than any window draws: a picture beyond this came from a walk that ran away.
constexpr size_t kMaxShapes = 100000;

std::vector<std::string> Pieces(std::string_view text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == '\n') {
      pieces.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  const std::vector<FormCommand>& commands = AllFormCommands().Entries();
  if (size < 2 || commands.empty()) return 0;
  const FormCommand& command = commands[data[0] % commands.size()];
  std::vector<std::string> pieces =
      Pieces(std::string_view(reinterpret_cast<const char*>(data + 2), size - 2));

  FormFields fields(command.controls);
  size_t next = 0;
  for (const FormControl& control : command.controls) {
    if (next == pieces.size()) break;
    std::string& piece = pieces[next++];
    if (control.IsList()) {
      const size_t pick = piece.empty() ? 0 : static_cast<uint8_t>(piece[0]);
      fields.Set(control.name, control.items[pick % control.items.size()]);
    } else if (control.max > 0) {
      fields.Set(control.name, HeldInRange(piece, control.min, control.max));
    } else {
      fields.Set(control.name, piece);
    }
  }
  std::vector<std::string> answers(pieces.begin() + static_cast<std::ptrdiff_t>(next),
                                   pieces.end());

  AppState app;
  app.plotColour = 0x336600u | data[1];
  ScriptedDialogs dialogs(answers);
  FormContext ctx{fields, dialogs, app};
  FormOutcome outcome;
  try {
    outcome = command.run(ctx);
  } catch (const ScriptError&) {
    return 0;  // a Yes/No question asked again after its default answer: the script's end
  }
  if (outcome.picture) {
    const DisplayList& d = *outcome.picture;
    if (d.lines.size() + d.points.size() + d.texts.size() > kMaxShapes) std::abort();
  }
  if (dialogs.Shown().size() > 1000) std::abort();
  return 0;
}
