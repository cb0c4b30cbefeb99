// Check-list combo cells.
#include "grid/controls/CheckListComboBox.h"
#include "grid/controls/ComboListBox.h"
#include "grid/controls/GridCombo.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include <cstdlib>
#include <mbctype.h>

// -- The list ----------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CGXCheckListComboLBox, CCheckListBox)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGXCheckListComboLBox::CGXCheckListComboLBox(CGXCheckListComboBox* pOwner) : m_pOwner(pOwner)
{
}

void CGXCheckListComboLBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    m_bKeySeen = TRUE;
    m_nLastSel = GetCurSel();
    m_bAlnumKey = _ismbcalnum(nChar);
    Default();
}

void CGXCheckListComboLBox::OnKeyUp(UINT nChar, UINT, UINT)
{
    Default();
    if (!m_bKeySeen)
        return;
    switch (nChar)
    {
    case VK_TAB:
        CGXComboListBox::PostTab(m_pOwner);
        m_pOwner->SendMessage(WM_COMBOLIST_ACCEPT);
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        m_pOwner->SendMessage(WM_COMBOLIST_ACCEPT);
        break;
    default:
        m_bKeySeen = FALSE;
        break;
    }
}

void CGXCheckListComboLBox::OnSysKeyDown(UINT, UINT, UINT)
{
    m_bKeySeen = TRUE;
    Default();
}

void CGXCheckListComboLBox::OnSysKeyUp(UINT nChar, UINT, UINT)
{
    if (m_bKeySeen && nChar == VK_DOWN)
        m_pOwner->SendMessage(WM_COMBOLIST_ACCEPT);
    else
        Default();
}

void CGXCheckListComboLBox::OnLButtonDown(UINT, CPoint)
{
    m_bMouseSeen = TRUE;
    m_nLastSel = GetCurSel();
    Default();
}

void CGXCheckListComboLBox::OnLButtonUp(UINT, CPoint)
{
    // A click toggles a box; it never closes the list.
    Default();
    m_bMouseSeen = FALSE;
}

void CGXCheckListComboLBox::OnKillFocus(CWnd* pNewWnd)
{
    CCheckListBox::OnKillFocus(pNewWnd);
    m_pOwner->PostMessage(WM_COMBOLIST_ACCEPT);
}

BOOL CGXCheckListComboLBox::OnEraseBkgnd(CDC* pDC)
{
    return CGXComboListBox::EraseWithPopupBrush(this, pDC) || (BOOL)Default();
}

// -- The cell ----------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXCheckListComboBox, CGXComboBox)
GX_IMPLEMENT_CONTROL(CGXCheckListComboBox, CGXComboBox)

BEGIN_MESSAGE_MAP(CGXCheckListComboBox, CGXComboBox)
ON_MESSAGE(WM_COMBOLIST_ACCEPT, OnListClose)
ON_MESSAGE(WM_COMBOLIST_CANCEL, OnListClose)
ON_MESSAGE(WM_COMBOLIST_SELCHANGE, OnListSelChangeIgnored)
ON_MESSAGE(WM_COMBOLIST_FOCUSLOST, OnListFocusGone)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CGXCheckListComboBox::CGXCheckListComboBox(CGXGridCore* pGrid, UINT nID, UINT nListBoxID)
    : CGXComboBox(pGrid, nID, ComboFreeText)
{
    m_nListBoxID = nListBoxID;
}

CListBox* CGXCheckListComboBox::CreateListBox(CGXGridCombo* pPopup, UINT nID)
{
    CRect rect;
    pPopup->GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    DWORD dwStyle = (m_dwListBoxStyle != 0 ? m_dwListBoxStyle : WS_VSCROLL | LBS_NOTIFY) | WS_VISIBLE |
                    WS_BORDER | LBS_HASSTRINGS;
    CGXCheckListComboLBox* pList = new CGXCheckListComboLBox(this);
    pList->Create(dwStyle, rect, pPopup, nID);
    return pList;
}

