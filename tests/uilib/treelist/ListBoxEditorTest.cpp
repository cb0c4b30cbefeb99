// The list-box editor on a real list box: layout, the placeholder, in-place editing by keys and
// clicks, the title-bar buttons, moving entries, and drag reordering with its timing.
#include "TestSupport.h"
#include "TreeListTestApp.h"
#include "uilib/treelist/ListBoxEditor.h"
#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace testing_support;

namespace
{

const UINT kListID = 500;
const UINT kAfterID = 501;

// The dialog-like parent: a list box, an edit after it, and a log of the list's WM_COMMAND codes.
class CEditorHost : public CWnd
{
  public:
    CEditorHost(int nListHeight = 200)
    {
        CreateEx(WS_EX_CONTROLPARENT,
                 AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)), "Editor",
                 WS_POPUP | WS_VISIBLE | WS_CAPTION, CRect(60, 60, 460, 460), NULL, 0);
        HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        m_hList = ::CreateWindowEx(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                                       LBS_NOINTEGRALHEIGHT,
                                   20, 20, 220, nListHeight, m_hWnd, (HMENU)(INT_PTR)kListID, NULL, NULL);
        ::SendMessage(m_hList, WM_SETFONT, (WPARAM)hFont, FALSE);
        m_hAfter = ::CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "after", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                    260, 20, 100, 22, m_hWnd, (HMENU)(INT_PTR)kAfterID, NULL, NULL);
        ::SetForegroundWindow(m_hWnd);
    }
    ~CEditorHost() override
    {
        DestroyWindow();
    }
    void Fill(std::initializer_list<const char*> entries)
    {
        for (const char* entry : entries)
            ::SendMessage(m_hList, LB_ADDSTRING, 0, (LPARAM)entry);
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        int nCount = (int)::SendMessage(m_hList, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < nCount; ++i)
        {
            char sz[256] = {};
            ::SendMessage(m_hList, LB_GETTEXT, i, (LPARAM)sz);
            entries.push_back(sz);
        }
        return entries;
    }
    int Selection() const
    {
        return (int)::SendMessage(m_hList, LB_GETCURSEL, 0, 0);
    }
    int Count(UINT nCode) const
    {
        int n = 0;
        for (UINT c : m_codes)
            n += c == nCode;
        return n;
    }

    HWND m_hList;
    HWND m_hAfter;
    std::vector<UINT> m_codes;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kListID && (HWND)lParam == m_hList)
            m_codes.push_back(HIWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

using Entries = std::vector<std::string>;

CPoint EntryCentre(SECListBoxEditor& editor, int nIndex)
{
    CRect rc;
    editor.GetListBox()->GetItemRect(nIndex, &rc);
    return rc.CenterPoint();
}

// Real mouse input from a second thread, since the drag runs its own loop on this one.
void SendMouseAt(POINT screen, DWORD dwButtonFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | dwButtonFlags;
    ::SendInput(1, &in, sizeof(INPUT));
}

struct Step
{
    POINT screen;
    DWORD dwButtons;
    DWORD dwSleepMs; // after the step
    WORD vk;         // a key pressed instead, when not 0
};

// Runs the steps on a second thread while this one pumps; the drag starts on the first press.
void RunInput(std::vector<Step> steps, HWND hTop)
{
    std::atomic<bool> bDone(false);
    std::thread input([&] {
        for (const Step& s : steps)
        {
            if (s.vk != 0)
            {
                INPUT in[2] = {};
                in[0].type = in[1].type = INPUT_KEYBOARD;
                in[0].ki.wVk = in[1].ki.wVk = s.vk;
                in[1].ki.dwFlags = KEYEVENTF_KEYUP;
                ::SendInput(2, in, sizeof(INPUT));
            }
            else
                SendMouseAt(s.screen, s.dwButtons);
            ::Sleep(s.dwSleepMs);
        }
        bDone = true;
    });
    PumpUntil([&] { return bDone.load(); }, 20000);
    input.join();
    (void)hTop;
    PumpMessages(100);
}

POINT ToScreen(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    return pt;
}

} // namespace

