// Resource ids of the dialog-layer tests, shared by mfcdlg.rc and the C++ side.
#pragma once
// Dialogs from 8100: clear of the program's own (the about box is 100, the Pendix form 101).
#define IDD_EXCHANGE 8100
#define IDD_OWNERDRAW 8101
#define IDD_PAGE1 8102
#define IDD_PAGE2 8103
#define IDD_PAGE3 8104
#define IDD_FORM 8105
#define IDD_FILEEXTRA 8106
#define IDC_INT 1001
#define IDC_DOUBLE 1002
#define IDC_TEXT 1003
#define IDC_CHECK 1004
#define IDC_RADIO1 1005
#define IDC_RADIO2 1006
#define IDC_RADIO3 1007
#define IDC_COMBO 1008
#define IDC_LIST 1009
#define IDC_UINT 1010
#define IDC_FLOAT 1011
#define IDC_LONG 1012
#define IDC_DWORD 1013
#define IDC_ODLIST 1020
#define IDC_ODCOMBO 1021
#define IDC_SPINEDIT 1022
#define IDC_SPIN 1023
#define IDC_PAGEEDIT 1030
#define IDC_FILEEXTRA_CHECK 1040
#define IDD_DLGBAR 8107 // a bar's template with RT_DLGINIT strings
#define IDC_BARLIST 1050
#define IDC_BARCOMBO 1051
