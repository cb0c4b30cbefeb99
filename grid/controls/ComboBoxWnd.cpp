// Window combo box cells.
#include "grid/controls/ComboBoxWnd.h"
#include "grid/controls/ControlActivation.h"
#include "grid/controls/ComboBox.h"
#include "grid/controls/ComboBoxWndButton.h"
#include "grid/core/AppData.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/EditControl.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXComboBoxWnd, CComboBox)
GX_IMPLEMENT_CONTROL(CGXComboBoxWnd, CGXStatic)

BEGIN_MESSAGE_MAP(CGXComboEditPart, CEdit)
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CGXComboBoxWnd, CComboBox)
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace
{
CGXComboBoxWnd* ComboOf(CWnd* pEdit)
{
    CWnd* pParent = pEdit->GetParent();
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CGXComboBoxWnd)) ? (CGXComboBoxWnd*)pParent
                                                                               : NULL;
}

BOOL NewShell()
{
    return !GXGetAppData()->m_bOldShell;
}
} // namespace

// -- The edit part -----------------------------------------------------------------------------

void CGXComboEditPart::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    CWnd* pCombo = GetParent();
    HWND hNew = pNewWnd != NULL ? pNewWnd->GetSafeHwnd() : NULL;
    if (pCombo != NULL && hNew != pCombo->GetSafeHwnd() &&
        (hNew == NULL || !::IsChild(pCombo->GetSafeHwnd(), hNew)))
        pCombo->SendMessage(WM_KILLFOCUS, (WPARAM)hNew);
}

void CGXComboEditPart::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CGXComboBoxWnd* pCombo = ComboOf(this);
    if (pCombo == NULL || !pCombo->FilterComboKey(nChar, nRepCnt, nFlags))
        Default();
}

// -- Construction ------------------------------------------------------------------------------

CGXComboBoxWnd::CGXComboBoxWnd(CGXGridCore* pGrid, DWORD dwStyle, UINT nID)
    : CGXStatic(pGrid), m_nButtonMargin(NewShell() ? 3 : 2), m_pButton(new CGXComboBoxWndButton(this)),
      m_rgbHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)), m_dwCreateStyle(dwStyle), m_nID(nID)
{
    AddChild(m_pButton);
}

CGXComboBoxWnd::~CGXComboBoxWnd()
{
    if (m_editPart.GetSafeHwnd() != NULL)
        m_editPart.UnsubclassWindow();
    if (HasWindow())
        DestroyWindow();
}

BOOL CGXComboBoxWnd::CreateWindows(DWORD dwStyle, UINT nID)
{
    CWnd* pGridWnd = GetGridWnd();
    if (pGridWnd == NULL || pGridWnd->GetSafeHwnd() == NULL ||
        !CreateEx(0, _T("GXCOMBOBOX"), NULL, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pGridWnd, nID))
        return FALSE;
    HWND hEdit = ::GetWindow(m_hWnd, GW_CHILD);
    if (hEdit != NULL)
        m_editPart.SubclassWindow(hEdit);
    m_bNotOwnerDrawn = (dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) == 0;
    return TRUE;
}

CRuntimeClass* CGXComboBoxWnd::GetWndRuntimeClass()
{
    return GetRuntimeClass();
}

CWnd* CGXComboBoxWnd::GetWndPtr() const
{
    return const_cast<CGXComboBoxWnd*>(this);
}

void CGXComboBoxWnd::GetComboWindowRect(CRect& rectOut, const CRect& rect)
{
    rectOut = rect;
}

// -- Binding, activation and storing -----------------------------------------------------------

void CGXComboBoxWnd::SetActive(BOOL bActive)
{
    if (!bActive)
    {
        m_bActive = FALSE;
        return;
    }
    if (!HasWindow())
        return;
    if (!m_bActive)
    {
        FreeStyle(TRUE);
        LoadStyle();
    }
    m_bActive = TRUE;
}

BOOL CGXComboBoxWnd::IsActive()
{
    return m_bActive;
}

