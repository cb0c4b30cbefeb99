// Progress-bar cells: the bar's width from minimum, maximum and value, the caption in its two
// colours, captions that are not a safe format for one long, and clamping on store.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/ProgressCtrl.h"
#include "grid/core/AppData.h"
#include "MetaFileDC.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
const COLORREF crBar = RGB(0, 0, 255);
const COLORREF crBack = RGB(255, 255, 0);

CGXStyle ProgressStyle(LPCTSTR pszMin, LPCTSTR pszMax, LPCTSTR pszValue)
{
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_PROGRESS).SetTextColor(crBar).SetInterior(crBack).SetValue(pszValue);
    if (pszMin != NULL)
        style.SetUserAttributeText(GX_IDS_UA_PROGRESS_MIN, pszMin);
    if (pszMax != NULL)
        style.SetUserAttributeText(GX_IDS_UA_PROGRESS_MAX, pszMax);
    return style;
}

// Draws a style through the grid's progress control on a 200 x 20 memory bitmap.
struct ProgressCanvas
{
    explicit ProgressCanvas(CGXGridWnd& grid, const CGXStyle& style)
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, 200, 20);
        pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 200, 20, RGB(255, 255, 255));
        CGXControl* pControl = grid.GetRegisteredControl(GX_IDS_CTRL_PROGRESS);
        EXPECT_NE(nullptr, pControl);
        if (pControl != NULL)
            pControl->Draw(&dc, CRect(0, 0, 200, 20), 1, 1, style, NULL);
    }
    ~ProgressCanvas()
    {
        dc.SelectObject(pOld);
    }
    // Pixels of the bar colour along a row without caption (y 1).
    int BarPixels()
    {
        int n = 0;
        for (int x = 0; x < 200; x++)
            n += dc.GetPixel(x, 1) == crBar;
        return n;
    }
    int CountColour(COLORREF cr)
    {
        int n = 0;
        for (int y = 0; y < 20; y++)
            for (int x = 0; x < 200; x++)
                n += dc.GetPixel(x, y) == cr;
        return n;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld;
};

TEST(GridProgressCtrl, BarWidthStaysInsideTheCell)
{
    GridWindow w(300, 200);
    struct
    {
        LPCTSTR pszMin, pszMax, pszValue;
        int nBar;
    } cases[] = {
        {_T("0"), _T("100"), _T("50"), 100}, {_T("0"), _T("100"), _T("100"), 200},
        {_T("10"), _T("20"), _T("5"), 0},    {_T("0"), _T("100"), _T("150"), 200},
        {_T("0"), _T("100"), _T("abc"), 0},  {_T("5"), _T("5"), _T("4"), 0},
        {_T("5"), _T("5"), _T("5"), 200},    {_T("9"), _T("3"), _T("2"), 0},
        {_T("9"), _T("3"), _T("9"), 200},    {NULL, NULL, _T("7"), 200},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszMin ? c.pszMin : "-") + ".." + (c.pszMax ? c.pszMax : "-") + " " +
                     c.pszValue);
        ProgressCanvas canvas(*w.grid, ProgressStyle(c.pszMin, c.pszMax, c.pszValue));
        EXPECT_EQ(c.nBar, canvas.BarPixels());
        EXPECT_EQ(200 - c.nBar, canvas.CountColour(crBack) / 20);
    }
}

