// The window multi-column combo: filling the combo's list with the records, drawing them in
// columns under the title strip, the edit showing the text field, completion while typing, and
// the mapping between shown and stored fields.
#include "grid/controls/TabbedComboBoxWnd.h"
#include "grid/controls/ComboBoxWndButton.h"
#include "grid/controls/TabbedText.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"
#include "ClientDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CGXTabbedComboBoxWnd, CGXComboBoxWnd)
GX_IMPLEMENT_CONTROL(CGXTabbedComboBoxWnd, CGXComboBoxWnd)

BEGIN_MESSAGE_MAP(CGXTabbedCBEditWnd, CGXComboEditPart)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_CHAR()
END_MESSAGE_MAP()

// -- The edit ----------------------------------------------------------------------------------

LRESULT CGXTabbedCBEditWnd::OnSetText(WPARAM wParam, LPARAM lParam)
{
    // A whole list line arrives when the combo selects an entry: its first field is the text.
    CString strText = lParam != 0 ? (LPCTSTR)lParam : _T("");
    int nTab = strText.Left(255).Find('\t');
    if (nTab >= 0)
        strText = strText.Left(nTab);
    return DefWindowProc(WM_SETTEXT, wParam, (LPARAM)(LPCTSTR)strText);
}

void CGXTabbedCBEditWnd::OnChar(UINT nChar, UINT, UINT)
{
    CWnd* pParent = GetParent();
    CGXTabbedComboBoxWnd* pCombo = pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CGXTabbedComboBoxWnd))
                                       ? (CGXTabbedComboBoxWnd*)pParent
                                       : NULL;
    if (pCombo == NULL || pCombo->IsReadOnly())
    {
        Default();
        return;
    }
    CString strOld;
    GetWindowText(strOld);
    int nOldStart = 0, nOldEnd = 0;
    GetSel(nOldStart, nOldEnd);
    Default();
    if (nChar < 32 || !pCombo->m_bAutoComplete)
        return;
    if (!CompleteTyped(pCombo))
    {
        // No entry begins so: the character is refused.
        SetWindowText(strOld);
        SetSel(nOldStart, nOldEnd);
    }
}

BOOL CGXTabbedCBEditWnd::CompleteTyped(CGXTabbedComboBoxWnd* pCombo)
{
    CString strTyped;
    GetWindowText(strTyped);
    int nFound = pCombo->FindString(-1, strTyped);
    if (nFound == CB_ERR)
        return FALSE;
    CString strEntry;
    pCombo->GetLBText(nFound, strEntry);
    SetWindowText(CGXTabbedComboBox::Field(strEntry, 0));
    SetSel(strTyped.GetLength(), -1);
    SendMessage(EM_SCROLLCARET);
    pCombo->SetModify(TRUE);
    return TRUE;
}

// -- The combo ---------------------------------------------------------------------------------

BOOL CGXTabbedComboBoxWnd::s_bPlacingList = FALSE;

CGXTabbedComboBoxWnd::CGXTabbedComboBoxWnd(CGXGridCore* pGrid, DWORD dwStyle, UINT nID)
    : CGXComboBoxWnd(pGrid, dwStyle | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, nID),
      m_pHeader(new CGXTabbedLBoxHeader(&m_header)), m_rgbText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_rectLastList(0, 0, 0, 0)
{
    // A click on the cell only activates it; the button opens the list.
    m_bDropDownOnClick = FALSE;
}

CGXTabbedComboBoxWnd::~CGXTabbedComboBoxWnd()
{
    if (m_tabbedEdit.GetSafeHwnd() != NULL)
        m_tabbedEdit.UnsubclassWindow();
    if (m_pHeader->GetSafeHwnd() != NULL)
        m_pHeader->DestroyWindow();
    delete m_pHeader;
}

BOOL CGXTabbedComboBoxWnd::CreateWindows(DWORD dwStyle, UINT nID)
{
    if (!CGXComboBoxWnd::CreateWindows(dwStyle, nID))
        return FALSE;
    // The tabbed edit takes the place of the plain edit part.
    if (m_editPart.GetSafeHwnd() != NULL)
    {
        HWND hEdit = m_editPart.UnsubclassWindow();
        m_tabbedEdit.SubclassWindow(hEdit);
    }
    return TRUE;
}

