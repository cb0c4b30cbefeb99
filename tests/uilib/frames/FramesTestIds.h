// Resource ids of the frames tests, shared by frames_test.rc and the C++ side.
#pragma once
#define IDD_LAYOUT_CHILD 200
#define IDD_LAYOUT_POPUP 201
#define IDD_PLAIN 202
#define IDC_BOX1 2001
#define IDC_BOX2 2002
#define IDC_BOX3 2003
#define IDD_DOCK_DIALOGBAR 203
#define IDC_DOCK_EDIT 2004
#define IDR_TEST_FRAME 210
#define IDR_SECDOC_TYPE 220
#define ID_SECDOC_CMD 32101
// The menu-bar frame: its own menu, a toolbar whose images the popups show, and its commands.
#define IDR_MB_FRAME 230
#define IDR_MB_TOOLBAR 231
#define ID_MB_OPEN 32110
#define ID_MB_SAVE 32111
#define ID_MB_VIEW 32112
// A form view whose button shares its mnemonic with a menu-bar button.
#define IDD_MB_FORM 204
#define IDC_MB_FORM_EDIT 2005
#define IDC_MB_FORM_BUTTON 2006
// The full-screen tests: the frame's command that enters, and a document type with its own
// accelerators and menu.
#define ID_FS_ENTER 32120
#define IDR_FS_DOC 250
#define ID_FS_DOC_CMD 32121
#define ID_FS_EXIT 32122
