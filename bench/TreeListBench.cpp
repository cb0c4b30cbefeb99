// Our list and tree against the system's list view and tree view: fill, first paint, repaints
// spread over the content, and (lists) Shift+End from row 0. Then the list view's single
// operations against their targets, each timed to the end of UpdateWindow; sorted insertion
// (TVI_SORT) into both trees, and scrolling (line, page, thumb, wheel) of both lists and both
// trees by the same window messages, each printed as the ratio ours / system's. Run under Xvfb:
//   wine treelist_bench.exe
#include "uilib/treelist/TreeCtrl.h"
#include "uilib/treelist/ListView.h"
#include "WinApp.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace
{
class CBenchApp : public CWinApp
{
  public:
    CBenchApp() : CWinApp(_T("HelvonTreeListBench"))
    {
    }
};
CBenchApp theApp;

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void Repaint(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void ShiftEnd()
{
    INPUT in[4] = {};
    for (INPUT& i : in)
        i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = VK_SHIFT;
    in[1].ki.wVk = VK_END;
    in[1].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    in[2].ki.wVk = VK_END;
    in[2].ki.dwFlags = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;
    in[3].ki.wVk = VK_SHIFT;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(4, in, sizeof(INPUT));
}

struct Result
{
    double fill, firstPaint, repaint, shiftEnd;
};

void Print(const char* what, const Result& r, bool bShiftEnd)
{
    printf("%-34s fill %7.3f s  first paint %7.3f s  repaint %6.1f ms", what, r.fill, r.firstPaint,
           r.repaint * 1000);
    if (bShiftEnd)
        printf("  Shift+End %7.3f s", r.shiftEnd);
    printf("\n");
}

const int kRows = 100000;
const CRect kRect(0, 0, 600, 440);

// The system's list in report mode with kRows rows: a "Name" column and, with bDescriptions, a
// "Beschreibung" column filled too; *pFill gets the time the rows took.
HWND NewSystemList(CWnd* pOwner, UINT nID, bool bDescriptions, double* pFill)
{
    HWND h =
        ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                         600, 440, pOwner->m_hWnd, (HMENU)(UINT_PTR)nID, AfxGetInstanceHandle(), NULL);
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = bDescriptions ? 200 : 300;
    col.pszText = (LPSTR) "Name";
    ::SendMessage(h, LVM_INSERTCOLUMNA, 0, (LPARAM)&col);
    if (bDescriptions)
    {
        col.cx = 300;
        col.pszText = (LPSTR) "Beschreibung";
        ::SendMessage(h, LVM_INSERTCOLUMNA, 1, (LPARAM)&col);
    }
    double t = Now();
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    char buf[64];
    for (int i = 0; i < kRows; ++i)
    {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        wsprintfA(buf, "Item %06d", i);
        item.pszText = buf;
        ::SendMessage(h, LVM_INSERTITEMA, 0, (LPARAM)&item);
        if (!bDescriptions)
            continue;
        wsprintfA(buf, "Beschreibung %d", i);
        item.iSubItem = 1;
        item.pszText = buf;
        ::SendMessage(h, LVM_SETITEMTEXTA, i, (LPARAM)&item);
    }
    ::SendMessage(h, WM_SETREDRAW, TRUE, 0);
    *pFill = Now() - t;
    return h;
}

Result SystemList(CWnd* pOwner)
{
    Result r{};
    HWND h = NewSystemList(pOwner, 1, true, &r.fill);
    double t;
    t = Now();
    Repaint(h);
    r.firstPaint = Now() - t;
    std::vector<double> times;
    for (int k = 0; k < 200; ++k)
    {
        ::SendMessage(h, LVM_ENSUREVISIBLE, (WPARAM)(k * (kRows / 200)), FALSE);
        double t0 = Now();
        Repaint(h);
        times.push_back(Now() - t0);
    }
    r.repaint = Median(times);
    ::SendMessage(h, LVM_ENSUREVISIBLE, 0, FALSE);
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessage(h, LVM_SETITEMSTATE, 0, (LPARAM)&state);
    ::SetFocus(h);
    Pump();
    t = Now();
    ShiftEnd();
    while ((int)::SendMessage(h, LVM_GETSELECTEDCOUNT, 0, 0) < kRows && Now() - t < 120)
    {
        Pump();
        ::Sleep(1);
    }
    r.shiftEnd = Now() - t;
    ::DestroyWindow(h);
    return r;
}

// The view deletes itself when its window goes; here it lives on the stack.
class CBenchListView : public SECListView
{
  public:
    void PostNcDestroy() override
    {
    }
};

template <class TList> Result OurList(CWnd* pOwner)
{
    Result r{};
    TList list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, kRect, pOwner, 2);
    list.AddColumn("Name", LVCFMT_LEFT, 200);
    list.AddColumn("Beschreibung", LVCFMT_LEFT, 300);
    list.SetImmediateUpdate(FALSE);
    double t = Now();
    char buf[64];
    for (int i = 0; i < kRows; ++i)
    {
        wsprintfA(buf, "Item %06d", i);
        list.InsertItem(i, buf);
        wsprintfA(buf, "Beschreibung %d", i);
        list.SetItemText(i, 1, buf);
    }
    r.fill = Now() - t;
    t = Now();
    Repaint(list.m_hWnd);
    r.firstPaint = Now() - t;
    std::vector<double> times;
    for (int k = 0; k < 200; ++k)
    {
        list.SetTopIndex(std::min(k * (kRows / 200), list.GetMaxTopIndex()));
        double t0 = Now();
        Repaint(list.m_hWnd);
        times.push_back(Now() - t0);
    }
    r.repaint = Median(times);
    list.SetTopIndex(0);
    list.DeselectAllItems(-1);
    list.SelectFocusItem(0, TRUE);
    list.SetFocus();
    Pump();
    t = Now();
    ShiftEnd();
    while (list.GetSelectedCount() < kRows && Now() - t < 120)
    {
        Pump();
        ::Sleep(1);
    }
    r.shiftEnd = Now() - t;
    list.DestroyWindow();
    return r;
}

