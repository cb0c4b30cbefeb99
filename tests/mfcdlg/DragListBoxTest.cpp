// The drag list box: a drag with the mouse, started on one item and released over another,
// moves the item there through the notifications its parent reflects to it.
#include "DlgTestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
class CCountingDragList : public CDragListBox
{
  public:
    BOOL BeginDrag(CPoint pt) override
    {
        ++m_nBegin;
        return CDragListBox::BeginDrag(pt);
    }
    UINT Dragging(CPoint pt) override
    {
        ++m_nDragging;
        return CDragListBox::Dragging(pt);
    }
    void Dropped(int nSrcIndex, CPoint pt) override
    {
        ++m_nDropped;
        CDragListBox::Dropped(nSrcIndex, pt);
    }
    int m_nBegin = 0, m_nDragging = 0, m_nDropped = 0;
};

std::string Items(CListBox& list)
{
    std::string s;
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString text;
        list.GetText(i, text);
        s += std::string(text) + (i + 1 < list.GetCount() ? "," : "");
    }
    return s;
}

TEST(DragListBox, DraggingAnItemMovesItBeforeTheOneDroppedOn)
{
    const struct
    {
        int nFrom, nTo;
        const char* result;
    } rows[] = {
        {0, 3, "B,C,A,D"}, {3, 1, "A,D,B,C"}, {1, 2, "A,B,C,D"}, // before its own follower: stays
    };
    for (const auto& row : rows)
    {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Ziehen"),
                                    WS_POPUP | WS_VISIBLE, CRect(200, 200, 400, 400), NULL, 0));
        CCountingDragList list;
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_BORDER, CRect(0, 0, 150, 150), &parent, 90));
        for (const char* text : {"A", "B", "C", "D"})
            list.AddString(text);
        list.SetItemData(row.nFrom, 100 + row.nFrom);
        PumpMessages(20);

        auto itemPoint = [&](int nIndex, CPoint* pScreen) {
            CRect item;
            list.GetItemRect(nIndex, &item);
            CPoint client(item.left + 20, item.top + 2);
            *pScreen = client;
            list.ClientToScreen(pScreen);
            return MAKELPARAM(client.x, client.y);
        };
        CPoint from, to;
        LPARAM lFrom = itemPoint(row.nFrom, &from);
        LPARAM lTo = itemPoint(row.nTo, &to);
        ::SetCursorPos(from.x, from.y);
        // The press waits in the system's drag detection for a move in the queue: one is posted,
        // so the drag starts whether or not the cursor's own move reaches this window in time.
        list.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, lTo);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lFrom);
        ::SetCursorPos(to.x, to.y);
        list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, lTo);
        list.SendMessage(WM_LBUTTONUP, 0, lTo);
        PumpMessages(20);

        EXPECT_EQ(1, list.m_nBegin) << row.nFrom << "->" << row.nTo;
        EXPECT_GE(list.m_nDragging, 1);
        EXPECT_EQ(1, list.m_nDropped);
        EXPECT_EQ(row.result, Items(list)) << row.nFrom << "->" << row.nTo;
        CString moved;
        list.GetText(list.GetCurSel(), moved);
        EXPECT_EQ(std::string(1, (char)('A' + row.nFrom)), std::string(moved));
        EXPECT_EQ((DWORD_PTR)(100 + row.nFrom), list.GetItemData(list.GetCurSel())); // data moves along
        parent.DestroyWindow();
    }
}
} // namespace
