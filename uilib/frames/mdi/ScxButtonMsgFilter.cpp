// nsSysCommandEx::ScxButtonMsgFilter: the extra caption button, its drawing and its commands.
#include "uilib/frames/mdi/ScxButtonMsgFilter.h"
#include "uilib/frames/docking/DockableFrame.h"
#include <algorithm>

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxButtonMsgFilter, SECCaptionControlMsgFilter)

ScxButtonMsgFilter::ScxButtonMsgFilter()
{
    m_nType = DFC_SCROLL;
    m_nState = DFCS_SCROLLDOWN;
    m_nRepeatIntervalMs = holdIntervalMs;
}

SECMsgFilter* ScxButtonMsgFilter::Clone() const
{
    return new ScxButtonMsgFilter(*this);
}

UINT ScxButtonMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nResult = SECCaptionControlMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    if ((message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_LBUTTONUP) &&
        (nResult & resultHandled))
        nResult |= resultStop;
    return nResult;
}

BOOL ScxButtonMsgFilter::IsButtonVisible(BOOL* pDisabled) const
{
    *pDisabled = FALSE;
    return m_pWnd != NULL;
}

HWND ScxButtonMsgFilter::GetTargetWindow() const
{
    return m_pWnd != NULL ? m_pWnd->GetSafeHwnd() : NULL;
}

CRect ScxButtonMsgFilter::GetScreenButtonRect() const
{
    CRect rectWindow;
    m_pWnd->GetWindowRect(&rectWindow);
    CRect rect = m_rectButton;
    rect.OffsetRect(rectWindow.TopLeft());
    return rect;
}

void ScxButtonMsgFilter::Fire(UINT nFlags, CPoint ptScreen)
{
    HWND hTarget = GetTargetWindow();
    if (hTarget == NULL || m_pWnd == NULL)
        return;
    ScxCommandRecord record = {};
    record.hWnd = hTarget;
    record.nTarget = -1;
    if (nFlags & (fireRightButton | fireHeld))
    {
        const CRect rect = GetScreenButtonRect();
        record.rectButton = rect;
        record.x = rect.left;
        record.y = rect.bottom;
        if (nFlags & fireHeld)
            record.dwFlags |= scxPosValid;
        SendCommand(hTarget, scxStateMenu, &record);
    }
    else
    {
        record.x = ptScreen.x;
        record.y = ptScreen.y;
        SendCommand(hTarget, scxSetState, &record);
    }
}

void ScxButtonMsgFilter::Draw()
{
    if (m_pWnd == NULL || m_pWnd->GetSafeHwnd() == NULL || m_rectButton.IsRectEmpty())
        return;
    HDC hdc = ::GetWindowDC(m_pWnd->GetSafeHwnd());
    if (hdc == NULL)
        return;
    CRect rect = m_rectButton;
    const BOOL bPushed = IsPushed();
    // Push-button face: outer and inner edges swap their light and dark sides while pushed.
    auto edge = [&](CRect& r, int nTopLeft, int nBottomRight) {
        HBRUSH hTL = ::GetSysColorBrush(nTopLeft), hBR = ::GetSysColorBrush(nBottomRight);
        RECT side = {r.left, r.top, r.right - 1, r.top + 1};
        ::FillRect(hdc, &side, hTL);
        side = {r.left, r.top, r.left + 1, r.bottom - 1};
        ::FillRect(hdc, &side, hTL);
        side = {r.left, r.bottom - 1, r.right, r.bottom};
        ::FillRect(hdc, &side, hBR);
        side = {r.right - 1, r.top, r.right, r.bottom};
        ::FillRect(hdc, &side, hBR);
        r.DeflateRect(1, 1);
    };
    if (bPushed)
    {
        edge(rect, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT);
        edge(rect, COLOR_BTNSHADOW, COLOR_BTNFACE);
    }
    else
    {
        edge(rect, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
        edge(rect, COLOR_3DLIGHT, COLOR_BTNSHADOW);
    }
    ::FillRect(hdc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    // Glyph: a small window frame, 0.6 of the button high (odd), with a thick top stroke.
    int nGlyph = m_rectButton.Height() * 6 / 10;
    if (nGlyph % 2 == 0)
        --nGlyph;
    const int nStroke = std::max(2, nGlyph * 9 / 96);
    CPoint ptCenter = m_rectButton.CenterPoint();
    if (bPushed)
        ptCenter.Offset(1, 1);
    if (m_pWnd->IsKindOf(RUNTIME_CLASS(SECDockableFrame)))
        ptCenter.y += 1;
    const CRect glyph(ptCenter.x - nGlyph / 2, ptCenter.y - nGlyph / 2, ptCenter.x + nGlyph / 2 + 1,
                      ptCenter.y + nGlyph / 2 + 1);
    HBRUSH hText = ::GetSysColorBrush(COLOR_BTNTEXT);
    RECT part = {glyph.left, glyph.top, glyph.right, glyph.top + nStroke};
    ::FillRect(hdc, &part, hText);
    part = {glyph.left, glyph.top, glyph.left + 1, glyph.bottom};
    ::FillRect(hdc, &part, hText);
    part = {glyph.right - 1, glyph.top, glyph.right, glyph.bottom};
    ::FillRect(hdc, &part, hText);
    part = {glyph.left, glyph.bottom - 1, glyph.right, glyph.bottom};
    ::FillRect(hdc, &part, hText);
    ::ReleaseDC(m_pWnd->GetSafeHwnd(), hdc);
}
} // namespace nsSysCommandEx
