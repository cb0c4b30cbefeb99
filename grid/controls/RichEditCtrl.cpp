// The rich edit cell: streaming values in and out, the editing window over the current cell,
// inactive cells rendered through a hidden window, and keys and typing.
#include "grid/controls/RichEditCtrl.h"
#include "grid/controls/ControlActivation.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/Properties.h"
#include "ClientDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CGXRichEditCtrl, CRichEditCtrl)
GX_IMPLEMENT_CONTROL(CGXRichEditCtrl, CGXControl)

BEGIN_MESSAGE_MAP(CGXRichEditCtrl, CRichEditCtrl)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_SYSCHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
ON_WM_ERASEBKGND()
ON_WM_DEADCHAR()
ON_WM_SYSDEADCHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_NOTIFY_REFLECT(EN_REQUESTRESIZE, OnRequestResize)
ON_NOTIFY(EN_REQUESTRESIZE, 0, OnMeasured)
END_MESSAGE_MAP()

BOOL CGXRichEditCtrl::s_bDrawing = FALSE;

namespace
{
BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

struct StreamState
{
    const CString* pIn;
    int nPos;
    CString* pOut;
};

DWORD CALLBACK StreamInCallback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    StreamState* p = (StreamState*)dwCookie;
    LONG n = std::min<LONG>(cb, p->pIn->GetLength() - p->nPos);
    memcpy(pbBuff, (LPCTSTR)*p->pIn + p->nPos, n);
    p->nPos += n;
    *pcb = n;
    return 0;
}

DWORD CALLBACK StreamOutCallback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    StreamState* p = (StreamState*)dwCookie;
    *p->pOut += CString((LPCSTR)pbBuff, cb);
    *pcb = cb;
    return 0;
}

// Where the auxiliary windows wait, out of sight.
const CRect s_rectOffScreen(30000, 30000, 30100, 30100);

// The background a rich edit window gets for a cell: a patterned interior cannot be given to
// the window and becomes white.
COLORREF CellBackColor(const CGXStyle& style, BOOL bBlackWhite)
{
    const CGXCellBrush& brush = style.GetInterior();
    if (bBlackWhite || brush.GetStyle() == BS_PATTERN)
        return RGB(255, 255, 255);
    return brush.GetBackColorValue();
}
} // namespace

CGXRichEditCtrl::CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID) : CGXControl(pGrid), m_nID(nID)
{
}

CGXRichEditCtrl::~CGXRichEditCtrl()
{
    for (CRichEditCtrl* pWnd : {&m_wndRenderer, &m_wndConverter, &m_wndMeasurer, &m_wndFormats})
        if (pWnd->GetSafeHwnd() != NULL)
            pWnd->DestroyWindow();
    if (HasWindow())
        DestroyWindow();
}

CString CGXRichEditCtrl::WrapPlainText(const CString& strText, int nMaxLength)
{
    CString strCut = nMaxLength > 0 && strText.GetLength() > nMaxLength ? strText.Left(nMaxLength) : strText;
    CString strResult = _T("{");
    for (int i = 0; i < strCut.GetLength(); i++)
    {
        unsigned char c = (unsigned char)strCut[i];
        if (c == '\\' || c == '{' || c == '}')
        {
            strResult += '\\';
            strResult += (char)c;
        }
        else if (c == '\r' && i + 1 < strCut.GetLength() && strCut[i + 1] == '\n')
            continue;
        else if (c == '\n' || c == '\r')
            strResult += _T("\\par ");
        else if (c >= 0x80)
        {
            CString strHex;
            strHex.Format(_T("\\'%02x"), c);
            strResult += strHex;
        }
        else
            strResult += (char)c;
    }
    return strResult + _T("}");
}

void CGXRichEditCtrl::StreamInValue(CRichEditCtrl& wnd, const CString& strValue)
{
    // Wine's rich edit shows nothing for text that is not RTF.
    CString strRtf = strValue.IsEmpty() || strValue[0] == '{' ? strValue : WrapPlainText(strValue, 0);
    if (strRtf.IsEmpty())
    {
        wnd.SetWindowText(_T(""));
        return;
    }
    StreamState state = {&strRtf, 0, NULL};
    EDITSTREAM es = {(DWORD_PTR)&state, 0, StreamInCallback};
    wnd.StreamIn(SF_RTF, es);
}

