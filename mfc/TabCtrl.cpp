// CTabCtrl: all members are inline; this file holds its run-time class.
#include "TabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
