// CToolBar: creating the toolbar control, its buttons and images, and the borders around it.
#include "ToolBar.h"
#include "FrameWnd.h"
#include "WinApp.h"
#include "WindowDC.h"
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_NCCREATE()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_SYSCOLORCHANGE()
ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
END_MESSAGE_MAP()

CToolBar::CToolBar()
    : m_hbmImageWell(NULL), m_hInstImageWell(NULL), m_hRsrcImageWell(NULL), m_sizeButton(23, 22),
      m_sizeImage(16, 15)
{
    m_cyTopBorder = m_cyBottomBorder = 3;
}

CToolBar::~CToolBar()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle,
                    CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;
    // The control does not place or size itself: the frame's layout does.
    DWORD dwWndStyle =
        (dwStyle & ~CBRS_ALL) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | dwCtrlStyle;
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG))
        return FALSE;
    CToolBarLayout::ComCtlVersion();
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CControlBar::OnNcCreate(lpcs))
        return FALSE;
    CToolBarLayout::InitControl(m_hWnd, m_hWndOwner);
    return TRUE;
}

void CToolBar::SetOwner(CWnd* pOwnerWnd)
{
    CControlBar::SetOwner(pOwnerWnd);
    if (m_hWnd != NULL)
        CToolBarLayout::SetOwner(m_hWnd, pOwnerWnd->GetSafeHwnd());
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    if (m_hWnd == NULL)
    {
        // Applied when the window exists.
        m_sizeButton = sizeButton;
        m_sizeImage = sizeImage;
        return;
    }
    CToolBarLayout::ApplySizes(this, sizeButton, sizeImage);
}

LRESULT CToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult)
        m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

LRESULT CToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult)
        m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
    return lResult;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    return CToolBarLayout::SetButtons(m_hWnd, lpIDArray, nIDCount);
}

BOOL CToolBar::AddReplaceBitmap(HBITMAP hbmImageWell)
{
    if (!CToolBarLayout::AddReplaceBitmap(m_hWnd, m_hbmImageWell, hbmImageWell, m_sizeImage.cx))
        return FALSE;
    if (m_hbmImageWell != NULL && m_hbmImageWell != hbmImageWell)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    // The caller keeps such a bitmap up to date with system colours itself.
    m_hInstImageWell = NULL;
    m_hRsrcImageWell = NULL;
    return AddReplaceBitmap(hbmImageWell);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    m_hInstImageWell = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    m_hRsrcImageWell = ::FindResource(m_hInstImageWell, lpszResourceName, RT_BITMAP);
    if (m_hRsrcImageWell == NULL)
        return FALSE;
    HBITMAP hbm = AfxLoadSysColorBitmap(m_hInstImageWell, m_hRsrcImageWell);
    if (!AddReplaceBitmap(hbm))
    {
        if (hbm != NULL)
            ::DeleteObject(hbm);
        return FALSE;
    }
    return TRUE;
}

void CToolBar::OnSysColorChange()
{
    // Images loaded from a resource follow the new button colours.
    if (m_hInstImageWell != NULL && m_hRsrcImageWell != NULL)
    {
        HBITMAP hbm = AfxLoadSysColorBitmap(m_hInstImageWell, m_hRsrcImageWell);
        if (hbm != NULL && !AddReplaceBitmap(hbm))
            ::DeleteObject(hbm);
    }
    Default();
}

// ---- buttons

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return CToolBarLayout::CommandToIndex(m_hWnd, nIDFind);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    return CToolBarLayout::GetItemID(m_hWnd, nIndex);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    CToolBarLayout::GetItemRect(m_hWnd, nIndex, lpRect);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    CToolBarLayout::GetButtonInfo(m_hWnd, nIndex, nID, nStyle, iImage);
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    CToolBarLayout::SetButtonInfo(m_hWnd, nIndex, nID, nStyle, iImage);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    return CToolBarLayout::HitTest(m_hWnd, point, pTI);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolBarLayout::UpdateButtons(this, m_hWnd, pTarget, bDisableIfNoHndler);
}