CString CGXRichEditCtrl::StreamOutValue(CRichEditCtrl& wnd)
{
    CString strOut;
    StreamState state = {NULL, 0, &strOut};
    EDITSTREAM es = {(DWORD_PTR)&state, 0, StreamOutCallback};
    wnd.StreamOut(SF_RTF, es);
    return strOut;
}

void CGXRichEditCtrl::StreamInWithStyle(CRichEditCtrl& wnd, const CString& strValue, const CGXStyle& style)
{
    PARAFORMAT pf;
    CHARFORMAT cf;
    StyleToFormats(pf, cf, style);
    wnd.SetWindowText(_T(""));
    if (cf.dwMask != 0)
        wnd.SetDefaultCharFormat(cf);
    if (pf.dwMask != 0)
        wnd.SetParaFormat(pf);
    StreamInValue(wnd, strValue);
}

void CGXRichEditCtrl::Load(CRichEditCtrl& wnd, CString& strCache, const CString& strValue,
                           const CGXStyle& style)
{
    if (strCache == strValue && wnd.GetTextLength() > 0)
        return;
    StreamInWithStyle(wnd, strValue, style);
    strCache = strValue;
}

int CGXRichEditCtrl::MaxLength(const CGXStyle& style) const
{
    return style.GetInclude(CGXStyle::ibMaxLength) ? style.GetMaxLength() : 0;
}

// -- Windows -----------------------------------------------------------------------------------

CRuntimeClass* CGXRichEditCtrl::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXRichEditCtrl::GetWndPtr() const
{
    return const_cast<CGXRichEditCtrl*>(this);
}

BOOL CGXRichEditCtrl::CreateWindows()
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || pGridWnd->GetSafeHwnd() == NULL || !CRichEditCtrl::LoadLibrary())
        return FALSE;
    if (!CreateEx(0, _T("RICHEDIT"), NULL, WS_CHILD | ES_MULTILINE, CRect(0, 0, 10, 10), pGridWnd, 0))
        return FALSE;
    for (CRichEditCtrl* pWnd : {&m_wndRenderer, &m_wndConverter, &m_wndMeasurer, &m_wndFormats})
        pWnd->CreateEx(0, _T("RICHEDIT"), NULL,
                       WS_CHILD | ES_MULTILINE | (pWnd == &m_wndMeasurer ? 0 : WS_BORDER), s_rectOffScreen,
                       this, 0);
    return TRUE;
}

void CGXRichEditCtrl::SetActive(BOOL bActive)
{
    m_bActive = bActive && HasWindow();
    if (!m_bActive)
        GiveFocusToGrid(m_hWnd);
}

BOOL CGXRichEditCtrl::IsActive()
{
    return m_bActive;
}

void CGXRichEditCtrl::SetModify(BOOL bModified)
{
    if (HasWindow())
        CRichEditCtrl::SetModify(bModified);
}

BOOL CGXRichEditCtrl::GetModify()
{
    return HasWindow() ? CRichEditCtrl::GetModify() : FALSE;
}

void CGXRichEditCtrl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    if (!HasWindow() && !CreateWindows())
        return;
    const CGXStyle& style = LoadStyle();
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wActivateFlags & 4) && BeginEditing())
        SetActive(TRUE);
    StreamInWithStyle(*this, style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString(), style);
    SetSel(0, -1);
    SetModify(FALSE);
    m_nInitialRowHeight = m_bShrinkBack ? m_pGrid->GetRowHeight(nRow) : 0;
}

void CGXRichEditCtrl::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    ShowWindow(SW_HIDE);
}

// -- Values ------------------------------------------------------------------------------------

void CGXRichEditCtrl::SetValue(LPCTSTR pszRawValue)
{
    if (HasWindow())
        StreamInValue(*this, pszRawValue != NULL ? CString(pszRawValue) : CString());
}

