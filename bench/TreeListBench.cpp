// Our list and tree against the system's list view and tree view at 100,000 rows, side by side in
// one run: fill, first paint, repaints spread over the content, Shift+End; the list view's single
// operations (End, Page Down, clicks, type-ahead, resizes, deleting everything), each timed to the
// end of UpdateWindow; scrolling (line, page, thumb, wheel) of both lists and both trees by the
// same window messages; sorted insertion (TVI_SORT) of 100,000 items into both trees. Every
// measurement is taken in five rounds; the medians are printed with their ratio ours / system's.
// An operation passes when ours takes no longer than the system's and, unless it is the sorted
// insertion, at most 100 ms; a system peer that did not run fails it. The exit code is the number
// of failures. Run under Xvfb:
//   wine treelist_bench.exe [lists|trees|scroll|sort [rounds]]
#include "BenchSupport.h"
#include "uilib/treelist/ListView.h"
#include "uilib/treelist/TreeCtrl.h"
#include "WinApp.h"
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

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

const int kRows = 100000;
const int kRounds = 5; // a second argument asks for fewer while trying something out
const double kGoal = 0.1;
const CRect kRect(0, 0, 600, 440);

// ---- the results: one row per operation, five samples each side

struct Row
{
    std::string what;
    std::vector<double> ours, theirs; // a negative sample: that side did not run
    double limit;                     // 0: only against the system
};
std::vector<Row> g_rows;

void Record(const std::string& what, double ours, double theirs, double limit = kGoal)
{
    for (Row& r : g_rows)
        if (r.what == what)
        {
            r.ours.push_back(ours);
            r.theirs.push_back(theirs);
            return;
        }
    g_rows.push_back(Row{what, {ours}, {theirs}, limit});
}

bool AllRan(const std::vector<double>& v)
{
    return !v.empty() && std::all_of(v.begin(), v.end(), [](double d) { return d >= 0; });
}

// The machine is shared: its load goes with the timings (Wine shows the host's files on Z:).
void PrintLoad(const char* when)
{
    char text[128] = "";
    if (FILE* f = fopen("Z:\\proc\\loadavg", "r"))
    {
        if (fgets(text, sizeof(text), f) == NULL)
            text[0] = 0;
        fclose(f);
    }
    printf("load average %s: %s%s", when, text[0] != 0 ? text : "unknown", text[0] != 0 ? "" : "\n");
}

int Report()
{
    int nFailed = 0;
    printf("\n%-46s %10s %10s %6s\n", "median of five", "ours ms", "system ms", "ratio");
    for (const Row& r : g_rows)
    {
        const bool bPeer = AllRan(r.theirs), bOurs = AllRan(r.ours);
        const double ours = BenchMedian(r.ours), theirs = BenchMedian(r.theirs);
        std::string verdict = "ok";
        if (!bPeer)
            verdict = "FAIL: the system's control did not run";
        else if (!bOurs)
            verdict = "FAIL: ours did not run";
        else if (ours > theirs)
            verdict = "FAIL: slower than the system's";
        else if (r.limit > 0 && ours > r.limit)
            verdict = "FAIL: above 100 ms";
        nFailed += verdict != "ok";
        printf("%-46s %10.2f %10.2f %6.2f  %s\n", r.what.c_str(), ours * 1000, theirs * 1000,
               theirs > 0 ? ours / theirs : 0.0, verdict.c_str());
    }
    printf("%d of %d operations failed\n", nFailed, (int)g_rows.size());
    return nFailed;
}

// ---- input and timing

