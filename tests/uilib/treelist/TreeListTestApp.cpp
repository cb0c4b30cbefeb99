#include "TreeListTestApp.h"
#include "TestSupport.h"
#include "WinApp.h"
#include <functional>

using namespace testing_support;

namespace
{
class CTreeListTestApp : public CWinApp
{
  public:
    CTreeListTestApp() : CWinApp(_T("HelvonTreeListTest"))
    {
    }
};
CTreeListTestApp theApp;

class AppEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    }
};
const auto* const g_env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace

COwnerWnd::COwnerWnd() = default;

COwnerWnd::~COwnerWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL COwnerWnd::CreateOwner(const CRect& rect)
{
    return CreateEx(
        0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
        _T("Besitzer"), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect, NULL, 0);
}

int COwnerWnd::Count(UINT code) const
{
    int n = 0;
    for (const Notice& notice : log)
        n += notice.code == code;
    return n;
}

std::vector<UINT> COwnerWnd::Codes() const
{
    std::vector<UINT> codes;
    for (const Notice& notice : log)
        codes.push_back(notice.code);
    return codes;
}

LRESULT COwnerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    static const UINT s_nEndEdit = ::RegisterWindowMessageA("SECTreeCtrlNotifyEndLabelEditRegMsg");
    if (message == s_nEndEdit)
    {
        endEditMessages.emplace_back(wParam, lParam);
        return 0;
    }
    if (message == WM_COMMAND)
        commands.push_back(LOWORD(wParam));
    if (message == WM_NEXTDLGCTL)
        commands.push_back(wParam ? 0xFFFE : 0xFFFF); // previous / next control
    if (message != WM_NOTIFY)
        return CWnd::WindowProc(message, wParam, lParam);
    NMHDR* pHdr = (NMHDR*)lParam;
    Notice n{};
    n.code = pHdr->code;
    n.idFrom = (UINT)pHdr->idFrom;
    n.item = n.subItem = -1;
    UINT code = n.code;
    if ((int)code <= -400 && (int)code >= -499)
    {
        if (code == TVN_GETDISPINFOA || code == TVN_SETDISPINFOA || code == TVN_BEGINLABELEDITA ||
            code == TVN_ENDLABELEDITA)
        {
            NMTVDISPINFOA* p = (NMTVDISPINFOA*)pHdr;
            n.hItem = p->item.hItem;
            if (p->item.pszText != NULL && p->item.pszText != LPSTR_TEXTCALLBACKA &&
                code == TVN_ENDLABELEDITA)
                n.text = p->item.pszText;
        }
        else if (code == TVN_KEYDOWN)
            n.key = ((NMTVKEYDOWN*)pHdr)->wVKey;
        else
        {
            NMTREEVIEWA* p = (NMTREEVIEWA*)pHdr;
            n.hItem = p->itemNew.hItem;
            n.hOldItem = p->itemOld.hItem;
            n.action = p->action;
            n.state = p->itemNew.state;
        }
    }
    else if (code == LVN_BEGINLABELEDITA || code == LVN_ENDLABELEDITA || code == LVN_GETDISPINFOA)
    {
        NMLVDISPINFOA* p = (NMLVDISPINFOA*)pHdr;
        n.item = p->item.iItem;
        n.subItem = p->item.iSubItem;
        if (code == LVN_ENDLABELEDITA && p->item.pszText != NULL)
            n.text = p->item.pszText;
    }
    else if (code == LVN_DELETEITEM || code == LVN_COLUMNCLICK || code == LVN_INSERTITEM)
    {
        NMLISTVIEW* p = (NMLISTVIEW*)pHdr;
        n.item = p->iItem;
        n.subItem = p->iSubItem;
    }
    else if (code == LVN_KEYDOWN)
        n.key = ((NMLVKEYDOWN*)pHdr)->wVKey;
    log.push_back(n);
    if (hook)
    {
        LRESULT l = hook(pHdr);
        if (l != -999)
            return l;
    }
    auto it = answers.find(code);
    return it != answers.end() ? it->second : 0;
}

void ActivateAndFocus(CWnd* pTop, CWnd* pFocus)
{
    ::SetForegroundWindow(pTop->m_hWnd);
    ::SetActiveWindow(pTop->m_hWnd);
    ::SetFocus(pFocus->m_hWnd);
    PumpMessages(30);
}

static INPUT KeyInput(UINT vk, bool bUp)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = (WORD)vk;
    in.ki.wScan = (WORD)::MapVirtualKeyA(vk, 0);
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_PRIOR || vk == VK_NEXT || vk == VK_HOME || vk == VK_END || vk == VK_UP || vk == VK_DOWN ||
        vk == VK_LEFT || vk == VK_RIGHT)
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return in;
}