void CGXComboBoxWnd::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXComboBoxWnd::GetModify()
{
    return m_bModified;
}

void CGXComboBoxWnd::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_bPendingDrop = FALSE;
    m_nEditStart = m_nEditEnd = 0;
    CGXStatic::Init(nRow, nCol);
    if (!HasWindow() && !CreateWindows(m_dwCreateStyle, m_nID))
        return;
    SetActive(FALSE);
    CGXStyle& style = LoadStyle();
    if (m_bFillWithChoiceList)
        FillComboList(style);
    SetValue(style.GetValue());
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wActivateFlags & 4) && BeginEditing())
        SetActive(TRUE);
    SetModify(FALSE);
    if (!m_bActive)
        m_pButton->Refresh();
}

void CGXComboBoxWnd::FillComboList(CGXStyle& style)
{
    ResetContent();
    for (const CString& strLine : CGXComboBox::ChoiceLines(style.GetChoiceList()))
        AddString(strLine);
}

BOOL CGXComboBoxWnd::Store()
{
    if (IsReadOnly())
    {
        Init(m_nRow, m_nCol);
        SetModify(FALSE);
        Refresh();
    }
    CString strValue;
    if (m_pStyle == NULL || !GetModify() || !GetValue(strValue))
        return TRUE;
    SetActive(FALSE);
    if (!m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strValue, gxOverride, 0, GX_INVALIDATE))
        return FALSE;
    // Stored: a further Store of the same cell has nothing new to write.
    SetModify(FALSE);
    return TRUE;
}

BOOL CGXComboBoxWnd::StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                                     const CGXStyle* pStyle)
{
    // A list-only combo holds one of its lines, never nothing.
    if (IsDropDownList() && (pszText == NULL || *pszText == 0))
        return TRUE;
    return CGXStatic::StoreTextInCell(nRow, nCol, pszText, flags, pStyle);
}

void CGXComboBoxWnd::Hide()
{
    if (!HasWindow() || !IsWindowVisible())
        return;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    ShowDropDown(FALSE);
    HWND hFocus = ::GetFocus();
    BOOL bHadFocus = hFocus == m_hWnd || (hFocus != NULL && ::IsChild(m_hWnd, hFocus));
    ::HideCaret(NULL);
    ShowWindow(SW_HIDE);
    if (bHadFocus && GetGridWnd() != NULL)
        GetGridWnd()->SetFocus();
}

// -- Texts and values --------------------------------------------------------------------------

BOOL CGXComboBoxWnd::GetCurrentText(CString& strResult)
{
    strResult.Empty();
    if (!m_bInit || !HasWindow())
        return FALSE;
    if (!IsDropDownList() && GetWindowTextLength() > 0)
    {
        GetWindowText(strResult);
        return TRUE;
    }
    int nSel = GetCurSel();
    if (nSel != CB_ERR)
        GetLBText(nSel, strResult);
    return TRUE;
}

BOOL CGXComboBoxWnd::GetValue(CString& strResult)
{
    if (m_nIndexValue == -1)
        return GetCurrentText(strResult);
    strResult.Empty();
    if (!m_bInit || !HasWindow())
        return FALSE;
    int nSel = GetCurSel();
    if (nSel != CB_ERR)
        strResult.Format(_T("%d"), nSel + m_nIndexValue);
    return TRUE;
}

void CGXComboBoxWnd::SetValue(LPCTSTR pszRawValue)
{
    if (!HasWindow())
        return;
    CString strText = pszRawValue != NULL ? pszRawValue : _T("");
    int nSel = CB_ERR;
    if (m_nIndexValue == -1)
    {
        if (!strText.IsEmpty())
        {
            nSel = FindStringExact(-1, strText);
            if (nSel != CB_ERR)
                SetCurSel(nSel);
            else
                nSel = SelectString(-1, strText);
        }
        else
            SetCurSel(-1);
    }
    else
        nSel = SetCurSel(atoi(strText) - m_nIndexValue);
    if (nSel == CB_ERR && !IsDropDownList())
    {
        SetWindowText(strText);
        SetEditSel(0, -1);
    }
}

