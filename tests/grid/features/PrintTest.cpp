// Printing grids: pagination and page layout on a memory DC that says it prints (the screen's
// resolution, so logical units are its pixels), the header and footer fields, print jobs to the
// CUPS "PDF" printer read back with pdftotext, the print preview, and the view's print device
// with the print set-up dialog closed from a timer.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "grid/features/GridPrintImp.h"
#include "grid/features/PrintDevice.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "PreviewView.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <time.h>
#include <vector>

using namespace testing_support;

namespace
{
std::vector<DWORD> Starts(const CDWordArray& a)
{
    return std::vector<DWORD>(a.GetData(), a.GetData() + a.GetSize());
}

void Fill(CGXGridCore& grid, ROWCOL nRows, ROWCOL nCols)
{
    grid.GetParam()->m_bUndoEnabled = FALSE;
    grid.SetRowCount(nRows, GX_NOREDRAW);
    grid.SetColCount(nCols, GX_NOREDRAW);
    for (ROWCOL r = 1; r <= nRows; r++)
        for (ROWCOL c = 1; c <= nCols; c++)
            grid.SetValueRange(CGXCellRange(r, c),
                               ("R" + std::to_string(r) + "C" + std::to_string(c)).c_str(), gxOverride, 0,
                               GX_NOREDRAW);
}

CGXProperties& Props(CGXGridCore& grid)
{
    return *grid.GetParam()->GetProperties();
}

void SetMargins(CGXProperties& props, int nMargin, int nDistance)
{
    for (int i : {CGXProperties::marginTop, CGXProperties::marginBottom, CGXProperties::marginLeft,
                  CGXProperties::marginRight})
        props.m_anMargins[i] = nMargin;
    props.m_anMargins[CGXProperties::distanceHeader] = props.m_anMargins[CGXProperties::distanceFooter] =
        nDistance;
}

// A memory DC that says it prints, on a white page of the screen's size.
struct MemoryPrinter
{
    CDC dc;
    int cx, cy;
    DWORD* pBits = NULL;
    HBITMAP hbm = NULL;
    HGDIOBJ hOld = NULL;

    MemoryPrinter()
    {
        dc.CreateCompatibleDC(NULL);
        cx = dc.GetDeviceCaps(HORZRES);
        cy = dc.GetDeviceCaps(VERTRES);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        hbm = ::CreateDIBSection(dc.GetSafeHdc(), &bi, DIB_RGB_COLORS, (void**)&pBits, NULL, 0);
        hOld = ::SelectObject(dc.GetSafeHdc(), hbm);
        ::PatBlt(dc.GetSafeHdc(), 0, 0, cx, cy, WHITENESS);
        dc.m_bPrinting = TRUE;
    }
    ~MemoryPrinter()
    {
        ::SelectObject(dc.GetSafeHdc(), hOld);
        ::DeleteObject(hbm);
    }
    DWORD At(int x, int y)
    {
        ::GdiFlush();
        return pBits[(size_t)y * cx + x] & 0xFFFFFF;
    }
    // The box around the non-white pixels of a band (empty when there are none).
    CRect Ink(const CRect& band)
    {
        CRect ink(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = std::max(0, (int)band.top); y < std::min(cy, (int)band.bottom); y++)
            for (int x = std::max(0, (int)band.left); x < std::min(cx, (int)band.right); x++)
                if (At(x, y) != 0xFFFFFF)
                    ink.SetRect(std::min((int)ink.left, x), std::min((int)ink.top, y),
                                std::max((int)ink.right, x + 1), std::max((int)ink.bottom, y + 1));
        return ink.left == INT_MAX ? CRect(0, 0, 0, 0) : ink;
    }
};

// A grid laid out for a memory printer: a row-header column of 50, a column-header row of 20,
// three columns and four rows to a page (the margins set to 0).
struct PagedGrid : GridWindow
{
    MemoryPrinter printer;
    CPrintInfo info;
    int nColWidth, nRowHeight;

    PagedGrid(ROWCOL nRows, ROWCOL nCols) : GridWindow(300, 200)
    {
        Fill(*grid, nRows, nCols);
        SetMargins(Props(*grid), 0, 0);
        nColWidth = (printer.cx - 50) / 3;
        nRowHeight = (printer.cy - 20) / 4;
        grid->SetColWidth(0, 0, 50, NULL, GX_NOREDRAW);
        grid->SetColWidth(1, nCols, nColWidth, NULL, GX_NOREDRAW);
        grid->SetRowHeight(0, 0, 20, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, nRows, nRowHeight, NULL, GX_NOREDRAW);
    }
    void Begin()
    {
        grid->BeginPrintJob(&printer.dc, &info);
    }
    // Prints a page; answers its top row and left column.
    std::pair<ROWCOL, ROWCOL> Print(UINT nPage)
    {
        info.m_nCurPage = nPage;
        grid->OnGridPrepareDC(&printer.dc, &info);
        grid->PrintPageBody(&printer.dc, &info);
        return {grid->m_nPrintTopRow, grid->m_nPrintLeftCol};
    }
};
} // namespace

