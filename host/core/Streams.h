// Byte streams of the host framework: the abstract TStream with exact reads
// and writes, an in-memory stream and a file stream.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace pelorin {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Transfer up to count bytes; return how many moved.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(int64_t newSize) = 0;

  int64_t GetPosition() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
  virtual int64_t GetSize();
  int64_t Remaining() { return GetSize() - GetPosition(); }

  // Exact transfers: a short read raises EReadError, a short write EWriteError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source's position (count 0: all of source, from its start).
  int64_t CopyFrom(TStream& source, int64_t count);

  template <typename T> T ReadValue() { T v{}; ReadBuffer(&v, sizeof v); return v; }
  template <typename T> void WriteValue(const T& v) { WriteBuffer(&v, sizeof v); }
  int32_t ReadInt32LE();
  void WriteInt32LE(int32_t v);
};

class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  int64_t GetSize() override { return GetSizeConst(); }
  int64_t GetSizeConst() const { return static_cast<int64_t>(data_.size()); }

  void Clear() { data_.clear(); pos_ = 0; }
  const uint8_t* Memory() const { return data_.data(); }
  uint8_t* Memory() { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  void Assign(const void* bytes, size_t count);
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& dest) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

private:
  std::vector<uint8_t> data_;
  int64_t pos_ = 0;
};

// File open modes as the host framework spells them.
enum : unsigned {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFFFF,
};

class TFileStream : public TStream {
public:
  // Raises EFOpenError (or EFCreateError for fmCreate) when the file cannot be opened.
  TFileStream(const std::string& fileName, unsigned mode);
  ~TFileStream() override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  const std::string& FileName() const { return fileName_; }

private:
  std::string fileName_;
  std::filebuf file_;
};

}  // namespace pelorin
