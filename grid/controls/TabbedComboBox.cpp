// Multi-column combo cells: the settings a style carries, the shared lookup tables, filling and
// placing the list under its title strip, and the mapping between shown and stored fields.
#include "grid/controls/TabbedComboBox.h"
#include "grid/controls/GridCombo.h"
#include "grid/controls/TabbedComboLBox.h"
#include "grid/controls/TabbedText.h"
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/FlagScope.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include "ClientDC.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGXTabbedComboBox, CGXComboBox)
GX_IMPLEMENT_CONTROL(CGXTabbedComboBox, CGXComboBox)

BEGIN_MESSAGE_MAP(CGXTabbedComboBox, CGXComboBox)
ON_WM_CHAR()
END_MESSAGE_MAP()

namespace
{
// The settings' attributes, in the order the style editor lists them.
const WORD s_anSettingIds[] = {GX_IDS_UA_TABLIST_KEYCOL,      GX_IDS_UA_TABLIST_TEXTCOL,
                               GX_IDS_UA_TABLIST_SHOWALLCOLS, GX_IDS_UA_TABLIST_TITLES,
                               GX_IDS_UA_TABLIST_COLWIDTHS,   GX_IDS_UA_TABLIST_SORTCOL,
                               GX_IDS_UA_TABLIST_CHOICEID};

CString AttributeText(const CGXStyle& style, WORD nID)
{
    return style.GetUserAttribute(nID).GetValueText();
}

int AttributeInt(const CGXStyle& style, WORD nID, int nDefault)
{
    CString str = AttributeText(style, nID);
    return str.IsEmpty() ? nDefault : atoi(str);
}

// The numbers of a widths text, any non-digits between them.
std::vector<int> ParseWidths(const CString& strWidths)
{
    std::vector<int> widths;
    for (int i = 0; i < strWidths.GetLength();)
    {
        if (!isdigit((unsigned char)strWidths[i]))
        {
            i++;
            continue;
        }
        int n = 0;
        while (i < strWidths.GetLength() && isdigit((unsigned char)strWidths[i]))
            n = n * 10 + (strWidths[i++] - '0');
        widths.push_back(n);
    }
    return widths;
}
} // namespace

void CGXTabbedChoiceSettings::Read(const CGXStyle& style)
{
    nKeyCol = AttributeInt(style, GX_IDS_UA_TABLIST_KEYCOL, 0);
    nTextCol = AttributeInt(style, GX_IDS_UA_TABLIST_TEXTCOL, 0);
    bShowAllCols = AttributeInt(style, GX_IDS_UA_TABLIST_SHOWALLCOLS, 1) != 0;
    bShowHeaders = AttributeInt(style, GX_IDS_UA_TABLIST_TITLES, 1) != 0;
    strColWidths = AttributeText(style, GX_IDS_UA_TABLIST_COLWIDTHS);
    nSortCol = AttributeInt(style, GX_IDS_UA_TABLIST_SORTCOL, -1);
    nChoiceId = AttributeInt(style, GX_IDS_UA_TABLIST_CHOICEID, 0);
}

BOOL CGXTabbedChoiceSettings::Touches(const CGXStyle& style)
{
    if (style.GetInclude(CGXStyle::ibChoiceList))
        return TRUE;
    for (WORD nID : s_anSettingIds)
        if (!AttributeText(style, nID).IsEmpty())
            return TRUE;
    return FALSE;
}

CGXTabbedComboBox::CGXTabbedComboBox(CGXGridCore* pGrid, UINT nID)
    : CGXComboBox(pGrid, nID, ComboFreeText), m_pHeader(new CGXTabbedLBoxHeader(&m_header))
{
    std::fill(std::begin(m_anColWidths), std::end(m_anColWidths), -1);
    m_dwListBoxStyle = WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
}

CGXTabbedComboBox::~CGXTabbedComboBox()
{
    // The kept pop-up goes here, open or not; the combo cell must not delete it again.
    if (m_pDropDownWnd == m_pKeptPopup)
        m_pDropDownWnd = NULL;
    if (m_pKeptPopup != NULL)
    {
        BOOL bBusy = CGXGridCombo::s_bBusy;
        CGXGridCombo::s_bBusy = TRUE;
        delete m_pKeptPopup;
        CGXGridCombo::s_bBusy = bBusy;
    }
    if (m_pHeader->GetSafeHwnd() != NULL)
        m_pHeader->DestroyWindow();
    delete m_pHeader;
}

