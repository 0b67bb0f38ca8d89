// The public face of the expression engine: the compiled classes, the free
// evaluators (which keep a few compiled texts per thread) and the small operations.
#include "expr/formula.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"
#include "common/text_util.h"
#include "expr/program.h"
#include "expr/round15.h"
#include "expr/scan_rules.h"
#include "expr/scanner.h"

namespace tessaly {

using expr::Op;

std::string_view CompareOperators(std::string_view top, char incoming) {
  Op op = Op::kNone;
  if (top.size() == 1) {
    op = expr::OperatorOf(top[0]);
  } else if (top.size() == 3) {
    op = expr::FunctionAt(top);
  }
  switch (expr::Compare(op, incoming)) {
    case expr::Relation::kLess: return "<";
    case expr::Relation::kEqual: return "=";
    case expr::Relation::kGreater: return ">";
    case expr::Relation::kNone: return "";
  }
  return "";
}

double ApplyFunction(std::string_view token, double a) {
  if (token.size() != 3) return 0;
  Op op = expr::FunctionAt(token);
  return op == Op::kNone ? 0 : expr::Function(op, a);
}

unsigned long OverflowsSoFar() { return expr::overflowCount; }

double ApplyOperator(double a, char op, double b) {
  // The scan only ever applies the six operators; any other character gives 0. No message
  // is shown for it: the scan cannot reach this case.
  Op code = expr::OperatorOf(op);
  return expr::IsBinary(code) ? expr::Operate(a, code, b) : 0;
}

// ---------------------------------------------------------------------------------------

struct Formula::Program {
  expr::Program program;
};

Formula::Formula() : Formula(std::string_view{}) {}
Formula::Formula(std::string_view canonical)
    : program_(new Program{expr::Program(expr::MakeTemplate(canonical), expr::kFormulaStepCap)}) {}
Formula::~Formula() = default;
Formula::Formula(Formula&&) noexcept = default;
Formula& Formula::operator=(Formula&&) noexcept = default;
Formula::Formula(const Formula& other)
    : program_(other.program_ ? new Program(*other.program_) : nullptr) {}
Formula& Formula::operator=(const Formula& other) {
  if (this != &other) program_.reset(other.program_ ? new Program(*other.program_) : nullptr);
  return *this;
}

double Formula::Evaluate(double x, int& steps) const {
  if (!program_) {  // moved from: the empty text
    steps = 1;
    return 0;
  }
  const expr::Program& p = program_->program;
  steps = p.steps();
  return p.Evaluate(x, 0.0);
}

// ---------------------------------------------------------------------------------------

struct FormulaXY::Program {
  bool literal = false;  // the name of the second variable defeats the template
  expr::Program program;
  std::string canonical;
  std::string yName;
};

namespace {

// The value text of v as it is substituted: "(" + leading-blank number text without its
// blank + ")".
void AppendValueText(std::string& out, double v) {
  std::string text = LeadingBlankNumberText(v);
  out += '(';
  out.append(text, text[0] == ' ' ? 1 : 0, std::string::npos);
  out += ')';
}

// EvaluateFormulaXY by substituting the text, for a second variable whose name meets the
// characters of value texts. A non-finite value there gives NaN.
double LiteralXY(std::string_view canonical, double x, std::string_view yName, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::numeric_limits<double>::quiet_NaN();
  std::string text;
  for (char c : canonical) {
    if (c == 'x') {
      AppendValueText(text, x);
    } else {
      text += c;
    }
  }
  for (size_t at = 0; (at = text.find("eyp", at)) != std::string::npos; at += 3) text[at + 1] = 'x';
  std::string value;
  AppendValueText(value, y);
  text = yName.empty() ? text : ReplaceAll(text, yName, value);
  text += '#';
  expr::Template t{std::move(text), {}};
  expr::ValueStack stack(0, 0);
  expr::Scan(t, expr::kFormulaXYStepCap, stack);
  return stack.Result();
}

}  // namespace

FormulaXY::FormulaXY() : FormulaXY(std::string_view{}, "y") {}
FormulaXY::FormulaXY(std::string_view canonical, std::string_view yName)
    : program_(new Program) {
  expr::Template t;
  if (expr::MakeTemplateXY(canonical, yName, t)) {
    program_->program = expr::Program(t, expr::kFormulaXYStepCap);
  } else {
    program_->literal = true;
    program_->canonical = canonical;
    program_->yName = yName;
  }
}
FormulaXY::~FormulaXY() = default;
FormulaXY::FormulaXY(FormulaXY&&) noexcept = default;
FormulaXY& FormulaXY::operator=(FormulaXY&&) noexcept = default;
FormulaXY::FormulaXY(const FormulaXY& other)
    : program_(other.program_ ? new Program(*other.program_) : nullptr) {}
FormulaXY& FormulaXY::operator=(const FormulaXY& other) {
  if (this != &other) program_.reset(other.program_ ? new Program(*other.program_) : nullptr);
  return *this;
}

double FormulaXY::Evaluate(double x, double y) const {
  if (!program_) return 0;  // moved from: the empty text
  const Program& p = *program_;
  if (p.literal) return LiteralXY(p.canonical, x, p.yName, y);
  return p.program.Evaluate(x, y);
}

// ---------------------------------------------------------------------------------------

namespace {

// A few compiled texts per thread, most recently used first. The key is the text and, for
// f(x, y), the name of the second variable. A hit on the first entry (the usual case: a
// method evaluates one formula many times) costs one comparison of the text.
template <class Compiled, size_t N>
class Cache {
 public:
  const Compiled* First(std::string_view text, std::string_view name) const {
    const Entry& e = entries_[0];
    return used_ > 0 && e.text == text && e.name == name ? &e.compiled : nullptr;
  }

