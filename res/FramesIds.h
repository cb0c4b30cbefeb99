// Resource ids of the frames, docking and layout subsystem.
#pragma once
#define IDS_SEC_SPLITTER 21088 // window name of splitter windows
// Message bar text while a control bar is dragged.
#define IDS_SEC_DRAG_NODOCK_HINT 20535
// The state menu of document frames: groups and their sub-menus.
#define IDS_SEC_STATE_DOCKED 21009
#define IDS_SEC_STATE_FLOATING 21076
#define IDS_SEC_STATE_MDICHILD 21077
#define IDS_SEC_STATE_TOP 21078
#define IDS_SEC_STATE_LEFT 21079
#define IDS_SEC_STATE_BOTTOM 21080
#define IDS_SEC_STATE_RIGHT 21081
#define IDS_SEC_STATE_DOCKED_TO 21082
#define IDS_SEC_STATE_MINIMIZED 21083
#define IDS_SEC_STATE_MAXIMIZED 21084
#define IDS_SEC_STATE_RESTORED 21085
#define IDS_SEC_STATE_MDICHILD_AS 21086
// Context-menu item of control bars added by the docking layer; also its command id.
#define ID_SEC_FLOAT_AS_MDICHILD 43042
// The overview window of pan views: default title and the cursor while its rectangle is dragged.
#define IDS_SEC_PANWND_TITLE 20676
#define IDC_SEC_PANWND_DRAG 20693
// Cursors over the dock bars' splitters: across vertical strips and across horizontal ones.
#define IDC_SEC_SPLITTER_VERT 30980
#define IDC_SEC_SPLITTER_HORZ 30981
// Cursor over the crossing of a splitter window's two bars.
#define IDC_SEC_SPLITTER_CROSS 30979
// The frame resource (icon) of the MDI child frames that host a floating control bar.
#define IDR_SEC_BAR_MDICHILD 20514
// The full-screen toolbar's button image.
#define IDB_SEC_FULLSCREEN 20694
