// Archive forms of the grid's persistent objects against bytes written by hand, their older
// forms, and damaged archives that must be refused without harm.
#include "ArchiveBytes.h"
#include "FeatureTestApp.h"
#include "grid/core/AppData.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/GridParam.h"
#include "grid/core/PatternTable.h"
#include "grid/features/StyleSerializeImp.h"
#include "grid/features/CollMapDWordToString.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
Bytes Long(LONG l)
{
    return DWord((DWORD)l);
}

// Equal bytes, or the first offset where they differ.
::testing::AssertionResult SameBytes(const Bytes& expected, const Bytes& actual)
{
    size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
        i++;
    if (i == expected.size() && i == actual.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "sizes " << expected.size() << " and " << actual.size() << ", first difference at offset " << i
           << ": " << (i < expected.size() ? (int)expected[i] : -1) << " against "
           << (i < actual.size() ? (int)actual[i] : -1);
}

// A style of schema 6 that includes only a value.
Bytes ValueStyle(const std::string& value)
{
    return Cat({Word(6), DWord(1u << CGXStyle::ibValue), Str(value), Word(0), NullObject(), {0}});
}

class ArchiveTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureGridLibrary();
        m_map.CreateStandardStyles();
    }

    template <class T> Bytes StoreObject(T& object)
    {
        return Store([&](CArchive& ar) { object.Serialize(ar); });
    }

    template <class T> int LoadObject(const Bytes& bytes, T& object)
    {
        return LoadCause(bytes, [&](CArchive& ar) { object.Serialize(ar); });
    }

    Bytes StoreStyle(CGXStyle& style)
    {
        return Store([&](CArchive& ar) { style.SerializeStyle(ar, &m_map); });
    }

    int LoadStyle(const Bytes& bytes, CGXStyle& style)
    {
        return LoadCause(bytes, [&](CArchive& ar) { style.SerializeStyle(ar, &m_map); });
    }

    CGXStylesMap m_map;
};
} // namespace

