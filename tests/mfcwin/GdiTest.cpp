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

// Black pixels inside rect (right and bottom exclusive).
int CountBlack(CDC& dc, const CRect& rect)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            n += dc.GetPixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
    return n;
}

TEST_F(MemoryDC, HalftoneBrushIsOneCheckerboardForAllCallers)
{
    CBrush* pBrush = CDC::GetHalftoneBrush();
    ASSERT_NE(nullptr, pBrush);
    EXPECT_EQ(pBrush, CDC::GetHalftoneBrush());
    CBrush* pOld = m_dc.SelectObject(pBrush);
    m_dc.PatBlt(0, 0, 8, 8, PATCOPY);
    m_dc.SelectObject(pOld);
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 8; x++)
            EXPECT_EQ(m_dc.GetPixel(0, 0) == m_dc.GetPixel(x, y), (x + y) % 2 == 0) << x << "," << y;
    EXPECT_EQ(32, CountBlack(m_dc, CRect(0, 0, 8, 8)));
}

TEST_F(MemoryDC, DragRectInvertsItsFrameMovesAndErases)
{
    const CRect rectA(10, 10, 40, 30), rectB(20, 15, 50, 35);
    const CSize size(3, 2);
    const int nFrameA = rectA.Width() * rectA.Height() - (rectA.Width() - 6) * (rectA.Height() - 4);
    // Drawn: half the frame's pixels (the halftone pattern) turn black, nothing inside or outside.
    m_dc.DrawDragRect(rectA, size, NULL, size);
    EXPECT_NEAR(nFrameA / 2, CountBlack(m_dc, rectA), 1);
    EXPECT_EQ(0, CountBlack(m_dc, CRect(13, 12, 37, 28)));
    EXPECT_EQ(CountBlack(m_dc, rectA), CountBlack(m_dc, CRect(0, 0, 100, 80)));
    // Moved: only the new frame shows.
    m_dc.DrawDragRect(rectB, size, rectA, size);
    EXPECT_EQ(0, CountBlack(m_dc, CRect(23, 17, 47, 33)));
    EXPECT_EQ(CountBlack(m_dc, rectB), CountBlack(m_dc, CRect(0, 0, 100, 80)));
    EXPECT_NEAR(nFrameA / 2, CountBlack(m_dc, rectB), 1);
    // Erased: an empty frame in place of the last one leaves the bitmap as it was.
    m_dc.DrawDragRect(rectB, CSize(0, 0), rectB, size);
    EXPECT_EQ(0, CountBlack(m_dc, CRect(0, 0, 100, 80)));
}

// What a metafile recorded, played back into the test's memory DC.
class MetaFile : public MemoryDC
{
};

TEST_F(MetaFile, EnhancedRecordingPlaysBackFromMemoryAndFromAFile)
{
    const std::string path = testing_support::TempFolder() + "\\drawing.emf";
    const struct
    {
        const char* name;
        LPCTSTR lpszFile;
    } cases[] = {{"memory", NULL}, {"file", path.c_str()}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_dc.FillSolidRect(0, 0, 100, 80, kWhite);
        // The picture frame (0.01 mm) covers the whole 100 x 80 bitmap, so playing it back into
        // that rectangle maps pixels one to one.
        const CRect rectFrame(0, 0,
                              MulDiv(100, m_dc.GetDeviceCaps(HORZSIZE) * 100, m_dc.GetDeviceCaps(HORZRES)),
                              MulDiv(80, m_dc.GetDeviceCaps(VERTSIZE) * 100, m_dc.GetDeviceCaps(VERTRES)));
        CMetaFileDC meta;
        ASSERT_TRUE(meta.CreateEnhanced(&m_dc, c.lpszFile, rectFrame, _T("Test\0Zeichnung\0")));
        EXPECT_EQ(m_dc.m_hAttribDC, meta.m_hAttribDC); // queries go to the reference DC
        meta.FillSolidRect(10, 10, 20, 20, RGB(255, 0, 0));
        meta.FillSolidRect(40, 10, 20, 20, RGB(0, 0, 255));
        HENHMETAFILE hEmf = meta.CloseEnhanced();
        ASSERT_NE(nullptr, hEmf);
        EXPECT_EQ(NULL, meta.m_hDC);
        if (c.lpszFile != NULL)
        {
            ::DeleteEnhMetaFile(hEmf);
            hEmf = ::GetEnhMetaFile(c.lpszFile); // read back what was written
            ASSERT_NE(nullptr, hEmf);
        }
        ENHMETAHEADER header = {};
        ASSERT_EQ(sizeof(header), ::GetEnhMetaFileHeader(hEmf, sizeof(header), &header));
        EXPECT_GT(header.nDescription, 0u); // the description was kept
        ::PlayEnhMetaFile(m_dc, hEmf, CRect(0, 0, 100, 80));
        ::DeleteEnhMetaFile(hEmf);
        EXPECT_EQ(RGB(255, 0, 0), m_dc.GetPixel(15, 15));
        EXPECT_EQ(RGB(0, 0, 255), m_dc.GetPixel(45, 15));
        EXPECT_EQ(kWhite, m_dc.GetPixel(35, 15));
    }
    ::DeleteFile(path.c_str());
}

