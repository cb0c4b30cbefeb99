// Printing a view: two pages to the PDF printer of CUPS, checked in the PDF it writes; and a
// printer that does not exist, which is reported and prints nothing.
#include "DlgTestApp.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "PreviewView.h"
#include "TestSupport.h"
#include <fstream>
#include <sstream>

using namespace testing_support;

namespace
{
class CPrintDoc : public CDocument
{
};

// Page n gets a black square: page 1 in the upper left part of the paper, page 2 in the lower right.
class CPrintView : public CView
{
  public:
    void OnDraw(CDC*) override
    {
    }
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(2);
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        CRect page = pInfo->m_rectDraw;
        int x = pInfo->m_nCurPage == 1 ? page.Width() / 10 : page.Width() * 6 / 10;
        int y = pInfo->m_nCurPage == 1 ? page.Height() / 10 : page.Height() * 6 / 10;
        CBrush black(RGB(0, 0, 0));
        pDC->FillRect(CRect(x, y, x + page.Width() * 3 / 10, y + page.Height() * 3 / 10), &black);
        m_pages.push_back(pInfo->m_nCurPage);
    }
    void OnBeginPrinting(CDC*, CPrintInfo*) override
    {
        ++m_nBegin;
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override
    {
        ++m_nEnd;
    }
    std::vector<UINT> m_pages;
    int m_nBegin = 0, m_nEnd = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintView, CView)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// A binary PGM (P5) as pdftoppm -gray writes it.
struct Gray
{
    int width = 0, height = 0;
    std::string pixels;
    int At(double fx, double fy) const
    {
        return (BYTE)pixels[(size_t)((int)(fy * height) * width + (int)(fx * width))];
    }
};

Gray ReadPgm(const std::string& path)
{
    Gray g;
    std::string data = ReadFile(path);
    std::istringstream in(data);
    std::string magic;
    int maxval = 0;
    in >> magic >> g.width >> g.height >> maxval;
    in.get();
    if (magic != "P5" || g.width <= 0 || g.height <= 0)
        return Gray();
    g.pixels = data.substr((size_t)in.tellg());
    if (g.pixels.size() < (size_t)g.width * g.height)
        return Gray();
    return g;
}

CPrintView* CreatePrintView(CDocument* pDoc)
{
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    CPrintView* pView = new CPrintView;
    if (!pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), AfxGetMainWnd(),
                       AFX_IDW_PANE_FIRST + 7, &context))
        return NULL;
    return pView;
}

class Printing : public ::testing::Test
{
  protected:
    MessageBoxes m_boxes;
};

TEST_F(Printing, ViewPrintsTwoPagesToThePdfPrinter)
{
    CPrintDialog pd(FALSE);
    if (!pd.GetDefaults() || pd.GetDeviceName() != "PDF")
        GTEST_SKIP() << "no PDF printer is set up";
    CString docName;
    docName.Format("HelvonDruck_%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
    CPrintDoc* pDoc = new CPrintDoc;
    pDoc->m_bAutoDelete = FALSE; // the test deletes it after the view
    pDoc->SetTitle(docName);
    CPrintView* pView = CreatePrintView(pDoc);
    ASSERT_NE(nullptr, pView);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(std::vector<UINT>({1, 2}), pView->m_pages);
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled());

    std::string out = UnixPath(TempFolder());
    ASSERT_FALSE(out.empty());
    std::string script = WaitForPdfScript(std::string(docName)) +
                         "pdfinfo \\\"$f\\\" | sed -n 's/^Pages: *//p' > " + out +
                         "/pages.txt; "
                         "pdftoppm -gray -r 20 \\\"$f\\\" " +
                         out + "/page; rm -f \\\"$f\\\"";
    ASSERT_TRUE(RunUnix(script, TempFolder() + "\\done.txt", 90000));
    EXPECT_EQ("2\n", ReadFile(TempFolder() + "\\pages.txt"));
    Gray page1 = ReadPgm(TempFolder() + "\\page-1.pgm");
    Gray page2 = ReadPgm(TempFolder() + "\\page-2.pgm");
    ASSERT_GT(page1.width, 0);
    ASSERT_GT(page2.width, 0);
    EXPECT_LT(page1.At(0.25, 0.25), 64); // the square of page 1
    EXPECT_GT(page1.At(0.75, 0.75), 192);
    EXPECT_GT(page2.At(0.25, 0.25), 192);
    EXPECT_LT(page2.At(0.75, 0.75), 64); // the square of page 2
    pView->DestroyWindow();
    delete pDoc;
}

// Presses a button of the preview bar as a click does; disabled buttons are not pressed.
bool Press(HWND hBar, int nID)
{
    HWND hButton = ::GetDlgItem(hBar, nID);
    if (!::IsWindowEnabled(hButton))
        return false;
    ::SendMessage(hBar, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)hButton);
    PumpMessages(30);
    return true;
}