// nTop top-level items with nChildren children each, all expanded.
Result SystemTree(CWnd* pOwner, int nTop, int nChildren)
{
    Result r{};
    HWND h = ::CreateWindowEx(0, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0, 0,
                              600, 440, pOwner->m_hWnd, (HMENU)3, AfxGetInstanceHandle(), NULL);
    double t = Now();
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    char buf[64];
    for (int i = 0; i < nTop; ++i)
    {
        TVINSERTSTRUCTA ins{};
        ins.hParent = TVI_ROOT;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_STATE;
        ins.item.state = ins.item.stateMask = nChildren > 0 ? TVIS_EXPANDED : 0;
        wsprintfA(buf, "Item %06d", i);
        ins.item.pszText = buf;
        HTREEITEM hParent = (HTREEITEM)::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins);
        for (int c = 0; c < nChildren; ++c)
        {
            ins.hParent = hParent;
            ins.item.state = 0;
            wsprintfA(buf, "Kind %d", c);
            ::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins);
        }
    }
    ::SendMessage(h, WM_SETREDRAW, TRUE, 0);
    r.fill = Now() - t;
    t = Now();
    Repaint(h);
    r.firstPaint = Now() - t;
    std::vector<double> times;
    HTREEITEM hItem = (HTREEITEM)::SendMessage(h, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    int nTotal = nTop * (nChildren + 1);
    for (int k = 0; k < 200; ++k)
    {
        ::SendMessage(h, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, (LPARAM)hItem);
        double t0 = Now();
        Repaint(h);
        times.push_back(Now() - t0);
        for (int s = 0; s < nTotal / 200 && hItem != NULL; ++s)
            hItem = (HTREEITEM)::SendMessage(h, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, (LPARAM)hItem);
        if (hItem == NULL)
            break;
    }
    r.repaint = Median(times);
    ::DestroyWindow(h);
    return r;
}

