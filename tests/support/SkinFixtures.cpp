// Skins for tests.
#include "tests/support/SkinFixtures.h"

#include <algorithm>

#include "host/core/StringList.h"
#include "host/core/Streams.h"
#include "skinfile/Lzh.h"
#include "skinfile/SkinWriter.h"
#include "tools/skingen/SkinBuild.h"

namespace pelorin::testing {

TSkinFiles ThemeFiles(const skingen::TSkinTheme& theme) { return skingen::SkinFiles(skingen::BuildSkin(theme)); }

TBytes PackFiles(const TSkinFiles& files) {
  TSkinWriter writer;
  for (const auto& [name, data] : files) writer.AddFile(name, data);
  TMemoryStream s;
  writer.SaveToStream(s);
  return s.Bytes();
}

TBytes ContainerBytes(int32_t version, const std::string& list, const std::vector<int32_t>& sizes,
                      const std::string& data, std::optional<int32_t> listSize, int32_t unused) {
  TBytes c;
  auto put = [&c](int32_t v) {
    for (int i = 0; i < 4; ++i) c.push_back(uint8_t(uint32_t(v) >> (8 * i)));
  };
  for (int32_t v : {version, listSize.value_or(int32_t(list.size())), unused, unused}) put(v);
  c.insert(c.end(), list.begin(), list.end());
  for (int32_t s : sizes) put(s);
  c.insert(c.end(), data.begin(), data.end());
  return c;
}

TBytes PackedContainer(int32_t version, const std::string& list, const std::vector<int32_t>& sizes,
                       const std::string& data, std::optional<int32_t> listSize, int32_t unused) {
  const TBytes c = ContainerBytes(version, list, sizes, data, listSize, unused);
  return CompressBytes(c.data(), c.size());
}

TBytes ThemeArchive(const skingen::TSkinTheme& theme) { return skingen::PackSkin(skingen::BuildSkin(theme)); }

bool LoadArchive(TSkinModel& model, const TBytes& archive) {
  TMemoryStream s;
  s.WriteBuffer(archive.data(), int64_t(archive.size()));
  s.SetPosition(0);
  return model.LoadSkinArchive(s);
}

std::unique_ptr<TSkinData> MakeSkin(const TBytes& archive) {
  auto skin = std::make_unique<TSkinData>(nullptr);
  LoadArchive(*skin, archive);
  return skin;
}

std::unique_ptr<TSkinData> MakeSkin(const skingen::TSkinTheme& theme) { return MakeSkin(ThemeArchive(theme)); }

namespace {

std::vector<std::string> Lines(const TSkinFiles& f) {
  std::vector<std::string> lines(1);
  for (uint8_t c : f[0].second) {
    if (c == '\n') lines.emplace_back();
    else if (c != '\r') lines.back() += char(c);
  }
  return lines;
}

void SetLines(TSkinFiles& f, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  f[0].second.assign(text.begin(), text.end());
}

bool IsHeader(const std::string& line) { return !line.empty() && line[0] == '['; }

}  // namespace

void SetKey(TSkinFiles& f, const std::string& section, const std::string& key, std::optional<std::string> value) {
  std::vector<std::string> lines = Lines(f);
  const auto start = std::find_if(lines.begin(), lines.end(),
                                  [&](const std::string& l) { return SameTextAscii(l, "[" + section + "]"); });
  if (start == lines.end()) {
    if (value) lines.insert(lines.end(), {"[" + section + "]", key + "=" + *value});
    return SetLines(f, lines);
  }
  for (auto it = start + 1; it != lines.end() && !IsHeader(*it); ++it) {
    if (it->size() > key.size() && (*it)[key.size()] == '=' && SameTextAscii(it->substr(0, key.size()), key)) {
      if (value) *it = key + "=" + *value;
      else lines.erase(it);
      return SetLines(f, lines);
    }
  }
  if (value) lines.insert(start + 1, key + "=" + *value);
  SetLines(f, lines);
}

void SetKeys(TSkinFiles& f, const std::string& section, std::initializer_list<const char*> keys,
             const std::string& value) {
  for (const char* k : keys) SetKey(f, section, k, value);
}

void DropSection(TSkinFiles& f, const std::string& section) {
  std::vector<std::string> lines = Lines(f), kept;
  bool dropping = false;
  for (const std::string& l : lines) {
    if (IsHeader(l)) dropping = SameTextAscii(l, "[" + section + "]");
    if (!dropping) kept.push_back(l);
  }
  SetLines(f, kept);
}

TBytes& File(TSkinFiles& f, const std::string& name) {
  for (auto& [n, bytes] : f)
    if (n == name) return bytes;
  f.emplace_back(name, TBytes{});
  return f.back().second;
}

}  // namespace pelorin::testing
