// The application object of the cell-control tests and a shown grid that counts the clicks its
// cells' buttons report.
#pragma once
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridWnd.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/excel/AppAdapter.h"
#include <memory>

class CClickCountingGrid : public CGXGridWnd
{
  public:
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override
    {
        m_nClicks++;
        m_nLastRow = nRow;
        m_nLastCol = nCol;
    }
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType) override
    {
        m_nStores++;
        return CGXGridWnd::StoreStyleRowCol(nRow, nCol, pStyle, mode, nType);
    }
    // Notes the press on selected text and the selection of the focused window at that moment.
    BOOL OnStartTextDrag(ROWCOL nRow, ROWCOL nCol) override
    {
        m_nTextDrags++;
        m_nDragRow = nRow;
        m_nDragCol = nCol;
        ::SendMessage(::GetFocus(), EM_GETSEL, (WPARAM)&m_dwDragSelStart, (LPARAM)&m_dwDragSelEnd);
        return FALSE;
    }
    int m_nClicks = 0;
    int m_nStores = 0;
    int m_nTextDrags = 0;
    ROWCOL m_nDragRow = 0, m_nDragCol = 0;
    DWORD m_dwDragSelStart = 0, m_dwDragSelEnd = 0;
    ROWCOL m_nLastRow = 0, m_nLastCol = 0;
};

// A visible top-level window holding one grid window of the given client size.
struct GridWindow : GridWindowOf<CClickCountingGrid>
{
    GridWindow(int cx, int cy) : GridWindowOf(cx, cy)
    {
        grid->OnGridInitialUpdate();
        grid->SetFocus();
    }
    // The centre of a cell in screen coordinates.
    CPoint CellCentre(ROWCOL nRow, ROWCOL nCol);
};

// Sends one key down or up through the system's input queue.
void SendKey(WORD vk, bool bUp);
// Presses and releases a key, then lets the grid handle it.
void TypeKey(WORD vk);
// A left click at a point of the grid window's client area.
void ClickAt(CWnd* pGrid, CPoint ptClient);
// A cell's value as the grid holds it.
CString CellValue(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol);
// A key pressed with a modifier held, then handled.
void KeyWith(WORD vkModifier, WORD vk);
// Makes a cell current and gives the grid the focus; false when the grid refused the cell.
bool EnterCell(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol);
// A cell's text as a control formats it from the cell's composed style.
CString ShownText(CGXGridCore& grid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol);
// Find settings for a control's FindText and ReplaceText, the working copy made.
CGXFindReplaceSettings Find(LPCTSTR pszFind, LPCTSTR pszReplace = _T(""), BOOL bMatchCase = FALSE);

// The workbook manager the test application hands to every grid document, and what it was
// last asked with.
struct WorkbookLookup
{
    CGXWorkbookManager* pManager = NULL;
    void* pLastKey = NULL;
    CGXDocument* pLastDoc = NULL;
    int nCalls = 0;
};
WorkbookLookup& TestWorkbookLookup();

// A shown top-level window at (20, 20) of 300 x 100 pixels, to own or hold a control under test.
class CShownTestWindow : public CWnd
{
  public:
    explicit CShownTestWindow(LPCTSTR pszCaption);
    ~CShownTestWindow() override
    {
        DestroyWindow();
    }
};
