// The formula sheet as a grid data object: typed input, texts, styles, documents, undo, copies.
#include "FormulaTestSupport.h"
#include "grid/core/AppData.h"
#include "grid/core/GridParam.h"
#include "grid/features/NumberFormattingImp.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/formula/UndoEngineCellsInfo.h"
#include "ArchiveBytes.h"
#include "GridIds.h"
#include <memory>
#include <stdlib.h>

using namespace formula_test;
using namespace testing_support;

namespace
{
class FormulaSheetTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallTestFunctions();
        m_pOldParser = GXGetAppData()->m_pNumberFormattingImp;
        GXGetAppData()->m_pNumberFormattingImp = &m_parser;
        m_param.SetStylesMapObject(new CGXStylesMap);
        m_param.GetStylesMap()->CreateStandardStyles();
        m_sheet.InitParamObject(&m_param);
    }
    void TearDown() override
    {
        GXGetAppData()->m_pNumberFormattingImp = m_pOldParser;
    }
    CString Value(ROWCOL r, ROWCOL c)
    {
        return m_sheet.GetValueTextRowCol(r, c);
    }
    CString Expression(ROWCOL r, ROWCOL c)
    {
        return m_sheet.GetExpressionTextRowCol(r, c);
    }
    unsigned Format(ROWCOL r, ROWCOL c)
    {
        unsigned f, p;
        m_sheet.GetFormatRowCol(r, c, f, p);
        return f;
    }
    CGXNumberFormattingImp m_parser;
    CGXAbstractNumberFormattingImp* m_pOldParser = NULL;
    CGXGridParam m_param;
    CGXFormulaSheet m_sheet;
};

std::string DateText(const SYSTEMTIME& st, BOOL bDate, BOOL bTime)
{
    char szDate[64] = "", szTime[64] = "";
    if (bDate)
        GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, NULL, szDate, sizeof(szDate));
    if (bTime)
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, NULL, szTime, sizeof(szTime));
    return std::string(szDate) + (bDate && bTime ? " " : "") + szTime;
}
} // namespace

TEST_F(FormulaSheetTest, TypedInput)
{
    SYSTEMTIME st = {};
    st.wYear = 2024;
    st.wMonth = 3;
    st.wDay = 15;
    st.wHour = 12;
    st.wMinute = 30;
    struct
    {
        std::string text;
        const char* pszValue;
        std::string expression; // a date cell is edited as its date text
        unsigned nFormat;
    } cases[] = {
        {"#n/a", "#N/A", "=NA()", 0},
        {"'text", "text", "'text", 0},
        {"'=1", "=1", "'=1", 0},
        {"=1+2", "3", "=1+2", 0},
        {"1.5", "1.5", "1.5", 0},
        {DateText(st, TRUE, FALSE), "45366", DateText(st, TRUE, FALSE), 11},
        {DateText(st, FALSE, TRUE), "0.52083333333333", DateText(st, FALSE, TRUE), 13},
        {DateText(st, TRUE, TRUE), "45366.520833333", DateText(st, TRUE, TRUE), 18},
        {"other text", "other text", "'other text", 0},
        {"a\\tb", "a\\tb", "'a\\tb", 0},
        {"", "", "", 0},
    };
    ROWCOL r = 1;
    for (auto& c : cases)
    {
        ASSERT_TRUE(m_sheet.SetValueRowCol(r, 2, c.text.c_str())) << c.text;
        EXPECT_EQ(CString(c.pszValue), Value(r, 2)) << c.text;
        EXPECT_EQ(CString(c.expression.c_str()), Expression(r, 2)) << c.text;
        EXPECT_EQ(c.nFormat, Format(r, 2)) << c.text;
        r++;
    }
    // A number typed into a date cell turns the cell into a number with 15 places.
    m_sheet.SetValueRowCol(6, 2, "3");
    unsigned f, p;
    m_sheet.GetFormatRowCol(6, 2, f, p);
    EXPECT_EQ(3u, f);
    EXPECT_EQ(15u, p);
}

