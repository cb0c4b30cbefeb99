// Combo box cells.
#include "grid/controls/ComboBox.h"
#include "grid/controls/ControlActivation.h"
#include "grid/controls/ComboBoxButton.h"
#include "grid/controls/ComboListBox.h"
#include "grid/controls/GridCombo.h"
#include "grid/core/AppData.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXComboBox, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXComboBox, CGXEditControl)

BEGIN_MESSAGE_MAP(CGXComboBox, CGXEditControl)
ON_MESSAGE(WM_COMBOLIST_ACCEPT, OnListAccept)
ON_MESSAGE(WM_COMBOLIST_CANCEL, OnListCancel)
ON_MESSAGE(WM_COMBOLIST_SELCHANGE, OnListSelChange)
ON_MESSAGE(WM_COMBOLIST_FOCUSLOST, OnListFocusLost)
ON_WM_SYSKEYDOWN()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CGXComboBox::CGXComboBox(CGXGridCore* pGrid, UINT nID, UINT nMode)
    : CGXEditControl(pGrid, nID), m_nMode(nMode), m_pButton(new CGXComboBoxButton(this)), m_nListBoxID(nID)
{
    AddChild(m_pButton);
}

CGXComboBox::~CGXComboBox()
{
    if (m_pDropDownWnd != NULL)
    {
        CGXFlagScope busy(CGXGridCombo::s_bBusy);
        CGXGridCombo* pPopup = m_pDropDownWnd;
        m_pDropDownWnd = NULL;
        DestroyDropDownWindow(pPopup);
    }
    delete m_pListFont;
}

// -- The drop-down window ----------------------------------------------------------------------

CGXGridCombo* CGXComboBox::CreateDropDownWindow(CWnd* pParent, const CRect& rect)
{
    return new CGXGridCombo(this, pParent, rect);
}

CListBox* CGXComboBox::CreateListBox(CGXGridCombo* pPopup, UINT nID)
{
    CRect rect;
    pPopup->GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    DWORD dwStyle = (m_dwListBoxStyle != 0 ? m_dwListBoxStyle : WS_VSCROLL | LBS_NOTIFY) | WS_VISIBLE |
                    WS_BORDER | WS_CHILD;
    CGXComboListBox* pList = new CGXComboListBox(this);
    pList->CreateEx(0, _T("COMBOLBOX"), _T(""), dwStyle, rect, pPopup, nID);
    return pList;
}

CListBox* CGXComboBox::DropDownList() const
{
    return m_pDropDownWnd != NULL ? (CListBox*)m_pDropDownWnd->GetListBox() : NULL;
}

BOOL CGXComboBox::IsDroppedDown()
{
    return m_pDropDownWnd != NULL;
}

CRect CGXComboBox::GetDropDownRect(const CRect& rectCell)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    int nHeight = pParam != NULL ? pParam->m_nDropDownHeight : 100;
    return CRect(rectCell.left, rectCell.bottom, rectCell.right, rectCell.bottom + nHeight);
}

void CGXComboBox::DestroyDropDownWindow(CGXGridCombo* pPopup)
{
    m_pGrid->m_bListFocus = FALSE;
    delete pPopup;
    delete m_pListFont;
    m_pListFont = NULL;
}

