// One tab of a sheet-tab strip: its label and width, the sheet window it stands for (owned when
// the flag says so) and the sheet's scroll state while another sheet is shown.
#pragma once
#include "afxwin.h"

class CGXTabInfo : public CObject
{
    DECLARE_DYNAMIC(CGXTabInfo)

  public:
    // Construction
    CGXTabInfo();
    ~CGXTabInfo() override;
    CGXTabInfo(const CGXTabInfo&) = delete;
    CGXTabInfo& operator=(const CGXTabInfo&) = delete;

    // Operations
    // Takes the colours of the strip and makes their brushes; the own-brush flags are cleared.
    void SetColors(COLORREF clrNormal, COLORREF clrSelected);
    CBrush* GetNormalBrush()
    {
        return &m_brNormal;
    }
    CBrush* GetSelectedBrush()
    {
        return &m_brSelected;
    }

    // Attributes
    int nWidth = 60; // label extent in the bold font plus the slant
    CString sLabel;
    BOOL bSel = FALSE; // marked: part of a multiple selection
    CWnd* pExtra = NULL;
    BOOL bDeleteExtra = FALSE; // the record deletes the window object with itself
    DWORD dwValue = 0;         // the creator's value, stored unchanged
    SCROLLINFO vertInfo = {};
    SCROLLINFO horzInfo = {};
    COLORREF clrNormal = 0, clrSelected = 0;
    enum
    {
        useOwnNormalBrush = 1,
        useOwnSelectedBrush = 2
    };
    DWORD flags = 0;

  private:
    CBrush m_brNormal, m_brSelected;
};
