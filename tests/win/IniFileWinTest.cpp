// TIniFile against the real profile functions: the same files read both ways
// must give the same values, section lists and key lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/core/IniFile.h"
#include "host/core/StringList.h"

using namespace pelorin;

namespace {

struct Query {
  std::string section;
  std::string key;
};

struct Sample {
  const char* label;
  std::string text;
  std::vector<Query> queries;
};

// A double-NUL list of the profile functions, joined with '|'.
std::string PlatformList(const char* section, const std::string& path) {
  std::vector<char> buf(1 << 16);
  const DWORD n = GetPrivateProfileStringA(section, nullptr, "", buf.data(), DWORD(buf.size()), path.c_str());
  std::string out;
  for (DWORD i = 0; i < n; ++i) out += buf[i] ? buf[i] : '|';
  if (n > 0 && buf[n - 1]) out += '|';
  return out;
}

std::string Join(const TStringList& l) {
  std::string s;
  for (const auto& x : l) s += x + "|";
  return s;
}

std::string PlatformValue(const Query& q, const std::string& path) {
  char buf[2048 + 16];
  const DWORD n = GetPrivateProfileStringA(q.section.c_str(), q.key.c_str(), "<default>", buf, 2048, path.c_str());
  return std::string(buf, n);
}

template <size_t N> std::string WithNul(const char (&text)[N]) { return std::string(text, N - 1); }

std::vector<Sample> Samples() {
  const std::string a3000(3000, 'a'), b2046(2046, 'b'), c2050(2050, 'c'), d2047(2047, 'd');
  return {
      {"repeated sections and keys",
       "[A]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n[a]\r\nx=10\r\nw=4\r\n[B]\r\nq=5\r\n[A]\r\ny=20\r\n[c]\r\nk=1\r\nk=2\r\nK=3\r\n",
       {{"A", "x"}, {"a", "w"}, {"B", "q"}, {"b", "z"}, {"A", "y"}, {"C", "k"}, {"c", "K"}}},
      {"blanks, quotes, headers",
       "k0=top\n [ Sec One ] junk\n  Key 1  =  \"quoted v\"  \nk=' sq '\nk=dup\nnoeq\n;c=comment\n#h=hash\n"
       "m=\"\nn=\"a'\nq2=\"\"\n=emptykey\nt=\ta\tb\t\ne=\nf=   \n[x]y]\nq=1\n[open\nr=2\n[]\ns=3\n[After]\nu=4\n",
       {{"Sec One", "Key 1"},
        {" Sec One ", "Key 1"},
        {"sec one", " key 1 "},
        {"SEC ONE", "k"},
        {"sec one", "noeq"},
        {"sec one", "#h"},
        {"sec one", "m"},
        {"sec one", "n"},
        {"sec one", "q2"},
        {"sec one", ""},
        {"sec one", "t"},
        {"sec one", "e"},
        {"sec one", "f"},
        {"x", "q"},
        {"x]y", "q"},
        {"x]y", "r"},
        {"open", "r"},
        {"", "k0"},
        {"", "s"},
        {"after", "u"},
        {"missing", "k"}}},
      // Not compared: a quoted value of exactly 2047 characters, of which Wine
      // returns only 2046; ours keeps all of them.
      {"long values",
       "[L]\nv=" + a3000 + "\nw=\"" + b2046 + "\"\nu=\"" + c2050 + "\"\nexact=" + d2047 + "\n",
       {{"L", "v"}, {"L", "w"}, {"L", "u"}, {"L", "exact"}}},
      {"line ends and NUL",
       WithNul("[A]\rx=cr\r[B]\ny=lf\n[C]\r\nz=a\0b\nw=after\n[D]\0junk\nk=1\n[E\0]\nk=2\nk\0=3\nj=4\nq\0x=\"v \0\"\n"),
       {{"A", "x"}, {"B", "y"}, {"C", "z"}, {"C", "w"}, {"D", "k"}, {"D", "j"}, {"E", "k"}, {"E", "j"}, {"E", "q"}}},
      {"byte order mark and control blanks",
       "\xEF\xBB\xBF[A]\nx=bom\n[v]\n\x0bk\x0c=\x0bv\x0c\n[MiXeD]\nKeY=1\n",
       {{"A", "x"}, {"v", "k"}, {"mixed", "KEY"}}},
  };
}

}  // namespace

TEST(IniFileWin, MatchesTheProfileFunctions) {
  const std::string dir = std::filesystem::temp_directory_path().string();
  int n = 0;
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.label);
    const std::string path = dir + "\\pelorin-ini-" + std::to_string(n++) + ".ini";
    std::ofstream(path, std::ios::binary).write(s.text.data(), std::streamsize(s.text.size()));
    const TIniFile ini(path);
    for (const Query& q : s.queries)
      EXPECT_EQ(ini.ReadString(q.section, q.key, "<default>"), PlatformValue(q, path))
          << "[" << q.section << "] " << q.key;

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(Join(list), PlatformList(nullptr, path));
    for (const auto& name : TStringList(list)) {
      ini.ReadSection(name, list);
      EXPECT_EQ(Join(list), PlatformList(name.c_str(), path)) << "keys of [" << name << "]";
    }
    std::filesystem::remove(path);
  }

  const std::string missing = dir + "\\pelorin-no-such.ini";
  EXPECT_EQ(TIniFile(missing).ReadString("A", "x", "<default>"), PlatformValue({"A", "x"}, missing));
  EXPECT_EQ(PlatformList(nullptr, missing), "");
}
