// The check list box: checks kept beside the caller's item data, toggled by clicks on the box
// and the space bar in the order of its style, refused for disabled items, and drawn.
#include "DlgTestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
const UINT kListId = 77;

class CListParent : public CWnd
{
  public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == CLBN_CHKCHANGE)
            m_changes.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
    std::vector<UINT> m_changes;
};

struct CheckListWindow
{
    CheckListWindow()
    {
        parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Liste"),
                        WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300), NULL, 0);
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                    CRect(0, 0, 200, 150), &parent, kListId);
        for (const char* text : {"Eins", "Zwei", "Drei"})
            list.AddString(text);
    }
    ~CheckListWindow()
    {
        parent.DestroyWindow();
    }
    // A click at x in item nIndex.
    void Click(int nIndex, int x)
    {
        CRect item;
        list.GetItemRect(nIndex, &item);
        LPARAM at = MAKELPARAM(x, item.CenterPoint().y);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        list.SendMessage(WM_LBUTTONUP, 0, at);
    }
    CListParent parent;
    CCheckListBox list;
};

TEST(CheckListBox, NeedsStringsAndDrawsFixedLinesWithoutAnOwnerDrawStyle)
{
    CheckListWindow window;
    CCheckListBox plain;
    EXPECT_FALSE(plain.Create(WS_CHILD | LBS_OWNERDRAWFIXED, CRect(0, 0, 50, 50), &window.parent, 78));
    ASSERT_TRUE(plain.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 50, 50), &window.parent, 78));
    EXPECT_TRUE(plain.GetStyle() & LBS_OWNERDRAWFIXED);
    EXPECT_NE(nullptr, window.list.m_hWnd);
}

TEST(CheckListBox, ChecksStayBesideTheCallersItemData)
{
    CheckListWindow window;
    CCheckListBox& list = window.list;
    list.SetItemData(1, 0x1234);
    EXPECT_EQ(0x1234u, list.GetItemData(1));
    EXPECT_EQ(0u, list.GetItemData(0));
    EXPECT_EQ(0, list.GetCheck(1));
    list.SetCheck(1, 1);
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(0x1234u, list.GetItemData(1));
    list.SetCheck(0, 2); // no third state in a two-state style
    EXPECT_EQ(0, list.GetCheck(0));
    list.SetCheckStyle(BS_AUTO3STATE);
    list.SetCheck(0, 2);
    EXPECT_EQ(2, list.GetCheck(0));
    EXPECT_TRUE(list.IsEnabled(2));
    list.ResetContent(); // frees what the items held
    EXPECT_EQ(0, list.GetCount());
}

TEST(CheckListBox, ClicksAndSpaceToggleInTheOrderOfTheStyle)
{
    const struct
    {
        UINT nStyle;
        std::vector<int> after; // the check after each click on the box
    } rows[] = {
        {BS_AUTOCHECKBOX, {1, 0, 1}},
        {BS_AUTO3STATE, {1, 2, 0}},
        {BS_CHECKBOX, {0, 0}}, // the owner sets checks itself
    };
    for (const auto& row : rows)
    {
        CheckListWindow window;
        window.list.SetCheckStyle(row.nStyle);
        for (size_t i = 0; i < row.after.size(); ++i)
        {
            window.Click(2, 5);
            EXPECT_EQ(row.after[i], window.list.GetCheck(2)) << "style " << row.nStyle << " click " << i;
        }
        size_t nExpected = row.nStyle == BS_CHECKBOX ? 0 : row.after.size();
        EXPECT_EQ(nExpected, window.parent.m_changes.size());
        if (!window.parent.m_changes.empty())
        {
            EXPECT_EQ(kListId, window.parent.m_changes[0]);
        }
    }

    CheckListWindow window;
    window.Click(1, 100); // on the text: selects, no check
    EXPECT_EQ(1, window.list.GetCurSel());
    EXPECT_EQ(0, window.list.GetCheck(1));
    window.list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, window.list.GetCheck(1));
    window.list.Enable(0, FALSE);
    window.Click(0, 5);
    EXPECT_EQ(0, window.list.GetCheck(0));
}

TEST(CheckListBox, DrawsTheChecks)
{
    CheckListWindow window;
    window.list.SetCheck(1, 1);
    window.list.Invalidate();
    window.list.UpdateWindow();
    CRect item0, item1;
    window.list.GetItemRect(0, &item0);
    window.list.GetItemRect(1, &item1);
    HDC hDC = ::GetDC(window.list.m_hWnd);
    COLORREF unchecked = ::GetPixel(hDC, 7, item0.CenterPoint().y);
    COLORREF checked = ::GetPixel(hDC, 7, item1.CenterPoint().y);
    COLORREF border = ::GetPixel(hDC, 1, item0.CenterPoint().y);
    ::ReleaseDC(window.list.m_hWnd, hDC);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), unchecked);
    EXPECT_NE(unchecked, checked);
    EXPECT_NE(::GetSysColor(COLOR_WINDOW), border);
}
} // namespace
