// Input at and past the edges of what the commands can compute, run as tessaly-cli runs it:
// each case must end with its message (or its result) and exit status, never with a
// failure printed as a result.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace tessaly {
namespace {

struct BadInputCase {
  std::vector<std::string> args;
  std::string input;  // standard input
  int code;
  std::string out;  // standard output, whole
  std::string err;  // the box log and errors, whole
};

const std::string kOverflowBox = "message: [Tessaly v1.0] 溢出\n";

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
  };
  for (const BadInputCase& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out, err;
    const int code = RunCli(c.args, in, out, err);
    std::string name;
    for (const std::string& a : c.args) name += a + " ";
    EXPECT_EQ(code, c.code) << name;
    EXPECT_EQ(out.str(), c.out) << name;
    EXPECT_EQ(err.str(), c.err) << name;
  }
}

}  // namespace
}  // namespace tessaly
