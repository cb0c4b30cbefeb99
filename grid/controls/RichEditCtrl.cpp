// The rich edit cell: streaming values in and out, the editing window over the current cell,
// inactive cells rendered through a hidden window, and keys and typing.
#include "grid/controls/RichEditCtrl.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "ClientDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CGXRichEditCtrl, CRichEditCtrl)
GX_IMPLEMENT_CONTROL(CGXRichEditCtrl, CGXControl)

BEGIN_MESSAGE_MAP(CGXRichEditCtrl, CRichEditCtrl)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

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
} // namespace

CGXRichEditCtrl::CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID) : CGXControl(pGrid), m_nID(nID)
{
}

CGXRichEditCtrl::~CGXRichEditCtrl()
{
    for (CRichEditCtrl* pWnd : {&m_wndRenderer, &m_wndConverter})
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

void CGXRichEditCtrl::Load(CRichEditCtrl& wnd, CString& strCache, const CString& strValue)
{
    if (strCache == strValue && wnd.GetTextLength() > 0)
        return;
    StreamInValue(wnd, strValue);
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
    for (CRichEditCtrl* pWnd : {&m_wndRenderer, &m_wndConverter})
        pWnd->CreateEx(0, _T("RICHEDIT"), NULL, WS_CHILD | ES_MULTILINE | WS_BORDER, s_rectOffScreen, this,
                       0);
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
    StreamInValue(*this, style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString());
    SetSel(0, -1);
    SetModify(FALSE);
}

void CGXRichEditCtrl::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    BOOL bLock = m_pGrid->m_bLockFocusHandler;
    m_pGrid->m_bLockFocusHandler = TRUE;
    ShowWindow(SW_HIDE);
    m_pGrid->m_bLockFocusHandler = bLock;
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
    Load(m_wndConverter, m_strConverterValue, strValue);
    m_wndConverter.GetWindowText(strResult);
    return TRUE;
}

BOOL CGXRichEditCtrl::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    strText = WrapPlainText(strText, MaxLength(style));
    return TRUE;
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

void CGXRichEditCtrl::RenderInactive(CDC* pDC, const CRect& rectText, const CGXStyle& style,
                                     const CString& strValue)
{
    COLORREF rgbBack = style.GetInterior().GetColor();
    Load(m_wndRenderer, m_strRendererValue, strValue);
    m_wndRenderer.SetBackgroundColor(FALSE, rgbBack);
    int nLogX = pDC->GetDeviceCaps(LOGPIXELSX), nLogY = pDC->GetDeviceCaps(LOGPIXELSY);
    int nTwipsX = 1440 / std::max(1, nLogX), nTwipsY = 1440 / std::max(1, nLogY);
    FORMATRANGE fr = {};
    fr.hdc = fr.hdcTarget = pDC->GetSafeHdc();
    fr.rc = CRect(rectText.left * nTwipsX, rectText.top * nTwipsY, rectText.right * nTwipsX,
                  rectText.bottom * nTwipsY);
    fr.rcPage = fr.rc;
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    m_wndRenderer.FormatRange(NULL, FALSE);
    long nDone = m_wndRenderer.FormatRange(&fr, TRUE);
    m_wndRenderer.FormatRange(NULL, FALSE);
    if (nDone > 0 || m_wndRenderer.GetTextLength() == 0)
        return;
    // Wine formats nothing here; the hidden window's own painting of the text rectangle is
    // copied instead.
    m_wndRenderer.SetWindowPos(NULL, s_rectOffScreen.left, s_rectOffScreen.top, rectText.Width(),
                               rectText.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pDC, rectText.Width(), rectText.Height());
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    dcMem.FillSolidRect(0, 0, rectText.Width(), rectText.Height(), rgbBack);
    m_wndRenderer.SendMessage(WM_PRINTCLIENT, (WPARAM)dcMem.GetSafeHdc(), PRF_CLIENT | PRF_ERASEBKGND);
    pDC->BitBlt(rectText.left, rectText.top, rectText.Width(), rectText.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

void CGXRichEditCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    CRect rectText = GetCellRect(nRow, nCol, rect, &style);
    if (m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
        IsInitAt(nRow, nCol))
    {
        SetBackgroundColor(FALSE, style.GetInterior().GetColor());
        SetEventMask(m_dwEventMask);
        SetOptions(ECOOP_SET, m_dwEditOptions | (style.GetAllowEnter() ? ECO_WANTRETURN : 0));
        SetReadOnly(IsReadOnly());
        SetWindowPos(&CWnd::wndTop, rectText.left, rectText.top, rectText.Width(), rectText.Height(),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        CWnd* pGridWnd = GetGridWnd();
        if (pGridWnd != NULL && ::GetFocus() == pGridWnd->GetSafeHwnd())
        {
            BOOL bLock = m_pGrid->m_bLockFocusHandler;
            m_pGrid->m_bLockFocusHandler = TRUE;
            SetFocus();
            m_pGrid->m_bLockFocusHandler = bLock;
        }
        LimitText(MaxLength(style));
        pDC->ExcludeClipRect(&rectText);
        QueueGridRect(rectText);
        return;
    }
    if (rectText.Width() < 2 || rectText.Height() < 2 || !style.GetInclude(CGXStyle::ibValue) ||
        style.GetValue().IsEmpty())
        return;
    if (m_wndRenderer.GetSafeHwnd() == NULL && !HasWindow() && !CreateWindows())
        return;
    RenderInactive(pDC, rectText, style, style.GetValue());
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
        if (!BeginEditing())
            return FALSE;
        if (!IsInitAt(m_nRow, m_nCol))
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
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
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW))
        Refresh();
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
        CRichEditCtrl::ReplaceSel(pszText);
        SetModify(TRUE);
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
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW);
    BOOL bCtrl = IsKeyDown(VK_CONTROL);
    CHARRANGE cr;
    GetSel(cr);
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
        bToGrid = bCtrl;
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

void CGXRichEditCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CRichEditCtrl::OnKillFocus(pNewWnd);
    NotifyGridKillFocus(pNewWnd);
}

UINT CGXRichEditCtrl::OnGetDlgCode()
{
    return (UINT)Default() | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
}
