// SECBmpMenuPlugIn: owner-drawn popup items with the toolbar images of their commands.
#include "uilib/bars/BmpMenuPlugIn.h"
#include "BarsIds.h"
#include "uilib/common/BmpMgr.h"

using tessaron::foundation::SECWndPlugIn;

IMPLEMENT_DYNAMIC(SECBmpMenuItemInfo, CObject)
IMPLEMENT_DYNAMIC(SECBmpMenuPlugIn, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECBmpMenuPlugIn, SECWndPlugIn)
ON_MESSAGE(WM_MEASUREITEM, OnMeasureItemMsg)
ON_MESSAGE(WM_DRAWITEM, OnDrawItemMsg)
ON_MESSAGE(WM_MENUCHAR, OnMenuCharMsg)
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopupMsg)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMsg)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChangeMsg)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
END_MESSAGE_MAP()

COLORREF SECBmpMenuPlugIn::s_colors[SECBmpMenuPlugIn::clrCount];

namespace
{
const int kHashSize = 17;
const int kBlockSize = 10;
const UINT kFirstSysCommand = 0xF000;
const UINT kLastSysCommand = 0xFEFF;
// Room the text leaves beside the image column, and what the text area gives up on the right.
const int kExtraWidth = 30;
const int kTextRightInset = 23;
const DWORD kRopPatternWhereSource = 0xE20746;   // DSPDxax
const DWORD kRopPatternWhereNoSource = 0xB8074A; // PSDPxax
// System bitmaps (their names need OEMRESOURCE before the system headers).
const UINT kObmMnArrow = 32739;
const UINT kObmCheck = 32760;

// The radio dot the plug-ins share while one of them with the replace-check flag lives.
int s_nDotUsers = 0;
HBITMAP s_hbmDot = NULL;
BOOL s_bDotOwned = FALSE;
HBITMAP s_hbmDotBefore = NULL;

// 16 x 15, white, with a small round bullet in columns 6 to 9 of rows 4 to 8.
HBITMAP MakeDotBitmap()
{
    static const WORD kRows[] = {0x06, 0x0F, 0x0F, 0x0F, 0x06};
    BYTE bits[15 * 2];
    for (int y = 0; y < 15; y++)
    {
        WORD wRow = 0xFFFF;
        if (y >= 4 && y <= 8)
            wRow = (WORD) ~(kRows[y - 4] << 6);
        bits[y * 2] = HIBYTE(wRow);
        bits[y * 2 + 1] = LOBYTE(wRow);
    }
    return ::CreateBitmap(16, 15, 1, 1, bits);
}

void UseDot()
{
    if (s_nDotUsers++ > 0)
        return;
    s_hbmDot = MakeDotBitmap();
    s_bDotOwned = s_hbmDot != NULL;
    if (s_hbmDot == NULL)
        s_hbmDot = ::LoadBitmap(NULL, MAKEINTRESOURCE(kObmMnArrow));
    s_hbmDotBefore = AfxSetMenuDotBitmap(s_hbmDot);
}

void ReleaseDot()
{
    if (--s_nDotUsers > 0)
        return;
    // Only when nobody put another dot in place since.
    if (AfxGetMenuDotBitmap() == s_hbmDot)
        AfxSetMenuDotBitmap(s_hbmDotBefore);
    ::DeleteObject(s_hbmDot);
    s_hbmDot = NULL;
    s_bDotOwned = FALSE;
}

BYTE MnemonicOf(const CString& strText)
{
    int n = strText.Find(_T('&'));
    if (n < 0 || n + 1 >= strText.GetLength())
        return 0;
    return (BYTE)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)strText[n + 1]);
}

BOOL IsConvertible(const MENUITEMINFO& mii)
{
    return (mii.fType & (MFT_BITMAP | MFT_SEPARATOR | MFT_OWNERDRAW)) == 0;
}

BOOL IsSysCommand(UINT nID)
{
    return nID >= kFirstSysCommand && nID <= kLastSysCommand;
}

