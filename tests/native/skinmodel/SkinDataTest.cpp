// The skin data component: loads from archives, files, form bytes and stores,
// and the requests it records with the skin manager.
#include <gtest/gtest.h>

#include <algorithm>

#include "manager/ManagerCore.h"
#include "skinmodel/WinSkinData.h"
#include "skinmodel/WinSkinStore.h"
#include "tests/support/BmpFiles.h"
#include "tests/support/Files.h"
#include "tests/support/SkinFixtures.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {

const std::string kIni = "[Colours]\nButtonFace=1 2 3\n[Button0]\nButtonImage=b.bmp\n[Tabs]\nImage=Skins\\Tab.bmp\n";

TBytes GoodSkin() { return PackFiles({{"My Skin.ini", TextBytes(kIni)}, {"b.bmp", BmpFile(60, 18)}, {"tab.bmp", BmpFile(10, 5)}}); }

struct TCountingSkinner : TManagedSkinner {
  int* cleared;
  explicit TCountingSkinner(int* c) : cleared(c) {}
  void ClearSysButtons() override { ++*cleared; }
};

class SkinDataTest : public ::testing::Test {
protected:
  void SetUp() override { DestroySkinManager(); }
  void TearDown() override { DestroySkinManager(); }
  static std::vector<TManagerAction> Posted() { return SkinManager()->PostedActions(); }
  static void Load(TSkinData& d, const TBytes& skn) {
    TMemoryStream form;
    form.WriteInt32LE(static_cast<int32_t>(skn.size()));
    form.WriteBuffer(skn.data(), skn.size());
    form.SetPosition(0);
    d.ReadSkinStream(form);
  }
  TMessageLog boxes_;
};

using Actions = std::vector<TManagerAction>;

}  // namespace

TEST_F(SkinDataTest, ConstructionRegistersWithOneManager) {
  TComponent owner(nullptr);
  auto* a = new TSkinData(&owner);
  TSkinManageCore* manager = SkinManager();
  ASSERT_NE(manager, nullptr);
  auto* b = new TSkinData(&owner);
  EXPECT_EQ(SkinManager(), manager);
  EXPECT_EQ(manager->SkinDataList(), (std::vector<TSkinData*>{a, b}));
  EXPECT_TRUE(a->Empty);
  EXPECT_TRUE(a->SkinControls.Contains(xcTab));
  EXPECT_EQ(a->SkinStore(), "(none)");
  delete a;
  EXPECT_EQ(manager->SkinDataList(), (std::vector<TSkinData*>{b}));

  // In the designer nothing registers and no manager is created.
  DestroySkinManager();
  TComponent form(nullptr);
  form.SetDesigning(true);
  auto* d = new TSkinData(&form);
  EXPECT_EQ(SkinManager(), nullptr);
  Load(*d, GoodSkin());
  EXPECT_TRUE(d->Empty);  // not parsed in the designer
  EXPECT_EQ(d->SkinStore(), "(Good)");
  d->SetSkinFile("whatever.skn");
  EXPECT_EQ(d->SkinStream.GetSize(), 0);
}

TEST_F(SkinDataTest, LoadsArchivesFromMemory) {
  TSkinData d(nullptr);
  Load(d, GoodSkin());
  ASSERT_FALSE(d.Empty);
  EXPECT_EQ(d.colors[csButtonFace], MakeRGB(1, 2, 3));
  ASSERT_EQ(d.SysButtons.size(), 4u);
  ASSERT_TRUE(d.Tab);
  EXPECT_EQ(d.Tab->Bitmap.Width(), 10);  // folder dropped, case ignored by the archive
  EXPECT_TRUE(Posted().empty());         // form reading sends nothing

  // No description: a clear error, Empty, and no request.
  EXPECT_THROW(Load(d, PackFiles({{"b.bmp", BmpFile(2, 2)}})), ESkinLoadError);
  EXPECT_TRUE(d.Empty);

  // A refused archive shows the reader's message and stays Empty.
  Load(d, PackedContainer(31, "", {}, ""));
  EXPECT_TRUE(d.Empty);
  ASSERT_EQ(boxes_.texts.size(), 1u);
  EXPECT_EQ(d.LoadError().Text(), "stored skin: not a skin archive this version reads (refused)");

  // Garbage is refused or raises, and never counts as a skin.
  Load(d, GoodSkin());
  TBytes junk = {0x10, 0, 0, 0, 1, 2, 3};
  try {
    Load(d, junk);
  } catch (const Exception&) {
  }
  EXPECT_TRUE(d.Empty);
}

