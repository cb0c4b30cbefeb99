// In-place label editing and item tips of the list, with real input.
// Compiled once per host: the including file defines LIST_HOST and TREELIST_CASES_NS, the namespace of its
// fixtures (and may rename them).
#include "TestSupport.h"
#include "TreeListTestApp.h"

using namespace testing_support;

namespace TREELIST_CASES_NS
{
struct EditFixture : ::testing::Test
{
    COwnerWnd owner;
    LIST_HOST list;
    void Make(DWORD dwStyle, int nColumns = 1)
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 420)));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS | dwStyle,
                                CRect(10, 10, 310, 210), &owner, 77));
        list.AddColumn("Name", LVCFMT_LEFT, nColumns == 1 ? 280 : 120);
        if (nColumns > 1)
            list.AddColumn("Wert", LVCFMT_LEFT, 100);
        for (const char* t : {"Alpha", "Beta", "Gamma"})
            list.InsertItem(list.GetItemCount(), t);
        list.RecalcLayout();
        ActivateAndFocus(&owner, &list);
    }
    std::string Text(int nRow)
    {
        char buf[256];
        list.GetItemText(nRow, 0, buf, sizeof(buf));
        return buf;
    }
    CPoint LabelPoint(int nRow)
    {
        CRect rc;
        EXPECT_TRUE(list.GetItemRect(nRow, &rc, LVIR_LABEL));
        return CPoint(rc.left + 3, rc.CenterPoint().y);
    }
    HWND Edit()
    {
        return list.GetEditControl()->GetSafeHwnd();
    }
    void StartByF2(int nRow)
    {
        list.DeselectAllItems(-1);
        list.SelectFocusItem(nRow, TRUE);
        Key(VK_F2);
        ASSERT_NE(nullptr, Edit());
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(EditFixture, SecondClickOnASelectedLabelEditsHalfASecondLater)
{
    Make(LVS_NOLABELWRAP);
    Click(&list, LabelPoint(1)); // selects
    PumpMessages(600);
    EXPECT_EQ(nullptr, Edit());
    Click(&list, LabelPoint(1)); // second click: the delay starts
    PumpMessages(200);
    EXPECT_EQ(nullptr, Edit());
    ASSERT_TRUE(PumpUntil([&] { return Edit() != NULL; }, 800));
    EXPECT_EQ(1, ::GetDlgCtrlID(Edit()));
    EXPECT_EQ(Edit(), ::GetFocus());
    // Where the edit stands: the label grown by 4 left, 1 up and down, 10 right.
    CRect rcLabel, rcEdit;
    list.GetItemRect(1, &rcLabel, LVIR_LABEL);
    ::GetWindowRect(Edit(), &rcEdit);
    list.ScreenToClient(&rcEdit);
    EXPECT_EQ(CRect(rcLabel.left - 4, rcLabel.top - 1, rcLabel.right + 10, rcLabel.bottom + 1), rcEdit);
    Key(VK_ESCAPE);
    EXPECT_EQ(nullptr, Edit());

    // A double click in between stops the delay.
    PumpMessages(600);
    Click(&list, LabelPoint(2));
    PumpMessages(600);
    DoubleClick(&list, LabelPoint(2));
    PumpMessages(800);
    EXPECT_EQ(nullptr, Edit());
}

TEST_F(EditFixture, TypingShowsAtOnceAndReturnOrEscapeEnd)
{
    Make(LVS_NOLABELWRAP);
    owner.answers[LVN_ENDLABELEDITA] = 1;
    StartByF2(0);
    CRect rcBefore;
    ::GetWindowRect(Edit(), &rcBefore);
    TypeChars("Ein recht langer neuer Name fuer die Zeile");
    EXPECT_EQ("Ein recht langer neuer Name fuer die Zeile", Text(0)); // in the row at once
    CRect rcAfter, rcInside;
    ::GetWindowRect(Edit(), &rcAfter);
    list.GetInsideRect(&rcInside);
    list.ClientToScreen(&rcInside);
    EXPECT_GT(rcAfter.Width(), rcBefore.Width());
    EXPECT_LE(rcAfter.right, rcInside.right);
    TypeChars(" und noch viel mehr Text, der nicht mehr passt, auf keinen Fall");
    ::GetWindowRect(Edit(), &rcAfter);
    EXPECT_EQ(rcInside.right, rcAfter.right); // up to the rows' area, no further
    Key(VK_RETURN);
    EXPECT_EQ(nullptr, Edit());
    EXPECT_EQ(0u, Text(0).find("Ein recht langer"));
    ASSERT_EQ(1, owner.Count(LVN_ENDLABELEDITA));

    StartByF2(1);
    TypeChars("Verworfen");
    EXPECT_EQ("Verworfen", Text(1));
    Key(VK_ESCAPE);
    EXPECT_EQ(nullptr, Edit());
    EXPECT_EQ("Beta", Text(1)); // restored
}

// Rows inserted or removed above keep the edit on its own row, for the text typed and the
// restore; removing the edited row ends the edit cancelled first.
TEST_F(EditFixture, TheEditKeepsItsRowWhenRowsComeAndGo)
{
    Make(LVS_NOLABELWRAP);
    StartByF2(1);
    list.InsertItem(0, "Neu");
    TypeChars("Delta");
    EXPECT_EQ("Neu Alpha Delta Gamma", Text(0) + " " + Text(1) + " " + Text(2) + " " + Text(3));
    Key(VK_ESCAPE);
    EXPECT_EQ(nullptr, Edit());
    EXPECT_EQ("Neu Alpha Beta Gamma", Text(0) + " " + Text(1) + " " + Text(2) + " " + Text(3));

    owner.answers[LVN_ENDLABELEDITA] = 1;
    StartByF2(3);
    list.DeleteItem(0, 2);
    TypeChars("Omega");
    Key(VK_RETURN);
    EXPECT_EQ("Beta Omega", Text(0) + " " + Text(1));

    owner.Clear();
    StartByF2(1);
    TypeChars("Weg");
    list.DeleteItem(1, 1);
    EXPECT_EQ(nullptr, Edit());
    ASSERT_EQ(1, owner.Count(LVN_ENDLABELEDITA));
    EXPECT_EQ(1, list.GetItemCount());
    EXPECT_EQ("Beta", Text(0));
}

TEST_F(EditFixture, ReturnAddsALineWhenLabelsWrap)
{
    Make(0);
    StartByF2(0);
    TypeChars("eins");
    Key(VK_RETURN);
    ASSERT_NE(nullptr, Edit());
    TypeChars("zwei");
    EXPECT_EQ(2, (int)::SendMessage(Edit(), EM_GETLINECOUNT, 0, 0));
    owner.answers[LVN_ENDLABELEDITA] = 1;
    Click(&list, LabelPoint(2)); // a click elsewhere accepts
    EXPECT_EQ(nullptr, Edit());
    EXPECT_EQ("eins\r\nzwei", Text(0));
}

TEST_F(EditFixture, OwnerAnswersDecide)
{
    Make(LVS_NOLABELWRAP);
    const struct
    {
        LRESULT beginAnswer;
        bool opens;
    } begins[] = {{1, false}, {2, true}, {0, true}};
    for (const auto& b : begins)
    {
        owner.answers[LVN_BEGINLABELEDITA] = b.beginAnswer;
        list.SelectFocusItem(0, TRUE);
        Key(VK_F2);
        EXPECT_EQ(b.opens, Edit() != NULL) << b.beginAnswer;
        if (Edit() != NULL)
            Key(VK_ESCAPE);
    }
    owner.answers.clear();
    // 0: the typed text is discarded.
    StartByF2(0);
    TypeChars("Nein");
    Key(VK_RETURN);
    EXPECT_EQ("Alpha", Text(0));
    // Non-zero with a changed buffer: the owner's text is stored.
    owner.hook = [](NMHDR* pHdr) -> LRESULT {
        if (pHdr->code != LVN_ENDLABELEDITA)
            return -999;
        NMLVDISPINFOA* p = (NMLVDISPINFOA*)pHdr;
        if (p->item.pszText == NULL)
            return 0;
        EXPECT_EQ(2048, p->item.cchTextMax);
        lstrcpyA(p->item.pszText, "Vom Eigner");
        return 1;
    };
    StartByF2(0);
    TypeChars("Ja");
    Key(VK_RETURN);
    EXPECT_EQ("Vom Eigner", Text(0));
}

namespace TREELIST_CASES_NS
{
struct TipFixture : ::testing::Test
{
    COwnerWnd owner;
    LIST_HOST list;
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner(CRect(100, 100, 520, 420)));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOLABELWRAP, CRect(10, 10, 310, 210),
                                &owner, 77));
        list.AddColumn("Name", LVCFMT_LEFT, 100);
        list.AddColumn("Wert", LVCFMT_LEFT, 100);
        list.EnableItemTips(TRUE);
        list.InsertItem(0, "Kurz");
        list.InsertItem(1, "Ein sehr langer Text, der nicht passt\nzweite Zeile");
        list.InsertItem(2, "Noch ein anderer langer Text, abgeschnitten");
        list.RecalcLayout();
        ActivateAndFocus(&owner, &list);
    }
    CPoint LabelPoint(int nRow)
    {
        CRect rc;
        EXPECT_TRUE(list.GetItemRect(nRow, &rc, LVIR_LABEL));
        return CPoint(rc.left + 5, rc.CenterPoint().y);
    }
    HWND Tip()
    {
        return list.GetToolTip()->GetSafeHwnd();
    }
    bool TipShown()
    {
        return Tip() != NULL && ::IsWindowVisible(Tip());
    }
};
} // namespace TREELIST_CASES_NS
using namespace TREELIST_CASES_NS;