// Draws a bitmap's image nImage (images of size cx, side by side) at pt.
void BlitImage(CDC* pDC, CPoint pt, HBITMAP hbm, int nImage, CSize size, DWORD dwRop = SRCCOPY)
{
    CDC dcImage;
    if (!dcImage.CreateCompatibleDC(pDC))
        return;
    HGDIOBJ hOld = ::SelectObject(dcImage.m_hDC, hbm);
    ::BitBlt(pDC->m_hDC, pt.x, pt.y, size.cx, size.cy, dcImage.m_hDC, nImage * size.cx, 0, dwRop);
    ::SelectObject(dcImage.m_hDC, hOld);
}

// Flat menus (the system's setting) have no 3-D edges, and their menu colour is the highlight
// colour of a sunken edge and of the halftone: there a checked cell shows the way the system's own
// flat menus mark it, a frame in the selection colour around a light tint of it.
BOOL IsFlatMenu()
{
    BOOL bFlat = FALSE;
    return ::SystemParametersInfo(SPI_GETFLATMENU, 0, &bFlat, 0) && bFlat;
}

COLORREF Tint(COLORREF clr, COLORREF clrBack)
{
    return RGB((GetRValue(clr) + 3 * GetRValue(clrBack)) / 4, (GetGValue(clr) + 3 * GetGValue(clrBack)) / 4,
               (GetBValue(clr) + 3 * GetBValue(clrBack)) / 4);
}

