// The active drawing view, as the drawing objects find it.
#include "station/record/DrawViewBase.h"

CDrawViewBase* GetActiveDrawView()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == NULL || !pMain->IsFrameWnd())
        return NULL;
    CFrameWnd* pFrame = ((CFrameWnd*)pMain)->GetActiveFrame();
    if (pFrame == NULL)
        return NULL;
    CView* pView = pFrame->GetActiveView();
    return pView != NULL ? dynamic_cast<CDrawViewBase*>(pView) : NULL;
}
