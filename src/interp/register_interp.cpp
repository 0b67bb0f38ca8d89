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
  r.Add("InsertValue", "cTBRORankOne", "给定两端点处的一阶导数值", cTBRORankOne);
  r.Add("InsertValue", "cTBRORankTwo", "给定两端点处的二阶导数值", cTBRORankTwo);
  r.Add("InsertValue", "cTBRTRankOne", "给定两端点处的一阶导数值", cTBRTRankOne);
  r.Add("InsertValue", "cTBRTRankTwo", "给定两端点处的二阶导数值", cTBRTRankTwo);
  r.Add("InsertValue", "CMinRideCurve", "最小二乘曲线拟合", CMinRideCurve);
}

}  // namespace tessaly
