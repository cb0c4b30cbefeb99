// SECSystemData: system colours and metrics read once and refreshed on colour changes.
#include "uilib/common/SystemData.h"
#include "FramesIds.h"

namespace
{
BOOL s_bBarMenu = FALSE;
// Built at start-up, not on first use during some paint.
SECSystemData& s_startUp = SECGetSystemData();
} // namespace

int SECSystemData::s_nDeferredPainting = 1;

SECSystemData& PASCAL SECGetSystemData()
{
    static SECSystemData s_data;
    return s_data;
}

SECSystemData::SECSystemData()
{
    m_bNewShell = LOBYTE(LOWORD(::GetVersion())) >= 4;
    RefreshColors();
    m_hcurVSplit = NULL;
    m_hcurHSplit = NULL;
    m_hcurSpare = NULL;
    m_hcurArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_cxBorder = m_bNewShell ? 2 : 1;
    m_cyBorder = m_cxBorder;
}

void SECSystemData::RefreshColors()
{
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_clr3DLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
}

void PASCAL SECSystemData::EnableBarMenu(BOOL bEnable)
{
    s_bBarMenu = bEnable;
}

BOOL PASCAL SECSystemData::IsBarMenuEnabled()
{
    return s_bBarMenu;
}

void SECSystemData::LoadSplitterCursors(BOOL bCrossing)
{
    struct CursorSlot
    {
        HCURSOR* phCursor;
        UINT nResource;
        LPCTSTR lpszSystem;
    } slots[] = {{&m_hcurVSplit, IDC_SEC_SPLITTER_VERT, IDC_SIZEWE},
                 {&m_hcurHSplit, IDC_SEC_SPLITTER_HORZ, IDC_SIZENS},
                 {&m_hcurSpare, IDC_SEC_SPLITTER_CROSS, IDC_SIZEALL}};
    for (const CursorSlot& slot : slots)
    {
        if (*slot.phCursor != NULL || (slot.phCursor == &m_hcurSpare && !bCrossing))
            continue;
        *slot.phCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(slot.nResource));
        if (*slot.phCursor == NULL)
            *slot.phCursor = ::LoadCursor(NULL, slot.lpszSystem);
    }
}
