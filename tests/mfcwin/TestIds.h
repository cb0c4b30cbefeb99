// Resource and command ids of the window-layer tests, shared by mfcwin.rc and the C++ side.
#pragma once
#define IDR_MAINFRAME 8128
#define IDR_TEXTTYPE 8129
#define IDR_LISTTYPE 8130
#define ID_TEST_VIEWCMD 32001
#define ID_TEST_DOCCMD 32002
#define ID_TEST_APPCMD 32003
#define ID_TEST_DISABLED 32004
#define ID_TEST_RANGE_FIRST 32010
#define ID_TEST_RANGE_LAST 32019
#define ID_TEST_TEXTONLY 32020
#define ID_TEST_LISTONLY 32021
