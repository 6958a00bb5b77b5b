// Component trees read from form files and written back: every property
// kind, references and events after the whole form, Loaded order, errors.
#include <gtest/gtest.h>

#include <random>

#include "TestClasses.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {

// A binary property whose reader trusts the length in its data, as an
// application's reader may: a damaged form must still end in a read error.
class TTrustingWidget : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TTrustingWidget"; }
  void DefineProperties(TFiler& filer) override {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty("Raw", [this](TStream& s) {
      Raw.resize(static_cast<size_t>(s.ReadInt32LE()));
      s.ReadBuffer(Raw.data(), static_cast<int64_t>(Raw.size()));
    }, [](TStream&) {}, false);
  }
  std::vector<uint8_t> Raw;
};

const char* const FullForm = R"(object Form1: TTestForm
  Width = 640
  Focused = Edit1
  object Panel1: TWidget
    Left = 10
    Visible = False
    Align = alClient
    Anchors = [akLeft, akBottom]
    Caption = 'Caf'#233' ''Panel'''
    Font.Name = 'Tahoma'
    Font.Style = [fsItalic]
    Buddy = Edit1
    OnClick = ButtonClick
    Lines.Strings = ('one' 'two')
    Items = <
      item
        Caption = 'first'
        OnClick = ButtonClick
        Data = {0102}
      end
      item
      end>
    Blob = {0300000041424300}
    object Edit1: TWidget
      Tag = -5
      Left = $FFFFFFFF
      Buddy = Panel1
      OnCount = Count
      Blob = {00000000}
    end
  end
  object TWidget
    Buddy = nil
    Blob = {00000000}
  end
end
)";

// The full form, read.
class FormRead : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestClasses();
    ReadComponentText(FullForm, form);
    panel = dynamic_cast<TWidget*>(form.FindComponent("Panel1"));
    edit = dynamic_cast<TWidget*>(form.FindComponent("Edit1"));
    ASSERT_TRUE(panel && edit);
  }
  TTestForm form{nullptr};
  TWidget* panel = nullptr;
  TWidget* edit = nullptr;
};

}  // namespace