BOOL CGXRichEditCtrl::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    if (m_bActive && HasWindow())
        strResult = StreamOutValue(*this);
    else
        strResult = LoadStyle().GetValue();
    return TRUE;
}

BOOL CGXRichEditCtrl::GetCurrentText(CString& strResult)
{
    strResult.Empty();
    if (m_bActive && HasWindow())
        GetWindowText(strResult);
    else if (m_bInit)
        FormatValueText(strResult, m_nRow, m_nCol, NULL, LoadStyle());
    return TRUE;
}

void CGXRichEditCtrl::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (!ValidateText(str))
        return;
    StreamInValue(*this, WrapPlainText(str, MaxLength(LoadStyle())));
    SetModify(TRUE);
    NotifyModified();
}

BOOL CGXRichEditCtrl::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                      const CGXStyle& style)
{
    strResult.Empty();
    if (pszRawValue == NULL && !style.GetInclude(CGXStyle::ibValue))
        return FALSE;
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    if (m_wndConverter.GetSafeHwnd() == NULL && !HasWindow() && !CreateWindows())
        return FALSE;
    Load(m_wndConverter, m_strConverterValue, strValue, style);
    m_wndConverter.GetWindowText(strResult);
    return TRUE;
}

BOOL CGXRichEditCtrl::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    strText = WrapPlainText(strText, MaxLength(style));
    return TRUE;
}

BOOL CGXRichEditCtrl::StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                                      const CGXStyle* pStyle)
{
    CGXStyle* pScratch = NULL;
    if (pStyle == NULL)
    {
        pScratch = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pScratch);
        pStyle = pScratch;
    }
    CString strValue = pszText != NULL ? pszText : "";
    BOOL bOk =
        !(m_pGrid->GetParam()->m_bProtectReadOnly &&
          (m_pGrid->IsReadOnly() || (pStyle->GetInclude(CGXStyle::ibReadOnly) && pStyle->GetReadOnly()))) &&
        PrepareStoreText(strValue, nRow, nCol, *pStyle);
    if (pScratch != NULL)
        m_pGrid->RecycleStyle(pScratch);
    // The value is not cut again: that would cut off its closing brace.
    return bOk && m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), strValue, gxOverride, 0, flags);
}

BOOL CGXRichEditCtrl::Store()
{
    if (m_pStyle == NULL || !GetModify())
        return TRUE;
    CString strValue = StreamOutValue(*this);
    SetActive(FALSE);
    FreeStyle(TRUE);
    return m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strValue, gxOverride, 0, GX_INVALIDATE);
}

BOOL CGXRichEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive || !HasWindow() || (HWND)lParam != m_hWnd || HIWORD(wParam) != EN_CHANGE)
        return FALSE;
    NotifyModified();
    return TRUE;
}

// -- Drawing -----------------------------------------------------------------------------------

int CGXRichEditCtrl::FrameMargin()
{
    return std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2);
}

CRect CGXRichEditCtrl::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXControl::GetCellRect(nRow, nCol, rectItem, pStyle);
    int n = FrameMargin();
    rect.left += n;
    rect.right -= n / 2;
    return rect;
}

CSize CGXRichEditCtrl::AddBorders(CSize size, const CGXStyle& style)
{
    int n = FrameMargin();
    size.cx += n + n / 2;
    return CGXControl::AddBorders(size, style);
}