CSize BitmapSize(HBITMAP hbm)
{
    BITMAP bm = {};
    if (hbm == NULL || ::GetObject(hbm, sizeof(bm), &bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}
} // namespace

SECBmpMenuItemInfo::SECBmpMenuItemInfo(UINT nID, LPCTSTR lpszText)
    : m_nID(nID), m_strText(lpszText), m_cMnemonic(MnemonicOf(m_strText))
{
}

SECBmpMenuPlugIn::SECBmpMenuPlugIn(BOOL bReplaceCheck)
    : m_bReplaceCheck(bReplaceCheck), m_pBmpMgr(new SECBmpMgr)
{
    m_menus.InitHashTable(kHashSize);
    m_excluded.InitHashTable(kHashSize);
    ReadSysColors();
    if (m_bReplaceCheck)
        UseDot();
    m_pBmpMgr->SetMenuMode(TRUE);
}

SECBmpMenuPlugIn::~SECBmpMenuPlugIn()
{
    POSITION pos = m_menus.GetStartPosition();
    while (pos != NULL)
    {
        HMENU hMenu;
        SECBmpMenuInfo* pInfo;
        m_menus.GetNextAssoc(pos, hMenu, pInfo);
        BOOL bExists = ::IsMenu(hMenu);
        POSITION posItem = pInfo->m_items.GetHeadPosition();
        while (posItem != NULL)
        {
            SECBmpMenuItemInfo* pRecord = pInfo->m_items.GetNext(posItem);
            int nPos = bExists ? FindItemOf(hMenu, pRecord) : -1;
            if (nPos >= 0)
                SetItemString(hMenu, (UINT)nPos, pRecord);
            delete pRecord;
        }
        delete pInfo;
    }
    m_menus.RemoveAll();
    if (m_pBmpMgr != NULL)
        m_pBmpMgr->Release();
    if (m_bReplaceCheck)
        ReleaseDot();
}

void SECBmpMenuPlugIn::ReadSysColors()
{
    static const int kIndexes[clrCount] = {COLOR_BTNFACE,   COLOR_BTNHIGHLIGHT,  COLOR_BTNHIGHLIGHT,
                                           COLOR_BTNSHADOW, COLOR_HIGHLIGHT,     COLOR_MENU,
                                           COLOR_GRAYTEXT,  COLOR_HIGHLIGHTTEXT, COLOR_MENUTEXT};
    for (int i = 0; i < clrCount; i++)
        s_colors[i] = ::GetSysColor(kIndexes[i]);
}

BOOL SECBmpMenuPlugIn::AddToolBarImages(UINT nResourceID)
{
    return m_pBmpMgr->AddToolBarResource(LOWORD(nResourceID));
}

void SECBmpMenuPlugIn::SetBitmapManager(SECBmpMgr* pMgr)
{
    if (pMgr == NULL || pMgr == m_pBmpMgr)
        return;
    pMgr->AddRef();
    if (m_pBmpMgr != NULL)
        m_pBmpMgr->Release();
    m_pBmpMgr = pMgr;
    m_pBmpMgr->SetMenuMode(TRUE);
}

void SECBmpMenuPlugIn::ExcludeCommand(UINT nID)
{
    m_excluded.SetAt(nID, nID);
}

BOOL SECBmpMenuPlugIn::IsExcluded(UINT nID) const
{
    UINT n;
    return m_excluded.Lookup(nID, n);
}

SECBmpMenuPlugIn::SECBmpMenuInfo* SECBmpMenuPlugIn::FindMenu(HMENU hMenu) const
{
    SECBmpMenuInfo* pInfo = NULL;
    return m_menus.Lookup(hMenu, pInfo) ? pInfo : NULL;
}

SECBmpMenuItemInfo* SECBmpMenuPlugIn::FindRecord(HMENU hMenu, ULONG_PTR dwItemData) const
{
    SECBmpMenuInfo* pInfo = FindMenu(hMenu);
    if (pInfo == NULL || dwItemData == 0)
        return NULL;
    POSITION pos = pInfo->m_items.GetHeadPosition();
    while (pos != NULL)
    {
        SECBmpMenuItemInfo* pRecord = pInfo->m_items.GetNext(pos);
        if ((ULONG_PTR)pRecord == dwItemData)
            return pRecord;
    }
    return NULL;
}

// Measuring names no menu, so the record is looked for in all of them: item data that is not
// one of ours is somebody else's and is never read.
SECBmpMenuItemInfo* SECBmpMenuPlugIn::FindAnyRecord(ULONG_PTR dwItemData) const
{
    POSITION pos = m_menus.GetStartPosition();
    while (pos != NULL)
    {
        HMENU hMenu;
        SECBmpMenuInfo* pInfo;
        m_menus.GetNextAssoc(pos, hMenu, pInfo);
        if (SECBmpMenuItemInfo* pRecord = FindRecord(hMenu, dwItemData))
            return pRecord;
    }
    return NULL;
}

int SECBmpMenuPlugIn::FindItemOf(HMENU hMenu, const SECBmpMenuItemInfo* pRecord)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_DATA;
        if (::GetMenuItemInfo(hMenu, (UINT)i, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW) != 0 &&
            mii.dwItemData == (ULONG_PTR)pRecord)
            return i;
    }
    return -1;
}

void SECBmpMenuPlugIn::SetItemOwnerDrawn(HMENU hMenu, UINT nPos, SECBmpMenuItemInfo* pRecord)
{
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ::GetMenuItemInfo(hMenu, nPos, TRUE, &mii);
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    mii.fType |= MFT_OWNERDRAW;
    mii.dwItemData = (ULONG_PTR)pRecord;
    ::SetMenuItemInfo(hMenu, nPos, TRUE, &mii);
}

void SECBmpMenuPlugIn::SetItemString(HMENU hMenu, UINT nPos, const SECBmpMenuItemInfo* pRecord)
{
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ::GetMenuItemInfo(hMenu, nPos, TRUE, &mii);
    mii.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    mii.fType &= ~(UINT)MFT_OWNERDRAW;
    mii.dwTypeData = const_cast<LPTSTR>((LPCTSTR)pRecord->m_strText);
    mii.dwItemData = 0;
    ::SetMenuItemInfo(hMenu, nPos, TRUE, &mii);
}

