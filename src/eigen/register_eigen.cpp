#include "catalog/families.h"
#include "eigen/eigen.h"

namespace tessaly {

void RegisterEigenMethods(MethodRegistry& r) {
  r.Add("MatrixCValueCVector", "MatrixMi", "幂法", MatrixMi);
  r.Add("MatrixCValueCVector", "MatrixCircleMove", "原点平移法", MatrixCircleMove);
  r.Add("MatrixCValueCVector", "MatrixFanMi", "反幂法", MatrixFanMi);
  r.Add("MatrixCValueCVector", "ClassicalJacobi", "古典雅可比法", ClassicalJacobi);
  r.Add("MatrixCValueCVector", "JacobiPassBarrier", "雅可比过关法", JacobiPassBarrier);
}

}  // namespace tessaly