Result OurTree(CWnd* pOwner, int nTop, int nChildren)
{
    Result r{};
    SECTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, pOwner, 4);
    tree.SetImmediateUpdate(FALSE);
    double t = Now();
    char buf[64];
    for (int i = 0; i < nTop; ++i)
    {
        TVINSERTSTRUCTA ins{};
        ins.hParent = TVI_ROOT;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_STATE;
        ins.item.state = ins.item.stateMask = nChildren > 0 ? TVIS_EXPANDED : 0;
        wsprintfA(buf, "Item %06d", i);
        ins.item.pszText = buf;
        HTREEITEM hParent = tree.InsertItem(&ins);
        for (int c = 0; c < nChildren; ++c)
        {
            ins.hParent = hParent;
            ins.item.state = 0;
            wsprintfA(buf, "Kind %d", c);
            tree.InsertItem(&ins);
        }
    }
    r.fill = Now() - t;
    t = Now();
    Repaint(tree.m_hWnd);
    r.firstPaint = Now() - t;
    std::vector<double> times;
    int nRows = tree.GetItemCount();
    for (int k = 0; k < 200; ++k)
    {
        tree.SetTopIndex(std::min(k * (nRows / 200), tree.GetMaxTopIndex()));
        double t0 = Now();
        Repaint(tree.m_hWnd);
        times.push_back(Now() - t0);
    }
    r.repaint = Median(times);
    tree.DestroyWindow();
    return r;
}
// ---- the list view's operations on 100,000 rows, each against its target

// Bytes the program holds in all its heaps.
size_t HeapBytes()
{
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, NULL) + 16);
    heaps.resize(::GetProcessHeaps((DWORD)heaps.size(), heaps.data()));
    size_t nBytes = 0;
    for (HANDLE hHeap : heaps)
    {
        PROCESS_HEAP_ENTRY entry{};
        ::HeapLock(hHeap);
        while (::HeapWalk(hHeap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                nBytes += entry.cbData;
        ::HeapUnlock(hHeap);
    }
    return nBytes;
}

void Verdict(const char* what, double seconds, double limit)
{
    printf("  %-44s %8.1f ms  (target %4.0f ms) %s\n", what, seconds * 1000, limit * 1000,
           seconds <= limit ? "ok" : "TOO SLOW");
}

// Shift held for this thread only while the key is handled: the list asks GetKeyState.
void SendShifted(HWND hWnd, UINT nKey)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE old = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessage(hWnd, WM_KEYDOWN, nKey, 0);
    keys[VK_SHIFT] = old;
    ::SetKeyboardState(keys);
}

