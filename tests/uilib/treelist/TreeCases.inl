// The tree control: inserting, navigating, expanding and collapsing with their notifications,
// deleting, keys and clicks, the drop target, hit flags, and label editing of the tree.
// Compiled once per host: the including file defines TREE_HOST and TREELIST_CASES_NS, the namespace of its
// fixtures (and may rename them).
#include "TestSupport.h"
#include "TreeListTestApp.h"

using namespace testing_support;

namespace TREELIST_CASES_NS
{
struct TreeFixture : ::testing::Test
{
    COwnerWnd owner;
    TREE_HOST tree;
    HTREEITEM A = NULL, A1 = NULL, A2 = NULL, A2a = NULL, B = NULL, B1 = NULL, C = NULL, D = NULL;

    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 460)));
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                CRect(10, 10, 310, 310), &owner, 88));
    }
    HTREEITEM Add(const char* text, HTREEITEM hParent = TVI_ROOT, HTREEITEM hAfter = TVI_LAST,
                  bool bExpanded = false)
    {
        TVINSERTSTRUCTA ins{};
        ins.hParent = hParent;
        ins.hInsertAfter = hAfter;
        ins.item.mask = TVIF_TEXT | TVIF_STATE;
        ins.item.pszText = (LPSTR)text;
        ins.item.state = bExpanded ? TVIS_EXPANDED : 0;
        ins.item.stateMask = TVIS_EXPANDED;
        return tree.InsertItem(&ins);
    }
    // A (expanded: A1, A2 (expanded: A2a)), B (collapsed: B1), C (hidden), D
    void Fixture()
    {
        A = Add("A", TVI_ROOT, TVI_LAST, true);
        A1 = Add("A1", A);
        A2 = Add("A2", A, TVI_LAST, true);
        A2a = Add("A2a", A2);
        B = Add("B");
        B1 = Add("B1", B);
        C = Add("C");
        D = Add("D");
        tree.SetItemStateEx(C, 0x200, TRUE);
        tree.RecalcLayout();
        ActivateAndFocus(&owner, &tree);
    }
    std::string Rows()
    {
        std::string s;
        for (int i = 0; i < tree.GetItemCount(); ++i)
            s += std::string(tree.GetItemText(tree.ItemOfRow(i), 0)) + " ";
        return s;
    }
    std::string Children(HTREEITEM hParent)
    {
        std::string s;
        for (HTREEITEM h = tree.GetChildItem(hParent); h != NULL; h = tree.GetNextSiblingItem(h))
            s += std::string(tree.GetItemText(h, 0)) + " ";
        return s;
    }
    CPoint LabelPoint(HTREEITEM h)
    {
        CRect rc;
        EXPECT_TRUE(tree.GetItemRect(tree.RowOfItem(h), &rc, LVIR_LABEL));
        return rc.CenterPoint();
    }
    CPoint ButtonPoint(HTREEITEM h)
    {
        int nRow = tree.RowOfItem(h);
        CRect rc;
        int top = nRow > tree.GetTopIndex() ? tree.GetItemsHeight(tree.GetTopIndex(), nRow - 1) : 0;
        tree.GetButtonRect(rc, nRow, CPoint(tree.GetColumnLeft(0), top));
        return rc.CenterPoint();
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(TreeFixture, RowsAreTheShownNodes)
{
    Fixture();
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());
    EXPECT_EQ(8u, tree.GetCount());
}

