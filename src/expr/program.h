// The compiled form of a canonical text: the scan is run once over the template, recording
// the arithmetic it does on the number stack as a tree; the tree of the value that ends in
// the bottom slot is folded (parts without a variable become constants, computed by the
// same functions) and laid out as postfix code for a small stack machine.
#pragma once

#include <cstdint>
#include <vector>

#include "expr/scan_rules.h"
#include "expr/scanner.h"

namespace tessaly::expr {

enum class Code : uint8_t {
  kConst,     // push value
  kVar,       // push variable var
  kFunc,      // top = f(top)
  kBin,       // b = pop, top = top op b
  kBinSwap,   // a = pop, top = a op top  (the right operand was computed first)
  kBinConst,  // top = top op value
  kBinVar,    // top = top op variable var
  kConstBin,  // top = value op top
  kVarBin,    // top = variable var op top
  kPowInt,    // top = top ^ var (2..8)
};

struct Instr {
  Code code;
  Op op;
  uint8_t var;
  uint16_t key;  // code and op together: the machine dispatches on it once
  double value;
};

constexpr uint16_t Key(Code code, Op op) {
  return static_cast<uint16_t>((static_cast<unsigned>(code) << 5) | static_cast<unsigned>(op));
}

class Program {
 public:
  Program() = default;
  Program(const Template& t, int cap);

  int steps() const { return steps_; }
  bool usesVar(int var) const { return (varMask_ >> var) & 1; }
  // The value of the bottom slot for the given variable values (already as the scan reads
  // them).
  double Run(double x, double y) const;
  // The value for x and y as the caller has them (each rounded to 15 significant digits
  // first, if the result depends on it).
  double Evaluate(double x, double y) const;

 private:
  static constexpr int kSmallStack = 32;
  // Compiled twice on x86-64 with GCC, once with the FMA instructions (std::fma becomes one
  // instruction; nothing else is fused: -ffp-contract=off), chosen once at load time. Not
  // under ThreadSanitizer, whose runtime is not up yet when the choice is made.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_THREAD__)
  __attribute__((target_clones("fma", "default")))
#endif
  double RunOn(double* stack, double x, double y) const;

  int steps_ = 0;
  uint8_t varMask_ = 0;
  int depth_ = 0;
  bool constant_ = true;
  double constantValue_ = 0;
  std::vector<Instr> code_;
};

}  // namespace tessaly::expr
