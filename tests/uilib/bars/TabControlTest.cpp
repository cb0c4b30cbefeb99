// The 3-D tab strip on real windows: clicks and their messages, keys, the tab list, shortened
// and hidden labels, the four sides as painted, embossed disabled tabs and drag reordering.
#include "BarsTestApp.h"
#include "TabTestSupport.h"
#include "uilib/bars/3DTabControl.h"
#include <string>

using namespace testing_support;

namespace
{

class CClient : public CObject
{
};

const UINT kStripID = 123;

class TabControlTest : public ::testing::Test
{
  protected:
    void Make(DWORD dwStyle, const CRect& rc, std::initializer_list<const char*> labels)
    {
        ASSERT_TRUE(m_strip.Create(WS_VISIBLE | dwStyle, rc, &m_recorder, kStripID));
        int i = 0;
        for (const char* label : labels)
            m_strip.AddTab(label, &m_clients[i++]);
    }
    POINT TabCentre(int nTab)
    {
        RECT rc;
        m_strip.GetTabRect(nTab, rc);
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        m_strip.ClientToScreen(&pt);
        return pt;
    }
    void Click(int nTab)
    {
        ClickAt(TabCentre(nTab));
        PumpTranslated(m_recorder.m_hWnd, 100);
    }
    int Active()
    {
        int nActive = -1;
        return m_strip.GetActiveTab(nActive) ? nActive : -1;
    }
    std::string Label(int nTab)
    {
        return std::string(m_strip.GetTab3D(nTab)->m_csLabel);
    }

    CTabRecorder m_recorder;
    SEC3DTabControl m_strip;
    CClient m_clients[8];
};

COLORREF Face()
{
    return ::GetSysColor(COLOR_BTNFACE);
}

} // namespace

TEST_F(TabControlTest, ClicksSendTheRecordAndAClickOnTheActiveTabSends0x7EB)
{
    Make(SEC_TABS_BOTTOM, CRect(10, 10, 410, 40), {"Alpha", "Beta", "Gamma"});
    Click(1);
    Click(2);
    ASSERT_EQ(2u, m_recorder.m_messages.size());
    struct
    {
        WPARAM wParam;
        int nTab, nPrev;
        CObject *pClient, *pPrev;
    } expected[] = {{1, 1, -1, &m_clients[1], NULL}, {2, 2, 1, &m_clients[2], &m_clients[1]}};
    for (int i = 0; i < 2; ++i)
    {
        const TabMessage& m = m_recorder.m_messages[i];
        EXPECT_EQ(static_cast<UINT>(TCM_TABSEL), m.message);
        EXPECT_EQ(0x7E8u, m.message);
        EXPECT_EQ(expected[i].wParam, m.wParam);
        EXPECT_EQ(kStripID, m.notify.nCtrlID);
        EXPECT_EQ(expected[i].nTab, m.notify.nTab);
        EXPECT_EQ(expected[i].nPrev, m.notify.nPrevTab);
        EXPECT_EQ(expected[i].pClient, m.notify.pClient);
        EXPECT_EQ(expected[i].pPrev, m.notify.pPrevClient);
    }
    m_recorder.m_messages.clear();
    ::Sleep(::GetDoubleClickTime() + 50); // a single click, not a double one
    Click(2);
    ASSERT_EQ(1u, m_recorder.m_messages.size());
    EXPECT_EQ(0x7EBu, m_recorder.m_messages[0].message);
    EXPECT_EQ(2u, m_recorder.m_messages[0].wParam);

    m_recorder.m_messages.clear();
    m_strip.ActivateTab(2);
    EXPECT_TRUE(m_recorder.m_messages.empty());

    // A double click on a tab: activation by the first press, then 0x7E9.
    ClickAt(TabCentre(0));
    ClickAt(TabCentre(0));
    PumpTranslated(m_recorder.m_hWnd, 100);
    ASSERT_EQ(2u, m_recorder.m_messages.size());
    EXPECT_EQ(0x7E8u, m_recorder.m_messages[0].message);
    EXPECT_EQ(0x7E9u, m_recorder.m_messages[1].message);
    EXPECT_EQ(0u, m_recorder.m_messages[1].wParam);

    m_recorder.m_messages.clear();
    m_strip.ClearSelection();
    ASSERT_EQ(1u, m_recorder.m_messages.size());
    EXPECT_EQ(0x7EAu, m_recorder.m_messages[0].message);
    EXPECT_EQ(-1, Active());
}

