// Every control class on a form under Wine: window class names, WindowProc
// replacement, and the notifications each control turns into events.
#include <gtest/gtest.h>

#include "HostTestUtil.h"
#include "host/win/Buttons.h"
#include "host/win/ComCtrls.h"
#include "host/win/Dialogs.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Grids.h"

namespace pelorin {
namespace {

using testing::Child;
using testing::THostTest;
using testing::WindowClassOf;

using HostStdControls = THostTest;

// Records a control's messages while it lives; the control outlives it (the
// application frees the forms), so it gets its own procedure back.
struct TRecorder {
  explicit TRecorder(TControl* c) : control(c), old(c->WindowProc()) {
    c->SetWindowProc([this](TMessage& m) {
      seen.push_back(m.Msg);
      old(m);
    });
  }
  ~TRecorder() { control->SetWindowProc(old); }
  TRecorder(const TRecorder&) = delete;
  TRecorder& operator=(const TRecorder&) = delete;
  bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
  TControl* control;
  TWndMethod old;
  std::vector<UINT> seen;
};

TEST_F(HostStdControls, EveryWindowedClassHasItsFrameworkWindowClass) {
  auto* form = new TForm(app);
  form->SetBounds(0, 0, 600, 500);
  std::vector<TWinControl*> controls = {
      new TButton(form),      new TBitBtn(form),      new TCheckBox(form),        new TRadioButton(form),
      new TRadioGroup(form),  new TGroupBox(form),    new TPanel(form),           new TEdit(form),
      new TMemo(form),        new TRichEdit(form),    new TListBox(form),         new TComboBox(form),
      new TScrollBox(form),   new TScrollBar(form),   new TTrackBar(form),        new TUpDown(form),
      new TProgressBar(form), new TStatusBar(form),   new TToolBar(form),         new TTabControl(form),
      new TPageControl(form), new TListView(form),    new TTreeView(form),        new TDateTimePicker(form),
      new TStringGrid(form),  new TFrame(form)};
  for (TWinControl* c : controls) c->SetParent(form);
  auto* sheet = new TTabSheet(form);
  sheet->SetPageControl(dynamic_cast<TPageControl*>(controls[20]));
  controls.push_back(sheet);
  auto* label = Child<TLabel>(form);
  Child<TSpeedButton>(form);

  // A message no system class gives a meaning to.
  const UINT probe = RegisterWindowMessageW(L"PelorinProbe");
  for (TWinControl* c : controls) {
    SCOPED_TRACE(c->ClassName());
    TRecorder rec(c);
    HWND wnd = c->Handle();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(WindowClassOf(wnd), c->ClassName());
    SendMessageW(wnd, probe, 0, 0);
    EXPECT_TRUE(rec.Saw(probe));
    c->SetWindowProc(rec.old);
  }
  // The superclasses behave like the system classes they extend.
  EXPECT_EQ(SendMessageW(controls[0]->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_BUTTON, DLGC_BUTTON);
  EXPECT_EQ(GetWindowLongPtrW(controls[1]->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(SendMessageW(controls[15]->Handle(), UDM_GETRANGE32, 0, 0), 0);
  EXPECT_FALSE(label->Parent()->ContainsControl(nullptr));
  EXPECT_EQ(form->ControlCount(), static_cast<int>(controls.size()) + 1);  // the sheet sits on the page control
}

TEST_F(HostStdControls, NotificationsBecomeEvents) {
  auto* form = new TForm(app);
  form->SetBounds(0, 0, 400, 300);
  HWND fw = form->Handle();

  auto* button = Child<TButton>(form);
  TRecorder buttonRec(button);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(buttonRec.Saw(CN_COMMAND));
  button->SetCaption("&Go");
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'g', 0), 1);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'x', 0), 0);

