// The measured-value table of a running recording holds every sample of every curve and bar, cell
// for cell, both as it grows and after it is filled anew.
#include "FirstStart.h"
#include "AppIds.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureGrid.h"
#include "station/record/MeasureValue.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ProcessStateCurve.h"
#include "station/record/ProcessStateValues.h"
#include <cmath>
#include <sstream>

using namespace testing_support;

namespace
{
// What a cell must hold: a number, a text, or nothing.
struct ExpectedCell
{
    enum Kind
    {
        None,
        Number,
        Text
    } kind = None;
    double number = 0;
    CString text;
};

// The table the document's curves and bars make: the time and each curve's value and slope by
// sample, then each bar's state by entry.
std::vector<std::vector<ExpectedCell>> ExpectedTable(CIRControlDoc* pDoc, ROWCOL nRows, ROWCOL nCols)
{
    std::vector<std::vector<ExpectedCell>> table(nRows + 1, std::vector<ExpectedCell>(nCols + 1));
    CObList& objects = pDoc->GetObjects();
    ROWCOL nCol = 2;
    bool bTimes = false;
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
        {
            ROWCOL nRow = 0;
            for (POSITION at = pCurve->GetValues().GetHeadPosition(); at != NULL;)
            {
                CMeasureValue* pValue = (CMeasureValue*)pCurve->GetValues().GetNext(at);
                if (++nRow > nRows || nCol + 1 > nCols)
                    break;
                if (!bTimes)
                    table[nRow][1] = {ExpectedCell::Number, (double)pValue->GetTime(), ""};
                table[nRow][nCol] = {ExpectedCell::Number,
                                     pCurve->IsScaled() ? pValue->GetValue() : pValue->GetScaledValue(), ""};
                table[nRow][nCol + 1] = {ExpectedCell::Number, pValue->GetSlope() * pValue->GetScale(), ""};
            }
            bTimes = true;
            nCol += 2;
        }
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CProcessStateCurve* pBar = dynamic_cast<CProcessStateCurve*>(objects.GetNext(pos)))
        {
            ROWCOL nRow = 0;
            for (POSITION at = pBar->GetValues().GetHeadPosition(); at != NULL;)
            {
                CProcessStateValues* pState = (CProcessStateValues*)pBar->GetValues().GetNext(at);
                if (++nRow > nRows || nCol > nCols)
                    break;
                table[nRow][nCol] = {ExpectedCell::Text, 0, pState->GetStateText()};
            }
            nCol++;
        }
    return table;
}

// Every cell of the grid against the document; the differences, one per line.
std::string Differences(CIRControlDoc* pDoc, CMeasureGrid& grid)
{
    const ROWCOL nRows = grid.GetRowCount(), nCols = grid.GetColCount();
    const auto expected = ExpectedTable(pDoc, nRows, nCols);
    std::ostringstream out;
    for (ROWCOL nRow = 1; nRow <= nRows; nRow++)
        for (ROWCOL nCol = 1; nCol <= nCols; nCol++)
        {
            const ExpectedCell& cell = expected[nRow][nCol];
            CGXStyle style;
            grid.ComposeStyleRowCol(nRow, nCol, &style);
            const CString value = style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString();
            bool bSame = cell.kind == ExpectedCell::None ? value.IsEmpty()
                         : cell.kind == ExpectedCell::Text
                             ? value == cell.text
                             : !value.IsEmpty() && std::fabs(atof(value) - cell.number) < 1e-6;
            if (!bSame)
                out << "cell " << nRow << "," << nCol << ": \"" << (LPCTSTR)value << "\", expected "
                    << (cell.kind == ExpectedCell::None   ? std::string("nothing")
                        : cell.kind == ExpectedCell::Text ? std::string(cell.text)
                                                          : std::to_string(cell.number))
                    << "\n";
        }
    return out.str();
}
} // namespace

TEST_F(FirstStart, TheValueTableHoldsEverySampleAsItGrowsAndWhenFilledAnew)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    ASSERT_TRUE(PumpUntil([&] { return m_pView->IsOnline(); }, 10000));
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return m_pView->IsRecording(); }, 3000));
    CMeasureGrid& grid = m_pDoc->GetMeasureValueDlg()->GetGrid();
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return grid.GetRowCount() >= 8; }, 20000));
    m_pView->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(PumpAsTheApplicationUntil([&] { return !m_pView->IsRecording(); }, 3000));
    PumpAsTheApplication(1500);

    EXPECT_EQ("", Differences(m_pDoc, grid)) << "as it grew";
    // Filled anew, as when the recording becomes the active one again.
    m_pDoc->UpdateMeasureValues(TRUE);
    EXPECT_EQ("", Differences(m_pDoc, grid)) << "filled anew";
    EXPECT_GE(grid.GetRowCount(), 8u);
    m_pDoc->SetModifiedFlag(FALSE);
}
