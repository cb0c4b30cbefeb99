// Date-time gadgets: the shared part, the process-wide gadget timer and the key steps.
#include "DTGadget.h"
#include "DateTimeCtrl.h"
#include <map>

IMPLEMENT_DYNAMIC(CGXBDTGadget, CObject)

namespace
{
// Timer id as SetTimer returned it -> gadget.
std::map<UINT_PTR, CGXBDTGadget*>& TimerMap()
{
    static std::map<UINT_PTR, CGXBDTGadget*> s_map;
    return s_map;
}

void CALLBACK GadgetTimerProc(HWND, UINT, UINT_PTR nID, DWORD)
{
    auto it = TimerMap().find(nID);
    if (it != TimerMap().end())
        it->second->OnTimer();
}
} // namespace

CGXBDTGadget::~CGXBDTGadget()
{
    StopTimer();
}

BOOL CGXBDTGadget::Initialise(CGXBDateTimeCtrl* pOwner, int nId)
{
    m_pOwner = pOwner;
    m_nId = nId;
    return TRUE;
}

BOOL CGXBDTGadget::Notify(int nCode, int nId, int nValue)
{
    return m_pOwner != NULL ? m_pOwner->OnGadgetNotify(nCode, nId, nValue) : FALSE;
}

void CGXBDTGadget::Invalidate(BOOL bUpdateNow)
{
    if (m_pOwner != NULL)
        m_pOwner->InvalidateGadget(this, bUpdateNow);
}

void CGXBDTGadget::CaptureMouse(BOOL bCapture)
{
    if (m_pOwner != NULL)
        m_pOwner->CaptureGadget(this, bCapture);
}

void CGXBDTGadget::StartTimer(UINT nElapse)
{
    StopTimer();
    UINT_PTR nID = ::SetTimer(NULL, 1, nElapse, GadgetTimerProc);
    if (nID != 0)
    {
        m_nTimer = nID;
        TimerMap()[nID] = this;
    }
}

void CGXBDTGadget::StopTimer()
{
    if (m_nTimer == 0)
        return;
    ::KillTimer(NULL, m_nTimer);
    TimerMap().erase(m_nTimer);
    m_nTimer = 0;
}

COLORREF CGXBDTGadget::GetBkColour() const
{
    return m_pOwner != NULL ? m_pOwner->GetBkColour() : ::GetSysColor(COLOR_WINDOW);
}

BOOL CGXBDTGadget::SetFocus(BOOL bFocus)
{
    if (!(m_dwStyle & styleFocus))
        return FALSE;
    if (!!m_bFocus != !!bFocus)
    {
        m_bFocus = bFocus;
        Invalidate();
    }
    return TRUE;
}

BOOL CGXBDTGadget::StepKey(UINT nChar)
{
    int nCode;
    switch (nChar)
    {
    case VK_END:
        nCode = GXDT_NOTIFY_LAST;
        break;
    case VK_HOME:
        nCode = GXDT_NOTIFY_FIRST;
        break;
    case VK_UP:
    case VK_ADD:
        nCode = GXDT_NOTIFY_UP;
        break;
    case VK_DOWN:
    case VK_SUBTRACT:
        nCode = GXDT_NOTIFY_DOWN;
        break;
    default:
        return FALSE;
    }
    Notify(nCode, m_nId, 0);
    return TRUE;
}

void CGXBDTGadget::DrawGadgetText(CDC* pDC, const CString& strText, BOOL bCentred)
{
    CRect rect = m_rect;
    pDC->DrawText(strText, rect,
                  DT_SINGLELINE | DT_NOPREFIX | DT_EXTERNALLEADING | (bCentred ? DT_CENTER : DT_LEFT));
}
