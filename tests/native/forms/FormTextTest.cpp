// The form-file text format: values of every kind, printing that reads back
// to the same tree, and malformed text.
#include <gtest/gtest.h>

#include <random>

#include "host/core/FormFile.h"

using namespace pelorin;

namespace {

const TFormValue& Prop(const TFormObject& o, const std::string& name) {
  for (const TFormProp& p : o.Props)
    if (p.Name == name) return p.Value;
  throw std::runtime_error("no property " + name);
}

}  // namespace

TEST(FormText, ParsesEveryValueKind) {
  using namespace std::literals;
  const TFormObject o = ParseFormText(
      "\xEF\xBB\xBF"
      "object Form1: TForm1\r\n"
      "  Left = -12\n  Mask = $FF\n  Color = $FF00000F\n  Plus = +7\n  NegHex = -$10\n"
      "  Caption = 'It''s'#13#10'two' +\n    ' lines'\n  Empty = ''\n"
      "  Unicode = #233'+'#$20AC#55357#56832\n"
      "  Raw = '\xC3\xA9'\n"
      "  Visible = True\n  Font.Name = 'Tahoma'\n  SkinStore = SkinStore1\n"
      "  Kinds = [xcMainMenu, xcTab]\n  None = []\n"
      "  Items = <\n    item\n      Name = 'A'\n      Data = {\n        00FF\n        10}\n    end\n    item\n    end>\n"
      "  Lines.Strings = (\n    'a'\n    'b'#13\n    1)\n  Blob = {}\n"
      "  object Inner: TThing\n    object TUnnamed\n    end\n  end\n"
      "end\n\0\0"sv);
  EXPECT_EQ(o.Name, "Form1");
  EXPECT_EQ(o.ClassName, "TForm1");
  EXPECT_EQ(o.Line, 1);
  EXPECT_EQ(Prop(o, "Left").Integer, -12);
  EXPECT_EQ(Prop(o, "Mask").Integer, 255);
  EXPECT_EQ(Prop(o, "Color").Integer, 0xFF00000F);
  EXPECT_EQ(Prop(o, "Plus").Integer, 7);
  EXPECT_EQ(Prop(o, "NegHex").Integer, -16);
  EXPECT_EQ(Prop(o, "Caption").Text, "It's\r\ntwo lines");
  EXPECT_EQ(Prop(o, "Empty").Kind, TFormValue::vkString);
  // Codes are code points, kept as UTF-8; a surrogate pair is one character.
  EXPECT_EQ(Prop(o, "Unicode").Text, "\xC3\xA9+\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(Prop(o, "Raw").Text, "\xC3\xA9");
  EXPECT_EQ(Prop(o, "Visible").Kind, TFormValue::vkIdent);
  EXPECT_EQ(Prop(o, "Font.Name").Text, "Tahoma");
  EXPECT_EQ(Prop(o, "SkinStore").Text, "SkinStore1");
  EXPECT_EQ(Prop(o, "Kinds").Set, (std::vector<std::string>{"xcMainMenu", "xcTab"}));
  EXPECT_TRUE(Prop(o, "None").Set.empty());
  const TFormValue& items = Prop(o, "Items");
  ASSERT_EQ(items.Items.size(), 2u);
  EXPECT_EQ(items.Items[0][1].Value.Binary, (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
  EXPECT_EQ(items.Items[0][1].Line, 20);
  EXPECT_TRUE(items.Items[1].empty());
  // One string per line: only '+' joins across blanks.
  ASSERT_EQ(Prop(o, "Lines.Strings").List.size(), 3u);
  EXPECT_EQ(Prop(o, "Lines.Strings").List[1].Text, "b\r");
  EXPECT_EQ(Prop(o, "Lines.Strings").List[2].Integer, 1);
  EXPECT_TRUE(Prop(o, "Blob").Binary.empty());
  ASSERT_EQ(o.Children.size(), 1u);
  EXPECT_EQ(o.Children[0].Line, 31);
  EXPECT_EQ(o.Children[0].Children[0].Name, "");
  EXPECT_EQ(o.Children[0].Children[0].ClassName, "TUnnamed");

  // Printing is stable and reads back to the same tree.
  const std::string printed = FormToText(o);
  EXPECT_EQ(FormToText(ParseFormText(printed)), printed);
  EXPECT_NE(printed.find("Caption = 'It''s'#13#10'two lines'"), std::string::npos) << printed;
  EXPECT_NE(printed.find("Unicode = #233'+'#8364#128512"), std::string::npos) << printed;
  EXPECT_NE(printed.find("object TUnnamed\n"), std::string::npos);
}

TEST(FormText, AnyStringReadsBackAfterPrinting) {
  std::mt19937 random(7);
  std::vector<std::string> samples = {"", "'", "''", "a'b", std::string(1, '\0'), "\xFF\xC3", "\xED\xA0\x80",
                                      std::string(300, 'x'), std::string(150, '\'') + "\x01"};
  for (int n = 0; n < 200; ++n) {
    std::string s(random() % 200, '\0');
    for (char& c : s) c = static_cast<char>(random() % 4 == 0 ? random() % 256 : 'a' + random() % 3);
    samples.push_back(s);
  }
  for (const std::string& s : samples) {
    TFormObject o;
    o.ClassName = "TX";
    o.Props.push_back({"S", TFormValue::Str(s)});
    const std::string text = FormToText(o);
    EXPECT_EQ(ParseFormText(text).Props.at(0).Value.Text, s) << text;
    // Long strings are split over lines of reasonable length.
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      EXPECT_LT(end - start, 90u);
    }
  }
}

TEST(FormText, MalformedTextNamesTheLine) {
  using namespace std::literals;
  const std::pair<std::string_view, int> cases[] = {
      {"object A: B\n  X = 'open\nend\n"sv, 2},
      {"object A: B\n  X = 1\n"sv, 3},
      {"object A: B\n  X = {0F0}\nend"sv, 2},
      {"object A: B\n  X = {0G}\nend"sv, 2},
      {"object A: B\nend\nend"sv, 3},
      {"object A: B\n X = 99999999999999999999\nend"sv, 2},
      {"object A: B\n X = $10000000000000000\nend"sv, 2},
      {"object A: B\n X = 1.5\nend"sv, 2},
      {"object A: B\n X = {12"sv, 2},
      {"thing A: B\nend"sv, 1},
      {"inherited A: B\nend"sv, 1},
      {"object A: B\n\n X = #1114112\nend"sv, 3},
      {"object A: B\n X = #55357\nend"sv, 3},
      {"object A: B\n X = #56832'a'\nend"sv, 2},
      {"object A: B\n X = 'a' +\nend"sv, 3},
      {"object A: B\n X = [a b]\nend"sv, 2},
      {"object A: B\n X = <item Y = 1 end\nend"sv, 3},
      {"object A: B\n X = (1 2\nend"sv, 3},
      {"object A: B\n X = 1\n Font..Name = 2\nend"sv, 3},
      {"object A: B\n X = Y.\nend"sv, 2},
      {"object A: B\n X = ?\nend"sv, 2},
      {"object A: B\n X 1\nend"sv, 2},
      {"object A\0: B\nend"sv, 1},
      {""sv, 1},
  };
  for (const auto& [text, line] : cases) {
    try {
      ParseFormText(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const EParserError& e) {
      EXPECT_NE(std::string(e.what()).find("on line " + std::to_string(line)), std::string::npos)
          << text << " -> " << e.what();
    }
  }
  std::string deep;
  for (int i = 0; i < 70; ++i) deep += "object A: B\n";
  EXPECT_THROW(ParseFormText(deep), EParserError);
  std::string deepList = "object A: B\n X = ";
  for (int i = 0; i < 100000; ++i) deepList += "(";
  EXPECT_THROW(ParseFormText(deepList), EParserError);
}