TEST(GridPrinting, PaginationFollowsTheRangeBreaksAndFrozenRows)
{
    struct Case
    {
        const char* name;
        ROWCOL nCols;
        std::function<void(PagedGrid&)> setUp;
        std::vector<DWORD> rows, cols;
        UINT nPages;
    } cases[] = {
        {"three columns and four rows a page", 8, [](PagedGrid&) {}, {1, 5, 9, 11}, {1, 4, 7, 9}, 9},
        {"a forced column break inside the first page",
         8,
         [](PagedGrid& p) { Props(*p.grid).m_awColBreaks.Add(2); },
         {1, 5, 9, 11},
         {1, 2, 5, 8, 9},
         12},
        {"columns that fit divide at the forced breaks only",
         3,
         [](PagedGrid& p) { Props(*p.grid).m_awColBreaks.Add(2); },
         {1, 5, 9, 11},
         {1, 2, 4},
         6},
        {"forced row breaks before and after a full page",
         3,
         [](PagedGrid& p) {
             Props(*p.grid).m_awRowBreaks.Add(3);
             Props(*p.grid).m_awRowBreaks.Add(9);
         },
         {1, 3, 7, 9, 11},
         {1, 4},
         4},
        {"frozen rows repeat: two rows fewer a page",
         3,
         [](PagedGrid& p) { p.grid->SetFrozenRows(2, 0, GX_NOREDRAW); },
         {3, 5, 7, 9, 11},
         {1, 4},
         4},
        {"the selected range",
         8,
         [](PagedGrid& p) {
             p.info.m_pPD->m_pd.Flags |= PD_SELECTION;
             p.grid->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(2, 2, 3, 6));
         },
         {2, 4},
         {2, 5, 7},
         2},
        {"the selection option without a selection: the window's top-left page",
         8,
         [](PagedGrid& p) {
             p.info.m_pPD->m_pd.Flags |= PD_SELECTION;
             p.grid->SetTopRow(3, GX_NOREDRAW);
             p.grid->SetLeftCol(2, GX_NOREDRAW);
         },
         {3, 7},
         {2, 5},
         1},
    };
    for (const Case& c : cases)
    {
        PagedGrid p(10, c.nCols);
        c.setUp(p);
        p.Begin();
        EXPECT_EQ(c.rows, Starts(p.grid->m_awPageFirstRow)) << c.name;
        EXPECT_EQ(c.cols, Starts(p.grid->m_awPageFirstCol)) << c.name;
        EXPECT_EQ(c.nPages, p.info.GetMaxPage()) << c.name;
        EXPECT_EQ(" / " + std::to_string(c.nPages), std::string(p.info.m_strPageDesc)) << c.name;
        EXPECT_FALSE(p.grid->IsPrinting()) << c.name;
    }
}

TEST(GridPrinting, PageOrderDecidesWhichPageComesNext)
{
    for (BOOL bDownFirst : {FALSE, TRUE})
    {
        PagedGrid p(8, 9); // two page rows, three page columns
        Props(*p.grid).m_abPrintFlags[CGXProperties::printPageOrder] = bDownFirst;
        p.Begin();
        ASSERT_EQ(6u, p.info.GetMaxPage());
        std::vector<std::pair<ROWCOL, ROWCOL>> pages;
        std::vector<BOOL> continued;
        for (UINT n = 1; n <= 6; n++)
        {
            pages.push_back(p.Print(n));
            continued.push_back(p.info.m_bContinuePrinting);
        }
        std::vector<std::pair<ROWCOL, ROWCOL>> expected =
            bDownFirst
                ? std::vector<std::pair<ROWCOL, ROWCOL>>{{1, 1}, {5, 1}, {1, 4}, {5, 4}, {1, 7}, {5, 7}}
                : std::vector<std::pair<ROWCOL, ROWCOL>>{{1, 1}, {1, 4}, {1, 7}, {5, 1}, {5, 4}, {5, 7}};
        EXPECT_EQ(expected, pages) << "page order " << bDownFirst;
        EXPECT_EQ((std::vector<BOOL>{TRUE, TRUE, TRUE, TRUE, TRUE, FALSE}), continued);
        p.Print(7);
        EXPECT_FALSE(p.info.m_bContinuePrinting); // past the last page
        p.grid->EndPrintJob(&p.printer.dc, &p.info);
        EXPECT_FALSE(p.grid->IsPrinting());
    }
}

