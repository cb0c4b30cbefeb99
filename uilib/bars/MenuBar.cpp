// SECMenuBar: the menu's top-level items as toolbar buttons, one bit per loaded menu.
#include "uilib/bars/MenuBar.h"
#include "mfc/MiniDockFrameWnd.h"
#include "uilib/bars/MenuBarMessages.h"
#include "uilib/bars/MenuTemplate.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include <cstdarg>

IMPLEMENT_DYNCREATE(SECMenuBar, SECCustomToolBar)

BEGIN_MESSAGE_MAP(SECMenuBar, SECCustomToolBar)
ON_WM_SETTINGCHANGE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace
{
const int kHashSize = 17;
const UINT kFirstMenuCommand = 0x80000001;
const UINT kMenuEntryStyle = 0x30000000;
// Creation bits the menu bar adds to the toolbar's.
const DWORD kMenuBarExStyle = 0x80;
const DWORD kMenuBarStyle = 0x8;
const DWORD kRemoveSysMenuBit = 0x2;
} // namespace

SECMenuBar::SECMenuBar()
    : m_bRemoveSysMenu(FALSE), m_hMenuFont(NULL), m_nCurrentBit((UINT)-1), m_nCurrentMenu(0),
      m_bFullWidth(FALSE), m_bIgnoreNextHide(FALSE), m_pMenuTable(NULL)
{
    m_menuBits.InitHashTable(kHashSize);
    CreateMenuFont();
}

SECMenuBar::~SECMenuBar()
{
    // The buttons point into the texts; they go first.
    ClearButtons();
    FreeMenuTable();
    if (m_hMenuFont != NULL)
        ::DeleteObject(m_hMenuFont);
}

BOOL SECMenuBar::CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    return SECCustomToolBar::CreateEx(dwExStyle | kMenuBarExStyle, pParentWnd, dwStyle | kMenuBarStyle, nID,
                                      lpszTitle);
}

void SECMenuBar::CreateMenuFont()
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return;
    HFONT hFont = ::CreateFontIndirect(&ncm.lfMenuFont);
    if (hFont == NULL)
        return;
    if (m_hMenuFont != NULL)
        ::DeleteObject(m_hMenuFont);
    m_hMenuFont = hFont;
}

CFont* SECMenuBar::GetFont() const
{
    return CFont::FromHandle(m_hMenuFont);
}

CFont* SECMenuBar::GetMenuFont() const
{
    return GetFont();
}

void SECMenuBar::FreeMenuTable()
{
    delete[] m_pMenuTable;
    m_pMenuTable = NULL;
    m_itemTexts.RemoveAll();
    m_menuBits.RemoveAll();
}

BOOL SECMenuBar::BuildMenuTable(const UINT* pMenuIDs, int nCount, std::vector<UINT>& ids)
{
    ids.clear();
    FreeMenuTable();
    // Pass 1: the texts of every menu's top level (bounded reads: a menu that does not fit its
    // resource counts as missing).
    struct Level
    {
        UINT nMenuID;
        int nFirst, nCount;
    };
    std::vector<Level> levels;
    for (int m = 0; m < nCount; m++)
    {
        SECMenuTemplate menu;
        Level level = {pMenuIDs[m], (int)m_itemTexts.GetSize(), 0};
        size_t nTop = menu.Load(pMenuIDs[m]) ? menu.TopLevel() : 0;
        SECMenuTemplate::Item item;
        std::vector<CString> texts;
        UINT nLastFlags = 0;
        for (int i = 0; nTop != 0 && menu.FindItem(nTop, i, item); i++)
        {
            texts.push_back(item.strText);
            nLastFlags = item.nFlags;
        }
        if ((nLastFlags & MF_END) == 0)
            texts.clear(); // the level does not end inside the resource
        for (const CString& s : texts)
            m_itemTexts.Add(s);
        level.nCount = (int)texts.size();
        levels.push_back(level);
    }
    // Pass 2: the table, now that the texts no longer move.
    m_pMenuTable = new SECBtnMapEntry[(size_t)m_itemTexts.GetSize() + 1]();
    UINT nBit = 1, nCmd = kFirstMenuCommand;
    size_t nEntry = 0;
    for (const Level& level : levels)
    {
        if (level.nCount == 0)
            continue;
        for (int i = 0; i < level.nCount; i++, nEntry++)
        {
            SECBtnMapEntry& e = m_pMenuTable[nEntry];
            e.pfnCreate = &SECTBMenuBtn::Create;
            e.nID = nCmd++;
            e.nStyle = kMenuEntryStyle;
            e.info[0] = LOWORD(level.nMenuID);
            e.info[1] = (UINT_PTR)i;
            e.info[2] = (UINT_PTR)(LPCTSTR)m_itemTexts[level.nFirst + i];
            e.info[3] = nBit;
            ids.push_back(e.nID);
        }
        m_menuBits.SetAt(LOWORD(level.nMenuID), nBit);
        nBit <<= 1;
    }
    SetSpecialButtons(m_pMenuTable);
    return !ids.empty();
}

