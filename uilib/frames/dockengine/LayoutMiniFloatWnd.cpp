// SECLayoutMiniFloatWnd: creating, showing and closing a floating layout frame.
#include "uilib/frames/dockengine/LayoutMiniFloatWnd.h"
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"

namespace
{
const DWORD kFloatFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_THICKFRAME | MFS_SYNCACTIVE;
const TCHAR kCloseItemText[] = _T("Close");
} // namespace

IMPLEMENT_DYNCREATE(SECLayoutMiniFloatWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(SECLayoutMiniFloatWnd, CMiniFrameWnd)
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_ERASEBKGND()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

SECLayoutMiniFloatWnd::SECLayoutMiniFloatWnd() : m_pRootNode(NULL), m_pListener(NULL), m_bHideOnClose(TRUE)
{
}

SECLayoutMiniFloatWnd::~SECLayoutMiniFloatWnd()
{
    ReleaseListener();
    // A frame destroyed with its owner must not stay in the pool.
    SECLNFloatingHwndContainer::RemoveFromPool(this);
}

BOOL SECLayoutMiniFloatWnd::CreateFloatFrame(CWnd* pParent, SECLayoutNode* pRoot, LPCTSTR lpszTitle,
                                             BOOL bHideOnClose, BOOL bCloseItem)
{
    if (pRoot == NULL)
        return FALSE;
    m_pRootNode = pRoot;
    m_bHideOnClose = bHideOnClose;
    if (!Create(NULL, lpszTitle, kFloatFrameStyle, CRect(0, 0, 0, 0), pParent, 0))
    {
        m_pRootNode = NULL;
        return FALSE;
    }
    if (CMenu* pMenu = GetSystemMenu(FALSE))
    {
        pMenu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
        pMenu->AppendMenu(MF_STRING, SC_CLOSE, kCloseItemText);
        if (!bCloseItem)
            pMenu->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
    }
    return TRUE;
}

BOOL SECLayoutMiniFloatWnd::ShowFloatFrame(const RECT* pRect, SECLNDockingMgr* pMgr)
{
    if (pRect == NULL || !SetWindowPos(NULL, pRect->left, pRect->top, pRect->right - pRect->left,
                                       pRect->bottom - pRect->top, SWP_NOZORDER | SWP_SHOWWINDOW))
        return FALSE;
    if (m_pListener != NULL)
        return TRUE;
    m_pListener = CreateDockingListener();
    if (m_pListener == NULL)
        return FALSE;
    m_pListener->SetAutoRegisterContainer(FALSE);
    return m_pListener->AttachDocking(m_pRootNode, this, pMgr, 0, FALSE, TRUE);
}

void SECLayoutMiniFloatWnd::DetachListener()
{
    if (m_pListener != NULL)
        m_pListener->DetachFromWindow();
}

SECDockingListener* SECLayoutMiniFloatWnd::CreateDockingListener()
{
    return new SECDockingListener;
}

void SECLayoutMiniFloatWnd::ReleaseListener()
{
    SECDockingListener* pListener = m_pListener;
    m_pListener = NULL;
    if (pListener == NULL)
        return;
    if (pListener->IsInDragLoop())
    {
        // The loop still runs on the stack: it ends by the lost capture and deletes the listener
        // when it returned.
        pListener->DetachFromWindow();
        pListener->DeleteAfterLoop();
        return;
    }
    delete pListener;
}

void SECLayoutMiniFloatWnd::OnDestroy()
{
    CMiniFrameWnd::OnDestroy();
    ReleaseListener();
}

void SECLayoutMiniFloatWnd::OnClose()
{
    if (m_bHideOnClose)
        ShowWindow(SW_HIDE);
    else
        CMiniFrameWnd::OnClose();
}

BOOL SECLayoutMiniFloatWnd::OnEraseBkgnd(CDC* pDC)
{
    const BOOL bErased = CMiniFrameWnd::OnEraseBkgnd(pDC);
    // A pooled frame keeps its root only to be recognised; its listener no longer has one.
    if (bErased && m_pRootNode != NULL && m_pListener != NULL && m_pListener->GetRootNode() != NULL)
        m_pRootNode->RealizeNode(NULL);
    return bErased;
}

void SECLayoutMiniFloatWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    const UINT nCommand = nID & 0xFFF0;
    if (GetStyle() & WS_POPUP)
    {
        const BOOL bAltF4 = ::GetKeyState(VK_F4) < 0 && ::GetKeyState(VK_MENU) < 0;
        if ((nCommand != SC_CLOSE || (bAltF4 && (GetStyle() & MFS_SYNCACTIVE))) &&
            HandleFloatingSysCommand(nID, lParam))
            return;
    }
    if (nCommand == SC_CLOSE && lParam == 0)
    {
        // A keyboard close of a floating frame acts on the application.
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != NULL && pMain->GetSafeHwnd() != NULL)
        {
            pMain->SendMessage(WM_SYSCOMMAND, nID, 0);
            return;
        }
    }
    CMiniFrameWnd::OnSysCommand(nID, lParam);
}