TEST(ListBoxEditor, CreateSplitsTheListAndPlacesTheEnabledButtonsFromTheRight)
{
    CEditorHost host;
    host.Fill({"Alpha", "Beta"});
    SECListBoxEditor editor;
    ASSERT_FALSE(editor.Create(&host, 4711, LBE_BUTTONS));
    ASSERT_TRUE(editor.Create(&host, kListID,
                              LBE_BUTTONS | LBE_NEWBUTTON | LBE_DELBUTTON | LBE_UPBUTTON | LBE_DOWNBUTTON));
    PumpMessages(50);
    EXPECT_EQ((Entries{"Alpha", "Beta", ""}), host.Entries());
    EXPECT_EQ(1, host.Count(LBE_SELCHANGE));
    CRect rcEditor, rcList;
    editor.GetWindowRect(&rcEditor);
    ::GetWindowRect(host.m_hList, &rcList);
    host.ScreenToClient(&rcEditor);
    host.ScreenToClient(&rcList);
    EXPECT_EQ(CRect(20, 20, 240, 20 + editor.GetTitleHeight()), rcEditor);
    EXPECT_EQ(rcEditor.bottom + 2 * ::GetSystemMetrics(SM_CYBORDER), rcList.top);
    EXPECT_EQ(220, rcList.bottom);
    EXPECT_GE(editor.GetTitleHeight(), 16 + 2);
    CRect rcClient;
    editor.GetClientRect(&rcClient);
    int x = rcClient.right;
    for (int i = SECListBoxEditor::btnCount - 1; i >= 0; --i)
    {
        EXPECT_EQ(x, editor.GetButtonRect(SECListBoxEditor::Button(i)).right) << i;
        EXPECT_EQ(16, editor.GetButtonRect(SECListBoxEditor::Button(i)).Width()) << i;
        x -= 16;
    }

    // Disabled buttons take no room.
    CEditorHost other;
    SECListBoxEditor two;
    ASSERT_TRUE(two.Create(&other, kListID, LBE_BUTTONS | LBE_NEWBUTTON | LBE_UPBUTTON | LBE_NOPLACEHOLDER));
    EXPECT_TRUE(other.Entries().empty());
    two.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.right, two.GetButtonRect(SECListBoxEditor::btnUp).right);
    EXPECT_EQ(rcClient.right - 16, two.GetButtonRect(SECListBoxEditor::btnNew).right);
    EXPECT_TRUE(two.GetButtonRect(SECListBoxEditor::btnDelete).IsRectEmpty());
    EXPECT_FALSE(two.IsButtonEnabled(SECListBoxEditor::btnDown));
}

TEST(ListBoxEditor, TypingIntoThePlaceholderAddsAnEntryAndANewPlaceholder)
{
    CEditorHost host;
    host.Fill({"Alpha", "Beta"});
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Create(&host, kListID, LBE_AUTOEDIT | LBE_SHORTCUTS));
    ActivateAndFocus(&host, editor.GetListBox());
    editor.GetListBox()->SetCurSel(2);
    TypeChars("G");
    ASSERT_TRUE(editor.GetEdit() != NULL);
    TypeChars("amma");
    Key(VK_RETURN);
    EXPECT_TRUE(editor.GetEdit() == NULL);
    EXPECT_EQ((Entries{"Alpha", "Beta", "Gamma", ""}), host.Entries());
    EXPECT_EQ(0, host.Count(LBE_DELETED));

    // The placeholder can be neither deleted nor moved.
    EXPECT_FALSE(editor.DeleteEntry(3));
    editor.GetListBox()->SetCurSel(3);
    EXPECT_FALSE(editor.MoveUp());
    EXPECT_EQ(4u, host.Entries().size());
}

