// Building of skin archives: version 20000, lower-case names each followed by
// CR LF, zero reserved words, sizes, then the files' bytes.
#include "skinfile/SkinWriter.h"

#include <limits>

#include "host/core/StringList.h"
#include "skinfile/Lzh.h"
#include "skinfile/SkinReader.h"

namespace pelorin {

bool IsPlainSkinFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string_view("\r\n\0/\\:", 6)) == std::string_view::npos;
}

int64_t TSkinWriter::ContainerSize(size_t extraName, size_t extraData) const {
  int64_t size = 16 + int64_t(extraName) + int64_t(extraData);
  if (extraName > 0) size += 6;  // CR LF and a size word
  for (const TEntry& e : entries_) size += int64_t(e.name.size()) + 6 + int64_t(e.data.size());
  return size;
}

void TSkinWriter::AddFile(const std::string& name, const void* data, size_t size) {
  if (!IsPlainSkinFileName(name)) throw ESkinArchiveError("Invalid file name in skin archive: \"" + name + "\"");
  std::string lower = AnsiLowerAscii(name);
  for (const TEntry& e : entries_) {
    if (e.name == lower) throw ESkinArchiveError("Duplicate file name in skin archive: \"" + lower + "\"");
  }
  if (Count() >= SkinArchiveMaxFiles) throw ESkinArchiveError("Too many files for one skin archive");
  if (size > size_t(std::numeric_limits<int32_t>::max()) ||
      ContainerSize(lower.size(), size) > std::numeric_limits<int32_t>::max())
    throw ESkinArchiveError("Skin archive too large");
  const auto* p = static_cast<const uint8_t*>(data);
  entries_.push_back({std::move(lower), std::vector<uint8_t>(p, p + size)});
}

std::vector<uint8_t> TSkinWriter::BuildContainer() const {
  std::string list;
  for (const TEntry& e : entries_) list += e.name + "\r\n";
  TMemoryStream m;
  m.WriteInt32LE(SkinArchiveVersion);
  m.WriteInt32LE(static_cast<int32_t>(list.size()));
  m.WriteInt32LE(0);
  m.WriteInt32LE(0);
  m.WriteBuffer(list.data(), static_cast<int64_t>(list.size()));
  for (const TEntry& e : entries_) m.WriteInt32LE(static_cast<int32_t>(e.data.size()));
  for (const TEntry& e : entries_) m.WriteBuffer(e.data.data(), static_cast<int64_t>(e.data.size()));
  return m.Bytes();
}

void TSkinWriter::SaveToStream(TStream& dest) const {
  const std::vector<uint8_t> container = BuildContainer();
  const std::vector<uint8_t> packed = CompressBytes(container.data(), container.size());
  dest.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
}

void TSkinWriter::SaveToFile(const std::string& fileName) const {
  TFileStream f(fileName, fmCreate);
  SaveToStream(f);
}

}  // namespace pelorin
