// Drawing into a memory DC gives the expected pixels; an image list survives an archive.
#include "TestApp.h"
#include "TestSupport.h"

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);

class MemoryDC : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CClientDC screen(NULL);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 100, 80));
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, 100, 80, kWhite);
    }
    void TearDown() override
    {
        m_dc.SelectObject(m_pOld);
    }
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = NULL;
};

TEST_F(MemoryDC, PrimitivesSetTheExpectedPixels)
{
    m_dc.FillSolidRect(0, 0, 20, 20, RGB(255, 0, 0));
    m_dc.Draw3dRect(20, 0, 20, 20, RGB(0, 0, 255), RGB(0, 255, 0));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = m_dc.SelectObject(&pen);
    m_dc.MoveTo(0, 30);
    m_dc.LineTo(40, 30);
    CBrush brush(RGB(0, 128, 0));
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    m_dc.Rectangle(50, 0, 70, 20);
    m_dc.SelectObject(pOldBrush);
    m_dc.SelectObject(pOldPen);

    struct
    {
        int x, y;
        COLORREF expected;
        const char* what;
    } const cases[] = {
        {5, 5, RGB(255, 0, 0), "inside the solid rectangle"},
        {19, 19, RGB(255, 0, 0), "its last pixel"},
        {5, 20, kWhite, "first pixel below it"},
        {20, 5, RGB(0, 0, 255), "3d rect left edge"},
        {30, 0, RGB(0, 0, 255), "3d rect top edge"},
        {39, 5, RGB(0, 255, 0), "3d rect right edge"},
        {30, 19, RGB(0, 255, 0), "3d rect bottom edge"},
        {30, 10, kWhite, "3d rect inside"},
        {10, 30, RGB(0, 0, 0), "line"},
        {40, 30, kWhite, "line end is exclusive"},
        {50, 0, RGB(0, 0, 0), "rectangle outline"},
        {60, 10, RGB(0, 128, 0), "rectangle fill"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.expected, m_dc.GetPixel(c.x, c.y));
    }
}

TEST_F(MemoryDC, MappingAndClippingApplyToDrawing)
{
    m_dc.SetViewportOrg(10, 10);
    m_dc.FillSolidRect(0, 0, 5, 5, RGB(255, 0, 0));
    m_dc.SetViewportOrg(0, 0);
    EXPECT_EQ(kWhite, m_dc.GetPixel(5, 5));
    EXPECT_EQ(RGB(255, 0, 0), m_dc.GetPixel(12, 12));

    m_dc.IntersectClipRect(0, 40, 100, 50);
    m_dc.FillSolidRect(0, 30, 100, 30, RGB(0, 0, 255));
    EXPECT_EQ(kWhite, m_dc.GetPixel(50, 35));
    EXPECT_EQ(RGB(0, 0, 255), m_dc.GetPixel(50, 45));
    EXPECT_EQ(kWhite, m_dc.GetPixel(50, 55));
}

TEST(ImageList, RoundTripThroughAnArchiveKeepsImagesAndPixels)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 160, 0)};
    CClientDC screen(NULL);
    for (COLORREF colour : colours)
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 16, 16));
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 16, 16, colour);
        dc.FillSolidRect(0, 0, 4, 4, RGB(255, 0, 255)); // masked corner
        dc.SelectObject(pOld);
        EXPECT_GE(images.Add(&bitmap, RGB(255, 0, 255)), 0);
    }
    ASSERT_EQ(3, images.GetImageCount());

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ASSERT_TRUE(images.Write(&ar));
        ar << (DWORD)0xC0FFEE; // what follows must still be where it belongs
        ar.Close();
    }
    file.SeekToBegin();
    CImageList loaded;
    DWORD trailer = 0;
    {
        CArchive ar(&file, CArchive::load);
        ASSERT_TRUE(loaded.Read(&ar));
        ar >> trailer;
    }
    EXPECT_EQ(0xC0FFEEu, trailer);
    ASSERT_EQ(3, loaded.GetImageCount());
    EXPECT_EQ(&loaded, CImageList::FromHandlePermanent(loaded.m_hImageList));

    // Drawn over white, each image shows its colour and the white through its masked corner.
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap target;
    target.CreateCompatibleBitmap(&screen, 48, 16);
    CBitmap* pOld = dc.SelectObject(&target);
    dc.FillSolidRect(0, 0, 48, 16, kWhite);
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(loaded.Draw(&dc, i, CPoint(16 * i, 0), ILD_NORMAL));
    for (int i = 0; i < 3; i++)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(colours[i], dc.GetPixel(16 * i + 10, 10));
        EXPECT_EQ(kWhite, dc.GetPixel(16 * i + 1, 1));
    }
    dc.SelectObject(pOld);
}
} // namespace
