// SECListCtrl: the owner-drawn list as a plain child window. The engine is SECListBaseC
// (SECListBase over CWnd); this class adds the run-time class and the message map.
#pragma once
#include "ListBase.h"

typedef SECListBase<CWnd> SECListBaseC;

class SECListCtrl : public SECListBaseC
{
    DECLARE_DYNCREATE(SECListCtrl)

  public:
    SECListCtrl() = default;

  protected:
    DECLARE_MESSAGE_MAP()
};

// Message-map entries of the list engine, shared by every concrete list and tree class.
#define SEC_LIST_MESSAGE_ENTRIES()                                                                           \
    ON_WM_CREATE()                                                                                           \
    ON_WM_DESTROY()                                                                                          \
    ON_WM_SYSCOLORCHANGE()                                                                                   \
    ON_WM_PAINT()                                                                                            \
    ON_WM_ERASEBKGND()                                                                                       \
    ON_WM_SIZE()                                                                                             \
    ON_WM_HSCROLL()                                                                                          \
    ON_WM_VSCROLL()                                                                                          \
    ON_WM_SETCURSOR()                                                                                        \
    ON_WM_MOUSEMOVE()                                                                                        \
    ON_WM_CANCELMODE()                                                                                       \
    ON_WM_LBUTTONDOWN()                                                                                      \
    ON_WM_LBUTTONUP()                                                                                        \
    ON_WM_LBUTTONDBLCLK()                                                                                    \
    ON_WM_RBUTTONDOWN()                                                                                      \
    ON_WM_RBUTTONUP()                                                                                        \
    ON_WM_TIMER()                                                                                            \
    ON_WM_KEYDOWN()                                                                                          \
    ON_WM_CHAR()                                                                                             \
    ON_WM_SYSKEYDOWN()                                                                                       \
    ON_WM_ENABLE()                                                                                           \
    ON_WM_GETDLGCODE()                                                                                       \
    ON_WM_SETFOCUS()                                                                                         \
    ON_WM_KILLFOCUS()                                                                                        \
    ON_WM_MOUSEWHEEL()                                                                                       \
    ON_EN_KILLFOCUS(1, OnEditKillFocus)                                                                      \
    ON_EN_UPDATE(1, OnEditUpdate)
