// CHeaderCtrl: all members are inline; this file holds its run-time class.
#include "HeaderCtrl.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