TEST_F(TipFixture, ShowsTheCutOffLabelOverTheCell)
{
    MoveTo(&list, LabelPoint(1));
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(1, list.GetToolTip()->GetRow());
    EXPECT_EQ("Ein sehr langer Text, der nicht passt\nzweite Zeile",
              std::string(list.GetToolTip()->GetText()));
    CRect rcLabel, rcCell, rcTip;
    list.GetItemRect(1, &rcLabel, LVIR_LABEL);
    list.GetItemRect(1, &rcCell, LVIR_BOUNDS);
    list.ClientToScreen(&rcLabel);
    ::GetWindowRect(Tip(), &rcTip);
    EXPECT_EQ(rcLabel.left - 3, rcTip.left);
    EXPECT_EQ(rcLabel.top, rcTip.top);
    EXPECT_EQ(rcLabel.Width() + 7, rcTip.Width());
    EXPECT_EQ(rcCell.Height(), rcTip.Height());
    // Only the first line is drawn: the tip is one line high and ends before "zweite".
    EXPECT_EQ(::GetWindowLongPtr(Tip(), GWL_STYLE) & (WS_POPUP | WS_BORDER),
              (LONG_PTR)(WS_POPUP | WS_BORDER));

    MoveTo(&list, LabelPoint(2)); // another cut-off cell replaces it
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(2, list.GetToolTip()->GetRow());
    MoveTo(&list, LabelPoint(0)); // a fitting label hides it
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(-1, list.GetToolTip()->GetRow());
}

TEST_F(TipFixture, LeavingTheListHidesItWithinASecond)
{
    MoveTo(&list, LabelPoint(1));
    ASSERT_TRUE(TipShown());
    CPoint pt(350, 250); // the owner, outside the list
    owner.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    EXPECT_TRUE(PumpUntil([&] { return !TipShown(); }, 1100));
}

TEST_F(TipFixture, AClickOnTheTipActsOnTheList)
{
    list.SelectFocusItem(0, TRUE);
    MoveTo(&list, LabelPoint(2));
    ASSERT_TRUE(TipShown());
    CRect rcTip;
    ::GetWindowRect(Tip(), &rcTip);
    CPoint pt(rcTip.left + 12, rcTip.CenterPoint().y); // over the first column's part of the label
    ::SetCursorPos(pt.x, pt.y);
    PumpWithTranslate(30);
    owner.Clear();
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
    PumpWithTranslate(100);
    EXPECT_EQ(2, list.GetFocusIndex());
    EXPECT_EQ(1, owner.Count(NM_CLICK));
}
