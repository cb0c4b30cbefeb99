// SECCustomToolBar: creation, the button list, painting, the mouse, hot tracking and the
// command updates of the self-drawn toolbar. Layout is in CustomToolBarLayout.cpp, dragging of
// buttons in CustomToolBarDrag.cpp.
#include "uilib/bars/CustomToolBar.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/bars/BtnDrawData.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "mfc/FrameWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(SECCustomToolBar, SECControlBar)

namespace
{
// Posted by a floating toolbar to itself to hide at once while the user customises.
const UINT WM_NODELAYHIDE = ::RegisterWindowMessage(_T("WM_NODELAYHIDE"));
// Posted by an emptied user toolbar to itself: it destroys itself once the handler that removed
// its last button has returned.
const UINT WM_SECDESTROYEMPTYBAR = ::RegisterWindowMessage(_T("SECDestroyEmptyToolBar"));
} // namespace

BEGIN_MESSAGE_MAP(SECCustomToolBar, SECControlBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_TIMER()
ON_WM_MOUSEACTIVATE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_SHOWWINDOW()
ON_WM_SYSCOLORCHANGE()
ON_REGISTERED_MESSAGE(WM_NODELAYHIDE, OnNoDelayHide)
ON_REGISTERED_MESSAGE(WM_SECDESTROYEMPTYBAR, OnDestroyEmpty)
END_MESSAGE_MAP()

SECCustomToolBar::SECCustomToolBar()
    : m_pBmpMgr(new SECBmpMgr), m_nSepWidth(8), m_nSelected(-1), m_nHot(-1), m_nTracking(-1),
      m_bCustomise(FALSE), m_pDrawData(NULL), m_dwVertBits(0), m_bPendingFloat(TRUE), m_bPendingHorz(TRUE),
      m_bPendingVert(TRUE), m_szLayoutHorz(0, 0), m_szLayoutVert(0, 0), m_szLayoutFloat(0, 0),
      m_bLocked(FALSE), m_hFont((HFONT)::GetStockObject(DEFAULT_GUI_FONT)), m_pBtnMap(NULL), m_cxLargest(0),
      m_cyLargest(0), m_nMenuTracked(-1), m_bMenuMode(FALSE), m_bHotTimer(FALSE), m_pOwnDrawData(NULL),
      m_bDestroyPosted(FALSE)
{
    // Lead 0, lines 3 and 3 with gap 1, tail 2: 9 pixels either way.
    m_GripperInfo.SetMeasures(0, 3, 1, 3, 2, 0);
    m_cyTopBorder = m_cyBottomBorder = 3;
}

SECCustomToolBar::~SECCustomToolBar()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    ClearButtons();
    if (m_pBmpMgr != NULL)
        m_pBmpMgr->Release();
    delete m_pOwnDrawData;
}

BOOL SECCustomToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    return CreateEx(0, pParentWnd, dwStyle, nID, lpszTitle);
}

BOOL SECCustomToolBar::CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (dwExStyle & BAR_EX_THIN_GRIPPER)
    {
        // One line: lead 1, line 3, gap 2, tail 0; thin borders.
        m_GripperInfo.SetMeasures(1, 3, 2, 0, 0, 0);
        m_cyTopBorder = m_cyBottomBorder = 1;
    }
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
    m_dwExStyle = dwExStyle | BAR_EX_FIXED_FLOAT_SIZE;
    if (!CWnd::Create(lpszClass, lpszTitle, dwStyle & ~CBRS_ALL, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SetButtonSize();
    NotifyManager(SECBarCreated);
    return TRUE;
}

int SECCustomToolBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (SECControlBar::OnCreate(lpcs) == -1)
        return -1;
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
    return 0;
}

void SECCustomToolBar::OnDestroy()
{
    StopHotTracking();
    ClearSelection(FALSE);
    NotifyManager(SECBarDestroying);
    SECControlBar::OnDestroy();
}

// ---- manager, bitmap manager, drawing context

void SECCustomToolBar::SetManager(SECToolBarManager* pManager)
{
    m_pManager = pManager;
    if (pManager != NULL)
    {
        if (pManager->GetBmpMgr() != NULL)
            SetBmpMgr(pManager->GetBmpMgr());
        if (pManager->GetDrawData() != NULL)
            SetDrawData(pManager->GetDrawData());
    }
}

SECToolBarManager* SECCustomToolBar::GetManager() const
{
    return m_pManager != NULL && m_pManager->IsKindOf(RUNTIME_CLASS(SECToolBarManager))
               ? static_cast<SECToolBarManager*>(m_pManager)
               : NULL;
}

