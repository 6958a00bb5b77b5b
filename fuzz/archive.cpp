// Fuzzes the skin archive reader. The first byte chooses what the rest is: a
// compressed archive as found on disk, or a plain container that is compressed
// first so that the fuzzer works on the container's fields directly.
#include <string>

#include "host/core/MessageBox.h"
#include "skinfile/Lzh.h"
#include "skinfile/SkinReader.h"

using namespace pelorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TMessageBoxFunc silence = [](const std::string&, const std::string&, int) { return idOK; };
  SetMessageBoxFunc(silence);
  if (size == 0) return 0;
  TMemoryStream source;
  if (data[0] & 1) {
    const std::vector<uint8_t> packed = CompressBytes(data + 1, size - 1);
    source.Assign(packed.data(), packed.size());
  } else {
    source.Assign(data + 1, size - 1);
  }
  TSkinReader reader;
  try {
    if (!reader.ReadFromStream(source)) return 0;
  } catch (const Exception&) {
    return 0;  // codec and stream errors
  }
  int64_t total = 0;
  TMemoryStream file;
  for (int i = 0; i < reader.Count; ++i) {
    reader.ExtractFile(reader.Names[i], file);
    reader.ExtractAt(i, file);
    total += file.GetSize();
  }
  if (total > reader.Data.GetSize()) __builtin_trap();
  std::string name;
  reader.ExtractFirstMatch(".ini", file, name);
  reader.ExtractFile("missing.bmp", file);
  return 0;
}
