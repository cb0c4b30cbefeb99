// The toolbar bitmap manager: type-241 resources read within their size (bad ones count as
// missing), images by command id with the first registration winning, separators without
// images, and large images stretched from the small ones.
#include "CommonTestApp.h"
#include "TestSupport.h"
#include "uilib/common/BmpMgr.h"
#include <memory>

namespace
{
struct ReadCase
{
    const char* name;
    UINT nID;
    BOOL bKeepSeparators;
    BOOL bOk;
    std::vector<UINT> ids;
};

const ReadCase kReadCases[] = {
    {"with separators",
     IDR_TB_FIRST,
     TRUE,
     TRUE,
     {ID_TB_RED, ID_TB_GREEN, 0, ID_TB_BLUE, ID_TB_CHECK, ID_TB_DROP}},
    {"without separators",
     IDR_TB_FIRST,
     FALSE,
     TRUE,
     {ID_TB_RED, ID_TB_GREEN, ID_TB_BLUE, ID_TB_CHECK, ID_TB_DROP}},
    {"second", IDR_TB_SECOND, TRUE, TRUE, {ID_TB_CYAN, 0, ID_TB_CHECK, ID_TB_ORANGE}},
    {"item count past the end", IDR_TB_COUNT_PAST_END, TRUE, FALSE, {}},
    {"shorter than its head", IDR_TB_HEAD_ONLY, TRUE, FALSE, {}},
    {"missing", IDR_TB_MISSING, TRUE, FALSE, {}},
};

COLORREF StripPixel(HBITMAP hbm, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hbm);
    COLORREF rgb = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return rgb;
}

CSize StripSize(HBITMAP hbm)
{
    BITMAP bitmap = {};
    ::GetObject(hbm, sizeof(bitmap), &bitmap);
    return CSize(bitmap.bmWidth, bitmap.bmHeight);
}
} // namespace

TEST(BmpMgr, ToolBarResourcesAreReadWithinTheirSize)
{
    for (const ReadCase& c : kReadCases)
    {
        SCOPED_TRACE(c.name);
        UINT* pIDs = reinterpret_cast<UINT*>(1);
        int nCount = -1, cx = 0, cy = 0;
        const BOOL bOk = SECBmpMgr::ReadToolBarResource(c.nID, pIDs, nCount, cx, cy, c.bKeepSeparators);
        std::unique_ptr<UINT[]> ids(pIDs);
        ASSERT_EQ(c.bOk, bOk);
        if (!bOk)
        {
            EXPECT_EQ(nullptr, pIDs);
            EXPECT_EQ(0, nCount);
            continue;
        }
        EXPECT_EQ(c.ids, std::vector<UINT>(pIDs, pIDs + nCount));
        EXPECT_EQ(16, cx);
        EXPECT_EQ(15, cy);
    }
}

TEST(BmpMgr, ABadOrMissingResourceRegistersNothing)
{
    SECBmpMgr mgr;
    for (UINT nID : {IDR_TB_COUNT_PAST_END, IDR_TB_HEAD_ONLY, IDR_TB_MISSING})
        EXPECT_FALSE(mgr.AddToolBarResource(nID)) << nID;
    EXPECT_EQ(0, mgr.GetSourceCount());
    HBITMAP hbm = NULL;
    int nImage = -1;
    EXPECT_FALSE(mgr.GetImage(ID_TB_RED, hbm, nImage)) << "the resource past its end names it";
    EXPECT_EQ(CSize(16, 15), mgr.GetSmallSize());
}