void SECCustomToolBar::SetBmpMgr(SECBmpMgr* pBmpMgr)
{
    if (pBmpMgr == m_pBmpMgr || pBmpMgr == NULL)
        return;
    pBmpMgr->AddRef();
    if (m_pBmpMgr != NULL)
        m_pBmpMgr->Release();
    m_pBmpMgr = pBmpMgr;
}

void SECCustomToolBar::SetDrawData(SECBtnDrawData* pDrawData)
{
    m_pDrawData = pDrawData;
}

void SECCustomToolBar::NotifyManager(int nCode)
{
    SECToolBarManager* pManager = GetManager();
    if (pManager != NULL && m_hWnd != NULL)
        pManager->NotifyBarChange((UINT)GetDlgCtrlID(), nCode);
}

void SECCustomToolBar::EnableCustomise(BOOL bCustomise)
{
    if (!m_bCustomise == !bCustomise)
        return;
    m_bCustomise = bCustomise;
    if (!bCustomise)
        ClearSelection(TRUE);
    if (m_hWnd != NULL)
        Invalidate();
}

BOOL SECCustomToolBar::IsUserToolBar() const
{
    return m_hWnd != NULL && (UINT)GetDlgCtrlID() >= SEC_IDW_FIRST_USER_TOOLBAR;
}

// ---- metrics

BOOL SECCustomToolBar::IsFlat() const
{
    return (m_dwExStyle & BAR_EX_FLAT) != 0;
}

int SECCustomToolBar::GetImageWidth() const
{
    return m_pBmpMgr != NULL ? m_pBmpMgr->GetImageSize().cx : 16;
}

int SECCustomToolBar::GetImageHeight() const
{
    return m_pBmpMgr != NULL ? m_pBmpMgr->GetImageSize().cy : 15;
}

int SECCustomToolBar::GetButtonWidth() const
{
    return GetImageWidth() + 7;
}

int SECCustomToolBar::GetButtonHeight() const
{
    return GetImageHeight() + 7;
}

int SECCustomToolBar::GetSeparatorWidth() const
{
    return (GetImageWidth() + 8) / 3;
}

int SECCustomToolBar::GetSeparatorHeight() const
{
    return GetButtonHeight();
}

CFont* SECCustomToolBar::GetFont() const
{
    return CFont::FromHandle(m_hFont);
}

CFont* SECCustomToolBar::GetMenuFont() const
{
    return GetFont();
}

void SECCustomToolBar::SetButtonSize(int, int)
{
    m_cxLargest = GetButtonWidth();
    m_cyLargest = GetButtonHeight();
    for (SECStdBtn* pBtn : m_btns)
        pBtn->AdjustSize();
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
}

// ---- buttons

SECStdBtn* SECCustomToolBar::NewButton(UINT nID, const UINT_PTR* pInfo)
{
    // The manager's special buttons first, then the bar's own (the menu bar's menu table), then
    // the frame's menu bar's: a menu button dragged from the customisation sheet stays one.
    const SECToolBarManager* pManager = GetManager();
    const SECMenuBar* pMenuBar =
        pManager != NULL ? SECToolBarManager::GetFrameMenuBar(pManager->GetFrame()) : NULL;
    const SECBtnMapEntry* maps[] = {pManager != NULL ? pManager->GetButtonMap() : NULL, m_pBtnMap,
                                    pMenuBar != NULL ? pMenuBar->GetMenuTable() : NULL};
    for (const SECBtnMapEntry* pMap : maps)
        for (const SECBtnMapEntry* pEntry = pMap; pEntry != NULL && pEntry->pfnCreate != NULL; pEntry++)
        {
            if (pEntry->nID != nID)
                continue;
            SECStdBtn* pBtn = pEntry->pfnCreate();
            pBtn->m_pToolBar = this;
            pBtn->SetStyle(pEntry->nStyle);
            pBtn->SetCmdID(nID, pEntry->info);
            return pBtn;
        }
    SECStdBtn* pBtn = new SECStdBtn;
    pBtn->m_pToolBar = this;
    pBtn->SetCmdID(nID, pInfo);
    return pBtn;
}

SECStdBtn* SECCustomToolBar::NewSeparator(SECCustomToolBar* pOwner)
{
    SECStdBtn* pBtn = new SECStdBtn;
    pBtn->m_pToolBar = pOwner != NULL ? pOwner : this;
    pBtn->SetStyle(TBBS_SEPARATOR);
    pBtn->m_cx = pBtn->m_pToolBar->GetSeparatorWidth();
    pBtn->m_cy = pBtn->m_pToolBar->GetSeparatorHeight();
    return pBtn;
}

void SECCustomToolBar::ClearButtons()
{
    for (SECStdBtn* pBtn : m_btns)
        delete pBtn;
    m_btns.clear();
}

