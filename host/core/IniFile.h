// TIniFile: read access to INI text with the semantics of the Windows profile
// functions (GetPrivateProfileStringA), portable and usable on text in memory.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelorin {

class TStringList;

class TIniFile {
public:
  // Room the profile functions give one value (characters, without the NUL).
  static constexpr size_t MaxValueLength = 2047;

  // Reads the file at once; a missing or unreadable file acts as an empty one,
  // as the profile functions do. A relative name is relative to the current
  // folder (not the Windows folder).
  explicit TIniFile(const std::string& fileName);
  // Parses INI text held in memory, exactly as the same bytes in a file.
  // Lines end at CR, LF or CR LF; a NUL ends the name or value it is in (the
  // rest of its line still counts for finding ']' and '='); a leading UTF-8
  // byte order mark is skipped.
  static TIniFile FromText(std::string_view text);

  const std::string& FileName() const { return fileName_; }

  // Every section header's name in file order, repeated names included, as
  // the profile functions list them; empty names are left out. Clears strings first.
  void ReadSections(TStringList& strings) const;
  // Key names of the first section of that name in file order, repeated and
  // empty names included, as the profile functions list them. Clears strings first.
  void ReadSection(const std::string& section, TStringList& strings) const;
  // True when a header of that name appears (or, for "", a key stands before the first header).
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

  // Value of the first matching key in the first section of that name
  // (sections and keys match ASCII case-insensitively, the names given here
  // trimmed), trimmed, a matching pair of surrounding quotes removed, at most
  // MaxValueLength characters; default when the key is missing. Keys before
  // the first section header belong to the section "".
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // The whole value as TryStrToInt reads it; default on a missing or bad value.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

private:
  TIniFile() = default;
  void Parse(std::string_view text);

  // current: sections_ index that takes keys, npos inside a repeated section.
  void ParseLine(std::string_view line, size_t& current);

  struct Entry {
    std::string key;
    std::string value;
  };
  // Only the first section of each name is kept: the profile functions never
  // look into a later one.
  struct Section {
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> firstKey;  // lower-case key -> entry index
  };
  const Section* FindSection(const std::string& name) const;
  const Entry* FindEntry(const std::string& section, const std::string& key) const;

  std::string fileName_;
  std::vector<std::string> headers_;  // every header's name, in file order
  std::vector<Section> sections_;     // [0] is the unnamed part before the first header
  std::unordered_map<std::string, size_t> sectionIndex_;  // lower-case name -> sections_ index
};

// String to integer with the framework's rules: leading blanks, an optional
// sign, then decimal digits (range of int), or hex digits after "0x", "0X" or
// "$" (up to 8 digits, taken as 32 bits: "0xFFFFFFFF" is -1). Anything else,
// trailing blanks included, makes it false and leaves value unchanged.
bool TryStrToInt(std::string_view text, int& value);

}  // namespace pelorin