TEST_F(TreeFixture, NextItemCodes)
{
    Fixture();
    tree.SelectItem(A2);
    tree.SelectDropTarget(D, FALSE);
    const struct
    {
        HTREEITEM* from;
        UINT code;
        HTREEITEM* expected; // NULL member: none
    } cases[] = {
        {&A2a, TVGN_ROOT, &A},
        {&B1, TVGN_ROOT, &B},
        {nullptr, TVGN_ROOT, &A},
        {&A1, TVGN_NEXT, &A2},
        {&A2, TVGN_NEXT, nullptr},
        {&A2, TVGN_PREVIOUS, &A1},
        {&A, TVGN_PARENT, nullptr},
        {&A2a, TVGN_PARENT, &A2},
        {&B, TVGN_CHILD, &B1},
        {nullptr, TVGN_CHILD, &A},
        {nullptr, TVGN_FIRSTVISIBLE, &A},
        {&A2a, TVGN_NEXTVISIBLE, &B},
        {&B, TVGN_NEXTVISIBLE, &D},
        {&B1, TVGN_NEXTVISIBLE, &D},
        {&A, TVGN_PREVIOUSVISIBLE, nullptr},
        {&D, TVGN_PREVIOUSVISIBLE, &B},
        {&B1, TVGN_PREVIOUSVISIBLE, &B},
        {nullptr, TVGN_DROPHILITE, &D},
        {nullptr, TVGN_CARET, &A2},
        {nullptr, 32, &A2},
        {&A, 33, &A2},
        {&B1, 34, &A2},
        {&A2, 33, nullptr},
    };
    for (const auto& c : cases)
    {
        HTREEITEM hFrom = c.from != nullptr ? *c.from : NULL;
        HTREEITEM hExpected = c.expected != nullptr ? *c.expected : NULL;
        EXPECT_EQ(hExpected, tree.GetNextItem(hFrom, c.code))
            << (hFrom ? std::string(tree.GetItemText(hFrom, 0)) : "root") << " code " << c.code;
    }
    EXPECT_TRUE(tree.GetNextItem(A, 99) == NULL);
}

TEST_F(TreeFixture, SortedInsertsAndBadInsertAfter)
{
    HTREEITEM P = Add("P");
    HTREEITEM Q = Add("Q");
    for (const char* t : {"b", "A", "a", "c"})
        Add(t, P, TVI_SORT);
    EXPECT_EQ("A a b c ", Children(P));
    for (const char* t : {"b", "A", "a", "c"})
        Add(t, Q, SEC_TVI_SORT_DESCENDING);
    EXPECT_EQ("c b A a ", Children(Q));
    UINT nCount = tree.GetCount();
    // A sibling from another parent, a deleted item and a made-up handle: no item.
    EXPECT_TRUE(Add("x", P, tree.GetChildItem(Q)) == NULL);
    HTREEITEM gone = Add("weg", P);
    tree.DeleteItem(gone);
    EXPECT_TRUE(Add("x", P, gone) == NULL);
    EXPECT_TRUE(Add("x", P, (HTREEITEM)&nCount) == NULL);
    EXPECT_TRUE(Add("x", gone) == NULL);
    EXPECT_EQ(nCount, tree.GetCount());
    // Foreign handles are missing items everywhere.
    EXPECT_EQ(CString(), tree.GetItemText(gone, 0));
    EXPECT_FALSE(tree.SetItemData(gone, 5));
    EXPECT_FALSE(tree.DeleteItem(gone));
    EXPECT_FALSE(tree.Expand(gone, TVE_EXPAND));
    EXPECT_TRUE(tree.GetNextItem(gone, TVGN_NEXT) == NULL);
    EXPECT_TRUE(tree.GetNextItem((HTREEITEM)&nCount, TVGN_CHILD) == NULL);
}