TEST_F(TabControlTest, ArrowsSkipDisabledTabsAndStopAtTheEnds)
{
    Make(SEC_TABS_BOTTOM, CRect(10, 10, 510, 40), {"Null", "Eins", "Zwei", "Drei", "Vier"});
    m_strip.EnableTab(1, FALSE);
    m_strip.EnableTab(3, FALSE);
    EXPECT_FALSE(m_strip.IsTabEnabled(3));
    Click(0);
    Click(1); // disabled: nothing
    EXPECT_EQ(0, Active());
    m_strip.SetFocus();
    struct
    {
        WORD vk;
        int nActive;
    } steps[] = {{VK_RIGHT, 2}, {VK_DOWN, 4}, {VK_RIGHT, 4}, {VK_LEFT, 2}, {VK_UP, 0}, {VK_LEFT, 0}};
    for (const auto& s : steps)
    {
        size_t nBefore = m_recorder.m_messages.size();
        PressKeys(m_recorder.m_hWnd, {s.vk});
        EXPECT_EQ(s.nActive, Active()) << s.vk;
        EXPECT_EQ(::GetFocus(), m_strip.m_hWnd);
        if (s.nActive == 4 && s.vk == VK_RIGHT)
        {
            EXPECT_EQ(nBefore, m_recorder.m_messages.size()); // at the end nothing is sent
        }
    }
}

TEST_F(TabControlTest, InsertingAndDeletingKeepTheRightTabActive)
{
    Make(SEC_TABS_BOTTOM, CRect(10, 10, 510, 40), {"A", "B", "C"});
    m_strip.ActivateTab(1);
    m_strip.InsertTab(0, "X");
    EXPECT_EQ(2, Active());
    EXPECT_EQ("B", Label(2));

    struct
    {
        int nActivate, nDelete;
        int nActive;
        const char* label;
    } cases[] = {
        {3, 3, 2, "B"}, // the last while active: the new last
        {1, 1, 1, "B"}, // the active one in the middle: the one now there
        {2, 0, 1, "B"}, // before the active one: the same tab, one lower
    };
    for (const auto& c : cases)
    {
        while (m_strip.GetTabCount() < 4)
            m_strip.InsertTab(0, "new");
        m_strip.ActivateTab(c.nActivate);
        m_strip.RenameTab(2, "B");
        m_strip.DeleteTab(c.nDelete);
        EXPECT_EQ(c.nActive, Active()) << c.nDelete;
        EXPECT_EQ(c.label, Label(c.nActive)) << c.nDelete;
    }
    while (m_strip.GetTabCount() > 1)
        m_strip.DeleteTab(0);
    m_strip.ActivateTab(0);
    m_strip.DeleteTab(0);
    EXPECT_EQ(-1, Active());
    EXPECT_EQ(0, m_strip.GetTabCount());
}