void CGXComboBox::ShowDropDown(BOOL bShow)
{
    if (!bShow)
    {
        if (IsDroppedDown())
            SendMessage(WM_COMBOLIST_CANCEL, 0, IsActive());
        return;
    }
    if (IsDroppedDown() || !m_bInit)
        return;

    // 1.
    m_pGrid->m_bDropDownOpen = TRUE;
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, pStyle);
    CRect rectCell = CGXControl::GetCellRect(m_nRow, m_nCol, NULL, pStyle);
    CRect rectDesktop;
    CWnd::GetDesktopWindow()->GetClientRect(&rectDesktop);

    // 2.
    CListBox* pList;
    {
        CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
        m_pGrid->m_bCreatingDropDown = TRUE;
        m_pDropDownWnd = CreateDropDownWindow(GetGridWnd(), CRect(0, 0, 1, 1));
        pList = CreateListBox(m_pDropDownWnd, m_nListBoxID);
    }
    m_pDropDownWnd->SetListBox(pList);

    // 3.
    delete m_pListFont;
    m_pListFont = new CFont;
    CGXFont font;
    pStyle->GetFont(font);
    LOGFONT lf;
    font.GetZoomedLogFont(lf, m_pGrid->GetZoom());
    m_pListFont->CreateFontIndirect(&lf);
    pList->SendMessage(WM_SETFONT, (WPARAM)m_pListFont->GetSafeHandle(), TRUE);

    // 4.
    COLORREF rgbText = pStyle->GetTextColor(), rgbBack = pStyle->GetInterior().GetBackColor();
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && pParam->GetProperties() != NULL && pParam->GetProperties()->GetBlackWhite())
    {
        rgbText = RGB(0, 0, 0);
        rgbBack = RGB(255, 255, 255);
    }
    m_pDropDownWnd->SetColors(rgbText, rgbBack);

    // 5.
    FillListBox(pList);

    // 6., 7.
    CRect rect = GetDropDownRect(rectCell);
    GetGridWnd()->ClientToScreen(&rect);
    if (m_nTextHeight == 0)
        MeasureTextHeight(*pStyle);
    // Lines taller than the text (check boxes) count at their own height, or the last would
    // not fit.
    int nItemHeight = pList->GetItemHeight(0);
    int nHeight = std::max(m_nTextHeight, nItemHeight) * pList->GetCount() + nItemHeight / 2;
    if (nHeight < rect.Height())
        rect.bottom = rect.top + nHeight;

    // 8.
    if (rect.right > rectDesktop.right)
        rect.OffsetRect(-(rect.Width() - rectCell.Width()), 0);
    if (rect.bottom > rectDesktop.bottom)
        rect.OffsetRect(0, -(rect.Height() + rectCell.Height()));

    // 9.
    {
        CGXFlagScope busy(CGXGridCombo::s_bBusy);
        // The list takes the focus from the edit without ending the cell's editing.
        CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
        BOOL bPopup = GXSetPopupActive(TRUE);
        rect.IntersectRect(rect, rectDesktop);
        m_pDropDownWnd->SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(),
                                     SWP_SHOWWINDOW);
        pList->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
        pList->SetFocus();
        m_pGrid->m_bListFocus = TRUE;
        if (pList->GetCurSel() == LB_ERR)
            pList->SetCurSel(0);
        pList->UpdateWindow();
        if (pList->GetCurSel() != LB_ERR)
            pList->SetTopIndex(pList->GetCurSel());
        GXSetPopupActive(bPopup);
    }
    m_pGrid->m_bCreatingDropDown = FALSE;
    m_pGrid->RecycleStyle(pStyle);
}

void CGXComboBox::TakeListSelection(CListBox* pListBox)
{
    int nSel = pListBox->GetCurSel();
    if (nSel == LB_ERR)
        return;
    CString strText;
    if (m_nMode & ComboIndexZero)
        strText.Format(_T("%d"), nSel);
    else if (m_nMode & ComboIndexOne)
        strText.Format(_T("%d"), nSel + 1);
    else
        pListBox->GetText(nSel, strText);
    SetActive(TRUE);
    SetValue(strText);
    CEdit::SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetModify(TRUE);
    if (m_bStaticDisplay)
        Refresh();
    else
        Invalidate();
}

void CGXComboBox::FillListBox(CListBox* pListBox)
{
    const CGXStyle& style = LoadStyle();
    if (m_bFillWithChoiceList && style.GetInclude(CGXStyle::ibChoiceList))
    {
        for (const CString& strLine : ChoiceLines(style.GetChoiceList()))
            pListBox->AddString(strLine);
    }
    CString strText;
    if (m_bActive)
        GetWindowText(strText);
    else
        strText = style.GetValue();
    BOOL bExact = (m_nMode & ComboChoiceOnly) || (m_bActive && (m_nMode & ComboShowChoice));
    if (bExact)
    {
        int nFound = pListBox->FindStringExact(-1, strText);
        if (nFound != LB_ERR)
            pListBox->SetCurSel(nFound);
        else
            pListBox->SelectString(-1, strText);
    }
    else if (m_nMode & ComboIndexZero)
        pListBox->SetCurSel(atoi(strText));
    else if (m_nMode & ComboIndexOne)
        pListBox->SetCurSel(atoi(strText) - 1);
    else
        pListBox->SelectString(-1, strText);
}

