// The list under real input: the selection engine with keys and clicks, paging, the wheel,
// dialog keys, type-ahead, and the header (divider drag, column click, column reordering).
// Compiled once per host: the including file defines LIST_HOST and TREELIST_CASES_NS, the namespace of its
// fixtures (and may rename them).
#include "TestSupport.h"
#include "TreeListTestApp.h"
#include <algorithm>

using namespace testing_support;

namespace TREELIST_CASES_NS
{
class CVetoList : public LIST_HOST
{
  public:
    BOOL OnSelChanging(int nRow, int, BOOL) override
    {
        return nRow == m_nVetoRow;
    }
    int m_nVetoRow = -1;
};

struct InputFixture : ::testing::Test
{
    COwnerWnd owner;
    CVetoList list;
    void Make(int nRows, DWORD dwStyle = LVS_REPORT, int cy = 200)
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 420)));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, 10, 310, 10 + cy), &owner, 77));
        list.AddColumn("Name", LVCFMT_LEFT, 150);
        list.AddColumn("Wert", LVCFMT_LEFT, 100);
        for (int i = 0; i < nRows; ++i)
        {
            CString s;
            s.Format("Zeile %d", i);
            list.InsertItem(i, s);
        }
        list.RecalcLayout();
        ActivateAndFocus(&owner, &list);
    }
    void Start(int nFocus, std::vector<int> sel)
    {
        list.DeselectAllItems(-1);
        list.SelectFocusItem(nFocus, FALSE);
        for (int n : sel)
            list.SelectItem(n, TRUE);
    }
    std::vector<int> Selection()
    {
        std::vector<int> sel;
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
            sel.push_back(i);
        return sel;
    }
    CPoint LabelPoint(int nRow)
    {
        CRect rc;
        EXPECT_TRUE(list.GetItemRect(nRow, &rc, LVIR_LABEL));
        return rc.CenterPoint();
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(InputFixture, SelectionEngineFollowsKeysAndClicks)
{
    Make(8);
    struct Step
    {
        const char* what;
        int startFocus;
        std::vector<int> startSel;
        std::function<void()> input;
        int focus, anchor;
        std::vector<int> sel;
    };
    const std::vector<Step> steps = {
        {"Shift+Down", 2, {2}, [] { Key(VK_DOWN, {VK_SHIFT}); }, 3, 2, {2, 3}},
        {"Shift+Down twice",
         2,
         {2},
         [] {
             Key(VK_DOWN, {VK_SHIFT});
             Key(VK_DOWN, {VK_SHIFT});
         },
         4,
         2,
         {2, 3, 4}},
        {"Ctrl+Up", 3, {3}, [] { Key(VK_UP, {VK_CONTROL}); }, 2, 3, {3}},
        {"Ctrl+Up, Ctrl+Space",
         3,
         {3},
         [] {
             Key(VK_UP, {VK_CONTROL});
             Key(VK_SPACE, {VK_CONTROL});
         },
         2,
         2,
         {2, 3}},
        {"Down", 3, {3}, [] { Key(VK_DOWN); }, 4, 4, {4}},
        {"Shift+click", 1, {1}, [this] { Click(&list, LabelPoint(4), {VK_SHIFT}); }, 4, 1, {1, 2, 3, 4}},
        {"Ctrl+click", 1, {1}, [this] { Click(&list, LabelPoint(3), {VK_CONTROL}); }, 3, 3, {1, 3}},
        {"Ctrl+click again", 3, {1, 3}, [this] { Click(&list, LabelPoint(3), {VK_CONTROL}); }, 3, 3, {1}},
        {"click in a selection", 3, {1, 2, 3}, [this] { Click(&list, LabelPoint(2)); }, 2, 2, {2}},
        {"click", 1, {1}, [this] { Click(&list, LabelPoint(5)); }, 5, 5, {5}},
    };
    for (const Step& s : steps)
    {
        Start(s.startFocus, s.startSel);
        s.input();
        EXPECT_EQ(s.focus, list.GetFocusIndex()) << s.what;
        EXPECT_EQ(s.anchor, list.GetAnchorIndex()) << s.what;
        EXPECT_EQ(s.sel, Selection()) << s.what;
    }
}

TEST_F(InputFixture, ToggleAndCollapseHappenAtButtonUp)
{
    Make(6);
    Start(1, {1});
    ButtonDown(&list, LabelPoint(3), false, {VK_CONTROL});
    EXPECT_EQ(std::vector<int>{1}, Selection()); // armed: nothing toggled yet
    ButtonUp(&list, LabelPoint(3), false, {VK_CONTROL});
    EXPECT_EQ((std::vector<int>{1, 3}), Selection());

    Start(4, {1, 2, 3, 4});
    ButtonDown(&list, LabelPoint(2));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Selection());
    ButtonUp(&list, LabelPoint(2));
    EXPECT_EQ(std::vector<int>{2}, Selection());
}

