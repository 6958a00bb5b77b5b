// TIniFile: read access to INI text with the semantics of the Windows profile
// functions (GetPrivateProfileStringA), portable and usable on text in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

class TStringList;

class TIniFile {
public:
  // Room the profile functions give one value (characters, without the NUL).
  static constexpr size_t MaxValueLength = 2047;

  // Reads the file at once; a missing or unreadable file acts as an empty one,
  // as the profile functions do.
  explicit TIniFile(const std::string& fileName);
  // Parses INI text held in memory.
  static TIniFile FromText(std::string_view text);

  const std::string& FileName() const { return fileName_; }

  // Section names in file order (first occurrence of each name only).
  void ReadSections(TStringList& strings) const;
  // Key names of a section in file order.
  void ReadSection(const std::string& section, TStringList& strings) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

  // Value of the first matching key (sections and keys match case-insensitively),
  // trimmed, a matching pair of surrounding quotes removed, at most
  // MaxValueLength characters; default when the key is missing.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // Decimal, or hexadecimal after "0x"/"0X"; default on a missing or bad value.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

private:
  TIniFile() = default;
  void Parse(std::string_view text);

  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(const std::string& name) const;

  std::string fileName_;
  std::vector<Section> sections_;
};

// String to integer with the framework's rules (optional sign, decimal, or hex
// with "0x"/"0X" or "$"); false when the text is not a valid 32-bit integer.
bool TryStrToInt(std::string_view text, int& value);

}  // namespace pelorin
