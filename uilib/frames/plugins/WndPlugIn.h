// SECWndPlugIn: a CWnd that borrows a host window's HWND and runs the messages the host hands
// it through its own message map. The host owns the window; the plug-in never creates or
// destroys it, and the plug-in's owner deletes the plug-in.
#pragma once
#include "afxwin.h"

namespace tessaron
{
namespace foundation
{

class SECWndPlugIn : public CWnd
{
    DECLARE_DYNAMIC(SECWndPlugIn)

  public:
    // Construction
    SECWndPlugIn();
    ~SECWndPlugIn() override;

    // Overridables
    // Both route only while plugged, and only through the derived classes' own maps.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // 0 unless plugged and default handling was allowed: the host runs its own default.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual LRESULT SetMsgHandled(LRESULT lResult);
    virtual BOOL PlugInTo(CWnd* pHost);
    virtual void UnPlug();
    virtual BOOL IsPlugged() const
    {
        return m_bPlugged;
    }

    // Attributes
    BOOL m_bMsgConsumed;    // a handler tells the host not to process the message itself
    BOOL m_bDefaultAllowed; // while clear, DefWindowProc does nothing
    BOOL m_bMsgHandled;     // set by SetMsgHandled, read by OnWndMsg
    LRESULT m_lHandledResult;
    BOOL m_bPlugged;

    // Implementation
    // Lets code that calls into a handler know whether the handler deleted this plug-in, so
    // nothing touches it afterwards. Watches nest with re-entrant messages.
    class DeletionWatch
    {
      public:
        explicit DeletionWatch(SECWndPlugIn* pPlugIn);
        ~DeletionWatch();
        DeletionWatch(const DeletionWatch&) = delete;
        DeletionWatch& operator=(const DeletionWatch&) = delete;
        BOOL IsDeleted() const
        {
            return m_bDeleted;
        }

      private:
        SECWndPlugIn* m_pPlugIn;
        BOOL* m_pbOuter;
        BOOL m_bDeleted;
    };

  private:
    BOOL* m_pbDeleted; // innermost watch, or NULL

    DECLARE_MESSAGE_MAP()
};

} // namespace foundation
} // namespace tessaron
