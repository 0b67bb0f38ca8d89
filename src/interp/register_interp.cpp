#include "catalog/families.h"
#include "interp/interpolation.h"

namespace tessaly {

void RegisterInterpolationMethods(MethodRegistry& r) {
  r.Add("InsertValue", "cLinerInsert", "线性插值", cLinerInsert);
  r.Add("InsertValue", "cParabolaInsert", "抛物线插值", cParabolaInsert);
  r.Add("InsertValue", "cSubsectionLInS", "分段线性插值", cSubsectionLInS);
  r.Add("InsertValue", "cSubsectionPInS", "分段抛物线插值", cSubsectionPInS);
  r.Add("InsertValue", "cLagrangeInsert", "拉格朗日插值多项式", cLagrangeInsert);
  r.Add("InsertValue", "cNewtonInsert", "牛顿插值多项式", cNewtonInsert);
  r.Add("InsertValue", "cINPreNewton", "牛顿前插公式", cINPreNewton);
  r.Add("InsertValue", "cINPostNewton", "牛顿后插公式", cINPostNewton);
  r.Add("InsertValue", "cHermite", "埃尔米特插值", cHermite);
}

}  // namespace tessaly