TEST_F(Printing, PreviewShowsThePagesNavigatesAndLeavesNoWrappers)
{
    {
        CPrintDialog pd(FALSE);
        if (!pd.GetDefaults())
            GTEST_SKIP() << "no printer is set up";
    }
    CPrintDoc* pDoc = new CPrintDoc;
    pDoc->m_bAutoDelete = FALSE;
    CPrintView* pView = CreatePrintView(pDoc);
    ASSERT_NE(nullptr, pView);
    PumpMessages(30);
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    const LONG nDCs = CDC::GetLiveCount();
    const LONG nGdiObjects = CGdiObject::GetLiveCount();

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = CPreviewView::GetActivePreview();
    ASSERT_NE(nullptr, pPreview);
    PumpMessages(50);
    EXPECT_EQ(1, pView->m_nBegin);
    HWND hBar = pPreview->m_pToolBar->m_hWnd;
    auto desc = [&] { return TextOf(::GetDlgItem(hBar, AFX_IDC_PREVIEW_PAGEDESC)); };
    EXPECT_EQ("Seite 1", desc());
    EXPECT_EQ("&Zwei Seiten", TextOf(::GetDlgItem(hBar, AFX_ID_PREVIEW_NUMPAGE)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hBar, AFX_ID_PREVIEW_PREV)));
    ASSERT_FALSE(pView->m_pages.empty());
    EXPECT_EQ(1u, pView->m_pages.back());

    // Page 1's square, scaled onto the page on the screen: black in its upper left, white elsewhere.
    CRect page = pPreview->GetPageRect(0);
    ASSERT_FALSE(page.IsRectEmpty());
    HDC hDC = ::GetDC(pPreview->m_hWnd);
    COLORREF inSquare = ::GetPixel(hDC, page.left + page.Width() / 4, page.top + page.Height() / 4);
    COLORREF outside = ::GetPixel(hDC, page.left + page.Width() * 3 / 4, page.top + page.Height() * 3 / 4);
    ::ReleaseDC(pPreview->m_hWnd, hDC);
    EXPECT_EQ(RGB(0, 0, 0), inSquare);
    EXPECT_EQ(RGB(255, 255, 255), outside);

    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_NEXT));
    EXPECT_EQ("Seite 2", desc());
    EXPECT_EQ(2u, pView->m_pages.back());
    EXPECT_FALSE(Press(hBar, AFX_ID_PREVIEW_NEXT)); // two pages only
    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_PREV));
    EXPECT_EQ("Seite 1", desc());

    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_NUMPAGE));
    EXPECT_EQ("Seiten 1-2", desc());
    EXPECT_EQ("&Eine Seite", TextOf(::GetDlgItem(hBar, AFX_ID_PREVIEW_NUMPAGE)));
    EXPECT_FALSE(pPreview->GetPageRect(1).IsRectEmpty());
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hBar, AFX_ID_PREVIEW_NEXT)));

    // Zooming shows one page, larger, and gives the size back step by step.
    int nWidth = pPreview->GetPageRect(0).Width();
    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_FALSE(Press(hBar, AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_EQ((UINT)CPreviewView::ZOOM_IN, pPreview->GetZoomState());
    EXPECT_GT(pPreview->GetPageRect(0).Width(), nWidth * 3);
    EXPECT_TRUE(pPreview->GetPageRect(1).IsRectEmpty());
    EXPECT_EQ("Seite 1", desc());
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hBar, AFX_ID_PREVIEW_NUMPAGE)));
    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_ZOOMOUT));
    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_ZOOMOUT));
    EXPECT_FALSE(Press(hBar, AFX_ID_PREVIEW_ZOOMOUT));
    EXPECT_EQ(nWidth, pPreview->GetPageRect(0).Width());
    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_NUMPAGE)); // back to one page for the next preview

    EXPECT_TRUE(Press(hBar, AFX_ID_PREVIEW_CLOSE));
    EXPECT_EQ(nullptr, CPreviewView::GetActivePreview());
    EXPECT_FALSE(::IsWindow(hBar));
    EXPECT_EQ(1, pView->m_nEnd);
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(nDCs, CDC::GetLiveCount());
    EXPECT_EQ(nGdiObjects, CGdiObject::GetLiveCount());

    // Escape on the bar closes a preview too, and a view going away takes its preview along.
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(nullptr, CPreviewView::GetActivePreview());
    ::SendMessage(CPreviewView::GetActivePreview()->m_pToolBar->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(nullptr, CPreviewView::GetActivePreview());
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(nullptr, CPreviewView::GetActivePreview());
    pView->DestroyWindow();
    EXPECT_EQ(nullptr, CPreviewView::GetActivePreview());
    delete pDoc;
}

TEST_F(Printing, NoDeviceGivesNoPrinterDC)
{
    EXPECT_EQ(NULL, AfxCreateDC(NULL, NULL));
    CPrintDialog pd(FALSE);
    EXPECT_EQ(NULL, pd.CreatePrinterDC()); // no device chosen yet
}
} // namespace
