// Input at and past the edges of what the commands compute, run as tessaly-cli runs it.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace tessaly {
namespace {

std::string Table(int points) {  // x = 0, 1, 2, ..., f(x) = 1
  std::string x, y;
  for (int i = 0; i < points; ++i) x += std::to_string(i) + " ", y += "1 ";
  return x + "\n" + y;
}

std::vector<std::string> Form(std::string button, std::string f, std::string a, std::string b) {
  return {"run", button, "--field", "Text1=" + f, "--field", "Text2=" + a, "--field", "Text3=" + b};
}

TEST(BadInput, EndsWithItsMessageAndExitStatus) {
  const std::string box = "message: [Tessaly v1.0] ",
                    usage = "tessaly-cli: ", order = "input: [输入数据] 输入矩阵的阶数 n： -> ",
                    memory = box + "矩阵的阶数太大，内存不足，无法计算！请输入较小的阶数。\n";
  struct Case {
    std::vector<std::string> args;
    std::string input, err;
    int code = 0;
    std::string out = "";
  };
  const Case cases[] = {
      {Form("CompFormual.Command1", "1", "-1e308", "1e308"), "", box + "溢出\n"},
      {Form("GauseIntegral.Command1", "x^2", "1e308", "1.5e308"), "", box + "溢出\n"},
      {Form("GauseIntegral.Command1", "x^2", "1e308", "1e308"), "", "", 0,
       "此函数式在区间[1E+308,1E+308]的积分值是：\r\n    0"},
      {{"run", "InsertValue.cSubsectionPInS"},
       Table(10001),
       box + "矩阵的阶数太大，计算时间过长，无法计算！请输入较小的阶数。\n"},
      {{"run", "MatrixCValueCVector.MatrixMi", "--answer", "40000"},
       "2",
       order + "40000\n" + memory},
      {{"run", "LinearFrm.Gauss_1", "--answer", "1e999"}, "2", order + "1e999\n" + memory},
      {{"run", "InsertValue.cSubsectionLInS", "--plot", ""},
       "2",
       usage + "--plot takes a file name, FILE.png or FILE.svg\n",
       2},
      {{"run", "LinearFrm.Gauss_1", "--digits", "abc"},
       "2",
       usage + "--digits takes a number\n",
       2},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, in, out, err), c.code) << c.args[1] << " " << c.args.back();
    EXPECT_EQ(err.str() + out.str(), c.err + c.out) << c.args[1] << " " << c.args.back();
  }
  // At the table bound; an ODE table that overflows (within f: y^2 beyond 1E+308).
  std::istringstream table(Table(10000)), none;
  std::ostringstream out, err, odeErr;
  EXPECT_EQ(RunCli({"run", "InsertValue.cSubsectionLInS"}, table, out, err), 0);
  EXPECT_EQ(err.str().find(box), std::string::npos) << err.str();
  std::vector<std::string> ode = Form("UsDi_RungeKutta.Command1", "y^2", "0", "2");
  ode.insert(ode.end(), {"--field", "Text4=8", "--answer", "1"});
  EXPECT_EQ(RunCli(ode, none, out, odeErr), 0);
  EXPECT_EQ(odeErr.str(), "input: [输入初始数值] 请输入原函数F(0)的值 -> 1\n" + box +
                              "从 x = 1.75 起计算溢出，此后的函数值不可信！\n");
}

// Standard input that never ends, as /dev/zero or an endless pipe.
struct Endless : std::streambuf {
  char block[4096] = {};
  int_type underflow() override { return setg(block, block, block + sizeof block), 'x'; }
};

TEST(BadInput, AnEndlessInputIsRefused) {
  Endless endless;
  std::istream in(&endless);
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"run", "InsertValue.cSubsectionLInS"}, in, out, err), 2);
  EXPECT_EQ(err.str(), "tessaly-cli: input too large: standard input holds more than 64 MiB\n");
}

}  // namespace
}  // namespace tessaly