void CGXComboBox::MeasureTextHeight(const CGXStyle& style)
{
    int nHeight = StyleTextHeight(this, style);
    if (nHeight > 0)
        m_nTextHeight = nHeight;
}

std::vector<CString> CGXComboBox::ChoiceLines(const CString& strChoices)
{
    std::vector<CString> lines;
    CString strRest = strChoices, strLine;
    while (!strRest.IsEmpty())
    {
        BOOL bLast = GXTakeFirstLine(strRest, strLine) < 0;
        lines.push_back(strLine);
        if (bLast)
            break;
    }
    return lines;
}

int CGXComboBox::WidestChoice(CDC* pDC, const CString& strChoices)
{
    int nWidth = 0;
    for (const CString& strLine : ChoiceLines(strChoices))
        nWidth = std::max<int>(nWidth, pDC->GetTextExtent(strLine).cx);
    return nWidth;
}

int CGXComboBox::StyleTextHeight(CGXControl* pControl, const CGXStyle& style)
{
    CWnd* pGridWnd = pControl->GetGridWnd();
    if (pGridWnd == NULL || pGridWnd->GetSafeHwnd() == NULL)
        return 0;
    CClientDC dc(pGridWnd);
    CFont* pOld = pControl->SelectStyleFont(&dc, style, NULL);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return tm.tmHeight;
}

// -- Messages of the list ----------------------------------------------------------------------

LRESULT CGXComboBox::OnListAccept(WPARAM, LPARAM)
{
    m_pGrid->m_bDropDownOpen = FALSE;
    if (m_pDropDownWnd == NULL)
        return 0;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    BOOL bFocusHere;
    {
        CGXFlagScope busy(CGXGridCombo::s_bBusy);
        FreeStyle();
        LoadStyle();
        if (!IsReadOnly())
            TakeListSelection(DropDownList());
        HWND hFocus = ::GetFocus();
        HWND hPopup = m_pDropDownWnd->GetSafeHwnd();
        bFocusHere = hFocus == m_hWnd || hFocus == hPopup || (hFocus != NULL && ::IsChild(hPopup, hFocus));
        CGXGridCombo* pPopup = m_pDropDownWnd;
        m_pDropDownWnd = NULL;
        DestroyDropDownWindow(pPopup);
    }
    NotifyModified();
    CWnd* pGridWnd = GetGridWnd();
    if (bFocusHere || (pGridWnd != NULL && ::GetFocus() == pGridWnd->GetSafeHwnd()))
        SetFocus();
    return 0;
}

LRESULT CGXComboBox::OnListCancel(WPARAM, LPARAM lParam)
{
    m_pGrid->m_bDropDownOpen = FALSE;
    if (m_pDropDownWnd == NULL)
        return 0;
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    BOOL bReturnFocus;
    {
        CGXFlagScope busy(CGXGridCombo::s_bBusy);
        CListBox* pList = DropDownList();
        bReturnFocus =
            lParam != 0 || (pList != NULL && ::GetFocus() == pList->GetSafeHwnd() && m_pGrid->m_bListFocus);
        CGXGridCombo* pPopup = m_pDropDownWnd;
        m_pDropDownWnd = NULL;
        DestroyDropDownWindow(pPopup);
    }
    if (bReturnFocus)
    {
        SetFocus();
        if (GetModify())
            NotifyModified();
    }
    else
    {
        SetActive(FALSE);
        SetModify(FALSE);
        Refresh();
    }
    return 0;
}

LRESULT CGXComboBox::OnListSelChange(WPARAM, LPARAM)
{
    if (!IsReadOnly() && DropDownList() != NULL)
    {
        TakeListSelection(DropDownList());
        NotifyModified();
    }
    return 0;
}

LRESULT CGXComboBox::OnListFocusLost(WPARAM, LPARAM)
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
    {
        SendMessage(WM_COMBOLIST_CANCEL);
        return 0;
    }
    CWnd* pGridWnd = GetGridWnd();
    HWND hGrid = pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL;
    if (hGrid != NULL && hFocus != hGrid && !::IsChild(hGrid, hFocus))
    {
        CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
        pGridWnd->SetFocus();
        SendMessage(WM_COMBOLIST_CANCEL);
        ::SetFocus(hFocus);
    }
    return 0;
}

