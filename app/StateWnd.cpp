// CStateWnd: the state bar and the status dialog inside it.
#include "app/StateWnd.h"
#include "AppIds.h"
#include "app/IRStatusDlg.h"

IMPLEMENT_DYNAMIC(CStateWnd, SECControlBar)

BEGIN_MESSAGE_MAP(CStateWnd, SECControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
// The dialog starts this far below the bar's top, clear of its gripper.
const int kDialogTop = 15;
} // namespace

CStateWnd::CStateWnd() : m_pStatusDlg(NULL)
{
}

CStateWnd::~CStateWnd()
{
    if (m_pStatusDlg != NULL && m_pStatusDlg->m_hWnd != NULL)
        m_pStatusDlg->DestroyWindow();
    delete m_pStatusDlg;
}

int CStateWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (SECControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pStatusDlg = new CIRStatusDlg(this);
    if (!m_pStatusDlg->Create(IDD_IR_STATUS, this))
        return -1;
    CRect client;
    GetClientRect(&client);
    m_pStatusDlg->SetWindowPos(NULL, client.left, client.top + kDialogTop, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pStatusDlg->ShowWindow(SW_SHOW);
    return 0;
}

void CStateWnd::OnSize(UINT nType, int cx, int cy)
{
    SECControlBar::OnSize(nType, cx, cy);
    if (m_pStatusDlg != NULL && m_pStatusDlg->m_hWnd != NULL)
    {
        CRect inside;
        CalcChildArea(inside);
        m_pStatusDlg->SetWindowPos(NULL, inside.left, inside.top, inside.Width(), inside.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CStateWnd::OnEraseBkgnd(CDC* pDC)
{
    SECControlBar::OnEraseBkgnd(pDC);
    CRect inside;
    CalcChildArea(inside);
    pDC->FillSolidRect(&inside, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}
