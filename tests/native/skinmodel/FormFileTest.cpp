// Form files: the text format, and skin components written and read back.
#include <gtest/gtest.h>

#include "host/core/Filer.h"
#include "manager/ManagerCore.h"
#include "skinmodel/WinSkinData.h"
#include "skinmodel/WinSkinStore.h"
#include "tests/support/BmpFiles.h"
#include "tests/support/SkinFixtures.h"

using namespace pelorin;
using namespace pelorin::testing;

TEST(FormFile, TextFormatRoundTrip) {
  const std::string text =
      "object Form1: TForm1\n"
      "  Left = -12\n  Mask = $FF\n"
      "  Caption = 'It''s'#13#10'two' +\n    ' lines'\n  Empty = ''\n"
      "  Visible = True\n  Kinds = [xcMainMenu, xcTab]\n  None = []\n"
      "  Items = <\n    item\n      Name = 'A'\n      Data = {\n        00FF\n        10}\n    end\n    item\n    end>\n"
      "  Strings.Lines = (\n    'a'\n    1)\n"
      "  object Inner: TThing\n    object Deeper: TThing\n    end\n  end\n"
      "end\n";
  const TFormObject o = ParseFormText(text);
  EXPECT_EQ(o.Name, "Form1");
  ASSERT_EQ(o.Props.size(), 9u);
  EXPECT_EQ(o.Props[0].Value.Integer, -12);
  EXPECT_EQ(o.Props[1].Value.Integer, 255);
  EXPECT_EQ(o.Props[2].Value.Text, "It's\r\ntwo lines");
  EXPECT_EQ(o.Props[5].Value.Set, (std::vector<std::string>{"xcMainMenu", "xcTab"}));
  ASSERT_EQ(o.Props[7].Value.Items.size(), 2u);
  EXPECT_EQ(o.Props[7].Value.Items[0][1].Value.Binary, (TBytes{0x00, 0xFF, 0x10}));
  EXPECT_EQ(o.Props[8].Name, "Strings.Lines");
  ASSERT_EQ(o.Children.size(), 1u);
  EXPECT_EQ(o.Children[0].Children[0].Name, "Deeper");
  // Printing is stable and reads back to the same tree.
  const std::string printed = FormToText(o);
  EXPECT_EQ(FormToText(ParseFormText(printed)), printed);
  EXPECT_NE(printed.find("Caption = 'It''s'#13#10'two lines'"), std::string::npos);

  for (const char* bad : {"object A: B\n  X = 'open\nend\n", "object A: B\n  X = 1\n", "object A: B\n  X = {0F0}\nend",
                          "object A: B\nend\nend", "object A: B\n X = 99999999999999999999\nend", "object A: B\n X = {12",
                          "thing A: B\nend", "object A: B\n X = #1114112\nend", ""}) {
    EXPECT_THROW(ParseFormText(bad), EParserError) << bad;
  }
  std::string deep;
  for (int i = 0; i < 70; ++i) deep += "object A: B\n";
  EXPECT_THROW(ParseFormText(deep), EParserError);
}

TEST(FormFile, SkinComponentsKeepTheirBytes) {
  DestroySkinManager();
  RegisterSkinModelClasses();
  const TBytes skn = PackFiles({{"s.ini", TextBytes("[Colours]\nButtonFace=1 2 3\n")}});
  std::string text;
  {
    TComponent form(nullptr);
    form.SetName("Form1");
    auto* data = new TSkinData(&form);
    data->SetName("SkinData1");
    data->SkinStream.Assign(skn.data(), skn.size());
    data->SetActive(true);
    data->SkinControls.Exclude(xcTab);
    auto* dialog = new TSkinData(&form);
    dialog->SetName("SkinData2");
    dialog->SkinFormtype = sfDialog;
    dialog->SetActive(true);
    dialog->SetTag(7);
    auto* store = new TSkinStore(&form);
    store->SetName("SkinStore1");
    for (int i = 0; i < 3; ++i) store->Store()->AddItem();
    store->Store()->Item(0)->SetName("SkinItem2x");
    store->Store()->Item(1)->Data.Assign(skn.data(), skn.size());
    text = WriteComponentText(form);
  }
  EXPECT_NE(text.find("SkinStream = {\n      00000000}"), std::string::npos) << text;
  EXPECT_NE(text.find("SkinFormtype = sfDialog"), std::string::npos);
  EXPECT_NE(text.find("SkinStore = '(none)'"), std::string::npos);
  EXPECT_NE(text.find("DataStream = {}"), std::string::npos);

  DestroySkinManager();
  TComponent form(nullptr);
  ReadComponentText(text, form);
  ASSERT_EQ(form.ComponentCount(), 3);
  auto* data = dynamic_cast<TSkinData*>(form.FindComponent("SkinData1"));
  auto* dialog = dynamic_cast<TSkinData*>(form.FindComponent("SkinData2"));
  auto* store = dynamic_cast<TSkinStore*>(form.FindComponent("SkinStore1"));
  ASSERT_TRUE(data && dialog && store);
  EXPECT_EQ(data->SkinStream.Bytes(), skn);
  EXPECT_FALSE(data->Empty);
  EXPECT_EQ(data->colors[csButtonFace], MakeRGB(1, 2, 3));
  EXPECT_FALSE(data->SkinControls.Contains(xcTab));
  EXPECT_TRUE(data->SkinControls.Contains(xcStatusBar));
  EXPECT_FALSE(data->HasState(csLoading));
  // Loaded: the loaded main skin asks for skinning once; the empty dialog skin switches off.
  EXPECT_TRUE(data->Active());
  EXPECT_FALSE(dialog->Active());
  EXPECT_EQ(dialog->Tag(), 7);
  EXPECT_EQ(SkinManager()->PostedActions(), (std::vector<TManagerAction>{maSkinAll}));
  ASSERT_EQ(store->Store()->Count(), 3);
  EXPECT_EQ(store->Store()->Item(0)->Name(), "SkinItem2x");
  EXPECT_EQ(store->Store()->Item(1)->Data.Bytes(), skn);
  EXPECT_EQ(store->Store()->Item(1)->DataSize(), int32_t(skn.size()));
  // Written again, every stored byte is the same (only the dialog's Active changed).
  const std::string again = WriteComponentText(form);
  for (const char* part : {"object SkinData1", "object SkinStore1"}) {
    const std::string from = text.substr(text.find(part));
    EXPECT_EQ(again.substr(again.find(part), 400), from.substr(0, 400));
  }

  TComponent other(nullptr);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  object X: TNoSuchClass\n  end\nend\n", other), EReadError);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  object X: TSkinData\n    Colour = 1\n  end\nend\n", other), EReadError);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  object Y: TSkinData\n    Active = 1\n  end\nend\n", other), EReadError);
  DestroySkinManager();
}