void CGXComboBox::OnSysKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_DOWN || !DropByKey())
        Default();
}

void CGXComboBox::OnSetFocus(CWnd* pOldWnd)
{
    if (IsDroppedDown())
        SendMessage(WM_COMBOLIST_CANCEL, 0, 1);
    CGXEditControl::OnSetFocus(pOldWnd);
}

// -- Cell-control operations -------------------------------------------------------------------

void CGXComboBox::SetActive(BOOL bActive)
{
    if (!bActive && IsDroppedDown())
        PostMessage(WM_COMBOLIST_CANCEL);
    CGXEditControl::SetActive(bActive);
}

void CGXComboBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGXComboBox::Reset()
{
    ShowDropDown(FALSE);
    CGXEditControl::Reset();
}

CRect CGXComboBox::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, rectItem, pStyle);
    if (!(m_bButtonCurrentCellOnly && !m_bButtonEverywhere && !m_pGrid->IsCurrentCell(nRow, nCol)))
        rect.right -= buttonWidth;
    return rect;
}

CSize CGXComboBox::AddBorders(CSize size, const CGXStyle& style)
{
    return CGXEditControl::AddBorders(CSize(size.cx + buttonWidth, size.cy), style);
}

CSize CGXComboBox::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            const CGXStyle* pStandard, BOOL bVert)
{
    CSize sizeStatic = CGXEditControl::CalcSize(pDC, nRow, nCol, style, pStandard, bVert);
    CSize size(0, 0);
    CFont* pOld = SelectStyleFont(pDC, style, NULL);
    if (bVert)
    {
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        size.cy = tm.tmHeight + tm.tmExternalLeading + 1;
    }
    else if (m_bFillWithChoiceList && style.GetInclude(CGXStyle::ibChoiceList))
    {
        size.cx = WidestChoice(pDC, style.GetChoiceList());
    }
    if (pOld != NULL)
        pDC->SelectObject(pOld);
    size = AddBorders(size, style);
    return CSize(std::max(size.cx, sizeStatic.cx), std::max(size.cy, sizeStatic.cy));
}

void CGXComboBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    if (IsInitAt(nRow, nCol) && IsActive() && m_bStaticDisplay && !m_pGrid->m_bDrawingInactive)
    {
        CGXStyle shown(style);
        CString strValue;
        GetValue(strValue);
        shown.SetValue(strValue);
        CGXStatic::Draw(pDC, rect, nRow, nCol, shown, pStandardStyle);
        return;
    }
    CGXEditControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CString CGXComboBox::TextToValue(const CString& strText, const CGXStyle& style)
{
    if (!m_bFillWithChoiceList || !(m_nMode & (ComboChoiceOnly | ComboShowChoice)) ||
        !style.GetInclude(CGXStyle::ibChoiceList))
        return strText;
    CString strFound;
    int nIndex = FindInChoiceList(strFound, strText, style.GetChoiceList(), FALSE);
    if (!(m_nMode & ComboShowChoice))
        return strFound;
    CString strValue;
    if (nIndex >= 0)
        strValue.Format(_T("%d"), (m_nMode & ComboIndexOne) ? nIndex + 1 : nIndex);
    return strValue;
}

BOOL CGXComboBox::GetValue(CString& strResult)
{
    if (!CGXEditControl::GetValue(strResult))
        return FALSE;
    strResult = TextToValue(strResult, LoadStyle());
    return TRUE;
}

BOOL CGXComboBox::PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    strText = TextToValue(strText, style);
    return CGXEditControl::PrepareStoreText(strText, nRow, nCol, style);
}

BOOL CGXComboBox::FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                                  const CGXStyle& style)
{
    if (!(m_nMode & ComboShowChoice) || !m_bFillWithChoiceList || !style.GetInclude(CGXStyle::ibChoiceList))
        return CGXControl::FormatValueText(strResult, nRow, nCol, pszRawValue, style);
    if (pszRawValue == NULL && !style.GetInclude(CGXStyle::ibValue))
        return FALSE;
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    if (strValue.IsEmpty())
        return FALSE;
    int n = atoi(strValue);
    if ((m_nMode & ComboIndexOne) && (WORD)n < 0xFFFF)
        n--;
    n = (short)n;
    CString strChoice;
    GetChoiceListItem(strChoice, style.GetChoiceList(), n);
    return CGXControl::FormatValueText(strResult, nRow, nCol, strChoice, style);
}