TEST(ListBoxEditor, ClearingAnEntrysTextDeletesItAndEscapeDropsANewEntry)
{
    CEditorHost host;
    host.Fill({"Alpha", "Beta", "Gamma"});
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Create(&host, kListID, LBE_SHORTCUTS));
    ActivateAndFocus(&host, editor.GetListBox());
    DoubleClick(editor.GetListBox(), EntryCentre(editor, 1));
    ASSERT_TRUE(editor.GetEdit() != NULL);
    Key(VK_DELETE); // the whole text is selected
    Key(VK_RETURN);
    EXPECT_EQ((Entries{"Alpha", "Gamma", ""}), host.Entries());
    EXPECT_EQ(1, host.Count(LBE_DELETED));
    EXPECT_EQ(1, editor.GetLastIndex());

    // A changed text stays.
    DoubleClick(editor.GetListBox(), EntryCentre(editor, 0));
    ASSERT_TRUE(editor.GetEdit() != NULL);
    TypeChars("Omega");
    Key(VK_RETURN);
    EXPECT_EQ((Entries{"Omega", "Gamma", ""}), host.Entries());

    // Insert opens a new entry before the placeholder; Escape removes it again.
    editor.GetListBox()->SetCurSel(1);
    host.m_codes.clear();
    Key(VK_INSERT);
    ASSERT_TRUE(editor.GetEdit() != NULL);
    EXPECT_EQ(4u, host.Entries().size());
    TypeChars("neu");
    Key(VK_ESCAPE);
    EXPECT_TRUE(editor.GetEdit() == NULL);
    EXPECT_EQ((Entries{"Omega", "Gamma", ""}), host.Entries());
    EXPECT_EQ(1, host.Selection());
    EXPECT_EQ(0, host.Count(LBE_DELETED));
    EXPECT_EQ(0, host.Count(LBE_MOVED));

    // Insert, a name and Enter keep it.
    Key(VK_INSERT);
    TypeChars("Neu");
    Key(VK_RETURN);
    EXPECT_EQ((Entries{"Omega", "Gamma", "Neu", ""}), host.Entries());
    // An Up key in the edit commits it and moves the selection.
    DoubleClick(editor.GetListBox(), EntryCentre(editor, 1));
    TypeChars("Delta");
    Key(VK_UP);
    PumpMessages(50);
    EXPECT_EQ((Entries{"Omega", "Delta", "Neu", ""}), host.Entries());
    EXPECT_EQ(0, host.Selection());
}

TEST(ListBoxEditor, MovingEntriesStopsAtTheEndsAndReportsTheMove)
{
    CEditorHost host;
    host.Fill({"A", "B", "C"});
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Create(&host, kListID, LBE_SHORTCUTS));
    CListBox* pList = editor.GetListBox();
    struct
    {
        int nSelect;
        bool bUp;
        BOOL bMoved;
    } cases[] = {{0, true, FALSE}, {2, false, FALSE}, {3, true, FALSE}, {3, false, FALSE}};
    for (const auto& c : cases)
    {
        pList->SetCurSel(c.nSelect);
        EXPECT_EQ(c.bMoved, c.bUp ? editor.MoveUp() : editor.MoveDown()) << c.nSelect;
    }
    EXPECT_EQ(0, host.Count(LBE_MOVED));
    ActivateAndFocus(&host, pList);
    pList->SetCurSel(0);
    Key(VK_DOWN, {VK_MENU});
    EXPECT_EQ((Entries{"B", "A", "C", ""}), host.Entries());
    EXPECT_EQ(1, host.Selection());
    EXPECT_EQ(1, host.Count(LBE_MOVED));
    EXPECT_EQ(0, editor.GetLastIndex());
    EXPECT_EQ(1, editor.GetMoveTarget());
    Key(VK_UP, {VK_MENU});
    EXPECT_EQ((Entries{"A", "B", "C", ""}), host.Entries());
    Key(VK_DELETE);
    EXPECT_EQ((Entries{"B", "C", ""}), host.Entries());
    EXPECT_EQ(0, host.Selection());
}

TEST(ListBoxEditor, TitleButtonsActOnlyWhenReleasedOverThem)
{
    CEditorHost host;
    host.Fill({"A", "B"});
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Create(&host, kListID,
                              LBE_BUTTONS | LBE_NEWBUTTON | LBE_DELBUTTON | LBE_UPBUTTON | LBE_DOWNBUTTON));
    editor.SetWindowText("Namen");
    editor.GetListBox()->SetCurSel(0);
    CPoint ptDelete = editor.GetButtonRect(SECListBoxEditor::btnDelete).CenterPoint();
    CInputScript(&editor).Move(ptDelete).Down().Move(CPoint(ptDelete.x, ptDelete.y + 80)).Up().Send(200);
    EXPECT_EQ((Entries{"A", "B", ""}), host.Entries());
    ::Sleep(::GetDoubleClickTime() + 50); // a new press, not a double click
    Click(&editor, ptDelete);
    PumpMessages(100);
    EXPECT_EQ((Entries{"B", ""}), host.Entries());
    EXPECT_EQ(1, host.Count(LBE_DELETED));
    ::Sleep(::GetDoubleClickTime() + 50);
    Click(&editor, editor.GetButtonRect(SECListBoxEditor::btnNew).CenterPoint());
    PumpMessages(100);
    ASSERT_TRUE(editor.GetEdit() != NULL);
    EXPECT_EQ(3u, host.Entries().size());
}

