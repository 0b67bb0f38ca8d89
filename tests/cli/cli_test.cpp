#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/method_registry.h"
#include "common/scripted_dialogs.h"

namespace tessaly {
namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args, const std::string& stdinText = "") {
  std::istringstream in(stdinText);
  std::ostringstream out, err;
  int code = RunCli(args, in, out, err);
  return {code, out.str(), err.str()};
}

TEST(Cli, EvalPrintsCanonicalValueAndSteps) {
  CliRun r = Cli({"eval", "x^2 - 2", "1.5"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "canonical: x^2-+2\nvalue: 0.25\nsteps: 10\n");

  r = Cli({"eval", "sqrt(x)", "4"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("steps: 5001\nmalformed\n"), std::string::npos) << r.out;

  // With Y the two-variable evaluator is used and no step count is printed.
  r = Cli({"eval", "x+y", "1", "2"});
  EXPECT_EQ(r.out, "canonical: x+y\nvalue: 3\n");

  // The sine of an infinite value is 0.
  EXPECT_EQ(Cli({"eval", "sin(1/0)"}).out, "canonical: sin(1/0)\nvalue: 0\nsteps: 9\n");
}

// A stream buffer whose reads fail, as a file buffer's do on a folder or a closed input.
class FailingReads : public std::streambuf {
 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }
};

// A stream buffer that cannot write, as on a full disk.
class FailingWrites : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Cli, UnreadableInputAndFailedWritesEndWithOneLine) {
  auto oneLine = [](const std::string& text) {
    return std::count(text.begin(), text.end(), '\n') == 1;
  };
  for (const char* path : {"/", "/proc/self/mem"}) {
    CliRun r = Cli({"run", "LinearFrm.Gauss_1", "--input", path, "--answer", "2"});
    EXPECT_EQ(r.code, 2) << path;
    EXPECT_EQ(r.err, std::string("tessaly-cli: cannot read '") + path + "'\n");
    EXPECT_EQ(r.out, "");
  }
  FailingReads reads;
  std::istream in(&reads);
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"run", "Ultra.CalculateNewton"}, in, out, err), 2);
  EXPECT_EQ(err.str(), "tessaly-cli: cannot read standard input\n");

  FailingWrites writes;
  std::ostream full(&writes);
  std::istringstream none;
  std::ostringstream err2;
  EXPECT_EQ(RunCli({"list"}, none, full, err2), 1);
  EXPECT_TRUE(oneLine(err2.str())) << err2.str();
  std::istringstream formula("x^2-2");
  std::ostringstream err3;
  EXPECT_EQ(RunCli({"run", "Ultra.CalculateDichotomy", "--answer", "1", "--answer", "2", "--answer",
                    "0.1"},
                   formula, full, err3),
            1);
  EXPECT_NE(err3.str().find("\ntessaly-cli: cannot write the output\n"), std::string::npos);
  // A box log that cannot be written fails too.
  std::istringstream noInput;
  EXPECT_EQ(RunCli({"run", "UsDi_Euler.Command1", "--field", "Text1=x"}, noInput, err3, full), 1);
}

TEST(Cli, InputIsLoadedAndCheckedAsTheWindowDoes) {
  // Ultra's input pane holds one line: the rest of the text is not part of the formula.
  const std::vector<std::string> args = {
      "run", "Ultra.CalculateDichotomy", "--answer", "1", "--answer", "2", "--answer", "0.1"};
  CliRun one = Cli(args, "x^2-2");
  EXPECT_EQ(one.code, 0);
  EXPECT_EQ(Cli(args, "x^2-2\r\n+5\n").out, one.out);

  // A blank input pane keeps the method menu disabled: refused before any box is shown.
  for (const char* input : {"", "   ", "  \nx^2-2\n"}) {
    CliRun r = Cli(args, input);
    EXPECT_EQ(r.code, 2) << input;
    EXPECT_EQ(r.err,
              "tessaly-cli: Ultra.CalculateDichotomy is disabled: the first line of the "
              "input is blank\n");
    EXPECT_EQ(r.out, "");
  }
  CliRun blank = Cli({"run", "LinearFrm.Gauss_1", "--answer", "2"}, "  ");
  EXPECT_EQ(blank.code, 2);
  EXPECT_EQ(blank.err, "tessaly-cli: LinearFrm.Gauss_1 is disabled: the input is blank\n");
}

