// Cell data: storing and reading styles, and the structure changes that keep the stored
// styles with their rows and columns.
#include "grid/core/Data.h"
#include "grid/core/AppData.h"
#include <limits.h>

IMPLEMENT_SERIAL(CGXData, CObject, 1)

namespace
{
// Inserts empty entries; past the end of an array nothing is stored anyway.
void InsertEmpty(CPtrArray& a, ROWCOL nAt, ROWCOL nCount)
{
    if ((INT_PTR)nAt < a.GetSize() && nCount > 0)
        a.InsertAt((INT_PTR)nAt, (void*)NULL, (INT_PTR)nCount);
}

// The style arrays index with int: a row or column they cannot reach counts as out of memory
// instead of a write past their end.
void CheckArrayIndex(ROWCOL nIndex)
{
    if (nIndex >= (ROWCOL)INT_MAX)
        AfxThrowMemoryException();
}

CGXStyle*& StyleSlot(CPtrArray& a, ROWCOL nIndex)
{
    if ((INT_PTR)nIndex >= a.GetSize())
        a.SetSize((INT_PTR)nIndex + 1);
    return reinterpret_cast<CGXStyle*&>(a.ElementAt((INT_PTR)nIndex));
}
} // namespace

CGXData::CGXData() : m_nRows(0), m_nCols(0)
{
}

CGXData::~CGXData()
{
}

CGXData& CGXData::operator=(const CGXData& src)
{
    CopyFrom(src);
    return *this;
}

void CGXData::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetAppData()->m_pDocSerializeImp)
        pImp->SerializeData(*this, ar);
}

void CGXData::DeleteContents()
{
    m_apaRowStyles.DeleteAll();
    m_apaColStyles.DeleteAll();
    m_apapCellStyle.DeleteAll();
}

void CGXData::CopyFrom(const CGXData& src)
{
    if (&src == this)
        return;
    m_nRows = src.m_nRows;
    m_nCols = src.m_nCols;
    m_apaRowStyles = src.m_apaRowStyles;
    m_apaColStyles = src.m_apaColStyles;
    m_apapCellStyle = src.m_apapCellStyle;
}

void CGXData::InitParamObject(CGXGridParam*)
{
}

ROWCOL CGXData::QueryRowCount() const
{
    return m_nRows;
}

ROWCOL CGXData::QueryColumnCount() const
{
    return m_nCols;
}

BOOL CGXData::ResizeRowCount(ROWCOL nRows)
{
    if (nRows < m_nRows)
        return RemoveRows(nRows + 1, m_nRows);
    if (nRows > m_nRows)
        return InsertRows(m_nRows + 1, nRows - m_nRows);
    return TRUE;
}

BOOL CGXData::ResizeColumnCount(ROWCOL nCols)
{
    if (nCols < m_nCols)
        return RemoveCols(nCols + 1, m_nCols);
    if (nCols > m_nCols)
        return InsertCols(m_nCols + 1, nCols - m_nCols);
    return TRUE;
}

BOOL CGXData::InsertRows(ROWCOL nRow, ROWCOL nCount)
{
    InsertEmpty(m_apaRowStyles, nRow, nCount);
    InsertEmpty(m_apapCellStyle, nRow, nCount);
    m_nRows += nCount;
    return TRUE;
}

BOOL CGXData::InsertCols(ROWCOL nCol, ROWCOL nCount)
{
    InsertEmpty(m_apaColStyles, nCol, nCount);
    for (INT_PTR i = 0; i < m_apapCellStyle.GetSize(); i++)
        if (CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(i))
            InsertEmpty(*pRow, nCol, nCount);
    m_nCols += nCount;
    return TRUE;
}

BOOL CGXData::RemoveRows(ROWCOL nFirst, ROWCOL nLast)
{
    if (nFirst > m_nRows || nLast < nFirst)
        return TRUE;
    INT_PTR n = (INT_PTR)nLast - (INT_PTR)nFirst + 1;
    m_apaRowStyles.DeleteAt((INT_PTR)nFirst, n);
    m_apapCellStyle.DeleteAt((INT_PTR)nFirst, n);
    // Only the rows that exist go: removing past the last row must not eat further rows.
    ROWCOL nRemoved = (nLast < m_nRows ? nLast : m_nRows) - nFirst + 1;
    m_nRows -= nRemoved < m_nRows ? nRemoved : m_nRows;
    return TRUE;
}

