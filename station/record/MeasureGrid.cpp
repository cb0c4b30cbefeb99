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

BOOL CMeasureGrid::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && IsFrameKeyDown())
    {
        CWnd* pFrame = GetTopLevelFrame();
        if (pFrame != NULL && pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return CGXExcelReadWnd::PreTranslateMessage(pMsg);
}

LRESULT CMeasureGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RBUTTONUP && HitTest(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))) == GX_NOHIT)
        return 0;
    return CGXExcelReadWnd::WindowProc(message, wParam, lParam);
}