TEST(Cli, UsageErrorsExitWithTwoAndOneLine) {
  CliRun r = Cli({"run", "Ultra.NoSuchMethod"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  EXPECT_TRUE(r.out.empty());

  r = Cli({"run", "Ultra.CalculateDichotomy", "--input", "/nonexistent/dir/file.txt"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("cannot read"), std::string::npos);

  EXPECT_EQ(Cli({}).code, 2);
  EXPECT_EQ(Cli({"frobnicate"}).code, 2);
  EXPECT_EQ(Cli({"run", "Ultra.CalculateDichotomy", "--bogus"}).code, 2);
}

TEST(Cli, ListNamesEveryRegisteredMethod) {
  CliRun r = Cli({"list"});
  EXPECT_EQ(r.code, 0);
  for (const auto& e : AllMethods().Entries())
    EXPECT_NE(r.out.find(e.Key() + "  " + e.caption + "\n"), std::string::npos) << e.Key();
  EXPECT_NE(r.out.find("Ultra.CalculateDichotomy  二分法\n"), std::string::npos);
}

TEST(Cli, RunPrintsThePaneAndLogsEveryBox) {
  const MethodEntry* m = AllMethods().Find("Ultra.CalculateDichotomy");
  ASSERT_NE(m, nullptr);
  // What the command line prints must be exactly what the method writes into the pane.
  ResultPane pane;
  ScriptedDialogs dialogs({"1", "2", "0.0001"});
  MethodContext ctx{"x^2-2", pane, dialogs, 6};
  m->run(ctx);

  CliRun r = Cli({"run", "Ultra.CalculateDichotomy", "--answer", "1", "--answer", "2", "--answer",
                  "0.0001"},
                 "x^2-2\n");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, pane.Text());
  EXPECT_NE(r.out.find("\r\n"), std::string::npos);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
            "input: [输入初值] 输入函数方程式迭代的初值下界： -> 1");

  CliRun lf = Cli({"run", "Ultra.CalculateDichotomy", "--answer", "1", "--answer", "2",
                   "--answer", "0.0001", "--lf"},
                  "x^2-2");
  EXPECT_EQ(lf.out.find('\r'), std::string::npos);
  EXPECT_EQ(std::count(lf.out.begin(), lf.out.end(), '\n'),
            std::count(r.out.begin(), r.out.end(), '\n'));

  // Missing answers are Cancel: the method ends silently and still exits 0.
  CliRun cancelled = Cli({"run", "Ultra.CalculateDichotomy"}, "x^2-2");
  EXPECT_EQ(cancelled.code, 0);
  EXPECT_EQ(cancelled.out, "");
  EXPECT_EQ(cancelled.err, "input: [输入初值] 输入函数方程式迭代的初值下界： -> \n");
}

TEST(Cli, YesNoQuestionsTakeYesOrNoAndRefuseOtherWords) {
  // The precision warning of the Jacobi iteration asks Yes/No; "maybe" is a usage error.
  CliRun r = Cli({"run", "LinearFrm.JacobiDie", "--answer", "0.5", "--answer", "maybe"},
                 "4 1 5\n1 4 5\n");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("message: [精度设置提示] "), std::string::npos) << r.err;

  r = Cli({"run", "LinearFrm.JacobiDie", "--answer", "0.5", "--answer", "no", "--answer", "y",
           "--answer", "2"},
          "4 1 5\n1 4 5\n");
  EXPECT_EQ(r.code, 0) << r.err;
  // The question came twice: No brings it back, yes goes on.
  size_t first = r.err.find("[精度设置提示]");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(r.err.find("[精度设置提示]", first + 1), std::string::npos);
  // From (0, 0) two sweeps give 1.25 then 0.9375, a change of 0.3125 <= 0.5.
  EXPECT_NE(r.out.find("迭代2次 ， 求得方程组的解为：\r\nx(1)=0.9375\r\nx(2)=0.9375\r\n"),
            std::string::npos)
      << r.out;
}

TEST(Cli, DigitsAreClampedToTheWindowRange) {
  // 3x + y = 5, x + 3y = 4. With 2 digits the eliminated entries are kept to 3 decimals:
  // x(2) = 2.333 / 2.667 = 0.8747..., x(1) = Round((5 - x(2)) / 3, 3) = 1.375 -> 1.38.
  std::string system = "3 1 5\n1 3 4\n";
  CliRun r = Cli({"run", "LinearFrm.Gauss_1", "--answer", "2", "--digits", "2"}, system);
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("x(1)=1.38\r\nx(2)=0.87\r\n"), std::string::npos) << r.out;
  // 20 is above LinearFrm's largest setting and is taken as 16.
  CliRun wide = Cli({"run", "LinearFrm.Gauss_1", "--answer", "2", "--digits", "20"}, system);
  CliRun sixteen = Cli({"run", "LinearFrm.Gauss_1", "--answer", "2", "--digits", "16"}, system);
  EXPECT_EQ(wide.out, sixteen.out);
  EXPECT_EQ(Cli({"run", "Ultra.CalculateNewton", "--digits", "3"}, "x").code, 2);
}

}  // namespace
}  // namespace tessaly
