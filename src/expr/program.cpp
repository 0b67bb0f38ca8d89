#include "expr/program.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "expr/round15.h"

namespace tessaly::expr {
namespace {

enum class Kind : uint8_t { kConst, kVar, kFunc, kBin };

struct Node {
  Kind kind;
  Op op;
  uint8_t var;
  double value;
  int32_t a, b;
};

// The number stack of the compiler: slots hold node indices.
class NodeStack {
 public:
  std::vector<Node> nodes;

  void PushConst(double v) { stack_.push_back(Make({Kind::kConst, Op::kNone, 0, v, -1, -1})); }
  void PushVar(uint8_t var) { stack_.push_back(Make({Kind::kVar, Op::kNone, var, 0, -1, -1})); }
  void Apply1(Op f) {
    int32_t a = Pop();
    if (nodes[a].kind == Kind::kConst) {
      PushConst(Function(f, nodes[a].value));
    } else {
      stack_.push_back(Make({Kind::kFunc, f, 0, 0, a, -1}));
    }
  }
  void Apply2(Op o) {
    int32_t b = Pop();
    int32_t a = Pop();
    if (nodes[a].kind == Kind::kConst && nodes[b].kind == Kind::kConst) {
      PushConst(Operate(nodes[a].value, o, nodes[b].value));
    } else {
      stack_.push_back(Make({Kind::kBin, o, 0, 0, a, b}));
    }
  }
  // The node in the bottom slot, -1 when the stack is empty.
  int32_t Bottom() const { return stack_.empty() ? -1 : stack_.front(); }

