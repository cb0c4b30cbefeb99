// Long operations: the wait cursor and status texts in the main frame, input dropped while
// painting and timers go on, the Esc question; copying and moving cells of a data object.
#include "FeatureTestApp.h"
#include "grid/core/Data.h"
#include "grid/core/DataUndoMoveCellsInfo.h"
#include "grid/core/LongOperation.h"
#include "FrameWnd.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// A main frame that keeps every status text sent to it.
class CStatusFrame : public CFrameWnd
{
  public:
    std::vector<std::string> m_texts;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING && wParam == 0 && lParam != 0)
            m_texts.push_back((LPCSTR)lParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// The frame as the application's main window, with a grid window inside; the process-wide
// settings the tests change come back afterwards.
struct LongOpFrame
{
    CStatusFrame* pFrame = new CStatusFrame;
    CGXGridWnd grid;
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    CGXLongOperationSettings saved = Copy(*GXGetLongOperationSettings());

    static CGXLongOperationSettings Copy(const CGXLongOperationSettings& s)
    {
        CGXLongOperationSettings c;
        c.m_dwTicksFirstTime = s.m_dwTicksFirstTime;
        c.m_dwTicksContinued = s.m_dwTicksContinued;
        c.m_bConfirmAbort = s.m_bConfirmAbort;
        return c;
    }
    explicit LongOpFrame(DWORD dwWait = 40)
    {
        EnsureGridLibrary();
        pFrame->Create(NULL, _T("Lange Operation"), WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 340));
        grid.Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 300, 200), pFrame, 100);
        grid.OnGridInitialUpdate();
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        AfxGetApp()->m_pMainWnd = pFrame;
        CGXLongOperationSettings* p = GXGetLongOperationSettings();
        p->m_dwTicksFirstTime = p->m_dwTicksContinued = dwWait;
    }
    ~LongOpFrame()
    {
        CGXLongOperationSettings* p = GXGetLongOperationSettings();
        p->m_dwTicksFirstTime = saved.m_dwTicksFirstTime;
        p->m_dwTicksContinued = saved.m_dwTicksContinued;
        p->m_bConfirmAbort = saved.m_bConfirmAbort;
        AfxGetApp()->m_pMainWnd = pOldMain;
        grid.DestroyWindow();
        pFrame->DestroyWindow();
    }
    // Runs DoMessages until a status text arrives (or 5 s pass); returns the new text.
    std::string NextText(CGXLongOperation& op, BOOL* pAbort = NULL)
    {
        size_t n = pFrame->m_texts.size();
        ULONGLONG tEnd = NowMs() + 5000;
        BOOL bAbort = FALSE;
        while (pFrame->m_texts.size() == n && NowMs() < tEnd)
        {
            op.DoMessages(bAbort);
            ::Sleep(1);
        }
        if (pAbort != NULL)
            *pAbort = bAbort;
        return pFrame->m_texts.size() > n ? pFrame->m_texts.back() : std::string("(nothing)");
    }
};

int WaitCursors()
{
    return AfxGetApp()->m_nWaitCursorCount;
}

std::vector<UINT> s_seen;
LRESULT CALLBACK ProbeProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    s_seen.push_back(m);
    return ::DefWindowProc(h, m, w, l);
}

void PostEsc(HWND hWnd)
{
    ::PostMessage(hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}
} // namespace

TEST(GridLongOperation, UnderTheFirstWaitNothingShows)
{
    LongOpFrame f(750);
    {
        CGXLongOperation op;
        op.SetStatusText("Kurz");
        ULONGLONG tEnd = NowMs() + 250;
        BOOL bAbort;
        while (NowMs() < tEnd)
            EXPECT_FALSE(op.DoMessages(bAbort));
        EXPECT_EQ(0, WaitCursors());
    }
    EXPECT_TRUE(f.pFrame->m_texts.empty()); // no "Fertig." either
}

