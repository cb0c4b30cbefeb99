// CGXControl: texts going into cells, the control's own clipboard and find/replace defaults,
// and choice-list lookup. Window-based controls override what concerns their window.
#include "grid/core/Control.h"
#include "grid/core/AppData.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridComponents.h"
#include "grid/core/GridCore.h"
#include <mbstring.h>

void CGXControl::NotifyModified()
{
    if (GetModify())
        m_pGrid->OnModifyCell(m_nRow, m_nCol);
}

BOOL CGXControl::QueryClearText()
{
    return m_pGrid->OnClearCellText(m_nRow, m_nCol);
}

BOOL CGXControl::QueryGridEditHook(int nArg1, int nArg2)
{
    return m_pGrid->OnCellEditHook(m_nRow, m_nCol, nArg1, nArg2);
}

void CGXControl::SetCurrentText(const CString& str)
{
    if (m_bInit)
        m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), str, gxOverride, 0, GX_UPDATENOW);
}

BOOL CGXControl::PrepareStoreText(CString&, ROWCOL, ROWCOL, const CGXStyle&)
{
    return TRUE;
}

BOOL CGXControl::StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                                 const CGXStyle* pStyle)
{
    CGXStyle* pScratch = NULL;
    if (pStyle == NULL)
    {
        pScratch = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pScratch);
        pStyle = pScratch;
    }
    CString strText = pszText;
    BOOL bOk = PrepareStoreText(strText, nRow, nCol, *pStyle);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (bOk && pParam->m_bProtectReadOnly &&
        (m_pGrid->IsReadOnly() || (pStyle->GetInclude(CGXStyle::ibReadOnly) && pStyle->GetReadOnly())))
        bOk = FALSE;
    if (bOk)
    {
        WORD nMax = pStyle->GetInclude(CGXStyle::ibMaxLength) ? pStyle->GetMaxLength() : 0;
        if (nMax != 0 && strText.GetLength() > (int)nMax)
            strText = strText.Left(nMax);
        bOk = m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), strText, gxOverride, 0, flags);
    }
    if (pScratch != NULL)
        m_pGrid->RecycleStyle(pScratch);
    return bOk;
}

BOOL CGXControl::ConvertValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    CString str;
    if (m_bInit && m_pGrid->IsCurrentCell(nRow, nCol) && GetValue(str))
        style.SetValue(str);
    return FALSE;
}

int CGXControl::FindInChoiceList(CString& strResult, LPCTSTR pszText, LPCTSTR pszChoiceList, BOOL bExactOnly)
{
    if (pszText == NULL || *pszText == 0)
        return -1;
    CString strList = pszChoiceList != NULL ? pszChoiceList : "", strLine, strPrefix;
    int nPrefix = -1, nLen = (int)strlen(pszText);
    for (int i = 0; !strList.IsEmpty(); i++)
    {
        GXTakeFirstLine(strList, strLine);
        if (_mbsicmp((const unsigned char*)(LPCTSTR)strLine, (const unsigned char*)pszText) == 0)
        {
            strResult = strLine;
            return i;
        }
        if (nPrefix < 0 && !bExactOnly &&
            _mbsnbicmp((const unsigned char*)(LPCTSTR)strLine, (const unsigned char*)pszText, nLen) == 0)
        {
            nPrefix = i;
            strPrefix = strLine;
        }
    }
    if (nPrefix >= 0)
    {
        strResult = strPrefix;
        return nPrefix;
    }
    strResult.Empty();
    return -1;
}

// -- Clipboard ---------------------------------------------------------------------------------

BOOL CGXControl::Copy()
{
    if (IsActive())
    {
        CString strText;
        GetSelectedText(strText);
        if (strText.IsEmpty())
            return FALSE;
        // The clipboard is not emptied: formats the grid already put there stay.
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, strText.GetLength() + 1);
        if (hMem == NULL)
            return FALSE;
        memcpy(::GlobalLock(hMem), (LPCTSTR)strText, strText.GetLength() + 1);
        ::GlobalUnlock(hMem);
        CWnd* pGridWnd = GetGridWnd();
        if (!::OpenClipboard(pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL))
        {
            ::GlobalFree(hMem);
            return FALSE;
        }
        BOOL bOk = ::SetClipboardData(CF_TEXT, hMem) != NULL;
        ::CloseClipboard();
        if (!bOk)
            ::GlobalFree(hMem);
        return bOk;
    }
    if (m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
    {
        CGXRangeList list;
        list.AddTail(new CGXCellRange(m_nRow, m_nCol));
        return m_pGrid->CopyRangesToClipboard(list);
    }
    return FALSE;
}

