// CColorDialog: the system's colour chooser. The sixteen custom colours are shared by every
// colour dialog of the program, as the user expects them to stay.
//
// Differences from MFC:
// - No SetCurrentColor while the dialog runs.
#pragma once
#include "CommonDialog.h"

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)

  public:
    // Construction
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    // Attributes
    CHOOSECOLOR m_cc;
    COLORREF GetColor() const
    {
        return m_cc.rgbResult;
    }
    static COLORREF* PASCAL GetSavedCustomColors()
    {
        return c_CustColors;
    }

    // Operations
    INT_PTR DoModal() override;

    // Implementation
    static COLORREF c_CustColors[16];
};
