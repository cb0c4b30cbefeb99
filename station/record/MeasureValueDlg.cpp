// CMeasureValueDlg: builds the measured-value table from the document's curves and bars.
#include "station/record/MeasureValueDlg.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ProcessStateValues.h"
#include "station/record/QuietGridWrite.h"
#include "uilib/frames/layout/LNScale.h"
#include "afxdlgs.h"
#include <algorithm>
#include "StationIds.h"
#include "ResourceText.h"

IMPLEMENT_DYNAMIC(CMeasureValueDlg, CMyDialog)

namespace
{
const int kSlopeWidth = 90;
const int kStateWidth = 60;
const UINT kFixedFormat = 2; // fixed point
const UINT kPlaces = 2;
const COLORREF kOddRow = RGB(255, 255, 255);
const COLORREF kEvenRow = RGB(0, 255, 255);

// The value as the table shows it: in measuring units when the curve scales.
double TableValue(const CMeasureCurve& curve, const CMeasureValue& value)
{
    return curve.IsScaled() ? value.GetValue() : value.GetScaledValue();
}

double TableSlope(const CMeasureValue& value)
{
    return value.GetSlope() * value.GetScale();
}

// The sample count of the list's longest curve; -1 without a curve.
INT_PTR LongestCurve(CObList& objects)
{
    INT_PTR nRows = -1;
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
            nRows = std::max<INT_PTR>(nRows, pCurve->GetValues().GetCount());
    return nRows;
}

} // namespace

CMeasureValueDlg::CMeasureValueDlg(CWnd* pParent)
    : CMyDialog(IDD_MEASURE_VALUES, pParent), m_bInitialized(FALSE)
{
}

CMeasureValueDlg::~CMeasureValueDlg()
{
    if (m_grid.GetSafeHwnd() != NULL)
        m_grid.DestroyWindow();
}

BOOL CMeasureValueDlg::Create(CWnd* pParent)
{
    return CMyDialog::Create(IDD_MEASURE_VALUES, pParent);
}

BOOL CMeasureValueDlg::DestroyWindow()
{
    return CMyDialog::DestroyWindow();
}

BOOL CMeasureValueDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    // The grid takes the template control's place, style and id.
    CRect rect(0, 0, 0, 0);
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
    if (CWnd* pPlace = GetDlgItem(IDC_MEASURE_GRID))
    {
        pPlace->GetWindowRect(&rect);
        ScreenToClient(&rect);
        dwStyle = (pPlace->GetStyle() & (WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_DISABLED)) | WS_CHILD;
        pPlace->DestroyWindow();
    }
    if (m_grid.Create(dwStyle | WS_HSCROLL | WS_VSCROLL, rect, this, IDC_MEASURE_GRID))
    {
        m_grid.OnGridInitialUpdate();
        BuildHeader();
        m_grid.GetParam()->SetUndoEnabled(FALSE);
    }
    m_bInitialized = TRUE;
    static tessaron::foundation::SECClassFactory_T<SECLNScale, SECLayoutNode> s_scale;
    SECLayoutNode* pRoot = m_factory.CreateNode(s_scale);
    m_factory.CreateChildWindowNodes(pRoot, this, NULL);
    m_factory.CreateLayoutWndListener()->AttachToWindow(pRoot, this, 0, TRUE, FALSE);
    return TRUE;
}

void CMeasureValueDlg::Refresh(CObList& objects)
{
    if (!m_bInitialized || m_grid.GetSafeHwnd() == NULL)
        return;
    BuildHeader();
    BuildColumns(objects);
    FillTable(objects);
}

void CMeasureValueDlg::BuildHeader()
{
    CQuietGridWrite write(&m_grid);
    m_grid.SetRowCount(0, GX_NOREDRAW);
    m_grid.SetColCount(0, GX_NOREDRAW);
    m_grid.SetValueRange(CGXCellRange(0, 0), LoadText(IDS_TABLE_NUMBER));
    m_grid.InsertCols(1, 1, NULL, NULL, NULL, 0, GX_NOREDRAW);
    m_grid.SetValueRange(CGXCellRange(0, 1), LoadText(IDS_TABLE_TIME));
}

