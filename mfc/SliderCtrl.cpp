// CSliderCtrl: all members are inline; this file holds its run-time class.
#include "SliderCtrl.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