// Sorted insertion places an item before the first sibling ranked after it, as the siblings
// stand: also after the order was broken by other insertions, a changed text or a deletion.
TEST_F(TreeFixture, SortedInsertsFollowTheSiblingsAsTheyStand)
{
    struct Case
    {
        const char* what;
        std::function<void(TreeFixture&, HTREEITEM)> disturb;
        const char* before; // the children after the disturbance
        const char* after;  // and after inserting "d" sorted
    };
    auto child = [](TreeFixture& f, HTREEITEM P, const char* text) {
        for (HTREEITEM h = f.tree.GetChildItem(P); h != NULL; h = f.tree.GetNextSiblingItem(h))
            if (f.tree.GetItemText(h, 0) == text)
                return h;
        return (HTREEITEM)NULL;
    };
    const Case cases[] = {
        {"nothing", [](TreeFixture&, HTREEITEM) {}, "a c e g ", "a c d e g "},
        {"an item put first", [](TreeFixture& f, HTREEITEM P) { f.Add("z", P, TVI_FIRST); }, "z a c e g ",
         "d z a c e g "},
        {"an item put last", [](TreeFixture& f, HTREEITEM P) { f.Add("b", P, TVI_LAST); }, "a c e g b ",
         "a c d e g b "},
        {"a text changed",
         [&](TreeFixture& f, HTREEITEM P) {
             TVITEMA item{};
             item.mask = TVIF_TEXT;
             item.hItem = child(f, P, "c");
             item.pszText = (LPSTR) "x";
             f.tree.SetItem(&item);
         },
         "a x e g ", "a d x e g "},
        {"a deletion, then an item put last",
         [&](TreeFixture& f, HTREEITEM P) {
             f.tree.DeleteItem(child(f, P, "g"));
             f.Add("b", P, TVI_LAST);
         },
         "a c e b ", "a c d e b "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        HTREEITEM P = Add(c.what);
        for (const char* t : {"e", "a", "g", "c"})
            Add(t, P, TVI_SORT);
        c.disturb(*this, P);
        EXPECT_EQ(c.before, Children(P));
        Add("d", P, TVI_SORT);
        EXPECT_EQ(c.after, Children(P));
    }
    // Many shuffled items come out in order; an equal text goes after its equal.
    HTREEITEM R = Add("R");
    std::string expected;
    for (int i = 0; i < 300; ++i)
    {
        char text[8];
        sprintf(text, "%03d", (i * 7919) % 300);
        Add(text, R, TVI_SORT);
        sprintf(text, "%03d ", i);
        expected += text;
    }
    EXPECT_EQ(expected, Children(R));
    HTREEITEM h150 = child(*this, R, "150");
    HTREEITEM hNew = Add("150", R, TVI_SORT);
    EXPECT_TRUE(tree.GetNextSiblingItem(h150) == hNew);
}

TEST_F(TreeFixture, ExpandingAskesTheOwner)
{
    Fixture();
    owner.Clear();
    owner.answers[TVN_ITEMEXPANDINGA] = 1; // vetoed
    EXPECT_FALSE(tree.Expand(B, TVE_EXPAND));
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());
    EXPECT_EQ(0, owner.Count(TVN_ITEMEXPANDEDA));
    owner.answers.clear();

    // Children count without child nodes: a button, but nothing to expand unless the owner adds.
    TVITEMA item{};
    item.hItem = D;
    item.mask = TVIF_CHILDREN;
    item.cChildren = 1;
    tree.SetItem(&item);
    EXPECT_TRUE(tree.ItemHasChildren(D));
    owner.Clear();
    EXPECT_FALSE(tree.Expand(D, TVE_EXPAND));
    EXPECT_EQ(1, owner.Count(TVN_ITEMEXPANDINGA));
    EXPECT_EQ(0, owner.Count(TVN_ITEMEXPANDEDA));

    owner.hook = [&](NMHDR* pHdr) -> LRESULT {
        if (pHdr->code == TVN_ITEMEXPANDINGA && ((NMTREEVIEWA*)pHdr)->itemNew.hItem == D)
            Add("D1", D);
        return -999;
    };
    owner.Clear();
    EXPECT_TRUE(tree.Expand(D, TVE_EXPAND));
    EXPECT_EQ("A A1 A2 A2a B D D1 ", Rows());
    ASSERT_EQ(1, owner.Count(TVN_ITEMEXPANDEDA));
    EXPECT_EQ((UINT)TVIS_EXPANDED, owner.log.back().state);
    EXPECT_EQ((UINT)TVE_EXPAND, owner.log.back().action);
}

