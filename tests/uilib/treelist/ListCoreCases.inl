// The list's data model: rows, sub-items, columns, selection bookkeeping, bad indices, texts.
// Compiled once per host: the including file defines LIST_HOST and TREELIST_CASES_NS, the namespace of its
// fixtures (and may rename them).
#include "TestSupport.h"
#include "TreeListTestApp.h"
#include <climits>

using namespace testing_support;

namespace TREELIST_CASES_NS
{
struct ListFixture : ::testing::Test
{
    COwnerWnd owner;
    LIST_HOST list;
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 500, 400)));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &owner, 77));
        list.AddColumn("Name", LVCFMT_LEFT, 120);
        list.AddColumn("Wert", LVCFMT_LEFT, 100);
    }
    void Fill(int n)
    {
        for (int i = 0; i < n; ++i)
        {
            CString s;
            s.Format("Zeile %d", i);
            list.InsertItem(i, s);
        }
    }
    std::string Text(int nRow, int nSub = 0)
    {
        char buf[256];
        list.GetItemText(nRow, nSub, buf, sizeof(buf));
        return buf;
    }
    std::vector<int> Selection()
    {
        std::vector<int> sel;
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
            sel.push_back(i);
        return sel;
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(ListFixture, InsertingMovesFocusSelectionAndDropHighlightAlong)
{
    list.InsertItem(0, "a");
    EXPECT_EQ(0, list.GetFocusIndex()); // the first row becomes focused and selected
    EXPECT_EQ(std::vector<int>{0}, Selection());
    list.SetDropHilightItem(0);
    list.InsertItem(0, "b");
    EXPECT_EQ(1, list.GetFocusIndex());
    EXPECT_EQ(std::vector<int>{1}, Selection());
    EXPECT_EQ(1, list.GetDropHilightItem());
    EXPECT_EQ("b", Text(0));
    EXPECT_EQ("a", Text(1));
    // Beyond the count appends; below 0 inserts nothing.
    EXPECT_EQ(2, list.InsertItem(50, "c"));
    EXPECT_EQ(-1, list.InsertItem(-1, "d"));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_EQ("c", Text(2));
}

TEST_F(ListFixture, DeletingRowsMovesFocusAsStated)
{
    const struct
    {
        int rows, focus, del, count;
        int focusAfter, countAfter;
    } cases[] = {
        {4, 0, 0, 1, 0, 3},   // the next row takes the focus
        {4, 3, 3, 1, 2, 3},   // the new last row
        {1, 0, 0, 1, -1, 0},  // nothing left
        {5, 4, 1, 2, 2, 3},   // beyond the range: moves up by the count
        {5, 2, 1, 2, 0, 3},   // inside the range: the row before it
        {5, 2, 1, 100, 0, 1}, // count bounded by the rows left
    };
    for (const auto& c : cases)
    {
        list.DeleteAllItems();
        Fill(c.rows);
        list.DeselectAllItems(-1);
        list.SelectFocusItem(c.focus, TRUE);
        owner.Clear();
        EXPECT_TRUE(list.DeleteItem(c.del, c.count));
        EXPECT_EQ(c.focusAfter, list.GetFocusIndex()) << c.rows << "/" << c.del << "/" << c.count;
        EXPECT_EQ(c.countAfter, list.GetItemCount());
        EXPECT_EQ(1, owner.Count(LVN_DELETEITEM));
        if (c.focusAfter >= 0) // the emptied selection falls back to the focus row
        {
            EXPECT_EQ(std::vector<int>{c.focusAfter}, Selection());
        }
    }
}

TEST_F(ListFixture, DeleteItemWithHugeCountEmptiesWithOneNotification)
{
    Fill(6);
    owner.Clear();
    EXPECT_TRUE(list.DeleteItem(0, INT_MAX));
    EXPECT_EQ(0, list.GetItemCount());
    ASSERT_EQ(1u, owner.log.size());
    EXPECT_EQ(LVN_DELETEITEM, owner.log[0].code);
    EXPECT_EQ(0, owner.log[0].item);
    EXPECT_EQ(-1, list.GetFocusIndex());
    Fill(2);
    owner.Clear();
    EXPECT_FALSE(list.DeleteItem(0, 0));
    EXPECT_FALSE(list.DeleteItem(0, -3));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_TRUE(owner.log.empty());
}

TEST_F(ListFixture, BadIndicesChangeAndNotifyNothing)
{
    Fill(3);
    list.SetItemData(1, 0x1234);
    owner.Clear();
    for (int bad : {-1, 3, INT_MAX})
    {
        char buf[16] = "unberuehrt";
        EXPECT_FALSE(list.SetItemText(bad, 0, "x")) << bad;
        EXPECT_EQ(0, list.GetItemText(bad, 0, buf, sizeof(buf))) << bad;
        EXPECT_STREQ("", buf);
        EXPECT_FALSE(list.SetItemData(bad, 5)) << bad;
        EXPECT_EQ(0, list.GetItemData(bad)) << bad;
        EXPECT_FALSE(list.SetItemState(bad, LVIS_SELECTED, LVIS_SELECTED)) << bad;
        EXPECT_EQ(0u, list.GetItemState(bad, 0xFFFF)) << bad;
        EXPECT_FALSE(list.DeleteItem(bad, 1)) << bad;
        EXPECT_FALSE(list.SelectItem(bad, TRUE)) << bad;
        CRect rc;
        EXPECT_FALSE(list.GetItemRect(bad, &rc, LVIR_BOUNDS)) << bad;
        EXPECT_EQ(0, list.GetColumnWidth(bad == 3 ? 2 : bad)) << bad;
        EXPECT_EQ(CString(), list.GetColumnHeading(bad));
        EXPECT_FALSE(list.DeleteColumn(bad == 3 ? 2 : bad)) << bad;
        EXPECT_FALSE(list.MoveColumn(bad, 1)) << bad;
        EXPECT_EQ(nullptr, list.GetColumnAt(bad));
        EXPECT_EQ(nullptr, list.EditLabel(bad, 0) == NULL ? nullptr : list.GetEditControl()->GetSafeHwnd());
    }
    EXPECT_EQ(-1, list.GetNextItem(2, 0));
    EXPECT_EQ(-1, list.GetNextItem(0, LVNI_ABOVE));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_EQ(0x1234, list.GetItemData(1));
    EXPECT_EQ(std::vector<int>{0}, Selection());
    EXPECT_TRUE(owner.log.empty());
}

TEST_F(ListFixture, LongLabelsAreCutToTheBufferAndTerminated)
{
    std::string label(5000, 'x');
    label[2046] = 'E';
    list.InsertItem(0, label.c_str());
    for (int size : {2048, 10, 1})
    {
        std::vector<char> buf(size + 4, '#');
        int n = list.GetItemText(0, 0, buf.data(), size);
        EXPECT_EQ(size - 1, n);
        EXPECT_EQ('\0', buf[size - 1]);
        EXPECT_EQ('#', buf[size]); // nothing written past the buffer
        EXPECT_EQ(std::string(buf.data()), label.substr(0, size - 1));
    }
}

TEST_F(ListFixture, InsertItemBeforePutsTheRowDirectlyBefore)
{
    Fill(5);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = (LPSTR) "neu";
    SECListItem* pRow3 = list.GetRow(3);
    EXPECT_EQ(3, list.InsertItemBefore(pRow3, &item));
    EXPECT_EQ("neu", Text(3));
    EXPECT_EQ(pRow3, list.GetRow(4));
    item.pszText = (LPSTR) "vorne";
    EXPECT_EQ(0, list.InsertItemBefore(list.GetRow(0), &item));
    EXPECT_EQ("vorne", Text(0));
    item.pszText = (LPSTR) "danach";
    EXPECT_EQ(2, list.InsertItemAfter(list.GetRow(1), &item));
    EXPECT_EQ("danach", Text(2));
}

TEST_F(ListFixture, ColumnsKeepTheirCellsAndSubItems)
{
    Fill(2);
    list.SetItemText(0, 1, "w0");
    list.SetItemText(1, 1, "w1");
    // Column 0 always: left and sub-item 0; width -1 becomes 10.
    EXPECT_TRUE(list.InsertColumn(0, "Erste", LVCFMT_RIGHT, -1, 5));
    EXPECT_EQ(LVCFMT_LEFT, list.GetColumnFormat(0));
    EXPECT_EQ(0, list.GetSubItemOfColumn(0));
    EXPECT_EQ(10, list.GetColumnWidth(0));
    EXPECT_EQ(3, list.GetColumnCount());
    EXPECT_FALSE(list.DeleteColumn(0)); // refused while other columns exist
    int nCol = -1, nSub = -1;
    EXPECT_TRUE(list.FindColumn("Wert", nCol, nSub));
    EXPECT_EQ(2, nCol);
    EXPECT_EQ("w0", Text(0, nSub));
    EXPECT_TRUE(list.FindColumn("Name", nCol, nSub));
    EXPECT_EQ(1, nCol);
    EXPECT_EQ("Zeile 1", Text(1, nSub)); // the first column's texts stay under their heading
    list.InsertItem(2, "z");
    EXPECT_EQ("", Text(2, nSub)); // untouched sub-items ask the owner, who gives nothing
    EXPECT_TRUE(owner.Count(LVN_GETDISPINFOA) > 0);
    EXPECT_TRUE(list.DeleteColumn("Wert"));
    EXPECT_FALSE(list.ColumnExists("Wert"));
}

TEST_F(ListFixture, SingleColumnDeletedTakesAllRows)
{
    list.DeleteAllColumns();
    list.AddColumn("Einzig", LVCFMT_LEFT, 100);
    Fill(3);
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(0, list.GetColumnCount());
}

TEST_F(ListFixture, SelectionQueriesAndModes)
{
    Fill(8);
    list.SelectRange(2, 6, TRUE);
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 5, 6}), Selection());
    EXPECT_EQ(0, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(6, list.GetNextItem(7, LVNI_SELECTED | LVNI_ABOVE));
    EXPECT_EQ(-1, list.GetNextItem(0, 0x100));
    EXPECT_EQ(1, list.GetNextItem(0, 0));
    list.SetMultiSelect(FALSE); // more than one selected: none remains
    EXPECT_TRUE(Selection().empty());
    list.SelectItem(3, TRUE);
    list.SelectItem(5, TRUE);
    EXPECT_EQ(std::vector<int>{5}, Selection());
    // Deleting the selected rows leaves the focus row selected.
    list.SetMultiSelect(TRUE);
    list.SelectFocusItem(1, FALSE);
    EXPECT_TRUE(list.DeleteItem(5, 1));
    EXPECT_EQ(std::vector<int>{1}, Selection());
}