TEST(GridLongOperation, PercentSpinnerEscHintAndDone)
{
    LongOpFrame f;
    {
        CGXLongOperation op;
        op.SetStatusText("Kopieren");
        op.SetPercentDone(42);
        GXGetLongOperationSettings()->m_nSpinnerStep = 0;
        EXPECT_EQ("Kopieren  42%.    Mit ESC abbrechen.", f.NextText(op));
        EXPECT_EQ(1, WaitCursors());
        GXGetLongOperationSettings()->m_nPercentDone = -1;
        std::string strSpin;
        for (int i = 0; i < 5; i++)
            strSpin += f.NextText(op).substr(std::string("Kopieren   Mit ESC abbrechen.").size()) + "|";
        EXPECT_EQ("  -|  \\|  ||  /|  -|", strSpin);
        // Without abort handling no Esc hint; the percentage stays right-aligned in three places.
        op.SetPercentDone(7);
        size_t n = f.pFrame->m_texts.size();
        ULONGLONG tEnd = NowMs() + 5000;
        while (f.pFrame->m_texts.size() == n && NowMs() < tEnd)
            op.NeedMessages();
        ASSERT_GT(f.pFrame->m_texts.size(), n);
        EXPECT_EQ("Kopieren   7%. ", f.pFrame->m_texts.back());
        {
            // A nested operation keeps the outer state and shows the outer text.
            CGXLongOperation inner;
            EXPECT_EQ(1, WaitCursors());
            EXPECT_EQ(std::string("Kopieren"), inner.m_pszStatusText);
        }
        EXPECT_EQ(1, WaitCursors());
        EXPECT_NE("Fertig.", f.pFrame->m_texts.back());
    }
    EXPECT_EQ(0, WaitCursors());
    EXPECT_EQ("Fertig.", f.pFrame->m_texts.back());
}

TEST(GridLongOperation, InputIsDroppedWhilePaintingAndTimersGoOn)
{
    LongOpFrame f;
    s_seen.clear();
    HWND hWnd = CreateMessageWindow("HelvonLongOpProbe", ProbeProc);
    ::SetTimer(hWnd, 1, 10, NULL);
    f.grid.SetValueRange(CGXCellRange(1, 1), "alt");
    f.grid.SetCurrentCell(1, 1);
    CGXLongOperation op;
    for (UINT m : {WM_KEYDOWN, WM_CHAR, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN})
        ::PostMessage(f.grid.GetSafeHwnd(), m, 'X', 0);
    ::PostMessage(hWnd, WM_KEYDOWN, 'X', 0);
    ::PostMessage(hWnd, WM_RBUTTONUP, 0, 0);
    ::PostMessage(hWnd, WM_COMMAND, 100, 0);
    ::PostMessage(hWnd, WM_USER + 1, 0, 0);
    f.grid.Invalidate();
    f.NextText(op);
    ULONGLONG tEnd = NowMs() + 5000;
    BOOL bAbort;
    while (std::count(s_seen.begin(), s_seen.end(), (UINT)WM_TIMER) < 2 && NowMs() < tEnd)
        op.DoMessages(bAbort);
    ::KillTimer(hWnd, 1);
    EXPECT_GE(std::count(s_seen.begin(), s_seen.end(), (UINT)WM_TIMER), 2);
    EXPECT_EQ(1, std::count(s_seen.begin(), s_seen.end(), (UINT)(WM_USER + 1)));
    for (UINT m : {WM_KEYDOWN, WM_RBUTTONUP, WM_COMMAND})
        EXPECT_EQ(0, std::count(s_seen.begin(), s_seen.end(), m)) << m;
    EXPECT_FALSE(::GetUpdateRect(f.grid.GetSafeHwnd(), NULL, FALSE)); // painted
    EXPECT_FALSE(f.grid.GetControl(1, 1)->IsActive());                // no typing reached the grid
    EXPECT_EQ(CString("alt"), f.grid.GetStoredValueText(1, 1));
    ::DestroyWindow(hWnd);
}

