// CSpinButtonCtrl: all members are inline; this file holds its run-time class.
#include "SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
