// TSkinWriter: builds skin archives (the container of named files, compressed
// with the LZH codec) from files given by name and bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/Exceptions.h"
#include "host/core/Streams.h"

namespace pelorin {

class ESkinArchiveError : public Exception {
public:
  using Exception::Exception;
};

// A name an archive can hold and a folder can receive: not empty, not "." or
// "..", without line breaks, NUL, path separators or drive colons.
bool IsPlainSkinFileName(std::string_view name);

class TSkinWriter {
public:
  // Adds a file under its lower-cased name. Raises ESkinArchiveError for a name
  // that is not plain, a name already added (in any case), more files than an
  // archive can list, or an archive that would outgrow its 32-bit length.
  void AddFile(const std::string& name, const void* data, size_t size);
  void AddFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    AddFile(name, bytes.data(), bytes.size());
  }
  int Count() const { return static_cast<int>(entries_.size()); }

  // The uncompressed container: header, name list, size table, file data.
  std::vector<uint8_t> BuildContainer() const;
  // Writes the compressed archive at dest's position.
  void SaveToStream(TStream& dest) const;
  void SaveToFile(const std::string& fileName) const;

private:
  struct TEntry {
    std::string name;
    std::vector<uint8_t> data;
  };
  int64_t ContainerSize(size_t extraName, size_t extraData) const;
  std::vector<TEntry> entries_;
};

}  // namespace pelorin
