// The list and tree hosted in views: what the view host adds (life cycle, the host's own answers
// to GetNextItem and to a caret moved by the program) and printing: real pages to the PDF printer
// of CUPS read back with pdftotext, the preview's page count, the fallback font, a failing font,
// a row taller than a page, a printer that is not there, and the screen state afterwards.
#include "uilib/treelist/ListCtrl.h"
#include "uilib/treelist/ListView.h"
#include "uilib/treelist/TreeCtrl.h"
#include "uilib/treelist/TreeView.h"
#include "Document.h"
#include "PreviewView.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "TestSupport.h"
#include "TreeListTestApp.h"
#include <dlgs.h>
#include <fstream>
#include <sstream>

using namespace testing_support;

namespace
{
class CListDoc : public CDocument
{
};

// A list view that prints without the print dialog and records what printing did.
class CPrintListView : public SECListView
{
  public:
    BOOL CreatePrintFonts(CDC* pDC) override
    {
        if (m_bFailFonts)
            return FALSE;
        BOOL bOk = SECListView::CreatePrintFonts(pDC);
        if (bOk)
            m_fontPrintItem.GetLogFont(&m_lfItem);
        return bOk;
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_tops.push_back(GetTopIndex());
        SECListView::OnPrint(pDC, pInfo);
    }
    BOOL m_bFailFonts = FALSE;
    LOGFONT m_lfItem{};
    std::vector<int> m_tops; // the top row of each page printed or previewed

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintListView, SECListView)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

struct ListViewFixture : ::testing::Test
{
    COwnerWnd owner;
    CListDoc* pDoc = NULL;
    CPrintListView* pView = NULL;
    MessageBoxes boxes;

    void Make(int nRows, DWORD dwStyle = LVS_REPORT)
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 420)));
        pDoc = new CListDoc;
        pDoc->m_bAutoDelete = FALSE;
        CString title;
        title.Format("HelvonListe_%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
        pDoc->SetTitle(title);
        CCreateContext context;
        context.m_pCurrentDoc = pDoc;
        pView = new CPrintListView;
        ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, 10, 310, 210),
                                  &owner, AFX_IDW_PANE_FIRST, &context));
        pView->AddColumn("Name", LVCFMT_LEFT, 120);
        pView->AddColumn("Wert", LVCFMT_LEFT, 80);
        pView->AddColumn("Einheit", LVCFMT_LEFT, 80);
        for (int i = 0; i < nRows; ++i)
        {
            CString s;
            s.Format("Zeile %03d", i + 1);
            pView->InsertItem(i, s);
            pView->SetItemText(i, 1, "W");
        }
        pView->RecalcLayout();
    }
    void TearDown() override
    {
        if (pView != NULL && ::IsWindow(pView->m_hWnd))
            pView->DestroyWindow(); // the view deletes itself
        delete pDoc;
    }
    // Pages of a preview of the view, closed again.
    UINT PreviewPages()
    {
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        CPreviewView* pPreview = CPreviewView::GetActivePreview();
        if (pPreview == NULL)
            return 0;
        PumpMessages(50);
        UINT nPages = pPreview->GetPrintInfo()->GetMaxPage();
        ::SendMessage(pPreview->m_pToolBar->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        return nPages;
    }
    static bool HavePdfPrinter()
    {
        CPrintDialog pd(FALSE);
        return pd.GetDefaults() && pd.GetDeviceName() == "PDF";
    }
};
} // namespace

TEST_F(ListViewFixture, ViewIsAListWithItsClassAndOneColumnOutsideReport)
{
    Make(3, LVS_LIST);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_STREQ("SECListBaseV", RUNTIME_CLASS(SECListView)->m_pBaseClass->m_lpszClassName);
    CObject* pMade = RUNTIME_CLASS(SECListView)->CreateObject();
    EXPECT_NE(nullptr, dynamic_cast<SECListView*>(pMade));
    delete pMade;
    // Not a report: one header-less column of width 20.
    EXPECT_FALSE(pView->HasColumnHeader());
    EXPECT_EQ("", std::string(pView->GetColumnHeading(0)));
    EXPECT_EQ(UINT(135), (UINT)pView->SendMessage(WM_GETDLGCODE));
}