void SECCustomToolBar::RemoveAllButtons()
{
    StopHotTracking();
    if (m_nSelected >= 0)
        ClearSelection(FALSE);
    m_nTracking = -1;
    ClearButtons();
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
}

BOOL SECCustomToolBar::SetButtons(const UINT* pIDs, int nCount)
{
    RemoveAllButtons();
    for (int i = 0; i < nCount; i++)
    {
        const UINT nID = pIDs != NULL ? pIDs[i] : 0;
        m_btns.push_back(nID == 0 ? NewSeparator() : NewButton(nID));
    }
    if (m_hWnd != NULL)
        Invalidate();
    return TRUE;
}

BOOL SECCustomToolBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bBatch)
{
    nIndex = std::max(0, std::min(nIndex, GetBtnCount()));
    SECStdBtn* pBtn = bSeparator ? NewSeparator() : NewButton(nID);
    m_btns.insert(m_btns.begin() + nIndex, pBtn);
    // Separators of its row are as tall as its tallest button.
    int nFirst = 0, nLast = 0;
    RowOf(nIndex, nFirst, nLast);
    for (int i = nFirst; i <= nLast; i++)
        if (m_btns[(size_t)i]->HasStyle(TBBS_SEPARATOR) && !bSeparator)
            m_btns[(size_t)i]->m_cy = std::max(m_btns[(size_t)i]->m_cy, pBtn->m_cy);
    if (m_nSelected >= nIndex)
        m_nSelected++;
    if (m_nHot >= nIndex)
        m_nHot++;
    if (m_nTracking >= nIndex)
        m_nTracking++;
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
    if (!bBatch)
        SizeToParent();
    return TRUE;
}

void SECCustomToolBar::RowOf(int nIndex, int& nFirst, int& nLast) const
{
    nFirst = nIndex;
    while (nFirst > 0 && !m_btns[(size_t)nFirst - 1]->HasStyle(TBBS_WRAPPED))
        nFirst--;
    nLast = nIndex;
    while (nLast + 1 < GetBtnCount() && !m_btns[(size_t)nLast]->HasStyle(TBBS_WRAPPED))
        nLast++;
}

void SECCustomToolBar::ArrangeSeparators()
{
    // No separator first or last, none next to another.
    for (size_t i = 0; i < m_btns.size();)
    {
        const BOOL bSep = m_btns[i]->HasStyle(TBBS_SEPARATOR);
        const BOOL bRedundant =
            bSep && (i == 0 || i + 1 == m_btns.size() || m_btns[i + 1]->HasStyle(TBBS_SEPARATOR));
        if (!bRedundant)
        {
            i++;
            continue;
        }
        const int nIndex = (int)i;
        if (m_nSelected == nIndex)
            m_nSelected = -1;
        else if (m_nSelected > nIndex)
            m_nSelected--;
        if (m_nHot > nIndex)
            m_nHot--;
        delete m_btns[i];
        m_btns.erase(m_btns.begin() + nIndex);
    }
}

BOOL SECCustomToolBar::RemoveButton(int nIndex, BOOL bBatch)
{
    if (nIndex < 0 || nIndex >= GetBtnCount())
        return !m_btns.empty();
    if (m_nSelected == nIndex)
        ClearSelection(FALSE);
    else if (m_nSelected > nIndex)
        m_nSelected--;
    if (m_nHot == nIndex)
        StopHotTracking();
    else if (m_nHot > nIndex)
        m_nHot--;
    if (m_nTracking == nIndex)
        m_nTracking = -1;
    int nRowFirst = 0, nRowLast = 0;
    RowOf(nIndex, nRowFirst, nRowLast);
    delete m_btns[(size_t)nIndex];
    m_btns.erase(m_btns.begin() + nIndex);
    // The row's separators take its tallest remaining button's height.
    nRowLast = std::min(nRowLast - 1, GetBtnCount() - 1);
    int cyRow = 0;
    for (int i = nRowFirst; i <= nRowLast; i++)
        if (!m_btns[(size_t)i]->HasStyle(TBBS_SEPARATOR))
            cyRow = std::max(cyRow, m_btns[(size_t)i]->m_cy);
    for (int i = nRowFirst; i <= nRowLast; i++)
        if (m_btns[(size_t)i]->HasStyle(TBBS_SEPARATOR))
            m_btns[(size_t)i]->m_cy = cyRow > 0 ? cyRow : m_nSepWidth * 2 / 3;
    ArrangeSeparators();
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
    if (m_btns.empty() && IsUserToolBar() && !bBatch)
    {
        // The caller may be this bar's own handler: the window goes once it has returned.
        if (!m_bDestroyPosted)
        {
            m_bDestroyPosted = TRUE;
            PostMessage(WM_SECDESTROYEMPTYBAR);
        }
        return FALSE;
    }
    if (!bBatch)
        SizeToParent();
    return !m_btns.empty();
}

