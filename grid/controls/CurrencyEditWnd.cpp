// The money field's editing, caret, selection, undo, clipboard, context menu and painting.
#include "CurrencyEditWnd.h"
#include "PopupCalculator.h"
#include "grid/core/AppData.h"
#include "mfc/Menu.h"
#include <algorithm>
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGXBCurrencyEdit, CGXBDropEdit)

BEGIN_MESSAGE_MAP(CGXBCurrencyEdit, CGXBDropEdit)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_SETREDRAW, OnSetRedraw)
ON_MESSAGE(WM_PASTE, OnPaste)
ON_MESSAGE(WM_COPY, OnCopy)
ON_MESSAGE(WM_CUT, OnCut)
ON_MESSAGE(WM_UNDO, OnUndo)
ON_MESSAGE(EM_UNDO, OnUndo)
ON_MESSAGE(EM_CANUNDO, OnCanUndo)
ON_MESSAGE(EM_EMPTYUNDOBUFFER, OnEmptyUndoBuffer)
ON_MESSAGE(EM_GETSEL, OnGetSel)
ON_MESSAGE(EM_SETSEL, OnSetSel)
ON_MESSAGE(EM_SETREADONLY, OnSetReadOnly)
ON_MESSAGE(EM_SETMARGINS, OnSetMargins)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_WM_RBUTTONUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
const TCHAR szClassName[] = _T("CGXBCurrencyEdit");

BOOL IsDigit(TCHAR c)
{
    return _ismbcdigit((unsigned char)c) != 0;
}

int CountDigits(const CString& str, int nEnd)
{
    int n = 0;
    for (int i = 0; i < std::min(nEnd, str.GetLength()); i++)
        n += IsDigit(str[i]) ? 1 : 0;
    return n;
}

BOOL HasDigit(const CString& str)
{
    return CountDigits(str, str.GetLength()) > 0;
}

// The index of the digit that has nDigits digits before it (the length when there is none).
int DigitIndex(const CString& str, int nDigits)
{
    int n = 0;
    for (int i = 0; i < str.GetLength(); i++)
        if (IsDigit(str[i]) && n++ == nDigits)
            return i;
    return str.GetLength();
}

// Just behind the nDigits-th digit (in front of the first with 0).
int BehindDigits(const CString& str, int nDigits)
{
    if (nDigits <= 0)
        return DigitIndex(str, 0);
    return std::min(DigitIndex(str, nDigits - 1) + 1, str.GetLength());
}

// The context menu's items: text, command, and which conditions grey it.
enum
{
    greyNoUndo = 1,
    greyEmpty = 2,
    greyNoSel = 4,
    greyReadOnly = 8,
    greyNoPaste = 16
};
const struct
{
    LPCTSTR pszText;
    UINT nID;
    UINT nGrey;
} s_menuItems[] = {
    {_T("&Undo\tCtrl+Z"), ID_EDIT_UNDO, greyNoUndo | greyReadOnly},
    {NULL, 0, 0},
    {_T("Cu&t\tCtrl+X"), ID_EDIT_CUT, greyEmpty | greyNoSel | greyReadOnly},
    {_T("&Copy\tCtrl+C"), ID_EDIT_COPY, greyEmpty | greyNoSel},
    {_T("&Paste\tCtrl+V"), ID_EDIT_PASTE, greyNoPaste | greyReadOnly},
    {_T("&Delete\tDelete"), ID_EDIT_CLEAR, greyEmpty | greyNoSel | greyReadOnly},
    {NULL, 0, 0},
    {_T("Select &All"), ID_EDIT_SELECT_ALL, greyEmpty},
};

// The clipboard's text, FALSE when it holds none or cannot be opened.
BOOL ClipboardText(CWnd* pWnd, CString& strText)
{
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(pWnd->GetSafeHwnd()))
        return FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    LPCSTR psz = hData != NULL ? (LPCSTR)::GlobalLock(hData) : NULL;
    if (psz != NULL)
    {
        strText = psz;
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return psz != NULL;
}
} // namespace

CGXBCurrencyEdit::CGXBCurrencyEdit() : m_pFormat(new Format(TRUE))
{
}

CGXBCurrencyEdit::~CGXBCurrencyEdit()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete m_pFormat;
}

void CGXBCurrencyEdit::RegisterWndClass()
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASS wc = {};
    if (::GetClassInfo(hInst, szClassName, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(NULL, IDC_IBEAM);
    wc.lpszClassName = szClassName;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
}

BOOL CGXBCurrencyEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    RegisterWndClass();
    dwStyle &= ~(ES_MULTILINE | ES_UPPERCASE | ES_LOWERCASE | ES_PASSWORD | ES_AUTOVSCROLL | ES_WANTRETURN);
    if (!CWnd::Create(szClassName, NULL, dwStyle | WS_CHILD, rect, pParent, nID))
        return FALSE;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SetTextUnparsed(strText);
    return TRUE;
}

// -- Value, format and styles ------------------------------------------------------------------

