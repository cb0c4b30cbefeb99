// The bitmap-menu plug-in on a real frame: popups converted and drawn with the toolbar images,
// mnemonics answered, the radio dot replaced, and text items back when the plug-in goes.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/BmpMenuPlugIn.h"
#include "uilib/common/BmpMgr.h"
#include <gtest/gtest.h>
#include <memory>

using namespace testing_support;

namespace
{
// Positions in the popup of IDM_BMP_MENU.
enum
{
    posRed,
    posGreen,
    posBlue,
    posFirstF,
    posSecondF,
    posPlain,
    posRadio,
    posSeparator,
    posMore,
    posClose
};

// A frame that hands its messages to the plug-in first, as the library's frames do.
class CBmpMenuHost : public CFrameWnd
{
  public:
    SECBmpMenuPlugIn* m_pPlugIn = nullptr;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (m_pPlugIn != nullptr)
        {
            LRESULT lResult = 0;
            m_pPlugIn->OnWndMsg(message, wParam, lParam, &lResult);
            if (m_pPlugIn->m_bMsgConsumed)
            {
                *pResult = lResult;
                return TRUE;
            }
        }
        return CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
};

class BmpMenuTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pHost = new CBmpMenuHost;
        ASSERT_TRUE(m_pHost->Create(NULL, _T("Bildmenüs"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    CRect(50, 50, 450, 350), NULL, MAKEINTRESOURCE(IDM_BMP_MENU)));
        m_pHost->m_bAutoMenuEnable = FALSE; // the test's commands have no handlers
        m_hPopup = ::GetSubMenu(::GetMenu(m_pHost->m_hWnd), 0);
        ASSERT_NE(nullptr, m_hPopup);
        PlugIn(FALSE);
    }
    void TearDown() override
    {
        Unplug();
        if (m_pHost != nullptr)
            m_pHost->DestroyWindow();
    }
    void PlugIn(BOOL bReplaceCheck)
    {
        m_pPlugIn.reset(new SECBmpMenuPlugIn(bReplaceCheck));
        ASSERT_TRUE(m_pPlugIn->AddToolBarImages(IDR_TB_FIRST));
        ASSERT_TRUE(m_pPlugIn->AddToolBarImages(IDR_TB_SECOND));
        ASSERT_TRUE(m_pPlugIn->PlugInTo(m_pHost));
        m_pHost->m_pPlugIn = m_pPlugIn.get();
    }
    void Unplug()
    {
        if (m_pHost != nullptr)
            m_pHost->m_pPlugIn = nullptr;
        m_pPlugIn.reset();
    }
    void InitPopup(HMENU hMenu, BOOL bSysMenu = FALSE)
    {
        m_pHost->SendMessage(WM_INITMENUPOPUP, (WPARAM)hMenu, MAKELPARAM(0, bSysMenu));
    }
    MENUITEMINFO Item(HMENU hMenu, int nPos)
    {
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_STATE;
        ::GetMenuItemInfo(hMenu, (UINT)nPos, TRUE, &mii);
        return mii;
    }
    BOOL IsOwnerDrawn(HMENU hMenu, int nPos)
    {
        return (Item(hMenu, nPos).fType & MFT_OWNERDRAW) != 0;
    }
    CString ItemText(HMENU hMenu, int nPos)
    {
        TCHAR sz[256] = {};
        ::GetMenuString(hMenu, (UINT)nPos, sz, 256, MF_BYPOSITION);
        return sz;
    }
    MEASUREITEMSTRUCT Measure(int nPos)
    {
        MENUITEMINFO mii = Item(m_hPopup, nPos);
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_MENU;
        mis.itemID = mii.wID;
        mis.itemData = mii.dwItemData;
        m_pHost->SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
        return mis;
    }
    LRESULT MenuChar(TCHAR ch)
    {
        return m_pHost->SendMessage(WM_MENUCHAR, MAKEWPARAM(ch, MF_POPUP), (LPARAM)m_hPopup);
    }
    void SetHilite(int nPos)
    {
        for (int i = 0; i < ::GetMenuItemCount(m_hPopup); i++)
        {
            MENUITEMINFO mii = {};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_STATE;
            ::GetMenuItemInfo(m_hPopup, (UINT)i, TRUE, &mii);
            mii.fState = i == nPos ? (mii.fState | MFS_HILITE) : (mii.fState & ~(UINT)MFS_HILITE);
            ::SetMenuItemInfo(m_hPopup, (UINT)i, TRUE, &mii);
        }
    }

