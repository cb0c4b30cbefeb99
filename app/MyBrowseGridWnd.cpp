// CMyBrowseGridWnd: the profile table's cells, rows, copy buffer, context menu and keys.
#include "app/MyBrowseGridWnd.h"
#include "app/IRControlApp.h"
#include "app/ParameterSetDlg.h"
#include "station/record/MeasureGrid.h"
#include "station/record/QuietGridWrite.h"
#include "station/record/IRProfilRecord.h"
#include "AppIds.h"
#include "FrameworkIds.h"
#include "GridIds.h"
#include <stdlib.h>

namespace
{
int CompareIndices(const void* p1, const void* p2)
{
    DWORD d1 = *(const DWORD*)p1, d2 = *(const DWORD*)p2;
    return d1 > d2 ? 1 : d1 == d2 ? 0 : -1;
}

CString Number(int n)
{
    CString text;
    text.Format("%d", n);
    return text;
}

const int kProfilesMenu = 2; // sub-menu "Profiles" of the popup menus
} // namespace

CMyBrowseGridWnd::CMyBrowseGridWnd(CParameterSetDlg* pOwner)
    : m_pProfilRecord(new CIRProfilRecord), m_pOwner(pOwner), m_dwSpare(0), m_nSelectedRow(0),
      m_bCopyValid(FALSE)
{
}

CMyBrowseGridWnd::~CMyBrowseGridWnd()
{
    delete m_pProfilRecord;
}

BOOL CMyBrowseGridWnd::IsProtected()
{
    CIRControlApp* pApp = GetIRControlApp();
    return pApp != NULL && pApp->IsParameterSetProtected();
}

int CMyBrowseGridWnd::SetIdOfRow(ROWCOL nRow)
{
    return (int)(GetRecordFromRow(nRow) - GetHeaderRows());
}

// -- Column set-up -----------------------------------------------------------------------------

void CMyBrowseGridWnd::SetSpinColumn(ROWCOL nCol, int nMin, int nMax, int nStart)
{
    CQuietGridWrite write(this);
    CString strRange;
    AfxFormatString2(strRange, AFX_IDP_PARSE_INT_RANGE, Number(nMin), Number(nMax));
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_SPINEDIT)
        .SetUserAttributeText(GX_IDS_UA_SPINBOUND_MIN, Number(nMin))
        .SetUserAttributeText(GX_IDS_UA_SPINBOUND_MAX, Number(nMax))
        // The arrows stop at the bounds instead of wrapping round.
        .SetUserAttributeText(GX_IDS_UA_SPINBOUND_WRAP, "0")
        .SetUserAttributeText(GX_IDS_UA_SPINSTART, Number(nStart))
        // The arrows keep to the bounds; typed numbers are held to them by validation.
        .SetUserAttributeText(GX_IDS_UA_VALID_MIN, Number(nMin))
        .SetUserAttributeText(GX_IDS_UA_VALID_MAX, Number(nMax))
        .SetUserAttributeText(GX_IDS_UA_VALID_MSG, strRange)
        .SetValue(Number(nStart));
    SetStyleRange(CGXCellRange().SetCols(nCol, nCol), style);
}

void CMyBrowseGridWnd::SetCheckColumn(ROWCOL nCol, BOOL bDefault)
{
    CQuietGridWrite write(this);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_CHECKBOX3D)
        .SetUserAttributeText(GX_IDS_UA_CHECKBOX_CHECKED, "TRUE")
        .SetUserAttributeText(GX_IDS_UA_CHECKBOX_UNCHECKED, "FALSE")
        .SetVerticalAlignment(DT_VCENTER)
        .SetValue(bDefault ? "TRUE" : "FALSE");
    SetStyleRange(CGXCellRange().SetCols(nCol, nCol), style);
}

void CMyBrowseGridWnd::SetComboColumn(ROWCOL nCol, LPCTSTR pszChoices, LPCTSTR pszValue)
{
    CQuietGridWrite write(this);
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_TEXTFIT).SetChoiceList(pszChoices).SetValue(pszValue);
    SetStyleRange(CGXCellRange().SetCols(nCol, nCol), style);
}