void CGXBCurrencyEdit::SetValue(double dValue, BOOL bRedraw)
{
    SetValue(dValue < 0 ? -dValue : dValue, dValue < 0, bRedraw);
}

void CGXBCurrencyEdit::SetValue(double dAbsValue, BOOL bNegative, BOOL bRedraw)
{
    if (dAbsValue == m_dValue && !!bNegative == !!m_bNegative)
        return;
    m_dValue = dAbsValue;
    m_bNegative = bNegative;
    if (!GetSafeHwnd())
        return;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SaveUndo(NULL, -1);
    SetTextUnparsed(strText);
    if (bRedraw)
        InvalidateIfRedraw(TRUE);
}

void CGXBCurrencyEdit::GetValue(double& dValue) const
{
    dValue = m_bNegative ? -m_dValue : m_dValue;
}

void CGXBCurrencyEdit::SetFormat(const Format& format)
{
    if (!m_pFormat->IsNotEqual(format))
        return;
    m_pFormat->Assign(format);
    if (!GetSafeHwnd())
        return;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SetTextUnparsed(strText);
    InvalidateIfRedraw(TRUE);
}

void CGXBCurrencyEdit::GetFormat(Format& format) const
{
    format.Assign(*m_pFormat);
}

void CGXBCurrencyEdit::SetAlignment(int nAlign)
{
    static const DWORD adwAlign[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    if (GetSafeHwnd() && nAlign >= 0 && nAlign <= 2)
        ModifyStyle(ES_CENTER | ES_RIGHT, adwAlign[nAlign]);
}

int CGXBCurrencyEdit::GetAlignment() const
{
    DWORD dwStyle = GetSafeHwnd() ? GetStyle() : 0;
    return (dwStyle & ES_RIGHT) ? 2 : (dwStyle & ES_CENTER) ? 1 : 0;
}

void CGXBCurrencyEdit::SetReadOnly(BOOL bReadOnly)
{
    if (!GetSafeHwnd() || !!IsReadOnly() == !!bReadOnly)
        return;
    ModifyStyle(bReadOnly ? 0 : ES_READONLY, bReadOnly ? ES_READONLY : 0);
    InvalidateIfRedraw(TRUE);
}

BOOL CGXBCurrencyEdit::IsReadOnly() const
{
    return GetSafeHwnd() && (GetStyle() & ES_READONLY) != 0;
}

// -- Text helpers ------------------------------------------------------------------------------

CString CGXBCurrencyEdit::GetText() const
{
    CString str;
    if (GetSafeHwnd())
        GetWindowText(str);
    return str;
}

void CGXBCurrencyEdit::SetTextUnparsed(LPCTSTR pszText)
{
    BOOL bParse = m_bParseOnSetText;
    m_bParseOnSetText = FALSE;
    SendMessage(WM_SETTEXT, 0, (LPARAM)pszText);
    m_bParseOnSetText = bParse;
}

CString CGXBCurrencyEdit::Reformat(LPCTSTR pszText)
{
    BOOL bRedraw = m_bRedraw;
    SendMessage(WM_SETREDRAW, FALSE);
    SendMessage(WM_SETTEXT, 0, (LPARAM)pszText);
    SendMessage(WM_SETREDRAW, bRedraw);
    return GetText();
}

void CGXBCurrencyEdit::SelRange(int nLen, int& nFrom, int& nTo) const
{
    if (m_nSelStart == 0 && m_nSelEnd == -1)
    {
        nFrom = 0;
        nTo = nLen;
        return;
    }
    nFrom = std::max(0, std::min(m_nSelStart, m_nSelEnd));
    nTo = std::min(nLen, std::max(m_nSelStart, m_nSelEnd));
}

void CGXBCurrencyEdit::Notify(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)m_hWnd);
}

void CGXBCurrencyEdit::InvalidateIfRedraw(BOOL bErase)
{
    if (m_bRedraw && GetSafeHwnd())
        Invalidate(bErase);
}

void CGXBCurrencyEdit::ClearSelection()
{
    m_nSelStart = -1;
    m_nSelEnd = 0;
}

// -- Messages: text, font, clipboard, undo, selection ------------------------------------------

LRESULT CGXBCurrencyEdit::OnSetText(WPARAM, LPARAM lParam)
{
    LPCTSTR pszText = lParam != 0 ? (LPCTSTR)lParam : _T("");
    if (!m_bParseOnSetText)
    {
        LRESULT lResult = Default();
        InvalidateIfRedraw();
        return lResult;
    }
    double dValue = 0;
    BOOL bNegative = FALSE;
    if (!m_pFormat->ParseValue(pszText, dValue, bNegative))
        return FALSE;
    SetValue(dValue, bNegative, TRUE);
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_hFont;
}

LRESULT CGXBCurrencyEdit::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    if (LOWORD(lParam))
        InvalidateIfRedraw(TRUE);
    return 0;
}

LRESULT CGXBCurrencyEdit::OnSetRedraw(WPARAM wParam, LPARAM)
{
    m_bRedraw = wParam != 0;
    return 0;
}