void CGXTabbedComboBox::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle check;
    check.SetControl(GX_IDS_CTRL_CHECKBOX3D)
        .SetHorizontalAlignment(DT_CENTER)
        .SetVerticalAlignment(DT_VCENTER);
    for (WORD nID : s_anSettingIds)
    {
        BOOL bCheck = nID == GX_IDS_UA_TABLIST_SHOWALLCOLS || nID == GX_IDS_UA_TABLIST_TITLES;
        pStylesMap->AddUserAttribute(nID, bCheck ? &check : NULL);
    }
}

CString CGXTabbedComboBox::Field(const CString& strLine, int nField)
{
    char sz[128];
    GXGetTabbedField(strLine, nField, sz, sizeof(sz));
    return sz;
}

BOOL CGXTabbedComboBox::FindChoiceLine(const CGXStyle& style, const CString& strValue, BOOL bByKey,
                                       CString& strLine)
{
    CGXTabbedChoiceSettings s;
    s.Read(style);
    CString strChoices = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (s.nChoiceId >= 1 && pParam != NULL)
    {
        auto& keyTables = pParam->m_mapChoiceKeyTables;
        auto& textTables = pParam->m_mapChoiceTextTables;
        if (keyTables.find(s.nChoiceId) == keyTables.end())
        {
            // Built once from the first cell of the id that needs them.
            CMapStringToString* pKeys = new CMapStringToString;
            CMapStringToString* pTexts = new CMapStringToString;
            pKeys->InitHashTable(257);
            pTexts->InitHashTable(257);
            std::vector<CString> lines = ChoiceLines(strChoices);
            CString strFound;
            for (size_t i = s.bShowHeaders ? 1 : 0; i < lines.size(); i++)
            {
                CString strKey = Field(lines[i], s.nKeyCol), strText = Field(lines[i], s.nTextCol);
                if (!pKeys->Lookup(strKey, strFound))
                    pKeys->SetAt(strKey, lines[i]);
                if (!pTexts->Lookup(strText, strFound))
                    pTexts->SetAt(strText, lines[i]);
            }
            keyTables[s.nChoiceId] = pKeys;
            delete textTables[s.nChoiceId];
            textTables[s.nChoiceId] = pTexts;
        }
        CMapStringToString* pTable = bByKey ? keyTables[s.nChoiceId] : textTables[s.nChoiceId];
        return pTable != NULL && pTable->Lookup(strValue, strLine);
    }
    return FindInChoiceList(s, strChoices, strValue, bByKey, TRUE, strLine);
}

BOOL CGXTabbedComboBox::FindInChoiceList(const CGXTabbedChoiceSettings& s, CString strChoices,
                                         const CString& strValue, BOOL bByKey, BOOL bExact, CString& strLine)
{
    if (s.nSortCol >= 0)
        strChoices = GXSortChoiceList(strChoices, s.nSortCol, s.bShowHeaders);
    return GXFindChoiceLine(strValue, bByKey ? s.nKeyCol : s.nTextCol, &strLine, s.bShowHeaders, strChoices,
                            bExact) >= 0;
}

CString CGXTabbedComboBox::ListItem(const CGXTabbedChoiceSettings& s, const CString& strLine)
{
    return s.nTextCol > 0 ? Field(strLine, s.nTextCol) + _T("\t") + strLine : strLine;
}

// -- The list and its title strip --------------------------------------------------------------

CGXGridCombo* CGXTabbedComboBox::CreateDropDownWindow(CWnd* pParent, const CRect& rect)
{
    if (m_pKeptPopup == NULL)
        m_pKeptPopup = CGXComboBox::CreateDropDownWindow(pParent, rect);
    return m_pKeptPopup;
}

CListBox* CGXTabbedComboBox::CreateListBox(CGXGridCombo* pPopup, UINT nID)
{
    if (pPopup->GetListBox() != NULL)
    {
        CGXTabbedComboLBox* pKept = (CGXTabbedComboLBox*)pPopup->GetListBox();
        pKept->ForgetActions();
        return pKept;
    }
    CRect rect(0, 0, 1, 1);
    CGXTabbedComboLBox* pList = new CGXTabbedComboLBox(this, this);
    pList->CreateEx(0, _T("COMBOLBOX"), _T(""), m_dwListBoxStyle | WS_VISIBLE | WS_BORDER | WS_CHILD, rect,
                    pPopup, nID);
    return pList;
}