    CBmpMenuHost* m_pHost = nullptr;
    HMENU m_hPopup = NULL;
    std::unique_ptr<SECBmpMenuPlugIn> m_pPlugIn;
};

// An item drawn by the plug-in into a 32-bit memory bitmap.
class DrawnItem
{
  public:
    static const int kWidth = 200;
    DrawnItem(CWnd* pHost, HMENU hMenu, int nPos, UINT nState, int nHeight) : m_nHeight(nHeight)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = kWidth;
        bmi.bmiHeader.biHeight = -nHeight;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_hDC = ::CreateCompatibleDC(NULL);
        m_hbm = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        m_hOld = ::SelectObject(m_hDC, m_hbm);
        RECT rc = {0, 0, kWidth, nHeight};
        ::FillRect(m_hDC, &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_ID | MIIM_DATA;
        ::GetMenuItemInfo(hMenu, (UINT)nPos, TRUE, &mii);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = mii.wID;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = (HWND)hMenu;
        dis.hDC = m_hDC;
        dis.rcItem = rc;
        dis.itemData = mii.dwItemData;
        m_lResult = pHost->SendMessage(WM_DRAWITEM, 0, (LPARAM)&dis);
    }
    ~DrawnItem()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hbm);
        ::DeleteDC(m_hDC);
    }
    COLORREF Pixel(int x, int y) const
    {
        return ::GetPixel(m_hDC, x, y);
    }
    int Count(COLORREF clr, int left, int right) const
    {
        int n = 0;
        for (int y = 0; y < m_nHeight; y++)
            for (int x = left; x < right; x++)
                n += Pixel(x, y) == clr;
        return n;
    }
    // Top of the image cell (image height 15 + 4), centred in the item.
    int CellTop() const
    {
        return (m_nHeight - 19) / 2;
    }
    LRESULT m_lResult;

  private:
    int m_nHeight;
    HDC m_hDC;
    HBITMAP m_hbm;
    HGDIOBJ m_hOld;
};

const int kColumnRight = 16 + 4;

// The system's flat-menu setting for one scope, for this session only.
class FlatMenus
{
  public:
    explicit FlatMenus(BOOL bFlat)
    {
        ::SystemParametersInfo(SPI_GETFLATMENU, 0, &m_bBefore, 0);
        ::SystemParametersInfo(SPI_SETFLATMENU, 0, (PVOID)(INT_PTR)bFlat, 0);
        BOOL bNow = !bFlat;
        ::SystemParametersInfo(SPI_GETFLATMENU, 0, &bNow, 0);
        EXPECT_EQ(bFlat, bNow);
    }
    ~FlatMenus()
    {
        ::SystemParametersInfo(SPI_SETFLATMENU, 0, (PVOID)(INT_PTR)m_bBefore, 0);
    }

  private:
    BOOL m_bBefore = FALSE;
};

COLORREF Sys(int nIndex)
{
    return ::GetSysColor(nIndex);
}
} // namespace