TEST(GridProgressCtrl, CaptionUsesBothColoursAndOnlySafeFormats)
{
    GridWindow w(300, 200);
    // A caption centred over the bar's end: some of it in each colour.
    CGXStyle style = ProgressStyle(_T("0"), _T("100"), _T("50"));
    style.SetUserAttributeText(GX_IDS_UA_PROGRESS_CAPTIONMASK, _T("%ld %%"));
    CString strCaption;
    ((CGXProgressCtrl*)w.grid->GetRegisteredControl(GX_IDS_CTRL_PROGRESS))
        ->GetCaptionText(strCaption, 1, 1, style);
    EXPECT_EQ(CString("50 %"), strCaption);
    ProgressCanvas plain(*w.grid, ProgressStyle(_T("0"), _T("100"), _T("50")));
    ProgressCanvas captioned(*w.grid, style);
    int nBarLost = plain.CountColour(crBar) - captioned.CountColour(crBar);
    int nBackLost = plain.CountColour(crBack) - captioned.CountColour(crBack);
    // Text in the back colour over the bar and in the bar colour over the back: neither part
    // only gains or only loses.
    EXPECT_GT(nBarLost, 0);
    EXPECT_GT(nBackLost, 0);

    struct
    {
        LPCTSTR pszFormat;
        LPCTSTR pszCaption;
    } formats[] = {
        {_T("%s"), _T("%s")},       {_T("%n"), _T("%n")},     {_T("%d %d"), _T("%d %d")},
        {_T("%ld %%"), _T("50 %")}, {_T("%5d"), _T("   50")}, {_T("%-+u!"), _T("50!")},
        {_T("%x"), _T("%x")},       {_T("100%"), _T("100%")}, {_T(""), _T("")},
    };
    for (const auto& f : formats)
    {
        SCOPED_TRACE(f.pszFormat);
        style.SetUserAttributeText(GX_IDS_UA_PROGRESS_CAPTIONMASK, f.pszFormat);
        ((CGXProgressCtrl*)w.grid->GetRegisteredControl(GX_IDS_CTRL_PROGRESS))
            ->GetCaptionText(strCaption, 1, 1, style);
        EXPECT_EQ(CString(f.pszCaption), strCaption);
    }

    // A caption wider than the cell is left out.
    style.SetUserAttributeText(GX_IDS_UA_PROGRESS_CAPTIONMASK, CString('W', 100));
    ProgressCanvas wide(*w.grid, style);
    EXPECT_EQ(plain.CountColour(crBar), wide.CountColour(crBar));
    EXPECT_EQ(plain.CountColour(crBack), wide.CountColour(crBack));
}

TEST(GridProgressCtrl, StoringClampsTheValueToTheRange)
{
    GridWindow w(300, 200);
    CGXGridWnd& grid = *w.grid;
    grid.SetRowCount(3, GX_NOREDRAW);
    grid.SetColCount(3, GX_NOREDRAW);
    grid.SetStyleRange(CGXCellRange(1, 1, 1, 3), ProgressStyle(_T("0"), _T("100"), _T("0")));
    struct
    {
        LPCTSTR pszValue;
        LPCTSTR pszStored;
    } cases[] = {{_T("150"), _T("100")}, {_T("-3"), _T("0")}, {_T("42"), _T("42")}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszValue);
        grid.SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetValue(c.pszValue));
        CGXStyle stored;
        grid.GetStyleRowCol(1, 2, stored);
        EXPECT_EQ(CString(c.pszStored), stored.GetValue());
    }
    // Bounds given with the value count, and a minimum above the maximum wins.
    grid.SetStyleRange(CGXCellRange(1, 3), ProgressStyle(_T("9"), _T("3"), _T("1")));
    CGXStyle stored;
    grid.GetStyleRowCol(1, 3, stored);
    EXPECT_EQ(CString("9"), stored.GetValue());
    EXPECT_EQ((UINT)GX_VT_NUMBER, stored.GetValueType());
}
} // namespace

namespace
{
// What drawing a captioned cell into an enhanced metafile recorded: clip records and the text
// colour the caption was last written in.
struct RecordedCaption
{
    int nClips = 0;
    int nTexts = 0;
    COLORREF crCurrent = CLR_INVALID;
    COLORREF crLastText = CLR_INVALID;
};

int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    RecordedCaption& r = *(RecordedCaption*)lParam;
    if (pRecord->iType == EMR_INTERSECTCLIPRECT)
        r.nClips++;
    else if (pRecord->iType == EMR_EXTTEXTOUTW || pRecord->iType == EMR_EXTTEXTOUTA)
    {
        r.nTexts++;
        r.crLastText = r.crCurrent;
    }
    else if (pRecord->iType == EMR_SETTEXTCOLOR)
        r.crCurrent = ((const EMRSETTEXTCOLOR*)pRecord)->crColor;
    return 1;
}