void CGXTabbedComboBoxWnd::FillComboList(CGXStyle& style)
{
    m_settings.Read(style);
    ResetContent();
    CString strChoices = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    CGXTabbedComboBox::SortOnce(style, m_settings, strChoices);
    CClientDC dc(GetGridWnd());
    CFont* pOldFont = SelectStyleFont(&dc, style, NULL);
    CGXTabbedLayout layout;
    CGXTabbedComboBox::LayoutChoices(&dc, m_settings, strChoices, layout);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    for (const CString& strItem : layout.items)
        AddString(strItem);
    layout.ApplyTo(m_header, m_settings);
    m_nTotalWidth = layout.nTotalWidth;
    m_nLinesHeight = layout.nItemHeight;
    if (m_nItemHeight <= 0)
        m_nItemHeight = m_nLinesHeight;
}

BOOL CGXTabbedComboBoxWnd::FindLine(const CGXStyle& style, const CString& strValue, BOOL bByKey, BOOL bExact,
                                    CString& strLine)
{
    CGXTabbedChoiceSettings s;
    s.Read(style);
    CString strChoices = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    return CGXTabbedComboBox::FindInChoiceList(s, strChoices, strValue, bByKey, bExact, strLine);
}

BOOL CGXTabbedComboBoxWnd::GetCurrentText(CString& strResult)
{
    if (!CGXComboBoxWnd::GetCurrentText(strResult))
        return FALSE;
    if (IsDropDownList())
        strResult = CGXTabbedComboBox::Field(strResult, 0);
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::GetValue(CString& strResult)
{
    CString strText;
    if (!GetCurrentText(strText))
        return FALSE;
    strResult.Empty();
    if (strText.IsEmpty())
        return TRUE;
    int nFound = FindString(-1, strText);
    if (nFound == CB_ERR)
        return FALSE;
    CString strEntry;
    GetLBText(nFound, strEntry);
    // The entry is the line itself, or the text field and a tab before it.
    strResult = CGXTabbedComboBox::Field(strEntry, m_settings.nTextCol > 0 ? m_settings.nKeyCol + 1
                                                                           : m_settings.nKeyCol);
    return TRUE;
}

void CGXTabbedComboBoxWnd::SetValue(LPCTSTR pszRawValue)
{
    if (m_hWnd == NULL || m_pStyle == NULL)
        return;
    CString strLine;
    int nSel = CB_ERR;
    if (pszRawValue != NULL && *pszRawValue != 0 && FindLine(*m_pStyle, pszRawValue, TRUE, TRUE, strLine))
        nSel = FindStringExact(-1, CGXTabbedComboBox::ListItem(m_settings, strLine));
    SetCurSel(nSel);
    if (nSel == CB_ERR && !IsDropDownList())
        SetWindowText(_T(""));
}

BOOL CGXTabbedComboBoxWnd::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                           const CGXStyle& style)
{
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    CGXTabbedChoiceSettings s;
    s.Read(style);
    CString strLine;
    strResult.Empty();
    if (!FindLine(style, strValue, TRUE, TRUE, strLine))
        return FALSE;
    strResult = CGXTabbedComboBox::Field(strLine, s.nTextCol);
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (strText.IsEmpty())
        return TRUE;
    CGXTabbedChoiceSettings s;
    s.Read(style);
    CString strLine;
    if (!FindLine(style, strText, FALSE, TRUE, strLine))
        return FALSE;
    strText = CGXTabbedComboBox::Field(strLine, s.nKeyCol);
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::ValidateText(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillWithChoiceList || m_pStyle == NULL)
        return TRUE;
    CString strLine;
    return FindLine(*m_pStyle, strText, FALSE, FALSE, strLine);
}

BOOL CGXTabbedComboBoxWnd::Validate()
{
    CString strValue;
    if (IsActive() && GetModify() && !GetValue(strValue))
        return FALSE;
    return CGXComboBoxWnd::Validate();
}

BOOL CGXTabbedComboBoxWnd::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                                      const CGXStyle* pOldStyle)
{
    // A new list, new settings or a value from outside: the combo is filled anew at the next Init.
    if (pStyle != NULL && (mode == gxOverride || mode == gxApplyNew) && m_pGrid->IsCurrentCell(nRow, nCol) &&
        (CGXTabbedChoiceSettings::Touches(*pStyle) ||
         (pStyle->GetInclude(CGXStyle::ibValue) && !GetModify())))
        Reset();
    return CGXComboBoxWnd::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
}

