// The application tests' application object.
#include "afxwin.h"

namespace
{
class CAppTestApp : public CWinApp
{
  public:
    CAppTestApp() : CWinApp(_T("HelvonAppTest"))
    {
    }
};
CAppTestApp theApp;
} // namespace