void CMeasureValueDlg::BuildColumns(CObList& objects)
{
    CQuietGridWrite write(&m_grid);
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
        {
            ROWCOL nCol = m_grid.GetColCount() + 1;
            m_grid.SetColCount(nCol + 1, GX_NOREDRAW);
            m_grid.SetValueRange(CGXCellRange(0, nCol), pCurve->GetName());
            m_grid.SetValueRange(CGXCellRange(0, nCol + 1), LoadText(IDS_TABLE_SLOPE));
            m_grid.SetColWidth(nCol + 1, nCol + 1, kSlopeWidth, NULL, GX_NOREDRAW);
        }
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CProcessStateCurve* pBar = dynamic_cast<CProcessStateCurve*>(objects.GetNext(pos)))
        {
            ROWCOL nCol = m_grid.GetColCount() + 1;
            m_grid.SetColCount(nCol, GX_NOREDRAW);
            m_grid.SetValueRange(CGXCellRange(0, nCol), pBar->GetName());
            m_grid.SetColWidth(nCol, nCol, kStateWidth, NULL, GX_NOREDRAW);
        }
}

COLORREF CMeasureValueDlg::GetRowColor(ROWCOL nRow)
{
    return (nRow % 2) != 0 ? kOddRow : kEvenRow;
}

void CMeasureValueDlg::WriteCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& value, BOOL bNumber)
{
    CGXGridParam* pParam = m_grid.GetParam();
    pParam->m_bProtectReadOnly = FALSE;
    const CGXCellRange cell(nRow, nCol);
    m_grid.SetStyleRange(cell, &value, gxOverride, 0, NULL, GX_UPDATENOW);
    CGXStyle colour;
    colour.SetInterior(GetRowColor(nRow));
    m_grid.SetStyleRange(cell, &colour, gxOverride, 0, NULL, GX_UPDATENOW);
    CGXStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    m_grid.SetStyleRange(cell, &readOnly, gxOverride, 0, NULL, GX_UPDATENOW);
    if (bNumber)
    {
        CGXStyle format;
        format.SetFormat(kFixedFormat).SetPlaces(kPlaces);
        m_grid.SetStyleRange(cell, &format, gxOverride, 0, NULL, GX_UPDATENOW);
    }
    pParam->m_bProtectReadOnly = TRUE;
}

void CMeasureValueDlg::SetValueCell(ROWCOL nRow, ROWCOL nCol, double dValue)
{
    CGXStyle* pStyle = m_grid.CreateStyle();
    pStyle->SetNumberValue(dValue);
    WriteCell(nRow, nCol, *pStyle, TRUE);
    m_grid.RecycleStyle(pStyle);
}

void CMeasureValueDlg::SetTextCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText)
{
    CGXStyle* pStyle = m_grid.CreateStyle();
    pStyle->SetValue(pszText);
    pStyle->SetValueType(GX_VT_TEXT).SetValuePresent(TRUE);
    WriteCell(nRow, nCol, *pStyle, FALSE);
    m_grid.RecycleStyle(pStyle);
}

void CMeasureValueDlg::ShowRow(ROWCOL nRow)
{
    m_grid.ScrollCellInView(nRow, m_grid.GetLeftCol(), GX_UPDATENOW);
}

void CMeasureValueDlg::FillTable(CObList& objects)
{
    if (m_grid.GetSafeHwnd() == NULL)
        return;
    // The rows follow the longest curve: a later curve may hold more samples than the first.
    const INT_PTR nRows = LongestCurve(objects);
    ROWCOL nLastRow = 0;
    {
        CQuietGridWrite write(&m_grid);
        if (nRows >= 0)
            m_grid.SetRowCount((ROWCOL)nRows, GX_UPDATENOW);
        ROWCOL nCol = 1;
        ROWCOL nTimes = 0; // rows whose time is written
        for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        {
            CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos));
            if (pCurve == NULL)
                continue;
            ROWCOL nRow = 0;
            CObList& values = pCurve->GetValues();
            for (POSITION pos2 = values.GetHeadPosition(); pos2 != NULL;)
            {
                CMeasureValue* pValue = dynamic_cast<CMeasureValue*>(values.GetNext(pos2));
                if (pValue == NULL)
                    continue;
                nRow++;
                if (nRow > nTimes)
                {
                    SetValueCell(nRow, 1, pValue->GetTime());
                    nTimes = nRow;
                }
                SetValueCell(nRow, nCol + 1, TableValue(*pCurve, *pValue));
                SetValueCell(nRow, nCol + 2, TableSlope(*pValue));
            }
            nLastRow = std::max(nLastRow, nRow);
            nCol += 2;
        }
        nCol++;
        for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        {
            CProcessStateCurve* pBar = dynamic_cast<CProcessStateCurve*>(objects.GetNext(pos));
            if (pBar == NULL)
                continue;
            ROWCOL nRow = 0;
            CObList& states = pBar->GetValues();
            for (POSITION pos2 = states.GetHeadPosition(); pos2 != NULL;)
                if (CProcessStateValues* pState = dynamic_cast<CProcessStateValues*>(states.GetNext(pos2)))
                    SetTextCell(++nRow, nCol, pState->GetStateText());
            nLastRow = std::max(nLastRow, nRow);
            nCol++;
        }
    }
    ShowRow(nLastRow + 1);
}

