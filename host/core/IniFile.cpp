// INI reading with the rules of the Windows profile functions, and the
// framework's string-to-integer conversion.
#include "host/core/IniFile.h"

#include <cstdint>

#include "host/core/Exceptions.h"
#include "host/core/StringList.h"
#include "host/core/Streams.h"

namespace pelorin {

namespace {

// The profile functions trim with isspace: blank, tab and the line controls.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Names and values end at a NUL, which the profile functions treat as the end
// of the string; the line itself still ends only at CR or LF.
std::string_view CutAtNul(std::string_view s) { return s.substr(0, s.find('\0')); }

std::string LookupKey(std::string_view name) { return AnsiLowerAscii(Trim(name)); }

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName) {
  TMemoryStream bytes;
  try {
    bytes.LoadFromFile(fileName);
  } catch (const EStreamError&) {
    bytes.Clear();
  }
  Parse(std::string_view(reinterpret_cast<const char*>(bytes.Memory()), bytes.Bytes().size()));
}

TIniFile TIniFile::FromText(std::string_view text) {
  TIniFile ini;
  ini.Parse(text);
  return ini;
}

void TIniFile::Parse(std::string_view text) {
  sections_.assign(1, Section{});
  sectionIndex_.clear();
  headers_.clear();
  sectionIndex_.emplace("", 0);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  size_t current = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    ParseLine(text.substr(pos, end - pos), current);
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

void TIniFile::ParseLine(std::string_view line, size_t& current) {
  line = Trim(line);
  // Comments are dropped. (Wine keeps them as keys that only an exact lookup
  // of ";..." finds; nothing asks for those.)
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[') {
    // The name ends at the last ']' of the line; a line without one is ignored.
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos) return;
    const std::string_view name = CutAtNul(Trim(line.substr(1, close - 1)));
    headers_.emplace_back(name);
    const auto [it, added] = sectionIndex_.try_emplace(AnsiLowerAscii(name), sections_.size());
    if (added) {
      sections_.emplace_back();
      current = it->second;
    } else {
      current = std::string_view::npos;
    }
    return;
  }
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos || current == std::string_view::npos) return;
  Section& section = sections_[current];
  const std::string_view key = CutAtNul(Trim(line.substr(0, eq)));
  std::string_view value = Unquote(CutAtNul(Trim(line.substr(eq + 1))));
  // Quotes go before the cut, so a quoted value keeps all of its 2047 characters
  // (Wine loses the last one when the quoted text is exactly that long).
  if (value.size() > MaxValueLength) value = value.substr(0, MaxValueLength);
  section.firstKey.try_emplace(AnsiLowerAscii(key), section.entries.size());
  section.entries.push_back(Entry{std::string(key), std::string(value)});
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
  const auto it = sectionIndex_.find(LookupKey(name));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const TIniFile::Entry* TIniFile::FindEntry(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  const auto it = s->firstKey.find(LookupKey(key));
  return it == s->firstKey.end() ? nullptr : &s->entries[it->second];
}

void TIniFile::ReadSections(TStringList& strings) const {
  strings.Clear();
  for (const std::string& name : headers_)
    if (!name.empty()) strings.Add(name);
}

void TIniFile::ReadSection(const std::string& section, TStringList& strings) const {
  strings.Clear();
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries) strings.Add(e.key);
}

bool TIniFile::SectionExists(const std::string& section) const {
  const Section* s = FindSection(section);
  return s && (s != &sections_[0] || !s->entries.empty());
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return FindEntry(section, key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  const Entry* e = FindEntry(section, key);
  return e ? e->value : def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const Entry* e = FindEntry(section, key);
  int value = def;
  return e && TryStrToInt(e->value, value) ? value : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TryStrToInt(std::string_view text, int& value) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return false;
  const uint64_t limit = hex ? 0xFFFFFFFFu : negative ? 2147483648u : 2147483647u;
  uint64_t acc = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = unsigned(c - '0');
    else if (hex && c >= 'a' && c <= 'f')
      digit = unsigned(c - 'a' + 10);
    else if (hex && c >= 'A' && c <= 'F')
      digit = unsigned(c - 'A' + 10);
    else
      return false;
    acc = acc * (hex ? 16 : 10) + digit;
    if (acc > limit) return false;
  }
  // Two's complement in 32 bits: hex words wrap, and -2147483648 fits.
  const uint32_t bits = negative ? uint32_t(0u - uint32_t(acc)) : uint32_t(acc);
  value = static_cast<int32_t>(bits);
  return true;
}

}  // namespace pelorin
