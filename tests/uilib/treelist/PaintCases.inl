// What the list and the tree put on the screen: header, grid lines, selection colours, row
// heights, scroll bars, header images; the tree's lines, buttons, images, labels and drag image.
// Colours are made distinct for the test (Wine's menu and window colours are both white).
// Compiled once per host: the including file defines LIST_HOST (on engine LIST_ENGINE), TREE_HOST
// and TREELIST_CASES_NS, the namespace of its fixtures (and may rename them).
#include "ScreenInput.h"
#include "TestSupport.h"
#include "TreeListTestApp.h"

using namespace testing_support;

namespace TREELIST_CASES_NS
{
const COLORREF kWindow = RGB(250, 250, 240);
const COLORREF kMenu = RGB(200, 220, 200);
const COLORREF kMenuText = RGB(20, 60, 20);
const COLORREF kHighlight = RGB(40, 40, 160);
const COLORREF kHighlightText = RGB(255, 255, 0);
const COLORREF kFace = RGB(190, 190, 210);
const COLORREF kGrayText = RGB(128, 100, 100);

struct PaintFixture : ::testing::Test
{
    CSysColors colors{{COLOR_WINDOW, kWindow},
                      {COLOR_MENU, kMenu},
                      {COLOR_MENUTEXT, kMenuText},
                      {COLOR_HIGHLIGHT, kHighlight},
                      {COLOR_HIGHLIGHTTEXT, kHighlightText},
                      {COLOR_BTNFACE, kFace},
                      {COLOR_GRAYTEXT, kGrayText}};
    COwnerWnd owner;
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 560, 480)));
    }
};

