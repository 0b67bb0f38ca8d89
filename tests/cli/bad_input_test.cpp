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

std::vector<std::string> Ode(const char* button, const char* f, const char* a, const char* b,
                             const char* n, std::vector<std::string> starts) {
  std::vector<std::string> args = Calculus(button, f, a, b);
  args.insert(args.end(), {"--field", std::string("Text4=") + n});
  for (std::string& y : starts) args.insert(args.end(), {"--answer", std::move(y)});
  return args;
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
      // An ODE table whose steps overflow (inside f too) is followed by one warning.
      {Ode("UsDi_RungeKutta.Command1", "y^2", "0", "2", "8", {"1"}), "", 0,
       "                    X(n)           三阶龙格-库塔公式Y(n)           四阶龙格-库塔公式Y(n)\n"
       "                       0                       1                       1\n"
       "                    0.25        1.33227793375651        1.33322090002916\n"
       "                     0.5        1.99188778257211        1.99883809854354\n"
       "                    0.75        3.88735545976753        3.97237767372435\n"
       "                       1        21.8271260249228         32.828045869685\n"
       "                    1.25        431574.503135646        409643687560.374\n"
       "                     1.5    3.06088669727162E+39   2.38280884195307E+172\n"
       "                    1.75   2.28590296682388E+155   2.38280884195307E+172\n"
       "                       2   2.28590296682388E+155   2.38280884195307E+172\n",
       "input: [输入初始数值] 请输入原函数F(0)的值 -> 1\n"
       "message: [Tessaly v1.0] 从 x = 1.75 起计算溢出，此后的函数值不可信！\n"},
      {Ode("UsDi_Adams.Command1", "y/x", "0", "1", "5", {"0", "1", "2", "3"}), "", 0,
       std::nullopt,
       "input: [输入初始数值] 请输入原函数F(0)的值 -> 0\ninput: [输入初始数值] 请输入原函数F(0.2)的值 -> 1\n"
       "input: [输入初始数值] 请输入原函数F(0.4)的值 -> 2\ninput: [输入初始数值] 请输入原函数F(0.6)的值 -> 3\n"
       "message: [Tessaly v1.0] 从 x = 0.8 起计算溢出，此后的函数值不可信！\n"},
      {Ode("UsDi_Euler.Command1", "-2*x*y", "0", "1", "4", {"1"}), "", 0, std::nullopt,
       "input: [输入初始数值] 请输入原函数F(0)的值 -> 1\n"},
      // Options that cannot be meant as given are usage errors.
      {{"run", "InsertValue.cSubsectionLInS", "--plot", ""}, Table(3), 2, "",
       "tessaly-cli: --plot takes a file name, FILE.png or FILE.svg\n"},
      {{"run", "CompFormual.Command1", "--field", "Text1=x", "--plot", ""}, "", 2, "",
       "tessaly-cli: --plot takes a file name, FILE.png or FILE.svg\n"},
      {{"run", "LinearFrm.Gauss_1", "--digits", "abc"}, "1 2\n", 2, "",
       "tessaly-cli: --digits takes a number\n"},
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

// Standard error that cannot be written, as a closed or full one.
class FailingWrites : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(BadInput, ABoxLogThatCannotBeWrittenIsAFailure) {
  FailingWrites failing;
  std::ostream err(&failing);
  std::istringstream in;
  std::ostringstream out;
  EXPECT_EQ(RunCli(Ode("UsDi_Euler.Command1", "x", "0", "1", "2", {"1"}), in, out, err), 1);
}

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
