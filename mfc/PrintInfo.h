// CPrintInfo: the state of one print or preview run, handed through the view's printing
// members. Owns the print dialog and with it the printer DC.
//
// Differences from MFC:
// - No DocObject printing members.
#pragma once
#include "afx.h"
#include "Rect.h"
#include "String.h"

class CPrintDialog;

class CPrintInfo
{
  public:
    // Construction
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // Attributes
    CPrintDialog* m_pPD;
    BOOL m_bDirect;  // print without the print dialog
    BOOL m_bPreview; // a print preview, not a print
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw; // the page's printable area in logical units

    // Operations
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    UINT GetFromPage() const;
    UINT GetToPage() const;
    UINT GetOffsetPage() const;
};