TEST_F(ListViewFixture, SeveralStateFlagsMustAllBeSetInTheViewAnyInTheControl)
{
    Make(4);
    SECListCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(320, 10, 410, 100), &owner, 5));
    for (int i = 0; i < 4; ++i)
        ctrl.InsertItem(i, "x");
    // Row 1 selected, row 2 focused and selected.
    pView->DeselectAllItems(-1);
    pView->SelectFocusItem(2, TRUE);
    pView->SelectItem(1, TRUE);
    ctrl.DeselectAllItems(-1);
    ctrl.SelectFocusItem(2, TRUE);
    ctrl.SelectItem(1, TRUE);
    EXPECT_EQ(2, pView->GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED));
    EXPECT_EQ(1, ctrl.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED));
    EXPECT_EQ(1, pView->GetNextItem(-1, LVNI_SELECTED));
}

TEST(TreeViewHost, CaretMovedByTheProgramReportsKeyboardInTheViewNothingInTheControl)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 420)));
    SECTreeView* pTreeView = new SECTreeView;
    ASSERT_TRUE(pTreeView->Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 200), &owner, 1));
    SECTreeCtrl treeCtrl;
    ASSERT_TRUE(treeCtrl.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(200, 0, 400, 200), &owner, 2));
    struct Host
    {
        std::function<HTREEITEM(const char*)> add;
        std::function<BOOL(HTREEITEM)> select;
        UINT id, action;
    };
    auto addTo = [](auto* pTree) {
        return [pTree](const char* text) {
            TVINSERTSTRUCTA ins{};
            ins.hParent = TVI_ROOT;
            ins.hInsertAfter = TVI_LAST;
            ins.item.mask = TVIF_TEXT;
            ins.item.pszText = (LPSTR)text;
            return pTree->InsertItem(&ins);
        };
    };
    const std::vector<Host> hosts = {
        {addTo(pTreeView), [&](HTREEITEM h) { return pTreeView->Select(h, TVGN_CARET); }, 1, TVC_BYKEYBOARD},
        {addTo(&treeCtrl), [&](HTREEITEM h) { return treeCtrl.Select(h, TVGN_CARET); }, 2, 0},
    };
    for (const Host& host : hosts)
    {
        host.add("a");
        HTREEITEM b = host.add("b");
        owner.Clear();
        EXPECT_TRUE(host.select(b));
        int nChanged = 0;
        for (const Notice& n : owner.log)
            if (n.code == TVN_SELCHANGEDA && n.idFrom == host.id)
            {
                ++nChanged;
                EXPECT_EQ(host.action, n.action) << host.id;
                EXPECT_EQ(b, n.hItem);
            }
        EXPECT_EQ(1, nChanged) << host.id;
    }
    pTreeView->DestroyWindow();
}

// ---- printing

