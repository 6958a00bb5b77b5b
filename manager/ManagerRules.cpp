// The manager's window-free decisions.
#include "manager/ManagerRules.h"

#include "host/core/StringList.h"

namespace pelorin {

bool IsPlainChild(bool childStyle, std::string_view parentClass) {
  return childStyle && AnsiLowerAscii(parentClass) != "mdiclient";
}

TSkinRefusal CheckWindowFacts(const TWindowFacts& facts) {
  if (!facts.managerActive) return TSkinRefusal::Inactive;
  if (facts.tracked) return TSkinRefusal::Tracked;
  if (IsPlainChild(facts.childStyle, facts.parentClass)) return TSkinRefusal::PlainChild;
  // 64-bit product: a huge window must not wrap to zero and be refused.
  if (static_cast<std::int64_t>(facts.width) * facts.height == 0) return TSkinRefusal::EmptyRect;
  if (facts.hostForm && facts.formTag == 99) return TSkinRefusal::FormTag99;
  if (facts.className == "TApplication") return TSkinRefusal::ApplicationWindow;
  return TSkinRefusal::None;
}

int FindSkinDataIndex(const std::vector<TSkinDataFacts>& list, std::uintptr_t window,
                      std::string_view windowClass) {
  const int count = static_cast<int>(list.size());
  auto lastOf = [&](auto&& pred) {
    for (int i = count - 1; i >= 0; --i)
      if (pred(list[static_cast<size_t>(i)])) return i;
    return -1;
  };
  int found = lastOf([&](const TSkinDataFacts& d) {
    return d.formType == sfOnlyThisForm && d.ownerWindow != 0 && d.ownerWindow == window;
  });
  if (found >= 0) return found;
  const std::string lower = AnsiLowerAscii(windowClass);
  if (lower == "tmessageform" || lower == "#32770") {
    found = lastOf([](const TSkinDataFacts& d) { return d.formType == sfDialog; });
    if (found >= 0) return found;
  }
  found = lastOf([](const TSkinDataFacts& d) { return d.formType == sfMainform; });
  if (found >= 0) return found;
  return count > 0 ? 0 : -1;
}

int FormSkinCheckIndex(const std::vector<TSkinDataFacts>& list) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].formType == sfMainform) return static_cast<int>(i);
  return -1;
}

}  // namespace pelorin