BOOL CGXComboBox::ValidateText(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillWithChoiceList)
        return TRUE;
    if (!(m_nMode & (ComboChoiceOnly | ComboShowChoice)))
        return TRUE;
    const CGXStyle& style = LoadStyle();
    CString strFound;
    return style.GetInclude(CGXStyle::ibChoiceList) &&
           FindInChoiceList(strFound, strText, style.GetChoiceList(), FALSE) >= 0;
}

BOOL CGXComboBox::PreGridMessage(UINT, WPARAM, LPARAM, LRESULT* pResult)
{
    if (!IsDroppedDown())
        return FALSE;
    SendMessage(WM_COMBOLIST_CANCEL, 0, 1);
    *pResult = 2;
    return TRUE;
}

BOOL CGXComboBox::HandleChar(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (m_bStaticDisplay && nChar == 0x28)
    {
        const CGXStyle& style = LoadStyle();
        CString strFound;
        if (FindInChoiceList(strFound, CString((TCHAR)nChar), style.GetChoiceList(), FALSE) >= 0)
            SetCurrentText(strFound);
        return TRUE;
    }
    return CGXEditControl::HandleChar(nMessage, nChar, nFlags);
}

BOOL CGXComboBox::DropByKey()
{
    if (!BeginEditing())
        return FALSE;
    SetActive(TRUE);
    GXShowActiveCell(this);
    GetGridWnd()->UpdateWindow();
    ShowDropDown(TRUE);
    return TRUE;
}

BOOL CGXComboBox::SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags)
{
    if (nChar == VK_DOWN)
        return DropByKey();
    return CGXEditControl::SysKeyDown(nMessage, nChar, nFlags);
}

void CGXComboBox::ReplaceSel(LPCTSTR pszText)
{
    if (!IsActive())
    {
        CGXControl::ReplaceSel(pszText);
        return;
    }
    SendMessage(EM_REPLACESEL, FALSE, (LPARAM)pszText);
    SetModify(TRUE);
    NotifyModified();
}

BOOL CGXComboBox::OnClickedButton(CGXChild* pChild)
{
    if (!IsActive())
    {
        if (!BeginEditing())
            return FALSE;
        SetActive(TRUE);
        Refresh();
    }
    GetGridWnd()->UpdateWindow();
    ShowDropDown(!IsDroppedDown());
    return CGXEditControl::OnClickedButton(pChild);
}

void CGXComboBox::OnGridScroll(UINT nMessage, UINT nSBCode, UINT nPos)
{
    if (nMessage == WM_HSCROLL || nMessage == WM_VSCROLL)
        ShowDropDown(FALSE);
    CGXEditControl::OnGridScroll(nMessage, nSBCode, nPos);
}

void CGXComboBox::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    CRect rectButton(std::max(rect.left + 1, rect.right - 16), rect.top, rect.right - 1, rect.bottom - 1);
    const CGXStyle* pStyle = NULL;
    if (IsInitAt(nRow, nCol))
        pStyle = &LoadStyle();
    else if (m_bButtonEverywhere)
        pStyle = &m_pGrid->LookupStyleRowCol(nRow, nCol);
    if (pStyle != NULL && m_nTextHeight == 0)
        MeasureTextHeight(*pStyle);
    if (m_bButtonHeightFromText && pStyle != NULL)
    {
        int m = m_nButtonMargin;
        int h = std::min<int>(m_nTextHeight + 2, rect.bottom - 2 * m - rect.top);
        DWORD dwAlign = pStyle->GetVerticalAlignment();
        if (dwAlign == DT_VCENTER)
            rectButton.top += (rect.Height() - h) / 2 - m;
        else if (dwAlign == DT_BOTTOM)
            rectButton.top = rect.bottom - 2 * m - h;
        rectButton.bottom = rectButton.top + 2 * m - 1 + h;
    }
    m_pButton->SetRect(rectButton);
}