void CGXComboBoxWnd::SetCurrentText(const CString& str)
{
    if (!m_bInit || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (!ValidateText(str))
        return;
    if (!IsDropDownList())
        SetWindowText(str);
    else
        SelectString(-1, str);
    SetModify(TRUE);
    NotifyModified();
}

BOOL CGXComboBoxWnd::FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                                     const CGXStyle& style)
{
    if (m_nIndexValue == -1 || !m_bDispChoice || !m_bFillWithChoiceList ||
        !style.GetInclude(CGXStyle::ibChoiceList))
        return CGXStatic::FormatValueText(strResult, nRow, nCol, pszRawValue, style);
    if (pszRawValue == NULL && !style.GetInclude(CGXStyle::ibValue))
        return FALSE;
    int n = (short)atoi(pszRawValue != NULL ? CString(pszRawValue) : style.GetValue());
    if ((WORD)n < 0xFFFF)
        n -= m_nIndexValue;
    CString strChoice;
    GetChoiceListItem(strChoice, style.GetChoiceList(), n);
    strResult = strChoice;
    return TRUE;
}

BOOL CGXComboBoxWnd::PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_bFillWithChoiceList && (m_nIndexValue != -1 || m_bDispChoice) &&
        style.GetInclude(CGXStyle::ibChoiceList))
    {
        CString strFound;
        int nIndex = FindInChoiceList(strFound, strText, style.GetChoiceList(), FALSE);
        if (m_bDispChoice)
            strText = nIndex >= 0 ? [&] {
                CString str;
                str.Format(_T("%d"), nIndex + m_nIndexValue);
                return str;
            }()
                                  : CString();
        else
            strText = strFound;
    }
    return CGXStatic::PrepareStoreText(strText, nRow, nCol, style);
}

BOOL CGXComboBoxWnd::ValidateText(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillWithChoiceList || m_nIndexValue == -1 || !m_bDispChoice)
        return TRUE;
    const CGXStyle& style = LoadStyle();
    CString strFound;
    return !style.GetChoiceList().IsEmpty() &&
           FindInChoiceList(strFound, strText, style.GetChoiceList(), FALSE) >= 0;
}

BOOL CGXComboBoxWnd::GetSelectedText(CString& strResult)
{
    strResult.Empty();
    if (!m_bActive)
    {
        if (m_bInit)
            strResult = ComposedValueText(m_nRow, m_nCol);
        return TRUE;
    }
    if (m_nIndexValue == -1 || m_bDispChoice)
    {
        CString strText;
        GetCurrentText(strText);
        DWORD dwSel = GetEditSel();
        int nStart = std::min<int>(LOWORD(dwSel), strText.GetLength());
        int nEnd = std::min<int>(HIWORD(dwSel), strText.GetLength());
        strResult = nEnd > nStart ? strText.Mid(nStart, nEnd - nStart) : strText.Mid(nStart);
    }
    else if (GetCurSel() != CB_ERR)
        strResult.Format(_T("%d"), GetCurSel() + m_nIndexValue);
    return TRUE;
}

void CGXComboBoxWnd::ReplaceSel(LPCTSTR pszText)
{
    if (!m_bNotOwnerDrawn || IsReadOnly())
        return;
    if (!m_bActive)
    {
        CGXControl::ReplaceSel(pszText);
        return;
    }
    CString strText;
    GetCurrentText(strText);
    DWORD dwSel = GetEditSel();
    int nStart = std::min<int>(LOWORD(dwSel), strText.GetLength());
    int nEnd = std::max<int>(nStart, std::min<int>(HIWORD(dwSel), strText.GetLength()));
    SetCurrentText(strText.Left(nStart) + pszText + strText.Mid(nEnd));
    SetEditSel(nStart, nStart + lstrlen(pszText));
}

