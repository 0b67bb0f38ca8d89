#include "expr/program.h"

#include <algorithm>
#include <cmath>
#include <memory>

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
        emit({Code::kConst, Op::kNone, 0, n.value}, 1);
        break;
      case Kind::kVar:
        varMask_ |= 1 << n.var;
        emit({Code::kVar, Op::kNone, n.var, 0}, 1);
        break;
      case Kind::kFunc:
        if (f.expanded) {
          emit({Code::kFunc, n.op, 0, 0}, 0);
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
            if (b.kind == Kind::kConst) {
              emit({Code::kBinConst, n.op, 0, b.value}, 0);
            } else {
              varMask_ |= 1 << b.var;
              emit({Code::kBinVar, n.op, b.var, 0}, 0);
            }
          } else {
            work.push_back({f.node, true});
            work.push_back({n.a, false});
          }
        } else if (IsLeaf(a)) {
          if (f.expanded) {
            if (a.kind == Kind::kConst) {
              emit({Code::kConstBin, n.op, 0, a.value}, 0);
            } else {
              varMask_ |= 1 << a.var;
              emit({Code::kVarBin, n.op, a.var, 0}, 0);
            }
          } else {
            work.push_back({f.node, true});
            work.push_back({n.b, false});
          }
        } else if (need[n.b] > need[n.a]) {
          if (f.expanded) {
            emit({Code::kBinSwap, n.op, 0, 0}, -1);
          } else {
            work.push_back({f.node, true});
            work.push_back({n.a, false});
            work.push_back({n.b, false});
          }
        } else {
          if (f.expanded) {
            emit({Code::kBin, n.op, 0, 0}, -1);
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

namespace {

inline double Binary(double a, Op op, double b) {
  switch (op) {
    case Op::kAdd: return a + b;
    case Op::kSub: return a - b;
    case Op::kMul: return a * b;
    case Op::kDiv: return a / b;
    default: return Operate(a, op, b);
  }
}

}  // namespace

double Program::Run(double x, double y) const {
  if (constant_) return constantValue_;
  const double vars[2] = {x, y};
  double small[32];
  std::unique_ptr<double[]> large;
  double* st = small;
  if (depth_ > 32) {
    large.reset(new double[depth_]);
    st = large.get();
  }
  int sp = -1;  // index of the top
  for (const Instr& in : code_) {
    switch (in.code) {
      case Code::kConst: st[++sp] = in.value; break;
      case Code::kVar: st[++sp] = vars[in.var]; break;
      case Code::kFunc: st[sp] = Function(in.op, st[sp]); break;
      case Code::kBin: --sp; st[sp] = Binary(st[sp], in.op, st[sp + 1]); break;
      case Code::kBinSwap: --sp; st[sp] = Binary(st[sp + 1], in.op, st[sp]); break;
      case Code::kBinConst: st[sp] = Binary(st[sp], in.op, in.value); break;
      case Code::kBinVar: st[sp] = Binary(st[sp], in.op, vars[in.var]); break;
      case Code::kConstBin: st[sp] = Binary(in.value, in.op, st[sp]); break;
      case Code::kVarBin: st[sp] = Binary(vars[in.var], in.op, st[sp]); break;
    }
  }
  return st[0];
}

}  // namespace tessaly::expr
