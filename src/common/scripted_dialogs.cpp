#include "common/scripted_dialogs.h"

#include <algorithm>
#include <cctype>

#include "common/text_util.h"

namespace tessaly {
namespace {

std::string OneLine(std::string_view s) {
  std::string out = ReplaceAll(s, "\r\n", "\\n");
  out = ReplaceAll(out, "\r", "\\n");
  return ReplaceAll(out, "\n", "\\n");
}

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

std::string ShownBox::LogLine() const {
  if (kind == Kind::Input) return "input: [" + title + "] " + OneLine(text) + " -> " + OneLine(reply);
  return "message: [" + title + "] " + OneLine(text);
}

ScriptedDialogs::ScriptedDialogs(std::vector<std::string> answers)
    : answers_(answers.begin(), answers.end()) {}

std::string ScriptedDialogs::InputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) {
  std::string reply;
  if (!answers_.empty()) {
    reply = std::move(answers_.front());
    answers_.pop_front();
  }
  ShownBox box;
  box.kind = ShownBox::Kind::Input;
  box.title = std::string(EffectiveTitle(title));
  box.text = std::string(prompt);
  box.reply = reply;
  box.defaultText = std::string(defaultText);
  shown_.push_back(std::move(box));
  return reply;
}

MsgResult ScriptedDialogs::MsgBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                                  std::string_view title, MsgDefault defaultButton) {
  ShownBox box;
  box.kind = ShownBox::Kind::Message;
  box.title = std::string(EffectiveTitle(title));
  box.text = std::string(text);
  box.buttons = buttons;
  box.icon = icon;
  // A script that cannot answer is reported with the question it could not answer logged.
  auto refuse = [&](std::string why) {
    shown_.push_back(std::move(box));
    lastAnsweredByDefault_ = false;
    throw ScriptError(why);
  };

  MsgResult result = MsgResult::Ok;
  bool byDefault = false;
  if (buttons == MsgButtons::YesNo) {
    result = defaultButton == MsgDefault::First ? MsgResult::Yes : MsgResult::No;
    if (answers_.empty()) {
      const ShownBox* last = shown_.empty() ? nullptr : &shown_.back();
      if (lastAnsweredByDefault_ && last->text == box.text && last->title == box.title)
        refuse("no answer left for a repeated question: " + box.text);
      byDefault = true;
    } else {
      std::string word = Lower(TrimBlanks(answers_.front()));
      if (word == "yes" || word == "y") {
        result = MsgResult::Yes;
      } else if (word == "no" || word == "n") {
        result = MsgResult::No;
      } else {
        refuse("a Yes/No question met the answer '" + answers_.front() +
               "' (expected yes, y, no or n)");
      }
      answers_.pop_front();
    }
  }
  box.reply = result == MsgResult::Ok ? "OK" : (result == MsgResult::Yes ? "Yes" : "No");
  shown_.push_back(std::move(box));
  lastAnsweredByDefault_ = byDefault;
  return result;
}

std::vector<std::string> ScriptedDialogs::Messages() const {
  std::vector<std::string> out;
  for (const auto& b : shown_)
    if (b.kind == ShownBox::Kind::Message) out.push_back(b.text);
  return out;
}

}  // namespace tessaly