RecordedCaption RecordCaption(CGXGridWnd& grid, const CGXStyle& style, BOOL bPrinting)
{
    CClientDC screen(NULL);
    CMetaFileDC meta;
    EXPECT_TRUE(meta.CreateEnhanced(&screen, NULL, NULL, NULL));
    meta.m_bPrinting = bPrinting;
    grid.GetRegisteredControl(GX_IDS_CTRL_PROGRESS)->Draw(&meta, CRect(0, 0, 200, 20), 1, 1, style, NULL);
    HENHMETAFILE hMeta = meta.CloseEnhanced();
    RecordedCaption r;
    ::EnumEnhMetaFile(NULL, hMeta, CountRecord, &r, NULL);
    ::DeleteEnhMetaFile(hMeta);
    return r;
}

// Pixels in the text colour right of the bar's end (x 100 on): the caption's part outside the bar.
int CaptionOutsideTheBar(ProgressCanvas& canvas)
{
    int n = 0;
    for (int y = 0; y < 20; y++)
        for (int x = 100; x < 200; x++)
            n += canvas.dc.GetPixel(x, y) == crBar;
    return n;
}
} // namespace

// A caption across the bar's end is clipped to the bar for its over-bar part, except on a metafile
// that is not printing and while printing with the library's no-print-clipping option: there the
// whole caption takes the over-bar colour.
TEST(GridProgressCtrl, CaptionClippingOnMetafilesAndWhilePrinting)
{
    GridWindow w(300, 200);
    CGXStyle style = ProgressStyle(_T("0"), _T("100"), _T("50"));
    style.SetUserAttributeText(GX_IDS_UA_PROGRESS_CAPTIONMASK, _T("%ld %%"));

    struct
    {
        BOOL bPrinting;
        int nClips;
    } metafiles[] = {{FALSE, 0}, {TRUE, 1}};
    for (const auto& m : metafiles)
    {
        SCOPED_TRACE(m.bPrinting ? "printing metafile" : "metafile");
        RecordedCaption r = RecordCaption(*w.grid, style, m.bPrinting);
        EXPECT_EQ(m.nClips, r.nClips);
        EXPECT_GT(r.nTexts, 0);
        EXPECT_EQ(crBack, r.crLastText);
    }

    struct
    {
        BOOL bPrinting, bNoPrintClipping;
        bool bClipped;
    } screens[] = {{FALSE, FALSE, true}, {FALSE, TRUE, true}, {TRUE, FALSE, true}, {TRUE, TRUE, false}};
    for (const auto& s : screens)
    {
        SCOPED_TRACE(testing::Message() << "printing " << s.bPrinting << ", option " << s.bNoPrintClipping);
        GXGetAppData()->m_bNoPrintClipping = s.bNoPrintClipping;
        ProgressCanvas canvas(*w.grid, ProgressStyle(_T("0"), _T("100"), _T("50")));
        canvas.dc.FillSolidRect(0, 0, 200, 20, RGB(255, 255, 255));
        canvas.dc.m_bPrinting = s.bPrinting;
        w.grid->GetRegisteredControl(GX_IDS_CTRL_PROGRESS)
            ->Draw(&canvas.dc, CRect(0, 0, 200, 20), 1, 1, style, NULL);
        canvas.dc.m_bPrinting = FALSE;
        EXPECT_EQ(s.bClipped, CaptionOutsideTheBar(canvas) > 0);
    }
    GXGetAppData()->m_bNoPrintClipping = FALSE;
}
