// CProgressCtrl: all members are inline; this file holds its run-time class.
#include "ProgressCtrl.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