TEST_F(FormRead, EveryPropertyKindAndTheTreeItBuilds) {
  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Width, 640);
  ASSERT_EQ(form.ComponentCount(), 3);  // every component is owned by the form
  auto* unnamed = dynamic_cast<TWidget*>(form.Components(2));
  ASSERT_TRUE(unnamed);
  EXPECT_EQ(form.Focused, edit);
  EXPECT_EQ(panel->Parent, &form);
  EXPECT_EQ(edit->Parent, panel);
  EXPECT_EQ(unnamed->Name(), "");

  EXPECT_EQ(panel->Left, 10);
  EXPECT_FALSE(panel->Visible);
  EXPECT_EQ(panel->Align, alClient);
  EXPECT_EQ(panel->Anchors, 0b1001u);
  EXPECT_EQ(panel->Caption, "Caf\xC3\xA9 'Panel'");
  EXPECT_EQ(panel->Font.Name, "Tahoma");
  EXPECT_EQ(panel->Font.Size, 8);
  EXPECT_EQ(panel->Font.Style, 2u);
  EXPECT_EQ(panel->Buddy, edit);
  EXPECT_EQ(panel->Lines, (std::vector<std::string>{"one", "two"}));
  ASSERT_EQ(panel->Items.Count(), 2);
  EXPECT_EQ(panel->Item(0)->Caption, "first");
  EXPECT_EQ(panel->Item(0)->Data, (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(panel->Blob, (std::vector<uint8_t>{'A', 'B', 'C'}));
  EXPECT_EQ(edit->Tag(), -5);
  EXPECT_EQ(edit->Left, -1);
  EXPECT_EQ(edit->Buddy, panel);
  EXPECT_EQ(unnamed->Buddy, nullptr);
}

TEST_F(FormRead, EventsBindToTheFormsMethods) {
  ASSERT_TRUE(panel->OnClick && edit->OnCount && panel->Item(0)->OnClick);
  EXPECT_FALSE(edit->OnClick);
  panel->OnClick(panel);
  panel->Item(0)->OnClick(edit);
  EXPECT_EQ(edit->OnCount(edit, 21), 42);
  EXPECT_EQ(form.Log.back(), "click Edit1");

  // A handler from code is not a method of the form and is not written.
  edit->OnClick = [](TObject*) {};
  const std::string written = WriteComponentText(form);
  EXPECT_NE(written.find("    OnClick = ButtonClick\n"), std::string::npos) << written;
  EXPECT_NE(written.find("OnCount = Count\n"), std::string::npos);
  EXPECT_EQ(written.find("OnClick = ButtonClick", written.find("object Edit1")), std::string::npos);
}

TEST_F(FormRead, LoadingStateAndLoadedOrder) {
  // Properties are set in the loading and reading state; Loaded comes after
  // every reference is resolved (Buddy is read before Edit1 exists), root
  // first, then in creation order.
  EXPECT_EQ(panel->StateWhileRead & (csLoading | csReading), csLoading | csReading);
  EXPECT_EQ(panel->BuddyWhenLoaded, edit);
  EXPECT_EQ(form.Log, (std::vector<std::string>{"Loaded Form1", "Loaded Panel1", "Loaded Edit1", "Loaded "}));
  for (TComponent* c : {static_cast<TComponent*>(&form), static_cast<TComponent*>(panel), static_cast<TComponent*>(edit)})
    EXPECT_FALSE(c->HasState(csLoading) || c->HasState(csReading)) << c->Name();

  // A root created from the registry.
  std::unique_ptr<TComponent> created(ReadRootText(FullForm, nullptr));
  auto* root = dynamic_cast<TTestForm*>(created.get());
  ASSERT_TRUE(root);
  EXPECT_EQ(root->ComponentCount(), 3);
  EXPECT_EQ(root->Focused, root->FindComponent("Edit1"));
}

TEST(FormWrite, RoundTripKeepsTreeAndBytes) {
  RegisterTestClasses();
  std::mt19937 random(42);
  for (size_t size : {0u, 1u, 31u, 32u, 33u, 100000u}) {
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    std::string text;
    {
      TTestForm form(nullptr);
      form.SetName("Main");
      auto* a = new TWidget(&form);
      a->SetName("A");
      a->Parent = &form;
      a->Blob = bytes;
      a->Caption = std::string(reinterpret_cast<const char*>(bytes.data()), std::min<size_t>(size, 500));
      a->Font.Size = 12;
      a->Lines = {"x", "", "\n"};
      static_cast<TTestItem*>(a->Items.Add())->Data = bytes;
      a->Items.Add();
      auto* b = new TWidget(&form);
      b->SetName("B");
      b->Parent = a;
      b->Buddy = a;
      b->Align = alTop;
      form.Focused = b;
      text = WriteComponentText(form);
    }
    // Defaults are not written.
    EXPECT_EQ(text.find("Visible"), std::string::npos);
    EXPECT_EQ(text.find("Tag"), std::string::npos);
    EXPECT_EQ(text.find("Font.Name"), std::string::npos);
    EXPECT_NE(text.find("Font.Size = 12"), std::string::npos);

    TTestForm form(nullptr);
    ReadComponentText(text, form);
    auto* a = dynamic_cast<TWidget*>(form.FindComponent("A"));
    auto* b = dynamic_cast<TWidget*>(form.FindComponent("B"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Blob, bytes);
    EXPECT_EQ(a->Item(0)->Data, bytes);
    EXPECT_EQ(a->Caption.size(), std::min<size_t>(size, 500));
    EXPECT_EQ(a->Lines, (std::vector<std::string>{"x", "", "\n"}));
    EXPECT_EQ(b->Parent, a);
    EXPECT_EQ(b->Buddy, a);
    EXPECT_EQ(form.Focused, b);
    EXPECT_TRUE(WriteComponentText(form) == text);

    TMemoryStream stream;
    WriteComponent(stream, form);
    stream.SetPosition(0);
    TTestForm again(nullptr);
    ReadComponent(stream, again);
    EXPECT_TRUE(WriteComponentText(again) == text);
  }
}

TEST(FormReadErrors, NameTheProblemAndLeaveNothingBehind) {
  RegisterTestClasses();
  const auto expectError = [](const std::string& body, const std::string& part) {
    TTestForm form(nullptr);
    auto* existing = new TWidget(&form);
    existing->SetName("Existing");
    try {
      ReadComponentText("object Form1: TTestForm\n" + body + "end\n", form);
      ADD_FAILURE() << "accepted: " << body;
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 1) << body;
    EXPECT_EQ(form.ComponentState() & (csLoading | csReading), 0u);
  };
  expectError("  object X: TNoSuchClass\n  end\n", "Class TNoSuchClass not found on line 2");
  expectError("  object X: TWidget\n    Colour = 1\n  end\n", "X.Colour on line 3: Property Colour does not exist");
  expectError("  object X: TWidget\n    Font.Colour = 1\n  end\n", "Property Colour does not exist");
  expectError("  object X: TWidget\n    Left.X = 1\n  end\n", "Left has no properties");
  expectError("  object X: TWidget\n    Font = 1\n  end\n", "is an object");
  expectError("  object X: TWidget\n    Visible = 1\n  end\n", "X.Visible on line 3: Invalid property value");
  expectError("  object X: TWidget\n    Align = alLeft\n  end\n", "Invalid property value");
  expectError("  object X: TWidget\n    Anchors = [akLeft, akNowhere]\n  end\n", "Invalid property value");
  expectError("  object X: TWidget\n    Left = 4294967296\n  end\n", "out of range");
  expectError("  object X: TWidget\n    Left = 1\n    left = 2\n  end\n", "given twice");
  expectError("  object X: TWidget\n    Blob = 'text'\n  end\n", "Invalid property value");
  expectError("  object X: TWidget\n    Blob = {0500000041}\n  end\n", "X.Blob on line 3: Stream read error");
  RegisterComponentClass<TTrustingWidget>("TTrustingWidget");
  expectError("  object X: TTrustingWidget\n    Raw = {FFFFFFFF}\n  end\n", "X.Raw on line 3: Stream read error");
  expectError("  object X: TWidget\n    Items = <\n      item\n        Caption = 1\n      end>\n  end\n",
              "X.Items[0].Caption on line 5");
  expectError("  object X: TWidget\n    Buddy = Nobody\n  end\n", "X.Buddy on line 3: Component Nobody not found");
  expectError("  object X: TWidget\n    OnClick = Nothing\n  end\n", "Method Nothing not found in TTestForm");
  expectError("  object X: TWidget\n    OnClick = Count\n  end\n", "Method Count does not fit the event");
  expectError("  object Existing: TWidget\n  end\n", "Error reading Existing on line 2");
  expectError("  object X: TWidget\n    Buddy = Form1\n  end\n", "Form1 is a TTestForm, not a component");
  EXPECT_THROW(expectError("  object X: TWidget\n    Left = 'a\n  end\n", ""), EParserError);

  TTestForm form(nullptr);
  EXPECT_THROW(ReadComponentText("object F: TWidget\nend\n", form), EReadError);
  EXPECT_THROW(ReadRootText("object F: TUnknownForm\nend\n", nullptr), EClassNotFound);
  EXPECT_THROW(ReadRootText("object F: TTestForm\n  Width = 'x'\nend\n", nullptr), EReadError);
}