LRESULT SECCustomToolBar::OnDestroyEmpty(WPARAM, LPARAM)
{
    m_bDestroyPosted = FALSE;
    // A button may have arrived since.
    if (!m_btns.empty())
        return 0;
    CFrameWnd* pFrame = m_pDockSite;
    // A floating bar's frame has nothing left to hold once the bar is gone.
    CFrameWnd* pMiniFrame = IsFloating() ? GetParentFrame() : NULL;
    const HWND hWndMini = pMiniFrame != NULL && pMiniFrame != pFrame ? pMiniFrame->m_hWnd : NULL;
    DestroyWindow();
    if (hWndMini != NULL && ::IsWindow(hWndMini))
        ::DestroyWindow(hWndMini);
    if (pFrame != NULL && ::IsWindow(pFrame->m_hWnd))
        pFrame->RecalcLayout();
    return 0;
}

void SECCustomToolBar::SizeToParent()
{
    if (m_hWnd == NULL)
        return;
    if (IsFloating())
    {
        CFrameWnd* pMiniFrame = GetParentFrame();
        if (pMiniFrame != NULL)
            pMiniFrame->RecalcLayout();
    }
    else
    {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != NULL)
            pFrame->RecalcLayout();
    }
    Invalidate();
}

int SECCustomToolBar::GetButtonImage(UINT nID)
{
    HBITMAP hbm = NULL;
    int nImage = -1;
    if (m_pBmpMgr == NULL || !m_pBmpMgr->GetImage(nID, hbm, nImage))
        return -1;
    return nImage;
}

void SECCustomToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL || pBtn->GetStyle() == nStyle)
        return;
    const UINT nLayoutBits = TBBS_HIDDEN | TBBS_SEPARATOR;
    const BOOL bLayout = ((pBtn->GetStyle() ^ nStyle) & nLayoutBits) != 0;
    pBtn->SetStyle(nStyle);
    if (bLayout)
    {
        m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
        SizeToParent();
    }
    else
        InvalidateButton(nIndex);
}

UINT SECCustomToolBar::GetButtonStyle(int nIndex) const
{
    SECStdBtn* pBtn = GetButton(nIndex);
    return pBtn != NULL ? pBtn->GetStyle() : 0;
}

UINT SECCustomToolBar::GetItemID(int nIndex) const
{
    SECStdBtn* pBtn = GetButton(nIndex);
    return pBtn != NULL ? pBtn->m_nID : 0;
}

void SECCustomToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL)
        ::SetRectEmpty(lpRect);
    else
        *lpRect = pBtn->GetRect();
}

int SECCustomToolBar::IndexOfButton(const SECStdBtn* pBtn) const
{
    auto it = std::find(m_btns.begin(), m_btns.end(), pBtn);
    return it == m_btns.end() ? -1 : (int)(it - m_btns.begin());
}

int SECCustomToolBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetBtnCount(); i++)
    {
        if (m_btns[(size_t)i]->m_nID == nID && !m_btns[(size_t)i]->HasStyle(TBBS_SEPARATOR))
            return i;
    }
    return -1;
}

void SECCustomToolBar::InvalidateButton(int nIndex)
{
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn != NULL)
        pBtn->Invalidate();
}

void SECCustomToolBar::UpdateButton(int nIndex)
{
    InvalidateButton(nIndex);
    if (m_hWnd != NULL)
        UpdateWindow();
}

int SECCustomToolBar::HitTest(CPoint point) const
{
    for (int i = 0; i < GetBtnCount(); i++)
    {
        const SECStdBtn* pBtn = m_btns[(size_t)i];
        if (pBtn->HasStyle(TBBS_HIDDEN) || pBtn->m_x < 0)
            continue;
        if (pBtn->GetRect().PtInRect(point))
            return i;
    }
    return -1;
}