LRESULT CGXBCurrencyEdit::OnPaste(WPARAM, LPARAM)
{
    PasteFromClipboard();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnCopy(WPARAM, LPARAM)
{
    CopyToClipboard();
    return 0;
}

LRESULT CGXBCurrencyEdit::OnCut(WPARAM, LPARAM)
{
    if (!IsReadOnly() && HasSelection())
    {
        CopyToClipboard();
        DoDelete();
    }
    return 0;
}

LRESULT CGXBCurrencyEdit::OnUndo(WPARAM, LPARAM)
{
    Undo();
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnCanUndo(WPARAM, LPARAM)
{
    return m_bUndo;
}

LRESULT CGXBCurrencyEdit::OnEmptyUndoBuffer(WPARAM, LPARAM)
{
    m_bUndo = FALSE;
    return 0;
}

LRESULT CGXBCurrencyEdit::OnGetSel(WPARAM wParam, LPARAM lParam)
{
    if (wParam != 0)
        *(DWORD*)wParam = (DWORD)m_nSelStart;
    if (lParam != 0)
        *(DWORD*)lParam = (DWORD)m_nSelEnd;
    if ((UINT)m_nSelStart >= 65535 || (UINT)m_nSelEnd >= 65535)
        return -1;
    return MAKELONG(m_nSelStart, m_nSelEnd);
}

LRESULT CGXBCurrencyEdit::OnSetSel(WPARAM wParam, LPARAM lParam)
{
    return SetSel((int)wParam, (int)lParam);
}

LRESULT CGXBCurrencyEdit::OnSetReadOnly(WPARAM wParam, LPARAM)
{
    SetReadOnly(wParam != 0);
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnSetMargins(WPARAM wParam, LPARAM lParam)
{
    if (wParam & EC_USEFONTINFO)
    {
        CClientDC dc(this);
        CFont* pOld = SelectTextFont(&dc);
        TEXTMETRIC tm = {};
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        m_nLeftMargin = m_nRightMargin = tm.tmAveCharWidth;
    }
    else
    {
        if (wParam & EC_LEFTMARGIN)
            m_nLeftMargin = LOWORD(lParam);
        if (wParam & EC_RIGHTMARGIN)
            m_nRightMargin = HIWORD(lParam);
    }
    InvalidateIfRedraw();
    return 0;
}

void CGXBCurrencyEdit::OnEditPaste()
{
    PasteFromClipboard();
}

void CGXBCurrencyEdit::OnEditCopy()
{
    CopyToClipboard();
}

void CGXBCurrencyEdit::OnEditCut()
{
    OnCut(0, 0);
}

void CGXBCurrencyEdit::OnEditUndo()
{
    Undo();
}

void CGXBCurrencyEdit::OnEditClear()
{
    if (IsReadOnly())
        return;
    if (HasSelection())
    {
        CString strText = GetText();
        int nFrom, nTo;
        SelRange(strText.GetLength(), nFrom, nTo);
        ClearSelection();
        Reformat(strText.Left(nFrom) + strText.Mid(nTo));
    }
    else
        SetValue(0.0, TRUE);
    if (::GetFocus() == m_hWnd)
        SetCaret(0, FALSE);
}

void CGXBCurrencyEdit::OnEditSelectAll()
{
    SetSel(0, -1);
}

void CGXBCurrencyEdit::SaveUndo(LPCTSTR pszText, int nCaret)
{
    m_strUndo = pszText != NULL ? CString(pszText) : GetText();
    m_nUndoCaret = nCaret != -1 ? nCaret : m_nCaret;
    if (HasSelection())
    {
        m_nUndoSelStart = m_nSelStart;
        m_nUndoSelEnd = m_nSelEnd;
    }
    else
    {
        m_nUndoSelStart = -1;
        m_nUndoSelEnd = 0;
    }
    m_bUndo = TRUE;
}

void CGXBCurrencyEdit::Undo()
{
    if (IsReadOnly() || !m_bUndo)
        return;
    CString strText = m_strUndo;
    int nCaret = m_nUndoCaret, nSelStart = m_nUndoSelStart, nSelEnd = m_nUndoSelEnd;
    SaveUndo(NULL, -1);
    SendMessage(WM_SETTEXT, 0, (LPARAM)(LPCTSTR)strText);
    SetSel(nSelStart, nSelEnd);
    if (::GetFocus() == m_hWnd)
        SetCaret(nCaret, FALSE);
}

void CGXBCurrencyEdit::CopyToClipboard()
{
    if (!HasSelection())
        return;
    CString strText = GetText();
    int nFrom, nTo;
    SelRange(strText.GetLength(), nFrom, nTo);
    CString strSel = strText.Mid(nFrom, nTo - nFrom);
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, strSel.GetLength() + 1);
    if (hMem == NULL)
        return;
    LPSTR psz = (LPSTR)::GlobalLock(hMem);
    memcpy(psz, (LPCSTR)strSel, strSel.GetLength());
    ::GlobalUnlock(hMem);
    if (!::OpenClipboard(m_hWnd))
    {
        ::GlobalFree(hMem);
        return;
    }
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, hMem) == NULL)
        ::GlobalFree(hMem);
    ::CloseClipboard();
}

