// SECControlBar: remembered sizes, row shares, extended styles, the context menu and its commands,
// and the proportional layout of the bar's children. The gripper is in ControlBarGripper.cpp.
#include "uilib/bars/ControlBar.h"
#include "BarsIds.h"
#include "FramesIds.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockContext.h"
#include "uilib/common/SystemData.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

BEGIN_MESSAGE_MAP(SECControlBar, CControlBar)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_SEC_ALLOW_DOCKING, OnAllowDocking)
ON_COMMAND(ID_SEC_HIDE_BAR, OnHideBar)
ON_COMMAND(ID_SEC_FLOAT_AS_MDICHILD, OnFloatAsMDIChild)
END_MESSAGE_MAP()

namespace
{
const int kDefaultCx = 300;
const int kDefaultCy = 180;
const UINT kIdProbes = 1000;
// Where a menu asked for by the keyboard opens, below the window's top edge.
const int kKeyboardMenuDrop = 10;
} // namespace

SECGripperInfo::SECGripperInfo()
{
    SetMeasures(4, 3, 1, 3, 6, 3);
    m_strCloseTip.LoadString(IDS_SEC_GRIPPER_CLOSE_TIP);
    m_strExpandTip.LoadString(IDS_SEC_GRIPPER_EXPAND_TIP);
    m_strContractTip.LoadString(IDS_SEC_GRIPPER_CONTRACT_TIP);
}

void SECGripperInfo::SetMeasures(int nLead, int nLine1, int nGap, int nLine2, int nTail, int nInset)
{
    m_cxLead = m_cyLead = nLead;
    m_cxLine1 = m_cyLine1 = nLine1;
    m_cxGap = m_cyGap = nGap;
    m_cxLine2 = m_cyLine2 = nLine2;
    m_cxTail = m_cyTail = nTail;
    m_nInset = nInset;
}

SECControlBar::SECControlBar()
    : m_bPctWidthSet(TRUE), m_szDockHorz(0, 0), m_szReserved(0, 0), m_szDockVert(0, 0), m_szFloat(0, 0),
      m_dwSavedDockStyle(0), m_fPctWidth(1.0f), m_fPctWidthSaved(1.0f), m_dwExStyle(0),
      m_rectMargins(10, 10, 10, 10), m_pManager(NULL), m_szDefault(kDefaultCx, kDefaultCy),
      m_rectCloseBtn(0, 0, 0, 0), m_bClosePressed(FALSE), m_rectExpandBtn(0, 0, 0, 0),
      m_bExpandPressed(FALSE), m_bExpandEnabled(TRUE), m_bNotExpanded(TRUE), m_bLastExpandGripperLeft(TRUE),
      m_pChildLayout(NULL), m_hWndRepaintAfterPaint(NULL)
{
}

SECControlBar::~SECControlBar()
{
    // A bar deleted while its window lives first leaves its dock bar and frame.
    if (m_hWnd != NULL)
        DestroyWindow();
    DropChildLayout();
}

BOOL SECControlBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExBarStyle,
                           UINT nID, CCreateContext* pContext)
{
    return CreateEx(NULL, lpszWindowName, dwExBarStyle, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID,
                    pContext);
}

BOOL SECControlBar::CreateEx(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwExBarStyle, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExBarStyle;
    if (lpszClassName == NULL)
    {
        if (!AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG))
            return FALSE;
        lpszClassName = _afxWndControlBar;
    }
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle & ~CBRS_ALL, rect, pParentWnd, nID, pContext))
        return FALSE;
    FinishCreation();
    return TRUE;
}

void SECControlBar::FinishCreation()
{
    if (m_dwExStyle & BAR_EX_SCALE_CHILDREN)
        RecordChildLayout();
    m_szDockHorz = m_szDockVert = m_szFloat = m_szDefault;
    EnableToolTips(TRUE);
}

void SECControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
        m_pDockContext = CreateDockContext();
    if (m_hWndOwner == NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

CDockContext* SECControlBar::CreateDockContext()
{
    return new SECDockContext(this);
}

void SECControlBar::SetExBarStyle(DWORD dwExBarStyle, BOOL bRedraw)
{
    const DWORD dwOld = m_dwExStyle;
    m_dwExStyle = dwExBarStyle;
    const DWORD dwChanged = dwOld ^ dwExBarStyle;
    if (m_hWnd == NULL)
        return;
    CFrameWnd* pFloatFrame = (m_dwStyle & CBRS_FLOATING) ? GetParentFrame() : NULL;
    if (pFloatFrame != NULL && (dwChanged & BAR_EX_FIXED_FLOAT_SIZE))
    {
        // Our mini frames size through WS_THICKFRAME either way; the MFS_ bit picks the edges.
        if (dwExBarStyle & BAR_EX_FIXED_FLOAT_SIZE)
            pFloatFrame->ModifyStyle(MFS_THICKFRAME, MFS_4THICKFRAME | WS_THICKFRAME, SWP_FRAMECHANGED);
        else
            pFloatFrame->ModifyStyle(MFS_4THICKFRAME, MFS_THICKFRAME | WS_THICKFRAME, SWP_FRAMECHANGED);
    }
    if (dwChanged & BAR_EX_SCALE_CHILDREN)
    {
        if (dwExBarStyle & BAR_EX_SCALE_CHILDREN)
            RecordChildLayout();
        else
            DropChildLayout();
    }
    if (dwChanged != 0 && bRedraw)
        SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE);
}

void SECControlBar::ModifyExBarStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetExBarStyle((m_dwExStyle & ~dwRemove) | dwAdd, bRedraw);
}

BOOL SECControlBar::IsFloatingAsMDIChild() const
{
    const CControlBar* pDock =
        IsKindOf(RUNTIME_CLASS(SECDockBar)) ? static_cast<const CControlBar*>(this) : m_pDockBar;
    if (pDock == NULL || !pDock->IsKindOf(RUNTIME_CLASS(SECDockBar)))
        return FALSE;
    return static_cast<const SECDockBar*>(static_cast<const CDockBar*>(pDock))->m_bFloatsAsMDIChild;
}

UINT PASCAL SECControlBar::FindUnusedBarID(CFrameWnd* pFrame, UINT nFirstID)
{
    if (pFrame == NULL)
        return 0;
    for (UINT i = 0; i < kIdProbes; ++i)
    {
        if (IsBarIDUnused(pFrame, nFirstID + i))
            return nFirstID + i;
    }
    return 0;
}

BOOL PASCAL SECControlBar::IsBarIDUnused(CFrameWnd* pFrame, UINT nID)
{
    if (pFrame == NULL || nID == 0)
        return FALSE;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (!pBar->IsDockBar() && (UINT)pBar->GetDlgCtrlID() == nID)
            return FALSE;
    }
    return TRUE;
}

CSize SECControlBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL bHorz)
{
    return bHorz ? m_szDockHorz : m_szDockVert;
}

CSize SECControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & LM_COMMIT)
    {
        const LONG nStored = (dwMode & LM_STRETCH) ? (LONG)(m_fPctWidth * (float)nLength) : (LONG)nLength;
        CSize* pSize = (dwMode & LM_HORZDOCK)   ? &m_szDockHorz
                       : (dwMode & LM_VERTDOCK) ? &m_szDockVert
                                                : &m_szFloat;
        if (dwMode & LM_LENGTHY)
            pSize->cy = nStored;
        else
            pSize->cx = nStored;
        if (!(dwMode & (LM_HORZDOCK | LM_VERTDOCK)) && !(dwMode & LM_LENGTHY))
            m_nMRUWidth = (UINT)nStored;
    }
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    return m_szFloat;
}

void SECControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

void SECControlBar::OnBeforeDock()
{
}

void SECControlBar::OnAfterDock()
{
}

void SECControlBar::OnBeforeFloat()
{
}

void SECControlBar::OnAfterFloat()
{
}

// ---- child layout

void SECControlBar::CalcChildArea(CRect& rect)
{
    GetClientRect(&rect);
    if (HasGripper())
    {
        const int nInset = m_GripperInfo.m_nInset;
        if (m_dwStyle & CBRS_ORIENT_HORZ)
            rect.DeflateRect(m_GripperInfo.GetWidth(), nInset, nInset, nInset);
        else
            rect.DeflateRect(nInset, m_GripperInfo.GetHeight(), nInset, nInset);
    }
    else if (m_dwExStyle & BAR_EX_MARGINS)
        rect.DeflateRect(m_rectMargins.left, m_rectMargins.top, m_rectMargins.right, m_rectMargins.bottom);
}

