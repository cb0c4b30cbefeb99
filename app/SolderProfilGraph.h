// CSolderProfilGraph: the shape of one solder profile (start temperature, the ramps to T1, T2
// and T3 with their timing, the cooling) drawn as a strip chart, in the parameter-set dialog and
// in the user mask. Owned by the dialog that shows it.
#pragma once
#include "app/OScopeCtrl.h"

class CSolderProfilGraph : public COScopeCtrl
{
  public:
    // Construction: the window is made in the parent over the rectangle.
    CSolderProfilGraph(const CRect& rect, CWnd* pParent);

    // Operations
    // t in seconds; the unit text follows the y-axis text (" °C").
    void SetProfile(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR pszUnit);
    void Redraw();

    // Implementation
  protected:
    int m_nTinit;
    int m_nT1;
    int m_nTime;
    int m_nT2;
    int m_nT3;
    double m_dTotalTime; // seconds across the plot
    CString m_strUnit;
};