TEST(GridPrinting, AGrownGridGetsFurtherPagesUnlessARangeWasPrinted)
{
    PagedGrid p(10, 3);
    p.Begin();
    p.grid->SetRowCount(14, GX_NOREDRAW);
    p.grid->SetRowHeight(11, 14, p.nRowHeight, NULL, GX_NOREDRAW);
    p.Print(1);
    EXPECT_EQ((std::vector<DWORD>{1, 5, 9, 13, 15}), Starts(p.grid->m_awPageFirstRow));
    EXPECT_EQ((std::pair<ROWCOL, ROWCOL>{13, 1}), p.Print(4));

    PagedGrid s(10, 3);
    s.info.m_pPD->m_pd.Flags |= PD_SELECTION;
    s.grid->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange(1, 1, 6, 3));
    s.Begin();
    s.grid->SetRowCount(14, GX_NOREDRAW);
    s.Print(1);
    EXPECT_EQ((std::vector<DWORD>{1, 5, 7}), Starts(s.grid->m_awPageFirstRow));
}

// The cells centred in the margins with a black frame two pixels wide around them; the header
// block between the header distance and the top margin, the footer above the footer distance.
TEST(GridPrinting, APageIsCentredFramedAndHasItsHeaderAndFooter)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    Fill(g, 3, 2);
    g.SetColWidth(0, 0, 50, NULL, GX_NOREDRAW);
    g.SetColWidth(1, 2, 60, NULL, GX_NOREDRAW);
    g.SetRowHeight(0, 0, 20, NULL, GX_NOREDRAW);
    g.SetRowHeight(1, 3, 25, NULL, GX_NOREDRAW);
    CGXProperties& props = Props(g);
    SetMargins(props, 100, 20);
    for (int n : {CGXProperties::printFrame, CGXProperties::printCenterHorizontal,
                  CGXProperties::printCenterVertical, CGXProperties::printBlackWhite})
        props.m_abPrintFlags[n] = TRUE;
    g.GetParam()->m_sWindowSetting = "Kopf";

    MemoryPrinter printer;
    CPrintInfo info;
    g.OnGridBeginPrinting(&printer.dc, &info);
    EXPECT_EQ(props.GetHeaderFooterHandler(), g.m_pPrintImp);
    info.m_nCurPage = 1;
    g.OnGridPrepareDC(&printer.dc, &info);
    g.OnGridPrint(&printer.dc, &info);
    g.OnGridEndPrinting(&printer.dc, &info);
    EXPECT_EQ(nullptr, props.GetHeaderFooterHandler());

    const int cx = 50 + 2 * 60, cy = 20 + 3 * 25;
    CRect page(100, 100, printer.cx - 100, printer.cy - 100);
    CRect cells(page.left + (page.Width() - cx) / 2, page.top + (page.Height() - cy) / 2, 0, 0);
    cells.right = cells.left + cx;
    cells.bottom = cells.top + cy;
    EXPECT_EQ(cells, g.m_rectPrinting);
    EXPECT_EQ(page, info.m_rectDraw);
    int xMid = cells.left + 10, yMid = cells.top + 10;
    EXPECT_EQ(0u, printer.At(cells.left - 1, yMid));
    EXPECT_EQ(0xFFFFFFu, printer.At(cells.left - 2, yMid));
    EXPECT_EQ(0u, printer.At(cells.right + 1, yMid));
    EXPECT_EQ(0xFFFFFFu, printer.At(cells.right + 2, yMid));
    EXPECT_EQ(0u, printer.At(xMid, cells.top - 1));
    EXPECT_EQ(0xFFFFFFu, printer.At(xMid, cells.top - 2));
    EXPECT_EQ(0u, printer.At(xMid, cells.bottom + 1));
    EXPECT_EQ(0xFFFFFFu, printer.At(xMid, cells.bottom + 2));

    // The header: "$R" centred; nothing above the header distance.
    CRect header = printer.Ink(CRect(0, 0, printer.cx, page.top));
    ASSERT_FALSE(header.IsRectEmpty());
    EXPECT_GE(header.top, 20);
    EXPECT_NEAR(printer.cx / 2, header.CenterPoint().x, 2);
    // The footer: the date at the left, the page at the right; nothing below the footer distance.
    CRect footer = printer.Ink(CRect(0, page.bottom + 2, printer.cx, printer.cy));
    ASSERT_FALSE(footer.IsRectEmpty());
    EXPECT_LE(footer.bottom, printer.cy - 20);
    EXPECT_GE(footer.left, page.left + 8);
    EXPECT_LE(footer.right, page.right - 8);
    EXPECT_LT(footer.left, page.left + 20);
    EXPECT_GT(footer.right, page.right - 20);
    // Between the blocks and the cells only the frame.
    EXPECT_TRUE(printer.Ink(CRect(0, page.top, printer.cx, cells.top - 1)).IsRectEmpty());
}

