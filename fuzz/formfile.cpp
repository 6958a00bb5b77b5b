// Fuzz target: form-file text of any bytes. Whatever parses must print and
// parse back to the same text; reading it into components (skin components
// and test widgets with every property kind) must end in components or a
// clean error, and what is written from them must read back the same.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "../tests/native/forms/TestClasses.h"
#include "host/core/Filer.h"
#include "host/core/MessageBox.h"
#include "manager/ManagerCore.h"
#include "skinmodel/WinSkinStore.h"

using namespace pelorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    RegisterSkinModelClasses();
    pelorin::testing::RegisterTestClasses();
    RegisterComponentClass<TComponent>("TForm");
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
    std::unique_ptr<TComponent> root(ReadRootText(text, nullptr));
    const std::string written = WriteComponentText(*root);
    std::unique_ptr<TComponent> again(ReadRootText(written, nullptr));
    if (WriteComponentText(*again) != written) __builtin_trap();
  } catch (const Exception&) {
  }
  DestroySkinManager();
  return 0;
}
