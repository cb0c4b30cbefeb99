// SECCaptionControlListMsgFilter: creates the caption buttons and places them in the caption.
#include "uilib/frames/mdi/CaptionControlListMsgFilter.h"

IMPLEMENT_DYNCREATE(SECCaptionControlListMsgFilter, SECCaptionMsgFilter)

namespace
{
// The buttons, right to left.
const UINT kButtonOrder[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONMIN,
                             DFCS_CAPTIONHELP};
} // namespace

SECCaptionControlListMsgFilter::SECCaptionControlListMsgFilter()
{
    BuildDescriptors();
    ApplyDescriptorTableAll(m_descriptors, TRUE);
}

SECCaptionControlListMsgFilter::SECCaptionControlListMsgFilter(const SECCaptionControlListMsgFilter& other)
    : SECCaptionMsgFilter(other)
{
    BuildDescriptors();
}

void SECCaptionControlListMsgFilter::BuildDescriptors()
{
    for (UINT nID : kButtonOrder)
        m_descriptors.Add(new Descriptor(nID, (UINT)-1, RUNTIME_CLASS(SECCaptionControlMsgFilter), 0));
}

SECMsgFilter* SECCaptionControlListMsgFilter::Clone() const
{
    return new SECCaptionControlListMsgFilter(*this);
}

UINT SECCaptionControlListMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                                     LRESULT* pResult)
{
    LayoutButtons();
    return SECCaptionMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
}

void SECCaptionControlListMsgFilter::LayoutButtons()
{
    if (!m_bEnabled || m_pWnd == NULL || m_pWnd->GetSafeHwnd() == NULL)
        return;
    const CSize size = GetButtonSize();
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    CPoint pt = GetFirstButtonOrigin(rectCaption, size);
    const BOOL bMinimized = (GetStyle() & WS_MINIMIZE) != 0;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        if (!GetChild(i)->IsKindOf(RUNTIME_CLASS(SECCaptionControlMsgFilter)))
            continue;
        SECCaptionControlMsgFilter* pButton = static_cast<SECCaptionControlMsgFilter*>(GetChild(i));
        BOOL bDisabled = FALSE;
        if (!pButton->IsButtonVisible(&bDisabled))
        {
            pButton->SetButtonRect(CRect(0, 0, 0, 0));
            continue;
        }
        pButton->SetButtonRect(CRect(pt.x, pt.y, pt.x + size.cx, pt.y + size.cy));
        pButton->SetInactive(bDisabled);
        pt.x -= size.cx;
        // A gap separates the close button from the others, and a minimised window's restore
        // button from its minimise button.
        if (pButton->GetID() == DFCS_CAPTIONCLOSE || (pButton->GetID() == DFCS_CAPTIONRESTORE && bMinimized))
            pt.x -= 2;
    }
}
