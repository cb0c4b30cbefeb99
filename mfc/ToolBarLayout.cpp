// Toolbar rules shared by every toolbar on the common control: wrapping, sizes per layout mode,
// button records and command-state updates.
#include "ToolBarLayout.h"
#include "FrameWnd.h"
#include "ToolBar.h"
#include <algorithm>
#include <shlwapi.h>
#include <vector>

namespace
{
LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    // The control's own procedure: the bar's handlers for these messages are not wanted here.
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL)
        return pWnd->DefWindowProc(message, wParam, lParam);
    return ::SendMessage(hWnd, message, wParam, lParam);
}
} // namespace

CToolBarLayout::CToolBarLayout(CControlBar* pBar, HWND hWndToolBar, CSize sizeButton)
    : m_pBar(pBar), m_hWnd(hWndToolBar), m_sizeButton(sizeButton)
{
}

// ---- versions and metrics

namespace
{
CToolBarLayout::PFNFINDDLLGETVERSION g_pfnFindDllGetVersion = &CToolBarLayout::FindComCtlDllGetVersion;
DWORD g_dwComCtlVersion = 0;
} // namespace

CToolBarLayout::PFNDLLGETVERSION PASCAL CToolBarLayout::FindComCtlDllGetVersion()
{
    HMODULE hComCtl = ::GetModuleHandle(_T("COMCTL32.DLL"));
    if (hComCtl == NULL)
        hComCtl = ::LoadLibrary(_T("COMCTL32.DLL"));
    if (hComCtl == NULL)
        return NULL;
    FARPROC pProc = ::GetProcAddress(hComCtl, "DllGetVersion");
    PFNDLLGETVERSION pfn;
    static_assert(sizeof(pfn) == sizeof(pProc), "function pointers");
    memcpy(&pfn, &pProc, sizeof(pfn));
    return pfn;
}

void PASCAL CToolBarLayout::SetDllGetVersionSource(PFNFINDDLLGETVERSION pfnFind)
{
    g_pfnFindDllGetVersion = pfnFind != NULL ? pfnFind : &FindComCtlDllGetVersion;
    g_dwComCtlVersion = 0;
}

DWORD PASCAL CToolBarLayout::ComCtlVersion()
{
    if (g_dwComCtlVersion != 0)
        return g_dwComCtlVersion;
    g_dwComCtlVersion = 0x40000;
    PFNDLLGETVERSION pfn = g_pfnFindDllGetVersion();
    DLLVERSIONINFO dvi = {};
    dvi.cbSize = sizeof(dvi);
    if (pfn != NULL && SUCCEEDED(pfn(&dvi)))
        g_dwComCtlVersion = MAKELONG(dvi.dwMinorVersion, dvi.dwMajorVersion);
    return g_dwComCtlVersion;
}

int PASCAL CToolBarLayout::DropDownWidth()
{
    static int nWidth = -1;
    if (nWidth >= 0)
        return nWidth;
    HDC hDC = ::GetDC(NULL);
    HFONT hFont = ::CreateFont(::GetSystemMetrics(SM_CYMENUCHECK), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                               SYMBOL_CHARSET, 0, 0, 0, 0, _T("Marlett"));
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    ABC abc;
    INT nCharWidth = 0;
    if (::GetCharABCWidths(hDC, '6', '6', &abc))
        nWidth = abc.abcA + (int)abc.abcB + abc.abcC;
    else if (::GetCharWidth32(hDC, '6', '6', &nCharWidth))
        nWidth = nCharWidth;
    else
        nWidth = 0;
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(NULL, hDC);
    return nWidth;
}

int PASCAL CToolBarLayout::SeparatorWidth(HWND hWndToolBar)
{
    BOOL bFlat = (::GetWindowLongPtr(hWndToolBar, GWL_STYLE) & TBSTYLE_FLAT) != 0;
    return (bFlat || ComCtlVersion() == kVersion471) ? 6 : 8;
}

