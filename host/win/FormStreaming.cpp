// The stored properties of the framework's Win32 classes for form files, and
// the registration of the classes a form file may name.
#include <map>

#include "host/core/Filer.h"
#include "host/win/Buttons.h"
#include "host/win/ComCtrls.h"
#include "host/win/Dialogs.h"
#include "host/win/ExtCtrls.h"
#include "host/win/FormStreaming.h"
#include "host/win/Grids.h"
#include "host/win/Menus.h"

namespace pelorin {

namespace {

const std::map<std::string, TColor, std::less<>>& ColorNames() {
  static const std::map<std::string, TColor, std::less<>> names = {
      {"clBlack", clBlack},         {"clWhite", clWhite},       {"clRed", clRed},
      {"clLime", clLime},           {"clBlue", clBlue},         {"clFuchsia", clFuchsia},
      {"clGray", clGray},           {"clSilver", clSilver},     {"clBtnFace", clBtnFace},
      {"clWindow", clWindow},       {"clWindowText", clWindowText}, {"clBtnText", clBtnText},
      {"clBtnShadow", clBtnShadow}, {"clHighlight", clHighlight}, {"clMenu", clMenu},
      {"clAppWorkSpace", clAppWorkSpace}, {"clInfoBk", clInfoBk}, {"clNone", clNone}, {"clDefault", clDefault}};
  return names;
}

// Colours are stored by name when they have one, else as numbers.
void DefineColor(TFiler& filer, const std::string& name, std::function<TColor()> get, std::function<void(TColor)> set,
                 TColor defaultValue) {
  const TColor current = get();
  filer.DefineProperty(
      name,
      [set](TReader& r) {
        if (r.Value().Kind == TFormValue::vkIdent) {
          auto it = ColorNames().find(r.ReadIdent());
          if (it == ColorNames().end()) r.InvalidValue();
          set(it->second);
        } else {
          set(static_cast<TColor>(r.ReadInteger()));
        }
      },
      [current](TWriter& w) {
        for (const auto& [n, c] : ColorNames())
          if (c == current) return w.WriteIdent(n);
        w.WriteInteger(current);
      },
      current != defaultValue);
}

const std::vector<std::string> kAlignNames = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
const std::vector<std::string> kAlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> kLayoutNames = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};

// A bitmap property stored as the bytes of a Windows bitmap file.
void DefineBitmap(TFiler& filer, const std::string& name, TBitmap& bitmap, std::function<void(const TBitmap&)> set) {
  filer.DefineBinaryProperty(
      name,
      [set](TStream& s) {
        TBitmap b;
        b.LoadFromStream(s);
        set(b);
      },
      [&bitmap](TStream& s) { bitmap.SaveToStream(s); }, !bitmap.Empty());
}

}  // namespace

void TFont::DefineProperties(TFiler& f) {
  f.DefineString("Name", [this] { return name_; }, [this](const std::string& v) { SetName(v); });
  f.DefineInteger("Height", [this] { return height_; }, [this](int64_t v) { SetHeight(static_cast<int>(v)); });
  f.DefineInteger("Charset", [this] { return charset_; }, [this](int64_t v) { SetCharset(static_cast<int>(v)); },
                  DEFAULT_CHARSET);
  DefineColor(f, "Color", [this] { return color_; }, [this](TColor c) { SetColor(c); }, clWindowText);
  f.DefineSet("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, [this] { return style_; },
              [this](uint32_t v) { SetStyle(v); }, 0u);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

TComponent* TControl::ParentComponent() const { return Parent(); }

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* c : controls_)
    if (c->Owner() == root) proc(c);
  // The root also writes what it owns outside any parent: menus, dialogs, timers.
  if (root == this) TComponent::GetChildren(proc, root);
}