TEST_F(ArchiveTest, StyleWithoutAttributes)
{
    CGXStyle style;
    Bytes expected{6, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(SameBytes(expected, StoreStyle(style)));
    CGXStyle loaded;
    loaded.SetValue("old");
    EXPECT_EQ(kNoError, LoadStyle(expected, loaded));
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST_F(ArchiveTest, StyleWithItsAttributesAndABaseStyleByResource)
{
    CGXStyle style;
    style.SetValue("ab")
        .SetHorizontalAlignment(DT_CENTER)
        .SetInterior(RGB(1, 2, 3))
        .SetTextColor(RGB(255, 0, 0))
        .MergeFont(CGXFont().SetWeight(700))
        .SetBorder(CGXStyle::sideTop, CGXCellPen(PS_SOLID, 1, RGB(0, 0, 255)))
        .SetBaseStyle(m_map.m_wStyleStandard);
    const DWORD dwMask = 1u << CGXStyle::ibHorzAlign | 1u << CGXStyle::ibInterior |
                         1u << CGXStyle::ibTextColor | 1u << CGXStyle::ibBorders | 1u << CGXStyle::ibFont |
                         1u << CGXStyle::ibValue | 1u << CGXStyle::ibBaseStyle;
    Bytes expected = Cat({Word(6),
                          DWord(dwMask),
                          DWord(1), // centred
                          DWord(0),
                          DWord(RGB(1, 2, 3)),
                          Long(0),
                          Long(63),
                          DWord(RGB(255, 255, 255)), // brush
                          DWord(RGB(255, 0, 0)),     // text colour
                          NewClass("CGXFont"),
                          Word(2),
                          DWord(1u << 6),
                          Word(700), // font
                          Str("ab"), // value
                          Word(1),
                          Word(1),
                          Str("0 1 0 0 255 0"),
                          Word(0),
                          Word(0),
                          Word(0),                      // borders
                          DWord(GX_IDS_STYLE_STANDARD), // base style
                          NullObject(),
                          {0}});
    EXPECT_TRUE(SameBytes(expected, StoreStyle(style)));
    CGXStyle loaded;
    EXPECT_EQ(kNoError, LoadStyle(expected, loaded));
    EXPECT_TRUE(loaded.IsEqual(style));

    // Without a styles map the base style is written by its (empty) name and read as none.
    CGXStyle unnamed;
    unnamed.SetBaseStyle(m_map.m_wStyleStandard);
    Bytes noMap = Store([&](CArchive& ar) { unnamed.SerializeStyle(ar, NULL); });
    EXPECT_EQ(Cat({Word(6), DWord(1u << CGXStyle::ibBaseStyle), Word(0), DWord(0), Str(""), NullObject()}),
              noMap);
    CGXStyle other;
    other.SetBaseStyle(5);
    EXPECT_EQ(kNoError, LoadCause(noMap, [&](CArchive& ar) { other.SerializeStyle(ar, NULL); }));
    EXPECT_FALSE(other.GetInclude(CGXStyle::ibBaseStyle));
}

TEST_F(ArchiveTest, BaseStyleUnknownToTheReadingMapIsLeftOut)
{
    Bytes bytes = Cat({Word(6), DWord(1u << CGXStyle::ibBaseStyle), Word(0), DWord(61234), NullObject()});
    CGXStyle loaded;
    EXPECT_EQ(kNoError, LoadStyle(bytes, loaded));
    EXPECT_FALSE(loaded.GetInclude(CGXStyle::ibBaseStyle));
    Bytes byName = Cat(
        {Word(6), DWord(1u << CGXStyle::ibBaseStyle), Word(0), DWord(0), Str("Spaltenkopf"), NullObject()});
    EXPECT_EQ(kNoError, LoadStyle(byName, loaded));
    EXPECT_EQ(m_map.m_wStyleColHeader, loaded.GetBaseStyle());
}

TEST_F(ArchiveTest, FontForms)
{
    CGXFont empty;
    EXPECT_EQ((Bytes{2, 0, 0, 0, 0, 0}), StoreObject(empty));

    CGXFont font;
    font.SetFaceName("Courier New");
    font.SetSize(10.5).SetWeight(700).SetItalic(TRUE).SetUnderline(FALSE).SetOrientation(900);
    BYTE nCharSet = GXGetFontFaceTable()->GetCharSet(font.GetFaceIndexValue());
    BYTE nPitch = GXGetFontFaceTable()->GetEntry(font.GetFaceIndexValue())->nPitchAndFamily;
    Bytes expected = Cat({Word(2),
                          DWord(1 | 2 | 8 | 64 | 128 | 256 | 512),
                          Word(700),
                          Word(105),
                          Word(900),
                          Str("Courier New"),
                          {nCharSet, nPitch}});
    EXPECT_TRUE(SameBytes(expected, StoreObject(font)));
    CGXFont loaded;
    EXPECT_EQ(kNoError, LoadObject(expected, loaded));
    EXPECT_TRUE(loaded.IsEqualDescription(font));

    // The first form: height, weight, italic, underline, pitch, face, then which of them count.
    Bytes old = Cat({Word(1), Long(-13), Long(700), {1, 1, 0}, Str("Courier New"), DWord(1 | 4 | 32)});
    CGXFont oldFont;
    EXPECT_EQ(kNoError, LoadObject(old, oldFont));
    EXPECT_EQ(700, oldFont.GetWeight());
    EXPECT_TRUE(oldFont.GetIncludeItalic() && oldFont.GetItalic());
    EXPECT_FALSE(oldFont.GetIncludeSize());
    EXPECT_FALSE(oldFont.GetIncludeUnderline());
    EXPECT_STREQ("Courier New", oldFont.GetFaceName());

    // A face of 32 characters does not fit the 32-byte face field with its terminator.
    const std::string face32 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef";
    Bytes longFace = Cat({Word(1), Long(0), Long(400), {0, 0, 0}, Str(face32), DWord(32)});
    CGXFont cut;
    EXPECT_EQ(kNoError, LoadObject(longFace, cut));
    EXPECT_STREQ(face32.substr(0, 31).c_str(), cut.GetFaceName());
}

TEST_F(ArchiveTest, BrushesAndPens)
{
    CGXAbstractStyleSerializeImp* pImp = GXGetAppData()->m_pStyleSerializeImp;
    CGXCellBrush pattern(BS_SOLID, RGB(0, 0, 0));
    pattern.SetPattern(7);
    pattern.SetColor(GXSYSCOLOR(COLOR_BTNFACE));
    Bytes expected = Cat({DWord(3), DWord(0), Long(pattern.GetHatch()), Long(7),
                          DWord(GXSYSCOLOR(COLOR_BTNFACE) | (::GetSysColor(COLOR_BTNFACE) & 0xFFFFFF))});
    EXPECT_TRUE(SameBytes(expected, Store([&](CArchive& ar) { pImp->SerializeBrush(pattern, ar); })));
    CGXCellBrush loaded;
    EXPECT_EQ(kNoError, LoadCause(expected, [&](CArchive& ar) { pImp->SerializeBrush(loaded, ar); }));
    EXPECT_TRUE(loaded == pattern);

    // A pattern the table does not have makes a hollow brush.
    Bytes badPattern = Cat({DWord(3), DWord(0), Long(0), Long(GX_PATTERN_COUNT), DWord(0)});
    EXPECT_EQ(kNoError, LoadCause(badPattern, [&](CArchive& ar) { pImp->SerializeBrush(loaded, ar); }));
    EXPECT_EQ((UINT)BS_HOLLOW, loaded.GetStyle());

    CGXCellPen pen(PS_DOT, 2, RGB(1, 2, 3));
    Bytes penBytes = Cat({DWord(PS_DOT), Word(2), Word(1), DWord(RGB(1, 2, 3))});
    EXPECT_EQ(penBytes, Store([&](CArchive& ar) { pImp->SerializePen(pen, ar); }));
    CGXCellPen loadedPen;
    EXPECT_EQ(kNoError, LoadCause(penBytes, [&](CArchive& ar) { pImp->SerializePen(loadedPen, ar); }));
    EXPECT_TRUE(loadedPen == pen);
    Bytes unset = Cat({DWord(PS_SOLID), Word(1), Word(0), DWord(0)});
    EXPECT_EQ(kNoError, LoadCause(unset, [&](CArchive& ar) { pImp->SerializePen(loadedPen, ar); }));
    EXPECT_FALSE(loadedPen.GetInclude());
}

// Values out of range are refused before they reach the drawing code.
TEST_F(ArchiveTest, DamagedBrushesPensAndBordersAreRefused)
{
    CGXAbstractStyleSerializeImp* pImp = GXGetAppData()->m_pStyleSerializeImp;
    const DWORD interiorOnly = 1u << CGXStyle::ibInterior;
    const DWORD bordersOnly = 1u << CGXStyle::ibBorders;
    struct Case
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"brush style 4",
         Cat({Word(6), DWord(interiorOnly), DWord(4), DWord(0), Long(0), Long(0), DWord(0)})},
        {"hatch 8", Cat({Word(6), DWord(interiorOnly), DWord(2), DWord(0), Long(8), Long(0), DWord(0)})},
        {"hatch -1", Cat({Word(6), DWord(interiorOnly), DWord(2), DWord(0), Long(-1), Long(0), DWord(0)})},
        {"pen style 8", Cat({Word(6), DWord(bordersOnly), Word(1), Word(1), Str("8 1 0 0 0 0"), Word(0),
                             Word(0), Word(0), NullObject()})},
        {"pen text too short", Cat({Word(6), DWord(bordersOnly), Word(1), Word(1), Str("0 1 0"), Word(0),
                                    Word(0), Word(0), NullObject()})},
        {"side flag 2",
         Cat({Word(6), DWord(bordersOnly), Word(1), Word(2), Word(0), Word(0), Word(0), NullObject()})},
    };
    for (const Case& c : cases)
    {
        CGXStyle style;
        EXPECT_EQ(CArchiveException::generic, LoadStyle(c.bytes, style)) << c.what;
    }
    CGXCellPen pen;
    Bytes badPen = Cat({DWord(8), Word(1), Word(1), DWord(0)});
    EXPECT_EQ(CArchiveException::generic,
              LoadCause(badPen, [&](CArchive& ar) { pImp->SerializePen(pen, ar); }));
}

