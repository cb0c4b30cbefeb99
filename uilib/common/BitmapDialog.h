// SECBitmapDialog: a dialog that can paint a background image centred, stretched or tiled,
// realises the image's palette and lets static controls show the image through. Without an image
// it is a plain dialog. The dialog owns its image.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
#include <commctrl.h>
#include "uilib/common/Image.h"

class SECBitmapDialog : public CDialog
{
    DECLARE_DYNAMIC(SECBitmapDialog)

  public:
    // How the image fills the client area; any other value tiles it.
    enum DisplayMode
    {
        displayCentred = 1,
        displayStretched = 2,
        displayTiled = 3
    };

    // Construction
    explicit SECBitmapDialog(UINT nIDTemplate, CWnd* pParent = NULL);
    ~SECBitmapDialog() override;

    // Operations
    // Gives the dialog its image (owned from now on; NULL removes it) and how to show it.
    void SetImage(tessaron::foundation::SECImage* pImage, int nDisplayMode);
    tessaron::foundation::SECImage* GetImage() const
    {
        return m_pImage;
    }
    int GetDisplayMode() const
    {
        return m_nDisplayMode;
    }
    // Stores and realises the palette; returns the previous one.
    CPalette* SetPalette(CPalette* pPalette);

    // Overridables
    virtual HBRUSH GetCtlBrush(CDC* pDC, CWnd* pWnd);
    virtual void SetImageHalftone(BOOL bHalftone);
    virtual HBRUSH GetBkBrush();

  protected:
    // Implementation
    // Selects and realises the palette in a client DC; TRUE (and a repaint) when entries changed.
    BOOL RealizeDialogPalette(BOOL bBackground);
    void DrawImage(CDC* pDC, int x, int y, int cx, int cy);

    tessaron::foundation::SECImage* m_pImage;
    CBrush m_brushBk; // the stock hollow brush
    int m_nDisplayMode;
    CPalette* m_pPalette; // not owned

    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
