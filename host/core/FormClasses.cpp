// The registries behind form files: component classes by name, and the
// methods each form class offers to the events of its form files.
#include <map>

#include "host/core/Component.h"
#include "host/core/Filer.h"
#include "host/core/StringList.h"

namespace pelorin {

namespace {

// Keys are upper-cased: class and method names compare ignoring ASCII case.
std::map<std::string, TComponentFactory>& Classes() {
  static std::map<std::string, TComponentFactory> classes;
  return classes;
}

std::map<std::string, std::map<std::string, TMethodFactory>>& Methods() {
  static std::map<std::string, std::map<std::string, TMethodFactory>> methods;
  return methods;
}

}  // namespace

void RegisterComponentFactory(const std::string& className, TComponentFactory factory) {
  Classes()[AnsiUpperAscii(className)] = std::move(factory);
}

bool IsClassRegistered(std::string_view className) { return Classes().count(AnsiUpperAscii(className)) != 0; }

const TComponentFactory& FindClass(std::string_view className) {
  const auto it = Classes().find(AnsiUpperAscii(className));
  if (it == Classes().end() || !it->second) throw EClassNotFound("Class " + std::string(className) + " not found");
  return it->second;
}

void RegisterMethodFactory(const std::string& className, const std::string& methodName, TMethodFactory factory) {
  Methods()[AnsiUpperAscii(className)][AnsiUpperAscii(methodName)] = std::move(factory);
}

std::any FindMethod(TComponent& root, std::string_view methodName) {
  const auto cls = Methods().find(AnsiUpperAscii(root.ClassName()));
  if (cls == Methods().end()) return {};
  const auto method = cls->second.find(AnsiUpperAscii(methodName));
  if (method == cls->second.end() || !method->second) return {};
  return method->second(root);
}

}  // namespace pelorin
