// Resource and control numbers of the plain example (shared by its .rc files,
// its code and the tests that drive it).
#pragma once

#define IDR_MAINMENU 100
#define IDD_CONTROLS 101
#define IDR_SKIN_SLATE 110
#define IDR_SKIN_EMBER 111
#define IDR_SKIN_HARBOR 112

#define IDM_CONTROLS 200
#define IDM_MODELESS 201
#define IDM_MESSAGE 202
#define IDM_EXIT 203
#define IDM_SKIN_OFF 210
#define IDM_SKIN_FIRST 211  // one per embedded skin, then "From file..."

#define IDC_PUSH 1001
#define IDC_CHECK 1002
#define IDC_RADIO1 1003
#define IDC_RADIO2 1004
#define IDC_GROUP 1005
#define IDC_EDIT 1006
#define IDC_MEMO 1007
#define IDC_COMBO 1008
#define IDC_LIST 1009
#define IDC_TAB 1010
#define IDC_SCROLL 1011
#define IDC_LISTVIEW 1012
#define IDC_TREE 1013
#define IDC_PROGRESS 1014
#define IDC_TRACK 1015
#define IDC_STATUS 1016
#define IDC_UPDOWN 1017
#define IDC_UPDOWN_EDIT 1018
#define IDC_LABEL 1019
