// The menu template reader (items of a level, pop-ups skipped, every read inside the resource)
// and the text button that drops a menu.
#include "ToolBarFrame.h"
#include "TestSupport.h"
#include "uilib/bars/MenuTemplate.h"
#include "uilib/bars/TBMenuBtn.h"

using namespace testing_support;

namespace
{
std::vector<BYTE> MenuBytes(UINT nID)
{
    HRSRC hRsrc = ::FindResource(NULL, MAKEINTRESOURCE(nID), RT_MENU);
    if (hRsrc == NULL)
        return {};
    const BYTE* p = (const BYTE*)::LockResource(::LoadResource(NULL, hRsrc));
    return std::vector<BYTE>(p, p + ::SizeofResource(NULL, hRsrc));
}
} // namespace

TEST(MenuTemplate, ItemsOfALevelSkipThePopUpsItems)
{
    SECMenuTemplate menu;
    ASSERT_TRUE(menu.Load(IDM_TB_MENU));
    const size_t nTop = menu.TopLevel();
    ASSERT_NE(0u, nTop);
    struct
    {
        int nIndex;
        const char* text;
        UINT nID;
        BOOL bPopup;
    } const top[] = {{0, "&Datei", 0, TRUE}, {1, "&Ansicht", 0, TRUE}, {2, "&Hilfe", ID_TB_MENU_HELP, FALSE}};
    SECMenuTemplate::Item item;
    for (const auto& t : top)
    {
        SCOPED_TRACE(t.nIndex);
        ASSERT_TRUE(menu.FindItem(nTop, t.nIndex, item));
        EXPECT_EQ(CString(t.text), item.strText);
        EXPECT_EQ(t.nID, item.nID);
        EXPECT_EQ(t.bPopup, (item.nFlags & MF_POPUP) != 0);
    }
    EXPECT_FALSE(menu.FindItem(nTop, 3, item)) << "the level ends first";
    ASSERT_TRUE(menu.FindItem(nTop, 0, item));
    const size_t nFile = item.nSubLevel;
    EXPECT_EQ(CString("&Neu"), menu.GetItemText(nFile, 0));
    EXPECT_EQ(CString("Zuletzt"), menu.GetItemText(nFile, 1));
    EXPECT_EQ(CString(""), menu.GetItemText(nFile, 2)) << "separator";
    ASSERT_TRUE(menu.FindItem(nFile, 3, item)) << "past the pop-up's own items";
    EXPECT_EQ(CString("&Ende"), item.strText);
    EXPECT_EQ(UINT(ID_TB_MENU_END), item.nID);
    EXPECT_FALSE(menu.FindItem(nFile, 4, item));
}

TEST(MenuTemplate, ATemplateCutShortAnywhereFindsNothingBeyondTheCut)
{
    const std::vector<BYTE> bytes = MenuBytes(IDM_TB_MENU);
    ASSERT_GT(bytes.size(), 20u);
    for (size_t n = 0; n < bytes.size(); n++)
    {
        SCOPED_TRACE(n);
        SECMenuTemplate cut(bytes.data(), n);
        SECMenuTemplate::Item item;
        const size_t nTop = cut.TopLevel();
        EXPECT_FALSE(nTop != 0 && cut.FindItem(nTop, 2, item));
    }
    SECMenuTemplate whole(bytes.data(), bytes.size());
    SECMenuTemplate::Item item;
    EXPECT_TRUE(whole.FindItem(whole.TopLevel(), 2, item));

    // A resource whose pop-up text runs past its end counts as missing items.
    SECMenuTemplate broken;
    ASSERT_TRUE(broken.Load(IDM_TB_MENU_CUT));
    EXPECT_FALSE(broken.FindItem(broken.TopLevel(), 0, item));
    EXPECT_EQ(CString(), broken.GetItemText(broken.TopLevel(), 0));
}

TEST(MenuButton, MeasuresItsTextAndDropsItsMenuThroughTheToolBar)
{
    ToolBarFrame frame;
    HMENU hMenu = ::LoadMenu(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDM_TB_MENU));
    const SECBtnMapEntry map[] = {
        {&SECTBMenuBtn::Create, ID_TB_MENU_NEW, 0, {(UINT_PTR)hMenu, 7, (UINT_PTR) _T("&Datei"), 0}},
        {NULL, 0, 0, {0, 0, 0, 0}},
    };
    frame.m_pManager->SetButtonMap(map);
    const UINT ids[] = {ID_TB_RED, ID_TB_MENU_NEW};
    frame.m_pFirst->SetButtons(ids, 2);
    frame.m_pFrame->RecalcLayout();
    SECStdBtn* pBtn = frame.m_pFirst->GetButton(1);
    ASSERT_EQ(SECStdBtn::BtnMenu, pBtn->GetButtonClass());
    SECTBMenuBtn* pMenuBtn = static_cast<SECTBMenuBtn*>(pBtn);
    EXPECT_EQ(_T('D'), pMenuBtn->m_cMnemonic);
    // Text extent (the '&' not shown) plus 10 across and 6 down, in the bar's font.
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {};
    ::GetTextExtentPoint32(hDC, _T("Datei"), 5, &extent);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    EXPECT_EQ(CSize(extent.cx + 10, extent.cy + 6), frame.ButtonRect(frame.m_pFirst, 1).Size());

    ClickAt(frame.ButtonCentre(frame.m_pFirst, 1));
    ASSERT_EQ(1u, frame.m_pFrame->m_dropDowns.size());
    const CToolTestFrame::DropDown& d = frame.m_pFrame->m_dropDowns[0];
    EXPECT_EQ(-2120, d.nCode);
    EXPECT_EQ(ID_TB_MENU_NEW, d.nItem);
    EXPECT_EQ(1, d.nIndex);
    EXPECT_EQ((UINT_PTR)hMenu, d.a);
    EXPECT_EQ(UINT_PTR(7), d.b);
    EXPECT_TRUE(frame.m_pFrame->m_commands.empty());

    // Without an '&' there is no mnemonic.
    pMenuBtn->m_strText = _T("Datei");
    pMenuBtn->UpdateMnemonic();
    EXPECT_EQ(0, pMenuBtn->m_cMnemonic);
    frame.m_pManager->SetButtonMap(NULL);
    ::DestroyMenu(hMenu);
}
