// The masked edit cell: binding to the cell, keys and characters in its window and through the
// grid, the clipboard and find/replace, all in mask positions.
#include "grid/controls/MaskControl.h"
#include "grid/controls/ControlActivation.h"
#include "grid/controls/MaskData.h"
#include "grid/core/AppData.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridCore.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include "ClientDC.h"
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGXMaskControl, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXMaskControl, CGXEditControl)

BEGIN_MESSAGE_MAP(CGXMaskControl, CGXEditControl)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSCHAR()
ON_WM_SYSKEYUP()
ON_WM_LBUTTONUP()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace
{
BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

void EmptyClipboardOf(HWND hWnd)
{
    if (::OpenClipboard(hWnd))
    {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}
} // namespace

CGXMaskControl::CGXMaskControl(CGXGridCore* pGrid, UINT nID, CRuntimeClass* pMaskDataClass)
    : CGXEditControl(pGrid, nID)
{
    if (pMaskDataClass != NULL)
        SetMaskDataClass(pMaskDataClass);
}

CGXMaskControl::~CGXMaskControl()
{
    delete m_pMask;
    delete m_pFormatMask;
}

void CGXMaskControl::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle mask;
    mask.SetWrapText(TRUE).SetAutoSize(TRUE);
    pStylesMap->AddUserAttribute(GX_IDS_UA_INPUTMASK, &mask);
    CGXStyle prompt;
    prompt.SetMaxLength(1);
    pStylesMap->AddUserAttribute(GX_IDS_UA_INPUTPROMPT, &prompt);
}

UINT CGXMaskControl::GetMaskDataClipboardFormat()
{
    return GXGetAppData()->m_uiMaskDataClipboardFormat;
}

void CGXMaskControl::SetMaskDataClass(CRuntimeClass* pClass)
{
    delete m_pMask;
    delete m_pFormatMask;
    m_pMask = m_pFormatMask = NULL;
    m_pMaskDataClass = pClass;
    CreateMaskData();
}

void CGXMaskControl::CreateMaskData()
{
    if (m_pMaskDataClass == NULL)
        m_pMaskDataClass = RUNTIME_CLASS(CGXMaskData);
    if (m_pMask == NULL)
        m_pMask = (CGXMaskData*)m_pMaskDataClass->CreateObject();
    if (m_pFormatMask == NULL)
        m_pFormatMask = (CGXMaskData*)m_pMaskDataClass->CreateObject();
}

void CGXMaskControl::InitMaskData(CGXMaskData* pMask, const CGXStyle& style)
{
    CString strMask = style.GetUserAttribute(GX_IDS_UA_INPUTMASK).GetValueText();
    CString strPrompt = style.GetUserAttribute(GX_IDS_UA_INPUTPROMPT).GetValueText();
    if (strPrompt.IsEmpty())
        strPrompt = _T("_");
    pMask->Clear();
    pMask->SetPromptChar(strPrompt, FALSE);
    pMask->ParseMask(strMask);
    pMask->SetMaxLength(0x7FFFFFFF);
    if (style.GetInclude(CGXStyle::ibMaxLength))
        pMask->SetMaxLength(style.GetMaxLength());
}

// -- Window creation and layout ----------------------------------------------------------------

BOOL CGXMaskControl::CreateEditWindow(DWORD dwStyle, const CRect& rect)
{
    CreateMaskData();
    return CGXEditControl::CreateEditWindow(dwStyle, rect);
}