BOOL CGXComboBoxWnd::FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                              BOOL bSelect)
{
    if (!m_bNotOwnerDrawn)
        return FALSE;
    CString strFind = find.m_strFind;
    BOOL bActiveHere = m_bActive && IsInitAt(nRow, nCol);
    CString strText;
    int nStart = 0;
    if (bActiveHere)
    {
        GetCurrentText(strText);
        nStart = (short)LOWORD(GetEditSel()) + (bAtCaret ? 0 : 1);
    }
    else
        strText = ComposedValueText(nRow, nCol);
    if (!find.m_bMatchCase)
    {
        strText.MakeUpper();
        strFind.MakeUpper();
    }
    int nHit = strFind.IsEmpty() ? -1 : strText.Find(strFind, std::max(0, nStart));
    if (nHit < 0)
        return FALSE;
    if (bSelect)
    {
        if (!bActiveHere)
        {
            // Moved as the user moves it, so the cell left behind keeps what was typed into it.
            if (!GXMoveToFoundCell(this, nRow, nCol))
                return FALSE;
            SetActive(TRUE);
        }
        else
            m_pGrid->ScrollCellInView(nRow, nCol);
        SetEditSel(nHit, nHit + strFind.GetLength());
        if (!bActiveHere)
            Refresh();
    }
    return TRUE;
}

BOOL CGXComboBoxWnd::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    if (!m_bNotOwnerDrawn)
        return FALSE;
    CString strText;
    int nStart = 0;
    if (m_bActive && IsInitAt(nRow, nCol))
    {
        GetCurrentText(strText);
        nStart = std::max(0, (int)(short)LOWORD(GetEditSel()));
    }
    else
        strText = ComposedValueText(nRow, nCol);
    // The edit cell's replacement: case folded on both sides, the result built from the
    // original text, any length.
    CString strResult;
    if (!CGXEditControl::ReplaceAll(strText, nStart, find, strResult))
        return FALSE;
    return m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), strResult, gxOverride, 0, GX_INVALIDATE);
}

// -- Keys --------------------------------------------------------------------------------------

BOOL CGXComboBoxWnd::FilterComboKey(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_pGrid->ScrollCellInView(m_nRow, m_nCol);
    BOOL bToGrid = FALSE;
    if (::GetKeyState(VK_CONTROL) < 0)
        bToGrid = TRUE;
    else
    {
        BOOL bDropped = GetDroppedState();
        BOOL bArrowsStay = m_bWantArrowKeys || bDropped;
        CString strText;
        if (!IsDropDownList())
            GetWindowText(strText);
        DWORD dwSel = IsDropDownList() ? 0 : GetEditSel();
        switch (nChar)
        {
        case VK_TAB:
        case VK_ESCAPE:
            bToGrid = TRUE;
            break;
        case VK_RETURN:
            if (bDropped)
            {
                ShowDropDown(FALSE);
                return TRUE;
            }
            bToGrid = TRUE;
            break;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
            bToGrid = !bArrowsStay;
            break;
        case VK_LEFT:
            bToGrid = !bArrowsStay && (IsDropDownList() || HIWORD(dwSel) == 0);
            break;
        case VK_RIGHT:
            bToGrid = !bArrowsStay && (IsDropDownList() || LOWORD(dwSel) >= strText.GetLength());
            break;
        default:
            bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
            break;
        }
    }
    if (!bToGrid)
        return FALSE;
    m_pGrid->ProcessKeyMessage(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    return TRUE;
}

BOOL CGXComboBoxWnd::PreTranslateMessage(MSG* pMsg)
{
    // Keys meant for the grid are taken before the edit or the frame's accelerators see them.
    if (pMsg->message == WM_KEYDOWN && m_bActive &&
        FilterComboKey((UINT)pMsg->wParam, LOWORD(pMsg->lParam), HIWORD(pMsg->lParam)))
        return TRUE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void CGXComboBoxWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!FilterComboKey(nChar, nRepCnt, nFlags))
        Default();
}

void CGXComboBoxWnd::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    NotifyGridKillFocus(pNewWnd);
}

BOOL CGXComboBoxWnd::Activate()
{
    if (m_bActive)
        return TRUE;
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    return TRUE;
}