TEST_F(MetaFile, OldStyleRecordingPlaysBack)
{
    CMetaFileDC meta;
    ASSERT_TRUE(meta.Create());
    meta.FillSolidRect(5, 5, 10, 10, RGB(0, 128, 0));
    HMETAFILE hMf = meta.Close();
    ASSERT_NE(nullptr, hMf);
    ::PlayMetaFile(m_dc, hMf);
    ::DeleteMetaFile(hMf);
    EXPECT_EQ(RGB(0, 128, 0), m_dc.GetPixel(7, 7));
    EXPECT_EQ(kWhite, m_dc.GetPixel(20, 7));
}

TEST_F(MetaFile, ARecordingNeverClosedIsThrownAwayWithTheObject)
{
    const std::string path = testing_support::TempFolder() + "\\abandoned.emf";
    {
        CMetaFileDC meta;
        ASSERT_TRUE(meta.CreateEnhanced(&m_dc, path.c_str(), NULL, NULL));
        meta.FillSolidRect(0, 0, 5, 5, RGB(0, 0, 0));
    }
    // Closed by the destructor: the file is complete and no longer in use.
    HENHMETAFILE hEmf = ::GetEnhMetaFile(path.c_str());
    EXPECT_NE(nullptr, hEmf);
    ::DeleteEnhMetaFile(hEmf);
    EXPECT_TRUE(::DeleteFile(path.c_str()));
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
TEST(ImageList, DragImageFollowsTheMoveAndEndsWithTheDrag)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CClientDC screen(NULL);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 16, 16));
    ASSERT_EQ(0, images.Add(&bitmap, RGB(255, 0, 255)));
    CWnd* pMain = TheApp().m_pMainWnd;

    ASSERT_TRUE(images.BeginDrag(0, CPoint(4, 5)));
    ASSERT_TRUE(CImageList::DragEnter(pMain, CPoint(30, 40)));
    CPoint pt, ptHot;
    CImageList* pDrag = CImageList::GetDragImage(&pt, &ptHot);
    ASSERT_NE(nullptr, pDrag);
    EXPECT_EQ(1, pDrag->GetImageCount());
    EXPECT_EQ(CPoint(30, 40), pt);
    EXPECT_EQ(CPoint(4, 5), ptHot);
    EXPECT_TRUE(CImageList::DragMove(CPoint(60, 70)));
    CImageList::GetDragImage(&pt, &ptHot);
    EXPECT_EQ(CPoint(60, 70), pt);
    EXPECT_TRUE(CImageList::DragShowNolock(FALSE));
    EXPECT_TRUE(CImageList::DragLeave(pMain));
    CImageList::EndDrag();
    EXPECT_EQ(nullptr, CImageList::GetDragImage(&pt, &ptHot));
    pMain->UpdateWindow();
}

} // namespace

namespace
{
// A handle wrapped for the moment and then attached to (or detached from) a permanent wrapper:
// the temporary one is still usable until the thread's idle time and then deleted.
TEST(TemporaryWrappers, TakenOverHandlesAreFreedAtIdleTime)
{
    AfxGetThread()->OnIdle(1);
    const LONG nDCs = CDC::GetLiveCount();
    const LONG nGdi = CGdiObject::GetLiveCount();
    HDC hDC = ::CreateCompatibleDC(NULL);
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    CDC* pTempDC = CDC::FromHandle(hDC);
    CGdiObject* pTempBrush = CGdiObject::FromHandle(hBrush);
    EXPECT_EQ(nDCs + 1, CDC::GetLiveCount());
    {
        CDC dc;
        dc.Attach(hDC);
        CBrush brush;
        brush.Attach(hBrush);
        EXPECT_EQ(&dc, CDC::FromHandle(hDC));
        EXPECT_EQ(hDC, pTempDC->m_hDC) << "the caller's temporary wrapper stays valid";
        EXPECT_EQ(hBrush, pTempBrush->m_hObject);
        dc.Detach();
        brush.Detach();
    }
    AfxGetThread()->OnIdle(1);
    EXPECT_EQ(nDCs, CDC::GetLiveCount());
    EXPECT_EQ(nGdi, CGdiObject::GetLiveCount());
    ::DeleteDC(hDC);
    ::DeleteObject(hBrush);
}
} // namespace
