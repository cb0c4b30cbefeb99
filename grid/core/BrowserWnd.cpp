// The browser window.
#include "grid/core/BrowserWnd.h"
#include "FrameworkIds.h"
#include "PaintDC.h"

IMPLEMENT_DYNCREATE(CGXBrowserWnd, CWnd)

BEGIN_MESSAGE_MAP(CGXBrowserWnd, CWnd)
ON_WM_PAINT()
ON_COMMAND(ID_RECORD_FIRST, OnRecordFirst)
ON_COMMAND(ID_RECORD_LAST, OnRecordLast)
ON_COMMAND(ID_RECORD_NEXT, OnRecordNext)
ON_COMMAND(ID_RECORD_PREV, OnRecordPrev)
ON_UPDATE_COMMAND_UI(ID_RECORD_FIRST, OnUpdateRecordFirstPrev)
ON_UPDATE_COMMAND_UI(ID_RECORD_PREV, OnUpdateRecordFirstPrev)
ON_UPDATE_COMMAND_UI(ID_RECORD_NEXT, OnUpdateRecordNextLast)
ON_UPDATE_COMMAND_UI(ID_RECORD_LAST, OnUpdateRecordNextLast)
END_MESSAGE_MAP()

namespace
{
CMapPtrToWord& SelfDeletingMap()
{
    static CMapPtrToWord s_map(10);
    return s_map;
}
} // namespace

CGXBrowserWnd::CGXBrowserWnd()
{
    m_pGridWnd = this;
    m_pGridDoc = NULL;
    m_bIsViewContext = FALSE;
}

BOOL CGXBrowserWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(NULL, NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CGXBrowserWnd::RegisterSelfDeleting(CGXBrowserWnd* pWnd)
{
    SelfDeletingMap().SetAt(pWnd, 1);
}

void CGXBrowserWnd::PostNcDestroy()
{
    WORD w;
    if (SelfDeletingMap().Lookup(this, w))
    {
        SelfDeletingMap().RemoveKey(this);
        delete this;
    }
}

LRESULT CGXBrowserWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchGridMessage(message, wParam, lParam,
                               [&]() { return CWnd::WindowProc(message, wParam, lParam); });
}

BOOL CGXBrowserWnd::PreTranslateMessage(MSG* pMsg)
{
    return OnGridPreTranslateMessage(pMsg) || CWnd::PreTranslateMessage(pMsg);
}

BOOL CGXBrowserWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return OnGridCommand(wParam, lParam) || CWnd::OnCommand(wParam, lParam);
}

void CGXBrowserWnd::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bInitDone)
        AfxThrowNotSupportedException();
    OnGridPrepareDC(&dc);
    OnGridDraw(&dc);
}

void CGXBrowserWnd::OnRecordFirst()
{
    MoveCurrentCellBy(7, 1, TRUE);
}

void CGXBrowserWnd::OnRecordLast()
{
    MoveCurrentCellBy(8, 1, TRUE);
}

void CGXBrowserWnd::OnRecordNext()
{
    MoveCurrentCellBy(3, 1, TRUE);
}

void CGXBrowserWnd::OnRecordPrev()
{
    MoveCurrentCellBy(1, 1, TRUE);
}

void CGXBrowserWnd::OnUpdateRecordFirstPrev(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pParam != NULL && !IsFirstRecordCurrent());
}

void CGXBrowserWnd::OnUpdateRecordNextLast(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pParam != NULL && !IsLastRowCurrent());
}