TEST_F(BmpMenuTest, OpeningAPopupConvertsItsTextItemsButNotSystemCommandsSeparatorsOrForeignOnes)
{
    // Somebody else's owner-drawn item, and a command kept out.
    ::AppendMenu(m_hPopup, MF_OWNERDRAW, 9399, (LPCTSTR)(UINT_PTR)0x1234);
    m_pPlugIn->ExcludeCommand(ID_BMP_PLAIN);
    InitPopup(m_hPopup);
    struct
    {
        int nPos;
        BOOL bConverted;
    } const items[] = {{posRed, TRUE},     {posGreen, TRUE},  {posBlue, TRUE},  {posFirstF, TRUE},
                       {posSecondF, TRUE}, {posPlain, FALSE}, {posRadio, TRUE}, {posSeparator, FALSE},
                       {posMore, TRUE},    {posClose, FALSE}};
    for (const auto& item : items)
    {
        SCOPED_TRACE(item.nPos);
        EXPECT_EQ(item.bConverted, IsOwnerDrawn(m_hPopup, item.nPos));
        SECBmpMenuItemInfo* pRecord = m_pPlugIn->FindRecord(m_hPopup, Item(m_hPopup, item.nPos).dwItemData);
        EXPECT_EQ(item.bConverted, pRecord != nullptr);
    }
    SECBmpMenuItemInfo* pRed = m_pPlugIn->FindRecord(m_hPopup, Item(m_hPopup, posRed).dwItemData);
    ASSERT_NE(nullptr, pRed);
    EXPECT_EQ(CString(_T("&Rot\tStrg+R")), pRed->m_strText);
    EXPECT_EQ('R', pRed->m_cMnemonic);
    SECBmpMenuItemInfo* pMore = m_pPlugIn->FindRecord(m_hPopup, Item(m_hPopup, posMore).dwItemData);
    ASSERT_NE(nullptr, pMore);
    EXPECT_EQ(0u, pMore->m_nID) << "a submenu counts with id 0";
    EXPECT_TRUE(m_pPlugIn->IsExcluded(9399)) << "another component draws it";
    EXPECT_EQ((ULONG_PTR)0x1234, Item(m_hPopup, 10).dwItemData);

    // Opening it again converts nothing twice.
    ULONG_PTR dwRed = Item(m_hPopup, posRed).dwItemData;
    InitPopup(m_hPopup);
    EXPECT_EQ(dwRed, Item(m_hPopup, posRed).dwItemData);

    HMENU hSysMenu = ::GetSystemMenu(m_pHost->m_hWnd, FALSE);
    ASSERT_NE(nullptr, hSysMenu);
    InitPopup(hSysMenu, TRUE);
    for (int i = 0; i < ::GetMenuItemCount(hSysMenu); i++)
        EXPECT_FALSE(IsOwnerDrawn(hSysMenu, i)) << i;
}

TEST_F(BmpMenuTest, RemovingThePlugInRestoresStringItemsWithTheirTexts)
{
    InitPopup(m_hPopup);
    ASSERT_TRUE(IsOwnerDrawn(m_hPopup, posRed));
    Unplug();
    for (int i = 0; i < ::GetMenuItemCount(m_hPopup); i++)
    {
        EXPECT_FALSE(IsOwnerDrawn(m_hPopup, i)) << i;
        EXPECT_EQ((ULONG_PTR)0, Item(m_hPopup, i).dwItemData) << i;
    }
    EXPECT_EQ(CString(_T("&Rot\tStrg+R")), ItemText(m_hPopup, posRed));
    EXPECT_EQ(CString(_T("&Mehr")), ItemText(m_hPopup, posMore));
}

TEST_F(BmpMenuTest, IdleUpdatesDropRecordsOfRemovedItemsAndDestroyedMenus)
{
    HMENU hExtra = ::CreatePopupMenu();
    ::AppendMenu(hExtra, MF_STRING, ID_TB_GREEN, _T("&Grün"));
    InitPopup(hExtra);
    InitPopup(m_hPopup);
    ULONG_PTR dwGreen = Item(m_hPopup, posGreen).dwItemData;
    ULONG_PTR dwExtra = Item(hExtra, 0).dwItemData;
    ASSERT_NE(nullptr, m_pPlugIn->FindRecord(m_hPopup, dwGreen));
    ASSERT_NE(nullptr, m_pPlugIn->FindRecord(hExtra, dwExtra));
    ::RemoveMenu(m_hPopup, posGreen, MF_BYPOSITION);
    ::DestroyMenu(hExtra);
    m_pHost->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ(nullptr, m_pPlugIn->FindRecord(m_hPopup, dwGreen));
    EXPECT_EQ(nullptr, m_pPlugIn->FindRecord(hExtra, dwExtra));
    EXPECT_NE(nullptr, m_pPlugIn->FindRecord(m_hPopup, Item(m_hPopup, posRed).dwItemData)) << "others stay";
}