BOOL CGXComboBoxWnd::KeyDown(UINT, UINT nChar, UINT)
{
    if ((nChar != VK_END && nChar != VK_HOME) || ::GetKeyState(VK_CONTROL) < 0)
        return FALSE;
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    int nPos = 0;
    if (nChar == VK_END)
    {
        CString strText;
        GetCurrentText(strText);
        nPos = strText.GetLength();
    }
    m_nEditStart = m_nEditEnd = nPos;
    SetEditSel(nPos, nPos);
    GXShowActiveCell(this);
    return TRUE;
}

BOOL CGXComboBoxWnd::SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar != VK_DOWN)
        return CGXStatic::SysKeyDown(nMessage, nChar, nFlags);
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    GXShowActiveCell(this);
    GetGridWnd()->UpdateWindow();
    ShowDropDown(TRUE);
    return TRUE;
}

BOOL CGXComboBoxWnd::HandleChar(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar < 32 || nChar == 127)
        return CGXStatic::HandleChar(nMessage, nChar, nFlags);
    TCHAR sz[2] = {(TCHAR)nChar, 0};
    return HandleText(sz);
}

BOOL CGXComboBoxWnd::HandleText(LPCTSTR pszText)
{
    if (IsReadOnly() || !HasWindow())
        return FALSE;
    if (m_bActive)
    {
        ReplaceSel(pszText);
        DWORD dwSel = GetEditSel();
        SetEditSel(HIWORD(dwSel), HIWORD(dwSel));
        return TRUE;
    }
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    if (!IsDropDownList())
    {
        SetCurrentText(pszText);
        int nLen = GetWindowTextLength();
        m_nEditStart = m_nEditEnd = nLen;
        SetEditSel(nLen, nLen);
    }
    else
    {
        // The next line with this initial after the current one, from the top after the last.
        CString strCurrent;
        GetCurrentText(strCurrent);
        int nOld = GetCurSel();
        int nFrom = strCurrent.IsEmpty() ? -1 : FindString(-1, strCurrent);
        if (SelectString(nFrom, pszText) == nOld || GetCurSel() == nOld)
            SelectString(-1, pszText);
    }
    SetModify(TRUE);
    NotifyModified();
    Refresh();
    return TRUE;
}

// -- Mouse and button --------------------------------------------------------------------------

void CGXComboBoxWnd::DropAsClicked(CPoint pt)
{
    if (NewShell())
    {
        GetGridWnd()->UpdateWindow();
        PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        PostMessage(WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    else
        m_bPendingDrop = TRUE;
}

BOOL CGXComboBoxWnd::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (::GetKeyState(VK_RBUTTON) >= 0 && pParam != NULL && (pParam->m_wActivateFlags & 7) && Activate() &&
        IsDropDownList() && !GetDroppedState() && m_bDropDownOnClick)
        DropAsClicked(CPoint(0, 0));
    CGXControl::LButtonUp(nFlags, pt, nHitState);
    return TRUE;
}

BOOL CGXComboBoxWnd::LButtonDblClk(UINT nFlags, CPoint pt)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (!m_bActive && pParam != NULL && (pParam->m_wActivateFlags & 8) && Activate() && IsDropDownList() &&
        !GetDroppedState() && m_bDropDownOnClick)
        DropAsClicked(CPoint(0, 0));
    CGXControl::LButtonDblClk(nFlags, pt);
    return TRUE;
}

BOOL CGXComboBoxWnd::OnClickedButton(CGXChild* pChild)
{
    if (!(m_bActive && IsDropDownList() && m_bDropDownOnClick))
    {
        // Measured first: the active combo hides the button.
        CPoint pt = ButtonClickPoint();
        if (!Activate())
            return FALSE;
        if (!GetDroppedState() && m_bDropDownOnClick)
            DropAsClicked(pt);
    }
    return CGXControl::OnClickedButton(pChild);
}

