// The library's docking frame with a toolbar manager and its two default toolbars, images from the test's
// type-241 resources, a status bar and a view, for the toolbar tests.
#pragma once
#include "BarsTestApp.h"
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/StatusBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/frames/docking/FrameWnd.h"
#include <functional>
#include <vector>

// Records the commands and button notifications (drop-down, menu) it receives; ID_TB_BLUE is disabled by its
// update handler.
class CToolTestFrame : public SECFrameWnd
{
  public:
    // A notification of a toolbar button: NMTOOLBAR, then the button's index and two values.
    struct DropDown
    {
        int nItem;
        int nIndex;
        UINT_PTR nFrom;
        int nCode;
        UINT_PTR a, b;
    };
    std::vector<UINT> m_commands;
    std::vector<DropDown> m_dropDowns;
    std::vector<CString> m_paneTexts; // pane 0 when each command arrived
    // Handles other commands for a test: returns true when it took the command.
    std::function<bool(UINT)> m_onCommand;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class ToolBarFrame
{
  public:
    // bFlat: the cool look (flat and gripper); of dwStyle the manager's toolbars take the tool-tip
    // and fly-by bits.
    explicit ToolBarFrame(BOOL bFlat = FALSE, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP |
                                                              CBRS_BORDER_BOTTOM | CBRS_SIZE_DYNAMIC);
    ~ToolBarFrame();
    ToolBarFrame(const ToolBarFrame&) = delete;
    ToolBarFrame& operator=(const ToolBarFrame&) = delete;

    // A new toolbar with the buttons of a type-241 resource (separators kept).
    SECCustomToolBar* AddBar(UINT nID, UINT nResource, DWORD dwExStyle, DWORD dwStyle);
    // Runs the idle command update of the bars.
    void UpdateCommands();
    // Screen centre of a button.
    POINT ButtonCentre(SECCustomToolBar* pBar, int nIndex) const;
    CRect ButtonRect(SECCustomToolBar* pBar, int nIndex) const;
    CString PaneText() const;

    CToolTestFrame* m_pFrame;
    SECToolBarManager* m_pManager;
    SECCustomToolBar* m_pFirst;
    SECCustomToolBar* m_pSecond;
    SECStatusBar m_status;
    CWnd m_view;
};

// Presses the left button at from and, once a window of this thread holds the capture (a drag
// loop runs), moves in steps to to and releases there; input comes from a second thread since
// the loop owns the queue. bCtrl holds Ctrl during the drag. False when no capture came.
bool DragWithInput(POINT from, POINT to, bool bCtrl = false);

// The ids of a toolbar's buttons, 0 for separators.
std::vector<UINT> ButtonIDs(SECCustomToolBar* pBar);

// The button colours the toolbars draw with.
struct SysColors
{
    SysColors();
    COLORREF face, shadow, hilite, frame;
};