TEST_F(FormulaSheetTest, ValueAndExpressionTexts)
{
    GX_SHEET_CONTEXT* c = m_sheet.GetContext();
    c->bBlankIsZero = 1;
    m_sheet.SetExpressionRowCol(1, 1, "=B1+1");
    m_sheet.SetExpressionRowCol(1, 2, "=A1+1");
    EXPECT_EQ(CString("Cycle!"), Value(1, 1));
    EXPECT_EQ(CString("=B1+1"), Expression(1, 1));
    c->nIterationLimit = 1;
    EXPECT_NE(CString("Cycle!"), Value(1, 1));
    m_sheet.SetExpressionRowCol(2, 1, "=1/0");
    EXPECT_EQ(CString("Error!"), Value(2, 1));
    EXPECT_EQ(CString("=1/0"), Expression(2, 1));
    m_sheet.SetExpressionRowCol(3, 1, "=EMPTY()");
    EXPECT_EQ(CString("#N/A"), Value(3, 1));
    EXPECT_DOUBLE_EQ(0.0, m_sheet.GetNumberRowCol(3, 1));
    m_sheet.SetNumberRowCol(4, 1, 2.5);
    EXPECT_DOUBLE_EQ(2.5, m_sheet.GetNumberRowCol(4, 1));
    EXPECT_EQ(CString(""), Value(9, 9));
    // Grid column 0 is engine column 0, like grid column 1.
    EXPECT_EQ(GX_RANGE(GXCellRef(4, 0)).w3, m_sheet.EngineRange(CGXCellRange(4, 0)).w3 | GX_RANGE::single);
}

TEST_F(FormulaSheetTest, ParseErrorsAreReported)
{
    EXPECT_FALSE(m_sheet.SetExpressionRowCol(2, 3, "1+2"));
    EXPECT_FALSE(m_sheet.SetExpressionRowCol(2, 3, "=1+"));
    CString s;
    ASSERT_TRUE(m_sheet.GetLastErrorText(s));
    EXPECT_EQ(CString("Cell C2: ERROR: expected to find an operand here (Pos 3)"), s);
    m_sheet.SetReportNextError(TRUE);
    EXPECT_FALSE(m_sheet.GetLastErrorText(s));
    CString strText;
    EXPECT_TRUE(m_sheet.EvaluateFormulaText("=2*3", 1, 1, strText));
    EXPECT_EQ(CString("6"), strText);
    EXPECT_FALSE(m_sheet.EvaluateFormulaText("=1/0", 1, 1, strText));
    EXPECT_EQ(CString("divide by zero"), strText);
    EXPECT_FALSE(m_sheet.EvaluateFormulaText("=(", 1, 1, strText));
    EXPECT_EQ(CString("expected to find an operand here"), strText);
}