TEST_F(ListViewFixture, PrintsEveryRowOnceInOrderWithTheCaptionsOnEveryPage)
{
    if (!HavePdfPrinter())
        GTEST_SKIP() << "no PDF printer is set up";
    Make(250);
    pView->SetTopIndex(30);
    int nTop = pView->GetTopIndex();
    ASSERT_GT(nTop, 0);
    CString docName = pDoc->GetTitle();

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    std::vector<int> printedTops = pView->m_tops;
    ASSERT_GE(printedTops.size(), 2u);
    EXPECT_EQ(0, printedTops[0]);
    // The screen is as before.
    EXPECT_EQ(nTop, pView->GetTopIndex());
    EXPECT_FALSE(pView->IsPrinting());
    CRect rcClient, rcView;
    ::GetClientRect(pView->m_hWnd, &rcClient);
    pView->GetClientRect(&rcView);
    EXPECT_EQ(rcClient, rcView);
    // Without fonts of its own the list prints in 11-point Times New Roman.
    EXPECT_STREQ("Times New Roman", pView->m_lfItem.lfFaceName);
    HDC hScreen = ::GetDC(NULL);
    int nExpectHeight = ::MulDiv(11, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_EQ(nExpectHeight, std::abs(pView->m_lfItem.lfHeight));

    std::string out = UnixPath(TempFolder());
    ASSERT_FALSE(out.empty());
    std::string script = WaitForPdfScript(std::string(docName)) + "pdftotext -layout \\\"$f\\\" " + out +
                         "/list.txt; rm -f \\\"$f\\\"";
    ASSERT_TRUE(RunUnix(script, TempFolder() + "\\done.txt", 90000));
    std::string text = ReadFile(TempFolder() + "\\list.txt");
    ASSERT_FALSE(text.empty());
    // Pages are separated by form feeds; each holds the captions and its rows in order.
    std::vector<std::string> pages;
    std::stringstream ss(text);
    std::string page;
    while (std::getline(ss, page, '\f'))
        if (page.find_first_not_of(" \n") != std::string::npos)
            pages.push_back(page);
    ASSERT_EQ(printedTops.size(), pages.size());
    int nNext = 1;
    std::vector<int> rowsPerPage;
    for (const std::string& p : pages)
    {
        EXPECT_NE(std::string::npos, p.find("Name"));
        EXPECT_NE(std::string::npos, p.find("Einheit"));
        int nRows = 0;
        for (size_t at = p.find("Zeile "); at != std::string::npos; at = p.find("Zeile ", at + 1))
        {
            EXPECT_EQ(nNext, atoi(p.c_str() + at + 6));
            ++nNext;
            ++nRows;
        }
        rowsPerPage.push_back(nRows);
    }
    EXPECT_EQ(251, nNext);
    for (size_t i = 1; i + 1 < rowsPerPage.size(); ++i)
        EXPECT_EQ(rowsPerPage[0], rowsPerPage[i]) << "page " << i + 1;
    EXPECT_LE(rowsPerPage.back(), rowsPerPage[0]);

    // The preview counts as many pages.
    EXPECT_EQ((UINT)pages.size(), PreviewPages());
    EXPECT_EQ(nTop, pView->GetTopIndex());
}

TEST_F(ListViewFixture, PreviewCountsPagesOfEmptyAndOfOverTallRows)
{
    {
        CPrintDialog pd(FALSE);
        if (!pd.GetDefaults())
            GTEST_SKIP() << "no printer is set up";
    }
    Make(0);
    EXPECT_EQ(1u, PreviewPages());

    // Rows far taller than a page still move on one row a page: three rows, three pages.
    pView->SetLabelWrap(TRUE);
    std::string tall;
    for (int i = 0; i < 200; ++i)
        tall += "Zeile\n";
    for (int i = 0; i < 3; ++i)
        pView->InsertItem(i, tall.c_str());
    pView->m_tops.clear();
    EXPECT_EQ(3u, PreviewPages());
    ASSERT_FALSE(pView->m_tops.empty());
    EXPECT_EQ(0, pView->m_tops[0]);
}

TEST_F(ListViewFixture, FailingPrintFontsPrintNothingAndKeepTheScreen)
{
    if (!HavePdfPrinter())
        GTEST_SKIP() << "no PDF printer is set up";
    Make(40);
    CFont font;
    font.CreatePointFont(90, "Arial");
    pView->SetLabelFont(&font);
    pView->SetTopIndex(5);
    int nTop = pView->GetTopIndex();
    pView->m_bFailFonts = TRUE;
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(pView->m_tops.empty());
    EXPECT_EQ(nTop, pView->GetTopIndex());
    EXPECT_EQ((HFONT)font.GetSafeHandle(), pView->GetLabelFont());
    EXPECT_FALSE(pView->IsPrinting());

    // With fonts of its own, the printer gets a copy of them.
    pView->m_bFailFonts = FALSE;
    EXPECT_GT(PreviewPages(), 0u);
    EXPECT_STREQ("Arial", pView->m_lfItem.lfFaceName);
    EXPECT_EQ((HFONT)font.GetSafeHandle(), pView->GetLabelFont());
}

namespace
{
struct PrintDialogSeen
{
    bool found = false;
    bool selectionEnabled = true;
    bool pagesEnabled = true;
} g_dialog;

int g_nTicks = 0;

// Runs inside the print dialog's own loop: reads its range buttons and cancels it.
VOID CALLBACK ExaminePrintDialog(HWND, UINT, UINT_PTR nID, DWORD)
{
    ++g_nTicks;
    // After ten seconds any dialog is taken, so that a dialog without the buttons cannot hang the test.
    HWND hDlg = FindThreadWindow("#32770", [](HWND hWnd) {
        return g_nTicks > 100 || (::GetDlgItem(hWnd, rad3) != NULL && ::GetDlgItem(hWnd, rad2) != NULL);
    });
    if (hDlg == NULL)
        return;
    ::KillTimer(NULL, nID);
    g_dialog.found = true;
    g_dialog.selectionEnabled = ::IsWindowEnabled(::GetDlgItem(hDlg, rad2)) != FALSE;
    g_dialog.pagesEnabled = ::IsWindowEnabled(::GetDlgItem(hDlg, rad3)) != FALSE;
    ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
}
} // namespace

TEST_F(ListViewFixture, PrintCommandOffersOnlyTheWholeList)
{
    if (!HavePdfPrinter())
        GTEST_SKIP() << "no PDF printer is set up";
    Make(5);
    g_dialog = PrintDialogSeen();
    g_nTicks = 0;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, ExaminePrintDialog);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ::KillTimer(NULL, nTimer);
    ASSERT_TRUE(g_dialog.found);
    EXPECT_FALSE(g_dialog.selectionEnabled);
    EXPECT_FALSE(g_dialog.pagesEnabled);
    EXPECT_TRUE(pView->m_tops.empty()); // cancelled: nothing printed
}