TEST_F(TabControlTest, LabelsAreShortenedThenCutToDotsThenHidden)
{
    Make(SEC_TABS_BOTTOM, CRect(10, 10, 610, 40), {"Messwerte", "Einstellungen", "Protokoll", "abc"});
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(m_strip.GetTab3D(i)->m_bShortened);
    int nFull = 0;
    RECT rc;
    for (int i = 0; i < 4; ++i)
    {
        m_strip.GetTabRect(i, rc);
        nFull += rc.right - rc.left;
    }
    for (int nWidth : {nFull + 12 - 1, nFull - 20, nFull - 60, 170, 120, 77, 76})
    {
        SCOPED_TRACE(nWidth);
        m_strip.MoveWindow(10, 10, nWidth, 30);
        int nTotal = 0;
        bool bCanShrink = false;
        for (int i = 0; i < 4; ++i)
        {
            SEC3DTab* pTab = m_strip.GetTab3D(i);
            m_strip.GetTabRect(i, rc);
            nTotal += rc.right - rc.left;
            std::string label = Label(i);
            if (!m_strip.AreLabelsShown())
            {
                EXPECT_EQ(SEC3DTabControl::kTabMargin, rc.right - rc.left);
                continue;
            }
            if (pTab->m_bShortened && label != "...")
            {
                ASSERT_GE(label.size(), 4u);
                EXPECT_EQ("...", label.substr(label.size() - 3));
                EXPECT_EQ(std::string(pTab->m_csFullLabel).substr(0, label.size() - 3),
                          label.substr(0, label.size() - 3));
            }
            else if (!pTab->m_bShortened)
            {
                EXPECT_EQ(std::string(pTab->m_csFullLabel), label);
            }
            bCanShrink = bCanShrink || label.size() >= 5;
        }
        if (nWidth <= 19 * 4)
        {
            EXPECT_FALSE(m_strip.AreLabelsShown());
        }
        else if (m_strip.AreLabelsShown() && Label(0) != "...")
        {
            EXPECT_TRUE(nTotal + 12 <= nWidth || !bCanShrink) << nTotal;
        }
    }
    // Too short even for "...": the dots stay; the three-letter label cannot shrink below itself.
    m_strip.MoveWindow(10, 10, 77, 30);
    EXPECT_TRUE(m_strip.AreLabelsShown());
    EXPECT_EQ("...", Label(0));
    EXPECT_EQ("...", Label(3));
    m_strip.MoveWindow(10, 10, 76, 30);
    EXPECT_FALSE(m_strip.AreLabelsShown());
    m_strip.MoveWindow(10, 10, 600, 30);
    EXPECT_TRUE(m_strip.AreLabelsShown());
    EXPECT_EQ("Einstellungen", Label(1));
}

TEST_F(TabControlTest, ShortLabelsEndTheShorteningLoop)
{
    Make(SEC_TABS_BOTTOM, CRect(10, 10, 610, 40), {"abcd", "abcde", "xy", "abcdefgh"});
    // The strip's length with dots for every label of three letters or more.
    m_strip.MoveWindow(10, 10, 77, 30);
    ASSERT_EQ("...", Label(0));
    int nDots = 0;
    RECT rc;
    for (int i = 0; i < 4; ++i)
    {
        m_strip.GetTabRect(i, rc);
        nDots += rc.right - rc.left;
    }
    // Just wide enough for the dots: every label that can lose a character does, none goes
    // below one character and "...", and the loop ends.
    m_strip.MoveWindow(10, 10, nDots + 13, 30);
    EXPECT_EQ("abcd", Label(0));
    EXPECT_EQ("xy", Label(2));
    for (int i : {1, 3})
    {
        std::string label = Label(i);
        EXPECT_EQ(4u, label.size()) << label;
        EXPECT_EQ("...", label.substr(1));
    }
}