// The owner told of a selection made by the program finds the caret on the new item.
TEST_F(TreeFixture, TheOwnerToldOfASelectionReadsTheNewCaret)
{
    Fixture();
    tree.SelectItem(A1);
    std::vector<HTREEITEM> seen;
    owner.hook = [&](NMHDR* pHdr) -> LRESULT {
        if (pHdr->code == TVN_SELCHANGEDA)
            seen.push_back(tree.GetSelectedItem());
        return -999;
    };
    for (HTREEITEM h : {B, A2a, D})
    {
        seen.clear();
        EXPECT_TRUE(tree.SelectItem(h));
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(h, seen[0]) << tree.GetItemText(h, 0);
        EXPECT_EQ(h, tree.GetSelectedItem());
    }
    owner.hook = nullptr;
}

TEST_F(TreeFixture, CollapsingAboveTheCaretMovesIt)
{
    Fixture();
    tree.SelectItem(A2a);
    owner.Clear();
    Click(&tree, ButtonPoint(A)); // a click on the button collapses A
    EXPECT_EQ("A B D ", Rows());
    EXPECT_EQ(A, tree.GetSelectedItem());
    ASSERT_EQ(1, owner.Count(TVN_SELCHANGINGA));
    ASSERT_EQ(1, owner.Count(TVN_SELCHANGEDA));
    for (const Notice& n : owner.log)
        if (n.code == TVN_SELCHANGINGA || n.code == TVN_SELCHANGEDA)
        {
            EXPECT_EQ(A, n.hItem);
            EXPECT_EQ(A2a, n.hOldItem);
            EXPECT_EQ((UINT)TVC_BYMOUSE, n.action);
        }
    Click(&tree, ButtonPoint(A)); // expands again
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());
    tree.SelectItem(A1);
    tree.SetFocus();
    Key(VK_UP);
    EXPECT_EQ(A, tree.GetSelectedItem());
    tree.SelectItem(A2);
    owner.Clear();
    Key(VK_LEFT); // A2 expanded: collapses, the caret stays
    EXPECT_EQ("A A1 A2 B D ", Rows());
    EXPECT_EQ(A2, tree.GetSelectedItem());
    Key(VK_LEFT); // now to the parent
    EXPECT_EQ(A, tree.GetSelectedItem());
    bool bByKeys = false;
    for (const Notice& n : owner.log)
        bByKeys |= n.code == TVN_SELCHANGEDA && n.action == TVC_BYKEYBOARD;
    EXPECT_TRUE(bByKeys);
    EXPECT_EQ(2, owner.Count(TVN_KEYDOWN));
}

TEST_F(TreeFixture, KeysExpandCollapseAndMove)
{
    Fixture();
    HTREEITEM plus = Add("+plus");
    HTREEITEM minus = Add("-minus");
    (void)plus;
    (void)minus;
    tree.SelectItem(B);
    tree.SetFocus();
    Key(VK_RIGHT); // collapsed with children: expands
    EXPECT_EQ("A A1 A2 A2a B B1 D +plus -minus ", Rows());
    EXPECT_EQ(B, tree.GetSelectedItem());
    Key(VK_RIGHT); // expanded: to the first child
    EXPECT_EQ(B1, tree.GetSelectedItem());
    Key(VK_BACK); // to the parent
    EXPECT_EQ(B, tree.GetSelectedItem());
    Key(VK_SUBTRACT);
    EXPECT_EQ("A A1 A2 A2a B D +plus -minus ", Rows());
    Key(VK_ADD);
    EXPECT_EQ("A A1 A2 A2a B B1 D +plus -minus ", Rows());
    EXPECT_EQ(B, tree.GetSelectedItem()); // the '+' and '-' characters never searched
    tree.Expand(A, TVE_COLLAPSE);
    tree.Expand(A2, TVE_COLLAPSE);
    tree.SelectItem(A);
    Key(VK_MULTIPLY);
    EXPECT_EQ("A A1 A2 A2a B B1 D +plus -minus ", Rows());
    EXPECT_EQ(A, tree.GetSelectedItem());
}

