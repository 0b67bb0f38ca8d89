#include "catalog/families.h"
#include "linear/factorisation.h"

namespace tessaly {

void RegisterFactorisationMethods(MethodRegistry& r) {
  r.Add("LinearFrm", "MatrixBreak", "矩阵的三角分解",
        [](MethodContext& ctx) { MatrixBreak(ctx, kMatrixBreakMessageLinear); });
  r.Add("LinearFrm", "LU_break", "LU分解法", LU_break);
  r.Add("LinearFrm", "SqrtRoot", "平方根法", SqrtRoot);
  r.Add("LinearFrm", "MendSqrt", "改进的平方根法", MendSqrt);
  r.Add("LinearFrm", "Purase", "追赶法(解三对角)", Purase);
  r.Add("LinearFrm", "TierLU", "列主元三角分解法", TierLU);
  r.Add("LinearFrm", "JacobiDie", "雅可比迭代法", JacobiDie);
  r.Add("LinearFrm", "Gauss_SeidelDie", "高斯-塞德尔迭代法", Gauss_SeidelDie);
  r.Add("LinearFrm", "SorDie", "逐次超松驰迭代法", SorDie);
  r.Add("LinearFrm", "CMatrixJudge", "正定矩阵判断", CMatrixJudge);
  r.Add("LinearFrm", "VectorModel", "向量范数", VectorModel);
  r.Add("LinearFrm", "MatrixModel", "矩阵范数", MatrixModel);
  r.Add("LinearFrm", "StrictMatrixJudge", "严格对角占优矩阵判断", StrictMatrixJudge);

  r.Add("MatrixCValueCVector", "MatrixBreak", "矩阵的三角分解",
        [](MethodContext& ctx) { MatrixBreak(ctx, kMatrixBreakMessageEigen); });
  r.Add("MatrixCValueCVector", "CMatrixJudge", "正定矩阵判断", CMatrixJudge);
  r.Add("MatrixCValueCVector", "VectorModel", "向量范数", VectorModel);
  r.Add("MatrixCValueCVector", "MatrixModel", "矩阵范数", MatrixModel);
  r.Add("MatrixCValueCVector", "StrictMatrixJudge", "严格对角占优矩阵判断", StrictMatrixJudge);
}

}  // namespace tessaly
