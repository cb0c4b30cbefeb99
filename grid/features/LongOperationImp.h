// What a long operation shows while it runs: the wait cursor, a status text with a percentage
// or a spinner in the main frame's status bar, and the question whether to abort on Esc.
// Input is dropped while it runs; painting and timers go on.
#pragma once
#include "grid/core/GridComponents.h"

class CGXLongOperationImp : public CGXAbstractLongOperationImp
{
  public:
    void Start(CGXLongOperation* pOp) override;
    void Stop(CGXLongOperation* pOp) override;
    void FreeStatusText(CGXLongOperation* pOp) override;
    void SetStatusText(CGXLongOperation* pOp, LPCTSTR pszText, BOOL bCopy) override;
    BOOL DoMessages(CGXLongOperation* pOp, BOOL& bAbort) override;
    BOOL NeedMessages(CGXLongOperation* pOp) override;
    void ProcessMessages(CGXLongOperation* pOp) override;

  private:
    // Composes the status text and sends it to the frame, when this level is shown.
    static void ShowStatus(CGXLongOperation* pOp, BOOL bEscHint);
    static void AskAbort();
};

// Installs the library-wide component (once).
void AFXAPI GXInstallLongOperationImp();
