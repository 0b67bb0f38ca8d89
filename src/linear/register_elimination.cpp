#include "catalog/families.h"
#include "linear/elimination.h"

namespace tessaly {

void RegisterEliminationMethods(MethodRegistry& r) {
  r.Add("LinearFrm", "Gauss_1", "Gauss消去法", Gauss_1);
  r.Add("LinearFrm", "GaussTier", "Gauss列主元消去法", GaussTier);
  r.Add("LinearFrm", "GaussFull", "Gauss全主元消去法", GaussFull);
  r.Add("LinearFrm", "A_matrix", "列主元求逆矩阵", A_matrix);
  r.Add("LinearFrm", "A_range", "列主元求行列式", A_range);
  r.Add("MatrixCValueCVector", "A_matrix", "列主元求逆矩阵", A_matrix);
  r.Add("MatrixCValueCVector", "A_range", "列主元求行列式", A_range);
}

}  // namespace tessaly
