// Least-squares curve fitting: the polynomial of a typed degree p that fits the table's
// points best in the least-squares sense, from the normal equations G a = b with
// G(i, j) = Σ x^(i+j) and b(j) = Σ y·x^j, solved by the factorisation G = L D Lᵀ. The
// method prints the normal equations and the fitted polynomial, and ends with the plot
// question; it has no evaluation prompt.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_builder.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "expr/formula.h"
#include "expr/scan_rules.h"
#include "interp/formula_text.h"
#include "interp/function_table.h"
#include "interp/interpolation.h"
#include "interp/run_skeleton.h"

namespace tessaly {
namespace {

constexpr std::string_view kTooHighTitle = "数据缺少或拟合曲线次数太高";
constexpr std::string_view kTooHighMessage =
    "拟合曲线曲线次数太高，而所给的散点值太少，是否增加散点数？";
constexpr std::string_view kNegativeDegreeMessage = "拟合曲线的次数不能为负数，请重新输入！";
// The report's last line when the coefficients cannot be computed, in place of the
// fitted curve.
constexpr std::string_view kSingularLine =
    "法方程组的系数矩阵奇异，无法求出拟合曲线。请增加互不相同的节点x，或降低拟合曲线的次数。";
constexpr std::string_view kOverflowLine = "法方程组的系数计算溢出，无法求出拟合曲线。";

// One power x^k costs about as much as this many inner steps of an elimination.
constexpr double kPowerSteps = 32;

uint64_t Clamped(double v) {
  return v < 1.8e19 ? static_cast<uint64_t>(v) : std::numeric_limits<uint64_t>::max();
}

// The memory and work of a fit of degree p to `points` points: the power sums and
// right-hand sides (3p + 1 powers per point), the factorisation of order p + 1, and the
// (p + 1)² + (p + 1) fields of the normal equations in the report.
bool FitFitsOrTell(MethodContext& ctx, double p, double points) {
  const double k = p + 1;
  const double doubles = 2 * k * k + 6 * k;
  const double steps = points * (3 * p + 1) * kPowerSteps + k * k * k / 2 +
                       (k * k + k) * static_cast<double>(kFieldSteps);
  return FitsOrTell(ctx, Clamped(doubles), Clamped(steps));
}

// How many different values x holds.
size_t DistinctCount(std::vector<double> x) {
  std::sort(x.begin(), x.end());
  return static_cast<size_t>(std::unique(x.begin(), x.end()) - x.begin());
}

}  // namespace

bool SolveNormalEquations(const Matrix& A, Vector& x, const Vector& b, int k, SkippedSteps& steps) {
  Matrix L(k, k);
  Vector D(k), y(k);
  x = Vector(k);
  bool nonSingular = true;
  for (int i = 1; i <= k; ++i) L(i, i) = 1;
  steps.Set(D(1), A(1, 1));
  for (int i = 2; i <= k; ++i) {
    double* Li = L.Row(i);
    for (int j = 1; j <= i - 1; ++j) {
      const double* Lj = L.Row(j);
      double sum = 0;
      for (int m = 1; m <= j - 1; ++m) sum = sum + Li[m - 1] * D(m) * Lj[m - 1];
      if (D(j) == 0) nonSingular = false;
      steps.SetQuotient(Li[j - 1], A(i, j) - sum, D(j));
    }
    double sum = 0;
    for (int m = 1; m <= i - 1; ++m) sum = sum + Li[m - 1] * Li[m - 1] * D(m);
    steps.Set(D(i), A(i, i) - sum);
  }
  for (int i = 1; i <= k; ++i) {
    const double* Li = L.Row(i);
    double sum = 0;
    for (int m = 1; m <= i - 1; ++m) sum = sum + Li[m - 1] * y(m);
    steps.Set(y(i), b(i) - sum);
  }
  for (int i = k; i >= 1; --i) {
    double sum = 0;
    for (int m = i + 1; m <= k; ++m) sum = sum + L(m, i) * x(m);
    if (D(i) == 0) nonSingular = false;
    if (const auto q = steps.Quotient(y(i), D(i))) steps.Set(x(i), *q - sum);
  }
  return nonSingular;
}

void CMinRideCurve(MethodContext& ctx) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, 3)) return;
  if (!TableFitsOrTell(ctx, t.x.size())) return;
  ctx.result.SetText((TextBuilder() << t.echo << kCrLf).Text());

  const std::string reply = ctx.dialogs.InputBox("你希望拟合曲线为几次多项式：", "输入数值", "2");
  if (reply.empty()) return;
  // A 16-bit integer, the nearest one with a half going to the even neighbour (2.5 is 2,
  // 3.5 is 4); a number beyond that range (also one too large for a double) is held to its
  // end: too high or negative, as its neighbours are.
  const double degree = ToInt16Held(LeadingNumber(reply)).value_or(0);
  const double points = static_cast<double>(t.x.size());
  if (degree > points - 2) {
    if (ctx.dialogs.MsgBox(kTooHighMessage, MsgButtons::YesNo, MsgIcon::Question, kTooHighTitle) ==
            MsgResult::Yes &&
        ctx.focusInput)
      ctx.focusInput();
    return;
  }
  if (degree < 0) {
    ctx.dialogs.MsgBox(kNegativeDegreeMessage);
    return;
  }
  if (!FitFitsOrTell(ctx, degree, points)) return;
  const int p = static_cast<int>(degree), k = p + 1;
  const std::vector<double>& x = t.x;
  const std::vector<double>& y = t.y;

  // s(0) = N, s(k) = Σ x^k; b(j) = Σ y·x^j (x^0 = 1, also for x = 0). A term that
  // overflows is skipped and the sum keeps its previous value, as every statement of the
  // window's methods does; the curve is then not computed.
  std::vector<double> s(2 * p + 1, 0), b(p + 1, 0);
  bool overflowed = false;
  s[0] = points;
  for (int e = 1; e <= 2 * p; ++e)
    for (double xi : x) overflowed |= !SetIfFinite(s[e], s[e] + expr::StdPow(xi, e));
  for (int j = 0; j <= p; ++j)
    for (size_t i = 0; i < x.size(); ++i)
      overflowed |= !SetIfFinite(b[j], b[j] + y[i] * expr::StdPow(x[i], j));

  TextBuilder report;
  report << "法方程组的各系数为：" << kCrLf;
  for (int i = 0; i <= p; ++i) {
    for (int j = 0; j <= p; ++j) report << "   " << s[i + j];
    report << kCrLf;
  }
  report << "法方程组的右端项为：" << kCrLf;
  for (int j = 0; j <= p; ++j) report << "   " << b[j] << kCrLf;
  ctx.result.Append(report.Take());

  // A sum that overflowed, or a matrix that is singular: no curve to print or plot. The
  // normal matrix is singular exactly when there are no more different nodes than the
  // degree.
  if (overflowed) {
    ctx.result.Append(kOverflowLine);
    return;
  }
  if (DistinctCount(x) <= static_cast<size_t>(p)) {
    ctx.result.Append(kSingularLine);
    return;
  }
  Matrix G(k, k);
  Vector rhs(k), a;
  for (int i = 1; i <= k; ++i) {
    for (int j = 1; j <= i; ++j) G(i, j) = s[i + j - 2];
    rhs(i) = b[i - 1];
  }
  SkippedSteps steps;
  if (!SolveNormalEquations(G, a, rhs, k, steps)) {
    ctx.result.Append(kSingularLine);
    return;
  }
  if (steps.Any()) {
    ctx.result.Append(kOverflowLine);
    return;
  }

  TextBuilder built;
  built << " " << a(1);
  for (int e = 1; e <= p; ++e) built << "+" << a(e + 1) << "*x^" << e;
  std::string formula = CleanUpA(built.Text());
  ctx.result.Append((TextBuilder() << "拟合曲线为" << kCrLf << " y=" << formula).Take());

  // The plot gets the formula normalised, over the first to the last node as typed.
  formula = NormalizeFormula(formula);
  OfferFormulaPlot(ctx, formula, x.front(), x.back());
}

}  // namespace tessaly
