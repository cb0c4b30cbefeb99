// CStatic: all members are inline; this file holds its run-time class.
#include "Static.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
