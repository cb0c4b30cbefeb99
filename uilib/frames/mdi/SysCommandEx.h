// The extended system commands: one registered message moves a document frame between MDI child,
// docked and floating. Its command codes, the record its lParam points to, the state codes with
// their groups, and the state menu the user picks a state from.
#pragma once
#include "afxwin.h"

namespace nsSysCommandEx
{
// wParam & 0xFFF0 of the message.
enum
{
    scxSetState = 0xC000,  // change the frame to the record's target state (-1: toggle)
    scxBuildMenu = 0xC010, // build the state menu; the handle goes into the record's result
    scxStateMenu = 0xC020  // show the state menu and carry out the choice
};

// Record flags.
enum
{
    scxPosValid = 0x1, // x, y (and a docking position record) are given
    scxSizeValid = 0x2 // cx, cy (and a docking size record) are given
};

// State codes, also the command ids of the state menu.
enum
{
    scxNone = 0,
    scxMDIChild = 1,
    scxMDIMinimized = 2,
    scxMDIMaximized = 3,
    scxMDIRestored = 4,
    scxDocked = 5,
    scxDockedLeft = 6,
    scxDockedTop = 7,
    scxDockedRight = 8,
    scxDockedBottom = 9,
    scxFloating = 10
};

// What the message's lParam points to. Only the window's own thread sends it, so the pointers
// stay in this process.
struct ScxCommandRecord
{
    HWND hWnd;
    DWORD dwFlags;
    int x;
    int y;
    int cx;
    int cy;
    RECT rectButton; // screen coordinates
    LRESULT lResult;
    int nTarget;
    void* pPosition; // SECDockBarPosition*
    void* pSize;     // SECDockSizeRecord*
    DWORD dwReserved[13];
};

// The registered message "Tessaron::WM_SYSCOMMANDEX".
UINT GetMessageID();
// Sends the command with the record to the window. The program's senders all go through here:
// the record is known to this thread for the duration of the send.
LRESULT SendCommand(HWND hWnd, UINT nCommand, ScxCommandRecord* pRecord);
// The record of a message received, or NULL when lParam is no record this thread is sending
// (a post, or a send from another thread or process, whose pointer means nothing here).
ScxCommandRecord* GetOwnRecord(LPARAM lParam);

// The group of a state code (1 MDI child, 5 docked, 10 floating, 0 other).
int GetStateGroup(int nState);
// The dock-bar id of a docked state (6..9), 0 for others; and back.
UINT DockBarOfState(int nState);
int StateOfDockBar(UINT nDockBarID);

// One line of the state menu.
struct StateMenuEntry
{
    enum Kind
    {
        item, // a top-level item, checked when its group is the current group
        separator,
        subDocked,  // in "D&ocked to", checked when it is the current state
        subMDIChild // in "MD&I Child as", checked when it is the current state
    };
    Kind kind;
    UINT nStringID;
    int nState;
};
const StateMenuEntry* GetStateMenuTable(int* pnCount);
// The pop-up state menu for the current state; the caller destroys it.
HMENU BuildStateMenu(int nCurrentState);
} // namespace nsSysCommandEx