DWORD CGXMaskControl::CalcEditStyle(CRect& rect, const CGXStyle& style)
{
    // The base measures the font and places a single line as the style aligns it.
    CGXEditControl::CalcEditStyle(rect, style);
    int nAlign = m_bLeftAlign ? 0 : m_nHorzAlign;
    CWnd* pGridWnd = GetGridWnd();
    if (nAlign != 0 && HasMaskWindow() && pGridWnd != NULL && pGridWnd->GetSafeHwnd() != NULL)
    {
        // Text wider than the window scrolls: it must start at the left edge.
        CString strText;
        GetWindowText(strText);
        CClientDC dc(pGridWnd);
        CFont* pOld = m_font.GetSafeHandle() != NULL ? dc.SelectObject(&m_font) : NULL;
        if (dc.GetTextExtent(strText).cx > rect.Width() - m_nCharWidth)
            nAlign = 0;
        if (pOld != NULL)
            dc.SelectObject(pOld);
    }
    if (rect.Height() < m_nLineHeight + 1)
        rect.bottom = rect.top + m_nLineHeight + 1;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_MULTILINE;
    return dwStyle | (nAlign == 1 ? ES_CENTER : nAlign == 2 ? ES_RIGHT : ES_LEFT);
}

// -- Binding and values ------------------------------------------------------------------------

void CGXMaskControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    if (!HasMaskWindow())
        return;
    // The mask holds the length; the window's own limit would count literals too.
    LimitText(0);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wActivateFlags & 4) && !m_bActive && BeginEditing())
        SetActive(TRUE);
    SetModify(FALSE);
}

void CGXMaskControl::SetValue(LPCTSTR pszRawValue)
{
    if (!HasMaskWindow())
        return;
    CreateMaskData();
    const CGXStyle& style = LoadStyle();
    InitMaskData(m_pMask, style);
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    m_pMask->PutInputText(strValue, -1, FALSE);
    CString strDisplay;
    m_pMask->GetDisplayText(strDisplay);
    SetWindowText(strDisplay);
}

BOOL CGXMaskControl::GetValue(CString& strResult)
{
    if (!m_bInit || m_pMask == NULL)
        return FALSE;
    m_pMask->GetInputText(strResult, 0, -1, TRUE);
    return TRUE;
}

BOOL CGXMaskControl::GetCurrentText(CString& strResult)
{
    strResult.Empty();
    if (!m_bInit || m_pMask == NULL)
        return FALSE;
    m_pMask->GetDisplayText(strResult);
    return TRUE;
}

void CGXMaskControl::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasMaskWindow() || m_pMask == NULL)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (!ValidateText(str))
        return;
    m_pMask->PutDisplayText(str, -1, FALSE);
    UpdateWindowText();
    NotifyModified();
}

BOOL CGXMaskControl::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                     const CGXStyle& style)
{
    CreateMaskData();
    InitMaskData(m_pFormatMask, style);
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    strResult.Empty();
    if (strValue.IsEmpty() && !m_bRawPaste)
        return TRUE;
    if (m_pFormatMask->PutInputText(strValue, -1, FALSE) == -1)
    {
        strResult = strValue;
        return FALSE;
    }
    // A value the mask does not take whole is shown as it stands, not as an empty pattern.
    CString strTaken, strTrimmed = strValue;
    m_pFormatMask->GetInputText(strTaken, 0, -1, TRUE);
    strTrimmed.TrimRight(' ');
    if (strTaken.CompareNoCase(strTrimmed) != 0)
    {
        strResult = strValue;
        return TRUE;
    }
    m_pFormatMask->GetDisplayText(strResult);
    return TRUE;
}

BOOL CGXMaskControl::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    CreateMaskData();
    InitMaskData(m_pFormatMask, style);
    m_pFormatMask->PutDisplayText(strText, -1, FALSE);
    if (!m_pFormatMask->IsDataValid() && m_pFormatMask->PutInputText(strText, -1, FALSE) == -1)
        return FALSE;
    m_pFormatMask->GetInputText(strText, 0, -1, TRUE);
    return TRUE;
}

BOOL CGXMaskControl::Validate()
{
    if (m_bActive && GetModify() && m_pMask != NULL && !m_pMask->IsDataValid())
        return FALSE;
    return CGXEditControl::Validate();
}

BOOL CGXMaskControl::GetSelectedText(CString& strResult)
{
    if (!m_bActive || !HasMaskWindow())
    {
        GetCurrentText(strResult);
        return FALSE;
    }
    CString strText;
    GetWindowText(strText);
    int nStart = 0, nEnd = 0;
    CEdit::GetSel(nStart, nEnd);
    if (nEnd < 0)
        nEnd = strText.GetLength();
    strResult = strText.Mid(nStart, std::max(0, nEnd - nStart));
    return nStart < nEnd;
}