void SECBmpMenuPlugIn::InitMenuPopup(HMENU hMenu, UINT /*nIndex*/, BOOL bSysMenu)
{
    if (bSysMenu || !::IsMenu(hMenu))
        return;
    SECBmpMenuInfo* pInfo = FindMenu(hMenu);
    if (pInfo == NULL)
    {
        pInfo = new SECBmpMenuInfo;
        pInfo->m_hMenu = hMenu;
        m_menus.SetAt(hMenu, pInfo);
    }
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        TCHAR szText[256] = {};
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
        mii.dwTypeData = szText;
        mii.cch = _countof(szText);
        if (!::GetMenuItemInfo(hMenu, (UINT)i, TRUE, &mii))
            continue;
        UINT nID = mii.hSubMenu != NULL ? 0 : mii.wID;
        if (IsConvertible(mii))
        {
            if (IsSysCommand(nID) || IsExcluded(nID))
                continue;
            SECBmpMenuItemInfo* pRecord = new SECBmpMenuItemInfo(nID, szText);
            SetItemOwnerDrawn(hMenu, (UINT)i, pRecord);
            pInfo->m_items.AddTail(pRecord);
        }
        else if ((mii.fType & MFT_OWNERDRAW) != 0 && FindRecord(hMenu, mii.dwItemData) == NULL)
            ExcludeCommand(nID); // somebody else draws it
    }
}

void SECBmpMenuPlugIn::PurgeMenus(BOOL bRemeasure)
{
    POSITION pos = m_menus.GetStartPosition();
    while (pos != NULL)
    {
        HMENU hMenu;
        SECBmpMenuInfo* pInfo;
        m_menus.GetNextAssoc(pos, hMenu, pInfo);
        BOOL bExists = ::IsMenu(hMenu);
        POSITION posItem = pInfo->m_items.GetHeadPosition();
        while (posItem != NULL)
        {
            POSITION posThis = posItem;
            SECBmpMenuItemInfo* pRecord = pInfo->m_items.GetNext(posItem);
            int nPos = bExists ? FindItemOf(hMenu, pRecord) : -1;
            if (nPos < 0)
            {
                pInfo->m_items.RemoveAt(posThis);
                delete pRecord;
            }
            else if (bRemeasure)
            {
                SetItemString(hMenu, (UINT)nPos, pRecord);
                SetItemOwnerDrawn(hMenu, (UINT)nPos, pRecord);
            }
        }
        if (!bExists)
        {
            m_menus.RemoveKey(hMenu);
            delete pInfo;
        }
    }
}

BOOL SECBmpMenuPlugIn::CreateMenuFont()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return FALSE;
    m_fontMenu.DeleteObject();
    return m_fontMenu.CreateFontIndirect(&ncm.lfMenuFont);
}

BOOL SECBmpMenuPlugIn::CreateBoldMenuFont()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return FALSE;
    ncm.lfMenuFont.lfWeight = FW_BOLD;
    m_fontMenuBold.DeleteObject();
    return m_fontMenuBold.CreateFontIndirect(&ncm.lfMenuFont);
}

CFont* SECBmpMenuPlugIn::GetItemFont(BOOL bDefault)
{
    if (bDefault)
    {
        if (m_fontMenuBold.m_hObject == NULL)
            CreateBoldMenuFont();
        return &m_fontMenuBold;
    }
    if (m_fontMenu.m_hObject == NULL)
        CreateMenuFont();
    return &m_fontMenu;
}