void CGXBCurrencyEdit::PasteFromClipboard()
{
    CString strText;
    if (IsReadOnly() || !ClipboardText(this, strText))
        return;
    FilterPasteText(strText);
    DoInsert(strText);
}

void CGXBCurrencyEdit::FilterPasteText(CString& strText)
{
    CString strWindow = GetText();
    int nFirst, nLast, nFrom, nTo;
    m_pFormat->GetNumberBounds(strWindow, nFirst, nLast);
    SelRange(strWindow.GetLength(), nFrom, nTo);
    if (HasSelection() && nFirst >= 0 && nFrom <= nFirst && nTo > nLast)
        return;
    CString strDigits;
    for (int i = 0; i < strText.GetLength(); i++)
        if (IsDigit(strText[i]))
            strDigits += strText[i];
    strText = strDigits;
}

// -- Caret and selection -----------------------------------------------------------------------

CFont* CGXBCurrencyEdit::SelectTextFont(CDC* pDC) const
{
    HGDIOBJ hFont = m_hFont != NULL ? (HGDIOBJ)m_hFont : ::GetStockObject(SYSTEM_FONT);
    return (CFont*)pDC->SelectObject(CGdiObject::FromHandle(hFont));
}

CRect CGXBCurrencyEdit::TextRect(CDC* pDC, const CString& strText) const
{
    CRect rect;
    GetClientRect(&rect);
    rect.left += m_nLeftMargin;
    rect.right -= m_nRightMargin;
    CSize size = pDC->GetTextExtent(strText.IsEmpty() ? CString(_T(" ")) : strText);
    int cx = strText.IsEmpty() ? 0 : size.cx;
    int nAlign = GetAlignment();
    if (nAlign == 1)
        rect.left = (rect.left + rect.right) / 2 - cx / 2;
    else if (nAlign == 2)
        rect.left = rect.right - cx - ::GetSystemMetrics(SM_CXBORDER);
    else
        rect.left += ::GetSystemMetrics(SM_CXBORDER);
    rect.top = ::GetSystemMetrics(SM_CYBORDER);
    rect.bottom = rect.top + size.cy;
    rect.right = rect.left + cx;
    return rect;
}

int CGXBCurrencyEdit::CharFromPoint(CPoint pt)
{
    CString strText = GetText();
    CClientDC dc(this);
    CFont* pOld = SelectTextFont(&dc);
    CRect rect = TextRect(&dc, strText);
    int nResult = strText.GetLength();
    int x = rect.left;
    for (int i = 0; i < strText.GetLength(); i++)
    {
        int cx = dc.GetTextExtent(strText.Mid(i, 1)).cx;
        if (x + cx / 2 > pt.x)
        {
            nResult = i;
            break;
        }
        x += cx;
    }
    dc.SelectObject(pOld);
    return nResult;
}

BOOL CGXBCurrencyEdit::SetSel(int nStart, int nEnd)
{
    int nLen = GetText().GetLength();
    int nPos = m_nCaret;
    if (nStart == -1 && nEnd == 0)
        ClearSelection();
    else if (nStart == 0 && nEnd == -1)
    {
        m_nSelStart = 0;
        m_nSelEnd = -1;
        nPos = nLen;
    }
    else
    {
        if (std::min(nStart, nEnd) < 0 || std::max(nStart, nEnd) > nLen)
            return FALSE;
        m_nSelStart = nStart;
        m_nSelEnd = nEnd;
        nPos = nEnd;
    }
    SetCaret(nPos, FALSE);
    InvalidateIfRedraw();
    return TRUE;
}

void CGXBCurrencyEdit::SetCaret(int nPos, BOOL bExtend)
{
    BOOL bExtending = ::GetKeyState(VK_SHIFT) < 0 || m_bMouseSelecting;
    CString strText = GetText();
    if (nPos < 0 || nPos > strText.GetLength())
    {
        if (bExtend && !bExtending)
            ClearSelection();
        return;
    }
    if (bExtend)
    {
        if (!HasSelection() && bExtending)
        {
            m_nSelStart = m_nCaret;
            m_nSelEnd = nPos;
        }
        else if (HasSelection() && bExtending)
            m_nSelEnd = nPos;
        else if (HasSelection())
            ClearSelection();
        InvalidateIfRedraw();
    }
    if (GetSafeHwnd())
    {
        CClientDC dc(this);
        CFont* pOld = SelectTextFont(&dc);
        CRect rect = TextRect(&dc, strText);
        int x = rect.left + (nPos > 0 ? dc.GetTextExtent(strText.Left(nPos)).cx : 0);
        dc.SelectObject(pOld);
        ::SetCaretPos(x, rect.top);
    }
    m_nCaret = nPos;
}

void CGXBCurrencyEdit::CreateCaretAt(int nPos)
{
    CClientDC dc(this);
    CFont* pOld = SelectTextFont(&dc);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    CreateSolidCaret(::GetSystemMetrics(SM_CXBORDER), tm.tmHeight);
    SetCaret(nPos, FALSE);
    ShowCaret();
}