TEST_F(InputFixture, SingleSelectionIgnoresModifiersAndVetoesHold)
{
    Make(6);
    list.SetMultiSelect(FALSE);
    Start(1, {1});
    Click(&list, LabelPoint(4), {VK_SHIFT});
    EXPECT_EQ(std::vector<int>{4}, Selection());
    Key(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ(std::vector<int>{5}, Selection());
    list.m_nVetoRow = 4;
    Key(VK_UP);
    EXPECT_EQ(5, list.GetFocusIndex());
    EXPECT_EQ(std::vector<int>{5}, Selection());
    Click(&list, LabelPoint(4));
    EXPECT_EQ(5, list.GetFocusIndex());
    list.m_nVetoRow = -1;
    Click(&list, LabelPoint(2));
    EXPECT_EQ(std::vector<int>{2}, Selection());
}

TEST_F(InputFixture, HomeEndAndPagesWithoutScrollBar)
{
    Make(5);
    Start(2, {2});
    Key(VK_NEXT);
    EXPECT_EQ(4, list.GetFocusIndex()); // no bar: Page Down selects the last row
    Key(VK_PRIOR);
    EXPECT_EQ(0, list.GetFocusIndex());
    Key(VK_END);
    EXPECT_EQ(std::vector<int>{4}, Selection());
    Key(VK_HOME);
    EXPECT_EQ(std::vector<int>{0}, Selection());
}

TEST_F(InputFixture, PagesAndWheelWithScrollBar)
{
    Make(60);
    int nPage = list.GetCountPerPage();
    ASSERT_GT(nPage, 2);
    ASSERT_LT(nPage, 60);
    ASSERT_NE(nullptr, list.GetScrollBarCtrl(SB_VERT));
    EXPECT_TRUE(list.GetScrollBarCtrl(SB_VERT)->IsWindowVisible());
    Start(0, {0});
    Key(VK_NEXT);
    int nLast = list.GetLastVisibleIndex();
    EXPECT_EQ(nPage - 1, nLast);
    EXPECT_EQ(nLast, list.GetFocusIndex()); // first: the last fully visible row
    EXPECT_EQ(0, list.GetTopIndex());
    Key(VK_NEXT); // from there: a page further
    EXPECT_GT(list.GetTopIndex(), 0);
    EXPECT_EQ(list.GetLastVisibleIndex(), list.GetFocusIndex());
    Key(VK_END);
    EXPECT_EQ(59, list.GetFocusIndex());
    EXPECT_EQ(59, list.GetLastVisibleIndex());
    Key(VK_HOME);
    EXPECT_EQ(0, list.GetTopIndex());
    Wheel(&list, LabelPoint(1), -2 * WHEEL_DELTA);
    EXPECT_EQ(2, list.GetTopIndex());
    Wheel(&list, CPoint(50, 60), WHEEL_DELTA);
    EXPECT_EQ(1, list.GetTopIndex());
    Wheel(&list, CPoint(50, 60), 5 * WHEEL_DELTA);
    EXPECT_EQ(0, list.GetTopIndex()); // not past the top
}

TEST_F(InputFixture, DialogKeysGoToTheParent)
{
    Make(3);
    owner.Clear();
    Key(VK_RETURN);
    EXPECT_EQ(1, owner.Count(NM_RETURN));
    EXPECT_EQ(1, owner.Count(LVN_KEYDOWN));
    Key(VK_TAB);
    Key(VK_TAB, {VK_SHIFT});
    Key(VK_ESCAPE);
    PumpMessages(30);
    EXPECT_EQ((std::vector<UINT>{0xFFFF, 0xFFFE, IDCANCEL}), owner.commands);
    EXPECT_EQ((UINT)(DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS),
              (UINT)list.SendMessage(WM_GETDLGCODE));
}

// A row far below comes into view at once as the last fully shown row; one just below the page
// scrolls by one; a row above becomes the row under the top one.
TEST_F(InputFixture, EnsureVisibleJumpsToTheRowAndShowsItLast)
{
    Make(20000);
    int nPage = list.GetLastVisibleIndex() - list.GetTopIndex() + 1;
    ASSERT_GT(nPage, 3);
    const struct
    {
        int nRow;
        int nTop; // expected top row afterwards
    } cases[] = {
        {19999, 19999 - nPage + 1}, {10000, 9999}, {10000 + nPage - 1, 10000}, {10000 + nPage, 10001}};
    double dSlowest = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nRow);
        LARGE_INTEGER f, t0, t1;
        ::QueryPerformanceFrequency(&f);
        ::QueryPerformanceCounter(&t0);
        list.EnsureVisible(c.nRow);
        ::QueryPerformanceCounter(&t1);
        dSlowest = std::max(dSlowest, (double)(t1.QuadPart - t0.QuadPart) / (double)f.QuadPart);
        EXPECT_EQ(c.nTop, list.GetTopIndex());
        EXPECT_LE(list.GetTopIndex(), c.nRow);
        EXPECT_GE(list.GetLastVisibleIndex(), c.nRow);
    }
    // Measuring a page, not every row skipped: far below 20,000 rows' worth (seconds before).
    EXPECT_LT(dSlowest, 0.5);

    // Focusing a row far below the view repaints nothing there, and measures nothing up to it.
    list.SetTopIndex(0);
    LARGE_INTEGER f, t0, t1;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t0);
    list.SelectFocusItem(19999, TRUE);
    ::QueryPerformanceCounter(&t1);
    EXPECT_LT((double)(t1.QuadPart - t0.QuadPart) / (double)f.QuadPart, 0.1);
    EXPECT_EQ(19999, list.GetFocusIndex());
    EXPECT_EQ(0, list.GetTopIndex());
}

