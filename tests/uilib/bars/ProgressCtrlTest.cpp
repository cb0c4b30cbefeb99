// The self-painting progress bar: percentages, the parts it fills, the text in the opposite
// colour, native mode and the auto-step timer.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/ProgressCtrl.h"

using namespace testing_support;
using namespace tessaron::foundation;

namespace
{

const COLORREF kBar = RGB(0, 0, 255);
const COLORREF kBk = RGB(255, 255, 0);

class CProgressDialog : public CDialog
{
  public:
    CProgressDialog()
    {
        Create(IDD_BUTTONS, NULL);
    }
};

// Records what it fills and the text it is asked to draw.
class CTestProgress : public SECProgressCtrl
{
  public:
    void FillBar(CDC* pDC, RECT rc) override
    {
        ++m_nFills;
        SECProgressCtrl::FillBar(pDC, rc);
    }
    void AdjustText(CString& strText) override
    {
        m_strDrawn = strText;
    }
    void SetClient(RECT rc)
    {
        m_rcClient = rc;
    }
    int m_nFills = 0;
    CString m_strDrawn;
};

struct PercentCase
{
    int nLower, nUpper, nPos;
    float fPercent;
};
const PercentCase kPercents[] = {
    {0, 100, 50, 50.f},     {0, 200, 50, 25.f},   {10, 10, 5, 0.f},     {10, 10, 20, 0.f},
    {0, 100, 150, 100.f},   {0, 100, 0, 0.f},     {-50, 50, -25, 25.f}, {-50, 50, -100, 0.f},
    {-100, -20, -60, 50.f}, {-50, 50, 70, 100.f},
};

TEST(ProgressCtrl, PercentClampsToSignedBounds)
{
    for (const PercentCase& c : kPercents)
    {
        SCOPED_TRACE(testing::Message() << c.nLower << ".." << c.nUpper << " at " << c.nPos);
        SECProgressCtrl progress;
        progress.SetRange(c.nLower, c.nUpper);
        progress.SetPos((UINT)c.nPos);
        EXPECT_FLOAT_EQ(c.fPercent, progress.GetPercent());
    }
}

struct RectsCase
{
    DWORD dwStyle;
    RECT rcClient;
    float fPercent;
    RECT rcDone, rcRest;
};
const RectsCase kRects[] = {
    // The fraction is single precision: 40 % of 100 pixels is 39.99... and truncates to 39.
    {0, {0, 0, 100, 20}, 40.f, {0, 0, 39, 20}, {39, 0, 100, 20}},
    {SEC_PROGRESS_FROM_RIGHT, {0, 0, 100, 20}, 40.f, {61, 0, 100, 20}, {0, 0, 61, 20}},
    {SEC_PROGRESS_FROM_RIGHT, {0, 0, 100, 20}, 50.f, {50, 0, 100, 20}, {0, 0, 50, 20}},
    {0, {5, 2, 38, 20}, 50.f, {5, 2, 21, 20}, {21, 2, 38, 20}}, // 16.5 truncated
    {SEC_PROGRESS_VERTICAL, {0, 0, 20, 100}, 25.f, {0, 75, 20, 100}, {0, 0, 20, 75}},
    {SEC_PROGRESS_VERTICAL | SEC_PROGRESS_FROM_TOP, {0, 0, 20, 100}, 25.f, {0, 0, 20, 25}, {0, 25, 20, 100}},
    {SEC_PROGRESS_VERTICAL, {0, 0, 20, 100}, 100.f, {0, 0, 20, 100}, {0, 0, 20, 0}},
    {0, {0, 0, 100, 20}, 0.f, {0, 0, 0, 20}, {0, 0, 100, 20}},
};

std::string Text(const RECT& rc)
{
    char sz[64];
    sprintf_s(sz, "(%ld,%ld,%ld,%ld)", rc.left, rc.top, rc.right, rc.bottom);
    return sz;
}

TEST(ProgressCtrl, CalcRectsSplitsTheClientArea)
{
    for (const RectsCase& c : kRects)
    {
        SCOPED_TRACE(testing::Message() << "style " << c.dwStyle << " at " << c.fPercent);
        CTestProgress progress;
        progress.SetProgressStyle(c.dwStyle);
        progress.SetClient(c.rcClient);
        RECT rcDone, rcRest;
        progress.CalcRects(c.fPercent, &rcDone, &rcRest);
        EXPECT_EQ(Text(c.rcDone), Text(rcDone));
        EXPECT_EQ(Text(c.rcRest), Text(rcRest));
    }
}

// Paints the control into a memory bitmap of its client size and reads it back.
class CPainted
{
  public:
    explicit CPainted(SECProgressCtrl& progress)
    {
        progress.GetClientRect(&m_rc);
        CClientDC screen(NULL);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, m_rc.Width(), m_rc.Height());
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(&m_rc, RGB(1, 2, 3));
        progress.Paint(&m_dc);
    }
    ~CPainted()
    {
        m_dc.SelectObject(m_pOld);
    }
    int Count(int xFrom, int xTo, COLORREF color)
    {
        int n = 0;
        for (int y = 0; y < m_rc.Height(); y++)
            for (int x = xFrom; x < xTo; x++)
                n += ::GetPixel(m_dc.m_hDC, x, y) == color;
        return n;
    }
    CRect m_rc;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
};