void SECCustomToolBar::SelectButton(int nIndex, BOOL bRedraw)
{
    SECToolBarManager* pManager = GetManager();
    if (pManager != NULL && pManager->GetSelectedToolBar() != NULL && pManager->GetSelectedToolBar() != this)
        pManager->GetSelectedToolBar()->ClearSelection(TRUE);
    if (m_nSelected >= 0 && m_nSelected != nIndex)
    {
        SECStdBtn* pOld = GetButton(m_nSelected);
        if (pOld != NULL)
        {
            pOld->SetStyle(pOld->GetStyle() & ~SEC_TBBS_SELECTED);
            if (bRedraw)
                pOld->Invalidate();
        }
    }
    SECStdBtn* pBtn = GetButton(nIndex);
    m_nSelected = pBtn != NULL ? nIndex : -1;
    if (pBtn != NULL)
    {
        pBtn->SetStyle(pBtn->GetStyle() | SEC_TBBS_SELECTED);
        if (bRedraw)
            pBtn->Invalidate();
    }
    if (pManager != NULL)
        pManager->SetSelectedToolBar(m_nSelected >= 0 ? this : NULL);
    NotifyManager(SECBarSelChanged);
}

void SECCustomToolBar::ClearSelection(BOOL bRedraw)
{
    SECStdBtn* pBtn = GetButton(m_nSelected);
    if (pBtn != NULL)
    {
        pBtn->SetStyle(pBtn->GetStyle() & ~SEC_TBBS_SELECTED);
        if (bRedraw)
            pBtn->Invalidate();
    }
    const BOOL bHad = m_nSelected >= 0;
    m_nSelected = -1;
    SECToolBarManager* pManager = GetManager();
    if (pManager != NULL && pManager->GetSelectedToolBar() == this)
        pManager->SetSelectedToolBar(NULL);
    if (bHad)
        NotifyManager(SECBarSelChanged);
}

void SECCustomToolBar::UpdateCommandStyle(UINT nID, UINT nSet, UINT nClear)
{
    const UINT bits[2] = {nSet, nClear};
    auto apply = [&](SECCustomToolBar* pBar) {
        for (SECStdBtn* pBtn : pBar->m_btns)
        {
            if (pBtn->m_nID == nID && !pBtn->HasStyle(TBBS_SEPARATOR))
                pBtn->OnUpdateStyle(1, bits);
        }
    };
    SECToolBarManager* pManager = GetManager();
    CFrameWnd* pFrame = pManager != NULL ? pManager->GetFrame() : NULL;
    if (pFrame == NULL)
    {
        apply(this);
        return;
    }
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            apply(static_cast<SECCustomToolBar*>(pBar));
    }
}

// ---- command updates and tool tips

void SECCustomToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    SECCustomToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetBtnCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        SECStdBtn* pBtn = m_btns[(size_t)state.m_nIndex];
        if (pBtn->HasStyle(TBBS_SEPARATOR))
            continue;
        state.m_nID = pBtn->m_nID;
        state.DoUpdate(pTarget, bDisableIfNoHndler && !pBtn->HasStyle(SEC_TBBS_NODISABLE));
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void SECCustomToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    SECCustomToolBar* pBar = static_cast<SECCustomToolBar*>(m_pOther);
    UINT nStyle = pBar->GetButtonStyle((int)m_nIndex) & ~TBBS_DISABLED;
    if (!bOn)
        nStyle |= TBBS_DISABLED;
    pBar->SetButtonStyle((int)m_nIndex, nStyle);
}

void SECCustomToolCmdUI::SetCheck(int nCheck)
{
    SECCustomToolBar* pBar = static_cast<SECCustomToolBar*>(m_pOther);
    UINT nStyle =
        (pBar->GetButtonStyle((int)m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
    if (nCheck == 1)
        nStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nStyle |= TBBS_INDETERMINATE;
    pBar->SetButtonStyle((int)m_nIndex, nStyle);
}

INT_PTR SECCustomToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const int nIndex = HitTest(point);
    const SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL || pBtn->HasStyle(TBBS_SEPARATOR))
        return -1;
    return pBtn->OnToolHitTest(point, pTI);
}

// ---- painting

BOOL SECCustomToolBar::PrepareDrawing()
{
    if (m_pDrawData == NULL)
    {
        if (m_pOwnDrawData == NULL)
            m_pOwnDrawData = new SECBtnDrawData;
        m_pDrawData = m_pOwnDrawData;
    }
    int cx = m_cxLargest, cy = m_cyLargest;
    for (SECStdBtn* pBtn : m_btns)
    {
        cx = std::max(cx, pBtn->m_cx);
        cy = std::max(cy, pBtn->m_cy);
    }
    return m_pDrawData->BeginPaint(std::max(cx, 1), std::max(cy, 1));
}

void SECCustomToolBar::DoPaint(CDC* pDC)
{
    SECControlBar::DoPaint(pDC);
    if (m_btns.empty() || !PrepareDrawing())
        return;
    for (SECStdBtn* pBtn : m_btns)
        pBtn->Paint(pDC, *m_pDrawData);
    m_pDrawData->EndPaint();
}