struct ListPaint : PaintFixture
{
    LIST_HOST list;
    void Make(DWORD dwStyle, int nRows, CRect rc = CRect(10, 10, 310, 210))
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | dwStyle, rc, &owner, 77));
        list.AddColumn("Name", LVCFMT_LEFT, 120);
        list.AddColumn("Wert", LVCFMT_RIGHT, 100);
        for (int i = 0; i < nRows; ++i)
        {
            CString s;
            s.Format("Zeile %d", i);
            list.InsertItem(i, s);
            list.SetItemText(i, 1, "w");
        }
        list.RecalcLayout();
        list.Invalidate();
        list.UpdateWindow();
    }
    COLORREF LabelBk(int nRow)
    {
        CRect rc;
        list.GetItemRect(nRow, &rc, LVIR_LABEL);
        return PixelAt(&list, rc.left - 1, rc.top + 1);
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(ListPaint, HeaderBandAndHeadings)
{
    Make(0, 3);
    EXPECT_EQ(kFace, PixelAt(&list, 60, 10));
    EXPECT_EQ(kWindow, PixelAt(&list, 250, 30)); // below the band: the rows' area
    // The push frames: a dark edge along the bottom of the 20-pixel band, face above it.
    EXPECT_NE(kFace, PixelAt(&list, 60, 19));
    EXPECT_NE(kWindow, PixelAt(&list, 60, 19));
    EXPECT_EQ(kWindow, PixelAt(&list, 60, 20 + list.GetRow(0)->m_cy + 10 + 40));
    // The heading starts 6 pixels in.
    int xText = -1;
    for (int x = 2; x < 60 && xText < 0; ++x)
        for (int y = 4; y < 16; ++y)
            if (PixelAt(&list, x, y) != kFace)
            {
                xText = x;
                break;
            }
    EXPECT_GE(xText, 6);
    EXPECT_LE(xText, 8);
}

// A row's invalidation with its fourth flag: the window-hosted list fills what lies below the row
// at once and invalidates the row; the view fills the row's own band at once.
TEST_F(ListPaint, TheFourthInvalidationFlagFillsWhatTheHostSays)
{
    Make(0, 6);
    // What the screen shows now, before any repaint.
    auto ink = [&](int nRow) {
        CRect rc;
        list.GetItemRect(nRow, &rc, LVIR_LABEL);
        CClientDC dc(&list);
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (dc.GetPixel(x, y) != kWindow)
                    return true;
        return false;
    };
    ASSERT_TRUE(ink(1) && ink(2) && ink(4));
    const bool bView = list.IsKindOf(RUNTIME_CLASS(CView)) != FALSE;
    list.InvalidateItems(2, FALSE, FALSE, TRUE, FALSE);
    EXPECT_TRUE(ink(1));
    EXPECT_EQ(!bView, ink(2));
    EXPECT_EQ(bView, ink(4));
    list.UpdateWindow();
    EXPECT_TRUE(ink(1));
    EXPECT_TRUE(ink(2));
}

TEST_F(ListPaint, GridLinesInThePenColour)
{
    Make(0, 3);
    list.ModifyListCtrlStyleEx(0, 0x00400000 | 0x00800000);
    list.UpdateWindow();
    LOGPEN lp;
    ::GetObject(list.GetGridPen(), sizeof(lp), &lp);
    CRect rc;
    list.GetItemRect(0, &rc, LVIR_BOUNDS);
    EXPECT_EQ(lp.lopnColor, PixelAt(&list, 200, rc.bottom - 1));      // under the row
    EXPECT_EQ(lp.lopnColor, PixelAt(&list, 119, rc.CenterPoint().y)); // between the columns
    EXPECT_NE(lp.lopnColor, PixelAt(&list, 200, rc.CenterPoint().y));
}

TEST_F(ListPaint, SelectionColoursFollowFocusAndStyle)
{
    Make(0, 4);
    list.DeselectAllItems(-1);
    list.SelectFocusItem(1, TRUE);
    ActivateAndFocus(&owner, &list);
    list.UpdateWindow();
    EXPECT_EQ(kHighlight, LabelBk(1));
    EXPECT_EQ(kWindow, LabelBk(0));
    owner.SetFocus(); // unfocused, without 0x8: plain colours
    PumpMessages(30);
    EXPECT_EQ(kWindow, LabelBk(1));
    list.ModifyListCtrlStyle(0, LVS_SHOWSELALWAYS);
    list.UpdateWindow();
    EXPECT_EQ(kMenu, LabelBk(1)); // unfocused with 0x8: the menu pair
    list.SetDropHilightItem(2);
    list.UpdateWindow();
    EXPECT_EQ(kHighlight, LabelBk(2));
    list.EnableWindow(FALSE);
    list.UpdateWindow();
    EXPECT_EQ(kMenu, LabelBk(0));               // disabled
    EXPECT_EQ(kMenu, PixelAt(&list, 250, 150)); // the window background too
    list.EnableWindow(TRUE);
}

TEST_F(ListPaint, WrappedLabelsMakeTallerRows)
{
    Make(0, 0);
    list.InsertItem(0, "erste\nzweite");
    list.InsertItem(1, "eine");
    list.RecalcLayout();
    list.UpdateWindow();
    int cyWrapped = list.GetRow(0)->m_cy;
    int cyPlain = list.GetRow(1)->m_cy;
    EXPECT_GT(cyWrapped, cyPlain);
    list.ModifyListCtrlStyle(0, LVS_NOLABELWRAP);
    list.UpdateWindow();
    EXPECT_EQ(list.GetRow(1)->m_cy, list.GetRow(0)->m_cy); // one line: only the first word
    CSize szFirst = TextSize(list.GetLabelFont(), "erste");
    EXPECT_EQ(szFirst.cx, list.GetRow(0)->m_rcLabel.Width());
}

TEST_F(ListPaint, OneColumnFillsTheRowsAreaAndBarsOnlyWhenNeeded)
{
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 310, 210), &owner, 77));
    list.AddColumn("Nur", LVCFMT_LEFT, 50);
    list.InsertItem(0, "a");
    list.RecalcLayout();
    CRect rcInside;
    list.GetInsideRect(&rcInside);
    EXPECT_EQ(rcInside.Width(), list.GetColumnWidth(0));
    EXPECT_FALSE(list.GetScrollBarCtrl(SB_VERT) != NULL && list.GetScrollBarCtrl(SB_VERT)->IsWindowVisible());
    for (int i = 1; i < 40; ++i)
        list.InsertItem(i, "b");
    list.RecalcLayout();
    ASSERT_NE(nullptr, list.GetScrollBarCtrl(SB_VERT));
    EXPECT_TRUE(list.GetScrollBarCtrl(SB_VERT)->IsWindowVisible());
    EXPECT_EQ(59920, list.GetScrollBarCtrl(SB_VERT)->GetDlgCtrlID());
    list.GetInsideRect(&rcInside);
    EXPECT_EQ(rcInside.Width(), list.GetColumnWidth(0)); // refitted beside the bar
    list.SetWindowPos(NULL, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
    list.GetInsideRect(&rcInside);
    EXPECT_EQ(rcInside.Width(), list.GetColumnWidth(0));
    EXPECT_FALSE(list.GetScrollBarCtrl(SB_HORZ) != NULL && list.GetScrollBarCtrl(SB_HORZ)->IsWindowVisible());
    list.DeleteItem(1, 39);
    EXPECT_FALSE(list.GetScrollBarCtrl(SB_VERT)->IsWindowVisible());
    EXPECT_EQ(0, list.GetTopIndex());
}

