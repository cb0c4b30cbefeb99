// SECBtnGroup, SECTBBtnGroup: a category's window, and the palette of its buttons.
#include "uilib/bars/BtnGroup.h"
#include "uilib/bars/CustomizeToolBar.h"
#include "uilib/bars/ToolBarManager.h"

IMPLEMENT_DYNAMIC(SECBtnGroup, CObject)
IMPLEMENT_DYNAMIC(SECTBBtnGroup, SECBtnGroup)

namespace
{
// A palette: child, visible, 3-D border, sized by its rows, floating (0x50000085).
const DWORD kPaletteStyle = WS_CHILD | WS_VISIBLE | CBRS_BORDER_3D | CBRS_SIZE_DYNAMIC | CBRS_FLOATING;
const DWORD kCoolLookBits = SEC_COOLLOOK_BITS;
} // namespace

SECBtnGroup::SECBtnGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount)
    : m_pWnd(NULL), m_strTitle(lpszTitle != NULL ? lpszTitle : _T(""))
{
    if (pIDs != NULL && nCount > 0)
        m_ids.assign(pIDs, pIDs + nCount);
}

SECBtnGroup::~SECBtnGroup()
{
    if (m_pWnd != NULL)
    {
        if (m_pWnd->m_hWnd != NULL)
            m_pWnd->DestroyWindow();
        delete m_pWnd;
    }
}

BOOL SECBtnGroup::Create(CWnd*, SECToolBarManager*, UINT)
{
    return FALSE;
}

void SECBtnGroup::SetRect(const CRect& rect)
{
    if (m_pWnd != NULL && m_pWnd->m_hWnd != NULL)
        m_pWnd->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECBtnGroup::Activate(BOOL bActivate)
{
    if (m_pWnd != NULL && m_pWnd->m_hWnd != NULL)
        m_pWnd->ShowWindow(bActivate ? SW_SHOWNA : SW_HIDE);
}

SECTBBtnGroup::SECTBBtnGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount)
    : SECBtnGroup(lpszTitle, pIDs, nCount)
{
}

SECCustomizeToolBar* SECTBBtnGroup::GetPalette() const
{
    return static_cast<SECCustomizeToolBar*>(m_pWnd);
}

BOOL SECTBBtnGroup::Create(CWnd* pPage, SECToolBarManager* pManager, UINT nID)
{
    if (pManager == NULL || m_pWnd != NULL)
        return FALSE;
    SECCustomizeToolBar* pPalette = new SECCustomizeToolBar;
    pPalette->SetManager(pManager);
    if (pManager->GetOwner() != NULL)
        pPalette->SetOwner(pManager->GetOwner());
    const DWORD dwStyle = kPaletteStyle | (pManager->FlyByEnabled() ? CBRS_FLYBY : 0) |
                          (pManager->ToolTipsEnabled() ? CBRS_TOOLTIPS : 0);
    if (!pPalette->CreateEx(pManager->CoolLookEnabled() ? kCoolLookBits : 0, pPage, dwStyle, nID))
    {
        delete pPalette;
        return FALSE;
    }
    m_pWnd = pPalette;
    pPalette->SetButtonSize();
    pPalette->SetButtons(m_ids.empty() ? NULL : m_ids.data(), (int)m_ids.size());
    return TRUE;
}

void SECTBBtnGroup::SetRect(const CRect& rect)
{
    if (GetPalette() != NULL)
        GetPalette()->PlaceIn(rect);
}

void SECTBBtnGroup::ApplyStyleChange(SECToolBarManager* pManager, BOOL bSize)
{
    SECCustomizeToolBar* pPalette = GetPalette();
    if (pPalette == NULL || pPalette->m_hWnd == NULL)
        return;
    if (bSize)
        pPalette->SetButtonSize();
    else
        pPalette->SetExBarStyle(pManager->CoolLookEnabled() ? pPalette->m_dwExStyle | kCoolLookBits
                                                            : pPalette->m_dwExStyle & ~kCoolLookBits,
                                FALSE);
    pPalette->SizeToParent();
}