// -- Record access -----------------------------------------------------------------------------

ROWCOL CMyBrowseGridWnd::GetColCount()
{
    return m_pProfilRecord != NULL ? (ROWCOL)m_pProfilRecord->GetColumnCount() : 0;
}

long CMyBrowseGridWnd::GetRecordCount()
{
    return m_pProfilRecord != NULL ? m_pProfilRecord->GetSetCount() : 0;
}

BOOL CMyBrowseGridWnd::LoadCellValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, const CString*)
{
    ROWCOL nField = GetFieldFromColIndex(nCol);
    if (nRow <= GetHeaderRows() || nField < 1 || nField > CIRProfilSet::FieldCount)
    {
        style.SetEnabled(FALSE);
        return FALSE;
    }
    // The row for a new set has no set yet: it shows its columns' start values, which it stores.
    if (m_pProfilRecord->FindSet(SetIdOfRow(nRow)) == NULL)
        return FALSE;
    style.SetValue(m_pProfilRecord->GetCellText(SetIdOfRow(nRow), (int)nField));
    return TRUE;
}

void CMyBrowseGridWnd::StoreCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText)
{
    ROWCOL nField = GetFieldFromColIndex(nCol);
    if (nField < 1 || nField > CIRProfilSet::FieldCount)
        AfxThrowNotSupportedException();
    // Protected sets keep their values; the next load shows them again.
    if (!IsProtected())
        m_pProfilRecord->SetCellText(SetIdOfRow(nRow), (int)nField, pszText);
}

BOOL CMyBrowseGridWnd::StoreRecordFields(ROWCOL nRow, CString* pstrError)
{
    if (GetEditMode() == CGXBrowseParam::modeAppend && !IsProtected())
        m_pProfilRecord->AddRow();
    if (!CGXBrowserWnd::StoreRecordFields(nRow, pstrError))
        return FALSE;
    // The set keeps numbers to its own limits: the row shows what it holds now, not what was typed.
    RedrawRowCol(CGXCellRange(nRow, 1, nRow, GetColCount()), GX_INVALIDATE, FALSE);
    return TRUE;
}

BOOL CMyBrowseGridWnd::DeleteRecords(const CDWordArray& awFirst, const CDWordArray& awLast)
{
    if (IsProtected())
        return FALSE;
    TransferCurrentCell(FALSE, GX_UPDATENOW, FALSE);
    CQuietGridWrite write(this);
    CDWordArray ids;
    for (INT_PTR i = 0; i < awFirst.GetSize(); i++)
        for (ROWCOL nRow = awFirst[i]; nRow <= awLast[i]; nRow++)
            ids.Add((DWORD)SetIdOfRow(nRow));
    // The grid's rows go first, last range first, while the rows still have their records.
    for (INT_PTR i = awFirst.GetSize() - 1; i >= 0; i--)
        CGXBrowserWnd::RemoveRows(awFirst[i], awLast[i], GX_NOREDRAW);
    // From the highest set down, so that no deletion renumbers a set still to be deleted.
    qsort(ids.GetData(), (size_t)ids.GetSize(), sizeof(DWORD), CompareIndices);
    for (INT_PTR i = ids.GetSize() - 1; i >= 0; i--)
        m_pProfilRecord->DeleteSet((int)ids[i]);
    FreeObjectCache();
    m_nSelectedRow = 0;
    return TRUE;
}

// -- Row operations ----------------------------------------------------------------------------

void CMyBrowseGridWnd::CopySelectedRow()
{
    if (!HasSelectedRow())
        return;
    for (int n = 0; n < CopiedColumns; n++)
        m_strCopied[n] = GetCellValueText(m_nSelectedRow, (ROWCOL)n + 1);
    m_dwSpare = 0;
    m_bCopyValid = TRUE;
}

