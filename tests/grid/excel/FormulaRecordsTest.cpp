// FORMULA records read into real grids (shared formulas, cached results, damaged records) and
// formula cells written by the cell writer, against hand-written bytes.
#include "RecordTestSupport.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/excel/ExcelFormulaHandler.h"
#include "grid/excel/ExcelReaderImpl.h"
#include "grid/formula/FormulaSheet.h"
#include <gtest/gtest.h>
#include <string.h>

namespace
{
Bytes Word(WORD w)
{
    return Bytes{(BYTE)w, (BYTE)(w >> 8)};
}

Bytes Double(double d)
{
    Bytes b(8);
    memcpy(b.data(), &d, 8);
    return b;
}

const Bytes kTextResult = HexBytes("00 00 00 00 00 00 FF FF");
const WORD kShared = 0x08;

// A FORMULA record; nTokens other than 0xFFFF overrides the token count the record declares.
Bytes Formula(WORD nRow, WORD nCol, const Bytes& result, const Bytes& tokens, WORD nOptions = 0,
              WORD nTokens = 0xFFFF)
{
    Bytes body = Word(nRow) + Word(nCol) + Word(0) + result + Word(nOptions) + HexBytes("00000000") +
                 Word(nTokens != 0xFFFF ? nTokens : (WORD)tokens.size()) + tokens;
    return Record(0x06, body);
}

Bytes Number(WORD nRow, WORD nCol, double d)
{
    return Record(0x203, Word(nRow) + Word(nCol) + Word(0) + Double(d));
}

Bytes String(const Bytes& text)
{
    return Record(0x207, Word((WORD)text.size()) + Bytes{0} + text);
}

// IF(A1>0,1,2) as the file holds it.
const Bytes kIf = HexBytes("44 0000 00C0  1F 0000000000000000  0D  19 02 0D00  1F 000000000000F03F"
                           "19 08 1000  1F 0000000000000040  19 08 0300 42 03 0100");

CString Expression(RecordGrid& w, ROWCOL nRow, ROWCOL nCol)
{
    CGXFormulaSheet* pSheet = w.g.GetFormulaSheet();
    return pSheet != NULL ? pSheet->GetExpressionTextRowCol(nRow, nCol) : CString("<no formula sheet>");
}

BOOL HasFormula(RecordGrid& w, ROWCOL nRow, ROWCOL nCol)
{
    CGXFormulaSheet* pSheet = w.g.GetFormulaSheet();
    GX_CELL* pCell = pSheet != NULL ? GXFindCellRecord(pSheet->GetEngineSheet(), nRow, nCol - 1) : NULL;
    return pCell != NULL && pCell->pFormula != NULL;
}

TEST_F(RecordTest, FormulaMakesTheDataObjectAFormulaSheet)
{
    RecordGrid w;
    w.g.SetValueRange(CGXCellRange(1, 1), "abc");
    w.g.SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetNumberValue(5));
    ASSERT_TRUE(w.g.GetFormulaSheet() == NULL);
    EXPECT_EQ(0, ReadIntoGrid(&w.g, Formula(1, 2, Double(2), kIf)));
    EXPECT_STREQ("=A1>0?1:2", Expression(w, 2, 3));
    EXPECT_STREQ("abc", w.ValueAt(1, 1));
    EXPECT_STREQ("5", w.ValueAt(1, 2));
}

TEST_F(RecordTest, SharedFormulasExpandForEachCell)
{
    RecordGrid w(TRUE);
    const Bytes exp = HexBytes("01 0100 0100");
    // B2:B3 share A(row)+1: a reference one column left, as an offset.
    const Bytes shared = Record(0x4BC, HexBytes("0100 0200 01 01 00 02 0900  4C 0000 FFC0 1E 0100 03"));
    Bytes bytes = Number(1, 0, 7) + Formula(1, 1, Double(8), exp, kShared) + shared +
                  Formula(2, 1, Double(1), exp, kShared) + Number(3, 0, 9);
    EXPECT_EQ(0, ReadIntoGrid(&w.g, bytes));
    EXPECT_STREQ("=A2+1", Expression(w, 2, 2));
    EXPECT_STREQ("=A3+1", Expression(w, 3, 2));
    EXPECT_STREQ("9", w.ValueAt(4, 1)); // the records after it are read in step
    CGXExcelSharedFormulaTable* pTable =
        dynamic_cast<CGXExcelSharedFormulaTable*>(GXExFindTable(GX_EXCEL_SHRFMLA));
    ASSERT_TRUE(pTable != NULL);
    EXPECT_TRUE(pTable->HasSharedFormula(1, 1));
    // A shared formula whose anchor nobody gave keeps its cached result.
    EXPECT_EQ(0, ReadIntoGrid(&w.g, Formula(5, 3, Double(12.5), HexBytes("01 0900 0900"), kShared) +
                                        Number(6, 0, 3)));
    EXPECT_STREQ("12.5", w.ValueAt(6, 4));
    EXPECT_STREQ("3", w.ValueAt(7, 1));
}