TEST_F(FormulaSheetTest, StylesAndTheConstraintStyle)
{
    CGXStyle style;
    style.SetValue("12");
    style.SetTextColor(RGB(0, 0, 255));
    ASSERT_TRUE(m_sheet.StoreStyleRowCol(1, 1, &style, gxOverride, 1));
    CGXStyle out;
    ASSERT_TRUE(m_sheet.GetStyleRowCol(1, 1, out, gxOverride, 0));
    EXPECT_EQ(CString("12"), out.GetValue());
    EXPECT_EQ((UINT)GX_VT_NUMBER, out.GetValueType());
    EXPECT_EQ(RGB(0, 0, 255), out.GetTextColor());
    EXPECT_FALSE(m_sheet.GetStyleRowCol(5, 5, out, gxOverride, 0));

    m_sheet.GetContext()->bConstraintCheck = 1;
    ASSERT_TRUE(m_sheet.SetExpressionRowCol(2, 1, "=A1*2;A2>100"));
    m_sheet.SetReportNextError(TRUE);
    m_sheet.Recalc(TRUE);
    INT_PTR nStyles = m_param.GetStylesMap()->GetCount();
    for (int i = 0; i < 2; i++)
    {
        CGXStyle s;
        ASSERT_TRUE(m_sheet.GetStyleRowCol(2, 1, s, gxOverride, 1));
        EXPECT_EQ(CString("=A1*2;A2>100"), s.GetValue());
        EXPECT_EQ(RGB(255, 0, 0), s.GetInterior().GetBackColor());
    }
    EXPECT_EQ(nStyles + 1, m_param.GetStylesMap()->GetCount());
    EXPECT_NE(0, m_param.GetStylesMap()->GetBaseStyleIdFromResource(GX_IDS_STYLE_CONSTRAINT));
    CString s;
    ASSERT_TRUE(m_sheet.GetLastErrorText(s));
    EXPECT_EQ(CString("There is 1 constraint violation!"), s);

    // Removing: an empty style in copy mode deletes the cell, mode 4 too.
    CGXStyle empty;
    m_sheet.StoreStyleRowCol(1, 1, &empty, gxCopy, 0);
    EXPECT_TRUE(GXFindCellRecord(m_sheet.GetEngineSheet(), 1, 0) == NULL);
    m_sheet.StoreStyleRowCol(2, 1, &empty, (GXModifyType)4, 0);
    EXPECT_TRUE(GXFindCellRecord(m_sheet.GetEngineSheet(), 2, 0) == NULL);
}

// A style given over to the sheet reads back as the same style stored as a copy: value (its kind
// kept), format, font, colours; over a stored cell it merges as a store does.
TEST_F(FormulaSheetTest, AnAdoptedStyleReadsBackAsAStoredCopy)
{
    auto makeStyle = [](LPCTSTR pszValue, UINT nValueType) {
        CGXStyle* p = new CGXStyle;
        p->SetValue(pszValue);
        p->SetValueType(nValueType);
        p->SetFormat(2).SetPlaces(3).SetTextColor(RGB(0, 0, 255)).SetInterior(RGB(0, 255, 255));
        p->MergeFont(CGXFont().SetBold(TRUE).SetSize(14));
        return p;
    };
    const struct
    {
        LPCTSTR pszValue;
        UINT nValueType;
    } cases[] = {{"123456789012345", GX_VT_NUMBER}, {"0042", GX_VT_TEXT}, {"", GX_VT_TEXT}};
    ROWCOL nRow = 1;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszValue);
        std::unique_ptr<CGXStyle> copy(makeStyle(c.pszValue, c.nValueType));
        ASSERT_TRUE(m_sheet.StoreStyleRowCol(nRow, 1, copy.get(), gxOverride, 2));
        ASSERT_TRUE(m_sheet.AdoptStyleRowCol(nRow, 2, makeStyle(c.pszValue, c.nValueType), 2));
        CGXStyle stored, adopted;
        ASSERT_TRUE(m_sheet.GetStyleRowCol(nRow, 1, stored, gxCopy, 0));
        ASSERT_TRUE(m_sheet.GetStyleRowCol(nRow, 2, adopted, gxCopy, 0));
        EXPECT_TRUE(stored.IsEqual(adopted));
        EXPECT_EQ(stored.GetValue(), adopted.GetValue());
        EXPECT_EQ(Value(nRow, 1), Value(nRow, 2));
        EXPECT_EQ(RGB(0, 255, 255), adopted.GetInterior().GetBackColor());
        ASSERT_TRUE(adopted.GetFontPtr() != NULL);
        EXPECT_EQ(14, (int)adopted.GetFontPtr()->GetSize());
        nRow++;
    }
    // Over a stored cell: merged, the stored attributes the new style lacks kept.
    CGXStyle* pOver = new CGXStyle;
    pOver->SetValue("7");
    pOver->SetValueType(GX_VT_NUMBER);
    pOver->SetTextColor(RGB(255, 0, 0));
    ASSERT_TRUE(m_sheet.AdoptStyleRowCol(1, 2, pOver, 2));
    CGXStyle merged;
    ASSERT_TRUE(m_sheet.GetStyleRowCol(1, 2, merged, gxCopy, 0));
    EXPECT_EQ(CString("7"), Value(1, 2));
    EXPECT_EQ(RGB(255, 0, 0), merged.GetTextColor());
    EXPECT_EQ(RGB(0, 255, 255), merged.GetInterior().GetBackColor());
}