  // Out of line, so that the hit on the first entry stays a short function.
  template <class Make>
  [[gnu::noinline]] const Compiled& Get(std::string_view text, std::string_view name,
                                        Make make) {
    for (size_t i = 1; i < used_; ++i) {
      if (entries_[i].text == text && entries_[i].name == name) {
        Promote(i);
        return entries_[0].compiled;
      }
    }
    size_t slot = used_ < N ? used_++ : N - 1;
    entries_[slot].text.assign(text);
    entries_[slot].name.assign(name);
    entries_[slot].compiled = make();
    Promote(slot);
    return entries_[0].compiled;
  }

 private:
  struct Entry {
    std::string text, name;
    Compiled compiled;
  };
  void Promote(size_t i) {
    for (; i > 0; --i) std::swap(entries_[i], entries_[i - 1]);
  }
  std::array<Entry, N> entries_;
  size_t used_ = 0;
};

}  // namespace

double EvaluateFormula(std::string_view canonical, double x, int& steps) {
  thread_local Cache<Formula, 8> cache;
  const Formula* f = cache.First(canonical, {});
  if (f == nullptr) [[unlikely]]
    f = &cache.Get(canonical, {}, [&] { return Formula(canonical); });
  return f->Evaluate(x, steps);
}

double EvaluateFormulaXY(std::string_view canonical, double x, std::string_view yName, double y) {
  thread_local Cache<FormulaXY, 8> cache;
  const FormulaXY* f = cache.First(canonical, yName);
  if (f == nullptr) [[unlikely]]
    f = &cache.Get(canonical, yName, [&] { return FormulaXY(canonical, yName); });
  return f->Evaluate(x, y);
}

double EvaluateConstantText(std::string& entry) {
  entry = NormalizeFormula(entry);
  // A plain numeral (the usual entry) is read directly: the scan pushes it and ends.
  expr::Numeral n = expr::ReadNumeral(entry);
  if (n.isNumber && n.length == entry.size()) return n.value;
  expr::ValueStack stack(0, 0);
  expr::Scan(expr::MakeTemplate(entry), expr::kFormulaStepCap, stack);
  return stack.Result();
}

}  // namespace tessaly
