// The test application and the grid window helper of the cell-control tests.
#include "ControlsTestApp.h"
#include "TestSupport.h"

namespace
{
class CControlsTestApp : public CWinApp, public CGXAppAdapter
{
  public:
    CControlsTestApp() : CWinApp(_T("HelvonGridControlsTest"))
    {
    }
    CGXWorkbookManager* GetWorkbookManager(void* pKey, CGXDocument* pDoc) override
    {
        WorkbookLookup& lookup = TestWorkbookLookup();
        lookup.nCalls++;
        lookup.pLastKey = pKey;
        lookup.pLastDoc = pDoc;
        return lookup.pManager;
    }
    CDocTemplate* GetDocTemplate(CRuntimeClass*, CRuntimeClass*) override
    {
        return NULL;
    }
};
CControlsTestApp theApp;
} // namespace

WorkbookLookup& TestWorkbookLookup()
{
    static WorkbookLookup s_lookup;
    return s_lookup;
}

CShownTestWindow::CShownTestWindow(LPCTSTR pszCaption)
{
    CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), pszCaption, WS_POPUP | WS_VISIBLE,
             CRect(20, 20, 320, 120), NULL, 0);
    ::SetForegroundWindow(GetSafeHwnd());
}

CPoint GridWindow::CellCentre(ROWCOL nRow, ROWCOL nCol)
{
    CPoint pt = grid->CalcCellRect(nRow, nCol).CenterPoint();
    grid->ClientToScreen(&pt);
    return pt;
}

void SendKey(WORD vk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(INPUT));
}

void TypeKey(WORD vk)
{
    SendKey(vk, false);
    SendKey(vk, true);
    testing_support::PumpMessages(60);
}

void ClickAt(CWnd* pGrid, CPoint pt)
{
    pGrid->ClientToScreen(&pt);
    testing_support::MoveMouseTo(pt);
    testing_support::SendLeftButton(true);
    testing_support::PumpMessages(40);
    testing_support::SendLeftButton(false);
    testing_support::PumpMessages(60);
}

CGXFindReplaceSettings Find(LPCTSTR pszFind, LPCTSTR pszReplace, BOOL bMatchCase)
{
    CGXFindReplaceSettings find;
    find.m_strFind = pszFind;
    find.m_strReplace = pszReplace;
    find.m_bMatchCase = bMatchCase;
    find.PrepareSearchText();
    return find;
}

CString CellValue(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    grid.GetStyleRowCol(nRow, nCol, style);
    return style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString();
}

void KeyWith(WORD vkModifier, WORD vk)
{
    SendKey(vkModifier, false);
    SendKey(vk, false);
    SendKey(vk, true);
    SendKey(vkModifier, true);
    testing_support::PumpMessages(150);
}

bool EnterCell(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol)
{
    if (!grid.ChangeCurrentCell(nRow, nCol))
        return false;
    grid.GridWnd()->SetFocus();
    testing_support::PumpMessages(40);
    return true;
}

CString ShownText(CGXGridCore& grid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle* pStyle = grid.CreateStyle();
    grid.ComposeStyleRowCol(nRow, nCol, pStyle);
    CString str;
    pControl->FormatValueText(str, nRow, nCol, NULL, *pStyle);
    grid.RecycleStyle(pStyle);
    return str;
}
