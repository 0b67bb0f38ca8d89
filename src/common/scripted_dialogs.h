// Dialogs answered from a script: the answers are taken in order as the boxes appear.
// Used by the tests and by tessaly-cli.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace tessaly {

// Thrown when a Yes/No box meets an answer that is neither yes nor no.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ShownBox {
  enum class Kind { Input, Message } kind = Kind::Message;
  std::string title;  // the effective title
  std::string text;   // the prompt or the message
  std::string reply;  // the reply typed, or "OK" / "Yes" / "No"
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  std::string defaultText;  // input boxes: the default shown

  // One line: "input: [TITLE] PROMPT -> REPLY" or "message: [TITLE] TEXT", line breaks as \n.
  std::string LogLine() const;
};

class ScriptedDialogs : public Dialogs {
 public:
  ScriptedDialogs() = default;
  explicit ScriptedDialogs(std::vector<std::string> answers);

  // An input box takes the next answer (none left: Cancel, the empty reply). A Yes/No box
  // takes yes/y or no/n (none left: its default button). OK boxes take nothing.
  // A Yes/No question that comes again right after it was answered by its default, with
  // no answers left, throws ScriptError: a question that repeats until it gets the other
  // answer would otherwise loop forever.
  std::string InputBox(std::string_view prompt, std::string_view title = {},
                       std::string_view defaultText = {}) override;
  MsgResult MsgBox(std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                   MsgIcon icon = MsgIcon::None, std::string_view title = {},
                   MsgDefault defaultButton = MsgDefault::First) override;

  const std::vector<ShownBox>& Shown() const { return shown_; }
  // The texts of the message boxes shown, in order.
  std::vector<std::string> Messages() const;
  size_t AnswersLeft() const { return answers_.size(); }

 private:
  std::deque<std::string> answers_;
  std::vector<ShownBox> shown_;
  bool lastAnsweredByDefault_ = false;  // the last box shown was a Yes/No box, unanswered
};

}  // namespace tessaly
