// Resource ids of the leaf library's tests, shared by common_test.rc and the C++ side (the bar
// tests use them too).
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