void CGXRichEditCtrl::RenderInactive(CDC* pDC, const CRect& rectText, const CGXStyle& style,
                                     const CString& strValue)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    COLORREF rgbBack = CellBackColor(style, bBlackWhite);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : style.GetTextColorValue());
    pDC->SetBkColor(rgbBack);
    Load(m_wndRenderer, m_strRendererValue, strValue, style);
    m_wndRenderer.SetBackgroundColor(FALSE, rgbBack);

    // A printer's logical units are the screen's pixels: the rich text is laid out for the
    // screen and the context maps it to the printer's resolution.
    BOOL bPrinter = pDC->IsPrinting() && pDC->m_hDC == pDC->m_hAttribDC;
    int nLogX, nLogY, nOldMapMode = 0;
    CSize sizeOldWindow, sizeOldViewport;
    if (bPrinter)
    {
        CGXFontFaceTable* pTable = GXGetFontFaceTable();
        nLogX = pTable->GetHorzResolution();
        nLogY = pTable->GetVertResolution();
        nOldMapMode = pDC->SetMapMode(MM_ANISOTROPIC);
        sizeOldWindow = pDC->SetWindowExt(nLogX, nLogY);
        sizeOldViewport = pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    }
    else
    {
        nLogX = pDC->GetDeviceCaps(LOGPIXELSX);
        nLogY = pDC->GetDeviceCaps(LOGPIXELSY);
    }
    int nTwipsX = 1440 / std::max(1, nLogX), nTwipsY = 1440 / std::max(1, nLogY);
    CRect rectPage = m_pGrid->GetDrawingRect();
    FORMATRANGE fr = {};
    fr.hdc = pDC->GetSafeHdc();
    fr.hdcTarget = pDC->m_hAttribDC != NULL ? pDC->m_hAttribDC : fr.hdc;
    fr.rc = CRect(rectText.left * nTwipsX, rectText.top * nTwipsY, rectText.right * nTwipsX,
                  rectText.bottom * nTwipsY);
    fr.rcPage = CRect(rectPage.left * nTwipsX, rectPage.top * nTwipsY, rectPage.right * nTwipsX,
                      rectPage.bottom * nTwipsY);
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    m_wndRenderer.FormatRange(NULL, FALSE);
    long nDone = m_wndRenderer.FormatRange(&fr, TRUE);
    m_wndRenderer.FormatRange(NULL, FALSE);
    if (nDone <= 0 && m_wndRenderer.GetTextLength() > 0)
    {
        // Wine formats nothing here; the hidden window's own painting of the text rectangle
        // (in screen pixels) is copied instead, scaled by the context's mapping.
        int cx = rectText.Width(), cy = rectText.Height();
        m_wndRenderer.SetWindowPos(NULL, s_rectOffScreen.left, s_rectOffScreen.top, cx, cy,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        CClientDC dcScreen(NULL);
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dcScreen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, cx, cy);
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.FillSolidRect(0, 0, cx, cy, rgbBack);
        m_wndRenderer.SendMessage(WM_PRINTCLIENT, (WPARAM)dcMem.GetSafeHdc(), PRF_CLIENT | PRF_ERASEBKGND);
        pDC->StretchBlt(rectText.left, rectText.top, cx, cy, &dcMem, 0, 0, cx, cy, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    if (bPrinter)
    {
        pDC->SetMapMode(nOldMapMode);
        pDC->SetWindowExt(sizeOldWindow);
        pDC->SetViewportExt(sizeOldViewport);
    }
}

void CGXRichEditCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    m_bAutoGrow = style.GetInclude(CGXStyle::ibAutoSize) && style.GetAutoSize();
    m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    if (!(m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
          IsInitAt(nRow, nCol)))
    {
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        CRect rectText = GetCellRect(nRow, nCol, rect, &style);
        if (rectText.Width() < 2 || rectText.Height() < 2 || !style.GetInclude(CGXStyle::ibValue) ||
            style.GetValue().IsEmpty())
            return;
        if (m_wndRenderer.GetSafeHwnd() == NULL && !HasWindow() && !CreateWindows())
            return;
        RenderInactive(pDC, rectText, style, style.GetValue());
        return;
    }

    // The editing window over the current cell; its own moves ask for no resizing.
    CGXFlagScope drawing(s_bDrawing);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    CRect rectText = GetCellRect(nRow, nCol, rect, &style);
    SetWindowPos(&CWnd::wndTop, rectText.left, rectText.top, rectText.Width(), rectText.Height(),
                 SWP_NOACTIVATE);
    SetBackgroundColor(FALSE, CellBackColor(style, FALSE));
    if (pDC->m_hAttribDC == NULL || pDC->m_hDC == pDC->m_hAttribDC)
        SetTargetDevice(NULL, 0);
    else
        SetTargetDevice(pDC->m_hAttribDC,
                        rectText.Width() * 1440 / std::max(1, GXGetFontFaceTable()->GetHorzResolution()));
    SetEventMask(m_dwEventMask);
    SetOptions(ECOOP_SET, m_dwEditOptions | (style.GetAllowEnter() ? ECO_WANTRETURN : 0));
    SetReadOnly(IsReadOnly());
    TakeFocusFromGrid(this);
    SendMessage(EM_SCROLL, SB_PAGEUP);
    SendMessage(EM_SCROLLCARET);
    LimitText(MaxLength(style));
    ShowWindow(SW_SHOWNA);
    pDC->ExcludeClipRect(&rectText);
    QueueGridRect(rectText);
}