void Click(HWND hWnd, CPoint pt)
{
    ::SendMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::SendMessage(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

// The middle of the label of the row shown nBelow rows under the top one.
CPoint RowPoint(SECListView& list, int nBelow)
{
    CRect rc;
    list.GetItemRect(list.GetTopIndex() + nBelow, &rc, LVIR_LABEL);
    return rc.CenterPoint();
}

// The operation timed up to the end of the repaint it caused.
double Timed(SECListView& list, const std::function<void()>& operation)
{
    list.UpdateWindow();
    Pump();
    double t = Now();
    operation();
    list.UpdateWindow();
    return Now() - t;
}

// prepare(k) sets the scene of run k untimed, then operation(k) is timed.
double MedianOfTen(SECListView& list, const std::function<void(int)>& prepare,
                   const std::function<void(int)>& operation)
{
    std::vector<double> times;
    for (int k = 0; k < 10; ++k)
    {
        prepare(k);
        times.push_back(Timed(list, [&] { operation(k); }));
    }
    return Median(times);
}

void ListViewOperations(CWnd* pOwner)
{
    printf("SECListView, three columns, 100,000 rows, one operation each (median of ten):\n");
    size_t nHeapBefore = HeapBytes();
    CBenchListView list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, kRect, pOwner, 5);
    list.AddColumn("Name", LVCFMT_LEFT, 200);
    list.AddColumn("Beschreibung", LVCFMT_LEFT, 250);
    list.AddColumn("Wert", LVCFMT_RIGHT, 100);
    list.SetImmediateUpdate(FALSE);
    HWND h = list.m_hWnd;
    double t = Now();
    char buf[64];
    for (int i = 0; i < kRows; ++i)
    {
        wsprintfA(buf, "Item-%06d", i);
        list.InsertItem(i, buf);
        wsprintfA(buf, "Beschreibung %d", i);
        list.SetItemText(i, 1, buf);
        wsprintfA(buf, "%d", i * 7);
        list.SetItemText(i, 2, buf);
    }
    double fill = Now() - t;
    t = Now();
    Repaint(h);
    Verdict("fill and first paint", fill + Now() - t, 1.0);
    double perRow = (double)(HeapBytes() - nHeapBefore) / kRows;
    printf("  %-44s %8.0f B   (target 1024 B) %s\n", "memory a row", perRow,
           perRow <= 1024 ? "ok" : "TOO MUCH");
    list.SetFocus();

    auto atRow = [&](int nRow) {
        list.DeselectAllItems(-1);
        list.SelectFocusItem(nRow, TRUE);
        list.SetTopIndex(std::min(nRow, list.GetMaxTopIndex()));
    };
    auto key = [&](UINT nKey) { return [&, nKey](int) { ::SendMessage(h, WM_KEYDOWN, nKey, 0); }; };
    Verdict("End",
            MedianOfTen(
                list, [&](int k) { atRow(k * 1000); }, key(VK_END)),
            0.1);
    Verdict("Page Down",
            MedianOfTen(
                list, [&](int k) { atRow(k * 9000); }, key(VK_NEXT)),
            0.1);
    // A drag leaves the bar's track position at the bottom, then the bar reports it.
    Verdict("thumb dragged to the bottom",
            MedianOfTen(
                list, [&](int) { atRow(0); },
                [&](int) {
                    CScrollBar* pBar = list.GetScrollBarCtrl(SB_VERT);
                    HWND hBar = pBar != NULL ? pBar->m_hWnd : NULL;
                    ::SetScrollPos(hBar, SB_CTL, list.GetMaxTopIndex(), FALSE);
                    for (UINT nCode : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL})
                        ::SendMessage(h, WM_VSCROLL, MAKEWPARAM(nCode, 0), (LPARAM)hBar);
                }),
            0.1);
    Verdict("wheel notch",
            MedianOfTen(
                list, [&](int k) { atRow(k * 9000); },
                [&](int) {
                    CRect rc;
                    list.GetWindowRect(&rc);
                    ::SendMessage(h, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-WHEEL_DELTA),
                                  MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
                }),
            0.1);
    Verdict("click",
            MedianOfTen(
                list, [&](int k) { atRow(k * 9000); }, [&](int k) { Click(h, RowPoint(list, 2 + k % 5)); }),
            0.1);
    std::vector<double> shiftEnd, clickAfter;
    int nSelected = 0;
    for (int k = 0; k < 10; ++k)
    {
        atRow(0);
        shiftEnd.push_back(Timed(list, [&] { SendShifted(h, VK_END); }));
        nSelected = list.GetSelectedCount();
        clickAfter.push_back(Timed(list, [&] { Click(h, RowPoint(list, 3)); }));
    }
    Verdict("Shift+End from row 0", Median(shiftEnd), 0.1);
    if (nSelected != kRows)
        printf("  (Shift+End selected %d rows, not all)\n", nSelected);
    Verdict("a click ending that selection", Median(clickAfter), 0.1);
    // Every row starts "Item-0"; the whole name is the last row's alone (a space would select
    // instead of search). Two type-ahead ticks end a search as a pause would.
    Verdict("type-ahead to the last row",
            MedianOfTen(
                list,
                [&](int) {
                    ::SendMessage(h, WM_TIMER, ListTimer::TYPE_AHEAD, 0);
                    ::SendMessage(h, WM_TIMER, ListTimer::TYPE_AHEAD, 0);
                    atRow(0);
                },
                [&](int) {
                    for (const char* p = "Item-099999"; *p != 0; ++p)
                        ::SendMessage(h, WM_CHAR, (BYTE)*p, 0);
                }),
            0.1);
    if (list.GetFocusIndex() != kRows - 1)
        printf("  (type-ahead stopped at row %d)\n", list.GetFocusIndex());
    Verdict("frame resize",
            MedianOfTen(
                list, [&](int k) { atRow(k * 9000); },
                [&](int k) {
                    int d = k % 2 == 0 ? 60 : 0;
                    list.SetWindowPos(NULL, 0, 0, kRect.Width() - d, kRect.Height() - d,
                                      SWP_NOMOVE | SWP_NOZORDER);
                }),
            0.1);
    Verdict("column width change",
            MedianOfTen(
                list, [&](int k) { atRow(k * 9000); }, [&](int k) { list.SetColumnWidth(1, 200 + 10 * k); }),
            0.1);
    t = Now();
    list.DeleteAllItems();
    list.UpdateWindow();
    Verdict("DeleteAllItems", Now() - t, 1.0);
    list.DestroyWindow();
}

