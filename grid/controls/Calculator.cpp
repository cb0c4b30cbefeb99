// The calculator's keys, their handlers, its display and layout.
#include "Calculator.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/SysColorTable.h"
#include "GridIds.h"
#include <clocale>
#include <cmath>
#include <algorithm>
#include <cstdio>

IMPLEMENT_DYNAMIC(CGXBCalculator, CWnd)

BEGIN_MESSAGE_MAP(CGXBCalculator, CWnd)
ON_WM_PAINT()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SYSCOLORCHANGE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_GETDLGCODE()
ON_WM_CHAR()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace
{
enum KeyLook
{
    lookFunction,
    lookDigit,
    lookEnter
};

struct KeyDef
{
    int nId;
    LPCTSTR pszLabel; // null: the decimal point, or the Enter text
    LPCTSTR pszKeys;  // null: the decimal point
    int nVirtKey;
    int nWidth;
    BOOL bNewRow;
    KeyLook look;
};

// Creation order is the order in which key presses are matched.
const KeyDef s_aKeys[] = {
    {CGXBCalculator::keyClear, _T("C"), _T("c"), 0, 1, TRUE, lookFunction},
    {CGXBCalculator::keyClearEntry, _T("CE"), _T("e"), 0, 1, FALSE, lookFunction},
    {CGXBCalculator::keyBack, _T("<-"), _T("\b"), VK_DELETE, 1, FALSE, lookFunction},
    {CGXBCalculator::keyPercent, _T("%"), _T("%"), 0, 1, FALSE, lookFunction},
    {16, _T("7"), _T("7"), 0, 1, TRUE, lookDigit},
    {17, _T("8"), _T("8"), 0, 1, FALSE, lookDigit},
    {18, _T("9"), _T("9"), 0, 1, FALSE, lookDigit},
    {CGXBCalculator::keyDivide, _T("/"), _T("/"), 0, 1, FALSE, lookFunction},
    {13, _T("4"), _T("4"), 0, 1, TRUE, lookDigit},
    {14, _T("5"), _T("5"), 0, 1, FALSE, lookDigit},
    {15, _T("6"), _T("6"), 0, 1, FALSE, lookDigit},
    {CGXBCalculator::keyMultiply, _T("*"), _T("*"), 0, 1, FALSE, lookFunction},
    {10, _T("1"), _T("1"), 0, 1, TRUE, lookDigit},
    {11, _T("2"), _T("2"), 0, 1, FALSE, lookDigit},
    {12, _T("3"), _T("3"), 0, 1, FALSE, lookDigit},
    {CGXBCalculator::keySubtract, _T("-"), _T("-"), 0, 1, FALSE, lookFunction},
    {CGXBCalculator::keyZero, _T("0"), _T("0"), 0, 2, TRUE, lookDigit},
    {CGXBCalculator::keyPoint, NULL, NULL, 0, 1, FALSE, lookDigit},
    {CGXBCalculator::keyAdd, _T("+"), _T("+"), 0, 1, FALSE, lookFunction},
    {CGXBCalculator::keyEquals, NULL, _T("="), VK_RETURN, 4, TRUE, lookEnter},
};

const COLORREF s_crFunction = RGB(0, 0, 128);
const COLORREF s_crDigit = RGB(128, 0, 0);

CString RuntimeDecimalPoint()
{
    return CString(*localeconv()->decimal_point);
}
} // namespace

CGXBCalculator::CGXBCalculator() : m_rectDisplay(0, 0, 0, 0)
{
}

CGXBCalculator::~CGXBCalculator()
{
    for (int i = 0; i < m_buttons.GetSize(); i++)
        delete m_buttons.GetButton(i);
    if (m_hEnterBitmap)
        ::DeleteObject(m_hEnterBitmap);
}

CString CGXBCalculator::GetDecimalPoint()
{
    if (m_strDecimalPoint.IsEmpty())
    {
        TCHAR sz[2] = {'.', 0};
        ::GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sz, 2);
        sz[1] = 0;
        m_strDecimalPoint = sz[0] ? sz : _T(".");
    }
    return m_strDecimalPoint;
}

