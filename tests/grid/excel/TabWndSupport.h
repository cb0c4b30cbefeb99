// Shown sheet-tab windows for the tab tests: a frame holding a tab window with three grid views
// ("Arbeitsblatt 1" to "3"), the look flags set by the test, and real mouse input.
#pragma once
#include "grid/excel/TabWnd.h"
#include "grid/core/GridView.h"
#include "tests/grid/GridTestWindow.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include <vector>

// A grid view that answers the tab window's questions as the test says and notes its renames;
// whether it may be renamed it answers as every grid does, from its parameter object.
class CSheetTestView : public CGXGridView
{
    DECLARE_DYNCREATE(CSheetTestView)

  public:
    int m_nVetoWhen = -1; // 0: vetoes leaving this sheet, 1: vetoes showing it
    std::vector<WPARAM> m_renamed, m_attached;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Sets the look flags for its lifetime.
struct LookFlags
{
    BOOL bOldWin4, bOldShell;
    LookFlags(BOOL bNewLook);
    ~LookFlags();
};

struct SheetFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    CDocument* pDoc = new CDocument;
    CGXTabWnd* pTabWnd = new CGXTabWnd;
    CSheetTestView* apViews[3] = {};
    // A frame whose client area is cx x cy.
    SheetFrame(int cx = 600, int cy = 300);
    ~SheetFrame();
    CGXTabBeam& Beam()
    {
        return pTabWnd->GetBeam();
    }
};

// Screen point of a client point of a window.
POINT ScreenOf(CWnd* pWnd, int x, int y);
// A click (press and release) at a client point, with keys held (VK_CONTROL, VK_SHIFT or 0).
void ClickAt(CWnd* pWnd, int x, int y, WORD vkHeld = 0, bool bDouble = false);
// Waits when pt is where the last press was, so the next press is no double click.
void KeepApartFromLastPress(POINT pt);
// The centre of a tab in strip coordinates.
POINT TabCentre(CGXTabBeam& beam, int nTab);