TEST(ListBoxEditor, DraggingMovesAnEntryBeforeThePlaceholderUnlessQuickOrCancelled)
{
    CEditorHost host;
    host.Fill({"A", "B", "C", "D"});
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Create(&host, kListID, LBE_DRAGGABLE));
    CListBox* pList = editor.GetListBox();
    CRect rcLast;
    pList->GetItemRect(3, &rcLast);
    POINT from = ToScreen(pList, EntryCentre(editor, 0));
    POINT lowerHalf = ToScreen(pList, CPoint(rcLast.CenterPoint().x, rcLast.bottom - 2));

    // Released within 250 ms, or cancelled with Escape: nothing moves.
    RunInput(
        {{from, MOUSEEVENTF_LEFTDOWN, 30, 0}, {lowerHalf, 0, 30, 0}, {lowerHalf, MOUSEEVENTF_LEFTUP, 50, 0}},
        host.m_hWnd);
    EXPECT_EQ((Entries{"A", "B", "C", "D", ""}), host.Entries());
    ::Sleep(::GetDoubleClickTime() + 50);
    RunInput({{from, MOUSEEVENTF_LEFTDOWN, 50, 0},
              {lowerHalf, 0, 350, 0},
              {lowerHalf, 0, 50, VK_ESCAPE},
              {lowerHalf, MOUSEEVENTF_LEFTUP, 50, 0}},
             host.m_hWnd);
    EXPECT_EQ((Entries{"A", "B", "C", "D", ""}), host.Entries());
    EXPECT_EQ(0, host.Count(LBE_MOVED));

    ::Sleep(::GetDoubleClickTime() + 50);
    RunInput(
        {{from, MOUSEEVENTF_LEFTDOWN, 50, 0}, {lowerHalf, 0, 350, 0}, {lowerHalf, MOUSEEVENTF_LEFTUP, 50, 0}},
        host.m_hWnd);
    EXPECT_EQ((Entries{"B", "C", "D", "A", ""}), host.Entries());
    EXPECT_EQ(3, host.Selection());
    EXPECT_EQ(1, host.Count(LBE_MOVED));
    EXPECT_EQ(0, editor.GetLastIndex());
    EXPECT_EQ(3, editor.GetMoveTarget());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST(ListBoxEditor, HoldingTheCursorBelowTheListScrollsFasterAndFaster)
{
    CEditorHost host(120);
    for (int i = 0; i < 60; ++i)
        ::SendMessage(host.m_hList, LB_ADDSTRING, 0, (LPARAM)("Eintrag " + std::to_string(i)).c_str());
    SECListBoxEditor editor;
    ASSERT_TRUE(editor.Create(&host, kListID, LBE_DRAGGABLE | LBE_NOPLACEHOLDER));
    CListBox* pList = editor.GetListBox();
    CRect rcClient;
    pList->GetClientRect(&rcClient);
    POINT from = ToScreen(pList, EntryCentre(editor, 0));
    POINT inside = ToScreen(pList, CPoint(rcClient.CenterPoint().x, rcClient.bottom - 5));
    POINT below = ToScreen(pList, CPoint(rcClient.CenterPoint().x, rcClient.bottom + 15));

    // The steps are timed in the list's own thread, as the drag loop scrolls it; the input thread
    // notes when the cursor leaves the list.
    static std::vector<double> s_steps;
    static std::atomic<int> s_stepCount;
    static WNDPROC s_listProc = NULL;
    // A message posted to the list now and then tells how late its thread gets to its queue.
    static const UINT kProbe = WM_APP + 7;
    static std::atomic<double> s_probeSent, s_maxLate;
    static std::atomic<bool> s_probeOut;
    s_steps.clear();
    s_stepCount = 0;
    s_maxLate = 0;
    s_probeOut = false;
    HWND hList = pList->m_hWnd;
    s_listProc = (WNDPROC)::SetWindowLongPtrA(
        hList, GWLP_WNDPROC, (LONG_PTR)(WNDPROC)[](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == kProbe)
            {
                s_maxLate = std::max(s_maxLate.load(), (double)NowMs() - s_probeSent);
                s_probeOut = false;
                return (LRESULT)0;
            }
            if (message == LB_SETTOPINDEX &&
                (LRESULT)wParam != ::CallWindowProcA(s_listProc, hWnd, LB_GETTOPINDEX, 0, 0))
            {
                s_steps.push_back((double)NowMs());
                ++s_stepCount;
            }
            return ::CallWindowProcA(s_listProc, hWnd, message, wParam, lParam);
        });
    std::atomic<bool> bDone(false);
    double firstOut = 0, backIn = 0, secondOut = 0;
    // Sleeps that keep probing the list's thread, and note how late this thread wakes: the
    // load the steps are timed under.
    auto sleepNoting = [&](DWORD ms) {
        const double start = (double)NowMs();
        for (double now = start; now - start < ms; now = (double)NowMs())
        {
            if (!s_probeOut)
            {
                s_probeOut = true;
                s_probeSent = (double)NowMs();
                ::PostMessage(hList, kProbe, 0, 0);
            }
            const DWORD nSleep = (DWORD)std::min(5.0, ms - (now - start));
            ::Sleep(nSleep);
            s_maxLate = std::max(s_maxLate.load(), (double)NowMs() - now - nSleep);
        }
    };
    // A move that takes long to queue counts as late as well.
    auto moveNoting = [&](POINT screen) {
        const double before = (double)NowMs();
        SendMouseAt(screen, 0);
        s_maxLate = std::max(s_maxLate.load(), (double)NowMs() - before);
    };
    const DWORD listThread = ::GetCurrentThreadId();
    std::thread input([&] {
        SendMouseAt(from, MOUSEEVENTF_LEFTDOWN);
        // The drag loop takes the capture when it sees the press, late on a loaded machine; its
        // minimum drag time counts from then.
        GUITHREADINFO gui = {};
        const DWORD startPress = ::GetTickCount();
        for (;;)
        {
            gui.cbSize = sizeof gui;
            if ((::GetGUIThreadInfo(listThread, &gui) && gui.hwndCapture != NULL) ||
                ::GetTickCount() - startPress > 5000)
                break;
            ::Sleep(5);
        }
        ::Sleep(60);
        SendMouseAt(inside, 0);
        sleepNoting(300); // past the minimum drag time, still inside
        firstOut = (double)NowMs();
        moveNoting(below);
        // Eight steps take 1.15 s; a loaded machine delays each a little, so stay below until
        // they are all in rather than for a fixed time.
        const DWORD startWait = ::GetTickCount();
        while (s_stepCount < 8 && ::GetTickCount() - startWait < 6000)
            sleepNoting(5);
        ::Sleep(20);
        moveNoting(inside);
        backIn = (double)NowMs();
        sleepNoting(100);
        secondOut = (double)NowMs();
        moveNoting(below);
        sleepNoting(400);
        SendMouseAt(below, MOUSEEVENTF_LEFTUP);
        bDone = true;
    });
    PumpUntil([&] { return bDone.load(); }, 20000);
    input.join();
    PumpMessages(100);
    ::SetWindowLongPtrA(hList, GWLP_WNDPROC, (LONG_PTR)s_listProc);

    // Intervals between the cursor leaving the list (or the previous step) and each step.
    std::vector<double> first, second;
    for (std::vector<double>* pList2 : {&first, &second})
    {
        const bool bFirst = pList2 == &first;
        double last = bFirst ? firstOut : secondOut;
        for (double t : s_steps)
            if (bFirst ? t < backIn : t > secondOut)
            {
                pList2->push_back(t - last);
                last = t;
            }
    }
    // Never early; late by the loop's wait and by what the load delays a thread.
    const double expected[] = {300, 250, 200, 150, 100, 50, 50, 50};
    const double maxLate = s_maxLate;
    ASSERT_GE(first.size(), 8u);
    for (size_t i = 0; i < 8; ++i)
    {
        EXPECT_GE(first[i], expected[i] - 20) << i;
        EXPECT_LE(first[i], expected[i] + 90 + maxLate)
            << i << ", threads woke up to " << maxLate << " ms late";
    }
    ASSERT_GE(second.size(), 1u);
    EXPECT_GE(second[0], 280.0);
    EXPECT_LE(second[0], 390.0 + maxLate);
}