// The whole control as an uncovered window repaints it, scroll bars included: the system's
// controls keep theirs in the frame, ours are child windows.
void Repaint(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The operation timed up to the end of the repaint it caused.
double Timed(HWND hWnd, const std::function<void()>& operation)
{
    ::UpdateWindow(hWnd);
    BenchPump();
    double t = BenchNow();
    operation();
    ::UpdateWindow(hWnd);
    return BenchNow() - t;
}

// prepare(k) sets the scene of run k untimed, then operation(k) is timed; the median of ten. With
// a check, a run that did not end where it should is tried again, up to three times: a scheduler
// that stalls the control for a moment is not the control failing. Still failing: -1.
double MedianOfTen(HWND hWnd, const std::function<void(int)>& prepare,
                   const std::function<void(int)>& operation, const std::function<bool()>& done = nullptr)
{
    std::vector<double> times;
    for (int k = 0; k < 10; ++k)
    {
        double t = -1;
        for (int nTry = 0; nTry < 3 && t < 0; ++nTry)
        {
            prepare(k);
            t = Timed(hWnd, [&] { operation(k); });
            if (done && !done())
                t = -1;
        }
        if (t < 0)
            return -1;
        times.push_back(t);
    }
    return BenchMedian(times);
}

// Shift held for this thread only while the key is handled: both lists ask GetKeyState.
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

// ---- a list under test, ours or the system's, driven the same way

struct ListUnderTest
{
    HWND hWnd = NULL;
    double fill = -1;
    std::function<int()> top, focus, selectedCount;
    std::function<void(int)> atRow;            // the only row selected and focused, at the top
    std::function<CPoint(int)> rowPoint;       // the label of the row shown n rows below the top
    std::function<void(int, int)> columnWidth; // column, width
    std::function<void()> resetTypeAhead;      // ends a search as a pause would
    std::function<void()> deleteAll;
};

// The system's list in report mode with kRows rows and the columns given ("Name" first).
ListUnderTest SystemList(CWnd* pOwner, UINT nID, std::initializer_list<int> widths)
{
    ListUnderTest l;
    HWND h = ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0,
                              0, kRect.Width(), kRect.Height(), pOwner->m_hWnd, (HMENU)(UINT_PTR)nID,
                              AfxGetInstanceHandle(), NULL);
    l.hWnd = h;
    const char* names[] = {"Name", "Beschreibung", "Wert"};
    int nCol = 0;
    for (int cx : widths)
    {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.fmt = nCol == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        col.cx = cx;
        col.pszText = (LPSTR)names[nCol];
        ::SendMessage(h, LVM_INSERTCOLUMNA, nCol++, (LPARAM)&col);
    }
    double t = BenchNow();
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    char buf[64];
    for (int i = 0; i < kRows; ++i)
    {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        wsprintfA(buf, "Item-%06d", i);
        item.pszText = buf;
        ::SendMessage(h, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int c = 1; c < nCol; ++c)
        {
            if (c == 1)
                wsprintfA(buf, "Beschreibung %d", i);
            else
                wsprintfA(buf, "%d", i * 7);
            item.iSubItem = c;
            item.pszText = buf;
            ::SendMessage(h, LVM_SETITEMTEXTA, i, (LPARAM)&item);
        }
    }
    ::SendMessage(h, WM_SETREDRAW, TRUE, 0);
    l.fill = BenchNow() - t;
    l.top = [h] { return (int)::SendMessage(h, LVM_GETTOPINDEX, 0, 0); };
    l.focus = [h] { return (int)::SendMessage(h, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_FOCUSED); };
    l.selectedCount = [h] { return (int)::SendMessage(h, LVM_GETSELECTEDCOUNT, 0, 0); };
    l.atRow = [h](int nRow) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED;
        ::SendMessage(h, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&state);
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessage(h, LVM_SETITEMSTATE, nRow, (LPARAM)&state);
        // Scrolled so that the row is the top one (as far as the list goes).
        RECT rc{};
        rc.left = LVIR_BOUNDS;
        ::SendMessage(h, LVM_GETITEMRECT, 0, (LPARAM)&rc);
        int nTop = (int)::SendMessage(h, LVM_GETTOPINDEX, 0, 0);
        ::SendMessage(h, LVM_SCROLL, 0, (nRow - nTop) * (rc.bottom - rc.top));
        ::SendMessage(h, LVM_SCROLL, 0, 0);
    };
    l.rowPoint = [h](int nBelow) {
        RECT rc{};
        rc.left = LVIR_LABEL;
        ::SendMessage(h, LVM_GETITEMRECT, ::SendMessage(h, LVM_GETTOPINDEX, 0, 0) + nBelow, (LPARAM)&rc);
        return CRect(rc).CenterPoint();
    };
    l.columnWidth = [h](int nCol, int cx) { ::SendMessage(h, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)); };
    // The system's search ends after a pause of its own.
    l.resetTypeAhead = [] { ::Sleep(1100); };
    l.deleteAll = [h] { ::SendMessage(h, LVM_DELETEALLITEMS, 0, 0); };
    return l;
}

