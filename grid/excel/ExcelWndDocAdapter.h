// The workbook adapter of one grid window: every sheet ordinal means that grid. Made on the
// stack for one save.
#pragma once
#include "grid/excel/ExcelDocAdapter.h"

class CGXExcelWndDocAdapter : public CGXExcelDocAdapter
{
  public:
    // Construction
    CGXExcelWndDocAdapter();

    // Overridables
    void SerializeWorkbook(CArchive& ar, BOOL bDirect) override;
    void Serialize(CArchive& ar) override;
    CGXGridParam* GetGridParam(UINT nSheet) override;
    CGXGridCore* GetGrid(UINT nSheet) override;
    int FindSheet(CWnd* pWnd) override;
    CGXDocument* GetDocument() override;
    CWnd* GetTabWnd() override;
    CGXExcelDocAdapter* GetOwnerAdapter() override;
    // A window is never counted: nothing to prepare.
    void PrepareSheet(UINT nSheet, UINT nSecond) override;
    virtual void PrepareFirstSheet(UINT nSheet);

    // Operations
    // Writes the grid as a one-sheet workbook; TRUE when the file was written (errors are shown).
    BOOL SaveDocument(LPCTSTR pszPath);

    // Attributes
    CGXGridCore* m_pGrid = NULL;
};
