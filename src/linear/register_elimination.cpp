#include "catalog/families.h"

namespace tessaly {

void RegisterEliminationMethods(MethodRegistry& r) {
  (void)r;  // filled in as the methods are built
}

}  // namespace tessaly
