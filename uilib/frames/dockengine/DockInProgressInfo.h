// SECDockInProgressInfo: the record of one docking drag (where the node was grabbed, where it
// started, where to float it). The drag-drop feature owns one; re-docks make a fresh one.
#pragma once
#include "afxwin.h"

class SECDockInProgressInfo
{
  public:
    // Construction
    SECDockInProgressInfo()
    {
        Reset();
    }
    virtual ~SECDockInProgressInfo()
    {
    }

    // Overridables
    virtual void Reset()
    {
        ptGrabOffset.x = ptGrabOffset.y = 0;
        ::SetRectEmpty(&rcStart);
        bHorizontal = TRUE;
        bHasRect = FALSE;
        ::SetRectEmpty(&rcFloatAt);
    }

    // Operations
    void SetRect(const RECT& rc)
    {
        rcFloatAt = rc;
        bHasRect = TRUE;
    }
    BOOL GetRect(RECT* pRect) const
    {
        if (pRect != NULL)
            *pRect = rcFloatAt;
        return bHasRect;
    }

    // Attributes
    POINT ptGrabOffset; // cursor minus the node's top-left corner, screen coordinates
    RECT rcStart;       // the node's rectangle on the screen when the drag started
    BOOL bHorizontal;
    BOOL bHasRect;
    RECT rcFloatAt;
};