TEST_F(TreeFixture, DeletingACollapsedSubtreeNotifiesLeavesFirst)
{
    Fixture();
    HTREEITEM B1x = Add("B1x", B1);
    HTREEITEM B2 = Add("B2", B);
    tree.SetItemData(B1x, 11);
    owner.Clear();
    EXPECT_TRUE(tree.DeleteItem(B));
    std::vector<HTREEITEM> order;
    for (const Notice& n : owner.log)
        if (n.code == TVN_DELETEITEMA)
            order.push_back(n.hOldItem);
    EXPECT_EQ((std::vector<HTREEITEM>{B1x, B1, B2, B}), order);
    EXPECT_EQ("A A1 A2 A2a D ", Rows());
    EXPECT_EQ(6u, tree.GetCount()); // the hidden C is an item too
    owner.Clear();
    tree.DeleteAllItems();
    EXPECT_EQ(6, owner.Count(TVN_DELETEITEMA));
    EXPECT_EQ(0u, tree.GetCount());
    EXPECT_EQ(0, tree.GetItemCount());
    EXPECT_TRUE(Add("neu") != NULL);
}

TEST_F(TreeFixture, ClicksOnButtonAndDoubleClicksToggle)
{
    Fixture();
    Click(&tree, ButtonPoint(B));
    EXPECT_EQ("A A1 A2 A2a B B1 D ", Rows());
    Click(&tree, ButtonPoint(B));
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());
    DoubleClick(&tree, LabelPoint(B));
    EXPECT_EQ("A A1 A2 A2a B B1 D ", Rows());
    owner.answers[NM_DBLCLK] = 1;
    PumpMessages(600);
    DoubleClick(&tree, LabelPoint(B));
    EXPECT_EQ("A A1 A2 A2a B B1 D ", Rows());
}

TEST_F(TreeFixture, SingleExpandCollapsesThePreviousItem)
{
    Fixture();
    tree.Expand(A, TVE_COLLAPSE);
    tree.ModifyTreeStyle(0, TVS_SINGLEEXPAND);
    tree.SelectItem(A);
    Click(&tree, LabelPoint(A)); // the caret stays: toggles
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());
    PumpMessages(600);
    Click(&tree, LabelPoint(B)); // moves on: A collapses, B expands
    EXPECT_EQ("A B B1 D ", Rows());
    EXPECT_EQ(B, tree.GetSelectedItem());
}

TEST_F(TreeFixture, DropTargetExpandsAfterASecondAndTypeAheadStillWorks)
{
    Fixture();
    tree.ModifyTreeStyleEx(0, 0x02000000);
    tree.SelectItem(A);
    tree.SelectDropTarget(B, FALSE);
    EXPECT_EQ(B, tree.GetNextItem((HTREEITEM)NULL, TVGN_DROPHILITE));
    PumpMessages(600);
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());
    EXPECT_TRUE(PumpUntil([&] { return Rows() == "A A1 A2 A2a B B1 D "; }, 1500));
    tree.SelectDropTarget(NULL);
    // The expand timer does not touch the type-ahead: searches end with a pause as always.
    tree.SetFocus();
    TypeChars("d");
    EXPECT_EQ(D, tree.GetSelectedItem());
    TypeChars("x"); // fails
    PumpMessages(700);
    TypeChars("b");
    EXPECT_EQ(B, tree.GetSelectedItem());
    PumpMessages(700);
    tree.SelectDropTarget(A2a, FALSE);
    TypeChars("a");
    EXPECT_EQ(A, tree.GetSelectedItem());
    PumpMessages(700);
    TypeChars("d");
    EXPECT_EQ(D, tree.GetSelectedItem());
}