BOOL PASCAL CToolBarLayout::SetButtons(HWND hWndToolBar, const UINT* lpIDArray, int nIDCount)
{
    int nCount = (int)Send(hWndToolBar, TB_BUTTONCOUNT);
    while (nCount-- > 0)
        Send(hWndToolBar, TB_DELETEBUTTON, 0);
    TBBUTTON button = {};
    button.iString = -1;
    int iImage = 0;
    for (int i = 0; i < nIDCount; i++)
    {
        button.fsState = TBSTATE_ENABLED;
        button.idCommand = lpIDArray != NULL ? (int)lpIDArray[i] : 0;
        if (lpIDArray == NULL)
        {
            button.fsStyle = TBSTYLE_BUTTON; // an empty button the caller fills in
            button.iBitmap = 0;
        }
        else if (button.idCommand == 0)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = SeparatorWidth(hWndToolBar);
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = iImage++;
        }
        if (!Send(hWndToolBar, TB_ADDBUTTONS, 1, (LPARAM)&button))
            return FALSE;
    }
    return TRUE;
}

BOOL PASCAL CToolBarLayout::AddReplaceBitmap(HWND hWndToolBar, HBITMAP hbmOld, HBITMAP hbmNew, int cxImage)
{
    BITMAP bitmap;
    if (hbmNew == NULL || !::GetObject(hbmNew, sizeof(BITMAP), &bitmap) || cxImage <= 0)
        return FALSE;
    int nImages = bitmap.bmWidth / cxImage;
    if (hbmOld == NULL)
    {
        TBADDBITMAP addBitmap = {NULL, (UINT_PTR)hbmNew};
        return Send(hWndToolBar, TB_ADDBITMAP, nImages, (LPARAM)&addBitmap) != -1;
    }
    TBREPLACEBITMAP replace = {NULL, (UINT_PTR)hbmOld, NULL, (UINT_PTR)hbmNew, nImages};
    return (BOOL)Send(hWndToolBar, TB_REPLACEBITMAP, 0, (LPARAM)&replace);
}

// ---- button records

BOOL CToolBarLayout::GetButton(HWND hWndToolBar, int nIndex, TBBUTTON* pButton)
{
    if (!Send(hWndToolBar, TB_GETBUTTON, nIndex, (LPARAM)pButton))
        return FALSE;
    pButton->fsState ^= TBSTATE_ENABLED; // CToolBar's view: a disabled bit
    return TRUE;
}