TEST_F(ArchiveTest, OlderStyleSchemas)
{
    // Schema 4: the user attributes as a DWORD-to-text map, format and places as a pair.
    CGXCollMapDWordToString old;
    old[52797] = "rot";
    Bytes oldMap = Store([&](CArchive& ar) { ar << (CObject*)&old; });
    EXPECT_EQ(Cat({NewClass("CGXCollMapDWordToString"), Word(1), DWord(52797), Str("rot")}), oldMap);
    CGXStyleIncludeBits inc; // the float cell's bit is exchanged with the flood cell's in the mask
    for (int nBit : {CGXStyle::ibValue, CGXStyle::ibFormat, CGXStyle::ibFloatCell})
        inc.Set(nBit, TRUE);
    const DWORD dwMask = inc.GetMask();
    ASSERT_EQ(1u << CGXStyle::ibValue | 1u << CGXStyle::ibFormat | 1u << CGXStyle::ibFloodCell, dwMask);
    Bytes schema4 = Cat({Word(4), DWord(dwMask), Str("1.5"), Word(0), oldMap, {1}, {2, 3}, {GX_VT_NUMBER}});
    CGXStyle loaded;
    EXPECT_EQ(kNoError, LoadStyle(schema4, loaded));
    EXPECT_STREQ("1.5", loaded.GetValue());
    EXPECT_EQ((UINT)GX_VT_NUMBER, loaded.GetValueType());
    EXPECT_EQ(2u, loaded.GetFormat());
    EXPECT_EQ(3u, loaded.GetPlaces());
    EXPECT_TRUE(loaded.GetInclude(CGXStyle::ibPlaces));
    EXPECT_TRUE(loaded.GetFloatCell());
    ASSERT_TRUE(loaded.HasUserAttribute(52797));
    EXPECT_STREQ("rot", loaded.GetUserAttribute(52797).GetValueText());

    // Schema 1 has neither the span attributes nor the data word nor the format.
    Bytes schema1 = Cat({Word(1), DWord(1u << CGXStyle::ibValue), Str("x"), Word(0), NullObject()});
    CGXStyle first;
    EXPECT_EQ(kNoError, LoadStyle(schema1, first));
    EXPECT_STREQ("x", first.GetValue());

    // Without the compatibility component the old schemas are unknown.
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractSerializeMG5CompatibleImp* pCompat = pAppData->m_pSerializeCompatibleImp;
    pAppData->m_pSerializeCompatibleImp = NULL;
    EXPECT_EQ(CArchiveException::badSchema, LoadStyle(schema4, loaded));
    pAppData->m_pSerializeCompatibleImp = pCompat;
}

