// The window -> skinner registry.
#include "skinbase/SkinnerRegistry.h"

namespace pelorin {

bool TSkinnerRegistry::Add(TWindowKey window, TWindowSkinner* skinner) {
  if (!window || !skinner) return false;
  return map_.emplace(window, skinner).second;
}

void TSkinnerRegistry::Remove(TWindowKey window, const TWindowSkinner* skinner) {
  auto it = map_.find(window);
  if (it != map_.end() && it->second == skinner) map_.erase(it);
}

TWindowSkinner* TSkinnerRegistry::Find(TWindowKey window) const {
  auto it = map_.find(window);
  return it == map_.end() ? nullptr : it->second;
}

TSkinnerRegistry& WindowSkinners() {
  static TSkinnerRegistry registry;
  return registry;
}

}  // namespace pelorin
