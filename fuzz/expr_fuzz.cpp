// libFuzzer target of the expression engine: NormalizeFormula, EvaluateFormula (free
// function and compiled Formula, on the canonical text and on the raw bytes),
// EvaluateFormulaXY, EvaluateConstantText and the formula hints must not crash, hang or blow up on any input,
// and, for inputs short enough to scan literally, must agree with the literal scan of
// tests/support (a difference aborts).
//
// The first byte picks the value of x (and, in its top bits, the name of the second
// variable); the rest is the formula.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "expr/formula.h"
#include "expr/formula_hints.h"
#include "support/literal_scan.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kValues[] = {0.0, -0.0, 1, -1, 0.5, -0.25, 2, 3, 0.1, 1e-20, 1.5e20, 1e15,
                          -7.5, 123456789012345.5, 1000000000000005.0, 1e-8, 1e37,
                          4.9406564584124654e-324, 1e308, kInf, -kInf,
                          std::numeric_limits<double>::quiet_NaN(), 2147483647.5, 1e-5};

bool Same(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return true;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

[[noreturn]] void Differ(const char* what, std::string_view text, double x, double got,
                         double want) {
  std::fprintf(stderr, "%s differs on %zu bytes at x = %a: engine %a, literal scan %a\n", what,
               text.size(), x, got, want);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  tessaly::oracle::SetStopSpinning(true);
  double x = kValues[data[0] % (sizeof kValues / sizeof kValues[0])];
  std::string_view typed(reinterpret_cast<const char*>(data + 1), size - 1);

  std::string canonical = tessaly::NormalizeFormula(typed);
  int steps = 0;
  double v = tessaly::EvaluateFormula(canonical, x, steps);
  if (steps < 1 || steps > tessaly::kMalformedSteps) std::abort();
  tessaly::Formula compiled(canonical);
  int compiledSteps = 0;
  double w = compiled.Evaluate(x, compiledSteps);
  if (!Same(v, w) || steps != compiledSteps) Differ("Formula", canonical, x, w, v);

  int rawSteps = 0;
  double raw = tessaly::EvaluateFormula(typed, x, rawSteps);
  static const char* const kNames[] = {"y", "y", "t", "E"};  // "E" meets value texts
  const char* yName = kNames[data[0] >> 6];
  double xy = tessaly::EvaluateFormulaXY(canonical, x, yName, -x);
  std::string entry(typed);
  double constant = tessaly::EvaluateConstantText(entry);
  // The hint of the windows: none, or one that starts as every hint does.
  const std::string hint = tessaly::FormulaHint(typed);
  if (!hint.empty() && hint.rfind("提示：", 0) != 0) std::abort();

  // The literal scan is slow (it rescans at every step); compare on short inputs only.
  if (typed.size() <= 256) {
    if (tessaly::oracle::LiteralNormalizeFormula(typed) != canonical) {
      std::fprintf(stderr, "NormalizeFormula differs\n");
      std::abort();
    }
    auto want = tessaly::oracle::LiteralEvaluateFormula(canonical, x);
    if (!Same(v, want.value) || steps != want.steps)
      Differ("EvaluateFormula", canonical, x, v, want.value);
    auto wantRaw = tessaly::oracle::LiteralEvaluateFormula(typed, x);
    if (!Same(raw, wantRaw.value) || rawSteps != wantRaw.steps)
      Differ("EvaluateFormula (raw)", typed, x, raw, wantRaw.value);
    double wantXY = tessaly::oracle::LiteralEvaluateFormulaXY(canonical, x, yName, -x);
    if (!Same(xy, wantXY)) Differ("EvaluateFormulaXY", canonical, x, xy, wantXY);
    std::string literalEntry(typed);
    double wantConstant = tessaly::oracle::LiteralEvaluateConstantText(literalEntry);
    if (!Same(constant, wantConstant) || entry != literalEntry)
      Differ("EvaluateConstantText", typed, 0, constant, wantConstant);
  }
  return 0;
}
