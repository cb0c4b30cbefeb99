// Message-filter trees: lookup and creation by depth, descriptors, dispatch results, and the
// caption buttons on real windows answering real mouse input.
#include "TestSupport.h"
#include "afxwin.h"
#include "mfc/MemFile.h"
#include "uilib/frames/mdi/CapConLstMDIMaxChildMsgFilter.h"
#include "uilib/frames/mdi/CaptionControlListMsgFilter.h"
#include <memory>
#include <vector>

using namespace testing_support;

namespace
{
// A filter that answers every message with a fixed result and counts what it saw.
class CProbeFilter : public SECMsgFilter
{
  public:
    explicit CProbeFilter(UINT nID, UINT nReturn = 0) : m_nReturn(nReturn)
    {
        m_nID = nID;
    }
    UINT OnFilterMessage(UINT, WPARAM, LPARAM, LRESULT*) override
    {
        ++m_nSeen;
        return m_nReturn;
    }
    UINT m_nReturn;
    int m_nSeen = 0;
};

// root -> 1 -> 2 -> 3, root -> 4
struct FilterTree
{
    SECMsgFilter root;
    SECMsgFilter* a;
    SECMsgFilter* b;
    SECMsgFilter* c;
    SECMsgFilter* d;
    FilterTree()
    {
        a = new SECMsgFilter;
        a->SetID(1);
        b = new SECMsgFilter;
        b->SetID(2);
        c = new SECMsgFilter;
        c->SetID(3);
        d = new SECMsgFilter;
        d->SetID(4);
        root.AddChild(a);
        a->AddChild(b);
        b->AddChild(c);
        root.AddChild(d);
    }
};

TEST(MsgFilter, FindOrCreateFilterLooksDownToTheGivenDepth)
{
    enum Expect
    {
        kNone,
        kA,
        kB,
        kC,
        kCreated
    };
    struct Row
    {
        UINT nID;
        int nDepth;
        bool bClass;
        Expect expect;
    } rows[] = {
        {1, 0, false, kA},  {3, 0, false, kNone},    {3, 1, false, kNone},   {3, 2, false, kC},
        {3, -1, false, kC}, {2, -1, false, kB},      {3, 1, true, kCreated}, {3, 2, true, kC},
        {3, -1, true, kC},  {9, -1, true, kCreated}, {9, -1, false, kNone},
    };
    for (const Row& row : rows)
    {
        FilterTree tree;
        CWnd wndMarker;
        tree.root.SetWindow(&wndMarker, TRUE);
        SECMsgFilter* p = tree.root.FindOrCreateFilter(
            row.nID, row.bClass ? RUNTIME_CLASS(SECMsgFilter) : NULL, row.nDepth);
        SCOPED_TRACE(testing::Message()
                     << "id " << row.nID << " depth " << row.nDepth << " class " << row.bClass);
        switch (row.expect)
        {
        case kNone:
            EXPECT_EQ(nullptr, p);
            EXPECT_EQ(2, tree.root.GetChildCount());
            break;
        case kA:
            EXPECT_EQ(tree.a, p);
            break;
        case kB:
            EXPECT_EQ(tree.b, p);
            break;
        case kC:
            EXPECT_EQ(tree.c, p);
            EXPECT_EQ(2, tree.root.GetChildCount());
            break;
        case kCreated:
            ASSERT_NE(nullptr, p);
            ASSERT_EQ(3, tree.root.GetChildCount());
            EXPECT_EQ(p, tree.root.GetChild(2));
            EXPECT_EQ(row.nID, p->GetID());
            EXPECT_EQ(&wndMarker, p->GetWindow());
            EXPECT_TRUE(p->IsEnabled());
            break;
        }
    }
}

TEST(MsgFilter, DescriptorsEnableAndDisableExceptWhereFlagged)
{
    struct Row
    {
        DWORD dwFlags;
        bool bEnabledAfterDisable;
    } rows[] = {{0, false}, {SECMsgFilter::descKeepEnabled, true}};
    for (const Row& row : rows)
    {
        FilterTree tree;
        // Below filter 2, which is two levels down.
        SECMsgFilter::Descriptor desc(7, 2, RUNTIME_CLASS(SECMsgFilter), row.dwFlags);
        tree.root.ApplyDescriptor(desc, TRUE);
        SECMsgFilter* p = tree.b->FindOrCreateFilter(7, NULL, 0);
        ASSERT_NE(nullptr, p);
        EXPECT_TRUE(p->IsEnabled());
        tree.root.ApplyDescriptor(desc, FALSE);
        EXPECT_EQ(row.bEnabledAfterDisable, p->IsEnabled() != FALSE) << "flags " << row.dwFlags;
        EXPECT_EQ(2, tree.b->GetChildCount());
    }

    // Disabling creates nothing, and a parent that is not there makes the descriptor do nothing.
    FilterTree tree;
    tree.root.ApplyDescriptor(SECMsgFilter::Descriptor(8, (UINT)-1, RUNTIME_CLASS(SECMsgFilter), 0), FALSE);
    tree.root.ApplyDescriptor(SECMsgFilter::Descriptor(8, 77, RUNTIME_CLASS(SECMsgFilter), 0), TRUE);
    EXPECT_EQ(nullptr, tree.root.FindOrCreateFilter(8, NULL, -1));

    // A table with its own flag per entry.
    SECMsgFilter::DescriptorTable table;
    table.Add(new SECMsgFilter::Descriptor(20, (UINT)-1, RUNTIME_CLASS(SECMsgFilter), 0));
    table.Add(new SECMsgFilter::Descriptor(21, 20, RUNTIME_CLASS(SECMsgFilter), 0));
    const BOOL enables[] = {TRUE, FALSE};
    tree.root.ApplyDescriptorTable(table, enables);
    ASSERT_NE(nullptr, tree.root.FindOrCreateFilter(20, NULL, 0));
    EXPECT_EQ(nullptr, tree.root.FindOrCreateFilter(21, NULL, -1));
    tree.root.ApplyDescriptorTableAll(table, TRUE);
    EXPECT_NE(nullptr, tree.root.FindOrCreateFilter(21, NULL, -1));
}

TEST(MsgFilter, DispatchOrsResultsAndStopsAtTheStopBit)
{
    struct Row
    {
        UINT returns[3];
        bool enabled[3];
        UINT nExpected;
        int seen[3];
    } rows[] = {
        {{1, 2, 0}, {true, true, true}, 3, {1, 1, 1}},   {{1, 9, 4}, {true, true, true}, 9, {1, 1, 0}},
        {{15, 1, 4}, {true, true, true}, 15, {1, 0, 0}}, {{1, 8, 4}, {true, false, true}, 5, {1, 0, 1}},
        {{0, 0, 0}, {true, true, true}, 0, {1, 1, 1}},
    };
    for (const Row& row : rows)
    {
        SECMsgFilter root;
        CProbeFilter* probes[3];
        for (int i = 0; i < 3; ++i)
        {
            probes[i] = new CProbeFilter(i, row.returns[i]);
            probes[i]->Enable(row.enabled[i]);
            root.AddChild(probes[i]);
        }
        LRESULT lResult = 0;
        EXPECT_EQ(row.nExpected, root.FilterMessage(WM_NULL, 0, 0, &lResult));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(row.seen[i], probes[i]->m_nSeen) << "child " << i;
        root.Enable(FALSE);
        EXPECT_EQ(0u, root.FilterMessage(WM_NULL, 0, 0, &lResult));
    }
}

TEST(MsgFilter, ClonesOwnTheirChildrenAndTablesRoundTrip)
{
    std::unique_ptr<SECMsgFilter> pClone;
    {
        FilterTree tree;
        tree.c->Enable(FALSE);
        pClone.reset(tree.root.Clone());
    }
    // The original and its children are gone (and poisoned): the clone still holds its own.
    SECMsgFilter* c = pClone->FindOrCreateFilter(3, NULL, -1);
    ASSERT_NE(nullptr, c);
    EXPECT_FALSE(c->IsEnabled());
    EXPECT_EQ(2, pClone->GetChildCount());
    EXPECT_TRUE(pClone->GetChild(0)->IsKindOf(RUNTIME_CLASS(SECMsgFilter)));

    SECCaptionControlListMsgFilter list;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        const_cast<SECMsgFilter::DescriptorTable&>(list.GetDescriptorTable()).Serialize(ar);
    }
    file.SeekToBegin();
    SECMsgFilter::DescriptorTable table;
    {
        CArchive ar(&file, CArchive::load);
        table.Serialize(ar);
    }
    ASSERT_EQ(5, (int)table.GetSize());
    const UINT ids[] = {0, 2, 3, 1, 4};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(ids[i], table[i]->m_nID);
        EXPECT_EQ((UINT)-1, table[i]->m_nParentID);
        EXPECT_EQ(RUNTIME_CLASS(SECCaptionControlMsgFilter), table[i]->m_pClass);
    }
}