// The view deletes itself when its window goes; here it lives on the stack.
class CBenchListView : public SECListView
{
  public:
    void PostNcDestroy() override
    {
    }
};

// Ours, filled as the system's list is.
template <class TList>
ListUnderTest OurList(TList& list, CWnd* pOwner, UINT nID, std::initializer_list<int> widths)
{
    ListUnderTest l;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, kRect, pOwner, nID);
    const char* names[] = {"Name", "Beschreibung", "Wert"};
    int nCol = 0;
    for (int cx : widths)
    {
        list.AddColumn(names[nCol], nCol == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT, cx);
        ++nCol;
    }
    list.SetImmediateUpdate(FALSE);
    double t = BenchNow();
    char buf[64];
    for (int i = 0; i < kRows; ++i)
    {
        wsprintfA(buf, "Item-%06d", i);
        list.InsertItem(i, buf);
        for (int c = 1; c < nCol; ++c)
        {
            if (c == 1)
                wsprintfA(buf, "Beschreibung %d", i);
            else
                wsprintfA(buf, "%d", i * 7);
            list.SetItemText(i, c, buf);
        }
    }
    l.fill = BenchNow() - t;
    l.hWnd = list.m_hWnd;
    l.top = [&list] { return list.GetTopIndex(); };
    l.focus = [&list] { return list.GetFocusIndex(); };
    l.selectedCount = [&list] { return list.GetSelectedCount(); };
    l.atRow = [&list](int nRow) {
        list.DeselectAllItems(-1);
        list.SelectFocusItem(nRow, TRUE);
        list.SetTopIndex(std::min(nRow, list.GetMaxTopIndex()));
    };
    l.rowPoint = [&list](int nBelow) {
        CRect rc;
        list.GetItemRect(list.GetTopIndex() + nBelow, &rc, LVIR_LABEL);
        return rc.CenterPoint();
    };
    l.columnWidth = [&list](int nCol, int cx) { list.SetColumnWidth(nCol, cx); };
    l.resetTypeAhead = [&list] {
        ::SendMessage(list.m_hWnd, WM_TIMER, ListTimer::TYPE_AHEAD, 0);
        ::SendMessage(list.m_hWnd, WM_TIMER, ListTimer::TYPE_AHEAD, 0);
    };
    l.deleteAll = [&list] { list.DeleteAllItems(); };
    return l;
}

// The first paint, repaints spread over the content (median of 200) and Shift+End from row 0.
struct Painting
{
    double firstPaint = -1, repaint = -1, shiftEnd = -1;
};

Painting PaintAndSelectAll(ListUnderTest& l)
{
    Painting p;
    double t = BenchNow();
    Repaint(l.hWnd);
    p.firstPaint = BenchNow() - t;
    std::vector<double> times;
    for (int k = 0; k < 200; ++k)
    {
        l.atRow(k * (kRows / 200));
        double t0 = BenchNow();
        Repaint(l.hWnd);
        times.push_back(BenchNow() - t0);
    }
    p.repaint = BenchMedian(times);
    l.atRow(0);
    ::SetFocus(l.hWnd);
    BenchPump();
    p.shiftEnd = Timed(l.hWnd, [&] { SendShifted(l.hWnd, VK_END); });
    if (l.selectedCount() != kRows)
        p.shiftEnd = -1;
    return p;
}

void RecordPainting(const char* who, const ListUnderTest& ours, const Painting& po,
                    const ListUnderTest& theirs, const Painting& pt)
{
    std::string w(who);
    Record(w + " fill", ours.fill, theirs.fill);
    Record(w + " first paint", po.firstPaint, pt.firstPaint);
    Record(w + " repaint", po.repaint, pt.repaint);
    Record(w + " Shift+End", po.shiftEnd, pt.shiftEnd);
}

