// Whole reports of the Jacobi rotations, the eigenvector columns, and the eigenvalues against
// an independent computation. The expected texts were derived apart from this code, with a
// separate model of the method, and the 2 × 2 rotation by hand (t = 2, cos 2θ = 1/√5,
// c = 0.850651, s = 0.525731).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "eigen/eigen_test_support.h"

namespace tessaly {
namespace {

using testing::RunEigen;
using testing::TitledMessages;

using Rows = std::vector<std::vector<double>>;

std::string MatrixText(const Rows& m) {
  std::ostringstream out;
  out.precision(17);
  for (const auto& row : m) {
    for (double v : row) out << v << ' ';
    out << "\r\n";
  }
  return out.str();
}

// The n × n matrix printed in fields after `heading` in a report.
Rows MatrixAfter(const std::string& report, const std::string& heading, int n) {
  size_t at = report.find(heading);
  EXPECT_NE(at, std::string::npos) << heading;
  std::istringstream in(report.substr(at + heading.size()));
  Rows m(n, std::vector<double>(n));
  for (auto& row : m)
    for (double& v : row) in >> v;
  return m;
}

const std::string kEigenvalueHeading = "以下矩阵中对角线元素即为所求的特征值：\r\n";
const std::string kEigenvectorHeading = "（R1*R2*......*Rn）：\r\n";

// The eigenvalues of a symmetric matrix by cyclic Jacobi sweeps in long double, run until the
// off-diagonal part vanishes: an independent computation to compare with.
std::vector<double> ReferenceEigenvalues(Rows rows) {
  const int n = static_cast<int>(rows.size());
  std::vector<std::vector<long double>> a(n, std::vector<long double>(n));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) a[i][j] = rows[i][j];
  for (int sweep = 0; sweep < 50; ++sweep) {
    for (int p = 0; p < n; ++p) {
      for (int q = p + 1; q < n; ++q) {
        if (a[p][q] == 0) continue;
        const long double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
        const long double t =
            (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
        const long double c = 1 / std::sqrt(t * t + 1), s = t * c;
        for (int k = 0; k < n; ++k) {  // columns p and q
          const long double kp = a[k][p], kq = a[k][q];
          a[k][p] = c * kp - s * kq;
          a[k][q] = s * kp + c * kq;
        }
        for (int k = 0; k < n; ++k) {  // rows p and q
          const long double pk = a[p][k], qk = a[q][k];
          a[p][k] = c * pk - s * qk;
          a[q][k] = s * pk + c * qk;
        }
      }
    }
  }
  std::vector<double> values;
  for (int i = 0; i < n; ++i) values.push_back(static_cast<double>(a[i][i]));
  std::sort(values.begin(), values.end());
  return values;
}

Rows RandomSymmetric(int n, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> tenths(-99, 99);
  Rows m(n, std::vector<double>(n));
  for (int i = 0; i < n; ++i)
    for (int j = i; j < n; ++j) m[i][j] = m[j][i] = tenths(rng) / 10.0;
  return m;
}

// Report lines are kept whole, one source line each.
// clang-format off

TEST(ClassicalJacobi, TwoByTwoEndsAfterOneRotationAndBothCommandsAgree) {
  auto run = RunEigen("ClassicalJacobi", "3 1\r\n1 2", {"2", "0.001"}, 6, "old");
  EXPECT_EQ(run.report,
            "    3    1\r\n"
            "    1    2\r\n"
            "\r\n"
            "以上是所要求解的矩阵\r\n"
            "\r\n"
            "第 0 次正交相似变换的矩阵A1：\r\n"
            "        3.61803398874989                       0\r\n"
            "                       0         1.3819660112501\r\n"
            "\r\n"
            "主元行p、列q下标为： p=1  q=2  并且sin0=0.525731112119134    cos0=0.85065080835204\r\n"
            "\r\n"
            "    正交矩阵R是：\r\n"
            "        0.85065080835204       0.525731112119134\r\n"
            "      -0.525731112119134        0.85065080835204\r\n"
            "\r\n"
            "\r\n"
            "以下矩阵中对角线元素即为所求的特征值：\r\n"
            "        3.61803398874989                       0\r\n"
            "                       0         1.3819660112501\r\n"
            "\r\n"
            "    以下矩阵中列向量即为所求的特征向量（R1*R2*......*Rn）：\r\n"
            "                0.850651               -0.525731\r\n"
            "                0.525731                0.850651\r\n"
            "\r\n"
            "\r\n"
            "此方法只适合于对称矩阵！  编程算法有待进一步完善。\r\n");
  const auto& shown = run.dialogs.Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title + "|" + shown[0].text + "|" + shown[0].defaultText,
            "输入数据|输入矩阵的阶数 n：|3");
  EXPECT_EQ(shown[1].title + "|" + shown[1].text + "|" + shown[1].defaultText,
            "输入数据|输入矩阵特征值的精度值 eps：|0.001");