TEST_F(ListPaint, HeaderImageOnlyInWideColumns)
{
    Make(0, 1);
    CImageList images;
    images.Create(16, 16, ILC_COLOR24, 1, 0);
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 16, 16);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    CRect rcAll(0, 0, 16, 16);
    ::SetBkColor(hMem, RGB(255, 0, 0));
    ::ExtTextOut(hMem, 0, 0, ETO_OPAQUE, &rcAll, NULL, 0, NULL);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    ImageList_Add(images.GetSafeHandle(), hBitmap, NULL);
    ::DeleteObject(hBitmap);
    list.SetImageList(&images, 3);
    auto redInHeader = [&](int x0, int x1) {
        list.Invalidate();
        list.UpdateWindow();
        for (int x = x0; x < x1; ++x)
            if (PixelAt(&list, x, 10) == RGB(255, 0, 0))
                return true;
        return false;
    };
    list.GetColumnAt(1)->m_iImage = 0;
    EXPECT_TRUE(redInHeader(120, 220));
    list.SetColumnWidth(1, 22);
    EXPECT_FALSE(redInHeader(120, 142));
    list.SetColumnWidth(1, 23);
    EXPECT_TRUE(redInHeader(120, 143));
}

namespace TREELIST_CASES_NS
{
struct TreePaint : PaintFixture
{
    TREE_HOST tree;
    HTREEITEM A = NULL, A1 = NULL, B = NULL;
    void Make(DWORD dwStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT)
    {
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, 10, 310, 310), &owner, 88));
        A = tree.InsertItem("A");
        A1 = tree.InsertItem("A1", A);
        tree.InsertItem("A2", A);
        B = tree.InsertItem("B");
        tree.InsertItem("B1", B);
        tree.Expand(A, TVE_EXPAND);
        tree.RecalcLayout();
        tree.Invalidate();
        tree.UpdateWindow();
    }
    CRect Button(HTREEITEM h)
    {
        int nRow = tree.RowOfItem(h);
        int top = nRow > 0 ? tree.GetItemsHeight(0, nRow - 1) : 0;
        CRect rc;
        tree.GetButtonRect(rc, nRow, CPoint(tree.GetColumnLeft(0), top));
        return rc;
    }
    static CImageList* Images(int cx, int n = 3)
    {
        CImageList* p = new CImageList;
        p->Create(cx, cx, ILC_COLOR24, n, 0);
        HBITMAP h = ::CreateBitmap(cx * n, cx, 1, 32, NULL);
        ImageList_Add(p->GetSafeHandle(), h, NULL);
        ::DeleteObject(h);
        return p;
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(TreePaint, ButtonsAndDottedLines)
{
    Make();
    CRect rcA = Button(A), rcB = Button(B);
    EXPECT_EQ(9, rcA.Width());
    EXPECT_EQ(9, rcA.Height());
    COLORREF rgbShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(rgbShadow, PixelAt(&tree, rcA.left, rcA.top + 2));              // the outline
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(&tree, rcA.left + 1, rcA.top + 1)); // filled white
    CPoint cA(rcA.left + 4, rcA.top + 4), cB(rcB.left + 4, rcB.top + 4);
    COLORREF rgbText = PixelAt(&tree, cA.x, cA.y);
    EXPECT_NE(RGB(255, 255, 255), rgbText);                        // the minus sign
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(&tree, cA.x, cA.y - 2)); // A is expanded: minus
    EXPECT_EQ(rgbText, PixelAt(&tree, cB.x, cB.y - 2));            // B is collapsed: plus
    // Dotted line from A's button down to B: shadow and background alternate.
    int x = cA.x;
    int nShadow = 0, nGap = 0;
    for (int y = rcA.bottom + 1; y < rcB.top - 1; ++y)
    {
        COLORREF rgb = PixelAt(&tree, x, y);
        if (rgb == rgbShadow)
        {
            ++nShadow;
            EXPECT_EQ(0, y & 1) << y;
        }
        else if (rgb == tree.GetWindowBkColor())
            ++nGap;
    }
    EXPECT_GT(nShadow, 3);
    EXPECT_GT(nGap, 3);
    tree.EnableWindow(FALSE);
    tree.UpdateWindow();
    EXPECT_EQ(kMenu, PixelAt(&tree, rcA.left + 1, rcA.top + 1)); // disabled: the window background
    tree.EnableWindow(TRUE);
}

