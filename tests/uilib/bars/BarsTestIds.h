// Resource ids of the bar-library tests, shared by bars_test.rc and the C++ side; the buttons,
// bitmaps and toolbar resources come from the leaf library's tests.
#pragma once
#include "CommonTestIds.h"
#define IDS_PANE_CAPS 9120
#define IDS_PANE_NUM 9121
#define IDS_PANE_SCRL 9122
#define IDS_PANE_WIDE 9123
#define IDS_PANE_NO_STRING 9129

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
