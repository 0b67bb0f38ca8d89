#include "common/method_registry.h"

namespace tessaly {

void MethodRegistry::Add(std::string window, std::string item, std::string caption,
                         MethodFunction run) {
  entries_.push_back({std::move(window), std::move(item), std::move(caption), std::move(run)});
}

const MethodEntry* MethodRegistry::Find(std::string_view window, std::string_view item) const {
  for (const auto& e : entries_)
    if (e.window == window && e.item == item) return &e;
  return nullptr;
}

const MethodEntry* MethodRegistry::Find(std::string_view key) const {
  size_t dot = key.find('.');
  if (dot == std::string_view::npos) return nullptr;
  return Find(key.substr(0, dot), key.substr(dot + 1));
}

}  // namespace tessaly
