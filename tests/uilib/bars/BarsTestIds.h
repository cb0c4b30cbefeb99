// Resource ids of the bar-library tests, shared by bars_test.rc and the C++ side.
#pragma once
#define IDD_BUTTONS 9100
#define IDC_PLAIN 9101
#define IDC_SECOND 9102
#define IDB_GREY1 9110
#define IDB_GREY4 9111
#define IDB_GREY4_SHORT 9112
#define IDB_GREY8 9113
#define IDB_GREY24 9114
#define IDB_TRUNCATED 9115
#define IDB_MISSING 9119
#define IDS_PANE_CAPS 9120
#define IDS_PANE_NUM 9121
#define IDS_PANE_SCRL 9122
#define IDS_PANE_WIDE 9123
#define IDS_PANE_NO_STRING 9129
// Toolbars: two type-241 resources with their image strips, their commands, and resources that
// do not fit their size (item count past the end, shorter than the head) or do not exist.
#define IDR_TB_FIRST 9130
#define ID_TB_RED 9131
#define ID_TB_GREEN 9132
#define ID_TB_BLUE 9133
#define ID_TB_CHECK 9134
#define ID_TB_DROP 9135
#define IDR_TB_SECOND 9140
#define ID_TB_CYAN 9141
#define ID_TB_ORANGE 9142
#define IDR_TB_COUNT_PAST_END 9150
#define IDR_TB_HEAD_ONLY 9151
#define IDR_TB_MISSING 9152
#define IDD_BITMAP_DIALOG 9130
#define IDC_BD_STATIC 9131
#define IDC_BD_TRACKBAR 9132

// A menu for the menu-template reader and menu buttons, and one cut short.
#define IDM_TB_MENU 9300
#define ID_TB_MENU_NEW 9301
#define ID_TB_MENU_ONE 9302
#define ID_TB_MENU_END 9303
#define ID_TB_MENU_BAR 9304
#define ID_TB_MENU_HELP 9305
#define IDM_TB_MENU_CUT 9310
// Bitmap menus: a menu whose commands partly have toolbar images.
#define IDM_BMP_MENU 9320
#define ID_BMP_FIRST_F 9321
#define ID_BMP_SECOND_F 9322
#define ID_BMP_PLAIN 9323
#define ID_BMP_RADIO 9324
// Workspaces: the test application's two document types and its main frame's menu with the
// workspace commands.
#define IDR_WS_DOCA 9400
#define IDR_WS_DOCB 9401
#define IDR_WS_MAIN 9402
#define ID_WS_BAR 9410