TEST_F(BmpMenuTest, AnItemIsAsWideAsItsTextPlusThirtyPlusTheImage)
{
    InitPopup(m_hPopup);
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    HFONT hFont = ::CreateFontIndirect(&ncm.lfMenuFont);
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    for (int nPos : {posRed, posFirstF, posPlain})
    {
        SCOPED_TRACE(nPos);
        RECT rc = {0, 0, 0, 0};
        CString strText = ItemText(m_hPopup, nPos);
        ::DrawText(hDC, strText, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
        MEASUREITEMSTRUCT mis = Measure(nPos);
        EXPECT_EQ((UINT)(rc.right + 30 + 16), mis.itemWidth);
        int cyMin = ::GetSystemMetrics(SM_CYMENU) > 19 ? ::GetSystemMetrics(SM_CYMENU) : 19;
        EXPECT_EQ((UINT)(rc.bottom > cyMin ? rc.bottom : cyMin), mis.itemHeight);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    ::DeleteObject(hFont);
}

TEST_F(BmpMenuTest, ItemsAreDrawnWithTheirImageInEachState)
{
    InitPopup(m_hPopup);
    const int nHeight = (int)Measure(posRed).itemHeight;
    const COLORREF red = RGB(0xFF, 0, 0), blue = RGB(0, 0, 0xFF);
    {
        SCOPED_TRACE("plain");
        DrawnItem item(m_pHost, m_hPopup, posRed, 0, nHeight);
        EXPECT_TRUE(item.m_lResult);
        int y = item.CellTop() + 2;
        EXPECT_EQ(red, item.Pixel(2 + 7, y + 7)) << "the toolbar image";
        EXPECT_EQ(Sys(COLOR_BTNFACE), item.Pixel(2 + 1, y + 1)) << "its face";
        EXPECT_EQ(Sys(COLOR_MENU), item.Pixel(1, 0));
        EXPECT_EQ(Sys(COLOR_MENU), item.Pixel(DrawnItem::kWidth - 2, 1));
        EXPECT_GT(item.Count(Sys(COLOR_MENUTEXT), kColumnRight, DrawnItem::kWidth), 0)
            << "label and accelerator";
    }
    {
        SCOPED_TRACE("selected");
        DrawnItem item(m_pHost, m_hPopup, posRed, ODS_SELECTED, nHeight);
        int y = item.CellTop();
        EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), item.Pixel(0, y)) << "raised edge";
        EXPECT_EQ(red, item.Pixel(2 + 7, y + 2 + 7));
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), item.Pixel(DrawnItem::kWidth - 2, 1));
        EXPECT_GT(item.Count(Sys(COLOR_HIGHLIGHTTEXT), kColumnRight, DrawnItem::kWidth), 0);
    }
    {
        SCOPED_TRACE("checked, 3-D menus");
        FlatMenus flat(FALSE);
        DrawnItem item(m_pHost, m_hPopup, posRed, ODS_CHECKED, nHeight);
        int y = item.CellTop();
        EXPECT_EQ(Sys(COLOR_BTNSHADOW), item.Pixel(0, y)) << "sunken edge";
        EXPECT_EQ(red, item.Pixel(2 + 7, y + 2 + 7)) << "the image stays";
        // Its background in a face-and-highlight checkerboard.
        COLORREF a = item.Pixel(2 + 1, y + 2 + 1), b = item.Pixel(2 + 2, y + 2 + 1);
        EXPECT_NE(a, b);
        for (COLORREF c : {a, b})
            EXPECT_TRUE(c == Sys(COLOR_BTNFACE) || c == Sys(COLOR_BTNHIGHLIGHT)) << std::hex << c;
    }
    {
        SCOPED_TRACE("checked, flat menus");
        FlatMenus flat(TRUE);
        DrawnItem item(m_pHost, m_hPopup, posRed, ODS_CHECKED, nHeight);
        int y = item.CellTop();
        for (CPoint pt : {CPoint(0, y), CPoint(19, y + 18), CPoint(0, y + 9), CPoint(19, y + 9)})
            EXPECT_EQ(Sys(COLOR_HIGHLIGHT), item.Pixel(pt.x, pt.y)) << "framed in the selection colour";
        EXPECT_EQ(red, item.Pixel(2 + 7, y + 2 + 7)) << "the image stays";
        // Inside the frame and behind the image a light tint of the selection colour.
        const COLORREF tint = item.Pixel(1, y + 1);
        EXPECT_EQ(tint, item.Pixel(2 + 1, y + 2 + 1));
        EXPECT_NE(Sys(COLOR_MENU), tint);
        EXPECT_GT(GetRValue(tint) + GetGValue(tint) + GetBValue(tint), GetRValue(Sys(COLOR_HIGHLIGHT)) +
                                                                           GetGValue(Sys(COLOR_HIGHLIGHT)) +
                                                                           GetBValue(Sys(COLOR_HIGHLIGHT)))
            << "lighter than the selection";
    }
    for (BOOL bFlat : {FALSE, TRUE})
    {
        SCOPED_TRACE(bFlat ? "unchecked, flat menus" : "unchecked, 3-D menus");
        FlatMenus flat(bFlat);
        DrawnItem item(m_pHost, m_hPopup, posRed, 0, nHeight);
        int y = item.CellTop();
        for (CPoint pt : {CPoint(0, y), CPoint(19, y + 18), CPoint(1, y + 1)})
            EXPECT_EQ(Sys(COLOR_MENU), item.Pixel(pt.x, pt.y)) << "no frame";
    }
    {
        SCOPED_TRACE("disabled");
        DrawnItem item(m_pHost, m_hPopup, posBlue, ODS_DISABLED, nHeight);
        int y = item.CellTop() + 2;
        EXPECT_EQ(0, item.Count(blue, 0, kColumnRight)) << "embossed, not in colour";
        EXPECT_EQ(Sys(COLOR_BTNSHADOW), item.Pixel(2 + 7, y + 7));
        EXPECT_EQ(Sys(COLOR_BTNHIGHLIGHT), item.Pixel(2 + 12 + 1, y + 11 + 1)) << "the offset copy";
        EXPECT_GT(item.Count(Sys(COLOR_BTNSHADOW), kColumnRight, DrawnItem::kWidth), 0);
        EXPECT_GT(item.Count(Sys(COLOR_BTNHIGHLIGHT), kColumnRight, DrawnItem::kWidth), 0);
        EXPECT_EQ(0, item.Count(Sys(COLOR_MENUTEXT), kColumnRight, DrawnItem::kWidth));
    }
    {
        SCOPED_TRACE("disabled and selected");
        DrawnItem item(m_pHost, m_hPopup, posBlue, ODS_DISABLED | ODS_SELECTED, nHeight);
        EXPECT_GT(item.Count(Sys(COLOR_GRAYTEXT), kColumnRight, DrawnItem::kWidth), 0);
        EXPECT_EQ(0, item.Count(Sys(COLOR_BTNHIGHLIGHT), kColumnRight, DrawnItem::kWidth)) << "not embossed";
    }
    {
        SCOPED_TRACE("no image, selected");
        DrawnItem item(m_pHost, m_hPopup, posFirstF, ODS_SELECTED, nHeight);
        EXPECT_EQ(Sys(COLOR_HIGHLIGHT), item.Pixel(2 + 7, nHeight / 2)) << "the column takes the highlight";
    }
}