  auto* check = Child<TCheckBox>(form);
  SendMessageW(check->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  check->SetAlignment(taLeftJustify);  // recreated with its state
  EXPECT_TRUE(GetWindowLongPtrW(check->Handle(), GWL_STYLE) & BS_LEFTTEXT);
  EXPECT_TRUE(check->Checked());

  auto *r1 = Child<TRadioButton>(form), *r2 = Child<TRadioButton>(form);
  r1->SetChecked(true);
  SendMessageW(r2->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(r2->Checked());
  EXPECT_FALSE(r1->Checked());
  EXPECT_EQ(SendMessageW(r1->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  auto* combo = Child<TComboBox>(form);
  TStringList items;
  items.Add("alpha");
  items.Add("beta");
  combo->SetItems(items);
  int comboClicks = 0;
  combo->OnClick = [&](TObject*) { ++comboClicks; };
  SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
  SendMessageW(fw, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(comboClicks, 1);
  EXPECT_EQ(combo->Text(), "beta");
  EXPECT_EQ(combo->Height(), 21);  // the list is not part of the bounds

  auto* pages = Child<TPageControl>(form);
  pages->SetBounds(0, 0, 300, 200);
  auto* s1 = new TTabSheet(form);
  auto* s2 = new TTabSheet(form);
  s1->SetCaption("One");
  s2->SetCaption("Two");
  s1->SetPageControl(pages);
  s2->SetPageControl(pages);
  TRecorder pageRec(pages);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pages->ActivePage(), s1);
  SendMessageW(pages->Handle(), TCM_SETCURSEL, 1, 0);
  NMHDR hdr{pages->Handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(fw, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_TRUE(pageRec.Saw(CN_NOTIFY));
  EXPECT_EQ(pages->ActivePage(), s2);
  EXPECT_TRUE(IsWindowVisible(s2->Handle()) || !IsWindowVisible(fw));
  EXPECT_FALSE(GetWindowLongPtrW(s1->Handle(), GWL_STYLE) & WS_VISIBLE);
  // Sheets fill the display area under the tabs.
  EXPECT_GT(s2->Top(), 0);
  EXPECT_LT(s2->Width(), 300);
  pages->SetMultiLine(true);
  EXPECT_TRUE(GetWindowLongPtrW(pages->Handle(), GWL_STYLE) & TCS_MULTILINE);
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  pages->SetTabPosition(tpBottom);
  EXPECT_TRUE(GetWindowLongPtrW(pages->Handle(), GWL_STYLE) & TCS_BOTTOM);

  auto* track = Child<TTrackBar>(form);
  TRecorder trackRec(track);
  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(track->Handle(), TBM_SETPOS, TRUE, 7);
  SendMessageW(fw, WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(track->Handle()));
  EXPECT_TRUE(trackRec.Saw(CN_HSCROLL));
  EXPECT_EQ(track->Position(), 7);
  EXPECT_EQ(changes, 1);

  auto* bar = new TScrollBar(form);
  bar->SetKind(sbVertical);
  bar->SetParent(form);
  TRecorder barRec(bar);
  SendMessageW(fw, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  SendMessageW(fw, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_TRUE(barRec.Saw(CN_VSCROLL));
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 2);
  SendMessageW(fw, WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(bar->Handle()));
  SendMessageW(fw, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(bar->Position(), 0);

  auto* status = Child<TStatusBar>(form);
  status->SetPanels({{"1111", 50}, {"22222", 50}, {"33333", 50}});
  status->SetSizeGrip(false);
  int parts[4]{};
  ASSERT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 3);
  EXPECT_EQ(parts[2], 150);
  EXPECT_FALSE(GetWindowLongPtrW(status->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(status->BoundsRect().Bottom, form->ClientHeight());

  auto* progress = Child<TProgressBar>(form);
  progress->SetPosition(50);
  EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 50);
  progress->SetPosition(150);
  EXPECT_EQ(progress->Position(), 100);
}

TEST_F(HostStdControls, BitButtonsSpeedButtonsAndTheGrid) {
  auto* form = new TForm(app);
  form->SetBounds(0, 0, 400, 300);
  auto* bb = Child<TBitBtn>(form);
  bb->SetKind(bkClose);
  EXPECT_EQ(bb->Caption(), "&Close");
  TBitmap glyph(32, 16);  // two images: up and disabled
  glyph.Fill(clFuchsia);
  glyph.FillRect(Rect(4, 4, 12, 12), clBlue);
  glyph.SetPixel(0, 15, clFuchsia);
  bb->SetGlyph(glyph);
  EXPECT_EQ(bb->NumGlyphs(), 2);
  bool closed = false;
  form->OnClose = [&](TObject*, TCloseAction& a) {
    closed = true;
    a = caNone;
  };
  form->Show();
  SendMessageW(bb->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(closed);

  auto *sb = Child<TSpeedButton>(form), *sb2 = Child<TSpeedButton>(form);
  sb->SetBounds(200, 10, 23, 22);
  sb2->SetBounds(230, 10, 23, 22);
  sb->SetGroupIndex(1);
  sb2->SetGroupIndex(1);
  int clicks = 0;
  sb->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(205, 15));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(205, 15));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(sb->Down());
  sb2->SetDown(true);
  EXPECT_FALSE(sb->Down());
  sb2->SetDown(false);  // one of the group stays down
  EXPECT_TRUE(sb2->Down());

  auto* grid = Child<TStringGrid>(form);
  grid->SetBounds(0, 100, 300, 150);
  grid->SetDefaultRowHeight(18);
  grid->SetColCount(7);
  grid->SetFixedCols(0);
  grid->SetFixedColor(clRed);
  grid->SetCells(1, 0, "column1");
  EXPECT_EQ(grid->Cells(1, 0), "column1");
  EXPECT_EQ(grid->Cells(99, 99), "");
  EXPECT_THROW(grid->SetCells(7, 0, "x"), EListError);
  EXPECT_EQ(grid->CellRect(1, 1), Bounds(65, 19, 64, 18));
  EXPECT_EQ(grid->MouseCoord(66, 20), Point(1, 1));
  EXPECT_EQ(grid->MouseCoord(-1, 5), Point(-1, -1));
  UpdateWindow(form->Handle());
  UpdateWindow(grid->Handle());
  HDC dc = GetDC(grid->Handle());
  EXPECT_EQ(GetPixel(dc, 150, 2), RGB(255, 0, 0));  // a fixed cell
  EXPECT_EQ(GetPixel(dc, 64, 2), ColorToRGB(clBtnShadow));  // grid line
  ReleaseDC(grid->Handle(), dc);
}

TEST_F(HostStdControls, TimersAndMessageDialogs) {
  auto* timer = new TTimer(app);
  timer->SetEnabled(false);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  timer->SetEnabled(true);
  const DWORD start = GetTickCount();
  while (ticks < 2 && GetTickCount() - start < 2000) {
    Pump();
    Sleep(5);
  }
  EXPECT_GE(ticks, 2);
  timer->SetEnabled(false);
  const int stopped = ticks;
  Sleep(30);
  Pump();
  EXPECT_EQ(ticks, stopped);

  std::string caption;
  int flags = 0;
  SetMessageBoxFunc([&](const std::string&, const std::string& c, int f) {
    caption = c;
    flags = f;
    return idYes;
  });
  EXPECT_EQ(MessageDlg("Really?", mtConfirmation, mbYesNo), mrYes);
  EXPECT_EQ(caption, "Confirm");
  EXPECT_EQ(flags, mbYesNo | MB_ICONQUESTION);
  ShowMessage("hi");
  EXPECT_EQ(caption, app->Title());
}

TEST(HostButtonLayout, GlyphAndCaptionPlacement) {
  const TRect client = Rect(0, 0, 100, 30);
  // Centred pair, fixed spacing.
  TButtonPieces p = LayoutButton(client, {16, 16}, {40, 12}, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.Glyph, Bounds(20, 7, 16, 16));
  EXPECT_EQ(p.Text, Bounds(40, 9, 40, 12));
  // Margin from the glyph's side, for each side.
  p = LayoutButton(client, {16, 16}, {40, 12}, blGlyphRight, 5, 4);
  EXPECT_EQ(p.Glyph.Right, 95);
  EXPECT_EQ(p.Text.Right, 75);
  p = LayoutButton(Rect(0, 0, 60, 60), {16, 16}, {30, 10}, blGlyphTop, 2, 3);
  EXPECT_EQ(p.Glyph, Bounds(22, 2, 16, 16));
  EXPECT_EQ(p.Text.Top, 21);
  p = LayoutButton(Rect(0, 0, 60, 60), {16, 16}, {30, 10}, blGlyphBottom, 2, 3);
  EXPECT_EQ(p.Glyph.Bottom, 58);
  EXPECT_EQ(p.Text.Bottom, 39);
  // Spacing -1 with margin -1: equal gaps.
  p = LayoutButton(Rect(0, 0, 91, 20), {16, 16}, {30, 10}, blGlyphLeft, -1, -1);
  EXPECT_EQ(p.Glyph.Left, 15);
  EXPECT_EQ(p.Text.Left, 46);
  // No glyph: the caption is centred without spacing.
  p = LayoutButton(client, {0, 0}, {40, 12}, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.Text.Left, 30);
  // Offset clients keep their origin.
  p = LayoutButton(client.Offset(10, 20), {16, 16}, {40, 12}, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.Glyph.Left, 30);
  EXPECT_EQ(p.Glyph.Top, 27);
}

template <size_t N>
std::wstring Nul(const wchar_t (&text)[N]) {
  return std::wstring(text, N - 1);
}

TEST(HostDialogs, FilterTextInSystemForm) {
  EXPECT_EQ(FilterToSystem("Skin files (*.skn)|*.SKN"), Nul(L"Skin files (*.skn)\0*.SKN\0\0"));
  EXPECT_EQ(FilterToSystem("A|*.a|B|*.b"), Nul(L"A\0*.a\0B\0*.b\0\0"));
  EXPECT_EQ(FilterToSystem("Lonely"), Nul(L"Lonely\0\0\0"));
  EXPECT_EQ(FilterToSystem(""), std::wstring(2, L'\0'));
}

}  // namespace
}  // namespace pelorin