// What the engine cannot take keeps the cached result as the cell's value.
TEST_F(RecordTest, CachedResultStandsForFormulasNotTranslated)
{
    Bytes many;
    for (int i = 0; i < 150; i++)
        many = many + HexBytes("1E 0100");
    for (int i = 0; i < 149; i++)
        many = many + HexBytes("03");
    many = many + HexBytes("13");
    struct Case
    {
        const char* pszWhat;
        Bytes records;
        int nFailed;
        const char* pszValue; // of C2
    } cases[] = {
        {"unknown token", Formula(1, 2, Double(42.5), HexBytes("1E 0100 FF")), 0, "42.5"},
        {"300 nodes, text result", Formula(1, 2, kTextResult, many) + String(HexBytes("47 72 FC DF 65")), 0,
         "Gr\xFC\xDF"
         "e"},
        {"text after an ARRAY record",
         Formula(1, 2, kTextResult, HexBytes("01 0100 0200")) +
             Record(0x221, HexBytes("0100 0100 02 02 00 00")) + String(HexBytes("61 62 63")),
         0, "abc"},
        {"empty text", Formula(1, 2, HexBytes("03 00 00 00 00 00 FF FF"), HexBytes("FF")), 0, "<none>"},
        {"boolean", Formula(1, 2, HexBytes("01 00 01 00 00 00 FF FF"), HexBytes("FF")), 0, "1"},
        {"error", Formula(1, 2, HexBytes("02 00 07 00 00 00 FF FF"), HexBytes("FF")), 0, "#DIV/0!"},
        {"two-argument IF without operands", Formula(1, 2, Double(3), HexBytes("42 02 0100")), 0, "3"},
        {"no tokens", Formula(1, 2, Double(4), Bytes()), 0, "4"},
        {"tokens past the record", Formula(1, 2, Double(6), HexBytes("1E 0100"), 0, 20), 0, "6"},
    };
    for (const Case& c : cases)
    {
        RecordGrid w;
        EXPECT_EQ(c.nFailed, ReadIntoGrid(&w.g, c.records + Number(2, 0, 5))) << c.pszWhat;
        EXPECT_STREQ(c.pszValue, w.ValueAt(2, 3)) << c.pszWhat;
        EXPECT_FALSE(HasFormula(w, 2, 3)) << c.pszWhat;
        EXPECT_STREQ("5", w.ValueAt(3, 1)) << c.pszWhat;
    }
    // A readable two-argument IF is a formula.
    RecordGrid w;
    EXPECT_EQ(0, ReadIntoGrid(&w.g, Formula(1, 2, Double(1),
                                            HexBytes("44 0000 00C0 19 02 0700 1E 0100 19 08 0300"
                                                     "42 02 0100"))));
    EXPECT_STREQ("=A1?1:0", Expression(w, 2, 3));
    EXPECT_TRUE(HasFormula(w, 2, 3));
}

TEST_F(RecordTest, FormulaHandlerWritesNothing)
{
    CGXExcelHandler* pHandler = GXExGetHandlerMap()->Lookup(GX_EXCEL_FORMULA);
    ASSERT_TRUE(pHandler != NULL);
    TestStream stream;
    DWORD nTotal = 0;
    int nCode = 0;
    try
    {
        pHandler->WriteRecord(stream, CGXExcelHandler::gxexpointer(1, NULL), &nTotal, 0);
    }
    catch (egxExcelRWFlags e)
    {
        nCode = e;
    }
    EXPECT_EQ(15, nCode);
    EXPECT_TRUE(pHandler->WriteRecord(stream, CGXExcelHandler::gxexpointer(2, NULL), &nTotal, 0));
    EXPECT_EQ(0u, nTotal);
}