// -- Helpers -----------------------------------------------------------------------------------

void CGXMaskControl::GetMaskSel(int& nStart, int& nEnd)
{
    CEdit::GetSel(nStart, nEnd);
    nStart = m_pMask->ByteOffsetToPos(nStart);
    nEnd = m_pMask->ByteOffsetToPos(nEnd);
}

void CGXMaskControl::SetMaskSel(int nStart, int nEnd, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, m_pMask->PosToByteOffset(nStart), m_pMask->PosToByteOffset(nEnd));
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CGXMaskControl::UpdateWindowText()
{
    CString strDisplay;
    m_pMask->GetDisplayText(strDisplay);
    SetWindowText(strDisplay);
    SetModify(TRUE);
}

void CGXMaskControl::NotifyChange()
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), (LPARAM)m_hWnd);
}

BOOL CGXMaskControl::IsWindowReadOnly()
{
    return IsReadOnly() || (GetStyle() & ES_READONLY) != 0;
}

int CGXMaskControl::PutTextAt(CGXMaskData* pMask, const CString& strText, int nTarget,
                              const CString& strRestore)
{
    if (!m_bRawPaste)
    {
        int nPos = pMask->PutDisplayText(strText, nTarget, TRUE);
        if (nPos != -1 && pMask->IsDataValid())
            return nPos;
        pMask->PutDisplayText(strRestore, -1, FALSE);
    }
    int nPos = pMask->PutInputText(strText, nTarget, TRUE);
    if (nPos != -1 && pMask->IsDataValid())
        return nPos;
    pMask->PutDisplayText(strRestore, -1, FALSE);
    return -1;
}

int CGXMaskControl::SnapToInput(int nPos, int nLimit)
{
    int n = m_pMask->NextInputPos(nPos - 1);
    if (n < 0)
        n = m_pMask->PrevInputPos(nPos);
    if (n < 0)
        n = nPos;
    return nLimit >= 0 ? std::min(n, nLimit) : n;
}

int CGXMaskControl::InputPosUnderPt(CPoint pt, BOOL bLimit)
{
    int nOffset = CalcTextPosUnderPt(pt);
    if (nOffset < 0)
        return -1;
    int nPos = m_pMask->ByteOffsetToPos(nOffset);
    return SnapToInput(nPos, bLimit ? m_pMask->GetInputEnd(m_pMask->GetLength()) : -1);
}

void CGXMaskControl::SetClickSel(int nPos)
{
    if (nPos < 0)
        SetMaskSel(0, m_pMask->GetLength(), TRUE);
    else
        SetMaskSel(nPos, nPos, TRUE);
}

BOOL CGXMaskControl::ReadClipboardText(UINT nFormat, CString& strText)
{
    HANDLE hData = nFormat != 0 ? ::GetClipboardData(nFormat) : NULL;
    LPCSTR p = hData != NULL ? (LPCSTR)::GlobalLock(hData) : NULL;
    if (p == NULL)
        return FALSE;
    strText = CString(p, (int)strnlen(p, ::GlobalSize(hData)));
    ::GlobalUnlock(hData);
    return TRUE;
}

// -- Keys and characters in the window ---------------------------------------------------------

void CGXMaskControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || m_pMask == NULL || IsWindowReadOnly() || nChar == VK_BACK)
        return;
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GX_UPDATENOW);
    if (IsKeyDown(VK_CONTROL))
    {
        switch (nChar)
        {
        case 3: // Ctrl+C
            EmptyClipboardOf(m_hWnd);
            Copy();
            return;
        case 22: // Ctrl+V
            Paste();
            return;
        case 24: // Ctrl+X
            EmptyClipboardOf(m_hWnd);
            Cut();
            return;
        default:
            Default();
            m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
            return;
        }
    }
    TCHAR sz[3];
    int nKind = CollectDbcsChar(nChar, m_bDbcsLeadPending, m_nDbcsLead, sz);
    if (nKind == dbcsLeadHeld)
        return;
    if (nKind == dbcsSingle)
    {
        if (nChar == 13 || nChar == 10)
            return;
        if (nChar < 32)
        {
            Default();
            m_pGrid->ProcessKeyMessage(this, WM_CHAR, nChar, nRepCnt, nFlags);
            return;
        }
        sz[0] = (TCHAR)nChar;
        sz[1] = 0;
    }
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    int nTarget = m_pMask->NextInputPos(nStart - 1);
    if (nTarget < 0 || (nStart < nEnd && nTarget >= nEnd))
    {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    CString strChar = sz;
    if (!m_pMask->IsValidChar(nTarget, strChar))
    {
        OnInvalidText(strChar);
        return;
    }
    int nCaret = nTarget + 1;
    if (m_bInsertMode)
    {
        BOOL bDeleted = nEnd > nTarget;
        if (bDeleted)
            m_pMask->DeleteRange(nEnd, nTarget);
        if (!m_pMask->InsertAt(nTarget, strChar, nCaret))
        {
            if (!bDeleted)
                return;
            nCaret = nTarget;
        }
    }
    else
    {
        if (nEnd > nTarget + 1)
            m_pMask->DeleteRange(nEnd, nTarget + 1);
        m_pMask->PutDisplayText(strChar, nTarget, FALSE);
    }
    UpdateWindowText();
    NotifyChange();
    SetMaskSel(nCaret, nCaret);
}

void CGXMaskControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_CONTROL || nChar == VK_SHIFT || m_pMask == NULL)
    {
        Default();
        return;
    }
    ROWCOL nRow, nCol;
    if (m_pGrid->GetCurrentCell(nRow, nCol))
        m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
    BOOL bShift = IsKeyDown(VK_SHIFT), bReadOnly = IsWindowReadOnly();
    auto toGrid = [&] {
        if (!m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags))
            Default();
    };
    if (IsKeyDown(VK_CONTROL))
    {
        toGrid();
        return;
    }
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    BOOL bSel = nStart != nEnd;
    auto caretTo = [&](int nPos) {
        if (nPos >= 0)
            SetMaskSel(nPos, nPos);
    };
    auto changed = [&](int nCaret) {
        UpdateWindowText();
        caretTo(nCaret);
        NotifyChange();
    };
    switch (nChar)
    {
    case VK_LEFT:
        if (bShift)
            Default();
        else if (bSel)
            caretTo(m_pMask->PrevInputPos(nStart + 1));
        else if (nStart <= 0)
            toGrid();
        else
            caretTo(m_pMask->PrevInputPos(nStart));
        return;
    case VK_RIGHT:
        if (bShift)
            Default();
        else if (bSel)
            caretTo(m_pMask->NextInputPos(nEnd - 1));
        else if (nStart >= m_pMask->GetLength())
            toGrid();
        else
        {
            int nNext = m_pMask->NextInputPos(nStart);
            caretTo(nNext >= 0 ? nNext : m_pMask->GetInputEnd(m_pMask->GetLength()));
        }
        return;
    case VK_HOME:
        if (bShift)
            SetMaskSel(nStart, 0);
        else
            caretTo(m_pMask->NextInputPos(-1));
        return;
    case VK_END:
        if (bShift)
            SetMaskSel(nStart, m_pMask->GetLength());
        else
            caretTo(m_pMask->GetInputEnd(m_pMask->GetLength()));
        return;
    case VK_UP:
        if (SendMessage(EM_LINEFROMCHAR, m_pMask->PosToByteOffset(nStart)) == 0)
            toGrid();
        else
            Default();
        return;
    case VK_DOWN:
        if (SendMessage(EM_LINEFROMCHAR, m_pMask->PosToByteOffset(nStart)) + 1 >=
            SendMessage(EM_GETLINECOUNT))
            toGrid();
        else
            Default();
        return;
    case VK_BACK:
        if (bReadOnly)
            Default();
        else if (bSel)
        {
            m_pMask->DeleteRange(nEnd, nStart);
            changed(m_pMask->NextInputPos(nStart - 1));
        }
        else
        {
            int nPrev = m_pMask->PrevInputPos(nStart);
            if (nPrev < 0)
                return;
            m_pMask->DeleteRange(nStart, nPrev);
            changed(nPrev);
        }
        return;
    case VK_DELETE:
        if (bReadOnly)
            Default();
        else if (bSel)
        {
            if (bShift)
            {
                EmptyClipboardOf(m_hWnd);
                Cut();
            }
            else
                ReplaceSel(_T(""));
        }
        else
        {
            int nNext = m_pMask->NextInputPos(nStart);
            if (nNext < 0)
                m_pMask->DeleteRange(nStart + 1, nStart);
            else if (nNext <= nStart || nNext > m_pMask->GetLength())
                return;
            else
                m_pMask->DeleteRange(nNext, nStart);
            changed(nStart);
        }
        return;
    case VK_INSERT:
        if (bReadOnly)
            Default();
        else if (bShift)
            Paste();
        else
        {
            m_bInsertMode = !m_bInsertMode;
            Default();
        }
        return;
    case VK_ESCAPE:
    case VK_TAB:
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
        toGrid();
        return;
    default:
        if (nChar >= VK_F1 && nChar <= VK_F24)
            toGrid();
        else
            Default();
        return;
    }
}