BOOL CGXTabbedComboBoxWnd::HandleText(LPCTSTR pszText)
{
    BOOL bWasActive = m_bActive;
    if (!CGXComboBoxWnd::HandleText(pszText))
        return FALSE;
    // The letter that starts editing completes like the ones typed into the edit.
    CString strText;
    if (!bWasActive && m_bAutoComplete && !IsDropDownList() && m_tabbedEdit.GetSafeHwnd() != NULL)
    {
        m_tabbedEdit.GetWindowText(strText);
        if (strText == pszText)
            m_tabbedEdit.CompleteTyped(this);
    }
    return TRUE;
}

BOOL CGXTabbedComboBoxWnd::FilterComboKey(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_ESCAPE || ::GetKeyState(VK_CONTROL) < 0)
        return CGXComboBoxWnd::FilterComboKey(nChar, nRepCnt, nFlags);
    if (GetDroppedState())
        ShowDropDown(FALSE);
    if (EndEditing())
    {
        // Back to what the cell holds, the grid taking the keys again.
        Init(m_nRow, m_nCol);
        Refresh();
        CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
        if (GetGridWnd() != NULL)
            GetGridWnd()->SetFocus();
    }
    return TRUE;
}

// -- The list in columns -----------------------------------------------------------------------

void CGXTabbedComboBoxWnd::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CString strLine;
    if (lpDIS->itemID != (UINT)-1 && (int)lpDIS->itemID < GetCount())
        GetLBText((int)lpDIS->itemID, strLine);
    DrawTabbedListItem(lpDIS, strLine, m_header, m_rgbText, m_rgbBack);
}

void CGXTabbedComboBoxWnd::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    // Before the first filling the lines are as high as a title line of the grid's font.
    int nHeight = m_nItemHeight;
    if (nHeight <= 0)
        nHeight = m_pHeader->CalcHeight() - 4;
    lpMIS->itemHeight = (UINT)std::max(1, nHeight);
}

void CGXTabbedComboBoxWnd::HideHeader()
{
    if (m_pHeader->GetSafeHwnd() != NULL && m_pHeader->IsWindowVisible())
        m_pHeader->ShowWindow(SW_HIDE);
}

void CGXTabbedComboBoxWnd::Hide()
{
    HideHeader();
    CGXComboBoxWnd::Hide();
}

BOOL CGXTabbedComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bActive && (HWND)lParam == m_hWnd)
    {
        UINT nCode = HIWORD(wParam);
        if (nCode == CBN_DROPDOWN || nCode == CBN_CLOSEUP)
            m_rectLastList.SetRectEmpty();
        if (nCode == CBN_CLOSEUP)
            HideHeader();
    }
    return CGXComboBoxWnd::OnCommand(wParam, lParam);
}

HBRUSH CGXTabbedComboBoxWnd::OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    TCHAR szClass[16] = {};
    if (pWnd != NULL)
        ::GetClassName(pWnd->GetSafeHwnd(), szClass, 16);
    if (m_bActive && nCtlColor == CTLCOLOR_LISTBOX && !s_bPlacingList &&
        lstrcmpi(szClass, _T("ComboLBox")) == 0 && IsComboPart(pWnd))
    {
        s_bPlacingList = TRUE;
        PlaceList(pWnd);
        s_bPlacingList = FALSE;
    }
    else if (nCtlColor == CTLCOLOR_EDIT && HasWindow() && !GetDroppedState())
        HideHeader();
    return CGXComboBoxWnd::OnGridCtlColor(pDC, pWnd, nCtlColor);
}

