// A shown grid for the grid tests: a top-level window holding one grid window of a given client
// size, the grid library started once with the default factory.
#pragma once
#include "grid/core/GridWnd.h"
#include "grid/factory/ControlFactory.h"
#include <memory>

inline void EnsureGridLibrary()
{
    if (!GXGetAppData()->m_bInitDone)
        InitGridLibraryWithDefaultFactory();
}

template <class TGrid> struct GridWindowOf
{
    GridWindowOf(int cx, int cy, DWORD dwGridStyle = 0)
    {
        EnsureGridLibrary();
        CRect rect(0, 0, cx, cy);
        ::AdjustWindowRectEx(&rect, WS_POPUP | WS_VISIBLE, FALSE, 0);
        parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Gitter"),
                        WS_POPUP | WS_VISIBLE, CRect(20, 20, 20 + rect.Width(), 20 + rect.Height()), NULL, 0);
        grid.reset(new TGrid);
        grid->Create(WS_VISIBLE | dwGridStyle, CRect(0, 0, cx, cy), &parent, 100);
        ::SetForegroundWindow(parent.GetSafeHwnd());
    }
    ~GridWindowOf()
    {
        if (grid->GetSafeHwnd() != NULL)
            grid->DestroyWindow();
        parent.DestroyWindow();
    }
    CWnd parent;
    std::unique_ptr<TGrid> grid;
};
