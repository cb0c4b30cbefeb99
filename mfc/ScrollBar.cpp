// CScrollBar: run-time class record.
#include "ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