TEST_F(BmpMenuTest, ForeignItemDataIsNeverDrawn)
{
    InitPopup(m_hPopup);
    SECBmpMenuItemInfo stranger(ID_TB_RED, _T("&Rot"));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = ID_TB_RED;
    dis.hwndItem = (HWND)m_hPopup;
    dis.itemData = (ULONG_PTR)&stranger;
    LRESULT lResult = 1;
    m_pPlugIn->OnWndMsg(WM_DRAWITEM, 0, (LPARAM)&dis, &lResult);
    EXPECT_FALSE(m_pPlugIn->m_bMsgConsumed);
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ID_TB_RED;
    mis.itemData = (ULONG_PTR)&stranger;
    m_pPlugIn->OnWndMsg(WM_MEASUREITEM, 0, (LPARAM)&mis, &lResult);
    EXPECT_FALSE(m_pPlugIn->m_bMsgConsumed);
    EXPECT_EQ(0u, mis.itemWidth);
}

TEST_F(BmpMenuTest, MnemonicsExecuteASingleMatchAndStepThroughSeveral)
{
    InitPopup(m_hPopup);
    struct
    {
        TCHAR ch;
        int nHilite;
        LRESULT lExpected;
    } const cases[] = {
        {'r', -1, MAKELRESULT(posRed, MNC_EXECUTE)},
        {'D', -1, MAKELRESULT(posRadio, MNC_EXECUTE)},
        {'f', -1, MAKELRESULT(posFirstF, MNC_SELECT)},
        {'f', posRed, MAKELRESULT(posFirstF, MNC_SELECT)},
        {'F', posFirstF, MAKELRESULT(posSecondF, MNC_SELECT)},
        {'f', posSecondF, MAKELRESULT(posFirstF, MNC_SELECT)},
        {'m', -1, MAKELRESULT(posMore, MNC_EXECUTE)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (char)c.ch << " " << c.nHilite);
        SetHilite(c.nHilite);
        EXPECT_EQ(c.lExpected, MenuChar(c.ch));
    }
    LRESULT lResult = 0;
    m_pPlugIn->OnWndMsg(WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), (LPARAM)m_hPopup, &lResult);
    EXPECT_FALSE(m_pPlugIn->m_bMsgConsumed) << "no match: the host's default";
    m_pPlugIn->ExcludeCommand(ID_TB_RED);
    m_pPlugIn->OnWndMsg(WM_MENUCHAR, MAKEWPARAM('r', MF_POPUP), (LPARAM)m_hPopup, &lResult);
    EXPECT_FALSE(m_pPlugIn->m_bMsgConsumed);
}