// The machine's printer cannot be hidden from Wine for one test, so the application is left
// with a printer that is not there, as after the default printer was removed.
TEST_F(ListViewFixture, PreviewWithoutAPrinterShowsTheFrameworksMessage)
{
    Make(5);
    CWinApp* pApp = AfxGetApp();
    HGLOBAL hOldNames = pApp->m_hDevNames;
    HGLOBAL hOldMode = pApp->m_hDevMode;
    const char kDriver[] = "winspool", kDevice[] = "Kein Drucker", kPort[] = "nul:";
    HGLOBAL hNames = ::GlobalAlloc(GHND, sizeof(DEVNAMES) + sizeof kDriver + sizeof kDevice + sizeof kPort);
    ASSERT_NE(nullptr, hNames);
    DEVNAMES* pNames = (DEVNAMES*)::GlobalLock(hNames);
    pNames->wDriverOffset = sizeof(DEVNAMES);
    pNames->wDeviceOffset = (WORD)(pNames->wDriverOffset + sizeof kDriver);
    pNames->wOutputOffset = (WORD)(pNames->wDeviceOffset + sizeof kDevice);
    memcpy((char*)pNames + pNames->wDriverOffset, kDriver, sizeof kDriver);
    memcpy((char*)pNames + pNames->wDeviceOffset, kDevice, sizeof kDevice);
    memcpy((char*)pNames + pNames->wOutputOffset, kPort, sizeof kPort);
    ::GlobalUnlock(hNames);
    pApp->SelectPrinter(hNames, NULL, FALSE);

    boxes.Expect(IDOK, "Der Druckauftrag konnte nicht gestartet werden.");
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(nullptr, CPreviewView::GetActivePreview());
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_TRUE(pView->m_tops.empty());
    EXPECT_FALSE(pView->IsPrinting());

    pApp->SelectPrinter(hOldNames, hOldMode, FALSE);
    ::GlobalFree(hNames);
}