// ---- sorted insertion and scrolling, ours against the system's controls

// The texts in a fixed shuffled order, so that sorted insertion lands everywhere.
std::vector<int> InOrder(int n);

std::vector<int> Shuffled(int n)
{
    std::vector<int> v = InOrder(n);
    unsigned seed = 12345;
    for (int i = n - 1; i > 0; --i)
    {
        seed = seed * 1103515245u + 12345u;
        std::swap(v[i], v[(seed >> 8) % (unsigned)(i + 1)]);
    }
    return v;
}

std::vector<int> InOrder(int n)
{
    std::vector<int> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = i;
    return v;
}

// Inserts the texts "Item nnnnnn" of the numbers at the top level through insert (the system's
// tree or ours).
template <class F> void InsertTopLevel(const std::vector<int>& numbers, HTREEITEM hAfter, F insert)
{
    char buf[64];
    for (int i : numbers)
    {
        TVINSERTSTRUCTA ins{};
        ins.hParent = TVI_ROOT;
        ins.hInsertAfter = hAfter;
        ins.item.mask = TVIF_TEXT;
        wsprintfA(buf, "Item %06d", i);
        ins.item.pszText = buf;
        insert(ins);
    }
}

void Ratio(const char* what, double ours, double theirs, double limit = 0)
{
    printf("  %-40s ours %8.2f ms  system %8.2f ms  ratio %5.2f %s", what, ours * 1000, theirs * 1000,
           theirs > 0 ? ours / theirs : 0.0, theirs > 0 && ours > theirs ? "SLOWER" : "ok");
    if (limit > 0)
        printf("  (target %3.0f ms) %s", limit * 1000, ours <= limit ? "ok" : "TOO SLOW");
    printf("\n");
}

double SystemSortedInsert(CWnd* pOwner, int n)
{
    HWND h = ::CreateWindowEx(0, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0, 0,
                              600, 440, pOwner->m_hWnd, (HMENU)6, AfxGetInstanceHandle(), NULL);
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    double t = Now();
    InsertTopLevel(Shuffled(n), TVI_SORT,
                   [h](TVINSERTSTRUCTA& ins) { ::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins); });
    double took = Now() - t;
    ::DestroyWindow(h);
    return took;
}

double OurSortedInsert(CWnd* pOwner, int n)
{
    SECTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, pOwner, 7);
    tree.SetImmediateUpdate(FALSE);
    double t = Now();
    InsertTopLevel(Shuffled(n), TVI_SORT, [&](TVINSERTSTRUCTA& ins) { tree.InsertItem(&ins); });
    double took = Now() - t;
    HTREEITEM hFirst = tree.GetRootItem();
    if (hFirst == NULL || tree.GetItemText(hFirst) != "Item 000000")
        printf("  (our sorted tree does not start with the smallest text)\n");
    tree.DestroyWindow();
    return took;
}