CPoint CGXComboBoxWnd::ButtonClickPoint()
{
    CRect rectCell = CGXControl::GetCellRect(m_nRow, m_nCol);
    CRect rectButton = m_pButton->GetRect();
    return CPoint(rectButton.left - rectCell.left + 5, rectButton.top - rectCell.top + 5);
}

void CGXComboBoxWnd::OpenPendingDrop()
{
    if (m_bPendingDrop && !GetDroppedState())
        ShowDropDown(TRUE);
    m_bPendingDrop = FALSE;
}

BOOL CGXComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive || (HWND)lParam != m_hWnd)
        return CComboBox::OnCommand(wParam, lParam);
    switch (HIWORD(wParam))
    {
    case CBN_DROPDOWN:
        m_pGrid->m_bDropDownOpen = TRUE;
        m_nSavedSel = GetCurSel();
        GetCurrentText(m_strSaved);
        break;
    case CBN_CLOSEUP:
        m_pGrid->m_bDropDownOpen = FALSE;
        if (!IsReadOnly() && GetModify())
            NotifyModified();
        break;
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
        if (!IsReadOnly())
        {
            SetModify(TRUE);
            NotifyModified();
        }
        else if (IsDropDownList())
            SetCurSel(m_nSavedSel);
        else
            SetWindowText(m_strSaved);
        break;
    case CBN_SETFOCUS:
        OpenPendingDrop();
        break;
    }
    return TRUE;
}

// -- Colours -----------------------------------------------------------------------------------

BOOL CGXComboBoxWnd::IsComboPart(CWnd* pWnd)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || !HasWindow())
        return FALSE;
    if (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd))
        return TRUE;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return ::GetComboBoxInfo(m_hWnd, &info) && info.hwndList == hWnd;
}

HBRUSH CGXComboBoxWnd::OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!m_bActive || m_pStyle == NULL || !IsComboPart(pWnd) ||
        (nCtlColor != CTLCOLOR_EDIT && nCtlColor != CTLCOLOR_LISTBOX && nCtlColor != CTLCOLOR_STATIC))
        return NULL;
    // The edit and the list show the cell's background (white in black-and-white display).
    LOGBRUSH lb = {};
    if (m_brBack.GetSafeHandle() == NULL || !m_brBack.GetLogBrush(&lb) || lb.lbColor != m_rgbBack)
    {
        m_brBack.DeleteObject();
        m_brBack.CreateSolidBrush(m_rgbBack);
    }
    pDC->SetBkColor(m_rgbBack);
    pDC->SetTextColor(m_pStyle->GetTextColor());
    return (HBRUSH)m_brBack.GetSafeHandle();
}

// -- Size and drawing --------------------------------------------------------------------------

CRect CGXComboBoxWnd::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, rectItem, pStyle);
    BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol);
    if (bCurrent && m_bActive && IsInitAt(nRow, nCol))
        return rect;
    if (bCurrent || m_bButtonEverywhere || !m_bButtonCurrentCellOnly)
        rect.right -= CGXComboBox::buttonWidth;
    rect.left += 2;
    return rect;
}

CSize CGXComboBoxWnd::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXStatic::AddBorders(CSize(size.cx + 19, size.cy), style);
}

CSize CGXComboBoxWnd::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                               const CGXStyle* pStandard, BOOL bVert)
{
    if (!m_bNotOwnerDrawn)
        return CSize(0, 0);
    return CalcTextSize(pDC, nRow, nCol, style, pStandard, bVert);
}

int CGXComboBoxWnd::WidestChoice(CDC* pDC, const CGXStyle& style)
{
    return CGXComboBox::WidestChoice(pDC, style.GetChoiceList());
}

