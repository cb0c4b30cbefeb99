// SECToolBar: creating the toolbar control, its images and buttons, its borders, and the
// messages whose default handling the newer controls need flat.
#include "uilib/bars/ToolBar.h"
#include "mfc/FrameWnd.h"
#include "mfc/WindowDC.h"

IMPLEMENT_DYNAMIC(SECToolBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECToolBar, SECControlBar)
ON_WM_NCCREATE()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SYSCOLORCHANGE()
ON_WM_WINDOWPOSCHANGING()
ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_MESSAGE(WM_SETFONT, OnSetFont)
END_MESSAGE_MAP()

namespace
{
// The control neither places nor sizes itself and draws no divider: the frame lays it out.
const DWORD kControlStyle = CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NORESIZE | CCS_NODIVIDER;
} // namespace

SECToolBar::SECToolBar()
    : m_hbmImageWell(NULL), m_hInstImageWell(NULL), m_lpszResourceName(NULL), m_bDelayedButtonLayout(TRUE),
      m_bPendingFloat(TRUE), m_bPendingHorz(TRUE), m_bPendingVert(TRUE), m_sizeImage(16, 15),
      m_sizeButton(23, 22), m_pStringMap(NULL)
{
    m_cyTopBorder = m_cyBottomBorder = 3;
}

SECToolBar::~SECToolBar()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
}

BOOL SECToolBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExBarStyle, UINT nID,
                        CCreateContext*)
{
    if (!CreateEx(pParentWnd, 0, dwStyle,
                  CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID))
        return FALSE;
    SetExBarStyle(dwExBarStyle | BAR_EX_FIXED_FLOAT_SIZE, FALSE);
    SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (lpszWindowName != NULL)
        SetWindowText(lpszWindowName);
    return TRUE;
}

BOOL SECToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders, UINT nID)
{
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG))
        return FALSE;
    CToolBarLayout::ComCtlVersion();
    CToolBarLayout::DropDownWidth();
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | kControlStyle | dwCtrlStyle;
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    SetExBarStyle(BAR_EX_FIXED_FLOAT_SIZE, FALSE);
    m_bPendingFloat = m_bPendingHorz = m_bPendingVert = TRUE;
    return TRUE;
}

BOOL SECToolBar::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!SECControlBar::OnNcCreate(lpcs))
        return FALSE;
    CToolBarLayout::InitControl(m_hWnd, m_hWndOwner);
    return TRUE;
}

void SECToolBar::SetOwner(CWnd* pOwnerWnd)
{
    SECControlBar::SetOwner(pOwnerWnd);
    if (m_hWnd != NULL)
        CToolBarLayout::SetOwner(m_hWnd, pOwnerWnd->GetSafeHwnd());
}

void SECToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    if (m_hWnd == NULL)
    {
        m_sizeButton = sizeButton;
        m_sizeImage = sizeImage;
        return;
    }
    CToolBarLayout::ApplySizes(this, sizeButton, sizeImage);
}

LRESULT SECToolBar::DefaultAsFlat()
{
    if (CToolBarLayout::ComCtlVersion() < CToolBarLayout::kVersion471)
        return Default();
    const DWORD dwStyle = GetStyle();
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, (LONG_PTR)(dwStyle | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT));
    const LRESULT lResult = Default();
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, (LONG_PTR)dwStyle);
    return lResult;
}

LRESULT SECToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = DefaultAsFlat();
    if (lResult)
        m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

LRESULT SECToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = DefaultAsFlat();
    if (lResult)
        m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

LRESULT SECToolBar::OnSettingChange(WPARAM, LPARAM)
{
    return DefaultAsFlat();
}

LRESULT SECToolBar::OnSetFont(WPARAM, LPARAM)
{
    return DefaultAsFlat();
}

// ---- images and buttons

BOOL SECToolBar::AddReplaceBitmap(HBITMAP hbmImageWell)
{
    if (!CToolBarLayout::AddReplaceBitmap(m_hWnd, m_hbmImageWell, hbmImageWell, m_sizeImage.cx))
        return FALSE;
    if (m_hbmImageWell != NULL && m_hbmImageWell != hbmImageWell)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL SECToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    m_hInstImageWell = NULL;
    m_lpszResourceName = NULL;
    return AddReplaceBitmap(hbmImageWell);
}

