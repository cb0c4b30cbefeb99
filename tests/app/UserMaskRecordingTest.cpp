// The recording's table dialogs in the program's own table bar: the active recording's user mask
// and measured-value table are tabs 1 and 2, F9 brings the user mask forward, and the table is
// headed by the recording's visible curves (with their slopes) and its six bars.
#include "FirstStart.h"
#include "app/MeasureTableWnd.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValueDlg.h"
#include "station/record/ProcessStateCurve.h"
#include "AppIds.h"
#include <vector>

using namespace testing_support;

namespace
{
void TypeKey(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
}

CWnd* TabWindow(SEC3DTabWnd& tabs, int nIndex)
{
    LPCTSTR label = NULL;
    BOOL bSelected = FALSE;
    CWnd* pWnd = NULL;
    DWORD dw1 = 0, dw2 = 0;
    return tabs.GetTabInfo(nIndex, label, bSelected, pWnd, dw1, dw2) ? pWnd : NULL;
}
} // namespace

TEST_F(FirstStart, RecordingShowsItsUserMaskAndTable)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetIRControlApp()->m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    CIRControlView* pView = ActiveRecording(pFrame);
    ASSERT_TRUE(pView != NULL);
    CIRControlDoc* pDoc = pView->GetDocument();
    SEC3DTabWnd& tabs = pFrame->GetMeasureTableWnd().GetTabWnd();
    ASSERT_EQ(3, tabs.GetTabCount());
    EXPECT_EQ(pDoc->GetParameterDlg(), TabWindow(tabs, CMeasureTableWnd::TabUserMask));
    EXPECT_EQ(pDoc->GetMeasureValueDlg(), TabWindow(tabs, CMeasureTableWnd::TabMeasureValues));

    // The table's headings: time, each visible curve with its slope, the six bars.
    CMeasureGrid& grid = pDoc->GetMeasureValueDlg()->GetGrid();
    std::vector<CString> expected = {"Nr.", "Zeit/s"};
    CObList& objects = pDoc->GetObjects();
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
        {
            expected.push_back(pCurve->GetName());
            expected.push_back("dT/dt");
        }
    ASSERT_GE(expected.size(), 4u) << "a visible curve at least";
    for (int n = 0; n < CIRControlDoc::BarCount; n++)
        expected.push_back(pDoc->GetBar(n)->GetName());
    ASSERT_EQ(expected.size() - 1, grid.GetColCount());
    for (ROWCOL nCol = 0; nCol < expected.size(); nCol++)
        EXPECT_STREQ(expected[nCol], grid.GetComposedValueText(0, nCol)) << nCol;

    ASSERT_TRUE(PumpUntil([&] { return pView->IsOnline(); }, 10000));
    tabs.ActivateTab(CMeasureTableWnd::TabProfiles);
    pFrame->SetForegroundWindow();
    pView->SetFocus();
    PumpAsTheApplication(100);
    TypeKey(VK_F9);
    EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return pView->IsRecording(); }, 3000));
    EXPECT_EQ(pDoc->GetParameterDlg(), tabs.GetActiveWnd()) << "recording shows the user mask";
    EXPECT_TRUE(pDoc->GetParameterDlg()->IsWindowVisible());
    EXPECT_FALSE(pDoc->GetTestDate().IsEmpty());
    CString date;
    pDoc->GetParameterDlg()->GetDlgItem(IDC_MASK_DATE)->GetWindowText(date);
    EXPECT_STREQ(pDoc->GetTestDate(), date);
    TypeKey(VK_F9);
    EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return !pView->IsRecording(); }, 3000));
}