TEST_F(ArchiveTest, NewerSchemasAreRefused)
{
    CGXStyle style;
    CGXFont font;
    CGXGridParam param;
    CGXProperties prop;
    CGXStylesMap map;
    CGXData data;
    CGXStylePtrArray array;
    CGXStylePtrArrayPtrArray rows;
    EXPECT_EQ(CArchiveException::badSchema, LoadStyle(Cat({Word(7), DWord(0)}), style));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Cat({Word(3), DWord(0)}), font));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Word(12), param));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Word(5), prop));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Word(3), map));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Word(2), data));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Word(0), array));
    EXPECT_EQ(CArchiveException::badSchema, LoadObject(Word(2), rows));
}

TEST_F(ArchiveTest, DataStoreOfTwoByTwo)
{
    CGXData data;
    data.ResizeRowCount(2);
    data.ResizeColumnCount(2);
    CGXStyle a, b, row;
    a.SetValue("a");
    b.SetValue("b");
    row.SetValue("r");
    data.StoreStyleRowCol(1, 1, &a, gxOverride, 0);
    data.StoreStyleRowCol(2, 2, &b, gxOverride, 0);
    data.StoreStyleRowCol(2, 0, &row, gxOverride, -1);
    // Each array stores the count up to its last entry, then its entries by index, then the end mark.
    auto twoByTwo = [](DWORD nCellRows, DWORD nRow1, DWORD nRow2, DWORD nRowStyles) {
        Bytes cells = Cat({Word(1), DWord(nCellRows), //
                           DWord(1), Word(1), DWord(nRow1), DWord(1), NewClass("CGXStyle"), ValueStyle("a"),
                           DWord(0xFFFFFFFF),                                                       //
                           DWord(2), Word(1), DWord(nRow2), DWord(2), ClassRef(1), ValueStyle("b"), //
                           DWord(0xFFFFFFFF), DWord(0xFFFFFFFF)});
        Bytes rowStyles =
            Cat({Word(1), DWord(nRowStyles), DWord(2), ClassRef(1), ValueStyle("r"), DWord(0xFFFFFFFF)});
        Bytes colStyles = Cat({Word(1), DWord(0), DWord(0xFFFFFFFF)});
        return Cat({Word(1), DWord(2), DWord(2), cells, rowStyles, colStyles});
    };
    Bytes expected = twoByTwo(3, 2, 3, 3);
    EXPECT_TRUE(SameBytes(expected, StoreObject(data)));

    CGXData loaded;
    EXPECT_EQ(kNoError, LoadObject(expected, loaded));
    EXPECT_EQ(2u, loaded.QueryRowCount());
    EXPECT_EQ(2u, loaded.QueryColumnCount());
    EXPECT_TRUE(SameBytes(expected, StoreObject(loaded)));
    CGXStyle got;
    EXPECT_TRUE(loaded.GetStyleRowCol(2, 2, got, gxCopy, 0));
    EXPECT_STREQ("b", got.GetValue());
    EXPECT_TRUE(loaded.GetStyleRowCol(2, 0, got, gxCopy, -1));
    EXPECT_STREQ("r", got.GetValue());
}

