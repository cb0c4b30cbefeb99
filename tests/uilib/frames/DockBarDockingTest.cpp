// Putting bars into a dock bar's rows and taking them out: placeholders, logical positions,
// drops onto the bar's own place, and the feedback rectangle of a drag along a row.
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameWnd.h"
#include <vector>

using namespace testing_support;

namespace
{
struct DockFrame
{
    CFrameWnd* pFrame;
    SECDockBar* pDock;
    std::vector<SECControlBar*> bars;

    explicit DockFrame(int nBars)
    {
        pFrame = new CFrameWnd;
        pFrame->Create(NULL, _T("Docking test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(80, 80, 680, 480));
        pDock = new SECDockBar;
        pDock->Create(pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_ALIGN_TOP,
                      AFX_IDW_DOCKBAR_TOP);
        for (int i = 0; i < nBars; ++i)
        {
            SECControlBar* pBar = new SECControlBar;
            pBar->m_szDefault = CSize(100, 50);
            pBar->Create(pFrame, _T("Bar"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x200 + i);
            pBar->m_bAutoDelete = TRUE;
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            pBar->m_fPctWidth = 0.5f;
            bars.push_back(pBar);
        }
    }
    ~DockFrame()
    {
        pFrame->DestroyWindow();
    }
    // Docks the bars in the given rows (bar numbers) and lays them out.
    void Rows(const std::vector<std::vector<int>>& rows)
    {
        for (const auto& row : rows)
            for (int n : row)
                pDock->DockControlBar(bars[n], NULL);
        pDock->m_arrBars.RemoveAll();
        pDock->m_arrBars.Add(NULL);
        for (const auto& row : rows)
        {
            for (int n : row)
                pDock->m_arrBars.Add(bars[n]);
            pDock->m_arrBars.Add(NULL);
        }
        pFrame->RecalcLayout();
    }
    // The array as bar numbers, -1 for NULL, 1000 + id for a placeholder.
    std::vector<int> Entries() const
    {
        std::vector<int> v;
        for (int i = 0; i < pDock->m_arrBars.GetSize(); ++i)
        {
            void* p = pDock->m_arrBars[i];
            int n = -1;
            if (CDockBar::IsPlaceHolder(p))
                n = 1000 + (int)(UINT_PTR)p;
            else
                for (size_t k = 0; k < bars.size(); ++k)
                    if (p == bars[k])
                        n = (int)k;
            v.push_back(n);
        }
        return v;
    }
};

TEST(DockBarDocking, PositionRecordsPlaceTheBar)
{
    using P = SECDockBarPosition;
    struct Row
    {
        const char* name;
        P pos;
        std::vector<int> expected;
    } rows[] = {
        {"row 0 column 0", {0, 0, 0}, {-1, 3, 0, 1, -1, 2, -1}},
        {"row 1 column 0", {1, 0, 0}, {-1, 0, 1, -1, 3, 2, -1}},
        {"row 0 column 1", {0, 1, 0}, {-1, 0, 3, 1, -1, 2, -1}},
        {"column beyond the row", {0, 5, 0}, {-1, 0, 1, 3, -1, 2, -1}},
        {"new row", {0, 0, P::newRow}, {-1, 3, -1, 0, 1, -1, 2, -1}},
        {"row beyond the rows", {5, 0, 0}, {-1, 0, 1, -1, 2, -1, 3, -1}},
        {"row -1", {-1, 0, 0}, {-1, 3, -1, 0, 1, -1, 2, -1}},
        {"row -2", {-2, 0, 0}, {-1, 3, -1, -1, 0, 1, -1, 2, -1}},
        {"last row", {0, 0, P::rowsFromEnd}, {-1, 0, 1, -1, 3, 2, -1}},
        {"last column", {0, 0, P::columnsFromEnd}, {-1, 0, 3, 1, -1, 2, -1}},
        {"two rows after the end", {2, 0, P::rowsFromEnd}, {-1, 0, 1, -1, 2, -1, -1, 3, -1}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        DockFrame fix(4);
        fix.Rows({{0, 1}, {2}});
        fix.pDock->InsertBarAtPosition(fix.bars[3], row.pos);
        EXPECT_EQ(row.expected, fix.Entries());
    }
    DockFrame empty(1);
    EXPECT_EQ(1, empty.pDock->InsertBarAtRowColumn(empty.bars[0], 3, 3));
    EXPECT_EQ((std::vector<int>{-1, 0, -1}), empty.Entries());
}

TEST(DockBarDocking, ARemovedBarLeavesAPlaceholderAndRedocksThere)
{
    DockFrame fix(3);
    fix.Rows({{0, 1, 2}});
    fix.pDock->RemoveControlBar(fix.bars[1], -1, 0);
    EXPECT_EQ((std::vector<int>{-1, 0, 1000 + 0x201, 2, -1}), fix.Entries());
    // Removing it again (a second placeholder) keeps one.
    fix.pDock->m_arrBars.InsertAt(1, fix.bars[1]);
    fix.pDock->RemoveControlBar(fix.bars[1], -1, 0);
    EXPECT_EQ((std::vector<int>{-1, 0, 1000 + 0x201, 2, -1}), fix.Entries());
    fix.pDock->ReDockControlBar(fix.bars[1], NULL);
    EXPECT_EQ((std::vector<int>{-1, 0, 1, 2, -1}), fix.Entries());
    EXPECT_EQ(fix.pDock, fix.bars[1]->m_pDockBar);
    EXPECT_EQ(fix.pDock, fix.bars[1]->GetParent());
}

TEST(DockBarDocking, DroppingABarOnItsOwnPlaceChangesNothing)
{
    DockFrame fix(3);
    fix.Rows({{0, 1, 2}});
    const std::vector<int> before = fix.Entries();
    CRect rect;
    fix.bars[1]->GetWindowRect(&rect);
    rect.OffsetRect(3, 2);
    fix.pDock->DockControlBar(fix.bars[1], &rect);
    EXPECT_EQ(before, fix.Entries());
    // Dropped before the first bar it moves there.
    fix.bars[0]->GetWindowRect(&rect);
    CRect rectDrop(rect.left - 20, rect.top, rect.left + 40, rect.bottom);
    fix.pDock->DockControlBar(fix.bars[2], &rectDrop);
    EXPECT_EQ((std::vector<int>{-1, 2, 0, 1, -1}), fix.Entries());
}

TEST(DockBarDocking, FeedbackKeepsItsSizeAlongARowAndFollowsTheCursor)
{
    DockFrame fix(3);
    fix.Rows({{0, 1}});
    CRect rectRow;
    fix.bars[0]->GetWindowRect(&rectRow);
    CRect rectDrag(rectRow.left + 50, rectRow.top + 5, rectRow.left + 250, rectRow.top + 45);
    CPoint ptCursor = rectDrag.CenterPoint();
    int nRow = -1;
    CRect rectLast(0, 0, 0, 0);
    CPoint ptLast(0, 0);
    const CRect r1 = fix.pDock->CalcDockingRect(fix.bars[2], rectDrag, ptCursor, nRow, rectLast, ptLast);
    CRect rectClient;
    fix.pDock->GetClientRect(&rectClient);
    EXPECT_EQ(0, nRow);
    // A third of the row: its share 0.5 against the others' 0.5 + 0.5 after normalising to 1.0.
    const float fOthers = fix.bars[0]->m_fPctWidth + fix.bars[1]->m_fPctWidth;
    EXPECT_NEAR((int)(0.5f / (fOthers + 0.5f) * rectClient.Width()), r1.Width(), 1);
    EXPECT_EQ(rectRow.Height(), r1.Height());
    rectDrag.OffsetRect(15, 0);
    const CRect r2 =
        fix.pDock->CalcDockingRect(fix.bars[2], rectDrag, ptCursor + CSize(15, 0), nRow, rectLast, ptLast);
    EXPECT_EQ(r1.Size(), r2.Size());
    EXPECT_EQ(r1.left + 15, r2.left);
    // Below all rows: a new row that spans the dock bar.
    CRect rectBelow(rectRow.left + 50, rectRow.bottom + 100, rectRow.left + 250, rectRow.bottom + 140);
    const CRect r3 =
        fix.pDock->CalcDockingRect(fix.bars[2], rectBelow, rectBelow.CenterPoint(), nRow, rectLast, ptLast);
    EXPECT_EQ(1, nRow);
    EXPECT_EQ(rectClient.Width(), r3.Width());
}

// A bar docked out of a floating frame: the frame is hidden while its dock bar keeps a
// placeholder (the bar may float back there), destroyed when nothing is left in it, and left
// alone while another bar is shown in it.
TEST(DockBarDocking, TheLastBarLeavingAFloatingFrameHidesOrDestroysIt)
{
    enum Outcome
    {
        hidden,
        destroyed,
        shown
    };
    const struct
    {
        const char* name;
        UINT nID;
        bool bSecondBar;
        Outcome outcome;
    } cases[] = {
        {"a bar with an id leaves a placeholder", 0x320, false, hidden},
        {"a bar without an id leaves nothing", 0, false, destroyed},
        {"another bar is still shown", 0x320, true, shown},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SECFrameWnd* pFrame = new SECFrameWnd;
        pFrame->Create(NULL, _T("Schwebend"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(80, 80, 680, 480));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        SECControlBar* pBars[2];
        for (int i = 0; i < 2; ++i)
        {
            pBars[i] = new SECControlBar;
            pBars[i]->m_szDefault = CSize(120, 40);
            pBars[i]->Create(pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0,
                             i == 0 ? c.nID : 0x321);
            pBars[i]->m_bAutoDelete = TRUE;
            pBars[i]->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(pBars[i], AFX_IDW_DOCKBAR_TOP);
        }
        pFrame->FloatControlBar(pBars[0], CPoint(300, 300), CBRS_ALIGN_TOP);
        ASSERT_TRUE(pBars[0]->IsFloating());
        CDockBar* pFloating = pBars[0]->m_pDockBar;
        ASSERT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(SECDockBar)));
        if (c.bSecondBar)
            static_cast<SECDockBar*>(pFloating)->DockControlBar(pBars[1], NULL);
        const HWND hFloatFrame = pBars[0]->GetParentFrame()->GetSafeHwnd();
        PumpMessages(30);
        ASSERT_TRUE(::IsWindowVisible(hFloatFrame));

        pFrame->DockControlBar(pBars[0], AFX_IDW_DOCKBAR_LEFT);
        PumpMessages(30);
        EXPECT_EQ(SECFrameDocking::GetDockBar(pFrame, AFX_IDW_DOCKBAR_LEFT), pBars[0]->m_pDockBar);
        EXPECT_TRUE(pBars[0]->IsWindowVisible());
        EXPECT_EQ(c.outcome != destroyed, ::IsWindow(hFloatFrame) != FALSE);
        EXPECT_EQ(c.outcome == shown, ::IsWindowVisible(hFloatFrame) != FALSE);
        if (c.bSecondBar)
        {
            EXPECT_TRUE(pBars[1]->IsFloating());
        }
        pFrame->DestroyWindow();
    }
}
} // namespace
