// The memory DC: refuses a missing target, copies only its rectangle and keeps the target's
// mapping, so drawing through it lands where drawing on the target would.
#include "TestSupport.h"
#include "uilib/common/MemDC.h"

using tessaron::foundation::SECMemDC;

namespace
{

const COLORREF kGround = RGB(0, 128, 0);
const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kInk = RGB(0, 0, 255);

// A 24-bit screen-compatible target of 200 x 200 pixels filled with kGround.
class CTarget
{
  public:
    CTarget()
    {
        CClientDC screen(NULL);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, 200, 200);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, 200, 200, kGround);
    }
    ~CTarget()
    {
        m_dc.SelectObject(m_pOld);
    }
    COLORREF Pixel(int x, int y)
    {
        return ::GetPixel(m_dc.m_hDC, x, y);
    }
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
};

bool OnEdge(CRect rc, CPoint pt)
{
    CRect outer(rc), inner(rc);
    outer.InflateRect(1, 1);
    inner.DeflateRect(1, 1);
    return outer.PtInRect(pt) && !inner.PtInRect(pt);
}

TEST(MemDC, NullTargetThrowsResourceException)
{
    LONG nLive = CDC::GetLiveCount();
    bool bThrown = false;
    try
    {
        SECMemDC dc(NULL, 0, 0, 10, 10);
    }
    catch (CResourceException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(nLive, CDC::GetLiveCount());
}

// The buffer is filled with kPaper far beyond its rectangle, kInk is drawn over the inner
// rectangle; after the scope the target shows paper and ink exactly inside the buffer's
// rectangle (in device pixels as the target maps it) and its ground everywhere else.
struct MappingCase
{
    const char* name;
    int nMapMode;
    POINT viewportOrg;
    RECT rect;  // the buffer, logical
    RECT inner; // the ink, logical
};
const MappingCase kMappings[] = {
    {"text at origin", MM_TEXT, {0, 0}, {0, 0, 60, 40}, {10, 10, 20, 20}},
    {"text offset", MM_TEXT, {0, 0}, {50, 70, 150, 120}, {100, 80, 110, 90}},
    {"text moved viewport", MM_TEXT, {-30, 20}, {50, 30, 150, 120}, {60, 40, 80, 50}},
    {"lometric", MM_LOMETRIC, {20, 180}, {100, 300, 400, 100}, {150, 250, 250, 150}},
};

TEST(MemDC, CopiesOnlyItsRectangleWithTheTargetsMapping)
{
    for (const MappingCase& c : kMappings)
    {
        SCOPED_TRACE(c.name);
        CTarget target;
        target.m_dc.SetMapMode(c.nMapMode);
        target.m_dc.SetViewportOrg(c.viewportOrg);
        CRect rcDevice(c.rect), rcInk(c.inner);
        target.m_dc.LPtoDP(&rcDevice);
        target.m_dc.LPtoDP(&rcInk);
        rcDevice.NormalizeRect();
        rcInk.NormalizeRect();
        {
            SECMemDC dc(&target.m_dc, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
            EXPECT_EQ(c.nMapMode, dc.GetMapMode());
            CRect all(-5000, -5000, 5000, 5000);
            CBrush paper(kPaper), ink(kInk);
            dc.FillRect(&all, &paper);
            dc.FillRect(&c.inner, &ink);
            EXPECT_EQ(kGround, target.Pixel(rcInk.CenterPoint().x, rcInk.CenterPoint().y))
                << "nothing reaches the target before the end";
        }
        EXPECT_EQ(c.nMapMode, target.m_dc.GetMapMode());
        EXPECT_EQ(CPoint(c.viewportOrg), target.m_dc.GetViewportOrg());
        target.m_dc.SetMapMode(MM_TEXT);
        target.m_dc.SetViewportOrg(0, 0);
        for (int y = 0; y < 200; y += 1)
            for (int x = 0; x < 200; x += 1)
            {
                CPoint pt(x, y);
                // Metric edges may round either way: the pixels next to an edge are left out.
                if (OnEdge(rcInk, pt) || OnEdge(rcDevice, pt))
                    continue;
                COLORREF expected = rcInk.PtInRect(pt) ? kInk : rcDevice.PtInRect(pt) ? kPaper : kGround;
                if (target.Pixel(x, y) != expected)
                {
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << target.Pixel(x, y)
                                  << ", expected " << expected;
                    return;
                }
            }
    }
}

} // namespace