TEST(GridPrinting, FieldCodesTakeTheTextsOfThePage)
{
    EnsureGridLibrary();
    CGXGridPrintImp imp;
    CGXProperties props;
    CGXGridParam param;
    param.m_sWindowSetting = "Gittertext";
    CDocument doc;
    doc.SetTitle("Messung");
    MemoryPrinter printer;
    CPrintInfo info;
    info.SetMaxPage(5);
    info.m_nCurPage = 2;
    imp.PrintHeaderAndFooter(&props, &printer.dc, &info, &doc, &param);

    auto timeText = [](const char* pszFormat) {
        char sz[256];
        time_t now = time(NULL);
        return std::string(sz, strftime(sz, sizeof sz, pszFormat, localtime(&now)));
    };
    std::string year = timeText("%Y");
    struct Case
    {
        const char* text;
        std::string expected;
    } cases[] = {
        {"$P/$N", "2/5"},
        {"Seite $p von $n", "Seite 2 von 5"},
        {"$F - $A", std::string("Messung - ") + AfxGetAppName()},
        {"[$R]", "[Gittertext]"},
        {"$D{%Y}", year},
        {"$D{%#d}.", timeText("%#d") + "."},
        {"$D{%Q}x", "x"},  // not a documented conversion: nothing
        {"$D{%Y%}x", "x"}, // a lone % at the end
        {"$X $", "$X $"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, std::string(imp.ParseHeaderFooterText(&props, c.text))) << c.text;

    // "$D" alone and with a brace that is not closed: the locale's date and time; the brace stays.
    std::string before = timeText("%c");
    std::string plain = (LPCTSTR)imp.ParseHeaderFooterText(&props, "$D"),
                open = (LPCTSTR)imp.ParseHeaderFooterText(&props, "$d{");
    std::string after = timeText("%c");
    EXPECT_FALSE(before.empty());
    EXPECT_TRUE(plain == before || plain == after) << plain;
    EXPECT_TRUE(open == before + "{" || open == after + "{") << open;

    // With a first page number the pages count from it.
    props.m_nFirstPage = 10;
    imp.PrintHeaderAndFooter(&props, &printer.dc, &info, NULL, NULL);
    EXPECT_EQ("11/5 [] []", std::string(imp.ParseHeaderFooterText(&props, "$P/$N [$F] [$R]")));

    // The format in braces and what is left of the text.
    struct Brace
    {
        const char* rest;
        const char* format;
        const char* left;
    } braces[] = {{"{%Y}abc", "%Y", "abc"}, {"{abc", "", "{abc"}, {"abc}", "", "abc}"}, {"{}", "", ""}};
    for (const Brace& b : braces)
    {
        CString strRest = b.rest;
        EXPECT_EQ(b.format, std::string(imp.ParseFieldFormat(strRest))) << b.rest;
        EXPECT_EQ(b.left, std::string(strRest)) << b.rest;
    }
    for (const char* psz :
         {"%a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y %z %Z %%", "%#c", "text"})
        EXPECT_TRUE(CGXGridPrintImp::IsDocumentedTimeFormat(psz)) << psz;
    for (const char* psz : {"%", "%#", "%e", "%n%t", "%Ec", "%Y%"})
        EXPECT_FALSE(CGXGridPrintImp::IsDocumentedTimeFormat(psz)) << psz;

    // Without a handler the properties print nothing and know no field.
    CString strRest;
    EXPECT_EQ(0, props.CalcHeaderFooterHeight(&printer.dc, props.GetHeaderFooterBlock(0), NULL));
    EXPECT_EQ("", std::string(props.GetHeaderFooterFieldText(CGXGridPrintImp::fieldPage, strRest)));
    GXGetAppData()->AttachObject(&props, &imp);
    EXPECT_EQ("11", std::string(props.GetHeaderFooterFieldText(CGXGridPrintImp::fieldPage, strRest)));
}

// A block's height is its tallest column: the sum of the line heights of the cells with a text.
TEST(GridPrinting, HeaderFooterBlockHeights)
{
    EnsureGridLibrary();
    CGXGridPrintImp imp;
    CGXProperties props;
    CGXGridParam param;
    param.SetStylesMapObject(new CGXStylesMap);
    param.GetStylesMap()->CreateStandardStyles();
    MemoryPrinter printer;
    auto lineHeight = [&](const CGXFont& font) {
        CGXStyle standard;
        const CGXStyle* pStandard = NULL;
        ((const CGXStylesMap*)param.GetStylesMap())
            ->LookupStyle(param.GetStylesMap()->m_wStyleStandard, pStandard);
        CGXStyle style;
        style.MergeFont(font);
        style.MergeStyle(*pStandard, gxApplyNew);
        LOGFONT lf = style.GetFontPtr()->GetLogFont();
        CFont f;
        f.CreateFontIndirect(&lf);
        CFont* pOld = printer.dc.SelectObject(&f);
        int cy = printer.dc.GetTextExtent("X", 1).cy;
        printer.dc.SelectObject(pOld);
        return cy;
    };
    CGXData& footer = props.GetHeaderFooterBlock(CGXProperties::blockFooter);
    int nStandard = lineHeight(CGXFont());
    EXPECT_EQ(nStandard, imp.CalcHeaderFooterBlockHeight(&props, &printer.dc, footer, param.GetStylesMap()));
    footer.StoreValueRowCol(3, 3, "dritte", gxOverride, 0);
    footer.StoreValueRowCol(2, 1, "", gxOverride, 0); // no text: no line
    EXPECT_EQ(2 * nStandard,
              imp.CalcHeaderFooterBlockHeight(&props, &printer.dc, footer, param.GetStylesMap()));
    CGXData& header = props.GetHeaderFooterBlock(CGXProperties::blockHeader);
    int nBig = lineHeight(CGXFont().SetSize(16).SetBold(TRUE));
    ASSERT_GT(nBig, nStandard);
    EXPECT_EQ(nBig, imp.CalcHeaderFooterBlockHeight(&props, &printer.dc, header, param.GetStylesMap()));
}

namespace
{
// A grid view that prints without the print dialog and counts printer changes.
class CPrintTestView : public CGXGridView
{
    DECLARE_DYNCREATE(CPrintTestView)

  public:
    void OnPrinterChanged() override
    {
        ++m_nPrinterChanged;
    }
    int m_nPrinterChanged = 0;
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPrintTestView, CGXGridView)
BEGIN_MESSAGE_MAP(CPrintTestView, CGXGridView)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

// A frame with one grid view of a document named docName.
struct PrintViewFrame
{
    CDocument doc;
    CFrameWnd* pFrame = NULL;
    CPrintTestView* pView = NULL;

    explicit PrintViewFrame(const std::string& docName, int cx = 500)
    {
        EnsureGridLibrary();
        doc.m_bAutoDelete = FALSE;
        doc.SetTitle(docName.c_str());
        pFrame = new CFrameWnd;
        pFrame->Create(NULL, _T("Druck"), WS_OVERLAPPEDWINDOW, CRect(0, 0, cx, 400));
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CPrintTestView);
        ctx.m_pCurrentDoc = &doc;
        pView = (CPrintTestView*)pFrame->CreateView(&ctx);
        pFrame->InitialUpdateFrame(&doc, TRUE);
        pFrame->ShowWindow(SW_SHOW);
    }
    ~PrintViewFrame()
    {
        pFrame->DestroyWindow();
    }
};

std::string UniqueName(const char* pszPrefix)
{
    return pszPrefix + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(::GetTickCount());
}

// The 30 x 6 grid of the PDF tests: columns 4 to 6 and rows 11 and 21 start new pages.
void SetUpThirtyRows(CGXGridCore& g)
{
    Fill(g, 30, 6);
    g.SetColWidth(0, 6, 60, NULL, GX_NOREDRAW);
    g.SetRowHeight(0, 30, 20, NULL, GX_NOREDRAW);
    CGXProperties& props = Props(g);
    props.m_awColBreaks.Add(4);
    props.m_awRowBreaks.Add(11);
    props.m_awRowBreaks.Add(21);
    g.GetParam()->m_sWindowSetting = "Kopftext";
    CGXData& header = props.GetHeaderFooterBlock(CGXProperties::blockHeader);
    header.StoreValueRowCol(2, 1, "Jahr $D{%Y}", gxOverride, 0);
    header.StoreValueRowCol(2, 3, "Klammer $d{", gxOverride, 0);
    header.StoreValueRowCol(3, 3, "Blatt $p", gxOverride, 0);
}

// Prints the view to the PDF printer; answers the text of each page (empty on failure).
std::vector<std::string> PrintToPdf(PrintViewFrame& f, const std::string& docName)
{
    f.pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    std::string out = UnixPath(TempFolder());
    std::string script =
        WaitForPdfScript(docName) + "n=$(pdfinfo \\\"$f\\\" | sed -n 's/^Pages: *//p'); rm -f " + out + "/" +
        docName + "-*.txt; for i in $(seq 1 $n); do pdftotext -f $i -l $i \\\"$f\\\" " + out + "/" + docName +
        "-$i.txt; done; echo $n > " + out + "/" + docName + ".pages; rm -f \\\"$f\\\"";
    if (!RunUnix(script, TempFolder() + "\\done.txt", 90000))
        return {};
    int nPages = atoi(ReadFile(TempFolder() + "\\" + docName + ".pages").c_str());
    std::vector<std::string> pages;
    for (int i = 1; i <= nPages; i++)
        pages.push_back(ReadFile(TempFolder() + "\\" + docName + "-" + std::to_string(i) + ".txt"));
    return pages;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool HasWord(const std::string& text, const std::string& word)
{
    for (const std::string& w : Words(text))
        if (w == word)
            return true;
    return false;
}

// The cell texts "R…C…" of a page, in the order pdftotext gives them.
std::vector<std::string> CellTexts(const std::string& text)
{
    std::vector<std::string> cells;
    static const std::regex cell("R[0-9]+C[0-9]+");
    for (const std::string& w : Words(text))
        if (std::regex_match(w, cell))
            cells.push_back(w);
    return cells;
}

std::set<std::string> CellBlock(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    std::set<std::string> cells;
    for (ROWCOL r = nTop; r <= nBottom; r++)
        for (ROWCOL c = nLeft; c <= nRight; c++)
            cells.insert("R" + std::to_string(r) + "C" + std::to_string(c));
    return cells;
}

std::set<std::string> AsSet(const std::vector<std::string>& v)
{
    return std::set<std::string>(v.begin(), v.end());
}

class GridPdf : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CPrintDialog pd(FALSE);
        if (!pd.GetDefaults() || pd.GetDeviceName() != "PDF")
            GTEST_SKIP() << "no PDF printer is set up";
    }
    MessageBoxes m_boxes;
};
} // namespace