TEST_F(TabControlTest, StripsOnAllFourSidesPaintTheirEdgeAndJoinTheActiveTab)
{
    const COLORREF kBlack = RGB(0, 0, 0);
    const COLORREF lines[4] = {::GetSysColor(COLOR_BTNHIGHLIGHT), Face(), ::GetSysColor(COLOR_BTNSHADOW),
                               kBlack};
    struct Side
    {
        DWORD dwStyle;
        bool bVertical;
        int nFirstLine; // across position of the highlight line (w or h minus 4 from the far side)
        int nJoinLine;  // the line the active tab covers
    } sides[] = {{SEC_TABS_BOTTOM, false, 0, 3},
                 {SEC_TABS_TOP, false, 26, 0},
                 {SEC_TABS_LEFT, true, 26, 0},
                 {SEC_TABS_RIGHT, true, 0, 3}};
    for (const Side& side : sides)
    {
        SCOPED_TRACE(side.dwStyle);
        SEC3DTabControl strip;
        CRect rc = side.bVertical ? CRect(20, 20, 50, 340) : CRect(20, 20, 340, 50);
        ASSERT_TRUE(strip.Create(WS_VISIBLE | side.dwStyle, rc, &m_recorder, kStripID));
        for (const char* label : {"Eins", "Zwei", "Drei"})
            strip.AddTab(label);
        strip.ActivateTab(1);
        strip.UpdateWindow();
        PumpMessages(50);
        // (along, across) to client coordinates.
        auto at = [&](int along, int across) {
            return side.bVertical ? CPoint(across, along) : CPoint(along, across);
        };
        for (int k = 0; k < 4; ++k)
        {
            CPoint pt = at(315, side.nFirstLine + k); // beyond the last tab
            EXPECT_EQ(lines[k], ScreenPixel(strip.m_hWnd, pt.x, pt.y)) << k;
        }
        RECT rcActive, rcOther;
        strip.GetTabRect(1, rcActive);
        strip.GetTabRect(2, rcOther);
        int nActiveMid =
            side.bVertical ? (rcActive.top + rcActive.bottom) / 2 : (rcActive.left + rcActive.right) / 2;
        int nOtherMid =
            side.bVertical ? (rcOther.top + rcOther.bottom) / 2 : (rcOther.left + rcOther.right) / 2;
        CPoint joined = at(nActiveMid, side.nFirstLine + side.nJoinLine);
        CPoint crossed = at(nOtherMid, side.nFirstLine + side.nJoinLine);
        EXPECT_EQ(Face(), ScreenPixel(strip.m_hWnd, joined.x, joined.y));
        EXPECT_EQ(lines[side.nJoinLine], ScreenPixel(strip.m_hWnd, crossed.x, crossed.y));
        // The label is drawn inside the active tab.
        int nInk = 0;
        for (int x = rcActive.left + 4; x < rcActive.right - 4; ++x)
            for (int y = rcActive.top + 4; y < rcActive.bottom - 4; ++y)
                if (ScreenPixel(strip.m_hWnd, x, y) == kBlack)
                    ++nInk;
        EXPECT_GT(nInk, 5);
        strip.DestroyWindow();
    }
}

TEST_F(TabControlTest, ADisabledTabIsDrawnEmbossed)
{
    Make(SEC_TABS_BOTTOM, CRect(10, 10, 410, 40), {"Aktiv", "Gesperrt"});
    m_strip.EnableTab(1, FALSE);
    m_strip.UpdateWindow();
    PumpMessages(50);
    RECT rc;
    m_strip.GetTabRect(1, rc);
    int nBlack = 0, nShadow = 0, nHighlight = 0;
    for (int x = rc.left + 4; x < rc.right - 4; ++x)
        for (int y = rc.top + 4; y < rc.bottom - 4; ++y)
        {
            COLORREF cr = ScreenPixel(m_strip.m_hWnd, x, y);
            nBlack += cr == RGB(0, 0, 0);
            nShadow += cr == ::GetSysColor(COLOR_BTNSHADOW);
            nHighlight += cr == ::GetSysColor(COLOR_BTNHIGHLIGHT);
        }
    EXPECT_EQ(0, nBlack);
    EXPECT_GT(nShadow, 5);
    EXPECT_GT(nHighlight, 5);
}

