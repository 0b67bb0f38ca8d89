// The one list of method families.
#include <algorithm>
#include <array>
#include <string_view>

#include "catalog/families.h"
#include "common/method_registry.h"

namespace tessaly {
namespace {

int WindowRank(std::string_view window) {
  constexpr std::array<std::string_view, 4> kOrder = {"LinearFrm", "MatrixCValueCVector",
                                                      "InsertValue", "Ultra"};
  auto it = std::find(kOrder.begin(), kOrder.end(), window);
  return static_cast<int>(it - kOrder.begin());
}

}  // namespace

const MethodRegistry& AllMethods() {
  static const MethodRegistry registry = [] {
    MethodRegistry families;
    // The eigenvalue methods head their window's menu, so they register first.
    RegisterEigenMethods(families);
    RegisterEliminationMethods(families);
    RegisterFactorisationMethods(families);
    RegisterInterpolationMethods(families);
    RegisterUltraMethods(families);
    // List the windows in the main window's order; within a window, families keep the
    // order they registered in.
    std::vector<MethodEntry> entries = families.Entries();
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
      return WindowRank(a.window) < WindowRank(b.window);
    });
    MethodRegistry r;
    for (auto& e : entries) r.Add(e.window, e.item, e.caption, e.run);
    return r;
  }();
  return registry;
}

}  // namespace tessaly
