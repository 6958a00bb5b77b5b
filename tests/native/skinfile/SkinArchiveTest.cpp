// Skin archives: the writer's layout, the reader's lookups and its refusal of
// archives whose version or numbers are wrong.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skinfile/Lzh.h"
#include "skinfile/SkinReader.h"
#include "skinfile/SkinWriter.h"
#include "tests/support/SkinFixtures.h"

using namespace pelorin;
using namespace pelorin::testing;
using Bytes = std::vector<uint8_t>;

namespace {

// A compressed container in a stream; the unused words are not zero.
std::unique_ptr<TMemoryStream> Archive(int32_t version, const std::string& list, const std::vector<int32_t>& sizes,
                                       const std::string& data, std::optional<int32_t> listSize = {}) {
  const Bytes packed = PackedContainer(version, list, sizes, data, listSize, 0x1234);
  auto m = std::make_unique<TMemoryStream>();
  m->Assign(packed.data(), packed.size());
  return m;
}

std::string Str(const TMemoryStream& m) { return std::string(m.Bytes().begin(), m.Bytes().end()); }

}  // namespace

TEST(SkinArchive, WriterLayoutAndReaderLookups) {
  TSkinWriter w;
  w.AddFile("Skin Description.INI", std::string("[Form]\r\n").data(), 8);
  w.AddFile("Title.bmp", "BMtitle", 7);
  w.AddFile("bigtitle.bmp", "BMbig", 5);
  w.AddFile("empty.bmp", "", 0);
  EXPECT_THROW(w.AddFile("TITLE.BMP", "x", 1), ESkinArchiveError);

  const Bytes container = w.BuildContainer();
  EXPECT_EQ(container, ContainerBytes(20000, "skin description.ini\r\ntitle.bmp\r\nbigtitle.bmp\r\nempty.bmp\r\n",
                                     {8, 7, 5, 0}, "[Form]\r\nBMtitleBMbig"));

  TMemoryStream skn;
  w.SaveToStream(skn);
  skn.SetPosition(5);  // reading starts at the first byte regardless
  TSkinReader r;
  ASSERT_TRUE(r.ReadFromStream(skn));
  EXPECT_EQ(r.Count, 4);
  EXPECT_EQ(r.Header[0], 20000);
  EXPECT_EQ(r.Names[1], "title.bmp");

  TMemoryStream dest;
  r.ExtractFile("TiTlE.BMP", dest);
  EXPECT_EQ(Str(dest), "BMtitle");
  EXPECT_EQ(dest.GetPosition(), 0);
  // The exact lookup finds only the exact name; the substring lookup takes
  // the first name containing it.
  r.ExtractFile("itle.bmp", dest);
  EXPECT_EQ(dest.GetSize(), 0);
  std::string name = "unchanged";
  r.ExtractFirstMatch("title.bmp", dest, name);
  EXPECT_EQ(Str(dest), "BMtitle");
  EXPECT_EQ(name, "title.bmp");
  r.ExtractFirstMatch(".ini", dest, name);
  EXPECT_EQ(Str(dest), "[Form]\r\n");
  EXPECT_EQ(name, "skin description.ini");
  // The part is matched case-sensitively against lower-cased names.
  name = "unchanged";
  r.ExtractFirstMatch(".INI", dest, name);
  EXPECT_EQ(dest.GetSize(), 0);
  EXPECT_EQ(name, "unchanged");
  // An empty file reads like a missing one, and a later file is unaffected.
  dest.Assign("junk", 4);
  r.ExtractFile("empty.bmp", dest);
  EXPECT_EQ(dest.GetSize(), 0);
  r.ExtractFile("bigtitle.bmp", dest);
  EXPECT_EQ(Str(dest), "BMbig");
}

TEST(SkinArchive, NameListRules) {
  TSkinReader r;
  // Line breaks of any kind; an empty line in the middle is an empty name; a
  // trailing break adds none; list text is lower-cased.
  auto a = Archive(20000, "A.bmp\n\r\nB.BMP\rc.ini\r\n", {1, 0, 2, 3}, "abbccc");
  ASSERT_TRUE(r.ReadFromStream(*a));
  ASSERT_EQ(r.Count, 4);
  EXPECT_EQ(r.Names[0], "a.bmp");
  EXPECT_EQ(r.Names[1], "");
  EXPECT_EQ(r.Names[2], "b.bmp");
  TMemoryStream dest;
  r.ExtractFile("C.INI", dest);
  EXPECT_EQ(Str(dest), "ccc");

  // A NUL ends the list; the size table still follows the whole list.
  TSkinReader z;
  auto nul = Archive(20000, std::string("x.bmp\r\n\0junk\r\n", 13), {2}, "xx");
  ASSERT_TRUE(z.ReadFromStream(*nul));
  EXPECT_EQ(z.Count, 1);
  z.ExtractFile("x.bmp", dest);
  EXPECT_EQ(Str(dest), "xx");

  // No files at all is a valid archive.
  TSkinReader e;
  auto empty = Archive(20000, "", {}, "");
  ASSERT_TRUE(e.ReadFromStream(*empty));
  EXPECT_EQ(e.Count, 0);
  e.ExtractFile("", dest);
  EXPECT_EQ(dest.GetSize(), 0);
}