void SECCustomToolBar::OnSysColorChange()
{
    SECControlBar::OnSysColorChange();
    if (m_pDrawData != NULL)
        m_pDrawData->SysColorChange();
    if (m_pBmpMgr != NULL)
        m_pBmpMgr->ReloadBitmaps(TRUE);
    Invalidate();
}

// ---- mouse

void SECCustomToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (SECGetToolBarState().bDropDownInProgress)
        return;
    const int nIndex = HitTest(point);
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL || pBtn->HasStyle(TBBS_SEPARATOR))
    {
        SECControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    const BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
    if (pBtn->HasStyle(TBBS_DISABLED) && !m_bCustomise && !bAlt)
    {
        // A disabled button is bar space: the press picks the bar up.
        if (m_pDockBar != NULL && m_pDockContext != NULL)
        {
            ClientToScreen(&point);
            m_pDockContext->StartDrag(point);
        }
        return;
    }
    if (m_bCustomise || bAlt)
    {
        if (pBtn->CanDrag())
            DragButton(nIndex, point);
        return;
    }
    if (!pBtn->OnLButtonDown(point))
        return;
    m_nTracking = nIndex;
    InvalidateButton(nIndex);
    SetCapture();
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, pBtn->m_nID);
}

void SECCustomToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int nIndex = HitTest(point);
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn != NULL && !pBtn->HasStyle(TBBS_SEPARATOR) && !m_bCustomise && ::GetKeyState(VK_MENU) >= 0)
    {
        OnLButtonDown(nFlags, point);
        return;
    }
    SECControlBar::OnLButtonDblClk(nFlags, point);
}

void SECCustomToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nTracking >= 0 && GetCapture() == this)
    {
        m_btns[(size_t)m_nTracking]->OnMouseMove(point);
        UpdateWindow();
        return;
    }
    RestartHotTracking();
    SECControlBar::OnMouseMove(nFlags, point);
}

void SECCustomToolBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_nTracking >= 0 && pWnd != this)
    {
        // Capture taken away while a button was held: nothing is sent.
        SECStdBtn* pBtn = GetButton(m_nTracking);
        m_nTracking = -1;
        if (pBtn != NULL)
            pBtn->ClearHot();
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL)
            pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
    SECControlBar::OnCaptureChanged(pWnd);
}

void SECCustomToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nTracking < 0)
    {
        SECControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    const int nIndex = m_nTracking;
    m_nTracking = -1;
    ReleaseCapture();
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL)
        return;
    const UINT nCmd = pBtn->OnLButtonUp(point);
    InvalidateButton(nIndex);
    UpdateWindow();
    if (nCmd != 0)
        SendButtonCommand(nIndex, nCmd);
}

void SECCustomToolBar::SendButtonCommand(int nIndex, UINT nCmd)
{
    CRect rect;
    GetItemRect(nIndex, &rect);
    ClientToScreen(&rect);
    SECToolBarState& state = SECGetToolBarState();
    SECToolBarManager* pManager = GetManager();
    // The handler may destroy this bar, its frame and the manager: nothing of them is touched
    // afterwards, only the source record held here.
    SECCommandSource* pSource = pManager != NULL ? pManager->GetCommandSourceRecord() : NULL;
    state.bCommandInProgress = TRUE;
    if (pSource != NULL)
    {
        pSource->AddRef();
        pSource->m_bInCommand = TRUE;
        pSource->m_rect = rect;
    }
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_COMMAND, nCmd);
    state.bCommandInProgress = FALSE;
    if (pSource != NULL)
    {
        pSource->m_bInCommand = FALSE;
        pSource->m_rect.SetRectEmpty();
        pSource->Release();
    }
}

int SECCustomToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (m_bCustomise && !IsFloating())
        return MA_NOACTIVATE;
    return SECControlBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

// ---- hot tracking

int SECCustomToolBar::ButtonAtForHot() const
{
    CPoint point;
    ::GetCursorPos(&point);
    if (::WindowFromPoint(point) != m_hWnd)
        return -1;
    ScreenToClient(&point);
    const int nIndex = HitTest(point);
    const SECStdBtn* pBtn = GetButton(nIndex);
    return pBtn != NULL && !pBtn->HasStyle(TBBS_SEPARATOR) ? nIndex : -1;
}

void SECCustomToolBar::SetHot(int nIndex)
{
    if (nIndex == m_nHot)
        return;
    SECStdBtn* pOld = GetButton(m_nHot);
    if (pOld != NULL)
    {
        pOld->SetStyle(pOld->GetStyle() & ~SEC_TBBS_HOT);
        pOld->Invalidate();
    }
    m_nHot = nIndex;
    SECStdBtn* pNew = GetButton(nIndex);
    if (pNew != NULL)
    {
        pNew->SetStyle(pNew->GetStyle() | SEC_TBBS_HOT);
        pNew->Invalidate();
    }
}

