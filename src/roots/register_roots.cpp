#include "catalog/families.h"
#include "roots/roots.h"

namespace tessaly {

void RegisterUltraMethods(MethodRegistry& r) {
  r.Add("Ultra", "CalculateDichotomy", "二分法", CalculateDichotomy);
  r.Add("Ultra", "CalculateIterative", "迭代法", CalculateIterative);
  r.Add("Ultra", "IterativeSpeedUp", "迭代-加速法", IterativeSpeedUp);
  r.Add("Ultra", "CalculateAitken", "埃特金加速法", CalculateAitken);
  r.Add("Ultra", "CalculateNewton", "牛顿切线法", CalculateNewton);
  r.Add("Ultra", "CalculateXianJie", "弦截法", CalculateXianJie);
}

}  // namespace tessaly
