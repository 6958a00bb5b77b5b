// Forms read from text form files: controls nested by parent, menus by item,
// properties of every kind, and events bound to the form's methods.
#include <gtest/gtest.h>

#include "HostTestUtil.h"
#include "host/core/Filer.h"
#include "host/win/Buttons.h"
#include "host/win/ComCtrls.h"
#include "host/win/ExtCtrls.h"
#include "host/win/FormStreaming.h"
#include "host/win/Grids.h"
#include "host/win/Menus.h"

namespace pelorin {
namespace {

using testing::THostTest;
using testing::WindowClassOf;

constexpr const char* kFormText = R"(object Form9: TForm9
  Left = 218
  Top = 125
  Width = 479
  Height = 359
  Caption = 'Pelorin'
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Font.Style = [fsBold]
  Menu = MainMenu1
  ShowHint = True
  object PageControl1: TPageControl
    Left = 24
    Top = 8
    Width = 417
    Height = 217
    ActivePage = TabSheet2
    MultiLine = True
    object TabSheet1: TTabSheet
      Caption = 'Control'
      object Button4: TButton
        Left = 8
        Top = 8
        Caption = 'UnSkin'
        Default = True
        OnClick = Button2Click
      end
      object CheckBox2: TCheckBox
        Left = 8
        Top = 40
        Caption = 'CheckBox2'
        Alignment = taLeftJustify
        Checked = True
        Hint = 'checkbox2'
      end
      object SpeedButton1: TSpeedButton
        Left = 100
        Top = 8
        Caption = 'SpeedBtn'
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'TListbox'
      object ListBox1: TListBox
        Align = alClient
        Items.Strings = (
          'first'
          'second')
      end
    end
  end
  object StatusBar1: TStatusBar
    SizeGrip = False
    PanelTexts = (
      '1111|50'
      '22222|50')
  end
  object StringGrid1: TStringGrid
    Left = 24
    Top = 230
    DefaultRowHeight = 18
    FixedCols = 0
    FixedColor = 255
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = '&Exit'
        ShortCut = 16472
        OnClick = Button2Click
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 50
  end
end
)";

class TForm9 : public TForm {
public:
  explicit TForm9(TComponent* owner, const std::string& text = kFormText) : TForm(owner) {
    ReadComponentText(text, *this);
  }
  std::string ClassName() const override { return "TForm9"; }
  void Button2Click(TObject* sender) { clickedBy = sender; }
  TObject* clickedBy = nullptr;
};

using HostFormFiles = THostTest;

TEST_F(HostFormFiles, FormsReadTheirControlsMenusAndEvents) {
  RegisterHostClasses();
  RegisterComponentClass<TForm9>("TForm9");
  RegisterMethod("TForm9", "Button2Click", &TForm9::Button2Click);
  TForm9* form = nullptr;
  app->CreateForm(form);

  EXPECT_EQ(form->Caption(), "Pelorin");
  EXPECT_EQ(form->BoundsRect(), Bounds(218, 125, 479, 359));
  EXPECT_EQ(form->Font().Style(), unsigned(fsBold));
  EXPECT_EQ(form->Color(), clBtnFace);

  auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1"));
  auto* sheet1 = dynamic_cast<TTabSheet*>(form->FindComponent("TabSheet1"));
  auto* sheet2 = dynamic_cast<TTabSheet*>(form->FindComponent("TabSheet2"));
  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button4"));
  auto* check = dynamic_cast<TCheckBox*>(form->FindComponent("CheckBox2"));
  auto* speed = dynamic_cast<TSpeedButton*>(form->FindComponent("SpeedButton1"));
  auto* list = dynamic_cast<TListBox*>(form->FindComponent("ListBox1"));
  auto* status = dynamic_cast<TStatusBar*>(form->FindComponent("StatusBar1"));
  auto* grid = dynamic_cast<TStringGrid*>(form->FindComponent("StringGrid1"));
  auto* exitItem = dynamic_cast<TMenuItem*>(form->FindComponent("Exit1"));
  auto* timer = dynamic_cast<TTimer*>(form->FindComponent("Timer1"));
  ASSERT_TRUE(pages && sheet1 && sheet2 && button && check && speed && list && status && grid && exitItem && timer);

  // Nesting in the file is the parent chain.
  EXPECT_EQ(sheet1->PageControl(), pages);
  EXPECT_EQ(button->Parent(), sheet1);
  EXPECT_EQ(speed->Parent(), sheet1);
  EXPECT_EQ(list->Parent(), sheet2);
  EXPECT_EQ(pages->ActivePage(), sheet2);
  EXPECT_TRUE(pages->MultiLine());
  EXPECT_EQ(list->Items().Count(), 2);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(check->Alignment(), taLeftJustify);
  EXPECT_EQ(check->Hint(), "checkbox2");
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(button->Font().Style(), unsigned(fsBold));  // taken from the form
  EXPECT_EQ(status->PanelCount(), 2);
  EXPECT_EQ(status->Panel(1).Text, "22222");
  EXPECT_FALSE(status->SizeGrip());
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->DefaultRowHeight(), 18);
  EXPECT_EQ(grid->FixedColor(), clRed);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 50u);
  EXPECT_EQ(exitItem->ShortCut(), ShortCut('X', scCtrl));

  // The windows: framework class names, the menu on the form, events bound.
  form->Show();
  EXPECT_EQ(WindowClassOf(form->Handle()), "TForm9");
  EXPECT_EQ(WindowClassOf(sheet1->Handle()), "TTabSheet");
  EXPECT_EQ(WindowClassOf(list->Handle()), "TListBox");
  EXPECT_EQ(GetParent(list->Handle()), sheet2->Handle());
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_TRUE(GetWindowLongPtrW(button->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  ASSERT_NE(GetMenu(form->Handle()), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form->Handle()), 0)), 1);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->clickedBy, button);
  SendMessageW(form->Handle(), WM_COMMAND, exitItem->Command(), 0);
  EXPECT_EQ(form->clickedBy, exitItem);
}

