#include "common/form_command.h"

#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly {

FormFields::FormFields(const std::vector<FormControl>& controls) {
  for (const FormControl& c : controls) texts_.emplace_back(c.name, c.initial);
}

const std::string& FormFields::Text(std::string_view name) const {
  static const std::string kEmpty;
  for (const auto& [n, text] : texts_)
    if (n == name) return text;
  return kEmpty;
}

void FormFields::Set(std::string_view name, std::string text) {
  for (auto& [n, t] : texts_)
    if (n == name) {
      t = std::move(text);
      return;
    }
  texts_.emplace_back(std::string(name), std::move(text));
}

bool FormFields::Has(std::string_view name) const {
  for (const auto& entry : texts_)
    if (entry.first == name) return true;
  return false;
}

const FormControl* FormCommand::Control(std::string_view name) const {
  for (const FormControl& c : controls)
    if (c.name == name) return &c;
  return nullptr;
}

const FormCommand* FormCommandRegistry::Find(std::string_view key) const {
  for (const FormCommand& c : entries_)
    if (c.Key() == key) return &c;
  return nullptr;
}

std::string HeldInRange(std::string_view typed, int min, int max) {
  const double v = LeadingNumber(typed);
  if (v < min) return PlainIntegerText(min);
  if (v > max) return PlainIntegerText(max);
  return std::string(typed);
}

bool AllFilled(const FormFields& fields, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names)
    if (TrimBlanks(fields.Text(name)).empty()) return false;
  return true;
}

}  // namespace tessaly
