// CStateWnd: the state bar; empty until its status display exists.
#include "app/StateWnd.h"

IMPLEMENT_DYNAMIC(CStateWnd, SECControlBar)

CStateWnd::CStateWnd()
{
}

CStateWnd::~CStateWnd()
{
}