TEST_F(TreePaint, ButtonSideFollowsTheImages)
{
    Make();
    const struct
    {
        int cxImage;
        int side;
    } cases[] = {{16, 9}, {24, 15}};
    for (const auto& c : cases)
    {
        CImageList* pImages = Images(c.cxImage);
        tree.SetImageList(pImages, LVSIL_NORMAL);
        TVITEMA item{};
        item.hItem = A;
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tree.SetItem(&item); // image 0
        tree.ReMeasureAllItems();
        EXPECT_EQ(c.side, Button(A).Width()) << c.cxImage;
        tree.SetImageList(NULL, LVSIL_NORMAL);
        delete pImages;
    }
}

TEST_F(TreePaint, StateImageImageAndLabelPlaces)
{
    Make();
    CImageList* pStates = Images(16);
    tree.SetImageList(pStates, LVSIL_STATE);
    tree.SetItemState(A1, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
    tree.ReMeasureAllItems();
    SECListItem* pRow = tree.GetRow(tree.RowOfItem(A1));
    int x0 = 2 * (int)tree.GetIndent(); // depth 2 with lines at the root
    EXPECT_EQ(x0, pRow->m_rcStateIcon.left);
    EXPECT_EQ(pRow->m_rcStateIcon.right + 6, pRow->m_rcLabel.left);
    SECListItem* pRowA = tree.GetRow(tree.RowOfItem(A)); // image -12, no state image
    EXPECT_EQ((int)tree.GetIndent() + 6, pRowA->m_rcLabel.left);
    tree.SetImageList(NULL, LVSIL_STATE);
    delete pStates;
    // Bold labels are wider.
    tree.SetItemLabel(B, "Breite Beschriftung mit vielen Buchstaben");
    tree.ReMeasureAllItems();
    int cxPlain = tree.GetRow(tree.RowOfItem(B))->m_rcLabel.Width();
    tree.SetItemState(B, TVIS_BOLD, TVIS_BOLD);
    tree.ReMeasureAllItems();
    EXPECT_GT(tree.GetRow(tree.RowOfItem(B))->m_rcLabel.Width(), cxPlain);
}

TEST_F(TreePaint, HighlightMarkerIsNotDrawn)
{
    Make();
    tree.SetLabelWrap(TRUE);
    tree.SetItemLabel(B, "eins\\{HI}zwei");
    tree.ReMeasureAllItems();
    _Node* pNode = tree.NodeFromHandle(B);
    EXPECT_EQ(1u, pNode->m_bHighlight);
    EXPECT_EQ("eins", std::string(pNode->m_strBeforeMarker));
    EXPECT_EQ("zwei", std::string(pNode->m_strAfterMarker));
    EXPECT_EQ(TextSize(tree.GetLabelFont(), "eins").cx, pNode->m_cxBeforeMarker);
    EXPECT_EQ(TextSize(tree.GetLabelFont(), "zwei").cx, tree.GetRow(tree.RowOfItem(B))->m_rcLabel.Width());
}

TEST_F(TreePaint, DragImageIsIconGapAndText)
{
    Make();
    EXPECT_EQ(nullptr, tree.CreateDragImage(A));
    CImageList* pImages = Images(16);
    tree.SetImageList(pImages, LVSIL_NORMAL);
    TVITEMA item{};
    item.hItem = A;
    item.mask = TVIF_IMAGE;
    tree.SetItem(&item);
    CImageList* pDrag = tree.CreateDragImage(A);
    ASSERT_NE(nullptr, pDrag);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(pDrag->GetSafeHandle(), &cx, &cy);
    CSize szText = TextSize(tree.GetLabelFont(), "A");
    EXPECT_EQ(16 + 6 + szText.cx, cx);
    EXPECT_EQ(std::max(16, (int)szText.cy), cy);
    delete pDrag;
    tree.SetImageList(NULL, LVSIL_NORMAL);
    delete pImages;
}

TEST_F(ListPaint, LabelsStandWhereDrawLabelPutsThemAndNotUnderTheEdit)
{
    Make(LVS_EDITLABELS | LVS_NOLABELWRAP, 2);
    CRect rcLabel;
    ASSERT_TRUE(list.GetItemRect(0, &rcLabel, LVIR_LABEL));
    auto firstInk = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = rcLabel.top; y < rcLabel.bottom; ++y)
            {
                COLORREF rgb = PixelAt(&list, x, y);
                if (rgb != kWindow && rgb != kHighlight && rgb != kMenu)
                    return x;
            }
        return -1;
    };
    list.DeselectAllItems(-1);
    list.Invalidate();
    list.UpdateWindow();
    int xInk = firstInk(0, rcLabel.right + 5);
    EXPECT_GE(xInk, rcLabel.left);
    EXPECT_LE(xInk, rcLabel.left + 2);
    ActivateAndFocus(&owner, &list);
    ASSERT_NE(nullptr, list.EditLabel(0, 0));
    ASSERT_NE(nullptr, list.GetEditControl()->GetSafeHwnd());
    // Under the edit: the list painted into a bitmap of its own.
    CClientDC dcList(&list);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(dcList.m_hDC));
    CRect rcClient;
    list.GetClientRect(&rcClient);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(dcList.m_hDC, rcClient.Width(), rcClient.Height());
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hBitmap);
    list.LIST_ENGINE::OnDraw(&dc); // the engine's paint: a view draws only printer DCs there
    int xUnder = -1;
    for (int x = 0; x < rcLabel.right + 5 && xUnder < 0; ++x)
        for (int y = rcLabel.top; y < rcLabel.bottom; ++y)
        {
            COLORREF rgb = ::GetPixel(dc.m_hDC, x, y);
            if (rgb != kWindow && rgb != kHighlight && rgb != kMenu)
            {
                xUnder = x;
                break;
            }
        }
    ::SelectObject(dc.m_hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(dc.Detach());
    EXPECT_EQ(-1, xUnder);
    list.EndLabelEdit(FALSE);
    list.UpdateWindow();
    EXPECT_NE(-1, firstInk(0, rcLabel.right + 5));
}