void CGXBCurrencyEdit::RemoveCaret()
{
    ClearSelection();
    ::DestroyCaret();
    InvalidateIfRedraw();
}

// -- Editing -----------------------------------------------------------------------------------

void CGXBCurrencyEdit::AfterEdit(const CString& strOld, int nOldCaret, const CString& strNew, BOOL bClearSel)
{
    if (strNew == strOld)
        return;
    SaveUndo(strOld, nOldCaret);
    Notify(EN_UPDATE);
    if (bClearSel)
        ClearSelection();
    InvalidateIfRedraw();
    Notify(EN_CHANGE);
}

void CGXBCurrencyEdit::DoInsert(LPCTSTR pszText)
{
    if (IsReadOnly() || pszText == NULL)
        return;
    const Format& fmt = *m_pFormat;
    CString strOld = GetText(), str = strOld;
    int nOldCaret = m_nCaret, nCaret = m_nCaret, nLen = str.GetLength();
    int nTyped = lstrlen(pszText), nMaxInt = fmt.GetMaxIntegerDigits();
    int nFirst, nLast;
    fmt.GetNumberBounds(str, nFirst, nLast);
    int nDec = fmt.FindDecimalSeparator(str);
    BOOL bSel = HasSelection();
    int nSelFrom = 0, nSelTo = 0;
    SelRange(nLen, nSelFrom, nSelTo);
    BOOL bFraction = FALSE;
    if (nFirst >= 0 && (nCaret < nFirst || nCaret > nLast + 1))
    {
        if (nDec >= 0)
            nCaret = nMaxInt == 0 ? nDec + 1 : nDec;
        else
            nCaret = nMaxInt == 0 ? 0 : nLast + 1;
    }
    if (bSel)
        str = str.Left(nSelFrom) + pszText + str.Mid(nSelTo);
    else
    {
        if (m_bOverwrite && nCaret < nLen &&
            (str[nCaret] == fmt.ShownDecimalSeparator() ||
             (fmt.GetThousandSeparator() != 0 && str[nCaret] == fmt.GetThousandSeparator() &&
              (nDec < 0 || nCaret < nDec))))
            nCaret++;
        if (nDec < 0 || nCaret <= nDec)
        {
            if (m_bOverwrite && nCaret < nLen)
                str.SetAt(nCaret++, pszText[0]);
            else
                str.Insert(nCaret, pszText);
        }
        else if (nCaret > nLast)
        {
            bFraction = TRUE;
            if (m_bShiftInEntry && nLast > nDec)
            {
                CString strFraction = str.Mid(nDec + 1, nLast - nDec) + pszText;
                strFraction = strFraction.Right(nLast - nDec);
                str = str.Left(nDec + 1) + strFraction + str.Mid(nLast + 1);
            }
        }
        else
        {
            bFraction = TRUE;
            for (int i = 0; i < nTyped && nCaret + i <= nLast; i++)
                str.SetAt(nCaret + i, pszText[i]);
        }
    }
    CString strNew = Reformat(str);
    int nNewFirst, nNewLast;
    fmt.GetNumberBounds(strNew, nNewFirst, nNewLast);
    int nNewDec = fmt.FindDecimalSeparator(strNew);
    int nNewLen = strNew.GetLength();
    int nNewCaret;
    if (!bSel)
    {
        if (bFraction && nNewDec >= 0)
        {
            int nEnd = nNewLast + 1;
            nNewCaret = nCaret >= nLast + 1 ? nEnd : std::min(nEnd, nNewDec + (nCaret - nDec) + nTyped);
        }
        else
            nNewCaret = nCaret + (nNewLen - nLen);
    }
    else if (nSelFrom <= nNewFirst && nSelTo >= nNewLast + 1)
        nNewCaret = nNewDec < 0 ? nNewLen : (nMaxInt == 0 ? nNewDec + 1 : nNewDec);
    else
        nNewCaret = nNewLen - (nLen - std::max(nCaret, nSelFrom));
    if (nNewFirst >= 0)
        nNewCaret = std::min(nNewCaret, nNewLast + 1);
    nNewCaret = std::max(0, std::min(nNewCaret, nNewLen));
    AfterEdit(strOld, nOldCaret, strNew, TRUE);
    if (bSel)
        ClearSelection();
    SetCaret(nNewCaret, FALSE);
}

