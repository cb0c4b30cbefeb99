// Resources of the grid core tests.
#pragma once
#define IDB_TEST_RED10 30001
#define IDB_TEST_GREYS 30002
#define IDD_TEST_GRIDDLG 30010
#define IDC_TEST_GRID 30011
#define IDD_TEST_GRIDDLG2 30012
#define IDC_TEST_BUTTON 30013