void CGXTabbedComboBox::SortOnce(CGXStyle& style, CGXTabbedChoiceSettings& s, CString& strChoices)
{
    if (s.nSortCol < 0 || strChoices.IsEmpty())
        return;
    // Sorted once: the style then says the list is in order.
    strChoices = GXSortChoiceList(strChoices, s.nSortCol, s.bShowHeaders);
    style.SetChoiceList(strChoices);
    style.SetUserAttributeText(GX_IDS_UA_TABLIST_SORTCOL, _T("-1"));
    s.nSortCol = -1;
}

void CGXTabbedComboBox::LayoutChoices(CDC* pDC, const CGXTabbedChoiceSettings& s, const CString& strChoices,
                                      CGXTabbedLayout& layout)
{
    layout = CGXTabbedLayout();
    std::fill(std::begin(layout.anColWidths), std::end(layout.anColWidths), -1);
    int anMeasured[maxColumns] = {};
    int nPresent = 0;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    layout.nItemHeight = tm.tmHeight;
    BOOL bFirst = TRUE;
    for (const CString& strLine : ChoiceLines(strChoices))
    {
        nPresent = std::max(nPresent, std::min<int>(maxColumns, (int)GXSplitTabbedLine(strLine).size()));
        MeasureTabbedColumns(pDC, strLine, maxColumns, anMeasured);
        MaxTabbedBitmapHeight(strLine, layout.nItemHeight, !s.bShowAllCols, 0, maxColumns);
        CString strItem = ListItem(s, strLine);
        if (bFirst && s.bShowHeaders)
            layout.strTitles = strItem;
        else
            layout.items.push_back(strItem);
        bFirst = FALSE;
    }
    std::vector<int> widths = ParseWidths(s.strColWidths);
    int nTotal = 0;
    for (int i = 0; i < nPresent; i++)
    {
        int nWidth;
        if (i < (int)widths.size())
            nWidth = widths[i];
        else if (!s.bShowAllCols && i != s.nTextCol)
            nWidth = 0;
        else
            nWidth = anMeasured[i] + 4;
        layout.anColWidths[i] = nWidth;
        nTotal += nWidth;
        if (i + 1 < nPresent)
            layout.anEdges.push_back(nTotal);
    }
    layout.nTotalWidth = nTotal + ::GetSystemMetrics(SM_CXVSCROLL);
}

void CGXTabbedLayout::ApplyTo(CGXTabbedHeaderSettings& header, const CGXTabbedChoiceSettings& s) const
{
    header.m_strTitles = strTitles;
    header.m_anEdges = anEdges;
    header.m_bShowAllColumns = s.bShowAllCols;
    header.m_nTextCol = s.nTextCol;
    header.m_nEdgeCount = (int)anEdges.size();
}

void CGXTabbedComboBox::FillListBox(CListBox* pListBox)
{
    CGXStyle& style = LoadStyle();
    m_settings.Read(style);
    m_header.m_pFont = m_pListFont;
    CGXGridParam* pParam = m_pGrid->GetParam();
    int nGeneration = pParam != NULL ? pParam->m_nChoiceTableGeneration : 0;
    CString strText;
    GetWindowText(strText);
    // The lines are measured in the cell font as the grid shows it now (a zoom changes it).
    CClientDC dc(GetGridWnd());
    CFont* pOldFont = SelectStyleFont(&dc, style, NULL);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    CSize fontSize(tm.tmAveCharWidth, tm.tmHeight);
    if (m_bListFilled && m_nFilledChoiceId == m_settings.nChoiceId && m_nFilledGeneration == nGeneration &&
        m_sizeFilledFont == fontSize)
    {
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
        // The kept list holds these lines already; only the entry of the edit text is chosen.
        SelectEditText(pListBox, strText);
        return;
    }
    pListBox->ResetContent();
    CString strChoices = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    if (!m_bFillWithChoiceList)
        strChoices.Empty();
    SortOnce(style, m_settings, strChoices);
    CGXTabbedLayout layout;
    LayoutChoices(&dc, m_settings, strChoices, layout);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    if (!strChoices.IsEmpty())
        m_nItemHeight = layout.nItemHeight;
    for (const CString& strItem : layout.items)
        pListBox->AddString(strItem);
    std::copy(std::begin(layout.anColWidths), std::end(layout.anColWidths), m_anColWidths);
    m_nTotalWidth = layout.nTotalWidth;
    layout.ApplyTo(m_header, m_settings);
    SelectEditText(pListBox, strText);
    m_bListFilled = TRUE;
    m_nFilledChoiceId = m_settings.nChoiceId;
    m_nFilledGeneration = nGeneration;
    m_sizeFilledFont = fontSize;
}