TEST_F(GridPdf, PagesRunAcrossFirstWithHeadersFootersAndFields)
{
    std::string docName = UniqueName("GitterQuer");
    PrintViewFrame f(docName);
    SetUpThirtyRows(*f.pView);
    std::vector<std::string> pages = PrintToPdf(f, docName);
    ASSERT_EQ(6u, pages.size());
    const ROWCOL rowPages[3][2] = {{1, 10}, {11, 20}, {21, 30}};
    const ROWCOL colPages[2][2] = {{1, 3}, {4, 6}};
    char szYear[8];
    time_t now = time(NULL);
    strftime(szYear, sizeof szYear, "%Y", localtime(&now));
    for (int n = 0; n < 6; n++)
    {
        const std::string& text = pages[n];
        const ROWCOL* rows = rowPages[n / 2];
        const ROWCOL* cols = colPages[n % 2];
        EXPECT_EQ(CellBlock(rows[0], cols[0], rows[1], cols[1]), AsSet(CellTexts(text))) << "page " << n + 1;
        for (ROWCOL c = 1; c <= 6; c++)
            EXPECT_EQ(c >= cols[0] && c <= cols[1], HasWord(text, (LPCTSTR)CGXGridCore::GetColumnLetters(c)))
                << "page " << n + 1 << " column header " << c;
        for (ROWCOL r : {rows[0], rows[1]})
            EXPECT_TRUE(HasWord(text, std::to_string(r))) << "page " << n + 1 << " row header " << r;
        EXPECT_TRUE(HasWord(text, std::to_string(n + 1) + "/6")) << text;
        EXPECT_TRUE(HasWord(text, "Kopftext")) << text;
        EXPECT_NE(std::string::npos, text.find(std::string("Jahr ") + szYear)) << text;
        EXPECT_NE(std::string::npos, text.find("Blatt " + std::to_string(n + 1))) << text;
        EXPECT_NE(std::string::npos, text.find("{")) << text;
        EXPECT_EQ(std::string::npos, text.find("$")) << text;
    }
    // Page 2 shows no row header beyond its rows.
    EXPECT_FALSE(HasWord(pages[1], "11"));
    // The print went through the view's print device, which now names the printer.
    auto* pDevice = dynamic_cast<CGXPrintDevice*>(f.pView->GetPrintDevice());
    ASSERT_TRUE(pDevice != NULL);
    ASSERT_TRUE(pDevice->m_hDevNames != NULL);
    const DEVNAMES* pdn = (const DEVNAMES*)::GlobalLock(pDevice->m_hDevNames);
    EXPECT_STREQ("PDF", (const char*)pdn + pdn->wDeviceOffset);
    ::GlobalUnlock(pDevice->m_hDevNames);
    EXPECT_FALSE(f.pView->IsPrinting());
}