BOOL SECMenuBar::LoadMenus(const UINT* pMenuIDs, int nCount)
{
    // The old buttons hold texts of the old table.
    RemoveAllButtons();
    std::vector<UINT> ids;
    BOOL bLoaded = BuildMenuTable(pMenuIDs, nCount, ids);
    SetButtons(ids.empty() ? NULL : ids.data(), (int)ids.size());
    ShowMenuButtons(m_nCurrentBit, FALSE);
    return bLoaded;
}

BOOL SECMenuBar::LoadMenus(int nCount, ...)
{
    std::vector<UINT> menuIDs;
    va_list args;
    va_start(args, nCount);
    for (int i = 0; i < nCount; i++)
        menuIDs.push_back(va_arg(args, UINT));
    va_end(args);
    return LoadMenus(menuIDs.data(), nCount);
}

UINT SECMenuBar::GetMenuBit(UINT nMenuID) const
{
    UINT nBit = 0;
    return m_menuBits.Lookup(LOWORD(nMenuID), nBit) ? nBit : 0;
}

void SECMenuBar::ShowMenuButtons(UINT nBit, BOOL bRedraw)
{
    m_nCurrentBit = nBit;
    for (SECStdBtn* pBtn : m_btns)
    {
        if (pBtn->m_nType != SECStdBtn::BtnMenu)
            continue;
        const UINT nMask = (UINT) static_cast<SECTBMenuBtn*>(pBtn)->m_nExtra;
        UINT nStyle = pBtn->GetStyle();
        pBtn->SetStyle((nMask & nBit) != 0 ? nStyle & ~(UINT)TBBS_HIDDEN : nStyle | TBBS_HIDDEN);
    }
    if (bRedraw)
    {
        RecalcParent();
        if (m_hWnd != NULL)
        {
            Invalidate();
            UpdateWindow();
        }
    }
}

void SECMenuBar::RecalcParent()
{
    CFrameWnd* pFrame = m_hWnd != NULL ? GetParentFrame() : NULL;
    if (pFrame != NULL)
        pFrame->RecalcLayout();
}

void SECMenuBar::RebuildFromMenu(BOOL bNoRecalc)
{
    // The manager's list is the one the application defined for this bar (its order, the menus
    // it leaves out); without one the table gives every menu.
    std::vector<UINT> ids;
    if (SECToolBarManager* pManager = GetManager())
        ids = pManager->GetMenuBarButtons();
    if (ids.empty())
        for (const SECBtnMapEntry* e = m_pMenuTable; e != NULL && e->pfnCreate != NULL; e++)
            ids.push_back(e->nID);
    SetButtons(ids.empty() ? NULL : ids.data(), (int)ids.size());
    ShowMenuButtons(m_nCurrentBit, FALSE);
    if (!bNoRecalc)
    {
        RecalcParent();
        if (m_hWnd != NULL)
            Invalidate();
    }
}

int SECMenuBar::FindMnemonic(TCHAR ch) const
{
    const TCHAR chUpper = (TCHAR)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)ch);
    for (int i = 0; i < GetBtnCount(); i++)
    {
        SECStdBtn* pBtn = m_btns[(size_t)i];
        if (pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN) &&
            static_cast<SECTBMenuBtn*>(pBtn)->m_cMnemonic == chUpper)
            return i;
    }
    return -1;
}

BOOL SECMenuBar::SwitchMenu(UINT nMenuID)
{
    UINT nBit = GetMenuBit(nMenuID);
    if (nBit == 0 && nMenuID == IDR_SEC_BAR_MDICHILD)
    {
        // A bar floating as an MDI child has no menu of its own: it shows the document's menu.
        CWinApp* pApp = AfxGetApp();
        POSITION pos = pApp != NULL ? pApp->GetFirstDocTemplatePosition() : NULL;
        CMultiDocTemplate* pTemplate =
            pos != NULL ? DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos)) : NULL;
        if (pTemplate != NULL)
            nBit = GetMenuBit(pTemplate->m_nIDResource);
    }
    if (nBit == 0)
        return FALSE;
    ShowMenuButtons(nBit, FALSE);
    m_nCurrentMenu = nMenuID;
    return TRUE;
}

