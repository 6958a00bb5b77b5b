#include "pelorin/SkinLoading.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "host/core/MessageBox.h"
#include "host/core/Streams.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

namespace {
// Window style bits (the Windows values; this file has no Windows header).
constexpr std::uint32_t kVisible = 0x10000000, kChild = 0x40000000, kCaption = 0x00C00000;

TSkinError Fail(TSkinErrorCode code, const std::string& source, std::string reason) {
  return {code, source, std::move(reason)};
}
}  // namespace

std::string TSkinError::Text() const { return Source.empty() ? Reason : Source + ": " + Reason; }

TSkinError ReadSkinFile(const std::string& utf8Path, TSkinBytes& bytes) {
  bytes.clear();
  if (utf8Path.empty()) return Fail(TSkinErrorCode::FileNotFound, utf8Path, "no file name given");
  const std::filesystem::path path(std::u8string(utf8Path.begin(), utf8Path.end()));
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status))
    return Fail(TSkinErrorCode::FileNotFound, utf8Path, "the file does not exist");
  if (!std::filesystem::is_regular_file(status))
    return Fail(TSkinErrorCode::FileUnreadable, utf8Path, "not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(TSkinErrorCode::FileUnreadable, utf8Path, "the file cannot be opened");
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Fail(TSkinErrorCode::FileUnreadable, utf8Path, "the file cannot be read");
  if (bytes.empty()) return Fail(TSkinErrorCode::NoData, utf8Path, "the file is empty");
  return {};
}

TSkinError CheckSkinBytes(const TSkinBytes& bytes, const std::string& source) {
  if (bytes.empty()) return Fail(TSkinErrorCode::NoData, source, "no skin bytes");
  std::string shown;
  const TMessageBoxFunc saved = SetMessageBoxFunc([&shown](const std::string& text, const std::string&, int) {
    shown = text;
    return idOK;
  });
  struct TRestore {
    const TMessageBoxFunc& func;
    ~TRestore() { SetMessageBoxFunc(func); }
  } restore{saved};
  TMemoryStream stream;
  stream.Assign(bytes.data(), bytes.size());
  try {
    TSkinModel probe;
    if (!probe.LoadSkinArchive(stream)) {
      for (char& c : shown)
        if (c == '\r' || c == '\n') c = ' ';
      return Fail(TSkinErrorCode::Refused, source,
                  "not a skin archive this version reads" + (shown.empty() ? std::string() : " (" + shown + ")"));
    }
    if (probe.Empty) return Fail(TSkinErrorCode::Damaged, source, "the skin description is incomplete");
  } catch (const std::exception& e) {
    return Fail(TSkinErrorCode::Damaged, source, std::string("damaged skin: ") + e.what());
  }
  return {};
}

bool TakenAtStart(std::string_view className, std::uint32_t style) {
  if ((style & kVisible) == 0 || (style & kChild) != 0) return false;
  return (style & kCaption) == kCaption || className == "#32770";
}

}  // namespace pelorin
