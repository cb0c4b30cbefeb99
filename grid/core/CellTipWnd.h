// The tip window that shows a cell's whole text or its bitmap over the cell, and its two
// kinds. One tip window exists per process; the grid that shows it owns the moment, the
// process-wide pointer owns the object (a window destroyed by the system deletes itself).
#pragma once
#include "grid/core/Font.h"
#include "afxwin.h"

class CGXCellTipWnd : public CWnd
{
  public:
    enum
    {
        kindText = 1,
        kindBitmap = 2
    };

    // Construction
    explicit CGXCellTipWnd(int nKind);
    ~CGXCellTipWnd() override;
    BOOL CreateTipWindow();

    // The process's tip window of a kind, made (hidden) when missing or of another kind.
    static CGXCellTipWnd* GetTipWindow(int nKind);
    // The tip window now in existence, or NULL.
    static CGXCellTipWnd* GetExisting();
    // Hides the tip; with hOwner only when that grid window shows it.
    static void HideTip(HWND hOwner = NULL);
    static void DestroyTip();

    // Operations
    void SetWindowPosHidden(const CRect& rect);
    int GetKind() const
    {
        return m_nKind;
    }
    HWND m_hOwner = NULL; // the grid window the tip is shown for

  protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

    CBrush m_brush;
    int m_nKind;

  private:
    static CGXCellTipWnd* s_pTipWnd;
};

class CGXTextCellTipWnd : public CGXCellTipWnd
{
  public:
    CGXTextCellTipWnd() : CGXCellTipWnd(kindText)
    {
    }
    void SetFont(const LOGFONT& lf);
    void SetTextRect(const CRect& rect)
    {
        m_rectText = rect;
    }
    const CRect& GetTextRect() const
    {
        return m_rectText;
    }

  protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CFont m_font;
    CRect m_rectText;
};

class CGXStaticBitmapCellTipWnd : public CGXCellTipWnd
{
  public:
    CGXStaticBitmapCellTipWnd() : CGXCellTipWnd(kindBitmap)
    {
    }
    void SetDIB(HANDLE hDIB)
    {
        m_hDIB = hDIB;
    }
    void SetBitmapRect(const CRect& rect)
    {
        m_rectBitmap = rect;
    }

  protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    HANDLE m_hDIB = NULL; // owned by the bitmap pool
    CRect m_rectBitmap;
};
