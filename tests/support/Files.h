// Files for tests: whole-file reads and writes, and a file in the temporary
// folder that is removed again however the test ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin::testing {

inline std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Writes bytes, or text as given (no line-end conversion).
inline void WriteFileBytes(const std::filesystem::path& path, std::string_view content) {
  std::ofstream(path, std::ios::binary).write(content.data(), std::streamsize(content.size()));
}
inline void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& content) {
  WriteFileBytes(path, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
}

// A file of the given name in the temporary folder, written when content is
// given, and removed with this object.
struct TTempFile {
  explicit TTempFile(const std::string& name) : path((std::filesystem::temp_directory_path() / name).string()) {}
  TTempFile(const std::string& name, std::string_view content) : TTempFile(name) { WriteFileBytes(path, content); }
  TTempFile(const std::string& name, const std::vector<uint8_t>& content) : TTempFile(name) {
    WriteFileBytes(path, content);
  }
  ~TTempFile() { std::filesystem::remove(path); }
  std::string path;
};

}  // namespace pelorin::testing