// ---- layout

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return Layout().CalcFixedLayout(bStretch, bHorz);
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    return Layout().CalcDynamicLayout(nLength, dwMode);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    // Other borders mean another non-client area.
    if ((dwOldStyle ^ dwNewStyle) & (CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_ORIENT_ANY | CBRS_FLOATING))
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CControlBar::CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    if (CToolBarLayout::ComCtlVersion() < CToolBarLayout::kVersion471)
        lpncsp->rgrc[0].top -= 2; // older controls draw a border of their own
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CToolBar::OnNcPaint()
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
    DrawGripper(&dc, rectWindow);
}

// ---- system-coloured bitmaps

HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono)
{
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    DWORD cbResource = ::SizeofResource(hInst, hRsrc);
    const BITMAPINFOHEADER* pHeader =
        hGlobal != NULL ? (const BITMAPINFOHEADER*)::LockResource(hGlobal) : NULL;
    if (pHeader == NULL || cbResource < sizeof(BITMAPINFOHEADER) ||
        pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biBitCount > 8 || pHeader->biBitCount == 0)
        return NULL;
    int nColors = pHeader->biClrUsed != 0 ? (int)pHeader->biClrUsed : 1 << pHeader->biBitCount;
    DWORD cbInfo = pHeader->biSize + nColors * sizeof(RGBQUAD);
    if (nColors > 256 || cbInfo > cbResource)
        return NULL;
    // The colour table is copied and its standard button colours replaced.
    std::vector<BYTE> info((const BYTE*)pHeader, (const BYTE*)pHeader + cbInfo);
    RGBQUAD* pColors = (RGBQUAD*)(info.data() + pHeader->biSize);
    static const struct
    {
        COLORREF rgbFrom;
        int nSysColor;
    } kMap[] = {
        {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
        {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
        {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
        {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
    };
    for (int i = 0; i < nColors; i++)
    {
        COLORREF rgb = RGB(pColors[i].rgbRed, pColors[i].rgbGreen, pColors[i].rgbBlue);
        for (const auto& m : kMap)
        {
            if (rgb != m.rgbFrom ||
                (bMono && m.nSysColor != COLOR_BTNTEXT && m.nSysColor != COLOR_BTNHIGHLIGHT))
                continue;
            COLORREF rgbTo = ::GetSysColor(m.nSysColor);
            pColors[i].rgbRed = GetRValue(rgbTo);
            pColors[i].rgbGreen = GetGValue(rgbTo);
            pColors[i].rgbBlue = GetBValue(rgbTo);
            break;
        }
    }
    const BYTE* pBits = (const BYTE*)pHeader + cbInfo;
    LONG cx = pHeader->biWidth;
    LONG cy = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
    DWORD cbRow = (DWORD)(((cx * pHeader->biBitCount + 31) / 32) * 4);
    if (pHeader->biCompression == BI_RGB && (DWORD64)cbRow * cy > cbResource - cbInfo)
        return NULL; // the image is shorter than its header says
    HDC hDCScreen = ::GetDC(NULL);
    HBITMAP hbm = ::CreateCompatibleBitmap(hDCScreen, cx, cy);
    if (hbm != NULL)
        ::SetDIBits(hDCScreen, hbm, 0, (UINT)cy, pBits, (const BITMAPINFO*)info.data(), DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hDCScreen);
    return hbm;
}

// ---- command state of one button (m_pOther is the bar, whose window is the toolbar control)

void CToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    HWND hWndToolBar = m_pOther->GetSafeHwnd();
    UINT nNewStyle = CToolBarLayout::GetButtonStyle(hWndToolBar, (int)m_nIndex) & ~TBBS_DISABLED;
    if (!bOn)
    {
        // The control would keep a disabled button pressed after the mouse goes up.
        nNewStyle |= TBBS_DISABLED;
        nNewStyle &= ~TBBS_PRESSED;
    }
    CToolBarLayout::SetButtonStyle(hWndToolBar, (int)m_nIndex, nNewStyle);
}

void CToolCmdUI::SetCheck(int nCheck)
{
    HWND hWndToolBar = m_pOther->GetSafeHwnd();
    UINT nNewStyle =
        CToolBarLayout::GetButtonStyle(hWndToolBar, (int)m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    CToolBarLayout::SetButtonStyle(hWndToolBar, (int)m_nIndex, nNewStyle | TBBS_CHECKBOX);
}
