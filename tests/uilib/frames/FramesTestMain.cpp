// The frames tests' application. The tests run with freed memory poisoned (PoisonedMemory.cpp of
// the test support), so code that touches a freed chain record, list node or listener fails
// visibly.
#include "afxwin.h"

namespace
{
class CFramesTestApp : public CWinApp
{
  public:
    CFramesTestApp() : CWinApp(_T("HelvonFramesTest"))
    {
    }
};
CFramesTestApp theApp;
} // namespace
