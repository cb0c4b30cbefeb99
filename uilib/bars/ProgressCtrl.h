// SECProgressCtrl: a progress bar that paints itself in two colours, horizontal or vertical,
// filling from either end, with an optional percentage or caller's text drawn in the opposite
// colour over each part. In native mode the standard control paints instead. It can advance
// itself on a timer; the status bar's progress pane creates one.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"

namespace tessaron
{
namespace foundation
{

// Progress style bits.
enum : DWORD
{
    SEC_PROGRESS_VERTICAL = 0x00001,
    SEC_PROGRESS_FROM_RIGHT = 0x00010, // horizontal bar fills from the right
    SEC_PROGRESS_FROM_TOP = 0x00020,   // vertical bar fills from the top (else from the bottom)
    SEC_PROGRESS_PERCENT = 0x00100,    // shows "%d %%"
    SEC_PROGRESS_TEXT = 0x00200,       // shows the control's own text (only without the percentage)
    SEC_PROGRESS_TEXT_LEFT = 0x01000,
    SEC_PROGRESS_TEXT_RIGHT = 0x02000, // centred when neither alignment bit is set
    SEC_PROGRESS_NATIVE = 0x10000,     // the standard control paints and keeps its position
    SEC_PROGRESS_DEFAULT = 0x04100,    // 0x4000 is carried along but means nothing here
};

class SECProgressCtrl : public CProgressCtrl
{
    DECLARE_DYNAMIC(SECProgressCtrl)

  public:
    // The timer of the auto-step.
    static const UINT_PTR kAutoStepTimer = 256;

    // Construction
    SECProgressCtrl();
    ~SECProgressCtrl() override;
    // FALSE when the control exists already.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                        DWORD dwProgressStyle = SEC_PROGRESS_DEFAULT);
    // Takes over control nID of the dialog pParent.
    virtual BOOL Attach(UINT nID, CWnd* pParent);

    // Operations
    virtual void SetRange(int nLower, int nUpper);
    // Returns the old position. bRedrawNow paints at once instead of waiting for the queue.
    virtual UINT SetPos(UINT nPos, BOOL bRedrawNow = FALSE);
    virtual void OffsetPos(int nDelta, BOOL bRedrawNow = FALSE);
    virtual int SetStep(int nStep);
    virtual void SetColors(COLORREF crBar, COLORREF crBk);
    // The font is not owned; NULL draws with the DC's font.
    virtual void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    // Stores the text without repainting.
    virtual void SetText(LPCTSTR lpszText);
    virtual void GetText(CString& strText) const;
    virtual void StepIt(BOOL bRedrawNow = FALSE);
    virtual void Reset();
    // Steps every nElapse ms until the upper bound (0 stops). FALSE at or above the upper bound
    // or when the timer cannot be set.
    virtual BOOL SetAutoStep(UINT nElapse);
    void SetProgressStyle(DWORD dwStyle);

    // Attributes
    UINT GetPos() const
    {
        return m_nPos;
    }
    int GetStep() const
    {
        return m_nStep;
    }
    void GetRange(int& nLower, int& nUpper) const
    {
        nLower = m_nLower;
        nUpper = m_nUpper;
    }
    DWORD GetProgressStyle() const
    {
        return m_dwProgressStyle;
    }
    // The position within the bounds, 0 to 100.
    virtual float GetPercent();

    // Overridables
    virtual BOOL OnCreateHook();
    virtual void FillBar(CDC* pDC, RECT rc);
    virtual void FillBackground(CDC* pDC, RECT rc);
    virtual void DrawProgressText(CDC* pDC, float fPercent, RECT rcRest, RECT rcDone);
    // Called with the text before it is drawn.
    virtual void AdjustText(CString& strText);
    virtual void Paint(CDC* pDC);
    virtual void CalcRects(float fPercent, RECT* prcDone, RECT* prcRest);
    // FALSE when the off-screen buffer cannot be made.
    virtual BOOL DrawProgress(float fPercent, RECT rcDone, RECT rcRest, CDC* pDC);

  protected:
    // Implementation
    BOOL IsNative() const
    {
        return (m_dwProgressStyle & SEC_PROGRESS_NATIVE) != 0;
    }
    void RefreshClientRect();
    static void FlushPaints();

    UINT m_nPos;
    int m_nStep;
    int m_nLower;
    int m_nUpper;
    COLORREF m_crBar;
    COLORREF m_crBk;
    CFont* m_pFont;
    BOOL m_bVisible;
    BOOL m_bCreated;
    CString m_strText;
    DWORD m_dwProgressStyle;
    RECT m_rcClient;
    UINT_PTR m_nTimerID;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};

} // namespace foundation
} // namespace tessaron