  for (const char* input : {"3 1\r\n1 2", "4 1 2\r\n1 3 0\r\n2 0 5"}) {
    auto threshold = RunEigen("JacobiPassBarrier", input, {"3", "0.0001"}, 4);
    EXPECT_EQ(threshold.report, RunEigen("ClassicalJacobi", input, {"3", "0.0001"}, 4).report);
  }
}

TEST(ClassicalJacobi, EqualDiagonalEntriesTurnByAQuarterOfPi) {
  // cos 2θ of the quarter turn is not exactly 0 with π = 3.14159265358979: A1(1, 2) keeps the
  // residue.
  auto run = RunEigen("ClassicalJacobi", "2 -1\r\n-1 2", {"2", "0.001"});
  EXPECT_EQ(run.report,
            "    2    -1\r\n"
            "    -1    2\r\n"
            "\r\n"
            "以上是所要求解的矩阵\r\n"
            "\r\n"
            "第 0 次正交相似变换的矩阵A1：\r\n"
            "                       3   -1.61554457443259E-15\r\n"
            "   -1.61554457443259E-15                       1\r\n"
            "\r\n"
            "主元行p、列q下标为： p=1  q=2  并且sin0=-0.707106781186547    cos0=0.707106781186548\r\n"
            "\r\n"
            "    正交矩阵R是：\r\n"
            "       0.707106781186548      -0.707106781186547\r\n"
            "       0.707106781186547       0.707106781186548\r\n"
            "\r\n"
            "\r\n"
            "以下矩阵中对角线元素即为所求的特征值：\r\n"
            "                       3   -1.61554457443259E-15\r\n"
            "   -1.61554457443259E-15                       1\r\n"
            "\r\n"
            "    以下矩阵中列向量即为所求的特征向量（R1*R2*......*Rn）：\r\n"
            "                0.707107                0.707107\r\n"
            "               -0.707107                0.707107\r\n"
            "\r\n"
            "\r\n"
            "此方法只适合于对称矩阵！  编程算法有待进一步完善。\r\n");
}

TEST(ClassicalJacobi, DiagonalMatrixGetsNoRotationAndTinyEntriesPrintAsZero) {
  auto run = RunEigen("ClassicalJacobi", "2 0 0\r\n0 -3 0\r\n0 0 1E-21", {"3", "0.001"});
  EXPECT_EQ(run.report,
            "    2    0    0\r\n"
            "    0    -3    0\r\n"
            "    0    0    1E-21\r\n"
            "\r\n"
            "以上是所要求解的矩阵\r\n"
            "\r\n"
            "\r\n"
            "以下矩阵中对角线元素即为所求的特征值：\r\n"
            "                       2                       0                       0\r\n"
            "                       0                      -3                       0\r\n"
            "                       0                       0                       0\r\n"
            "\r\n"
            "    以下矩阵中列向量即为所求的特征向量（R1*R2*......*Rn）：\r\n"
            "                       1                       0                       0\r\n"
            "                       0                       1                       0\r\n"
            "                       0                       0                       1\r\n"
            "\r\n"
            "\r\n"
            "此方法只适合于对称矩阵！  编程算法有待进一步完善。\r\n");
}

TEST(ClassicalJacobi, GivesUpAfter101RotationsAskingWhetherToKeepTheReport) {
  // An infinite off-diagonal entry can never be annihilated: every rotation leaves the matrix
  // as it was. No leaves only the final block.
  const std::string input = "1 1E+999\r\n1E+999 1";
  auto no = RunEigen("ClassicalJacobi", input, {"2", "0.001", "no"}, 6, "old");
  EXPECT_EQ(no.report,
            "\r\n"
            "\r\n"
            "以下矩阵中对角线元素即为所求的特征值：\r\n"
            "                       1                Infinity\r\n"
            "                Infinity                       1\r\n"
            "\r\n"
            "    以下矩阵中列向量即为所求的特征向量（R1*R2*......*Rn）：\r\n"
            "               -0.707107                0.707107\r\n"
            "               -0.707107               -0.707107\r\n"
            "\r\n"
            "\r\n"
            "此方法只适合于对称矩阵！  编程算法有待进一步完善。\r\n");
  EXPECT_EQ(TitledMessages(no.dialogs),
            std::vector<std::string>{"警告|此方法不适合这个矩阵，计算被迫终止，请重新选择其他方法。\r\n结果是否还要查看？"});
  EXPECT_EQ(no.dialogs.Shown().back().icon, MsgIcon::Exclamation);

  // Yes keeps rotations 0 … 100, adds the stop line, then the same final block.
  auto yes = RunEigen("ClassicalJacobi", input, {"2", "0.001", "yes"});
  const std::string stop = "\r\n\r\n此方法不适合这个矩阵，计算被迫终止。";
  ASSERT_GT(yes.report.size(), no.report.size() + stop.size());
  const std::string rotations = yes.report.substr(0, yes.report.size() - no.report.size() - stop.size());
  EXPECT_EQ(yes.report, rotations + stop + no.report);
  int count = 0;
  for (size_t at = rotations.find("次正交相似变换的矩阵A1："); at != std::string::npos;
       at = rotations.find("次正交相似变换的矩阵A1：", at + 1))
    ++count;
  EXPECT_EQ(count, 101);
  EXPECT_NE(rotations.find("\r\n第 100 次正交相似变换的矩阵A1：\r\n"), std::string::npos);
}

// clang-format on

TEST(ClassicalJacobi, EndsSilentlyBelowOrderTwoOrOnAnEmptyAnswer) {
  for (auto answers : std::vector<std::vector<std::string>>{{"1", "0.1"}, {""}, {"2", " "}}) {
    auto run = RunEigen("ClassicalJacobi", "3 1\r\n1 2", answers, 6, "old");
    EXPECT_EQ(run.report, "old");
    EXPECT_TRUE(run.dialogs.Messages().empty());
  }
  // 101 rotations of order 101 would print a report too long to show.
  auto run = RunEigen("ClassicalJacobi", "3 1\r\n1 2", {"101", "0.1"}, 6, "old");
  EXPECT_EQ(run.report, "old");
  EXPECT_EQ(run.dialogs.Messages().size(), 1u);
  EXPECT_EQ(run.dialogs.AnswersLeft(), 1u);
}

TEST(ClassicalJacobi, EachColumnOfVIsAnEigenvectorOfItsDiagonalEntry) {
  const std::vector<Rows> matrices = {
      {{4, 1, 2}, {1, 3, 0}, {2, 0, 5}},
      {{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}},
      RandomSymmetric(4, 11),
      RandomSymmetric(5, 12),
  };
  for (const Rows& a : matrices) {
    const int n = static_cast<int>(a.size());
    for (int digits : {6, 10}) {
      auto run = RunEigen("ClassicalJacobi", MatrixText(a), {std::to_string(n), "1E-09"}, digits);
      ASSERT_NE(run.report.find("第 2 次"), std::string::npos) << "several rotations";
      const Rows last = MatrixAfter(run.report, kEigenvalueHeading, n);
      const Rows v = MatrixAfter(run.report, kEigenvectorHeading, n);
      // V carries `digits` decimals: A·v differs from λ·v by a few units of the last decimal
      // times the size of A.
      const double tolerance = 100 * std::pow(10.0, -digits);
      for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
          double av = 0;
          for (int k = 0; k < n; ++k) av += a[i][k] * v[k][j];
          EXPECT_NEAR(av, last[j][j] * v[i][j], tolerance)
              << "column " << j + 1 << ", row " << i + 1 << ", digits " << digits << "\n"
              << MatrixText(a);
        }
      }
    }
  }
}