TEST(SkinArchive, RefusesWrongVersionWithMessage) {
  TMessageLog log;
  TSkinReader r;
  auto good = Archive(20000, "a.bmp\r\n", {3}, "abc");
  ASSERT_TRUE(r.ReadFromStream(*good));
  for (int32_t version : {19000, 20001, 0, -20000}) {
    auto old = Archive(version, "b.bmp\r\nc.bmp\r\n", {1, 1}, "bc");
    EXPECT_FALSE(r.ReadFromStream(*old));
  }
  ASSERT_EQ(log.texts.size(), 4u);
  EXPECT_EQ(log.texts[0], "This is Older Skin File\rPlease update to new version !");
  // The earlier archive is still loaded.
  EXPECT_EQ(r.Count, 1);
  TMemoryStream dest;
  r.ExtractFile("a.bmp", dest);
  EXPECT_EQ(Str(dest), "abc");
}

TEST(SkinArchive, RefusesArchivesWhoseNumbersDoNotFit) {
  TMessageLog log;
  std::string many;
  for (int i = 0; i < 1002; ++i) many += "f" + std::to_string(i) + "\r\n";
  struct Case {
    const char* what;
    std::unique_ptr<TMemoryStream> stream;
  };
  Case cases[] = {
      {"list larger than the data", Archive(20000, "a.bmp\r\n", {1}, "a", 1000)},
      {"negative list size", Archive(20000, "a.bmp\r\n", {1}, "a", -5)},
      {"size table cut short", Archive(20000, "a.bmp\r\nb.bmp\r\n", {}, "")},
      {"negative size", Archive(20000, "a.bmp\r\nb.bmp\r\n", {-1, 2}, "ab")},
      {"sizes beyond the data", Archive(20000, "a.bmp\r\nb.bmp\r\n", {1, 5}, "abcd")},
      {"huge sizes that wrap", Archive(20000, "a.bmp\r\nb.bmp\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "ab")},
      {"more than 1001 names", Archive(20000, many, std::vector<int32_t>(1002, 0), "")},
  };
  for (Case& c : cases) {
    TSkinReader r;
    EXPECT_FALSE(r.ReadFromStream(*c.stream)) << c.what;
    EXPECT_EQ(r.Count, 0) << c.what;
    EXPECT_EQ(r.Data.GetSize(), 0) << c.what;
  }
  EXPECT_TRUE(log.texts.empty());
  // Exactly 1001 names is the limit that is still accepted.
  std::string most;
  for (int i = 0; i < 1001; ++i) most += "f" + std::to_string(i) + "\r\n";
  auto limit = Archive(20000, most, std::vector<int32_t>(1001, 0), "");
  TSkinReader r;
  EXPECT_TRUE(r.ReadFromStream(*limit));
  EXPECT_EQ(r.Count, 1001);
  // A container too short for its header is a stream error, as is a damaged codec stream.
  const Bytes tiny = {'a', 'b'};
  const Bytes packed = CompressBytes(tiny.data(), tiny.size());
  TMemoryStream t;
  t.Assign(packed.data(), packed.size());
  EXPECT_THROW(r.ReadFromStream(t), EReadError);
  t.Assign("ab", 2);
  EXPECT_THROW(r.ReadFromStream(t), ElzhException);
}

TEST(SkinArchive, WriterRefusesNamesItCannotStore) {
  TSkinWriter w;
  for (const char* bad : {"", ".", "..", "a\r\nb", "dir/a.bmp", "dir\\a.bmp", "c:a.bmp"})
    EXPECT_THROW(w.AddFile(bad, "x", 1), ESkinArchiveError) << bad;
  EXPECT_THROW(w.AddFile(std::string("a\0b", 3), "x", 1), ESkinArchiveError);
  for (int i = 0; i < SkinArchiveMaxFiles; ++i) w.AddFile("f" + std::to_string(i), "", 0);
  EXPECT_THROW(w.AddFile("one more", "", 0), ESkinArchiveError);
  EXPECT_EQ(w.Count(), SkinArchiveMaxFiles);
}