TEST_F(BmpMenuTest, WithTheReplaceFlagRadioItemsShowTheLibrarysDotUntilThePlugInGoes)
{
    HBITMAP hbmBefore = AfxGetMenuDotBitmap();
    Unplug();
    PlugIn(TRUE);
    HBITMAP hbmDot = AfxGetMenuDotBitmap();
    ASSERT_NE(hbmBefore, hbmDot);
    BITMAP bm = {};
    ASSERT_TRUE(::GetObject(hbmDot, sizeof(bm), &bm));
    EXPECT_EQ(16, bm.bmWidth);
    EXPECT_EQ(15, bm.bmHeight);
    EXPECT_EQ(1, bm.bmBitsPixel);

    CCmdUI cmdUI;
    cmdUI.m_pMenu = CMenu::FromHandle(m_hPopup);
    cmdUI.m_nIndex = posRadio;
    cmdUI.m_nID = ID_BMP_RADIO;
    cmdUI.SetRadio(TRUE);
    InitPopup(m_hPopup);
    const int nHeight = (int)Measure(posRadio).itemHeight;
    {
        DrawnItem item(m_pHost, m_hPopup, posRadio, ODS_CHECKED, nHeight);
        int y = item.CellTop() + 2;
        // The bullet: rows 4 to 8, columns 7 and 8 in its first and last row, 6 to 9 between.
        struct
        {
            int x, y;
            BOOL bInk;
        } const pixels[] = {{7, 4, TRUE},   {8, 4, TRUE}, {6, 4, FALSE}, {6, 5, TRUE}, {9, 7, TRUE},
                            {10, 6, FALSE}, {8, 8, TRUE}, {8, 9, FALSE}, {1, 1, FALSE}};
        for (const auto& p : pixels)
            EXPECT_EQ(Sys(p.bInk ? COLOR_MENUTEXT : COLOR_MENU), item.Pixel(2 + p.x, y + p.y))
                << p.x << "," << p.y;
        EXPECT_EQ(Sys(COLOR_BTNSHADOW), item.Pixel(0, item.CellTop())) << "sunken edge";
    }
    {
        // A checked item without a bitmap of its own shows the library's check mark.
        ::CheckMenuItem(m_hPopup, posPlain, MF_BYPOSITION | MF_CHECKED);
        DrawnItem item(m_pHost, m_hPopup, posPlain, ODS_CHECKED, nHeight);
        EXPECT_GT(item.Count(Sys(COLOR_BTNTEXT), 2, kColumnRight - 2), 5);
    }
    Unplug();
    EXPECT_EQ(hbmBefore, AfxGetMenuDotBitmap()) << "the framework's dot back";
}