void CGXTabbedComboBox::SelectEditText(CListBox* pListBox, const CString& strText)
{
    int nFound = pListBox->FindStringExact(-1, strText);
    if (nFound != LB_ERR)
        pListBox->SetCurSel(nFound);
    else if (pListBox->SelectString(-1, strText) == LB_ERR)
        pListBox->SetCurSel(-1);
}

CRect CGXTabbedComboBox::GetDropDownRect(const CRect& rectCell)
{
    CRect rect = CGXComboBox::GetDropDownRect(rectCell);
    rect.right = std::max<long>(rectCell.left + m_nTotalWidth, rectCell.right);
    return rect;
}

int CGXTabbedComboBox::HeaderHeight()
{
    return m_pHeader->CalcHeight();
}

void CGXTabbedComboBox::PlaceHeader()
{
    CListBox* pList = m_pDropDownWnd != NULL ? (CListBox*)m_pDropDownWnd->GetListBox() : NULL;
    if (pList == NULL || !m_settings.bShowHeaders || m_header.m_strTitles.IsEmpty())
        return;
    if (m_pHeader->GetSafeHwnd() == NULL && !m_pHeader->CreateHeader())
        return;
    int nHeight = HeaderHeight();
    CRect rectPopup, rectDesktop;
    m_pDropDownWnd->GetWindowRect(&rectPopup);
    CWnd::GetDesktopWindow()->GetClientRect(&rectDesktop);
    CRect rectCell = CGXControl::GetCellRect(m_nRow, m_nCol, NULL, &LoadStyle());
    GetGridWnd()->ClientToScreen(&rectCell);
    BOOL bBelow = rectPopup.top >= rectCell.bottom;
    if (bBelow && rectPopup.bottom + nHeight > rectDesktop.bottom)
    {
        rectPopup.OffsetRect(0, -(rectPopup.Height() + rectCell.Height()));
        bBelow = FALSE;
    }
    int nHeaderTop = bBelow ? rectPopup.top : rectPopup.top - nHeight;
    if (bBelow)
        rectPopup.OffsetRect(0, nHeight);
    rectPopup.IntersectRect(rectPopup, rectDesktop);
    m_pDropDownWnd->SetWindowPos(NULL, rectPopup.left, rectPopup.top, rectPopup.Width(), rectPopup.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    pList->SetWindowPos(NULL, 0, 0, rectPopup.Width(), rectPopup.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    // The boxes start where the list's lines do, inside its border.
    CPoint ptLines(0, 0);
    pList->ClientToScreen(&ptLines);
    m_pHeader->SetWindowPos(&CWnd::wndTopMost, ptLines.x, nHeaderTop, rectPopup.right - ptLines.x, nHeight,
                            SWP_SHOWWINDOW | SWP_NOACTIVATE);
    m_pHeader->Invalidate();
    m_pHeader->UpdateWindow();
}

void CGXTabbedComboBox::ShowDropDown(BOOL bShow)
{
    if (!bShow || IsDroppedDown() || !m_bInit)
    {
        CGXComboBox::ShowDropDown(bShow);
        return;
    }
    CGXFlagScope lock(m_pGrid->m_bLockFocusHandler);
    CGXComboBox::ShowDropDown(TRUE);
    PlaceHeader();
}

void CGXTabbedComboBox::DestroyDropDownWindow(CGXGridCombo* pPopup)
{
    if (m_pHeader->GetSafeHwnd() != NULL && m_pHeader->IsWindowVisible())
        m_pHeader->ShowWindow(SW_HIDE);
    if (pPopup == m_pKeptPopup && pPopup != NULL)
    {
        // Hidden, not destroyed: the next opening shows it again.
        pPopup->ShowWindow(SW_HIDE);
        pPopup = NULL;
    }
    CGXComboBox::DestroyDropDownWindow(pPopup);
}

void CGXTabbedComboBox::TakeListSelection(CListBox* pListBox)
{
    int nSel = pListBox->GetCurSel();
    if (nSel == LB_ERR)
        return;
    CString strLine;
    pListBox->GetText(nSel, strLine);
    SetActive(TRUE);
    SetWindowText(Field(strLine, 0));
    CEdit::SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetModify(TRUE);
    if (m_bStaticDisplay)
        Refresh();
    else
        Invalidate();
}

// -- Binding, drawing and values ---------------------------------------------------------------

void CGXTabbedComboBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXComboBox::Init(nRow, nCol);
    m_settings.Read(LoadStyle());
    m_bListFilled = FALSE;
    SetModify(FALSE);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wActivateFlags & 4) && !m_bActive && BeginEditing())
        SetActive(TRUE);
    if (GetSafeHwnd() != NULL)
        SendMessage(EM_SETREADONLY, IsReadOnly());
}

