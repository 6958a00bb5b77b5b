// Skin components written to a form file and read back.
#include <gtest/gtest.h>

#include "host/core/Filer.h"
#include "manager/ManagerCore.h"
#include "skinmodel/WinSkinData.h"
#include "skinmodel/WinSkinStore.h"
#include "tests/support/BmpFiles.h"
#include "tests/support/SkinFixtures.h"

using namespace pelorin;
using namespace pelorin::testing;

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

  DestroySkinManager();
}
