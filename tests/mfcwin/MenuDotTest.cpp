// The radio mark of menu items: one shared dot bitmap that SetRadio gives the item, and a
// replacement that later items take.
#include "TestApp.h"
#include <gtest/gtest.h>

namespace
{

// A command-state object over one item of a menu.
CCmdUI MenuItemUI(CMenu* pMenu, UINT nIndex)
{
    CCmdUI ui;
    ui.m_pMenu = pMenu;
    ui.m_nIndex = nIndex;
    ui.m_nID = pMenu->GetMenuItemID(static_cast<int>(nIndex));
    ui.m_nIndexMax = pMenu->GetMenuItemCount();
    return ui;
}

MENUITEMINFO ItemInfo(HMENU hMenu, UINT nIndex)
{
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_CHECKMARKS | MIIM_STATE | MIIM_FTYPE;
    ::GetMenuItemInfo(hMenu, nIndex, TRUE, &mii);
    return mii;
}

COLORREF PixelOf(HBITMAP hBitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return cr;
}

} // namespace

TEST(MenuDot, SetRadioGivesTheItemTheSharedDotAndItsReplacement)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 201, _T("Eins"));
    menu.AppendMenu(MF_STRING, 202, _T("Zwei"));

    HBITMAP hDot = AfxGetMenuDotBitmap();
    ASSERT_TRUE(hDot != NULL);
    EXPECT_EQ(hDot, AfxGetMenuDotBitmap());
    BITMAP bm = {};
    ASSERT_TRUE(::GetObject(hDot, sizeof(bm), &bm));
    EXPECT_EQ(::GetSystemMetrics(SM_CXMENUCHECK), bm.bmWidth);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENUCHECK), bm.bmHeight);
    EXPECT_EQ(1, bm.bmBitsPixel);
    EXPECT_EQ(RGB(0, 0, 0), PixelOf(hDot, bm.bmWidth / 2, bm.bmHeight / 2));
    EXPECT_EQ(RGB(255, 255, 255), PixelOf(hDot, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), PixelOf(hDot, bm.bmWidth - 1, bm.bmHeight - 1));

    CCmdUI first = MenuItemUI(&menu, 0);
    first.SetRadio(TRUE);
    MENUITEMINFO mii = ItemInfo(menu.m_hMenu, 0);
    EXPECT_EQ(hDot, mii.hbmpChecked);
    EXPECT_TRUE(mii.fState & MFS_CHECKED);
    EXPECT_FALSE(mii.fType & MFT_RADIOCHECK);
    first.SetRadio(FALSE);
    EXPECT_FALSE(ItemInfo(menu.m_hMenu, 0).fState & MFS_CHECKED);

    // A replacement: items set from now on show it; the old one comes back for the caller.
    const WORD rows[16] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFE7F, 0xFC3F, 0xFC3F, 0xFC3F,
                           0xFE7F, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    HBITMAP hMine = ::CreateBitmap(16, 15, 1, 1, rows);
    EXPECT_EQ(hDot, AfxSetMenuDotBitmap(hMine));
    CCmdUI second = MenuItemUI(&menu, 1);
    second.SetRadio(TRUE);
    EXPECT_EQ(hMine, ItemInfo(menu.m_hMenu, 1).hbmpChecked);
    EXPECT_EQ(hMine, AfxSetMenuDotBitmap(hDot));
    EXPECT_EQ(hDot, AfxGetMenuDotBitmap());
    menu.DestroyMenu();
    ::DeleteObject(hMine);
}