TEST(ProgressCtrl, TextTakesTheOppositeColourOnEachPart)
{
    CProgressDialog dlg;
    CTestProgress progress;
    ASSERT_TRUE(
        progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 24), &dlg, 100, SEC_PROGRESS_PERCENT));
    EXPECT_FALSE(
        progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 24), &dlg, 101, SEC_PROGRESS_PERCENT));
    progress.SetColors(kBar, kBk);
    progress.SetRange(0, 200);
    progress.SetPos(100);
    {
        CPainted painted(progress);
        EXPECT_EQ(_T("50 %"), progress.m_strDrawn);
        // The done half is bar coloured with text in the background colour, and the other way round.
        int nBarLeft = painted.Count(0, 60, kBar), nTextLeft = painted.Count(0, 60, kBk);
        int nBkRight = painted.Count(60, 120, kBk), nTextRight = painted.Count(60, 120, kBar);
        EXPECT_GT(nBarLeft, nTextLeft);
        EXPECT_GT(nTextLeft, 0);
        EXPECT_GT(nBkRight, nTextRight);
        EXPECT_GT(nTextRight, 0);
        EXPECT_EQ(0, painted.Count(0, 120, RGB(1, 2, 3)));
    }
    progress.SetPos(500);
    {
        CPainted painted(progress);
        EXPECT_EQ(_T("100 %"), progress.m_strDrawn);
        EXPECT_GT(painted.Count(0, 120, kBk), 0) << "text shows over the full bar";
    }
    // Without the percentage bit the own text is drawn; with neither bit nothing.
    progress.SetProgressStyle(SEC_PROGRESS_TEXT);
    progress.SetText(_T("Lade"));
    progress.m_strDrawn.Empty();
    {
        CPainted painted(progress);
        EXPECT_EQ(_T("Lade"), progress.m_strDrawn);
    }
    progress.SetProgressStyle(0);
    progress.m_strDrawn.Empty();
    {
        CPainted painted(progress);
        EXPECT_TRUE(progress.m_strDrawn.IsEmpty());
        EXPECT_EQ(0, painted.Count(0, 120, kBk));
    }
}

TEST(ProgressCtrl, NativeModeLeavesPaintingAndPositionToTheControl)
{
    CProgressDialog dlg;
    CTestProgress progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 24), &dlg, 100, 0));
    progress.SetRange(0, 100);
    progress.SetPos(40);
    progress.UpdateWindow();
    EXPECT_GT(progress.m_nFills, 0);
    EXPECT_EQ(0, (int)::SendMessage(progress.m_hWnd, PBM_GETPOS, 0, 0)) << "own mode keeps the position";

    progress.SetProgressStyle(SEC_PROGRESS_NATIVE);
    EXPECT_EQ(40, (int)::SendMessage(progress.m_hWnd, PBM_GETPOS, 0, 0))
        << "switching hands the position over";
    progress.m_nFills = 0;
    EXPECT_EQ(40u, progress.SetPos(60));
    progress.OffsetPos(5);
    progress.SetStep(10);
    progress.StepIt();
    EXPECT_EQ(75, (int)::SendMessage(progress.m_hWnd, PBM_GETPOS, 0, 0));
    EXPECT_EQ(75u, progress.GetPos());
    progress.Invalidate();
    progress.UpdateWindow();
    EXPECT_EQ(0, progress.m_nFills);
}

TEST(ProgressCtrl, AutoStepStopsAtTheUpperBound)
{
    CProgressDialog dlg;
    SECProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 24), &dlg, 100));
    progress.SetRange(0, 100);
    progress.SetStep(25);
    ASSERT_TRUE(progress.SetAutoStep(10));
    EXPECT_TRUE(PumpUntil([&] { return progress.GetPos() >= 100; }, 5000));
    PumpMessages(150);
    EXPECT_EQ(100u, progress.GetPos()) << "the timer stopped at the upper bound";
    EXPECT_FALSE(progress.SetAutoStep(10));
    progress.Reset();
    EXPECT_EQ(0u, progress.GetPos());
}

} // namespace
