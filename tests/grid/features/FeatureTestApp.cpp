// The test application and the grid window helper of the grid feature tests.
#include "FeatureTestApp.h"
#include "grid/factory/ControlFactory.h"
#include "TestSupport.h"

namespace
{
class CFeatureTestApp : public CWinApp
{
  public:
    CFeatureTestApp() : CWinApp(_T("HelvonGridFeatureTest"))
    {
    }
};
CFeatureTestApp theApp;
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
    grid.reset(new CGXGridWnd);
    grid->Create(WS_VISIBLE, CRect(0, 0, cx, cy), &parent, 100);
    grid->OnGridInitialUpdate();
    ::SetForegroundWindow(parent.GetSafeHwnd());
}

GridWindow::~GridWindow()
{
    if (grid->GetSafeHwnd() != NULL)
        grid->DestroyWindow();
    parent.DestroyWindow();
}
