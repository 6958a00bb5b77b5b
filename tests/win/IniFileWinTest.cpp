// TIniFile against the real profile functions: the same files read both ways
// must give the same values, section lists and key lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/IniFile.h"
#include "host/core/StringList.h"
#include "tests/support/Files.h"

using namespace pelorin;
using pelorin::testing::TTempFile;

namespace {

// A value of the profile functions, or their double-NUL list as lines.
std::string Platform(const char* section, const char* key, const std::string& path) {
  std::vector<char> buf(1 << 16);
  const DWORD size = key ? 2048 : DWORD(buf.size());
  const DWORD n = GetPrivateProfileStringA(section, key, key ? "<default>" : "", buf.data(), size, path.c_str());
  if (key) return std::string(buf.data(), n);
  std::string out;
  for (DWORD i = 0; i < n; ++i) out += buf[i] ? std::string(1, buf[i]) : "\r\n";
  return n > 0 && buf[n - 1] ? out + "\r\n" : out;
}

template <size_t N> std::string WithNul(const char (&text)[N]) { return std::string(text, N - 1); }

struct Sample {
  std::string text;
  std::vector<std::pair<const char*, const char*>> queries;  // section, key
};

}  // namespace

TEST(IniFileWin, MatchesTheProfileFunctions) {
  // Not compared: a quoted value of exactly 2047 characters, of which Wine
  // returns only 2046; ours keeps all of them.
  const std::string a3000(3000, 'a'), b2046(2046, 'b'), c2050(2050, 'c');
  const Sample samples[] = {
      {"[A]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n[a]\r\nx=10\r\nw=4\r\n[B]\r\nq=5\r\n[c]\r\nk=1\r\nk=2\r\nK=3\r\n",
       {{"A", "x"}, {"a", "w"}, {"B", "q"}, {"b", "z"}, {"C", "k"}, {"c", "K"}}},
      {"k0=top\n [ Sec One ] junk\n  Key 1  =  \"quoted v\"  \nk=' sq '\nk=dup\nnoeq\n;c=comment\n#h=hash\n"
       "m=\"\nn=\"a'\nq2=\"\"\n=emptykey\nt=\ta\tb\t\nf=   \n[x]y]\nq=1\n[open\nr=2\n[]\ns=3\n[After]\nu=4\n",
       {{" Sec One ", "Key 1"}, {"sec one", " key 1 "}, {"SEC ONE", "k"}, {"sec one", "noeq"}, {"sec one", "#h"},
        {"sec one", "m"}, {"sec one", "n"}, {"sec one", "q2"}, {"sec one", ""}, {"sec one", "t"},
        {"sec one", "f"}, {"x", "q"}, {"x]y", "q"}, {"x]y", "r"}, {"open", "r"}, {"", "k0"}, {"", "s"},
        {"after", "u"}, {"missing", "k"}}},
      {"[L]\nv=" + a3000 + "\nw=\"" + b2046 + "\"\nu=\"" + c2050 + "\"\n", {{"L", "v"}, {"L", "w"}, {"L", "u"}}},
      {WithNul("[A]\rx=cr\r[B]\ny=lf\n[C]\r\nz=a\0b\nw=after\n[D]\0junk\nk=1\n[E\0]\nk=2\nk\0=3\nj=4\nq\0x=\"v \0\"\n"),
       {{"A", "x"}, {"B", "y"}, {"C", "z"}, {"C", "w"}, {"D", "k"}, {"D", "j"}, {"E", "k"}, {"E", "j"}, {"E", "q"}}},
      {"\xEF\xBB\xBF[A]\nx=bom\n[v]\n\x0bk\x0c=\x0bv\x0c\n[MiXeD]\nKeY=1\n", {{"A", "x"}, {"v", "k"}, {"mixed", "KEY"}}},
  };
  int n = 0;
  for (const Sample& s : samples) {
    SCOPED_TRACE("sample " + std::to_string(n));
    const TTempFile file("pelorin-ini-" + std::to_string(n++) + ".ini", s.text);
    const std::string& path = file.path;
    const TIniFile ini(path);
    for (const auto& [section, key] : s.queries)
      EXPECT_EQ(ini.ReadString(section, key, "<default>"), Platform(section, key, path)) << section << "/" << key;
    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(list.GetText(), Platform(nullptr, nullptr, path));
    for (const auto& name : TStringList(list)) {
      ini.ReadSection(name, list);
      EXPECT_EQ(list.GetText(), Platform(name.c_str(), nullptr, path)) << "keys of " << name;
    }
  }
  const TTempFile missing("pelorin-no-such.ini");  // never written
  EXPECT_EQ(TIniFile(missing.path).ReadString("A", "x", "<default>"), Platform("A", "x", missing.path));
}
