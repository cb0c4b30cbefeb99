// CMeasureValueDlg: the modeless tab "Mess- und Prozesswerte": every sample of a recording as a
// row of its grid (time, value and slope per curve, state per process bar), and the export of
// that grid as an Excel 97 workbook. The recording document owns it; it owns the grid.
#pragma once
#include "station/record/MeasureGrid.h"
#include "station/record/MyDialog.h"
#include "uilib/frames/layout/LayoutFactory.h"

class CMeasureValueDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CMeasureValueDlg)

  public:
    // Construction
    explicit CMeasureValueDlg(CWnd* pParent = NULL);
    ~CMeasureValueDlg() override;
    using CMyDialog::Create;
    BOOL Create(CWnd* pParent);

    // Attributes
    CMeasureGrid& GetGrid()
    {
        return m_grid;
    }
    BOOL IsInitialized() const
    {
        return m_bInitialized;
    }

    // Operations
    // Headings, columns and rows anew from the document's objects; nothing before initialisation.
    void Refresh(CObList& objects);
    void BuildHeader();
    void BuildColumns(CObList& objects);
    // Every sample of the list's curves and bars; the rows follow the longest curve.
    void FillTable(CObList& objects);
    // One row more for the newest sample; each curve's and bar's newest entries go to their own
    // rows, so the grown table is the one FillTable makes.
    void UpdateTable(CObList& objects);
    void SetValueCell(ROWCOL nRow, ROWCOL nCol, double dValue);
    void SetTextCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText);
    static COLORREF GetRowColor(ROWCOL nRow);
    // TRUE when a workbook was written; FALSE when the user cancelled or the writer refused.
    BOOL ExportToExcel();

    // Overrides
    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;

    // Implementation
  protected:
    // Writes one styled, read-only cell; the protection of read-only cells is lifted meanwhile.
    void WriteCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& value, BOOL bNumber);
    // Scrolls the row into view at the grid's left column.
    void ShowRow(ROWCOL nRow);
    BOOL HasValue(ROWCOL nRow, ROWCOL nCol);
    // Writes the list's entries from the newest back to the first whose row has a value in
    // nCheckCol already (rows beyond nRows are left out).
    template <class T, class Write>
    void WriteNewest(CObList& entries, ROWCOL nCheckCol, ROWCOL nRows, Write write);

    CMeasureGrid m_grid;
    SECLayoutFactory m_factory;
    BOOL m_bInitialized;
};
