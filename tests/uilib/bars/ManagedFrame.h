// A library docking frame whose toolbars come from a toolbar manager: the test's two type-241
// resources registered, default toolbars defined from them, a status bar and a view. Optionally
// with a menu bar, which the frame owns.
#pragma once
#include "ToolBarFrame.h"
#include "uilib/bars/MenuBar.h"
#include <memory>
#include <vector>

// Ids of the default toolbars the tests define.
const UINT kFirstBar = 0xE810;
const UINT kSecondBar = 0xE811;

class ManagedFrame
{
  public:
    // One default toolbar: id, title, resource, dock bar, the bar it is docked beside, docked, visible.
    struct Def
    {
        UINT nBarID;
        const char* pszTitle;
        UINT nResource;
        UINT nDockBarID;
        UINT nBeside;
        BOOL bDocked;
        BOOL bVisible;
    };
    // The first toolbar on the top, the second beside it.
    static const std::vector<Def> s_twoBars;

    explicit ManagedFrame(const std::vector<Def>& defs = s_twoBars, bool bMenuBar = false);
    ~ManagedFrame();
    ManagedFrame(const ManagedFrame&) = delete;
    ManagedFrame& operator=(const ManagedFrame&) = delete;

    SECCustomToolBar* Bar(UINT nID) const
    {
        return m_pManager->FindBar(nID);
    }
    // Every custom toolbar of the frame, in its control-bar list.
    std::vector<SECCustomToolBar*> Bars() const;
    CString Title(UINT nID) const;

    CToolTestFrame* m_pFrame;
    SECToolBarManager* m_pManager;
    std::unique_ptr<SECMenuBar> m_pMenuBar;
    SECStatusBar m_status;
    CWnd m_view;
    std::vector<std::unique_ptr<UINT[]>> m_ids; // the id arrays the manager handed out
    std::vector<int> m_counts;
};