TEST_F(TreeFixture, HitFlagsOfTheRowParts)
{
    Fixture();
    CImageList states;
    states.Create(16, 16, ILC_COLOR24, 3, 0);
    HBITMAP hBitmap = ::CreateBitmap(48, 16, 1, 32, NULL);
    ImageList_Add(states.GetSafeHandle(), hBitmap, NULL);
    ::DeleteObject(hBitmap);
    tree.SetImageList(&states, LVSIL_STATE);
    tree.SetItemState(A1, INDEXTOSTATEIMAGEMASK(1), TVIS_STATEIMAGEMASK);
    tree.Invalidate();
    tree.UpdateWindow();
    int nRow = tree.RowOfItem(A1);
    SECListItem* pRow = tree.GetRow(nRow);
    int top = tree.GetItemsHeight(0, nRow - 1);
    int x0 = tree.GetColumnLeft(0);
    CRect rcState = pRow->m_rcStateIcon;
    ASSERT_FALSE(rcState.IsRectEmpty());
    const struct
    {
        CPoint pt;
        UINT flags;
        bool item;
    } cases[] = {
        {CPoint(x0 + rcState.CenterPoint().x, top + rcState.CenterPoint().y), 0x4040, true},
        {CPoint(x0 + pRow->m_rcLabel.left + 2, top + pRow->m_rcLabel.CenterPoint().y), 0x4004, true},
        {CPoint(x0 + pRow->m_rcLabel.right + 20, top + 3), 0x4020, true},
        {CPoint(x0 + 2, top + 3), 0x4008, true},
        {ButtonPoint(A), 0x4010, true},
        {CPoint(20, 290), 0x0001, false},
        {CPoint(-5, 20), 0x0800, false},
        {CPoint(20, 400), 0x0200, false},
    };
    for (const auto& c : cases)
    {
        UINT nFlags = 0;
        HTREEITEM h = tree.HitTest(c.pt, &nFlags);
        EXPECT_EQ(c.flags, nFlags) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.item, h != NULL) << c.pt.x << "," << c.pt.y;
    }
    TVHITTESTINFO info{};
    info.pt = cases[0].pt;
    EXPECT_EQ(A1, tree.HitTest(&info));
    EXPECT_EQ((UINT)0x4040, info.flags);
    tree.SetImageList(NULL, LVSIL_STATE);
}

TEST_F(TreeFixture, SetItemWithStateImageMaskKeepsOtherBits)
{
    Fixture();
    tree.SetItemState(A1, TVIS_BOLD | TVIS_CUT, TVIS_BOLD | TVIS_CUT);
    tree.SetItemState(A1, 0xFFFFFFFF & ~0x0F00u, TVIS_STATEIMAGEMASK);
    EXPECT_EQ((UINT)(TVIS_BOLD | TVIS_CUT | 0xF000), tree.GetItemStateBits(A1, 0xFFFF & ~TVIS_SELECTED));
}