// The client area's pixels as the screen shows them.
static std::vector<DWORD> ClientPixels(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    HDC hWndDC = ::GetDC(pWnd->m_hWnd);
    HDC hMem = ::CreateCompatibleDC(hWndDC);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = rc.Width();
    bi.bmiHeader.biHeight = -rc.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(hWndDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hWndDC, 0, 0, SRCCOPY);
    ::GdiFlush();
    std::vector<DWORD> pixels((const DWORD*)pBits, (const DWORD*)pBits + rc.Width() * rc.Height());
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(pWnd->m_hWnd, hWndDC);
    return pixels;
}

// Scrolling moves what stays in view and paints only the strip that comes in: the result must
// equal a paint of the whole view, for every way of scrolling.
TEST_F(ListPaint, ScrolledPixelsEqualAFreshPaint)
{
    Make(LVS_SHOWSELALWAYS, 200);
    ActivateAndFocus(&owner, &list);
    list.SelectFocusItem(12, TRUE);
    list.UpdateWindow();
    CRect rc;
    list.GetWindowRect(&rc);
    LPARAM at = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
    struct Case
    {
        const char* what;
        UINT nMsg;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case cases[] = {
        {"line down", WM_VSCROLL, SB_LINEDOWN, 0},
        {"line down again", WM_VSCROLL, SB_LINEDOWN, 0},
        {"line up", WM_VSCROLL, SB_LINEUP, 0},
        {"page down", WM_VSCROLL, SB_PAGEDOWN, 0},
        {"page up", WM_VSCROLL, SB_PAGEUP, 0},
        {"wheel down", WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(-WHEEL_DELTA)), at},
        {"wheel up", WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at},
        {"bottom", WM_VSCROLL, SB_BOTTOM, 0},
        {"top", WM_VSCROLL, SB_TOP, 0},
    };
    for (const Case& c : cases)
    {
        int nTop = list.GetTopIndex();
        list.SendMessage(c.nMsg, c.wParam, c.lParam);
        EXPECT_NE(nTop, list.GetTopIndex()) << c.what;
        list.UpdateWindow();
        std::vector<DWORD> shown = ClientPixels(&list);
        list.Invalidate(FALSE);
        list.UpdateWindow();
        EXPECT_TRUE(shown == ClientPixels(&list)) << c.what;
    }
}