TEST(GridLongOperation, EscAsksWhetherToAbort)
{
    LongOpFrame f;
    struct Case
    {
        BOOL bThreeButtons;
        BOOL bConfirm;
        int nAnswer;
        BOOL bAborted;
        BOOL bRetry;
    } cases[] = {
        {FALSE, TRUE, IDNO, FALSE, FALSE},    {FALSE, TRUE, IDYES, TRUE, FALSE},
        {TRUE, TRUE, IDIGNORE, FALSE, FALSE}, {TRUE, TRUE, IDABORT, TRUE, FALSE},
        {TRUE, TRUE, IDRETRY, TRUE, TRUE},    {FALSE, FALSE, 0, TRUE, FALSE},
        {TRUE, FALSE, 0, TRUE, TRUE},
    };
    for (const Case& c : cases)
    {
        MessageBoxes boxes;
        CGXLongOperation op;
        CGXLongOperationSettings* p = GXGetLongOperationSettings();
        p->m_bAbortRetryIgnore = c.bThreeButtons;
        p->m_bConfirmAbort = c.bConfirm;
        if (c.bConfirm)
            boxes.Expect(c.nAnswer, "abbrechen?");
        BOOL bAbort = FALSE;
        f.NextText(op, &bAbort);
        EXPECT_FALSE(bAbort);
        PostEsc(f.grid.GetSafeHwnd());
        f.NextText(op, &bAbort);
        EXPECT_EQ(c.bAborted, bAbort) << c.nAnswer;
        EXPECT_EQ(c.bRetry, p->m_bRetry) << c.nAnswer;
        EXPECT_EQ(0u, boxes.Pending());
        if (c.bConfirm)
        {
            ASSERT_EQ(1u, boxes.Shown().size());
            EXPECT_EQ((UINT)(c.bThreeButtons ? MB_ABORTRETRYIGNORE : MB_YESNO),
                      boxes.Shown()[0].type & MB_TYPEMASK);
        }
        if (c.nAnswer == IDNO)
        {
            // Going on: a second Esc asks again.
            boxes.Expect(IDYES, "abbrechen?");
            PostEsc(f.grid.GetSafeHwnd());
            f.NextText(op, &bAbort);
            EXPECT_TRUE(bAbort);
        }
        // Without abort handling Esc is not honoured.
        CGXLongOperation op2;
        op2.SetCanAbort(FALSE);
        PostEsc(f.grid.GetSafeHwnd());
        f.NextText(op2, &bAbort);
        EXPECT_EQ(c.bAborted || c.nAnswer == IDNO, bAbort); // the outer abort stands
        p->m_bConfirmAbort = TRUE;
    }
}

TEST(GridLongOperation, TextsOfAnyLengthAndDeepLevels)
{
    LongOpFrame f;
    std::string strLong(300, 'L');
    std::vector<std::unique_ptr<CGXLongOperation>> ops;
    for (int i = 1; i <= 70; i++)
    {
        ops.emplace_back(new CGXLongOperation);
        ops.back()->SetStatusText(i == 70 ? strLong.c_str() : ("Ebene " + std::to_string(i)).c_str());
    }
    EXPECT_EQ(70, GXGetLongOperationSettings()->m_nOperationLevel);
    EXPECT_EQ(std::string("Ebene 64"), ops.back()->m_pszStatusText);
    EXPECT_EQ("Ebene 64   Mit ESC abbrechen.", f.NextText(*ops.back()).substr(0, 29));
    while (ops.size() > 64)
        ops.pop_back();
    EXPECT_EQ(std::string("Ebene 64"), ops.back()->m_pszStatusText);
    while (ops.size() > 1)
        ops.pop_back();
    ops.back()->SetStatusText(strLong.c_str());
    EXPECT_EQ(strLong + "   Mit ESC abbrechen.", f.NextText(*ops.back()).substr(0, 321));
    ops.clear();
    EXPECT_EQ(0, GXGetLongOperationSettings()->m_nOperationLevel);
}