// -- Sizes -------------------------------------------------------------------------------------

CSize CGXRichEditCtrl::CalcSize(CDC*, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, BOOL)
{
    if (m_wndMeasurer.GetSafeHwnd() == NULL && !HasWindow() && !CreateWindows())
        return CSize(0, 0);
    CGXCellRange range(nRow, nCol);
    if (m_pGrid->GetCoveredCellsRowCol(nRow, nCol, range) == NULL)
        range = CGXCellRange(nRow, nCol);
    CRect rectCell(0, 0, m_pGrid->SumColWidths(range.left, range.right), m_pGrid->GetRowHeight(nRow));
    CRect rectText = GetCellRect(nRow, nCol, rectCell, &style);
    rectText.OffsetRect(s_rectOffScreen.TopLeft());
    m_wndMeasurer.MoveWindow(rectText, FALSE);
    m_wndMeasurer.SetTargetDevice(NULL, 0);
    m_wndMeasurer.SetEventMask(ENM_REQUESTRESIZE);
    Load(m_wndMeasurer, m_strMeasurerValue,
         style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString(), style);
    m_rectRequested.SetRectEmpty();
    {
        CGXFlagScope measuring(m_bMeasuring);
        m_wndMeasurer.ShowWindow(SW_SHOWNA);
        m_wndMeasurer.RequestResize();
        m_wndMeasurer.ShowWindow(SW_HIDE);
    }
    return AddBorders(CSize(m_rectRequested.Width(), m_rectRequested.Height() + 1), style);
}

void CGXRichEditCtrl::OnMeasured(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bMeasuring && pNMHDR->hwndFrom == m_wndMeasurer.GetSafeHwnd())
        m_rectRequested = ((REQRESIZE*)pNMHDR)->rc;
}

void CGXRichEditCtrl::OnRequestResize(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (s_bDrawing || !m_bInit || !m_pGrid->IsCurrentCell(m_nRow, m_nCol) || !m_bAutoGrow || !m_bActive)
        return;
    CRect rectRequested = ((REQRESIZE*)pNMHDR)->rc;
    const CGXStyle& style = LoadStyle();
    int nNeeded = AddBorders(rectRequested.Size(), style).cy;
    CGXCellRange range(m_nRow, m_nCol);
    if (m_pGrid->GetCoveredCellsRowCol(m_nRow, m_nCol, range) != NULL && range.bottom > range.top)
        nNeeded -= m_pGrid->SumRowHeights(range.top, range.bottom) - m_pGrid->GetRowHeight(m_nRow);
    int nHeight = m_pGrid->GetRowHeight(m_nRow);
    if (nNeeded > nHeight)
    {
        // No higher than the grid shows below its frozen rows.
        int nAvail = m_pGrid->GetDrawingRect().Height() - m_pGrid->SumRowHeights(0, m_pGrid->GetFrozenRows());
        nNeeded = std::min(nNeeded, std::max(nHeight, nAvail));
        if (nNeeded > nHeight)
        {
            m_pGrid->SetRowHeight(m_nRow, m_nRow, nNeeded, NULL, GX_UPDATENOW);
            m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW);
        }
    }
    else if (nNeeded < nHeight && m_bShrinkBack)
    {
        int nNew = std::max(nNeeded, m_nInitialRowHeight);
        if (nNew != nHeight)
            m_pGrid->SetRowHeight(m_nRow, m_nRow, nNew, NULL, GX_UPDATENOW);
    }
}