// Stored counts are not trusted: arrays grow as entries arrive, and entries outside the count
// or given twice are refused.
TEST_F(ArchiveTest, DamagedStyleArraysAreRefused)
{
    const DWORD huge = 0x7FFFFFFF;
    // A huge count with no entries costs nothing.
    CGXStylePtrArray array;
    EXPECT_EQ(kNoError, LoadObject(Cat({Word(1), DWord(huge), DWord(0xFFFFFFFF)}), array));
    EXPECT_EQ(0, array.GetSize());
    EXPECT_EQ(kNoError, LoadObject(Cat({Word(1), DWord(huge), DWord(3), NewClass("CGXStyle"), ValueStyle("x"),
                                        DWord(0xFFFFFFFF)}),
                                   array));
    EXPECT_EQ(4, array.GetSize());

    struct Case
    {
        const char* what;
        Bytes bytes;
        bool rows;
    } cases[] = {
        {"index at the count", Cat({Word(1), DWord(2), DWord(2), NewClass("CGXStyle"), ValueStyle("x")}),
         false},
        {"index past the count", Cat({Word(1), DWord(0), DWord(0x10000000)}), false},
        {"index twice", Cat({Word(1), DWord(5), DWord(1), NewClass("CGXStyle"), ValueStyle("x"), DWord(1)}),
         false},
        {"row at the count", Cat({Word(1), DWord(1), DWord(1), Word(1), DWord(0), DWord(0xFFFFFFFF)}), true},
        {"row index huge", Cat({Word(1), DWord(huge), DWord(0xFFFFFFF0)}), true},
    };
    for (const Case& c : cases)
    {
        CGXStylePtrArray styles;
        CGXStylePtrArrayPtrArray rows;
        int cause = c.rows ? LoadObject(c.bytes, rows) : LoadObject(c.bytes, styles);
        EXPECT_EQ(CArchiveException::generic, cause) << c.what;
    }
}

namespace
{
// A new parameter object that owns nothing, every tail up to schema 11 with its defaults.
Bytes NewParamBytes()
{
    return Cat({Word(11),
                {1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1}, // options and ownership
                Word(255),
                Word(178),
                Word(178), // selection and sizing flags
                DWord(0),
                DWord(0),
                Long(10000),
                Long(1200),
                Str(""), // frozen, default sizes, text
                Word(1),
                Word(2),
                Word(0),
                Word(0),
                Word(0), // five options
                DWord(0),
                DWord(0), // header rows and columns
                Word(1),
                DWord(0),
                Word(1),
                DWord(0), // selection and covered cells
                Word(1),
                DWord(0),
                Long(1400),
                Word(1),
                DWord(0),
                Long(6000), // size maps
                Word(0),
                Word(0), // hidden rows and columns
                {1},     // schema 2
                {0, 0},
                DWord(0),
                DWord(0),
                DWord(0), // schema 3
                Word(0),  // schema 4
                {0},
                Word(4),
                DWord(512), // schema 5
                {0, 0, 0, 0, 0},
                Word(0),
                NullObject(),
                NullObject(), // schema 6
                Word(0),
                NullObject(),
                NullObject(),
                NullObject(),
                Word(0), //
                {0, 0, 0},
                Word(0),
                {0}, // schemas 8 to 10
                {0},
                DWord(0xFFFFFFFF),
                DWord(0xFFFFFFFF)}); // schema 11
}
} // namespace