TEST(BmpMgr, ImagesByCommandTheFirstRegistrationWinsAndSeparatorsHaveNone)
{
    SECBmpMgr mgr;
    ASSERT_TRUE(mgr.AddToolBarResource(IDR_TB_FIRST));
    ASSERT_TRUE(mgr.AddToolBarResource(IDR_TB_SECOND));
    struct
    {
        UINT nID;
        int nSource;
        int nImage;
        COLORREF rgb;
    } const expected[] = {
        {ID_TB_RED, 0, 0, RGB(0xFF, 0, 0)},       {ID_TB_GREEN, 0, 1, RGB(0, 0xC0, 0)},
        {ID_TB_BLUE, 0, 2, RGB(0, 0, 0xFF)},      {ID_TB_CHECK, 0, 3, RGB(0xFF, 0xFF, 0)},
        {ID_TB_DROP, 0, 4, RGB(0xFF, 0, 0xFF)},   {ID_TB_CYAN, 1, 0, RGB(0, 0xFF, 0xFF)},
        {ID_TB_ORANGE, 1, 2, RGB(0xFF, 0x80, 0)},
    };
    for (const auto& e : expected)
    {
        SCOPED_TRACE(e.nID);
        HBITMAP hbm = NULL;
        int nImage = -1;
        ASSERT_TRUE(mgr.GetImage(e.nID, hbm, nImage));
        EXPECT_EQ(mgr.GetSource(e.nSource).hbmSmall, hbm);
        EXPECT_EQ(e.nImage, nImage);
        EXPECT_EQ(e.rgb, StripPixel(hbm, nImage * 16 + 3, 3));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), StripPixel(hbm, nImage * 16 + 2, 2))
            << "grey follows the system";
    }
    HBITMAP hbm = NULL;
    int nImage = -1;
    EXPECT_FALSE(mgr.GetImage(0, hbm, nImage));
    EXPECT_EQ(CSize(5 * 16, 15), StripSize(mgr.GetSource(0).hbmSmall));
    EXPECT_EQ(CSize(3 * 16, 15), StripSize(mgr.GetSource(1).hbmSmall));
}

TEST(BmpMgr, LargeImagesAreStretchedFromTheSmallOnesWithoutALargeResource)
{
    SECBmpMgr mgr;
    ASSERT_TRUE(mgr.AddToolBarResource(IDR_TB_FIRST));
    mgr.SetSmallImages(FALSE);
    EXPECT_EQ(CSize(22, 24), mgr.GetImageSize());
    const SECBmpMgr::BmpInfo& info = mgr.GetSource(0);
    ASSERT_NE(nullptr, info.hbmLarge);
    EXPECT_EQ(nullptr, info.hbmSmall) << "the small strip is let go";
    EXPECT_EQ(CSize(5 * 22, 24), StripSize(info.hbmLarge));
    HBITMAP hbm = NULL;
    int nImage = -1;
    ASSERT_TRUE(mgr.GetImage(ID_TB_BLUE, hbm, nImage));
    EXPECT_EQ(info.hbmLarge, hbm);
    EXPECT_EQ(RGB(0, 0, 0xFF), StripPixel(hbm, 2 * 22 + 11, 12));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), StripPixel(hbm, 2 * 22 + 1, 1));
    // And back.
    mgr.SetSmallImages(TRUE);
    EXPECT_EQ(nullptr, mgr.GetSource(0).hbmLarge);
    EXPECT_EQ(CSize(5 * 16, 15), StripSize(mgr.GetSource(0).hbmSmall));
}

TEST(BmpMgr, SuppliedBitmapsServeTheirIdsAndStayTheCallers)
{
    HDC hDC = ::GetDC(NULL);
    HBITMAP hbm = ::CreateCompatibleBitmap(hDC, 32, 15);
    ::ReleaseDC(NULL, hDC);
    {
        SECBmpMgr mgr;
        const UINT ids[] = {ID_TB_CYAN, ID_TB_RED};
        ASSERT_TRUE(mgr.AddBitmap(hbm, NULL, ids, 2));
        HBITMAP hbmGot = NULL;
        int nImage = -1;
        ASSERT_TRUE(mgr.GetImage(ID_TB_RED, hbmGot, nImage));
        EXPECT_EQ(hbm, hbmGot);
        EXPECT_EQ(1, nImage);
    }
    BITMAP bitmap = {};
    EXPECT_TRUE(::GetObject(hbm, sizeof(bitmap), &bitmap)) << "not deleted with the manager";
    ::DeleteObject(hbm);
}
