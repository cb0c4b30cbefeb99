// CMeasureGrid: the measured-value grid's keys and right clicks.
#include "station/record/MeasureGrid.h"

IMPLEMENT_DYNAMIC(CMeasureGrid, CGXExcelReadWnd)

namespace
{
const UINT kFrameKeys[] = {VK_F2, VK_F3, VK_F5, VK_F6, VK_F8, VK_F9, VK_F10};
} // namespace

CMeasureGrid::CMeasureGrid()
{
}

CMeasureGrid::~CMeasureGrid()
{
}

BOOL CMeasureGrid::IsFrameKeyDown()
{
    for (UINT vk : kFrameKeys)
        if ((::GetKeyState((int)vk) & 0x8000) != 0)
            return TRUE;
    return FALSE;
}

BOOL CMeasureGrid::OfferFrameKey(CWnd* pWnd, MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || !IsFrameKeyDown())
        return FALSE;
    CWnd* pFrame = pWnd->GetTopLevelFrame();
    return pFrame != NULL && pFrame->PreTranslateMessage(pMsg);
}

BOOL CMeasureGrid::PreTranslateMessage(MSG* pMsg)
{
    return OfferFrameKey(this, pMsg) || CGXExcelReadWnd::PreTranslateMessage(pMsg);
}

LRESULT CMeasureGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RBUTTONUP && HitTest(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))) == GX_NOHIT)
        return 0;
    return CGXExcelReadWnd::WindowProc(message, wParam, lParam);
}