// Scrolled sideways, a tree with check images, lines and two columns under their headings moves
// as one picture: what stays in view stands as many pixels further left as the view moved, and
// scrolled back it is the picture it was.
TEST_F(TreePaint, SidewaysScrollMovesThePictureAsAWhole)
{
    Make();
    CImageList* pStates = Images(16);
    tree.SetImageList(pStates, LVSIL_STATE);
    tree.ModifyTreeStyleEx(0, TreeStyle::EX_HEADER);
    // The tree's own column and one beside it.
    tree.SetColumnHeading(0, "Port");
    tree.SetColumnWidth(0, 180);
    tree.InsertColumn(1, "Beschreibung", LVCFMT_LEFT, 260);
    tree.UseSubItemStorage(TRUE);
    int n = 0;
    for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextItem(h, TVGN_NEXTVISIBLE), ++n)
    {
        tree.SetItemState(h, INDEXTOSTATEIMAGEMASK(n % 2 + 1), TVIS_STATEIMAGEMASK);
        tree.SetItemColumnText(h, 1, "Kommunikationsanschluss");
    }
    tree.RecalcLayout();
    tree.Invalidate();
    tree.UpdateWindow();
    // Header and rows, without the scroll bars.
    CRect shown;
    tree.GetInsideRectangle(&shown);
    ASSERT_LT(shown.Width(), 440) << "the columns are wider than the view";
    shown.top = 0;
    const ClientPicture first(tree.m_hWnd);
    const int cxMax = 440 - shown.Width();
    const struct
    {
        const char* what;
        UINT nCode;
        int nOffset; // the view's left edge in the columns afterwards
    } cases[] = {
        {"a line right", SB_LINERIGHT, 15}, {"a page right", SB_PAGERIGHT, cxMax}, {"back", SB_LEFT, 0}};
    ClientPicture before = first;
    int nOffset = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        tree.SendMessage(WM_HSCROLL, c.nCode);
        int x = 0, y = 0;
        tree.GetScrollOffset(x, y);
        ASSERT_EQ(c.nOffset, x);
        tree.UpdateWindow();
        const ClientPicture after(tree.m_hWnd);
        int nCompared = 0;
        EXPECT_EQ(0, after.DiffersFromMoved(before, shown, c.nOffset - nOffset, nCompared));
        EXPECT_GT(nCompared, shown.Height() * 100) << "most of the view stayed";
        before = after;
        nOffset = c.nOffset;
    }
    int nCompared = 0;
    EXPECT_EQ(0, before.DiffersFromMoved(first, shown, 0, nCompared)) << "scrolled back";
    tree.SetImageList(NULL, LVSIL_STATE);
    delete pStates;
}