void SECCustomToolBar::RestartHotTracking()
{
    const SECToolBarState& state = SECGetToolBarState();
    if (!IsFlat() || m_hWnd == NULL || ::GetActiveWindow() == NULL || state.bDropDownInProgress ||
        state.bDragInProgress || m_nTracking >= 0 || GetCapture() != NULL)
        return;
    const int nIndex = ButtonAtForHot();
    SetHot(nIndex);
    if (nIndex >= 0 && !m_bHotTimer)
        m_bHotTimer = SetTimer(SEC_IDT_HOTTRACK, SEC_HOTTRACK_MS, NULL) != 0;
}

void SECCustomToolBar::StopHotTracking()
{
    if (m_bHotTimer && m_hWnd != NULL)
        KillTimer(SEC_IDT_HOTTRACK);
    m_bHotTimer = FALSE;
    SetHot(-1);
}

BOOL SECCustomToolBar::IsHotTimerRunning() const
{
    return m_bHotTimer;
}

void SECCustomToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != SEC_IDT_HOTTRACK)
    {
        SECControlBar::OnTimer(nIDEvent);
        return;
    }
    const int nIndex = m_nTracking >= 0 ? m_nHot : ButtonAtForHot();
    SetHot(nIndex);
    if (m_nHot < 0)
    {
        KillTimer(SEC_IDT_HOTTRACK);
        m_bHotTimer = FALSE;
    }
}

// ---- showing and hiding

void SECCustomToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    if (lpWndPos->flags & SWP_SHOWWINDOW)
        NotifyManager(SECBarShowing);
    else if (lpWndPos->flags & SWP_HIDEWINDOW)
        NotifyManager(SECBarHiding);
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    SECControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && !(lpWndPos->flags & SWP_NOSIZE))
        Invalidate();
}

void SECCustomToolBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    if (bShow)
        NotifyManager(SECBarShowing);
    SECControlBar::OnShowWindow(bShow, nStatus);
}

void SECCustomToolBar::DelayShow(BOOL bShow)
{
    SECToolBarManager* pManager = GetManager();
    if (!bShow && !m_bLocked && IsFloating() && pManager != NULL && pManager->m_bConfig)
    {
        // While customising a floating bar goes at once, not at the next idle layout.
        m_nStateFlags |= delayHide;
        PostMessage(WM_NODELAYHIDE);
        return;
    }
    SECControlBar::DelayShow(bShow);
}

LRESULT SECCustomToolBar::OnNoDelayHide(WPARAM, LPARAM)
{
    CFrameWnd* pFrame = GetDockingFrame();
    m_bLocked = TRUE;
    if (pFrame != NULL)
        pFrame->ShowControlBar(this, FALSE, FALSE);
    m_bLocked = FALSE;
    m_nStateFlags &= ~delayHide;
    return 0;
}

// ---- menu mode (the menu bar builds on these)

void SECCustomToolBar::TrackButtonMenu(SECStdBtn* pBtn, HMENU hMenu, UINT_PTR nValue)
{
    m_nMenuTracked = IndexOfButton(pBtn);
    StopHotTracking();
    if (pBtn != NULL)
        pBtn->SendNotify(-2120, (UINT_PTR)hMenu, nValue);
}

void SECCustomToolBar::OpenButtonMenu(int nIndex)
{
    ExitMenuMode();
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL || (pBtn->m_nType != SECStdBtn::BtnMenu && pBtn->m_nType != SECStdBtn::BtnMenuOther))
        return;
    SECStdBtn* pOld = GetButton(m_nMenuTracked);
    if (pOld != NULL && pOld != pBtn)
        pOld->ClearHot();
    m_nMenuTracked = nIndex;
    pBtn->OnLButtonDown(CPoint(pBtn->m_x, pBtn->m_y));
}

void SECCustomToolBar::SetMenuFocus(int nIndex)
{
    SECStdBtn* pOld = GetButton(m_nMenuTracked);
    if (pOld != NULL)
    {
        pOld->SetStyle(pOld->GetStyle() & ~SEC_TBBS_HOT);
        pOld->Invalidate();
    }
    m_nMenuTracked = nIndex;
    SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn != NULL)
    {
        pBtn->SetStyle(pBtn->GetStyle() | SEC_TBBS_HOT);
        pBtn->Invalidate();
    }
    m_bMenuMode = TRUE;
}