// One list's single operations, each the median of ten; a negative time: it did not do it.
std::map<std::string, double> ListOperations(ListUnderTest& l)
{
    std::map<std::string, double> r;
    HWND h = l.hWnd;
    ::SetFocus(h);
    auto key = [h](UINT nKey) { return [h, nKey](int) { ::SendMessage(h, WM_KEYDOWN, nKey, 0); }; };
    r["End"] = MedianOfTen(
        h, [&](int k) { l.atRow(k * 1000); }, key(VK_END));
    if (l.focus() != kRows - 1)
        r["End"] = -1;
    r["Page Down"] = MedianOfTen(
        h, [&](int k) { l.atRow(k * 9000); }, key(VK_NEXT));
    r["click"] = MedianOfTen(
        h, [&](int k) { l.atRow(k * 9000); }, [&](int k) { Click(h, l.rowPoint(2 + k % 5)); });
    std::vector<double> clickAfter;
    for (int k = 0; k < 10; ++k)
    {
        l.atRow(0);
        SendShifted(h, VK_END);
        clickAfter.push_back(Timed(h, [&] { Click(h, l.rowPoint(3)); }));
    }
    r["a click ending a selection of all rows"] = BenchMedian(clickAfter);
    if (l.selectedCount() != 1)
        r["a click ending a selection of all rows"] = -1;
    // Every row starts "Item-0"; the whole name is the last row's alone. The characters go in one
    // burst, each with the key data of one key press (repeat count 1): the system's list ignores
    // a character without key data, and ends its search when the next one comes after its pause.
    r["type-ahead to the last row"] = MedianOfTen(
        h,
        [&](int) {
            l.resetTypeAhead();
            l.atRow(0);
        },
        [&](int) {
            for (const char* p = "Item-099999"; *p != 0; ++p)
                ::SendMessage(h, WM_CHAR, (BYTE)*p, 1);
        },
        [&] { return l.focus() == kRows - 1; });
    r["frame resize"] = MedianOfTen(
        h, [&](int k) { l.atRow(k * 9000); },
        [&](int k) {
            int d = k % 2 == 0 ? 60 : 0;
            ::SetWindowPos(h, NULL, 0, 0, kRect.Width() - d, kRect.Height() - d, SWP_NOMOVE | SWP_NOZORDER);
        });
    r["column width change"] = MedianOfTen(
        h, [&](int k) { l.atRow(k * 9000); }, [&](int k) { l.columnWidth(1, 200 + 10 * k); });
    r["delete all rows"] = Timed(h, [&] { l.deleteAll(); });
    return r;
}

void Lists(CWnd* pOwner)
{
    {
        ListUnderTest theirs = SystemList(pOwner, 1, {200, 300});
        Painting pt = PaintAndSelectAll(theirs);
        ::DestroyWindow(theirs.hWnd);
        SECListCtrl ctrl;
        ListUnderTest ours = OurList(ctrl, pOwner, 2, {200, 300});
        RecordPainting("SECListCtrl, 2 columns:", ours, PaintAndSelectAll(ours), theirs, pt);
        ctrl.DestroyWindow();
    }
    ListUnderTest theirs = SystemList(pOwner, 3, {200, 250, 100});
    Painting pt = PaintAndSelectAll(theirs);
    std::map<std::string, double> opsTheirs = ListOperations(theirs);
    ::DestroyWindow(theirs.hWnd);
    CBenchListView view;
    ListUnderTest ours = OurList(view, pOwner, 4, {200, 250, 100});
    Painting po = PaintAndSelectAll(ours);
    RecordPainting("SECListView, 3 columns:", ours, po, theirs, pt);
    Record("SECListView, 3 columns: fill and first paint", ours.fill + po.firstPaint,
           theirs.fill + pt.firstPaint);
    for (const auto& op : ListOperations(ours))
        Record("SECListView, 3 columns: " + op.first, op.second, opsTheirs[op.first]);
    view.DestroyWindow();
}

// ---- trees

struct TreeTimes
{
    double fill = -1, firstPaint = -1, repaint = -1;
};

