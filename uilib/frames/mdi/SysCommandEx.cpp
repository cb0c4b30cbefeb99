// Tables of the extended system commands: state groups, dock bars of states, the state menu.
#include "uilib/frames/mdi/SysCommandEx.h"
#include "FramesIds.h"
#include <vector>

namespace nsSysCommandEx
{
namespace
{
// State code, its group and the dock bar it names.
const struct
{
    int nState;
    int nGroup;
    UINT nDockBarID;
} kStates[] = {
    {scxMDIChild, scxMDIChild, 0},
    {scxMDIMinimized, scxMDIChild, 0},
    {scxMDIMaximized, scxMDIChild, 0},
    {scxMDIRestored, scxMDIChild, 0},
    {scxDocked, scxDocked, 0},
    {scxDockedLeft, scxDocked, AFX_IDW_DOCKBAR_LEFT},
    {scxDockedTop, scxDocked, AFX_IDW_DOCKBAR_TOP},
    {scxDockedRight, scxDocked, AFX_IDW_DOCKBAR_RIGHT},
    {scxDockedBottom, scxDocked, AFX_IDW_DOCKBAR_BOTTOM},
    {scxFloating, scxFloating, 0},
};

const StateMenuEntry kStateMenu[] = {
    {StateMenuEntry::item, IDS_SEC_STATE_DOCKED, scxDocked},
    {StateMenuEntry::item, IDS_SEC_STATE_FLOATING, scxFloating},
    {StateMenuEntry::item, IDS_SEC_STATE_MDICHILD, scxMDIChild},
    {StateMenuEntry::separator, 0, 0},
    {StateMenuEntry::subDocked, IDS_SEC_STATE_TOP, scxDockedTop},
    {StateMenuEntry::subDocked, IDS_SEC_STATE_LEFT, scxDockedLeft},
    {StateMenuEntry::subDocked, IDS_SEC_STATE_BOTTOM, scxDockedBottom},
    {StateMenuEntry::subDocked, IDS_SEC_STATE_RIGHT, scxDockedRight},
    {StateMenuEntry::subMDIChild, IDS_SEC_STATE_MINIMIZED, scxMDIMinimized},
    {StateMenuEntry::subMDIChild, IDS_SEC_STATE_MAXIMIZED, scxMDIMaximized},
    {StateMenuEntry::subMDIChild, IDS_SEC_STATE_RESTORED, scxMDIRestored},
};
} // namespace

UINT GetMessageID()
{
    static const UINT nMsg = ::RegisterWindowMessage(_T("Tessaron::WM_SYSCOMMANDEX"));
    return nMsg;
}

namespace
{
// The records this thread is sending, innermost last (a command may send another).
thread_local std::vector<const ScxCommandRecord*> t_sending;
} // namespace

LRESULT SendCommand(HWND hWnd, UINT nCommand, ScxCommandRecord* pRecord)
{
    t_sending.push_back(pRecord);
    struct Pop
    {
        ~Pop()
        {
            t_sending.pop_back();
        }
    } pop;
    return ::SendMessage(hWnd, GetMessageID(), nCommand, (LPARAM)pRecord);
}

ScxCommandRecord* GetOwnRecord(LPARAM lParam)
{
    if (lParam == 0 || ::InSendMessage())
        return NULL; // sent from another thread
    for (const ScxCommandRecord* pRecord : t_sending)
    {
        if ((LPARAM)pRecord == lParam)
            return (ScxCommandRecord*)pRecord;
    }
    return NULL;
}

int GetStateGroup(int nState)
{
    for (const auto& state : kStates)
    {
        if (state.nState == nState)
            return state.nGroup;
    }
    return scxNone;
}

UINT DockBarOfState(int nState)
{
    for (const auto& state : kStates)
    {
        if (state.nState == nState)
            return state.nDockBarID;
    }
    return 0;
}

int StateOfDockBar(UINT nDockBarID)
{
    for (const auto& state : kStates)
    {
        if (nDockBarID != 0 && state.nDockBarID == nDockBarID)
            return state.nState;
    }
    return scxNone;
}

const StateMenuEntry* GetStateMenuTable(int* pnCount)
{
    *pnCount = (int)_countof(kStateMenu);
    return kStateMenu;
}

HMENU BuildStateMenu(int nCurrentState)
{
    HMENU hMenu = ::CreatePopupMenu();
    HMENU hDocked = ::CreatePopupMenu();
    HMENU hMDIChild = ::CreatePopupMenu();
    if (hMenu == NULL || hDocked == NULL || hMDIChild == NULL)
    {
        for (HMENU h : {hMenu, hDocked, hMDIChild})
        {
            if (h != NULL)
                ::DestroyMenu(h);
        }
        return NULL;
    }
    const int nGroup = GetStateGroup(nCurrentState);
    for (const auto& entry : kStateMenu)
    {
        CString strText;
        if (entry.nStringID != 0)
            strText.LoadString(entry.nStringID);
        switch (entry.kind)
        {
        case StateMenuEntry::item:
            ::AppendMenu(hMenu, MF_STRING | (entry.nState == nGroup ? MF_CHECKED : 0), (UINT_PTR)entry.nState,
                         strText);
            break;
        case StateMenuEntry::separator:
            ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
            break;
        case StateMenuEntry::subDocked:
        case StateMenuEntry::subMDIChild:
            ::AppendMenu(entry.kind == StateMenuEntry::subDocked ? hDocked : hMDIChild,
                         MF_STRING | (entry.nState == nCurrentState ? MF_CHECKED : 0), (UINT_PTR)entry.nState,
                         strText);
            break;
        }
    }
    CString strDockedTo, strMDIChildAs;
    strDockedTo.LoadString(IDS_SEC_STATE_DOCKED_TO);
    strMDIChildAs.LoadString(IDS_SEC_STATE_MDICHILD_AS);
    ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hDocked, strDockedTo);
    ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hMDIChild, strMDIChildAs);
    return hMenu;
}
} // namespace nsSysCommandEx