BOOL SECCustomToolBar::OpenMenuAt(CPoint point)
{
    const int nIndex = HitTest(point);
    const SECStdBtn* pBtn = GetButton(nIndex);
    if (pBtn == NULL || (pBtn->m_nType != SECStdBtn::BtnMenu && pBtn->m_nType != SECStdBtn::BtnMenuOther))
        return FALSE;
    OpenButtonMenu(nIndex);
    return TRUE;
}

void SECCustomToolBar::ExitMenuMode()
{
    if (!m_bMenuMode)
        return;
    m_bMenuMode = FALSE;
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL)
    {
        NMTOOLBAR nm = {};
        nm.hdr.hwndFrom = m_hWnd;
        nm.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
        nm.hdr.code = (UINT)-2123;
        nm.iItem = -1;
        pOwner->SendMessage(WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    }
    SECStdBtn* pBtn = GetButton(m_nMenuTracked);
    if (pBtn != NULL)
    {
        pBtn->SetStyle(pBtn->GetStyle() & ~SEC_TBBS_HOT);
        pBtn->Invalidate();
    }
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

BOOL SECCustomToolBar::IsMenuMode() const
{
    return m_bMenuMode;
}

namespace
{
BOOL IsMenuKind(const SECStdBtn* pBtn, BOOL bTopOnly)
{
    if (pBtn->HasStyle(TBBS_HIDDEN))
        return FALSE;
    return pBtn->m_nType == SECStdBtn::BtnMenu || (!bTopOnly && pBtn->m_nType == SECStdBtn::BtnMenuOther);
}
} // namespace

int SECCustomToolBar::FirstMenuButton() const
{
    for (int i = 0; i < GetBtnCount(); i++)
        if (IsMenuKind(m_btns[(size_t)i], FALSE))
            return i;
    return -1;
}

int SECCustomToolBar::LastMenuButton() const
{
    for (int i = GetBtnCount() - 1; i >= 0; i--)
        if (IsMenuKind(m_btns[(size_t)i], FALSE))
            return i;
    return -1;
}

int SECCustomToolBar::FirstTopMenuButton() const
{
    for (int i = 0; i < GetBtnCount(); i++)
        if (IsMenuKind(m_btns[(size_t)i], TRUE))
            return i;
    return -1;
}

int SECCustomToolBar::NextMenuButton(BOOL bForward) const
{
    const int nStep = bForward ? 1 : -1;
    for (int i = m_nMenuTracked + nStep; i >= 0 && i < GetBtnCount(); i += nStep)
        if (IsMenuKind(m_btns[(size_t)i], FALSE))
            return i;
    return -1;
}

void SECCustomToolBar::OnTrackMessage(MSG* pMsg)
{
    if (pMsg->message != WM_MOUSEMOVE || m_nMenuTracked < 0)
        return;
    CPoint point((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
    ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
    const int nIndex = HitTest(point);
    if (nIndex < 0 || nIndex == m_nMenuTracked)
        return;
    SECStdBtn* pBtn = GetButton(nIndex);
    if (!IsMenuKind(pBtn, FALSE))
        pBtn->SendNotify(-2121);
    else
        OpenButtonMenu(nIndex);
}

void SECCustomToolBar::EndTracking()
{
    SECStdBtn* pBtn = GetButton(m_nMenuTracked);
    if (pBtn != NULL)
        pBtn->ClearHot();
    m_nMenuTracked = -1;
    RestartHotTracking();
}

void SECCustomToolBar::SizeInReBar()
{
    if (m_hWnd == NULL || (m_dwExStyle & ~0x7FUL) == 0)
        return;
    CWnd* pParent = GetParent();
    TCHAR szClass[32] = {};
    if (pParent == NULL || !::GetClassName(pParent->m_hWnd, szClass, 32) ||
        lstrcmpi(szClass, REBARCLASSNAME) != 0)
        return;
    CRect rect;
    GetWindowRect(&rect);
    const int nBands = (int)pParent->SendMessage(RB_GETBANDCOUNT);
    for (int i = 0; i < nBands; i++)
    {
        REBARBANDINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
        if (!pParent->SendMessage(RB_GETBANDINFO, i, (LPARAM)&info) || info.hwndChild != m_hWnd)
            continue;
        const BOOL bStretch = (m_dwExStyle & BAR_EX_STRETCH) != 0;
        if ((int)info.cyMinChild != rect.Height() ||
            (bStretch && rect.Width() > 0 && (int)info.cxMinChild != rect.Width()))
        {
            info.fMask = RBBIM_CHILDSIZE;
            info.cyMinChild = (UINT)rect.Height();
            if (bStretch && rect.Width() > 0)
                info.cxMinChild = (UINT)rect.Width();
            pParent->SendMessage(RB_SETBANDINFO, i, (LPARAM)&info);
        }
        break;
    }
}