// One control's scrolling, driven by window messages only: the bar that carries the thumb and
// the top row as the control reports it.
struct Scroller
{
    HWND hWnd;
    HWND hBar; // the scroll-bar control, or NULL for the window's own bar
    std::function<int()> top;
};

void ThumbTo(const Scroller& s, int nRow)
{
    if (s.hBar != NULL)
        ::SetScrollPos(s.hBar, SB_CTL, nRow, FALSE);
    else
        ::SetScrollPos(s.hWnd, SB_VERT, nRow, FALSE);
    for (UINT nCode : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL})
        ::SendMessage(s.hWnd, WM_VSCROLL, MAKEWPARAM(nCode, nRow), (LPARAM)s.hBar);
}

// Median of 20 of one interaction, each from a top row spread over the content, timed to the end
// of the repaint.
double ScrollTime(const Scroller& s, const std::function<void(int)>& operation)
{
    std::vector<double> times;
    for (int k = 0; k < 20; ++k)
    {
        ThumbTo(s, 1000 + k * 1400);
        ::UpdateWindow(s.hWnd);
        Pump();
        double t = Now();
        operation(k);
        ::UpdateWindow(s.hWnd);
        times.push_back(Now() - t);
    }
    return Median(times);
}

struct ScrollTimes
{
    double line, page, thumb, wheel;
};

ScrollTimes TimeScrolling(const Scroller& s)
{
    ScrollTimes r{};
    r.line = ScrollTime(s, [&](int) { ::SendMessage(s.hWnd, WM_VSCROLL, SB_LINEDOWN, (LPARAM)s.hBar); });
    r.page = ScrollTime(s, [&](int) { ::SendMessage(s.hWnd, WM_VSCROLL, SB_PAGEDOWN, (LPARAM)s.hBar); });
    // Positions stay below 32,768: the system tree reads the thumb from the message's signed word.
    r.thumb = ScrollTime(s, [&](int k) { ThumbTo(s, 30000 - k * 700); });
    if (s.top() != 30000 - 19 * 700)
        r.thumb = -1; // the control takes no thumb position from a message outside a drag
    r.wheel = ScrollTime(s, [&](int) {
        CRect rc;
        ::GetWindowRect(s.hWnd, &rc);
        ::SendMessage(s.hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-WHEEL_DELTA),
                      MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    });
    return r;
}

void PrintScrolling(const char* what, const ScrollTimes& ours, const ScrollTimes& theirs)
{
    printf("%s, 100,000 rows, scrolling (median of 20, to the end of UpdateWindow):\n", what);
    Ratio("line down", ours.line, theirs.line, 0.1);
    Ratio("page down", ours.page, theirs.page, 0.1);
    if (theirs.thumb < 0 || ours.thumb < 0)
        printf("  %-40s (%s control takes no thumb position from a message outside a drag)\n", "thumb",
               theirs.thumb < 0 ? "the system's" : "our");
    else
        Ratio("thumb", ours.thumb, theirs.thumb, 0.1);
    Ratio("wheel notch", ours.wheel, theirs.wheel, 0.1);
}

HWND BarOf(CWnd& wnd)
{
    CScrollBar* pBar = wnd.GetScrollBarCtrl(SB_VERT);
    return pBar != NULL ? pBar->m_hWnd : NULL;
}