void TControl::DefineProperties(TFiler& f) {
  TComponent::DefineProperties(f);
  f.DefineInteger("Left", [this] { return left_; }, [this](int64_t v) { SetLeft(static_cast<int>(v)); });
  f.DefineInteger("Top", [this] { return top_; }, [this](int64_t v) { SetTop(static_cast<int>(v)); });
  f.DefineInteger("Width", [this] { return width_; }, [this](int64_t v) { SetWidth(static_cast<int>(v)); });
  f.DefineInteger("Height", [this] { return height_; }, [this](int64_t v) { SetHeight(static_cast<int>(v)); });
  f.DefineString("Caption", [this] { return text_; }, [this](const std::string& v) { SetText(v); }, "");
  f.DefineString("Hint", [this] { return hint_; }, [this](const std::string& v) { hint_ = v; }, "");
  f.DefineBoolean("ShowHint", [this] { return showHint_; }, [this](bool v) { showHint_ = v; }, false);
  f.DefineBoolean("Enabled", [this] { return enabled_; }, [this](bool v) { SetEnabled(v); }, true);
  f.DefineBoolean("Visible", [this] { return visible_; }, [this](bool v) { SetVisible(v); }, true);
  f.DefineBoolean("ParentFont", [this] { return parentFont_; }, [this](bool v) { SetParentFont(v); }, true);
  f.DefineEnum("Align", kAlignNames, [this] { return int(align_); }, [this](int v) { SetAlign(TAlign(v)); }, 0);
  DefineColor(f, "Color", [this] { return color_; }, [this](TColor c) { SetColor(c); }, color_);
  f.DefineObject("Font", font_);
  f.DefineEvent("OnClick", OnClick);
}

void TCustomForm::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("AutoScroll", [this] { return autoScroll_; }, [this](bool v) { SetAutoScroll(v); }, false);
  f.DefineEnum("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}, [this] { return int(formStyle_); },
               [this](int v) { formStyle_ = TFormStyle(v); }, 0);
  f.DefineComponent<TMainMenu>("Menu", [this] { return menu_; }, [this](TMainMenu* m) { SetMenu(m); });
  f.DefineEvent("OnCreate", OnCreate);
  f.DefineEvent("OnShow", OnShow);
  f.DefineEvent("OnDestroy", OnDestroy);
}

void TButton::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("Default", [this] { return default_; }, [this](bool v) { SetDefault(v); }, false);
  f.DefineBoolean("Cancel", [this] { return cancel_; }, [this](bool v) { cancel_ = v; }, false);
  f.DefineInteger("ModalResult", [this] { return modalResult_; }, [this](int64_t v) { modalResult_ = int(v); }, 0);
}

void TCustomCheckBox::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("Checked", [this] { return Checked(); }, [this](bool v) { SetChecked(v); }, false);
  f.DefineEnum("Alignment", kAlignmentNames, [this] { return int(alignment_); },
               [this](int v) { SetAlignment(TAlignment(v)); }, int(taRightJustify));
  f.DefineBoolean("AllowGrayed", [this] { return allowGrayed_; }, [this](bool v) { allowGrayed_ = v; }, false);
}

void TRadioButton::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("Checked", [this] { return checked_; }, [this](bool v) { SetChecked(v); }, false);
  f.DefineEnum("Alignment", kAlignmentNames, [this] { return int(alignment_); },
               [this](int v) { SetAlignment(TAlignment(v)); }, int(taRightJustify));
}

void TLabel::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("Transparent", [this] { return transparent_; }, [this](bool v) { SetTransparent(v); }, false);
  f.DefineBoolean("AutoSize", [this] { return autoSize_; }, [this](bool v) { SetAutoSize(v); }, true);
  f.DefineBoolean("WordWrap", [this] { return wordWrap_; }, [this](bool v) { SetWordWrap(v); }, false);
}

void TCustomEdit::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineString("Text", [this] { return Text(); }, [this](const std::string& v) { SetText(v); }, "");
  f.DefineBoolean("ReadOnly", [this] { return readOnly_; }, [this](bool v) { SetReadOnly(v); }, false);
  f.DefineInteger("MaxLength", [this] { return maxLength_; }, [this](int64_t v) { SetMaxLength(int(v)); }, 0);
  f.DefineEvent("OnChange", OnChange);
}

void TCustomMemo::DefineProperties(TFiler& f) {
  TCustomEdit::DefineProperties(f);
  f.DefineStrings(
      "Lines.Strings",
      [this] {
        TStringList l = Lines();
        std::vector<std::string> v;
        for (int i = 0; i < l.Count(); ++i) v.push_back(l[i]);
        return v;
      },
      [this](const std::vector<std::string>& v) {
        TStringList l;
        for (const auto& s : v) l.Add(s);
        SetLines(l);
      });
  f.DefineEnum("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, [this] { return int(scrollBars_); },
               [this](int v) { SetScrollBars(TScrollStyle(v)); }, 0);
  f.DefineBoolean("WordWrap", [this] { return wordWrap_; }, [this](bool v) { SetWordWrap(v); }, true);
}

