// The test application and the grid window helper of the cell-control tests.
#include "ControlsTestApp.h"
#include "grid/factory/ControlFactory.h"
#include "TestSupport.h"

namespace
{
class CControlsTestApp : public CWinApp
{
  public:
    CControlsTestApp() : CWinApp(_T("HelvonGridControlsTest"))
    {
    }
};
CControlsTestApp theApp;
} // namespace

void EnsureGridLibrary()
{
    if (!GXGetAppData()->m_bInitDone)
        InitGridLibraryWithDefaultFactory();
}

GridWindow::GridWindow(int cx, int cy)
{
    EnsureGridLibrary();
    CRect rect(0, 0, cx, cy);
    ::AdjustWindowRectEx(&rect, WS_POPUP | WS_VISIBLE, FALSE, 0);
    parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                    WS_POPUP | WS_VISIBLE, CRect(20, 20, 20 + rect.Width(), 20 + rect.Height()), NULL, 0);
    grid.reset(new CClickCountingGrid);
    grid->Create(WS_VISIBLE, CRect(0, 0, cx, cy), &parent, 100);
    grid->OnGridInitialUpdate();
    ::SetForegroundWindow(parent.GetSafeHwnd());
    grid->SetFocus();
}

GridWindow::~GridWindow()
{
    if (grid->GetSafeHwnd() != NULL)
        grid->DestroyWindow();
    parent.DestroyWindow();
}

CPoint GridWindow::CellCentre(ROWCOL nRow, ROWCOL nCol)
{
    CPoint pt = grid->CalcCellRect(nRow, nCol).CenterPoint();
    grid->ClientToScreen(&pt);
    return pt;
}

void SendKey(WORD vk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(INPUT));
}