// Written back, a form keeps its tree: controls inside their parents, items
// inside their menus, each once; the text reads into the same form again.
TEST_F(HostFormFiles, FormsWriteTheTreeTheyRead) {
  RegisterHostClasses();
  RegisterComponentClass<TForm9>("TForm9");
  RegisterMethod("TForm9", "Button2Click", &TForm9::Button2Click);
  TForm9* form = nullptr;
  app->CreateForm(form);
  const std::string text = WriteComponentText(*form);
  const auto count = [&](const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("object Button4: TButton"), 1u);
  EXPECT_EQ(count("object TabSheet1: TTabSheet"), 1u);
  EXPECT_EQ(count("object MainMenu1: TMainMenu"), 1u);
  EXPECT_EQ(count("object Timer1: TTimer"), 1u);
  EXPECT_EQ(count("object Exit1: TMenuItem"), 1u);
  EXPECT_NE(text.find("      object Exit1: TMenuItem"), std::string::npos);  // inside File1
  EXPECT_NE(text.find("      object Button4: TButton"), std::string::npos);  // inside the tab sheet

  auto again = std::make_unique<TForm9>(nullptr, text);  // no owner: its name is free
  EXPECT_EQ(WriteComponentText(*again), text);
  auto* button = dynamic_cast<TButton*>(again->FindComponent("Button4"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), again->FindComponent("TabSheet1"));
  auto* menu = dynamic_cast<TMainMenu*>(again->FindComponent("MainMenu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(again->Menu(), menu);
  EXPECT_EQ(menu->Items()->Count(), form->Menu()->Items()->Count());
}

TEST_F(HostFormFiles, BadFormFilesRaiseAndLeaveNothingBehind) {
  RegisterHostClasses();
  TForm form(nullptr);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  object B: TButton\n    Default = 5\n  end\nend\n", form), EReadError);
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  object B: TNoSuchControl\n  end\nend\n", form), EClassNotFound);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  Color = clNoColour\nend\n", form), EReadError);
  EXPECT_THROW(ReadComponentText("object F: TForm\n  object G: TStringGrid\n    FixedCols = 9\n  end\nend\n", form),
               EReadError);
  EXPECT_EQ(form.ComponentCount(), 0);
}

}  // namespace
}  // namespace pelorin
