// SECLNFloatingHwndContainer: floating frames, their coordinates and their pool.
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"
#include "uilib/frames/dockengine/DragDropDockingFeature.h"
#include "uilib/frames/dockengine/LayoutMiniFloatWnd.h"

namespace
{
const int kMeasureSize = 1000;

typedef CTypedPtrList<CPtrList, SECLayoutMiniFloatWnd*> FramePool;

FramePool& Pool()
{
    static FramePool s_pool(10);
    return s_pool;
}

// Frames of earlier floats go, except the one a running drag moves.
void EmptyPool()
{
    SECLayoutNode* pDragNode = SECDragDropDockingFeature::GetLastDragNode();
    if (pDragNode == NULL)
        return;
    for (POSITION pos = Pool().GetHeadPosition(); pos != NULL;)
    {
        POSITION posThis = pos;
        SECLayoutMiniFloatWnd* pFrame = Pool().GetNext(pos);
        if (pFrame->GetRootNode() == pDragNode)
            continue;
        Pool().RemoveAt(posThis);
        pFrame->DestroyWindow();
    }
}

void Offset(RECT* pRect, int dx, int dy)
{
    ::OffsetRect(pRect, dx, dy);
}
} // namespace

SECLNFloatingHwndContainer::SECLNFloatingHwndContainer(HWND hWnd)
    : SECLNHwndContainer(hWnd), m_pFrame(NULL), m_nClientOffsetX(0), m_nClientOffsetY(0), m_pDockingMgr(NULL)
{
}

SECLNFloatingHwndContainer::~SECLNFloatingHwndContainer()
{
    SECLayoutMiniFloatWnd* pFrame = GetFrame();
    m_pFrame = NULL;
    if (pFrame == NULL)
        return;
    Pool().AddTail(pFrame);
    pFrame->ShowWindow(SW_HIDE);
    pFrame->DetachListener();
}

SECLayoutMiniFloatWnd* SECLNFloatingHwndContainer::GetFrame() const
{
    // The frame dies with its owner window too; then only the handle is left here.
    if (m_pFrame == NULL || !::IsWindow(m_hWnd) || CWnd::FromHandlePermanent(m_hWnd) != m_pFrame)
        return NULL;
    return m_pFrame;
}

BOOL SECLNFloatingHwndContainer::NodeToClient(RECT* pRect)
{
    Offset(pRect, -m_nClientOffsetX, -m_nClientOffsetY);
    return TRUE;
}

BOOL SECLNFloatingHwndContainer::NodeToClient(POINT* pPoint)
{
    pPoint->x -= m_nClientOffsetX;
    pPoint->y -= m_nClientOffsetY;
    return TRUE;
}

BOOL SECLNFloatingHwndContainer::ClientToNode(RECT* pRect)
{
    Offset(pRect, m_nClientOffsetX, m_nClientOffsetY);
    return TRUE;
}

BOOL SECLNFloatingHwndContainer::ClientToNode(POINT* pPoint)
{
    pPoint->x += m_nClientOffsetX;
    pPoint->y += m_nClientOffsetY;
    return TRUE;
}

BOOL SECLNFloatingHwndContainer::FloatNode(SECLayoutNode* pNode, HWND hWndFrame, DWORD_PTR a, DWORD_PTR b,
                                           DWORD_PTR c)
{
    if (!CreateFrame(pNode, CWnd::FromHandle(hWndFrame), (LPCTSTR)a, TRUE, TRUE))
        return FALSE;
    const int cx = (int)b, cy = (int)c;
    if (cx > 0 && cy > 0)
        m_pFrame->SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL SECLNFloatingHwndContainer::MeasureFrameBorders(int* pLeft, int* pTop, int* pRight, int* pBottom)
{
    SECLayoutMiniFloatWnd* pFrame = GetFrame();
    if (pFrame == NULL)
        return FALSE;
    RECT rcBefore;
    pFrame->GetWindowRect(&rcBefore);
    pFrame->SetWindowPos(NULL, 0, 0, kMeasureSize, kMeasureSize, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rcWindow, rcClient;
    pFrame->GetWindowRect(&rcWindow);
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    // The frame keeps the size it had: a float shows it at the node's size, not at the probe's.
    pFrame->SetWindowPos(NULL, rcBefore.left, rcBefore.top, rcBefore.right - rcBefore.left,
                         rcBefore.bottom - rcBefore.top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_nClientOffsetX = rcClient.left - rcWindow.left;
    m_nClientOffsetY = rcClient.top - rcWindow.top;
    if (pLeft != NULL)
        *pLeft = m_nClientOffsetX;
    if (pTop != NULL)
        *pTop = m_nClientOffsetY;
    if (pRight != NULL)
        *pRight = rcWindow.right - rcClient.right;
    if (pBottom != NULL)
        *pBottom = rcWindow.bottom - rcClient.bottom;
    return TRUE;
}

BOOL SECLNFloatingHwndContainer::ShowFrame(const RECT* pRect)
{
    SECLayoutMiniFloatWnd* pFrame = GetFrame();
    return pFrame != NULL && pFrame->ShowFloatFrame(pRect, m_pDockingMgr);
}

BOOL SECLNFloatingHwndContainer::IsFrameVisible()
{
    SECLayoutMiniFloatWnd* pFrame = GetFrame();
    return pFrame != NULL && pFrame->IsWindowVisible();
}

LRESULT SECLNFloatingHwndContainer::ForwardToFrame(LPARAM lValue)
{
    const MSG* pMsg = (const MSG*)lValue;
    SECLayoutMiniFloatWnd* pFrame = GetFrame();
    if (pMsg == NULL || pFrame == NULL)
        return 0;
    return pFrame->SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL SECLNFloatingHwndContainer::CreateFrame(SECLayoutNode* pRoot, CWnd* pParent, LPCTSTR lpszTitle,
                                             BOOL bHideOnClose, BOOL bCloseItem)
{
    if (pRoot == NULL)
        return FALSE;
    SECLayoutMiniFloatWnd* pFrame = NewFrameObject();
    if (pFrame == NULL)
        return FALSE;
    if (!pFrame->CreateFloatFrame(pParent, pRoot, lpszTitle, bHideOnClose, bCloseItem))
    {
        delete pFrame;
        return FALSE;
    }
    EmptyPool();
    m_hWnd = pFrame->m_hWnd;
    m_pFrame = pFrame;
    return TRUE;
}

SECLayoutMiniFloatWnd* SECLNFloatingHwndContainer::NewFrameObject()
{
    return new SECLayoutMiniFloatWnd;
}

int PASCAL SECLNFloatingHwndContainer::GetPoolCount()
{
    return (int)Pool().GetCount();
}

void PASCAL SECLNFloatingHwndContainer::RemoveFromPool(SECLayoutMiniFloatWnd* pFrame)
{
    if (POSITION pos = Pool().Find(pFrame))
        Pool().RemoveAt(pos);
}
