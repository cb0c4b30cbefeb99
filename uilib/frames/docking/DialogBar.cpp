// SECDialogBar: creation from a dialog template, command updates of its controls and its
// template in the saved record.
#include "uilib/frames/docking/DialogBar.h"
#include "uilib/frames/docking/ControlBarInfo.h"

IMPLEMENT_DYNCREATE(SECDialogBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECDialogBar, SECControlBar)
ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
END_MESSAGE_MAP()

namespace
{
// The bar styles a dialog bar keeps (the CBRS_ bits, the gripper among them).
const DWORD kBarStyleMask = 0x0040FFFF;
} // namespace

SECDialogBar::SECDialogBar() : m_lpszTemplateName(NULL), m_lpszTemplateDuringCreate(NULL)
{
}

SECDialogBar::~SECDialogBar()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL SECDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, DWORD dwExStyle, UINT nID)
{
    m_dwStyle = nStyle & kBarStyleMask;
    m_dwExStyle = dwExStyle;
    CREATESTRUCT cs = {};
    cs.lpszClass = _afxWndControlBar;
    cs.style = (DWORD)nStyle | WS_CHILD;
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hwndParent = pParentWnd->GetSafeHwnd();
    if (!PreCreateWindow(cs))
        return FALSE;
    m_lpszTemplateName = lpszTemplateName;
    m_lpszTemplateDuringCreate = lpszTemplateName;
    if (!AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG) || !AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;
    const BOOL bCreated = CreateDlg(lpszTemplateName, pParentWnd);
    m_lpszTemplateDuringCreate = NULL;
    if (!bCreated)
        return FALSE;
    SetDlgCtrlID((int)nID);
    CRect rect;
    GetWindowRect(&rect);
    m_szDefault = rect.Size();
    ModifyStyle(WS_CAPTION, WS_CLIPSIBLINGS);
    if (!ExecuteDlgInit(lpszTemplateName))
        return FALSE;
    // The controls stand where the template put them: a scaling bar records them now.
    FinishCreation();
    SetWindowPos(NULL, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     ((nStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return TRUE;
}

LRESULT SECDialogBar::OnInitDialog(WPARAM, LPARAM)
{
    Default();
    return TRUE;
}

void SECDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void SECDialogBar::GetBarInfoEx(SECControlBarInfo* pInfo)
{
    // Only a numbered template fits the record's resource field.
    pInfo->m_dwResourceID = IS_INTRESOURCE(m_lpszTemplateName) ? (DWORD)(UINT_PTR)m_lpszTemplateName : 0;
    SECControlBar::GetBarInfoEx(pInfo);
}
