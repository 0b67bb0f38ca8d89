// Input at and past the edges of what the commands can compute, run as tessaly-cli runs it:
// each case must end with its message (or its result) and exit status, never with a
// failure printed as a result.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "cli/cli.h"

namespace tessaly {
namespace {

struct BadInputCase {
  std::vector<std::string> args;
  std::string input;  // standard input
  int code;
  std::optional<std::string> out;  // standard output, whole; none: a report, not compared
  std::string err;  // the box log and errors, whole
};

const std::string kOverflowBox = "message: [Tessaly v1.0] 溢出\n";
const std::string kNoMemoryBox =
    "message: [Tessaly v1.0] 矩阵的阶数太大，内存不足，无法计算！请输入较小的阶数。\n";
const std::string kTooSlowBox =
    "message: [Tessaly v1.0] 矩阵的阶数太大，计算时间过长，无法计算！请输入较小的阶数。\n";

// A table of `points` points 0, 1, 2, ... with the values 1.
std::string Table(int points) {
  std::string x, y;
  for (int i = 0; i < points; ++i) x += std::to_string(i) + " ", y += "1 ";
  return x + "\n" + y + "\n";
}

std::vector<std::string> Method(const char* method, std::vector<std::string> answers) {
  std::vector<std::string> args = {"run", method, "--lf"};
  for (std::string& a : answers) args.insert(args.end(), {"--answer", std::move(a)});
  return args;
}

std::vector<std::string> Calculus(const char* button, const char* f, const char* a,
                                  const char* b) {
  return {"run", button, "--field", std::string("Text1=") + f, "--field",
          std::string("Text2=") + a, "--field", std::string("Text3=") + b, "--lf"};
}

TEST(BadInput, EndsWithItsMessageAndExitStatus) {
  const std::vector<BadInputCase> cases = {
      // The bounds' own arithmetic overflows: the press stops as for a bound of 1e999.
      {Calculus("CompFormual.Command1", "1", "-1e308", "1e308"), "", 0, "", kOverflowBox},
      {Calculus("NewtonCotes.Command1", "x^2", "-1e308", "1e308"), "", 0, "", kOverflowBox},
      {Calculus("GauseIntegral.Command1", "x^2", "1e308", "1.5e308"), "", 0, "", kOverflowBox},
      {Calculus("FrmGeneralFunPaint.cmdPaint", "x", "-1e308", "1e308"), "", 0, "", kOverflowBox},
      // An empty interval integrates to 0 wherever it lies, whatever f is there.
      {Calculus("GauseIntegral.Command1", "x^2", "1e308", "1e308"), "", 0,
       "此函数式在区间[1E+308,1E+308]的积分值是：\n    0", ""},
      {Calculus("CompFormual.Command1", "1/x", "0", "0"), "", 0,
       "此函数式在区间[0,0]的 复化梯形公式积分值是：\n    0", ""},
      // Tables past the table methods' bound are refused before any question.
      {Method("InsertValue.cSubsectionLInS", {"", "no"}), Table(10000), 0, std::nullopt,
       "input: [Tessaly v1.0] 想要求出f(x)在x=？处的近似值吗？\\n如果要，请输入 x 的值，然后单击确定"
       "\\n如果不需要，单击取消退出。 -> \nmessage: [画图询问] 是否要画出该插值函数的散点图的图形？\n"},
      {Method("InsertValue.cSubsectionPInS", {}), Table(10001), 0, "", kTooSlowBox},
      {Method("InsertValue.cTBRORankOne", {}), Table(10001), 0, "", kTooSlowBox},
      {Method("InsertValue.CMinRideCurve", {}), Table(10001), 0, "", kTooSlowBox},
      // Orders and degrees beyond 16 bits meet the refusal of their in-range neighbours.
      {Method("MatrixCValueCVector.MatrixMi", {"40000"}), "2 1\n1 3\n", 0, "",
       "input: [输入数据] 输入矩阵的阶数 n： -> 40000\n" + kNoMemoryBox},
      {Method("MatrixCValueCVector.ClassicalJacobi", {"1e9"}), "2 1\n1 3\n", 0, "",
       "input: [输入数据] 输入矩阵的阶数 n： -> 1e9\n" + kNoMemoryBox},
      {Method("LinearFrm.Gauss_1", {"1e999"}), "2 1 1\n1 3 1\n", 0, "",
       "input: [输入数据] 输入矩阵的阶数 n： -> 1e999\n" + kNoMemoryBox},
      {Method("MatrixCValueCVector.MatrixMi", {"-40000"}), "2 1\n1 3\n", 0, "",
       "input: [输入数据] 输入矩阵的阶数 n： -> -40000\n"},
      {Method("InsertValue.CMinRideCurve", {"40000"}), Table(3), 0, std::nullopt,
       "input: [输入数值] 你希望拟合曲线为几次多项式： -> 40000\nmessage: [数据缺少或拟合曲线次数太高] "
       "拟合曲线曲线次数太高，而所给的散点值太少，是否增加散点数？\n"},
      {Method("InsertValue.CMinRideCurve", {"-40000"}), Table(3), 0, std::nullopt,
       "input: [输入数值] 你希望拟合曲线为几次多项式： -> -40000\n"
       "message: [Tessaly v1.0] 拟合曲线的次数不能为负数，请重新输入！\n"},
  };
  for (const BadInputCase& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out, err;
    const int code = RunCli(c.args, in, out, err);
    std::string name;
    for (const std::string& a : c.args) name += a + " ";
    EXPECT_EQ(code, c.code) << name;
    if (c.out) {
      EXPECT_EQ(out.str(), *c.out) << name;
    }
    EXPECT_EQ(err.str(), c.err) << name;
  }
}

// Standard input that never ends, as /dev/zero or an endless pipe.
class EndlessInput : public std::streambuf {
 protected:
  int_type underflow() override {
    setg(block_, block_, block_ + sizeof block_);
    return 'x';
  }

 private:
  char block_[4096] = {'x'};
};

TEST(BadInput, AnEndlessInputIsRefusedBeforeAnythingIsComputed) {
  EndlessInput endless;
  std::istream in(&endless);
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"run", "InsertValue.cSubsectionLInS"}, in, out, err), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "tessaly-cli: input too large: standard input holds more than 64 MiB\n");
}

}  // namespace
}  // namespace tessaly