BOOL CGXData::RemoveCols(ROWCOL nFirst, ROWCOL nLast)
{
    if (nFirst > m_nCols || nLast < nFirst)
        return TRUE;
    INT_PTR n = (INT_PTR)nLast - (INT_PTR)nFirst + 1;
    m_apaColStyles.DeleteAt((INT_PTR)nFirst, n);
    for (INT_PTR i = 0; i < m_apapCellStyle.GetSize(); i++)
        if (CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(i))
            pRow->DeleteAt((INT_PTR)nFirst, n);
    ROWCOL nRemoved = (nLast < m_nCols ? nLast : m_nCols) - nFirst + 1;
    m_nCols -= nRemoved < m_nCols ? nRemoved : m_nCols;
    return TRUE;
}

BOOL CGXData::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    INT_PTR n = (INT_PTR)nLast - (INT_PTR)nFirst + 1;
    m_apaRowStyles.MoveAt((INT_PTR)nFirst, n, (INT_PTR)nDest);
    m_apapCellStyle.MoveAt((INT_PTR)nFirst, n, (INT_PTR)nDest);
    return TRUE;
}

BOOL CGXData::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    INT_PTR n = (INT_PTR)nLast - (INT_PTR)nFirst + 1;
    m_apaColStyles.MoveAt((INT_PTR)nFirst, n, (INT_PTR)nDest);
    for (INT_PTR i = 0; i < m_apapCellStyle.GetSize(); i++)
        if (CGXStylePtrArray* pRow = m_apapCellStyle.GetRow(i))
            pRow->MoveAt((INT_PTR)nFirst, n, (INT_PTR)nDest);
    return TRUE;
}

BOOL CGXData::CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol)
{
    CGXAbstractDataCopyMoveCellsImp* pImp = GXGetAppData()->m_pDataCopyMoveCellsImp;
    return pImp != NULL ? pImp->CopyCells(*this, range, nDestRow, nDestCol) : FALSE;
}

BOOL CGXData::MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                        BOOL bCreateUndoInfo, int nReserved)
{
    CGXAbstractDataCopyMoveCellsImp* pImp = GXGetAppData()->m_pDataCopyMoveCellsImp;
    return pImp != NULL &&
           pImp->MoveCells(*this, range, nDestRow, nDestCol, pUndoInfo, bCreateUndoInfo, nReserved);
}

BOOL CGXData::ReorderRows(const CDWordArray& awOrder, ROWCOL nFirst)
{
    CGXAbstractGridSortMoveDataImp* pImp = GXGetAppData()->m_pSortMoveDataImp;
    return pImp != NULL ? pImp->MoveDataRows(*this, awOrder, nFirst) : FALSE;
}

BOOL CGXData::ReorderCols(const CDWordArray& awOrder, ROWCOL nFirst)
{
    CGXAbstractGridSortMoveDataImp* pImp = GXGetAppData()->m_pSortMoveDataImp;
    return pImp != NULL ? pImp->MoveDataCols(*this, awOrder, nFirst) : FALSE;
}

BOOL CGXData::IsCellChanged(ROWCOL, ROWCOL)
{
    m_styleScratch1.SetValuePresent(FALSE);
    return FALSE;
}

void CGXData::SetCellChanged(ROWCOL, ROWCOL, BOOL)
{
}

void CGXData::AddRecalcRange(const CGXCellRange&)
{
}

void CGXData::Recalc(BOOL)
{
}

BOOL CGXData::EvaluatesFormulas() const
{
    return FALSE;
}

void CGXData::HoldRecalc(BOOL)
{
}

BOOL CGXData::SetReportNextError(BOOL)
{
    return FALSE;
}

BOOL CGXData::GetLastErrorText(CString&)
{
    return FALSE;
}

CObject* CGXData::DetachUndoInfo()
{
    return NULL;
}

BOOL CGXData::ApplyUndoInfo(CObject*, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGXData::SetKeepUndoInfo(BOOL)
{
    return FALSE;
}

BOOL CGXData::SetRangeName(LPCTSTR, const CGXCellRange&, CObject*)
{
    return FALSE;
}

BOOL CGXData::GetRangeName(LPCTSTR, CGXCellRange&)
{
    return FALSE;
}

BOOL CGXData::DeleteRangeName(LPCTSTR, CObject*&, BOOL)
{
    return FALSE;
}

BOOL CGXData::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType)
{
    return StoreStyle(nRow, nCol, pStyle, mt, nType, NULL);
}

BOOL CGXData::AdoptStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, int nType)
{
    std::unique_ptr<CGXStyle> owned(pStyle);
    return StoreStyle(nRow, nCol, pStyle, gxOverride, nType, pStyle != NULL ? &owned : NULL);
}

