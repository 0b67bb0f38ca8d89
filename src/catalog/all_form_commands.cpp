// The one list of form-command families (the calculus and ODE windows).
#include "catalog/families.h"
#include "common/form_command.h"

namespace tessaly {

const FormCommandRegistry& AllFormCommands() {
  static const FormCommandRegistry registry = [] {
    FormCommandRegistry r;
    // Families register here in the order of their windows: the calculus windows, then
    // the ODE windows.
    RegisterCalculusCommands(r);
    RegisterOdeCommands(r);
    return r;
  }();
  return registry;
}

}  // namespace tessaly