HBITMAP SECBmpMenuPlugIn::CreateImageMask(HBITMAP hbmImages, int nImage, CSize size)
{
    HDC hdcScreen = ::GetDC(NULL);
    HDC hdcImage = ::CreateCompatibleDC(hdcScreen);
    HDC hdcMask = ::CreateCompatibleDC(hdcScreen);
    ::ReleaseDC(NULL, hdcScreen);
    HBITMAP hbmMask = ::CreateBitmap(size.cx, size.cy, 1, 1, NULL);
    if (hdcImage == NULL || hdcMask == NULL || hbmMask == NULL)
    {
        if (hbmMask != NULL)
            ::DeleteObject(hbmMask);
        hbmMask = NULL;
    }
    else
    {
        HGDIOBJ hOldImage = ::SelectObject(hdcImage, hbmImages);
        HGDIOBJ hOldMask = ::SelectObject(hdcMask, hbmMask);
        // A colour-to-mono copy gives 1 where a pixel has the background colour: collect the
        // face and highlight pixels as 1, then turn the mask round.
        ::SetBkColor(hdcImage, s_colors[clrBtnFace]);
        ::BitBlt(hdcMask, 0, 0, size.cx, size.cy, hdcImage, nImage * size.cx, 0, SRCCOPY);
        ::SetBkColor(hdcImage, s_colors[clrBtnHilite]);
        ::BitBlt(hdcMask, 0, 0, size.cx, size.cy, hdcImage, nImage * size.cx, 0, SRCPAINT);
        ::BitBlt(hdcMask, 0, 0, size.cx, size.cy, NULL, 0, 0, DSTINVERT);
        ::SelectObject(hdcMask, hOldMask);
        ::SelectObject(hdcImage, hOldImage);
    }
    if (hdcImage != NULL)
        ::DeleteDC(hdcImage);
    if (hdcMask != NULL)
        ::DeleteDC(hdcMask);
    return hbmMask;
}

void SECBmpMenuPlugIn::DrawCheckedImage(CDC* pDC, CPoint pt, HBITMAP hbmImages, int nImage, CSize size)
{
    CBrush brushTint;
    if (IsFlatMenu() && !brushTint.CreateSolidBrush(Tint(s_colors[clrHighlight], s_colors[clrMenu])))
        return;
    if (m_brushPattern.m_hObject == NULL && brushTint.m_hObject == NULL)
    {
        // Face and highlight in a checkerboard.
        CBitmap bmPattern;
        CDC dcPattern;
        HDC hdcScreen = ::GetDC(NULL);
        BOOL bMade = bmPattern.Attach(::CreateCompatibleBitmap(hdcScreen, 8, 8)) &&
                     dcPattern.Attach(::CreateCompatibleDC(hdcScreen));
        ::ReleaseDC(NULL, hdcScreen);
        if (!bMade)
            return;
        HGDIOBJ hOld = ::SelectObject(dcPattern.m_hDC, bmPattern.m_hObject);
        for (int y = 0; y < 8; y++)
            for (int x = 0; x < 8; x++)
                ::SetPixel(dcPattern.m_hDC, x, y, s_colors[(x + y) % 2 == 0 ? clrBtnFace : clrBtnHilite2]);
        ::SelectObject(dcPattern.m_hDC, hOld);
        m_brushPattern.Attach(::CreatePatternBrush((HBITMAP)bmPattern.m_hObject));
    }
    HBITMAP hbmMask = CreateImageMask(hbmImages, nImage, size);
    if (hbmMask == NULL)
        return;
    COLORREF clrText = pDC->SetTextColor(RGB(255, 255, 255));
    COLORREF clrBk = pDC->SetBkColor(RGB(0, 0, 0));
    HGDIOBJ hOldBrush = ::SelectObject(pDC->m_hDC, brushTint.m_hObject != NULL ? brushTint.m_hObject
                                                                               : m_brushPattern.m_hObject);
    BlitImage(pDC, pt, hbmMask, 0, size, kRopPatternWhereSource);
    ::SelectObject(pDC->m_hDC, hOldBrush);
    pDC->SetTextColor(clrText);
    pDC->SetBkColor(clrBk);
    ::DeleteObject(hbmMask);
}

