// The registry of worksheet methods: WINDOW.ITEM -> caption and function.
// The menus, tessaly-cli and the tests all take their methods from here.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/method_context.h"

namespace tessaly {

using MethodFunction = std::function<void(MethodContext&)>;

struct MethodEntry {
  std::string window;   // e.g. "LinearFrm"
  std::string item;     // the menu item name, e.g. "GaussTier"
  std::string caption;  // the menu caption, e.g. "Gauss列主元消去法"
  MethodFunction run;

  std::string Key() const { return window + "." + item; }
};

class MethodRegistry {
 public:
  void Add(std::string window, std::string item, std::string caption, MethodFunction run);
  // The entry for WINDOW.ITEM, or nullptr.
  const MethodEntry* Find(std::string_view window, std::string_view item) const;
  const MethodEntry* Find(std::string_view key) const;
  const std::vector<MethodEntry>& Entries() const { return entries_; }

 private:
  std::vector<MethodEntry> entries_;
};

// Every method the program has, in window and menu order.
const MethodRegistry& AllMethods();

}  // namespace tessaly