namespace {
std::vector<std::string> ToVector(const TStringList& l) {
  std::vector<std::string> v;
  for (int i = 0; i < l.Count(); ++i) v.push_back(l[i]);
  return v;
}
TStringList ToList(const std::vector<std::string>& v) {
  TStringList l;
  for (const auto& s : v) l.Add(s);
  return l;
}
}  // namespace

void TCustomListBox::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineStrings("Items.Strings", [this] { return ToVector(items_); },
                  [this](const std::vector<std::string>& v) { SetItems(ToList(v)); });
}

void TCustomComboBox::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineStrings("Items.Strings", [this] { return ToVector(items_); },
                  [this](const std::vector<std::string>& v) { SetItems(ToList(v)); });
  f.DefineString("Text", [this] { return Text(); }, [this](const std::string& v) { SetText(v); }, "");
  f.DefineEnum("Style", {"csDropDown", "csSimple", "csDropDownList"}, [this] { return int(style_); },
               [this](int v) { SetStyle(TComboBoxStyle(v)); }, 0);
  f.DefineEvent("OnChange", OnChange);
}

void TScrollBar::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineEnum("Kind", {"sbHorizontal", "sbVertical"}, [this] { return int(kind_); },
               [this](int v) { SetKind(TScrollBarKind(v)); }, 0);
  f.DefineInteger("Max", [this] { return max_; }, [this](int64_t v) { SetParams(position_, min_, int(v)); }, 100);
  f.DefineInteger("Position", [this] { return position_; }, [this](int64_t v) { SetPosition(int(v)); }, 0);
}

void TCustomPanel::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  const std::vector<std::string> names = {"bvNone", "bvLowered", "bvRaised"};
  f.DefineEnum("BevelOuter", names, [this] { return int(bevelOuter_); }, [this](int v) { SetBevelOuter(TPanelBevel(v)); },
               int(bvRaised));
  f.DefineEnum("BevelInner", names, [this] { return int(bevelInner_); }, [this](int v) { SetBevelInner(TPanelBevel(v)); },
               int(bvNone));
}

void TCustomRadioGroup::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineStrings("Items.Strings", [this] { return ToVector(items_); },
                  [this](const std::vector<std::string>& v) { SetItems(ToList(v)); });
  f.DefineInteger("ItemIndex", [this] { return itemIndex_; }, [this](int64_t v) { SetItemIndex(int(v)); }, -1);
  f.DefineInteger("Columns", [this] { return columns_; }, [this](int64_t v) { SetColumns(int(v)); }, 1);
}

void TTimer::DefineProperties(TFiler& f) {
  TComponent::DefineProperties(f);
  f.DefineBoolean("Enabled", [this] { return enabled_; }, [this](bool v) { SetEnabled(v); }, true);
  f.DefineInteger("Interval", [this] { return interval_; }, [this](int64_t v) { SetInterval(unsigned(v)); }, 1000);
  f.DefineEvent("OnTimer", OnTimer);
}

void TBitBtn::DefineProperties(TFiler& f) {
  TButton::DefineProperties(f);
  f.DefineEnum("Kind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
                        "bkIgnore", "bkAll"},
               [this] { return int(kind_); }, [this](int v) { SetKind(TBitBtnKind(v)); }, 0);
  DefineBitmap(f, "Glyph.Data", glyph_.Glyph(), [this](const TBitmap& b) { SetGlyph(b); });
  f.DefineInteger("NumGlyphs", [this] { return NumGlyphs(); }, [this](int64_t v) { SetNumGlyphs(int(v)); }, 1);
  f.DefineEnum("Layout", kLayoutNames, [this] { return int(layout_); }, [this](int v) { SetLayout(TButtonLayout(v)); }, 0);
  f.DefineInteger("Margin", [this] { return margin_; }, [this](int64_t v) { SetMargin(int(v)); }, -1);
  f.DefineInteger("Spacing", [this] { return spacing_; }, [this](int64_t v) { SetSpacing(int(v)); }, 4);
}