void SECBmpMenuPlugIn::DrawDisabledImage(CDC* pDC, CPoint pt, HBITMAP hbmImages, int nImage, CSize size)
{
    HBITMAP hbmMask = CreateImageMask(hbmImages, nImage, size);
    if (hbmMask == NULL)
        return;
    COLORREF clrText = pDC->SetTextColor(RGB(255, 255, 255));
    COLORREF clrBk = pDC->SetBkColor(RGB(0, 0, 0));
    HBRUSH hbrHilite = ::CreateSolidBrush(s_colors[clrBtnHilite]);
    HBRUSH hbrShadow = ::CreateSolidBrush(s_colors[clrBtnShadow]);
    HGDIOBJ hOldBrush = ::SelectObject(pDC->m_hDC, hbrHilite);
    BlitImage(pDC, pt + CPoint(1, 1), hbmMask, 0, size, kRopPatternWhereNoSource);
    ::SelectObject(pDC->m_hDC, hbrShadow);
    BlitImage(pDC, pt, hbmMask, 0, size, kRopPatternWhereNoSource);
    ::SelectObject(pDC->m_hDC, hOldBrush);
    ::DeleteObject(hbrHilite);
    ::DeleteObject(hbrShadow);
    pDC->SetTextColor(clrText);
    pDC->SetBkColor(clrBk);
    ::DeleteObject(hbmMask);
}

void SECBmpMenuPlugIn::DrawItemImage(CDC* pDC, const LPDRAWITEMSTRUCT lpDIS, const CRect& rectColumn,
                                     int nImage)
{
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    const BOOL bChecked = (lpDIS->itemState & ODS_CHECKED) != 0;
    HBITMAP hbm = NULL;
    CSize size;
    int nDraw = 0;
    HBITMAP hbmOwned = NULL;
    if (nImage >= 0)
    {
        int n;
        m_pBmpMgr->GetImage(lpDIS->itemID, hbm, n, TRUE);
        size = m_pBmpMgr->GetSmallSize();
        nDraw = nImage;
    }
    else
    {
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_CHECKMARKS;
        ::GetMenuItemInfo((HMENU)lpDIS->hwndItem, lpDIS->itemID, FALSE, &mii);
        if (bChecked)
        {
            hbm = mii.hbmpChecked;
            if (hbm == NULL)
                hbm = hbmOwned = m_bReplaceCheck ? ::CreateMappedBitmap(AfxGetResourceHandle(),
                                                                        IDB_SEC_MENU_CHECK, 0, NULL, 0)
                                                 : ::LoadBitmap(NULL, MAKEINTRESOURCE(kObmCheck));
        }
        else
            hbm = mii.hbmpUnchecked;
        size = BitmapSize(hbm);
    }
    if (hbm == NULL)
    {
        pDC->FillSolidRect(rectColumn, s_colors[bSelected && nImage < 0 ? clrHighlight : clrMenu]);
        return;
    }
    pDC->FillSolidRect(rectColumn, s_colors[clrMenu]);
    CRect rectCell(rectColumn.left, rectColumn.top + (rectColumn.Height() - (size.cy + 4)) / 2, 0, 0);
    rectCell.right = rectCell.left + size.cx + 4;
    rectCell.bottom = rectCell.top + size.cy + 4;
    // A check mark shows the state itself; a toolbar image needs its cell to show it.
    const BOOL bFlatChecked = bChecked && nImage >= 0 && IsFlatMenu();
    COLORREF clrCell = s_colors[clrMenu];
    if (bFlatChecked)
    {
        clrCell = Tint(s_colors[clrHighlight], s_colors[clrMenu]);
        pDC->FillSolidRect(rectCell, clrCell);
        pDC->Draw3dRect(rectCell, s_colors[clrHighlight], s_colors[clrHighlight]);
    }
    else if (bChecked)
        pDC->DrawEdge(rectCell, BDR_SUNKENOUTER, BF_RECT);
    else if (bSelected && !bDisabled)
        pDC->DrawEdge(rectCell, BDR_RAISEDINNER, BF_RECT);
    CRect rectInside = rectCell;
    rectInside.DeflateRect(1, 1);
    rectInside.OffsetRect(1, 1);
    if (nImage >= 0 && bDisabled)
        DrawDisabledImage(pDC, rectInside.TopLeft(), hbm, nDraw, size);
    else
    {
        // Monochrome marks take the menu's colours.
        COLORREF clrText = pDC->SetTextColor(s_colors[clrMenuText]);
        COLORREF clrBk = pDC->SetBkColor(clrCell);
        BlitImage(pDC, rectInside.TopLeft(), hbm, nDraw, size);
        pDC->SetTextColor(clrText);
        pDC->SetBkColor(clrBk);
        if (nImage >= 0 && bChecked && !bSelected)
            DrawCheckedImage(pDC, rectInside.TopLeft(), hbm, nDraw, size);
    }
    if (hbmOwned != NULL)
        ::DeleteObject(hbmOwned);
}