TEST_F(ArchiveTest, NewParameterObjectOwningNothing)
{
    CGXGridParam param;
    ASSERT_FALSE(param.m_nLinePosition);
    ASSERT_EQ((UINT)PS_SOLID, param.m_nGridLineStyle);
    Bytes expected = NewParamBytes();
    EXPECT_TRUE(SameBytes(expected, StoreObject(param)));

    CGXGridParam loaded;
    loaded.m_bReadOnly = TRUE;
    loaded.m_nFrozenRows = 3;
    loaded.m_RowHeights[5] = 99;
    EXPECT_EQ(kNoError, LoadObject(expected, loaded));
    EXPECT_FALSE(loaded.m_bReadOnly);
    EXPECT_EQ(0u, loaded.m_nFrozenRows);
    EXPECT_TRUE(SameBytes(expected, StoreObject(loaded)));
}

TEST_F(ArchiveTest, TheSecondReadOnlyAndOptionBBytesWin)
{
    Bytes bytes = NewParamBytes();
    bytes[2 + 2] = 1; // read-only
    bytes[2 + 1] = 1; // option B
    bytes[2 + 7] = 0; // option B again
    CGXGridParam loaded;
    EXPECT_EQ(kNoError, LoadObject(bytes, loaded));
    EXPECT_FALSE(loaded.m_bReadOnly);
    EXPECT_FALSE(loaded.m_bLockReadOnly);
    bytes[2 + 6] = 1; // read-only again
    EXPECT_EQ(kNoError, LoadObject(bytes, loaded));
    EXPECT_TRUE(loaded.m_bReadOnly);
}

TEST_F(ArchiveTest, OlderParameterObjectsKeepTheDefaultsOfLaterTails)
{
    // Schema 1 ends after the hidden rows and columns.
    Bytes bytes = NewParamBytes();
    bytes[0] = 1;
    const size_t nTails = 1 + 14 + 2 + 7 + 21 + 3 + 2 + 1 + 9; // schemas 2 to 11
    size_t nSchema1 = bytes.size() - nTails;
    bytes.resize(nSchema1);
    CGXGridParam loaded;
    loaded.m_bScrollBeforeMove = FALSE;
    loaded.m_nUndoLimit = 7;
    EXPECT_EQ(kNoError, LoadObject(bytes, loaded));
    EXPECT_FALSE(loaded.m_bScrollBeforeMove);
    EXPECT_EQ(7, loaded.m_nUndoLimit);
    // One byte less does not reach the end of the hidden columns.
    bytes.pop_back();
    EXPECT_EQ(CArchiveException::endOfFile, LoadObject(bytes, loaded));
}

TEST_F(ArchiveTest, ParameterObjectWithItsObjects)
{
    CGXGridParam param;
    param.SetStylesMapObject(new CGXStylesMap);
    param.GetStylesMap()->CreateStandardStyles();
    param.SetPropertiesObject(new CGXProperties);
    param.SetDataObject(new CGXData);
    param.GetData()->ResizeRowCount(3);
    param.GetData()->ResizeColumnCount(2);
    CGXStyle cell;
    cell.SetValue("z").SetBaseStyle(param.GetStylesMap()->m_wStyleRowHeader);
    param.GetData()->StoreStyleRowCol(3, 2, &cell, gxOverride, 0);
    param.m_CoveredCellsList.AddTail(new CGXCellRange(1, 1, 2, 2));
    param.m_nFrozenRows = 2;
    param.m_abHiddenRows.Add(4);
    param.m_sWindowSetting = "Tabelle";
    Bytes bytes = StoreObject(param);

    CGXGridParam loaded;
    EXPECT_EQ(kNoError, LoadObject(bytes, loaded));
    ASSERT_TRUE(loaded.GetStylesMap() != NULL && loaded.GetData() != NULL && loaded.GetProperties() != NULL);
    EXPECT_TRUE(loaded.m_bOwnStylesMap && loaded.m_bOwnData && loaded.m_bOwnProperties);
    CGXStyle got;
    ASSERT_TRUE(loaded.GetData()->GetStyleRowCol(3, 2, got, gxCopy, 0));
    EXPECT_STREQ("z", got.GetValue());
    EXPECT_EQ(loaded.GetStylesMap()->m_wStyleRowHeader, got.GetBaseStyle());
    EXPECT_EQ(1, loaded.m_CoveredCellsList.GetCount());
    EXPECT_EQ(2u, loaded.m_nFrozenRows);
    EXPECT_STREQ("Tabelle", loaded.m_sWindowSetting);
    EXPECT_TRUE(SameBytes(bytes, StoreObject(loaded)));
}