// -- Keys and typing ---------------------------------------------------------------------------

void CGXRichEditCtrl::ActivateWithCaretAtEnd()
{
    SetActive(TRUE);
    long nLen = GetTextLength();
    SetSel(nLen, nLen);
}

BOOL CGXRichEditCtrl::KeyDown(UINT, UINT nChar, UINT)
{
    if (!HasWindow() || IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar)
    {
    case VK_END:
    case VK_HOME:
        if (!GXActivateForKey(this))
            return FALSE;
        SetSel(nChar == VK_END ? GetTextLength() : 0, nChar == VK_END ? GetTextLength() : 0);
        break;
    case VK_DELETE:
        if (!BeginClearingByDelete())
            return FALSE;
        SetActive(TRUE);
        SetCurrentText(_T(""));
        break;
    default:
        return FALSE;
    }
    GXShowActiveCell(this);
    return TRUE;
}

BOOL CGXRichEditCtrl::HandleChar(UINT, UINT nChar, UINT)
{
    if (!HasWindow() || nChar < 32 || nChar == 127)
        return FALSE;
    TCHAR sz[2] = {(TCHAR)nChar, 0};
    return HandleText(sz);
}

BOOL CGXRichEditCtrl::HandleText(LPCTSTR pszText)
{
    if (!HasWindow() || IsReadOnly())
        return FALSE;
    if (m_bActive)
    {
        // Typed while the grid has the focus: the text goes to the end.
        long nLen = GetTextLength();
        SetSel(nLen, nLen);
        CString strText;
        GetWindowText(strText);
        int nMax = MaxLength(LoadStyle());
        if ((nMax > 0 && strText.GetLength() + (int)strlen(pszText) > nMax) ||
            !ValidateText(strText + pszText))
            return FALSE;
        ReplaceSel(pszText);
        return TRUE;
    }
    if (!ValidateText(pszText) || !BeginEditing())
        return FALSE;
    if (!IsInitAt(m_nRow, m_nCol))
        Init(m_nRow, m_nCol);
    // What the cell held is replaced by the typed text.
    SetActive(TRUE);
    StreamInValue(*this, WrapPlainText(pszText, MaxLength(LoadStyle())));
    ActivateWithCaretAtEnd();
    SetModify(TRUE);
    NotifyModified();
    Refresh();
    return TRUE;
}

void CGXRichEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_CONTROL || nChar == VK_SHIFT)
    {
        Default();
        return;
    }
    s_bDrawing = FALSE;
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW);
    BOOL bCtrl = IsKeyDown(VK_CONTROL), bShift = IsKeyDown(VK_SHIFT);
    CHARRANGE cr;
    GetSel(cr);
    BOOL bSelection = cr.cpMax > cr.cpMin;
    if (nChar == VK_INSERT && bShift)
    {
        Paste();
        return;
    }
    if ((nChar == VK_INSERT && bCtrl && bSelection) || (nChar == VK_DELETE && bShift && bSelection))
    {
        if (nChar == VK_INSERT)
            Copy();
        else
            Cut();
        return;
    }
    long nLine = LineFromChar(cr.cpMin);
    BOOL bToGrid;
    switch (nChar)
    {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
    case VK_ESCAPE:
        bToGrid = TRUE;
        break;
    case VK_RETURN:
        bToGrid = !bCtrl && !(GetOptions() & ECO_WANTRETURN);
        break;
    case VK_LEFT:
        bToGrid = !bCtrl && cr.cpMin == 0 && cr.cpMax == 0;
        break;
    case VK_RIGHT:
        bToGrid = !bCtrl && cr.cpMin >= GetTextLength();
        break;
    case VK_UP:
        bToGrid = !bCtrl && nLine == 0;
        break;
    case VK_DOWN:
        bToGrid = !bCtrl && nLine + 1 >= GetLineCount();
        break;
    case 'C':
    case 'V':
    case 'X':
        // Copied, pasted and cut as characters (below), not by the window's own keys.
        if (bCtrl)
        {
            m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
            return;
        }
        bToGrid = FALSE;
        break;
    default:
        bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
        break;
    }
    if (!bToGrid || !m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags))
        Default();
}

void CGXRichEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || (GetStyle() & ES_READONLY) || (nChar == VK_BACK && nRepCnt == 0))
        return;
    if (nChar == 13 && !(GetOptions() & ECO_WANTRETURN))
        return;
    switch (nChar)
    {
    case 3: // Ctrl+C
        Copy();
        return;
    case 22: // Ctrl+V
        Paste();
        return;
    case 24: // Ctrl+X
        Cut();
        return;
    }
    if (nChar >= 32)
    {
        CString strText;
        GetWindowText(strText);
        CHARRANGE cr;
        GetSel(cr);
        char sz[2] = {(char)nChar, 0};
        CString strNew = strText.Left(cr.cpMin) + sz + strText.Mid(cr.cpMax);
        if (!ValidateText(strNew))
        {
            OnInvalidText(sz);
            return;
        }
    }
    Default();
    m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::KeyToGridFirst(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeyMessage(this, nMessage, nChar, nRepCnt, nFlags))
        Default();
}

void CGXRichEditCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyToGridFirst(WM_KEYUP, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyToGridFirst(WM_DEADCHAR, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyToGridFirst(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyToGridFirst(WM_SYSKEYUP, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyToGridFirst(WM_SYSCHAR, nChar, nRepCnt, nFlags);
}

void CGXRichEditCtrl::OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    KeyToGridFirst(WM_SYSDEADCHAR, nChar, nRepCnt, nFlags);
}

BOOL CGXRichEditCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(rect, RGB(255, 255, 255));
    if (m_bInit)
        m_pGrid->DrawBrushRect(pDC, rect, LoadStyle().GetInterior());
    return TRUE;
}

// -- Mouse -------------------------------------------------------------------------------------

BOOL CGXRichEditCtrl::ActivateByClick(UINT nFlags, CPoint pt, BOOL bChildTook)
{
    if (!m_bActive)
    {
        if (!HasWindow() || !BeginEditing())
            return FALSE;
        if (!IsInitAt(m_nRow, m_nCol))
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        Refresh();
    }
    if (bChildTook)
        return TRUE;
    SetSel(0, 0);
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd != NULL)
    {
        pGridWnd->UpdateWindow();
        pGridWnd->MapWindowPoints(this, &pt, 1);
    }
    CGXFlagScope drawing(s_bDrawing);
    SendMessage(WM_LBUTTONDOWN, nFlags | MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessage(WM_LBUTTONUP, nFlags & ~MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    return TRUE;
}

BOOL CGXRichEditCtrl::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if ((nFlags & MK_RBUTTON) || pParam == NULL || (pParam->m_wActivateFlags & 7) == 0)
        return CGXControl::LButtonUp(nFlags, pt, nHitState);
    BOOL bChildTook = GetActiveChild() != NULL;
    CGXControl::LButtonUp(nFlags, pt, nHitState);
    return ActivateByClick(nFlags, pt, bChildTook);
}

BOOL CGXRichEditCtrl::LButtonDblClk(UINT nFlags, CPoint pt)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (m_bActive || pParam == NULL || !(pParam->m_wActivateFlags & 8))
        return CGXControl::LButtonDblClk(nFlags, pt);
    return ActivateByClick(nFlags, pt, FALSE);
}

void CGXRichEditCtrl::OnLButtonDown(UINT, CPoint)
{
    s_bDrawing = TRUE;
    Default();
}

void CGXRichEditCtrl::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CGXRichEditCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CRichEditCtrl::OnKillFocus(pNewWnd);
    NotifyGridKillFocus(pNewWnd);
}

UINT CGXRichEditCtrl::OnGetDlgCode()
{
    return (UINT)Default() | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
}
