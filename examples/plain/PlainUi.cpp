#include "PlainUi.h"

#include <commctrl.h>

#include <initializer_list>

#include "PlainIds.h"

namespace plain {

namespace {

constexpr const wchar_t* kMainClass = L"PelorinPlainMain";
TCommandHandler gOnCommand = nullptr;

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
  HWND wnd = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return wnd;
}

void FillDialog(HWND dlg) {
  for (const wchar_t* text : {L"First", L"Second", L"Third"})
    SendDlgItemMessageW(dlg, IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  SendDlgItemMessageW(dlg, IDC_COMBO, CB_SETCURSEL, 0, 0);
  for (int i = 1; i <= 12; ++i) {  // more than fit: the list scrolls
    wchar_t text[16];
    wsprintfW(text, L"Item %d", i);
    SendDlgItemMessageW(dlg, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SetDlgItemTextW(dlg, IDC_EDIT, L"Edit");
  SetDlgItemTextW(dlg, IDC_MEMO, L"A memo\r\nwith\r\nmore\r\nlines\r\nthan\r\nit\r\nshows");
  CheckDlgButton(dlg, IDC_CHECK, BST_CHECKED);
  CheckRadioButton(dlg, IDC_RADIO1, IDC_RADIO2, IDC_RADIO1);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
  SetScrollInfo(GetDlgItem(dlg, IDC_SCROLL), SB_CTL, &si, TRUE);
  SendDlgItemMessageW(dlg, IDC_UPDOWN, UDM_SETRANGE32, 0, 99);
  SendDlgItemMessageW(dlg, IDC_UPDOWN, UDM_SETPOS32, 0, 7);
  SendDlgItemMessageW(dlg, IDC_PROGRESS, PBM_SETPOS, 60, 0);
  SendDlgItemMessageW(dlg, IDC_TRACK, TBM_SETPOS, TRUE, 4);

  HWND tab = GetDlgItem(dlg, IDC_TAB);
  for (const wchar_t* text : {L"One", L"Two", L"Three"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tab, TCM_INSERTITEMW, SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
  }
  HWND list = GetDlgItem(dlg, IDC_LISTVIEW);
  const wchar_t* columns[] = {L"Name", L"Size"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 90 - 30 * c;
    col.pszText = const_cast<wchar_t*>(columns[c]);
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
  for (int i = 0; i < 8; ++i) {
    wchar_t text[16];
    wsprintfW(text, L"File %d", i + 1);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  HWND tree = GetDlgItem(dlg, IDC_TREE);
  TVINSERTSTRUCTW ins{};
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT;
  ins.item.pszText = const_cast<wchar_t*>(L"Root");
  auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
  ins.hParent = root;
  for (const wchar_t* text : {L"Leaf one", L"Leaf two"}) {
    ins.item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
  }
  TreeView_Expand(tree, root, TVE_EXPAND);
  SendDlgItemMessageW(dlg, IDC_STATUS, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Status bar"));
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      FillDialog(dlg);
      SetWindowLongPtrW(dlg, DWLP_USER, lParam);  // 1: modeless
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        if (GetWindowLongPtrW(dlg, DWLP_USER))
          DestroyWindow(dlg);
        else
          EndDialog(dlg, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

LRESULT CALLBACK MainProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      Child(wnd, L"BUTTON", L"Controls...", BS_PUSHBUTTON, 16, 16, 110, 28, IDM_CONTROLS);
      Child(wnd, L"BUTTON", L"A check box", BS_AUTOCHECKBOX, 16, 56, 140, 20, IDC_CHECK);
      Child(wnd, L"EDIT", L"Type here", WS_BORDER | ES_AUTOHSCROLL, 16, 84, 180, 24, IDC_EDIT);
      Child(wnd, L"STATIC", L"A plain Win32 window: no framework, three lines to skin it.", 0, 16, 120, 380, 20,
            IDC_LABEL);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDM_CONTROLS: ShowControlsDialog(wnd); return 0;
        case IDM_MODELESS: OpenControlsDialog(wnd); return 0;
        case IDM_MESSAGE: MessageBoxW(wnd, L"A message box, skinned as well.", kMessageTitle, MB_OK); return 0;
        case IDM_EXIT: DestroyWindow(wnd); return 0;
        default:
          if (gOnCommand && HIWORD(wParam) == 0) gOnCommand(wnd, LOWORD(wParam));
          return 0;
      }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance, TCommandHandler onCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  gOnCommand = onCommand;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainClass;
  RegisterClassExW(&wc);  // a second window of the class finds it registered
  return CreateWindowExW(0, kMainClass, kMainTitle, WS_OVERLAPPEDWINDOW, 60, 60, 460, 300, nullptr,
                         LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU)), instance, nullptr);
}

INT_PTR ShowControlsDialog(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONTROLS), owner, DialogProc, 0);
}

HWND OpenControlsDialog(HWND owner) {
  HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONTROLS), owner, DialogProc, 1);
  if (!dlg) return nullptr;
  // Beside the owner, so that both show.
  RECT r{};
  GetWindowRect(owner, &r);
  SetWindowPos(dlg, nullptr, r.right - 40, r.top + 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(dlg, SW_SHOW);
  return dlg;
}

}  // namespace plain