void CToolBarLayout::InitControl(HWND hWndToolBar, HWND hWndOwner)
{
    if (hWndOwner != NULL)
        SetOwner(hWndToolBar, hWndOwner);
    Send(hWndToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void CToolBarLayout::SetOwner(HWND hWndToolBar, HWND hWndOwner)
{
    Send(hWndToolBar, TB_SETPARENT, (WPARAM)hWndOwner, 0);
}

void CToolBarLayout::ApplySizes(CWnd* pBar, SIZE sizeButton, SIZE sizeImage)
{
    pBar->SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    pBar->SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
    pBar->Invalidate();
}

int CToolBarLayout::CommandToIndex(HWND hWndToolBar, UINT nIDFind)
{
    return (int)Send(hWndToolBar, TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CToolBarLayout::GetItemID(HWND hWndToolBar, int nIndex)
{
    TBBUTTON button = {};
    if (!GetButton(hWndToolBar, nIndex, &button))
        return 0;
    return (UINT)button.idCommand;
}

void CToolBarLayout::GetItemRect(HWND hWndToolBar, int nIndex, LPRECT lpRect)
{
    if (!Send(hWndToolBar, TB_GETITEMRECT, nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

void CToolBarLayout::GetButtonInfo(HWND hWndToolBar, int nIndex, UINT& nID, UINT& nStyle, int& iImage)
{
    TBBUTTON button = {};
    GetButton(hWndToolBar, nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CToolBarLayout::SetButtonInfo(HWND hWndToolBar, int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button = {};
    if (!GetButton(hWndToolBar, nIndex, &button))
        return;
    button.idCommand = (int)nID;
    button.iBitmap = iImage;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    SetButton(hWndToolBar, nIndex, &button);
}

void CToolBarLayout::SetButton(HWND hWndToolBar, int nIndex, TBBUTTON* pButton)
{
    TBBUTTON old = {};
    if (!Send(hWndToolBar, TB_GETBUTTON, nIndex, (LPARAM)&old))
        return;
    TBBUTTON button = *pButton;
    button.fsState ^= TBSTATE_ENABLED;
    if (old.iBitmap == button.iBitmap && old.idCommand == button.idCommand && old.fsState == button.fsState &&
        old.fsStyle == button.fsStyle && old.dwData == button.dwData && old.iString == button.iString)
        return;
    // Replaced while the window does not draw, then only what changed is repainted.
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hWndToolBar, GWL_STYLE);
    CWnd::ModifyStyle(hWndToolBar, WS_VISIBLE, 0, 0);
    Send(hWndToolBar, TB_DELETEBUTTON, nIndex);
    Send(hWndToolBar, TB_INSERTBUTTON, nIndex, (LPARAM)&button);
    CWnd::ModifyStyle(hWndToolBar, 0, dwStyle & WS_VISIBLE, 0);
    if (((button.fsStyle ^ old.fsStyle) & TBSTYLE_SEP) ||
        ((button.fsStyle & TBSTYLE_SEP) && button.iBitmap != old.iBitmap))
        ::InvalidateRect(hWndToolBar, NULL, TRUE);
    else
    {
        RECT rect;
        if (Send(hWndToolBar, TB_GETITEMRECT, nIndex, (LPARAM)&rect))
            ::InvalidateRect(hWndToolBar, &rect, TRUE);
    }
}

UINT CToolBarLayout::GetButtonStyle(HWND hWndToolBar, int nIndex)
{
    TBBUTTON button = {};
    if (!GetButton(hWndToolBar, nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBarLayout::SetButtonStyle(HWND hWndToolBar, int nIndex, UINT nStyle)
{
    TBBUTTON button = {};
    if (!GetButton(hWndToolBar, nIndex, &button))
        return;
    if (button.fsStyle == (BYTE)LOWORD(nStyle) && button.fsState == (BYTE)HIWORD(nStyle))
        return;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    SetButton(hWndToolBar, nIndex, &button);
}

void CToolBarLayout::UpdateButtons(CControlBar* pBar, HWND hWndToolBar, CFrameWnd* pTarget,
                                   BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = pBar;
    state.m_nIndexMax = (UINT)Send(hWndToolBar, TB_BUTTONCOUNT);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        TBBUTTON button = {};
        if (!GetButton(hWndToolBar, (int)state.m_nIndex, &button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nID = (UINT)button.idCommand;
        // The bar itself may handle the update of its own buttons.
        if (pBar->CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    pBar->UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

INT_PTR CToolBarLayout::HitTest(HWND hWndToolBar, CPoint point, TOOLINFO* pTI)
{
    int nButtons = (int)Send(hWndToolBar, TB_BUTTONCOUNT);
    for (int i = 0; i < nButtons; i++)
    {
        CRect rect;
        TBBUTTON button = {};
        if (!Send(hWndToolBar, TB_GETITEMRECT, i, (LPARAM)&rect))
            continue;
        rect.right++;
        rect.bottom++;
        if (!rect.PtInRect(point) || !Send(hWndToolBar, TB_GETBUTTON, i, (LPARAM)&button) ||
            (button.fsStyle & TBSTYLE_SEP) || (button.fsState & TBSTATE_HIDDEN))
            continue;
        INT_PTR nHit = button.idCommand;
        if (pTI != NULL)
        {
            pTI->hwnd = hWndToolBar;
            pTI->rect = rect;
            pTI->uId = (UINT_PTR)nHit;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return nHit != 0 ? nHit : -1;
    }
    return -1;
}

// ---- wrapping and sizes

int CToolBarLayout::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth) const
{
    int nRows = 0;
    int x = 0;
    for (int i = 0; i < nCount; i++)
    {
        pData[i].fsState &= ~TBSTATE_WRAP;
        if (pData[i].fsState & TBSTATE_HIDDEN)
            continue;
        int dx = (pData[i].fsStyle & TBSTYLE_SEP) ? pData[i].iBitmap : m_sizeButton.cx;
        if (x + dx <= nWidth)
        {
            x += dx;
            continue;
        }
        // Too long: the row ends at its last separator, else before this button.
        BOOL bFound = FALSE;
        for (int j = i; j >= 0 && !(pData[j].fsState & TBSTATE_WRAP); j--)
        {
            if ((pData[j].fsStyle & TBSTYLE_SEP) && pData[j].idCommand == 0 &&
                !(pData[j].fsState & TBSTATE_HIDDEN))
            {
                bFound = TRUE;
                i = j;
                x = 0;
                pData[j].fsState |= TBSTATE_WRAP;
                nRows++;
                break;
            }
        }
        if (!bFound)
        {
            for (int j = i - 1; j >= 0 && !(pData[j].fsState & TBSTATE_WRAP); j--)
            {
                // Hidden buttons and controls on separators never end a row.
                if ((pData[j].fsState & TBSTATE_HIDDEN) ||
                    ((pData[j].fsStyle & TBSTYLE_SEP) && pData[j].idCommand != 0))
                    continue;
                bFound = TRUE;
                i = j;
                x = 0;
                pData[j].fsState |= TBSTATE_WRAP;
                nRows++;
                break;
            }
            if (!bFound)
                x += dx;
        }
    }
    return nRows + 1;
}

CSize CToolBarLayout::CalcSize(TBBUTTON* pData, int nCount) const
{
    CPoint cur(0, 0);
    CSize sizeResult(0, 0);
    BOOL bFlat = (::GetWindowLongPtr(m_hWnd, GWL_STYLE) & TBSTYLE_FLAT) != 0;
    DWORD dwExStyle = (DWORD)Send(m_hWnd, TB_GETEXTENDEDSTYLE);
    for (int i = 0; i < nCount; i++)
    {
        if (pData[i].fsState & TBSTATE_HIDDEN)
            continue;
        // A separator that ends a row adds a gap below it (two thirds of its width, except on a
        // flat toolbar or with the 4.71 control).
        int cySep = pData[i].iBitmap;
        if (!bFlat && ComCtlVersion() != kVersion471)
            cySep = cySep * 2 / 3;
        int cx = m_sizeButton.cx;
        if (pData[i].fsStyle & TBSTYLE_SEP)
        {
            if (pData[i].fsState & TBSTATE_WRAP)
                sizeResult.cy = std::max<LONG>(cur.y + m_sizeButton.cy + cySep, sizeResult.cy);
            else
                sizeResult.cx = std::max<LONG>(cur.x + pData[i].iBitmap, sizeResult.cx);
        }
        else
        {
            if ((pData[i].fsStyle & TBSTYLE_DROPDOWN) && (dwExStyle & TBSTYLE_EX_DRAWDDARROWS))
                cx += DropDownWidth();
            sizeResult.cx = std::max<LONG>(cur.x + cx, sizeResult.cx);
            sizeResult.cy = std::max<LONG>(cur.y + m_sizeButton.cy, sizeResult.cy);
        }
        cur.x += (pData[i].fsStyle & TBSTYLE_SEP) ? pData[i].iBitmap : cx;
        if (pData[i].fsState & TBSTATE_WRAP)
        {
            cur.x = 0;
            cur.y += m_sizeButton.cy;
            if (pData[i].fsStyle & TBSTYLE_SEP)
                cur.y += cySep;
        }
    }
    return sizeResult;
}

void CToolBarLayout::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert) const
{
    if (!bVert)
    {
        // The narrowest width that gives no more rows than the length asked for.
        int nMax = nLength;
        int nTarget = WrapToolBar(pData, nCount, nMax);
        int nMin = 0;
        int nCurrent = WrapToolBar(pData, nCount, nMin);
        if (nCurrent != nTarget)
        {
            while (nMin < nMax)
            {
                int nMid = (nMin + nMax) / 2;
                nCurrent = WrapToolBar(pData, nCount, nMid);
                if (nCurrent == nTarget)
                    nMax = nMid;
                else
                {
                    if (nMin == nMid)
                    {
                        WrapToolBar(pData, nCount, nMax);
                        break;
                    }
                    nMin = nMid;
                }
            }
        }
        CSize size = CalcSize(pData, nCount);
        WrapToolBar(pData, nCount, size.cx);
        return;
    }
    // A height asked for: the width whose rows come nearest to it.
    WrapToolBar(pData, nCount, 0);
    CSize sizeMin = CalcSize(pData, nCount);
    WrapToolBar(pData, nCount, 32767);
    CSize sizeMax = CalcSize(pData, nCount);
    while (sizeMin.cx < sizeMax.cx)
    {
        CSize sizeMid((sizeMin.cx + sizeMax.cx) / 2, 0);
        WrapToolBar(pData, nCount, sizeMid.cx);
        sizeMid = CalcSize(pData, nCount);
        if (nLength < sizeMid.cy)
        {
            if (sizeMin == sizeMid)
            {
                WrapToolBar(pData, nCount, sizeMax.cx);
                return;
            }
            sizeMin = sizeMid;
        }
        else if (nLength > sizeMid.cy)
        {
            if (sizeMax == sizeMid)
            {
                WrapToolBar(pData, nCount, sizeMin.cx);
                return;
            }
            sizeMax = sizeMid;
        }
        else
            return;
    }
}

CSize CToolBarLayout::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    return CalcLayout(dwMode, nLength);
}

CSize CToolBarLayout::CalcLayout(DWORD dwMode, int nLength)
{
    CSize sizeResult(0, 0);
    int nCount = (int)Send(m_hWnd, TB_BUTTONCOUNT);
    if (nCount > 0)
    {
        std::vector<TBBUTTON> data((size_t)nCount);
        for (int i = 0; i < nCount; i++)
            GetButton(m_hWnd, i, &data[(size_t)i]);
        DWORD dwStyle = m_pBar->m_dwStyle;
        if (!(dwStyle & CBRS_SIZE_FIXED))
        {
            BOOL bDynamic = (dwStyle & CBRS_SIZE_DYNAMIC) != 0;
            if (bDynamic && (dwMode & LM_MRUWIDTH))
                SizeToolBar(data.data(), nCount, (int)m_pBar->m_nMRUWidth);
            else if (bDynamic && (dwMode & LM_HORZDOCK))
                SizeToolBar(data.data(), nCount, 32767);
            else if (bDynamic && (dwMode & LM_VERTDOCK))
                SizeToolBar(data.data(), nCount, 0);
            else if (bDynamic && nLength != -1)
            {
                CRect rect(0, 0, 0, 0);
                m_pBar->CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
                BOOL bVert = (dwMode & LM_LENGTHY) != 0;
                SizeToolBar(data.data(), nCount, nLength + (bVert ? rect.Height() : rect.Width()), bVert);
            }
            else if (bDynamic && (dwStyle & CBRS_FLOATING))
                SizeToolBar(data.data(), nCount, (int)m_pBar->m_nMRUWidth);
            else
                SizeToolBar(data.data(), nCount, (dwMode & LM_HORZ) ? 32767 : 0); // one row, or one column
        }
        sizeResult = CalcSize(data.data(), nCount);
        if (dwMode & LM_COMMIT)
        {
            if ((dwStyle & CBRS_FLOATING) && (dwStyle & CBRS_SIZE_DYNAMIC))
                m_pBar->m_nMRUWidth = (UINT)sizeResult.cx;
            for (int i = 0; i < nCount; i++)
                SetButton(m_hWnd, i, &data[(size_t)i]);
        }
    }
    // The bar's borders (negative in the inside rectangle) come on top.
    CRect rect(0, 0, 0, 0);
    m_pBar->CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
    sizeResult.cy -= rect.Height();
    sizeResult.cx -= rect.Width();
    CSize size = m_pBar->CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    sizeResult.cx = std::max<LONG>(sizeResult.cx, size.cx);
    sizeResult.cy = std::max<LONG>(sizeResult.cy, size.cy);
    return sizeResult;
}
