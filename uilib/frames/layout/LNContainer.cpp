// SECLNHwndContainer: a layout tree's host window.
#include "uilib/frames/layout/LNContainer.h"
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"

namespace
{
BOOL s_bRecalcSuppressed = FALSE;
}

BOOL SECLNHwndContainer::ClientToScreen(RECT* pRect)
{
    if (!::ClientToScreen(m_hWnd, (POINT*)pRect))
        return FALSE;
    return ::ClientToScreen(m_hWnd, ((POINT*)pRect) + 1);
}

BOOL SECLNHwndContainer::ClientToScreen(POINT* pPoint)
{
    return ::ClientToScreen(m_hWnd, pPoint);
}

BOOL SECLNHwndContainer::ScreenToClient(RECT* pRect)
{
    if (!::ScreenToClient(m_hWnd, (POINT*)pRect))
        return FALSE;
    return ::ScreenToClient(m_hWnd, ((POINT*)pRect) + 1);
}

BOOL SECLNHwndContainer::ScreenToClient(POINT* pPoint)
{
    return ::ScreenToClient(m_hWnd, pPoint);
}

BOOL SECLNHwndContainer::NodeToScreen(RECT* pRect)
{
    return NodeToClient(pRect) && ClientToScreen(pRect);
}

BOOL SECLNHwndContainer::NodeToScreen(POINT* pPoint)
{
    return NodeToClient(pPoint) && ClientToScreen(pPoint);
}

BOOL SECLNHwndContainer::ScreenToNode(RECT* pRect)
{
    return ScreenToClient(pRect) && ClientToNode(pRect);
}

BOOL SECLNHwndContainer::ScreenToNode(POINT* pPoint)
{
    return ScreenToClient(pPoint) && ClientToNode(pPoint);
}

BOOL SECLNHwndContainer::GetNodeOrigin(POINT& pt)
{
    POINT ptZero = {0, 0};
    BOOL bOk = NodeToClient(&ptZero);
    pt.x = -ptZero.x;
    pt.y = -ptZero.y;
    return bOk;
}

BOOL SECLNHwndContainer::LockDesktopUpdate(BOOL bLock)
{
    if (bLock)
        return ::LockWindowUpdate(::GetDesktopWindow());
    ::LockWindowUpdate(NULL);
    return TRUE;
}

BOOL SECLNHwndContainer::GetContainerBorders(int& nLeft, int& nTop, int& nRight, int& nBottom)
{
    nLeft = nTop = nRight = nBottom = 0;
    return TRUE;
}

void SECLNHwndContainer::RecalcContainerLayout(BOOL bNotify)
{
    if (s_bRecalcSuppressed)
        return;
    CWnd* pWnd = CWnd::FromHandlePermanent(m_hWnd);
    if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        ((CFrameWnd*)pWnd)->RecalcLayout(bNotify);
}

ISECLNContainer* SECLNHwndContainer::CreateFloatingContainer(SECLayoutNode* pNode, DWORD_PTR a, DWORD_PTR b,
                                                             DWORD_PTR c)
{
    ISECLNContainer* pFloating = CreateFloatingContainerObject(m_hWnd);
    if (pFloating == NULL)
        return NULL;
    if (!pFloating->FloatNode(pNode, ::GetAncestor(m_hWnd, GA_ROOT), a, b, c))
    {
        delete pFloating;
        return NULL;
    }
    return pFloating;
}

BOOL SECLNHwndContainer::ReparentContainer(HWND hWndNewParent)
{
    if (m_hWnd == NULL || hWndNewParent == NULL)
        return FALSE;
    return ::SetParent(m_hWnd, hWndNewParent) != NULL;
}

ISECLNContainer* SECLNHwndContainer::CreateFloatingContainerObject(HWND hWnd)
{
    return new SECLNFloatingHwndContainer(hWnd);
}

void PASCAL SECLNHwndContainer::SuppressRecalc(BOOL bSuppress)
{
    s_bRecalcSuppressed = bSuppress;
}

BOOL PASCAL SECLNHwndContainer::IsRecalcSuppressed()
{
    return s_bRecalcSuppressed;
}

void PASCAL SECLNHwndContainer::RecalcAllFrames(BOOL bNotify)
{
    if (s_bRecalcSuppressed)
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    CWnd* pMain = pApp->m_pMainWnd;
    if (pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        ((CFrameWnd*)pMain)->RecalcLayout(bNotify);
    CPtrList done;
    for (POSITION posTpl = pApp->GetFirstDocTemplatePosition(); posTpl != NULL;)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTpl);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != NULL;)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            for (POSITION posView = pDoc->GetFirstViewPosition(); posView != NULL;)
            {
                CFrameWnd* pFrame = pDoc->GetNextView(posView)->GetParentFrame();
                if (pFrame == NULL || pFrame == pMain || done.Find(pFrame) != NULL)
                    continue;
                done.AddTail(pFrame);
                pFrame->RecalcLayout(bNotify);
            }
        }
    }
}