void CMeasureValueDlg::UpdateTable(CObList& objects)
{
    if (m_grid.GetSafeHwnd() == NULL)
        return;
    // Samples that came without an update (a recording's first ones arrive before its first
    // process state) would be missing from the table and its export for good: fill it anew.
    const INT_PTR nLongest = LongestCurve(objects);
    if (nLongest < 0)
        return;
    if ((INT_PTR)m_grid.GetRowCount() + 1 < nLongest)
    {
        FillTable(objects);
        return;
    }
    ROWCOL nRows = m_grid.GetRowCount();
    {
        CQuietGridWrite write(&m_grid);
        if ((INT_PTR)nRows < nLongest)
        {
            m_grid.InsertRows(nRows + 1, 1, NULL, NULL, NULL, 0, GX_UPDATENOW);
            nRows++;
        }
        // Each sample goes to its own row, as FillTable puts it: a bar that missed a sample (its
        // state came after two samples) fills its rows in order and leaves none empty.
        ROWCOL nCol = 1;
        bool bFirst = true;
        for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        {
            CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos));
            if (pCurve == NULL)
                continue;
            WriteNewest<CMeasureValue>(pCurve->GetValues(), nCol + 1, nRows,
                                       [&](ROWCOL nRow, CMeasureValue& value) {
                                           if (bFirst)
                                               SetValueCell(nRow, 1, value.GetTime());
                                           SetValueCell(nRow, nCol + 1, TableValue(*pCurve, value));
                                           SetValueCell(nRow, nCol + 2, TableSlope(value));
                                       });
            bFirst = false;
            nCol += 2;
        }
        nCol++;
        for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        {
            CProcessStateCurve* pBar = dynamic_cast<CProcessStateCurve*>(objects.GetNext(pos));
            if (pBar == NULL)
                continue;
            WriteNewest<CProcessStateValues>(pBar->GetValues(), nCol, nRows,
                                             [&](ROWCOL nRow, CProcessStateValues& state) {
                                                 SetTextCell(nRow, nCol, state.GetStateText());
                                             });
            nCol++;
        }
    }
    ShowRow(nRows + 1);
}

BOOL CMeasureValueDlg::HasValue(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    return m_grid.GetStyleRowCol(nRow, nCol, style, gxCopy, 0) && style.GetInclude(CGXStyle::ibValue);
}

template <class T, class Write>
void CMeasureValueDlg::WriteNewest(CObList& entries, ROWCOL nCheckCol, ROWCOL nRows, Write write)
{
    // Entry n belongs to row n; from the newest back to the first one the table already has.
    ROWCOL nRow = (ROWCOL)entries.GetCount();
    for (POSITION pos = entries.GetTailPosition(); pos != NULL && nRow >= 1; nRow--)
    {
        T* pEntry = dynamic_cast<T*>(entries.GetPrev(pos));
        if (pEntry == NULL)
            break;
        if (nRow > nRows)
            continue;
        if (HasValue(nRow, nCheckCol))
            break;
        write(nRow, *pEntry);
    }
}

BOOL CMeasureValueDlg::ExportToExcel()
{
    CFileDialog dlg(FALSE, ".xls", NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Excel 97 Files (*.xls)|*.xls|All Files (*.*)|*.*||", this);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    // The writer reports its own errors; a refused grid is no export.
    return m_grid.SaveExcelFile(dlg.GetPathName());
}