// nTop top-level items with nChildren children each, all expanded, through insert (the system's
// tree or ours) between begin and end; then the first paint and repaints spread over the
// content, where scrollTo(k) shows the k-th of 200 places.
template <class Insert, class ScrollTo>
TreeTimes FillAndPaintTree(HWND h, int nTop, int nChildren, const std::function<void(BOOL)>& redraw,
                           Insert insert, ScrollTo scrollTo)
{
    TreeTimes r;
    double t = BenchNow();
    redraw(FALSE);
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
        HTREEITEM hParent = insert(ins);
        for (int c = 0; c < nChildren; ++c)
        {
            ins.hParent = hParent;
            ins.item.state = 0;
            wsprintfA(buf, "Kind %d", c);
            insert(ins);
        }
    }
    redraw(TRUE);
    r.fill = BenchNow() - t;
    t = BenchNow();
    Repaint(h);
    r.firstPaint = BenchNow() - t;
    std::vector<double> times;
    for (int k = 0; k < 200; ++k)
    {
        if (!scrollTo(k))
            break;
        double t0 = BenchNow();
        Repaint(h);
        times.push_back(BenchNow() - t0);
    }
    r.repaint = times.size() == 200 ? BenchMedian(times) : -1;
    return r;
}

HWND NewSystemTree(CWnd* pOwner, UINT nID)
{
    return ::CreateWindowEx(0, WC_TREEVIEW, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0, 0,
                            kRect.Width(), kRect.Height(), pOwner->m_hWnd, (HMENU)(UINT_PTR)nID,
                            AfxGetInstanceHandle(), NULL);
}

TreeTimes SystemTree(CWnd* pOwner, int nTop, int nChildren)
{
    HWND h = NewSystemTree(pOwner, 5);
    HTREEITEM hItem = NULL;
    const int nTotal = nTop * (nChildren + 1);
    TreeTimes r = FillAndPaintTree(
        h, nTop, nChildren, [h](BOOL bOn) { ::SendMessage(h, WM_SETREDRAW, bOn, 0); },
        [h, &hItem](TVINSERTSTRUCTA& ins) {
            HTREEITEM hNew = (HTREEITEM)::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins);
            if (hItem == NULL)
                hItem = hNew;
            return hNew;
        },
        [h, &hItem, nTotal](int k) {
            for (int s = 0; k > 0 && s < nTotal / 200 && hItem != NULL; ++s)
                hItem = (HTREEITEM)::SendMessage(h, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, (LPARAM)hItem);
            return hItem != NULL && ::SendMessage(h, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, (LPARAM)hItem) != 0;
        });
    ::DestroyWindow(h);
    return r;
}

TreeTimes OurTree(CWnd* pOwner, int nTop, int nChildren)
{
    SECTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, pOwner, 6);
    tree.SetImmediateUpdate(FALSE);
    TreeTimes r = FillAndPaintTree(
        tree.m_hWnd, nTop, nChildren, [](BOOL) {},
        [&](TVINSERTSTRUCTA& ins) { return tree.InsertItem(&ins); },
        [&](int k) {
            tree.SetTopIndex(std::min(k * (tree.GetItemCount() / 200), tree.GetMaxTopIndex()));
            return true;
        });
    tree.DestroyWindow();
    return r;
}

void Trees(CWnd* pOwner)
{
    struct Shape
    {
        const char* what;
        int nTop, nChildren;
    } shapes[] = {{"SECTreeCtrl, 1,000 x 99 expanded:", 1000, 99},
                  {"SECTreeCtrl, 100,000 top-level:", 100000, 0}};
    for (const Shape& s : shapes)
    {
        TreeTimes theirs = SystemTree(pOwner, s.nTop, s.nChildren);
        TreeTimes ours = OurTree(pOwner, s.nTop, s.nChildren);
        std::string w(s.what);
        Record(w + " fill", ours.fill, theirs.fill);
        Record(w + " first paint", ours.firstPaint, theirs.firstPaint);
        Record(w + " repaint", ours.repaint, theirs.repaint);
    }
}

// ---- sorted insertion

// The texts "Item nnnnnn" of 0..n-1 in a fixed shuffled order, so that sorted insertion lands
// everywhere.
std::vector<int> Shuffled(int n)
{
    std::vector<int> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = i;
    unsigned seed = 12345;
    for (int i = n - 1; i > 0; --i)
    {
        seed = seed * 1103515245u + 12345u;
        std::swap(v[i], v[(seed >> 8) % (unsigned)(i + 1)]);
    }
    return v;
}

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

