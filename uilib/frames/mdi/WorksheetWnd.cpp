// SECWorksheetWnd: joining and leaving the workbook, and repainting its tab.
#include "uilib/frames/mdi/WorksheetWnd.h"
#include "uilib/frames/mdi/WorkbookWnd.h"

IMPLEMENT_DYNCREATE(SECWorksheetWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECWorksheetWnd, SECMDIChildWnd)
ON_WM_DESTROY()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

SECWorksheetWnd::SECWorksheetWnd() : m_hSmallIcon(NULL), m_nIndex(-1), m_bActivatedFromTab(FALSE)
{
}

SECWorksheetWnd::~SECWorksheetWnd()
{
    if (m_hSmallIcon != NULL)
        ::DestroyIcon(m_hSmallIcon);
}

SECWorkbookWnd* SECWorksheetWnd::GetWorkbook() const
{
    return m_hWnd != NULL ? DYNAMIC_DOWNCAST(SECWorkbookWnd, GetMDIFrame()) : NULL;
}

BOOL SECWorksheetWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                CCreateContext* pContext)
{
    if (!SECMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    JoinWorkbook(nIDResource);
    return TRUE;
}

void SECWorksheetWnd::JoinWorkbook(UINT nIDResource)
{
    if (m_hSmallIcon == NULL && nIDResource != 0)
    {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON);
        m_hSmallIcon = (HICON)::LoadImage(hInst, MAKEINTRESOURCE(nIDResource), IMAGE_ICON, 16, 16, 0);
    }
    SECWorkbookWnd* pBook = GetWorkbook();
    if (pBook != NULL && m_nIndex < 0)
        pBook->AddSheet(this);
}

void SECWorksheetWnd::OnDestroy()
{
    SECWorkbookWnd* pBook = GetWorkbook();
    if (pBook != NULL && m_nIndex >= 0)
        pBook->RemoveSheet(this);
    if (m_hSmallIcon != NULL)
    {
        ::DestroyIcon(m_hSmallIcon);
        m_hSmallIcon = NULL;
    }
    SECMDIChildWnd::OnDestroy();
}

void SECWorksheetWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    SECMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    SECWorkbookWnd* pBook = GetWorkbook();
    if (pBook != NULL && m_nIndex >= 0 && pBook->IsWorkbookMode())
        pBook->InvalidateRect(pBook->GetTabArea(), FALSE);
}

void SECWorksheetWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECMDIChildWnd::OnShowWindow(bShow, nStatus);
    // The tabs right of this one move when it comes or goes.
    SECWorkbookWnd* pBook = GetWorkbook();
    if (pBook != NULL && m_nIndex >= 0 && pBook->IsWorkbookMode())
        pBook->InvalidateRect(pBook->GetTabArea(), TRUE);
}