void SECControlBar::RecordChildLayout()
{
    DropChildLayout();
    if (m_hWnd == NULL)
        return;
    m_pChildLayout = new CPtrArray;
    // Children are kept relative to the area they were laid out in, so margins and the gripper
    // strip move them once, not twice.
    SECChildLayoutEntry* pArea = new SECChildLayoutEntry;
    pArea->hWnd = NULL;
    CalcChildArea(pArea->rect);
    m_pChildLayout->Add(pArea);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        SECChildLayoutEntry* pEntry = new SECChildLayoutEntry;
        pEntry->hWnd = hChild;
        ::GetWindowRect(hChild, &pEntry->rect);
        ScreenToClient(&pEntry->rect);
        m_pChildLayout->Add(pEntry);
    }
}

void SECControlBar::DropChildLayout()
{
    if (m_pChildLayout == NULL)
        return;
    for (INT_PTR i = 0; i < m_pChildLayout->GetSize(); ++i)
        delete (SECChildLayoutEntry*)m_pChildLayout->GetAt(i);
    delete m_pChildLayout;
    m_pChildLayout = NULL;
}

void SECControlBar::ScaleChildren(const CRect& rectInside)
{
    const SECChildLayoutEntry* pArea = (const SECChildLayoutEntry*)m_pChildLayout->GetAt(0);
    const int cxRecorded = pArea->rect.Width(), cyRecorded = pArea->rect.Height();
    if (cxRecorded <= 0 || cyRecorded <= 0 || m_pChildLayout->GetSize() < 2)
        return;
    const int cx = rectInside.Width(), cy = rectInside.Height();
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (SECSystemData::s_nDeferredPainting > 0)
        nFlags |= SWP_NOREDRAW;
    HDWP hDWP = ::BeginDeferWindowPos((int)m_pChildLayout->GetSize() - 1);
    for (INT_PTR i = 1; i < m_pChildLayout->GetSize() && hDWP != NULL; ++i)
    {
        const SECChildLayoutEntry* pEntry = (const SECChildLayoutEntry*)m_pChildLayout->GetAt(i);
        if (!::IsWindow(pEntry->hWnd))
            continue;
        const CRect& r = pEntry->rect;
        const int left = (r.left - pArea->rect.left) * cx / cxRecorded + rectInside.left;
        const int top = (r.top - pArea->rect.top) * cy / cyRecorded + rectInside.top;
        const int right = (r.right - pArea->rect.left) * cx / cxRecorded + rectInside.left;
        const int bottom = (r.bottom - pArea->rect.top) * cy / cyRecorded + rectInside.top;
        hDWP = ::DeferWindowPos(hDWP, pEntry->hWnd, NULL, left, top, right - left, bottom - top, nFlags);
    }
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);
    if (m_dwStyle & CBRS_FLOATING)
        Invalidate();
}

void SECControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || cx <= 0 || cy <= 0)
        return;
    CRect rectInside;
    CalcChildArea(rectInside);
    rectInside.right = std::max(rectInside.right, rectInside.left);
    rectInside.bottom = std::max(rectInside.bottom, rectInside.top);
    if ((m_dwExStyle & BAR_EX_SCALE_CHILDREN) && m_pChildLayout != NULL)
        ScaleChildren(rectInside);
    else if (m_dwExStyle & BAR_EX_FILL_CHILD)
    {
        CWnd* pChild = GetWindow(GW_CHILD);
        if (pChild != NULL)
            pChild->MoveWindow(&rectInside);
    }
}

