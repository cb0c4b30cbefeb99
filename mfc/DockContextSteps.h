// The drag steps of CDockContext written once for every context type: moving, the Ctrl and Shift
// keys and the modal loop. Included by the sources of the contexts only.
#pragma once
#include "ControlBar.h"
#include "DockContext.h"

template <class TContext> void CDockContext::MoveStep(TContext& context, CPoint pt)
{
    const CSize offset = pt - context.m_ptLast;
    context.m_rectDragHorz.OffsetRect(offset);
    context.m_rectFrameDragHorz.OffsetRect(offset);
    context.m_rectDragVert.OffsetRect(offset);
    context.m_rectFrameDragVert.OffsetRect(offset);
    context.m_ptLast = pt;
    context.m_dwOverDockStyle = context.m_bForceFrame ? 0 : context.CanDock();
    context.DrawFocusRect();
}

template <class TContext> void CDockContext::KeyStep(TContext& context, int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateStep(context, &context.m_bForceFrame, bDown);
    if (nChar == VK_SHIFT)
        UpdateStep(context, &context.m_bFlip, bDown);
}

template <class TContext> void CDockContext::UpdateStep(TContext& context, BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    // Flipping means something only for a bar that may dock both ways.
    const DWORD dwDockStyle = context.m_dwDockStyle;
    context.m_bFlip = (dwDockStyle & CBRS_ORIENT_HORZ) && (dwDockStyle & CBRS_ORIENT_VERT) && context.m_bFlip;
    context.m_dwOverDockStyle = context.m_bForceFrame ? 0 : context.CanDock();
    context.DrawFocusRect();
}

template <class TContext> BOOL CDockContext::TrackLoop(TContext& context)
{
    if (::GetCapture() != NULL)
    {
        context.CancelLoop();
        return FALSE;
    }
    context.m_pBar->SetCapture();
    // Whatever leaves the loop, the context cleans up.
    struct LoopGuard
    {
        TContext* pContext;
        bool bDone;
        ~LoopGuard()
        {
            if (!bDone)
                pContext->CancelLoop();
        }
    } guard{&context, false};
    while (::GetCapture() == context.m_pBar->m_hWnd)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam); // the application's loop must see it too
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            guard.bDone = true;
            if (context.m_bDragging)
                context.EndDrag();
            else
                context.EndResize();
            return TRUE;
        case WM_MOUSEMOVE:
            if (context.m_bDragging)
                context.Move(msg.pt);
            else
                context.Stretch(msg.pt);
            break;
        case WM_KEYUP:
            if (context.m_bDragging)
                context.OnKey((int)msg.wParam, FALSE);
            break;
        case WM_KEYDOWN:
            if (context.m_bDragging)
                context.OnKey((int)msg.wParam, TRUE);
            if (msg.wParam == VK_ESCAPE)
            {
                guard.bDone = true;
                context.CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            guard.bDone = true;
            context.CancelLoop();
            return FALSE;
        default:
            ::DispatchMessage(&msg);
            break;
        }
    }
    guard.bDone = true;
    context.CancelLoop();
    return FALSE;
}
