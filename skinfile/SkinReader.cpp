// Loading of skin archives and lookup of their files by name.
#include "skinfile/SkinReader.h"

#include <algorithm>

#include "host/core/MessageBox.h"
#include "skinfile/Lzh.h"

namespace pelorin {

namespace {
constexpr int64_t kHeaderSize = 16;

int32_t Int32At(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}
}  // namespace

bool TSkinReader::ReadFromStream(TStream& source) {
  TMemoryStream m;
  DecompressStream(source, m);
  return ReadContainer(m);
}

bool TSkinReader::ReadContainer(TMemoryStream& m) {
  m.SetPosition(0);
  for (int32_t& word : Header) word = m.ReadInt32LE();
  if (Header[0] != SkinArchiveVersion) {
    ShowMessageBox(SOlderSkinFile);
    return false;
  }

  // Everything is checked before anything is kept, so a refused archive
  // leaves the reader as it was.
  const int64_t total = m.GetSize();
  const uint8_t* bytes = m.Memory();
  const int64_t listSize = Header[1];
  if (listSize < 0 || listSize > total - kHeaderSize) return false;
  TStringList names;
  names.SetText(AnsiLowerAscii(std::string_view(reinterpret_cast<const char*>(bytes) + kHeaderSize,
                                                static_cast<size_t>(listSize))));
  const int count = names.Count();
  if (count > SkinArchiveMaxFiles) return false;
  const int64_t dataStart = kHeaderSize + listSize + 4 * int64_t(count);
  if (dataStart > total) return false;
  decltype(Sizes) sizes{};
  int64_t sum = 0;
  for (int i = 0; i < count; ++i) {
    sizes[i] = Int32At(bytes + kHeaderSize + listSize + 4 * i);
    if (sizes[i] < 0) return false;
    sum += sizes[i];
  }
  if (sum > total - dataStart) return false;

  Names = std::move(names);
  Count = count;
  Sizes = sizes;
  Data.Clear();
  Data.WriteBuffer(bytes + dataStart, total - dataStart);
  return true;
}

void TSkinReader::CopyEntry(int index, TMemoryStream& dest) {
  // The public members may have been changed since the load: stay inside them.
  const int limit = std::min({Count, Names.Count(), SkinArchiveMaxFiles});
  if (index < 0 || index >= limit) return;
  int64_t offset = 0;
  for (int i = 0; i < index; ++i) offset += Sizes[i];
  const int64_t size = Sizes[index];
  if (offset < 0 || size <= 0 || offset + size > Data.GetSize()) return;
  dest.WriteBuffer(Data.Memory() + offset, size);
  dest.SetPosition(0);
}

void TSkinReader::ExtractAt(int index, TMemoryStream& dest) {
  dest.Clear();
  CopyEntry(index, dest);
}

void TSkinReader::ExtractFile(const std::string& fileName, TMemoryStream& dest) {
  dest.Clear();
  const std::string key = AnsiLowerAscii(fileName);
  const int limit = std::min({Count, Names.Count(), SkinArchiveMaxFiles});
  for (int i = 0; i < limit; ++i) {
    if (AnsiLowerAscii(Names[i]) == key) {
      CopyEntry(i, dest);
      return;
    }
  }
}

void TSkinReader::ExtractFirstMatch(const std::string& part, TMemoryStream& dest, std::string& fileName) {
  dest.Clear();
  const int limit = std::min({Count, Names.Count(), SkinArchiveMaxFiles});
  for (int i = 0; i < limit; ++i) {
    if (AnsiLowerAscii(Names[i]).find(part) != std::string::npos) {
      CopyEntry(i, dest);
      fileName = Names[i];
      return;
    }
  }
}

}  // namespace pelorin