void CGXCheckListComboBox::FillListBox(CListBox* pListBox)
{
    CCheckListBox* pList = (CCheckListBox*)pListBox;
    const CGXStyle& style = LoadStyle();
    m_nItemCount = 0;
    if (style.GetInclude(CGXStyle::ibChoiceList))
    {
        // The first line is the caption. Lines past the mask's bits would make it negative or
        // overflow it: left out.
        std::vector<CString> lines = ChoiceLines(style.GetChoiceList());
        for (size_t i = 1; i < lines.size() && m_nItemCount < maxCheckItems; i++, m_nItemCount++)
            pList->AddString(lines[i]);
    }
    if (!style.GetInclude(CGXStyle::ibValue))
        return;
    long nMask = atol(style.GetValue());
    for (int i = 0; i < m_nItemCount; i++)
        pList->SetCheck(i, (nMask >> i) & 1);
}

void CGXCheckListComboBox::TakeListSelection(CListBox* pListBox)
{
    CCheckListBox* pList = (CCheckListBox*)pListBox;
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, pStyle);
    long nOld = atol(pStyle->GetValue());
    m_pGrid->RecycleStyle(pStyle);
    long nNew = 0;
    for (int i = 0; i < m_nItemCount; i++)
        if (pList->GetCheck(i) == 1)
            nNew += 1L << i;
    if (nNew == nOld)
        return;
    SetModify(TRUE);
    CString strValue;
    if (nNew > 0)
        strValue.Format(_T("%ld"), nNew);
    m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strValue, gxOverride, 0, GX_INVALIDATE);
}

LRESULT CGXCheckListComboBox::OnListClose(WPARAM, LPARAM)
{
    m_pGrid->m_bDropDownOpen = FALSE;
    if (m_pDropDownWnd == NULL)
        return 0;
    {
        CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
        {
            CGXFlagScope busy(CGXGridCombo::s_bBusy);
            FreeStyle();
            LoadStyle();
            if (!IsReadOnly())
                TakeListSelection((CListBox*)m_pDropDownWnd->GetListBox());
            CGXGridCombo* pPopup = m_pDropDownWnd;
            m_pDropDownWnd = NULL;
            DestroyDropDownWindow(pPopup);
        }
        NotifyModified();
        TakeFocusFromGrid(this);
    }
    SetModify(FALSE);
    SetActive(FALSE);
    Refresh();
    return 0;
}

LRESULT CGXCheckListComboBox::OnListSelChangeIgnored(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CGXCheckListComboBox::OnListFocusGone(WPARAM, LPARAM)
{
    HWND hFocus = ::GetFocus();
    CWnd* pGridWnd = GetGridWnd();
    HWND hGrid = pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL;
    if (hFocus == NULL || (hFocus != hGrid && !::IsChild(hGrid, hFocus)))
        SendMessage(WM_COMBOLIST_CANCEL);
    return 0;
}

void CGXCheckListComboBox::OnSetFocus(CWnd* pOldWnd)
{
    CGXComboBox::OnSetFocus(pOldWnd);
    if (GetParent() != NULL)
        GetParent()->SetFocus();
}

BOOL CGXCheckListComboBox::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR, const CGXStyle& style)
{
    strResult.Empty();
    if (style.GetInclude(CGXStyle::ibChoiceList))
    {
        CString strChoices = style.GetChoiceList();
        GXTakeFirstLine(strChoices, strResult);
    }
    return TRUE;
}

void CGXCheckListComboBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                const CGXStyle* pStandardStyle)
{
    BOOL bActiveHere = IsInitAt(nRow, nCol) && IsActive() && !m_pGrid->m_bDrawingInactive;
    if (bActiveHere)
        Hide();
    CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (bActiveHere)
        DrawBackground(pDC, rect);
}

BOOL CGXCheckListComboBox::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    return CGXControl::LButtonUp(nFlags, pt, nHitState);
}

BOOL CGXCheckListComboBox::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    if (message != WM_SYSKEYDOWN)
        return FALSE;
    return CGXControl::DispatchKeyMessage(message, wParam, lParam, flags);
}

BOOL CGXCheckListComboBox::CheckTypedChar(UINT, UINT, UINT)
{
    m_strPending.Empty();
    return FALSE;
}

DWORD CGXCheckListComboBox::CalcEditStyle(CRect& rect, const CGXStyle& style)
{
    return CGXEditControl::CalcEditStyle(rect, style) | ES_READONLY;
}