BOOL SECControlBar::OnEraseBkgnd(CDC* pDC)
{
    if (m_dwExStyle & BAR_EX_MARGINS)
    {
        CRect rectClient, rectInside;
        GetClientRect(&rectClient);
        CalcChildArea(rectInside);
        const COLORREF clrFace = SECGetSystemData().m_clrBtnFace;
        pDC->FillSolidRect(rectClient.left, rectClient.top, rectClient.Width(),
                           rectInside.top - rectClient.top, clrFace);
        pDC->FillSolidRect(rectClient.left, rectInside.bottom, rectClient.Width(),
                           rectClient.bottom - rectInside.bottom, clrFace);
        pDC->FillSolidRect(rectClient.left, rectInside.top, rectInside.left - rectClient.left,
                           rectInside.Height(), clrFace);
        pDC->FillSolidRect(rectInside.right, rectInside.top, rectClient.right - rectInside.right,
                           rectInside.Height(), clrFace);
    }
    return CControlBar::OnEraseBkgnd(pDC);
}

// ---- life cycle

void SECControlBar::OnDestroy()
{
    if (m_pDockBar != NULL && m_pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
    {
        CPtrArray& arrBars = m_pDockBar->m_arrBars;
        for (INT_PTR i = arrBars.GetSize() - 1; i > 0; --i)
        {
            if (arrBars[i] != this)
                continue;
            arrBars.RemoveAt(i);
            // A row emptied by the removal goes with it.
            if (i < arrBars.GetSize() && arrBars[i] == NULL && arrBars[i - 1] == NULL)
                arrBars.RemoveAt(i);
        }
        m_pDockBar = NULL;
    }
    DropChildLayout();
    CFrameWnd* pFrame = GetDockingFrame();
    CControlBar::OnDestroy();
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
}

// ---- context menu and its commands

void SECControlBar::AddContextMenuItems(CMenu*)
{
}

void SECControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!(m_dwExStyle & BAR_EX_CONTEXT_MENU))
    {
        Default();
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CString strItem;
    strItem.LoadString(ID_SEC_ALLOW_DOCKING);
    menu.AppendMenu(MF_STRING | ((m_dwDockStyle & CBRS_ALIGN_ANY) ? MF_CHECKED : MF_UNCHECKED),
                    ID_SEC_ALLOW_DOCKING, strItem);
    strItem.LoadString(ID_SEC_HIDE_BAR);
    menu.AppendMenu(MF_STRING, ID_SEC_HIDE_BAR, strItem);
    AddContextMenuItems(&menu);
    if (m_pDockContext != NULL && m_pDockContext->m_pDockSite != NULL)
        m_pDockContext->m_pDockSite->SendMessage(WM_SEC_BARCONTEXTMENU, (WPARAM)this, (LPARAM)&menu);
    if (point.x == -1 && point.y == -1)
    {
        CWnd* pClicked = pWnd != NULL ? pWnd : this;
        CRect rect;
        pClicked->GetClientRect(&rect);
        point = CPoint(rect.Width() / 4, kKeyboardMenuDrop);
        pClicked->ClientToScreen(&point);
    }
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void SECControlBar::OnAllowDocking()
{
    if (m_dwDockStyle & CBRS_ALIGN_ANY)
    {
        m_dwSavedDockStyle = m_dwDockStyle & CBRS_ALIGN_ANY;
        if (!IsFloating() && m_pDockContext != NULL)
            m_pDockContext->ToggleDocking();
        EnableDocking(m_dwDockStyle & ~CBRS_ALIGN_ANY);
    }
    else
        EnableDocking(m_dwDockStyle | m_dwSavedDockStyle);
}

void SECControlBar::OnHideBar()
{
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != NULL && pParentFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) &&
        pParentFrame->IsZoomed())
        static_cast<CMDIChildWnd*>(pParentFrame)->MDIRestore();
    CFrameWnd* pFrame = m_pDockSite != NULL ? m_pDockSite : pParentFrame;
    if (pFrame == NULL)
        return;
    pFrame->ShowControlBar(this, FALSE, FALSE);
    CView* pView = pFrame->GetActiveView();
    if (pView != NULL)
        pView->SetFocus();
}

void SECControlBar::OnFloatAsMDIChild()
{
    // A bar whose factory made the layer's plain context cannot float as an MDI child.
    SECDockContext* pContext = dynamic_cast<SECDockContext*>(m_pDockContext);
    if (pContext != NULL)
        pContext->ToggleMDIChildFloating();
}
