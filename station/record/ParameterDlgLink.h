// IParameterDlg: what the recording document asks of its user mask. The mask itself is the
// application's dialog; the document only knows it through these operations.
#pragma once
#include "afxwin.h"

class IParameterDlg
{
  public:
    virtual ~IParameterDlg() = default;

    // Each stores the text (or value) and refreshes the controls.
    virtual void SetOperator(LPCTSTR text) = 0;
    virtual void SetBoard(LPCTSTR text) = 0;
    virtual void SetComponent(LPCTSTR text) = 0;
    virtual void SetHeaderLine(LPCTSTR text) = 0;
    virtual void SetTinit(int nTinit) = 0;
    virtual void SetTestDate(LPCTSTR text) = 0;
    // Each selects the combo entry with that text and keeps the text.
    virtual void SelectApertureX(LPCTSTR text) = 0;
    virtual void SelectApertureY(LPCTSTR text) = 0;
    virtual void SelectPin1Position(LPCTSTR text) = 0;
    virtual void SelectProfileType(LPCTSTR text) = 0;
    // The station's parameters: program, T1, T2, T3, TL, energy, time and sensor texts.
    virtual void ShowCurrentParameters(LPCTSTR program, LPCTSTR t1, LPCTSTR t2, LPCTSTR t3, LPCTSTR tl,
                                       LPCTSTR energy, LPCTSTR time, LPCTSTR sensor, BOOL bValid) = 0;
    virtual void UpdateProfileGraph(int nTinit, int nT1, int nTime, int nT2, int nT3, LPCTSTR unit) = 0;
    virtual BOOL SetPendingUpdate() = 0;
    virtual void RefreshControls() = 0;
};