namespace {
// Every record of d, to tell whether a load replaced or kept them.
std::vector<const void*> Records(const TSkinData& d) {
  std::vector<const void*> r = {d.Title.get(), d.Buttons.get()};
  for (int i = bdLeft; i <= bdBottom; ++i) r.push_back(d.Borders[i]);
  for (const auto& b : d.SysButtons) r.push_back(b.get());
  for (const auto& o : d.OptionalRecords()) r.push_back(o.Record);
  return r;
}
}  // namespace

TEST_F(SkinDataTest, ALoadReplacesEveryRecordOrNone) {
  TSkinData d(nullptr);
  int cleared = 0;
  SkinManager()->AddFormSkinner(std::make_unique<TCountingSkinner>(&cleared));
  Load(d, GoodSkin());
  ASSERT_FALSE(d.Empty);
  EXPECT_EQ(cleared, 1);  // the skinners let go before the first records went
  const std::vector<const void*> first = Records(d);

  // The tab image, read after the title-bar buttons, is damaged: nothing of
  // the load stays, and the skinners keep their buttons on the old records.
  TBytes tab = BmpFile(10, 5);
  tab[28] = 7;  // bits per pixel
  const std::string ini = "[Colours]\nButtonFace=4 5 6\n[Button0]\nAction=1\n[Button1]\nAction=2\n";
  EXPECT_THROW(Load(d, PackFiles({{"a.ini", TextBytes(ini + "[Tabs]\nImage=tab.bmp\n")}, {"tab.bmp", tab}})),
               EInvalidGraphic);
  EXPECT_TRUE(d.Empty);
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(Records(d), first);
  EXPECT_EQ(d.colors[csButtonFace], MakeRGB(1, 2, 3));
  EXPECT_EQ(d.FaceBrush.Color(), MakeRGB(1, 2, 3));
  EXPECT_EQ(d.SysButtons.size(), 4u);
  EXPECT_EQ(d.SysButtons[0]->FrameCount, 3);
  EXPECT_EQ(d.Tab->Bitmap.Width(), 10);

  // A whole load replaces all of them, optional records coming and going.
  Load(d, PackFiles({{"b.ini", TextBytes(ini + "[MenuItem]\nImage=m.bmp\n")}, {"m.bmp", BmpFile(15, 4)}}));
  ASSERT_FALSE(d.Empty);
  EXPECT_EQ(cleared, 2);
  for (const void* now : Records(d)) EXPECT_TRUE(!now || std::count(first.begin(), first.end(), now) == 0);
  EXPECT_EQ(d.colors[csButtonFace], MakeRGB(4, 5, 6));
  EXPECT_EQ(d.FaceBrush.Color(), MakeRGB(4, 5, 6));
  EXPECT_EQ(d.SysButtons.size(), 5u);
  EXPECT_FALSE(d.Tab);
  ASSERT_TRUE(d.MenuItem);
  EXPECT_EQ(d.MenuItem->Bitmap.Width(), 15);
}

