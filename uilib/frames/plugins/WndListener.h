// SECWndListener: a plug-in that attaches itself. The first listener of a window subclasses it
// (a dialog at its dialog procedure, any other window at its window procedure); every listener
// of that window sits in one chain and sees each message before the window's own procedure.
// The chain records belong to the process-wide chain map; listeners belong to whoever made them.
#pragma once
#include "uilib/frames/plugins/WndPlugIn.h"
#include "afxtempl.h"

namespace tessaron
{
namespace foundation
{

class SECWndListener;

// One per subclassed window. Kept at its four words (16 bytes on the 32-bit build).
struct SECWndListener_MsgProcInfo_tag
{
    DWORD cbSize;
    WNDPROC pfnOldWndProc;                                // replaced window procedure, or NULL
    DLGPROC pfnOldDlgProc;                                // replaced dialog procedure, or NULL
    CTypedPtrList<CPtrList, SECWndListener*>* pListeners; // in plugging order; owned
};

// Chain flags a handler sets for the message being dispatched.
enum
{
    SEC_CHAIN_STOP_LISTENERS = 1, // later listeners do not see the message
    SEC_CHAIN_STOP_WINDOW = 2,    // the window's own procedure does not see it either
};

class SECWndListener : public SECWndPlugIn
{
    DECLARE_DYNAMIC(SECWndListener)

  public:
    // Construction
    SECWndListener();
    ~SECWndListener() override;

    // Overridables
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL PlugInTo(CWnd* pHost) override;
    void UnPlug() override;
    // Listeners report through the chain flags, not through this.
    LRESULT SetMsgHandled(LRESULT lResult) override;
    virtual BOOL PlugInToEx(CWnd* pHost, DWORD_PTR dwExtra);
    virtual UINT SetChainFlags(UINT nFlags);
    virtual BOOL GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL StartListening(CWnd* pHost);
    virtual BOOL AddToChain(SECWndListener_MsgProcInfo_tag* pInfo);
    virtual BOOL CreateChain(HWND hWnd);
    virtual BOOL UseWindowProc(HWND hWnd);
    virtual BOOL StopListening();

    // Operations
    LRESULT SetResult(LRESULT lResult);
    // Runs the host's own procedure (the one the chain replaced) for a message now, as the chain
    // would after the listeners; a dialog's default handling included. A handler that does this
    // sets chain flag 2 so the host does not get the message twice.
    LRESULT CallHostProc(UINT message, WPARAM wParam, LPARAM lParam);
    HWND GetHostWnd() const
    {
        return m_hWndHost;
    }

    // The registered "mt.Listener.RemoveFromChain" message.
    static UINT PASCAL RemoveFromChainMessage();
    // The chain record of a window, or NULL.
    static SECWndListener_MsgProcInfo_tag* PASCAL LookupChain(HWND hWnd);
    // The chain's two entries from Win32.
    static LRESULT CALLBACK ChainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK ChainDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Attributes
    UINT m_nChainFlags;
    HWND m_hWndHost;
    BOOL m_bResultSet;
    LRESULT m_lResult;

    DECLARE_MESSAGE_MAP()
};

} // namespace foundation
} // namespace tessaron
