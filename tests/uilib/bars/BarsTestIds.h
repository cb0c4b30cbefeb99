// Resource ids of the bar-library tests, shared by bars_test.rc and the C++ side.
#pragma once
#define IDD_BUTTONS 9100
#define IDC_PLAIN 9101
#define IDC_SECOND 9102