TEST_F(SkinDataTest, RequestRules) {
  TSkinData d(nullptr);
  int cleared = 0;
  SkinManager()->AddFormSkinner(std::make_unique<TCountingSkinner>(&cleared));
  SkinManager()->AddFormSkinner(std::make_unique<TCountingSkinner>(&cleared));

  d.SetActive(true);  // Empty: only the property changes
  EXPECT_TRUE(d.Active());
  EXPECT_TRUE(Posted().empty());

  const TTempFile file("pelorin_skindata_test.skn", GoodSkin());
  d.SetSkinFile(file.path);
  EXPECT_FALSE(d.Empty);
  EXPECT_EQ(Posted(), (Actions{maSkinChanged}));
  EXPECT_EQ(SkinManager()->PendingSkinData, &d);
  EXPECT_EQ(cleared, 2);

  d.SetActive(false);
  d.SetActive(false);
  d.SetActive(true);
  EXPECT_EQ(Posted(), (Actions{maSkinChanged, maUnskinAll, maSkinAll}));
  // Not started yet: the requests switch skinning directly.
  EXPECT_TRUE(SkinManager()->Active);

  EXPECT_FALSE(d.LoadError());

  // A missing file empties the skin but keeps the records and sends nothing;
  // the program learns why.
  std::vector<std::string> errors;
  d.OnLoadError = [&](TObject* sender, const TSkinLoadError& e) {
    EXPECT_EQ(sender, &d);
    errors.push_back(e.Text());
  };
  d.SetSkinFile(file.path + ".missing");
  EXPECT_TRUE(d.Empty);
  EXPECT_EQ(d.SysButtons.size(), 4u);
  EXPECT_EQ(Posted().size(), 3u);
  EXPECT_EQ(d.LoadError().Source, file.path + ".missing");
  EXPECT_EQ(errors, (std::vector<std::string>{file.path + ".missing: the file does not exist"}));

  // A load without a description raises and sends nothing; the reason is kept.
  TSkinStore store(nullptr);
  TBytes noIni = PackFiles({{"a.bmp", BmpFile(1, 1)}});
  store.Store()->AddItem()->Data.Assign(noIni.data(), noIni.size());
  EXPECT_THROW(d.LoadFromStore(store, 0), ESkinLoadError);
  EXPECT_EQ(Posted().size(), 3u);
  EXPECT_EQ(d.LoadError().Source, "skin store item 0");
  EXPECT_NE(d.LoadError().Reason.find("description"), std::string::npos);
  EXPECT_EQ(errors.size(), 2u);
  // Asking for no skin is no error.
  d.SetSkinFile("");
  EXPECT_FALSE(d.LoadError());

  // Once started, requests stay pending for the platform's deferral.
  SkinManager()->Started = true;
  d.SetActive(false);
  EXPECT_EQ(SkinManager()->PendingAction(), maUnskinAll);
  EXPECT_TRUE(SkinManager()->Active);
}

TEST_F(SkinDataTest, OnlyMainFormComponentsDriveSkinning) {
  TComponent owner(nullptr);
  auto* dialog = new TSkinData(&owner);
  dialog->SkinFormtype = sfDialog;
  dialog->SetActive(true);
  Load(*dialog, GoodSkin());
  dialog->SetActive(false);
  TSkinStore store(nullptr);
  TBytes skn = GoodSkin();
  store.Store()->AddItem()->Data.Assign(skn.data(), skn.size());
  dialog->LoadFromStore(store, 0);
  EXPECT_FALSE(dialog->Empty);
  EXPECT_TRUE(Posted().empty());

  // Loaded activates any form type holding a skin...
  dialog->SetActive(true);
  dialog->Loading();
  dialog->Loaded();
  EXPECT_EQ(Posted(), (Actions{maSkinAll}));

  // (An Empty one switching off is in the form file tests.)
  // Store indexes: past the end nothing, negative a list error.
  auto* main = new TSkinData(&owner);
  main->LoadFromStore(store, 1);
  EXPECT_TRUE(main->Empty);
  EXPECT_THROW(main->LoadFromStore(store, -1), EListError);
  main->LoadFromStore(store, 0);
  EXPECT_FALSE(main->Empty);
  EXPECT_EQ(Posted(), (Actions{maSkinAll, maSkinChanged}));
}