CSize CGXComboBoxWnd::CalcTextSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                   const CGXStyle* pStandard, BOOL bVert)
{
    CSize sizeStatic = CGXStatic::CalcSize(pDC, nRow, nCol, style, pStandard, bVert);
    CSize size(0, 0);
    CFont* pOld = SelectStyleFont(pDC, style, NULL);
    if (bVert)
    {
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        size.cy = tm.tmHeight + tm.tmExternalLeading + 2 + (m_bMarginInHeight ? 2 * m_nButtonMargin : 0);
    }
    else if (m_bFillWithChoiceList && style.GetInclude(CGXStyle::ibChoiceList))
    {
        size.cx = WidestChoice(pDC, style);
    }
    if (pOld != NULL)
        pDC->SelectObject(pOld);
    size = AddBorders(size, style);
    return CSize(std::max(size.cx, sizeStatic.cx), std::max(size.cy, sizeStatic.cy));
}

void CGXComboBoxWnd::MeasureTextHeight(const CGXStyle& style)
{
    if (m_nTextHeight == 0)
        m_nTextHeight = CGXComboBox::StyleTextHeight(this, style);
}

void CGXComboBoxWnd::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    CRect rectButton(std::max(rect.left + 1, rect.right - 16), rect.top, rect.right - 1, rect.bottom - 1);
    if (IsInitAt(nRow, nCol))
        MeasureTextHeight(LoadStyle());
    if (m_bButtonHeightFromText && m_nTextHeight > 0)
        FitToTextHeight(rectButton, rect,
                        IsInitAt(nRow, nCol) ? LoadStyle() : m_pGrid->LookupStyleRowCol(nRow, nCol));
    m_pButton->SetRect(rectButton);
}

void CGXComboBoxWnd::FitToTextHeight(CRect& rectPart, const CRect& rect, const CGXStyle& style)
{
    int m = m_nButtonMargin;
    int h = std::min<int>(m_nTextHeight + 2, rect.bottom - 2 * m - rect.top);
    DWORD dwAlign = style.GetVerticalAlignment();
    if (dwAlign == DT_VCENTER)
        rectPart.top += (rect.Height() - h) / 2 - m;
    else if (dwAlign == DT_BOTTOM)
        rectPart.top = rect.bottom - 2 * m - h;
    rectPart.bottom = rectPart.top + 2 * m - 1 + h;
}

CRect CGXComboBoxWnd::TextRect(ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style)
{
    CRect rectText = GetCellRect(nRow, nCol, const_cast<CRect*>(&rect), &style);
    if (m_bButtonHeightFromText && m_nTextHeight > 0)
        FitToTextHeight(rectText, CGXControl::GetCellRect(nRow, nCol, const_cast<CRect*>(&rect), &style),
                        style);
    return rectText;
}

void CGXComboBoxWnd::DrawOwnerDrawnCell(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                        const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
    CRect rectItem = TextRect(nRow, nCol, rect, style);
    if (!m_pGrid->m_bDrawingInactive && m_bFrame && style.GetDraw3dFrame() == 0)
    {
        GXGetDrawingAndFormatting()->Draw3dFrame(pDC, rectItem.left, rectItem.top, rectItem.right - 1,
                                                 rectItem.bottom - 1, 1, RGB(0, 0, 0), RGB(255, 255, 255));
        rectItem.DeflateRect(2, 2);
    }
    // The stored value is the index of the entry to paint; anything else paints none.
    CString strValue = style.GetValue();
    LPTSTR pszEnd = NULL;
    long nIndex = _tcstol(strValue, &pszEnd, 10);
    BOOL bNumber = !strValue.IsEmpty() && pszEnd != NULL && *pszEnd == 0 && nIndex >= 0;
    if (HasWindow())
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = GetDlgCtrlID();
        dis.itemID = bNumber ? (UINT)nIndex : (UINT)-1;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_SELECTED;
        dis.hwndItem = m_hWnd;
        dis.hDC = pDC->GetSafeHdc();
        dis.rcItem = rectItem;
        dis.itemData = bNumber ? (ULONG_PTR)GetItemData((int)nIndex) : 0;
        DrawItem(&dis);
    }
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXComboBoxWnd::ClipToGrid()
{
    CRect rectWnd, rectPart;
    GetWindowRect(&rectWnd);
    GetGridWnd()->ScreenToClient(&rectWnd);
    rectPart.IntersectRect(rectWnd, m_pGrid->GetDrawingRect());
    if (rectPart == rectWnd)
    {
        HRGN hOld = ::CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(hOld) != ERROR)
            SetWindowRgn(NULL, FALSE);
        ::DeleteObject(hOld);
        return;
    }
    rectPart.OffsetRect(-rectWnd.left, -rectWnd.top);
    SetWindowRgn(::CreateRectRgnIndirect(&rectPart), FALSE);
}