void CGXMaskControl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeyMessage(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        Default();
}

void CGXMaskControl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeyMessage(this, WM_SYSKEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXMaskControl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeyMessage(this, WM_SYSCHAR, nChar, nRepCnt, nFlags))
        Default();
}

UINT CGXMaskControl::OnGetDlgCode()
{
    return (UINT)Default() | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

void CGXMaskControl::OnLButtonUp(UINT, CPoint)
{
    Default();
    if (m_pMask == NULL)
        return;
    int nStart = 0, nEnd = 0;
    GetMaskSel(nStart, nEnd);
    if (nStart != nEnd)
        return;
    int nPos = SnapToInput(m_pMask->GetInputEnd(nStart), -1);
    if (nPos != nStart)
        SetMaskSel(nPos, nPos);
}

void CGXMaskControl::OnContextMenu(CWnd*, CPoint)
{
}

// -- Keys, characters and clicks through the grid ----------------------------------------------

BOOL CGXMaskControl::KeyDown(UINT, UINT nChar, UINT)
{
    if (!HasMaskWindow() || IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar)
    {
    case VK_END:
    case VK_HOME:
        if (!GXActivateForKey(this))
            return FALSE;
        {
            int nPos =
                nChar == VK_END ? m_pMask->GetInputEnd(m_pMask->GetLength()) : m_pMask->NextInputPos(-1);
            SetMaskSel(nPos, nPos, TRUE);
        }
        break;
    case VK_DELETE:
        if (!BeginClearingByDelete())
            return FALSE;
        SetActive(TRUE);
        SetValue(_T(""));
        SetModify(TRUE);
        NotifyModified();
        break;
    default:
        return FALSE;
    }
    UpdateEditWindow();
    GXShowActiveCell(this);
    return TRUE;
}

BOOL CGXMaskControl::HandleText(LPCTSTR pszText)
{
    if (!HasMaskWindow() || m_pMask == NULL || pszText == NULL || *pszText == 0)
        return FALSE;
    CString strChar = pszText;
    int nNewPos = 0;
    if (m_bActive)
    {
        int nStart = 0, nEnd = 0;
        CEdit::GetSel(nStart, nEnd);
        int nTarget = m_pMask->NextInputPos(m_pMask->ByteOffsetToPos(nStart) - 1);
        if (!IsReadOnly() && m_pMask->IsValidChar(nTarget, strChar) &&
            m_pMask->InsertAt(nTarget, strChar, nNewPos))
        {
            UpdateWindowText();
            SetMaskSel(nNewPos, nNewPos);
        }
        return TRUE;
    }
    if (IsReadOnly() || !BeginEditing())
        return FALSE;
    if (!IsInitAt(m_nRow, m_nCol))
        Init(m_nRow, m_nCol);
    int nFirst = m_pMask->NextInputPos(-1);
    if (!m_pMask->IsValidChar(nFirst, strChar))
    {
        OnInvalidText(strChar);
        return TRUE;
    }
    // Typing into a cell that is not being edited replaces what it held.
    m_pMask->InitDisplay();
    m_pMask->InsertAt(nFirst, strChar, nNewPos);
    SetActive(TRUE);
    UpdateWindowText();
    NotifyModified();
    SetMaskSel(nNewPos, nNewPos);
    Refresh();
    return TRUE;
}

BOOL CGXMaskControl::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    WORD wActivate = pParam != NULL && pParam->m_bClickActivation ? pParam->m_wActivateFlags : 0;
    CRect rect = m_pGrid->CalcCellRect(m_nRow, m_nCol);
    if (HasMaskWindow() && m_pMask != NULL && m_bInit && rect.PtInRect(pt) && (wActivate & (1 | 2 | 4)) &&
        !(nFlags & MK_RBUTTON))
    {
        // Option 1 activates only on a character; options 2 and 4 on any click, selecting all
        // when no character was hit.
        int nPos = InputPosUnderPt(pt, TRUE);
        if (nPos >= 0 || (wActivate & (2 | 4)))
        {
            if (!m_bActive && !IsReadOnly() && BeginEditing())
            {
                SetActive(TRUE);
                SetClickSel(nPos);
                Refresh();
            }
            else if (m_bActive)
                SetClickSel(nPos);
            if (m_bActive)
                SetFocus();
        }
    }
    return CGXStatic::LButtonUp(nFlags, pt, nHitState);
}