BOOL CGXControl::Cut()
{
    if (IsActive())
    {
        if (!Copy())
            return FALSE;
        ReplaceSel("");
        return TRUE;
    }
    if (m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
    {
        CGXRangeList list;
        list.AddTail(new CGXCellRange(m_nRow, m_nCol));
        // Copied first: a cut that only cleared would lose the cell.
        return m_pGrid->CopyRangesToClipboard(list) &&
               m_pGrid->ClearCells(list, (m_pGrid->m_nClipboardFlags & 0x0010) != 0);
    }
    return FALSE;
}

BOOL CGXControl::GridTakesPaste() const
{
    UINT nFormat = GXGetAppData()->m_uiStylesClipboardFormat;
    return nFormat != 0 && ::IsClipboardFormatAvailable(nFormat) &&
           m_pGrid->GetParam()->m_SelectedRanges.GetCount() > 0;
}

BOOL CGXControl::BeginClearingByDelete()
{
    return m_pGrid->GetParam()->m_wDeleteHandling == 0 && (::GetKeyState(VK_SHIFT) & 0x8000) == 0 &&
           !IsReadOnly() && QueryClearText() && BeginEditing();
}

void CGXControl::GiveFocusToGrid(HWND hWnd)
{
    CWnd* pGridWnd = GetGridWnd();
    if (hWnd != NULL && ::GetFocus() == hWnd && pGridWnd != NULL && pGridWnd->GetSafeHwnd() != NULL)
        pGridWnd->SetFocus();
}

BOOL CGXControl::CanPaste()
{
    if (GridTakesPaste() || !m_bInit || !IsActive() || IsReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT);
}

BOOL CGXControl::Paste()
{
    if (GridTakesPaste() || !m_bInit || !IsActive() || IsReadOnly())
        return FALSE;
    CWnd* pGridWnd = GetGridWnd();
    BOOL bOpened = FALSE;
    if (::GetOpenClipboardWindow() == NULL)
    {
        if (!::OpenClipboard(pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL))
            return FALSE;
        bOpened = TRUE;
    }
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData == NULL)
        hData = ::GetClipboardData(CF_OEMTEXT);
    BOOL bRead = FALSE;
    CString strText;
    if (hData != NULL)
    {
        LPCSTR p = (LPCSTR)::GlobalLock(hData);
        if (p != NULL)
        {
            // Read no further than the block, whether or not it ends in a NUL.
            SIZE_T nSize = ::GlobalSize(hData);
            strText = CString(p, (int)strnlen(p, nSize));
            ::GlobalUnlock(hData);
            bRead = TRUE;
        }
    }
    if (bOpened)
        ::CloseClipboard();
    if (bRead && ValidatePaste(strText))
        ReplaceSel(strText);
    return bRead;
}

BOOL CGXControl::CanCopy()
{
    return m_bInit;
}

BOOL CGXControl::CanCut()
{
    return m_bInit && !IsReadOnly();
}

void CGXControl::GetStyleValueText(const CGXStyle& style, CString& strResult)
{
    strResult = style.GetValue();
}

// -- Find and replace --------------------------------------------------------------------------

BOOL CGXControl::FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                          BOOL bSelect)
{
    CGXAbstractGridFindReplaceImp* pImp = m_pGrid->m_pFindReplaceImp;
    return pImp != NULL ? pImp->FindTextInCell(this, find, nRow, nCol, bAtCaret, bSelect) : FALSE;
}

void CGXControl::ReplaceSel(LPCTSTR pszText)
{
    if (m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), pszText, gxOverride, 0, GX_UPDATENOW);
}

BOOL CGXControl::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    CGXAbstractGridFindReplaceImp* pImp = m_pGrid->m_pFindReplaceImp;
    return pImp != NULL ? pImp->ReplaceAllInCell(this, find, nRow, nCol) : FALSE;
}

BOOL CGXControl::GetSelectedText(CString& strResult)
{
    GetCurrentText(strResult);
    return FALSE;
}

BOOL CGXControl::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

HBRUSH CGXControl::OnGridCtlColor(CDC*, CWnd*, UINT)
{
    return NULL;
}

BOOL CGXControl::ValidatePaste(const CString&)
{
    return TRUE;
}

void CGXControl::OnInvalidText(const CString&)
{
}

BOOL CGXControl::IsMarkedHeaderCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_pGrid->IsMarkedHeader(nRow, nCol, style);
}

void CGXControl::NotifyGridKillFocus(CWnd* pNewWnd)
{
    CWnd* pGridWnd = GetGridWnd();
    HWND hGrid = pGridWnd != NULL ? pGridWnd->GetSafeHwnd() : NULL;
    HWND hNew = pNewWnd != NULL ? pNewWnd->GetSafeHwnd() : NULL;
    if (hGrid == NULL || hNew == hGrid || (hNew != NULL && ::IsChild(hGrid, hNew)) ||
        m_pGrid->m_bLockFocusHandler)
        return;
    pGridWnd->SendMessage(WM_KILLFOCUS, (WPARAM)hNew);
}