namespace
{
std::string Column(CGXData& data, ROWCOL nCol, ROWCOL nRows)
{
    std::string s;
    for (ROWCOL r = 1; r <= nRows; r++)
    {
        CGXStyle style;
        s += std::string(r > 1 ? "," : "") +
             (data.GetStyleRowCol(r, nCol, style, gxCopy, 0) ? (LPCTSTR)style.GetValue() : "-");
    }
    return s;
}

void FillColumn(CGXData& data, ROWCOL nCol, ROWCOL nRows, const char* pszPrefix)
{
    for (ROWCOL r = 1; r <= nRows; r++)
        data.StoreValueRowCol(r, nCol, (pszPrefix + std::to_string(r)).c_str(), gxOverride, 0);
}
} // namespace

TEST(GridDataCopyMoveCells, OverlappingCopyAndMoveWithUndoInformation)
{
    EnsureGridLibrary();
    CGXData data;
    data.ResizeRowCount(8);
    data.ResizeColumnCount(2);
    FillColumn(data, 1, 5, "");
    ASSERT_TRUE(data.CopyCells(CGXCellRange(1, 1, 5, 1), 3, 1));
    EXPECT_EQ("1,2,1,2,3,4,5,-", Column(data, 1, 8));

    // A block moved onto itself keeps every cell; no information without the create flag.
    CObject* pInfo = NULL;
    ASSERT_TRUE(data.MoveCells(CGXCellRange(1, 1, 7, 1), 1, 1, pInfo, FALSE));
    EXPECT_EQ(nullptr, pInfo);
    EXPECT_EQ("1,2,1,2,3,4,5,-", Column(data, 1, 8));

    // Moving rows 1..3 down by two overwrites rows 4 and 5; moving back with the information
    // puts them in place again.
    FillColumn(data, 2, 5, "b");
    ASSERT_TRUE(data.MoveCells(CGXCellRange(1, 2, 3, 2), 3, 2, pInfo, TRUE));
    ASSERT_NE(nullptr, pInfo);
    EXPECT_EQ("-,-,b1,b2,b3,-,-,-", Column(data, 2, 8));
    CGXDataUndoMoveCellsInfo* pMoved = dynamic_cast<CGXDataUndoMoveCellsInfo*>(pInfo);
    ASSERT_NE(nullptr, pMoved);
    int nCells = 0;
    for (auto* p = pMoved->m_pCells; p != NULL; p = p->pNext)
        nCells++;
    EXPECT_EQ(2, nCells); // b4 and b5 stood in the target; b3 moved itself
    ASSERT_TRUE(data.MoveCells(CGXCellRange(3, 2, 5, 2), 1, 2, pInfo, TRUE));
    EXPECT_EQ("b1,b2,b3,b4,b5,-,-,-", Column(data, 2, 8));
    // The same object came back, holding what the way back overwrote.
    EXPECT_EQ((CObject*)pMoved, pInfo);
    nCells = 0;
    for (auto* p = pMoved->m_pCells; p != NULL; p = p->pNext)
        nCells++;
    EXPECT_EQ(0, nCells);
    delete pInfo;
    // Without the component nothing moves.
    CGXAbstractDataCopyMoveCellsImp* pImp = GXGetAppData()->m_pDataCopyMoveCellsImp;
    GXGetAppData()->m_pDataCopyMoveCellsImp = NULL;
    pInfo = NULL;
    EXPECT_FALSE(data.MoveCells(CGXCellRange(1, 2), 8, 2, pInfo, TRUE));
    GXGetAppData()->m_pDataCopyMoveCellsImp = pImp;
    EXPECT_EQ("b1,b2,b3,b4,b5,-,-,-", Column(data, 2, 8));
}