void CGXBCurrencyEdit::DoDelete()
{
    if (IsReadOnly())
        return;
    const Format& fmt = *m_pFormat;
    CString strOld = GetText(), str = strOld;
    int nOldCaret = m_nCaret, nLen = str.GetLength();
    int nDigitsBefore;
    if (HasSelection())
    {
        int nFrom, nTo;
        SelRange(nLen, nFrom, nTo);
        str = str.Left(nFrom) + str.Mid(nTo);
        nDigitsBefore = CountDigits(strOld, nFrom);
    }
    else
    {
        int nPos = m_nCaret;
        if (nPos >= nLen)
            return;
        while (nPos < nLen && !IsDigit(str[nPos]))
            nPos++;
        if (nPos >= nLen)
            return;
        int nDec = fmt.FindDecimalSeparator(str);
        if (nDec < 0 || nPos < nDec)
        {
            str.Delete(nPos);
            nDigitsBefore = CountDigits(strOld, nPos);
        }
        else
        {
            str.SetAt(nPos, '0');
            nDigitsBefore = CountDigits(strOld, nPos + 1);
        }
    }
    if (!HasDigit(str))
        str += '0';
    CString strNew = Reformat(str);
    int nCaret;
    if (m_dValue == 0.0)
    {
        int nFirst, nLast;
        fmt.GetNumberBounds(strNew, nFirst, nLast);
        int nDec = fmt.FindDecimalSeparator(strNew);
        nCaret = nDec >= 0 ? nDec : nLast + 1;
    }
    else
        nCaret = DigitIndex(strNew, nDigitsBefore);
    AfterEdit(strOld, nOldCaret, strNew, FALSE);
    ClearSelection();
    InvalidateIfRedraw();
    SetCaret(nCaret, FALSE);
}

void CGXBCurrencyEdit::DoBackspace()
{
    if (IsReadOnly())
        return;
    if (HasSelection())
    {
        DoDelete();
        return;
    }
    const Format& fmt = *m_pFormat;
    CString strOld = GetText(), str = strOld;
    int nOldCaret = m_nCaret, nFirst, nLast;
    fmt.GetNumberBounds(str, nFirst, nLast);
    if (nFirst < 0 || m_nCaret <= nFirst)
        return;
    int nPos = std::min(m_nCaret, str.GetLength()) - 1;
    while (nPos > 0 && !IsDigit(str[nPos]))
        nPos--;
    int nDec = fmt.FindDecimalSeparator(str);
    int nDigitsBefore = CountDigits(strOld, nPos);
    BOOL bInteger = nDec < 0 || nPos < nDec;
    if (bInteger)
        str.Delete(nPos);
    else
        str.SetAt(nPos, '0');
    if (!HasDigit(str))
        str += '0';
    CString strNew = Reformat(str);
    int nNewFirst, nNewLast;
    fmt.GetNumberBounds(strNew, nNewFirst, nNewLast);
    int nNewDec = fmt.FindDecimalSeparator(strNew);
    int nCaret;
    if (m_dValue == 0.0)
        nCaret = nNewDec < 0 ? nNewLast + 1 : (fmt.GetMaxIntegerDigits() == 0 ? nNewDec + 1 : nNewDec);
    else if (!bInteger)
        nCaret = DigitIndex(strNew, nDigitsBefore);
    else if (fmt.GetMaxIntegerDigits() == -1)
        nCaret = BehindDigits(strNew, nDigitsBefore);
    else
        nCaret = m_nCaret;
    AfterEdit(strOld, nOldCaret, strNew, FALSE);
    SetCaret(nCaret, FALSE);
}

void CGXBCurrencyEdit::ToggleSign()
{
    if (IsReadOnly())
        return;
    const Format& fmt = *m_pFormat;
    CString strOld = GetText();
    int nFirst, nLast, nFrom, nTo;
    fmt.GetNumberBounds(strOld, nFirst, nLast);
    SelRange(strOld.GetLength(), nFrom, nTo);
    BOOL bWhole = HasSelection() && nFirst >= 0 && nFrom <= nFirst && nTo >= nLast + 1 &&
                  (nFrom < nFirst || nTo > nLast + 1);
    BOOL bNegative = bWhole ? TRUE : !m_bNegative;
    if (!!bNegative != !!m_bNegative)
    {
        m_bNegative = bNegative;
        CString strText;
        fmt.FormatValue(m_dValue, strText, m_bNegative);
        SaveUndo(NULL, -1);
        SetTextUnparsed(strText);
    }
    CString strNew = GetText();
    int nNewFirst, nNewLast;
    fmt.GetNumberBounds(strNew, nNewFirst, nNewLast);
    if (bWhole)
        SetSel(nNewFirst, nNewLast + 1);
    else
    {
        ClearSelection();
        SetCaret(std::max(0, std::min(strNew.GetLength(), m_nCaret + (nNewLast - nLast))), FALSE);
    }
    InvalidateIfRedraw();
}

void CGXBCurrencyEdit::ToggleOverwrite()
{
    m_bOverwrite = !m_bOverwrite;
}

// -- Keys and mouse ----------------------------------------------------------------------------