void CGXBCalculator::LoadEnterBitmap()
{
    if (m_hEnterBitmap)
        ::DeleteObject(m_hEnterBitmap);
    m_hEnterBitmap = NULL;
    CBitmap bitmap;
    if (GXLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(GX_IDB_CALCULATOR_ENTER)))
        m_hEnterBitmap = (HBITMAP)bitmap.Detach();
}

void CGXBCalculator::CreateDisplayFont(CWnd* pParent)
{
    HFONT hFont = pParent && pParent->GetSafeHwnd() ? (HFONT)pParent->SendMessage(WM_GETFONT) : NULL;
    if (hFont == NULL)
        hFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    LOGFONT lf = {};
    ::GetObject(hFont, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    m_fontKeys.DeleteObject();
    m_fontKeys.CreateFontIndirect(&lf);
    lf.lfWeight = FW_NORMAL;
    m_fontDisplay.DeleteObject();
    m_fontDisplay.CreateFontIndirect(&lf);
}

void CGXBCalculator::CreateButtons()
{
    LoadEnterBitmap();
    CString strEnter;
    strEnter.LoadString(GX_IDS_CALCULATOR_ENTER);
    for (const KeyDef& key : s_aKeys)
    {
        CGXBCalcBtn::Look look = {(HFONT)m_fontKeys.GetSafeHandle(), NULL, 0, 0};
        if (key.look == lookFunction)
            look.crText = s_crFunction;
        else if (key.look == lookDigit)
            look.crText = s_crDigit;
        else
            look.phBitmap = &m_hEnterBitmap;
        CString strLabel = key.pszLabel            ? CString(key.pszLabel)
                           : key.look == lookEnter ? strEnter
                                                   : GetDecimalPoint();
        CString strKeys = key.pszKeys ? CString(key.pszKeys) : GetDecimalPoint();
        m_buttons.Add(
            new CGXBCalcBtn(key.nId, strLabel, strKeys, key.nVirtKey, key.nWidth, key.bNewRow, look));
    }
}

CGXBCalcBtn* CGXBCalculator::FindButton(int nId) const
{
    for (int i = 0; i < m_buttons.GetSize(); i++)
        if (m_buttons.GetButton(i)->GetId() == nId)
            return m_buttons.GetButton(i);
    return NULL;
}

CSize CGXBCalculator::Layout(CWnd* pParent, DWORD dwStyle)
{
    if (m_fontKeys.GetSafeHandle() == NULL)
        CreateDisplayFont(pParent);
    if (m_buttons.GetSize() == 0)
        CreateButtons();

    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CFont* pOldFont = dc.SelectObject(&m_fontDisplay);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    CSize sizeAlphabet = dc.GetTextExtent(_T("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    int cxChar = (sizeAlphabet.cx + 26) / 52, cyChar = tm.tmHeight + tm.tmExternalLeading;
    if (cxChar <= 0 || cyChar <= 0)
    {
        LONG lUnits = ::GetDialogBaseUnits();
        cxChar = LOWORD(lUnits);
        cyChar = HIWORD(lUnits);
    }
    m_nKeyWidth = MulDiv(16, cxChar, 4);
    m_nKeyHeight = MulDiv(14, cyChar, 8);
    CRect rcT(0, 0, 0, 0);
    dc.DrawText(_T("T"), 1, rcT, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    int nDisplayHeight = rcT.Height() + 4;
    int nTop = (dwStyle & GXCALC_ETCHEDLINE) ? 2 * m_nTopBottomMargin + 6 : m_nTopBottomMargin;
    m_rectDisplay.SetRect(m_nLeftRightMargin, nTop, m_nLeftRightMargin, nTop + nDisplayHeight);

    int x = m_nLeftRightMargin, y = m_rectDisplay.bottom + m_nRowGap;
    int nRight = x, nBottom = y;
    for (int i = 0; i < m_buttons.GetSize(); i++)
    {
        CGXBCalcBtn* pButton = m_buttons.GetButton(i);
        if (pButton->StartsRow() && i > 0)
        {
            x = m_nLeftRightMargin;
            y += m_nKeyHeight + m_nRowGap;
        }
        else if (i > 0)
            x += m_nColumnGap;
        pButton->m_rect.SetRect(x, y, x + pButton->m_nWidth * m_nKeyWidth, y + m_nKeyHeight);
        x = pButton->m_rect.right;
        nRight = std::max(nRight, (int)pButton->m_rect.right);
        nBottom = std::max(nBottom, (int)pButton->m_rect.bottom);
    }
    m_rectDisplay.right = nRight;

    int cxZero = dc.GetTextExtent(_T("0")).cx, cxPoint = dc.GetTextExtent(GetDecimalPoint()).cx;
    if (cxZero > 0)
        m_nDisplayCapacity = (m_rectDisplay.Width() - 4 - cxPoint) / cxZero - 1;
    m_nMaxDecimals = std::min(m_nMaxDecimals, m_nDisplayCapacity);
    dc.SelectObject(pOldFont);
    return CSize(nRight + m_nLeftRightMargin, nBottom + m_nTopBottomMargin);
}

CSize CGXBCalculator::WindowSizeFor(CSize sizeClient, DWORD& dwStyle, DWORD& dwExStyle) const
{
    if (dwStyle & GXCALC_RAISEDFRAME)
    {
        dwStyle &= ~WS_BORDER;
        dwExStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
    }
    CRect rc(0, 0, sizeClient.cx, sizeClient.cy);
    ::AdjustWindowRectEx(rc, dwStyle, FALSE, dwExStyle);
    CSize size = rc.Size();
    if (dwStyle & GXCALC_RAISEDFRAME)
        size += CSize(4, 4);
    return size;
}

BOOL CGXBCalculator::CreateCalculatorWindow(DWORD dwExStyle, DWORD dwStyle, int x, int y, CSize sizeWindow,
                                            CWnd* pParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    LPCTSTR pszClass = AfxRegisterWndClass(GetClassStyle(), ::LoadCursor(NULL, IDC_ARROW));
    return CreateEx(dwExStyle, pszClass, _T(""), dwStyle, x, y, sizeWindow.cx, sizeWindow.cy,
                    pParent ? pParent->GetSafeHwnd() : NULL, nIDorHMenu, lpParam);
}

BOOL CGXBCalculator::Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pParent, HMENU nIDorHMenu,
                            LPVOID lpParam)
{
    CSize sizeClient = Layout(pParent, dwStyle);
    CSize sizeWindow = WindowSizeFor(sizeClient, dwStyle, dwExStyle);
    return CreateCalculatorWindow(dwExStyle, dwStyle, x, y, sizeWindow, pParent, nIDorHMenu, lpParam);
}

// Value and entry.

void CGXBCalculator::SetValue(double dValue)
{
    OnClear();
    m_dAccumulator = dValue;
    if (GetSafeHwnd() == NULL)
        m_dwState |= stateValueSet;
    FormatAccumulator();
}

CString CGXBCalculator::GetDisplayText() const
{
    if (IsError())
    {
        CString str;
        str.LoadString(GX_IDS_CALCULATOR_ERROR);
        return str;
    }
    CString strPoint = const_cast<CGXBCalculator*>(this)->GetDecimalPoint();
    if (m_strEntry.IsEmpty())
        return _T("0") + strPoint;
    if (m_strEntry.Find(strPoint) < 0)
        return m_strEntry + strPoint;
    return m_strEntry;
}

void CGXBCalculator::CountDigits(const CString& str, int& nInteger, int& nDecimals) const
{
    CString strDigits = (!str.IsEmpty() && str[0] == '-') ? str.Mid(1) : str;
    int nPoint = strDigits.Find(const_cast<CGXBCalculator*>(this)->GetDecimalPoint());
    nInteger = nPoint < 0 ? strDigits.GetLength() : nPoint;
    nDecimals = nPoint < 0 ? 0 : strDigits.GetLength() - nPoint - 1;
}

int CGXBCalculator::DigitLimit(BOOL bStartsWithZero) const
{
    return std::min(m_nDisplayCapacity, bStartsWithZero ? 16 : 15);
}

BOOL CGXBCalculator::PressKey(int nId)
{
    if (nId < keyMultiply || nId > keyBack)
        return FALSE;
    if (IsError() && nId != keyClear && nId != keyClearEntry)
    {
        ::MessageBeep((UINT)-1);
        return TRUE;
    }
    if (nId >= keyZero && nId <= keyNine)
        OnDigit(nId);
    else if (nId == keyPoint)
        OnPoint();
    else if (nId == keyBack)
        OnBack();
    else if (nId == keyClear)
        OnClear();
    else if (nId == keyClearEntry)
        OnClearEntry();
    else
        OnOperator(nId);
    return TRUE;
}

void CGXBCalculator::OnDigit(int nId)
{
    if (m_bNewEntry)
    {
        m_strEntry.Empty();
        m_bNewEntry = FALSE;
    }
    TCHAR c = (TCHAR)('0' + nId - keyZero);
    if (!(c == '0' && m_strEntry.IsEmpty()))
    {
        int nInteger, nDecimals;
        CountDigits(m_strEntry, nInteger, nDecimals);
        BOOL bPoint = m_strEntry.Find(GetDecimalPoint()) >= 0;
        CString strDigits = (!m_strEntry.IsEmpty() && m_strEntry[0] == '-') ? m_strEntry.Mid(1) : m_strEntry;
        int nLimit = DigitLimit(!strDigits.IsEmpty() && strDigits[0] == '0');
        if (nDecimals < m_nMaxDecimals && (nInteger < 13 || bPoint) && nInteger + nDecimals < nLimit)
            m_strEntry += c;
        else
            ::MessageBeep((UINT)-1);
    }
    InvalidateDisplay();
}

void CGXBCalculator::OnPoint()
{
    if (m_bNewEntry)
    {
        m_strEntry.Empty();
        m_bNewEntry = FALSE;
    }
    if (m_strEntry.Find(GetDecimalPoint()) < 0)
    {
        if (m_strEntry.IsEmpty())
            m_strEntry = _T("0");
        m_strEntry += GetDecimalPoint();
    }
    InvalidateDisplay();
}

void CGXBCalculator::OnBack()
{
    if (!m_bNewEntry && !m_strEntry.IsEmpty())
    {
        m_strEntry = m_strEntry.Left(m_strEntry.GetLength() - 1);
        InvalidateDisplay();
    }
}

// A value set before the window exists survives the reset that creation brings.
void CGXBCalculator::OnClear()
{
    if (!((m_dwState & stateValueSet) && GetSafeHwnd() == NULL))
    {
        m_dAccumulator = 0.0;
        m_strEntry.Empty();
    }
    m_dwState &= ~stateError;
    m_nPendingOperator = 0;
    m_bNewEntry = TRUE;
    InvalidateDisplay();
}

void CGXBCalculator::OnClearEntry()
{
    if (IsError())
    {
        OnClear();
        return;
    }
    m_strEntry.Empty();
    m_bNewEntry = TRUE;
    InvalidateDisplay();
}

void CGXBCalculator::OnOperator(int nId)
{
    double x = 0.0;
    if (!m_strEntry.IsEmpty())
    {
        CString strNumber = m_strEntry;
        strNumber.Replace(GetDecimalPoint(), RuntimeDecimalPoint());
        if (sscanf(strNumber, "%lf", &x) != 1)
            return;
    }
    if (nId == keyPercent)
    {
        x = (m_nPendingOperator == keyMultiply || m_nPendingOperator == keyDivide) ? x * m_dAccumulator * 0.01
                                                                                   : 0.0;
        m_nPendingOperator = 0;
    }
    else if (m_nPendingOperator == keyMultiply)
        x = x * m_dAccumulator;
    else if (m_nPendingOperator == keyAdd)
        x = x + m_dAccumulator;
    else if (m_nPendingOperator == keySubtract)
        x = m_dAccumulator - x;
    else if (m_nPendingOperator == keyDivide)
    {
        if (x == 0.0)
            m_dwState |= stateError;
        else
            x = m_dAccumulator / x;
    }
    if (!IsError())
    {
        m_dAccumulator = x;
        m_bNewEntry = TRUE;
        m_nPendingOperator = (nId == keyEquals || nId == keyPercent) ? 0 : nId;
        FormatAccumulator();
    }
    InvalidateDisplay();
}

void CGXBCalculator::FormatAccumulator()
{
    int nDecimalsToPrint = m_nMaxDecimals;
    for (;;)
    {
        CString str;
        str.Format(_T("%.*f"), std::max(nDecimalsToPrint, 0), m_dAccumulator);
        str.Replace(RuntimeDecimalPoint(), GetDecimalPoint());
        int nPoint = str.Find(GetDecimalPoint());
        if (nPoint >= 0)
        {
            int nEnd = str.GetLength();
            while (nEnd > nPoint + 1 && str[nEnd - 1] == '0')
                nEnd--;
            str = str.Left(nEnd);
        }
        else
            str += GetDecimalPoint();
        int nInteger, nDecimals;
        CountDigits(str, nInteger, nDecimals);
        int nLimit = DigitLimit(fabs(m_dAccumulator) < 1.0);
        if (nInteger > 13 || nInteger > nLimit)
        {
            m_dwState |= stateError;
            return;
        }
        m_strEntry = str;
        if (nInteger + nDecimals <= nLimit || nDecimalsToPrint <= 0)
            return;
        nDecimalsToPrint = nLimit - nInteger;
    }
}

// Drawing.

void CGXBCalculator::InvalidateDisplay()
{
    if (GetSafeHwnd())
        InvalidateRect(m_rectDisplay, FALSE);
}

void CGXBCalculator::DrawDisplay(CDC* pDC)
{
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    CRect rc = m_rectDisplay;
    pDC->Draw3dRect(rc, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, colors.m_clrWindowFrame, colors.m_clrBtnFace);
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(rc, colors.m_clrWindow);
    CFont* pOldFont = pDC->SelectObject(&m_fontDisplay);
    pDC->SetTextColor(colors.m_clrWindowText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(GetDisplayText(), rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

void CGXBCalculator::DrawFrame(CDC* pDC, const CRect& rcClip)
{
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    CRect rcClient;
    GetClientRect(rcClient);
    pDC->FillSolidRect(rcClient, colors.m_clrBtnFace);
    if (GetStyle() & GXCALC_ETCHEDLINE)
        pDC->Draw3dRect(0, m_nTopBottomMargin + 2, rcClient.Width(), 2, colors.m_clrBtnHilite,
                        colors.m_clrBtnShadow);
    CRect rcTest;
    if (rcTest.IntersectRect(m_rectDisplay, rcClip))
        DrawDisplay(pDC);
    for (int i = 0; i < m_buttons.GetSize(); i++)
        if (rcTest.IntersectRect(m_buttons.GetButton(i)->m_rect, rcClip))
            m_buttons.GetButton(i)->Draw(pDC);
}

void CGXBCalculator::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClip = dc.m_ps.rcPaint;
    CRect rcClient;
    GetClientRect(rcClient);
    CDC dcMem;
    CBitmap bitmap;
    if (dcMem.CreateCompatibleDC(&dc) &&
        bitmap.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height()))
    {
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        DrawFrame(&dcMem, rcClip);
        dc.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &dcMem, rcClip.left, rcClip.top,
                  SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    else
        DrawFrame(&dc, rcClip);
}

void CGXBCalculator::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (GetStyle() & GXCALC_RAISEDFRAME)
        ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGXBCalculator::OnNcPaint()
{
    CWnd::OnNcPaint();
    if (!(GetStyle() & GXCALC_RAISEDFRAME))
        return;
    const CGXSysColorTable& colors = *GXGetSysColorTable();
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(rc);
    rc.OffsetRect(-rc.left, -rc.top);
    dc.Draw3dRect(rc, colors.m_clr3DLight, colors.m_clr3DDkShadow);
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(rc, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
}

void CGXBCalculator::OnSysColorChange()
{
    GXGetSysColorTable()->Refresh();
    LoadEnterBitmap();
    CWnd::OnSysColorChange();
}

// Mouse and keyboard.

int CGXBCalculator::HitTestKey(CPoint pt) const
{
    for (int i = 0; i < m_buttons.GetSize(); i++)
        if (m_buttons.GetButton(i)->m_rect.PtInRect(pt))
            return i;
    return -1;
}

void CGXBCalculator::RedrawKey(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_buttons.GetSize() && GetSafeHwnd())
    {
        InvalidateRect(m_buttons.GetButton(nIndex)->m_rect, FALSE);
        UpdateWindow();
    }
}

void CGXBCalculator::ClickKey(CGXBCalcBtn* pButton)
{
    int nIndex = -1;
    for (int i = 0; i < m_buttons.GetSize(); i++)
        if (m_buttons.GetButton(i) == pButton)
            nIndex = i;
    pButton->SetPressed(TRUE);
    RedrawKey(nIndex);
    int nId = pButton->GetId();
    pButton->SetPressed(FALSE);
    RedrawKey(nIndex);
    PressKey(nId);
}

void CGXBCalculator::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetFocus() != this)
    {
        CRect rcClient;
        GetClientRect(rcClient);
        if (!rcClient.PtInRect(point))
            return;
        SetFocus();
    }
    int nIndex = HitTestKey(point);
    if (nIndex < 0)
    {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_nPressedKey = nIndex;
    m_dwState |= stateMousePressed;
    m_buttons.GetButton(nIndex)->SetPressed(TRUE);
    SetCapture();
    RedrawKey(nIndex);
}

void CGXBCalculator::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((m_dwState & stateMousePressed) && m_nPressedKey >= 0)
    {
        CGXBCalcBtn* pButton = m_buttons.GetButton(m_nPressedKey);
        BOOL bOver = pButton->m_rect.PtInRect(point);
        if (bOver != pButton->IsPressed())
        {
            pButton->SetPressed(bOver);
            RedrawKey(m_nPressedKey);
        }
        return;
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CGXBCalculator::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!(m_dwState & stateMousePressed) || m_nPressedKey < 0)
    {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    int nIndex = m_nPressedKey;
    m_dwState &= ~stateMousePressed;
    m_nPressedKey = -1;
    ReleaseCapture();
    CGXBCalcBtn* pButton = m_buttons.GetButton(nIndex);
    pButton->SetPressed(FALSE);
    RedrawKey(nIndex);
    if (HitTestKey(point) == nIndex)
        PressKey(pButton->GetId());
}

void CGXBCalculator::OnCancelMode()
{
    if (m_dwState & stateMousePressed)
    {
        m_dwState &= ~stateMousePressed;
        if (m_nPressedKey >= 0)
        {
            m_buttons.GetButton(m_nPressedKey)->SetPressed(FALSE);
            RedrawKey(m_nPressedKey);
        }
        m_nPressedKey = -1;
        ReleaseCapture();
    }
    CWnd::OnCancelMode();
}

UINT CGXBCalculator::OnGetDlgCode()
{
    return DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

void CGXBCalculator::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CString strChar;
    if (m_dwState & stateLeadByte)
    {
        m_dwState &= ~stateLeadByte;
        TCHAR sz[3] = {(TCHAR)m_cLeadByte, (TCHAR)nChar, 0};
        strChar = sz;
    }
    else if (::IsDBCSLeadByte((BYTE)nChar))
    {
        m_cLeadByte = (char)nChar;
        m_dwState |= stateLeadByte;
        return;
    }
    else
        strChar = CString((TCHAR)nChar);
    strChar.MakeLower();
    for (int i = 0; i < m_buttons.GetSize(); i++)
        if (m_buttons.GetButton(i)->HasKey(strChar))
        {
            ClickKey(m_buttons.GetButton(i));
            return;
        }
}

void CGXBCalculator::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_TAB && !(GetStyle() & WS_POPUP))
    {
        CWnd* pParent = GetParent();
        if (pParent)
            pParent->PostMessage(WM_NEXTDLGCTL, ::GetKeyState(VK_SHIFT) < 0, 0);
        return;
    }
    for (int i = 0; i < m_buttons.GetSize(); i++)
        if (m_buttons.GetButton(i)->m_nVirtKey != 0 && m_buttons.GetButton(i)->m_nVirtKey == (int)nChar)
        {
            ClickKey(m_buttons.GetButton(i));
            return;
        }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}