TEST_F(ArchiveTest, NewProperties)
{
    CGXProperties prop;
    const LONG d = GXGetFontFaceTable()->GetHorzResolution();
    auto inch = [&](double x) { return Long((LONG)(d * x + 0.51)); };
    // The counts of a block's arrays up to their last entries.
    struct Sizes
    {
        DWORD nCellRows, nRow1, nRowStyles, nColStyles;
    };
    auto block = [](const Sizes& z, const Bytes& row1) {
        return Cat({Word(1), DWord(10), DWord(3), Word(1), DWord(z.nCellRows), DWord(1), Word(1),
                    DWord(z.nRow1), row1, DWord(0xFFFFFFFF), DWord(0xFFFFFFFF), Word(1), DWord(z.nRowStyles),
                    DWord(0xFFFFFFFF), Word(1), DWord(z.nColStyles), DWord(0xFFFFFFFF)});
    };
    Bytes footerRow =
        Cat({DWord(1), NewClass("CGXStyle"), ValueStyle("$D"), DWord(3), ClassRef(1), ValueStyle("$P/$N")});
    Bytes headerRow = Cat({DWord(2),
                           ClassRef(1),
                           Word(6),
                           DWord(1u << CGXStyle::ibFont | 1u << CGXStyle::ibValue),
                           NewClass("CGXFont"),
                           Word(2),
                           DWord(64 | 128),
                           Word(700),
                           Word(160), // bold, 16 points
                           Str("$R"),
                           Word(0),
                           NullObject(),
                           {0}});
    auto properties = [&](const Sizes& footer, const Sizes& header) {
        return Cat({Word(4),
                    Word(5),
                    DWord(GXSYSCOLOR(COLOR_GRAYTEXT)),
                    DWord(GXSYSCOLOR(COLOR_ACTIVECAPTION)),
                    DWord(RGB(255, 0, 0)),
                    DWord(RGB(255, 0, 0)),
                    DWord(GXSYSCOLOR(COLOR_BTNFACE)),
                    Word(0),         // the always empty text list
                    {1, 1, 1, 1, 1}, // lines, 3-D header, marks
                    Str("Grid"),
                    Long(100),
                    DWord(0), // section, zoom, no user properties
                    Long(1),
                    Long(1),
                    Long(0),
                    Long(0),
                    Long(1),
                    Long(1),
                    Long(1), // print options
                    inch(1),
                    inch(1.5),
                    inch(1.5),
                    inch(1),
                    Long(1),
                    inch(0.4),
                    inch(0.4),
                    Long(-1),
                    Word(0),
                    Word(0),
                    Word(0),
                    Word(0), // two options, the page breaks
                    block(footer, footerRow),
                    block(header, headerRow),
                    Long(1)});
    };
    Bytes expected = properties(Sizes{2, 4, 0, 0}, Sizes{2, 3, 0, 0});
    EXPECT_TRUE(SameBytes(expected, StoreObject(prop)));

    CGXProperties loaded;
    loaded.m_abFlags[CGXProperties::flag3dHeader] = FALSE;
    loaded.m_anMargins[CGXProperties::marginLeft] = 1;
    loaded.m_awRowBreaks.Add(5);
    EXPECT_EQ(kNoError, LoadObject(expected, loaded));
    EXPECT_TRUE(SameBytes(expected, StoreObject(loaded)));
}

TEST_F(ArchiveTest, PropertiesUserPropertiesAndBreaks)
{
    CGXProperties prop;
    prop.AddDefaultUserProperties();
    prop.m_awColBreaks.Add(4);
    prop.m_awRowBreaks.Add(11);
    prop.m_awRowBreaks.Add(21);
    Bytes bytes = StoreObject(prop);
    CGXProperties loaded;
    EXPECT_EQ(kNoError, LoadObject(bytes, loaded));
    ASSERT_EQ(1u, loaded.GetUserPropertyInfoMap().size());
    EXPECT_TRUE(loaded.GetUserProperty(GX_IDS_UA_MARKER).IsEqual(prop.GetUserProperty(GX_IDS_UA_MARKER)));
    EXPECT_EQ(2, loaded.m_awRowBreaks.GetSize());
    EXPECT_EQ(21u, loaded.m_awRowBreaks[1]);
    EXPECT_TRUE(SameBytes(bytes, StoreObject(loaded)));
}