BOOL CGXMaskControl::LButtonDblClk(UINT nFlags, CPoint pt)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (HasMaskWindow() && m_pMask != NULL && m_bInit && !m_bActive && pParam != NULL &&
        (pParam->m_wActivateFlags & 8))
    {
        int nPos = InputPosUnderPt(pt, FALSE);
        if (BeginEditing())
        {
            SetActive(TRUE);
            SetClickSel(nPos);
            Refresh();
        }
    }
    CGXStatic::LButtonDblClk(nFlags, pt);
    return TRUE;
}

// -- Clipboard and find/replace ----------------------------------------------------------------

BOOL CGXMaskControl::Copy()
{
    if (!m_bInit || m_pMask == NULL || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return FALSE;
    int nStart = 0, nEnd = m_pMask->GetLength();
    if (m_bActive && HasMaskWindow())
        GetMaskSel(nStart, nEnd);
    // The shown text first: copying a whole cell empties the clipboard.
    BOOL bText = CGXEditControl::Copy();
    CString strValue;
    if (nEnd > nStart)
        m_pMask->GetInputText(strValue, nStart, nEnd - 1, TRUE);
    BOOL bValue = FALSE;
    CWnd* pGridWnd = GetGridWnd();
    if (!strValue.IsEmpty() && ::OpenClipboard(pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL))
    {
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, strValue.GetLength() + 1);
        if (hMem != NULL)
        {
            memcpy(::GlobalLock(hMem), (LPCTSTR)strValue, strValue.GetLength() + 1);
            ::GlobalUnlock(hMem);
            bValue = ::SetClipboardData(GetMaskDataClipboardFormat(), hMem) != NULL;
            if (!bValue)
                ::GlobalFree(hMem);
        }
        ::CloseClipboard();
    }
    return bText || bValue;
}