 private:
  int32_t Make(const Node& n) {
    nodes.push_back(n);
    return static_cast<int32_t>(nodes.size() - 1);
  }
  int32_t Pop() {
    if (stack_.empty()) return Make({Kind::kConst, Op::kNone, 0, 0.0, -1, -1});  // the dummy
    int32_t v = stack_.back();
    stack_.pop_back();
    return v;
  }
  std::vector<int32_t> stack_;
};

bool IsLeaf(const Node& n) { return n.kind == Kind::kConst || n.kind == Kind::kVar; }

}  // namespace

Program::Program(const Template& t, int cap) {
  NodeStack stack;
  steps_ = Scan(t, cap, stack);
  int32_t root = stack.Bottom();
  if (root < 0) {
    constant_ = true;
    constantValue_ = 0;
    return;
  }
  const std::vector<Node>& nodes = stack.nodes;
  if (nodes[root].kind == Kind::kConst) {
    constant_ = true;
    constantValue_ = nodes[root].value;
    return;
  }
  constant_ = false;
  // Stack need of each node (Sethi-Ullman), children before parents: node indices grow
  // from children to parents, so one pass in index order does it.
  std::vector<int32_t> need(nodes.size(), 1);
  for (size_t i = 0; i < nodes.size(); ++i) {
    const Node& n = nodes[i];
    if (n.kind == Kind::kFunc) {
      need[i] = need[n.a];
    } else if (n.kind == Kind::kBin) {
      int32_t na = need[n.a], nb = need[n.b];
      need[i] = na == nb ? na + 1 : std::max(na, nb);
    }
  }
  // Post-order walk without recursion. A binary node whose right operand is a leaf becomes
  // one instruction; otherwise the operand needing more stack goes first.
  struct Frame {
    int32_t node;
    bool expanded;
  };
  std::vector<Frame> work;
  work.push_back({root, false});
  int depth = 0;
  auto emit = [&](Instr in, int delta) {
    in.key = Key(in.code, in.op);
    code_.push_back(in);
    depth += delta;
    depth_ = std::max(depth_, depth);
  };
  while (!work.empty()) {
    Frame f = work.back();
    work.pop_back();
    const Node& n = nodes[f.node];
    switch (n.kind) {
      case Kind::kConst:
        emit({Code::kConst, Op::kNone, 0, 0, n.value}, 1);
        break;
      case Kind::kVar:
        varMask_ |= 1 << n.var;
        emit({Code::kVar, Op::kNone, n.var, 0, 0}, 1);
        break;
      case Kind::kFunc:
        if (f.expanded) {
          emit({Code::kFunc, n.op, 0, 0, 0}, 0);
        } else {
          work.push_back({f.node, true});
          work.push_back({n.a, false});
        }
        break;
      case Kind::kBin: {
        const Node& a = nodes[n.a];
        const Node& b = nodes[n.b];
        if (IsLeaf(b)) {
          if (f.expanded) {
            if (b.kind == Kind::kConst && n.op == Op::kPow && b.value >= 2 && b.value <= 8 &&
                b.value == std::trunc(b.value)) {
              emit({Code::kPowInt, n.op, static_cast<uint8_t>(b.value), 0, 0}, 0);
            } else if (b.kind == Kind::kConst) {
              emit({Code::kBinConst, n.op, 0, 0, b.value}, 0);
            } else {
              varMask_ |= 1 << b.var;
              emit({Code::kBinVar, n.op, b.var, 0, 0}, 0);
            }
          } else {
            work.push_back({f.node, true});
            work.push_back({n.a, false});
          }
        } else if (IsLeaf(a)) {
          if (f.expanded) {
            if (a.kind == Kind::kConst) {
              emit({Code::kConstBin, n.op, 0, 0, a.value}, 0);
            } else {
              varMask_ |= 1 << a.var;
              emit({Code::kVarBin, n.op, a.var, 0, 0}, 0);
            }
          } else {
            work.push_back({f.node, true});
            work.push_back({n.b, false});
          }
        } else if (need[n.b] > need[n.a]) {
          if (f.expanded) {
            emit({Code::kBinSwap, n.op, 0, 0, 0}, -1);
          } else {
            work.push_back({f.node, true});
            work.push_back({n.a, false});
            work.push_back({n.b, false});
          }
        } else {
          if (f.expanded) {
            emit({Code::kBin, n.op, 0, 0, 0}, -1);
          } else {
            work.push_back({f.node, true});
            work.push_back({n.b, false});
            work.push_back({n.a, false});
          }
        }
        break;
      }
    }
  }
}

double Program::Evaluate(double x, double y) const {
  if (constant_) return constantValue_;
  if (varMask_ & 1) x = ScanValue(x);
  if (varMask_ & 2) y = ScanValue(y);
  if (code_.size() == 1) return code_[0].var ? y : x;  // the formula is a variable
  if (depth_ <= kSmallStack) {
    double stack[kSmallStack];
    return RunOn(stack, x, y);
  }
  return Run(x, y);
}

double Program::Run(double x, double y) const {
  if (constant_) return constantValue_;
  if (depth_ > kSmallStack) {
    std::vector<double> stack(depth_);
    return RunOn(stack.data(), x, y);
  }
  double stack[kSmallStack];  // every slot read is written first: the code is postfix
  return RunOn(stack, x, y);
}

// One dispatch per instruction on the fused key; the operation is a constant in each case.
#define TESSALY_BINARY_CASES(CODE, STORE, A, B)                                       \
  case Key(CODE, Op::kAdd): STORE(A + B); break;                                    \
  case Key(CODE, Op::kSub): STORE(A - B); break;                                    \
  case Key(CODE, Op::kMul): STORE(A * B); break;                                    \
  case Key(CODE, Op::kDiv): STORE(A / B); break;                                    \
  case Key(CODE, Op::kIntDiv): STORE(IntegerDivide(A, B)); break;                   \
  case Key(CODE, Op::kPow): STORE(Power(A, B)); break;
#define TESSALY_FUNCTION_CASE(OP) \
  case Key(Code::kFunc, Op::OP): st[sp] = Function(Op::OP, st[sp]); break;

double Program::RunOn(double* st, double x, double y) const {
  const double vars[2] = {x, y};
  int sp = -1;  // index of the top
#define TOP(v) st[sp] = (v)
#define POP_TOP(v) \
  do {             \
    double r_ = (v); \
    st[--sp] = r_; \
  } while (0)
  for (const Instr& in : code_) {
    switch (in.key) {
      case Key(Code::kConst, Op::kNone): st[++sp] = in.value; break;
      case Key(Code::kVar, Op::kNone): st[++sp] = vars[in.var]; break;
      case Key(Code::kPowInt, Op::kPow): st[sp] = PowerConstInt(st[sp], in.var); break;
      TESSALY_FUNCTION_CASE(kSin)
      TESSALY_FUNCTION_CASE(kCos)
      TESSALY_FUNCTION_CASE(kTan)
      TESSALY_FUNCTION_CASE(kAtn)
      TESSALY_FUNCTION_CASE(kExp)
      TESSALY_FUNCTION_CASE(kLog)
      TESSALY_FUNCTION_CASE(kLgg)
      TESSALY_FUNCTION_CASE(kLg2)
      TESSALY_FUNCTION_CASE(kSqr)
      TESSALY_FUNCTION_CASE(kAbs)
      TESSALY_BINARY_CASES(Code::kBin, POP_TOP, st[sp - 1], st[sp])
      TESSALY_BINARY_CASES(Code::kBinSwap, POP_TOP, st[sp], st[sp - 1])
      TESSALY_BINARY_CASES(Code::kBinConst, TOP, st[sp], in.value)
      TESSALY_BINARY_CASES(Code::kBinVar, TOP, st[sp], vars[in.var])
      TESSALY_BINARY_CASES(Code::kConstBin, TOP, in.value, st[sp])
      TESSALY_BINARY_CASES(Code::kVarBin, TOP, vars[in.var], st[sp])
      default: break;
    }
  }
#undef TOP
#undef POP_TOP
  return st[0];
}

#undef TESSALY_BINARY_CASES
#undef TESSALY_FUNCTION_CASE

}  // namespace tessaly::expr
