// A frame window with an Edit menu and accelerators around one grid view, the way the
// application's frames hold their grids: keys reach the view through the frame's accelerators.
#pragma once
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "Menu.h"
#include "TestSupport.h"
#include <string>

// A frame with an Edit menu, its accelerators (Ctrl+Z, Ctrl+R, Ctrl+F, Ctrl+H) and one grid view.
struct EditFrame
{
    CDocument doc;
    CFrameWnd* pFrame = new CFrameWnd;
    CGXGridView* pView = NULL;
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    HACCEL hAccel = NULL;

    EditFrame()
    {
        EnsureGridLibrary();
        doc.m_bAutoDelete = FALSE;
        pFrame->Create(NULL, _T("Gitter"), WS_OVERLAPPEDWINDOW, CRect(30, 30, 430, 330));
        CMenu bar, edit;
        bar.CreateMenu();
        edit.CreatePopupMenu();
        edit.AppendMenu(MF_STRING, ID_EDIT_UNDO,
                        _T("&R\xfc"
                           "ckg\xe4"
                           "ngig %1\tStrg+Z"));
        edit.AppendMenu(MF_STRING, ID_EDIT_REDO, _T("&Wiederholen %1\tStrg+R"));
        bar.AppendMenu(MF_POPUP, (UINT_PTR)edit.Detach(), _T("&Bearbeiten"));
        ::SetMenu(pFrame->GetSafeHwnd(), bar.Detach());
        ACCEL accel[] = {{FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
                         {FVIRTKEY | FCONTROL, 'R', ID_EDIT_REDO},
                         {FVIRTKEY | FCONTROL, 'F', ID_EDIT_FIND},
                         {FVIRTKEY | FCONTROL, 'H', ID_EDIT_REPLACE}};
        hAccel = ::CreateAcceleratorTable(accel, 4);
        pFrame->m_hAccelTable = hAccel;
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CGXGridView);
        ctx.m_pCurrentDoc = &doc;
        pView = (CGXGridView*)pFrame->CreateView(&ctx);
        pFrame->InitialUpdateFrame(&doc, TRUE);
        pFrame->ShowWindow(SW_SHOW);
        pFrame->SetActiveView(pView);
        AfxGetApp()->m_pMainWnd = pFrame;
        ::SetForegroundWindow(pFrame->GetSafeHwnd());
        pView->SetFocus();
        pView->SetRowCount(6, GX_NOREDRAW);
        pView->SetColCount(3, GX_NOREDRAW);
        pView->SetValueRange(CGXCellRange(2, 1), "zwei");
        pView->GetParam()->ClearUndoList();
        pView->UpdateWindow();
        testing_support::PumpAsTheApplication(100);
    }
    ~EditFrame()
    {
        AfxGetApp()->m_pMainWnd = pOldMain;
        pFrame->m_hAccelTable = NULL;
        pFrame->DestroyWindow();
        ::DestroyAcceleratorTable(hAccel);
    }
    // The Undo (Redo) item's text after the menu's update.
    std::string ItemText(UINT nID)
    {
        HMENU hEdit = ::GetSubMenu(::GetMenu(pFrame->GetSafeHwnd()), 0);
        pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hEdit, 0);
        char sz[128] = "";
        ::GetMenuStringA(hEdit, nID, sz, sizeof(sz), MF_BYCOMMAND);
        return sz;
    }
    BOOL IsItemEnabled(UINT nID)
    {
        HMENU hEdit = ::GetSubMenu(::GetMenu(pFrame->GetSafeHwnd()), 0);
        pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hEdit, 0);
        return !(::GetMenuState(hEdit, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }
};

// Ctrl and a key through the system's input queue, taken by the loop as the application's loop
// takes it: the frame's accelerators see it first.
inline void PressAccelerator(WORD vk)
{
    SendKeyState(VK_CONTROL, true);
    SendKeyState(vk, true);
    SendKeyState(vk, false);
    SendKeyState(VK_CONTROL, false);
    testing_support::PumpAsTheApplication(200);
}
