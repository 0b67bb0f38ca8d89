// NormalizeFormula: the canonical texts of the documented examples and
// edge cases, step by step.
#include <gtest/gtest.h>

#include <string>

#include "expr/formula.h"

namespace tessaly {
namespace {

int Steps(const std::string& canonical, double x = 1) {
  int steps = 0;
  EvaluateFormula(canonical, x, steps);
  return steps;
}

TEST(NormalizeFormula, DocumentedExamples) {
  EXPECT_EQ(NormalizeFormula("f(x)=X^2 - 2"), "x^2-+2");
  EXPECT_EQ(NormalizeFormula("-sin(x)+pi"), "0-sin(x)++3.14159265358979");
  EXPECT_EQ(NormalizeFormula("exp(-x)/log10(x)"), "eyp(-x)/lgg(x)");
  EXPECT_EQ(NormalizeFormula("1e-5*x"), "1E-5*x");
}

TEST(NormalizeFormula, DecorationAndEquations) {
  EXPECT_EQ(NormalizeFormula("f(x)=x^2"), "x^2");
  EXPECT_EQ(NormalizeFormula("f(x)"), "");
  EXPECT_EQ(NormalizeFormula("x^2-2=0"), "x^2-+2");
  EXPECT_EQ(NormalizeFormula("x^2=2"), "x^2");
  // "=x" is empty, which evaluates to 0 in one step without error.
  EXPECT_EQ(NormalizeFormula("=x"), "");
  EXPECT_EQ(Steps(""), 1);
  // Step 1 is case-sensitive: F(X)=x is cut to F(X), lowered to f(x) and stays malformed.
  EXPECT_EQ(NormalizeFormula("F(X)=x"), "f(x)");
  EXPECT_EQ(Steps("f(x)"), kMalformedSteps);
  // One pass each: what step 1 joins is seen by step 2 and then step 3, not by step 1.
  EXPECT_EQ(NormalizeFormula("f(xf(x)=)=x"), "");
  EXPECT_EQ(NormalizeFormula("f(x)=f(x)=)"), ")");
  EXPECT_EQ(NormalizeFormula("f(f(x)=x)=1"), "");
  EXPECT_EQ(NormalizeFormula("F(x)=F(X)"), "f(x)");
}

TEST(NormalizeFormula, CaseBlanksAndLineEnds) {
  EXPECT_EQ(NormalizeFormula("SIN(X) + COS(X) - 1"), "sin(x)+cos(x)-+1");
  EXPECT_EQ(NormalizeFormula("x\r\n+ 1"), "x++1");
  // Tabs stay and make the formula malformed.
  EXPECT_EQ(NormalizeFormula("x\t+1"), "x\t++1");
  EXPECT_EQ(Steps("x\t++1"), kMalformedSteps);
  // Exponent signs are marked before line ends go: "1e\r\n-5" keeps a lower-case "e", the
  // sign gets its "+" and step 12 does not undo it, so the text is malformed.
  EXPECT_EQ(NormalizeFormula("1e\r\n-5"), "1e-+5");
  EXPECT_EQ(Steps("1e-+5"), kMalformedSteps);
  EXPECT_EQ(NormalizeFormula("1E+5*X"), "1E+5*x");
  EXPECT_EQ(NormalizeFormula("2.5e-3"), "2.5E-3");
}

TEST(NormalizeFormula, SignMarking) {
  EXPECT_EQ(NormalizeFormula("x-3"), "x-+3");
  EXPECT_EQ(NormalizeFormula("x+3"), "x++3");
  EXPECT_EQ(NormalizeFormula("x-.5"), "x-+.5");
  EXPECT_EQ(NormalizeFormula("-3^2"), "-3^2");        // position 1: no mark
  EXPECT_EQ(NormalizeFormula("(-3)"), "(-3)");        // after "(": no mark
  EXPECT_EQ(NormalizeFormula("x+-3"), "x+-3");        // the "-" is skipped, stays glued
  EXPECT_EQ(NormalizeFormula("2*-3"), "2*-+3");
  EXPECT_EQ(NormalizeFormula("2*(-3)"), "2*(-3)");
  EXPECT_EQ(NormalizeFormula("x-x-1"), "x-x-+1");
  EXPECT_EQ(NormalizeFormula("1--2"), "1--2");
}

TEST(NormalizeFormula, SignMarkingStopsAtPosition32767) {
  // A sign at position 32766 is marked; at 32767 it counts as absent.
  EXPECT_EQ(NormalizeFormula(std::string(32765, '1') + "-3"), std::string(32765, '1') + "-+3");
  EXPECT_EQ(NormalizeFormula(std::string(32766, '1') + "-3"), std::string(32766, '1') + "-3");
  // After the sign at 32765 the start position is 32767: the loop ends.
  std::string late = std::string(32764, '1') + "-3-4";
  EXPECT_EQ(NormalizeFormula(late), std::string(32764, '1') + "-+3-4");
  // Positions count characters, not bytes: ten three-byte characters are ten positions.
  std::string wide;
  for (int i = 0; i < 10; ++i) wide += "\xe4\xb8\xad";  // 中
  EXPECT_EQ(NormalizeFormula(wide + std::string(32755, '1') + "-3"),
            wide + std::string(32755, '1') + "-+3");
  EXPECT_EQ(NormalizeFormula(wide + std::string(32756, '1') + "-3"),
            wide + std::string(32756, '1') + "-3");
  // Inserted marks move later signs: 2 marks before put this sign at 32767.
  std::string marked = "1-2-3" + std::string(32759, '1') + "-3";
  EXPECT_EQ(NormalizeFormula(marked), "1-+2-+3" + std::string(32759, '1') + "-3");
}

TEST(NormalizeFormula, PiLeadingSignsAndTokens) {
  EXPECT_EQ(NormalizeFormula("x-pi"), "x-+3.14159265358979");
  EXPECT_EQ(NormalizeFormula("-pi"), "-+3.14159265358979");
  EXPECT_EQ(NormalizeFormula("pi"), "+3.14159265358979");
  EXPECT_EQ(NormalizeFormula("+x"), "0+x");
  EXPECT_EQ(NormalizeFormula("-(x+1)"), "0-(x++1)");
  EXPECT_EQ(NormalizeFormula("-x^2"), "0-x^2");
  EXPECT_EQ(NormalizeFormula("log2(x)+log10(x)+log(x)+exp(x)"),
            "lg2(x)+lgg(x)+log(x)+eyp(x)");
  EXPECT_EQ(NormalizeFormula("lgg(x)"), "lgg(x)");  // the token itself
  EXPECT_EQ(NormalizeFormula("sqrt(x)"), "sqrt(x)");
  EXPECT_EQ(Steps("sqrt(x)"), kMalformedSteps);
  EXPECT_EQ(NormalizeFormula("1e-5"), "1E-5");
  EXPECT_EQ(NormalizeFormula("1e+5"), "1E+5");
}

}  // namespace
}  // namespace tessaly
