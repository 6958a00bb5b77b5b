// Stream implementations; exact transfers raise the framework's stream errors.
#include "host/core/Streams.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>

#include "host/core/Exceptions.h"

namespace pelorin {

int64_t TStream::GetSize() {
  const int64_t pos = Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.GetSize();
  }
  const int64_t total = count;
  uint8_t chunk[61440];
  while (count > 0) {
    const int64_t n = std::min<int64_t>(count, sizeof chunk);
    source.ReadBuffer(chunk, n);
    WriteBuffer(chunk, n);
    count -= n;
  }
  return total;
}

int32_t TStream::ReadInt32LE() {
  uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

void TStream::WriteInt32LE(int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  WriteBuffer(b, 4);
}

// --- TMemoryStream

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t size = GetSize();
  if (count <= 0 || pos_ >= size) return 0;
  const int64_t n = std::min(count, size - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = pos_ + count;
  if (end > GetSize()) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = pos_;
  if (origin == TSeekOrigin::soEnd) base = GetSize();
  // A position past the end is allowed (a later write fills the gap with zeros);
  // a negative one is clamped to the start.
  pos_ = std::max<int64_t>(0, base + offset);
  return pos_;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) newSize = 0;
  data_.resize(static_cast<size_t>(newSize));
  pos_ = std::min(pos_, newSize);
}

void TMemoryStream::Assign(const void* bytes, size_t count) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  data_.assign(p, p + count);
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const int64_t size = source.GetSize();
  data_.resize(static_cast<size_t>(size));
  pos_ = 0;
  source.ReadBuffer(data_.data(), size);
}

void TMemoryStream::SaveToStream(TStream& dest) const {
  dest.WriteBuffer(data_.data(), GetSizeConst());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream f(fileName, fmOpenRead | fmShareDenyNone);
  LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream f(fileName, fmCreate);
  SaveToStream(f);
}

// --- TFileStream

namespace {
std::filesystem::path PathFromUtf8(const std::string& name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}
}  // namespace

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : fileName_(fileName) {
  const auto path = PathFromUtf8(fileName);
  if (mode == fmCreate) {
    if (!file_.open(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc))
      throw EFCreateError("Cannot create file \"" + fileName + "\"");
    return;
  }
  std::ios::openmode om = std::ios::binary;
  switch (mode & 3) {
    case fmOpenWrite: om |= std::ios::out | std::ios::in; break;
    case fmOpenReadWrite: om |= std::ios::in | std::ios::out; break;
    default: om |= std::ios::in; break;
  }
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec) || !file_.open(path, om))
    throw EFOpenError("Cannot open file \"" + fileName + "\"");
}

TFileStream::~TFileStream() { file_.close(); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  return file_.sgetn(static_cast<char*>(buffer), count);
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  return file_.sputn(static_cast<const char*>(buffer), count);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const std::ios::seekdir dir = origin == TSeekOrigin::soBeginning ? std::ios::beg
                                : origin == TSeekOrigin::soCurrent ? std::ios::cur
                                                                   : std::ios::end;
  const auto pos = file_.pubseekoff(offset, dir, std::ios::in | std::ios::out);
  return pos == std::streampos(-1) ? -1 : static_cast<int64_t>(pos);
}

void TFileStream::SetSize(int64_t newSize) {
  const int64_t pos = GetPosition();
  file_.pubsync();
  std::error_code ec;
  std::filesystem::resize_file(PathFromUtf8(fileName_), static_cast<uintmax_t>(std::max<int64_t>(0, newSize)), ec);
  if (ec) throw EWriteError(SWriteError);
  SetPosition(std::min(pos, newSize));
}

}  // namespace pelorin