TEST(ClassicalJacobi, EigenvaluesAgreeWithAnIndependentComputation) {
  std::vector<Rows> matrices = {
      {{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}},
      {{1, 0.5, 1.0 / 3}, {0.5, 1.0 / 3, 0.25}, {1.0 / 3, 0.25, 0.2}},  // Hilbert
      RandomSymmetric(4, 21),
      RandomSymmetric(5, 22),
  };
  // 2 − √2, 2 and 2 + √2 for the tridiagonal matrix.
  const std::vector<double> tridiagonal = {2 - std::sqrt(2.0), 2, 2 + std::sqrt(2.0)};
  EXPECT_EQ(ReferenceEigenvalues(matrices[0]).size(), 3u);
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(ReferenceEigenvalues(matrices[0])[i], tridiagonal[i], 1e-15);

  for (const Rows& a : matrices) {
    const int n = static_cast<int>(a.size());
    auto run = RunEigen("ClassicalJacobi", MatrixText(a), {std::to_string(n), "1E-12"});
    const Rows last = MatrixAfter(run.report, kEigenvalueHeading, n);
    std::vector<double> values;
    for (int i = 0; i < n; ++i) values.push_back(last[i][i]);
    std::sort(values.begin(), values.end());
    const std::vector<double> reference = ReferenceEigenvalues(a);
    for (int i = 0; i < n; ++i) EXPECT_NEAR(values[i], reference[i], 1e-10) << MatrixText(a);
  }
}

}  // namespace
}  // namespace tessaly