TEST_F(ListFixture, CallbackTextsAskTheOwner)
{
    owner.hook = [](NMHDR* pHdr) -> LRESULT {
        if (pHdr->code != LVN_GETDISPINFOA)
            return -999;
        NMLVDISPINFOA* p = (NMLVDISPINFOA*)pHdr;
        if (p->item.mask & LVIF_TEXT)
        {
            char buf[32];
            wsprintfA(buf, "Eigner %d/%d", p->item.iItem, p->item.iSubItem);
            lstrcpynA(p->item.pszText, buf, p->item.cchTextMax);
        }
        return 0;
    };
    list.InsertItem(0, LPSTR_TEXTCALLBACKA);
    EXPECT_TRUE(list.IsCallbackItem(0));
    char buf[64];
    EXPECT_EQ((int)strlen("Eigner 0/0"), list.GetItemText(0, 0, buf, sizeof(buf)));
    EXPECT_STREQ("Eigner 0/0", buf);
    // A new text for a callback text without 0x1000 stays a callback.
    list.SetItemText(0, 0, "fest");
    EXPECT_STREQ("Eigner 0/0", (list.GetItemText(0, 0, buf, sizeof(buf)), buf));
    // An untouched sub-item asks the owner until a text is set on it.
    EXPECT_STREQ("Eigner 0/1", (list.GetItemText(0, 1, buf, sizeof(buf)), buf));
    list.SetItemText(0, 1, "zwei");
    EXPECT_STREQ("zwei", (list.GetItemText(0, 1, buf, sizeof(buf)), buf));
    list.SetItemText(0, 1, LPSTR_TEXTCALLBACKA); // made a callback on purpose: stays one
    list.SetItemText(0, 1, "drei");
    EXPECT_STREQ("Eigner 0/1", (list.GetItemText(0, 1, buf, sizeof(buf)), buf));
}
