// Owner-drawn list and combo boxes draw, measure, sort and delete their items themselves through
// the messages reflected from their dialog; a spin control bound to an edit steps within its range.
#include "DlgTestApp.h"
#include "TestSupport.h"
#include <set>

using namespace testing_support;

namespace
{
const int kItemHeight = 18;

// Items are colours (item data, no strings); sorted by their red part.
class CColorList : public CListBox
{
  public:
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_nMeasured;
        lpMIS->itemHeight = kItemHeight;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        ++m_nCompared;
        int a = GetRValue((COLORREF)lpCIS->itemData1), b = GetRValue((COLORREF)lpCIS->itemData2);
        return a < b ? -1 : a > b ? 1 : 0;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        if (lpDIS->itemID == (UINT)-1)
            return;
        m_drawn.insert(lpDIS->itemID);
        ::SetBkColor(lpDIS->hDC, (COLORREF)lpDIS->itemData);
        ::ExtTextOut(lpDIS->hDC, 0, 0, ETO_OPAQUE, &lpDIS->rcItem, NULL, 0, NULL);
    }
    void DeleteItem(LPDELETEITEMSTRUCT) override
    {
        ++m_nDeleted;
    }
    int m_nMeasured = 0, m_nCompared = 0, m_nDeleted = 0;
    std::set<UINT> m_drawn;
};

// Items are strings; the selection field is drawn in a colour of the test's own.
class CTextCombo : public CComboBox
{
  public:
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        lpMIS->itemHeight = kItemHeight;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        if (lpDIS->itemID == (UINT)-1)
            return;
        CString text;
        GetLBText(lpDIS->itemID, text);
        m_drawnTexts.insert(std::string(text));
        ::SetBkColor(lpDIS->hDC, RGB(0, 0, 255));
        ::ExtTextOut(lpDIS->hDC, 0, 0, ETO_OPAQUE, &lpDIS->rcItem, NULL, 0, NULL);
    }
    std::set<std::string> m_drawnTexts;
};

class COwnerDrawDialog : public CDialog
{
  public:
    COwnerDrawDialog()
    {
        Create(IDD_OWNERDRAW, AfxGetMainWnd());
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_ODLIST, m_list);
        DDX_Control(pDX, IDC_ODCOMBO, m_combo);
        DDX_Control(pDX, IDC_SPIN, m_spin);
    }
    CColorList m_list;
    CTextCombo m_combo;
    CSpinButtonCtrl m_spin;
};

COLORREF PixelAt(CWnd& wnd, int x, int y)
{
    HDC hDC = ::GetDC(wnd.m_hWnd);
    COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(wnd.m_hWnd, hDC);
    return color;
}

TEST(OwnerDraw, ListAndComboDrawTheirItemsThroughReflectedMessages)
{
    COwnerDrawDialog dlg;
    ASSERT_NE(nullptr, dlg.m_hWnd);
    const COLORREF colors[] = {RGB(200, 0, 0), RGB(20, 200, 0), RGB(110, 0, 200)};
    for (COLORREF color : colors)
        dlg.m_list.AddString((LPCTSTR)(DWORD_PTR)color); // no strings: the pointer is the item data
    EXPECT_EQ(3, dlg.m_list.m_nMeasured);
    EXPECT_GE(dlg.m_list.m_nCompared, 2);
    ASSERT_EQ(3, dlg.m_list.GetCount());
    EXPECT_EQ(colors[1], (COLORREF)dlg.m_list.GetItemData(0)); // sorted by red
    EXPECT_EQ(colors[2], (COLORREF)dlg.m_list.GetItemData(1));
    EXPECT_EQ(colors[0], (COLORREF)dlg.m_list.GetItemData(2));

    dlg.m_list.Invalidate();
    dlg.m_list.UpdateWindow();
    EXPECT_EQ(std::set<UINT>({0, 1, 2}), dlg.m_list.m_drawn);
    CRect item;
    dlg.m_list.GetItemRect(1, &item);
    EXPECT_EQ(kItemHeight, item.Height());
    EXPECT_EQ(colors[2], PixelAt(dlg.m_list, item.CenterPoint().x, item.CenterPoint().y));

    dlg.m_list.ResetContent();
    EXPECT_EQ(3, dlg.m_list.m_nDeleted);

    dlg.m_combo.AddString("Erster");
    dlg.m_combo.AddString("Zweiter");
    dlg.m_combo.SetCurSel(1);
    dlg.m_combo.Invalidate();
    dlg.m_combo.UpdateWindow();
    EXPECT_EQ(1u, dlg.m_combo.m_drawnTexts.count("Zweiter"));
    CRect combo;
    dlg.m_combo.GetClientRect(&combo);
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(dlg.m_combo, 6, combo.Height() / 2));
    dlg.DestroyWindow();
}

TEST(OwnerDraw, SpinBoundToAnEditStepsWithinItsRange)
{
    COwnerDrawDialog dlg;
    ASSERT_NE(nullptr, dlg.m_hWnd);
    CWnd* pEdit = dlg.GetDlgItem(IDC_SPINEDIT);
    EXPECT_EQ(pEdit->m_hWnd, dlg.m_spin.GetBuddy()->m_hWnd);
    dlg.m_spin.SetRange32(0, 5);
    dlg.m_spin.SetPos(4);
    EXPECT_EQ("4", TextOf(pEdit->m_hWnd));

    // Arrow keys in the edit step; the range ends the steps.
    pEdit->SetFocus();
    const struct
    {
        UINT vk;
        const char* text;
    } steps[] = {{VK_UP, "5"}, {VK_UP, "5"}, {VK_DOWN, "4"}, {VK_DOWN, "3"}};
    for (const auto& step : steps)
    {
        PostKey(step.vk);
        PumpMessages(30);
        EXPECT_EQ(step.text, TextOf(pEdit->m_hWnd)) << "after key " << step.vk;
    }

    // A click on the lower arrow steps down, and stops at the lower end.
    dlg.m_spin.SetPos(1);
    CRect spin;
    dlg.m_spin.GetClientRect(&spin);
    for (const char* expected : {"0", "0"})
    {
        LPARAM at = MAKELPARAM(spin.Width() / 2, spin.Height() * 3 / 4);
        dlg.m_spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        dlg.m_spin.SendMessage(WM_LBUTTONUP, 0, at);
        PumpMessages(30);
        EXPECT_EQ(expected, TextOf(pEdit->m_hWnd));
    }
    EXPECT_EQ(0, dlg.m_spin.GetPos32());
    dlg.DestroyWindow();
}
} // namespace
