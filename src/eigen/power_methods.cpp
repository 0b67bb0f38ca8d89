// The power method, the origin shift and the inverse power method. Every product, quotient
// and factor is rounded to the window's Decimal digits before it is used again, so the report
// shows the computation as it goes by hand at that precision.
//
// Neither the power method nor the inverse power method settles on every matrix (a pair of
// dominant eigenvalues of equal modulus, a precision of 0 or below, iterates that overflow),
// so both stop after kIterateLimit iterates, and every power-type method stops when an iterate
// overflows, with a warning that asks whether to keep the report written so far.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/assign.h"
#include "common/chart_run.h"
#include "common/number_text.h"
#include "common/text_util.h"
#include "common/work_guard.h"
#include "eigen/eigen.h"
#include "eigen/eigen_routines.h"
#include "eigen/eigenpair_check.h"
#include "linear/matrix_echo.h"
#include "linear/matrix_reader.h"
#include "linear/order_question.h"

namespace tessaly {
namespace {

constexpr std::string_view kDataTitle = "输入数据";
constexpr std::string_view kEchoSeparator = "    ";
constexpr std::string_view kStillView = "\r\n结果是否还要查看？";

// The power and inverse power methods stop when iterate kIterateLimit has not settled; the
// origin shift stops after iterate kShiftIterateLimit.
constexpr int kIterateLimit = 1000;
constexpr int kShiftIterateLimit = 201;

constexpr std::string_view kShiftLimitMessage = "参数选取不当，计算被迫终止，请重新选取。";
constexpr std::string_view kIterateLimitMessage =
    "迭代1000次仍未达到精度要求，计算被迫终止，请重新选取精度或改用其他方法。";
constexpr std::string_view kIterateOverflowMessage =
    "迭代向量溢出，计算被迫终止，请重新选取参数或改用其他方法。";
constexpr std::string_view kZeroFactorMessage =
    "归一化因子为零，近似特征值无法计算，计算被迫终止，请重新选取初始向量。";

// A ratio whose denominator is smaller than this in modulus takes the substitute value.
constexpr double kTinyDenominator = 1E-322;
constexpr double kSubstituteRatio = 1.79769313486231E+308;

// Moves the report written so far into the result pane (before a box is shown, and at the end).
void Flush(MethodContext& ctx, std::string& out) {
  ctx.result.Append(std::move(out));
  out.clear();
}

// The warning that ends an iteration: Yes keeps the report written so far, No clears it.
// The origin shift's own limit question defaults to No; the bounds added to the other
// iterations default to Yes, so that what was computed stays unless the user drops it.
void StopWithQuestion(MethodContext& ctx, std::string& out, std::string_view message) {
  Flush(ctx, out);
  const std::string text = std::string(message) + std::string(kStillView);
  const MsgDefault keep = message == kShiftLimitMessage ? MsgDefault::Second : MsgDefault::First;
  if (ctx.dialogs.MsgBox(text, MsgButtons::YesNo, MsgIcon::Exclamation, "警告", keep) !=
      MsgResult::Yes)
    ctx.result.Clear();
}

// The order question; an order whose matrices or work would not fit the guards is refused.
// `doubles` and `steps` give the method's needs for an order n.
template <typename Doubles, typename Steps>
std::optional<int> AskEigenOrder(MethodContext& ctx, Doubles doubles, Steps steps) {
  auto order = AskOrder(ctx.dialogs, "输入矩阵的阶数 n：", kDataTitle, "3");
  if (!order) return std::nullopt;
  const auto n = static_cast<uint64_t>(*order);
  if (!FitsOrTell(ctx, doubles(n), steps(n))) return std::nullopt;
  return order;
}

// The initial vector: every component 1, then one question per component until an empty
// reply; a reply of 0 is refused with a message, which also ends the asking.
Vector AskInitialVector(Dialogs& dialogs, int n) {
  Vector x0(n);
  for (int i = 1; i <= n; ++i) x0(i) = 1;
  for (int i = 1; i <= n; ++i) {
    const std::string reply =
        dialogs.InputBox("输入矩阵非零初始向量值：\r\n   默认为 1", kDataTitle, "1");
    const std::string_view trimmed = TrimBlanks(reply);
    if (trimmed.empty()) break;
    // A number too large for a double fails to read: this component keeps 1.
    const double value = LeadingNumber(trimmed);
    if (!std::isfinite(value)) continue;
    if (value == 0) {
      dialogs.MsgBox("矩阵初始向量值不能是零,系统建议你采用默认值。", MsgButtons::Ok, MsgIcon::None,
                     "输入值错误");
      break;
    }
    x0(i) = value;
  }
  return x0;
}

void AppendIterate(std::string& out, int k, const Vector& y, int n) {
  out.append("    第 ").append(PlainIntegerText(k)).append(" 个分量是：\r\n");
  AppendVectorListing(out, y, n, VectorLayout::Stacked);
  out.append(kCrLf);
}

// The index of the component whose ratio decides, 0 when none does. A component decides
// when its ratio changed by less than eps; component 1 of a vector of two or more
// components must also agree with component 2's ratio within eps.
int DecidingComponent(const Vector& previous, const Vector& current, int n, double eps) {
  for (int j = 1; j <= n; ++j) {
    if (!(std::fabs(current(j) - previous(j)) < eps)) continue;
    if (j == 1 && n > 1 && !(std::fabs(current(2) - current(1)) <= eps)) continue;
    return j;
  }
  return 0;
}

// ratio = rnd(num / den), or the substitute when den is too small to divide by; a quotient
// that overflows leaves ratio as it was.
void SetRatio(double& ratio, double num, double den, int digits) {
  const double q = std::fabs(den) < kTinyDenominator ? kSubstituteRatio : num / den;
  SetIfFinite(ratio, Round(q, digits));
}

struct Eigenpair {
  double value = 0;
  Vector vector;
};

// The eigenvalue estimate a chart shows for an iterate: the ratio of the component that is
// largest in modulus in the previous iterate (the one least spoiled by rounding).
double Estimate(const Vector& ratio, const Vector& previous, int n) {
  int best = 1;
  for (int j = 2; j <= n; ++j)
    if (std::fabs(previous(j)) > std::fabs(previous(best))) best = j;
  return ratio(best);
}

// The iterates y_k = B^k·x0, each formed from the k-th power of B, and the ratio test on
// successive iterates. Writes the iterates into out. Returns the eigenvalue and the last
// iterate once the test passes; nothing when the run was stopped (after iterate
// `lastIterate`, or when an iterate overflowed), the warning answered.
std::optional<Eigenpair> IterateWithPowers(MethodContext& ctx, std::string& out, const Matrix& b,
                                           const Vector& x0, int n, double eps, int lastIterate,
                                           std::string_view limitMessage, double shift) {
  const int d = ctx.digits;
  Vector older, old, y;  // y_{k-2}, y_{k-1}, y_k
  Matrix power, next;
  bool finite = RoundedMatrixVectorProduct(b, x0, n, d, older);
  finite &= RoundedMatrixProduct(b, b, n, n, n, d, power);
  finite &= RoundedMatrixVectorProduct(power, x0, n, d, old);
  if (!finite) {
    StopWithQuestion(ctx, out, kIterateOverflowMessage);
    return std::nullopt;
  }
  out.append("\r\n\r\n接下来输出各迭代向量：\r\n");
  AppendIterate(out, 1, older, n);
  AppendIterate(out, 2, old, n);

  Vector previousRatio(n), ratio(n);
  for (int k = 3;; ++k) {
    finite = RoundedMatrixProduct(b, power, n, n, n, d, next);
    finite &= RoundedMatrixVectorProduct(next, x0, n, d, y);
    if (!finite) {
      StopWithQuestion(ctx, out, kIterateOverflowMessage);
      return std::nullopt;
    }
    std::swap(power, next);
    for (int j = 1; j <= n; ++j) {
      SetRatio(previousRatio(j), old(j), older(j), d);
      SetRatio(ratio(j), y(j), old(j), d);
    }
    const int decider = DecidingComponent(previousRatio, ratio, n, eps);
    if (ctx.chartRun) ctx.chartRun->Add(k, Estimate(ratio, old, n) + shift);
    AppendIterate(out, k, y, n);
    if (decider != 0) return Eigenpair{ratio(decider), std::move(y)};
    if (k >= lastIterate) {
      StopWithQuestion(ctx, out, limitMessage);
      return std::nullopt;
    }
    std::swap(older, old);
    std::swap(old, y);
  }
}

void AppendEigenpair(std::string& out, std::string_view label, double value, const Vector& v,
                     int n) {
  out.append("\r\n\r\n").append(label);
  AppendPlainNumberText(out, value);
  out.append("\r\n\r\n      特征向量是： \r\n");
  AppendVectorListing(out, v, n, VectorLayout::Stacked);
}

// Doubles and inner steps of the power-type methods for an order n: the matrix, its shifted
// copy and two power matrices; per iterate one n × n product, one matrix-vector product and
// the n fields of the iterate.
uint64_t PowerDoubles(uint64_t n) { return 4 * n * n + 8 * (n + 1); }
uint64_t PowerSteps(uint64_t n, int iterates) {
  return static_cast<uint64_t>(iterates) * (n * n * n + n * n + n * kFieldSteps);
}

void RunPowerMethod(MethodContext& ctx, bool shifted) {
  Dialogs& dialogs = ctx.dialogs;
  const int iterates = shifted ? kShiftIterateLimit : kIterateLimit;
  auto order =
      AskEigenOrder(ctx, PowerDoubles, [iterates](uint64_t n) { return PowerSteps(n, iterates); });
  if (!order) return;
  const int n = *order;
  auto eps = AskEigenPrecision(dialogs, "0.0001");
  if (!eps) return;
  const Matrix a = ReadSquareMatrixText(n, TrimBlanks(ctx.input));
  double shift = 0;
  if (shifted) {
    const std::string reply =
        dialogs.InputBox("适当选取参数 P 可加快迭代收敛速度。\r\n输入 P 的值：", "输入参数", "");
    const std::string_view trimmed = TrimBlanks(reply);
    if (trimmed.empty()) return;
    SetIfFinite(shift, LeadingNumber(trimmed));  // too large for a double: P stays 0
  }
  const Vector x0 = AskInitialVector(dialogs, n);

  Matrix b = a;
  if (shifted)
    for (int i = 1; i <= n; ++i) SetIfFinite(b(i, i), a(i, i) - shift);

  ctx.result.Clear();
  std::string out;
  // Every iterate prints n fields on lines of their own.
  ReserveReport(out, static_cast<uint64_t>(iterates + 2) * (n * (kFieldWidth + 2) + 30));
  AppendMatrixEcho(out, a, n, n, kEchoSeparator);
  if (shifted) {
    out.append("\r\n以上是所要求解的矩阵，接下来输出原矩阵平移");
    AppendPlainNumberText(out, shift);
    out.append("后的新矩阵值：\r\n");
    AppendMatrixEcho(out, b, n, n, kEchoSeparator);
    out.append("\r\n接下来输出矩阵的初始向量值：\r\n");
  } else {
    out.append("\r\n以上是所要求解的矩阵，接下来输出矩阵的初始向量值：\r\n");
  }
  AppendVectorListing(out, x0, n, VectorLayout::Stacked);

  if (ctx.chartRun)
    ctx.chartRun->Begin(ChartKind::Eigenvalue, ctx.input,
                        shifted ? "原点平移 P=" + PlainNumberText(shift) : "幂法", *eps);
  auto found = IterateWithPowers(ctx, out, b, x0, n, *eps, iterates,
                                 shifted ? kShiftLimitMessage : kIterateLimitMessage, shift);
  if (!found) return;
  if (shifted) {
    AppendEigenpair(out, "新矩阵的特征值是： ", found->value, found->vector, n);
    AppendEigenpair(out, "原点平移求原始矩阵的特征值是： ", found->value + shift, found->vector, n);
  } else {
    AppendEigenpair(out, "幂法求矩阵的主特征值是： ", found->value, found->vector, n);
  }
  Flush(ctx, out);
  // The ratio settled within eps; every product was rounded to the Decimal digits.
  const EigenpairCheck check = CheckEigenpair(
      a, n, found->value + shift, found->vector,
      {.value = *eps, .component = DecimalUnit(ctx.digits), .settling = kPowerSettling});
  if (check.fails) WarnEigenpairFails(dialogs, check.relative);
}

// A = L·U with L unit lower triangular, every entry rounded to `digits` decimals. A zero
// pivot U(k, k) with k < n shows "此方法不合适!" and returns false.
bool FactoriseRounded(Dialogs& dialogs, const Matrix& a, int n, int digits, Matrix& l, Matrix& u) {
  l = Matrix(n, n);
  u = Matrix(n, n);
  for (int i = 1; i <= n; ++i) l(i, i) = 1;
  for (int k = 1; k <= n; ++k) {
    for (int j = k; j <= n; ++j) {
      double sum = 0;
      for (int m = 1; m < k; ++m) SetIfFinite(sum, sum + l(k, m) * u(m, j));
      SetIfFinite(u(k, j), Round(a(k, j) - sum, digits));
    }
    for (int i = k + 1; i <= n; ++i) {
      if (u(k, k) == 0) {
        dialogs.MsgBox("此方法不合适!");
        return false;
      }
      double sum = 0;
      for (int m = 1; m < k; ++m) SetIfFinite(sum, sum + l(i, m) * u(m, k));
      SetIfFinite(l(i, k), Round((a(i, k) - sum) / u(k, k), digits));
    }
  }
  return true;
}

// Doubles and inner steps of the inverse power method for an order n: A, L and U; the
// factorisation, then per step one triangular solve and two inline listings.
uint64_t InverseDoubles(uint64_t n) { return 3 * n * n + 8 * (n + 1); }
uint64_t InverseSteps(uint64_t n) {
  return n * n * n + kIterateLimit * (n * n + 2 * n * kFieldSteps);
}

}  // namespace

void MatrixMi(MethodContext& ctx) { RunPowerMethod(ctx, false); }

void MatrixCircleMove(MethodContext& ctx) { RunPowerMethod(ctx, true); }

void MatrixFanMi(MethodContext& ctx) {
  Dialogs& dialogs = ctx.dialogs;
  auto order = AskEigenOrder(ctx, InverseDoubles, InverseSteps);
  if (!order) return;
  const int n = *order;
  auto eps = AskEigenPrecision(dialogs, "0.0001");
  if (!eps) return;
  const Matrix a = ReadSquareMatrixText(n, TrimBlanks(ctx.input));
  const int d = ctx.digits;
  Matrix l, u;
  if (!FactoriseRounded(dialogs, a, n, d, l, u)) return;
  const Vector x0 = AskInitialVector(dialogs, n);

  ctx.result.Clear();
  std::string out;
  // Every step prints two vectors of n fields on a line.
  ReserveReport(out, static_cast<uint64_t>(kIterateLimit) * (2 * n * kFieldWidth + 120));
  AppendMatrixEcho(out, a, n, n, kEchoSeparator);
  out.append("\r\n以上是原始矩阵，接下来输出三角分解后的下三角矩阵L(n)\r\n");
  AppendMatrixEcho(out, l, n, n, kEchoSeparator);
  out.append("\r\n输出矩阵三角分解后的上三角矩阵U(n)\r\n");
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      out.append("     ");
      AppendPlainNumberText(out, u(i, j));
    }
    out.append("\r\n\r\n");
  }
  out.append("\r\n初始向量是：");
  AppendVectorListing(out, x0, n, VectorLayout::Inline);
  out.append(kCrLf);

  if (ctx.chartRun) ctx.chartRun->Begin(ChartKind::Eigenvalue, ctx.input, "反幂法", *eps);
  Vector b = x0, y, x, normalised(n);
  double factor = 0;
  double previousFactor = -1.79769313486232E+307;
  // Two successive factors of opposite signs, or a component larger in modulus than the
  // factor: signs the signed normalisation cannot follow a negative eigenvalue.
  bool signTrouble = false;
  for (int k = 1;; ++k) {
    Flush(ctx, out);  // the solve may show a message
    const SolveOutcome outcome = TriangularSolve(dialogs, l, u, b, n, d, y, x);
    // U is the same in every step: a solve stopped by its zero last pivot would stop every
    // later step the same way, so the command ends here with the report written so far.
    if (outcome == SolveOutcome::ZeroPivot) return;
    factor = MaxComponent(x, n);
    if (factor == 0) {
      StopWithQuestion(ctx, out, kZeroFactorMessage);
      return;
    }
    bool finite = outcome == SolveOutcome::Solved;
    for (int i = 1; i <= n; ++i) finite &= SetIfFinite(normalised(i), Round(x(i) / factor, d));
    if (!finite) {
      StopWithQuestion(ctx, out, kIterateOverflowMessage);
      return;
    }
    if (ctx.chartRun) ctx.chartRun->Add(k, 1 / factor);
    out.append("\r\n第 ").append(PlainIntegerText(k)).append(" 次归一化向量是：");
    AppendVectorListing(out, normalised, n, VectorLayout::Inline);
    out.append("\r\n    近似特征值：");
    AppendPlainNumberText(out, 1 / factor);
    out.append("\r\n    本次未归一化向量是：\r\n");
    AppendVectorListing(out, x, n, VectorLayout::Inline);
    out.append(kCrLf);
    if (k > 1 && (factor < 0) != (previousFactor < 0)) signTrouble = true;
    for (int i = 1; i <= n; ++i)
      if (std::fabs(x(i)) > std::fabs(factor)) signTrouble = true;
    if (std::fabs(factor - previousFactor) < *eps) break;
    if (k >= kIterateLimit) {
      StopWithQuestion(ctx, out, kIterateLimitMessage);
      return;
    }
    previousFactor = factor;
    b = normalised;
  }

  out.append("\r\n\r\n反幂法求矩阵 按模最小的特征值是： ");
  AppendPlainNumberText(out, 1 / factor);
  out.append("\r\n\r\n      对应的特征向量是： \r\n");
  AppendVectorListing(out, normalised, n, VectorLayout::Stacked);
  Flush(ctx, out);
  // The factor 1/λ settled within eps, so λ within about λ²·eps; the vector is rounded to
  // the Decimal digits.
  const double lambda = 1 / factor;
  const EigenpairCheck check = CheckEigenpair(
      a, n, lambda, normalised,
      {.value = lambda * lambda * *eps, .component = DecimalUnit(d), .settling = kPowerSettling});
  if (check.fails) {
    // The vector's own estimate is negative: it points along a negative eigenvalue.
    const bool negative = factor < 0 || signTrouble || RayleighQuotient(a, n, normalised) < 0;
    WarnEigenpairFails(dialogs, check.relative,
                       negative ? kNegativeSmallestReason : std::string_view());
  }
}

}  // namespace tessaly