TEST_F(SkinDataTest, FormSkinCheckAndChangeEvent) {
  TSkinData d(nullptr);
  auto ask = [&d](const std::string& name) {
    bool doSkin = true;
    d.FormSkinCheck(name, doSkin);
    return doSkin;
  };
  EXPECT_FALSE(ask("TQRStandardPreview"));
  EXPECT_FALSE(ask("SysMonthCal32"));
  EXPECT_FALSE(ask("TfrmMain"));
  EXPECT_TRUE(ask("TFrmMain"));  // the prefix is case-sensitive
  std::vector<std::string> asked;
  d.OnFormSkin = [&](TObject* sender, std::string name, bool& doSkin) {
    EXPECT_EQ(sender, &d);
    asked.push_back(name);
    doSkin = name != "TForm2";
  };
  EXPECT_TRUE(ask("TForm1"));
  EXPECT_FALSE(ask("TForm2"));
  EXPECT_FALSE(ask("SysMonthCal32"));
  EXPECT_EQ(asked, (std::vector<std::string>{"TForm1", "TForm2"}));

  d.DoSkinChanged();  // no handler: nothing
  TObject* changed = nullptr;
  d.OnSkinChanged = [&](TObject* sender) { changed = sender; };
  d.DoSkinChanged();
  EXPECT_EQ(changed, &d);
}

TEST_F(SkinDataTest, SkinStreamProperty) {
  TSkinData d(nullptr);
  TMemoryStream out;
  d.WriteSkinStream(out);
  EXPECT_EQ(out.Bytes(), (TBytes{0, 0, 0, 0}));
  Load(d, GoodSkin());
  out.Clear();
  d.WriteSkinStream(out);
  const TBytes skn = GoodSkin();
  ASSERT_EQ(out.GetSize(), int64_t(4 + skn.size()));
  EXPECT_TRUE(std::equal(skn.begin(), skn.end(), out.Bytes().begin() + 4));

  // A length beyond the data is refused before anything is allocated.
  TMemoryStream bad;
  bad.WriteInt32LE(0x7FFFFFF0);
  bad.WriteInt32LE(0);
  bad.SetPosition(0);
  EXPECT_THROW(d.ReadSkinStream(bad), EReadError);
}

TEST_F(SkinDataTest, StoreNaming) {
  TSkinStore store(nullptr);
  TSkinCollection& c = *store.Store();
  c.AddItem();
  c.AddItem();
  c.AddItem();
  EXPECT_EQ(c.Item(2)->Name(), "SkinItem2");
  c.Delete(1);
  EXPECT_EQ(c.AddItem()->Name(), "SkinItem3");

  c.Item(0)->SetName("SkinItem0");
  try {
    c.Item(0)->SetName("SkinItem3");
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "The name SkinItem3 is already used.");
  }
  EXPECT_EQ(c.Item(0)->Name(), "SkinItem0");
  c.Item(0)->SetName("skinitem3");  // names are case-sensitive
  EXPECT_EQ(c.Item(0)->Name(), "skinitem3");

  // Assigning copies the name unchecked and the bytes, keeping the source's position.
  TSkinCollectionItem& src = *c.Item(1);
  src.Data.Assign("abcdef", 6);
  src.Data.SetPosition(2);
  c.Item(0)->Assign(src);
  EXPECT_EQ(c.Item(0)->Name(), src.Name());
  EXPECT_EQ(c.Item(0)->Data.Bytes(), src.Data.Bytes());
  EXPECT_EQ(c.Item(0)->DataSize(), 6);
  EXPECT_EQ(src.Data.GetPosition(), 2);
  EXPECT_EQ(src.SkinData(), "Load Skin");

  // DataStream is the bytes alone.
  TMemoryStream value;
  src.WriteDataStream(value);
  EXPECT_EQ(value.GetSize(), 6);
  TSkinStore other(nullptr);
  other.SetStore(store.Store());
  other.SetStore(nullptr);
  ASSERT_EQ(other.Store()->Count(), 3);
  other.Store()->Item(1)->ReadDataStream(value);
  EXPECT_EQ(other.Store()->Item(1)->Data.Bytes(), src.Data.Bytes());
}