// The text of the item a TVM_GETNEXTITEM code names from the top (any tree that takes the messages).
std::string TreeItemText(HWND h, UINT nCode)
{
    TVITEMA item{};
    char text[32] = "";
    item.mask = TVIF_TEXT;
    item.hItem = (HTREEITEM)::SendMessage(h, TVM_GETNEXTITEM, nCode, 0);
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ::SendMessage(h, TVM_GETITEMA, 0, (LPARAM)&item);
    return text;
}

// The time of n sorted insertions, negative when the tree does not start with the smallest text.
// A tree still inserting after nCapSeconds stops there: its time is then a lower bound.
double SortedInsert(int n, const std::function<void(TVINSERTSTRUCTA&)>& insert,
                    const std::function<std::string()>& firstText, double nCapSeconds)
{
    double t = BenchNow();
    std::vector<int> numbers = Shuffled(n);
    int nDone = 0;
    for (size_t nFrom = 0; nFrom < numbers.size(); nFrom += 1000)
    {
        std::vector<int> part(numbers.begin() + nFrom,
                              numbers.begin() + std::min(numbers.size(), nFrom + 1000));
        InsertTopLevel(part, TVI_SORT, insert);
        nDone += (int)part.size();
        if (BenchNow() - t > nCapSeconds)
            break;
    }
    double took = BenchNow() - t;
    if (nDone < n)
    {
        printf("  (the system's tree stopped after %d of %d sorted insertions, %.0f s: its time is at least "
               "that)\n",
               nDone, n, took);
        return took;
    }
    return firstText() == "Item 000000" ? took : -1;
}

void Sort(CWnd* pOwner)
{
    HWND h = NewSystemTree(pOwner, 7);
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    // The system's tree compares with every sibling before it: at 100,000 items it takes far
    // more than half an hour under Wine, so it stops after two minutes and ours must beat that.
    double theirs = SortedInsert(
        kRows, [h](TVINSERTSTRUCTA& ins) { ::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins); },
        [h] { return TreeItemText(h, TVGN_ROOT); }, 120);
    ::DestroyWindow(h);
    SECTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, pOwner, 8);
    tree.SetImmediateUpdate(FALSE);
    double ours = SortedInsert(
        kRows, [&](TVINSERTSTRUCTA& ins) { tree.InsertItem(&ins); },
        [&] { return std::string(tree.GetItemText(tree.GetRootItem(), 0)); }, 1e9);
    tree.DestroyWindow();
    Record("TVI_SORT insertion of 100,000 shuffled items", ours, theirs, 0);
}

// ---- scrolling, by the same window messages