static void SendKey(UINT vk, bool bUp)
{
    INPUT in = KeyInput(vk, bUp);
    ::SendInput(1, &in, sizeof(in));
}

static void PumpUntilSeen(const std::function<bool(const MSG&)>& seen);

void KeyDown(UINT vk)
{
    SendKey(vk, false);
    PumpMessages(15);
}

void KeyUp(UINT vk)
{
    SendKey(vk, true);
    PumpMessages(15);
}

void Key(UINT vk, std::initializer_list<UINT> modifiers)
{
    for (UINT m : modifiers)
        SendKey(m, false);
    SendKey(vk, false);
    SendKey(vk, true);
    // Under load the keys can reach the queue later than any fixed pause: wait for each batch.
    // The modifiers go up only after the key was handled (see SendBatch).
    auto keyUpSeen = [](UINT key) {
        PumpUntilSeen([key](const MSG& msg) {
            return (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && msg.wParam == key;
        });
    };
    keyUpSeen(vk);
    UINT last = 0;
    for (UINT m : modifiers)
    {
        SendKey(m, true);
        last = m;
    }
    if (last != 0)
        keyUpSeen(last);
    PumpWithTranslate(40);
}

void TypeChars(const char* text)
{
    HWND hWnd = ::GetFocus();
    for (const char* p = text; *p; ++p)
        ::PostMessageA(hWnd, WM_CHAR, (BYTE)*p, 1);
    PumpMessages(10);
}

static void SendMouse(DWORD dwFlags, int nData = 0)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    in.mi.mouseData = (DWORD)nData;
    ::SendInput(1, &in, sizeof(in));
}

void MoveTo(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    CPoint now;
    ::GetCursorPos(&now);
    ::SetCursorPos(pt.x, pt.y);
    // Moves come in order: once this one was handled, no older one (from a window's creation
    // or the last test) can reach a press as a drag.
    if (now != pt)
        PumpUntilSeen([pt](const MSG& msg) {
            return msg.message == WM_MOUSEMOVE && msg.pt.x == pt.x && msg.pt.y == pt.y;
        });
    PumpWithTranslate(20);
}

static void SendInputs(const std::vector<INPUT>& inputs)
{
    if (!inputs.empty())
        ::SendInput((UINT)inputs.size(), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
}

// Modifier keys go down in the same SendInput batch as the buttons they modify. Under Wine the X
// server never sees keys sent with SendInput, and whenever it reports the keyboard (after every
// cursor move, whose warp grabs the pointer, and after an activation; at a time no message shows)
// Wine lets go of every key X does not hold. Reports are handled only when the queue is empty, so
// a batch reaches its handlers whole.
static void SendBatch(std::initializer_list<UINT> keysDown, DWORD dwMouse1, DWORD dwMouse2,
                      std::initializer_list<UINT> keysUp)
{
    std::vector<INPUT> inputs;
    for (UINT vk : keysDown)
        inputs.push_back(KeyInput(vk, false));
    for (DWORD dw : {dwMouse1, dwMouse2})
        if (dw != 0)
        {
            INPUT in{};
            in.type = INPUT_MOUSE;
            in.mi.dwFlags = dw;
            inputs.push_back(in);
        }
    SendInputs(inputs);
    // As with keys: wait until the last button message has been taken from the queue.
    DWORD dwLast = dwMouse2 != 0 ? dwMouse2 : dwMouse1;
    UINT nMessage = dwLast == MOUSEEVENTF_LEFTDOWN    ? WM_LBUTTONDOWN
                    : dwLast == MOUSEEVENTF_LEFTUP    ? WM_LBUTTONUP
                    : dwLast == MOUSEEVENTF_RIGHTDOWN ? WM_RBUTTONDOWN
                    : dwLast == MOUSEEVENTF_RIGHTUP   ? WM_RBUTTONUP
                                                      : 0;
    // A press can arrive as a double click.
    UINT nDblClk = nMessage == WM_LBUTTONDOWN   ? WM_LBUTTONDBLCLK
                   : nMessage == WM_RBUTTONDOWN ? WM_RBUTTONDBLCLK
                                                : nMessage;
    if (nMessage != 0)
        PumpUntilSeen([nMessage, nDblClk](const MSG& msg) {
            return msg.message == nMessage || msg.message == nDblClk;
        });
    // Modifiers go up only after the buttons were handled: under Wine the key state a handler
    // reads can already show a key release that was queued behind its button message.
    if (keysUp.size() != 0)
    {
        inputs.clear();
        UINT last = 0;
        for (UINT vk : keysUp)
        {
            inputs.push_back(KeyInput(vk, true));
            last = vk;
        }
        SendInputs(inputs);
        PumpUntilSeen([last](const MSG& msg) {
            return (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && msg.wParam == last;
        });
    }
    PumpWithTranslate(30);
}

static bool CursorAt(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    CPoint now;
    ::GetCursorPos(&now);
    return now == pt;
}

void ButtonDown(CWnd* pWnd, CPoint pt, bool bRight, std::initializer_list<UINT> modifiers)
{
    if (!CursorAt(pWnd, pt))
        MoveTo(pWnd, pt);
    SendBatch(modifiers, bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, {});
}

void ButtonUp(CWnd* pWnd, CPoint pt, bool bRight, std::initializer_list<UINT> modifiers)
{
    if (!CursorAt(pWnd, pt))
        MoveTo(pWnd, pt);
    // Modifiers held since ButtonDown are pressed again with the release: Wine may have let them go
    // in between (see SendBatch).
    SendBatch(modifiers, bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, modifiers);
}

void Click(CWnd* pWnd, CPoint pt, std::initializer_list<UINT> modifiers, bool bRight)
{
    MoveTo(pWnd, pt);
    SendBatch(modifiers, bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
              bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, modifiers);
}

void DoubleClick(CWnd* pWnd, CPoint pt)
{
    MoveTo(pWnd, pt);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpWithTranslate(40);
}

void Wheel(CWnd* pWnd, CPoint pt, int nDelta)
{
    MoveTo(pWnd, pt);
    SendMouse(MOUSEEVENTF_WHEEL, nDelta);
    PumpUntilSeen([](const MSG& msg) { return msg.message == WM_MOUSEWHEEL; });
    PumpWithTranslate(30);
}

// Pumps as PumpWithTranslate does until a message the predicate accepts has been taken from the
// queue, at most two seconds (input swallowed by a loop of the code under test ends the wait there).
static void PumpUntilSeen(const std::function<bool(const MSG&)>& seen)
{
    const ULONGLONG deadline = testing_support::NowMs() + 2000;
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            bool bSeen = seen(msg);
            if (!AfxGetApp()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            if (bSeen)
                return;
        }
        ULONGLONG now = testing_support::NowMs();
        if (now >= deadline)
            return;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, (DWORD)(deadline - now), QS_ALLINPUT);
    }
}

