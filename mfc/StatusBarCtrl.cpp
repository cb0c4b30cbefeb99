// CStatusBarCtrl: all members are inline; this file holds its run-time class.
#include "StatusBarCtrl.h"

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)
