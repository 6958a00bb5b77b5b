// INI reading with the profile functions' rules, and TryStrToInt.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/core/IniFile.h"
#include "host/core/StringList.h"
#include "tests/support/Files.h"

using namespace pelorin;
using pelorin::testing::TTempFile;

TEST(IniFile, LookupTrimmingQuotesAndRepeats) {
  const auto ini = TIniFile::FromText(
      "top = before any header\n"
      "[ Personality ] trailing text\n"
      "  LeftFrame  =\t 3 \n"
      "leftframe=4\n"
      "; Hidden=1\n"
      "Quoted=\"  in quotes  \"\n"
      "Mixed=\"x'\n"
      "NoEquals\n"
      "Expr = a=b\n"
      " = no name\n"
      "[Colours]\n"
      "[open\n"
      "Menu=1 2 3\n"
      "[personality]\n"
      "Extra=lost\n"
      "[x]y]\n");
  EXPECT_EQ(ini.ReadString("PERSONALITY", " leftFRAME ", "d"), "3");
  EXPECT_EQ(ini.ReadString("Personality", "Quoted", "d"), "  in quotes  ");
  EXPECT_EQ(ini.ReadString("Personality", "Mixed", "d"), "\"x'");
  EXPECT_EQ(ini.ReadString("Personality", "Expr", "d"), "a=b");
  EXPECT_EQ(ini.ReadString("Personality", "", "d"), "no name");
  EXPECT_EQ(ini.ReadString("Personality", "NoEquals", "d"), "d");
  EXPECT_EQ(ini.ReadString("Personality", "; Hidden", "d"), "d");
  EXPECT_EQ(ini.ReadString("Personality", "Extra", "d"), "d");  // a repeated section is never read
  EXPECT_EQ(ini.ReadString("Colours", "Menu", "d"), "1 2 3");    // the unclosed header is ignored
  EXPECT_EQ(ini.ReadString("", "top", "d"), "before any header");
  EXPECT_TRUE(ini.SectionExists("x]y"));  // the name ends at the last ']'
  EXPECT_FALSE(ini.SectionExists("open"));
  EXPECT_FALSE(ini.ValueExists("personality", "NoEquals"));
  TStringList l;
  ini.ReadSections(l);
  EXPECT_EQ(l.GetText(), "Personality\r\nColours\r\npersonality\r\nx]y\r\n");
  ini.ReadSection("PERSONALITY", l);
  EXPECT_EQ(l.GetText(), "LeftFrame\r\nleftframe\r\nQuoted\r\nMixed\r\nExpr\r\n\r\n");
}

TEST(IniFile, LineEndsNulLongValuesFilesAndHugeInput) {
  const char raw[] = "\xEF\xBB\xBF[A]\rcr=1\r[B]\nlf=2\n[C]\r\ncrlf=3\r\nnul=a\0b\nafter=4\n[D\0x]\nk\0y=\"v \0\"\n";
  const auto ini = TIniFile::FromText(std::string_view(raw, sizeof raw - 1));
  EXPECT_EQ(ini.ReadString("a", "cr", "") + ini.ReadString("b", "lf", "") + ini.ReadString("c", "crlf", ""), "123");
  EXPECT_EQ(ini.ReadString("c", "nul", ""), "a");  // a NUL ends the value, not the text
  EXPECT_EQ(ini.ReadString("c", "after", ""), "4");
  EXPECT_EQ(ini.ReadString("d", "k", ""), "\"v ");  // ... after trimming, before quotes go

  const std::string v(2047, 'v');
  const auto lng = TIniFile::FromText("[L]\nexact=" + v + "\nover=" + v + "xyz\nquoted=\"" + v + "\"\n");
  EXPECT_EQ(lng.ReadString("L", "exact", ""), v);
  EXPECT_EQ(lng.ReadString("L", "over", ""), v);
  EXPECT_EQ(lng.ReadString("L", "quoted", ""), v);

  const auto dir = std::filesystem::temp_directory_path();
  EXPECT_EQ(TIniFile((dir / "pelorin-no-such-file.ini").string()).ReadInteger("A", "x", 42), 42);
  EXPECT_EQ(TIniFile(dir.string()).ReadString("A", "x", "dir"), "dir");  // a folder reads as empty
  const TTempFile file("pelorin-ini-test.ini", "[Skin]\r\nFrame=0x10\r\n");
  EXPECT_EQ(TIniFile(file.path).ReadInteger("skin", "frame", 0), 16);

  // Many sections and keys and one very long line: quadratic parsing would time out.
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "[S" + std::to_string(i % 1000) + "]\nk" + std::to_string(i) + "=v\n";
  text += "[Long]\nkey=" + std::string(8 << 20, 'x') + "\n";
  const auto huge = TIniFile::FromText(text);
  EXPECT_EQ(huge.ReadString("s999", "K999", ""), "v");
  EXPECT_EQ(huge.ReadString("long", "key", "").size(), TIniFile::MaxValueLength);
}

TEST(IniFile, IntegersAndTryStrToInt) {
  const auto ini = TIniFile::FromText("[N]\nhex= 0XfF \nbad=12abc\nquoted=\"-7\"\nbig=2147483648\nzero=0\n");
  EXPECT_EQ(ini.ReadInteger("n", "hex", 0) + ini.ReadInteger("n", "quoted", 0), 248);
  EXPECT_EQ(ini.ReadInteger("n", "bad", 5) + ini.ReadInteger("n", "big", 5), 10);
  EXPECT_FALSE(ini.ReadBool("n", "zero", true));

  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"+17", true, 17},         {"  -5", true, -5},          {"-2147483648", true, INT32_MIN},
      {"-2147483649", false, 0}, {"$ff", true, 255},          {"-$10", true, -16},
      {"0xFFFFFFFF", true, -1},  {"0x100000000", false, 0},   {"", false, 0},
      {"0x", false, 0},          {"5 ", false, 0},            {"0x1g", false, 0},
  };
  for (const auto& c : cases) {
    int v = 1234;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    EXPECT_EQ(v, c.ok ? c.value : 1234) << c.text;
  }
}