// Formula cells: FORMULA with the result, STRING after a text result, and the value of what the
// tokens cannot say.
TEST_F(RecordTest, WritesFormulaCells)
{
    RecordGrid w(TRUE);
    CGXFormulaSheet* pSheet = w.g.GetFormulaSheet();
    ASSERT_TRUE(pSheet != NULL);
    pSheet->SetNumberRowCol(1, 1, 5);
    pSheet->SetExpressionRowCol(1, 2, "=A1*2");
    pSheet->SetExpressionRowCol(1, 3, "=A1%3");
    pSheet->SetExpressionRowCol(1, 4, "=STRCAT(\"a\",\"b\")");
    pSheet->SetExpressionRowCol(1, 5, "=STRCAT(\"\",\"\")");
    w.g.Recalc(TRUE);
    TestStream stream;
    DWORD nTotal = 0;
    GXExGetHandlerMap()->Lookup(0x27E)->WriteRecord(stream, CGXExcelHandler::gxexpointer(&w.g), &nTotal, 0);
    Bytes expected = HexBytes("0302 0E00 0000 0000 0000") + Double(5) + HexBytes("0600 2500 0000 0100 0000") +
                     Double(10) + HexBytes("0300 00000000 0F00 44 0000 00C0 1F") + Double(2) +
                     HexBytes("05") + HexBytes("0302 0E00 0000 0200 0000") + Double(2) +
                     HexBytes("0600 2200 0000 0300 0000 0000 0000 0000 FFFF 0300 00000000 0C00"
                              "17 01 00 61 17 01 00 62 42 02 5001"
                              "0702 0500 0200 00 61 62") +
                     HexBytes("0600 2000 0000 0400 0000 0300 0000 0000 FFFF 0300 00000000 0A00"
                              "17 00 00 17 00 00 42 02 5001");
    EXPECT_EQ(HexOf(expected), HexOf(StreamBytes(stream)));
    EXPECT_EQ(StreamBytes(stream).size(), nTotal);
}
} // namespace

namespace
{
// A one-sheet workbook file of formulas, written and read into a fresh grid: the same formula
// texts; what the tokens cannot say arrives as its value.
TEST_F(RecordTest, FormulasTravelThroughAWorkbookFile)
{
    const char* const apszFormulas[] = {
        "=A1*2+B1",        "=(A1+B1)/2",     "=A1>3?\"gross\":\"klein\"",
        "=SUM(A1..B1,4)",  "=ROUND(A1/3,2)", "=$A$1-B$1",
        "=MODULUS(-7,A1)", "=ATAN2(A1,B1)",  "=STRCAT(\"x\",\"y\")",
        "=-(A1**2)",       "=(-A1)**2",
    };
    RecordGrid source(TRUE);
    CGXFormulaSheet* pSource = source.g.GetFormulaSheet();
    ASSERT_TRUE(pSource != NULL);
    pSource->SetNumberRowCol(1, 1, 5);
    pSource->SetNumberRowCol(1, 2, 2);
    ROWCOL nRow = 2;
    for (const char* psz : apszFormulas)
        ASSERT_TRUE(pSource->SetExpressionRowCol(nRow++, 1, psz)) << psz;
    ASSERT_TRUE(pSource->SetExpressionRowCol(nRow, 1, "=A1%3"));
    source.g.Recalc(TRUE);

    ::CreateDirectoryA("excel-out", NULL);
    const char* pszPath = "excel-out\\formulas.xls";
    CGXExcelWndDocAdapter writer;
    writer.m_pGrid = &source.g;
    ASSERT_TRUE(writer.SaveDocument(pszPath));

    RecordGrid target;
    CGXExcelWndDocAdapter reading;
    reading.m_pGrid = &target.g;
    CGXExcelReaderImpl reader;
    reader.SetMode(CGXExcelReaderImpl::modeAll);
    reader.SetSheetCount(1);
    reader.ReadFile(pszPath, &reading);
    nRow = 2;
    for (const char* psz : apszFormulas)
    {
        EXPECT_STREQ(pSource->GetExpressionTextRowCol(nRow, 1), Expression(target, nRow, 1)) << psz;
        EXPECT_TRUE(HasFormula(target, nRow, 1)) << psz;
        nRow++;
    }
    EXPECT_FALSE(HasFormula(target, nRow, 1));
    EXPECT_STREQ("2", target.ValueAt(nRow, 1));
}
} // namespace