BOOL CGXData::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType,
                         std::unique_ptr<CGXStyle>* pOwned)
{
    auto keep = [&]() { return pOwned != NULL ? pOwned->release() : pStyle->Clone(); };
    // Checked before anything changes; the arrays are sized by the counts.
    if (pStyle != NULL && mt != gxExclude)
    {
        if (nType == -1)
            CheckArrayIndex(nRow > 0 ? nRow : nCol);
        else
        {
            CheckArrayIndex(nRow > m_nRows ? nRow : m_nRows);
            CheckArrayIndex(nCol > m_nCols ? nCol : m_nCols);
        }
    }
    // Storing beyond the counts enlarges the table.
    if (nRow > m_nRows)
        m_nRows = nRow;
    if (nCol > m_nCols)
        m_nCols = nCol;

    if (nType == -1)
    {
        CGXStylePtrArray& a = nRow > 0 ? m_apaRowStyles : m_apaColStyles;
        ROWCOL nIndex = nRow > 0 ? nRow : nCol;
        CGXStyle* pExisting = a.GetStyle((INT_PTR)nIndex);
        if (pStyle != NULL)
        {
            if (pExisting != NULL)
                pExisting->MergeStyle(*pStyle, mt);
            else if (mt != gxExclude)
            {
                CGXStyle*& slot = StyleSlot(a, nIndex); // may grow the array: before the hand-over
                slot = keep();
            }
        }
        else if (pExisting != NULL)
        {
            delete pExisting;
            a.SetAt((INT_PTR)nIndex, NULL);
        }
        return TRUE;
    }

    if (pStyle == NULL)
    {
        CGXStylePtrArray* pRow = m_apapCellStyle.GetRow((INT_PTR)nRow);
        if (pRow != NULL && pRow->GetStyle((INT_PTR)nCol) != NULL)
        {
            delete pRow->GetStyle((INT_PTR)nCol);
            pRow->SetAt((INT_PTR)nCol, NULL);
        }
        return TRUE;
    }

    // A value typed in that the value parser reads as a number is marked as one.
    BOOL bNumber = FALSE;
    CGXAbstractNumberFormattingImp* pParser = GXGetAppData()->m_pNumberFormattingImp;
    if (pParser != NULL && mt != gxExclude && nType == 1 && pStyle->GetInclude(CGXStyle::ibValue) &&
        pStyle->GetValueType() != GX_VT_NUMBER)
    {
        double d;
        bNumber = pParser->ParseValue(pStyle->GetValue(), d);
    }

    CGXStylePtrArray* pRow = m_apapCellStyle.GetRow((INT_PTR)nRow);
    if (pRow == NULL && mt == gxExclude)
        return TRUE;
    if (pRow == NULL)
    {
        pRow = new CGXStylePtrArray;
        pRow->SetSize((INT_PTR)m_nCols + 1);
        if ((INT_PTR)nRow >= m_apapCellStyle.GetSize())
            m_apapCellStyle.SetSize((INT_PTR)m_nRows + 1);
        m_apapCellStyle.SetAt((INT_PTR)nRow, pRow);
    }
    CGXStyle* pStored = pRow->GetStyle((INT_PTR)nCol);
    if (pStored != NULL)
        pStored->MergeStyle(*pStyle, mt);
    else if (mt != gxExclude)
    {
        CGXStyle*& slot = StyleSlot(*pRow, nCol);
        pStored = slot = keep();
    }
    if (bNumber && pStored != NULL)
        pStored->SetValueType(GX_VT_NUMBER);
    return TRUE;
}

BOOL CGXData::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType)
{
    if (nRow > m_nRows || nCol > m_nCols)
        return FALSE;
    const CGXStyle* pStored;
    if (nType != -1)
    {
        CGXStylePtrArray* pRow = m_apapCellStyle.GetRow((INT_PTR)nRow);
        pStored = pRow != NULL ? pRow->GetStyle((INT_PTR)nCol) : NULL;
    }
    else if (nRow > 0)
        pStored = m_apaRowStyles.GetStyle((INT_PTR)nRow);
    else
        pStored = m_apaColStyles.GetStyle((INT_PTR)nCol);
    if (pStored == NULL)
        return FALSE;
    if (mt == gxCopy)
        style = *pStored;
    else
        style.MergeStyle(*pStored, mt);
    return TRUE;
}

BOOL CGXData::StoreValueRowCol(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue, GXModifyType mt, int nType,
                               CGXStyle* pStyle)
{
    if (pStyle == NULL)
        pStyle = &m_styleScratch2;
    pStyle->Free();
    pStyle->SetValue(pszValue);
    return StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
}