void PumpWithTranslate(DWORD ms)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (!AfxGetApp()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= ms)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

COLORREF PixelAt(CWnd* pWnd, int x, int y)
{
    pWnd->UpdateWindow();
    HDC hDC = ::GetDC(pWnd->m_hWnd);
    COLORREF rgb = ::GetPixel(hDC, x, y);
    ::ReleaseDC(pWnd->m_hWnd, hDC);
    return rgb;
}

CSysColors::CSysColors(std::initializer_list<std::pair<int, COLORREF>> colors)
{
    std::vector<COLORREF> rgbs;
    for (const auto& c : colors)
    {
        m_ids.push_back(c.first);
        m_old.push_back(::GetSysColor(c.first));
        rgbs.push_back(c.second);
    }
    ::SetSysColors((int)m_ids.size(), m_ids.data(), rgbs.data());
    PumpMessages(20);
}

CSysColors::~CSysColors()
{
    ::SetSysColors((int)m_ids.size(), m_ids.data(), m_old.data());
    PumpMessages(20);
}

CSize TextSize(HFONT hFont, const char* text)
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE sz;
    ::GetTextExtentPoint32A(hDC, text, (int)strlen(text), &sz);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return CSize(sz.cx, sz.cy);
}

CInputScript& CInputScript::Move(CPoint pt)
{
    m_pWnd->ClientToScreen(&pt);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)(pt.x * 65536.0 / ::GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = (LONG)(pt.y * 65536.0 / ::GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    m_inputs.push_back(in);
    return *this;
}

CInputScript& CInputScript::Down(bool bRight)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    m_inputs.push_back(in);
    return *this;
}

CInputScript& CInputScript::Up(bool bRight)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    m_inputs.push_back(in);
    return *this;
}

CInputScript& CInputScript::KeyPress(UINT vk)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = (WORD)vk;
    in.ki.wScan = (WORD)::MapVirtualKeyA(vk, 0);
    m_inputs.push_back(in);
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    m_inputs.push_back(in);
    return *this;
}

void CInputScript::Send(DWORD pumpMs)
{
    ::SendInput((UINT)m_inputs.size(), m_inputs.data(), sizeof(INPUT));
    m_inputs.clear();
    PumpWithTranslate(pumpMs);
}
