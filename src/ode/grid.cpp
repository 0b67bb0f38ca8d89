#include <algorithm>

#include "common/assign.h"
#include "ode/ode.h"

namespace tessaly::ode {

Grid MakeGrid(double a, double b, int n) {
  Grid g;
  g.n = std::clamp(n, 0, kMaxParts);
  g.x.assign(g.n + 1, 0.0);
  SetIfFinite(g.h, (b - a) / g.n);
  for (int i = 0; i <= g.n; ++i) SetIfFinite(g.x[i], i * g.h + a);
  return g;
}

}  // namespace tessaly::ode
