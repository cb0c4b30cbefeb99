// Font descriptions, the face table and the shared LOGFONT records.
#include "grid/core/Font.h"
#include "grid/core/FontFaceTable.h"
#include <gtest/gtest.h>

TEST(Font, NewFontIncludesNothing)
{
    CGXFont f;
    EXPECT_TRUE(f.IsEmpty());
    EXPECT_EQ(0x3FE000F0u, f.GetDescriptionWord1());
    EXPECT_EQ(1023u, f.GetDescriptionWord2());
    EXPECT_FALSE(f.GetIncludeSize() || f.GetIncludeWeight() || f.GetIncludeItalic() ||
                 f.GetIncludeOrientation() || f.GetIncludeFaceName());
}

TEST(Font, SizeWeightOrientationSetters)
{
    struct SizeCase
    {
        double points;
        double stored;
    } sizes[] = {{8.3, 8.25}, {-10, 10}, {300, 255.75}, {0.1, 0}, {12.5, 12.5}};
    for (const SizeCase& c : sizes)
        EXPECT_DOUBLE_EQ(c.stored, CGXFont().SetSize(c.points).GetSize()) << c.points;

    struct WeightCase
    {
        LONG weight;
        LONG stored;
        BOOL included;
    } weights[] = {{700, 700, TRUE}, {1600, 0, TRUE}, {450, 400, TRUE}, {1500, 0, FALSE}};
    for (const WeightCase& c : weights)
    {
        CGXFont f;
        f.SetWeight(c.weight);
        EXPECT_EQ(c.included, f.GetIncludeWeight()) << c.weight;
        if (c.included)
        {
            EXPECT_EQ(c.stored, f.GetWeight()) << c.weight;
        }
    }

    // Angles are reduced to one turn before they are stored in whole degrees.
    struct OrientationCase
    {
        LONG tenths;
        LONG stored;
    } orientations[] = {{-900, 2700}, {3605, 0},  {5200, 1600}, {5115, 1510},
                        {3599, 3590}, {450, 450}, {-3600, 0}};
    for (const OrientationCase& c : orientations)
    {
        CGXFont f;
        f.SetOrientation(c.tenths);
        EXPECT_TRUE(f.GetIncludeOrientation()) << c.tenths;
        EXPECT_EQ(c.stored, f.GetOrientation()) << c.tenths;
    }
}

TEST(Font, FaceTableGivesArialIndexZero)
{
    CGXFontFaceTable* pTable = GXGetFontFaceTable();
    EXPECT_EQ(0u, pTable->FindOrAdd("Arial", 0, 0));
    EXPECT_EQ(1023u, pTable->FindOrAdd("", 0, 0));
    UINT n = pTable->FindOrAdd("Kein Font Dieses Namens", 0, 0);
    EXPECT_NE(1023u, n);
    EXPECT_EQ(n, pTable->FindOrAdd("Kein Font Dieses Namens", 0, 0));
    ASSERT_NE(nullptr, pTable->GetEntry(n));
    EXPECT_STREQ("Kein Font Dieses Namens", pTable->GetEntry(n)->szName);
    EXPECT_EQ(nullptr, pTable->GetEntry(1022));
    EXPECT_EQ(0, pTable->GetCharSet(1022));
    EXPECT_GT(pTable->GetEnumeratedCount(), 0);

    LOGFONT lf = {};
    lstrcpyA(lf.lfFaceName, "Arial");
    lf.lfHeight = -11;
    CGXFont f;
    f.SetLogFont(lf);
    EXPECT_EQ(0u, f.GetFaceIndexValue());
    EXPECT_EQ(CString("Arial"), f.GetFaceName());
}