BOOL CGXTabbedComboBox::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                                   const CGXStyle* pOldStyle)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pStyle != NULL && (mode == gxOverride || mode == gxApplyNew) && pParam != NULL &&
        m_pGrid->IsCurrentCell(nRow, nCol) && CGXTabbedChoiceSettings::Touches(*pStyle))
    {
        // The tables of the id the new style names, else of the one the cell had.
        CGXTabbedChoiceSettings s;
        s.Read(AttributeText(*pStyle, GX_IDS_UA_TABLIST_CHOICEID).IsEmpty() && pOldStyle != NULL ? *pOldStyle
                                                                                                 : *pStyle);
        pParam->DropChoiceTables(s.nChoiceId);
    }
    return CGXComboBox::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
}

void CGXTabbedComboBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                             const CGXStyle* pStandardStyle)
{
    if (m_pKeptPopup != NULL && IsInitAt(nRow, nCol) && !m_pGrid->m_bDrawingInactive)
    {
        // The kept list shows the cell's colours as they are now.
        COLORREF rgbText = style.GetTextColor(), rgbBack = style.GetInterior().GetBackColor();
        if (!m_pKeptPopup->m_bColors || m_pKeptPopup->m_rgbText != rgbText ||
            m_pKeptPopup->m_rgbBack != rgbBack)
            m_pKeptPopup->SetColors(rgbText, rgbBack);
    }
    if (m_bActive && IsInitAt(nRow, nCol))
    {
        CFont* pOld = SelectStyleFont(pDC, style, pStandardStyle);
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        m_nItemHeight = tm.tmHeight;
        if (pOld != NULL)
            pDC->SelectObject(pOld);
    }
    else
    {
        // A text field naming a bitmap shows the bitmap at its own size.
        CString strText;
        FormatValueText(strText, nRow, nCol, NULL, style);
        HANDLE hDIB = strText.IsEmpty() ? NULL : GXGetDIBPool()->GetDIB(strText);
        if (hDIB != NULL)
        {
            DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
            GXDrawDIB(pDC, hDIB, GetCellRect(nRow, nCol, &rect, &style), 0, GXGetDIBAlignment(style), NULL);
            CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
            return;
        }
    }
    CGXComboBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

BOOL CGXTabbedComboBox::GetValue(CString& strResult)
{
    if (!m_bInit)
        return FALSE;
    CString strText;
    CGXEditControl::GetCurrentText(strText);
    if (strText.IsEmpty())
    {
        strResult.Empty();
        return TRUE;
    }
    CString strLine;
    if (!FindChoiceLine(LoadStyle(), strText, FALSE, strLine))
        return FALSE;
    strResult = Field(strLine, m_settings.nKeyCol);
    return TRUE;
}

BOOL CGXTabbedComboBox::FormatValueText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                        const CGXStyle& style)
{
    CString strValue = pszRawValue != NULL ? CString(pszRawValue) : style.GetValue();
    CString strLine;
    CGXTabbedChoiceSettings s;
    s.Read(style);
    strResult.Empty();
    if (!strValue.IsEmpty() && FindChoiceLine(style, strValue, TRUE, strLine))
        strResult = Field(strLine, s.nTextCol);
    return TRUE;
}

BOOL CGXTabbedComboBox::PrepareStoreText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (strText.IsEmpty())
        return TRUE;
    CString strLine;
    if (!FindChoiceLine(style, strText, FALSE, strLine))
        return FALSE;
    CGXTabbedChoiceSettings s;
    s.Read(style);
    strText = Field(strLine, s.nKeyCol);
    return TRUE;
}