BOOL CGXBCurrencyEdit::HandleKey(UINT nChar)
{
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0, bCtrl = ::GetKeyState(VK_CONTROL) < 0,
         bAlt = ::GetKeyState(VK_MENU) < 0;
    int nLen = GetText().GetLength();
    switch (nChar)
    {
    case VK_DELETE:
        if (bShift)
            PostMessage(WM_CUT);
        else
            DoDelete();
        return TRUE;
    case VK_BACK:
        if (bAlt)
            PostMessage(WM_UNDO);
        else
            DoBackspace();
        return TRUE;
    case VK_END:
        SetCaret(nLen, TRUE);
        return TRUE;
    case VK_HOME:
        SetCaret(0, TRUE);
        return TRUE;
    case VK_LEFT:
        SetCaret(m_nCaret - 1, TRUE);
        return TRUE;
    case VK_RIGHT:
        SetCaret(m_nCaret + 1, TRUE);
        return TRUE;
    case VK_INSERT:
        if (bCtrl)
            PostMessage(WM_COPY);
        else if (bShift)
            PostMessage(WM_PASTE);
        else
            ToggleOverwrite();
        return TRUE;
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
        if (!bCtrl)
            return FALSE;
        PostMessage(nChar == 'C' ? WM_COPY : nChar == 'V' ? WM_PASTE : nChar == 'X' ? WM_CUT : WM_UNDO);
        return TRUE;
    case VK_F2:
        if (GetButtonBitmapId() != 0)
            ShowCalculator();
        return TRUE;
    case VK_F4:
        OnButtonClicked();
        return TRUE;
    case VK_DOWN:
        if (!bAlt)
            return FALSE;
        OnButtonClicked();
        return TRUE;
    case VK_F10:
        if (!bShift)
            return FALSE;
        {
            CRect rect;
            GetClientRect(&rect);
            PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
        }
        return TRUE;
    }
    return FALSE;
}

void CGXBCurrencyEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    HandleKey(nChar);
    Default();
}

void CGXBCurrencyEdit::OnSysKeyDown(UINT nChar, UINT, UINT)
{
    HandleKey(nChar);
    Default();
}

void CGXBCurrencyEdit::OnChar(UINT nChar, UINT, UINT)
{
    TCHAR c = (TCHAR)nChar;
    if (c != 0 && c == m_pFormat->GetDecimalSeparator())
    {
        CString strText = GetText();
        int nDec = m_pFormat->FindDecimalSeparator(strText);
        int nFirst, nLast;
        m_pFormat->GetNumberBounds(strText, nFirst, nLast);
        ClearSelection();
        if (nDec >= 0)
            SetCaret(nDec + 1, FALSE);
        else if (nLast >= 0)
            SetCaret(nLast + 1, FALSE);
        InvalidateIfRedraw();
    }
    else if (c == '-')
        ToggleSign();
    else if (c >= '0' && c <= '9')
    {
        TCHAR sz[2] = {c, 0};
        DoInsert(sz);
    }
    Default();
}

UINT CGXBCurrencyEdit::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CGXBCurrencyEdit::OnLButtonDown(UINT, CPoint point)
{
    SendMessage(WM_SETREDRAW, FALSE);
    SetFocus();
    SendMessage(WM_SETREDRAW, TRUE);
    ClearSelection();
    SetCaret(CharFromPoint(point), FALSE);
    m_bMouseSelecting = TRUE;
    SetCapture();
    InvalidateIfRedraw();
}

void CGXBCurrencyEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bMouseSelecting)
        SetCaret(CharFromPoint(point), TRUE);
    CGXBDropEdit::OnMouseMove(nFlags, point);
}

void CGXBCurrencyEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bMouseSelecting)
    {
        m_bMouseSelecting = FALSE;
        ::ReleaseCapture();
    }
    if (!HasSelection())
    {
        int nFirst, nLast;
        m_pFormat->GetNumberBounds(GetText(), nFirst, nLast);
        if (m_nCaret <= nFirst || m_nCaret > nLast)
            SetSel(0, -1);
    }
    CGXBDropEdit::OnLButtonUp(nFlags, point);
}

void CGXBCurrencyEdit::OnLButtonDblClk(UINT, CPoint)
{
    SetSel(0, -1);
}

void CGXBCurrencyEdit::OnSetFocus(CWnd* pOldWnd)
{
    CGXBDropEdit::OnSetFocus(pOldWnd);
    CreateCaretAt(-1);
    SetSel(0, -1);
    Notify(EN_SETFOCUS);
}

void CGXBCurrencyEdit::OnKillFocus(CWnd* pNewWnd)
{
    CGXBDropEdit::OnKillFocus(pNewWnd);
    RemoveCaret();
    Notify(EN_KILLFOCUS);
}

// -- Context menu and calculator ---------------------------------------------------------------

CMenu* CGXBCurrencyEdit::CreateContextMenu()
{
    CMenu* pMenu = new CMenu;
    if (!pMenu->CreatePopupMenu())
    {
        delete pMenu;
        return NULL;
    }
    CString strText = GetText(), strClip;
    double dValue;
    BOOL bNegative;
    UINT nState =
        (m_bUndo ? 0 : greyNoUndo) | (strText.IsEmpty() ? greyEmpty : 0) | (HasSelection() ? 0 : greyNoSel) |
        (IsReadOnly() ? greyReadOnly : 0) |
        (ClipboardText(this, strClip) && m_pFormat->ParseValue(strClip, dValue, bNegative) ? 0 : greyNoPaste);
    for (const auto& item : s_menuItems)
    {
        if (item.pszText == NULL)
            pMenu->AppendMenu(MF_SEPARATOR);
        else
            pMenu->AppendMenu(MF_STRING | ((item.nGrey & nState) ? MF_GRAYED : 0), item.nID, item.pszText);
    }
    return pMenu;
}