TEST_F(GridPdf, PagesRunDownFirstAndCountFromTheFirstPageNumber)
{
    std::string docName = UniqueName("GitterAb");
    PrintViewFrame f(docName);
    SetUpThirtyRows(*f.pView);
    Props(*f.pView).m_abPrintFlags[CGXProperties::printPageOrder] = TRUE;
    Props(*f.pView).m_nFirstPage = 10;
    std::vector<std::string> pages = PrintToPdf(f, docName);
    ASSERT_EQ(6u, pages.size());
    EXPECT_EQ(CellBlock(1, 1, 10, 3), AsSet(CellTexts(pages[0])));
    EXPECT_EQ(CellBlock(11, 1, 20, 3), AsSet(CellTexts(pages[1])));
    EXPECT_EQ(CellBlock(1, 4, 10, 6), AsSet(CellTexts(pages[3])));
    for (int n = 0; n < 6; n++)
        EXPECT_TRUE(HasWord(pages[n], std::to_string(n + 10) + "/6")) << pages[n];
}

TEST_F(GridPdf, FiveHundredRowsEachOnExactlyOnePageInOrder)
{
    std::string docName = UniqueName("GitterLang");
    PrintViewFrame f(docName);
    Fill(*f.pView, 500, 2);
    std::vector<std::string> pages = PrintToPdf(f, docName);
    ASSERT_GT(pages.size(), 5u);
    std::vector<std::string> all;
    for (const std::string& text : pages)
        for (const std::string& cell : CellTexts(text))
            if (cell.size() > 2 && cell.compare(cell.size() - 2, 2, "C1") == 0)
                all.push_back(cell);
    std::vector<std::string> expected;
    for (int r = 1; r <= 500; r++)
        expected.push_back("R" + std::to_string(r) + "C1");
    EXPECT_EQ(expected, all);
    // The pages are the pagination's, measured with the standard font on the printer.
    EXPECT_EQ(pages.size(), (size_t)f.pView->m_awPageFirstRow.GetSize() - 1);
    EXPECT_NEAR(f.pView->m_nCharHeight, f.pView->m_nPrintCharHeight, f.pView->m_nCharHeight / 3 + 1);
}

