#include <gtest/gtest.h>

#include "host/core/Exceptions.h"
#include "host/core/Streams.h"
#include "host/core/StringList.h"

using namespace pelorin;

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