BOOL SECToolBar::AddBitmap(int nCount, HBITMAP hbmImageWell)
{
    BITMAP bitmap;
    if (nCount <= 0 || hbmImageWell == NULL || !::GetObject(hbmImageWell, sizeof(BITMAP), &bitmap))
        return FALSE;
    if (bitmap.bmWidth / nCount != m_sizeImage.cx)
        SetSizes(m_sizeButton, CSize(bitmap.bmWidth / nCount, m_sizeImage.cy));
    return SetBitmap(hbmImageWell);
}

BOOL SECToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HRSRC hRsrc = ::FindResource(hInst, lpszResourceName, RT_BITMAP);
    if (hRsrc == NULL)
        return FALSE;
    HBITMAP hbm = AfxLoadSysColorBitmap(hInst, hRsrc);
    if (!AddReplaceBitmap(hbm))
    {
        if (hbm != NULL)
            ::DeleteObject(hbm);
        return FALSE;
    }
    m_hInstImageWell = hInst;
    if (IS_INTRESOURCE(lpszResourceName))
        m_lpszResourceName = lpszResourceName;
    else
    {
        m_strResourceName = lpszResourceName;
        m_lpszResourceName = m_strResourceName;
    }
    return TRUE;
}

void SECToolBar::OnSysColorChange()
{
    if (m_hInstImageWell != NULL && m_lpszResourceName != NULL)
    {
        HRSRC hRsrc = ::FindResource(m_hInstImageWell, m_lpszResourceName, RT_BITMAP);
        HBITMAP hbm = hRsrc != NULL ? AfxLoadSysColorBitmap(m_hInstImageWell, hRsrc) : NULL;
        if (hbm != NULL && !AddReplaceBitmap(hbm))
            ::DeleteObject(hbm);
    }
    Default();
}

BOOL SECToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    const BOOL bResult = CToolBarLayout::SetButtons(m_hWnd, lpIDArray, nIDCount);
    m_bDelayedButtonLayout = TRUE;
    return bResult;
}

int SECToolBar::CommandToIndex(UINT nIDFind) const
{
    return CToolBarLayout::CommandToIndex(m_hWnd, nIDFind);
}

UINT SECToolBar::GetItemID(int nIndex) const
{
    return CToolBarLayout::GetItemID(m_hWnd, nIndex);
}

void SECToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    CToolBarLayout::GetItemRect(m_hWnd, nIndex, lpRect);
}

void SECToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    CToolBarLayout::GetButtonInfo(m_hWnd, nIndex, nID, nStyle, iImage);
}

void SECToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    CToolBarLayout::SetButtonInfo(m_hWnd, nIndex, nID, nStyle, iImage);
}

INT_PTR SECToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const INT_PTR nHit = SECControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    return CToolBarLayout::HitTest(m_hWnd, point, pTI);
}

void SECToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolBarLayout::UpdateButtons(this, m_hWnd, pTarget, bDisableIfNoHndler);
}

// ---- layout

CSize SECToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CSize size = Layout().CalcFixedLayout(bStretch, bHorz);
    (bHorz ? m_bPendingHorz : m_bPendingVert) = FALSE;
    return size;
}

CSize SECToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    const CSize size = Layout().CalcDynamicLayout(nLength, dwMode);
    if (dwMode & LM_COMMIT)
    {
        if (dwMode & LM_HORZDOCK)
            m_bPendingHorz = FALSE;
        else if (dwMode & LM_VERTDOCK)
            m_bPendingVert = FALSE;
        else
            m_bPendingFloat = FALSE;
    }
    return size;
}

void SECToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_bDelayedButtonLayout = TRUE;
}

void SECToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    // The control bar's handling sees no borders: they are the non-client area here.
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    SECControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && !(lpWndPos->flags & SWP_NOSIZE))
        Invalidate();
}

void SECToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    if (CToolBarLayout::ComCtlVersion() < CToolBarLayout::kVersion471)
        lpncsp->rgrc[0].top -= 2; // older controls draw a border of their own
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void SECToolBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectClient, rectWindow;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    GetWindowRect(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, rectWindow);
}

void SECToolBar::OnPaint()
{
    m_bDelayedButtonLayout = FALSE;
    Default();
}

BOOL SECToolBar::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}