TEST_F(TabControlTest, DraggingTheActiveTabOverAnotherMovesIt)
{
    Make(SEC_TABS_BOTTOM | SEC_TABS_DRAGGABLE, CRect(10, 10, 510, 40), {"A", "Bravo", "C", "D"});
    Click(0);
    m_recorder.m_messages.clear();
    ::Sleep(::GetDoubleClickTime() + 50);
    RECT rcB;
    m_strip.GetTabRect(1, rcB);
    POINT target = {rcB.right - 2, (rcB.top + rcB.bottom) / 2};
    m_strip.ClientToScreen(&target);
    MoveMouseTo(TabCentre(0));
    SendLeftButton(true);
    PumpTranslated(m_recorder.m_hWnd, 50);
    MoveMouseTo(target);
    PumpTranslated(m_recorder.m_hWnd, 50);
    SendLeftButton(false);
    PumpTranslated(m_recorder.m_hWnd, 50);
    EXPECT_EQ("Bravo", Label(0));
    EXPECT_EQ("A", Label(1));
    EXPECT_EQ(1, Active());
    ASSERT_FALSE(m_recorder.m_messages.empty());
    EXPECT_EQ(0x7E8u, m_recorder.m_messages.back().message);
    EXPECT_EQ(1u, m_recorder.m_messages.back().wParam);
    EXPECT_EQ(&m_clients[0], m_recorder.m_messages.back().notify.pClient);
    EXPECT_EQ(NULL, ::GetCapture());

    // Without the style the same drag moves nothing.
    SEC3DTabControl fixed;
    ASSERT_TRUE(fixed.Create(WS_VISIBLE | SEC_TABS_BOTTOM, CRect(10, 60, 510, 90), &m_recorder, 124));
    fixed.AddTab("A");
    fixed.AddTab("Bravo");
    fixed.ActivateTab(0);
    RECT rcA;
    fixed.GetTabRect(0, rcA);
    fixed.GetTabRect(1, rcB);
    POINT from = {(rcA.left + rcA.right) / 2, 70 - 60};
    POINT to = {rcB.right - 2, 10};
    fixed.ClientToScreen(&from);
    fixed.ClientToScreen(&to);
    MoveMouseTo(from);
    SendLeftButton(true);
    PumpTranslated(m_recorder.m_hWnd, 50);
    MoveMouseTo(to);
    SendLeftButton(false);
    PumpTranslated(m_recorder.m_hWnd, 50);
    EXPECT_STREQ("A", fixed.GetTab3D(0)->m_csLabel);
    fixed.DestroyWindow();
}

namespace
{
// Shows the strip's tool hit test.
class CTipStrip : public SEC3DTabControl
{
  public:
    INT_PTR HitTest(CPoint point, TOOLINFO* pTI) const
    {
        return OnToolHitTest(point, pTI);
    }
};
} // namespace

TEST_F(TabControlTest, ShortenedTabsShowTheFullLabelAsTipAndIconsWidenTheirTab)
{
    CTipStrip strip;
    ASSERT_TRUE(strip.Create(WS_VISIBLE | SEC_TABS_BOTTOM, CRect(10, 10, 610, 40), &m_recorder, kStripID));
    strip.AddTab("Kurz");
    strip.AddTab("Einstellungen der Schnittstellen");
    RECT rc;
    strip.GetTabRect(1, rc);
    int nWide = rc.right - rc.left;
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    CPoint ptSecond((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    EXPECT_EQ(-1, strip.HitTest(ptSecond, &ti)); // nothing cut: no tip

    strip.MoveWindow(10, 10, nWide, 30);
    ASSERT_TRUE(strip.GetTab3D(1)->m_bShortened);
    strip.GetTabRect(1, rc);
    ptSecond = CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    EXPECT_EQ(2, strip.HitTest(ptSecond, &ti));
    EXPECT_EQ(2u, ti.uId);
    EXPECT_STREQ("Einstellungen der Schnittstellen", ti.lpszText);
    EXPECT_EQ(CRect(rc), CRect(ti.rect));

    strip.MoveWindow(10, 10, 600, 30);
    strip.GetTabRect(0, rc);
    int nPlain = rc.right - rc.left;
    strip.SetTabIconHandle(0, ::LoadIcon(NULL, IDI_INFORMATION));
    strip.GetTabRect(0, rc);
    EXPECT_EQ(nPlain + SEC3DTabControl::kIconRoom, rc.right - rc.left);
    strip.DestroyWindow();
}