void SECMenuBar::DropHotButton()
{
    if (GetButton(m_nMenuTracked) != NULL)
        OpenButtonMenu(m_nMenuTracked);
}

void SECMenuBar::RequestSystemMenu()
{
    if (GetButton(m_nMenuTracked) != NULL)
        EndTracking();
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL || m_hWnd == NULL)
        return;
    SECMenuBarNotify notify = {};
    notify.nm.hdr.hwndFrom = m_hWnd;
    notify.nm.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    notify.nm.hdr.code = (UINT)SEC_MBN_DROPMENU;
    notify.nButton = (UINT_PTR)-1;
    notify.nPopupIndex = -1;
    pOwner->SendMessage(WM_NOTIFY, notify.nm.hdr.idFrom, (LPARAM)&notify);
}

void SECMenuBar::SetMenuFocus(int nIndex)
{
    const BOOL bWasMenuMode = IsMenuMode();
    SECCustomToolBar::SetMenuFocus(nIndex);
    CWnd* pOwner = GetOwner();
    if (bWasMenuMode || !IsMenuMode() || pOwner == NULL)
        return;
    SECMenuBarNotify notify = {};
    notify.nm.hdr.hwndFrom = m_hWnd;
    notify.nm.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    notify.nm.hdr.code = (UINT)SEC_MBN_MENUMODE;
    notify.nButton = (UINT_PTR)nIndex;
    pOwner->SendMessage(WM_NOTIFY, notify.nm.hdr.idFrom, (LPARAM)&notify);
}

void SECMenuBar::MoveToNeighbour(BOOL bNext)
{
    int nIndex = NextMenuButton(bNext);
    if (nIndex < 0)
        return;
    if (IsMenuMode())
        SetMenuFocus(nIndex);
    else
        OpenButtonMenu(nIndex);
}

BOOL SECMenuBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bBatch)
{
    BOOL bResult = SECCustomToolBar::InsertButton(nIndex, nID, bSeparator, bBatch);
    ShowMenuButtons(m_nCurrentBit, FALSE);
    return bResult;
}

CSize SECMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CSize size = SECCustomToolBar::CalcDynamicLayout(nLength, dwMode);
    CWnd* pParent = GetParent();
    if (m_bFullWidth && pParent != NULL)
    {
        CRect rect;
        pParent->GetClientRect(rect);
        size.cx = rect.Width();
    }
    return size;
}

CSize SECMenuBar::LayoutButtons(int nLength, DWORD dwMode)
{
    if (m_bFullWidth && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) == 0)
        dwMode &= ~(DWORD)LM_MRUWIDTH;
    CSize size = SECCustomToolBar::LayoutButtons(nLength, dwMode);
    CWnd* pParent = GetParent();
    if (m_bFullWidth && pParent != NULL && !m_btns.empty() &&
        m_btns.back()->m_nType == SECStdBtn::BtnRightSide)
    {
        // The last element keeps to the right edge.
        CRect rect;
        pParent->GetClientRect(rect);
        SECStdBtn* pLast = m_btns.back();
        pLast->SetPos(rect.Width() - 2 - pLast->m_cx, pLast->m_y);
    }
    return size;
}

void SECMenuBar::DelayShow(BOOL bShow)
{
    if (!bShow && m_bIgnoreNextHide)
    {
        m_bIgnoreNextHide = FALSE;
        return;
    }
    SECCustomToolBar::DelayShow(bShow);
}

DWORD SECMenuBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    if (m_bRemoveSysMenu)
    {
        // A floating menu bar has neither system menu nor close box.
        CWnd* pParent = GetParentFrame();
        if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
            pParent->ModifyStyle(WS_SYSMENU, 0, SWP_FRAMECHANGED);
        m_bRemoveSysMenu = FALSE;
    }
    return SECCustomToolBar::RecalcDelayShow(lpLayout);
}

void SECMenuBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    SECCustomToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    if ((dwOldStyle & kRemoveSysMenuBit) == 0 && (dwNewStyle & kRemoveSysMenuBit) != 0)
        m_bRemoveSysMenu = TRUE;
}

void SECMenuBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CreateMenuFont();
    for (SECStdBtn* pBtn : m_btns)
        pBtn->AdjustSize();
    RecalcParent();
    Invalidate();
    SECCustomToolBar::OnSettingChange(uFlags, lpszSection);
}

void SECMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bFullWidth && HitTest(point) < 0)
    {
        Default();
        return;
    }
    SECCustomToolBar::OnLButtonDown(nFlags, point);
}

void SECMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bFullWidth && HitTest(point) < 0)
    {
        Default();
        return;
    }
    SECCustomToolBar::OnLButtonDblClk(nFlags, point);
}
