// CChildFrame: maximised recording frames.
#include "app/ChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, SECMDIChildWnd)

CChildFrame::CChildFrame()
{
}

CChildFrame::~CChildFrame()
{
}

void CChildFrame::ActivateFrame(int nCmdShow)
{
    SECMDIChildWnd::ActivateFrame(nCmdShow == -1 ? SW_SHOWMAXIMIZED : nCmdShow);
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->Invalidate(TRUE);
}
