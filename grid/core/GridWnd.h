// The grid as a child window: a CWnd with the grid engine mixed in, placed by dialogs and frames,
// also from a dialog template through the window class "CGXGridWnd". Every window message goes to
// the engine first; the CWnd default runs where the engine declines.
#pragma once
#include "grid/core/GridCore.h"

class CGXGridWnd : public CWnd, public CGXGridCore
{
    DECLARE_DYNCREATE(CGXGridWnd)

  public:
    // Construction
    CGXGridWnd();
    ~CGXGridWnd() override;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Registers "CGXGridWnd" unless present; CResourceException when that fails.
    static void AFXAPI RegisterWndClass(HINSTANCE hInstance);
    static void AFXAPI UnregisterWndClass(HINSTANCE hInstance);

    // Printing
    void BeginPrintJob(CDC* pDC, CPrintInfo* pInfo);
    void EndPrintJob(CDC* pDC, CPrintInfo* pInfo);
    void PrintPageBody(CDC* pDC, CPrintInfo* pInfo);

    // Overridables
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Implementation
    void PostNcDestroy() override;
    // Whether the class procedure made this object (then PostNcDestroy deletes it).
    static BOOL IsClassCreated(const CGXGridWnd* pWnd);

    BOOL m_bDraw3dFrame = FALSE;

  protected:
    void OnPaint();
    void OnNcPaint();
    DECLARE_MESSAGE_MAP()

  private:
    static LRESULT CALLBACK ClassWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Draws a sunken 3-D frame into the parent's client area around the window (2 pixels out at left
// and top, 3 at right and bottom).
void AFXAPI GXDrawFrameInParent(CWnd* pWnd);
