// The strip of column titles above a multi-column drop-down list: framed boxes whose edges
// match the list's columns.
#pragma once
#include "afxwin.h"
#include <vector>

// What the header shows, owned by the combo cell that shows it.
struct CGXTabbedHeaderSettings
{
    BOOL m_bShowAllColumns = TRUE;
    int m_nTextCol = 0;         // > 0: each line starts with a copy of the shown field
    int m_nEdgeCount = 0;       // columns but the last
    std::vector<int> m_anEdges; // right edges of those columns
    CFont* m_pFont = NULL;
    CString m_strTitles; // tab-separated
};

class CGXTabbedLBoxHeader : public CWnd
{
  public:
    explicit CGXTabbedLBoxHeader(CGXTabbedHeaderSettings* pSettings);

    BOOL CreateHeader();
    // The height the title line needs in the settings' font (bitmaps included), plus 4.
    int CalcHeight();

    CGXTabbedHeaderSettings* m_pSettings;
    CString m_strReserved;

  protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
