// The tree as the serial-interface settings page uses it: made in place of a dialog item, two
// columns kept in the tree's own storage, check boxes as state images toggled by the owner.
// And a very long list scrolled by its thumb.
#include "uilib/treelist/TreeCtrl.h"
#include "HostedViews.h"
#include "TestSupport.h"
#include "TreeListTestApp.h"

using namespace testing_support;

namespace
{
struct PortPage : ::testing::Test
{
    COwnerWnd owner;
    CWnd edit, placeholder, button;
    SECTreeCtrl tree;
    CImageList states;
    std::vector<HTREEITEM> ports;

    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 480)));
        ASSERT_TRUE(edit.CreateEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER,
                                  CRect(10, 10, 200, 30), &owner, 1001));
        ASSERT_TRUE(placeholder.CreateEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                         CRect(10, 40, 330, 260), &owner, 1126));
        ASSERT_TRUE(button.CreateEx(0, _T("BUTTON"), _T("OK"), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                    CRect(10, 270, 100, 295), &owner, 1002));
        placeholder.Detach(); // the tree destroys the window it replaces
        ASSERT_TRUE(tree.CreateFromDlgItem(1126, &owner));
        tree.SetTreeStyle(0x50000038);
        tree.SetTreeStyleEx(0x2800000);
        tree.UseSubItemStorage(TRUE);
        CRect rc;
        tree.GetClientRect(&rc);
        tree.SetColumnHeading(0, "Port");
        tree.SetColumnWidth(0, rc.Width() * 40 / 100);
        tree.InsertColumn(1, "Beschreibung", LVCFMT_LEFT, rc.Width() * 60 / 100, 1);
        // State images: 0 unused, 1 box empty, 2 box ticked.
        states.Create(16, 16, ILC_COLOR24, 3, 0);
        HBITMAP h = ::CreateBitmap(48, 16, 1, 32, NULL);
        ImageList_Add(states.GetSafeHandle(), h, NULL);
        ::DeleteObject(h);
        tree.SetImageList(&states, LVSIL_STATE);
        const struct
        {
            const char* name;
            const char* description;
            bool used;
            int number;
        } rows[] = {{"COM1", "Kommunikationsanschluss", true, 1},
                    {"COM5", "QM240D", false, 5},
                    {"COM6", "Serial Port", true, 6}};
        for (const auto& r : rows)
        {
            TVINSERTSTRUCTA ins{};
            ins.hParent = TVI_ROOT;
            ins.hInsertAfter = TVI_LAST;
            ins.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
            ins.item.pszText = (LPSTR)r.name;
            ins.item.state = INDEXTOSTATEIMAGEMASK(r.used ? 2 : 1);
            ins.item.stateMask = TVIS_STATEIMAGEMASK;
            ins.item.lParam = r.number;
            HTREEITEM hItem = tree.InsertItem(&ins);
            ASSERT_TRUE(hItem != NULL);
            tree.SetItemColumnText(hItem, 1, r.description);
            ports.push_back(hItem);
        }
        // The owner ticks and clears the boxes.
        owner.hook = [this](NMHDR* pHdr) -> LRESULT {
            if (pHdr->code != NM_CLICK || pHdr->idFrom != 1126)
                return -999;
            DWORD dwPos = ::GetMessagePos();
            CPoint pt((short)LOWORD(dwPos), (short)HIWORD(dwPos));
            tree.ScreenToClient(&pt);
            UINT nFlags = 0;
            HTREEITEM hItem = tree.HitTest(pt, &nFlags);
            if (hItem != NULL && (nFlags & TVHT_ONITEMSTATEICON))
            {
                TVITEMA item{};
                item.hItem = hItem;
                item.mask = TVIF_HANDLE | TVIF_STATE;
                item.stateMask = TVIS_STATEIMAGEMASK;
                tree.GetItem(&item);
                item.state = INDEXTOSTATEIMAGEMASK((item.state >> 12) == 2 ? 1 : 2);
                tree.SetItem(&item);
            }
            return 0;
        };
        tree.RecalcLayout();
        ActivateAndFocus(&owner, &tree);
    }
    int Box(HTREEITEM h)
    {
        return (int)(tree.GetItemStateBits(h, TVIS_STATEIMAGEMASK) >> 12);
    }
};
} // namespace

TEST_F(PortPage, ReplacesThePlaceholderInPlace)
{
    EXPECT_EQ(1126, tree.GetDlgCtrlID());
    CRect rc;
    tree.GetWindowRect(&rc);
    owner.ScreenToClient(&rc);
    EXPECT_EQ(CRect(10, 40, 330, 260), rc);
    EXPECT_EQ(tree.m_hWnd, ::GetWindow(edit.m_hWnd, GW_HWNDNEXT)); // tab order kept
    EXPECT_EQ(button.m_hWnd, ::GetWindow(tree.m_hWnd, GW_HWNDNEXT));
    EXPECT_EQ(0x38u, tree.GetTreeStyle());
    EXPECT_EQ(0x2800000u, tree.GetTreeStyleEx());
    EXPECT_TRUE(tree.HasListCtrlStyle(0x200)); // labels can be edited
    EXPECT_TRUE(tree.HasListCtrlStyle(0x8));   // selection shown without focus
    EXPECT_TRUE(tree.IsItemTipsEnabled());
    CRect rcClient;
    tree.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Width() * 40 / 100, tree.GetColumnWidth(0));
    EXPECT_EQ(rcClient.Width() * 60 / 100, tree.GetColumnWidth(1));
    EXPECT_EQ("Port", std::string(tree.GetColumnHeading(0)));
    EXPECT_EQ("Beschreibung", std::string(tree.GetColumnHeading(1)));
}