TEST_F(InputFixture, TypeAheadSearchesFirstColumnTexts)
{
    ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 420)));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 310, 210), &owner, 77));
    list.AddColumn("Name", LVCFMT_LEFT, 150);
    const char* rows[] = {"ba", "bb", "c", "\xD6l"};
    for (int i = 0; i < 4; ++i)
        list.InsertItem(i, rows[i]);
    ActivateAndFocus(&owner, &list);
    auto pause = [] { PumpMessages(700); };

    Start(0, {0});
    TypeChars("b");
    EXPECT_EQ(1, list.GetFocusIndex());
    TypeChars("b");
    EXPECT_EQ(1, list.GetFocusIndex());
    pause();
    TypeChars("c");
    EXPECT_EQ(2, list.GetFocusIndex());
    pause();

    Start(0, {0});
    TypeChars("bc"); // "b" moves on, "bc" fails
    EXPECT_EQ(1, list.GetFocusIndex());
    TypeChars("c"); // swallowed while the failed search lasts
    EXPECT_EQ(1, list.GetFocusIndex());
    pause();
    TypeChars("c");
    EXPECT_EQ(2, list.GetFocusIndex());
    pause();
    TypeChars("\xF6");
    EXPECT_EQ(3, list.GetFocusIndex());
}

TEST_F(InputFixture, DividerDragResizesAndEscapeRestores)
{
    Make(3);
    int cx0 = list.GetColumnWidth(0);
    CPoint ptDivider(list.GetColumnRight(0), 10);
    // Our resize cursor over the divider.
    MoveTo(&list, ptDivider);
    HCURSOR hResize = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(20692));
    ASSERT_NE(nullptr, hResize);
    EXPECT_EQ(hResize, ::GetCursor());

    CInputScript(&list)
        .Move(ptDivider)
        .Down()
        .Move(ptDivider + CPoint(20, 0))
        .Move(ptDivider + CPoint(40, 0))
        .Up()
        .Send();
    EXPECT_EQ(cx0 + 40, list.GetColumnWidth(0));

    ptDivider.x = list.GetColumnRight(0);
    CInputScript(&list)
        .Move(ptDivider)
        .Down()
        .Move(ptDivider + CPoint(-30, 0))
        .KeyPress(VK_ESCAPE)
        .Up()
        .Send();
    EXPECT_EQ(cx0 + 40, list.GetColumnWidth(0));

    CInputScript(&list)
        .Move(ptDivider)
        .Down()
        .Move(ptDivider + CPoint(25, 0))
        .Down(true)
        .Up(true)
        .Up()
        .Send();
    EXPECT_EQ(cx0 + 40, list.GetColumnWidth(0));

    // Never narrower than 10 pixels.
    CInputScript(&list).Move(ptDivider).Down().Move(CPoint(2, 10)).Up().Send();
    EXPECT_EQ(10, list.GetColumnWidth(0));
}