void CMyBrowseGridWnd::PasteIntoSelectedRow()
{
    if (!HasSelectedRow() || !m_bCopyValid)
        return;
    for (int n = 0; n < CopiedColumns; n++)
        SetValueRange(CGXCellRange(m_nSelectedRow, (ROWCOL)n + 1), m_strCopied[n], gxOverride, 0,
                      GX_UPDATENOW);
    // The row's record is written as a whole now, not when the user leaves it.
    if (GetEditMode() != CGXBrowseParam::modeNone)
        Update();
    m_bCopyValid = FALSE;
}

CIRProfilSet* CMyBrowseGridWnd::GetCurrentSet()
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return NULL;
    return m_pProfilRecord->FindSet(SetIdOfRow(nRow));
}

BOOL CMyBrowseGridWnd::AppendSet(const CIRProfilSet& set)
{
    int nBefore = m_pProfilRecord->GetSetCount();
    GetBrowseParam()->m_bCanAppend = TRUE;
    if (CanAppend())
    {
        BOOL bLocked = GetParam()->m_bRedrawLocked;
        GetParam()->m_bRedrawLocked = TRUE;
        ROWCOL nRow = AddNew();
        if (nRow != (ROWCOL)-1)
        {
            SetValueRange(CGXCellRange(nRow, 1), "1");
            SetValueRange(CGXCellRange(nRow, 2), "2");
            Update();
        }
        GetParam()->m_bRedrawLocked = bLocked;
        RedrawAll(GX_UPDATENOW, FALSE);
    }
    // Only a set just appended may take the values: anything else would overwrite a profile.
    if (m_pProfilRecord->GetSetCount() <= nBefore)
        return FALSE;
    return m_pProfilRecord->PasteSet(set);
}

CString CMyBrowseGridWnd::GetCellValueText(ROWCOL nRow, ROWCOL nCol)
{
    return GetComposedValueText(nRow, nCol);
}

int CMyBrowseGridWnd::GetCellInt(ROWCOL nRow, ROWCOL nCol)
{
    return atoi(GetCellValueText(nRow, nCol));
}

// -- Mouse and keyboard ------------------------------------------------------------------------

BOOL CMyBrowseGridWnd::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt)
{
    if (nCol == 0 && nRow > GetHeaderRows() && nRow != (ROWCOL)-1)
    {
        m_nSelectedRow = nRow;
        if (m_pOwner != NULL)
            m_pOwner->ShowProfileInGraph(GetCellInt(nRow, 15), GetCellInt(nRow, 4), GetCellInt(nRow, 5),
                                         GetCellInt(nRow, 6), GetCellInt(nRow, 7),
                                         GetCellValueText(nRow, 11));
    }
    else
        m_nSelectedRow = 0;
    return CGXBrowserWnd::OnLButtonClickedRowCol(nRow, nCol, nFlags, pt);
}

BOOL CMyBrowseGridWnd::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint pt)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_POPUP_MENUS))
        return TRUE;
    CMenu* pPopup = menu.GetSubMenu(kProfilesMenu);
    CWnd* pMain = AfxGetMainWnd();
    ClientToScreen(&pt);
    if (pPopup != NULL)
        pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, pMain != NULL ? pMain : this);
    return TRUE;
}

BOOL CMyBrowseGridWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN)
    {
        // The frame's function keys and its copy and paste come first even here.
        BOOL bFrameKey = CMeasureGrid::IsFrameKeyDown();
        BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
        if (bFrameKey || (bCtrl && (pMsg->wParam == 'C' || pMsg->wParam == 'V')))
        {
            CWnd* pFrame = GetTopLevelFrame();
            if (pFrame != NULL && pFrame->PreTranslateMessage(pMsg))
                return TRUE;
        }
        // Neither closes the dialog nor ends an edit.
        if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
            return TRUE;
    }
    return CGXBrowserWnd::PreTranslateMessage(pMsg);
}

LRESULT CMyBrowseGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RBUTTONUP && HitTest(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))) == GX_NOHIT)
        return 0;
    return CGXBrowserWnd::WindowProc(message, wParam, lParam);
}