TEST_F(PortPage, AClickOnTheBoxTogglesItAndOneOnTheLabelNot)
{
    SECListItem* pRow = tree.GetRow(1);
    int top = tree.GetItemsHeight(0, 0);
    CPoint ptBox(tree.GetColumnLeft(0) + pRow->m_rcStateIcon.CenterPoint().x,
                 top + pRow->m_rcStateIcon.CenterPoint().y);
    CPoint ptLabel(tree.GetColumnLeft(0) + pRow->m_rcLabel.left + 3, top + pRow->m_rcLabel.CenterPoint().y);
    EXPECT_EQ(1, Box(ports[1]));
    Click(&tree, ptBox);
    EXPECT_EQ(2, Box(ports[1]));
    PumpMessages(600);
    Click(&tree, ptBox);
    EXPECT_EQ(1, Box(ports[1]));
    PumpMessages(600);
    Click(&tree, ptLabel);
    EXPECT_EQ(1, Box(ports[1]));
    EXPECT_EQ(ports[1], tree.GetSelectedItem());
    EXPECT_EQ(2, Box(ports[0]));
}

TEST_F(PortPage, ReadBackAsThePageDoes)
{
    EXPECT_EQ(3u, tree.GetCount());
    std::string names;
    std::vector<DWORD_PTR> numbers;
    for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextItem(h, TVGN_NEXT))
    {
        names += std::string(tree.GetItemText(h, 0)) + "=" + std::string(tree.GetItemText(h, 1)) + ";";
        numbers.push_back(tree.GetItemData(h));
    }
    EXPECT_EQ("COM1=Kommunikationsanschluss;COM5=QM240D;COM6=Serial Port;", names);
    EXPECT_EQ((std::vector<DWORD_PTR>{1, 5, 6}), numbers);
    tree.SelectItem(ports[2]);
    EXPECT_EQ(ports[2], tree.GetSelectedItem());
    EXPECT_NE(0, tree.GetSelectedCount());
    // The second column survives collapsing and expanding (rows come and go, texts stay).
    HTREEITEM hChild = tree.InsertItem("Kind", ports[0]);
    tree.SetItemColumnText(hChild, 1, "Unterpunkt");
    tree.Expand(ports[0], TVE_EXPAND);
    tree.Expand(ports[0], TVE_COLLAPSE);
    EXPECT_EQ(-1, tree.RowOfItem(hChild));
    tree.Expand(ports[0], TVE_EXPAND);
    EXPECT_EQ("Unterpunkt", std::string(tree.GetItemText(hChild, 1)));
    EXPECT_EQ("Kommunikationsanschluss", std::string(tree.GetItemText(ports[0], 1)));
    char buf[64];
    tree.GetItemText(tree.RowOfItem(hChild), 1, buf, sizeof(buf)); // painting reads it the same way
    EXPECT_STREQ("Unterpunkt", buf);
    tree.DeleteAllItems();
    EXPECT_EQ(0u, tree.GetCount());
}

namespace
{
// Past row 32,767 the thumb's position no longer fits the message: it is read from the bar.
template <class TList> void DragThumbToTheBottom()
{
    COwnerWnd owner;
    TList list;
    ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 480)));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 310, 310), &owner, 77));
    list.AddColumn("Name", LVCFMT_LEFT, 150);
    for (int i = 0; i < 100000; ++i)
    {
        char buf[32];
        wsprintfA(buf, "Item %06d", i);
        list.InsertItem(i, buf);
    }
    list.RecalcLayout();
    list.UpdateWindow();
    ActivateAndFocus(&owner, &list);
    CScrollBar* pBar = list.GetScrollBarCtrl(SB_VERT);
    ASSERT_NE(nullptr, pBar);
    ASSERT_TRUE(pBar->IsWindowVisible());
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    list.ScreenToClient(&rcBar);
    int cyArrow = ::GetSystemMetrics(SM_CYVSCROLL);
    CPoint ptThumb(rcBar.CenterPoint().x, rcBar.top + cyArrow + 4);
    CInputScript(&list)
        .Move(ptThumb)
        .Down()
        .Move(ptThumb + CPoint(0, 40))
        .Move(CPoint(ptThumb.x, rcBar.bottom + 30))
        .Up()
        .Send(300);
    EXPECT_EQ(list.GetMaxTopIndex(), list.GetTopIndex());
    EXPECT_EQ(99999, list.GetLastVisibleIndex());
}
} // namespace

TEST(LongList, ThumbDraggedToTheBottomShowsTheLastPage)
{
    DragThumbToTheBottom<SECListCtrl>();
}

TEST(LongList, ThumbDraggedToTheBottomShowsTheLastPageOfTheView)
{
    DragThumbToTheBottom<CHostedListView>();
}