// One control's scrolling: the bar that carries the thumb (NULL for the window's own bar) and
// the top row as the control reports it.
struct Scroller
{
    HWND hWnd;
    HWND hBar;
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

// Median of 20 of one interaction, each from a top row spread over the content.
double ScrollTime(const Scroller& s, const std::function<void(int)>& operation)
{
    std::vector<double> times;
    for (int k = 0; k < 20; ++k)
    {
        ThumbTo(s, 1000 + k * 1400);
        times.push_back(Timed(s.hWnd, [&] { operation(k); }));
    }
    return BenchMedian(times);
}

void RecordScrolling(const char* who, const Scroller& ours, const Scroller& theirs)
{
    struct Op
    {
        const char* what;
        std::function<void(const Scroller&, int)> run;
    } ops[] = {
        {"line down",
         [](const Scroller& s, int) { ::SendMessage(s.hWnd, WM_VSCROLL, SB_LINEDOWN, (LPARAM)s.hBar); }},
        {"page down",
         [](const Scroller& s, int) { ::SendMessage(s.hWnd, WM_VSCROLL, SB_PAGEDOWN, (LPARAM)s.hBar); }},
        // Positions stay below 32,768: the system tree reads the thumb from the message's signed word.
        {"thumb", [](const Scroller& s, int k) { ThumbTo(s, 30000 - k * 700); }},
        {"wheel notch",
         [](const Scroller& s, int) {
             CRect rc;
             ::GetWindowRect(s.hWnd, &rc);
             ::SendMessage(s.hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-WHEEL_DELTA),
                           MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
         }},
    };
    for (const Op& op : ops)
    {
        double t[2];
        const Scroller* both[2] = {&ours, &theirs};
        for (int i = 0; i < 2; ++i)
        {
            t[i] = ScrollTime(*both[i], [&](int k) { op.run(*both[i], k); });
            // A control that takes no thumb position from the messages did not do it.
            if (strcmp(op.what, "thumb") == 0 && both[i]->top() != 30000 - 19 * 700)
                t[i] = -1;
        }
        Record(std::string(who) + " scrolling, " + op.what, t[0], t[1]);
    }
}

HWND BarOf(CWnd& wnd)
{
    CScrollBar* pBar = wnd.GetScrollBarCtrl(SB_VERT);
    return pBar != NULL ? pBar->m_hWnd : NULL;
}

void Scrolling(CWnd* pOwner)
{
    {
        ListUnderTest theirs = SystemList(pOwner, 9, {300});
        SECListCtrl list;
        ListUnderTest ours = OurList(list, pOwner, 10, {300});
        list.RecalcLayout(); // makes the scroll bar
        RecordScrolling("SECListCtrl:", {list.m_hWnd, BarOf(list), ours.top},
                        {theirs.hWnd, NULL, theirs.top});
        list.DestroyWindow();
        ::DestroyWindow(theirs.hWnd);
    }
    HWND h = NewSystemTree(pOwner, 11);
    ::SendMessage(h, WM_SETREDRAW, FALSE, 0);
    std::vector<int> numbers(kRows);
    for (int i = 0; i < kRows; ++i)
        numbers[i] = i;
    InsertTopLevel(numbers, TVI_LAST,
                   [h](TVINSERTSTRUCTA& ins) { ::SendMessage(h, TVM_INSERTITEMA, 0, (LPARAM)&ins); });
    ::SendMessage(h, WM_SETREDRAW, TRUE, 0);
    // The top row's number, from its text.
    Scroller theirs = {h, NULL, [h] { return atoi(TreeItemText(h, TVGN_FIRSTVISIBLE).c_str() + 5); }};
    SECTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, pOwner, 12);
    tree.SetImmediateUpdate(FALSE);
    InsertTopLevel(numbers, TVI_LAST, [&](TVINSERTSTRUCTA& ins) { tree.InsertItem(&ins); });
    tree.RecalcLayout();
    RecordScrolling("SECTreeCtrl:", {tree.m_hWnd, BarOf(tree), [&] { return tree.GetTopIndex(); }}, theirs);
    tree.DestroyWindow();
    ::DestroyWindow(h);
}

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

// What a row of the three-column view costs; not compared with the system.
void MemoryPerRow(CWnd* pOwner)
{
    size_t nBefore = HeapBytes();
    CBenchListView view;
    OurList(view, pOwner, 13, {200, 250, 100});
    double perRow = (double)(HeapBytes() - nBefore) / kRows;
    printf("SECListView, 3 columns: memory a row %.0f B (target 1024 B) %s\n", perRow,
           perRow <= 1024 ? "ok" : "TOO MUCH");
    view.DestroyWindow();
}
} // namespace

// With an argument only that part runs: "lists", "trees", "scroll" or "sort"; a second one gives
// the number of rounds.
int main(int argc, char** argv)
{
    AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    auto runs = [&](const char* part) { return argc < 2 || strcmp(argv[1], part) == 0; };
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                   "Messung", WS_POPUP | WS_VISIBLE, kRect, NULL, 0);
    ::SetForegroundWindow(owner.m_hWnd);
    BenchPump();
    PrintLoad("before");
    if (runs("lists"))
        MemoryPerRow(&owner);
    const int nRounds = argc > 2 ? std::max(1, std::min(kRounds, atoi(argv[2]))) : kRounds;
    for (int nRound = 0; nRound < nRounds; ++nRound)
    {
        if (runs("lists"))
            Lists(&owner);
        if (runs("trees"))
            Trees(&owner);
        if (runs("scroll"))
            Scrolling(&owner);
        if (runs("sort"))
            Sort(&owner);
        printf("round %d of %d done\n", nRound + 1, nRounds);
        fflush(stdout);
    }
    PrintLoad("after");
    int nFailed = Report();
    owner.DestroyWindow();
    return nFailed;
}
