#include "catalog/families.h"

namespace tessaly {

void RegisterFactorisationMethods(MethodRegistry& r) {
  (void)r;  // filled in as the methods are built
}

}  // namespace tessaly