void TSpeedButton::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  DefineBitmap(f, "Glyph.Data", glyph_.Glyph(), [this](const TBitmap& b) { SetGlyph(b); });
  f.DefineInteger("NumGlyphs", [this] { return NumGlyphs(); }, [this](int64_t v) { SetNumGlyphs(int(v)); }, 1);
  f.DefineInteger("GroupIndex", [this] { return groupIndex_; }, [this](int64_t v) { groupIndex_ = int(v); }, 0);
  f.DefineBoolean("Down", [this] { return down_; }, [this](bool v) { SetDown(v); }, false);
  f.DefineBoolean("Flat", [this] { return flat_; }, [this](bool v) { SetFlat(v); }, false);
  f.DefineEnum("Layout", kLayoutNames, [this] { return int(layout_); }, [this](int v) { SetLayout(TButtonLayout(v)); }, 0);
  f.DefineInteger("Margin", [this] { return margin_; }, [this](int64_t v) { SetMargin(int(v)); }, -1);
  f.DefineInteger("Spacing", [this] { return spacing_; }, [this](int64_t v) { SetSpacing(int(v)); }, 4);
}

void TRangeControl::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineInteger("Min", [this] { return min_; }, [this](int64_t v) { SetRange(int(v), std::max(int(v), max_)); }, 0);
  f.DefineInteger("Max", [this] { return max_; }, [this](int64_t v) { SetRange(std::min(min_, int(v)), int(v)); });
  f.DefineInteger("Position", [this] { return position_; }, [this](int64_t v) { SetPosition(int(v)); }, 0);
}

void TStatusBar::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("SizeGrip", [this] { return sizeGrip_; }, [this](bool v) { SetSizeGrip(v); }, true);
  f.DefineBoolean("SimplePanel", [this] { return simplePanel_; }, [this](bool v) { SetSimplePanel(v); }, false);
  f.DefineString("SimpleText", [this] { return simpleText_; }, [this](const std::string& v) { SetSimpleText(v); },
                 std::string());
  // Panels as "text|width" lines.
  f.DefineStrings(
      "PanelTexts",
      [this] {
        std::vector<std::string> v;
        for (const auto& p : panels_) v.push_back(p.Text + "|" + std::to_string(p.Width));
        return v;
      },
      [this](const std::vector<std::string>& v) {
        std::vector<TStatusPanel> panels;
        for (const std::string& s : v) {
          const size_t bar = s.rfind('|');
          TStatusPanel p{s.substr(0, bar), 50};
          if (bar != std::string::npos) p.Width = std::atoi(s.c_str() + bar + 1);
          panels.push_back(p);
        }
        SetPanels(panels);
      });
}

void TToolBar::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("Flat", [this] { return flat_; }, [this](bool v) { SetFlat(v); }, false);
}

void TCustomTabControl::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("MultiLine", [this] { return multiLine_; }, [this](bool v) { SetMultiLine(v); }, false);
  f.DefineEnum("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}, [this] { return int(tabPosition_); },
               [this](int v) { SetTabPosition(TTabPosition(v)); }, 0);
  f.DefineEvent("OnChange", OnChange);
}

void TPageControl::DefineProperties(TFiler& f) {
  TCustomTabControl::DefineProperties(f);
  f.DefineComponent<TTabSheet>("ActivePage", [this] { return activePage_; }, [this](TTabSheet* p) { SetActivePage(p); });
}

void TTabSheet::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineBoolean("TabVisible", [this] { return tabVisible_; }, [this](bool v) { SetTabVisible(v); }, true);
}

void TCustomGrid::DefineProperties(TFiler& f) {
  TControl::DefineProperties(f);
  f.DefineInteger("ColCount", [this] { return colCount_; }, [this](int64_t v) { SetColCount(int(v)); }, 5);
  f.DefineInteger("RowCount", [this] { return rowCount_; }, [this](int64_t v) { SetRowCount(int(v)); }, 5);
  f.DefineInteger("FixedCols", [this] { return fixedCols_; }, [this](int64_t v) { SetFixedCols(int(v)); }, 1);
  f.DefineInteger("FixedRows", [this] { return fixedRows_; }, [this](int64_t v) { SetFixedRows(int(v)); }, 1);
  f.DefineInteger("DefaultRowHeight", [this] { return rowHeight_; }, [this](int64_t v) { SetDefaultRowHeight(int(v)); }, 24);
  f.DefineInteger("DefaultColWidth", [this] { return colWidth_; }, [this](int64_t v) { SetDefaultColWidth(int(v)); }, 64);
  DefineColor(f, "FixedColor", [this] { return fixedColor_; }, [this](TColor c) { SetFixedColor(c); }, clBtnFace);
}

TComponent* TMenuItem::ParentComponent() const {
  if (!parent_) return nullptr;
  // Items of a menu's top level belong to the menu, not to its root item.
  return parent_->menu_ ? static_cast<TComponent*>(parent_->menu_) : parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
  else if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
}