TEST_F(GridPdf, PreviewCountsThePagesAndStartsAtTheShownPage)
{
    {
        PrintViewFrame f(UniqueName("Vorschau"));
        Fill(*f.pView, 5, 3);
        f.pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        CPreviewView* pPreview = CPreviewView::GetActivePreview();
        ASSERT_NE(nullptr, pPreview);
        std::string desc = (LPCTSTR)pPreview->GetPrintInfo()->m_strPageDesc;
        EXPECT_EQ(" / 1", desc.substr(desc.size() >= 4 ? desc.size() - 4 : 0));
        EXPECT_EQ(1u, pPreview->GetPrintInfo()->GetMaxPage());
        EXPECT_EQ(1u, pPreview->GetCurrentPage());
        pPreview->Close();
        EXPECT_EQ(nullptr, CPreviewView::GetActivePreview());
    }
    // The view shows the second page column: the preview starts on page 2.
    PrintViewFrame f(UniqueName("Vorschau"), 200);
    SetUpThirtyRows(*f.pView);
    f.pView->SetLeftCol(4);
    ASSERT_EQ(4u, f.pView->GetLeftCol());
    f.pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = CPreviewView::GetActivePreview();
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ(6u, pPreview->GetPrintInfo()->GetMaxPage());
    EXPECT_EQ(2u, pPreview->GetCurrentPage());
    pPreview->Close();
}

namespace
{
// Presses a button of the first dialog of this thread that shows up (a timer's work: the print
// set-up dialog runs its own message loop).
int g_nDialogAnswer = IDCANCEL;
bool g_bDialogSeen = false;
void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hDialog = testing_support::FindThreadWindow("#32770");
    if (hDialog != NULL && !g_bDialogSeen)
    {
        g_bDialogSeen = true;
        ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(g_nDialogAnswer, BN_CLICKED),
                      (LPARAM)::GetDlgItem(hDialog, g_nDialogAnswer));
    }
}
} // namespace

