// Fuzz target: form-file text of any bytes. Whatever parses must print and
// parse back to the same text, and reading it into skin components must end
// in components or a clean error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/core/Filer.h"
#include "host/core/MessageBox.h"
#include "manager/ManagerCore.h"
#include "skinmodel/WinSkinStore.h"

using namespace pelorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    RegisterSkinModelClasses();
    SetMessageBoxFunc([](const std::string&, const std::string&, int) { return idOK; });
    return true;
  }();
  (void)ready;
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const std::string printed = FormToText(ParseFormText(text));
    if (FormToText(ParseFormText(printed)) != printed) __builtin_trap();
  } catch (const EParserError&) {
    return 0;
  }
  try {
    TComponent root(nullptr);
    ReadComponentText(text, root);
    WriteComponentText(root);
  } catch (const Exception&) {
  }
  DestroySkinManager();
  return 0;
}