TEST_F(InputFixture, HeaderClickNotifiesUnlessNoSortOrDragged)
{
    Make(3);
    owner.Clear();
    Click(&list, CPoint(list.GetColumnLeft(1) + 20, 10));
    ASSERT_EQ(1, owner.Count(LVN_COLUMNCLICK));
    for (const Notice& n : owner.log)
        if (n.code == LVN_COLUMNCLICK)
        {
            EXPECT_EQ(-1, n.item);
            EXPECT_EQ(1, n.subItem);
        }
    list.ModifyListCtrlStyle(0, 0x8000);
    owner.Clear();
    Click(&list, CPoint(list.GetColumnLeft(1) + 20, 10));
    EXPECT_EQ(0, owner.Count(LVN_COLUMNCLICK));
}

TEST_F(InputFixture, HeaderDragReordersColumnsAndCellsFollow)
{
    Make(2);
    list.SetColumnWidth(0, 90);
    list.SetColumnWidth(1, 80);
    list.AddColumn("Dritte", LVCFMT_LEFT, 80);
    list.SetItemText(0, 1, "w0");
    list.SetItemText(0, 2, "d0");
    list.ModifyListCtrlStyleEx(0, 0x10);
    owner.Clear();
    auto drag = [&](int nCol, CPoint ptTo, std::function<void()> during = nullptr) {
        CPoint ptFrom(list.GetColumnLeft(nCol) + 10, 10);
        ButtonDown(&list, ptFrom);
        MoveTo(&list, ptFrom + CPoint(3, 0));
        MoveTo(&list, ptTo);
        if (during)
            during();
        ButtonUp(&list, ptTo);
    };
    // Onto itself and onto the next place: nothing moves.
    drag(1, CPoint(list.GetColumnLeft(1) + 5, 10));
    drag(1, CPoint(list.GetColumnRight(1) - 5, 10));
    EXPECT_EQ("Wert", std::string(list.GetColumnHeading(1)));
    EXPECT_EQ(0, owner.Count(LVN_COLUMNCLICK)); // a drag is no click
    // Column 1 dropped behind column 2; over the left half of column 2 the drag image and the
    // mark at its left edge show.
    COLORREF rgbMark = 0, rgbImage = 0;
    CPoint ptFrom(list.GetColumnLeft(1) + 10, 10);
    CPoint ptOver(list.GetColumnLeft(2) + 15, 10);
    ButtonDown(&list, ptFrom);
    MoveTo(&list, ptFrom + CPoint(3, 0));
    MoveTo(&list, ptOver);
    rgbMark = PixelAt(&list, list.GetColumnLeft(2), 5);
    rgbImage = PixelAt(&list, ptOver.x - 10 + 3, 3);
    MoveTo(&list, CPoint(list.GetColumnRight(2) - 5, 10));
    ButtonUp(&list, CPoint(list.GetColumnRight(2) - 5, 10));
    EXPECT_EQ((COLORREF)0xFF0000, rgbMark);
    // Wine draws the drag image blended: a grey darker than the header face shows where it is.
    EXPECT_EQ(GetRValue(rgbImage), GetGValue(rgbImage));
    EXPECT_EQ(GetRValue(rgbImage), GetBValue(rgbImage));
    EXPECT_LT(GetRValue(rgbImage), GetRValue(::GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ("Dritte", std::string(list.GetColumnHeading(1)));
    EXPECT_EQ("Wert", std::string(list.GetColumnHeading(2)));
    char buf[32];
    list.GetItemText(0, list.GetSubItemOfColumn(2), buf, sizeof(buf));
    EXPECT_STREQ("w0", buf); // the cell follows its heading
    list.GetItemText(0, list.GetSubItemOfColumn(1), buf, sizeof(buf));
    EXPECT_STREQ("d0", buf);
}