void CGXTabbedComboBoxWnd::PlaceList(CWnd* pList)
{
    CRect rectList, rectCombo, rectDesktop;
    pList->GetWindowRect(&rectList);
    if (rectList == m_rectLastList)
        return;
    // The title boxes start where the list's lines do, inside its border.
    CPoint ptLines(0, 0);
    pList->ClientToScreen(&ptLines);
    int nBorder = ptLines.x - rectList.left;
    GetWindowRect(&rectCombo);
    CWnd::GetDesktopWindow()->GetWindowRect(&rectDesktop);
    rectList.right = rectList.left + std::max<int>(rectCombo.Width(), m_nTotalWidth);
    if (rectList.right > rectDesktop.right)
        rectList.OffsetRect(rectDesktop.right - rectList.right, 0);
    BOOL bAbove = rectList.bottom <= rectCombo.top;
    BOOL bHeader = m_settings.bShowHeaders && !m_header.m_strTitles.IsEmpty();
    CRect rectHeader(0, 0, 0, 0);
    if (bHeader && (m_pHeader->GetSafeHwnd() != NULL || m_pHeader->CreateHeader()))
    {
        m_header.m_pFont = m_font.GetSafeHandle() != NULL ? &m_font : NULL;
        int nHeight = m_pHeader->CalcHeight();
        rectHeader.SetRect(rectList.left + nBorder, rectList.top, rectList.right - nBorder,
                           rectList.top + nHeight);
        if (bAbove)
            rectHeader.OffsetRect(0, -nHeight);
        else
            rectList.OffsetRect(0, nHeight);
    }
    rectList.IntersectRect(rectList, rectDesktop);
    pList->SetWindowPos(NULL, rectList.left, rectList.top, rectList.Width(), rectList.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
    m_rectLastList = rectList;
    if (!rectHeader.IsRectEmpty())
    {
        m_pHeader->SetWindowPos(&CWnd::wndTopMost, rectHeader.left, rectHeader.top, rectHeader.Width(),
                                rectHeader.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
        m_pHeader->Invalidate();
        m_pHeader->UpdateWindow();
    }
}

// -- Mouse -------------------------------------------------------------------------------------

BOOL CGXTabbedComboBoxWnd::OnClickedButton(CGXChild* pChild)
{
    // Measured first: the active combo hides the button.
    CPoint pt = ButtonClickPoint();
    if (Activate() && !GetDroppedState())
    {
        PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        PostMessage(WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    return CGXControl::OnClickedButton(pChild);
}

BOOL CGXTabbedComboBoxWnd::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    if (!m_bDropDownOnClick || ::GetKeyState(VK_RBUTTON) < 0)
        return CGXComboBoxWnd::LButtonUp(nFlags, pt, nHitState);
    if (Activate() && !GetDroppedState())
        DropAsClicked(CPoint(0, 0));
    CGXControl::LButtonUp(nFlags, pt, nHitState);
    return TRUE;
}

// -- Drawing and size --------------------------------------------------------------------------

void CGXTabbedComboBoxWnd::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                const CGXStyle* pStandardStyle)
{
    if (IsInitAt(nRow, nCol) && !m_pGrid->m_bDrawingInactive)
    {
        // The list shows the cell's colours.
        m_rgbBack = style.GetInterior().GetBackColor();
        m_rgbText = style.GetTextColor();
    }
    if (!LiesOverCell(nRow, nCol))
    {
        // A text field naming a bitmap of the pool is drawn as that bitmap.
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    CFont* pOld = SelectStyleFont(pDC, style, pStandardStyle);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    if (pOld != NULL)
        pDC->SelectObject(pOld);
    m_nItemHeight = std::max<int>(tm.tmHeight, m_nLinesHeight);
    SendMessage(CB_SETITEMHEIGHT, 0, m_nItemHeight);
    if (m_tabbedEdit.GetSafeHwnd() != NULL)
        m_tabbedEdit.SetReadOnly(IsReadOnly());
    CGXComboBoxWnd::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CSize CGXTabbedComboBoxWnd::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                     const CGXStyle* pStandard, BOOL bVert)
{
    // Owner-drawn, yet it shows text fields: sized like a text combo.
    return CalcTextSize(pDC, nRow, nCol, style, pStandard, bVert);
}

int CGXTabbedComboBoxWnd::WidestChoice(CDC* pDC, const CGXStyle& style)
{
    CGXTabbedChoiceSettings s;
    s.Read(style);
    int nWidest = 0;
    BOOL bFirst = TRUE;
    for (const CString& strLine : CGXComboBox::ChoiceLines(style.GetChoiceList()))
    {
        if (!(bFirst && s.bShowHeaders))
        {
            int nWidth = 0;
            MeasureTabbedColumns(pDC, CGXTabbedComboBox::Field(strLine, s.nTextCol), 1, &nWidth);
            nWidest = std::max(nWidest, nWidth);
        }
        bFirst = FALSE;
    }
    return nWidest;
}