BOOL CGXComboBoxWnd::LiesOverCell(ROWCOL nRow, ROWCOL nCol)
{
    return m_bActive && HasWindow() && !m_pGrid->IsPrinting() && m_pGrid->IsCurrentCell(nRow, nCol) &&
           IsInitAt(nRow, nCol) && !m_pGrid->m_bDrawingInactive;
}

void CGXComboBoxWnd::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    if (!LiesOverCell(nRow, nCol))
    {
        if (m_bButtonHeightFromText)
            MeasureTextHeight(style);
        if (m_bNotOwnerDrawn)
            CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        else
            DrawOwnerDrawnCell(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // The combo window covers the cell; its own arrow serves as the button.
    m_pButton->SetRect(CRect(0, 0, 0, 0));
    m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    MeasureTextHeight(style);
    CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    int m = m_nButtonMargin;
    int h = rectCell.Height();
    if (m_bButtonHeightFromText)
        h = std::min(h, m_nTextHeight + 2);
    CRect rectWnd(rectCell.left, rectCell.top, rectCell.right, rectCell.top + h);
    DWORD dwAlign = style.GetVerticalAlignment();
    if (dwAlign == DT_VCENTER)
        rectWnd.OffsetRect(0, (rectCell.Height() - h) / 2);
    else if (dwAlign == DT_BOTTOM)
        rectWnd.OffsetRect(0, rectCell.bottom - h - 2 - rectWnd.top);
    if (NewShell() || rectCell.Height() < h + 2 * m)
    {
        if (!m_bMarginInHeight)
            rectWnd.InflateRect(0, m);
        else
            h -= 2 * m;
    }
    // The dropped list shows at most 8 lines: measured below by its own line height in the cell's
    // font (a line of text plus the margins would leave room for more lines than that).
    CRect rectDropped;
    GetComboWindowRect(rectDropped, rectWnd);

    CRect rectOld;
    GetWindowRect(&rectOld);
    GetGridWnd()->ScreenToClient(&rectOld);
    BOOL bPlaced = IsWindowVisible() && rectOld.TopLeft() == rectDropped.TopLeft() &&
                   rectOld.Width() == rectDropped.Width();
    if (!bPlaced)
    {
        // Laid anew only when it moved: hiding it would close a dropped list at every repaint.
        DWORD dwSel = IsDropDownList() ? 0 : GetEditSel();
        Hide();
        CreateZoomedFont(m_font, style);
        SetFont(&m_font, FALSE);
        int nItemHeight = (int)SendMessage(CB_GETITEMHEIGHT, 0);
        if (nItemHeight <= 0)
            nItemHeight = m_nTextHeight + 2;
        rectDropped.bottom += nItemHeight * std::min(GetCount(), 8) + 2;
        CGXGridParam* pParam = m_pGrid->GetParam();
        BOOL bBlackWhite =
            pParam != NULL && pParam->GetProperties() != NULL && pParam->GetProperties()->GetBlackWhite();
        m_rgbBack = bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetBackColor();
        // The field height first: setting it resizes the window and with it the dropped list.
        SendMessage(CB_SETITEMHEIGHT, (WPARAM)-1, NewShell() ? h : h + m);
        MoveWindow(&rectDropped, FALSE);
        SetActive(TRUE);
        TakeFocusFromGrid(this);
        if (style.GetInclude(CGXStyle::ibMaxLength) && style.GetMaxLength() != 0)
            LimitText(style.GetMaxLength());
        if (!IsDropDownList())
            SetEditSel(LOWORD(dwSel), HIWORD(dwSel));
        ClipToGrid();
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
    KeepWindowArea(pDC, this);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