TEST(Font, LogFontAt96Dpi)
{
    CGXFontFaceTable* pTable = GXGetFontFaceTable();
    ASSERT_EQ(96, pTable->GetVertResolution()) << "the test display runs at 96 dpi";
    CGXFont f;
    f.SetDefault();
    EXPECT_DOUBLE_EQ(8.25, f.GetSize());
    EXPECT_EQ(400, f.GetWeight());
    EXPECT_TRUE(f.GetIncludeItalic());
    EXPECT_FALSE(f.GetItalic());
    const LOGFONT& lf = f.GetLogFont();
    EXPECT_EQ(-11, lf.lfHeight);
    EXPECT_EQ(400, lf.lfWeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    EXPECT_EQ(0, lf.lfEscapement);

    CGXFont g;
    g.SetSize(12).SetBold(TRUE).SetItalic(TRUE).SetOrientation(900).SetFaceName("Arial");
    LOGFONT lg = g.GetLogFont();
    EXPECT_EQ(-16, lg.lfHeight);
    EXPECT_EQ(700, lg.lfWeight);
    EXPECT_EQ(1, lg.lfItalic);
    EXPECT_EQ(900, lg.lfEscapement);
    EXPECT_EQ(900, lg.lfOrientation);
    EXPECT_EQ(pTable->GetEntry(0)->nPitchAndFamily + 4, lg.lfPitchAndFamily);
    CGXFont e; // 32 quarter points * 96 / 288 = 10.67, truncated
    e.SetSize(8).SetFaceName("Arial");
    EXPECT_EQ(-10, e.GetLogFont().lfHeight);
    LOGFONT lz;
    g.GetZoomedLogFont(lz, 150);
    EXPECT_EQ(-24, lz.lfHeight);

    LOGFONT l0 = {};
    lstrcpyA(l0.lfFaceName, "Arial");
    CGXFont h;
    h.SetLogFont(l0);
    EXPECT_FALSE(h.GetIncludeSize()); // height 0: no size
}

TEST(Font, SharedRecordFreedWithLastFont)
{
    CGXMapFontData& map = GXGetFontFaceTable()->m_mapFontData;
    INT_PTR nBefore = map.GetCount();
    {
        CGXFont* a = new CGXFont;
        a->SetSize(31.5).SetWeight(300);
        CGXFont* b = new CGXFont;
        b->SetWeight(300).SetSize(31.5);
        const LOGFONT* pa = &a->GetLogFont();
        const LOGFONT* pb = &b->GetLogFont();
        EXPECT_EQ(pa, pb);
        EXPECT_EQ(nBefore + 1, map.GetCount());
        CGXFont c(*a); // a copy takes a further reference
        delete a;
        EXPECT_EQ(nBefore + 1, map.GetCount());
        delete b;
        EXPECT_EQ(nBefore + 1, map.GetCount());
        c.SetItalic(TRUE); // a setter lets go of the record
        EXPECT_EQ(nBefore, map.GetCount());
    }
    EXPECT_EQ(nBefore, map.GetCount());
}

TEST(Font, MergeModes)
{
    CGXFont src;
    src.SetSize(10).SetItalic(TRUE);
    struct Case
    {
        GXModifyType mt;
        BOOL sizeIncluded;
        double size;
        BOOL italicIncluded;
        LONG weight;
    } cases[] = {
        {gxApplyNew, TRUE, 8, TRUE, 700},
        {gxOverride, TRUE, 10, TRUE, 700},
        {gxExclude, FALSE, 0, FALSE, 700},
        {gxCopy, TRUE, 10, TRUE, -1},
    };
    for (const Case& c : cases)
    {
        CGXFont f;
        f.SetSize(8).SetBold(TRUE);
        f.MergeFont(src, c.mt);
        EXPECT_EQ(c.sizeIncluded, f.GetIncludeSize()) << c.mt;
        if (c.sizeIncluded)
        {
            EXPECT_DOUBLE_EQ(c.size, f.GetSize()) << c.mt;
        }
        EXPECT_EQ(c.italicIncluded, f.GetIncludeItalic()) << c.mt;
        if (c.weight < 0)
        {
            EXPECT_FALSE(f.GetIncludeWeight());
        }
        else
        {
            EXPECT_EQ(c.weight, f.GetWeight());
        }
    }
    CGXFont big;
    big.SetSize(10).SetItalic(TRUE).SetBold(TRUE);
    EXPECT_TRUE(big.IncludesFont(src));
    EXPECT_FALSE(src.IncludesFont(big));
}
