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
