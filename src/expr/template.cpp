#include "expr/scanner.h"

namespace tessaly::expr {
namespace {

// "eyp" back to "exp", left to right, without overlaps (same length, holes unmoved).
void RestoreExp(std::string& s) {
  size_t at = 0;
  while ((at = s.find("eyp", at)) != std::string::npos) {
    s[at + 1] = 'x';
    at += 3;
  }
}

void AppendHole(Template& t, uint8_t var) {
  t.text += '(';
  t.holes.push_back({t.text.size(), var});
  t.text += "1)";
}

}  // namespace

Template MakeTemplate(std::string_view canonical) {
  Template t;
  t.text.reserve(canonical.size() + 8);
  for (char c : canonical) {
    if (c == 'x') {
      AppendHole(t, 0);
    } else {
      t.text += c;
    }
  }
  RestoreExp(t.text);
  t.text += '#';
  return t;
}

bool MakeTemplateXY(std::string_view canonical, std::string_view yName, Template& out) {
  if (yName.find_first_of("()0123456789.+-E") != std::string_view::npos) return false;
  Template first = MakeTemplate(canonical);
  first.text.pop_back();  // the "#" comes after the second substitution
  if (yName.empty()) {
    out = std::move(first);
    out.text += '#';
    return true;
  }
  // Occurrences of yName cannot overlap a hole's "(1)", nor the value text it stands for.
  Template t;
  t.text.reserve(first.text.size() + 8);
  size_t hole = 0;
  size_t i = 0;
  const std::string& s = first.text;
  while (i < s.size()) {
    if (hole < first.holes.size() && first.holes[hole].pos == i) {
      t.holes.push_back({t.text.size(), 0});
      t.text += s[i++];
      ++hole;
      continue;
    }
    if (s.compare(i, yName.size(), yName) == 0) {
      AppendHole(t, 1);
      i += yName.size();
      continue;
    }
    t.text += s[i++];
  }
  t.text += '#';
  out = std::move(t);
  return true;
}

}  // namespace tessaly::expr