void CGXBCurrencyEdit::DestroyContextMenu(CMenu* pMenu)
{
    delete pMenu;
}

void CGXBCurrencyEdit::OnRButtonUp(UINT, CPoint point)
{
    CMenu* pMenu = CreateContextMenu();
    if (pMenu == NULL)
        return;
    ClientToScreen(&point);
    pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    DestroyContextMenu(pMenu);
}

void CGXBCurrencyEdit::OnButtonClicked()
{
    ShowCalculator();
}

BOOL CGXBCurrencyEdit::ShowCalculator()
{
    GXSetPopupActive(TRUE);
    CGXBPopupCalculator* pCalc = new CGXBPopupCalculator;
    pCalc->SetValue(m_dValue);
    pCalc->m_bAutoDelete = TRUE;
    pCalc->SetOwner(this);
    CRect rect;
    GetWindowRect(&rect);
    BOOL bCreated = pCalc->Create(WS_POPUP | WS_VISIBLE | GXCALC_CLOSEONENTER, rect, this);
    if (bCreated)
    {
        double dValue;
        GetValue(dValue);
        pCalc->SetValue(dValue);
    }
    else if (pCalc->GetSafeHwnd() == NULL)
        delete pCalc;
    GXSetPopupActive(FALSE);
    return bCreated;
}

// -- Painting ----------------------------------------------------------------------------------

void CGXBCurrencyEdit::DrawBackground(CDC* pDC, const CRect& rect)
{
    COLORREF cr;
    if (!IsWindowEnabled())
        cr = ::GetSysColor(COLOR_BTNFACE);
    else if (!m_pFormat->GetBackColor(cr))
        cr = ::GetSysColor(IsReadOnly() ? COLOR_BTNFACE : COLOR_WINDOW);
    pDC->FillSolidRect(rect, cr);
}

void CGXBCurrencyEdit::DrawSeparatorLine(CDC* pDC, int x)
{
    CRect rect;
    GetClientRect(&rect);
    CPen pen(PS_SOLID, 1, IsReadOnly() ? ::GetSysColor(COLOR_BTNSHADOW) : m_pFormat->GetLineColor());
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x, 0);
    pDC->LineTo(x, rect.bottom + 1);
    pDC->SelectObject(pOld);
}

void CGXBCurrencyEdit::PaintText(CDC* pDC, const CRect& rectClient)
{
    DrawBackground(pDC, rectClient);
    CFont* pOld = SelectTextFont(pDC);
    COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
    if (!IsWindowEnabled())
        crText = ::GetSysColor(GetExStyle() != 0 ? COLOR_BTNSHADOW : COLOR_GRAYTEXT);
    else if (m_bNegative && m_dValue != 0.0)
        m_pFormat->GetNegativeColor(crText);
    else
        m_pFormat->GetPositiveColor(crText);
    pDC->SetTextColor(crText);
    pDC->SetBkMode(TRANSPARENT);
    CString strText = GetText();
    CRect rect = TextRect(pDC, strText);
    int nDec = m_pFormat->FindDecimalSeparator(strText);
    int xLine = -1;
    if (m_pFormat->GetSeparatorLine() && nDec >= 0)
    {
        xLine = rect.left + pDC->GetTextExtent(strText.Left(nDec)).cx + pDC->GetTextExtent(_T(" ")).cx / 2;
        strText.SetAt(nDec, ' ');
    }
    const UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
    if (!HasSelection())
        pDC->DrawText(strText, rect, nFormat | DT_LEFT);
    else
    {
        int nFrom, nTo;
        SelRange(strText.GetLength(), nFrom, nTo);
        CRect rectSel = rect;
        rectSel.left += pDC->GetTextExtent(strText.Left(nFrom)).cx;
        rectSel.right = rectSel.left + pDC->GetTextExtent(strText.Mid(nFrom, nTo - nFrom)).cx;
        pDC->DrawText(strText.Left(nFrom), rect, nFormat | DT_LEFT);
        pDC->DrawText(strText.Mid(nTo), rect, nFormat | DT_RIGHT);
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        pDC->DrawText(strText.Mid(nFrom, nTo - nFrom), rectSel, nFormat | DT_LEFT);
    }
    if (xLine >= 0)
        DrawSeparatorLine(pDC, xLine);
    pDC->SelectObject(pOld);
}

void CGXBCurrencyEdit::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bRedraw)
        return;
    CRect rect;
    GetClientRect(&rect);
    CDC dcMem;
    CBitmap bitmap;
    if (rect.IsRectEmpty() || !dcMem.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height()))
    {
        PaintText(&dc, rect);
        return;
    }
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    PaintText(&dcMem, rect);
    dc.BitBlt(0, 0, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}