BOOL CGXTabbedComboBox::CompleteText(CString& strText)
{
    if (strText.IsEmpty() || !m_bFillWithChoiceList || !m_bInit)
        return TRUE;
    const CGXStyle& style = LoadStyle();
    CString strLine;
    if (FindChoiceLine(style, strText, FALSE, strLine))
        return TRUE;
    CString strChoices = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    if (GXFindChoiceLine(strText, m_settings.nTextCol, &strLine, m_settings.bShowHeaders, strChoices, FALSE) <
        0)
        return FALSE;
    strText = Field(strLine, m_settings.nTextCol);
    return TRUE;
}

BOOL CGXTabbedComboBox::ValidateText(const CString& strText)
{
    CString strFull = strText;
    return CompleteText(strFull);
}

void CGXTabbedComboBox::SetCurrentText(const CString& str)
{
    // A beginning stands for its whole text field.
    CString strFull = str;
    if (!CompleteText(strFull))
        return;
    CGXComboBox::SetCurrentText(strFull);
    // The completed part stands selected, as when it was typed.
    if (strFull != str && GetSafeHwnd() != NULL)
    {
        CEdit::SetSel(str.GetLength(), strFull.GetLength());
        SendMessage(EM_SCROLLCARET);
    }
}

BOOL CGXTabbedComboBox::HandleText(LPCTSTR pszText)
{
    BOOL bWasActive = m_bActive;
    if (!CGXComboBox::HandleText(pszText))
        return FALSE;
    // Typed into an inactive cell: what completion added stands selected behind the typed text.
    int nTyped = pszText != NULL ? (int)strlen(pszText) : 0;
    if (!bWasActive && m_bActive && GetWindowTextLength() > nTyped)
    {
        CEdit::SetSel(nTyped, GetWindowTextLength());
        SendMessage(EM_SCROLLCARET);
    }
    return TRUE;
}

void CGXTabbedComboBox::SetValue(LPCTSTR pszRawValue)
{
    CGXComboBox::SetValue(pszRawValue);
    if (GetSafeHwnd() == NULL)
        return;
    CEdit::SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    CListBox* pListBox = DropDownList();
    if (pListBox != NULL && pListBox->GetSafeHwnd() != NULL)
    {
        CString strText;
        GetWindowText(strText);
        if (strText.IsEmpty())
            pListBox->SetCurSel(-1);
        else
            SelectEditText(pListBox, strText);
    }
}

BOOL CGXTabbedComboBox::Validate()
{
    CString strValue;
    if (m_bActive && GetModify() && !GetValue(strValue))
        return FALSE;
    return CGXComboBox::Validate();
}

// -- Typing and completion ---------------------------------------------------------------------

void CGXTabbedComboBox::AutoComplete()
{
    if (!m_bAutoComplete || !m_bFillWithChoiceList || !m_bActive || !m_bInit || IsReadOnly())
        return;
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    const CGXStyle& style = LoadStyle();
    CString strLine;
    if (!FindChoiceLine(style, strText, FALSE, strLine))
    {
        CString strChoices = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
        if (GXFindChoiceLine(strText, m_settings.nTextCol, &strLine, m_settings.bShowHeaders, strChoices,
                             FALSE) < 0)
            return;
    }
    CString strFull = Field(strLine, m_settings.nTextCol);
    if (strFull == strText)
        return;
    SetWindowText(strFull);
    SetModify(TRUE);
    CEdit::SetSel(strText.GetLength(), strFull.GetLength());
    SendMessage(EM_SCROLLCARET);
}

void CGXTabbedComboBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    BOOL bPrintable = nChar >= 32 && !IsReadOnly() && !(GetStyle() & ES_READONLY);
    if (bPrintable)
        CEdit::ReplaceSel(_T(""));
    CGXComboBox::OnChar(nChar, nRepCnt, nFlags);
    if (bPrintable)
        AutoComplete();
}

BOOL CGXTabbedComboBox::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    // A character typed while the grid holds the focus completes as one typed into the edit.
    BOOL bDone = CGXComboBox::DispatchKeyMessage(message, wParam, lParam, flags);
    if (message == WM_CHAR && wParam >= 32 && !IsReadOnly())
        AutoComplete();
    return bDone;
}