namespace
{
// The plain data object's part: its counts and three empty style arrays (the sheet keeps its
// cells itself).
Bytes DataPart(const CGXData& data)
{
    Bytes emptyArray = Cat({Word(1), DWord(0), DWord(0xFFFFFFFF)});
    return Cat({Word(1), DWord(data.m_nRows), DWord(data.m_nCols), emptyArray, emptyArray, emptyArray});
}
} // namespace

TEST_F(FormulaSheetTest, DocumentBytes)
{
    m_sheet.SetNumberRowCol(1, 1, 5);
    m_sheet.SetTextRowCol(2, 1, "hi");
    m_sheet.SetExpressionRowCol(1, 2, "=A1+1");
    ASSERT_TRUE(m_sheet.SetRangeName("X", CGXCellRange(1, 1), NULL));
    Bytes expected = Cat({
        {0x01, 0x00}, // schema
        DataPart(m_sheet),
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // options
        {0x01, 0x00},
        Str("X=A1"),                                   // names
        {1, 1, 3, 0x08, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // A1: number
        {0, 0, 0, 0, 0, 0, 0x14, 0x40},                // 5.0
        {1, 2, 5, 0x08, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        Str("hi"), // A2: text
        {1, 3, 3, 0x0A, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0},
        Str("=A1+1"),                   // B1: formula
        {0, 0, 0, 0, 0, 0, 0x18, 0x40}, // 6.0
        {0},
    });
    Bytes bytes = Store([&](CArchive& ar) { m_sheet.Serialize(ar); });
    EXPECT_EQ(expected, bytes);

    CGXFormulaSheet loaded;
    {
        CLoadFile file(bytes);
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(CString("5"), loaded.GetValueTextRowCol(1, 1));
    EXPECT_EQ(CString("hi"), loaded.GetValueTextRowCol(2, 1));
    EXPECT_EQ(CString("=A1+1"), loaded.GetExpressionTextRowCol(1, 2));
    CGXCellRange r;
    EXPECT_TRUE(loaded.GetRangeName("x", r));
    EXPECT_EQ(bytes, Store([&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST_F(FormulaSheetTest, BadDocumentsLoadNothing)
{
    m_sheet.SetNumberRowCol(1, 1, 5);
    Bytes good = Store([&](CArchive& ar) { m_sheet.Serialize(ar); });
    // A bad schema is refused before anything changes; a bad record empties the sheet.
    auto load = [](Bytes bytes, int nExtent) {
        CGXFormulaSheet sheet;
        sheet.SetNumberRowCol(3, 3, 1);
        int nCause = -1;
        try
        {
            CLoadFile file(bytes);
            CArchive ar(&file, CArchive::load);
            sheet.Serialize(ar);
        }
        catch (CArchiveException* e)
        {
            nCause = e->m_cause;
            e->Delete();
        }
        GX_RANGE extent;
        EXPECT_EQ(nExtent, GXGetUsedExtent(sheet.GetEngineSheet(), &extent));
        return nCause;
    };
    Bytes schema2 = good;
    schema2[0] = 2;
    EXPECT_EQ(CArchiveException::badSchema, load(schema2, 1));
    const size_t nData = DataPart(m_sheet).size();
    Bytes badRow = good;
    for (size_t i = 18; i < 22; i++)
        badRow[nData + i] = 0xFF; // row 0xFFFFFFFF
    EXPECT_EQ(CArchiveException::generic, load(badRow, 0));
    Bytes badKind = good;
    badKind[nData + 15] = 9; // content kind
    EXPECT_EQ(CArchiveException::generic, load(badKind, 0));
    // A formula that does not parse.
    Bytes badFormula = Cat({Bytes(good.begin(), good.begin() + nData + 14),
                            {1, 3, 3, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0},
                            Str("=1+"),
                            {0, 0, 0, 0, 0, 0, 0x18, 0x40, 0}});
    EXPECT_EQ(CArchiveException::generic, load(badFormula, 0));
}

TEST_F(FormulaSheetTest, UndoAndRedoOfStores)
{
    m_sheet.SetExpressionRowCol(1, 2, "=A1*2");
    m_sheet.SetKeepUndoInfo(TRUE);
    m_sheet.SetNumberRowCol(1, 1, 5);
    CObject* pFirst = m_sheet.DetachUndoInfo();
    ASSERT_TRUE(pFirst != NULL);
    m_sheet.SetNumberRowCol(1, 1, 7);
    CObject* pSecond = m_sheet.DetachUndoInfo();
    EXPECT_EQ(CString("14"), Value(1, 2));

    ASSERT_TRUE(m_sheet.ApplyUndoInfo(pSecond, TRUE, TRUE)); // undo 7
    EXPECT_EQ(CString("5"), Value(1, 1));
    EXPECT_EQ(CString("10"), Value(1, 2));
    ASSERT_TRUE(m_sheet.ApplyUndoInfo(pFirst, TRUE, TRUE)); // undo 5: the cell goes
    EXPECT_TRUE(GXFindCellRecord(m_sheet.GetEngineSheet(), 1, 0) == NULL);
    ASSERT_TRUE(m_sheet.ApplyUndoInfo(pFirst, TRUE, TRUE)); // redo 5
    EXPECT_EQ(CString("5"), Value(1, 1));
    ASSERT_TRUE(m_sheet.ApplyUndoInfo(pSecond, TRUE, TRUE)); // redo 7
    EXPECT_EQ(CString("7"), Value(1, 1));
    EXPECT_EQ(CString("14"), Value(1, 2));
    CGXStyle s;
    EXPECT_FALSE(m_sheet.ApplyUndoInfo(&s, TRUE, TRUE));
    delete pFirst;
    delete pSecond;
    EXPECT_TRUE(m_sheet.SetKeepUndoInfo(FALSE));
}

TEST_F(FormulaSheetTest, CopiesFromFormulaSheetsAndPlainData)
{
    m_sheet.SetNumberRowCol(1, 1, 4);
    m_sheet.SetRangeName("N", CGXCellRange(1, 1), NULL);
    m_sheet.SetExpressionRowCol(2, 1, "=N*2");
    m_sheet.GetContext()->nIterationLimit = 7;
    {
        CGXFormulaSheet copy;
        copy.CopyFrom(m_sheet);
        EXPECT_EQ(CString("=N*2"), copy.GetExpressionTextRowCol(2, 1));
        EXPECT_EQ(7, copy.GetContext()->nIterationLimit);
        CObject* pInfo = NULL;
        ASSERT_TRUE(m_sheet.DeleteRangeName("N", pInfo, FALSE));
        EXPECT_EQ(CString("=A1*2"), m_sheet.GetExpressionTextRowCol(2, 1));
        EXPECT_EQ(CString("=N*2"), copy.GetExpressionTextRowCol(2, 1));
        copy.SetNumberRowCol(1, 1, 10);
        EXPECT_EQ(CString("20"), copy.GetValueTextRowCol(2, 1));
    }
    CGXData plain;
    plain.StoreValueRowCol(1, 1, "abc", gxOverride, 0);
    CGXStyle number;
    number.SetNumberValue(2.5);
    plain.StoreStyleRowCol(3, 2, &number, gxOverride, 0);
    CGXFormulaSheet fromPlain;
    fromPlain.CopyFrom(plain);
    EXPECT_EQ(CString("abc"), fromPlain.GetValueTextRowCol(1, 1));
    EXPECT_DOUBLE_EQ(2.5, fromPlain.GetNumberRowCol(3, 2));
    EXPECT_EQ(3u, fromPlain.QueryRowCount());
}
