// The window multi-column combo: filling the combo's list with the records, the edit showing
// the text field, completion while typing, and the mapping between shown and stored fields.
#include "grid/controls/TabbedComboBoxWnd.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

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
    CString strTyped;
    GetWindowText(strTyped);
    int nFound = pCombo->FindString(-1, strTyped);
    if (nFound == CB_ERR)
    {
        // No entry begins so: the character is refused.
        SetWindowText(strOld);
        SetSel(nOldStart, nOldEnd);
        return;
    }
    CString strEntry;
    pCombo->GetLBText(nFound, strEntry);
    SetWindowText(CGXTabbedComboBox::Field(strEntry, 0));
    SetSel(strTyped.GetLength(), -1);
    SendMessage(EM_SCROLLCARET);
    pCombo->SetModify(TRUE);
}

// -- The combo ---------------------------------------------------------------------------------

CGXTabbedComboBoxWnd::CGXTabbedComboBoxWnd(CGXGridCore* pGrid, DWORD dwStyle, UINT nID)
    : CGXComboBoxWnd(pGrid, dwStyle, nID)
{
}

CGXTabbedComboBoxWnd::~CGXTabbedComboBoxWnd()
{
    if (m_tabbedEdit.GetSafeHwnd() != NULL)
        m_tabbedEdit.UnsubclassWindow();
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
    if (m_settings.nSortCol >= 0 && !strChoices.IsEmpty())
    {
        // Sorted once: the style then says the list is in order.
        strChoices = GXSortChoiceList(strChoices, m_settings.nSortCol, m_settings.bShowHeaders);
        style.SetChoiceList(strChoices);
        style.SetUserAttributeText(GX_IDS_UA_TABLIST_SORTCOL, _T("-1"));
        m_settings.nSortCol = -1;
    }
    BOOL bFirst = TRUE;
    for (const CString& strLine : CGXComboBox::ChoiceLines(strChoices))
    {
        if (!(bFirst && m_settings.bShowHeaders))
            AddString(CGXTabbedComboBox::ListItem(m_settings, strLine));
        bFirst = FALSE;
    }
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
        BOOL bLock = m_pGrid->m_bLockFocusHandler;
        m_pGrid->m_bLockFocusHandler = TRUE;
        if (GetGridWnd() != NULL)
            GetGridWnd()->SetFocus();
        m_pGrid->m_bLockFocusHandler = bLock;
    }
    return TRUE;
}