// ---- caption buttons on real windows

// A window that hands its messages to a root filter holding a caption-button list, and keeps
// the system commands it gets instead of acting on them.
class CCaptionHost : public CWnd
{
  public:
    SECMsgFilter m_root;
    SECCaptionControlListMsgFilter* m_pList = NULL;
    std::vector<WPARAM> m_commands;

    BOOL CreateHost(DWORD dwStyle, DWORD dwExStyle, CRuntimeClass* pListClass = NULL)
    {
        if (!CreateEx(dwExStyle, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), _T("Caption host"),
                      dwStyle, CRect(100, 100, 500, 360), NULL, 0))
            return FALSE;
        m_root.SetWindow(this, TRUE);
        m_pList = static_cast<SECCaptionControlListMsgFilter*>(m_root.FindOrCreateFilter(
            100, pListClass != NULL ? pListClass : RUNTIME_CLASS(SECCaptionControlListMsgFilter), 0));
        m_pList->LayoutButtons();
        return TRUE;
    }
    SECCaptionControlMsgFilter* Button(UINT nID)
    {
        return static_cast<SECCaptionControlMsgFilter*>(m_pList->FindOrCreateFilter(nID, NULL, 0));
    }
    // The centre of a button on the screen.
    CPoint ButtonCentre(UINT nID)
    {
        CRect rectWindow;
        GetWindowRect(&rectWindow);
        CPoint pt = Button(nID)->GetButtonRect().CenterPoint();
        return pt + rectWindow.TopLeft();
    }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND)
        {
            m_commands.push_back(wParam & 0xFFF0);
            return 0;
        }
        if (message == WM_NCHITTEST)
        {
            // The buttons are ours: the system must treat their area as caption.
            LRESULT lHit = CWnd::WindowProc(message, wParam, lParam);
            if (lHit == HTCLOSE || lHit == HTMAXBUTTON || lHit == HTMINBUTTON || lHit == HTHELP)
                lHit = HTCAPTION;
            return lHit;
        }
        LRESULT lResult = 0;
        if (m_root.FilterMessage(message, wParam, lParam, &lResult) & SECMsgFilter::resultHandled)
            return lResult;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(CaptionButtons, VisibilityAndStateFollowTheWindowStyle)
{
    enum
    {
        kHidden,
        kOn,
        kOff
    };
    struct Row
    {
        const char* name;
        DWORD dwStyle;
        DWORD dwExStyle;
        bool bGreyClose;
        int expect[5]; // by id: close, minimise, maximise, restore, help
    } rows[] = {
        {"overlapped", WS_OVERLAPPEDWINDOW, 0, false, {kOn, kOn, kOn, kHidden, kHidden}},
        {"no minimise box",
         WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX,
         0,
         false,
         {kOn, kOff, kOn, kHidden, kHidden}},
        {"no maximise box",
         WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         0,
         false,
         {kOn, kOn, kOff, kHidden, kHidden}},
        {"maximised", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, 0, false, {kOn, kOn, kHidden, kOn, kHidden}},
        {"help", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, false, {kOn, kHidden, kHidden, kHidden, kOn}},
        {"help with boxes", WS_OVERLAPPEDWINDOW, WS_EX_CONTEXTHELP, false, {kOn, kOn, kOn, kHidden, kHidden}},
        {"tool window",
         WS_OVERLAPPEDWINDOW,
         WS_EX_TOOLWINDOW,
         false,
         {kOn, kHidden, kHidden, kHidden, kHidden}},
        {"no system menu",
         WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
         0,
         false,
         {kHidden, kHidden, kHidden, kHidden, kHidden}},
        {"close greyed", WS_OVERLAPPEDWINDOW, 0, true, {kOff, kOn, kOn, kHidden, kHidden}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CCaptionHost host;
        ASSERT_TRUE(host.CreateHost(row.dwStyle, row.dwExStyle));
        if (row.bGreyClose)
            ::EnableMenuItem(::GetSystemMenu(host.m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
        host.m_pList->LayoutButtons();
        for (UINT nID = 0; nID < 5; ++nID)
        {
            SECCaptionControlMsgFilter* p = host.Button(nID);
            ASSERT_NE(nullptr, p);
            EXPECT_EQ(row.expect[nID] == kHidden, p->GetButtonRect().IsRectEmpty() != FALSE)
                << "button " << nID;
            if (row.expect[nID] != kHidden)
            {
                EXPECT_EQ(row.expect[nID] == kOff, p->IsInactive() != FALSE) << "button " << nID;
            }
        }
        host.DestroyWindow();
    }
}

TEST(CaptionButtons, ButtonsLineUpFromTheRightWithAGapAfterClose)
{
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME);
    const int cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    const CSize size(::GetSystemMetrics(SM_CXSIZE) - 2, ::GetSystemMetrics(SM_CYSIZE) - 4);
    CCaptionHost host;
    ASSERT_TRUE(host.CreateHost(WS_OVERLAPPEDWINDOW, 0));
    CRect rectWindow;
    host.GetWindowRect(&rectWindow);
    const int xClose = rectWindow.Width() - cxFrame - size.cx - 2;
    EXPECT_EQ(CRect(xClose, cyFrame + 2, xClose + size.cx, cyFrame + 2 + size.cy),
              host.Button(0)->GetButtonRect());
    EXPECT_EQ(xClose - size.cx - 2, host.Button(2)->GetButtonRect().left);
    EXPECT_EQ(xClose - 2 * size.cx - 2, host.Button(1)->GetButtonRect().left);
    host.DestroyWindow();

    // The buttons of a maximised MDI child: menu size, one caption lower.
    CCaptionHost child;
    ASSERT_TRUE(child.CreateHost(WS_OVERLAPPEDWINDOW, 0, RUNTIME_CLASS(SECCapConLstMDIMaxChildMsgFilter)));
    const CSize sizeMenu(::GetSystemMetrics(SM_CXMENUSIZE) - 2, ::GetSystemMetrics(SM_CYMENUSIZE) - 4);
    const CRect rectClose = child.Button(0)->GetButtonRect();
    EXPECT_EQ(sizeMenu, rectClose.Size());
    EXPECT_EQ(cyFrame + 2 + ::GetSystemMetrics(SM_CYCAPTION), rectClose.top);
    child.DestroyWindow();
}

TEST(CaptionButtons, ClosePressPostsTheCommandOnlyWhenReleasedOnTheButton)
{
    struct Row
    {
        bool bReleaseOn;
        size_t nCommands;
    } rows[] = {{true, 1}, {false, 0}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.bReleaseOn ? "released on" : "released off");
        CCaptionHost host;
        ASSERT_TRUE(host.CreateHost(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0));
        host.SetForegroundWindow();
        PumpMessages(100);
        host.m_pList->LayoutButtons();
        const CPoint pt = host.ButtonCentre(0);
        MoveMouseTo(pt);
        SendLeftButton(true);
        EXPECT_TRUE(host.Button(0)->IsTracking());
        EXPECT_TRUE(host.Button(0)->IsPushed());
        EXPECT_EQ(host.m_hWnd, ::GetCapture());
        if (!row.bReleaseOn)
        {
            MoveMouseTo(CPoint(pt.x - 150, pt.y + 100));
            EXPECT_FALSE(host.Button(0)->IsPushed());
        }
        SendLeftButton(false);
        PumpMessages(100);
        EXPECT_FALSE(host.Button(0)->IsTracking());
        EXPECT_EQ(nullptr, ::GetCapture());
        ASSERT_EQ(row.nCommands, host.m_commands.size());
        if (row.nCommands == 1)
        {
            EXPECT_EQ((WPARAM)SC_CLOSE, host.m_commands[0]);
        }
        host.DestroyWindow();
    }
}

// Counts the fires of a caption button.
class CCountingButton : public SECCaptionControlMsgFilter
{
    DECLARE_DYNCREATE(CCountingButton)

  public:
    std::vector<UINT> m_fires;
    void Fire(UINT nFlags, CPoint pt) override
    {
        m_fires.push_back(nFlags);
        SECCaptionControlMsgFilter::Fire(nFlags, pt);
    }
};
IMPLEMENT_DYNCREATE(CCountingButton, SECCaptionControlMsgFilter)

TEST(CaptionButtons, AHeldPressFiresOnceThroughTheRepeatTimer)
{
    CCaptionHost host;
    ASSERT_TRUE(host.CreateHost(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0));
    host.SetForegroundWindow();
    // Swap the maximise button for a counting one that repeats after 400 ms: long enough for a
    // loaded machine to deliver the press and let the test see the button tracking first.
    SECMsgFilter::Descriptor old(2, (UINT)-1, NULL, 0);
    host.m_pList->ApplyDescriptor(old, FALSE);
    CCountingButton* pButton = static_cast<CCountingButton*>(
        host.m_pList->FindOrCreateFilter(50, RUNTIME_CLASS(CCountingButton), 0));
    ASSERT_NE(nullptr, pButton);
    pButton->SetID(2);
    pButton->SetRepeatInterval(400);
    host.m_pList->LayoutButtons();
    PumpMessages(100);

    const CRect rect = pButton->GetButtonRect();
    CRect rectWindow;
    host.GetWindowRect(&rectWindow);
    MoveMouseTo(rect.CenterPoint() + rectWindow.TopLeft());
    SendLeftButton(true);
    ASSERT_TRUE(PumpUntil([&] { return pButton->IsTracking(); }, 300));
    EXPECT_NE(nullptr, pButton->GetRepeatTimer());
    EXPECT_TRUE(pButton->m_fires.empty());
    EXPECT_TRUE(PumpUntil([&] { return !pButton->m_fires.empty(); }, 3000));
    PumpMessages(600); // past a second repeat, had there been one
    ASSERT_EQ(1u, pButton->m_fires.size());
    EXPECT_EQ((UINT)SECCaptionControlMsgFilter::fireHeld, pButton->m_fires[0]);
    EXPECT_FALSE(pButton->IsTracking());
    EXPECT_EQ(nullptr, pButton->GetRepeatTimer());
    SendLeftButton(false);
    PumpMessages(100);
    // A held press is no click: nothing was posted, not even on the release.
    EXPECT_EQ(1u, pButton->m_fires.size());
    EXPECT_TRUE(host.m_commands.empty());
    host.DestroyWindow();
}
} // namespace