BOOL CGXMaskControl::CanPaste()
{
    if (GridTakesPaste() || !m_bInit || !m_bActive || IsReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(GetMaskDataClipboardFormat());
}

BOOL CGXMaskControl::Paste()
{
    if (GridTakesPaste() || !m_bInit || !m_bActive || IsReadOnly())
        return FALSE;
    BOOL bOpened = FALSE;
    if (::GetOpenClipboardWindow() == NULL)
    {
        CWnd* pGridWnd = GetGridWnd();
        if (!::OpenClipboard(pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL))
            return FALSE;
        bOpened = TRUE;
    }
    CString strText;
    BOOL bRaw = ReadClipboardText(GetMaskDataClipboardFormat(), strText);
    BOOL bFound = bRaw || ReadClipboardText(CF_TEXT, strText) || ReadClipboardText(CF_OEMTEXT, strText);
    if (bOpened)
        ::CloseClipboard();
    if (!bFound)
        return FALSE;
    m_bRawPaste = bRaw;
    ReplaceSel(strText);
    m_bRawPaste = FALSE;
    return TRUE;
}

BOOL CGXMaskControl::ValidatePaste(const CString&)
{
    // The mask decides what of a pasted text it takes.
    return TRUE;
}

void CGXMaskControl::ReplaceSel(LPCTSTR pszText)
{
    if (!m_bInit || IsReadOnly())
        return;
    int nStart = 0, nEnd = 0;
    if (m_bActive && HasMaskWindow() && m_pMask != NULL)
        CEdit::GetSel(nStart, nEnd);
    if (!m_bActive || !HasMaskWindow() || m_pMask == NULL || nEnd == -1)
    {
        CGXControl::ReplaceSel(pszText);
        return;
    }
    GetMaskSel(nStart, nEnd);
    int nTarget = m_pMask->NextInputPos(nStart - 1);
    if (nTarget < 0 || (nStart < nEnd && nTarget >= nEnd))
        return;
    if (nEnd > nTarget)
        m_pMask->DeleteRange(nEnd, nTarget);
    CString strRestore;
    m_pMask->GetDisplayText(strRestore);
    int nCaret = PutTextAt(m_pMask, pszText != NULL ? pszText : _T(""), nTarget, strRestore);
    if (nCaret < 0)
    {
        // Nothing taken, but a removed selection stays removed.
        if (nEnd <= nTarget)
            return;
        nCaret = nTarget;
    }
    UpdateWindowText();
    NotifyChange();
    SetMaskSel(nCaret, nCaret);
}

BOOL CGXMaskControl::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    if (find.m_strFind.IsEmpty())
        return FALSE;
    CreateMaskData();
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CString strDisplay;
    FormatValueText(strDisplay, nRow, nCol, NULL, *pStyle);
    CGXMaskData* pWork = (CGXMaskData*)m_pMaskDataClass->CreateObject();
    InitMaskData(pWork, *pStyle);
    pWork->PutDisplayText(strDisplay, -1, FALSE);

    CString strHay = strDisplay, strNeedle = find.m_strFind;
    if (!find.m_bMatchCase)
    {
        strHay.MakeUpper();
        strNeedle.MakeUpper();
    }
    std::vector<int> aFound;
    const unsigned char* pHay = (const unsigned char*)(LPCTSTR)strHay;
    for (const unsigned char* p = _mbsstr(pHay, (const unsigned char*)(LPCTSTR)strNeedle); p != NULL;
         p = _mbsstr(p + strNeedle.GetLength(), (const unsigned char*)(LPCTSTR)strNeedle))
        aFound.push_back((int)(p - pHay));
    // From the last to the first, so earlier offsets stay right.
    for (auto it = aFound.rbegin(); it != aFound.rend(); ++it)
    {
        int nFrom = pWork->ByteOffsetToPos(*it), nTo = pWork->ByteOffsetToPos(*it + strNeedle.GetLength());
        pWork->DeleteRange(nTo, nFrom);
        CString strRestore;
        pWork->GetDisplayText(strRestore);
        PutTextAt(pWork, find.m_strReplace, nFrom, strRestore);
    }
    BOOL bOk = FALSE;
    if (!aFound.empty())
    {
        CString strValue;
        pWork->GetInputText(strValue, 0, -1, TRUE);
        bOk = m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), strValue, gxOverride, 0, GX_UPDATENOW);
        if (bOk && m_bActive && IsInitAt(nRow, nCol))
            SetValue(strValue);
    }
    delete pWork;
    m_pGrid->RecycleStyle(pStyle);
    return bOk;
}