LRESULT SECBmpMenuPlugIn::OnMeasureItemMsg(WPARAM, LPARAM lParam)
{
    LPMEASUREITEMSTRUCT lpMIS = (LPMEASUREITEMSTRUCT)lParam;
    if (lpMIS == NULL || lpMIS->CtlType != ODT_MENU || IsExcluded(lpMIS->itemID))
        return 0;
    SECBmpMenuItemInfo* pRecord = FindAnyRecord(lpMIS->itemData);
    if (pRecord == NULL)
        return 0;
    // A default item is drawn bold: find out whether this one is.
    BOOL bDefault = FALSE;
    POSITION pos = m_menus.GetStartPosition();
    while (pos != NULL)
    {
        HMENU hMenu;
        SECBmpMenuInfo* pInfo;
        m_menus.GetNextAssoc(pos, hMenu, pInfo);
        int nPos = FindItemOf(hMenu, pRecord);
        if (nPos >= 0)
        {
            bDefault = (::GetMenuState(hMenu, (UINT)nPos, MF_BYPOSITION) & MFS_DEFAULT) != 0;
            break;
        }
    }
    CClientDC dc(NULL);
    CFont* pOldFont = dc.SelectObject(GetItemFont(bDefault));
    CRect rect(0, 0, 0, 0);
    dc.DrawText(pRecord->m_strText, rect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    dc.SelectObject(pOldFont);
    CSize sizeImage = m_pBmpMgr->GetSmallSize();
    lpMIS->itemWidth = (UINT)(rect.Width() + kExtraWidth + sizeImage.cx);
    int cyImage = ::GetSystemMetrics(SM_CYMENU);
    if (sizeImage.cy + 4 > cyImage)
        cyImage = sizeImage.cy + 4;
    lpMIS->itemHeight = (UINT)(rect.Height() > cyImage ? rect.Height() : cyImage);
    m_bMsgConsumed = TRUE;
    return TRUE;
}

LRESULT SECBmpMenuPlugIn::OnDrawItemMsg(WPARAM, LPARAM lParam)
{
    LPDRAWITEMSTRUCT lpDIS = (LPDRAWITEMSTRUCT)lParam;
    if (lpDIS == NULL || lpDIS->CtlType != ODT_MENU || IsExcluded(lpDIS->itemID))
        return 0;
    SECBmpMenuItemInfo* pRecord = FindRecord((HMENU)lpDIS->hwndItem, lpDIS->itemData);
    if (pRecord == NULL)
        return 0;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    CString strLabel = pRecord->m_strText, strAccel;
    int nTab = strLabel.Find(_T('\t'));
    if (nTab >= 0)
    {
        strAccel = strLabel.Mid(nTab + 1);
        strLabel = strLabel.Left(nTab);
    }
    HBITMAP hbm;
    int nImage = -1;
    if (!m_pBmpMgr->GetImage(lpDIS->itemID, hbm, nImage, TRUE) || hbm == NULL)
        nImage = -1;
    int nSaved = pDC->SaveDC();
    pDC->SelectObject(GetItemFont((lpDIS->itemState & ODS_DEFAULT) != 0));

    CRect rectItem(lpDIS->rcItem);
    CRect rectColumn = rectItem;
    rectColumn.right = rectColumn.left + m_pBmpMgr->GetSmallSize().cx + 4;
    DrawItemImage(pDC, lpDIS, rectColumn, nImage);

    CRect rectText = rectItem;
    rectText.left = rectColumn.right;
    COLORREF clrBack = s_colors[bSelected ? clrHighlight : clrMenu];
    pDC->FillSolidRect(rectText, clrBack);
    pDC->SetBkMode(TRANSPARENT);
    rectText.OffsetRect(1, 0);
    rectText.right -= kTextRightInset;
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    if (!bDisabled)
    {
        pDC->SetTextColor(s_colors[bSelected ? clrHighlightText : clrMenuText]);
        pDC->DrawText(strLabel, rectText, nFormat);
    }
    else if (!bSelected)
    {
        CRect rectEmboss = rectText;
        rectEmboss.OffsetRect(1, 1);
        pDC->SetTextColor(s_colors[clrBtnHilite]);
        pDC->DrawText(strLabel, rectEmboss, nFormat);
        if (!strAccel.IsEmpty())
            pDC->DrawText(strAccel, rectEmboss, nFormat | DT_RIGHT);
        pDC->SetTextColor(s_colors[clrBtnShadow]);
        pDC->DrawText(strLabel, rectText, nFormat);
    }
    else
    {
        pDC->SetTextColor(s_colors[clrGrayText]);
        pDC->DrawText(strLabel, rectText, nFormat);
    }
    if (!strAccel.IsEmpty())
        pDC->DrawText(strAccel, rectText, nFormat | DT_RIGHT);
    pDC->RestoreDC(nSaved);
    m_bMsgConsumed = TRUE;
    return TRUE;
}

LRESULT SECBmpMenuPlugIn::OnMenuCharMsg(WPARAM wParam, LPARAM lParam)
{
    HMENU hMenu = (HMENU)lParam;
    if (FindMenu(hMenu) == NULL)
        return 0;
    BYTE cKey = (BYTE)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)LOWORD(wParam));
    CArray<int, int> matches;
    int nHilite = -1;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_STATE;
        if (!::GetMenuItemInfo(hMenu, (UINT)i, TRUE, &mii))
            continue;
        if ((mii.fState & MFS_HILITE) != 0)
            nHilite = i;
        if ((mii.fType & MFT_OWNERDRAW) == 0)
            continue;
        SECBmpMenuItemInfo* pRecord = FindRecord(hMenu, mii.dwItemData);
        if (pRecord != NULL && !IsExcluded(pRecord->m_nID) && pRecord->m_cMnemonic == cKey && cKey != 0)
            matches.Add(i);
    }
    if (matches.GetSize() == 0)
        return 0;
    LRESULT lResult;
    if (matches.GetSize() == 1)
        lResult = MAKELRESULT(matches[0], MNC_EXECUTE);
    else
    {
        int nPick = matches[0];
        for (int i = 0; i < matches.GetSize(); i++)
            if (matches[i] > nHilite)
            {
                nPick = matches[i];
                break;
            }
        lResult = MAKELRESULT(nPick, MNC_SELECT);
    }
    m_bMsgConsumed = TRUE;
    return lResult;
}

LRESULT SECBmpMenuPlugIn::OnInitMenuPopupMsg(WPARAM wParam, LPARAM lParam)
{
    InitMenuPopup((HMENU)wParam, LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT SECBmpMenuPlugIn::OnIdleUpdateCmdUIMsg(WPARAM, LPARAM)
{
    PurgeMenus(FALSE);
    return 0;
}

LRESULT SECBmpMenuPlugIn::OnSettingChangeMsg(WPARAM, LPARAM)
{
    m_fontMenu.DeleteObject();
    m_fontMenuBold.DeleteObject();
    m_pBmpMgr->ReloadBitmaps(FALSE);
    PurgeMenus(TRUE);
    return 0;
}

LRESULT SECBmpMenuPlugIn::OnSysColorChangeMsg(WPARAM, LPARAM)
{
    ReadSysColors();
    m_brushPattern.DeleteObject();
    m_pBmpMgr->ReloadBitmaps(TRUE);
    return 0;
}