void TMenuItem::DefineProperties(TFiler& f) {
  TComponent::DefineProperties(f);
  f.DefineString("Caption", [this] { return caption_; }, [this](const std::string& v) { SetCaption(v); }, "");
  f.DefineInteger("ShortCut", [this] { return shortCut_; }, [this](int64_t v) { SetShortCut(TShortCut(v)); }, 0);
  f.DefineInteger("ImageIndex", [this] { return imageIndex_; }, [this](int64_t v) { SetImageIndex(int(v)); }, -1);
  f.DefineBoolean("Checked", [this] { return checked_; }, [this](bool v) { SetChecked(v); }, false);
  f.DefineBoolean("Enabled", [this] { return enabled_; }, [this](bool v) { SetEnabled(v); }, true);
  f.DefineBoolean("Visible", [this] { return visible_; }, [this](bool v) { SetVisible(v); }, true);
  f.DefineBoolean("Default", [this] { return default_; }, [this](bool v) { SetDefault(v); }, false);
  f.DefineEvent("OnClick", OnClick);
}

void TMenu::DefineProperties(TFiler& f) {
  TComponent::DefineProperties(f);
  f.DefineComponent<TImageList>("Images", [this] { return images_; }, [this](TImageList* i) { SetImages(i); });
  f.DefineBoolean("OwnerDraw", [this] { return ownerDraw_; }, [this](bool v) { SetOwnerDraw(v); }, false);
}

void TImageList::DefineProperties(TFiler& f) {
  TComponent::DefineProperties(f);
  f.DefineInteger("Width", [this] { return width_; }, [this](int64_t v) { SetSize(int(v), height_); }, 16);
  f.DefineInteger("Height", [this] { return height_; }, [this](int64_t v) { SetSize(width_, int(v)); }, 16);
}

void RegisterHostClasses() {
  RegisterComponentClass<TForm>("TForm");
  RegisterComponentClass<TFrame>("TFrame");
  RegisterComponentClass<TButton>("TButton");
  RegisterComponentClass<TBitBtn>("TBitBtn");
  RegisterComponentClass<TSpeedButton>("TSpeedButton");
  RegisterComponentClass<TCheckBox>("TCheckBox");
  RegisterComponentClass<TRadioButton>("TRadioButton");
  RegisterComponentClass<TRadioGroup>("TRadioGroup");
  RegisterComponentClass<TGroupBox>("TGroupBox");
  RegisterComponentClass<TLabel>("TLabel");
  RegisterComponentClass<TPanel>("TPanel");
  RegisterComponentClass<TEdit>("TEdit");
  RegisterComponentClass<TMemo>("TMemo");
  RegisterComponentClass<TRichEdit>("TRichEdit");
  RegisterComponentClass<TListBox>("TListBox");
  RegisterComponentClass<TComboBox>("TComboBox");
  RegisterComponentClass<TScrollBox>("TScrollBox");
  RegisterComponentClass<TScrollBar>("TScrollBar");
  RegisterComponentClass<TTrackBar>("TTrackBar");
  RegisterComponentClass<TUpDown>("TUpDown");
  RegisterComponentClass<TProgressBar>("TProgressBar");
  RegisterComponentClass<TStatusBar>("TStatusBar");
  RegisterComponentClass<TToolBar>("TToolBar");
  RegisterComponentClass<TTabControl>("TTabControl");
  RegisterComponentClass<TPageControl>("TPageControl");
  RegisterComponentClass<TTabSheet>("TTabSheet");
  RegisterComponentClass<TListView>("TListView");
  RegisterComponentClass<TTreeView>("TTreeView");
  RegisterComponentClass<TDateTimePicker>("TDateTimePicker");
  RegisterComponentClass<TStringGrid>("TStringGrid");
  RegisterComponentClass<TMainMenu>("TMainMenu");
  RegisterComponentClass<TPopupMenu>("TPopupMenu");
  RegisterComponentClass<TMenuItem>("TMenuItem");
  RegisterComponentClass<TImageList>("TImageList");
  RegisterComponentClass<TTimer>("TTimer");
  RegisterComponentClass<TOpenDialog>("TOpenDialog");
  RegisterComponentClass<TFontDialog>("TFontDialog");
  RegisterComponentClass<TColorDialog>("TColorDialog");
  RegisterComponentClass<TPrintDialog>("TPrintDialog");
}

}  // namespace pelorin
