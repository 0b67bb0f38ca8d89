// Substituting printed answers back into the typed problem: wrong answers warn with the
// exact message after the report; correct ones, however rounded, stay silent.
#include "linear/residual_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/method_registry.h"
#include "common/number_text.h"
#include "common/result_pane.h"
#include "common/scripted_dialogs.h"
#include "eigen/eigenpair_check.h"
#include "linear/solution_check.h"

namespace tessaly {
namespace {

// The message boxes a method shows, each with its icon.
std::vector<std::string> Messages(std::string_view key, const std::string& input,
                                  std::vector<std::string> answers, int digits) {
  ScriptedDialogs dialogs(std::move(answers));
  ResultPane pane;
  MethodContext ctx{input, pane, dialogs, digits};
  AllMethods().Find(key)->run(ctx);
  std::vector<std::string> out;
  for (const ShownBox& box : dialogs.Shown())
    if (box.kind == ShownBox::Kind::Message)
      out.push_back((box.icon == MsgIcon::Exclamation ? "!" : "") + box.text);
  return out;
}

constexpr char kSolution[] = "以上求得的解代入原方程组后误差较大（相对残差为 ";
constexpr char kEigenpair[] = "以上求得的特征值和特征向量不满足 Ax=λx（相对残差为 ";
constexpr char kUntrusted[] = "），结果不可信！";

struct WrongAnswer {
  const char* key;
  const char* input;
  std::vector<std::string> answers;
  int digits;
  std::string message;
};

TEST(ResidualCheck, WrongAnswersWarnOnceAfterTheReport) {
  const std::string asymmetric = std::string(kNotSymmetricReason) + "\r\n" + kSolution;
  const std::string negative = std::string(kNegativeSmallestReason) + "\r\n" + kEigenpair;
  const std::string minors = "矩阵不对称，顺序主子式判别法只适用于对称矩阵，以上结论不可信！";
  // clang-format off
  const std::vector<WrongAnswer> cases = {
      {"LinearFrm.SqrtRoot", "4 1 5\r\n3 4 7", {"2"}, 6, asymmetric + "0.186" + kUntrusted},
      {"LinearFrm.MendSqrt", "4 1 5\r\n3 4 7", {"2"}, 6, asymmetric + "0.186" + kUntrusted},
      {"LinearFrm.MendSqrt", "1 2 3\r\n2 1 3", {"2"}, 6, ""},  // symmetric, indefinite, solved
      {"LinearFrm.Purase", "4 1 1 6\r\n1 4 1 6\r\n1 1 4 6", {"3"}, 6,
       kSolution + std::string("0.0937") + kUntrusted},
      {"LinearFrm.CMatrixJudge", "1 -10\r\n0 1", {"2"}, 6, minors},
      {"MatrixCValueCVector.CMatrixJudge", "2 1\r\n1 2", {"2"}, 6, ""},
      {"MatrixCValueCVector.MatrixMi", "2 0 0\r\n0 1 0\r\n0 0 0", {"3", "0.0001", ""}, 3,
       kEigenpair + std::string("0.5") + kUntrusted},
      {"MatrixCValueCVector.MatrixFanMi", "-3 0\r\n0 -4", {"2", "0.0001", ""}, 4,
       negative + "0.25" + kUntrusted},
      {"MatrixCValueCVector.MatrixFanMi", "2 0\r\n0 4", {"2", "0.0001", ""}, 6, ""},
      {"MatrixCValueCVector.MatrixFanMi", "-4 0\r\n0 3", {"2", "0.0001", ""}, 5,
       kEigenpair + std::string("0.984") + kUntrusted},  // no cause: 3 is positive
      {"MatrixCValueCVector.MatrixFanMi", "2 1 0\r\n1 -1 0\r\n0 0 5", {"3", "0.0001", ""}, 4,
       negative + "0.45" + kUntrusted},  // stopped early; its vector's estimate is negative
      {"MatrixCValueCVector.ClassicalJacobi", "2 1\r\n3 4", {"2", "0.001"}, 6,
       kEigenpair + std::string("0.286") + kUntrusted},
  };
  // clang-format on
  for (const WrongAnswer& c : cases) {
    const auto shown = Messages(c.key, c.input, c.answers, c.digits);
    if (c.message.empty())
      EXPECT_TRUE(shown.empty()) << c.key << ": " << shown.front();
    else
      EXPECT_EQ(shown, std::vector<std::string>{"!" + c.message}) << c.key;
  }
}

// Generated well-posed problems at every Decimal digits setting, through every solver of
// both windows: diagonally dominant systems (symmetric with a positive diagonal for the
// square-root methods, tridiagonal for the chase) and symmetric matrices.
TEST(ResidualCheck, CorrectAnswersStaySilent) {
  std::mt19937 rng(25);
  for (int digits = 2; digits <= 10; ++digits) {
    for (int round = 0; round < 6; ++round) {
      const int n = 2 + (round + digits) % 6;
      testing::Rows rows = testing::DominantSystem(n, rng);
      const std::string order = std::to_string(n);
      for (const char* key : {"LinearFrm.Gauss_1", "LinearFrm.GaussTier", "LinearFrm.GaussFull",
                              "LinearFrm.LU_break", "LinearFrm.TierLU", "LinearFrm.A_matrix"})
        EXPECT_EQ(Messages(key, testing::SystemText(rows), {order}, digits).size(), 0u) << key;
      std::vector<std::string> sweep = {"1E-05", order};
      sweep.resize(2 + n, "0");
      sweep.push_back("0.9");
      for (const char* key :
           {"LinearFrm.JacobiDie", "LinearFrm.Gauss_SeidelDie", "LinearFrm.SorDie"})
        EXPECT_EQ(Messages(key, testing::SystemText(rows), sweep, digits).size(), 0u) << key;
      for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
          if (j < i) rows[i][j] = rows[j][i];
          if (j == i) rows[i][i] = std::fabs(rows[i][i]) + 9.0 * n;
        }
      for (const char* key : {"LinearFrm.SqrtRoot", "LinearFrm.MendSqrt", "LinearFrm.CMatrixJudge"})
        EXPECT_EQ(Messages(key, testing::SystemText(rows), {order}, digits).size(), 0u) << key;
      for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
          if (j < i - 1 || j > i + 1) rows[i][j] = 0;
      EXPECT_EQ(Messages("LinearFrm.Purase", testing::SystemText(rows), {order}, digits).size(),
                0u);
      for (auto& row : rows) row.pop_back();
      const std::string square = testing::SystemText(rows);
      EXPECT_EQ(Messages("MatrixCValueCVector.ClassicalJacobi", square, {order, "1E-06"}, digits),
                std::vector<std::string>{});
    }
  }
}

TEST(ResidualCheck, InverseAndResidualText) {
  Matrix a(2, 3);
  a(1, 1) = 2;
  a(2, 2) = 4;
  Matrix w(2, 4);
  w(1, 3) = 0.5;
  w(2, 4) = 0.25;
  EXPECT_FALSE(CheckInverse(a, 2, w, 3, 2).fails);  // 0.25 printed as 0.25 at two decimals
  EXPECT_FALSE(CheckInverse(a, 2, w, 3, 1).fails);  // and as 0.2 at one: within the rounding
  w(2, 4) = 0.5;
  EXPECT_TRUE(CheckInverse(a, 2, w, 3, 6).fails);
  const std::vector<std::pair<double, std::string>> texts = {
      {0.185714285714, "0.186"}, {2.5123E-05, "2.51E-05"}, {27.34, "27.3"}, {1234.5, "1234"}};
  for (const auto& [value, text] : texts) EXPECT_EQ(RelativeResidualText(value), text);
}

}  // namespace
}  // namespace tessaly
