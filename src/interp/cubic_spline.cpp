// Cubic spline interpolation: the spline through the table written out piece by piece, one
// cubic per node interval, either with the first derivatives m0 … mn at the nodes (the
// slopes) or with the second derivatives M0 … Mn (the moments). The unknown derivatives
// solve a tridiagonal system by the chase method; the two end values are typed by the user.
// The spline methods have no evaluation prompt; they end with the plot question.
#include <string>
#include <string_view>
#include <vector>

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_builder.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "expr/scan_rules.h"
#include "interp/formula_text.h"
#include "interp/function_table.h"
#include "interp/interpolation.h"
#include "interp/run_skeleton.h"

namespace tessaly {
namespace {

// Shown when the chase met a zero pivot. The spline matrices are diagonally dominant for
// nodes in increasing (or decreasing) order, so only nodes out of order lead here.
constexpr std::string_view kZeroPivotMessage =
    "函数表中的节点x没有按大小顺序排列，追赶法中出现零主元，样条函数中有的系数无法算出，所得公"
    "式不可用！";

// The texts of the two kinds of end values.
struct EndTexts {
  std::string_view heading, leftPrompt, rightPrompt, line;
};
constexpr EndTexts kEndSlopes{
    "边界条件（左、右端点处的样条函数一阶导数值）输出如下：", "输入左端点处的样条函数一阶导数值：",
    "输入右端点处的样条函数一阶导数值：", "    边界条件左、右端点处的一阶导数值分别为 "};
constexpr EndTexts kEndMoments{
    "边界条件（左、右端点处的样条函数二阶导数值）输出如下：", "输入左端点处的样条函数二阶导数值：",
    "输入右端点处的样条函数二阶导数值：", "    边界条件左、右端点处的二阶导数值分别为 "};

// The quantities every system is built from, with the table's indices: h(i) = x(i) -
// x(i-1) for i = 1 … n; λ(i), μ(i) and the right-hand side r(i) (g(i) for the slopes, d(i)
// for the moments) for i = 1 … n-1. Entries that cannot be computed stay 0.
struct SplineData {
  int n = 0;
  const std::vector<double>* x = nullptr;
  const std::vector<double>* y = nullptr;
  std::vector<double> h, lambda, mu, r;
};

SplineData Prepare(const FunctionTable& t, bool slopes, SkippedSteps& steps) {
  SplineData s;
  const int n = t.Last();
  const std::vector<double>& x = t.x;
  const std::vector<double>& y = t.y;
  s.n = n;
  s.x = &x;
  s.y = &y;
  s.h.assign(n + 1, 0);
  s.lambda.assign(n + 1, 0);
  s.mu.assign(n + 1, 0);
  s.r.assign(n + 1, 0);
  std::vector<double>& h = s.h;
  for (int i = 1; i <= n; ++i) steps.Set(h[i], x[i] - x[i - 1]);
  for (int i = 1; i <= n - 1; ++i) {
    steps.SetQuotient(s.lambda[i], h[i + 1], h[i] + h[i + 1]);
    steps.SetQuotient(s.mu[i], h[i], h[i] + h[i + 1]);
    if (slopes) {
      // g(i) = 3 × (λ(i) × (y(i) − y(i−1)) / h(i) + μ(i) × (y(i+1) − y(i)) / h(i+1))
      const auto left = steps.Quotient(s.lambda[i] * (y[i] - y[i - 1]), h[i]);
      const auto right = steps.Quotient(s.mu[i] * (y[i + 1] - y[i]), h[i + 1]);
      if (left && right) steps.Set(s.r[i], 3 * (*left + *right));
    } else {
      // d(i) = 6 × ((y(i+1) − y(i)) / h(i+1) − (y(i) − y(i−1)) / h(i)) / (h(i) + h(i+1))
      const auto right = steps.Quotient(y[i + 1] - y[i], h[i + 1]);
      const auto left = steps.Quotient(y[i] - y[i - 1], h[i]);
      if (left && right) steps.SetQuotient(s.r[i], 6 * (*right - *left), h[i] + h[i + 1]);
    }
  }
  return s;
}

// target := num / den + add, when the quotient exists.
void SetQuotientPlus(SkippedSteps& steps, double& target, double num, double den, double add) {
  if (const auto q = steps.Quotient(num, den)) steps.Set(target, *q + add);
}

// Solves the system and returns the node derivatives 0 … n: the solution in the entries
// from `first` on, and the given end values where the system has no unknown for them.
struct Solved {
  std::vector<double> at;  // m or M at the nodes 0 … n
  bool pivotsNonZero = true;
};

Solved Solve(const SplineData& s, const Tridiagonal& a, const Vector& d, double left, double right,
             bool endsGiven, SkippedSteps& steps) {
  const int n = s.n;
  Vector solution;
  Solved out;
  out.pivotsNonZero = SolveTridiagonal(a, d, solution, steps);
  out.at.assign(n + 1, 0);
  if (endsGiven) {
    out.at[0] = left;
    out.at[n] = right;
    for (int i = 1; i <= n - 1; ++i) out.at[i] = solution(i);
  } else {
    for (int i = 0; i <= n; ++i) out.at[i] = solution(i + 1);
  }
  return out;
}

// Unknowns m1 … m(n-1); m0 and mn are the typed end slopes.
Solved SlopesFromEndSlopes(const SplineData& s, double m0, double mn, SkippedSteps& steps) {
  const int n = s.n, k = n - 1;
  Tridiagonal a(k);
  Vector d(k);
  for (int i = 1; i <= k; ++i) {
    if (i >= 2) a.sub(i) = s.lambda[i];
    a.diag(i) = 2;
    if (i <= n - 2) a.super(i) = s.mu[i];
    d(i) = s.r[i];
  }
  // With one unknown (n = 2) both end terms come off the same entry.
  steps.Set(d(1), d(1) - s.lambda[1] * m0);
  steps.Set(d(k), d(k) - s.mu[n - 1] * mn);
  return Solve(s, a, d, m0, mn, true, steps);
}

// Unknowns m0 … mn; M0 and Mn are the typed end moments.
Solved SlopesFromEndMoments(const SplineData& s, double M0, double Mn, SkippedSteps& steps) {
  const int n = s.n;
  const std::vector<double>& y = *s.y;
  const std::vector<double>& h = s.h;
  Tridiagonal a(n + 1);
  Vector d(n + 1);
  a.diag(1) = 2;
  a.super(1) = 1;
  SetQuotientPlus(steps, d(1), 3 * (y[1] - y[0]), h[1], -(M0 * h[1] / 2));
  for (int i = 1; i <= n - 1; ++i) {
    a.sub(i + 1) = s.lambda[i];
    a.diag(i + 1) = 2;
    a.super(i + 1) = s.mu[i];
    d(i + 1) = s.r[i];
  }
  a.sub(n + 1) = 1;
  a.diag(n + 1) = 2;
  SetQuotientPlus(steps, d(n + 1), 3 * (y[n] - y[n - 1]), h[n], Mn * h[n] / 2);
  return Solve(s, a, d, M0, Mn, false, steps);
}

// Unknowns M0 … Mn; y'0 and y'n are the typed end slopes.
Solved MomentsFromEndSlopes(const SplineData& s, double y0, double yn, SkippedSteps& steps) {
  const int n = s.n;
  const std::vector<double>& y = *s.y;
  const std::vector<double>& h = s.h;
  Tridiagonal a(n + 1);
  Vector d(n + 1);
  a.diag(1) = 2;
  a.super(1) = 1;
  // 6 × ((y1 − y0) / h(1) − y'0) / h(1)
  if (const auto q = steps.Quotient(y[1] - y[0], h[1]))
    steps.SetQuotient(d(1), 6 * (*q - y0), h[1]);
  for (int i = 1; i <= n - 1; ++i) {
    a.sub(i + 1) = s.mu[i];
    a.diag(i + 1) = 2;
    a.super(i + 1) = s.lambda[i];
    d(i + 1) = s.r[i];
  }
  a.sub(n + 1) = 1;
  a.diag(n + 1) = 2;
  // 6 × (y'n − (yn − y(n−1)) / h(n)) / h(n)
  if (const auto q = steps.Quotient(y[n] - y[n - 1], h[n]))
    steps.SetQuotient(d(n + 1), 6 * (yn - *q), h[n]);
  return Solve(s, a, d, y0, yn, false, steps);
}

// Unknowns M1 … M(n-1); M0 and Mn are the typed end moments.
Solved MomentsFromEndMoments(const SplineData& s, double M0, double Mn, SkippedSteps& steps) {
  const int n = s.n, k = n - 1;
  Tridiagonal a(k);
  Vector d(k);
  for (int i = 1; i <= k; ++i) {
    if (i >= 2) a.sub(i) = s.mu[i];
    a.diag(i) = 2;
    if (i <= n - 2) a.super(i) = s.lambda[i];
    d(i) = s.r[i];
  }
  steps.Set(d(1), d(1) - s.mu[1] * M0);
  steps.Set(d(k), d(k) - s.lambda[n - 1] * Mn);
  return Solve(s, a, d, M0, Mn, true, steps);
}

double Power(double a, int k) { return expr::StdPow(a, k); }

// Piece i on [a, b] = [x(i-1), x(i)] in the node slopes m. A coefficient that cannot be
// computed keeps the previous piece's value.
std::vector<std::string> SlopePieces(const SplineData& s, const std::vector<double>& m,
                                     SkippedSteps& steps) {
  const std::vector<double>& x = *s.x;
  const std::vector<double>& y = *s.y;
  std::vector<std::string> pieces(s.n + 1);
  double c1 = 0, c2 = 0, c3 = 0, c4 = 0;
  TextBuilder piece;
  for (int i = 1; i <= s.n; ++i) {
    const double a = x[i - 1], b = x[i], h = s.h[i];
    steps.SetQuotient(c1, y[i - 1], Power(h, 3));
    steps.SetQuotient(c2, y[i], Power(h, 3));
    steps.SetQuotient(c3, m[i - 1], Power(h, 2));
    steps.SetQuotient(c4, m[i], Power(h, 2));
    piece << c1 << "*(x-" << b << ")^2*(" << h << "+2*(x-" << a << "))+" << c2 << "*(x-" << a
          << ")^2*(" << h << "+2*(" << b << "-x))+" << c3 << "*(x-" << b << ")^2*(x-" << a << ")+"
          << c4 << "*(x-" << a << ")^2*(x-" << b << ")";
    pieces[i] = CleanUpA(piece.Take());
  }
  return pieces;
}

// Piece i on [a, b] = [x(i-1), x(i)] in the node moments M.
std::vector<std::string> MomentPieces(const SplineData& s, const std::vector<double>& M,
                                      SkippedSteps& steps) {
  const std::vector<double>& x = *s.x;
  const std::vector<double>& y = *s.y;
  std::vector<std::string> pieces(s.n + 1);
  double k1 = 0, k2 = 0, k3 = 0, k4 = 0;
  TextBuilder piece;
  for (int i = 1; i <= s.n; ++i) {
    const double a = x[i - 1], b = x[i], h = s.h[i];
    steps.SetQuotient(k1, M[i - 1], 6 * h);
    steps.SetQuotient(k2, M[i], 6 * h);
    steps.SetQuotient(k3, y[i - 1] - M[i - 1] * h * h / 6, h);
    steps.SetQuotient(k4, y[i] - M[i] * h * h / 6, h);
    piece << k1 << "*(" << b << "-x)^3+" << k2 << "*(x-" << a << ")^3+" << k3 << "*(" << b << "-x)+"
          << k4 << "*(x-" << a << ")";
    pieces[i] = CleanUpA(piece.Take());
  }
  return pieces;
}

using SystemSolver = Solved (*)(const SplineData&, double, double, SkippedSteps&);

struct SplineMethod {
  const EndTexts& ends;
  bool slopes;  // the pieces are written with the node slopes (else the moments)
  SystemSolver solve;
  int minPoints = 3;
  std::string_view tableMessage = kTableMessage;
};

// Asks for one end value: nothing on an empty reply (also Cancel).
std::optional<double> AskEndValue(Dialogs& dialogs, std::string_view prompt,
                                  std::string_view defaultText) {
  const std::string reply = dialogs.InputBox(prompt, "输入值", defaultText);
  if (reply.empty()) return std::nullopt;
  // A number too large for a double fails to read and leaves the end value 0.
  double value = 0;
  SetIfFinite(value, LeadingNumber(reply));
  return value;
}

void RunSpline(MethodContext& ctx, const SplineMethod& method) {
  const FunctionTable t = ParseFunctionTable(ctx.input);
  if (!CheckTableOrTell(ctx, t, method.minPoints, method.tableMessage)) return;
  if (!TableFitsOrTell(ctx, t.x.size())) return;
  ctx.result.SetText((TextBuilder() << t.echo << kCrLf << method.ends.heading << kCrLf).Text());

  SkippedSteps steps;
  const SplineData s = Prepare(t, method.slopes, steps);
  const auto left = AskEndValue(ctx.dialogs, method.ends.leftPrompt, "0");
  if (!left) return;
  const auto right = AskEndValue(ctx.dialogs, method.ends.rightPrompt, "1");
  if (!right) return;

  TextBuilder report;
  report << method.ends.line << *left << " 和 " << *right << kCrLf;
  const Solved solved = method.solve(s, *left, *right, steps);
  const std::vector<std::string> pieces =
      method.slopes ? SlopePieces(s, solved.at, steps) : MomentPieces(s, solved.at, steps);
  for (int i = 1; i <= s.n; ++i)
    report << kCrLf << "当 x 取值于[" << t.x[i - 1] << "，" << t.x[i]
           << "]  时， 三次样条插值函数分段表达式为：" << kCrLf << "    S" << i
           << "(x)=" << pieces[i] << kCrLf;
  ctx.result.Append(report.Take());
  if (!solved.pivotsNonZero)
    ctx.dialogs.MsgBox(kZeroPivotMessage, MsgButtons::Ok, MsgIcon::Exclamation);
  else
    TellSkippedSteps(ctx, steps);

  OfferPiecesPlot(ctx, pieces, t.x, 2);
}

}  // namespace

bool SolveTridiagonal(const Tridiagonal& A, const Vector& d, Vector& x, SkippedSteps& steps) {
  const int k = A.diag.Size();
  Vector l(k), u(k), y(k);
  x = Vector(k);
  bool pivotsNonZero = true;
  steps.Set(u(1), A.diag(1));
  for (int i = 2; i <= k; ++i) {
    if (u(i - 1) == 0) pivotsNonZero = false;
    steps.SetQuotient(l(i), A.sub(i), u(i - 1));
    steps.Set(u(i), A.diag(i) - l(i) * A.super(i - 1));
  }
  if (u(k) == 0) pivotsNonZero = false;
  steps.Set(y(1), d(1));
  for (int i = 2; i <= k; ++i) steps.Set(y(i), d(i) - l(i) * y(i - 1));
  steps.SetQuotient(x(k), y(k), u(k));
  for (int i = k - 1; i >= 1; --i) steps.SetQuotient(x(i), y(i) - A.super(i) * x(i + 1), u(i));
  return pivotsNonZero;
}

void cTBRORankOne(MethodContext& ctx) { RunSpline(ctx, {kEndSlopes, true, SlopesFromEndSlopes}); }
void cTBRORankTwo(MethodContext& ctx) { RunSpline(ctx, {kEndMoments, true, SlopesFromEndMoments}); }
void cTBRTRankOne(MethodContext& ctx) { RunSpline(ctx, {kEndSlopes, false, MomentsFromEndSlopes}); }
void cTBRTRankTwo(MethodContext& ctx) {
  RunSpline(ctx, {kEndMoments, false, MomentsFromEndMoments, 4, kFourPointTableMessage});
}

}  // namespace tessaly
