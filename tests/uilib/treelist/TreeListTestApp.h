// What the list and tree tests share: the application, an owner window that logs and answers
// notifications, and real input through SendInput.
#pragma once
#include "afxwin.h"
#include <functional>
#include <map>
#include <string>
#include <vector>

// One notification as the owner saw it.
struct Notice
{
    UINT code;
    UINT idFrom;
    int item; // list: iItem; tree: the item handle's low bits are not useful, see hItem
    int subItem;
    std::string text;
    HTREEITEM hItem;    // tree: itemNew.hItem (or item.hItem for display info)
    HTREEITEM hOldItem; // tree: itemOld.hItem
    UINT action;
    UINT state;
    WORD key;
};

// A top-level window that owns the controls under test. Every WM_NOTIFY and the tree's
// registered message are logged; answers come from a table by code, or from a hook.
class COwnerWnd : public CWnd
{
  public:
    COwnerWnd();
    ~COwnerWnd() override;
    BOOL CreateOwner(const CRect& rect);

    std::vector<Notice> log;
    std::map<UINT, LRESULT> answers;
    std::function<LRESULT(NMHDR*)> hook; // runs before the table; returns -999 to fall through
    std::vector<std::pair<WPARAM, LPARAM>> endEditMessages;
    std::vector<UINT> commands;

    int Count(UINT code) const;
    std::vector<UINT> Codes() const;
    void Clear()
    {
        log.clear();
        endEditMessages.clear();
        commands.clear();
    }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Input
void ActivateAndFocus(CWnd* pTop, CWnd* pFocus);
void KeyDown(UINT vk);
void KeyUp(UINT vk);
void Key(UINT vk, std::initializer_list<UINT> modifiers = {});
void TypeChars(const char* text); // characters as WM_CHAR through the queue of the focus window
void MoveTo(CWnd* pWnd, CPoint ptClient);
// Modifier keys are sent in one batch with the buttons: a cursor move through the X server would
// reset Wine's idea of them.
void Click(CWnd* pWnd, CPoint ptClient, std::initializer_list<UINT> modifiers = {}, bool bRight = false);
void DoubleClick(CWnd* pWnd, CPoint ptClient);
void ButtonDown(CWnd* pWnd, CPoint ptClient, bool bRight = false, std::initializer_list<UINT> modifiers = {});
void ButtonUp(CWnd* pWnd, CPoint ptClient, bool bRight = false, std::initializer_list<UINT> modifiers = {});
void Wheel(CWnd* pWnd, CPoint ptClient, int nDelta);
// Input queued in one go, for code that runs its own message loop (tracking): points are in
// pWnd's client coordinates.
class CInputScript
{
  public:
    explicit CInputScript(CWnd* pWnd) : m_pWnd(pWnd)
    {
    }
    CInputScript& Move(CPoint pt);
    CInputScript& Down(bool bRight = false);
    CInputScript& Up(bool bRight = false);
    CInputScript& KeyPress(UINT vk);
    void Send(DWORD pumpMs = 100);

  private:
    CWnd* m_pWnd;
    std::vector<INPUT> m_inputs;
};

// Pumps through the application's PreTranslateMessage, as the program's message loop does.
void PumpWithTranslate(DWORD ms);

// Pixels of a window's client area as the screen shows them.
COLORREF PixelAt(CWnd* pWnd, int x, int y);

// The system colours for a test's lifetime: set distinct ones, restore at the end.
class CSysColors
{
  public:
    CSysColors(std::initializer_list<std::pair<int, COLORREF>> colors);
    ~CSysColors();

  private:
    std::vector<int> m_ids;
    std::vector<COLORREF> m_old;
};

// Text width of a string in a font, as the control measures it.
CSize TextSize(HFONT hFont, const char* text);