TEST_F(GridPdf, TheViewsPrintDeviceAndThePrintSetUpDialog)
{
    PrintViewFrame f(UniqueName("Einrichten"));
    CGXGridParam* pParam = f.pView->GetParam();
    auto* pDevice = dynamic_cast<CGXPrintDevice*>(pParam->GetPrintDevice());
    ASSERT_TRUE(pDevice != NULL); // made by the initial update, owned by the parameter object
    EXPECT_TRUE(pParam->m_bOwnPrintDevice);
    EXPECT_EQ(pDevice, f.pView->GetPrintDevice());
    EXPECT_FALSE(f.pView->m_bOwnPrintDevice);
    EXPECT_TRUE(pDevice->m_hDevNames == NULL);

    struct Case
    {
        int nAnswer;
        int nChanged;
    } cases[] = {{IDCANCEL, 0}, {IDOK, 1}};
    for (const Case& c : cases)
    {
        g_nDialogAnswer = c.nAnswer;
        g_bDialogSeen = false;
        UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, AnswerDialog);
        f.pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
        ::KillTimer(NULL, nTimer);
        EXPECT_TRUE(g_bDialogSeen) << c.nAnswer;
        EXPECT_EQ(c.nChanged, f.pView->m_nPrinterChanged) << c.nAnswer;
        // The default printer was chosen before the dialog; OK keeps the same printer.
        ASSERT_TRUE(pDevice->m_hDevNames != NULL);
        const DEVNAMES* pdn = (const DEVNAMES*)::GlobalLock(pDevice->m_hDevNames);
        EXPECT_STREQ("PDF", (const char*)pdn + pdn->wDeviceOffset);
        ::GlobalUnlock(pDevice->m_hDevNames);
    }
}

// A floating text runs over its empty neighbours on the printed page as on the screen; the
// printing-time span pools live from the start to the end of printing.
TEST(GridPrinting, FloatingTextRunsOverItsEmptyNeighboursOnThePage)
{
    for (WORD nMode : {1, 2})
    {
        SCOPED_TRACE(nMode);
        GridWindow w(300, 200);
        CGXGridCore& g = *w.grid;
        g.SetRowCount(3, GX_NOREDRAW);
        g.SetColCount(4, GX_NOREDRAW);
        g.SetColWidth(0, 0, 50, NULL, GX_NOREDRAW);
        g.SetColWidth(1, 4, 60, NULL, GX_NOREDRAW);
        g.SetRowHeight(0, 0, 20, NULL, GX_NOREDRAW);
        g.SetRowHeight(1, 3, 25, NULL, GX_NOREDRAW);
        SetMargins(Props(g), 0, 0);
        g.SetStyleRange(CGXCellRange(1, 1, 3, 4), CGXStyle().SetFloatCell(TRUE).SetFloodCell(TRUE));
        g.SetValueRange(CGXCellRange(2, 1), "Ein langer Text, der ueber die Nachbarn laeuft");
        g.SetFloatingMode(nMode, FALSE);

        MemoryPrinter printer;
        CPrintInfo info;
        g.OnGridBeginPrinting(&printer.dc, &info);
        EXPECT_NE(nullptr, g.GetParam()->m_pPrintFloatCellsPool);
        info.m_nCurPage = 1;
        g.OnGridPrepareDC(&printer.dc, &info);
        g.OnGridPrint(&printer.dc, &info);
        g.OnGridEndPrinting(&printer.dc, &info);
        EXPECT_EQ(nullptr, g.GetParam()->m_pPrintFloatCellsPool);

        CRect cells = g.m_rectPrinting;
        auto inside = [&](ROWCOL nRow, ROWCOL nCol) {
            int x = cells.left + 50 + (int)(nCol - 1) * 60, y = cells.top + 20 + (int)(nRow - 1) * 25;
            return CRect(x + 2, y + 2, x + 58, y + 23);
        };
        // The text stands in columns 2 and 3 of its row; the rows around stay empty there.
        EXPECT_FALSE(printer.Ink(inside(2, 2)).IsRectEmpty());
        EXPECT_FALSE(printer.Ink(inside(2, 3)).IsRectEmpty());
        EXPECT_TRUE(printer.Ink(inside(1, 3)).IsRectEmpty());
        EXPECT_TRUE(printer.Ink(inside(3, 3)).IsRectEmpty());
        // No grid line between the floated cells: the band across the column edge in the text's
        // row holds text, not a line down the whole row.
        int xEdge = cells.left + 50 + 60;
        CRect edge2(xEdge - 1, cells.top + 20 + 25 + 1, xEdge + 1, cells.top + 20 + 50 - 1);
        CRect edge1 = edge2 - CPoint(0, 25);
        EXPECT_GE(printer.Ink(edge1).Height(), edge1.Height() - 2); // the line in the empty row
        EXPECT_LT(printer.Ink(edge2).Height(), edge2.Height() - 4);
    }
}
