// Memory and file streams, and the string list's text assignment.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/core/Exceptions.h"
#include "host/core/Streams.h"
#include "host/core/StringList.h"
#include "tests/support/Files.h"

using namespace pelorin;
using pelorin::testing::TTempFile;

TEST(MemoryStream, ExactReadRaisesOnShortTransfer) {
  TMemoryStream m;
  const char data[] = "abc";
  m.WriteBuffer(data, 3);
  m.SetPosition(1);
  char buf[4] = {};
  EXPECT_THROW(m.ReadBuffer(buf, 3), EReadError);
  m.SetPosition(1);
  m.ReadBuffer(buf, 2);
  EXPECT_EQ(std::string(buf, 2), "bc");
}

TEST(StringList, TextAssignmentLineBreaks) {
  TStringList l;
  l.SetText(std::string_view("a\r\nb\rc\n\nd\r\n", 12));
  ASSERT_EQ(l.Count(), 5);
  EXPECT_EQ(l[3], "");
  EXPECT_EQ(l[4], "d");
  l.SetText(std::string_view("x\0y", 3));
  ASSERT_EQ(l.Count(), 1);
  EXPECT_THROW(l[1], EListError);
}

TEST(FileStream, OpenErrorsExactTransfersCopyAndSize) {
  const auto dir = std::filesystem::temp_directory_path();
  EXPECT_THROW(TFileStream((dir / "pelorin-missing" / "x").string(), fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream((dir / "pelorin-missing" / "x").string(), fmCreate), EFCreateError);
  const TTempFile file("pelorin-stream-test.bin");
  const std::string& path = file.path;
  TMemoryStream src;
  for (int i = 0; i < 100000; ++i) src.WriteValue<uint8_t>(uint8_t(i * 7));
  {
    TFileStream f(path, fmCreate);
    EXPECT_EQ(f.CopyFrom(src, 0), 100000);  // count 0: all of it, from the start
    f.SetSize(70000);
    EXPECT_EQ(f.GetPosition(), 70000);
  }
  {
    TFileStream f(path, fmOpenRead);
    uint8_t b = 1;
    EXPECT_THROW(f.WriteBuffer(&b, 1), EWriteError);
    TMemoryStream back;
    f.SetPosition(69990);
    EXPECT_THROW(back.CopyFrom(f, 11), EReadError);
    back.Clear();
    back.CopyFrom(f, 0);
    src.SetSize(70000);
    EXPECT_EQ(back.Bytes(), src.Bytes());
  }
}