TEST_F(TreeFixture, LabelEditingSendsTheTreeCodesAndTheRegisteredMessage)
{
    Fixture();
    tree.ModifyTreeStyle(0, TVS_EDITLABELS);
    tree.SelectItem(A1);
    tree.SetFocus();
    owner.Clear();
    owner.answers[TVN_BEGINLABELEDITA] = 5; // any non-zero refuses
    Key(VK_F2);
    EXPECT_TRUE(tree.GetEditControl()->GetSafeHwnd() == NULL);
    EXPECT_EQ(1, owner.Count(TVN_BEGINLABELEDITA));
    owner.answers.clear();
    Key(VK_F2);
    ASSERT_NE(nullptr, tree.GetEditControl()->GetSafeHwnd());
    EXPECT_EQ(1, tree.GetEditControl()->GetDlgCtrlID());
    tree.GetEditControl()->SetWindowText("Neu");
    owner.answers[TVN_ENDLABELEDITA] = 1;
    Key(VK_RETURN);
    EXPECT_TRUE(tree.GetEditControl()->GetSafeHwnd() == NULL);
    EXPECT_EQ("Neu", std::string(tree.GetItemText(A1, 0)));
    ASSERT_EQ(1, owner.Count(TVN_ENDLABELEDITA));
    ASSERT_EQ(1u, owner.endEditMessages.size());
    EXPECT_EQ(88u, owner.endEditMessages[0].first);
    EXPECT_EQ((LPARAM)A1, owner.endEditMessages[0].second);
    EXPECT_EQ(0, owner.Count(LVN_ENDLABELEDITA));
    // Cancelled: text 0, label kept.
    owner.Clear();
    Key(VK_F2);
    tree.GetEditControl()->SetWindowText("Verworfen");
    Key(VK_ESCAPE);
    EXPECT_EQ("Neu", std::string(tree.GetItemText(A1, 0)));
    ASSERT_EQ(1, owner.Count(TVN_ENDLABELEDITA));
    for (const Notice& n : owner.log)
    {
        if (n.code == TVN_ENDLABELEDITA)
        {
            EXPECT_EQ("", n.text); // no text when cancelled
        }
    }
}

TEST_F(TreeFixture, CallbackLabelsAskTheOwner)
{
    owner.hook = [](NMHDR* pHdr) -> LRESULT {
        if (pHdr->code == TVN_GETDISPINFOA)
        {
            NMTVDISPINFOA* p = (NMTVDISPINFOA*)pHdr;
            if (p->item.mask & TVIF_TEXT)
                lstrcpynA(p->item.pszText, "vom Eigner", p->item.cchTextMax);
        }
        return -999;
    };
    TVINSERTSTRUCTA ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = LPSTR_TEXTCALLBACKA;
    HTREEITEM h = tree.InsertItem(&ins);
    EXPECT_EQ("vom Eigner", std::string(tree.GetItemText(h, 0)));
    TVITEMA item{};
    item.hItem = h;
    item.mask = TVIF_TEXT;
    item.pszText = (LPSTR) "fest";
    owner.Clear();
    tree.SetItem(&item);
    EXPECT_EQ(1, owner.Count(TVN_SETDISPINFOA));
    EXPECT_EQ("vom Eigner", std::string(tree.GetItemText(h, 0)));
}

// Columns inserted and deleted around the tree column move the stored texts with them; every
// node keeps its own expanded state and the caret stays.
TEST_F(TreeFixture, ColumnChangesKeepTextsExpandedStatesAndCaret)
{
    tree.UseSubItemStorage(TRUE);
    Fixture();
    tree.InsertColumn(1, "Wert", LVCFMT_LEFT, 60, 1);
    for (HTREEITEM h : {A, A1, B, B1, D})
        tree.SetItemColumnText(h, 1, (std::string(tree.GetItemText(h, 0)) + "-w").c_str());
    tree.Select(A2a, TVGN_CARET);
    std::string rows = Rows();
    tree.InsertColumn(0, "Neu", LVCFMT_LEFT, 40, 2); // column 0 stays the tree's
    EXPECT_EQ(rows, Rows());
    EXPECT_EQ(3, tree.GetColumnCount());
    EXPECT_EQ("", std::string(tree.GetItemText(B1, 1)));
    EXPECT_EQ("B1-w", std::string(tree.GetItemText(B1, 2)));
    EXPECT_EQ(A2a, tree.GetSelectedItem());
    EXPECT_TRUE(tree.DeleteColumn(1));
    EXPECT_EQ(rows, Rows());
    EXPECT_EQ("B1-w", std::string(tree.GetItemText(B1, 1)));
    EXPECT_EQ("D-w", std::string(tree.GetItemText(D, 1)));
    EXPECT_EQ(A2a, tree.GetSelectedItem());
    EXPECT_FALSE(tree.DeleteColumn(0)); // the tree column while another remains
}