TEST_F(BmpMenuTest, SettingChangesKeepTheItemsConverted)
{
    InitPopup(m_hPopup);
    ULONG_PTR dwRed = Item(m_hPopup, posRed).dwItemData;
    m_pHost->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    EXPECT_TRUE(IsOwnerDrawn(m_hPopup, posRed));
    EXPECT_EQ(dwRed, Item(m_hPopup, posRed).dwItemData);
    EXPECT_EQ(CString(_T("&Rot\tStrg+R")), ItemText(m_hPopup, posRed)) << "text put back on the way";
    m_pHost->SendMessage(WM_SYSCOLORCHANGE, 0, 0);
    DrawnItem item(m_pHost, m_hPopup, posRed, 0, (int)Measure(posRed).itemHeight);
    EXPECT_EQ(RGB(0xFF, 0, 0), item.Pixel(2 + 7, item.CellTop() + 2 + 7)) << "images rebuilt";
}

namespace
{
struct PopupProbe
{
    int nRed = 0;
    int nBlue = 0;
    int xFirstRed = -1;
    BOOL bSeen = FALSE;
};
PopupProbe* s_pProbe = nullptr;

// Reads the open popup's pixels from its window, then closes the menu.
void CALLBACK ReadOpenPopup(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    if (hPopup == NULL || !::IsWindowVisible(hPopup))
        return;
    ::KillTimer(NULL, nTimer);
    ::UpdateWindow(hPopup);
    RECT rc;
    ::GetClientRect(hPopup, &rc);
    HDC hDC = ::GetDC(hPopup);
    for (int y = 0; y < rc.bottom; y++)
        for (int x = 0; x < rc.right; x++)
        {
            COLORREF c = ::GetPixel(hDC, x, y);
            if (c == RGB(0xFF, 0, 0))
            {
                s_pProbe->nRed++;
                if (s_pProbe->xFirstRed < 0 || x < s_pProbe->xFirstRed)
                    s_pProbe->xFirstRed = x;
            }
            s_pProbe->nBlue += c == RGB(0, 0, 0xFF);
        }
    ::ReleaseDC(hPopup, hDC);
    s_pProbe->bSeen = TRUE;
    ::EndMenu();
}
} // namespace

TEST_F(BmpMenuTest, AnOpenPopupShowsTheCommandsToolbarImageOnTheScreen)
{
    PopupProbe probe;
    s_pProbe = &probe;
    m_pHost->UpdateWindow();
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, ReadOpenPopup);
    ::TrackPopupMenu(m_hPopup, TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, m_pHost->m_hWnd, NULL);
    ::KillTimer(NULL, nTimer);
    s_pProbe = nullptr;
    ASSERT_TRUE(probe.bSeen);
    EXPECT_EQ(10 * 9, probe.nRed) << "the red command's image, whole";
    EXPECT_GE(probe.xFirstRed, 3);
    EXPECT_LE(probe.xFirstRed, 8) << "in the image column";
    EXPECT_EQ(0, probe.nBlue) << "the disabled blue command's image is embossed";
    EXPECT_TRUE(IsOwnerDrawn(m_hPopup, posRed)) << "converted as it opened";
}
