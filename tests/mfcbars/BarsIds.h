// Resource and command ids of the control-bar tests, shared by mfcbars.rc and the C++ side.
#pragma once
#define IDB_TEST_TOOLBAR 200
#define IDD_TEST_MODAL 201
#define ID_BAR_TOP 0xE810
#define ID_BAR_LEFT 0xE811
#define ID_BAR_BOTTOM 0xE812
#define ID_BAR_SPARE 0xE813
#define ID_TOOL_HANDLED 32101
#define ID_TOOL_UNHANDLED 32102
#define ID_TOOL_THIRD 32103