TEST_F(TreeFixture, CountsRowsScrollingAndExpandStates)
{
    Fixture();
    // A: A1, A2: A2a; B: B1; C (hidden); D
    EXPECT_EQ(8u, tree.GetDescendantCount(NULL, TRUE, FALSE));
    EXPECT_EQ(4u, tree.GetDescendantCount(NULL, FALSE, FALSE));
    EXPECT_EQ(7u, tree.GetDescendantCount(NULL, TRUE, TRUE)); // B is collapsed
    EXPECT_EQ(3u, tree.GetDescendantCount(A, TRUE, FALSE));
    EXPECT_TRUE(tree.NodeHasRow(A2a));
    EXPECT_FALSE(tree.NodeHasRow(B1));
    EXPECT_FALSE(tree.NodeHasRow(C));
    EXPECT_FALSE(tree.InvalidateItemRow(B1, FALSE, TRUE, FALSE, FALSE));
    EXPECT_TRUE(tree.InvalidateItemRow(A1, FALSE, TRUE, FALSE, FALSE));

    std::vector<BYTE> states;
    tree.SaveExpandState(NULL, states);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 1, 0, 0, 0, 0, 0}), states); // A A1 A2 A2a B B1 C D
    tree.Expand(B, TVE_EXPAND);
    tree.Expand(A, TVE_COLLAPSE);
    tree.RestoreExpandState(NULL, states);
    EXPECT_EQ("A A1 A2 A2a B D ", Rows());

    // Scrolling to the top expands the way there and makes the item the caret.
    EXPECT_FALSE(tree.ScrollItemToTop(NULL));
    EXPECT_TRUE(tree.ScrollItemToTop(B1));
    EXPECT_TRUE(tree.NodeHasRow(B1));
    EXPECT_EQ(B1, tree.GetSelectedItem());
    EXPECT_EQ(std::min(tree.RowOfItem(B1), tree.GetMaxTopIndex()), tree.GetTopIndex());
    EXPECT_TRUE(tree.SyncRows());
}

// Paints of the tree window, counted as they are sent.
static HWND s_hPaintedWnd;
static int s_nPaints;
static LRESULT CALLBACK CountPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && p->hwnd == s_hPaintedWnd && p->message == WM_PAINT)
        ++s_nPaints;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

TEST_F(TreeFixture, AnimatedExpandPaintsTheFirstRowsAndCollapseUpdatesFiveTimes)
{
    HTREEITEM P = Add("P");
    for (int i = 0; i < 20; ++i)
        Add(("K" + std::to_string(i)).c_str(), P);
    Add("Q");
    tree.SetTreeStyleEx(tree.GetTreeStyleEx() | TreeStyle::EX_ANIMATE);
    tree.UpdateWindow();
    s_hPaintedWnd = tree.m_hWnd;
    HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, CountPaints, NULL, ::GetCurrentThreadId());
    ASSERT_TRUE(hHook != NULL);
    struct Case
    {
        UINT nCode;
        int nPaints; // sent while expanding or collapsing
        const char* first;
    };
    // Expanding paints its first five rows at once; collapsing 20 rows updates after the 1st,
    // 5th, 9th, 13th and 17th deletion and once at the end.
    for (const Case& c : {Case{TVE_EXPAND, 5, "P K0 K1 "}, Case{TVE_COLLAPSE, 6, "P Q "}})
    {
        s_nPaints = 0;
        tree.Expand(P, c.nCode, FALSE, FALSE);
        EXPECT_EQ(c.nPaints, s_nPaints) << c.first;
        EXPECT_EQ(c.first, Rows().substr(0, strlen(c.first)));
    }
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(2, tree.GetItemCount());
}