void ScrollingAgainstTheSystem(CWnd* pOwner)
{
    char buf[64];
    // Lists.
    double fill;
    HWND h = NewSystemList(pOwner, 8, false, &fill);
    ScrollTimes theirs =
        TimeScrolling({h, NULL, [h] { return (int)::SendMessage(h, LVM_GETTOPINDEX, 0, 0); }});
    ::DestroyWindow(h);
    {
        SECListCtrl list;
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, kRect, pOwner, 9);
        list.AddColumn("Name", LVCFMT_LEFT, 300);
        list.SetImmediateUpdate(FALSE);
        for (int i = 0; i < kRows; ++i)
        {
            wsprintfA(buf, "Item %06d", i);
            list.InsertItem(i, buf);
        }
        list.RecalcLayout(); // makes the scroll bar
        ScrollTimes ours = TimeScrolling({list.m_hWnd, BarOf(list), [&] { return list.GetTopIndex(); }});
        PrintScrolling("SECListCtrl against the system list", ours, theirs);
        list.DestroyWindow();
    }
    // Trees.
    h = ::CreateWindowEx(0, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0, 0, 600,
                         440, pOwner->m_hWnd, (HMENU)10, AfxGetInstanceHandle(), NULL);
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    InsertTopLevel(InOrder(kRows), TVI_LAST,
                   [h](TVINSERTSTRUCTA& ins) { ::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins); });
    ::SendMessage(h, WM_SETREDRAW, TRUE, 0);
    theirs = TimeScrolling({h, NULL, [h] {
                                // The top row's index: count the visible items before it.
                                HTREEITEM hTop =
                                    (HTREEITEM)::SendMessage(h, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0);
                                TVITEMA item{};
                                item.mask = TVIF_TEXT;
                                item.hItem = hTop;
                                char text[32] = "";
                                item.pszText = text;
                                item.cchTextMax = sizeof(text);
                                ::SendMessage(h, TVM_GETITEMA, 0, (LPARAM)&item);
                                return atoi(text + 5);
                            }});
    ::DestroyWindow(h);
    {
        SECTreeCtrl tree;
        tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, pOwner, 11);
        tree.SetImmediateUpdate(FALSE);
        InsertTopLevel(InOrder(kRows), TVI_LAST, [&](TVINSERTSTRUCTA& ins) { tree.InsertItem(&ins); });
        tree.RecalcLayout();
        ScrollTimes ours = TimeScrolling({tree.m_hWnd, BarOf(tree), [&] { return tree.GetTopIndex(); }});
        PrintScrolling("SECTreeCtrl against the system tree", ours, theirs);
        tree.DestroyWindow();
    }
}

void SortedInsertionAgainstTheSystem(CWnd* pOwner)
{
    printf("TVI_SORT insertion of shuffled texts at the top level:\n");
    for (int n : {2000, 5000, 10000})
    {
        char what[64];
        sprintf(what, "%d items", n);
        Ratio(what, OurSortedInsert(pOwner, n), SystemSortedInsert(pOwner, n));
    }
}
} // namespace

// With an argument only that part runs: "lists", "trees", "sort" or "scroll".
int main(int argc, char** argv)
{
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    auto runs = [&](const char* part) { return argc < 2 || strcmp(argv[1], part) == 0; };
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                   "Messung", WS_POPUP | WS_VISIBLE, CRect(0, 0, 600, 440), NULL, 0);
    ::SetForegroundWindow(owner.m_hWnd);
    Pump();
    if (runs("lists"))
    {
        Print("system list, 100,000 rows", SystemList(&owner), true);
        Print("SECListCtrl, 100,000 rows", OurList<SECListCtrl>(&owner), true);
        Print("SECListView, 100,000 rows", OurList<CBenchListView>(&owner), true);
        ListViewOperations(&owner);
    }
    if (runs("trees"))
    {
        Print("system tree, 1,000 x 99 expanded", SystemTree(&owner, 1000, 99), false);
        Print("SECTreeCtrl, 1,000 x 99 expanded", OurTree(&owner, 1000, 99), false);
        Print("system tree, 100,000 top-level", SystemTree(&owner, 100000, 0), false);
        Print("SECTreeCtrl, 100,000 top-level", OurTree(&owner, 100000, 0), false);
    }
    if (runs("sort"))
        SortedInsertionAgainstTheSystem(&owner);
    if (runs("scroll"))
        ScrollingAgainstTheSystem(&owner);
    owner.DestroyWindow();
    return 0;
}
