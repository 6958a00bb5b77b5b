// Fuzz target: INI text of any bytes, read back through every section and key.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/core/IniFile.h"
#include "host/core/StringList.h"

static bool Trimmed(const std::string& s) { return s.empty() || static_cast<unsigned char>(s.back()) > ' '; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pelorin;
  const auto ini = TIniFile::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
  TStringList sections, keys;
  ini.ReadSections(sections);
  sections.Add("");
  for (const auto& section : sections) {
    ini.SectionExists(section);
    ini.ReadSection(section, keys);
    for (const auto& key : keys) {
      if (ini.ReadString(section, key, "").size() > TIniFile::MaxValueLength) __builtin_trap();
      // A name cut at a NUL may end in blanks; like the profile functions,
      // lookups trim the name asked for and then miss it.
      if (Trimmed(section) && Trimmed(key) && !ini.ValueExists(section, key)) __builtin_trap();
      ini.ReadInteger(section, key, 0);
      int value = 0;
      TryStrToInt(key, value);
    }
  }
  return 0;
}