TEST_F(ArchiveTest, StylesMapWithTheThreeSystemStyles)
{
    CGXStylesMap map;
    CGXStyle style;
    map.RegisterStyle(GX_IDS_STYLE_STANDARD, style.SetValue("s"), TRUE);
    map.RegisterStyle(GX_IDS_STYLE_COLHEADER, style.SetValue("c"), TRUE);
    map.RegisterStyle(GX_IDS_STYLE_ROWHEADER, style.SetValue("r"), TRUE);
    map.m_wStyleStandard = 0;
    Bytes expected = Cat({Word(2),
                          Str("Styles"),
                          Word(0), //
                          Word(3),
                          Word(1),
                          Str("Spaltenkopf"),
                          Word(0),
                          Str("Standard"),
                          Word(2),
                          Str("Zeilenkopf"),
                          Word(3), //
                          Word(0),
                          DWord(GX_IDS_STYLE_STANDARD),
                          Str("Standard"),
                          {1},
                          ValueStyle("s"), //
                          Word(1),
                          DWord(GX_IDS_STYLE_COLHEADER),
                          Str("Spaltenkopf"),
                          {1},
                          ValueStyle("c"), //
                          Word(2),
                          DWord(GX_IDS_STYLE_ROWHEADER),
                          Str("Zeilenkopf"),
                          {1},
                          ValueStyle("r"), //
                          Word(3),
                          Word(0)});
    EXPECT_TRUE(SameBytes(expected, StoreObject(map)));

    CGXStylesMap loaded;
    loaded.RegisterStyle("Alt", style);
    EXPECT_EQ(kNoError, LoadObject(expected, loaded));
    EXPECT_EQ(3, loaded.GetCount());
    EXPECT_EQ(0, loaded.GetBaseStyleId("Alt"));
    EXPECT_EQ(1, loaded.m_wStyleColHeader);
    EXPECT_EQ(2, loaded.m_wStyleRowHeader);
    EXPECT_TRUE(loaded.IsSystemStyle(2));
    const CGXStyle* pRow = NULL;
    ASSERT_TRUE(loaded.LookupStyle(2, pRow));
    EXPECT_STREQ("r", pRow->GetValue());
    EXPECT_TRUE(SameBytes(expected, StoreObject(loaded)));
    // A new style after loading gets a free id.
    EXPECT_EQ(3, loaded.RegisterStyle("Neu", style));
}

TEST_F(ArchiveTest, StylesMapWithUserAttributesAndControlNames)
{
    // The grid's own map carries registered user attributes and control names.
    {
        GridWindow w(200, 100);
        CGXStylesMap* pMap = w.grid->GetParam()->GetStylesMap();
        ASSERT_TRUE(pMap != NULL);
        Bytes bytes = StoreObject(*pMap);
        CGXStylesMap loaded;
        EXPECT_EQ(kNoError, LoadObject(bytes, loaded));
        EXPECT_EQ(pMap->GetUserAttributeMap().size(), loaded.GetUserAttributeMap().size());
        EXPECT_EQ(pMap->GetControlNameMap().size(), loaded.GetControlNameMap().size());
        EXPECT_EQ(pMap->m_wStyleStandard, loaded.m_wStyleStandard);
        EXPECT_TRUE(SameBytes(bytes, StoreObject(loaded)));
    }
}

TEST_F(ArchiveTest, DamagedStylesMapsAreRefused)
{
    struct Case
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"style id 256", Cat({Word(2),
                              Str("Styles"),
                              Word(0),
                              Word(0),
                              Word(1),
                              Word(256),
                              DWord(0),
                              Str("X"),
                              {0},
                              ValueStyle("x"),
                              Word(1),
                              Word(0)})},
        {"next id 257", Cat({Word(2), Str("Styles"), Word(0), Word(0), Word(0), Word(257), Word(0)})},
        {"attribute id beyond 16 bits",
         Cat({Word(2), Str("Styles"), Word(0), Word(0), Word(0), Word(0), Word(1), DWord(0x10000)})},
    };
    for (const Case& c : cases)
    {
        CGXStylesMap map;
        EXPECT_EQ(CArchiveException::generic, LoadObject(c.bytes, map)) << c.what;
    }
}
